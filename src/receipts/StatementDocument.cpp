#include "StatementDocument.h"

#include "IncomeSummary.h"
#include "TSchedaRicevutaExtra.h"
#include "reports/ReportError.h"
#include "storage/DateText.h"

namespace {

using YearlyStatement::Column;
using YearlyStatement::Detail;

constexpr double kMargin = 15;
constexpr double kWidth = 210 - 2 * kMargin;
// The receipts' rows: one line each, all columns at the same pitch so their lines stay side by side.
constexpr double kRowPitch = 4.6;
const QColor kLightBlue(0xF0, 0xF8, 0xFF);

const QString kNote = QStringLiteral(
    "La detrazione dall'imposta lorda del 19% delle spese per l'iscrizione annuale e l'abbonamento ad "
    "associazioni sportive, palestre, piscine e altre strutture destinate alla pratica sportiva "
    "dilettantistica spetta per i ragazzi di età compresa tra 5 e 18 anni, su un importo non superiore "
    "a 210 euro per ciascun ragazzo, e solo per i pagamenti effettuati con mezzi tracciabili (bonifico "
    "bancario o postale, carta di debito, credito o prepagata, assegno bancario o circolare o altro mezzo "
    "tracciabile): i pagamenti in contanti non danno diritto alla detrazione.");

TextStyle style(double points, bool bold = false, Qt::Alignment align = Qt::AlignLeft) {
    return {.pointSize = points, .bold = bold, .align = align | Qt::AlignVCenter};
}

// A column of the receipts' table: its heading and where it lies.
struct TableColumn {
    const char* heading;
    double left;
    double width;
    Qt::Alignment align = Qt::AlignLeft;
};

// clang-format off
constexpr TableColumn kColumns[] = {
    {"Ricevuta n.", 0,   18},
    {"Data",        18,  20},
    {"Attività",    38,  40},
    {"Periodo",     78,  36},
    {"Pagamento",   114, 44},
    {"Importo",     158, 22, Qt::AlignRight},
};
// clang-format on

QString payment(int method) {
    return method < 0 ? QStringLiteral("non indicato") : TSchedaRicevutaExtra::methods().value(method);
}

// The column texts of the receipts, one line per receipt.
QStringList columnTexts(const YearlyStatement::Gathered& g, const YearlyStatement::Statement& s, int column) {
    QStringList lines;
    for (const YearlyStatement::Receipt& r : g.receiptsOf(s)) {
        switch (column) {
        case 0:
            lines << g.text(r, Column::Number);
            break;
        case 1:
            lines << g.text(r, Column::Date);
            break;
        case 2:
            lines << g.text(r, Column::Activity);
            break;
        case 3:
            lines << g.text(r, Column::From) + QStringLiteral(" - ") + g.text(r, Column::To);
            break;
        case 4:
            lines << payment(r.method);
            break;
        default:
            lines << QStringLiteral("€ ") + IncomeSummary::totalText(r.amount);
            break;
        }
    }
    return lines;
}

ReportBand page(const YearlyStatement::Gathered& g, const YearlyStatement::Statement& s,
                const QDate& printed) {
    ReportBand band{ReportBand::Placement::Flow, 0, {}, true};
    QList<ReportElement>& e = band.elements;
    double y = 0;
    const auto text = [&](const QString& words, double height, const TextStyle& st, double left = 0,
                          double width = kWidth) {
        e.append(ReportElement::makeText({}, QRectF(left, y, width, height), st, words));
    };

    e.append(
        ReportElement::makeText({}, QRectF(0, 0, kWidth, 14),
                                {.pointSize = 12, .bold = true, .align = Qt::AlignCenter, .wordWrap = true},
                                StatementDocument::title(g.year), kLightBlue, Qt::black));
    y = 18;
    const QStringList association = g.association(s);
    for (const QString& line : association) {
        text(line, 5, style(10, line == association.first(), Qt::AlignHCenter));
        y += 5;
    }
    y += 6;
    text(QStringLiteral("Si attesta che sono state versate a questa associazione sportiva dilettantistica, "
                        "nell'anno %1, le somme sotto indicate per l'attività sportiva del praticante.")
             .arg(g.year),
         10, {.pointSize = 10, .align = Qt::AlignLeft | Qt::AlignTop, .wordWrap = true});
    y += 13;

    const auto pair = [&](const QString& caption, const QString& value, double left, double width) {
        text(caption, 5, {.pointSize = 10, .bold = true, .italic = true}, left, 34);
        text(value, 5, style(10), left + 34, width - 34);
    };
    text(QStringLiteral("PAGATORE"), 5, style(10, true));
    y += 6;
    pair(QStringLiteral("Cognome e nome:"), g.text(s, Detail::Payer), 0, 110);
    pair(QStringLiteral("Codice fiscale:"), g.text(s, Detail::PayerCode), 110, 70);
    y += 9;
    text(QStringLiteral("PRATICANTE"), 5, style(10, true));
    y += 6;
    pair(QStringLiteral("Cognome e nome:"), g.text(s, Detail::Practitioner), 0, 180);
    y += 5.5;
    pair(QStringLiteral("Luogo di nascita:"), g.text(s, Detail::BirthPlace), 0, 110);
    pair(QStringLiteral("Data di nascita:"), g.text(s, Detail::BirthDate), 110, 70);
    y += 10;

    for (const TableColumn& c : kColumns)
        e.append(ReportElement::makeText({}, QRectF(c.left, y, c.width, 6), style(9, true, c.align),
                                         QString::fromUtf8(c.heading), kLightBlue, Qt::black));
    y += 7;
    const double rows = std::max<double>(double(s.count), 1) * kRowPitch;
    for (int column = 0; column < int(std::size(kColumns)); ++column) {
        const TableColumn& c = kColumns[column];
        e.append(
            ReportElement::makeText({}, QRectF(c.left, y, c.width, rows),
                                    {.pointSize = 9, .align = c.align | Qt::AlignTop, .linePitch = kRowPitch},
                                    columnTexts(g, s, column).join(u'\n')));
    }
    y += rows + 1;
    e.append(ReportElement::makeLine(QRectF(0, y, kWidth, 0)));
    y += 2;
    text(QStringLiteral("Totale versato nell'anno %1:").arg(g.year), 6, style(10, true), 0, 150);
    text(QStringLiteral("€ ") + IncomeSummary::totalText(s.total), 6, style(10, true, Qt::AlignRight), 150,
         30);
    y += 6;
    text(QStringLiteral("di cui pagato con mezzi tracciabili:"), 6, style(10, true), 0, 150);
    text(QStringLiteral("€ ") + IncomeSummary::totalText(s.traceable), 6, style(10, true, Qt::AlignRight),
         150, 30);
    y += 10;
    text(kNote, 26,
         {.pointSize = 8.5, .italic = true, .align = Qt::AlignLeft | Qt::AlignTop, .wordWrap = true});
    y += 30;
    text(QStringLiteral("Data: ") + DateText::format(printed), 5, style(10), 0, 60);
    y += 14;
    e.append(ReportElement::makeLine(QRectF(100, y, 80, 0)));
    y += 1;
    text(QStringLiteral("(FIRMA)"), 4, style(7, false, Qt::AlignHCenter), 100, 80);
    band.height = y + 5;
    return band;
}

} // namespace

namespace StatementDocument {

QString title(const QString& year) {
    return QStringLiteral(
               "Attestazione delle spese sostenute per attività sportive dilettantistiche - anno ") +
           year;
}

ReportTemplate make(const YearlyStatement::Gathered& gathered,
                    const std::vector<const YearlyStatement::Statement*>& chosen, const QDate& printed) {
    if (chosen.empty())
        throw ReportError("No statement to print");
    ReportTemplate report(QStringLiteral("Attestazione annuale"));
    report.setMargins(QMarginsF(kMargin, kMargin, kMargin, kMargin));
    for (const YearlyStatement::Statement* s : chosen)
        report.add(page(gathered, *s, printed));
    return report;
}

} // namespace StatementDocument
