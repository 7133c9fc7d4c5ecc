#pragma once

#include "ReportTemplate.h"

class QPagedPaintDevice;

// Draws a filled report template with QPainter on any paged device: the same drawing goes to the
// printer, the print preview and a PDF file. The renderer keeps its own copy of the template.
// Every failure throws ReportError. In a page footer's texts, kPageToken and kPagesToken become the
// page's number and the number of pages.
class ReportRenderer {
public:
    static constexpr const char* kPageToken = "[PAGINA]";
    static constexpr const char* kPagesToken = "[PAGINE]";

    explicit ReportRenderer(ReportTemplate report) : m_report(std::move(report)) {}

    const ReportTemplate& report() const { return m_report; }
    // The template's page for the device: its size and orientation, with every position measured
    // from the corner of the sheet.
    QPageLayout pageLayout() const;
    // The number of pages, laid out as a 1200 dpi printer would print them; nothing is drawn.
    int pageCount() const;

    // Draws every page on a device given pageLayout(), `copies` times over, each copy a whole run
    // of the pages: for a printer set to one copy, so that no driver multiplies the count again.
    void render(QPagedPaintDevice& device, int copies = 1) const;
    void writePdf(const QString& path) const;

private:
    ReportTemplate m_report;
};
