#include "PdfTools.h"
#include "TestMain.h"
#include "cards/CardDocument.h"
#include "cards/CardFace.h"
#include "members/TSchedaIscritto.h"
#include "reports/ReportRenderer.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kPixelsPerMm = 4;

CardFace sampleFace() {
    CardFace face;
    face.association = QStringLiteral("  A.S.D. Palestra Olimpia  ");
    face.address = QStringLiteral("Via Roma 1, Forlì");
    face.contacts = QStringLiteral("Tel. 0543 123456");
    face.note = QStringLiteral("Stagione sportiva 2024");
    face.logo = QImage(119, 118, QImage::Format_RGB32);
    face.logo.fill(Qt::green);
    TSchedaIscritto member;
    member.CognomeNome = QStringLiteral("Rossi Mario ");
    member.AttivitaSportiva = QStringLiteral("Nuoto");
    member.NumeroTessera = QStringLiteral("A-0042");
    member.RilascioTessera = QStringLiteral("01/01/2024");
    member.ScadenzaTessera = QStringLiteral("31/12/2024");
    QImage photo(100, 400, QImage::Format_RGB32);
    photo.fill(Qt::red);
    face.showMember(member, photo, 7);
    return face;
}

QString writePdf(const ReportTemplate& card, const QTemporaryDir& dir) {
    const QString pdf = dir.filePath(QStringLiteral("tesserino.pdf"));
    ReportRenderer(card).writePdf(pdf);
    return pdf;
}

bool near(QRgb pixel, QColor colour) {
    return qAbs(qRed(pixel) - colour.red()) < 40 && qAbs(qGreen(pixel) - colour.green()) < 40 &&
           qAbs(qBlue(pixel) - colour.blue()) < 40;
}

// The first pixel of `colour`, row by row from the top of the page, in millimetres.
QPointF firstOf(const QImage& page, QColor colour) {
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (near(page.pixel(x, y), colour))
                return QPointF(x, y) / kPixelsPerMm;
    return {-1, -1};
}

// The columns of row `mm` that show `colour`, in millimetres, first and last, looked for between
// `fromMm` and `toMm`.
std::pair<double, double> spanOf(const QImage& page, double rowMm, QColor colour, double fromMm = 0,
                                 double toMm = 1000) {
    const int y = int(rowMm * kPixelsPerMm);
    int first = -1, last = -1;
    for (int x = int(fromMm * kPixelsPerMm); x < qMin(page.width(), int(toMm * kPixelsPerMm)); ++x)
        if (near(page.pixel(x, y), colour)) {
            if (first < 0)
                first = x;
            last = x;
        }
    return {double(first) / kPixelsPerMm, double(last) / kPixelsPerMm};
}

} // namespace

class CardDocumentTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cardShowsTheFaceWithoutBlanks() {
        QTemporaryDir dir;
        const QString text = PdfTools::text(writePdf(CardDocument::make(sampleFace()), dir));
        for (const char* line : {"A.S.D. Palestra Olimpia", "Via Roma 1, Forlì", "Tel. 0543 123456",
                                 "Rossi Mario", "Nuoto", "A-0042", "Data rilascio:", "01/01/2024",
                                 "Data scadenza:", "31/12/2024", "Stagione sportiva 2024"})
            QVERIFY2(text.contains(QString::fromUtf8(line)), line);
        // The card number goes bare: the screen's caption is only a placeholder.
        QVERIFY(!text.contains(QStringLiteral("Tessera n.")));
        QCOMPARE(PdfTools::pageCount(dir.filePath(QStringLiteral("tesserino.pdf"))), 1);
    }

    void emptyCardPrintsThePlaceholders() {
        QTemporaryDir dir;
        CardFace face;
        const QString text = PdfTools::text(writePdf(CardDocument::make(face), dir));
        for (const char* line : {"Cognome e nome Iscritto", "Attività sportiva", "Tessera n.", "GG/MM/AAAA"})
            QVERIFY2(text.contains(QString::fromUtf8(line)), line);
    }

    void cardCornerFollowsTheMargins_data() {
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("left");
        QTest::addColumn<QPageLayout::Orientation>("orientation");
        // clang-format off
        QTest::newRow("no margins")          << 0  << 0 << QPageLayout::Portrait;
        QTest::newRow("top -3")              << -3 << 0 << QPageLayout::Portrait;
        QTest::newRow("left 12, landscape")  << 5  << 12 << QPageLayout::Landscape;
        QTest::newRow("negative left")       << 0  << -4 << QPageLayout::Portrait;
        // clang-format on
    }
    void cardCornerFollowsTheMargins() {
        QFETCH(int, top);
        QFETCH(int, left);
        QFETCH(QPageLayout::Orientation, orientation);
        ReportTemplate card = CardDocument::make(sampleFace());
        card.setOrientation(orientation);
        card.setTopLeftMargins(top, left);
        QTemporaryDir dir;
        const QImage page = PdfTools::firstPage(writePdf(card, dir), kPixelsPerMm);
        QCOMPARE(page.width() > page.height(), orientation == QPageLayout::Landscape);
        // The header band lies 1 mm inside the card's corner.
        const QPointF band = firstOf(page, QColor(0, 0, 128));
        QVERIFY2(qAbs(band.x() - (11 + left)) <= 0.5 && qAbs(band.y() - (11 + top)) <= 0.5,
                 qPrintable(QStringLiteral("header band at %1, %2 mm").arg(band.x()).arg(band.y())));
    }

    void longNameIsCutAtItsBox() {
        CardFace face = sampleFace();
        face.association = QStringLiteral("Associazione Sportiva Dilettantistica Polisportiva "
                                          "Giovanile Olimpia di Forlì e Cesena");
        QTemporaryDir dir;
        const QString pdf = writePdf(CardDocument::make(face), dir);
        const QString text = PdfTools::text(pdf);
        QVERIFY(text.contains(QStringLiteral("Associazione Sportiva")));
        QVERIFY(!text.contains(QStringLiteral("Cesena")));
        // Inside the header band, nothing white in the name's row beyond its box (12 + 54 mm).
        const QImage page = PdfTools::firstPage(pdf, kPixelsPerMm);
        const auto [first, last] = spanOf(page, 13.9, Qt::white, 11.5, 94.5);
        QVERIFY2(first >= 12 && first < 14, qPrintable(QString::number(first)));
        QVERIFY2(last <= 66.2, qPrintable(QString::number(last)));
        QVERIFY(!text.contains(QStringLiteral("Giovanile")));
    }

    void picturesKeepTheirProportions() {
        QTemporaryDir dir;
        const QImage page =
            PdfTools::firstPage(writePdf(CardDocument::make(sampleFace()), dir), kPixelsPerMm);
        // The photo of 1 x 4 fills the height of its 26 x 28.8 mm box, 7.2 mm wide, centred.
        const auto [photoLeft, photoRight] = spanOf(page, 40, Qt::red);
        QVERIFY(qAbs((photoLeft + photoRight) / 2 - 25) <= 0.5);
        QVERIFY(qAbs(photoRight - photoLeft - 7.2) <= 0.6);
        // The square logo in its 22 x 21 mm box: 21 mm each way, centred on 83.2 mm.
        const auto [logoLeft, logoRight] = spanOf(page, 45, Qt::green);
        QVERIFY(qAbs((logoLeft + logoRight) / 2 - 83.2) <= 0.5);
        QVERIFY(qAbs(logoRight - logoLeft - 21.2) <= 0.6);
    }
};

ZANDORIO_TEST(CardDocumentTest)
#include "tst_card_document.moc"
