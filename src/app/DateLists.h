#pragma once

#include <QString>
#include <QStringList>

// The values a date and a time are chosen from in the program's pick lists (the entry screen, the
// entry summaries, the income summary's request), and the month names stored in entries and shown
// by the statistics.
namespace DateLists {

inline constexpr const char* kMonths[12] = {"Gennaio",   "Febbraio", "Marzo",    "Aprile",
                                            "Maggio",    "Giugno",   "Luglio",   "Agosto",
                                            "Settembre", "Ottobre",  "Novembre", "Dicembre"};

// The name of month 1 to 12.
QString monthName(int month);
// 1 to 12 for a month's name in any letter case (A to Z folded), blanks at the ends ignored; 0 for
// any other text.
int monthNumber(const QString& name);

QStringList days();    // "01" to "31"
QStringList months();  // "Gennaio" to "Dicembre"
QStringList hours();   // "00" to "23"
QStringList minutes(); // "00" to "59"

} // namespace DateLists
