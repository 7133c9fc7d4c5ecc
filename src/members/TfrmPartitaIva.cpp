#include "TfrmPartitaIva.h"

#include "VatNumber.h"
#include "app/FieldTable.h"
#include "app/Platform.h"
#include "storage/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kNumberLength = 11;

// The instruction line is the field's caption.
constexpr FieldRow kFields[] = {
    {"txtPartitaIva", "Immettere il numero di partita IVA e premere il pulsante di controllo.", kNumberLength,
     Input::Digits},
};

} // namespace

TfrmPartitaIva::TfrmPartitaIva(QWidget* parent) : Dialog(parent, QStringLiteral(" Controllo partita IVA")) {
    setObjectName(QStringLiteral("frmPartitaIva"));
    auto* fields = new FieldTable(this, kFields, Highlight::Frame);
    m_txtPartitaIva = fields->field("txtPartitaIva");
    QLabel* lblTitolo = fields->label("txtPartitaIva");
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));

    m_btnControlla = new QPushButton(QIcon::fromTheme(QStringLiteral("dialog-ok-apply")),
                                     QStringLiteral("Controlla"), this);
    m_btnControlla->setObjectName(QStringLiteral("btnControlla"));
    auto* btnChiudi =
        new QPushButton(QIcon::fromTheme(QStringLiteral("window-close")), QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    fields->setEnterAction([this](QLineEdit*) { m_btnControlla->setFocus(); });
    connect(m_btnControlla, &QPushButton::clicked, this, &TfrmPartitaIva::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_btnControlla);
    buttons->addWidget(btnChiudi);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(12);
    layout->addWidget(lblTitolo);
    layout->addWidget(m_txtPartitaIva);
    layout->addLayout(buttons);
    m_txtPartitaIva->setMinimumWidth(320);
}

void TfrmPartitaIva::setNumber(const QString& number) {
    // A longer number handed over is shown whole, so that it earns the length warning instead of
    // being cut to eleven digits that might pass the check.
    m_txtPartitaIva->setMaxLength(std::max<int>(kNumberLength, number.size()));
    m_txtPartitaIva->setText(number);
}

void TfrmPartitaIva::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    m_txtPartitaIva->setFocus();
}

void TfrmPartitaIva::btnControllaClick() {
    const QString number = Text::upperAZ(m_txtPartitaIva->text());
    if (number.size() != kNumberLength) {
        platform().message(
            Platform::Box::Warning,
            QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."));
        m_txtPartitaIva->setFocus();
        return;
    }
    if (!VatNumber::isValid(number))
        platform().message(
            Platform::Box::Warning,
            QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                           "Non è quindi possibile fornire informazioni relative all'Ufficio IVA "
                           "che lo ha rilasciato."));
    else
        platform().message(Platform::Box::Information,
                           QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                                          "E' stato rilasciato dall'Ufficio IVA del Comune di ") +
                               VatNumber::office(number) + u'.');
    accept();
}
