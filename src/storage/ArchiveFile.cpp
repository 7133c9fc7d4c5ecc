#include "ArchiveFile.h"

#include "StorageError.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QScopeGuard>
#include <QThread>

#include <cerrno>
#include <condition_variable>
#include <exception>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// A workstation holds an archive's lock for the few milliseconds of one operation. One that
// holds it longer has hung or left a stale lock on the network share: after this wait the
// operation fails with its archive message instead of freezing this workstation too.
constexpr std::chrono::milliseconds kLockWait{3000};
constexpr unsigned long kLockRetryMs = 20;

[[noreturn]] void fail(const QString& path, const char* what) {
    throw StorageError(QStringLiteral("%1: %2 (%3)").arg(path, what, qt_error_string(errno)).toStdString());
}

} // namespace

ArchiveFile::ArchiveFile(QString path, int recordSize) : m_path(std::move(path)), m_recordSize(recordSize) {}

ArchiveFile::~ArchiveFile() {
    close();
}

void ArchiveFile::open(Access access) {
    close();
    const QByteArray native = QFile::encodeName(m_path);
    m_fd = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (m_fd < 0)
        fail(m_path, "cannot open");
    if (!lock(access)) {
        const int saved = errno;
        ::close(m_fd);
        m_fd = -1;
        errno = saved;
        fail(m_path, "cannot lock");
    }
    m_position = 1;
}

bool ArchiveFile::lock(Access access) {
    struct flock lock {};
    lock.l_type = access == Access::Read ? F_RDLCK : F_WRLCK;
    lock.l_whence = SEEK_SET;
    const QDeadlineTimer deadline(kLockWait);
    while (::fcntl(m_fd, F_SETLK, &lock) < 0) {
        // A file system without locks still allows the open-work-close pattern.
        if (errno == ENOLCK || errno == EOPNOTSUPP)
            return true;
        if (errno == EINTR)
            continue;
        if ((errno != EACCES && errno != EAGAIN) || deadline.hasExpired())
            return false;
        QThread::msleep(kLockRetryMs);
    }
    return true;
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

int ArchiveFile::count() const {
    requireOpen();
    struct stat st {};
    if (::fstat(m_fd, &st) < 0)
        fail(m_path, "cannot read size");
    return int(st.st_size / m_recordSize);
}

void ArchiveFile::seek(int position) {
    if (position < 1 || position > count() + 1)
        throw StorageError(QStringLiteral("%1: no position %2").arg(m_path).arg(position).toStdString());
    m_position = position;
}

QByteArray ArchiveFile::read() {
    requireOpen();
    QByteArray record(m_recordSize, Qt::Uninitialized);
    readAt(record.data(), m_recordSize, off_t(m_position - 1) * m_recordSize);
    ++m_position;
    return record;
}

void ArchiveFile::readAt(char* dst, qsizetype bytes, long long offset) const {
    if (readUpTo(dst, bytes, offset) < bytes)
        throw StorageError(QStringLiteral("%1: read beyond the end").arg(m_path).toStdString());
}

qsizetype ArchiveFile::readUpTo(char* dst, qsizetype bytes, long long offset) const {
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
    const off_t offset = off_t(m_position - 1) * m_recordSize;
    qsizetype done = 0;
    while (done < m_recordSize) {
        const ssize_t n = ::pwrite(m_fd, record.data() + done, m_recordSize - done, offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(m_path, "cannot write");
        done += n;
    }
    ++m_position;
}

int ArchiveFile::append(QByteArrayView record) {
    const int position = count() + 1;
    seek(position);
    write(record);
    return position;
}

void ArchiveFile::scan(const std::function<void(int, QByteArrayView)>& visit) {
    // Copying a block out of the system's cache costs about as much as visiting its records, so the
    // next block is read on a thread of its own while the records of this one are visited: two
    // blocks take turns, each either being filled or being visited.
    struct Block {
        QByteArray bytes;
        int records = 0; // whole records read
        bool cutShort = false;
        std::exception_ptr error;
        bool filled = false;
    };
    const int total = count();
    const int perBlock = std::max<int>(1, int(kScanBlockBytes / m_recordSize));
    Block blocks[2];
    std::mutex mutex;
    std::condition_variable turned;
    bool stopped = false;

    std::thread reader([&] {
        for (int first = 1, k = 0; first <= total; first += perBlock, k ^= 1) {
            Block& block = blocks[k];
            {
                std::unique_lock lock(mutex);
                turned.wait(lock, [&] { return stopped || !block.filled; });
                if (stopped)
                    return;
            }
            const int wanted = std::min(perBlock, total - first + 1);
            try {
                block.bytes.resize(qsizetype(wanted) * m_recordSize);
                // A sync tool or a backup restore on a shared folder may cut the file short while
                // it is scanned (it takes no lock): the scan then ends with the last whole record
                // still there.
                block.records =
                    int(readUpTo(block.bytes.data(), block.bytes.size(), off_t(first - 1) * m_recordSize) /
                        m_recordSize);
                block.cutShort = block.records < wanted;
            } catch (...) {
                block.error = std::current_exception();
            }
            {
                std::lock_guard lock(mutex);
                block.filled = true;
            }
            turned.notify_all();
            if (block.error || block.cutShort)
                return;
        }
    });
    // However the visits end, even by an exception, the reader stops before the blocks go.
    const auto stopReader = qScopeGuard([&] {
        {
            std::lock_guard lock(mutex);
            stopped = true;
        }
        turned.notify_all();
        reader.join();
    });

    for (int first = 1, k = 0; first <= total; first += perBlock, k ^= 1) {
        Block& block = blocks[k];
        {
            std::unique_lock lock(mutex);
            turned.wait(lock, [&] { return block.filled; });
        }
        if (block.error)
            std::rethrow_exception(block.error);
        const QByteArrayView records(block.bytes);
        for (int i = 0; i < block.records; ++i)
            visit(first + i, records.sliced(qsizetype(i) * m_recordSize, m_recordSize));
        m_position = first + block.records;
        if (block.cutShort)
            return;
        {
            std::lock_guard lock(mutex);
            block.filled = false;
        }
        turned.notify_all();
    }
}

void ArchiveFile::scanFile(const QString& path, int recordSize,
                           const std::function<void(int, QByteArrayView)>& visit) {
    ArchiveFile file(path, recordSize);
    file.open(Access::Read);
    file.scan(visit);
}
