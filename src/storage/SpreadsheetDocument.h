#pragma once

#include "SpreadsheetExport.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QStringList>

#include <functional>
#include <span>

// The spreadsheet file every export writes: an HTML table with the spreadsheet program's
// workbook block in its head, in Windows-1252 without a byte-order mark, all on one line.
//
// Every data cell is marked as text, so that codes such as "00185" keep their leading zeros and a
// cell beginning with "=", "+", "-" or "@" shows as written instead of being computed.
// Cell texts lose their blanks at both ends. "&", "<" and ">" are written as entities, since a
// spreadsheet program reading them raw drops or mangles the cell, and a character without a
// Windows-1252 byte is written as a numeric character reference so that it still shows exactly;
// line breaks inside a cell become references too, keeping the file on one line. Other control
// characters than the tab, which the file may not hold, are left out.
namespace SpreadsheetDocument {

// Puts the data cells of a row, as Windows-1252 text (the text of the archives, written without
// decoding it), into `cells`, one for each column.
using RowBytes = std::function<void(qsizetype row, std::span<QByteArrayView> cells)>;

QByteArray bytes(const SpreadsheetExport& format, const QList<QStringList>& rows);
QByteArray bytes(const SpreadsheetExport& format, qsizetype rowCount, const RowBytes& row);
// Replaces the file with the document (AtomicFile); raises StorageError when it cannot be written
// whole, the earlier export then kept as it was.
void write(const QString& path, const SpreadsheetExport& format, const QList<QStringList>& rows);
void write(const QString& path, const SpreadsheetExport& format, qsizetype rowCount, const RowBytes& row);

} // namespace SpreadsheetDocument
