#pragma once

#include <QWidget>

#include <memory>

class FieldTable;
class QLineEdit;
class QPushButton;
class TfrmCambiaPassword;

// The access-password screen, the program's main window.
class TfrmPassword : public QWidget {
    Q_OBJECT
public:
    // `menu` is shown after the right password.
    explicit TfrmPassword(QWidget* menu);
    ~TfrmPassword() override;

    TfrmCambiaPassword* changeScreen() const { return m_change.get(); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void cmdOKClick();
    void btnCambiaPasswordClick();
    void updateOK();

    QWidget* m_menu;
    FieldTable* m_fields;
    QLineEdit* m_txtPassword;
    QPushButton* m_cmdOK;
    std::unique_ptr<TfrmCambiaPassword> m_change;
};
