#pragma once

#include "CheckIn.h"
#include "CheckInIndex.h"

#include <QWidget>

#include <memory>
#include <optional>

class CameraSource;
class CommandBar;
class PhotoFrame;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QStringListModel;

// " Zandorio - Accesso rapido": the check-in at the desk on the register of the current year. A
// scanner (or the desk) types a card's code, a card number or part of a name into the one large
// field and Enter; the member's photo, name and three lights show, big enough to read from a metre
// away; Enter again registers the entry as the entry screen would save it, asking first about a
// red light (or refusing a certificate expired or missing, when so set). The field is then empty
// and focused for the next member, and the last ten check-ins are listed under it.
class TfrmAccesso : public QWidget {
    Q_OBJECT
public:
    TfrmAccesso();
    ~TfrmAccesso() override;

    // The register entries go to: the one of today's year.
    static QString registerPath();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void txtTesseraReturn();
    void find(const QString& text);
    void showMember(int position);
    void showChoices(const QList<CheckIn::Found::Choice>& choices);
    void clearMember();
    void cmdRegistraClick();
    void cmdWebcamClick();
    void frameArrived(const QImage& frame);
    void stopCamera();
    void chkBloccaToggled(bool refuse);
    void readyForNext();
    void fail(const QString& message);

    CheckInIndex m_index;
    std::optional<CheckIn::Member> m_member;
    bool m_registered = false;
    QList<int> m_choicePositions;
    std::unique_ptr<CameraSource> m_camera;

    CommandBar* m_commands;
    QLabel* m_lblAnno;
    QLineEdit* m_txtTessera;
    QListView* m_lstScelta;
    QStringListModel* m_choices;
    PhotoFrame* m_imgFoto;
    QLabel* m_lblNome;
    QLabel* m_lblPraticante;
    QLabel* m_lblLuceTessera;
    QLabel* m_lblTessera;
    QLabel* m_lblLuceCertificato;
    QLabel* m_lblCertificato;
    QLabel* m_lblLuceIngressi;
    QLabel* m_lblIngressi;
    QLabel* m_lblUltimoIngresso;
    QLineEdit* m_txtIncaricato;
    QCheckBox* m_chkBloccaCertificato;
    QListView* m_lstUltimi;
    QStringListModel* m_lastTen;
};
