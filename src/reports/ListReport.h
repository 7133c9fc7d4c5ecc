#pragma once

#include "ReportTemplate.h"

#include <QDate>
#include <QStringList>

class QWidget;

// The document "Riepilogo dati" shared by every result list: a title, every list line in a
// fixed-pitch font running over as many landscape pages as needed, and the print date at the
// foot of each page.
namespace ListReport {

ReportTemplate make(const QString& title, const QStringList& lines, const QDate& printDate);
// Fills the document with today's date and prints it through the print dialog; false when the
// user cancels the dialog. Throws ReportError when printing fails.
bool print(QWidget* parent, const QString& title, const QStringList& lines);

} // namespace ListReport
