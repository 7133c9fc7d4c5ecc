#pragma once

#include <QWidget>

class FieldTable;
class QLineEdit;
class QPushButton;

// Replaces the access password; reached only from the password screen.
class TfrmCambiaPassword : public QWidget {
    Q_OBJECT
public:
    TfrmCambiaPassword();

Q_SIGNALS:
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void cmdOKClick();
    void updateOK();

    FieldTable* m_fields;
    QLineEdit* m_old;
    QLineEdit* m_new;
    QLineEdit* m_confirm;
    QPushButton* m_cmdOK;
};
