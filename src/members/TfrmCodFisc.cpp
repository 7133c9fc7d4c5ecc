#include "TfrmCodFisc.h"

#include "FiscalCode.h"
#include "app/FieldTable.h"
#include "app/Platform.h"
#include "storage/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kCodeLength = 16;

// The instruction line is the field's caption.
constexpr FieldRow kFields[] = {
    {"txtCodFisc", "Immettere il codice fiscale e premere il pulsante di controllo.", kCodeLength,
     Input::Upper},
};

} // namespace

TfrmCodFisc::TfrmCodFisc(QWidget* parent) : Dialog(parent, QStringLiteral(" Controllo codice fiscale")) {
    setObjectName(QStringLiteral("frmCodFisc"));
    auto* fields = new FieldTable(this, kFields, Highlight::Frame);
    m_txtCodFisc = fields->field("txtCodFisc");
    QLabel* lblTitolo = fields->label("txtCodFisc");
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));

    m_btnControlla = new QPushButton(QIcon::fromTheme(QStringLiteral("dialog-ok-apply")),
                                     QStringLiteral("Controlla"), this);
    m_btnControlla->setObjectName(QStringLiteral("btnControlla"));
    auto* btnChiudi =
        new QPushButton(QIcon::fromTheme(QStringLiteral("window-close")), QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    fields->setEnterAction([this](QLineEdit*) { m_btnControlla->setFocus(); });
    connect(m_btnControlla, &QPushButton::clicked, this, &TfrmCodFisc::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_btnControlla);
    buttons->addWidget(btnChiudi);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(12);
    layout->addWidget(lblTitolo);
    layout->addWidget(m_txtCodFisc);
    layout->addLayout(buttons);
    m_txtCodFisc->setMinimumWidth(320);
}

void TfrmCodFisc::setCode(const QString& code) {
    // A longer text handed over is shown whole, so that the check answers for what the caller
    // holds rather than for a cut copy of it.
    m_txtCodFisc->setMaxLength(std::max<int>(kCodeLength, code.size()));
    m_txtCodFisc->setText(code);
}

void TfrmCodFisc::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    m_txtCodFisc->setFocus();
}

void TfrmCodFisc::btnControllaClick() {
    const QString code = Text::upperAZ(m_txtCodFisc->text());
    if (code.size() != kCodeLength) {
        platform().message(
            Platform::Box::Warning,
            QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri "
                           "alfanumerici."));
        m_txtCodFisc->setFocus();
        return;
    }
    if (FiscalCode::isValid(code))
        platform().message(Platform::Box::Information,
                           QStringLiteral("Il codice fiscale digitato è VALIDO."));
    else
        platform().message(Platform::Box::Warning,
                           QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."));
    accept();
}
