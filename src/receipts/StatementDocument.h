#pragma once

#include "YearlyStatement.h"
#include "reports/ReportTemplate.h"

#include <QDate>

// The printed yearly statement: A4 portrait, one page for each payer and practitioner (a long year
// of receipts goes on over the next page), every statement starting a page of its own.
namespace StatementDocument {

// The title of a statement of `year`.
QString title(const QString& year);

// The statements `chosen` from `gathered`, dated `printed`; throws ReportError when none is chosen.
ReportTemplate make(const YearlyStatement::Gathered& gathered,
                    const std::vector<const YearlyStatement::Statement*>& chosen, const QDate& printed);

} // namespace StatementDocument
