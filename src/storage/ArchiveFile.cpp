#include "ArchiveFile.h"

#include "StorageError.h"

#include "FileLock.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QtEndian>

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kJournalMagic = QByteArrayLiteral("ZNDJRNL1");
constexpr QCryptographicHash::Algorithm kJournalHash = QCryptographicHash::Sha256;
constexpr qsizetype kJournalHeader = 8 + 8 + 4; // magic, offset, length

[[noreturn]] void fail(const QString& path, const char* what) {
    throw StorageError(QStringLiteral("%1: %2 (%3)").arg(path, what, qt_error_string(errno)).toStdString());
}

// The journal's bytes: the header, the record, and the checksum of both.
QByteArray journalOf(QByteArrayView record, qint64 offset) {
    QByteArray bytes = kJournalMagic;
    bytes.resize(kJournalHeader);
    qToLittleEndian<qint64>(offset, bytes.data() + 8);
    qToLittleEndian<qint32>(qint32(record.size()), bytes.data() + 16);
    bytes += record;
    return bytes + QCryptographicHash::hash(bytes, kJournalHash);
}

// The record and offset of a complete journal for records of `recordSize`; nothing when the
// journal was cut short, damaged or is not one.
std::optional<std::pair<qint64, QByteArray>> journalRecord(const QByteArray& bytes, int recordSize) {
    const qsizetype hashSize = QCryptographicHash::hashLength(kJournalHash);
    if (bytes.size() != kJournalHeader + recordSize + hashSize || !bytes.startsWith(kJournalMagic) ||
        qFromLittleEndian<qint32>(bytes.constData() + 16) != recordSize)
        return std::nullopt;
    const QByteArrayView body = QByteArrayView(bytes).first(bytes.size() - hashSize);
    if (QCryptographicHash::hash(body, kJournalHash) != QByteArrayView(bytes).last(hashSize))
        return std::nullopt;
    const qint64 offset = qFromLittleEndian<qint64>(bytes.constData() + 8);
    if (offset < 0 || offset % recordSize != 0)
        return std::nullopt;
    return std::pair{offset, body.sliced(kJournalHeader).toByteArray()};
}

// Reads a whole small file without following a link; nothing when it is missing, a link or larger
// than `limit`.
std::optional<QByteArray> readSmallFile(const QString& path, qsizetype limit) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QByteArray bytes(limit + 1, Qt::Uninitialized);
    qsizetype done = 0;
    ssize_t n = 0;
    while (done < bytes.size() &&
           ((n = ::read(fd, bytes.data() + done, bytes.size() - done)) > 0 || (n < 0 && errno == EINTR)))
        done += std::max<ssize_t>(n, 0);
    ::close(fd);
    if (n < 0 || done > limit)
        return std::nullopt;
    bytes.truncate(done);
    return bytes;
}

void writeAll(const QString& path, int fd, QByteArrayView bytes, qint64 offset) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            fail(path, "cannot write");
        }
        done += n;
    }
}

// A file system that cannot sync a folder loses nothing by it.
void syncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

ArchiveFile::ArchiveFile(QString path, int recordSize) : m_path(std::move(path)), m_recordSize(recordSize) {}

ArchiveFile::~ArchiveFile() {
    close();
}

QString ArchiveFile::journalPath(const QString& path) {
    return path + QStringLiteral(".journal");
}

void ArchiveFile::open(Access access) {
    close();
    const QByteArray native = QFile::encodeName(m_path);
    m_fd = ::open(native.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (m_fd < 0)
        fail(m_path, "cannot open");
    auto closeOnFailure = qScopeGuard([this] {
        const int saved = errno;
        close();
        errno = saved;
    });
    if (!FileLock::acquire(m_fd, access == Access::Write))
        fail(m_path, "cannot lock");
    recover(access);
    closeOnFailure.dismiss();
    m_position = 1;
}

void ArchiveFile::recover(Access access) {
    const QString journal = journalPath(m_path);
    const QByteArray native = QFile::encodeName(journal);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0)
        return; // the usual case: the last overwrite finished
    // A reader must not read the record a crash may have torn, nor leave the journal for later:
    // for the repair it takes the exclusive lock, then goes back to the shared one.
    if (access == Access::Read && !FileLock::acquire(m_fd, true))
        fail(m_path, "cannot lock");
    const std::optional<QByteArray> bytes =
        readSmallFile(journal, kJournalHeader + m_recordSize + QCryptographicHash::hashLength(kJournalHash));
    const auto record = bytes ? journalRecord(*bytes, m_recordSize) : std::nullopt;
    if (record && record->first + m_recordSize <= size()) {
        writeAll(m_path, m_fd, record->second, record->first);
        sync();
    }
    if (::unlink(native.constData()) != 0 && errno != ENOENT)
        fail(journal, "cannot remove");
    if (access == Access::Read)
        FileLock::acquire(m_fd, false);
}

void ArchiveFile::close() {
    if (m_fd >= 0)
        ::close(m_fd); // releases the lock
    m_fd = -1;
}

void ArchiveFile::requireOpen() const {
    if (m_fd < 0)
        throw StorageError(QStringLiteral("%1: not open").arg(m_path).toStdString());
}

qint64 ArchiveFile::size() const {
    requireOpen();
    struct stat st {};
    if (::fstat(m_fd, &st) < 0)
        fail(m_path, "cannot read size");
    return st.st_size;
}

