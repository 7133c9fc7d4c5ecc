#include "PdfTools.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "members/CertificateState.h"
#include "members/MemberRegister.h"
#include "members/TSchedaIscritto.h"
#include "members/TSchedaSocio.h"
#include "reports/ReportRenderer.h"
#include "storage/CompanionArchive.h"
#include "storage/StorageError.h"

#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using State = CertificateState::State;
const QString kMain = QStringLiteral("Archivio_Iscritti.pro");
const QString kExtra = QStringLiteral("Archivio_Iscritti_Extra.pro");

TSchedaIscritto member(const QString& name) {
    TSchedaIscritto r;
    r.CognomeNome = name;
    r.LuogoNascita = QStringLiteral("Forlì");
    r.DataNascita = QStringLiteral("01/02/1980");
    r.CodiceFiscale = QStringLiteral("CF") + name.toUpper();
    r.Indirizzo = QStringLiteral("Via Roma 1");
    r.Cap = QStringLiteral("47121");
    r.Citta = QStringLiteral("Forlì");
    r.ScadenzaCertificato = QStringLiteral("01/01/2025");
    r.Quota = QStringLiteral("50,00");
    return r;
}

// A members archive of `names`, each record's unused bytes filled with a mark that no encoder
// writes, so that a change to any byte of the record shows.
QByteArray writeMembers(const TempProgramFolder& folder, const QStringList& names) {
    QByteArray bytes;
    for (const QString& name : names) {
        QByteArray record = MemberCodec::encode(member(name));
        int offset = 0;
        for (const auto& f : TSchedaIscritto::fields()) {
            for (int i = 1 + int(uchar(record[offset])); i <= f.capacity; ++i)
                record[offset + i] = '\x7f';
            offset += f.capacity + 1;
        }
        bytes += record;
    }
    folder.write(kMain, bytes);
    return bytes;
}

TSchedaSocio admitted(const QString& date) {
    TSchedaSocio s;
    s.DataAmmissione = date;
    return s;
}

// Writes beyond `bytes` bytes into any file fail as on a full disk, while the object lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int);
};

} // namespace

class CompanionArchiveTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void namesTheCompanionAfterTheMainFile() {
        QCOMPARE(CompanionArchive::pathFor(QStringLiteral("/a/b.c/Archivio_Iscritti.pro")),
                 QStringLiteral("/a/b.c/Archivio_Iscritti_Extra.pro"));
        QCOMPARE(CompanionArchive::pathFor(QStringLiteral("/a/2026.ric")),
                 QStringLiteral("/a/2026_Extra.ric"));
        QCOMPARE(CompanionArchive::pathFor(QStringLiteral("/a.b/Senza")), QStringLiteral("/a.b/Senza_Extra"));
    }

    // A record past the end reads empty; writing beyond the end fills the gap with empty records,
    // starting over a cut last record.
    void fillsTheGapAndReadsPastTheEndAsEmpty() {
        TempProgramFolder folder;
        const CompanionArchive extra(folder.path(kMain), 4);
        QCOMPARE(extra.read(7), QByteArray(4, '\0'));
        folder.write(kExtra, "AAAABB");
        QCOMPARE(extra.read(1), QByteArray("AAAA"));
        QCOMPARE(extra.read(2), QByteArray(4, '\0'));
        CompanionArchive(folder.path(kMain), 4).update(4, [](ArchiveFile&, QByteArrayView current) {
            return QByteArray(current.toByteArray()).replace('\0', 'D');
        });
        QCOMPARE(folder.read(kExtra), QByteArray("AAAA") + QByteArray(8, '\0') + "DDDD");
        QCOMPARE(extra.read(1), QByteArray("AAAA"));
        QCOMPARE(extra.read(3), QByteArray(4, '\0'));
    }

    // However the write fails, the companion keeps its bytes and the failure goes on.
    void aFailedUpdateLeavesTheFileAsItWas() {
        TempProgramFolder folder;
        CompanionArchive extra(folder.path(kMain), 4);
        folder.write(kExtra, "AAAABBBB");
        const auto write = [](ArchiveFile&, QByteArrayView) { return QByteArray("CCCC"); };
        QVERIFY_THROWS_EXCEPTION(StorageError, extra.update(2, write, [] { throw StorageError("then"); }));
        QCOMPARE(folder.read(kExtra), QByteArray("AAAABBBB"));
        QVERIFY_THROWS_EXCEPTION(StorageError, extra.update(5, write, [] { throw StorageError("then"); }));
        QCOMPARE(folder.read(kExtra), QByteArray("AAAABBBB"));
        {
            const FileSizeLimit full(10);
            QVERIFY_THROWS_EXCEPTION(StorageError, extra.update(4, write));
        }
        QCOMPARE(folder.read(kExtra), QByteArray("AAAABBBB"));
    }
};

class MemberRegisterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Numbers follow admission, are kept on every later save and are never given again, also
    // after an exit; a member not yet admitted has none.
    void givesEachAdmittedMemberTheNextNumber() {
        TempProgramFolder folder;
        const QByteArray archive = writeMembers(folder, {"Uno", "Due", "Tre", "Quattro", "Cinque"});
        QCOMPARE(MemberRegister::save(2, TSchedaSocio()).NumeroSocio, QString());
        QCOMPARE(MemberRegister::save(1, admitted("01/01/2024")).NumeroSocio, QStringLiteral("1"));
        QCOMPARE(MemberRegister::save(3, admitted("01/01/2024")).NumeroSocio, QStringLiteral("2"));
        QCOMPARE(MemberRegister::save(2, admitted("02/01/2024")).NumeroSocio, QStringLiteral("3"));
        TSchedaSocio leaving = MemberRegister::load(3);
        leaving.DataRecesso = QStringLiteral("01/02/2024");
        leaving.CausaRecesso = QStringLiteral("Recesso");
        leaving.NumeroSocio = QStringLiteral("77"); // never typed: the stored one stays
        QCOMPARE(MemberRegister::save(3, leaving).NumeroSocio, QStringLiteral("2"));
        QCOMPARE(MemberRegister::save(5, admitted("01/03/2024")).NumeroSocio, QStringLiteral("4"));
        QCOMPARE(MemberRegister::load(3).CausaRecesso, QStringLiteral("Recesso"));
        QCOMPARE(MemberRegister::load(4), TSchedaSocio());
        QCOMPARE(folder.read(kExtra).size(), 5 * TSchedaSocio::Size);
        QCOMPARE(folder.read(kMain), archive);
    }

    // Two workstations admitting members at the same time never give the same number.
    void concurrentAdmissionsGiveDistinctNumbers() {
        TempProgramFolder folder;
        constexpr int kEach = 15;
        pid_t children[2];
        for (int c = 0; c < 2; ++c) {
            children[c] = fork();
            if (children[c] == 0) {
                alarm(60);
                try {
                    for (int i = 0; i < kEach; ++i)
                        MemberRegister::save(1 + c + 2 * i, admitted("01/01/2024"));
                } catch (...) {
                    _exit(1);
                }
                _exit(0);
            }
        }
        for (pid_t child : children) {
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        QSet<QString> numbers;
        for (int p = 1; p <= 2 * kEach; ++p)
            numbers << MemberRegister::load(p).NumeroSocio;
        QCOMPARE(numbers.size(), 2 * kEach);
        for (int n = 1; n <= 2 * kEach; ++n)
            QVERIFY(numbers.contains(QString::number(n)));
    }

    // The confirmed expiry changes that field of that member and nothing else of the archive.
    void writesOnlyTheConfirmedExpiry() {
        TempProgramFolder folder;
        const QByteArray archive = writeMembers(folder, {"Uno", "Due"});
        TSchedaSocio s = admitted("01/01/2024");
        s.TipoCertificato = QStringLiteral("Agonistico");
        s.DataCertificato = QStringLiteral("10/01/2024");
        MemberRegister::save(2, s, QStringLiteral("10/01/2025"));
        const QByteArray after = folder.read(kMain);
        QCOMPARE(MemberCodec::decode(QByteArrayView(after).sliced(TSchedaIscritto::Size)).ScadenzaCertificato,
                 QStringLiteral("10/01/2025"));
        constexpr int kOffset = TSchedaIscritto::Size + 589; // the expiry field of member 2
        QCOMPARE(after.left(kOffset), archive.left(kOffset));
        QCOMPARE(after.mid(kOffset + 121), archive.mid(kOffset + 121));
        QCOMPARE(MemberRegister::load(2).TipoCertificato, QStringLiteral("Agonistico"));
    }

    // A full disk while saving leaves both files as they were, whichever write meets it.
    void aFullDiskLeavesBothFilesAsTheyWere_data() {
        QTest::addColumn<int>("limit");
        QTest::newRow("companion") << 200;       // the gap before member 3 does not fit
        QTest::newRow("members archive") << 400; // the companion fits, member 3's record does not
    }
    void aFullDiskLeavesBothFilesAsTheyWere() {
        QFETCH(int, limit);
        TempProgramFolder folder;
        const QByteArray archive = writeMembers(folder, {"Uno", "Due", "Tre"});
        {
            const FileSizeLimit full{rlim_t(limit)};
            QVERIFY_THROWS_EXCEPTION(
                StorageError, MemberRegister::save(3, admitted("01/01/2024"), QStringLiteral("01/01/2025")));
        }
        QCOMPARE(folder.read(kExtra), QByteArray());
        QCOMPARE(folder.read(kMain), archive);
        QCOMPARE(MemberRegister::save(3, admitted("01/01/2024")).NumeroSocio, QStringLiteral("1"));
    }

    // Whatever a damaged companion holds reads as empty, and is not written back by saving
    // another member.
    void damagedFieldsReadAsEmpty() {
        TempProgramFolder folder;
        QByteArray garbage(TSchedaSocio::Size, '\xff');
        QByteArray bad = SocioCodec::encode([] {
            TSchedaSocio s;
            s.NumeroSocio = QStringLiteral("12a");
            s.DataAmmissione = QStringLiteral("31/02/2024");
            s.CausaRecesso = QStringLiteral("Fuga");
            s.ConsensoPrivacy = QStringLiteral("Si");
            s.TipoCertificato = QStringLiteral("Agonistico");
            return s;
        }());
        folder.write(kExtra, garbage + bad + "cut");
        QCOMPARE(MemberRegister::load(1), TSchedaSocio());
        TSchedaSocio kept;
        kept.TipoCertificato = QStringLiteral("Agonistico");
        QCOMPARE(MemberRegister::load(2), kept);
        QCOMPARE(MemberRegister::load(3), TSchedaSocio());
        QCOMPARE(MemberRegister::save(4, admitted("01/01/2024")).NumeroSocio, QStringLiteral("1"));
        const QByteArray after = folder.read(kExtra);
        QCOMPARE(after.left(2 * TSchedaSocio::Size), garbage + bad);
        QCOMPARE(after.size(), 4 * TSchedaSocio::Size);
    }

    void checksWhatCannotBeSaved_data() {
        QTest::addColumn<QStringList>("dates"); // application, admission, exit
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("field");
        QTest::newRow("fine") << QStringList{"01/01/2024", "05/01/2024", "05/01/2024"} << "Decesso"
                              << "";
        QTest::newRow("admitted before applying") << QStringList{"05/01/2024", "04/01/2024", ""} << ""
                                                  << "txtAmmissione";
        QTest::newRow("exit without admission") << QStringList{"", "", "05/01/2024"} << "Recesso"
                                                << "txtAmmissione";
        QTest::newRow("exit before admission") << QStringList{"", "05/01/2024", "04/01/2024"} << "Recesso"
                                               << "txtRecesso";
        QTest::newRow("exit without cause") << QStringList{"", "05/01/2024", "06/01/2024"} << ""
                                            << "cboCausa";
        QTest::newRow("cause without exit") << QStringList{"", "05/01/2024", ""} << "Esclusione"
                                            << "txtRecesso";
    }
    void checksWhatCannotBeSaved() {
        QFETCH(QStringList, dates);
        QFETCH(QString, cause);
        QFETCH(QString, field);
        TSchedaSocio s;
        s.DataDomanda = dates[0];
        s.DataAmmissione = dates[1];
        s.DataRecesso = dates[2];
        s.CausaRecesso = cause;
        const auto problem = MemberRegister::check(s);
        QCOMPARE(problem ? QString::fromLatin1(problem->field) : QString(), field);
        if (problem)
            QVERIFY(problem->warning.startsWith(QStringLiteral("Attenzione: ")));
    }

    void proposesTheExpiryOneYearAfterIssue_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("issued");
        QTest::addColumn<QString>("expiry");
        QTest::newRow("non agonistico") << "Non agonistico"
                                        << "05/03/2024"
                                        << "05/03/2025";
        QTest::newRow("29 February") << "Agonistico"
                                     << "29/02/2024"
                                     << "28/02/2025";
        QTest::newRow("not required") << "Non richiesto"
                                      << "05/03/2024"
                                      << "";
        QTest::newRow("no kind") << ""
                                 << "05/03/2024"
                                 << "";
        QTest::newRow("no date") << "Agonistico"
                                 << ""
                                 << "";
    }
    void proposesTheExpiryOneYearAfterIssue() {
        QFETCH(QString, kind);
        QFETCH(QString, issued);
        QFETCH(QString, expiry);
        TSchedaSocio s;
        s.TipoCertificato = kind;
        s.DataCertificato = issued;
        QCOMPARE(MemberRegister::proposedExpiry(s), expiry);
    }

    void certificateStates_data() {
        QTest::addColumn<QString>("expiry");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<State>("state");
        const QDate today(2024, 3, 5);
        QTest::newRow("not required, no expiry") << ""
                                                 << "Non richiesto" << today << State::NotRequired;
        QTest::newRow("not required, expired") << "01/01/2020"
                                               << "Non richiesto" << today << State::NotRequired;
        QTest::newRow("missing") << ""
                                 << "Agonistico" << today << State::Missing;
        QTest::newRow("unreadable") << "31/02/2024"
                                    << "" << today << State::Missing;
        QTest::newRow("yesterday") << "04/03/2024"
                                   << "Agonistico" << today << State::Expired;
        QTest::newRow("today") << "05/03/2024"
                               << "Agonistico" << today << State::Expiring;
        QTest::newRow("tomorrow") << "06/03/2024"
                                  << "" << today << State::Expiring;
        QTest::newRow("in 30 days") << "04/04/2024"
                                    << "" << today << State::Expiring;
        QTest::newRow("in 31 days") << "05/04/2024"
                                    << "" << today << State::Valid;
        QTest::newRow("29 February, that day") << "29/02/2024"
                                               << "" << QDate(2024, 2, 29) << State::Expiring;
        QTest::newRow("29 February, next day") << "29/02/2024"
                                               << "" << QDate(2024, 3, 1) << State::Expired;
    }
    void certificateStates() {
        QFETCH(QString, expiry);
        QFETCH(QString, kind);
        QFETCH(QDate, today);
        QFETCH(State, state);
        QCOMPARE(CertificateState::of(expiry, kind, today), state);
    }

    // In number order; the active filter keeps those admitted by the date and not gone before it;
    // a companion longer than the archive lists no one the archive lacks.
    void listsTheRegister() {
        TempProgramFolder folder;
        writeMembers(folder, {"Primo", "Secondo", "Terzo", "Quarto"});
        MemberRegister::save(3, admitted("01/01/2024"));
        TSchedaSocio s = admitted("02/01/2024");
        s.ConsensoPrivacy = QStringLiteral("Sì");
        MemberRegister::save(1, s);
        s = admitted("10/03/2024");
        MemberRegister::save(4, s);
        s = admitted("03/01/2024");
        s.DataRecesso = QStringLiteral("04/03/2024");
        s.CausaRecesso = QStringLiteral("Decadenza");
        MemberRegister::save(2, s);
        MemberRegister::save(6, admitted("01/01/2024"));

        const auto names = [](const GridRows& rows) {
            QStringList out;
            for (qsizetype r = 0; r < rows.rowCount(); ++r)
                out << rows.text(r, 0) + u' ' + rows.text(r, 1);
            return out;
        };
        using MemberRegister::List;
        const GridRows all = MemberRegister::rows(List::Register);
        QCOMPARE(names(all), QStringList({"1 Terzo", "2 Primo", "3 Quarto", "4 Secondo"}));
        QCOMPARE(MemberRegister::lines(all).value(5),
                 QStringLiteral(
                     "    4 Secondo                      Forlì              01/02/1980 CFSECONDO        "
                     "Via Roma 1, 47121 Forlì          03/01/2024 04/03/2024 Decadenza      50,00"));
        QCOMPARE(names(MemberRegister::rows(List::Register, QDate(2024, 3, 4))),
                 QStringList({"1 Terzo", "2 Primo", "4 Secondo"}));
        QCOMPARE(names(MemberRegister::rows(List::Register, QDate(2024, 3, 5))),
                 QStringList({"1 Terzo", "2 Primo"}));
        QCOMPARE(names(MemberRegister::rows(List::WithoutConsent)),
                 QStringList({"1 Terzo", "3 Quarto", "4 Secondo"}));
    }

    // The printed register numbers its pages in the footer of each page.
    void numbersThePrintedPages() {
        TempProgramFolder folder;
        QStringList lines;
        for (int i = 1; i <= 60; ++i)
            lines << QStringLiteral("Riga %1").arg(i);
        const QString pdf = folder.path(QStringLiteral("libro.pdf"));
        ReportRenderer(MemberRegister::document(MemberRegister::List::Register, lines, QDate(2024, 3, 5)))
            .writePdf(pdf);
        QCOMPARE(PdfTools::pageCount(pdf), 2);
        const QStringList pages = PdfTools::text(pdf).split(u'\f');
        QVERIFY(pages[0].contains(QStringLiteral("Pagina 1 di 2")));
        QVERIFY(pages[1].contains(QStringLiteral("Pagina 2 di 2")));
        QVERIFY(pages[1].contains(QStringLiteral("Stampa eseguita in data 05/03/2024")));
    }
};

ZANDORIO_TEST(CompanionArchiveTest)
ZANDORIO_TEST(MemberRegisterTest)
#include "tst_register.moc"
