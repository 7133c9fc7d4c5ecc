#pragma once

#include "Dialog.h"

class QCalendarWidget;
class QLabel;

// The date picker: "Importa" writes the chosen date into the field that the mode key names.
class TfrmCalendario : public Dialog {
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget* parent = nullptr);
    void setModeKey(const QString& key);

private:
    void btnImportaDataClick();

    QLabel* m_lblMemory;
    QCalendarWidget* m_calendar;
};
