#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class RecordLine;

// A record found again from its list line.
struct FoundRecord {
    int position;
    QByteArray bytes;
};

// Rereads the archive and finds the record whose line equals `line` (both without blanks at the
// ends). Lines are not unique: of several equal ones the last in the file is the one given, as
// it always has been. Raises StorageError when the archive cannot be read.
std::optional<FoundRecord> lastRecordWithLine(const QString& path, int recordSize, const RecordLine& lineOf,
                                              const QString& line);
