#include "ReportRenderer.h"

#include "PlainTextFont.h"
#include "ReportError.h"
#include "ReportLayout.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QtNumeric>

#include <list>
#include <map>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// The resolution of the printers the program prints on, and of its PDF files.
constexpr int kDotsPerInch = 1200;
// Frames and lines are thin but must survive a 1200 dpi printer.
constexpr double kThinPen = 0.2;

bool numbersPages(const ReportBand& band) {
    for (const ReportElement& e : band.elements)
        if (e.text.contains(QLatin1String(ReportRenderer::kPageToken)) ||
            e.text.contains(QLatin1String(ReportRenderer::kPagesToken)))
            return true;
    return false;
}

// Draws the elements of a laid-out template in millimetres on the painter's device.
class Page {
public:
    explicit Page(const ReportLayout& layout) : m_layout(layout), m_k(layout.pixelsPerMm()) {}

    double px(double mm) const { return mm * m_k; }
    QRectF px(const QRectF& mm) const { return {px(mm.x()), px(mm.y()), px(mm.width()), px(mm.height())}; }

    // Draws the element; only the text lines that show between `from` and `to` are written, so
    // that a text cut by a page end does not hide its later lines in the earlier page.
    void draw(QPainter& painter, const ReportElement& e, double from = -qInf(), double to = qInf()) const {
        const QRectF box = px(e.box);
        if (e.fill.isValid())
            painter.fillRect(box, e.fill);
        switch (e.kind) {
        case ReportElement::Kind::Text:
            drawText(painter, e, std::max(from, e.box.top()), std::min(to, e.box.bottom()));
            break;
        case ReportElement::Kind::Picture:
            drawPicture(painter, e.picture, box);
            break;
        case ReportElement::Kind::Line:
            painter.setPen(QPen(e.border.isValid() ? e.border : QColor(Qt::black), px(kThinPen)));
            painter.drawLine(box.topLeft(), box.bottomRight());
            return;
        case ReportElement::Kind::Painted:
            if (e.paint) {
                painter.save();
                painter.setClipRect(box, Qt::IntersectClip);
                e.paint(painter, box);
                painter.restore();
            }
            break;
        case ReportElement::Kind::Rect:
            break;
        }
        if (e.border.isValid()) {
            painter.setPen(QPen(e.border, px(kThinPen)));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box);
        }
    }

private:
    // The characters of a line that can be seen at all inside `width`: the last one may be cut
    // by the box's edge.
    static QString visiblePart(const QString& line, const QFontMetricsF& metrics, double width) {
        qsizetype lo = 0, hi = line.size();
        while (lo < hi) {
            const qsizetype mid = (lo + hi + 1) / 2;
            if (metrics.horizontalAdvance(line.left(mid - 1)) < width)
                lo = mid;
            else
                hi = mid - 1;
        }
        return line.left(lo);
    }

    void drawText(QPainter& painter, const ReportElement& e, double from, double to) const {
        const TextLines& t = m_layout.lines(e);
        const QFont font = e.style.font();
        const QFontMetricsF metrics(font, painter.device());
        const double inset = ReportLayout::kTextInset;
        const double width = px(e.box.width() - 2 * inset);
        painter.save();
        painter.setClipRect(px(e.box), Qt::IntersectClip);
        painter.setFont(font);
        painter.setPen(e.style.color);
        const Qt::Alignment horizontal = e.style.align & Qt::AlignHorizontal_Mask;
        // Plain lines take the short way only where it draws what a text layout would: from the
        // left edge, and in a line tall enough that its own clip would cut nothing.
        const PlainTextFont* plain = nullptr;
        if (horizontal == Qt::AlignLeft && metrics.height() <= px(t.pitch))
            if (const PlainTextFont& f = plainFont(font, painter.device()); f.isUsable())
                plain = &f;
        QList<quint32> glyphs;
        QList<QPointF> positions;
        const auto [first, last] = m_layout.linesBetween(e, from, to);
        for (qsizetype i = first; i < last; ++i) {
            const double top = e.box.y() + t.top + i * t.pitch;
            const QRectF lineBox = px(QRectF(e.box.x() + inset, top, e.box.width() - 2 * inset, t.pitch));
            QString line = t.lines[i];
            // Centred in its line as drawText centres it.
            const QPointF baseline(lineBox.left(), lineBox.top() + (lineBox.height() - metrics.height()) / 2 +
                                                       metrics.ascent());
            if (plain && plain->place(line, baseline, width, glyphs, positions))
                continue;
            Qt::Alignment align = horizontal | Qt::AlignVCenter;
            if (metrics.horizontalAdvance(line) > width) {
                // Cut at the right edge of the box rather than spill or wrap.
                line = visiblePart(line, metrics, width);
                align = Qt::AlignLeft | Qt::AlignVCenter;
            }
            painter.drawText(lineBox, int(align) | Qt::TextSingleLine, line);
        }
        if (!glyphs.isEmpty()) {
            QGlyphRun run;
            run.setRawFont(plain->raw());
            run.setGlyphIndexes(glyphs);
            run.setPositions(positions);
            // A line cut at the box's edge ends where drawText would clip it.
            painter.setClipRect(QRectF(px(e.box.x() + inset), px(e.box.y()), width, px(e.box.height())),
                                Qt::IntersectClip);
            painter.drawGlyphRun(QPointF(), run);
        }
        painter.restore();
    }

    const PlainTextFont& plainFont(const QFont& font, const QPaintDevice* device) const {
        auto found = m_plainFonts.find(font.key());
        if (found == m_plainFonts.end())
            found = m_plainFonts.try_emplace(font.key(), font, device).first;
        return found->second;
    }

    static void drawPicture(QPainter& painter, const QImage& picture, const QRectF& box) {
        if (picture.isNull() || box.isEmpty())
            return;
        const QSizeF size = QSizeF(picture.size()).scaled(box.size(), Qt::KeepAspectRatio);
        QRectF target(QPointF(), size);
        target.moveCenter(box.center());
        painter.drawImage(target, picture);
    }

    const ReportLayout& m_layout;
    double m_k; // device pixels per millimetre
    mutable std::map<QString, PlainTextFont> m_plainFonts;
};

