#pragma once

#include "app/YearlyArchiveMenu.h"

class QPushButton;

// The entries menu: the year of the register that the entry screen opens on, and the way to the
// monthly statistics.
class TfrmMenuIngressi : public YearlyArchiveMenu {
    Q_OBJECT
public:
    TfrmMenuIngressi();

    // The screen that the statistics' "Apri" shows; until it is set the button stays disabled.
    void setStatisticsScreen(ScreenSource screen);
    // The check-in screen that "Accesso rapido" shows; until it is set the button stays disabled.
    void setCheckInScreen(ScreenSource screen);

private:
    QPushButton* m_btnApriRiepStats;
    QPushButton* m_btnAccessoRapido;
};
