// Times the reminder desk's list over 20,000 members: the members archive, its register companion
// and a log of 20,000 reminders scanned, each person's latest card and certificate found, the
// lines of the window put in expiry order with their last reminder; against `cat` reading the
// three files into /dev/null. The list of the usual window may take at most 1.5 times what `cat`
// takes; a window wide enough to list most members, and the grid of its lines, are shown beside.
#include "BenchTiming.h"
#include "members/TSchedaIscritto.h"
#include "members/TSchedaSocio.h"
#include "reminders/Reminders.h"
#include "storage/DateText.h"
#include "storage/ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr int kMembers = 20000;
constexpr int kReminders = 20000;
constexpr int kRuns = 15;
const QDate kToday(2026, 3, 15);

void writeArchives() {
    const QStringList surnames = {"Rossi", "Bianchi", "Verdi", "Esposito", "Romano", "Colombo", "Ricci"};
    const QStringList names = {"Mario", "Anna", "Luca", "Giulia", "Marco", "Sara", "Nicolò"};
    QRandomGenerator random(11);
    QByteArray members;
    QByteArray extra;
    members.reserve(qsizetype(kMembers) * TSchedaIscritto::Size);
    extra.reserve(qsizetype(kMembers) * TSchedaSocio::Size);
    for (int i = 0; i < kMembers; ++i) {
        TSchedaIscritto r;
        r.CognomeNome = surnames[random.bounded(int(surnames.size()))] + u' ' +
                        names[random.bounded(int(names.size()))] + u' ' + QString::number(i);
        // One member in ten renews as a new record of the same fiscal code.
        r.CodiceFiscale =
            QStringLiteral("RSSMRA80A01H%1").arg(i - (i % 10 == 1 ? 1 : 0), 4, 10, QLatin1Char('0'));
        r.TelCellulare = QStringLiteral("333%1").arg(i, 7, 10, QLatin1Char('0'));
        r.Email = QStringLiteral("socio%1@example.it").arg(i);
        r.Indirizzo = QStringLiteral("Via Roma %1").arg(i);
        r.Note = QStringLiteral("Socio dal %1").arg(2000 + i % 24);
        r.ScadenzaTessera = DateText::format(kToday.addDays(random.bounded(-400, 400)));
        r.ScadenzaCertificato = DateText::format(kToday.addDays(random.bounded(-400, 400)));
        members += MemberCodec::encode(r);

        TSchedaSocio s;
        s.NumeroSocio = QString::number(i + 1);
        s.TipoCertificato = i % 9 == 0 ? QStringLiteral("Non richiesto") : QStringLiteral("Non agonistico");
        if (i % 13 == 0)
            s.DataRecesso = QStringLiteral("01/01/2026");
        extra += SocioCodec::encode(s);
    }
    QByteArray log;
    log.reserve(qsizetype(kReminders) * TSchedaPromemoria::Size);
    for (int i = 0; i < kReminders; ++i) {
        TSchedaPromemoria p;
        p.Posizione = QString::number(random.bounded(1, kMembers + 1));
        p.Tipo = i % 2 ? QStringLiteral("Tessera") : QStringLiteral("Certificato medico");
        p.Scadenza = DateText::format(kToday.addDays(random.bounded(-400, 400)));
        p.Canale = i % 3 ? QStringLiteral("WhatsApp") : QStringLiteral("E-mail");
        p.Data = DateText::format(kToday.addDays(-random.bounded(0, 400)));
        p.Ora = QStringLiteral("10:30");
        log += PromemoriaCodec::encode(p);
    }
    writeSettled(TSchedaIscritto::path(), members);
    writeSettled(TSchedaSocio::path(), extra);
    writeSettled(TSchedaPromemoria::path(), log);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    ProgramFolder::set(dir.path());
    writeArchives();

    Reminders::Listing listing;
    const double cat = bestOf(kRuns, [] {
        catToNowhere({TSchedaIscritto::path(), TSchedaSocio::path(), TSchedaPromemoria::path()});
    });
    const double window = bestOf(kRuns, [&] { listing = Reminders::list(kToday, 15, 30); });
    const qsizetype inWindow = qsizetype(listing.rows.size());
    Reminders::Listing wide;
    const double everything = bestOf(kRuns, [&] { wide = Reminders::list(kToday, 400, 400); });
    const double grid = bestOf(kRuns, [&] { Reminders::gridRows(wide.rows, kToday); });

    const double ratio = window / cat;
    QTextStream out(stdout);
    out << "members archive " << QFile(TSchedaIscritto::path()).size() << " bytes, companion "
        << QFile(TSchedaSocio::path()).size() << " bytes, log " << QFile(TSchedaPromemoria::path()).size()
        << " bytes\n"
        << "cat of the three into /dev/null: " << cat << " ms\n"
        << "list, window -15..+30 days:      " << window << " ms (" << inWindow << " lines, "
        << Reminders::dueCount(listing, kToday) << " due)\n"
        << "list, every expiry:              " << everything << " ms (" << wide.rows.size() << " lines)\n"
        << "grid of every line:              " << grid << " ms\n"
        << "list of the window / cat:        " << ratio
        << (ratio <= 1.5 ? " (at most 1.5: fine)\n" : " (above 1.5: too slow)\n");
    return inWindow > 0 && ratio <= 1.5 ? 0 : 1;
}
