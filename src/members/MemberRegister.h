#pragma once

#include "TSchedaSocio.h"
#include "app/GridRows.h"
#include "reports/ReportTemplate.h"
#include "storage/SpreadsheetExport.h"

#include <QDate>
#include <QStringList>

#include <optional>

// The register of members (libro soci): who is a member, from when and until when, kept in the
// companion of the members archive, and the lists made from it. The members archive itself is
// only read, except for the certificate expiry the user confirms.
namespace MemberRegister {

// The register data of member p; a field holding what the program never writes reads as empty.
// Raises StorageError.
TSchedaSocio load(int position);

// The first field that keeps the record from being saved, with its warning.
struct Problem {
    const char* field; // the dialog's control
    QString warning;
};
std::optional<Problem> check(const TSchedaSocio& socio);

// One year after the certificate's issue date, as "gg/mm/aaaa"; empty for a certificate that is
// not required, without a kind or without an issue date.
QString proposedExpiry(const TSchedaSocio& socio);

// Writes record p of the companion as given, except the member number, which the user never
// types: the stored one is kept, and a member admitted for the first time gets one more than the
// highest number ever given, read and written under the companion's one lock so that two
// workstations never give the same number. With `expiry`, the member record's certificate expiry
// is written too, and nothing else of that record: both files change or neither does. Returns the
// record saved. Raises StorageError.
TSchedaSocio save(int position, const TSchedaSocio& socio, const std::optional<QString>& expiry = {});

enum class List { Register, WithoutConsent };

// The columns of both lists, for the grid, the printed lines and the export.
extern const SpreadsheetExport kRegisterExport;
extern const SpreadsheetExport kWithoutConsentExport;

// The members with a number, in number order, one row of kRegisterExport's columns each; with a
// valid `activeOn`, only those admitted on or before it and not left before it. WithoutConsent
// keeps those who gave no consent to the processing of their data. Raises StorageError.
GridRows rows(List list, const QDate& activeOn = {});
// The rows as the printed list shows them: the date of a list of active members, a heading line,
// a rule, then one fixed-width line each.
QStringList lines(const GridRows& rows, const QDate& activeOn = {});
// The list's title: "Libro soci", "Soci senza consenso al trattamento dei dati".
QString title(List list);
// The shared list document of the lines, landscape, its pages numbered "N di M" in the footer.
ReportTemplate document(List list, const QStringList& lines, const QDate& printDate);

} // namespace MemberRegister
