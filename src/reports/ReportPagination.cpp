#include "ReportPagination.h"

#include <algorithm>
#include <cmath>

namespace ReportPagination {

namespace {

// Where a band is broken at the latest at `limit`: no line of text may be cut in two, and the
// cut moves up as long as it falls inside a line. A cut that reaches `from` means that nothing
// more of the band fits on this page.
double breakAt(const Band& band, double from, double limit) {
    double cut = limit;
    for (bool moved = true; moved;) {
        moved = false;
        for (const Lines& t : band.texts) {
            if (t.count == 0 || t.pitch <= 0)
                continue;
            // Only the lines around the cut can hold it.
            const qsizetype near =
                qsizetype(std::clamp(std::floor((cut - t.top) / t.pitch), 0.0, double(t.count)));
            for (qsizetype i = std::max<qsizetype>(near - 1, 0); i <= near + 1 && i < t.count; ++i) {
                const double top = t.top + i * t.pitch;
                if (top < cut && top + t.pitch > cut && top + t.pitch <= t.bottom && top >= from) {
                    cut = top;
                    moved = true;
                }
            }
        }
    }
    return cut;
}

} // namespace

Pages paginate(const QList<Band>& bands, double room) {
    Pages pages(1);
    double y = 0;
    for (qsizetype b = 0; b < bands.size(); ++b) {
        const Band& band = bands[b];
        if (band.newPage && y > 0) {
            pages.emplace_back();
            y = 0;
        }
        double from = 0;
        while (from < band.height) {
            if (band.height - from <= room - y) {
                pages.last().append(Slice{b, from, band.height, y});
                y += band.height - from;
                break;
            }
            double cut = breakAt(band, from, from + room - y);
            if (cut <= from && y > 0) {
                pages.emplace_back();
                y = 0;
                continue;
            }
            if (cut <= from) // a single line taller than a page: cut it rather than loop forever
                cut = from + room;
            pages.last().append(Slice{b, from, cut, y});
            pages.emplace_back();
            y = 0;
            from = cut;
        }
    }
    return pages;
}

} // namespace ReportPagination
