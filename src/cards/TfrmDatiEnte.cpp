#include "TfrmDatiEnte.h"

#include "CardFace.h"
#include "CardSettings.h"
#include "app/FieldTable.h"
#include "storage/Text.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The fields in their Enter order, and the line of the card each one holds.
constexpr FieldRow kFields[] = {
    {"txtAssociazione", "Denominazione:"},
    {"txtSottotitolo01", "Indirizzo e città:"},
    {"txtSottotitolo02", "Telefono e altri recapiti:"},
    {"txtAnnotazioni", "Annotazioni:"},
};
constexpr QString CardFace::*kLines[] = {
    &CardFace::association,
    &CardFace::address,
    &CardFace::contacts,
    &CardFace::note,
};
static_assert(std::size(kFields) == std::size(kLines));

const QString kCardScreen = QStringLiteral("tessera");

} // namespace

TfrmDatiEnte::TfrmDatiEnte(QWidget* parent) : Dialog(parent, QStringLiteral(" Dati Ente o Associazione")) {
    setObjectName(QStringLiteral("frmDatiEnte"));
    m_fields = new FieldTable(this, kFields, Highlight::Frame);
    for (QLineEdit* field : m_fields->fields())
        field->setMinimumWidth(420);

    auto* lblIstruzioni = new QLabel(
        QStringLiteral("Inserire i dati e fare clic su Applica e chiudi per salvare le modifiche."), this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setWordWrap(true);
    m_lblMemory = new QLabel(this);
    m_lblMemory->setObjectName(QStringLiteral("lblMemory"));
    m_lblMemory->hide();

    QPushButton* btnApplica =
        dialogButton(this, "btnApplica", QStringLiteral("Applica e chiudi"), "dialog-ok-apply");
    QPushButton* btnAnnulla = dialogButton(this, "btnAnnulla", QStringLiteral("Annulla"), "dialog-cancel");
    connect(btnApplica, &QPushButton::clicked, this, &TfrmDatiEnte::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(24, 18, 24, 18);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    grid->addWidget(lblIstruzioni, 0, 0, 1, 3);
    auto* fields = new QGridLayout;
    m_fields->addToGrid(fields, 1);
    grid->addLayout(fields, 1, 0, 1, 3);
    grid->addWidget(btnApplica, 2, 1);
    grid->addWidget(btnAnnulla, 2, 2);
    grid->setColumnStretch(0, 1);
}

void TfrmDatiEnte::setModeKey(const QString& key) {
    m_lblMemory->setText(key);
}

QString TfrmDatiEnte::modeKey() const {
    return m_lblMemory->text();
}

void TfrmDatiEnte::setAssociation(const CardFace& face) {
    for (std::size_t i = 0; i < std::size(kFields); ++i)
        m_fields->field(kFields[i].name)->setText(Text::trimBlanks(face.*kLines[i]));
}

void TfrmDatiEnte::applyTo(CardFace& face) const {
    for (std::size_t i = 0; i < std::size(kFields); ++i)
        face.*kLines[i] = CardSettings::storable(m_fields->field(kFields[i].name)->text());
}

void TfrmDatiEnte::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    m_fields->field("txtAssociazione")->setFocus();
}

void TfrmDatiEnte::btnApplicaClick() {
    // Only the card screen takes the association's data.
    if (modeKey() == kCardScreen)
        accept();
    else
        reject();
}
