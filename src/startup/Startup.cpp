#include "Startup.h"

#include "app/Appearance.h"
#include "app/Platform.h"
#include "app/QtPlatform.h"
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

#include <QCommandLineParser>
#include <QCoreApplication>

Startup::Startup()
    : m_menu(std::make_unique<TfrmAvvio>()), m_password(std::make_unique<TfrmPassword>(m_menu.get())),
      m_members(std::make_unique<TfrmTiratori>()), m_cards(std::make_unique<TfrmTessera>()),
      m_entriesMenu(std::make_unique<TfrmMenuIngressi>()), m_entries(std::make_unique<TfrmIngressi>()),
      m_statistics(std::make_unique<TfrmStatIngressi>()), m_training(std::make_unique<TfrmAllenamenti>()),
      m_incomeSummary(std::make_unique<TfrmMenuRiepCosti>()),
      m_receiptsMenu(std::make_unique<TfrmMenuRicevute>()), m_receipts(std::make_unique<TfrmRicevuta>()),
      m_reminders(std::make_unique<TfrmScadenze>()), m_checkIn(std::make_unique<TfrmAccesso>()) {

    m_menu->setModule(TfrmAvvio::Tile::Iscritti, m_members.get());
    m_menu->setModule(TfrmAvvio::Tile::Tessere, m_cards.get());
    m_menu->setModule(TfrmAvvio::Tile::Allenamenti, m_training.get());
    m_menu->setModule(TfrmAvvio::Tile::Ingressi, m_entriesMenu.get());
    m_entriesMenu->setArchiveScreen(m_entries.get(), [this](const QString& year, const QString& path) {
        m_entries->openRegister(year, path);
    });
    m_entriesMenu->setStatisticsScreen(m_statistics.get());
    m_entriesMenu->setCheckInScreen(m_checkIn.get());
    m_menu->returnFrom(m_entries.get());
    m_menu->returnFrom(m_statistics.get());
    m_menu->returnFrom(m_checkIn.get());
    m_menu->setModule(TfrmAvvio::Tile::Incassi, m_incomeSummary.get());
    m_menu->setModule(TfrmAvvio::Tile::Ricevute, m_receiptsMenu.get());
    m_receiptsMenu->setArchiveScreen(m_receipts.get(), [this](const QString& year, const QString& path) {
        m_receipts->openYear(year, path);
    });
    m_menu->returnFrom(m_receipts.get());
    m_menu->setBackup(
        [this] {
            TfrmBackup backup(m_menu.get());
            backup.exec();
        },
        &TfrmBackup::backupAtExit);
    m_menu->setReminders(m_reminders.get(), [] { return Reminders::dueCount(platform().today()); });
}

Startup::~Startup() = default;

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
