#pragma once

#include <memory>

class TfrmAvvio;
class TfrmPassword;
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

private:
    std::unique_ptr<TfrmAvvio> m_menu;
    std::unique_ptr<TfrmPassword> m_password;
    std::unique_ptr<TfrmTiratori> m_members;
};

// Program-wide settings made before any screen exists, and the program folder from the command
// line or the environment.
void prepareApplication(int argc, char** argv);
