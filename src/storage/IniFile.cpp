#include "IniFile.h"

#include "AtomicFile.h"
#include "StorageError.h"
#include "Text.h"

#include <QFile>
#include <QRegularExpression>

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

} // namespace

IniFile IniFile::read(const QString& path) {
    IniFile ini(path);
    QFile file(path);
    if (!file.exists())
        return ini;
    if (!file.open(QIODevice::ReadOnly))
        throw StorageError(QStringLiteral("%1: cannot read").arg(path).toStdString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw StorageError(QStringLiteral("%1: cannot read").arg(path).toStdString());
    QString text = Text::fromWin1252(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    ini.m_lines = text.split(u'\n');
    if (!ini.m_lines.isEmpty() && ini.m_lines.last().isEmpty())
        ini.m_lines.removeLast();
    return ini;
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
    const QString entry = key + u'=' + oneLine(value);
    const qsizetype line = keyLine(header, key);
    if (line >= 0) {
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
