#include "PdfTools.h"
#include "TestMain.h"
#include "reports/ListReport.h"
#include "reports/ReportRenderer.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList memberLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines += QStringLiteral("%1  Tel. 0543 123456      Cel. 333 %2  Quota: € %3,00")
                     .arg(QStringLiteral("Iscritto numero %1").arg(i, 4, 10, QChar(u'0')).leftJustified(30))
                     .arg(i, 7, 10, QChar(u'0'))
                     .arg(i);
    return lines;
}

} // namespace

class ListReportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void longListRunsOverPagesWithEveryLineOnce() {
        const QStringList lines = memberLines(130);
        const ReportTemplate report =
            ListReport::make(QStringLiteral("Riepilogo schede iscritti"), lines, QDate(2024, 3, 5));
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
        ReportRenderer(report).writePdf(pdf);

        // About fifty lines fit on a landscape page; the layout knows it before anything is drawn.
        QCOMPARE(PdfTools::pageCount(pdf), 3);
        QCOMPARE(ReportRenderer(report).pageCount(), 3);
        const QString info = PdfTools::run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QStringLiteral("842 x 595 pts (A4)")), qPrintable(info));
        const QStringList pages = PdfTools::text(pdf).split(u'\f', Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 3);
        QStringList printed;
        for (const QString& page : pages) {
            QVERIFY(page.contains(QStringLiteral("Stampa eseguita in data 05/03/2024")));
            for (const QString& line : page.split(u'\n'))
                if (line.contains(QStringLiteral("Iscritto numero")))
                    printed += line.simplified();
        }
        // The text reader keeps the words of a line but not the width of the gaps between them.
        QStringList expected;
        for (const QString& line : lines)
            expected += line.simplified();
        QCOMPARE(printed, expected);
        QCOMPARE(PdfTools::text(pdf).count(QStringLiteral("Riepilogo schede iscritti")), 1);
    }

    void emptyListPrintsOnePageWithTitleAndDate() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("empty.pdf"));
        ReportRenderer(ListReport::make(QStringLiteral("Riepilogo"), {}, QDate(2024, 1, 2))).writePdf(pdf);
        QCOMPARE(PdfTools::pageCount(pdf), 1);
        QVERIFY(PdfTools::text(pdf).contains(QStringLiteral("Stampa eseguita in data 02/01/2024")));
    }
};

ZANDORIO_TEST(ListReportTest)
#include "tst_list_report.moc"
