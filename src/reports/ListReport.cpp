#include "ListReport.h"

#include "storage/DateText.h"

namespace {

// The page is measured in millimetres; the list's own measures come from the screen's 96 units
// per inch: one line of the list font is 12.822 units, its band 10 units taller.
constexpr double kUnit = 25.4 / 96;
constexpr double kLinePitch = 12.822 * kUnit;
constexpr double kWidth = 297 - 10 - 10;
const QColor kSlateGrey(0x70, 0x80, 0x90);

ReportTemplate blank() {
    ReportTemplate report(QStringLiteral("Riepilogo dati"), QPageLayout::Landscape);
    report.setMargins(QMarginsF(10, 10, 10, 10));

    ReportBand title{ReportBand::Placement::Flow, 10, {}};
    title.elements.append(ReportElement::makeText(QStringLiteral("txtTitolo"), QRectF(0, 0, kWidth, 7),
                                                  {.family = QStringLiteral("Verdana"),
                                                   .pointSize = 9,
                                                   .bold = true,
                                                   .color = Qt::white,
                                                   .align = Qt::AlignCenter},
                                                  {}, kSlateGrey));
    report.add(title);

    ReportBand data{ReportBand::Placement::Flow, kLinePitch + 10 * kUnit, {}};
    data.elements.append(ReportElement::makeText(QStringLiteral("txtRiepilogo"),
                                                 QRectF(0, 5 * kUnit, kWidth, kLinePitch),
                                                 {.family = QStringLiteral("Courier New"),
                                                  .pointSize = 8,
                                                  .align = Qt::AlignLeft | Qt::AlignTop,
                                                  .linePitch = kLinePitch}));
    report.add(data);

    ReportBand footer{ReportBand::Placement::PageFooter, 8, {}};
    footer.elements.append(ReportElement::makeText(QStringLiteral("txtData"), QRectF(0, 1, kWidth, 6),
                                                   {.family = QStringLiteral("Verdana"),
                                                    .pointSize = 8,
                                                    .bold = true,
                                                    .color = Qt::white,
                                                    .align = Qt::AlignCenter},
                                                   {}, kSlateGrey));
    // Empty unless a list numbers its pages (ReportRenderer's page tokens).
    footer.elements.append(ReportElement::makeText(QStringLiteral("txtPagina"), QRectF(kWidth - 62, 1, 60, 6),
                                                   {.family = QStringLiteral("Verdana"),
                                                    .pointSize = 8,
                                                    .bold = true,
                                                    .color = Qt::white,
                                                    .align = Qt::AlignRight | Qt::AlignVCenter}));
    report.add(footer);
    return report;
}

} // namespace

namespace ListReport {

ReportTemplate make(const QString& title, const QStringList& lines, const QDate& printDate,
                    const QTime& printTime) {
    ReportTemplate report = blank();
    report.setText(QStringLiteral("txtTitolo"), title);
    report.setText(QStringLiteral("txtRiepilogo"), lines.join(u'\n'));
    report.setHeight(QStringLiteral("txtRiepilogo"), lines.size() * kLinePitch);
    QString printed = QStringLiteral("Stampa eseguita in data ") + DateText::format(printDate);
    if (printTime.isValid())
        printed += QStringLiteral(" alle ore ") + printTime.toString(QStringLiteral("HH:mm"));
    report.setText(QStringLiteral("txtData"), printed);
    return report;
}

} // namespace ListReport
