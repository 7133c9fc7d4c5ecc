#include "EntrySlip.h"

#include "storage/DateText.h"
#include "storage/Text.h"

namespace {

using R = TSchedaIngresso;

// A line of a copy: the caption in the left column, the value object in the right one.
struct Line {
    const char* caption; // UTF-8
    const char* value;
    QString R::*member;
};

constexpr Line kLines[] = {
    {"Data ingresso:", "txtDataRit", &R::DataIngresso},
    {"Ora ingresso:", "txtOraRit", &R::OraIngresso},
    {"Attività svolta:", "txtAttivita", &R::AttivitaSvolta},
    {"Ingressi rimanenti:", "txtIngressi", &R::IngressiRimanenti},
    {"Attrezzature utilizzate:", "txtAttrezzature", &R::Attrezzature},
    {"Cognome e nome Iscritto:", "txtTesserato", &R::CognomeNome},
    {"Codice fiscale:", "txtCodFisc", &R::CodiceFiscale},
    {"Tel. cellulare:", "txtRecapito", &R::TelCellulare},
    {"Tessera n.", "txtNumTessera", &R::NumeroTessera},
    {"E-mail:", "txtEmail", &R::Email},
    {"Note:", "txtNote", &R::Note},
    {"Persona incaricata:", "txtIncaricato", &R::Incaricato},
};

// What tells the two copies apart: where the group lies, its names, who signs, whom it is for.
struct Copy {
    double offset; // millimetres down from the upper copy
    const char* suffix;
    const char* signature;
    const char* band;
};

constexpr Copy kCopies[] = {
    {0, "_A", "FIRMA DELL'INCARICATO:", "COPIA PER L'ISCRITTO"},
    {108, "_B", "FIRMA DELL'ABBONATO:", "COPIA PER STRUTTURA SPORTIVA"},
};

// The measures of the upper copy, in millimetres from the corner of the printable area.
constexpr double kRowTop = 7.0;
constexpr double kRowPitch = 5.0;
constexpr double kRowHeight = 4.6;
constexpr double kTextDrop = 0.5;
constexpr double kTextHeight = 3.5;

const QColor kLightSteelBlue(0xB0, 0xC4, 0xDE);
const QColor kGold(0xFF, 0xD7, 0x00);

TextStyle style(double points, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    return {.pointSize = points, .align = align};
}

void addCopy(ReportTemplate& slip, const Copy& copy) {
    const double y = copy.offset;
    const QString suffix = QString::fromLatin1(copy.suffix);
    slip.add(ReportElement::makeText({}, QRectF(1, y + 1, 188, 5.8), style(9, Qt::AlignCenter),
                                     QStringLiteral("SCHEDA INGRESSO IN PALESTRA"), kLightSteelBlue));
    const int rows = int(std::size(kLines));
    for (int i = 0; i < rows; ++i) {
        const double top = y + kRowTop + i * kRowPitch;
        slip.add(ReportElement::makeRect(QRectF(1, top, 188, kRowHeight), {}, Qt::black));
        slip.add(ReportElement::makeText({}, QRectF(2, top + kTextDrop, 37.8, kTextHeight), style(7),
                                         QString::fromUtf8(kLines[i].caption)));
        slip.add(ReportElement::makeText(QString::fromLatin1(kLines[i].value) + suffix,
                                         QRectF(44, top + kTextDrop, 144, kTextHeight), style(7)));
    }
    slip.add(ReportElement::makeLine(QRectF(42, y + kRowTop, 0, (rows - 1) * kRowPitch + kRowHeight)));
    slip.add(ReportElement::makeText({}, QRectF(1, y + 71, 58, kTextHeight), style(7, Qt::AlignCenter),
                                     QString::fromUtf8(copy.signature)));
    slip.add(ReportElement::makeLine(QRectF(1, y + 80, 58, 0)));
    slip.add(ReportElement::makeText({}, QRectF(109, y + 74, 80, 5.8), style(9, Qt::AlignCenter),
                                     QString::fromUtf8(copy.band), kLightSteelBlue));
    slip.add(ReportElement::makeLine(QRectF(0, y + 95, 190, 0)));
}

ReportTemplate blank() {
    ReportTemplate slip(QStringLiteral("Scheda Ingresso"), QPageLayout::Portrait);
    slip.setMargins(QMarginsF(10, 10, 10, 10));
    for (const Copy& copy : kCopies)
        addCopy(slip, copy);
    slip.add(ReportElement::makeText(QStringLiteral("txtCalce"), QRectF(1, 270, 188, 5.8),
                                     style(8, Qt::AlignCenter), {}, kGold));
    return slip;
}

} // namespace

namespace EntrySlip {

ReportTemplate make(const TSchedaIngresso& entry, const QString& year, const QDateTime& printedAt) {
    R shown = entry;
    shown.DataIngresso =
        Text::trimBlanks(entry.Giorno) + u' ' + Text::trimBlanks(entry.Mese) + u' ' + Text::trimBlanks(year);
    shown.OraIngresso = Text::trimBlanks(entry.Ore) + u':' + Text::trimBlanks(entry.Minuti);

    ReportTemplate slip = blank();
    slip.setOrientation(QPageLayout::Portrait);
    for (const Line& line : kLines)
        for (const Copy& copy : kCopies)
            slip.setText(QString::fromLatin1(line.value) + QString::fromLatin1(copy.suffix),
                         Text::trimBlanks(shown.*line.member));
    slip.setText(QStringLiteral("txtCalce"),
                 QStringLiteral("Stampa eseguita in data ") + DateText::format(printedAt.date()) +
                     QStringLiteral(" alle ore ") + printedAt.time().toString(QStringLiteral("HH:mm:ss")));
    return slip;
}

} // namespace EntrySlip
