#include "CardDocument.h"

#include "CardFace.h"
#include "CardQr.h"
#include "storage/Text.h"

namespace {

using Item = CardDocument::Item;
using Shape = Item::Shape;

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kNavy = 0xFF000080;
constexpr QRgb kBeige = 0xFFF5F5DC;
constexpr QRgb kBrown = 0xFFA52A2A;

constexpr Item box(double left, double top, double width, double height, QRgb fill) {
    return {Shape::Box, nullptr, nullptr, left, top, width, height, fill};
}

constexpr Item text(const char* name, double left, double top, double width, double height, double points,
                    bool bold, QRgb colour, QString CardFace::*field, const char* control = nullptr,
                    bool centred = false) {
    return {Shape::Text, name,   control, left,    top,     width, height,
            colour,      points, bold,    centred, nullptr, field, nullptr};
}

constexpr Item caption(const char* name, double left, double top, double width, double height, double points,
                       const char* words) {
    return {Shape::Text, name, nullptr, left, top, width, height, kBlack, points, false, false, words};
}

constexpr Item picture(const char* name, double left, double top, double width, double height,
                       QImage CardFace::*field) {
    return {Shape::Picture, name,  nullptr, left,    top,  width, height, 0, 0,
            false,          false, nullptr, nullptr, field};
}

constexpr bool kBold = true;
constexpr bool kCentred = true;

// clang-format off
constexpr Item kCard[] = {
    box(10.0, 10.0, 86.0, 54.0, kWhite),
    box(11.0, 11.0, 83.8, 12.0, kNavy),
    text("txtAssociazione",  12.0, 12.0, 54.0, 3.8, 8,   kBold,  kWhite, &CardFace::association, "titAssociazione"),
    text("txtSottotitolo01", 12.0, 15.7, 54.0, 3.7, 7,   !kBold, kWhite, &CardFace::address,     "titSottotitolo01"),
    text("txtSottotitolo02", 12.0, 19.0, 54.0, 3.7, 7,   !kBold, kWhite, &CardFace::contacts,    "titSottotitolo02"),
    picture("imgFoto",       12.0, 25.8, 26.0, 28.8, &CardFace::photo),
    text("txtTesserato",     40.0, 25.0, 55.0, 4.0, 9,   kBold,  kBlack, &CardFace::member),
    text("txtCarica",        40.0, 29.0, 55.0, 3.8, 7.3, kBold,  kBlack, &CardFace::activity),
    text("txtNumTessera",    40.0, 33.8, 31.0, 3.5, 7.3, kBold,  kBrown, &CardFace::number),
    caption("titDataRil",    40.0, 38.0, 23.0, 3.4, 7,   "Data rilascio:"),
    box(40.0, 42.0, 25.0, 4.0, kBeige),
    text("txtDataRil",       41.4, 42.6, 22.2, 3.0, 7.3, kBold,  kBlack, &CardFace::issued,  nullptr, kCentred),
    caption("titDataScade",  40.0, 47.0, 23.0, 3.4, 7,   "Data scadenza:"),
    box(40.0, 51.0, 25.0, 4.0, kBeige),
    text("txtDataScade",     41.4, 51.6, 22.2, 3.0, 7.3, kBold,  kBlack, &CardFace::expires, nullptr, kCentred),
    picture("imgLogo",       72.2, 34.4, 22.0, 21.0, &CardFace::logo),
    box(11.0, 57.0, 83.8, 6.0, kNavy),
    text("txtAnnotazioni",   12.0, 58.0, 82.0, 3.8, 8,   kBold,  kWhite, &CardFace::note, "titAnnotazioni", kCentred),
};
// clang-format on

// Right of the association's lines, inside the header band with half a millimetre of navy around:
// 11 mm hold a symbol of the longest code with modules of about a quarter of a millimetre.
constexpr QRectF kAccessCode(83.3, 11.5, 11.0, 11.0);

QRectF boxOf(const Item& item) {
    return {item.left, item.top, item.width, item.height};
}

} // namespace

namespace CardDocument {

std::span<const Item> items() {
    return kCard;
}

QRectF cardBox() {
    return boxOf(kCard[0]);
}

QString textOf(const Item& item, const CardFace& face) {
    if (item.caption)
        return QString::fromUtf8(item.caption);
    return item.text ? Text::trimBlanks(face.*item.text) : QString();
}

ReportTemplate make(const CardFace& face, bool accessCode) {
    ReportTemplate card(QStringLiteral("Tesserino"));
    card.setMargins(QMarginsF());
    for (const Item& item : kCard) {
        const QString name = item.name ? QString::fromLatin1(item.name) : QString();
        switch (item.shape) {
        case Shape::Box:
            card.add(ReportElement::makeRect(boxOf(item), QColor::fromRgba(item.colour)));
            break;
        case Shape::Text: {
            const TextStyle style{.pointSize = item.points,
                                  .bold = item.bold,
                                  .color = QColor::fromRgba(item.colour),
                                  .align =
                                      (item.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter};
            card.add(ReportElement::makeText(name, boxOf(item), style, textOf(item, face)));
            break;
        }
        case Shape::Picture:
            card.add(ReportElement::makePicture(name, boxOf(item)));
            card.setPicture(name, face.*item.picture);
            break;
        }
    }
    if (accessCode && !face.accessCode.isEmpty())
        card.add(CardQr::element(QStringLiteral("imgCodiceQR"), kAccessCode, face.accessCode));
    return card;
}

} // namespace CardDocument
