#include "AttachmentFolder.h"

#include "storage/AtomicFile.h"
#include "storage/ProgramFolder.h"
#include "storage/Text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

// `stem` + `tail` cut from the end of the stem until it fits the record and the file system.
QString fitted(QString stem, const QString& tail) {
    while (!stem.isEmpty() && !fits(stem + tail))
        stem.chop(1);
    return Text::trimBlanks(stem + tail);
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
    QString name = storableCharacters(Text::trimBlanks(chosenName));
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString extension = dot > 0 && name.size() - dot <= kLongestExtension ? name.mid(dot) : QString();
    const QString stem = name.chopped(extension.size());
    name = fitted(stem, extension);
    if (!isBare(name)) // "", "." or ".."
        name.prepend(u'_');
    if (name == chosenName)
        return name;
    for (int n = 2; holds(name); ++n)
        name = fitted(stem, QStringLiteral(" (%1)").arg(n) + extension);
    return name;
}

bool copyIn(const QString& source, const QString& name) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    AtomicFile out(path(name));
    if (!out.open())
        return false;
    char buffer[64 * 1024];
    for (qint64 n; (n = in.read(buffer, sizeof buffer)) != 0;)
        if (n < 0 || out.write(buffer, n) != n)
            return false;
    return out.commit();
}

} // namespace AttachmentFolder
