#include "TfrmCalendario.h"

#include "Platform.h"
#include "TopLevelScreen.h"
#include "storage/DateText.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Mode key -> the screen and the field that receive the date.
struct DateTarget {
    const char* key;
    const char* screen;
    const char* field;
};

constexpr DateTarget kTargets[] = {
    {"data", "frmRicevuta", "txtData"},
    {"dal", "frmRicevuta", "txtDal"},
    {"Al", "frmRicevuta", "txtAl"},
    {"tiratori_studio", "frmTiratori", "txtStudio"},
    {"tiratori_iniziotes", "frmTiratori", "txtInizioTes"},
    {"tiratori_finetes", "frmTiratori", "txtFineTes"},
    {"allenamenti_data", "frmAllenamenti", "txtData"},
    {"allenamenti_datafine", "frmAllenamenti", "txtDataFine"},
};

QLineEdit* targetField(const QString& key) {
    for (const DateTarget& t : kTargets) {
        if (key != QLatin1String(t.key))
            continue;
        QWidget* screen = topLevelScreen(QLatin1String(t.screen));
        return screen ? screen->findChild<QLineEdit*>(QLatin1String(t.field)) : nullptr;
    }
    return nullptr;
}

} // namespace

TfrmCalendario::TfrmCalendario(QWidget* parent) : Dialog(parent, QStringLiteral(" Importazione data")) {
    setObjectName(QStringLiteral("frmCalendario"));
    m_lblMemory = new QLabel(this);
    m_lblMemory->setObjectName(QStringLiteral("lblMemory"));
    m_lblMemory->hide();

    auto* caption = new QLabel(QStringLiteral("Importare una data:"), this);
    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("calAppuntamenti"));
    m_calendar->setSelectedDate(platform().today());
    m_calendar->setGridVisible(true);
    caption->setBuddy(m_calendar);

    QPushButton* importa = dialogButton(this, "btnImportaData", QStringLiteral("Importa"), "dialog-ok-apply");
    importa->setDefault(true);
    QPushButton* annulla = dialogButton(this, "btnAnnulla", QStringLiteral("Annulla"), "dialog-cancel");
    connect(importa, &QPushButton::clicked, this, &TfrmCalendario::btnImportaDataClick);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_calendar, &QCalendarWidget::activated, this, &TfrmCalendario::btnImportaDataClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(importa);
    buttons->addWidget(annulla);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_calendar);
    layout->addLayout(buttons);
}

void TfrmCalendario::setModeKey(const QString& key) {
    m_lblMemory->setText(key);
}

void TfrmCalendario::btnImportaDataClick() {
    QLineEdit* field = m_target ? m_target : targetField(m_lblMemory->text());
    if (!field)
        return;
    field->setText(DateText::format(m_calendar->selectedDate()));
    accept();
}
