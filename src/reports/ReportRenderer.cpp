#include "ReportRenderer.h"

#include "ReportError.h"
#include "ReportTemplate.h"
#include "app/Platform.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>
#include <QtNumeric>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr double kMmPerInch = 25.4;
// Frames and lines are thin but must survive a 1200 dpi printer.
constexpr double kThinPen = 0.2;
// Texts keep a little air from the left and right edges of their box.
constexpr double kTextInset = 0.5;

// The lines of a text element as the page shows them, in millimetres inside its box.
struct TextLines {
    QStringList lines;
    double pitch = 0;
    double top = 0; // of the first line, from the top of the box
};

class Page {
public:
    explicit Page(QPrinter& printer) : m_device(printer), m_k(printer.resolution() / kMmPerInch) {}

    double px(double mm) const { return mm * m_k; }
    QRectF px(const QRectF& mm) const { return {px(mm.x()), px(mm.y()), px(mm.width()), px(mm.height())}; }

    // Laid out once per rendering: a long list is asked for its lines at every page end.
    const TextLines& layout(const ReportElement& e) const {
        auto cached = m_layouts.constFind(&e);
        if (cached == m_layouts.cend())
            cached = m_layouts.insert(&e, lay(e));
        return *cached;
    }

    // The lines of `t` that lie at least partly between `from` and `to`, as [first, last).
    static std::pair<qsizetype, qsizetype> linesBetween(const ReportElement& e, const TextLines& t,
                                                        double from, double to) {
        const double start = e.box.y() + t.top;
        const auto clamp = [&t](double index) {
            return qsizetype(std::clamp(index, 0.0, double(t.lines.size())));
        };
        return {clamp(std::floor((from - start) / t.pitch)), clamp(std::ceil((to - start) / t.pitch))};
    }

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
    TextLines lay(const ReportElement& e) const {
        const QFont font = e.style.font();
        TextLines t;
        t.pitch =
            e.style.linePitch > 0 ? e.style.linePitch : QFontMetricsF(font, &m_device).lineSpacing() / m_k;
        const QStringList paragraphs =
            QString(e.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
        if (!e.style.wordWrap || e.text.isEmpty()) {
            t.lines = e.text.isEmpty() ? QStringList() : paragraphs;
        } else {
            for (const QString& paragraph : paragraphs)
                t.lines += wrapped(paragraph, font, px(e.box.width() - 2 * kTextInset));
        }
        const double block = t.lines.size() * t.pitch;
        if (e.style.align & Qt::AlignBottom)
            t.top = e.box.height() - block;
        else if (e.style.align & Qt::AlignVCenter)
            t.top = (e.box.height() - block) / 2;
        return t;
    }

    QStringList wrapped(const QString& paragraph, const QFont& font, double width) const {
        if (paragraph.isEmpty())
            return {QString()};
        QStringList lines;
        QTextLayout layout(paragraph, font, &m_device);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines += paragraph.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
        return lines;
    }

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
        const TextLines& t = layout(e);
        const QFont font = e.style.font();
        const QFontMetricsF metrics(font, &m_device);
        const double width = px(e.box.width() - 2 * kTextInset);
        painter.save();
        painter.setClipRect(px(e.box), Qt::IntersectClip);
        painter.setFont(font);
        painter.setPen(e.style.color);
        const auto [first, last] = linesBetween(e, t, from, to);
        for (qsizetype i = first; i < last; ++i) {
            const double top = e.box.y() + t.top + i * t.pitch;
            const QRectF lineBox =
                px(QRectF(e.box.x() + kTextInset, top, e.box.width() - 2 * kTextInset, t.pitch));
            QString line = t.lines[i];
            Qt::Alignment align = (e.style.align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
            if (metrics.horizontalAdvance(line) > width) {
                // Cut at the right edge of the box rather than spill or wrap.
                line = visiblePart(line, metrics, width);
                align = Qt::AlignLeft | Qt::AlignVCenter;
            }
            painter.drawText(lineBox, int(align) | Qt::TextSingleLine, line);
        }
        painter.restore();
    }

    static void drawPicture(QPainter& painter, const QImage& picture, const QRectF& box) {
        if (picture.isNull() || box.isEmpty())
            return;
        const QSizeF size = QSizeF(picture.size()).scaled(box.size(), Qt::KeepAspectRatio);
        QRectF target(QPointF(), size);
        target.moveCenter(box.center());
        painter.drawImage(target, picture);
    }

    QPrinter& m_device;
    double m_k; // device pixels per millimetre
    mutable QHash<const ReportElement*, TextLines> m_layouts;
};

// A part of a band placed on a page: the band's rows [from, to) drawn at `y` below the top of
// the printable area.
struct Slice {
    const ReportBand* band;
    double from;
    double to;
    double y;
};

// Where a band running over a page end is broken: no line of text may be cut in two.
double breakAt(const Page& page, const ReportBand& band, double from, double limit) {
    double cut = limit;
    for (bool moved = true; moved;) {
        moved = false;
        for (const ReportElement& e : band.elements) {
            if (e.kind != ReportElement::Kind::Text)
                continue;
            const TextLines& t = page.layout(e);
            const auto [first, last] = Page::linesBetween(e, t, cut, cut);
            for (qsizetype i = std::max<qsizetype>(first - 1, 0); i <= last && i < t.lines.size(); ++i) {
                const double top = e.box.y() + t.top + i * t.pitch;
                if (top < cut && top + t.pitch > cut && top + t.pitch <= e.box.bottom() && top > from) {
                    cut = top;
                    moved = true;
                }
            }
        }
    }
    return cut;
}

QList<QList<Slice>> paginate(const Page& page, const QList<ReportBand>& bands, double room) {
    QList<QList<Slice>> pages(1);
    double y = 0;
    for (const ReportBand& band : bands) {
        if (band.placement != ReportBand::Placement::Flow)
            continue;
        double from = 0;
        while (from < band.height) {
            if (band.height - from <= room - y) {
                pages.last().append(Slice{&band, from, band.height, y});
                y += band.height - from;
                break;
            }
            double cut = breakAt(page, band, from, from + room - y);
            if (cut <= from && y > 0) {
                pages.emplace_back();
                y = 0;
                continue;
            }
            if (cut <= from) // a single line taller than a page: cut it rather than loop forever
                cut = from + room;
            pages.last().append(Slice{&band, from, cut, y});
            pages.emplace_back();
            y = 0;
            from = cut;
        }
    }
    return pages;
}

} // namespace

