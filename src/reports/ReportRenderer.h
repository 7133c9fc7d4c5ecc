#pragma once

class QPrinter;
class QString;
class QWidget;
class ReportTemplate;

// Draws a filled report template with QPainter on a QPrinter: the same drawing goes to the
// printer, the print preview and a PDF file. Every failure throws ReportError.
class ReportRenderer {
public:
    explicit ReportRenderer(const ReportTemplate& report) : m_report(report) {}

    // Gives the printer the template's page: its size and orientation, with every position
    // measured from the corner of the sheet.
    void setUpPrinter(QPrinter& printer) const;
    // Draws every page on a printer already set up, `copies` times over, each copy a whole run of
    // the pages: for a printer set to one copy, so that no driver multiplies the count again.
    void render(QPrinter& printer, int copies = 1) const;

    // Through the print dialog; false when the user cancels it.
    bool print(QWidget* parent) const;
    // The preview window: print, zoom, full screen and close.
    void preview(QWidget* parent) const;
    void writePdf(const QString& path) const;

private:
    const ReportTemplate& m_report;
};
