// Times the register of members (libro soci) over 20,000 members: the members archive and its
// companion scanned, the members with a number put in number order with their columns, for every
// member and for the members active on a date; against `cat` reading both files into /dev/null.
// The register may take at most 1.5 times what `cat` takes.
#include "BenchTiming.h"
#include "members/MemberRegister.h"
#include "members/TSchedaIscritto.h"
#include "members/TSchedaSocio.h"
#include "storage/DateText.h"
#include "storage/ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

constexpr int kMembers = 20000;
constexpr int kRuns = 15;

void writeArchives() {
    const QStringList surnames = {"Rossi", "Bianchi", "Verdi", "Esposito", "Romano", "Colombo", "Ricci"};
    const QStringList names = {"Mario", "Anna", "Luca", "Giulia", "Marco", "Sara", "Nicolò"};
    QRandomGenerator random(7);
    // Members are admitted in another order than they were entered: numbers are not positions.
    std::vector<int> numbers(kMembers);
    std::iota(numbers.begin(), numbers.end(), 1);
    std::shuffle(numbers.begin(), numbers.end(), random);

    QByteArray members;
    QByteArray extra;
    members.reserve(qsizetype(kMembers) * TSchedaIscritto::Size);
    extra.reserve(qsizetype(kMembers) * TSchedaSocio::Size);
    for (int i = 0; i < kMembers; ++i) {
        TSchedaIscritto r;
        r.CognomeNome =
            surnames[random.bounded(int(surnames.size()))] + u' ' + names[random.bounded(int(names.size()))];
        r.DataNascita = QStringLiteral("%1/03/19%2").arg(random.bounded(10, 29)).arg(random.bounded(40, 99));
        r.LuogoNascita = QStringLiteral("Forlì");
        r.Indirizzo = QStringLiteral("Via Roma %1").arg(i);
        r.Cap = QStringLiteral("47121");
        r.Citta = QStringLiteral("Forlì");
        r.Nazione = QStringLiteral("Italia");
        r.CodiceFiscale = QStringLiteral("RSSMRA80A01H501U");
        r.Quota = QStringLiteral("120,00");
        r.Note = QStringLiteral("Socio dal %1").arg(2000 + i % 24);
        members += MemberCodec::encode(r);

        TSchedaSocio s;
        s.NumeroSocio = QString::number(numbers[std::size_t(i)]);
        s.DataAmmissione = DateText::format(QDate(2000, 1, 1).addDays(numbers[std::size_t(i)] / 3));
        if (i % 5 == 0) {
            s.DataRecesso = DateText::format(QDate(2015, 1, 1).addDays(i % 1000));
            s.CausaRecesso = QStringLiteral("Recesso");
        }
        s.ConsensoPrivacy = i % 7 == 0 ? QStringLiteral("No") : QStringLiteral("Sì");
        extra += SocioCodec::encode(s);
    }
    writeSettled(TSchedaIscritto::path(), members);
    writeSettled(TSchedaSocio::path(), extra);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    ProgramFolder::set(dir.path());
    writeArchives();

    using MemberRegister::List;
    qsizetype listed = 0;
    qsizetype active = 0;
    const double cat = bestOf(kRuns, [] { catToNowhere({TSchedaIscritto::path(), TSchedaSocio::path()}); });
    const double all = bestOf(kRuns, [&] { listed = MemberRegister::rows(List::Register).rowCount(); });
    const double onDate =
        bestOf(kRuns, [&] { active = MemberRegister::rows(List::Register, QDate(2020, 6, 1)).rowCount(); });
    const GridRows rows = MemberRegister::rows(List::Register);
    const double lines = bestOf(kRuns, [&] { MemberRegister::lines(rows); });

    const double slowest = std::max(all, onDate);
    const double ratio = slowest / cat;
    QTextStream out(stdout);
    out << "members archive " << QFile(TSchedaIscritto::path()).size() << " bytes, companion "
        << QFile(TSchedaSocio::path()).size() << " bytes\n"
        << "cat of both into /dev/null: " << cat << " ms\n"
        << "libro soci, every member:   " << all << " ms (" << listed << " rows)\n"
        << "libro soci, active on date: " << onDate << " ms (" << active << " rows)\n"
        << "printed lines of every row: " << lines << " ms\n"
        << "libro soci / cat:           " << ratio
        << (ratio <= 1.5 ? " (at most 1.5: fine)\n" : " (above 1.5: too slow)\n");
    return listed == kMembers && ratio <= 1.5 ? 0 : 1;
}
