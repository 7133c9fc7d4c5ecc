#include "MemberSheet.h"

#include "storage/Text.h"

namespace {

// A field of the sheet: a strip with the caption, and right under it the framed value box.
struct SheetField {
    double top;
    double left;
    double width;
    const char* caption; // UTF-8
    const char* value;   // the value object, named like the member card's control
    bool centred = false;
};

constexpr SheetField kFields[] = {
    {153, 1, 58, "LUOGO DI NASCITA", "txtLuogoNasc"},
    {153, 61, 32, "DATA DI NASCITA", "txtDataNasc"},
    {153, 95, 16, "SESSO", "txtSesso", true},
    {153, 113, 76, "INDIRIZZO", "txtIndirizzo"},
    {167, 1, 58, "CITTA'", "txtCitta"},
    {167, 61, 32, "CAP", "txtCap"},
    {167, 95, 45, "NAZIONE", "txtNazione"},
    {167, 142, 47, "CODICE FISCALE", "txtCodFisc"},
    {181, 1, 92, "DATA DI SCADENZA CERTIFICATO MEDICO", "txtStudio"},
    {181, 95, 94, "ATTIVITA' SPORTIVA", "txtEnte"},
    {195, 1, 92, "CITTADINANZA", "txtCittadinanza"},
    {195, 95, 45, "PESO IN KG", "txtGruppo"},
    {195, 142, 47, "STATURA IN CM", "txtProfessione"},
    {209, 1, 62, "TESSERA N.", "txtTessera"},
    {209, 65, 28, "QUOTA: €", "txtQuota"},
    {209, 95, 45, "DATA DI RILASCIO", "txtInizioTes"},
    {209, 142, 47, "DATA DI SCADENZA", "txtFineTes"},
    {223, 1, 92, "E-MAIL", "txtEmail"},
    {223, 95, 45, "TEL. CASA", "txtTel"},
    {223, 142, 47, "TEL. CELLULARE", "txtCel"},
    {237, 1, 92, "PRATICANTE", "txtArmi"},
    {237, 95, 94, "LUOGO DI NASCITA", "txtPorto"},
    {251, 1, 45, "DATA DI NASCITA", "txtInizioPor"},
    {251, 48, 141, "INDIRIZZO", "txtFinePor"},
    {265, 1, 188, "NOTE", "txtNote"},
};

constexpr double kStripHeight = 4.8;
constexpr double kValueOffset = 5;
constexpr double kValueHeight = 6;
const QColor kRoyalBlue(0x41, 0x69, 0xE1);
const QString kTitle = QStringLiteral("txtTiratore");
const QString kPhoto = QStringLiteral("imgLogo");

ReportTemplate blank() {
    ReportTemplate sheet(QStringLiteral("Scheda Iscritto"));
    sheet.setMargins(QMarginsF(10, 10, 10, 10));
    sheet.add(ReportElement::makeRect(QRectF(1, 1, 188, 8), kRoyalBlue));
    sheet.add(ReportElement::makeText(kTitle, QRectF(2, 2.2, 186, 6),
                                      {.pointSize = 12, .color = Qt::white, .align = Qt::AlignCenter}));
    sheet.add(ReportElement::makePicture(kPhoto, QRectF(1, 11, 188, 140), Qt::white));
    for (const SheetField& f : kFields) {
        sheet.add(ReportElement::makeText({}, QRectF(f.left, f.top, f.width, kStripHeight),
                                          {.pointSize = 8, .bold = true, .color = Qt::white},
                                          QString::fromUtf8(f.caption), kRoyalBlue));
        const Qt::Alignment align = (f.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
        sheet.add(ReportElement::makeText(QString::fromLatin1(f.value),
                                          QRectF(f.left, f.top + kValueOffset, f.width, kValueHeight),
                                          {.pointSize = 8, .align = align}, {}, Qt::white, Qt::black));
    }
    return sheet;
}

} // namespace

namespace MemberSheet {

ReportTemplate make(const std::function<QString(const QString& control)>& textOf, const QImage& photo) {
    ReportTemplate sheet = blank();
    sheet.setOrientation(QPageLayout::Portrait);
    sheet.setPicture(kPhoto, photo);
    sheet.setText(kTitle, Text::trimBlanks(textOf(kTitle)));
    for (const SheetField& f : kFields) {
        const QString name = QString::fromLatin1(f.value);
        sheet.setText(name, Text::trimBlanks(textOf(name)));
    }
    return sheet;
}

} // namespace MemberSheet
