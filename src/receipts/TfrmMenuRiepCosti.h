#pragma once

#include <QWidget>

class FieldTable;
class QLabel;
class QPushButton;

// The income summary's request: the year, the payer and sport filters and the period, checked in
// order before the result opens. Created once for the run and reset whenever it is shown; closing
// it brings the main menu back.
class TfrmMenuRiepCosti : public QWidget {
    Q_OBJECT
public:
    TfrmMenuRiepCosti();

public Q_SLOTS:
    void btnVisualizzaClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void copyYear();
    void moveOn();

    FieldTable* m_fields;
    QPushButton* m_btnVisualizza;
    QLabel* m_lblAnnoInizio;
    QLabel* m_lblAnnoFine;
    QLabel* m_lblAttendere;
    QLabel* m_lblDataInizio;
    QLabel* m_lblDataFine;
    QLabel* m_lblFile;
};
