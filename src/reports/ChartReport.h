#pragma once

#include "ReportTemplate.h"

class Chart3D;

// A printed chart: one landscape A4 page with the chart over the whole printable area.
namespace ChartReport {

// The chart element is named `ChartStats`; it draws a copy of `chart` as it is now.
ReportTemplate make(const QString& name, const Chart3D& chart);

} // namespace ChartReport
