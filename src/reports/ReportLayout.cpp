#include "ReportLayout.h"

#include "ReportError.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMmPerInch = 25.4;

} // namespace

ReportLayout::ReportLayout(const ReportTemplate& report, const QSizeF& sheet, const QPaintDevice& device)
    : m_device(device), m_k(device.logicalDpiY() / kMmPerInch) {
    const QMarginsF& margins = report.margins();
    double footers = 0;
    for (const ReportBand& band : report.bands())
        if (band.placement == ReportBand::Placement::PageFooter)
            footers += band.height;
    m_width = sheet.width() - margins.left() - margins.right();
    m_room = sheet.height() - margins.top() - margins.bottom() - footers;
    if (m_width <= 0 || m_room <= 0)
        throw ReportError("The margins of the report " + report.name().toStdString() + " leave no room");

    QList<ReportPagination::Band> flow;
    for (const ReportBand& band : report.bands()) {
        if (band.placement != ReportBand::Placement::Flow)
            continue;
        ReportPagination::Band extent{band.height, {}, band.newPage};
        for (const ReportElement& e : band.elements)
            if (e.kind == ReportElement::Kind::Text) {
                const TextLines& t = lines(e);
                extent.texts.append({e.box.y() + t.top, t.pitch, t.lines.size(), e.box.bottom()});
            }
        flow.append(extent);
        m_flow.append(&band);
    }
    m_pages = ReportPagination::paginate(flow, m_room);
}

const TextLines& ReportLayout::lines(const ReportElement& e) const {
    auto cached = m_lines.constFind(&e);
    if (cached == m_lines.cend())
        cached = m_lines.insert(&e, lay(e));
    return *cached;
}

std::pair<qsizetype, qsizetype> ReportLayout::linesBetween(const ReportElement& e, double from,
                                                           double to) const {
    const TextLines& t = lines(e);
    const double start = e.box.y() + t.top;
    const auto clamp = [&t](double index) {
        return qsizetype(std::clamp(index, 0.0, double(t.lines.size())));
    };
    return {clamp(std::floor((from - start) / t.pitch)), clamp(std::ceil((to - start) / t.pitch))};
}

TextLines ReportLayout::lay(const ReportElement& e) const {
    const QFont font = e.style.font();
    TextLines t;
    t.pitch = e.style.linePitch > 0 ? e.style.linePitch : QFontMetricsF(font, &m_device).lineSpacing() / m_k;
    const QStringList paragraphs =
        QString(e.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
    if (!e.style.wordWrap || e.text.isEmpty()) {
        t.lines = e.text.isEmpty() ? QStringList() : paragraphs;
    } else {
        for (const QString& paragraph : paragraphs)
            t.lines += wrapped(paragraph, font, (e.box.width() - 2 * kTextInset) * m_k);
    }
    const double block = t.lines.size() * t.pitch;
    if (e.style.align & Qt::AlignBottom)
        t.top = e.box.height() - block;
    else if (e.style.align & Qt::AlignVCenter)
        t.top = (e.box.height() - block) / 2;
    return t;
}

QStringList ReportLayout::wrapped(const QString& paragraph, const QFont& font, double width) const {
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
