#include "ReportOutput.h"

#include "Platform.h"
#include "reports/ListReport.h"
#include "reports/ReportError.h"
#include "reports/ReportRenderer.h"

#include <QPrinter>

#include <algorithm>

#include <optional>

namespace {

void setUp(QPrinter& printer, const ReportRenderer& report) {
    printer.setPageLayout(report.pageLayout());
    printer.setFullPage(true);
    printer.setDocName(report.report().name());
}

void render(const ReportRenderer& report, QPrinter& printer, int copies) {
    report.render(printer, copies);
    if (printer.printerState() == QPrinter::Error)
        throw ReportError("The printer failed while printing " + report.report().name().toStdString());
}

} // namespace

namespace ReportOutput {

bool print(const ReportRenderer& report, QWidget* parent, int copies) {
    QPrinter printer(QPrinter::HighResolution);
    setUp(printer, report);
    printer.setCopyCount(std::max(copies, 1));
    if (!platform().printDialog(printer, parent))
        return false;
    // The program prints its own copies; the printer must not multiply them again.
    copies = std::max(printer.copyCount(), 1);
    printer.setCopyCount(1);
    printer.setPageOrientation(report.report().orientation());
    render(report, printer, copies);
    return true;
}

void preview(const ReportRenderer& report, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    setUp(printer, report);
    // The preview window asks for the pages from inside its own event handling, where an
    // exception must not pass: keep the failure and report it once the window has closed.
    std::optional<ReportError> failure;
    platform().printPreview(
        printer,
        [&](QPrinter* target) {
            try {
                render(report, *target, 1);
            } catch (const ReportError& e) {
                failure = e;
            }
        },
        parent);
    if (failure)
        throw *failure;
}

bool printList(const QString& title, const QStringList& lines, QWidget* parent) {
    return print(ReportRenderer(ListReport::make(title, lines, platform().today())), parent);
}

} // namespace ReportOutput
