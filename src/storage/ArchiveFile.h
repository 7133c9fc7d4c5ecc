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
class ArchiveFile {
public:
    enum class Access { Read, Write };
    // Scans read this many bytes at a time (whole records, at least one): few system calls and few
    // hand-overs between the reading thread and the visiting one.
    static constexpr qsizetype kScanBlockBytes = 1024 * 1024;

    ArchiveFile(QString path, int recordSize);
    ~ArchiveFile();
    ArchiveFile(const ArchiveFile&) = delete;
    ArchiveFile& operator=(const ArchiveFile&) = delete;

    // Opens for reading and writing, creating the file empty when it does not exist; an existing
    // file that cannot be opened for both is an error and is never replaced.
    void open(Access access = Access::Write);
    int count() const;
    void seek(int position);
    QByteArray read();
    void write(QByteArrayView record);
    int position() const { return m_position; }
    void close();

    // Appends at count + 1, computed under the exclusive lock; returns the new record's position.
    int append(QByteArrayView record);
    // Visits every whole record in file order, reading the file in large blocks, the next block
    // on a second thread while the records of one are visited. A file cut short meanwhile ends the
    // scan at its last whole record. A visited record is valid only during its visit; a visit must
    // not use this file otherwise.
    void scan(const std::function<void(int position, QByteArrayView record)>& visit);

    // Opens, scans and closes: the whole operation of a search, list or export.
    static void scanFile(const QString& path, int recordSize,
                         const std::function<void(int position, QByteArrayView record)>& visit);

private:
    bool lock(Access access);
    void requireOpen() const;
    void readAt(char* dst, qsizetype bytes, long long offset) const;
    // Reads until `bytes` are read or the file ends; returns how many were read.
    qsizetype readUpTo(char* dst, qsizetype bytes, long long offset) const;

    QString m_path;
    int m_recordSize;
    int m_fd = -1;
    int m_position = 1;
};
