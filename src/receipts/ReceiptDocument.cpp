#include "ReceiptDocument.h"

#include "Currency.h"
#include "ReceiptArt.h"
#include "TSchedaRicevuta.h"
#include "storage/Text.h"

#include <array>

namespace {

using R = TSchedaRicevuta;

enum class Shape { Line, Box, Field, Caption, Picture, Euro, Comma, Scissors };
// White, or the colour of the copy's boxes.
enum class Fill { White, Tint };
enum class Style { Regular, Bold, BoldItalic };
// A stamp caption lies a little apart in each copy and may say the copy's own words; the bar
// says whose copy it is.
enum class Role { Plain, Stamp, Bar };

struct Item {
    Shape shape;
    const char* name; // a field's or a picture's name, a caption's words
    double left;
    double top;
    double width;
    double height;
    double points = 0;
    Style style = Style::Regular;
    Qt::Alignment align = Qt::AlignLeft;
    Fill fill = Fill::White;
    Role role = Role::Plain;
};

constexpr Item line(double left, double top, double width, double height) {
    return {Shape::Line, nullptr, left, top, width, height};
}
constexpr Item box(double left, double top, double width, double height, Fill fill) {
    return {Shape::Box, nullptr, left, top, width, height, 0, Style::Regular, Qt::AlignLeft, fill};
}
constexpr Item field(const char* name, double left, double top, double width, double height, double points,
                     Style style = Style::Regular, Qt::Alignment align = Qt::AlignLeft) {
    return {Shape::Field, name, left, top, width, height, points, style, align};
}
constexpr Item caption(const char* words, double left, double top, double width, double height, double points,
                       Style style = Style::Regular, Qt::Alignment align = Qt::AlignLeft,
                       Role role = Role::Plain) {
    return {Shape::Caption, words, left, top, width, height, points, style, align, Fill::White, role};
}
constexpr Item art(Shape shape, double left, double top, double width, double height) {
    return {shape, nullptr, left, top, width, height};
}

constexpr Style kB = Style::Bold;
constexpr Style kBI = Style::BoldItalic;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight;

// The payer's copy. The receiver's copy is the same, kSecondCopy lower.
// clang-format off
constexpr Item kCopy[] = {
    line(10, 10, 190, 0),
    line(10, 10, 0, 115),
    line(200, 10, 0, 115),
    {Shape::Picture, "imgLogo", 14, 14, 39.4, 22},
    field("txtRicevente01", 55, 14, 87, 4, 9),
    field("txtRicevente02", 55, 20, 87, 4, 9),
    field("txtRicevente03", 55, 26, 87, 4, 9),
    field("txtRicevente04", 55, 32, 87, 4, 9),
    box(144, 14, 52, 9, Fill::Tint),
    field("txtNumRic",      146, 16, 49, 5, 12, kB),
    box(144, 27, 52, 9, Fill::Tint),
    field("txtData",        146, 29, 49, 5, 12),
    box(14, 39, 182, 39, Fill::White),
    caption("Riceviamo da",            17,    41, 24,   4.4, 9, kBI),
    field("txtPagatore",               42,    41, 88,   4.4, 9),
    caption("codice fiscale:",         131,   41, 26,   4.4, 9, kBI),
    field("txtCodFisc",                158,   41, 36,   4.4, 9),
    caption("per l'attività sportiva", 17,    46, 34,   4.4, 9, kBI),
    field("txtSport",                  52,    46, 78,   4.4, 9),
    caption("dal",                     131,   46, 7.4,  4.4, 9, kBI),
    field("txtDal",                    139.4, 46, 23,   4.4, 9),
    caption("al",                      164,   46, 6,    4.4, 9, kBI),
    field("txtAl",                     171,   46, 23,   4.4, 9),
    art(Shape::Euro, 17, 53, 6.4, 6),
    box(25, 53, 169, 6, Fill::Tint),
    field("txtImpLettere",             26.2,  54, 167,  4,   9),
    caption("(IN LETTERE)",            25,    60, 169,  3.4, 7, Style::Regular, kCentre),
    caption("Praticante:",             17,    66, 19,   4.4, 9, kBI),
    field("txtPraticante",             37,    66, 63,   4.4, 9),
    caption("luogo di nascita:",       101,   66, 28,   4.4, 9, kBI),
    field("txtLuogoNasc",              130,   66, 64,   4.4, 9),
    caption("data di nascita:",        17,    71, 26,   4.4, 9, kBI),
    field("txtDataNasc",               44,    71, 23,   4.4, 9),
    caption("indirizzo:",              68,    71, 16.4, 4.4, 9, kBI),
    field("txtIndirizzo",              85,    71, 109,  4.4, 9),
    caption("Pagamento:",              72,    82, 19,   4.4, 9, kBI),
    field("txtPagamento",              92,    82, 104,  4.4, 9),
    caption("TOTALE :",                80,    88.8, 37, 8,   18, Style::Regular, kRight),
    art(Shape::Euro, 119, 88, 9.4, 9),
    box(131, 88, 51, 9, Fill::White),
    field("txtImporto",                132,   89.2, 49, 7,   16, kB, kRight),
    art(Shape::Comma, 182.8, 94, 1.4, 3),
    box(185, 88, 11, 9, Fill::Tint),
    field("txtCents",                  186,   89.2, 9,  7,   16, kB, kCentre),
    caption("(IN CIFRE)",              131,   98, 65,   3.4, 7, Style::Regular, kCentre),
    line(99, 116, 90, 0),
    caption("(FIRMA)",                 99,    117, 90,  3.4, 7, Style::Regular, kCentre),
    box(10, 125, 190, 6, Fill::Tint),
    caption(nullptr,                   11.5,  126, 187, 4.4, 8, Style::Regular, Qt::AlignLeft, Role::Bar),
    // Between the amount and the signature: the stamp duty, then whether the sheet is a duplicate or
    // the receipt was cancelled.
    field("txtBollo",                  72,    103.5, 124, 4, 7),
    field("txtStato",                  72,    108, 124, 7,   16, kB, kCentre),
};

// The box where the revenue stamp goes, printed only when one is due.
constexpr Item kStampBox[] = {
    box(14, 81, 55, 40, Fill::White),
    caption(nullptr,                   15,    96, 53,   5,   8, Style::Regular, kCentre, Role::Stamp),
    caption("(OVE RICHIESTO)",         15,    101, 53,  5,   8, Style::Regular, kCentre, Role::Stamp),
};
// clang-format on

const QString kExempt =
    QStringLiteral("Esente da imposta di bollo ai sensi dell'art. 27-bis, Tabella B, D.P.R. 642/1972");
const QString kStampPaid = QStringLiteral("Imposta di bollo assolta (euro 2,00)");

// Where a copy lies and how it differs from the other.
struct Copy {
    double down;
    const char* suffix;
    QRgb tint;
    const char* stamp;
    // The stamp captions of the receiver's copy sit half a millimetre right and 0.4 lower.
    double stampRight;
    double stampDown;
    const char* bar;
};

constexpr Copy kCopies[] = {
    {0, "", 0xFFF0F8FF, "BOLLO VIGENTE", 0, 0, "COPIA PER IL PAGATORE"},
    {ReceiptDocument::kSecondCopy, "_B", 0xFFFFFAFA, "BOLLO APPOSTO SULL'ORIGINALE", 0.5, 0.4,
     "COPIA PER IL RICEVENTE"},
};

// What each text box of a copy says: a fixed beginning, a field, and for the words the cents
// after a slash.
struct Filling {
    const char* name;
    const char16_t* before;
    QString R::*field;
    const char16_t* between = nullptr;
    QString R::*then = nullptr;
};

// clang-format off
constexpr Filling kFillings[] = {
    {"txtNumRic",      u"Ricevuta n. ", &R::NumeroRicevuta},
    {"txtData",        u"Data:  ",      &R::DataRicevuta},
    {"txtRicevente01", u"",             &R::Ricevente1},
    {"txtRicevente02", u"",             &R::Ricevente2},
    {"txtRicevente03", u"",             &R::Ricevente3},
    {"txtRicevente04", u"",             &R::Ricevente4},
    {"txtPagatore",    u"",             &R::Pagatore},
    {"txtCodFisc",     u"",             &R::CodiceFiscalePagatore},
    {"txtSport",       u"",             &R::AttivitaSportiva},
    {"txtDal",         u"",             &R::PeriodoDal},
    {"txtAl",          u"",             &R::PeriodoAl},
    {"txtPraticante",  u"",             &R::Praticante},
    {"txtLuogoNasc",   u"",             &R::LuogoNascitaPraticante},
    {"txtDataNasc",    u"",             &R::DataNascitaPraticante},
    {"txtIndirizzo",   u"",             &R::IndirizzoPraticante},
    {"txtImpLettere",  u"",             &R::ImportoLettere, u"/", &R::CentesimiLettere},
    {"txtImporto",     u"",             &R::ImportoEuro},
    {"txtCents",       u"",             &R::ImportoCentesimi},
};
// clang-format on

// The sheet's single cut line between the copies: scissors and a row of a hundred hyphens.
constexpr auto kHyphens = [] {
    std::array<char, 101> row{};
    for (std::size_t i = 0; i + 1 < row.size(); ++i)
        row[i] = '-';
    return row;
}();
constexpr Item kCutLine[] = {
    art(Shape::Scissors, 10, 144.6, 9.4, 9),
    caption(kHyphens.data(), 16, 143.2, 185, 8, 18),
};

TextStyle styleOf(const Item& item) {
    return {.pointSize = item.points,
            .bold = item.style != Style::Regular,
            .italic = item.style == Style::BoldItalic,
            .align = item.align | Qt::AlignVCenter};
}

QString textOf(const Filling& f, const R& receipt) {
    QString text = QString::fromUtf16(f.before) + Text::trimBlanks(receipt.*f.field);
    if (f.then)
        text += QString::fromUtf16(f.between) + Text::trimBlanks(receipt.*f.then);
    return text;
}

ReportElement::Paint painter(Shape shape) {
    switch (shape) {
    case Shape::Euro:
        return [](QPainter& p, const QRectF& box) { ReceiptArt::euroSign(p, box); };
    case Shape::Comma:
        return ReceiptArt::comma;
    default:
        return ReceiptArt::scissors;
    }
}

void place(ReportTemplate& sheet, const Item& item, const Copy& copy) {
    QRectF at(item.left, item.top + copy.down, item.width, item.height);
    if (item.role == Role::Stamp)
        at.translate(copy.stampRight, copy.stampDown);
    switch (item.shape) {
    case Shape::Line:
        sheet.add(ReportElement::makeLine(at));
        break;
    case Shape::Box:
        sheet.add(ReportElement::makeRect(
            at, item.fill == Fill::Tint ? QColor::fromRgba(copy.tint) : QColor(Qt::white), Qt::black));
        break;
    case Shape::Field:
        sheet.add(ReportElement::makeText(QString::fromLatin1(item.name) + QString::fromLatin1(copy.suffix),
                                          at, styleOf(item)));
        break;
    case Shape::Caption: {
        const char* words = item.role == Role::Bar ? copy.bar : item.name ? item.name : copy.stamp;
        sheet.add(ReportElement::makeText({}, at, styleOf(item), QString::fromUtf8(words)));
        break;
    }
    case Shape::Picture:
        sheet.add(ReportElement::makePicture(
            QString::fromLatin1(item.name) + QString::fromLatin1(copy.suffix), at));
        break;
    case Shape::Euro:
    case Shape::Comma:
    case Shape::Scissors:
        sheet.add(ReportElement::makePainted({}, at, painter(item.shape)));
        break;
    }
}

} // namespace