// Qt's PDF writer hands every page through two buffers of about 16 MB. With the allocator's
// defaults both come fresh from the system and go back to it at every page, and a long list spent
// a third of its printing having the system map and clear them again: they stay in the heap.
void keepPageBuffersInHeap() {
#ifdef __GLIBC__
    static const bool kept = [] {
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
        return true;
    }();
    Q_UNUSED(kept);
#endif
}

} // namespace

QPageLayout ReportRenderer::pageLayout() const {
    QPageLayout layout(QPageSize(m_report.pageSize()), m_report.orientation(), QMarginsF(),
                       QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

int ReportRenderer::pageCount() const {
    // Only the resolution of the device matters to the layout: fonts are measured at the
    // printer's own.
    QImage metrics(1, 1, QImage::Format_Mono);
    const int dotsPerMeter = qRound(kDotsPerInch / 0.0254);
    metrics.setDotsPerMeterX(dotsPerMeter);
    metrics.setDotsPerMeterY(dotsPerMeter);
    return int(ReportLayout(m_report, pageLayout().fullRect(QPageLayout::Millimeter).size(), metrics)
                   .pages()
                   .size());
}

void ReportRenderer::render(QPagedPaintDevice& device, int copies) const {
    keepPageBuffersInHeap();
    const ReportLayout layout(m_report, device.pageLayout().fullRect(QPageLayout::Millimeter).size(), device);
    const Page page(layout);
    const QMarginsF& margins = m_report.margins();
    const ReportPagination::Pages& pages = layout.pages();

    QPainter painter;
    if (!painter.begin(&device))
        throw ReportError("The printer cannot start printing " + m_report.name().toStdString());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    auto drawBand = [&](const ReportBand& band, double from, double to, double y) {
        painter.save();
        painter.translate(page.px(margins.left()), page.px(margins.top() + y - from));
        painter.setClipRect(page.px(QRectF(0, from, layout.width(), to - from)));
        for (const ReportElement& e : band.elements)
            page.draw(painter, e, from, to);
        painter.restore();
    };

    // Footers that number their pages are filled per page; the layout keeps the lines of each
    // element by its address, so every filled copy lives until the drawing is done.
    std::list<ReportBand> numberedFooters;
    const auto footerOf = [&](const ReportBand& band, qsizetype page) -> const ReportBand& {
        if (!numbersPages(band))
            return band;
        ReportBand& numbered = numberedFooters.emplace_back(band);
        for (ReportElement& e : numbered.elements)
            e.text.replace(QLatin1String(kPageToken), QString::number(page + 1))
                .replace(QLatin1String(kPagesToken), QString::number(pages.size()));
        return numbered;
    };

    for (qsizetype n = 0; n < pages.size() * std::max(copies, 1); ++n) {
        if (n > 0 && !device.newPage())
            throw ReportError("The printer refused a new page of " + m_report.name().toStdString());
        painter.save();
        painter.translate(page.px(margins.left()), page.px(margins.top()));
        for (const ReportElement& e : m_report.elements())
            page.draw(painter, e);
        painter.restore();
        for (const ReportPagination::Slice& s : pages[n % pages.size()])
            drawBand(layout.flowBand(s.band), s.from, s.to, s.y);
        double y = layout.room();
        for (const ReportBand& band : m_report.bands())
            if (band.placement == ReportBand::Placement::PageFooter) {
                drawBand(footerOf(band, n % pages.size()), 0, band.height, y);
                y += band.height;
            }
    }
    if (!painter.end())
        throw ReportError("The printer failed while printing " + m_report.name().toStdString());
}

void ReportRenderer::writePdf(const QString& path) const {
    QPdfWriter pdf(path);
    pdf.setResolution(kDotsPerInch);
    pdf.setTitle(m_report.name());
    pdf.setPageLayout(pageLayout());
    render(pdf);
}
