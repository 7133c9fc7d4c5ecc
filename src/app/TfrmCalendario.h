#pragma once

#include "Dialog.h"

class QCalendarWidget;
class QLabel;
class QLineEdit;

// The date picker: "Importa" writes the chosen date into the field that the mode key names.
class TfrmCalendario : public Dialog {
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget* parent = nullptr);
    void setModeKey(const QString& key);
    // The field that receives the date, given by the opener: it takes the place of a mode key.
    void setTarget(QLineEdit* field) { m_target = field; }

private:
    void btnImportaDataClick();

    QLabel* m_lblMemory;
    QCalendarWidget* m_calendar;
    QLineEdit* m_target = nullptr;
};
