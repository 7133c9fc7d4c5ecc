#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// A settings file as every installation of the program has it: Windows-1252 text, CR LF lines,
// "[Section]" headers and "Key=Value" lines, names with spaces written plainly and looked up
// without regard to letter case, values kept as they are (backslashes included). Lines the
// program does not know are kept in place when the file is written back.
//
// Two workstations sharing the folder may change different keys of one file at the same time:
// update() makes each change under the file's lock, on the file as it is at that moment, so
// neither undoes the other's.
class IniFile {
public:
    // No settings file comes near this; a larger one is damaged or planted, and reading it whole
    // would stall the program and exhaust its memory at every opening.
    static constexpr qint64 kMaxBytes = 1024 * 1024;

    // A missing file reads as empty. A file that exists but cannot be read, is larger than
    // kMaxBytes or is a symbolic link (planted in a shared folder, it could point anywhere)
    // raises StorageError.
    static IniFile read(const QString& path);
    // Under the lock "<path>.lock" (bounded wait), rereads the file, lets `change` set the keys
    // the caller changed and writes the file back when that changed anything. A file too large
    // or a link is replaced as if it were missing. Raises StorageError on failure, the old file
    // kept.
    static void update(const QString& path, const std::function<void(IniFile&)>& change);

    QString value(const QString& section, const QString& key, const QString& fallback = {}) const;
    // Creates the section or the key when missing; a key already holding the value keeps its line
    // as written. The value is stored as oneLine() keeps it, so no text can break the file's lines
    // or slip in a line of its own.
    void setValue(const QString& section, const QString& key, const QString& value);
    // A value as a line of the file can hold it: each run of line breaks becomes one blank.
    static QString oneLine(const QString& value);
    // Replaces the file whole (AtomicFile); raises StorageError on failure, the old file kept.
    void write() const;

private:
    explicit IniFile(QString path) : m_path(std::move(path)) {}
    // Fills the lines from the file (none when missing); false, with no lines, when it is too large
    // or a link. Raises StorageError when it cannot be read at all.
    bool load();
    qsizetype sectionLine(const QString& section) const; // -1 when missing
    qsizetype sectionEnd(qsizetype header) const;
    qsizetype keyLine(qsizetype header, const QString& key) const;

    QString m_path;
    QStringList m_lines;
};
