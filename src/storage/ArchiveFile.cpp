#include "ArchiveFile.h"

#include "StorageError.h"

#include <QFile>
#include <QScopeGuard>

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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
    struct flock lock {};
    lock.l_type = access == Access::Read ? F_RDLCK : F_WRLCK;
    lock.l_whence = SEEK_SET;
    while (::fcntl(m_fd, F_SETLKW, &lock) < 0) {
        // A file system without locks still allows the open-work-close pattern.
        if (errno == ENOLCK || errno == EOPNOTSUPP)
            break;
        if (errno != EINTR) {
            const int saved = errno;
            ::close(m_fd);
            m_fd = -1;
            errno = saved;
            fail(m_path, "cannot lock");
        }
    }
    m_position = 1;
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
    qsizetype done = 0;
    while (done < bytes) {
        const ssize_t n = ::pread(m_fd, dst + done, bytes - done, offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(m_path, "cannot read");
        if (n == 0)
            throw StorageError(QStringLiteral("%1: read beyond the end").arg(m_path).toStdString());
        done += n;
    }
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
    const int total = count();
    if (total == 0)
        return;
    // Mapping the records spares copying the whole file: a scan looks at a few fields of each.
    const std::size_t bytes = std::size_t(total) * m_recordSize;
    void* map = ::mmap(nullptr, bytes, PROT_READ, MAP_SHARED | MAP_POPULATE, m_fd, 0);
    if (map == MAP_FAILED) {
        scanBlocks(total, visit);
        return;
    }
    const auto unmap = qScopeGuard([&] { ::munmap(map, bytes); });
    const char* records = static_cast<const char*>(map);
    for (int p = 1; p <= total; ++p) {
        // The record after next is asked for ahead of time, so that visiting does not wait on memory.
        if (p + 2 <= total)
            for (int at = 0; at < m_recordSize; at += 64)
                __builtin_prefetch(records + qsizetype(p + 1) * m_recordSize + at);
        visit(p, QByteArrayView(records + qsizetype(p - 1) * m_recordSize, m_recordSize));
        m_position = p + 1;
    }
}

void ArchiveFile::scanBlocks(int total, const std::function<void(int, QByteArrayView)>& visit) {
    constexpr qsizetype kBlockBytes = 1 << 20;
    const int perBlock = std::max<int>(1, int(kBlockBytes / m_recordSize));
    QByteArray block;
    for (int first = 1; first <= total; first += perBlock) {
        const int n = std::min(perBlock, total - first + 1);
        const qsizetype bytes = qsizetype(n) * m_recordSize;
        block.resize(bytes);
        readAt(block.data(), bytes, off_t(first - 1) * m_recordSize);
        for (int i = 0; i < n; ++i)
            visit(first + i, QByteArrayView(block).sliced(qsizetype(i) * m_recordSize, m_recordSize));
        m_position = first + n;
    }
}

void ArchiveFile::scanFile(const QString& path, int recordSize,
                           const std::function<void(int, QByteArrayView)>& visit) {
    ArchiveFile file(path, recordSize);
    file.open(Access::Read);
    file.scan(visit);
}
