#include "TfrmNumerazione.h"

#include "ReceiptNumbering.h"
#include "ReceiptSettings.h"
#include "app/FieldTable.h"
#include "app/Platform.h"
#include "storage/StorageError.h"
#include "storage/Text.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The group's title is the field's caption.
constexpr FieldRow kField = {"txtInizio", nullptr, 5, Input::Digits};

const QString kSettingsFailure = QStringLiteral(
    "Attenzione: il numero iniziale delle ricevute non è stato salvato.\n\r\n\rAccertarsi di possedere i "
    "privilegi di scrittura nella cartella di installazione del programma.");

} // namespace

TfrmNumerazione::TfrmNumerazione(QWidget* parent)
    : Dialog(parent, QStringLiteral(" Impostazione inizio numerazione ricevute")) {
    setObjectName(QStringLiteral("frmNumerazione"));
    m_lblMemory = new QLabel(this);
    m_lblMemory->setObjectName(QStringLiteral("lblMemory"));
    m_lblMemory->hide();

    auto* group = new QGroupBox(QStringLiteral(" Inizia numerazione da: "), this);
    auto* field = new FieldTable(group, std::span<const FieldRow>(&kField, 1), Highlight::Frame);
    m_txtInizio = field->field(kField.name);
    m_txtInizio->setText(QStringLiteral("1"));
    m_txtInizio->setAccessibleName(QStringLiteral("Inizia numerazione da"));
    m_txtInizio->setFixedWidth(120);
    m_txtInizio->installEventFilter(this);
    auto* groupLayout = new QHBoxLayout(group);
    groupLayout->setContentsMargins(18, 18, 18, 18);
    groupLayout->addWidget(m_txtInizio);
    groupLayout->addStretch();

    QPushButton* btnApplica =
        dialogButton(this, "btnApplica", QStringLiteral("Applica e chiudi"), "dialog-ok-apply");
    QPushButton* btnAnnulla = dialogButton(this, "btnAnnulla", QStringLiteral("Annulla"), "dialog-cancel");
    field->setEnterAction([btnApplica] { btnApplica->setFocus(); });
    connect(btnApplica, &QPushButton::clicked, this, &TfrmNumerazione::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnApplica);
    buttons->addWidget(btnAnnulla);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    // Wide enough for the whole caption.
    setMinimumWidth(440);
    layout->setSpacing(12);
    layout->addWidget(group);
    layout->addLayout(buttons);
}

void TfrmNumerazione::setModeKey(const QString& key) {
    m_lblMemory->setText(key);
}

bool TfrmNumerazione::forReceipts() const {
    return m_lblMemory->text() == QLatin1String("ricevute");
}

void TfrmNumerazione::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    if (forReceipts())
        m_txtInizio->setText(ReceiptSettings::startNumber());
    if (Text::trimBlanks(m_txtInizio->text()).isEmpty())
        m_txtInizio->setText(QStringLiteral("1"));
    m_txtInizio->setFocus();
}

bool TfrmNumerazione::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_txtInizio && event->type() == QEvent::FocusOut)
        m_txtInizio->setText(ReceiptNumbering::normalisedStart(m_txtInizio->text()));
    return Dialog::eventFilter(watched, event);
}

void TfrmNumerazione::btnApplicaClick() {
    if (forReceipts()) {
        try {
            ReceiptSettings::setStartNumber(ReceiptNumbering::normalisedStart(m_txtInizio->text()));
        } catch (const StorageError&) {
            platform().message(Platform::Box::Warning, kSettingsFailure);
            return;
        }
    }
    accept();
}
