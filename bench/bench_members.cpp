// Times the member search over an archive of 20,000 members: with no filter and with two filters
// (the lines built into the list's model, sorted), stepping the in-list finder, and the same
// archive read raw: by `cat` into /dev/null, and by plain reads inside this process (no process
// to start). The search may take at most 1.2 times what `cat` takes.
#include "BenchTiming.h"
#include "app/QtPlatform.h"
#include "members/TSchedaIscritto.h"
#include "members/TfrmTrovaTiratori.h"
#include "storage/ProgramFolder.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int kMembers = 20000;
constexpr int kRuns = 15;
constexpr int kFinderSteps = 200;

void writeArchive(const QString& path) {
    const QStringList surnames = {"Rossi",   "Bianchi", "Verdi",   "Esposito", "Romano",
                                  "Colombo", "Ricci",   "Marino",  "Greco",    "Bruno",
                                  "Gallo",   "Conti",   "De Luca", "Mancini",  "Rossini"};
    const QStringList names = {"Mario", "Anna",  "Luca",   "Giulia", "Marco",
                               "Sara",  "Paolo", "Chiara", "Nicolò"};
    const QStringList sports = {"Nuoto", "Tennis", "Calcio", "Pallavolo", "Nuoto sincronizzato", "Judo"};
    QRandomGenerator random(42);
    QByteArray bytes;
    bytes.reserve(qsizetype(kMembers) * TSchedaIscritto::Size);
    for (int i = 0; i < kMembers; ++i) {
        TSchedaIscritto r;
        r.CognomeNome =
            surnames[random.bounded(int(surnames.size()))] + u' ' + names[random.bounded(int(names.size()))];
        r.DataNascita = QStringLiteral("%1/%2/19%3")
                            .arg(random.bounded(1, 29), 2, 10, QLatin1Char('0'))
                            .arg(random.bounded(1, 13), 2, 10, QLatin1Char('0'))
                            .arg(random.bounded(40, 99));
        r.Cittadinanza = QStringLiteral("Italiana");
        r.LuogoNascita = QStringLiteral("Forlì");
        r.Indirizzo = QStringLiteral("Via Roma %1").arg(i);
        r.CodiceFiscale = QStringLiteral("RSSMRA80A01H501U");
        r.AttivitaSportiva = sports[random.bounded(int(sports.size()))];
        r.TelCasa = QStringLiteral("0543 %1").arg(random.bounded(100000, 999999));
        r.TelCellulare = QStringLiteral("333%1").arg(random.bounded(1000000, 9999999));
        r.NumeroTessera = QStringLiteral("T-%1").arg(i);
        r.Quota = QStringLiteral("120,00");
        r.ScadenzaTessera = QStringLiteral("31/12/2024");
        r.Note = QStringLiteral("Socio dal %1").arg(2000 + i % 24);
        bytes += MemberCodec::encode(r);
    }
    writeSettled(path, bytes);
}

// The archive read from start to end with plain reads, as `cat` reads it.
void readRaw(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    std::vector<char> buffer(128 * 1024);
    while (::read(fd, buffer.data(), buffer.size()) > 0) {
    }
    ::close(fd);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Platform::install(std::make_unique<QtPlatform>());
    QTemporaryDir dir;
    ProgramFolder::set(dir.path());
    writeArchive(TSchedaIscritto::path());

    TfrmTrovaTiratori search(nullptr);
    auto* cerca = search.findChild<QPushButton*>(QStringLiteral("btnCerca"));
    auto* list = search.findChild<QListView*>(QStringLiteral("lstRecords"));
    auto* name = search.findChild<QLineEdit*>(QStringLiteral("txtTiratore"));
    auto* sport = search.findChild<QLineEdit*>(QStringLiteral("txtEnte"));

    const double cat = bestOf(kRuns, [&] { catToNowhere({TSchedaIscritto::path()}); });
    const double raw = bestOf(kRuns, [&] { readRaw(TSchedaIscritto::path()); });
    const double all = bestOf(kRuns, [&] { cerca->click(); });
    const int listedAll = list->model()->rowCount();
    name->setText(QStringLiteral("ross"));
    sport->setText(QStringLiteral("NUOTO"));
    const double filtered = bestOf(kRuns, [&] { cerca->click(); });
    const int listedFiltered = list->model()->rowCount();

    name->clear();
    sport->clear();
    cerca->click();
    search.findChild<QLineEdit*>(QStringLiteral("txtTrova"))->setText(QStringLiteral("t-1999"));
    auto* trova = search.findChild<QPushButton*>(QStringLiteral("btnTrova"));
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kFinderSteps; ++i)
        trova->click();
    const double step = timer.nsecsElapsed() / 1e6 / kFinderSteps;

    const double slowest = std::max(all, filtered);
    const double ratio = slowest / cat;
    QTextStream out(stdout);
    out << "archive of " << kMembers << " members, " << QFile(TSchedaIscritto::path()).size() << " bytes\n"
        << "cat into /dev/null:    " << cat << " ms\n"
        << "raw read in process:   " << raw << " ms\n"
        << "search, no filter:     " << all << " ms (" << listedAll << " lines)\n"
        << "search, two filters:   " << filtered << " ms (" << listedFiltered << " lines)\n"
        << "finder, one step:      " << step << " ms\n"
        << "search / raw read:     " << slowest / raw << "\n"
        << "search / cat:          " << ratio
        << (ratio <= 1.2 ? " (at most 1.2: fine)\n" : " (above 1.2: too slow)\n");
    return ratio <= 1.2 ? 0 : 1;
}
