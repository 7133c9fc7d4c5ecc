#include "MemberSheet.h"

#include "TSchedaIscritto.h"
#include "storage/Text.h"

namespace {

using R = TSchedaIscritto;

// A field of the sheet: a strip with the caption, and right under it the framed value box.
struct SheetField {
    double top;
    double left;
    double width;
    const char* caption; // UTF-8
    const char* value;   // the value object, named like the member card's control
    QString R::*member;
    bool centred = false;
};

constexpr SheetField kFields[] = {
    {153, 1, 58, "LUOGO DI NASCITA", "txtLuogoNasc", &R::LuogoNascita},
    {153, 61, 32, "DATA DI NASCITA", "txtDataNasc", &R::DataNascita},
    {153, 95, 16, "SESSO", "txtSesso", &R::Sesso, true},
    {153, 113, 76, "INDIRIZZO", "txtIndirizzo", &R::Indirizzo},
    {167, 1, 58, "CITTA'", "txtCitta", &R::Citta},
    {167, 61, 32, "CAP", "txtCap", &R::Cap},
    {167, 95, 45, "NAZIONE", "txtNazione", &R::Nazione},
    {167, 142, 47, "CODICE FISCALE", "txtCodFisc", &R::CodiceFiscale},
    {181, 1, 92, "DATA DI SCADENZA CERTIFICATO MEDICO", "txtStudio", &R::ScadenzaCertificato},
    {181, 95, 94, "ATTIVITA' SPORTIVA", "txtEnte", &R::AttivitaSportiva},
    {195, 1, 92, "CITTADINANZA", "txtCittadinanza", &R::Cittadinanza},
    {195, 95, 45, "PESO IN KG", "txtGruppo", &R::Peso},
    {195, 142, 47, "STATURA IN CM", "txtProfessione", &R::Statura},
    {209, 1, 62, "TESSERA N.", "txtTessera", &R::NumeroTessera},
    {209, 65, 28, "QUOTA: €", "txtQuota", &R::Quota},
    {209, 95, 45, "DATA DI RILASCIO", "txtInizioTes", &R::RilascioTessera},
    {209, 142, 47, "DATA DI SCADENZA", "txtFineTes", &R::ScadenzaTessera},
    {223, 1, 92, "E-MAIL", "txtEmail", &R::Email},
    {223, 95, 45, "TEL. CASA", "txtTel", &R::TelCasa},
    {223, 142, 47, "TEL. CELLULARE", "txtCel", &R::TelCellulare},
    {237, 1, 92, "PRATICANTE", "txtArmi", &R::Praticante},
    {237, 95, 94, "LUOGO DI NASCITA", "txtPorto", &R::LuogoNascitaPraticante},
    {251, 1, 45, "DATA DI NASCITA", "txtInizioPor", &R::DataNascitaPraticante},
    {251, 48, 141, "INDIRIZZO", "txtFinePor", &R::IndirizzoPraticante},
    {265, 1, 188, "NOTE", "txtNote", &R::Note},
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

ReportTemplate make(const TSchedaIscritto& member, const QImage& photo) {
    ReportTemplate sheet = blank();
    sheet.setOrientation(QPageLayout::Portrait);
    sheet.setPicture(kPhoto, photo);
    sheet.setText(kTitle, Text::trimBlanks(member.CognomeNome));
    for (const SheetField& f : kFields)
        sheet.setText(QString::fromLatin1(f.value), Text::trimBlanks(member.*f.member));
    return sheet;
}

} // namespace MemberSheet
