#pragma once

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

// Every screen of the program, created once at start-up: the password screen first (it is the
// main window), then the main menu, then the module screens. Module screens are only hidden and
// shown again, never destroyed.
class Startup {
public:
    Startup();
    ~Startup();

    TfrmPassword& password() const { return *m_password; }
    TfrmAvvio& menu() const { return *m_menu; }
    TfrmTiratori& members() const { return *m_members; }
    TfrmTessera& cards() const { return *m_cards; }
    TfrmMenuIngressi& entriesMenu() const { return *m_entriesMenu; }
    TfrmIngressi& entries() const { return *m_entries; }
    TfrmStatIngressi& statistics() const { return *m_statistics; }
    TfrmAllenamenti& training() const { return *m_training; }
    TfrmMenuRiepCosti& incomeSummary() const { return *m_incomeSummary; }
    TfrmMenuRicevute& receiptsMenu() const { return *m_receiptsMenu; }
    TfrmRicevuta& receipts() const { return *m_receipts; }
    TfrmScadenze& reminders() const { return *m_reminders; }
    TfrmAccesso& checkIn() const { return *m_checkIn; }

private:
    std::unique_ptr<TfrmAvvio> m_menu;
    std::unique_ptr<TfrmPassword> m_password;
    std::unique_ptr<TfrmTiratori> m_members;
    std::unique_ptr<TfrmTessera> m_cards;
    std::unique_ptr<TfrmMenuIngressi> m_entriesMenu;
    std::unique_ptr<TfrmIngressi> m_entries;
    std::unique_ptr<TfrmStatIngressi> m_statistics;
    std::unique_ptr<TfrmAllenamenti> m_training;
    std::unique_ptr<TfrmMenuRiepCosti> m_incomeSummary;
    std::unique_ptr<TfrmMenuRicevute> m_receiptsMenu;
    std::unique_ptr<TfrmRicevuta> m_receipts;
    std::unique_ptr<TfrmScadenze> m_reminders;
    std::unique_ptr<TfrmAccesso> m_checkIn;
};

// Program-wide settings made before any screen exists, the program folder from the command line
// or the environment, and removeLeftovers().
void prepareApplication(int argc, char** argv);
// Removes the temporaries that writes cut short by a crash or a power cut left in the program's
// folders; nothing else ever would.
void removeLeftovers();
