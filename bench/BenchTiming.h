#pragma once

#include "storage/AtomicFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QString>

#include <algorithm>
#include <functional>
#include <unistd.h>

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

// `cat` reading files into /dev/null: what reading them costs the system, the yardstick of every
// scan.
inline void catToNowhere(const QStringList& paths) {
    QProcess cat;
    cat.setStandardOutputFile(QProcess::nullDevice());
    cat.start(QStringLiteral("cat"), paths);
    cat.waitForFinished(-1);
}

// Writes a generated archive and waits until it, and whatever else was still being written (the
// exports of a benchmark run just before), is on the disk: the system's write-back of a hundred
// fresh megabytes would otherwise run during the measurements, on the core a scan would use.
inline void writeSettled(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush())
        ::fsync(file.handle());
    ::sync();
}

// What replacing a file of `bytes` bytes costs the system, as every export replaces its file:
// written, synced to the disk and renamed into place. An export writes tens of megabytes, so its
// writing is measured against this rather than against reading the archive, which the sync alone
// outlasts several times over.
inline double durableWrite(const QString& path, qsizetype bytes, int runs) {
    const QByteArray block(1 << 20, 'x');
    return bestOf(runs, [&] {
        AtomicFile file(path);
        file.open();
        for (qsizetype done = 0; done < bytes; done += block.size())
            file.write(block.constData(), std::min(block.size(), bytes - done));
        file.commit();
    });
}
