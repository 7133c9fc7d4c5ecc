#pragma once

#include "app/LazyScreen.h"

#include <memory>

class TfrmAccesso;
class TfrmAllenamenti;
class TfrmAvvio;
class TfrmIngressi;
class TfrmMenuIngressi;
class TfrmMenuRicevute;
class TfrmMenuRiepCosti;
class TfrmPassword;
class TfrmRicevuta;
class TfrmScadenze;
class TfrmStatIngressi;
class TfrmTessera;
class TfrmTiratori;

// Every screen of the program: the password window is created at once (it is the main window),
// each other screen the first time it is opened, and from then on only hidden and shown again,
// never destroyed. Each screen's wiring to the others runs when it is created.
class Startup {
public:
    Startup();
    ~Startup();

    // Shows the password window. With ZANDORIO_MISURA_AVVIO set in the environment, the program
    // writes "Prima finestra mostrata" on its output once the window is painted, and ends: what
    // the start-up benchmark times.
    void showPassword();

    TfrmPassword& password() const { return *m_password; }
    TfrmAvvio& menu() const;
    TfrmTiratori& members() const;
    TfrmTessera& cards() const;
    TfrmMenuIngressi& entriesMenu() const;
    TfrmIngressi& entries() const;
    TfrmStatIngressi& statistics() const;
    TfrmAllenamenti& training() const;
    TfrmMenuRiepCosti& incomeSummary() const;
    TfrmMenuRicevute& receiptsMenu() const;
    TfrmRicevuta& receipts() const;
    TfrmScadenze& reminders() const;
    TfrmAccesso& checkIn() const;

private:
    LazyScreen<TfrmAvvio> m_menu;
    std::unique_ptr<TfrmPassword> m_password;
    LazyScreen<TfrmTiratori> m_members;
    LazyScreen<TfrmTessera> m_cards;
    LazyScreen<TfrmMenuIngressi> m_entriesMenu;
    LazyScreen<TfrmIngressi> m_entries;
    LazyScreen<TfrmStatIngressi> m_statistics;
    LazyScreen<TfrmAllenamenti> m_training;
    LazyScreen<TfrmMenuRiepCosti> m_incomeSummary;
    LazyScreen<TfrmMenuRicevute> m_receiptsMenu;
    LazyScreen<TfrmRicevuta> m_receipts;
    LazyScreen<TfrmScadenze> m_reminders;
    LazyScreen<TfrmAccesso> m_checkIn;
};

// Program-wide settings made before any screen exists, the program folder from the command line
// or the environment, and removeLeftovers().
void prepareApplication(int argc, char** argv);
// Removes the temporaries that writes cut short by a crash or a power cut left in the program's
// folders; nothing else ever would.
void removeLeftovers();
