#include "AttachmentFolder.h"

#include "storage/AtomicFile.h"
#include "storage/ProgramFolder.h"
#include "storage/Text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kFolder = QStringLiteral("Documenti_Allegati");

// The longest name a Linux file system takes, in bytes of the local (UTF-8) encoding.
constexpr qsizetype kNameBytes = 255;
// Only a short tail after the last dot is an extension worth keeping whole.
constexpr qsizetype kLongestExtension = 16;

bool isBare(const QString& name) {
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') &&
           !name.contains(u'\\') && !name.contains(QChar(0));
}

bool fits(const QString& name) {
    return name.size() <= AttachmentFolder::kNameCapacity && QFile::encodeName(name).size() <= kNameBytes;
}

QString storableCharacters(const QString& name) {
    QString out;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (c.isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate())
            ++i; // one character outside the code page, one "_"
        const bool storable = !c.isSurrogate() && c.unicode() >= 0x20 && c != u'\\' && c != u'/' &&
                              c.category() != QChar::Other_Control && Text::fitsWin1252(QString(c));
        out += storable ? c : u'_';
    }
    return out;
}

// Beyond this many copies of one name the folder is taken to be unusable, not merely crowded.
constexpr int kMostNumberedNames = 1000;

// `stem` + `tail` cut from the end of the stem until it fits the record and the file system.
QString fitted(QString stem, const QString& tail) {
    while (!stem.isEmpty() && !fits(stem + tail))
        stem.chop(1);
    return Text::trimBlanks(stem + tail);
}

// A short tail after the last dot, kept whole when a name is cut or numbered.
QString extensionOf(const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 && name.size() - dot <= kLongestExtension ? name.mid(dot) : QString();
}

// The `n`th name for a file named `name`: "name (n).ext", still fitting the record.
QString numbered(const QString& name, int n) {
    const QString extension = extensionOf(name);
    return fitted(name.chopped(extension.size()), QStringLiteral(" (%1)").arg(n) + extension);
}

// A file this process created empty, to hold a name until the copy takes its place.
struct Placeholder {
    QString name;
    dev_t device = 0;
    ino_t inode = 0;
};

// Creates the first free name of `name`, "name (2).ext", ... exclusively: of two workstations
// claiming one name at the same moment the system lets only one create it, and the other goes on
// to the next. A link planted under a name counts as taken, so nothing is written through it.
std::optional<Placeholder> claim(const QString& name) {
    for (int n = 1; n <= kMostNumberedNames; ++n) {
        const QString candidate = n == 1 ? name : numbered(name, n);
        const QByteArray path = QFile::encodeName(AttachmentFolder::path(candidate));
        if (path.isEmpty())
            return std::nullopt;
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return std::nullopt;
        }
        struct stat created {};
        const bool known = ::fstat(fd, &created) == 0;
        ::close(fd);
        if (!known) {
            ::unlink(path.constData());
            return std::nullopt;
        }
        return Placeholder{candidate, created.st_dev, created.st_ino};
    }
    return std::nullopt;
}

// Removes the placeholder of a copy that failed, unless another workstation has meanwhile put a
// file of its own under the name.
void release(const Placeholder& placeholder) {
    const QByteArray path = QFile::encodeName(AttachmentFolder::path(placeholder.name));
    struct stat now {};
    if (::lstat(path.constData(), &now) == 0 && now.st_dev == placeholder.device &&
        now.st_ino == placeholder.inode)
        ::unlink(path.constData());
}

} // namespace

namespace AttachmentFolder {

QString folder() {
    return ProgramFolder::file(kFolder);
}

QString path(const QString& name) {
    return isBare(name) ? folder() + u'/' + name : QString();
}

bool holds(const QString& name) {
    return isBare(name) && QFileInfo::exists(path(name));
}

bool create() {
    return QDir().mkpath(folder());
}

QString nameFor(const QString& chosenName) {
    const QString name = storableCharacters(Text::trimBlanks(chosenName));
    const QString extension = extensionOf(name);
    QString fittedName = fitted(name.chopped(extension.size()), extension);
    if (!isBare(fittedName)) // "", "." or ".."
        fittedName.prepend(u'_');
    return fittedName;
}

bool copyIn(const QString& source, const QString& name) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QString target = path(name);
    if (target.isEmpty())
        return false;
    AtomicFile out(target);
    if (!out.open())
        return false;
    char buffer[64 * 1024];
    for (qint64 n; (n = in.read(buffer, sizeof buffer)) != 0;)
        if (n < 0 || out.write(buffer, n) != n)
            return false;
    return out.commit();
}

QString copyInNew(const QString& source, const QString& name) {
    const std::optional<Placeholder> claimed = claim(name);
    if (!claimed)
        return {};
    if (!copyIn(source, claimed->name)) {
        release(*claimed);
        return {};
    }
    return claimed->name;
}

} // namespace AttachmentFolder
