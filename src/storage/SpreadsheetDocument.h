#pragma once

#include "SpreadsheetExport.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// The spreadsheet file every export writes: an HTML table with the spreadsheet program's
// workbook block in its head, in Windows-1252 without a byte-order mark, all on one line.
//
// Every data cell is marked as text, so that codes such as "00185" keep their leading zeros.
// Cell texts lose their blanks at both ends. "&", "<" and ">" are written as entities, since a
// spreadsheet program reading them raw drops or mangles the cell, and a character without a
// Windows-1252 byte is written as a numeric character reference so that it still shows exactly;
// line breaks inside a cell become references too, keeping the file on one line.
namespace SpreadsheetDocument {

QByteArray bytes(const SpreadsheetExport& format, const QList<QStringList>& rows);
// Replaces the file with the document (AtomicFile); raises StorageError when it cannot be written
// whole, the earlier export then kept as it was.
void write(const QString& path, const SpreadsheetExport& format, const QList<QStringList>& rows);

} // namespace SpreadsheetDocument
