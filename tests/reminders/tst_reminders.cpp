#include "TempProgramFolder.h"
#include "TestMain.h"
#include "members/TSchedaIscritto.h"
#include "members/TSchedaSocio.h"
#include "reminders/ReminderSettings.h"
#include "reminders/Reminders.h"
#include "storage/DateText.h"
#include "storage/StorageError.h"

#include <QDir>
#include <QTest>

namespace {

const QDate kToday(2026, 3, 15);

struct Member {
    QString name;
    QString code;
    QString card;        // expiry, or days from today as "+N"/"-N"
    QString certificate; // the same
    QString exit = {};
    QString kind = {};
};

QString dateText(const QString& text) {
    bool isOffset = false;
    const int days = text.toInt(&isOffset);
    return isOffset && (text.startsWith(u'+') || text.startsWith(u'-'))
               ? DateText::format(kToday.addDays(days))
               : text;
}

// The members archive and its register companion, record p for member p.
void writeMembers(const TempProgramFolder& folder, const QList<Member>& members) {
    QByteArray main;
    QByteArray extra;
    for (const Member& m : members) {
        TSchedaIscritto r;
        r.CognomeNome = m.name;
        r.CodiceFiscale = m.code;
        r.ScadenzaTessera = dateText(m.card);
        r.ScadenzaCertificato = dateText(m.certificate);
        r.TelCellulare = QStringLiteral("3331234567");
        r.Email = m.name.section(u' ', 0, 0).toLower() + QStringLiteral("@example.it");
        main += MemberCodec::encode(r);
        TSchedaSocio s;
        s.DataRecesso = m.exit;
        s.TipoCertificato = m.kind;
        extra += SocioCodec::encode(s);
    }
    folder.write(QStringLiteral("Archivio_Iscritti.pro"), main);
    folder.write(QStringLiteral("Archivio_Iscritti_Extra.pro"), extra);
}

// "Tipo|Scadenza|Stato|Iscritto|Ultimo promemoria" of each listed line.
QStringList shown(const Reminders::Listing& listing) {
    QStringList out;
    for (const Reminders::Row& row : listing.rows)
        out << QStringList{Reminders::kindText(row.kind), DateText::format(row.expiry),
                           Reminders::state(row.kind, row.expiry, kToday), row.name, Reminders::lastText(row)}
                   .join(u'|');
    return out;
}

} // namespace

class RemindersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listsWhatExpiresInTheWindowOncePerPerson() {
        TempProgramFolder folder;
        writeMembers(folder, {
                                 {"Rossi Anna", "RSSNNA", "+3", "+200"},
                                 {"Bianchi Luca", "BNCLCU", "+0", "+200"},
                                 {"Verdi Sara", "VRDSRA", "-10", "+200"},
                                 {"Neri Marco", "NRIMRC", "+200", "-20"},             // before the window
                                 {"Gialli Ugo", "GLLUGO", "+31", "+200"},             // after it
                                 {"Blu Ada", "BLUADA", "-5", "+200"},                 // renewed below
                                 {"Blu Ada", "bluada", "+300", "+200"},               // the same code
                                 {"Viola Eva", "", "-6", "+200"},                     // renewed below
                                 {"viola eva", "", "+300", "+200"},                   // the same name
                                 {"Grigi Pia", "GRGPIA", "+0", "+200", "01/01/2026"}, // has left
                                 {"Rosa Ivo", "RSAIVO", "+200", "-2", {}, "Non richiesto"},
                                 {"Marroni Teo", "MRRTEO", "", "+1"},          // card unreadable
                                 {"Ocra Lia", "OCRLIA", "+200", "31/02/2026"}, // certificate unreadable
                                 {"Ambra Rita", "MBRRTA", "+200", "-15"},      // the window's first day
                             });
        const Reminders::Listing listing = Reminders::list(kToday, 15, 30);
        QCOMPARE(shown(listing), QStringList({
                                     "Certificato medico|28/02/2026|Scaduto da 15 giorni|Ambra Rita|",
                                     "Tessera|05/03/2026|Scaduta da 10 giorni|Verdi Sara|",
                                     "Tessera|15/03/2026|Scade oggi|Bianchi Luca|",
                                     "Certificato medico|16/03/2026|Scade tra 1 giorno|Marroni Teo|",
                                     "Tessera|18/03/2026|Scade tra 3 giorni|Rossi Anna|",
                                 }));
        QCOMPARE(listing.unreadable, 2);
        QCOMPARE(Reminders::dueCount(listing, kToday), 3);
        QCOMPARE(Reminders::unreadableText(2), QStringLiteral("2 schede con data di scadenza non leggibile"));

