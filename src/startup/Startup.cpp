#include "Startup.h"

#include "app/Appearance.h"
#include "app/Platform.h"
#include "app/QtPlatform.h"
#include "app/QuitWhenPainted.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmPassword.h"
#include "backup/TfrmBackup.h"
#include "cards/TfrmTessera.h"
#include "checkin/TfrmAccesso.h"
#include "entries/TfrmIngressi.h"
#include "entries/TfrmMenuIngressi.h"
#include "entries/TfrmStatIngressi.h"
#include "members/AttachmentFolder.h"
#include "members/MemberPhoto.h"
#include "members/TfrmTiratori.h"
#include "receipts/TfrmMenuRicevute.h"
#include "receipts/TfrmMenuRiepCosti.h"
#include "receipts/TfrmRicevuta.h"
#include "reminders/Reminders.h"
#include "reminders/TfrmScadenze.h"
#include "storage/AtomicFile.h"
#include "storage/ProgramFolder.h"
#include "training/TfrmAllenamenti.h"

#include <QApplication>
#include <QCommandLineParser>

Startup::Startup() : m_password(std::make_unique<TfrmPassword>(m_menu.source())) {
    m_menu.onCreated([this](TfrmAvvio& menu) {
        menu.setModule(TfrmAvvio::Tile::Iscritti, m_members.source());
        menu.setModule(TfrmAvvio::Tile::Tessere, m_cards.source());
        menu.setModule(TfrmAvvio::Tile::Allenamenti, m_training.source());
        menu.setModule(TfrmAvvio::Tile::Ingressi, m_entriesMenu.source());
        menu.setModule(TfrmAvvio::Tile::Incassi, m_incomeSummary.source());
        menu.setModule(TfrmAvvio::Tile::Ricevute, m_receiptsMenu.source());
        menu.setBackup(
            [&menu] {
                TfrmBackup backup(&menu);
                backup.exec();
            },
            &TfrmBackup::backupAtExit);
        menu.setReminders(m_reminders.source(), [] { return Reminders::dueCount(platform().today()); });
    });
    m_entriesMenu.onCreated([this](TfrmMenuIngressi& menu) {
        menu.setArchiveScreen(m_entries.source(), [this](const QString& year, const QString& path) {
            m_entries->openRegister(year, path);
        });
        menu.setStatisticsScreen(m_statistics.source());
        menu.setCheckInScreen(m_checkIn.source());
    });
    m_entries.onCreated([this](TfrmIngressi& screen) { m_menu->returnFrom(&screen); });
    m_statistics.onCreated([this](TfrmStatIngressi& screen) { m_menu->returnFrom(&screen); });
    m_checkIn.onCreated([this](TfrmAccesso& screen) { m_menu->returnFrom(&screen); });
    m_receiptsMenu.onCreated([this](TfrmMenuRicevute& menu) {
        menu.setArchiveScreen(m_receipts.source(), [this](const QString& year, const QString& path) {
            m_receipts->openYear(year, path);
        });
    });
    m_receipts.onCreated([this](TfrmRicevuta& screen) { m_menu->returnFrom(&screen); });
}

Startup::~Startup() = default;

TfrmAvvio& Startup::menu() const {
    return m_menu.get();
}
TfrmTiratori& Startup::members() const {
    return m_members.get();
}
TfrmTessera& Startup::cards() const {
    return m_cards.get();
}
TfrmMenuIngressi& Startup::entriesMenu() const {
    return m_entriesMenu.get();
}
TfrmIngressi& Startup::entries() const {
    return m_entries.get();
}
TfrmStatIngressi& Startup::statistics() const {
    return m_statistics.get();
}
TfrmAllenamenti& Startup::training() const {
    return m_training.get();
}
TfrmMenuRiepCosti& Startup::incomeSummary() const {
    return m_incomeSummary.get();
}
TfrmMenuRicevute& Startup::receiptsMenu() const {
    return m_receiptsMenu.get();
}
TfrmRicevuta& Startup::receipts() const {
    return m_receipts.get();
}
TfrmScadenze& Startup::reminders() const {
    return m_reminders.get();
}
TfrmAccesso& Startup::checkIn() const {
    return m_checkIn.get();
}

void Startup::showPassword() {
    if (qEnvironmentVariableIsSet("ZANDORIO_MISURA_AVVIO"))
        m_password->installEventFilter(new QuitWhenPainted(m_password.get()));
    m_password->show();
}

void removeLeftovers() {
    AtomicFile::removeStaleTemporaries(
        ProgramFolder::path(), {QStringLiteral("unins000\\.dll"), QStringLiteral("Ricevute_Generiche\\.ini"),
                                QStringLiteral("Tesserini\\.ini"), QStringLiteral("Promemoria\\.ini"),
                                QStringLiteral("Accesso_Rapido\\.ini")});
    AtomicFile::removeStaleTemporaries(MemberPhoto::folder(),
                                       {QStringLiteral("Scheda_Iscritto_[0-9]+\\.jpg")});
    AtomicFile::removeStaleTemporaries(AttachmentFolder::folder());
}

void prepareApplication(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("Zandorio"));
    Platform::install(std::make_unique<QtPlatform>());
    applyProgramAppearance();

    QCommandLineParser parser;
    const QCommandLineOption folder(QStringLiteral("cartella"),
                                    QStringLiteral("Cartella del programma (archivi e impostazioni)."),
                                    QStringLiteral("percorso"));
    parser.addOption(folder);
    parser.addHelpOption();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    parser.process(arguments);
    const QString fromEnvironment = qEnvironmentVariable("ZANDORIO_CARTELLA");
    if (parser.isSet(folder))
        ProgramFolder::set(parser.value(folder));
    else if (!fromEnvironment.isEmpty())
        ProgramFolder::set(fromEnvironment);
    removeLeftovers();
}
