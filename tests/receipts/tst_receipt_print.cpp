#include "PdfTools.h"
#include "ReceiptFixture.h"
#include "TestMain.h"
#include "receipts/ReceiptCompanion.h"
#include "receipts/ReceiptDocument.h"
#include "receipts/ReceiptLogo.h"
#include "receipts/ReceiptSettings.h"
#include "receipts/TSchedaRicevuta.h"
#include "receipts/TfrmAnteprimaRic.h"
#include "receipts/TfrmRicevuta.h"
#include "receipts/TfrmStampaRic.h"
#include "reports/ReportRenderer.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

// The fixture's receipt, its number with blanks around it as a screen may hold it.
TSchedaRicevuta sample() {
    TSchedaRicevuta r = receipt(QStringLiteral(" 12 "));
    r.Ricevente4 = QStringLiteral("P.IVA 01234567890");
    r.LuogoNascitaPraticante = QStringLiteral("Forlì");
    return r;
}

// Both copies as the sheet prints them, read back from a PDF.
struct Printed {
    explicit Printed(const ReportTemplate& sheet) {
        ReportRenderer(sheet).writePdf(pdf());
        text = PdfTools::text(pdf());
    }
    QString pdf() const { return dir.filePath(QStringLiteral("ricevuta.pdf")); }
    QImage page(int pixelsPerMm = 2) const { return PdfTools::firstPage(pdf(), pixelsPerMm); }

    QTemporaryDir dir;
    QString text;
};

QColor at(const QImage& page, double xMm, double yMm, int pixelsPerMm = 2) {
    return page.pixelColor(int(xMm * pixelsPerMm), int(yMm * pixelsPerMm));
}

// Equal but for what rendering the PDF back to pixels blurs.
bool near(const QColor& a, const QColor& b) {
    return qAbs(a.red() - b.red()) < 8 && qAbs(a.green() - b.green()) < 8 && qAbs(a.blue() - b.blue()) < 8;
}

QImage solid(QSize size, QColor colour) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

// How many strongly blue pixels the page shows in the payer's logo box: the built-in euro sign.
int bluePixelsInLogo(const QImage& page) {
    int blue = 0;
    for (int y = 14 * 2; y < 36 * 2; ++y)
        for (int x = 14 * 2; x < 53 * 2; ++x)
            if (const QColor c = page.pixelColor(x, y); c.blue() > 150 && c.red() < 100)
                ++blue;
    return blue;
}

const QString kPrintFailed = QString::fromUtf8(
    "Attenzione: la stampa non è andata a buon fine.\n\r\n\rAccertarsi che la stampante sia configurata "
    "correttamente.");
const QString kPreviewFailed = QString::fromUtf8(
    "Attenzione: la visualizzazione dell'anteprima di stampa non è andata a buon fine.\n\r\n\rAccertarsi che "
    "la stampante sia configurata correttamente.");

} // namespace

class ReceiptPrintTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTextBoxOfBothCopiesIsFilled_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRectF>("box");
        // clang-format off
        QTest::newRow("number")   << "txtNumRic"      << "Ricevuta n. 12"          << QRectF(146, 16, 49, 5);
        QTest::newRow("date")     << "txtData"        << "Data:  05/03/2024"       << QRectF(146, 29, 49, 5);
        QTest::newRow("payee")    << "txtRicevente01" << "A.S.D. Delfini"          << QRectF(55, 14, 87, 4);
        QTest::newRow("empty")    << "txtRicevente02" << ""                        << QRectF(55, 20, 87, 4);
        QTest::newRow("payer")    << "txtPagatore"    << "Rossi Mario"             << QRectF(42, 41, 88, 4.4);
        QTest::newRow("from")     << "txtDal"         << "01/03/2024"              << QRectF(139.4, 46, 23, 4.4);
        QTest::newRow("words")    << "txtImpLettere"  << "CENTOVENTI/50"           << QRectF(26.2, 54, 167, 4);
        QTest::newRow("address")  << "txtIndirizzo"   << "Via Roma 1"              << QRectF(85, 71, 109, 4.4);
        QTest::newRow("euros")    << "txtImporto"     << "120"                     << QRectF(132, 89.2, 49, 7);
        QTest::newRow("cents")    << "txtCents"       << "50"                      << QRectF(186, 89.2, 9, 7);
        // clang-format on
    }
    void everyTextBoxOfBothCopiesIsFilled() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QRectF, box);
        ReportTemplate sheet = ReceiptDocument::make(sample(), ReceiptLogo::blank());
        QCOMPARE(sheet.element(name).text, text);
        QCOMPARE(sheet.element(name).box, box);
        // The receiver's copy: the same text 155 mm lower (the words box at 209).
        QCOMPARE(sheet.element(name + QStringLiteral("_B")).text, text);
        QCOMPARE(sheet.element(name + QStringLiteral("_B")).box, box.translated(0, 155));
    }

    void sheetIsOnePortraitA4WithBothCopies() {
        ReportTemplate sheet = ReceiptDocument::make(sample(), ReceiptLogo::builtIn());
        QCOMPARE(sheet.name(), QStringLiteral("Ricevuta di Pagamento"));
        QCOMPARE(sheet.orientation(), QPageLayout::Portrait);
        QCOMPARE(sheet.margins(), QMarginsF());
        QCOMPARE(sheet.element(QStringLiteral("imgLogo_B")).box, QRectF(14, 169, 39.4, 22));

        const Printed printed(sheet);
        QCOMPARE(PdfTools::pageCount(printed.pdf()), 1);
        QVERIFY(PdfTools::info(printed.pdf()).contains(QStringLiteral("595 x 842 pts (A4)")));
        for (const char* twice : {"Ricevuta n. 12", "05/03/2024", "CENTOVENTI/50", "RSSMRA80A01H501U",
                                  "Riceviamo da", "per l'attività sportiva", "TOTALE :"})
            QVERIFY2(printed.text.count(QString::fromUtf8(twice)) == 2, twice);
        for (const char* once : {"COPIA PER IL PAGATORE", "COPIA PER IL RICEVENTE"})
            QVERIFY2(printed.text.count(QString::fromUtf8(once)) == 1, once);
        QVERIFY(printed.text.contains(QStringLiteral("-----")));
        // The payer's copy above the receiver's.
        QVERIFY(printed.text.indexOf(QStringLiteral("COPIA PER IL PAGATORE")) <
                printed.text.indexOf(QStringLiteral("COPIA PER IL RICEVENTE")));
    }

    void copiesDifferInTheColourOfTheirBoxes() {
        const QImage page = Printed(ReceiptDocument::make(sample(), ReceiptLogo::blank())).page(4);
        // Inside the number box, left of its text: light blue above, snow below.
        const QColor lightBlue = at(page, 144.8, 22, 4);
        const QColor snow = at(page, 144.8, 22 + 155, 4);
        QVERIFY2(lightBlue.blue() > lightBlue.red(), qPrintable(lightBlue.name()));
        QVERIFY2(snow.red() > snow.blue(), qPrintable(snow.name()));
        // The stamp box is white in both.
        QCOMPARE(at(page, 40, 85, 4), QColor(Qt::white));
        QCOMPARE(at(page, 40, 85 + 155, 4), QColor(Qt::white));
    }

    void emptyWordsPrintTheSlashAndTheCents() {
        TSchedaRicevuta r = sample();
        r.ImportoLettere.clear();
        r.CentesimiLettere = QStringLiteral("05");
        ReportTemplate sheet = ReceiptDocument::make(r, ReceiptLogo::blank());
        QCOMPARE(sheet.element(QStringLiteral("txtImpLettere")).text, QStringLiteral("/05"));
        // An unsaved receipt prints what the screen shows, an empty number too.
        r.NumeroRicevuta.clear();
        QCOMPARE(ReceiptDocument::make(r, ReceiptLogo::blank()).element(QStringLiteral("txtNumRic_B")).text,
                 QStringLiteral("Ricevuta n. "));
    }

    void longAddressIsCutAtTheBoxNotWrapped() {
        TSchedaRicevuta r = sample();
        r.IndirizzoPraticante =
            QStringLiteral("Via dei Mille ") + QString(231, u'x') + QStringLiteral(" FINE");
        QCOMPARE(r.IndirizzoPraticante.size(), 250);
        const Printed printed(ReceiptDocument::make(r, ReceiptLogo::blank()));
        QCOMPARE(printed.text.count(QStringLiteral("Via dei Mille")), 2);
        QVERIFY(!printed.text.contains(QStringLiteral("FINE")));
        // Nothing of it spills below its box onto the stamp box.
        const QImage page = printed.page(4);
        for (double x = 86; x < 190; x += 0.5)
            QCOMPARE(at(page, x, 77, 4), QColor(Qt::white));
    }

    void logoPrintsInBothCopiesAndBlankPrintsWhite() {
        const QImage red = Printed(ReceiptDocument::make(sample(), solid(QSize(394, 220), Qt::red))).page();
        for (double y : {25.0, 25.0 + 155})
            QVERIFY(near(at(red, 33, y), Qt::red));
        const QImage blank = Printed(ReceiptDocument::make(sample(), ReceiptLogo::blank())).page();
        for (double y : {25.0, 25.0 + 155})
            QVERIFY(near(at(blank, 33, y), Qt::white));
    }

    void printDialogPrintsTheSheetWithTheStoredLogo() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        QTemporaryDir dir;
        fake->printTo = dir.filePath(QStringLiteral("stampa.pdf"));
        QVERIFY(ReceiptLogo::save(solid(QSize(40, 22), Qt::green)));
        TfrmStampaRic dialog(nullptr, sample());
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" Stampa ricevuta"));
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("btnStampa"))->text(),
                 QStringLiteral("Stampa"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btnStampa")), Qt::LeftButton);
        QCOMPARE(fake->printDialogs, 1);
        QVERIFY(fake->messages.isEmpty());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(PdfTools::pageCount(fake->printTo), 1);
        QVERIFY(near(at(PdfTools::firstPage(fake->printTo), 33, 25), Qt::green));
    }

    void previewShowsTheSheet() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        QTemporaryDir dir;
        fake->printTo = dir.filePath(QStringLiteral("anteprima.pdf"));
        TfrmAnteprimaRic dialog(nullptr, sample());
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" Anteprima di stampa"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btnStampa")), Qt::LeftButton);
        QCOMPARE(fake->previews, 1);
        QVERIFY(fake->messages.isEmpty());
        QVERIFY(!dialog.isVisible());
        QVERIFY(PdfTools::text(fake->printTo).contains(QStringLiteral("COPIA PER IL RICEVENTE")));
    }

    void failuresWarnAndClose() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        QTemporaryDir dir;
        fake->printTo = dir.path(); // a folder: the printer cannot write there
        {
            TfrmStampaRic dialog(nullptr, sample());
            dialog.show();
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btnStampa")), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        }
        {
            TfrmAnteprimaRic dialog(nullptr, sample());
            dialog.show();
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btnStampa")), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        }
        const QList<FakePlatform::Shown> expected = {{Platform::Box::Warning, kPrintFailed},
                                                     {Platform::Box::Warning, kPreviewFailed}};
        QCOMPARE(fake->messages, expected);
    }

    // A new user prints a receipt straight from the receipt screen, blanks the logo and prints
    // again.
    void receiptScreenPrintsWhatItShowsWithTheLogoChosen() {
        ReceiptFolder f;
        QTemporaryDir dir;
        TfrmRicevuta screen;
        screen.openYear(QStringLiteral("2024"), f.path());
        screen.show();
        screen.findChild<QLineEdit*>(QStringLiteral("txtPagatore"))->setText(QStringLiteral("Verdi Anna"));
        const auto press = [&](const char* command, const char* dialogName, const char* button) {
            inspectNextModal([=](QWidget* dialog) {
                QCOMPARE(dialog->objectName(), QString::fromLatin1(dialogName));
                QTest::mouseClick(dialog->findChild<QAbstractButton*>(QString::fromLatin1(button)),
                                  Qt::LeftButton);
                if (dialog->objectName() == QStringLiteral("frmLogo"))
                    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnApplica")),
                                      Qt::LeftButton);
                QVERIFY(!dialog->isVisible());
            });
            QTest::mouseClick(screen.findChild<QToolButton*>(QString::fromLatin1(command)), Qt::LeftButton);
        };

        f.fake->printTo = dir.filePath(QStringLiteral("stampa.pdf"));
        press("cmdStampa", "frmStampaRic", "btnStampa");
        QCOMPARE(f.fake->printDialogs, 1);
        QCOMPARE(PdfTools::text(f.fake->printTo).count(QStringLiteral("Verdi Anna")), 2);
        QVERIFY(bluePixelsInLogo(PdfTools::firstPage(f.fake->printTo)) > 0);

        press("cmdLogo", "frmLogo", "btnCancLogo");
        QCOMPARE(QImage(ReceiptLogo::fileName()).size(), QSize(2, 2));

        f.fake->printTo = dir.filePath(QStringLiteral("anteprima.pdf"));
        press("cmdAnteprima", "frmAnteprimaRic", "btnStampa");
        QCOMPARE(f.fake->previews, 1);
        QCOMPARE(bluePixelsInLogo(PdfTools::firstPage(f.fake->printTo)), 0);
        QVERIFY(f.fake->messages.isEmpty());
        // Nothing of it was saved.
        QVERIFY(f.archive().isEmpty());
    }

    void stampDutyPaymentAndStateArePrintedInBothCopies_data() {
        QTest::addColumn<bool>("exempt");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("duty");
        QTest::addColumn<bool>("stampBox");
        const QString exemption = QStringLiteral(
            "Esente da imposta di bollo ai sensi dell'art. 27-bis, Tabella B, D.P.R. 642/1972");
        const QString paid = QStringLiteral("Imposta di bollo assolta (euro 2,00)");
        QTest::newRow("exempt") << true << "120,50" << exemption << false;
        QTest::newRow("due") << false << "77,48" << paid << true;
        QTest::newRow("at the threshold") << false << "77,47" << QString() << false;
    }
    void stampDutyPaymentAndStateArePrintedInBothCopies() {
        QFETCH(bool, exempt);
        QFETCH(QString, total);
        QFETCH(QString, duty);
        QFETCH(bool, stampBox);
        TSchedaRicevuta r = sample();
        r.ImportoTotale = total;
        ReceiptDocument::Marks marks;
        marks.method = QStringLiteral("Bonifico bancario o postale");
        marks.stampExempt = exempt;
        marks.duplicate = true;
        const Printed printed(ReceiptDocument::make(r, ReceiptLogo::blank(), marks));
        QCOMPARE(printed.text.count(QStringLiteral("Pagamento:")), 2);
        QCOMPARE(printed.text.count(QStringLiteral("Bonifico bancario o postale")), 2);
        QCOMPARE(printed.text.count(QStringLiteral("DUPLICATO")), 2);
        QVERIFY(!printed.text.contains(QStringLiteral("ANNULLATA")));
        if (!duty.isEmpty())
            QCOMPARE(printed.text.count(duty), 2);
        QCOMPARE(printed.text.contains(QStringLiteral("BOLLO VIGENTE")), stampBox);
        QCOMPARE(printed.text.count(QStringLiteral("(OVE RICHIESTO)")), stampBox ? 2 : 0);
        // The stamp box's border, or the paper where it would stand.
        QCOMPARE(near(at(printed.page(4), 14, 100, 4), Qt::black), stampBox);
    }

    void eachPrintIsCountedTheSecondSaysDuplicatoAndACancelledOneAnnullata() {
        ReceiptFolder f;
        f.seed({receipt(QStringLiteral("1"))});
        QTemporaryDir dir;
        ReceiptSheet sheet(receipt(QStringLiteral("1")));
        sheet.archivePath = f.path();
        sheet.position = 1;
        sheet.extra.MetodoPagamento = QStringLiteral("Contanti");
        const auto print = [&](const QString& name) {
            f.fake->printTo = dir.filePath(name);
            TfrmStampaRic dialog(nullptr, sheet);
            dialog.show();
            dialog.btnStampaClick();
            return PdfTools::text(f.fake->printTo);
        };
        const QString original = print(QStringLiteral("1.pdf"));
        QVERIFY(!original.contains(QStringLiteral("DUPLICATO")));
        QCOMPARE(original.count(QStringLiteral("Contanti")), 2);
        QCOMPARE(print(QStringLiteral("2.pdf")).count(QStringLiteral("DUPLICATO")), 2);
        QCOMPARE(ReceiptCompanion::load(f.path(), 1).prints(), 2);

        // A print dialog cancelled prints nothing and counts nothing.
        f.fake->printAccepted = false;
        print(QStringLiteral("3.pdf"));
        QCOMPARE(ReceiptCompanion::load(f.path(), 1).prints(), 2);
        f.fake->printAccepted = true;

        ReceiptCompanion::cancel(f.path(), 1, QStringLiteral("Errore"), QDate(2024, 3, 6));
        QCOMPARE(print(QStringLiteral("4.pdf")).count(QStringLiteral("ANNULLATA - DUPLICATO")), 2);
        QVERIFY(f.fake->messages.isEmpty());
    }

    void theStampSettingIsKeptAndExemptByDefault() {
        ReceiptFolder f;
        QVERIFY(ReceiptSettings::stampExempt());
        TfrmAnteprimaRic dialog(nullptr, sample());
        dialog.show();
        auto* exempt = dialog.findChild<QCheckBox*>(QStringLiteral("chkEsenteBollo"));
        QCOMPARE(exempt->text(), QStringLiteral("Esente da imposta di bollo"));
        QVERIFY(exempt->isChecked());
        exempt->setChecked(false);
        QTemporaryDir dir;
        f.fake->printTo = dir.filePath(QStringLiteral("a.pdf"));
        dialog.btnStampaClick();
        QVERIFY(!ReceiptSettings::stampExempt());
        QVERIFY(
            PdfTools::text(f.fake->printTo).contains(QStringLiteral("Imposta di bollo assolta (euro 2,00)")));
        // The rest of the settings file is left as it was.
        QVERIFY(f.folder.read(QString::fromLatin1(ReceiptSettings::kFileName)).contains("Esente=No"));
    }
};

ZANDORIO_TEST(ReceiptPrintTest)
#include "tst_receipt_print.moc"
