#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// A headerless file of fixed-size records, addressed by position from 1. Records are only
// appended or overwritten in place. Every failing call raises StorageError.
//
// While open, the file holds an advisory lock (shared for reading, exclusive for writing), so two
// workstations sharing the program folder never append onto the same position or read a
// half-written record. Waiting for another workstation's lock is bounded: open() gives up after a
// few seconds. Every operation is open - work - close; the destructor closes.
//
// An overwrite is all or nothing even when the program is killed or the power fails halfway: the
// new record, its offset and a checksum go first to the journal "<archive>.journal" beside the
// archive and are synced; only then is the record written in place and synced, and the journal
// removed. Whoever opens the archive next and finds a complete journal writes its record again;
// an incomplete one is discarded (the old record is still whole then). The archive's own bytes
// stay those every installation reads. An append that fails cuts the file back to its old size.
//
// A symbolic link in the archive's place is refused, never followed: on a shared folder anyone
// may plant one pointing at another user's file.
class ArchiveFile {
public:
    enum class Access { Read, Write };
    // Scans read this many bytes at a time (whole records, at least one): few system calls, and a
    // block that stays in the processor's cache while its records are visited.
    static constexpr qsizetype kScanBlockBytes = 256 * 1024;

    ArchiveFile(QString path, int recordSize);
    ~ArchiveFile();
    ArchiveFile(const ArchiveFile&) = delete;
    ArchiveFile& operator=(const ArchiveFile&) = delete;

    // Opens for reading and writing, creating the file empty when it does not exist; an existing
    // file that cannot be opened for both is an error and is never replaced.
    void open(Access access = Access::Write);
    // The whole records; an archive holding more than positions can address (a damaged or sparse
    // file of terabytes) raises StorageError.
    int count() const;
    void seek(int position);
    QByteArray read();
    void write(QByteArrayView record);
    int position() const { return m_position; }
    void close();

    // Appends at count + 1, computed under the exclusive lock; returns the new record's position.
    int append(QByteArrayView record);
    // The journal of the archive at `path`.
    static QString journalPath(const QString& path);
    // Visits every whole record in file order, reading the file a block at a time. A file cut
    // short meanwhile ends the scan at its last whole record. A visited record is valid only
    // during its visit; a visit must not use this file otherwise.
    void scan(const std::function<void(int position, QByteArrayView record)>& visit);
    // The records from `first` on, at most `count` of them, a block at a time (`records` holds
    // whole records from position `first` on), for a scan that looks ahead of the record it is at.
    // It changes nothing of the open file, so that threads may scan parts of it at once. Returns
    // the position after the last record visited.
    int scanRange(int first, int count, const std::function<void(int first, QByteArrayView records)>& visit) const;

    // Opens, scans and closes: the whole operation of a search, list or export.
    static void scanFile(const QString& path, int recordSize,
                         const std::function<void(int position, QByteArrayView record)>& visit);

private:
    void requireOpen() const;
    qint64 size() const;
    void writeAt(QByteArrayView bytes, qint64 offset);
    void sync();
    void overwrite(QByteArrayView record, qint64 offset);
    void appendAt(QByteArrayView record, qint64 offset, qint64 oldSize);
    // Writes a complete journal's record in place and removes the journal; an incomplete one is
    // only removed.
    void recover(Access access);
    void readAt(char* dst, qsizetype bytes, qint64 offset) const;
    // Reads until `bytes` are read or the file ends; returns how many were read.
    qsizetype readUpTo(char* dst, qsizetype bytes, qint64 offset) const;

    QString m_path;
    int m_recordSize;
    int m_fd = -1;
    int m_position = 1;
};
