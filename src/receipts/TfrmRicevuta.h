#pragma once

#include "ReceiptNumbering.h"
#include "ReceiptSettings.h"
#include "TSchedaRicevuta.h"
#include "app/RecordScreen.h"
#include "members/MemberTarget.h"

class QLabel;

// The receipt screen: one receipt of the yearly archive chosen on the receipts menu at a time,
// numbered, filled by hand or from a member, saved, duplicated and browsed. It keeps the payee
// lines in the settings file between visits. The member search delivers here in its mode
// "ricevuta", the receipt search in its own.
class TfrmRicevuta : public RecordScreen<TSchedaRicevuta>, public MemberTarget {
    Q_OBJECT
public:
    TfrmRicevuta();

    // The archive of the year chosen on the receipts menu, kept until the menu opens another.
    void openYear(const QString& year, const QString& path);
    QString archivePath() const;
    void receiveMember(const TSchedaIscritto& member, int position) override;

protected:
    // "Nuovo": an empty receipt with the next number; the payee lines stay.
    void clearRecord() override;
    bool prepareCopy() override;
    bool acceptSave() override;
    // No two receipts of the archive share a number, whichever workstation saved first.
    bool settleRecord(ArchiveFile& file, int position, QByteArray& record) override;
    void recordSaved(int position) override;
    void recordWithheld() override;
    void screenShown() override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLayout* buildReceipt();
    // Empties the receipt but for its number and payee lines.
    void emptyReceipt();
    void normaliseAmount();
    // Whether the receipt may be saved with its date outside the archive's year: asked.
    bool acceptDate();
    void txtImportoEdited();
    void txtCentsEdited();
    void leaveCents();
    void showWordsHint();
    void cmdTrovaClick();
    void cmdNumerazioneClick();
    void impPagatoreClick();

    // The payee lines as read when the screen was shown: closing stores only those changed since.
    ReceiptSettings::PayeeLines m_shownPayee;
    QLabel* m_lblFile;
    QString m_year;
    // The number "Nuovo" proposed, while it waits for its first save.
    QString m_proposed;
    ReceiptNumbering::Settled m_settled{};
    QLabel* m_lblInizio;
    QWidget* m_bkgLettere;
};
