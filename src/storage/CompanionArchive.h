#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class ArchiveFile;

// What the program keeps beyond a record of a shared archive lives in a companion archive beside
// it, so that the shared file stays byte for byte what other installations read: a headerless file
// of fixed records where record p belongs to record p of the main archive, named after the main
// file with "_Extra" before the extension. It is an ordinary archive file (same lock, same record
// layouts, same text rules). A record past its end reads as empty, all zero bytes; writing record
// p of a shorter companion first fills the gap with empty records. Its record size never changes
// in place: a later field goes into a new companion.
class CompanionArchive {
public:
    // "Archivio_Iscritti.pro" -> "Archivio_Iscritti_Extra.pro", in the same folder.
    static QString pathFor(const QString& mainPath);

    CompanionArchive(const QString& mainPath, int recordSize);

    const QString& path() const { return m_path; }
    int recordSize() const { return m_recordSize; }

    // Record p as stored, or an empty record past the end. Raises StorageError.
    QByteArray read(int position) const;
    // Visits every whole record in file order (ArchiveFile::scan). Raises StorageError.
    void scan(const std::function<void(int position, QByteArrayView record)>& visit) const;

    // Under one exclusive lock: `change` is given the open companion (to scan it) and record p as
    // it stands, and returns the record to write at p, gap filled first. `then`, still under the
    // lock, does what must succeed together with the write (another archive's record). When the
    // write or `then` fails, the companion is put back as it was, the error goes on, and the
    // record written is returned otherwise.
    using Change = std::function<QByteArray(ArchiveFile& file, QByteArrayView current)>;
    QByteArray update(int position, const Change& change, const std::function<void()>& then = {});

private:
    QString m_path;
    int m_recordSize;
};
