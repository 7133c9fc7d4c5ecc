#include "FakePlatform.h"
#include "PdfTools.h"
#include "TestMain.h"
#include "app/ReportOutput.h"
#include "reports/ListReport.h"
#include "reports/ReportError.h"
#include "reports/ReportRenderer.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList memberLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines += QStringLiteral("Iscritto numero %1  Quota: € %2,00").arg(i, 4, 10, QChar(u'0')).arg(i);
    return lines;
}

} // namespace

class ReportOutputTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listPrintingGoesThroughThePrintDialog() {
        FakePlatformScope fake;
        fake->date = QDate(2025, 12, 31);
        QTemporaryDir dir;

        fake->printAccepted = false;
        QVERIFY(
            !ReportOutput::printList(QStringLiteral("Riepilogo tessere scadute"), memberLines(2), nullptr));
        QCOMPARE(fake->printDialogs, 1);

        fake->printAccepted = true;
        fake->printTo = dir.filePath(QStringLiteral("print.pdf"));
        QVERIFY(
            ReportOutput::printList(QStringLiteral("Riepilogo tessere scadute"), memberLines(2), nullptr));
        const QString text = PdfTools::text(fake->printTo);
        QVERIFY(text.contains(QStringLiteral("Riepilogo tessere scadute")));
        QVERIFY2(text.simplified().contains(memberLines(2).last().simplified()), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Stampa eseguita in data 31/12/2025")));
    }

    void theProgramPrintsItsOwnCopiesAndThePreviewTheDocumentOnce() {
        FakePlatformScope fake;
        QTemporaryDir dir;
        const ReportRenderer report(
            ListReport::make(QStringLiteral("Copie"), memberLines(80), QDate(2024, 1, 2)));
        QCOMPARE(report.pageCount(), 2);

        fake->printTo = dir.filePath(QStringLiteral("copies.pdf"));
        QVERIFY(ReportOutput::print(report, nullptr, 3));
        QCOMPARE(fake->proposedCopies, 3);
        QCOMPARE(PdfTools::pageCount(fake->printTo), 6);
        // What the user settles on in the dialog is what comes out.
        fake->dialogCopies = 2;
        QVERIFY(ReportOutput::print(report, nullptr, 3));
        QCOMPARE(PdfTools::pageCount(fake->printTo), 4);

        fake->printTo = dir.filePath(QStringLiteral("preview.pdf"));
        ReportOutput::preview(report, nullptr);
        QCOMPARE(fake->previews, 1);
        QCOMPARE(PdfTools::pageCount(fake->printTo), 2);
        QVERIFY(PdfTools::info(fake->printTo).contains(QStringLiteral("842 x 595 pts (A4)")));
    }

    void failuresReachTheCaller() {
        FakePlatformScope fake;
        QTemporaryDir dir;
        const ReportRenderer report(
            ListReport::make(QStringLiteral("Errore"), memberLines(1), QDate(2024, 1, 2)));
        fake->printTo = dir.path(); // a folder: the printer cannot write there
        QVERIFY_THROWS_EXCEPTION(ReportError, ReportOutput::print(report, nullptr));
        QVERIFY_THROWS_EXCEPTION(ReportError, ReportOutput::preview(report, nullptr));
    }
};

ZANDORIO_TEST(ReportOutputTest)
#include "tst_report_output.moc"
