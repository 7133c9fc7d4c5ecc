#pragma once

#include "Currency.h"
#include "app/ResultLines.h"

#include <QDate>
#include <QString>

#include <variant>

// The income summary: the receipts of one calendar year issued in a period of it, of one payer
// and/or one sport when asked, and what they add up to.
namespace IncomeSummary {

// The request as its screen holds it; the days "01" to "31", the months by name.
struct Request {
    QString year;
    QString startDay;
    QString startMonth;
    QString endDay;
    QString endMonth;
};

// Why a request cannot run: its message, whether it is a plain notice rather than a warning, and
// the control that takes the focus (none: the focus stays).
struct Problem {
    QString message;
    bool notice = false;
    const char* focus = nullptr;
};

// The period asked for, both ends included, as "gg/mm/aaaa" and as dates.
struct Period {
    QString startText;
    QString endText;
    QDate start;
    QDate end;
};

// The request's checks in their fixed order; the first that fails is the answer.
std::variant<Problem, Period> check(const Request& request);

struct Summary {
    ResultLines lines;
    Currency total;
    // The record position where a date or an amount could not be read and the list stopped; its
    // lines are those before it and its total is nothing. 0 when the list is whole.
    int stoppedAt = 0;
    // The cancelled receipts listed, marked on their line and left out of the total.
    int cancelled = 0;
    // The first receipt listed whose companion record held what the program never writes, with
    // its number (0: none); it counts as not cancelled.
    int damagedAt = 0;
    QString damagedNumber;
};

// The closing line of a summary with cancelled receipts: they are not in its total.
QString cancelledText(int cancelled);

// The receipts of the archive at `path` (created empty when missing) whose payer and sport hold
// the filters as typed (a filter that is only blanks is no filter), whose total is not empty and
// whose issue date lies in `period`, in archive order; the total leaves the cancelled ones out.
// Raises StorageError when the archive or its companion cannot be read.
Summary list(const QString& path, const QString& payer, const QString& sport, const Period& period);

// A total as the summary shows it: a decimal comma, no thousands separators, at least two
// decimals and at most four (35 is "35,00", 120,5 is "120,50").
QString totalText(Currency total);

} // namespace IncomeSummary