int ArchiveFile::count() const {
    const qint64 records = size() / m_recordSize;
    // One position more than the count must stay addressable: the next append's.
    if (records >= std::numeric_limits<int>::max())
        throw StorageError(QStringLiteral("%1: too large").arg(m_path).toStdString());
    return int(records);
}

void ArchiveFile::seek(int position) {
    if (position < 1 || position > count() + 1)
        throw StorageError(QStringLiteral("%1: no position %2").arg(m_path).arg(position).toStdString());
    m_position = position;
}

QByteArray ArchiveFile::read() {
    requireOpen();
    QByteArray record(m_recordSize, Qt::Uninitialized);
    readAt(record.data(), m_recordSize, qint64(m_position - 1) * m_recordSize);
    ++m_position;
    return record;
}

void ArchiveFile::readAt(char* dst, qsizetype bytes, qint64 offset) const {
    if (readUpTo(dst, bytes, offset) < bytes)
        throw StorageError(QStringLiteral("%1: read beyond the end").arg(m_path).toStdString());
}

qsizetype ArchiveFile::readUpTo(char* dst, qsizetype bytes, qint64 offset) const {
    qsizetype done = 0;
    while (done < bytes) {
        const ssize_t n = ::pread(m_fd, dst + done, bytes - done, offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(m_path, "cannot read");
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

void ArchiveFile::write(QByteArrayView record) {
    requireOpen();
    if (record.size() != m_recordSize)
        throw StorageError(QStringLiteral("%1: record of wrong size").arg(m_path).toStdString());
    const qint64 offset = qint64(m_position - 1) * m_recordSize;
    const qint64 oldSize = size();
    if (offset + m_recordSize <= oldSize)
        overwrite(record, offset);
    else
        appendAt(record, offset, oldSize);
    ++m_position;
}

void ArchiveFile::sync() {
    if (::fsync(m_fd) != 0 && errno != EINVAL)
        fail(m_path, "cannot sync");
}

void ArchiveFile::overwrite(QByteArrayView record, qint64 offset) {
    const QString journal = journalPath(m_path);
    const QByteArray native = QFile::encodeName(journal);
    // Whatever holds the journal's name now (a journal already applied at open, a planted link)
    // goes: the journal is always a new file of this program's own.
    if (::unlink(native.constData()) != 0 && errno != ENOENT)
        fail(journal, "cannot remove");
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        fail(journal, "cannot create");
    {
        const auto closeJournal = qScopeGuard([fd] { ::close(fd); });
        writeAll(journal, fd, journalOf(record, offset), 0);
        if (::fsync(fd) != 0 && errno != EINVAL)
            fail(journal, "cannot sync");
    }
    syncFolderOf(m_path);
    // From here on a crash leaves a complete journal: the next open finishes the overwrite.
    writeAll(m_path, m_fd, record, offset);
    sync();
    if (::unlink(native.constData()) != 0)
        fail(journal, "cannot remove");
}

void ArchiveFile::appendAt(QByteArrayView record, qint64 offset, qint64 oldSize) {
    try {
        writeAll(m_path, m_fd, record, offset);
    } catch (const StorageError&) {
        // A full disk may take part of the record: the fragment would become the start of the next
        // record appended.
        const int saved = errno;
        while (::ftruncate(m_fd, oldSize) != 0 && errno == EINTR) {
        }
        errno = saved;
        throw;
    }
}

int ArchiveFile::append(QByteArrayView record) {
    const int position = count() + 1;
    seek(position);
    write(record);
    return position;
}

void ArchiveFile::scan(const std::function<void(int, QByteArrayView)>& visit) {
    m_position = scanRange(1, count(), [&](int first, QByteArrayView records) {
        for (qsizetype at = 0; at < records.size(); at += m_recordSize)
            visit(first++, records.sliced(at, m_recordSize));
    });
}

int ArchiveFile::scanRange(int first, int count, const std::function<void(int, QByteArrayView)>& visit) const {
    // A block at a time, small enough to stay in the processor's cache while its records are
    // visited, so a scan costs about what copying the file out of the system's cache does. (A
    // thread reading the next block beside the visits cost more than it saved: every record was
    // then met in the other core's cache.)
    const int end = first + count;
    const int perBlock = std::max<int>(1, int(kScanBlockBytes / m_recordSize));
    QByteArray block(qsizetype(std::min(perBlock, std::max(count, 1))) * m_recordSize, Qt::Uninitialized);
    for (int at = first; at < end; at += perBlock) {
        const int wanted = std::min(perBlock, end - at);
        // A sync tool or a backup restore on a shared folder may cut the file short while it is
        // scanned (it takes no lock): the scan then ends with the last whole record still there.
        const int records =
            int(readUpTo(block.data(), qsizetype(wanted) * m_recordSize, qint64(at - 1) * m_recordSize) /
                m_recordSize);
        if (records > 0)
            visit(at, QByteArrayView(block).first(qsizetype(records) * m_recordSize));
        if (records < wanted)
            return at + records;
    }
    return std::max(first, end);
}

void ArchiveFile::scanFile(const QString& path, int recordSize,
                           const std::function<void(int, QByteArrayView)>& visit) {
    ArchiveFile file(path, recordSize);
    file.open(Access::Read);
    file.scan(visit);
}
