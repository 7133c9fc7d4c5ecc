#include "IniFile.h"

#include "AtomicFile.h"
#include "FileLock.h"
#include "StorageError.h"
#include "Text.h"

#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isHeader(const QString& line) {
    const QString t = Text::trimBlanks(line);
    return t.startsWith(u'[') && t.endsWith(u']');
}

QString headerName(const QString& line) {
    const QString t = Text::trimBlanks(line);
    return Text::trimBlanks(t.mid(1, t.size() - 2));
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

[[noreturn]] void fail(const QString& path, const char* what) {
    throw StorageError(QStringLiteral("%1: %2 (%3)").arg(path, what, qt_error_string(errno)).toStdString());
}

// The lock of one settings file, held while it lives. The settings file itself cannot carry the
// lock: every write replaces it by a new file, and a workstation waiting on the old one would
// then reread a file nobody writes any more. The lock file stays, empty, beside it.
class SettingsLock {
public:
    explicit SettingsLock(const QString& settings) {
        const QString path = settings + QStringLiteral(".lock");
        const QByteArray native = QFile::encodeName(path);
        // A link planted under the lock's name is removed, never followed.
        for (int attempt = 0; attempt < 2 && m_fd < 0; ++attempt) {
            m_fd = ::open(native.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (m_fd < 0 && errno == ELOOP)
                ::unlink(native.constData());
        }
        if (m_fd < 0)
            fail(path, "cannot open");
        // Whoever may write the settings file may lock it (only the lock's owner can change it).
        struct stat st {};
        if (::lstat(QFile::encodeName(settings).constData(), &st) == 0 && S_ISREG(st.st_mode))
            ::fchmod(m_fd, st.st_mode & 0666);
        if (!FileLock::acquire(m_fd, true)) {
            const int saved = errno;
            ::close(m_fd);
            errno = saved;
            fail(path, "cannot lock");
        }
    }
    ~SettingsLock() { ::close(m_fd); } // releases the lock
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;

private:
    int m_fd = -1;
};

} // namespace

bool IniFile::load() {
    m_lines.clear();
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 && (errno == ENOENT || errno == ENOTDIR))
        return true; // missing, or its folder is: reads as empty, and writing it will fail
    if (fd < 0 && errno == ELOOP)
        return false;
    if (fd < 0)
        fail(m_path, "cannot read");
    // At most one byte more than a usable file can hold: a file growing meanwhile is caught too.
    QByteArray bytes(kMaxBytes + 1, Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int saved = errno;
            ::close(fd);
            errno = saved;
            fail(m_path, "cannot read");
        }
        if (n == 0)
            break;
        done += n;
    }
    ::close(fd);
    if (done > kMaxBytes)
        return false;
    bytes.truncate(done);
    QString text = Text::fromWin1252(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_lines = text.split(u'\n');
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
    return true;
}

IniFile IniFile::read(const QString& path) {
    IniFile ini(path);
    if (!ini.load())
        throw StorageError(QStringLiteral("%1: too large or a link").arg(path).toStdString());
    return ini;
}

void IniFile::update(const QString& path, const std::function<void(IniFile&)>& change) {
    const SettingsLock lock(path);
    IniFile ini(path);
    ini.load(); // a file too large or a link starts empty and is replaced
    const QStringList before = ini.m_lines;
    change(ini);
    if (ini.m_lines != before)
        ini.write();
}

qsizetype IniFile::sectionLine(const QString& section) const {
    for (qsizetype i = 0; i < m_lines.size(); ++i)
        if (isHeader(m_lines[i]) && sameName(headerName(m_lines[i]), section))
            return i;
    return -1;
}

qsizetype IniFile::sectionEnd(qsizetype header) const {
    qsizetype i = header + 1;
    while (i < m_lines.size() && !isHeader(m_lines[i]))
        ++i;
    return i;
}

qsizetype IniFile::keyLine(qsizetype header, const QString& key) const {
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const qsizetype eq = m_lines[i].indexOf(u'=');
        if (eq > 0 && sameName(Text::trimBlanks(m_lines[i].left(eq)), key))
            return i;
    }
    return -1;
}

QString IniFile::value(const QString& section, const QString& key, const QString& fallback) const {
    const qsizetype header = sectionLine(section);
    const qsizetype line = header < 0 ? -1 : keyLine(header, key);
    if (line < 0)
        return fallback;
    return Text::trimBlanks(m_lines[line].mid(m_lines[line].indexOf(u'=') + 1));
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    qsizetype header = sectionLine(section);
    if (header < 0) {
        m_lines.append(u'[' + section + u']');
        header = m_lines.size() - 1;
    }
    const QString stored = oneLine(value);
    const QString entry = key + u'=' + stored;
    const qsizetype line = keyLine(header, key);
    if (line >= 0) {
        if (Text::trimBlanks(m_lines[line].mid(m_lines[line].indexOf(u'=') + 1)) != Text::trimBlanks(stored))
            m_lines[line] = entry;
        return;
    }
    // After the section's last non-empty line, so a blank separator line stays where it is.
    qsizetype at = sectionEnd(header);
    while (at > header + 1 && Text::trimBlanks(m_lines[at - 1]).isEmpty())
        --at;
    m_lines.insert(at, entry);
}

QString IniFile::oneLine(const QString& value) {
    static const QRegularExpression breaks(QStringLiteral("[\\r\\n]+"));
    return QString(value).replace(breaks, QStringLiteral(" "));
}

void IniFile::write() const {
    QByteArray bytes;
    for (const QString& line : m_lines)
        bytes += Text::toWin1252(line) + "\r\n";
    if (!AtomicFile::replace(m_path, bytes))
        throw StorageError(QStringLiteral("%1: cannot write").arg(m_path).toStdString());
}
