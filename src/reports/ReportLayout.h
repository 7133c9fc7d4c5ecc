#pragma once

#include "ReportPagination.h"
#include "ReportTemplate.h"

#include <QHash>
#include <QSizeF>
#include <QStringList>

class QPaintDevice;

// The lines of a text element as the page shows them, in millimetres inside its box.
struct TextLines {
    QStringList lines;
    double pitch = 0;
    double top = 0; // of the first line, from the top of the box
};

// A filled template laid out on a sheet, before anything is drawn: the lines of every text, the
// printable area and the pages its flowing bands run over. Texts are measured with the fonts of
// `device`, which lends nothing but its resolution; the layout is valid as long as the template
// it was made from. Throws ReportError when the margins leave no room.
class ReportLayout {
public:
    // Texts keep a little air from the left and right edges of their box.
    static constexpr double kTextInset = 0.5;

    ReportLayout(const ReportTemplate& report, const QSizeF& sheet, const QPaintDevice& device);

    double pixelsPerMm() const { return m_k; }
    // The width of the printable area, and its height above the page footers.
    double width() const { return m_width; }
    double room() const { return m_room; }

    const TextLines& lines(const ReportElement& e) const;
    // The lines of `e` that lie at least partly between `from` and `to` (millimetres down the
    // box's holder), as [first, last).
    std::pair<qsizetype, qsizetype> linesBetween(const ReportElement& e, double from, double to) const;

    const ReportPagination::Pages& pages() const { return m_pages; }
    // The flowing band that a slice's band number names.
    const ReportBand& flowBand(qsizetype index) const { return *m_flow[index]; }

private:
    TextLines lay(const ReportElement& e) const;
    QStringList wrapped(const QString& paragraph, const QFont& font, double width) const;

    const QPaintDevice& m_device;
    double m_k; // device pixels per millimetre
    double m_width;
    double m_room;
    QList<const ReportBand*> m_flow;
    ReportPagination::Pages m_pages;
    // Laid out once: a long list is asked for its lines at every page end.
    mutable QHash<const ReportElement*, TextLines> m_lines;
};
