#pragma once

#include "LazyScreen.h"

#include <QWidget>

#include <functional>

class QAbstractButton;

// The main menu: six tiles, each opening a module screen; closing it ends the program.
class TfrmAvvio : public QWidget {
    Q_OBJECT
public:
    enum class Tile { Iscritti, Tessere, Allenamenti, Ingressi, Ricevute, Incassi };

    TfrmAvvio();

    // Enables the tile: it hides the menu and shows `screen`; closing `screen` shows the menu again.
    void setModule(Tile tile, ScreenSource screen);
    // Closing `screen`, opened from a module's own menu, shows the menu again.
    void returnFrom(QWidget* screen);
    // Enables the "Backup" icon, which calls `open`; `atExit` runs when the menu ends the program.
    void setBackup(std::function<void()> open, std::function<void()> atExit);
    // Enables the "Scadenze" bell: it hides the menu and shows `screen`, and closing `screen` shows
    // the menu again. Beside the bell, each time the menu is shown, the count `dueCount` gives,
    // when there is something due.
    void setReminders(ScreenSource screen, std::function<int()> dueCount);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractButton* tileButton(const char* name) const;
    void open(const ScreenSource& screen);
    void quitProgram();

    void showDueCount();

    std::function<void()> m_atExit;
    std::function<int()> m_dueCount;
};
