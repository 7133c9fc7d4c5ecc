#include "TfrmCalendario.h"

#include "Platform.h"
#include "storage/DateText.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmCalendario::TfrmCalendario(QLineEdit* target, QWidget* parent)
    : Dialog(parent, QStringLiteral(" Importazione data")), m_target(target) {
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
    if (!m_target)
        return;
    m_target->setText(DateText::format(m_calendar->selectedDate()));
    accept();
}
