#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QString>

// Dates are texts "gg/mm/aaaa" everywhere in the program, whatever the system's settings.
namespace DateText {

QString format(const QDate& date);
// Day/month/four-digit year with slashes; an invalid QDate for anything else.
QDate parse(const QString& text);
// The same on stored Windows-1252 bytes, for scans that never decode a record.
QDate parse(QByteArrayView text);
// The year of such a date, 0 when the bytes hold no date: a scan of a year's receipts asks it of
// every one, without the calendar arithmetic of a QDate.
int yearOf(QByteArrayView text);
// Exactly four digits 0-9: a year as it names a yearly archive in the program folder.
bool isYear(const QString& text);

} // namespace DateText
