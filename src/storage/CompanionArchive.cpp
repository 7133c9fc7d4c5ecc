#include "CompanionArchive.h"

#include "ArchiveFile.h"
#include "StorageError.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file's length in bytes, a cut last record included.
long long byteSize(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_size : 0;
}

} // namespace

QString CompanionArchive::pathFor(const QString& mainPath) {
    const QFileInfo info(mainPath);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString extra = dot < 0 ? QString(name + QStringLiteral("_Extra"))
                                  : QString(name.left(dot) + QStringLiteral("_Extra") + name.mid(dot));
    return mainPath.left(mainPath.size() - name.size()) + extra;
}

CompanionArchive::CompanionArchive(const QString& mainPath, int recordSize)
    : m_path(pathFor(mainPath)), m_recordSize(recordSize) {}

QByteArray CompanionArchive::read(int position) const {
    ArchiveFile file(m_path, m_recordSize);
    file.open(ArchiveFile::Access::Read);
    if (position < 1 || position > file.count())
        return QByteArray(m_recordSize, '\0');
    file.seek(position);
    return file.read();
}

void CompanionArchive::scan(const std::function<void(int, QByteArrayView)>& visit) const {
    ArchiveFile::scanFile(m_path, m_recordSize, visit);
}

QByteArray CompanionArchive::update(int position, const Change& change, const std::function<void()>& then) {
    if (position < 1)
        throw StorageError(QStringLiteral("%1: no position %2").arg(m_path).arg(position).toStdString());
    ArchiveFile file(m_path, m_recordSize);
    file.open(ArchiveFile::Access::Write);
    const int count = file.count();
    const long long size = byteSize(m_path);
    QByteArray current(m_recordSize, '\0');
    if (position <= count) {
        file.seek(position);
        current = file.read();
    }
    const QByteArray record = change(file, current);
    try {
        if (position > count) {
            // Bytes after the last whole record are no record: the gap starts over them.
            file.seek(count + 1);
            const QByteArray empty(m_recordSize, '\0');
            for (int p = count + 1; p < position; ++p)
                file.write(empty);
        } else {
            file.seek(position);
        }
        file.write(record);
        if (then)
            then();
    } catch (...) {
        // A full disk or a failing companion write leaves the file as it was.
        try {
            if (position <= count) {
                file.seek(position);
                file.write(current);
            }
        } catch (const StorageError&) {
            // The first failure is the one reported.
        }
        if (byteSize(m_path) > size && ::truncate(QFile::encodeName(m_path).constData(), off_t(size)) != 0) {
            // The gap left behind holds empty records, which read as nothing.
        }
        throw;
    }
    return record;
}
