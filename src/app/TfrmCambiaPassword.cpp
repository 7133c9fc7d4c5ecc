#include "TfrmCambiaPassword.h"

#include "AccessPassword.h"
#include "CaptionBar.h"
#include "Dialog.h"
#include "FieldTable.h"
#include "Platform.h"
#include "storage/StorageError.h"
#include "storage/Text.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr FieldRow kFields[] = {
    {"txtPasswordOld", "Vecchia password:", 255, Input::Masked},
    {"txtPasswordNew", "Nuova password:", 255, Input::Masked},
    {"txtConferma", "Conferma nuova password:", 255, Input::Masked},
};

const QString kFailure =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica "
                   "della password. Si consiglia di reinstallare il software.");

// The scramble keeps one byte of each character: anything beyond that would lock everybody out.
const QString kUnstorable =
    QStringLiteral("Attenzione: la nuova password contiene caratteri non ammessi (ad esempio € o le "
                   "emoji). E' necessario reinserire entrambi i valori usando lettere, cifre e simboli "
                   "comuni.");

} // namespace

TfrmCambiaPassword::TfrmCambiaPassword() : QWidget(nullptr) {
    setObjectName(QStringLiteral("frmCambiaPassword"));
    setWindowTitle(QStringLiteral(" Cambia password"));

    m_fields = new FieldTable(this, kFields, Highlight::Frame);
    m_old = m_fields->field("txtPasswordOld");
    m_new = m_fields->field("txtPasswordNew");
    m_confirm = m_fields->field("txtConferma");

    m_cmdOK = dialogButton(this, "cmdOK", QStringLiteral("OK"), "dialog-ok-apply");
    m_cmdOK->setEnabled(false);
    QPushButton* cmdEsci = dialogButton(this, "cmdEsci", QStringLiteral("Chiudi"), "window-close");

    for (QLineEdit* f : m_fields->fields())
        connect(f, &QLineEdit::textChanged, this, &TfrmCambiaPassword::updateOK);
    connect(m_cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(24, 18, 24, 18);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    const int row = m_fields->addToGrid(grid, 2);
    grid->addWidget(m_cmdOK, row, 1);
    grid->addWidget(cmdEsci, row, 2);
    m_old->setMinimumWidth(220);
    // No buttons in the title bar: the screen closes through its own buttons.
    CaptionBar::install(this);
    setFixedSize(sizeHint());
}

void TfrmCambiaPassword::showEvent(QShowEvent* event) {
    m_fields->clear();
    centreWindow(this);
    QWidget::showEvent(event);
    activateWindow();
    m_old->setFocus();
}

void TfrmCambiaPassword::closeEvent(QCloseEvent* event) {
    event->accept();
    Q_EMIT closed();
}

void TfrmCambiaPassword::updateOK() {
    bool all = true;
    for (QLineEdit* f : m_fields->fields())
        all = all && !Text::trimBlanks(f->text()).isEmpty();
    m_cmdOK->setEnabled(all);
}

void TfrmCambiaPassword::cmdOKClick() {
    try {
        if (AccessPassword::stored() != AccessPassword::normalised(m_old->text())) {
            platform().message(Platform::Box::Notice, QStringLiteral("Attenzione: vecchia password errata."));
            m_old->clear();
            m_old->setFocus();
            return;
        }
        if (Text::trimBlanks(m_new->text()) != Text::trimBlanks(m_confirm->text())) {
            platform().message(
                Platform::Box::Notice,
                QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                               "E' necessario reinserire entrambi i valori."));
            m_new->clear();
            m_confirm->clear();
            m_new->setFocus();
            return;
        }
        if (!AccessPassword::storable(m_new->text())) {
            platform().message(Platform::Box::Warning, kUnstorable);
            m_new->clear();
            m_confirm->clear();
            m_new->setFocus();
            return;
        }
        AccessPassword::store(m_new->text());
    } catch (const StorageError&) {
        platform().message(Platform::Box::Notice, kFailure);
        return;
    }
    platform().message(Platform::Box::Notice,
                       QStringLiteral("Modifica della password completata con successo."));
    close();
}
