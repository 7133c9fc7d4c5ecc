#include "AtomicFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writes go to the disk in blocks of this size: a copied attachment or a large export is
// written with few system calls, and a small file is written once, at commit().
constexpr qsizetype kBlockBytes = 64 * 1024;

// A temporary untouched for this long belongs to a write that will never finish; one younger
// may be in the middle of a write by a workstation sharing the folder.
constexpr qint64 kStaleSeconds = 60 * 60;

const QString kTemporaryPrefix = QStringLiteral(".zandorio-");
const QString kTemporarySuffix = QStringLiteral(".tmp");

QString randomTag() {
    static constexpr char kDigits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString tag(8, Qt::Uninitialized);
    for (QChar& c : tag)
        c = QLatin1Char(kDigits[QRandomGenerator::global()->bounded(int(sizeof kDigits - 1))]);
    return tag;
}

bool writeAll(int fd, const char* data, qsizetype length) {
    while (length > 0) {
        const ssize_t n = ::write(fd, data, length);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        length -= n;
    }
    return true;
}

// Makes the rename itself durable; a file system that cannot sync a folder loses nothing by it.
void syncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

std::optional<AtomicFile::Step> AtomicFile::s_fault;

AtomicFile::Fault::Fault(Step step) {
    s_fault = step;
}

AtomicFile::Fault::~Fault() {
    s_fault.reset();
}

AtomicFile::AtomicFile(QString path) : m_path(std::move(path)) {}

AtomicFile::~AtomicFile() {
    discard();
}

bool AtomicFile::open(OpenMode mode) {
    if (isOpen() || (mode & ~(QIODevice::Unbuffered | QIODevice::Truncate)) != QIODevice::WriteOnly) {
        setErrorString(QStringLiteral("unsupported open mode"));
        return false;
    }
    // A link in the target's place is replaced by the new file, never written through: on a shared
    // folder anyone may plant one pointing at a file of another user. Only a file that is really
    // there may refuse to be written.
    const QByteArray target = QFile::encodeName(m_path);
    struct stat st {};
    if (::lstat(target.constData(), &st) == 0 && !S_ISLNK(st.st_mode) &&
        ::access(target.constData(), W_OK) != 0) {
        setErrorString(m_path + QStringLiteral(": ") + qt_error_string(errno));
        return false;
    }
    const QString folder = QFileInfo(m_path).absolutePath();
    for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
        m_temporary = folder + u'/' + kTemporaryPrefix + randomTag() + kTemporarySuffix;
        // 0666 and the user's umask, as for any new file; an existing file's mode is copied later.
        m_fd =
            ::open(QFile::encodeName(m_temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd < 0 && errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        setErrorString(m_path + QStringLiteral(": cannot create a temporary file (") +
                       qt_error_string(errno) + u')');
        m_temporary.clear();
        return false;
    }
    m_failed = false;
    m_buffer.clear();
    return QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 AtomicFile::writeData(const char* data, qint64 length) {
    if (m_failed || m_fd < 0)
        return -1;
    if (injected(Step::Write)) {
        fail(Step::Write, "cannot write");
        return -1;
    }
    if (m_buffer.isEmpty() && length >= kBlockBytes) {
        // A block as large as the buffer's goes to the file as it is, without a copy.
        if (!writeAll(m_fd, data, length)) {
            fail(Step::Write, "cannot write");
            return -1;
        }
        return length;
    }
    m_buffer.append(data, length);
    if (m_buffer.size() >= kBlockBytes && !writeOut(Step::Write))
        return -1;
    return length;
}

bool AtomicFile::writeOut(Step step) {
    if (injected(step))
        return fail(step, "cannot write");
    if (!writeAll(m_fd, m_buffer.constData(), m_buffer.size()))
        return fail(step, "cannot write");
    m_buffer.clear();
    return true;
}

bool AtomicFile::commit() {
    if (!isOpen() || m_failed || !writeOut(Step::Flush) || !syncAndClose() || !renameIntoPlace()) {
        discard();
        return false;
    }
    QIODevice::close();
    return true;
}

bool AtomicFile::syncAndClose() {
    // The data must be on the disk before the name points at them, or a power cut right after
    // the rename leaves an empty file under the old name.
    if (injected(Step::Sync) || (::fsync(m_fd) != 0 && errno != EINVAL))
        return fail(Step::Sync, "cannot sync");
    keepOwnershipAndMode();
    // A network file system may report a failed write only when the file is closed.
    if (::close(std::exchange(m_fd, -1)) != 0)
        return fail(Step::Sync, "cannot close");
    return true;
}

bool AtomicFile::renameIntoPlace() {
    if (injected(Step::Rename) ||
        ::rename(QFile::encodeName(m_temporary).constData(), QFile::encodeName(m_path).constData()) != 0)
        return fail(Step::Rename, "cannot rename");
    m_temporary.clear();
    syncFolder(QFileInfo(m_path).absolutePath());
    return true;
}

// A folder shared by a group of users stays shared: the new file takes the old file's group
// and permissions. Only a privileged user can keep the owner too; whatever the system refuses
// is left as it made it.
void AtomicFile::keepOwnershipAndMode() {
    struct stat old {};
    if (::lstat(QFile::encodeName(m_path).constData(), &old) != 0 || !S_ISREG(old.st_mode))
        return;
    [[maybe_unused]] const bool kept =
        ::fchown(m_fd, old.st_uid, old.st_gid) == 0 || ::fchown(m_fd, uid_t(-1), old.st_gid) == 0;
    ::fchmod(m_fd, old.st_mode & 07777);
}

bool AtomicFile::fail(Step step, const char* what) {
    if (injected(step))
        errno = ENOSPC;
    setErrorString(m_path + QStringLiteral(": ") + QLatin1String(what) + QStringLiteral(" (") +
                   qt_error_string(errno) + u')');
    m_failed = true;
    return false;
}

bool AtomicFile::injected(Step step) const {
    return s_fault == step;
}

void AtomicFile::cancel() {
    discard();
}

void AtomicFile::close() {
    discard();
}

void AtomicFile::discard() {
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));
    if (!m_temporary.isEmpty())
        ::unlink(QFile::encodeName(std::exchange(m_temporary, QString())).constData());
    m_buffer.clear();
    if (isOpen())
        QIODevice::close();
}

bool AtomicFile::replace(const QString& path, QByteArrayView bytes) {
    AtomicFile file(path);
    return file.open() && file.write(bytes.data(), bytes.size()) == bytes.size() && file.commit();
}

int AtomicFile::removeStaleTemporaries(const QString& folder, const QStringList& ownFiles) {
    QString pattern = QRegularExpression::escape(kTemporaryPrefix) + QStringLiteral("[a-z0-9]{8}") +
                      QRegularExpression::escape(kTemporarySuffix);
    if (!ownFiles.isEmpty())
        pattern += QStringLiteral("|(?:") + ownFiles.join(u'|') + QStringLiteral(")\\.[A-Za-z0-9]{6}");
    const QRegularExpression temporary(QRegularExpression::anchoredPattern(pattern));
    const QDateTime staleBefore = QDateTime::currentDateTime().addSecs(-kStaleSeconds);
    int removed = 0;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries)
        if (temporary.match(entry.fileName()).hasMatch() && entry.lastModified() < staleBefore &&
            QFile::remove(entry.absoluteFilePath()))
            ++removed;
    return removed;
}
