#pragma once

#include <QString>
#include <QStringList>

// A settings file as every installation of the program has it: Windows-1252 text, CR LF lines,
// "[Section]" headers and "Key=Value" lines, names with spaces written plainly and looked up
// without regard to letter case, values kept as they are (backslashes included). Lines the
// program does not know are kept in place when the file is written back.
class IniFile {
public:
    // A missing file reads as empty; a file that exists but cannot be read raises StorageError.
    static IniFile read(const QString& path);

    QString value(const QString& section, const QString& key, const QString& fallback = {}) const;
    // Creates the section or the key when missing. The value is stored as oneLine() keeps it, so
    // no text can break the file's lines or slip in a line of its own.
    void setValue(const QString& section, const QString& key, const QString& value);
    // A value as a line of the file can hold it: each run of line breaks becomes one blank.
    static QString oneLine(const QString& value);
    // Replaces the file whole (AtomicFile); raises StorageError on failure, the old file kept.
    void write() const;

private:
    explicit IniFile(QString path) : m_path(std::move(path)) {}
    qsizetype sectionLine(const QString& section) const; // -1 when missing
    qsizetype sectionEnd(qsizetype header) const;
    qsizetype keyLine(qsizetype header, const QString& key) const;

    QString m_path;
    QStringList m_lines;
};