void ReportRenderer::setUpPrinter(QPrinter& printer) const {
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(m_report.pageSize()));
    printer.setPageOrientation(m_report.orientation());
    printer.setPageMargins(QMarginsF(), QPageLayout::Millimeter);
    printer.setDocName(m_report.name());
}

void ReportRenderer::render(QPrinter& printer, int copies) const {
    const Page page(printer);
    const QRectF sheet = printer.pageLayout().fullRect(QPageLayout::Millimeter);
    const QMarginsF& margins = m_report.margins();
    const double width = sheet.width() - margins.left() - margins.right();
    double footers = 0;
    for (const ReportBand& band : m_report.bands())
        if (band.placement == ReportBand::Placement::PageFooter)
            footers += band.height;
    const double room = sheet.height() - margins.top() - margins.bottom() - footers;
    if (width <= 0 || room <= 0)
        throw ReportError("The margins of the report " + m_report.name().toStdString() + " leave no room");

    const QList<QList<Slice>> pages = paginate(page, m_report.bands(), room);
    QPainter painter;
    if (!painter.begin(&printer))
        throw ReportError("The printer cannot start printing " + m_report.name().toStdString());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    auto drawBand = [&](const ReportBand& band, double from, double to, double y) {
        painter.save();
        painter.translate(page.px(margins.left()), page.px(margins.top() + y - from));
        painter.setClipRect(page.px(QRectF(0, from, width, to - from)));
        for (const ReportElement& e : band.elements)
            page.draw(painter, e, from, to);
        painter.restore();
    };

    for (qsizetype n = 0; n < pages.size() * std::max(copies, 1); ++n) {
        if (n > 0 && !printer.newPage())
            throw ReportError("The printer refused a new page of " + m_report.name().toStdString());
        painter.save();
        painter.translate(page.px(margins.left()), page.px(margins.top()));
        for (const ReportElement& e : m_report.elements())
            page.draw(painter, e);
        painter.restore();
        for (const Slice& s : pages[n % pages.size()])
            drawBand(*s.band, s.from, s.to, s.y);
        double y = room;
        for (const ReportBand& band : m_report.bands())
            if (band.placement == ReportBand::Placement::PageFooter) {
                drawBand(band, 0, band.height, y);
                y += band.height;
            }
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw ReportError("The printer failed while printing " + m_report.name().toStdString());
}

bool ReportRenderer::print(QWidget* parent) const {
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer);
    if (!platform().printDialog(printer, parent))
        return false;
    render(printer);
    return true;
}

void ReportRenderer::preview(QWidget* parent) const {
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer);
    // The preview window asks for the pages from inside its own event handling, where an
    // exception must not pass: keep the failure and report it once the window has closed.
    std::optional<ReportError> failure;
    platform().printPreview(
        printer,
        [&](QPrinter* target) {
            try {
                render(*target);
            } catch (const ReportError& e) {
                failure = e;
            }
        },
        parent);
    if (failure)
        throw *failure;
}

void ReportRenderer::writePdf(const QString& path) const {
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    render(printer);
}
