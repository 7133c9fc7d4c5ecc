// Times the program from its start to its first window on screen (the password window), under
// the offscreen platform, against a bare Qt window program started the same way: each started
// several times in turn, the median of each compared. The program may take at most 1.5 times
// what the bare window takes.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

constexpr int kRuns = 11;
constexpr double kLimit = 1.5;

// Milliseconds from starting `program` to its saying that its first window is painted; negative
// when it never says so.
double toFirstWindow(const QString& program, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    QByteArray said;
    while (!said.contains("Prima finestra mostrata") && process.waitForReadyRead(30000))
        said += process.readAllStandardOutput();
    const double elapsed = timer.nsecsElapsed() / 1e6;
    process.waitForFinished(30000);
    return said.contains("Prima finestra mostrata") ? elapsed : -1;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("ZANDORIO_MISURA_AVVIO"), QStringLiteral("1"));
    // A program folder of its own: the start-up tidies its folders.
    environment.insert(QStringLiteral("ZANDORIO_CARTELLA"), folder.path());

    const QString program = QStringLiteral(ZANDORIO_PROGRAM);
    const QString bare = QCoreApplication::applicationDirPath() + QStringLiteral("/bare_window");
    // A first start of each loads the libraries and fonts into the system's cache.
    toFirstWindow(program, environment);
    toFirstWindow(bare, environment);
    std::vector<double> programTimes, bareTimes;
    for (int run = 0; run < kRuns; ++run) {
        programTimes.push_back(toFirstWindow(program, environment));
        bareTimes.push_back(toFirstWindow(bare, environment));
    }
    if (*std::min_element(programTimes.begin(), programTimes.end()) < 0 ||
        *std::min_element(bareTimes.begin(), bareTimes.end()) < 0) {
        QTextStream(stderr) << "a program never showed its first window\n";
        return 1;
    }
    const double ours = median(programTimes);
    const double yardstick = median(bareTimes);
    const double ratio = ours / yardstick;
    QTextStream(stdout) << "start-up to the password window: " << qRound(ours)
                        << " ms; bare Qt window: " << qRound(yardstick) << " ms (medians of " << kRuns
                        << " starts); ratio " << QString::number(ratio, 'f', 2) << "x, target at most "
                        << kLimit << "x\n";
    if (ratio > kLimit) {
        QTextStream(stderr) << "start-up slower than " << kLimit << " times a bare window\n";
        return 1;
    }
    return 0;
}
