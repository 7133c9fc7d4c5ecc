#include "FakePlatform.h"
#include "PdfTools.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "cards/CardFace.h"
#include "cards/CardSettings.h"
#include "cards/TfrmAnteprimaTessera.h"
#include "cards/TfrmStampaTessera.h"
#include "storage/AtomicFile.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Box = Platform::Box;

const QString kPrintFailed = QString::fromUtf8(
    "Attenzione: la stampa non è andata a buon fine.\n\r\n\rAccertarsi che la stampante sia configurata "
    "correttamente.");

// The first navy pixel of the page, in millimetres: the card's header band, 1 mm inside its corner.
QPointF headerBand(const QString& pdf) {
    const QImage page = PdfTools::firstPage(pdf, 4);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb p = page.pixel(x, y);
            if (qRed(p) < 40 && qGreen(p) < 40 && qAbs(qBlue(p) - 128) < 40)
                return QPointF(x, y) / 4;
        }
    return {-1, -1};
}

bool landscape(const QString& pdf) {
    const QImage page = PdfTools::firstPage(pdf, 1);
    return page.width() > page.height();
}

// A print or preview screen on a fresh program folder; its pages go to a PDF.
struct PrintFixture {
    PrintFixture() { fake->printTo = dir.filePath(QStringLiteral("tesserino.pdf")); }

    template <class W> static W* find(QWidget* dialog, const char* name) {
        return dialog->findChild<W*>(QString::fromLatin1(name));
    }
    static QString field(QWidget* dialog, const char* name) { return find<QLineEdit>(dialog, name)->text(); }
    static void press(QWidget* dialog, const char* name, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(find<QPushButton>(dialog, name), Qt::LeftButton);
    }
    QString settings() const { return QString::fromLatin1(folder.read(CardSettings::kFileName)); }

    FakePlatformScope fake;
    TempProgramFolder folder;
    QTemporaryDir dir;
    CardFace face;
};

} // namespace

class CardPrintTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void freshInstallationPrintsAtTheCornerAndKeepsTheDefaults() {
        PrintFixture f;
        TfrmStampaTessera dialog(nullptr, f.face);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" Stampa tesserino"));
        QCOMPARE(f.field(&dialog, "txtTop"), QStringLiteral("0"));
        QCOMPARE(f.field(&dialog, "txtLeft"), QStringLiteral("0"));
        QVERIFY(f.find<QLineEdit>(&dialog, "txtTop")->isReadOnly());
        QVERIFY(f.find<QRadioButton>(&dialog, "optVerticale")->isChecked());
        QVERIFY(!f.find<QLabel>(&dialog, "lblAttendere")->isVisible());
        f.press(&dialog, "btnStampa");
        QVERIFY(f.fake->messages.isEmpty());
        QCOMPARE(f.fake->printDialogs, 1);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(f.settings(), QStringLiteral("[Margini Stampa]\r\nSuperiore=0\r\nSinistro=0\r\n"
                                              "[Stampa Tesserino]\r\nOrientamento=Verticale\r\n"));
        QVERIFY(!landscape(f.fake->printTo));
        const QPointF band = headerBand(f.fake->printTo);
        QVERIFY(qAbs(band.x() - 11) <= 0.5 && qAbs(band.y() - 11) <= 0.5);
        QVERIFY(PdfTools::text(f.fake->printTo).contains(QStringLiteral("Cognome e nome Iscritto")));
    }

    void aClickOnStampaPrintsWhileTheWaitingTextShows() {
        PrintFixture f;
        TfrmStampaTessera dialog(nullptr, f.face);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* stampa = f.find<QPushButton>(&dialog, "btnStampa");
        const QRect before = stampa->geometry();
        const QSize size = dialog.size();
        const QPoint centre = stampa->mapTo(&dialog, stampa->rect().center());

        // Through the window, as the pointer does: the release must still find the button there.
        QTest::mousePress(dialog.windowHandle(), Qt::LeftButton, {}, centre);
        QVERIFY(f.find<QLabel>(&dialog, "lblAttendere")->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCOMPARE(stampa->geometry(), before);
        QCOMPARE(dialog.size(), size);
        QTest::mouseRelease(dialog.windowHandle(), Qt::LeftButton, {}, centre);
        QCOMPARE(f.fake->printDialogs, 1);
        QVERIFY(!dialog.isVisible());
    }

    void aPressReleasedAwayFromStampaPrintsNothingAndWaitsForNothing() {
        PrintFixture f;
        TfrmStampaTessera dialog(nullptr, f.face);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* stampa = f.find<QPushButton>(&dialog, "btnStampa");
        QTest::mousePress(dialog.windowHandle(), Qt::LeftButton, {},
                          stampa->mapTo(&dialog, stampa->rect().center()));
        QTest::mouseRelease(dialog.windowHandle(), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(f.fake->printDialogs, 0);
        QVERIFY(!f.find<QLabel>(&dialog, "lblAttendere")->isVisible());
        QVERIFY(dialog.isVisible());
        dialog.reject();
    }

    void marginsMoveTheCardAndStayForTheNextPrint() {
        PrintFixture f;
        {
            TfrmStampaTessera dialog(nullptr, f.face);
            dialog.show();
            f.press(&dialog, "btnTopMinus", 3);
            f.press(&dialog, "btnLeftPlus", 2);
            f.press(&dialog, "btnLeftMinus");
            QCOMPARE(f.field(&dialog, "txtTop"), QStringLiteral("-3"));
            QCOMPARE(f.field(&dialog, "txtLeft"), QStringLiteral("1"));
            QTest::mouseClick(f.find<QRadioButton>(&dialog, "optOrizzontale"), Qt::LeftButton);
            f.press(&dialog, "btnStampa");
        }
        QVERIFY(landscape(f.fake->printTo));
        const QPointF band = headerBand(f.fake->printTo);
        QVERIFY2(qAbs(band.x() - 12) <= 0.5 && qAbs(band.y() - 8) <= 0.5,
                 qPrintable(QStringLiteral("%1, %2").arg(band.x()).arg(band.y())));

        TfrmStampaTessera next(nullptr, f.face);
        next.show();
        QCOMPARE(f.field(&next, "txtTop"), QStringLiteral("-3"));
        QCOMPARE(f.field(&next, "txtLeft"), QStringLiteral("1"));
        QVERIFY(f.find<QRadioButton>(&next, "optOrizzontale")->isChecked());
        // "Annulla" keeps nothing of what was changed.
        const QString kept = f.settings();
        f.press(&next, "btnTopPlus", 5);
        f.press(&next, "btnAnnulla");
        QCOMPARE(f.settings(), kept);
    }

    void previewIsPortraitWithoutMargins() {
        PrintFixture f;
        CardSettings::writePrint({7, 9, QPageLayout::Landscape}, {});
        const QString kept = f.settings();
        f.face.member = QStringLiteral("Rossi Mario");
        TfrmAnteprimaTessera dialog(nullptr, f.face);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" Anteprima di stampa"));
        QCOMPARE(f.find<QPushButton>(&dialog, "btnStampa")->text(), QStringLiteral("Mostra anteprima"));
        f.press(&dialog, "btnStampa");
        QCOMPARE(f.fake->previews, 1);
        QVERIFY(f.fake->messages.isEmpty());
        QVERIFY(!landscape(f.fake->printTo));
        const QPointF band = headerBand(f.fake->printTo);
        QVERIFY(qAbs(band.x() - 11) <= 0.5 && qAbs(band.y() - 11) <= 0.5);
        QVERIFY(PdfTools::text(f.fake->printTo).contains(QStringLiteral("Rossi Mario")));
        QCOMPARE(f.settings(), kept);
    }

    void settingsThatCannotBeKeptFailThePrint() {
        PrintFixture f;
        QVERIFY(QDir(f.folder.path()).mkdir(CardSettings::kFileName));
        TfrmStampaTessera dialog(nullptr, f.face);
        dialog.show();
        QCOMPARE(f.field(&dialog, "txtTop"), QStringLiteral("0"));
        f.press(&dialog, "btnStampa");
        QCOMPARE(f.fake->messages, (QList<FakePlatform::Shown>{{Box::Warning, kPrintFailed}}));
        QCOMPARE(f.fake->printDialogs, 0);
        QVERIFY(!dialog.isVisible());
    }

    void fullDiskKeepsTheOldSettingsAndFailsThePrint() {
        PrintFixture f;
        CardSettings::writePrint({2, 3, QPageLayout::Portrait}, {});
        const QString kept = f.settings();
        TfrmStampaTessera dialog(nullptr, f.face);
        dialog.show();
        f.press(&dialog, "btnTopPlus");
        AtomicFile::Fault fullDisk(AtomicFile::Step::Write);
        f.press(&dialog, "btnStampa");
        QCOMPARE(f.fake->messages, (QList<FakePlatform::Shown>{{Box::Warning, kPrintFailed}}));
        QCOMPARE(f.settings(), kept);
    }

    void marginsThatLeaveNoRoomFailThePrint() {
        PrintFixture f;
        CardSettings::writePrint({400, 0, QPageLayout::Portrait}, {});
        TfrmStampaTessera dialog(nullptr, f.face);
        dialog.show();
        f.press(&dialog, "btnStampa");
        QCOMPARE(f.fake->messages, (QList<FakePlatform::Shown>{{Box::Warning, kPrintFailed}}));
    }
};

ZANDORIO_TEST(CardPrintTest)
#include "tst_card_print.moc"