        const GridRows grid = Reminders::gridRows(listing.rows, kToday);
        QCOMPARE(grid.columnCount(), int(Reminders::kExport.columns.size()));
        QCOMPARE(grid.text(1, 4), QStringLiteral("3331234567"));
        QCOMPARE(grid.text(1, 5), QStringLiteral("verdi@example.it"));
    }

    void aLoggedReminderShowsAndIsNoLongerDue() {
        TempProgramFolder folder;
        writeMembers(folder, {{"Rossi Anna", "RSSNNA", "+0", "+0"}, {"Verdi Sara", "VRDSRA", "-10", "+200"}});
        Reminders::Listing listing = Reminders::list(kToday, 15, 30);
        QCOMPARE(Reminders::dueCount(listing, kToday), 3);

        const Reminders::Row card =
            *std::find_if(listing.rows.begin(), listing.rows.end(),
                          [](const auto& r) { return r.position == 1 && r.kind == ReminderKind::Card; });
        // A reminder of an earlier expiry of the same card does not count for this one.
        Reminders::Row earlier = card;
        earlier.expiry = kToday.addYears(-1);
        const TSchedaPromemoria records[] = {
            Reminders::logRecord(earlier, ReminderChannel::Email,
                                 QDateTime(kToday.addYears(-1), QTime(9, 0))),
            Reminders::logRecord(card, ReminderChannel::Email, QDateTime(kToday, QTime(9, 5))),
            Reminders::logRecord(card, ReminderChannel::WhatsApp, QDateTime(kToday, QTime(10, 30))),
        };
        Reminders::log(records);
        QCOMPARE(folder.read(QStringLiteral("Promemoria.pro")).size(), 3 * TSchedaPromemoria::Size);

        listing = Reminders::list(kToday, 15, 30);
        QCOMPARE(Reminders::dueCount(listing, kToday), 2);
        QCOMPARE(shown(listing), QStringList({
                                     "Tessera|05/03/2026|Scaduta da 10 giorni|Verdi Sara|",
                                     "Tessera|15/03/2026|Scade oggi|Rossi Anna|15/03/2026 10:30, WhatsApp",
                                     "Certificato medico|15/03/2026|Scade oggi|Rossi Anna|",
                                 }));
        QCOMPARE(Reminders::filtered(listing.rows, ReminderKind::Card, true).size(), std::size_t(1));
        QCOMPARE(Reminders::filtered(listing.rows, std::nullopt, false).size(), std::size_t(3));
    }

    void aLogThatCannotBeWrittenIsAnError() {
        TempProgramFolder folder;
        QDir().mkpath(folder.path(QStringLiteral("Promemoria.pro")));
        Reminders::Row row{1, ReminderKind::Card, kToday, QStringLiteral("Rossi Anna"), {}, {}, {}};
        const TSchedaPromemoria record = Reminders::logRecord(row, ReminderChannel::WhatsApp, QDateTime());
        QVERIFY_THROWS_EXCEPTION(StorageError, Reminders::log({&record, 1}));
    }

    void fillsTheKnownPlaceholdersOnly_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("filled");
        QTest::newRow("every placeholder")
            << "{NOME}: {TIPO} {SCADENZA} ({ASSOCIAZIONE}) {NOME}"
            << "Rossi Anna: tessera 18/03/2026 (A.S.D. Forza & Co {NOME}) Rossi Anna";
        QTest::newRow("unknown kept as typed") << "Ciao {COGNOME} {nome} {NOME"
                                               << "Ciao {COGNOME} {nome} {NOME";
        QTest::newRow("braces around a placeholder") << "{{TIPO}}"
                                                     << "{tessera}";
        QTest::newRow("no placeholder") << ""
                                        << "";
    }
    void fillsTheKnownPlaceholdersOnly() {
        QFETCH(QString, text);
        QFETCH(QString, filled);
        const Reminders::Row row{
            1, ReminderKind::Card, QDate(2026, 3, 18), QStringLiteral("Rossi Anna"), {}, {}, {}};
        // A value holding a placeholder's name is not read again.
        QCOMPARE(
            Reminders::fill(text, Reminders::placeholdersOf(row, QStringLiteral("A.S.D. Forza & Co {NOME}"))),
            filled);
    }

    void oneMessageToSeveralNamesNobody() {
        const Reminders::Row a{
            1, ReminderKind::Certificate, QDate(2026, 3, 18), QStringLiteral("Rossi"), {}, {}, {}};
        Reminders::Row b = a;
        const QString text = QStringLiteral("{NOME} {TIPO} {SCADENZA} {ASSOCIAZIONE}");
        const Reminders::Row same[] = {a, b};
        QCOMPARE(Reminders::fill(text, Reminders::placeholdersOf(same, {})),
                 QStringLiteral("socio certificato medico 18/03/2026 l'associazione"));
        b.expiry = b.expiry.addDays(1);
        const Reminders::Row differing[] = {a, b};
        QCOMPARE(Reminders::fill(text, Reminders::placeholdersOf(differing, QStringLiteral("Palestra"))),
                 QStringLiteral("socio certificato medico in questi giorni Palestra"));
    }

    void settingsFallBackToTheDefaults_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x01\xff[[[\r\nGiorni prima\r\n=\r\n");
        QTest::newRow("bad values") << QByteArray(
            "[Finestra]\r\nGiorni prima=-3\r\nGiorni dopo=99999999999\r\n"
            "[Testi]\r\nTessera WhatsApp=   \r\n");
    }
    void settingsFallBackToTheDefaults() {
        QFETCH(QByteArray, file);
        TempProgramFolder folder;
        if (!file.isEmpty())
            folder.write(QStringLiteral("Promemoria.ini"), file);
        const ReminderSettings s = ReminderSettings::read();
        QCOMPARE(s.daysBefore, 15);
        QCOMPARE(s.daysAfter, 30);
        QCOMPARE(s.text(ReminderKind::Card, ReminderChannel::WhatsApp),
                 ReminderSettings::defaultText(ReminderKind::Card, ReminderChannel::WhatsApp));
        QVERIFY(
            s.text(ReminderKind::Certificate, ReminderChannel::Email).contains(QStringLiteral("{SCADENZA}")));
    }

    void settingsWriteOnlyWhatChanged() {
        TempProgramFolder folder;
        const ReminderSettings shown = ReminderSettings::read();
        ReminderSettings changed = shown;
        changed.daysAfter = 45;
        changed.text(ReminderKind::Certificate, ReminderChannel::WhatsApp) =
            QStringLiteral("Ciao {NOME},\r\ncertificato 😀 in scadenza {SCADENZA}");
        changed.write(shown);
        QCOMPARE(folder.read(QStringLiteral("Promemoria.ini")),
                 QByteArray("[Finestra]\r\nGiorni dopo=45\r\n[Testi]\r\n"
                            "Certificato WhatsApp=Ciao {NOME}, certificato ? in scadenza {SCADENZA}\r\n"));

        // Another workstation's value stays when this one changes another.
        changed = shown;
        changed.daysBefore = 7;
        changed.write(shown);
        const ReminderSettings back = ReminderSettings::read();
        QCOMPARE(back.daysBefore, 7);
        QCOMPARE(back.daysAfter, 45);
        QCOMPARE(back.text(ReminderKind::Certificate, ReminderChannel::WhatsApp),
                 QStringLiteral("Ciao {NOME}, certificato ? in scadenza {SCADENZA}"));
    }
};

ZANDORIO_TEST(RemindersTest)
#include "tst_reminders.moc"
