#pragma once

#include "ReportTemplate.h"

#include <QDate>
#include <QStringList>
#include <QTime>

// The document "Riepilogo dati" shared by every result list: a title, every list line in a
// fixed-pitch font running over as many landscape pages as needed, and the print date (and where
// given, the time) at the foot of each page, where `txtPagina` can number the pages.
namespace ListReport {

ReportTemplate make(const QString& title, const QStringList& lines, const QDate& printDate,
                    const QTime& printTime = {});

} // namespace ListReport
