#include "TempProgramFolder.h"
#include "TestMain.h"
#include "app/DateLists.h"
#include "app/ResultLines.h"
#include "entries/EntryChecks.h"
#include "entries/EntryGrid.h"
#include "entries/EntryLine.h"
#include "entries/EntryNotice.h"
#include "entries/EntrySelection.h"
#include "entries/TSchedaIngresso.h"
#include "storage/StorageError.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QUrlQuery>

namespace {

using R = TSchedaIngresso;

// An entry as the entry screen shows it before saving: parts of the date and time, no year.
R entry(const QString& day = QStringLiteral("05"), const QString& month = QStringLiteral("Marzo")) {
    R e;
    e.Giorno = day;
    e.Mese = month;
    e.Ore = QStringLiteral("09");
    e.Minuti = QStringLiteral("30");
    e.AttivitaSvolta = QStringLiteral("Pilates & Yoga");
    e.CognomeNome = QStringLiteral("D'Angelo Nicolò");
    e.CodiceFiscale = QStringLiteral("DNGNCL80A01H501X");
    e.TelCellulare = QStringLiteral("3331234567");
    e.NumeroTessera = QStringLiteral("T-12");
    e.Email = QStringLiteral("nicolo@example.it");
    return e;
}

// An entry stored in the register of `year`.
R stored(const QString& day, const QString& month, const QString& year, const QString& name) {
    R e = entry(day, month);
    e.CognomeNome = name;
    return EntryChecks::completed(e, year);
}

QByteArray registerOf(const QList<R>& entries) {
    QByteArray bytes;
    for (const R& e : entries)
        bytes += EntryCodec::encode(e);
    return bytes;
}

QStringList names(const GridRows& grid) {
    QStringList all;
    for (qsizetype r = 0; r < grid.rowCount(); ++r)
        all << grid.text(r, 5);
    return all;
}

} // namespace

class EntryLogicTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void recordLaysItsFieldsOutAsTheRegisterHoldsThem() {
        R e = EntryChecks::completed(entry(), QStringLiteral("2024"));
        e.Incaricato = QStringLiteral("Segreteria");
        const QByteArray bytes = EntryCodec::encode(e);
        QCOMPARE(bytes.size(), 1142);
        QCOMPARE(bytes.mid(14, 5), QByteArray("\x04"
                                              "2024"));
        QCOMPARE(bytes.mid(19, 11), QByteArray("\x0a"
                                               "05/03/2024"));
        QCOMPARE(bytes.mid(36, 6), QByteArray("\x05"
                                              "09:30"));
        QCOMPARE(bytes.mid(549, 16), QByteArray("\x0f"
                                                "D'Angelo Nicol\xf2"));
        QCOMPARE(bytes.mid(1021, 11), QByteArray("\x0a"
                                                 "Segreteria"));
        const R back = EntryCodec::decode(bytes);
        QCOMPARE(back.CognomeNome, e.CognomeNome);
        QCOMPARE(back.Email, e.Email);
        QCOMPARE(TSchedaIngresso::path(QStringLiteral(" 2024 ")).section(u'/', -1),
                 QStringLiteral("2024.ing"));
    }

    void savingChecksRunInTheirOrder_data() {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("activity");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("message");
        const QString save = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
        const QString valid =
            QStringLiteral("\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida.");
        // clang-format off
        QTest::newRow("all empty: the day first") << "" << "" << "" << "" << "" << "" << "2024" << "txtGiornoRit" << save + "il giorno della data di ingresso.";
        QTest::newRow("blank day is empty") << "  " << "Marzo" << "09" << "30" << "Nuoto" << "Rossi" << "2024" << "txtGiornoRit" << save + "il giorno della data di ingresso.";
        QTest::newRow("one-digit day") << "5" << "" << "" << "" << "" << "" << "2024" << "txtGiornoRit" << save + "il giorno della data di ingresso usando due cifre.";
        QTest::newRow("month") << "05" << "" << "" << "" << "" << "" << "2024" << "txtMeseRit" << save + "il mese della data di ingresso.";
        QTest::newRow("hours before minutes") << "05" << "Marzo" << "" << "" << "" << "" << "2024" << "txtOreRit" << save + "l'ora di ingresso.";
        QTest::newRow("minutes before short hours") << "05" << "Marzo" << "9" << "" << "" << "" << "2024" << "txtMinutiRit" << save + "i minuti dell'ora di ingresso.";
        QTest::newRow("short hours") << "05" << "Marzo" << "9" << "3" << "" << "" << "2024" << "txtOreRit" << save + "l'ora di ingresso usando due cifre.";
        QTest::newRow("short minutes") << "05" << "Marzo" << "09" << "3" << "" << "" << "2024" << "txtMinutiRit" << save + "i minuti dell'ora di ingresso usando due cifre.";
        QTest::newRow("activity") << "05" << "Marzo" << "09" << "30" << "" << "" << "2024" << "txtAttivita" << save + "l'attività svolta dall'iscritto.";
        QTest::newRow("member") << "05" << "Marzo" << "09" << "30" << "Nuoto" << " " << "2024" << "txtTesserato" << save + "il nome dell'iscritto.";
        QTest::newRow("month not listed") << "05" << "Marzolino" << "09" << "30" << "Nuoto" << "Rossi" << "2024" << "txtMeseRit" << "Attenzione: selezionare il mese dal menu a cascata." + valid;
        QTest::newRow("31 April") << "31" << "Aprile" << "09" << "30" << "Nuoto" << "Rossi" << "2024" << "txtGiornoRit" << "Attenzione: la data 31/04/2024 non esiste." + valid;
        QTest::newRow("29 February off a leap year") << "29" << "Febbraio" << "09" << "30" << "Nuoto" << "Rossi" << "2023" << "txtGiornoRit" << "Attenzione: la data 29/02/2023 non esiste." + valid;
        QTest::newRow("29 February of a leap year") << "29" << "Febbraio" << "09" << "30" << "Nuoto" << "Rossi" << "2024" << "" << "";
        QTest::newRow("month in small letters") << "05" << "marzo" << "09" << "30" << "Nuoto" << "Rossi" << "2024" << "" << "";
        // clang-format on
    }
    void savingChecksRunInTheirOrder() {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, hours);
        QFETCH(QString, minutes);
        QFETCH(QString, activity);
        QFETCH(QString, name);
        QFETCH(QString, year);
        QFETCH(QString, field);
        QFETCH(QString, message);
        R e;
        e.Giorno = day;
        e.Mese = month;
        e.Ore = hours;
        e.Minuti = minutes;
        e.AttivitaSvolta = activity;
        e.CognomeNome = name;
        const std::optional<EntryProblem> problem = EntryChecks::beforeSaving(e, year);
        QCOMPARE(problem ? QString::fromLatin1(problem->field) : QString(), field);
        QCOMPARE(problem ? problem->message : QString(), message);
        // Only an impossible date is told in a plain notice.
        QCOMPARE(problem && problem->notice, message.contains(QStringLiteral("non esiste")));
    }

    void savedEntryTakesTheRegistersYearAndItsOwnTime() {
        R e = entry(QStringLiteral("05"), QStringLiteral("marzo"));
        e.Anno = QStringLiteral("2019");
        e.OraIngresso = QStringLiteral("23:59");
        const R saved = EntryChecks::completed(e, QStringLiteral("2024"));
        QCOMPARE(saved.Anno, QStringLiteral("2024"));
        QCOMPARE(saved.DataIngresso, QStringLiteral("05/03/2024"));
        QCOMPARE(saved.OraIngresso, QStringLiteral("09:30"));
    }

    void sendingChecksNameTheMissingField() {
        R noPhone = entry();
        noPhone.TelCellulare = QStringLiteral("  ");
        QCOMPARE(EntryChecks::beforeWhatsApp(noPhone)->field, "txtRecapito");
        QCOMPARE(
            EntryChecks::beforeWhatsApp(noPhone)->message,
            QStringLiteral("Attenzione: per inviare la notifica tramite WhatsApp è necessario indicare il "
                           "numero di cellulare dell'iscritto."));
        QVERIFY(!EntryChecks::beforeEmail(noPhone));

        R bare;
        bare.Email = QStringLiteral("a@b.it");
        QCOMPARE(EntryChecks::beforeEmail(bare)->message,
                 QStringLiteral("Attenzione: per inviare l'e-mail è necessario indicare cognome e nome "
                                "dell'iscritto."));
        bare.CognomeNome = QStringLiteral("Rossi");
        QCOMPARE(EntryChecks::beforeWhatsApp(bare)->field, "txtNumTessera");
        bare = entry();
        bare.Minuti.clear();
        QCOMPARE(
            EntryChecks::beforeEmail(bare)->message,
            QStringLiteral("Attenzione: per inviare l'e-mail è necessario indicare i minuti primi dell'ora "
                           "di ingresso."));
        bare = entry();
        bare.Email.clear();
        QCOMPARE(EntryChecks::beforeEmail(bare)->field, "txtEmail");
        QVERIFY(!EntryChecks::beforeWhatsApp(bare));
    }

    void whatsAppAddressCarriesTheExactText() {
        R e = entry();
        e.CognomeNome = QStringLiteral("  D'Angelo Nicolò ");
        e.AttivitaSvolta = QStringLiteral(" Pilates & Yoga + 100%20 #1 ");
        const QString text = QStringLiteral(
            "Gentile D'Angelo Nicolò, con la presente le confermiamo la corretta registrazione "
            "del suo ingresso in palestra avvenuto in data 05 Marzo 2024 alle ore 09:30 esibendo "
            "la sua tessera n. T-12 per svolgere l'attività di Pilates & Yoga + 100%20 #1. "
            "Ringraziandola per la preferenza accordataci, le porgiamo cordiali saluti.");
        QCOMPARE(EntryNotice::whatsAppText(e, QStringLiteral("2024")), text);
        QCOMPARE(EntryNotice::emailBody(e, QStringLiteral("2024")),
                 QStringLiteral("Gentile Sig. ") + text.mid(8));

        const QUrl url = EntryNotice::whatsAppUrl(e, QStringLiteral("2024"));
        const QString sent = url.toString(QUrl::FullyEncoded);
        QVERIFY(sent.startsWith(QStringLiteral(
            "https://web.whatsapp.com/send?phone=3331234567&text=Gentile%20D%27Angelo%20Nicol%C3%B2%2C")));
        QCOMPARE(sent.count(u'&'), 1);
        QVERIFY(!sent.contains(u' ') && !sent.contains(u'+') && !sent.contains(u'#') && !sent.contains(u'"'));
        // What the shell receives reads back, once decoded, as the sentence itself.
        const QUrlQuery query(QUrl(sent, QUrl::StrictMode));
        QCOMPARE(query.queryItemValue(QStringLiteral("phone"), QUrl::FullyDecoded),
                 QStringLiteral("3331234567"));
        QCOMPARE(query.queryItemValue(QStringLiteral("text"), QUrl::FullyDecoded), text);
    }

    void searchLineHasFixedColumns() {
        R e = stored(QStringLiteral("05"), QStringLiteral("Marzo"), QStringLiteral("2024"),
                     QStringLiteral("Abbondanzieri Massimiliano Giuseppe"));
        e.AttivitaSvolta = QStringLiteral("Pilates");
        QCOMPARE(
            RecordLine(kEntryLine).of(EntryCodec::encode(e)),
            QStringLiteral("Data: 05/03/2024  Ora: 09:30  Pilates") + QString(33, u' ') +
                QStringLiteral("  Abbondanzieri Massimiliano Giu  CF: DNGNCL80A01H501X  Cel. 3331234567"));
        ResultLines lines;
        RecordLine(kEntryLine).appendTo(lines, EntryCodec::encode(R{}));
        QCOMPARE(lines.line(0), QStringLiteral("Data: ") + QString(10, u' ') + QStringLiteral("  Ora: ") +
                                    QString(5, u' ') + QString(2 + 40 + 2 + 30, u' ') +
                                    QStringLiteral("  CF: ") + QString(16, u' ') + QStringLiteral("  Cel. "));
    }

    void summariesSelectByTheStoredParts() {
        TempProgramFolder folder;
        R otherYear = stored(QStringLiteral("05"), QStringLiteral("Marzo"), QStringLiteral("2023"),
                             QStringLiteral("Copiata"));
        R blanks = stored(QStringLiteral("05"), QStringLiteral("Marzo"), QStringLiteral("2024"),
                          QStringLiteral("Spazi"));
        blanks.Mese = QStringLiteral("MARZO");
        folder.write("2024.ing", registerOf({stored("05", "Marzo", "2024", "Rossi"),
                                             stored("15", "Marzo", "2024", "Bianchi"), otherYear,
                                             stored("01", "Marzo", "2024", "Verdi"),
                                             stored("05", "Aprile", "2024", "Neri"), blanks}));
        const QString path = TSchedaIngresso::path(QStringLiteral("2024"));
        using S = EntrySelection;
        QCOMPARE(names(*EntryGrid::rows(path, S::ofDay("05", "marzo", "2024"))),
                 QStringList({"Rossi", "Spazi"}));
        QCOMPARE(names(*EntryGrid::rows(path, S::ofMonth("MARZO", "2024"))),
                 QStringList({"Rossi", "Bianchi", "Verdi", "Spazi"}));
        QCOMPARE(names(*EntryGrid::rows(path, S::ofYear("2024"))),
                 QStringList({"Rossi", "Bianchi", "Verdi", "Neri", "Spazi"}));
        QCOMPARE(EntryGrid::rows(path, S::ofDay("06", "marzo", "2024"))->rowCount(), 0);

        const GridRows one = *EntryGrid::rows(path, S::ofDay("15", "marzo", "2024"));
        QCOMPARE(one.columnCount(), 12);
        QCOMPARE(one.text(0, 0), QStringLiteral("15/03/2024"));
        QCOMPARE(one.text(0, 1), QStringLiteral("09:30"));
        QCOMPARE(one.text(0, 2), QStringLiteral("Pilates & Yoga"));
        QCOMPARE(one.text(0, 9), QStringLiteral("nicolo@example.it"));
    }

    void emptyAndDamagedRegistersAreReadWithoutFault() {
        TempProgramFolder folder;
        const QString path = TSchedaIngresso::path(QStringLiteral("2024"));
        QVERIFY(!EntryGrid::rows(path, EntrySelection::ofYear("2024")));
        QVERIFY(QFile::exists(path)); // opening creates the register

        // A length byte beyond its field, a record of zeros and a partial record at the end.
        QByteArray damaged = EntryCodec::encode(stored("05", "Marzo", "2024", "Rossi"));
        damaged[549] = char(0xFF);
        folder.write("2024.ing", damaged + QByteArray(R::Size, '\0') +
                                     EntryCodec::encode(stored("06", "Marzo", "2024", "Verdi")) +
                                     QByteArray(100, 'x'));
        const GridRows grid = *EntryGrid::rows(path, EntrySelection::ofYear("2024"));
        QCOMPARE(grid.rowCount(), 2);
        QCOMPARE(grid.text(0, 5), QStringLiteral("Rossi"));
        QCOMPARE(grid.text(1, 5), QStringLiteral("Verdi"));

        QDir(folder.path()).mkdir(QStringLiteral("2025.ing"));
        QVERIFY_THROWS_EXCEPTION(
            StorageError, EntryGrid::rows(TSchedaIngresso::path("2025"), EntrySelection::ofYear("2025")));
    }

    void listsOfTheDateAndTime() {
        QCOMPARE(DateLists::days().size(), 31);
        QCOMPARE(DateLists::days().front(), QStringLiteral("01"));
        QCOMPARE(DateLists::hours().back(), QStringLiteral("23"));
        QCOMPARE(DateLists::minutes().size(), 60);
        QCOMPARE(DateLists::months()[2], QStringLiteral("Marzo"));
        QCOMPARE(DateLists::monthName(1), QStringLiteral("Gennaio"));
        QCOMPARE(DateLists::monthName(12), QStringLiteral("Dicembre"));
        QCOMPARE(DateLists::monthNumber(QStringLiteral(" SETTEMBRE ")), 9);
        QCOMPARE(DateLists::monthNumber(QStringLiteral("Sett")), 0);
    }
};

ZANDORIO_TEST(EntryLogicTest)
#include "tst_entry_logic.moc"
