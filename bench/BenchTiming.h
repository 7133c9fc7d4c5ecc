#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QString>

#include <algorithm>
#include <functional>

// The best of `runs` runs of `work`, in milliseconds: the least disturbed by the rest of the
// machine.
inline double bestOf(int runs, const std::function<void()>& work) {
    double fastest = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        fastest = std::min(fastest, timer.nsecsElapsed() / 1e6);
    }
    return fastest;
}

// `cat` reading a file into /dev/null: what reading the file costs the system, the yardstick of
// every scan.
inline void catToNowhere(const QString& path) {
    QProcess cat;
    cat.setStandardOutputFile(QProcess::nullDevice());
    cat.start(QStringLiteral("cat"), {path});
    cat.waitForFinished(-1);
}
