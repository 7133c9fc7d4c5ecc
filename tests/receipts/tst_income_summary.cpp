#include "PdfTools.h"
#include "ReceiptFixture.h"
#include "TestMain.h"
#include "app/ArchiveMessages.h"
#include "app/ResultListPanel.h"
#include "receipts/IncomeSummary.h"
#include "receipts/ReceiptCompanion.h"
#include "receipts/TSchedaRicevuta.h"
#include "receipts/TfrmMenuRiepCosti.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

using IncomeSummary::Period;
using IncomeSummary::Problem;
using IncomeSummary::Request;

// The fixture's receipt issued on `date` for `total`.
TSchedaRicevuta issued(const QString& number, const QString& date, const QString& total,
                       const QString& payer = QStringLiteral("Rossi Mario"),
                       const QString& sport = QStringLiteral("Nuoto")) {
    TSchedaRicevuta r = receipt(number, payer, sport);
    r.DataRicevuta = date;
    r.ImportoTotale = total;
    return r;
}

// The archive of 2024 in a fresh program folder, with what follows its last record.
struct Archive : ReceiptFolder {
    explicit Archive(const QList<TSchedaRicevuta>& receipts, const QByteArray& tail = {}) {
        seed(receipts);
        folder.write(QStringLiteral("2024.ric"), folder.read(QStringLiteral("2024.ric")) + tail);
    }
};

Period period(int fromMonth, int fromDay, int toMonth, int toDay) {
    const QDate start(2024, fromMonth, fromDay);
    const QDate end(2024, toMonth, toDay);
    return {start.toString(QStringLiteral("dd/MM/yyyy")), end.toString(QStringLiteral("dd/MM/yyyy")), start,
            end};
}

const Period kYear = period(1, 1, 12, 31);

QStringList numbers(const IncomeSummary::Summary& s) {
    QStringList found;
    for (qsizetype i = 0; i < s.lines.size(); ++i)
        found << s.lines.line(i).mid(8, 12).trimmed();
    return found;
}

// The request screen on the archive of 2024, today 05/03/2024.
struct RequestFixture : Archive {
    RequestFixture(const QList<TSchedaRicevuta>& receipts) : Archive(receipts) {
        screen.show();
        QApplication::setActiveWindow(&screen);
        (void)QTest::qWaitForWindowActive(&screen);
    }

    QLineEdit* field(const char* name) const {
        return screen.findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QString label(const char* name) const {
        return screen.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    void pick(const char* name, const QString& item) {
        auto* list = screen.findChild<QComboBox*>(QString::fromLatin1(name));
        list->setCurrentIndex(list->findText(item));
    }
    void period(const QString& fromDay, const QString& fromMonth, const QString& toDay,
                const QString& toMonth) {
        pick("txtGiornoInizio", fromDay);
        pick("txtMeseInizio", fromMonth);
        pick("txtGiornoFine", toDay);
        pick("txtMeseFine", toMonth);
    }
    void request() {
        QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("btnVisualizza")), Qt::LeftButton);
    }

    TfrmMenuRiepCosti screen;
};

QString focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

QString text(QWidget* w, const char* name) {
    return w->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

} // namespace

class IncomeSummaryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void requestFieldsKeepTheirHeightInTheSmallestWindow() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        TfrmMenuRiepCosti screen;
        // Shown as it opens where no window manager maximises it, then made as small as it goes.
        screen.show();
        for (const QSize size : {screen.size(), screen.minimumSize()}) {
            screen.resize(size);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            for (const char* name : {"txtAnno", "txtEsecutore", "txtCCP", "txtGiornoInizio", "txtMeseFine"}) {
                const QWidget* field = screen.findChild<QWidget*>(QString::fromLatin1(name));
                QVERIFY2(field->height() >= field->minimumSizeHint().height(), name);
            }
        }
    }

    // Pressing "Visualizza riepilogo" shows the waiting text in a line kept for it: the button
    // stays under the pointer, so the release that follows makes the click.
    void waitingTextMovesNothing() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        TfrmMenuRiepCosti screen;
        screen.show();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        auto* button = screen.findChild<QPushButton*>(QStringLiteral("btnVisualizza"));
        const QPoint before = button->mapTo(&screen, QPoint(0, 0));
        Q_EMIT button->pressed();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QVERIFY(screen.findChild<QLabel*>(QStringLiteral("lblAttendere"))->isVisible());
        QCOMPARE(button->mapTo(&screen, QPoint(0, 0)), before);
    }

    void requestChecksRunInOrder_data() {
        QTest::addColumn<Request>("request");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("notice");
        QTest::addColumn<QString>("focus");
        const QString valid =
            QStringLiteral("\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare una "
                           "data valida.");
        // clang-format off
        QTest::newRow("three digits") << Request{"202", "", "", "", ""}
            << "Attenzione: indicare l'anno solare utilizzando quattro cifre." << false << "txtAnno";
        QTest::newRow("a path set without typing") << Request{"../x", "01", "Marzo", "31", "Marzo"}
            << "Attenzione: indicare l'anno solare utilizzando quattro cifre." << false << "txtAnno";
        QTest::newRow("no start day") << Request{"2024", "", "Marzo", "", ""}
            << "Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a cascata."
            << false << "txtGiornoInizio";
        QTest::newRow("no start month") << Request{"2024", "01", "", "31", "Marzo"}
            << "Attenzione: indicare il mese di inizio intervallo selezionandolo dall'elenco a cascata."
            << false << "txtMeseInizio";
        QTest::newRow("no end day") << Request{"2024", "01", "Marzo", "", "Marzo"}
            << "Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a cascata."
            << false << "txtGiornoFine";
        QTest::newRow("no end month") << Request{"2024", "01", "Marzo", "31", ""}
            << "Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a cascata."
            << false << "txtMeseFine";
        QTest::newRow("31 February") << Request{"2024", "31", "Febbraio", "31", "Aprile"}
            << "Attenzione: la data 31/02/2024 di inizio intervallo non esiste." + valid << true << "txtGiornoInizio";
        QTest::newRow("31 April") << Request{"2024", "01", "Aprile", "31", "Aprile"}
            << "Attenzione: la data 31/04/2024 di fine intervallo non esiste." + valid << true << "txtGiornoFine";
        QTest::newRow("29 February 2023") << Request{"2023", "29", "Febbraio", "01", "Marzo"}
            << "Attenzione: la data 29/02/2023 di inizio intervallo non esiste." + valid << true << "txtGiornoInizio";
        QTest::newRow("end before start") << Request{"2024", "05", "Marzo", "04", "Marzo"}
            << "Attenzione: la data di fine intervallo (04/03/2024) non può essere anteriore a quella di inizio "
               "intervallo (05/03/2024).\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare un "
               "intervallo di tempo valido." << true << "";
        // clang-format on
    }
    void requestChecksRunInOrder() {
        QFETCH(Request, request);
        QFETCH(QString, message);
        QFETCH(bool, notice);
        QFETCH(QString, focus);
        const auto checked = IncomeSummary::check(request);
        QVERIFY(std::holds_alternative<Problem>(checked));
        const Problem& problem = std::get<Problem>(checked);
        QCOMPARE(problem.message, message);
        QCOMPARE(problem.notice, notice);
        QCOMPARE(QString::fromLatin1(problem.focus), focus);
    }

    void validRequestGivesThePeriod() {
        const auto checked = IncomeSummary::check({"2024", "29", "febbraio", "29", "Febbraio"});
        QVERIFY(std::holds_alternative<Period>(checked));
        const Period& p = std::get<Period>(checked);
        QCOMPARE(p.startText, QStringLiteral("29/02/2024"));
        QCOMPARE(p.end, QDate(2024, 2, 29));
    }

    void periodEndsAreIncludedAndFiltersWorkTogether() {
        const Archive archive({
            issued("1", "29/02/2024", "10,00"),
            issued("2", "01/03/2024", "10,00"),
            issued("3", "15/03/2024", "10,00", "Mario Rossini", "Tennis"),
            issued("4", "31/03/2024", "10,00", "Bianchi Anna"),
            issued("5", "01/04/2024", "10,00"),
            issued("6", "15/03/2023", "10,00"), // issued in another year, kept in this archive
            issued("7", "15/03/2024", ""),      // no total: never listed
            issued("8", "15/03/2024", "10,00", "Rossi Mario", "Nuoto sincronizzato"),
        });
        const Period march = period(3, 1, 3, 31);
        QCOMPARE(numbers(IncomeSummary::list(archive.path(), {}, {}, march)),
                 QStringList({"2", "3", "4", "8"}));
        QCOMPARE(numbers(IncomeSummary::list(archive.path(), "ross", {}, march)),
                 QStringList({"2", "3", "8"}));
        QCOMPARE(numbers(IncomeSummary::list(archive.path(), "ROSS", "nuoto", march)),
                 QStringList({"2", "8"}));
        // A filter keeps its blanks: "mario " is in "Mario Rossini", not in a payer that ends in Mario.
        QCOMPARE(numbers(IncomeSummary::list(archive.path(), "mario ", {}, kYear)), QStringList({"3"}));
        QCOMPARE(numbers(IncomeSummary::list(archive.path(), "   ", {}, kYear)).size(), 6);
    }

    void totalsAreExact_data() {
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QString>("total");
        // clang-format off
        QTest::newRow("two")          << QStringList{"10,50", "20,25"} << "30,75";
        QTest::newRow("whole euros")  << QStringList{"35"}             << "35,00";
        QTest::newRow("one decimal")  << QStringList{"120,5"}          << "120,50";
        QTest::newRow("tenths")       << QStringList{"0,10", "0,20"}   << "0,30";
        QTest::newRow("four decimals")<< QStringList{"0,1234", "1"}    << "1,1234";
        QTest::newRow("none")         << QStringList{}                 << "0,00";
        // clang-format on
    }
    void totalsAreExact() {
        QFETCH(QStringList, amounts);
        QFETCH(QString, total);
        QList<TSchedaRicevuta> receipts;
        for (const QString& amount : amounts)
            receipts << issued(QString::number(receipts.size() + 1), "10/03/2024", amount);
        const Archive archive(receipts);
        const IncomeSummary::Summary s = IncomeSummary::list(archive.path(), {}, {}, kYear);
        QCOMPARE(IncomeSummary::totalText(s.total), total);
        QCOMPARE(s.stoppedAt, 0);
    }

    void unreadableDateOrAmountStopsTheList_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("amount");
        QTest::newRow("impossible date") << "31/02/2024"
                                         << "10,00";
        QTest::newRow("no date") << ""
                                 << "10,00";
        QTest::newRow("amount in letters") << "10/03/2024"
                                           << "dieci";
    }
    void unreadableDateOrAmountStopsTheList() {
        QFETCH(QString, date);
        QFETCH(QString, amount);
        const Archive archive({issued("1", "05/03/2024", "10,00"), issued("2", date, amount),
                               issued("3", "06/03/2024", "10,00")});
        const IncomeSummary::Summary s = IncomeSummary::list(archive.path(), {}, {}, kYear);
        QCOMPARE(numbers(s), QStringList({"1"}));
        QCOMPARE(s.stoppedAt, 2);
        QCOMPARE(IncomeSummary::totalText(s.total), QStringLiteral("0,00"));
        // A receipt the filters leave out is never read further.
        QCOMPARE(IncomeSummary::list(archive.path(), "bianchi", {}, kYear).stoppedAt, 0);
    }

    // The total stops at the receipt where it goes past what it holds, wherever the archive's
    // parts are read: here the receipts after it bring the total back below it.
    void totalPastWhatItHoldsStopsAtItsReceipt() {
        constexpr int kPast = 9224; // 9224 x 99,999,999,999 euros goes past 2^63 ten-thousandths
        QList<TSchedaRicevuta> receipts;
        for (int i = 1; i <= kPast + 10; ++i)
            receipts << issued(QString::number(i), "10/03/2024", i <= kPast ? "99999999999" : "-9999999999");
        const Archive archive(receipts);
        const IncomeSummary::Summary s = IncomeSummary::list(archive.path(), {}, {}, kYear);
        QCOMPARE(s.stoppedAt, kPast);
        QCOMPARE(s.lines.size(), kPast - 1);
        QCOMPARE(IncomeSummary::totalText(s.total), QStringLiteral("0,00"));
    }

    void partialTailAndMissingArchive() {
        const Archive archive({issued("1", "05/03/2024", "10,00")}, QByteArray(500, 'x'));
        const IncomeSummary::Summary s = IncomeSummary::list(archive.path(), {}, {}, kYear);
        QCOMPARE(numbers(s), QStringList({"1"}));
        QCOMPARE(s.stoppedAt, 0);
        // A year without an archive gets an empty one.
        const QString none = TSchedaRicevuta::path(QStringLiteral("2019"));
        QCOMPARE(IncomeSummary::list(none, {}, {}, kYear).lines.size(), 0);
        QVERIFY(QFile::exists(none));
    }

    void cancelledReceiptsAreMarkedAndLeftOutOfTheTotal() {
        const Archive archive({issued("1", "05/03/2024", "10,00"), issued("2", "06/03/2024", "1200,00"),
                               issued("3", "07/03/2024", "5,50"), issued("4", "08/03/2024", "7,00")});
        ReceiptCompanion::cancel(archive.path(), 2, QStringLiteral("Errore"), QDate(2024, 3, 6));
        ReceiptCompanion::cancel(archive.path(), 4, QStringLiteral("Errore"), QDate(2024, 3, 8));
        const IncomeSummary::Summary s = IncomeSummary::list(archive.path(), {}, {}, kYear);
        QCOMPARE(numbers(s), QStringList({"1", "2", "3", "4"}));
        QCOMPARE(IncomeSummary::totalText(s.total), QStringLiteral("15,50"));
        QCOMPARE(s.cancelled, 2);
        QVERIFY(s.lines.line(1).endsWith(QStringLiteral("Tot. € 1200,00  ANNULLATA")));
        QVERIFY(!s.lines.line(2).contains(QStringLiteral("ANNULLATA")));
        QCOMPARE(IncomeSummary::cancelledText(2),
                 QStringLiteral("2 ricevute annullate non sono comprese nel totale."));
        QCOMPARE(IncomeSummary::cancelledText(1),
                 QStringLiteral("1 ricevuta annullata non è compresa nel totale."));
    }

    void aDamagedOrShortCompanionNeverChangesTheTotalUnseen() {
        const Archive archive({issued("1", "05/03/2024", "10,00"), issued("2", "06/03/2024", "20,00"),
                               issued("3", "07/03/2024", "30,00")});
        // Record 1 holds garbage, record 2 is cut short, receipt 3 has none.
        archive.folder.write(QStringLiteral("2024_Extra.ric"),
                             QByteArray(TSchedaRicevutaExtra::Size, '\x7f') + QByteArray(50, '\0'));
        IncomeSummary::Summary s = IncomeSummary::list(archive.path(), {}, {}, kYear);
        QCOMPARE(IncomeSummary::totalText(s.total), QStringLiteral("60,00"));
        QCOMPARE(s.damagedAt, 1);
        QCOMPARE(s.damagedNumber, QStringLiteral("1"));
        QCOMPARE(s.cancelled, 0);
        // A companion longer than the archive: the records past its end belong to no receipt.
        TSchedaRicevutaExtra cancelled;
        cancelled.Annullata = QStringLiteral("Sì");
        QByteArray longer;
        for (int i = 0; i < 5; ++i)
            longer += RicevutaExtraCodec::encode(i < 3 ? TSchedaRicevutaExtra{} : cancelled);
        archive.folder.write(QStringLiteral("2024_Extra.ric"), longer);
        s = IncomeSummary::list(archive.path(), {}, {}, kYear);
        QCOMPARE(IncomeSummary::totalText(s.total), QStringLiteral("60,00"));
        QCOMPARE(s.damagedAt, 0);
    }

    void resultScreenSaysHowManyCancelledReceiptsAreNotInTheTotal() {
        RequestFixture f({issued("1", "05/03/2024", "10,50"), issued("2", "06/03/2024", "20,25")});
        ReceiptCompanion::cancel(f.path(), 2, QStringLiteral("Errore"), QDate(2024, 3, 6));
        QTemporaryDir dir;
        f.fake->printTo = dir.filePath(QStringLiteral("riepilogo.pdf"));
        f.period("01", "Marzo", "31", "Marzo");
        inspectNextModal([&](QWidget* result) {
            QCOMPARE(text(result, "lblTotCosti"), QStringLiteral("10,50"));
            QCOMPARE(text(result, "lblAnnullate"),
                     QStringLiteral("1 ricevuta annullata non è compresa nel totale."));
            QTest::mouseClick(result->findChild<QPushButton*>("btnStampa"), Qt::LeftButton);
            QTest::mouseClick(result->findChild<QPushButton*>("btnEsci"), Qt::LeftButton);
        });
        f.request();
        const QString printed = PdfTools::text(f.fake->printTo).simplified();
        QVERIFY(
            printed.contains(QStringLiteral("TOTALE IMPORTI INCASSATI: € 10,50 1 ricevuta annullata non è "
                                            "compresa nel totale.")));
        QVERIFY(printed.contains(QStringLiteral("Tot. € 20,25 ANNULLATA")));
    }

    void screenShowsAFreshRequest() {
        RequestFixture f({});
        QCOMPARE(f.screen.windowTitle(), QStringLiteral(" Zandorio - Riepilogo Incassi"));
        QCOMPARE(f.field("txtAnno")->text(), QStringLiteral("2024"));
        QCOMPARE(f.label("lblAnnoInizio"), QStringLiteral("2024"));
        QCOMPARE(focused(), QStringLiteral("txtEsecutore"));
        f.field("txtAnno")->setFocus();
        QTest::keyClick(f.field("txtAnno"), Qt::Key_Backspace);
        QTest::keyClicks(f.field("txtAnno"), "x5");
        QCOMPARE(f.label("lblAnnoFine"), QStringLiteral("2025"));
        // Enter runs down the fields and ends on "Visualizza riepilogo".
        for (int i = 0; i < 7; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(focused(), QStringLiteral("btnVisualizza"));

        QTest::keyClicks(f.field("txtEsecutore"), "Rossi");
        f.period("01", "Marzo", "31", "Marzo");
        f.screen.hide();
        f.screen.show();
        QVERIFY(f.field("txtEsecutore")->text().isEmpty());
        QVERIFY(f.screen.findChild<QComboBox*>("txtMeseInizio")->currentText().isEmpty());
        QCOMPARE(f.field("txtAnno")->text(), QStringLiteral("2024"));
    }

    void refusedRequestWarnsAndFocuses() {
        RequestFixture f({});
        f.period("31", "Febbraio", "31", "Marzo");
        f.request();
        QCOMPARE(f.fake->messages.size(), 1);
        QCOMPARE(f.fake->messages[0].kind, Platform::Box::Notice);
        QVERIFY(
            f.fake->lastText().startsWith("Attenzione: la data 31/02/2024 di inizio intervallo non esiste."));
        QCOMPARE(focused(), QStringLiteral("txtGiornoInizio"));
        QVERIFY(!f.screen.findChild<QLabel*>("lblAttendere")->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void monthWithAPayerListsTotalsAndPrints() {
        RequestFixture f({issued("1", "05/03/2024", "10,50"), issued("2", "06/03/2024", "20,25"),
                          issued("3", "07/03/2024", "99,00", "Bianchi Anna"),
                          issued("4", "07/04/2024", "99,00")});
        QTemporaryDir dir;
        f.fake->printTo = dir.filePath(QStringLiteral("riepilogo.pdf"));
        QTest::keyClicks(f.field("txtEsecutore"), "rossi");
        f.period("01", "Marzo", "31", "Marzo");
        inspectNextModal([&](QWidget* result) {
            QCOMPARE(result->windowTitle(), QStringLiteral(" Zandorio - Riepilogo Incassi"));
            QCOMPARE(text(result, "titTipologia"), QStringLiteral("rossi"));
            QCOMPARE(text(result, "lblIntervallo"), QStringLiteral("Dal   01/03/2024   al   31/03/2024"));
            QCOMPARE(text(result, "lblTotCosti"), QStringLiteral("30,75"));
            QCOMPARE(text(result, "lblConta"), QStringLiteral("1"));
            auto* results = result->findChild<ResultListPanel*>();
            QCOMPARE(results->count(), 2);
            QVERIFY(results->lines()[0].endsWith(QStringLiteral("Tot. € 10,50")));
            QCOMPARE(result->findChild<QPushButton*>("btnStampa")->text(),
                     QStringLiteral("Stampa riepilogo"));
            QTest::mouseClick(result->findChild<QPushButton*>("btnStampa"), Qt::LeftButton);
            QCOMPARE(f.fake->questions, QStringList({"Si vuole stampare il presente riepilogo?"}));
            QTest::mouseClick(result->findChild<QPushButton*>("btnEsci"), Qt::LeftButton);
            QVERIFY(!result->isVisible());
        });
        f.request();
        QVERIFY(f.fake->messages.isEmpty());
        QCOMPARE(f.label("lblDataFine"), QStringLiteral("31/03/2024"));
        QCOMPARE(f.label("lblFile"), f.path());
        // Runs of blanks read back as the PDF reader lays them out.
        const QString printed = PdfTools::text(f.fake->printTo).simplified();
        for (const char* line :
             {"Riepilogo incassi", "Ric. n. 2", "- - - - - - - - - - - - - - - -",
              "INTERVALLO SELEZIONATO:    Dal   01/03/2024   al   31/03/2024",
              "TOTALE IMPORTI INCASSATI:  € 30,75", "Stampa eseguita in data 05/03/2024 alle ore 10:30"})
            QVERIFY2(printed.contains(QString::fromUtf8(line).simplified()), line);
        QVERIFY(!printed.contains(QStringLiteral("Bianchi")));
    }

    void emptySummaryDoesNotPrintAndNoIsRespected() {
        RequestFixture f({issued("1", "05/03/2024", "10,00")});
        f.period("01", "Gennaio", "31", "Dicembre");
        inspectNextModal([&](QWidget* result) {
            QCOMPARE(text(result, "titTipologia"), QStringLiteral("- - -"));
            QCOMPARE(text(result, "lblTotCosti"), QStringLiteral("10,00"));
            f.fake->answers.enqueue(false);
            QTest::mouseClick(result->findChild<QPushButton*>("btnStampa"), Qt::LeftButton);
            QCOMPARE(f.fake->printDialogs, 0);
        });
        f.request();
        f.period("01", "Aprile", "30", "Aprile");
        inspectNextModal([&](QWidget* result) {
            QCOMPARE(text(result, "lblTotCosti"), QStringLiteral("0,00"));
            QTest::mouseClick(result->findChild<QPushButton*>("btnStampa"), Qt::LeftButton);
        });
        f.request();
        QCOMPARE(f.fake->messages, (QList<FakePlatform::Shown>{
                                       {Platform::Box::Warning,
                                        QStringLiteral("Operazione di stampa non applicabile: il riepilogo "
                                                       "non contiene nessuna voce.")}}));
        QCOMPARE(f.fake->questions.size(), 1);
    }

    void incompleteListIsToldOverTheResultAtItsSize() {
        RequestFixture f(
            {issued("1", "05/03/2024", "10,00"), issued("2", "30/02/2024", "10,00", "Bianchi Anna")});
        f.period("01", "Gennaio", "31", "Dicembre");
        // What the screens show while the warning is open; then the result is closed, once the
        // warning's OK has returned.
        int lines = -1;
        QString total;
        QSize size;
        bool onScreen = false;
        bool waiting = true;
        f.fake->onMessage = [&](const FakePlatform::Shown&) {
            auto* result = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(result);
            lines = result->findChild<ResultListPanel*>()->count();
            total = text(result, "lblTotCosti");
            size = result->size();
            onScreen = result->windowHandle() && result->windowHandle()->isVisible() &&
                       result->screen()->geometry().intersects(result->geometry());
            waiting = f.screen.findChild<QLabel*>("lblAttendere")->isVisible();
            QTimer::singleShot(0, result, &QDialog::reject);
        };
        f.request();
        QCOMPARE(f.fake->messages.size(), 1);
        QCOMPARE(f.fake->messages[0].kind, Platform::Box::Warning);
        QVERIFY(f.fake->lastText().startsWith(
            "Attenzione: il riepilogo è incompleto. La ricevuta in posizione 2 "));
        QCOMPARE(lines, 1);
        QCOMPARE(total, QStringLiteral("0,00"));
        QVERIFY(onScreen);
        QVERIFY2(size.width() > 400 && size.height() > 200,
                 qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
        QVERIFY(!waiting);

        // The request screen is free again: a payer that leaves the damaged receipt out lists in full.
        f.fake->onMessage = nullptr;
        f.fake->messages.clear();
        QVERIFY(!QApplication::activeModalWidget());
        QTest::keyClicks(f.field("txtEsecutore"), "rossi");
        inspectNextModal(
            [](QWidget* result) { QCOMPARE(text(result, "lblTotCosti"), QStringLiteral("10,00")); });
        f.request();
        QVERIFY(f.fake->messages.isEmpty());
    }

    void unreadableArchiveIsReported() {
        RequestFixture f({});
        f.period("01", "Gennaio", "31", "Dicembre");
        // The year's archive is a folder: it cannot be read.
        QVERIFY(QDir(f.folder.path()).mkdir(QStringLiteral("2023.ric")));
        f.field("txtAnno")->setText(QStringLiteral("2023"));
        QString total;
        f.fake->onMessage = [&](const FakePlatform::Shown&) {
            auto* result = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(result && result->isVisible());
            total = text(result, "lblTotCosti");
            QTimer::singleShot(0, result, &QDialog::reject);
        };
        f.request();
        QCOMPARE(f.fake->messages,
                 (QList<FakePlatform::Shown>{{Platform::Box::Notice, ArchiveMessages::kFailure}}));
        QCOMPARE(total, QStringLiteral("0,00"));
    }

    void findGoesOnFromTheLastSummary() {
        RequestFixture f({issued("1", "05/03/2024", "1"), issued("2", "06/03/2024", "2", "Rossini Carlo"),
                          issued("3", "07/03/2024", "3")});
        f.period("01", "Gennaio", "31", "Dicembre");
        const auto find = [](QWidget* result) {
            result->findChild<QLineEdit*>("txtTrova")->setText(QStringLiteral("rossi m"));
            QTest::mouseClick(result->findChild<QPushButton*>("btnTrova"), Qt::LeftButton);
            return result->findChild<QListView*>("lstRecords")->currentIndex().row();
        };
        inspectNextModal([&](QWidget* result) { QCOMPARE(find(result), 0); });
        f.request();
        // The same text in the next summary goes on after the selected line, as a second click would.
        inspectNextModal([&](QWidget* result) {
            result->findChild<QListView*>("lstRecords")
                ->setCurrentIndex(result->findChild<QListView*>("lstRecords")->model()->index(0, 0));
            QCOMPARE(find(result), 2);
        });
        f.request();
    }
};

ZANDORIO_TEST(IncomeSummaryTest)
#include "tst_income_summary.moc"