namespace ReceiptDocument {

ReportTemplate make(const TSchedaRicevuta& receipt, const QImage& logo, const Marks& marks) {
    const std::optional<Currency> amount = Currency::parse(Text::trimBlanks(receipt.ImportoTotale));
    const bool stamped = !marks.stampExempt && amount &&
                         amount->units > Currency::parse(QString::fromLatin1(kStampThreshold))->units;
    const QString stamp = marks.stampExempt ? kExempt : stamped ? kStampPaid : QString();
    QStringList state;
    if (marks.cancelled)
        state << QStringLiteral("ANNULLATA");
    if (marks.duplicate)
        state << QStringLiteral("DUPLICATO");
    ReportTemplate sheet(QStringLiteral("Ricevuta di Pagamento"));
    // Every position is measured from the sheet's corner.
    sheet.setMargins(QMarginsF());
    for (const Copy& copy : kCopies) {
        for (const Item& item : kCopy)
            place(sheet, item, copy);
        if (stamped)
            for (const Item& item : kStampBox)
                place(sheet, item, copy);
        const QString suffix = QString::fromLatin1(copy.suffix);
        sheet.setPicture(QStringLiteral("imgLogo") + suffix, logo);
        for (const Filling& f : kFillings)
            sheet.setText(QString::fromLatin1(f.name) + suffix, textOf(f, receipt));
        sheet.setText(QStringLiteral("txtPagamento") + suffix, Text::trimBlanks(marks.method));
        sheet.setText(QStringLiteral("txtBollo") + suffix, stamp);
        sheet.setText(QStringLiteral("txtStato") + suffix, state.join(QStringLiteral(" - ")));
    }
    // The cut line stands where it is drawn, as the payer's copy does.
    for (const Item& item : kCutLine)
        place(sheet, item, kCopies[0]);
    return sheet;
}

} // namespace ReceiptDocument
