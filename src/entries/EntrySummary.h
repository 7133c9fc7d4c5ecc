#pragma once

#include <QString>

#include <memory>

class QWidget;
class SummaryGridScreen;

// The daily, monthly and annual summaries of the register open on the entry screen: one summary
// screen configured three times. Each lists the entries of its day, month or year in register
// order and exports them; none writes to the register.
namespace EntrySummary {

enum class Kind { Daily, Monthly, Annual };

std::unique_ptr<SummaryGridScreen> make(Kind kind, QWidget* parent, const QString& year, const QString& path);

} // namespace EntrySummary
