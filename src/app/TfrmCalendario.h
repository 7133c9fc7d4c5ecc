#pragma once

#include "Dialog.h"

class QCalendarWidget;
class QLabel;
class QLineEdit;

// The date picker: "Importa" writes the chosen date into the field its opener hands it. The mode
// key only shows which field that is; without a field the picker has nowhere to import to and
// stays open.
class TfrmCalendario : public Dialog {
    Q_OBJECT
public:
    explicit TfrmCalendario(QLineEdit* target, QWidget* parent = nullptr);
    void setModeKey(const QString& key);

private:
    void btnImportaDataClick();

    QLineEdit* m_target;
    QLabel* m_lblMemory;
    QCalendarWidget* m_calendar;
};
