#include "PdfTools.h"
#include "TestMain.h"
#include "reports/PlainTextFont.h"
#include "reports/ReportError.h"
#include "reports/ReportPagination.h"
#include "reports/ReportRenderer.h"
#include "reports/ReportTemplate.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>

namespace {

constexpr int kPxPerMm = 2;

QColor pixelAt(const QImage& page, double xMm, double yMm) {
    return page.pixelColor(int(xMm * kPxPerMm), int(yMm * kPxPerMm));
}

bool isRed(const QColor& c) {
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}
bool isBlue(const QColor& c) {
    return c.blue() > 200 && c.red() < 60 && c.green() < 60;
}
bool isWhite(const QColor& c) {
    return c.red() > 240 && c.green() > 240 && c.blue() > 240;
}

} // namespace

class ReportEngineTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textsComeOutInTheirFonts() {
        const TextStyle arial;
        const TextStyle verdana{.family = QStringLiteral("Verdana"), .bold = true};
        const TextStyle courier{.family = QStringLiteral("Courier New"), .italic = true};
        ReportTemplate report(QStringLiteral("Fonts"));
        report.add(ReportElement::makeText(QStringLiteral("txtArial"), QRectF(0, 0, 150, 8), arial));
        report.add(ReportElement::makeText(QStringLiteral("txtVerdana"), QRectF(0, 10, 150, 8), verdana));
        report.add(ReportElement::makeText(QStringLiteral("txtCourier"), QRectF(0, 20, 150, 8), courier));
        report.setText(QStringLiteral("txtArial"), QStringLiteral("Cognome e nome: Rossi Mario"));
        report.setText(QStringLiteral("txtVerdana"), QStringLiteral("Certificato fiscale: Forlì"));
        report.setText(QStringLiteral("txtCourier"), QStringLiteral("Quota: € 120,50"));

        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("fonts.pdf"));
        ReportRenderer(report).writePdf(pdf);
        const QString text = PdfTools::text(pdf);
        QVERIFY2(text.contains(QStringLiteral("Cognome e nome: Rossi Mario")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Certificato fiscale: Forlì")));
        QVERIFY(text.contains(QStringLiteral("Quota: € 120,50")));

        // Each text is embedded in the face this machine gives for its family, weight and slant,
        // whichever family that is.
        const QStringList fonts = PdfTools::fonts(pdf).split(u'\n').mid(2);
        for (const TextStyle& style : {arial, verdana, courier}) {
            const QFontInfo face(style.font());
            const QString family = face.family().remove(u' ');
            const auto embedded = std::find_if(fonts.begin(), fonts.end(), [&](const QString& line) {
                return line.contains(family) && line.contains(QStringLiteral("Bold")) == face.bold() &&
                       (line.contains(QStringLiteral("Italic")) ||
                        line.contains(QStringLiteral("Oblique"))) == face.italic();
            });
            QVERIFY2(embedded != fonts.end(), qPrintable(family + u'\n' + fonts.join(u'\n')));
        }
        QCOMPARE(fonts.filter(QRegularExpression(QStringLiteral("\\S"))).size(), 3);
    }

    void singleLineTextIsCutAtTheBoxEdgeAndWrappedTextIsNot() {
        ReportTemplate report(QStringLiteral("Cut"));
        report.add(ReportElement::makeText(QStringLiteral("txtCut"), QRectF(0, 0, 30, 5),
                                           {.align = Qt::AlignCenter}));
        report.add(
            ReportElement::makeText(QStringLiteral("txtWrap"), QRectF(0, 10, 30, 40), {.wordWrap = true}));
        report.add(ReportElement::makeText(QStringLiteral("txtCutList"), QRectF(0, 60, 30, 5),
                                           {.family = QStringLiteral("Courier New")}));
        report.setText(QStringLiteral("txtCut"), QStringLiteral("INIZIO della nota troppo lunga FINE"));
        report.setText(QStringLiteral("txtCutList"), QStringLiteral("ELENCO della riga troppo lunga CODA"));
        report.setText(QStringLiteral("txtWrap"), QStringLiteral("primo secondo terzo quarto quinto ultimo"));

        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("cut.pdf"));
        ReportRenderer(report).writePdf(pdf);
        const QString text = PdfTools::text(pdf);
        QVERIFY2(text.contains(QStringLiteral("INIZIO della")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("FINE")));
        QVERIFY(text.contains(QStringLiteral("ELENCO della")));
        QVERIFY(!text.contains(QStringLiteral("CODA")));
        for (const char* word : {"primo", "secondo", "terzo", "quarto", "quinto", "ultimo"})
            QVERIFY2(text.contains(QLatin1String(word)), word);
        QVERIFY(!text.contains(QStringLiteral("primo secondo terzo quarto quinto ultimo")));
    }

    // The list font's lines are placed from the font's tables: glyph for glyph and place for place
    // what a text layout gives, blanks left out; lines that need the layout are refused whole.
    void plainLinesGoWhereATextLayoutPutsThem() {
        QImage printer(1, 1, QImage::Format_Mono);
        printer.setDotsPerMeterX(qRound(1200 / 0.0254));
        printer.setDotsPerMeterY(qRound(1200 / 0.0254));
        const QFont font = TextStyle{.family = QStringLiteral("Courier New"), .pointSize = 8}.font();
        const PlainTextFont plain(font, &printer);
        QVERIFY(plain.isUsable());
        QVERIFY(!PlainTextFont(TextStyle{}.font(), &printer).isUsable());

        const QPointF origin(100, 200);
        for (const QString& line : {QStringLiteral("Rossi Mario      Tessera n. 12  Quota: € 120,00"),
                                    QStringLiteral("Città: Forlì «Società» àèìòù ÀÉ ß ç ñ 1/2 @#%&*")}) {
            QList<quint32> glyphs;
            QList<QPointF> positions;
            QVERIFY(plain.place(line, origin, 1e9, glyphs, positions));
            QTextLayout layout(line, font, &printer);
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            const QList<QGlyphRun> runs = layout.glyphRuns();
            QCOMPARE(runs.size(), 1);
            QList<quint32> expectedGlyphs;
            QList<QPointF> expectedPositions;
            const double ascent = layout.lineAt(0).ascent();
            for (qsizetype i = 0; i < line.size(); ++i)
                if (line[i] != u' ') {
                    expectedGlyphs += runs[0].glyphIndexes()[i];
                    expectedPositions += runs[0].positions()[i] + origin - QPointF(0, ascent);
                }
            QCOMPARE(glyphs, expectedGlyphs);
            QCOMPARE(positions, expectedPositions);
        }

        // A line too long for its width keeps the characters that start inside it.
        QList<quint32> glyphs;
        QList<QPointF> positions;
        const double advance = QFontMetricsF(font, &printer).horizontalAdvance(u'M');
        QVERIFY(plain.place(u"ABCDEFGH", origin, 2.5 * advance, glyphs, positions));
        QCOMPARE(glyphs.size(), 3);

        for (const QString& line : {QStringLiteral("a\tb"), QStringLiteral("e\u0301"),
                                    QStringLiteral("\u4e2d"), QStringLiteral("\U0001F600")}) {
            QVERIFY2(!plain.place(line, origin, 1e9, glyphs, positions), qPrintable(line));
            QCOMPARE(glyphs.size(), 3);
        }
    }

    void shapesAndPicturesLandWhereTheTemplateSays() {
        QFETCH(double, top);
        QFETCH(double, left);
        ReportTemplate report(QStringLiteral("Geometry"));
        report.setTopLeftMargins(top, left);
        report.add(ReportElement::makeRect(QRectF(10, 10, 40, 20), Qt::red, Qt::black));
        report.add(ReportElement::makePicture(QStringLiteral("imgFoto"), QRectF(10, 100, 60, 60), Qt::white));
        QImage wide(200, 100, QImage::Format_RGB32);
        wide.fill(Qt::blue);
        report.setPicture(QStringLiteral("imgFoto"), wide);

        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("geometry.pdf"));
        ReportRenderer(report).writePdf(pdf);
        const QImage page = PdfTools::firstPage(pdf, kPxPerMm);
        QCOMPARE(page.width(), 210 * kPxPerMm);

        // The rectangle lies at its place inside the margins.
        QVERIFY(isRed(pixelAt(page, left + 12, top + 12)));
        QVERIFY(isRed(pixelAt(page, left + 48, top + 28)));
        QVERIFY(isWhite(pixelAt(page, left + 52, top + 20)));
        QVERIFY(isWhite(pixelAt(page, left + 30, top + 32)));
        // A picture twice as wide as high fills the box's width and sits in the middle of its
        // height: 60 x 30 from 15 mm below the box's top.
        QVERIFY(isBlue(pixelAt(page, left + 12, top + 130)));
        QVERIFY(isBlue(pixelAt(page, left + 68, top + 117)));
        QVERIFY(isWhite(pixelAt(page, left + 40, top + 112)));
        QVERIFY(isWhite(pixelAt(page, left + 40, top + 148)));
    }
    void shapesAndPicturesLandWhereTheTemplateSays_data() {
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("left");
        QTest::newRow("default margins") << 10.0 << 10.0;
        QTest::newRow("card margins") << 25.0 << 7.0;
        QTest::newRow("negative margins") << -6.0 << -4.0;
    }

    void linesRunFromCornerToCorner() {
        ReportTemplate report(QStringLiteral("Lines"));
        report.setTopLeftMargins(10, 10);
        report.add(ReportElement::makeLine(QRectF(20, 30, 100, 0)));
        report.add(ReportElement::makeLine(QRectF(60, 50, 0, 40)));

        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("lines.pdf"));
        ReportRenderer(report).writePdf(pdf);
        constexpr int kFine = 20; // pixels per millimetre, so that a thin line is several pixels wide
        const QImage page = PdfTools::firstPage(pdf, kFine);
        const auto at = [&page](double xMm, double yMm) {
            return page.pixelColor(int(xMm * kFine), int(yMm * kFine)).lightness();
        };
        // Horizontal: from x 30 to 130 mm at y 40 mm on the page; nothing beyond its ends.
        QVERIFY(at(31, 40) < 128);
        QVERIFY(at(129, 40) < 128);
        QVERIFY(at(80, 41) > 240);
        QVERIFY(at(132, 40) > 240);
        // Vertical: at x 70 mm from y 60 to 100 mm.
        QVERIFY(at(70, 61) < 128);
        QVERIFY(at(70, 99) < 128);
        QVERIFY(at(71, 80) > 240);
        QVERIFY(at(70, 102) > 240);
    }

    void bandsRunDownThePagesBrokenBetweenTextLines_data() {
        using ReportPagination::Band;
        using ReportPagination::Lines;
        using ReportPagination::Slice;
        QTest::addColumn<QList<Band>>("bands");
        QTest::addColumn<ReportPagination::Pages>("pages");
        // Pages of 100 mm.
        const Band list{150, {Lines{5, 7, 20, 145}}}; // twenty lines of 7 mm from 5 mm down
        // clang-format off
        QTest::newRow("all on one page") << QList<Band>{{10, {}}, {20, {}}, {30, {}}}
            << ReportPagination::Pages{{Slice{0, 0, 10, 0}, Slice{1, 0, 20, 10}, Slice{2, 0, 30, 30}}};
        QTest::newRow("a list breaks after its last whole line") << QList<Band>{list}
            << ReportPagination::Pages{{Slice{0, 0, 96, 0}}, {Slice{0, 96, 150, 0}}};
        QTest::newRow("a list after a title") << QList<Band>{{10, {}}, list}
            << ReportPagination::Pages{{Slice{0, 0, 10, 0}, Slice{1, 0, 89, 10}}, {Slice{1, 89, 150, 0}}};
        QTest::newRow("a line that starts its band moves with it") << QList<Band>{{90, {}}, {20, {Lines{0, 20, 1, 20}}}}
            << ReportPagination::Pages{{Slice{0, 0, 90, 0}}, {Slice{1, 0, 20, 0}}};
        QTest::newRow("a band without lines is cut at the page end") << QList<Band>{{90, {}}, {20, {}}}
            << ReportPagination::Pages{{Slice{0, 0, 90, 0}, Slice{1, 0, 10, 90}}, {Slice{1, 10, 20, 0}}};
        QTest::newRow("a line taller than a page is cut") << QList<Band>{{150, {Lines{0, 150, 1, 150}}}}
            << ReportPagination::Pages{{Slice{0, 0, 100, 0}}, {Slice{0, 100, 150, 0}}};
        QTest::newRow("nothing at all") << QList<Band>{} << ReportPagination::Pages{{}};
        QTest::newRow("a band that begins a page") << QList<Band>{{10, {}}, {20, {}, true}, {20, {}, true}}
            << ReportPagination::Pages{{Slice{0, 0, 10, 0}}, {Slice{1, 0, 20, 0}}, {Slice{2, 0, 20, 0}}};
        QTest::newRow("a first band that begins a page adds no blank one") << QList<Band>{{20, {}, true}}
            << ReportPagination::Pages{{Slice{0, 0, 20, 0}}};
        // clang-format on
    }
    void bandsRunDownThePagesBrokenBetweenTextLines() {
        QFETCH(QList<ReportPagination::Band>, bands);
        QFETCH(ReportPagination::Pages, pages);
        QCOMPARE(ReportPagination::paginate(bands, 100), pages);
    }

    void theRendererKeepsItsOwnTemplate() {
        ReportTemplate report(QStringLiteral("Copia"));
        report.add(ReportElement::makeText(QStringLiteral("txtNome"), QRectF(0, 0, 100, 8), {}));
        report.setText(QStringLiteral("txtNome"), QStringLiteral("Rossi Mario"));
        const ReportRenderer renderer(report);
        report.setText(QStringLiteral("txtNome"), QStringLiteral("Bianchi Anna"));

        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("copia.pdf"));
        renderer.writePdf(pdf);
        QVERIFY(PdfTools::text(pdf).contains(QStringLiteral("Rossi Mario")));
        QCOMPARE(renderer.pageCount(), 1);
    }

    void failuresAreReported() {
        ReportTemplate report(QStringLiteral("Errors"));
        report.add(ReportElement::makeText(QStringLiteral("txtNome"), QRectF(0, 0, 50, 5), {}));
        report.add(ReportElement::makeRect(QRectF(0, 10, 50, 5), Qt::gray));
        QVERIFY_THROWS_EXCEPTION(ReportError,
                                 report.setText(QStringLiteral("txtCognome"), QStringLiteral("x")));
        QVERIFY_THROWS_EXCEPTION(ReportError, report.setPicture(QStringLiteral("txtNome"), QImage()));
        QVERIFY_THROWS_EXCEPTION(ReportError, report.setHeight(QString(), 3));

        QTemporaryDir dir;
        // A folder where the file should be: the PDF cannot be written.
        QVERIFY_THROWS_EXCEPTION(ReportError, ReportRenderer(report).writePdf(dir.path()));
        report.setMargins(QMarginsF(10, 150, 10, 150));
        QVERIFY_THROWS_EXCEPTION(ReportError,
                                 ReportRenderer(report).writePdf(dir.filePath(QStringLiteral("x.pdf"))));
        QVERIFY_THROWS_EXCEPTION(ReportError, ReportRenderer(report).pageCount());
    }
};

ZANDORIO_TEST(ReportEngineTest)
#include "tst_report_engine.moc"
