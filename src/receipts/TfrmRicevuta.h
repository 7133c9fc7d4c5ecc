#pragma once

#include "ReceiptNumbering.h"
#include "ReceiptSettings.h"
#include "ReceiptSheetDialog.h"
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
    // The way of payment, the cancellation and the prints kept beside the receipt.
    void recordShown(const TSchedaRicevuta& record, int position) override;
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
    // Whether a cash payment of 1.000 euro or more may be saved: asked.
    bool acceptCash();
    // Tells that cash keeps a young practitioner's fees from being deducted.
    void tellDeduction();
    // At the save, under the archive's lock: the way of payment goes to the companion; false when
    // the receipt was cancelled meanwhile.
    bool saveMethod(ArchiveFile& file, int position);
    // Shows receipt p's companion record: its way of payment, and whether it is cancelled.
    void showExtra(int position);
    void showCancelled(const TSchedaRicevutaExtra& extra);
    void cmdAnnullaRicClick();
    // What the print and preview dialogs print: the receipt as shown, where it is stored.
    ReceiptSheet sheet() const;
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
    QWidget* m_paper;
    QLabel* m_lblAnnullata;
    // The companion record of the receipt shown, as last read.
    TSchedaRicevutaExtra m_extra;
    bool m_cancelledMeanwhile = false;
};
