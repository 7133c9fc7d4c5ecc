#include "FakePlatform.h"
#include "PdfTools.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "app/ArchiveMessages.h"
#include "app/PrintMessages.h"
#include "entries/EntryStatistics.h"
#include "entries/StatChartView.h"
#include "entries/TSchedaIngresso.h"
#include "entries/TfrmStatIngressi.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QStringList kMonths = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                             "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};

// A register holding one entry for each date, in that order.
QByteArray registerOf(const QStringList& dates) {
    QByteArray bytes;
    for (const QString& date : dates) {
        TSchedaIngresso entry;
        entry.DataIngresso = date;
        entry.Mese = QStringLiteral("Gennaio"); // never consulted by the statistics
        entry.Anno = QStringLiteral("2024");
        entry.CognomeNome = QStringLiteral("Rossi Mario");
        bytes += EntryCodec::encode(entry);
    }
    return bytes;
}

// 3 in March and 1 in December of 2024, and entries that must not count.
const QStringList kDates = {"05/03/2024", "31/12/2024", "17/03/2024", "05/03/2023", "",          "01/03/2024",
                            "5/3/2024",   "05/13/2024", "05/00/2024", "05/03/20",   "05/ 3/2024"};

// The statistics screen shown on a fresh program folder, on 5 March 2024.
struct StatFixture {
    StatFixture() {
        fake->date = QDate(2024, 3, 5);
        screen.show();
        QApplication::setActiveWindow(&screen);
        (void)QTest::qWaitForWindowActive(&screen);
    }
    template <class T = QWidget> T* child(const char* name) const {
        return screen.findChild<T*>(QString::fromLatin1(name));
    }
    void click(const char* name) const { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    QString counter(const QString& month) const {
        return screen.findChild<QLabel*>(QStringLiteral("mem") + month)->text();
    }
    QList<qint64> values() const {
        QList<qint64> v;
        for (const ChartPoint& p : child<StatChartView>("ChartStats")->chart().points())
            v << p.value;
        return v;
    }
    // Opens `year` with the register holding kDates.
    void open(const QString& year = QStringLiteral("2024")) {
        folder.write(QStringLiteral("2024.ing"), registerOf(kDates));
        child<QLineEdit>("txtAnno")->setText(year);
        click("btnApri");
    }

    FakePlatformScope fake;
    TempProgramFolder folder;
    TfrmStatIngressi screen;
};

const QList<qint64> kCounted = {0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 1};

} // namespace

class StatisticsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void monthOfAnEntryDate_data() {
        QTest::addColumn<QByteArray>("date");
        QTest::addColumn<int>("month");
        QTest::newRow("March") << QByteArray("05/03/2024") << 3;
        QTest::newRow("December") << QByteArray("31/12/2024") << 12;
        QTest::newRow("blanks around the date") << QByteArray("  05/03/2024 ") << 3;
        QTest::newRow("another year") << QByteArray("05/03/2023") << 0;
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("short") << QByteArray("05/03") << 0;
        QTest::newRow("short year") << QByteArray("05/03/20") << 0;
        QTest::newRow("one-digit parts") << QByteArray("5/3/2024") << 0;
        QTest::newRow("blank in the month") << QByteArray("05/ 3/2024") << 0;
        QTest::newRow("month 13") << QByteArray("05/13/2024") << 0;
        QTest::newRow("month 00") << QByteArray("05/00/2024") << 0;
        QTest::newRow("letters") << QByteArray("05/ab/2024") << 0;
        QTest::newRow("blank before the year") << QByteArray("05/03/ 2024") << 0;
    }
    void monthOfAnEntryDate() {
        QFETCH(QByteArray, date);
        QFETCH(int, month);
        QCOMPARE(EntryStatistics::monthOf(date, "2024"), month);
    }

    void countingReadsEveryRecordAndSkipsTheBadOnes() {
        TempProgramFolder folder;
        // A torn last record is not an entry.
        folder.write(QStringLiteral("2024.ing"), registerOf(kDates) + QByteArray(300, 'x'));
        const EntryStatistics::Counts counts = EntryStatistics::count(folder.path("2024.ing"), "2024");
        QCOMPARE(QList<qint64>(counts.begin(), counts.end()), kCounted);
        // A year without a register gets an empty one.
        QCOMPARE(EntryStatistics::count(folder.path("2031.ing"), "2031"), EntryStatistics::Counts{});
        QVERIFY(QFile::exists(folder.path("2031.ing")));
    }

    void opensOnThisYearAndShowsTheTwelveMonths() {
        StatFixture f;
        QCOMPARE(f.screen.windowTitle(), QStringLiteral(" Zandorio - Statistiche Ingressi Mensili"));
        QCOMPARE(f.child<QLineEdit>("txtAnno")->text(), QStringLiteral("2024"));
        QVERIFY(f.child<QLineEdit>("txtAnno")->hasFocus());
        QVERIFY(f.child("panAvvio")->isVisible());
        QVERIFY(!f.child("panContainer")->isVisible());

        f.open();
        QVERIFY(f.fake->messages.isEmpty());
        QVERIFY(!f.child("panAvvio")->isVisible());
        QVERIFY(f.child("panContainer")->isVisible());
        QCOMPARE(f.child<QLabel>("lblTitolo")->text(),
                 QStringLiteral("Rappresentazione grafica degli ingressi registrati nell'anno 2024."));
        QCOMPARE(f.child<QLabel>("lblFile")->text(), f.folder.path("2024.ing"));
        QCOMPARE(f.counter("Marzo"), QStringLiteral("3"));
        QCOMPARE(f.counter("Dicembre"), QStringLiteral("1"));
        QCOMPARE(f.counter("Gennaio"), QStringLiteral("0"));
        QCOMPARE(f.values(), kCounted);
        const QList<ChartPoint>& points = f.child<StatChartView>("ChartStats")->chart().points();
        QCOMPARE(points.size(), 12);
        for (int m = 0; m < 12; ++m)
            QCOMPARE(points[m].label, kMonths[m]);
        QCOMPARE(points[2].color, QColor(0xFFE4C4));
        QCOMPARE(points[11].color, QColor(0x008000));
        // A screen reader reads the twelve counts.
        QCOMPARE(
            QAccessible::queryAccessibleInterface(f.child("ChartStats"))->text(QAccessible::Description),
            QStringLiteral("Gennaio: 0, Febbraio: 0, Marzo: 3, Aprile: 0, Maggio: 0, Giugno: 0, Luglio: 0, "
                           "Agosto: 0, Settembre: 0, Ottobre: 0, Novembre: 0, Dicembre: 1"));
        QCOMPARE(f.fake->printDialogs, 0);
    }

    void switchingBetweenPieAndBarsKeepsTheValues() {
        StatFixture f;
        f.open();
        const Chart3D& chart = f.child<StatChartView>("ChartStats")->chart();
        QCOMPARE(chart.kind(), Chart3D::Kind::Bars);
        f.click("btnTorta");
        QCOMPARE(chart.kind(), Chart3D::Kind::Pie);
        QCOMPARE(f.values(), kCounted);
        f.click("btnBarre");
        QCOMPARE(chart.kind(), Chart3D::Kind::Bars);
        QCOMPARE(f.values(), kCounted);
    }

    void anotherVisitStartsAgainFromTheYear() {
        StatFixture f;
        f.open();
        // The pointer rests on "Esci" as it is clicked.
        QEnterEvent enter{QPointF(), QPointF(), QPointF()};
        QApplication::sendEvent(f.child("btnEsci"), &enter);
        QCOMPARE(f.child<QLabel>("panInfo")->text(), QStringLiteral("Esci da questo ambiente di lavoro."));
        f.child<QPushButton>("btnEsci")->click();
        QVERIFY(!f.screen.isVisible());
        f.fake->date = QDate(2025, 1, 2);
        f.screen.show();
        QVERIFY(f.child("panAvvio")->isVisible());
        QVERIFY(!f.child("panContainer")->isVisible());
        QCOMPARE(f.child<QLineEdit>("txtAnno")->text(), QStringLiteral("2025"));
        QVERIFY(f.values().isEmpty());
        QCOMPARE(f.counter("Marzo"), QStringLiteral("0"));
        f.open(QStringLiteral("2025"));
        QCOMPARE(f.child<QLabel>("panInfo")->text(),
                 QStringLiteral("Grafico statistico delle visite mensili."));
    }

    void theYearTakesFourDigitsAndNothingElse() {
        StatFixture f;
        QLineEdit* year = f.child<QLineEdit>("txtAnno");
        year->clear();
        QTest::keyClicks(year, QStringLiteral("2a0-2 45"));
        QCOMPARE(year->text(), QStringLiteral("2024"));
        QTest::keyClick(year, Qt::Key_Return);
        QVERIFY(f.child("btnApri")->hasFocus());

        f.open(QStringLiteral("202"));
        QCOMPARE(f.fake->messages, QList<FakePlatform::Shown>(
                                       {{Platform::Box::Warning,
                                         "Attenzione: indicare l'anno solare utilizzando quattro cifre."}}));
        QVERIFY(f.child("panAvvio")->isVisible());
        QVERIFY(f.child<QLineEdit>("txtAnno")->hasFocus());
    }

    void aRegisterThatCannotBeReadKeepsTheYearPanel() {
        StatFixture f;
        QDir(f.folder.path()).mkdir(QStringLiteral("2024.ing"));
        f.child<QLineEdit>("txtAnno")->setText(QStringLiteral("2024"));
        f.click("btnApri");
        QCOMPARE(f.fake->messages,
                 QList<FakePlatform::Shown>({{Platform::Box::Error, ArchiveMessages::kFailure}}));
        QVERIFY(f.child("panAvvio")->isVisible());
        QVERIFY(!f.child("panContainer")->isVisible());
    }

    void copiesBoxAnswers_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("copies");
        QTest::newRow("one") << "1" << 1;
        QTest::newRow("three") << "3" << 3;
        QTest::newRow("leading zero") << "02" << 2;
        QTest::newRow("blank") << "" << 1;
        QTest::newRow("letters") << "abc" << 1;
        QTest::newRow("zero") << "0" << 1;
        QTest::newRow("sign") << "-2" << 1;
        QTest::newRow("blanks around") << " 2 " << 1;
        QTest::newRow("beyond the print dialog") << "5000" << 999;
        QTest::newRow("beyond any number") << "99999999999999" << 999;
        QTest::newRow("zeros before the number") << "00000000000000000007" << 7;
    }
    void copiesBoxAnswers() {
        QFETCH(QString, typed);
        QFETCH(int, copies);
        QCOMPARE(EntryStatistics::copies(typed), copies);
    }

    void printsOneLandscapePagePerCopy_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("pages");
        QTest::newRow("two") << "2" << 2;
        QTest::newRow("zero") << "0" << 1;
        QTest::newRow("letters") << "abc" << 1;
    }
    void printsOneLandscapePagePerCopy() {
        QFETCH(QString, typed);
        QFETCH(int, pages);
        StatFixture f;
        f.open();
        QTemporaryDir dir;
        f.fake->printTo = dir.filePath(QStringLiteral("grafico.pdf"));
        f.fake->inputs.enqueue(typed);
        f.click("btnStampa");
        QCOMPARE(f.fake->questions, QStringList({"Si vuole stampare il presente grafico statistico?"}));
        QCOMPARE(f.fake->printDialogs, 1);
        QVERIFY(f.fake->messages.isEmpty());
        QCOMPARE(PdfTools::pageCount(f.fake->printTo), pages);
        const QImage page = PdfTools::firstPage(f.fake->printTo);
        QVERIFY(page.width() > page.height());
        const QString text = PdfTools::text(f.fake->printTo);
        for (const QString& expected : {QStringLiteral("Statistiche ingressi mensili"),
                                        QStringLiteral("Visite:"), QStringLiteral("Settembre"),
                                        QStringLiteral("effettivamente registrati per tutti gli Iscritti.")})
            QVERIFY2(text.contains(expected), qPrintable(expected));
    }

    void printingStopsAtEveryNo() {
        StatFixture f;
        f.open();
        f.fake->answers.enqueue(false);
        f.click("btnStampa");
        QCOMPARE(f.fake->printDialogs, 0);
        f.click("btnStampa"); // the copies box cancelled
        QCOMPARE(f.fake->printDialogs, 0);
        f.fake->inputs.enqueue(QStringLiteral("1"));
        f.fake->printAccepted = false;
        f.click("btnStampa");
        QCOMPARE(f.fake->printDialogs, 1);
        QVERIFY(f.fake->messages.isEmpty());
    }

    void aFailedPrintingIsReported() {
        StatFixture f;
        f.open();
        f.fake->printTo = f.folder.path(QStringLiteral("nessuna/cartella/grafico.pdf"));
        f.fake->inputs.enqueue(QStringLiteral("1"));
        f.click("btnStampa");
        QCOMPARE(f.fake->messages,
                 QList<FakePlatform::Shown>({{Platform::Box::Warning, PrintMessages::kPrintFailed}}));
        QVERIFY(f.child("panContainer")->isVisible());
    }
};

ZANDORIO_TEST(StatisticsTest)

#include "tst_statistics.moc"
