#pragma once

#include "LazyScreen.h"

#include <QWidget>

class FieldTable;
class QLineEdit;
class QPushButton;
class TfrmCambiaPassword;

// The access-password screen, the program's main window.
class TfrmPassword : public QWidget {
    Q_OBJECT
public:
    // `menu` is shown after the right password.
    explicit TfrmPassword(ScreenSource menu);
    ~TfrmPassword() override;

    // Created the first time the user asks to change the password.
    TfrmCambiaPassword* changeScreen() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void cmdOKClick();
    void btnCambiaPasswordClick();
    void updateOK();

    ScreenSource m_menu;
    FieldTable* m_fields;
    QLineEdit* m_txtPassword;
    QPushButton* m_cmdOK;
    LazyScreen<TfrmCambiaPassword> m_change;
};
