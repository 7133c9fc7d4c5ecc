#include "TempProgramFolder.h"
#include "TestMain.h"
#include "storage/SpreadsheetDocument.h"
#include "storage/StorageError.h"
#include "storage/Text.h"

#include <QDir>
#include <QTest>

namespace {

constexpr SpreadsheetColumn kColumns[] = {
    {"Iscritto", 250}, {"Totale: €", 150}, {"Note", 400, "Annotazioni"}};
constexpr SpreadsheetExport kFormat{"Prova.xls", "Riepilogo Prove", kColumns};

const QByteArray kFrame =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=windows-1252\"><!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
    "<x:Name>Riepilogo Prove</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
    "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents>"
    "<x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios>"
    "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]-->"
    "</head><body><table x:str>";
const QByteArray kHeaderRow = "<tr><td style=\"text-align: left; font-weight: bold;\" width=250>Iscritto</td>"
                              "<td style=\"text-align: left; font-weight: bold;\" width=150>Totale: \x80</td>"
                              "<td style=\"text-align: left; font-weight: bold;\" width=400>Note</td></tr>";
const QByteArray kEnd = "</table></body></html>";

QByteArray row(const QList<QByteArray>& cells) {
    QByteArray out = "<tr>";
    for (const QByteArray& c : cells)
        out += "<td style=\"text-align: left; mso-number-format:'\\@';\" sdnum=\"1040;0;@\">" + c + "</td>";
    return out + "</tr>";
}

} // namespace

class SpreadsheetTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyExportHasTheFrameAndTheHeaderRow() {
        QCOMPARE(SpreadsheetDocument::bytes(kFormat, {}), kFrame + kHeaderRow + kEnd);
    }

    void rowsAreWrittenCellByCellOnOneLine() {
        const QList<QStringList> rows = {
            {QStringLiteral("  Rossi Mario "), QStringLiteral("€ 120,50"), QStringLiteral("Città: Forlì")},
            {QStringLiteral("A & B <srl>"), QString(), QStringLiteral("riga uno\r\nriga due")},
            {QStringLiteral("Łukasz 😀"), QStringLiteral("\t10\t")}, // a short row: empty cells follow
        };
        const QByteArray bytes = SpreadsheetDocument::bytes(kFormat, rows);
        QCOMPARE(bytes, kFrame + kHeaderRow + row({"Rossi Mario", "\x80 120,50", "Citt\xe0: Forl\xec"}) +
                            row({"A &amp; B &lt;srl&gt;", "", "riga uno&#13;&#10;riga due"}) +
                            row({"&#321;ukasz &#128512;", "10", ""}) + kEnd);
        QVERIFY(!bytes.contains('\r'));
        QVERIFY(!bytes.contains('\n'));
        QVERIFY(!bytes.startsWith("\xef\xbb\xbf"));
    }

    // What a cell may not hold is left out, in either form the cells come; formulas stay text.
    void cellTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("formula") << QStringLiteral("=HYPERLINK(\"x\";\"y\")")
                                 << QByteArray("=HYPERLINK(\"x\";\"y\")");
        QTest::newRow("plus") << QStringLiteral("+39 333 1234567") << QByteArray("+39 333 1234567");
        QTest::newRow("minus") << QStringLiteral("-2+3") << QByteArray("-2+3");
        QTest::newRow("at") << QStringLiteral("@SUM(A1)") << QByteArray("@SUM(A1)");
        QTest::newRow("C0 controls and DEL") << QStringLiteral("a\x01"
                                                               "b\x1b"
                                                               "[0mc\x7f")
                                             << QByteArray("ab[0mc");
        QTest::newRow("tab stays") << QStringLiteral("a\tb") << QByteArray("a\tb");
        QTest::newRow("NUL inside") << QString(QStringLiteral("Ros") + QChar(0) + QStringLiteral("si"))
                                    << QByteArray("Rossi");
        QTest::newRow("undefined byte of the code page")
            << QString::fromUtf16(u"a\u0081b\u009Dc") << QByteArray("abc");
        QTest::newRow("C1 control outside the code page")
            << QString::fromUtf16(u"a\u0085b €") << QByteArray("ab \x80");
        QTest::newRow("long, control at the end")
            << QString(QStringLiteral("abcdefghijklmnop\x02") + u'q') << QByteArray("abcdefghijklmnopq");
        QTest::newRow("long, smart quotes kept") << QString::fromUtf16(u"\u201Cabcdefgh\u201D ok")
                                                 << QByteArray("\x93"
                                                               "abcdefgh\x94 ok");
    }
    void cellTexts() {
        QFETCH(QString, text);
        QFETCH(QByteArray, written);
        const QByteArray expected = kFrame + kHeaderRow + row({written, "", ""}) + kEnd;
        QCOMPARE(SpreadsheetDocument::bytes(kFormat, {{text}}), expected);
        const QByteArray stored = Text::toWin1252(text);
        const auto cells = [&stored](qsizetype, std::span<QByteArrayView> cells) {
            std::fill(cells.begin(), cells.end(), QByteArrayView());
            cells[0] = stored;
        };
        if (Text::fitsWin1252(text))
            QCOMPARE(SpreadsheetDocument::bytes(kFormat, 1, cells), expected);
    }

    void cellsGivenAsStoredBytesGiveTheSameDocument() {
        const QList<QStringList> rows = {
            {QStringLiteral("  Rossi Mario "), QStringLiteral("€ 120,50"), QStringLiteral("Città: Forlì")},
            {QStringLiteral("A & B <srl>"), QString(), QStringLiteral("riga uno\r\nriga due")},
        };
        const auto cells = [&rows](qsizetype row, std::span<QByteArrayView> cells) {
            static QList<QByteArray> bytes;
            bytes.clear();
            for (const QString& text : rows[row])
                bytes << Text::toWin1252(text);
            for (std::size_t c = 0; c < cells.size(); ++c)
                cells[c] = bytes[qsizetype(c)];
        };
        QCOMPARE(SpreadsheetDocument::bytes(kFormat, rows.size(), cells),
                 SpreadsheetDocument::bytes(kFormat, rows));
    }

    void writeReplacesAnEarlierFileAndReportsFailure() {
        TempProgramFolder folder;
        folder.write("Prova.xls", QByteArray(5000, 'x'));
        SpreadsheetDocument::write(folder.path("Prova.xls"), kFormat, {});
        QCOMPARE(folder.read("Prova.xls"), kFrame + kHeaderRow + kEnd);

        QDir(folder.path()).mkdir(QStringLiteral("Cartella.xls"));
        QVERIFY_THROWS_EXCEPTION(StorageError,
                                 SpreadsheetDocument::write(folder.path("Cartella.xls"), kFormat, {}));
    }
};

ZANDORIO_TEST(SpreadsheetTest)
#include "tst_spreadsheet.moc"
