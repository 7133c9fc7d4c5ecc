// Times the check-in at the desk over 20,000 members and a register of 100,000 entries: a card
// number found among the members and that member's last entry found in the register, once with
// nothing read yet (the first check-in of the day) and again while neither file changed (every
// check-in after it); against `cat` reading both files into /dev/null. The first may take at most
// 1.5 times what `cat` takes, each later one at most a tenth of that.
#include "BenchTiming.h"
#include "checkin/CheckIn.h"
#include "checkin/CheckInIndex.h"
#include "entries/EntryChecks.h"
#include "entries/TSchedaIngresso.h"
#include "members/AccessCode.h"
#include "members/TSchedaIscritto.h"
#include "storage/ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr int kMembers = 20000;
constexpr int kEntries = 100000;
constexpr int kRuns = 15;
constexpr int kMember = 12345; // the member who checks in

const QStringList kSurnames = {"Rossi", "Bianchi", "Verdi", "Esposito", "Romano", "Colombo", "Ricci"};
const QStringList kNames = {"Mario", "Anna", "Luca", "Giulia", "Marco", "Sara", "Nicolò"};

QString nameOf(int i) {
    return kSurnames[i % kSurnames.size()] + u' ' + kNames[(i / 7) % kNames.size()] + u' ' +
           QString::number(i);
}

QString cardOf(int i) {
    return QStringLiteral("T-%1").arg(i, 5, 10, QLatin1Char('0'));
}

void writeArchives(const QString& registerPath) {
    QByteArray members;
    members.reserve(qsizetype(kMembers) * TSchedaIscritto::Size);
    for (int i = 1; i <= kMembers; ++i) {
        TSchedaIscritto r;
        r.CognomeNome = nameOf(i);
        r.NumeroTessera = cardOf(i);
        r.AttivitaSportiva = QStringLiteral("Sala pesi");
        r.ScadenzaCertificato = QStringLiteral("31/12/2026");
        r.ScadenzaTessera = QStringLiteral("31/08/2026");
        r.CodiceFiscale = QStringLiteral("RSSMRA80A01H501U");
        r.Indirizzo = QStringLiteral("Via Roma %1").arg(i);
        r.Citta = QStringLiteral("Forlì");
        members += MemberCodec::encode(r);
    }
    QRandomGenerator random(29);
    QByteArray entries;
    entries.reserve(qsizetype(kEntries) * TSchedaIngresso::Size);
    for (int i = 0; i < kEntries; ++i) {
        const int who = i % 50 == 0 ? kMember : int(random.bounded(1, kMembers + 1));
        const QDate day = QDate(2026, 1, 1).addDays(i * 300 / kEntries);
        TSchedaIngresso e;
        e.Giorno = QStringLiteral("%1").arg(day.day(), 2, 10, QLatin1Char('0'));
        e.Mese = QStringLiteral("Marzo");
        e.Ore = QStringLiteral("%1").arg(8 + i % 12, 2, 10, QLatin1Char('0'));
        e.Minuti = QStringLiteral("15");
        e.AttivitaSvolta = QStringLiteral("Sala pesi");
        e.IngressiRimanenti = QString::number(1000 - i / 100);
        e.CognomeNome = nameOf(who);
        e.NumeroTessera = cardOf(who);
        e.Incaricato = QStringLiteral("Anna");
        entries += EntryCodec::encode(EntryChecks::completed(e, QStringLiteral("2026")));
    }
    writeSettled(TSchedaIscritto::path(), members);
    writeSettled(registerPath, entries);
}

// One check-in as the desk makes it: the member found by what was typed, read, and their last entry.
int checkIn(CheckInIndex& index, const QString& typed, const QString& registerPath) {
    const CheckIn::Found found = CheckIn::find(index, typed);
    if (found.choices.size() != 1)
        return 0;
    const std::optional<CheckIn::Member> member = CheckIn::load(found.choices.front().position);
    const auto last = member ? index.lastEntry(registerPath, member->record) : std::nullopt;
    return last ? last->position : 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    ProgramFolder::set(dir.path());
    const QString registerPath = TSchedaIngresso::path(QStringLiteral("2026"));
    writeArchives(registerPath);

    const QString card = cardOf(kMember);
    const QString code = AccessCode::text(kMember, card);
    int found = 0;
    const double cat = bestOf(kRuns, [&] { catToNowhere({TSchedaIscritto::path(), registerPath}); });
    const double first = bestOf(kRuns, [&] {
        CheckInIndex index;
        found = checkIn(index, card, registerPath);
    });
    const double firstByCode = bestOf(kRuns, [&] {
        CheckInIndex index;
        found = std::min(found, checkIn(index, code, registerPath));
    });
    CheckInIndex kept;
    checkIn(kept, card, registerPath);
    const double later = bestOf(kRuns, [&] { found = std::min(found, checkIn(kept, card, registerPath)); });
    const double laterByCode =
        bestOf(kRuns, [&] { found = std::min(found, checkIn(kept, code, registerPath)); });

    const double firstRatio = std::max(first, firstByCode) / cat;
    const double laterRatio = std::max(later, laterByCode) / (1.5 * cat);
    QTextStream out(stdout);
    out << "members archive " << QFile(TSchedaIscritto::path()).size() << " bytes, register "
        << QFile(registerPath).size() << " bytes\n"
        << "cat of both into /dev/null:         " << cat << " ms\n"
        << "first check-in, card number:        " << first << " ms\n"
        << "first check-in, card code:          " << firstByCode << " ms\n"
        << "later check-in, card number:        " << later << " ms\n"
        << "later check-in, card code:          " << laterByCode << " ms\n"
        << "first / cat:                        " << firstRatio
        << (firstRatio <= 1.5 ? " (at most 1.5: fine)\n" : " (above 1.5: too slow)\n")
        << "later / (1.5 x cat):                " << laterRatio
        << (laterRatio <= 0.1 ? " (at most 0.1: fine)\n" : " (above 0.1: too slow)\n");
    return found > 0 && firstRatio <= 1.5 && laterRatio <= 0.1 ? 0 : 1;
}
