#include "FakePlatform.h"
#include "PictureBytes.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "receipts/ReceiptLogo.h"
#include "receipts/TfrmLogo.h"
#include "storage/AtomicFile.h"

#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QtEndian>

namespace {

QImage solid(QSize size, QColor colour) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

bool sameImage(const QImage& a, const QImage& b) {
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

const QString kNotSaved = QString::fromUtf8(
    "Attenzione: il logo non è stato salvato.\n\r\n\rAccertarsi che il disco non sia pieno e di possedere i "
    "privilegi di scrittura nella cartella di installazione del programma.");

// The logo dialog on a fresh program folder.
struct LogoFixture {
    LogoFixture() { dialog.show(); }
    void press(const char* name) {
        QTest::mouseClick(dialog.findChild<QAbstractButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    QImage stored() const { return QImage(ReceiptLogo::fileName()); }

    FakePlatformScope fake;
    TempProgramFolder folder;
    TfrmLogo dialog{nullptr};
};

} // namespace

class ReceiptLogoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void builtInLogoIsABlueEuroSign() {
        const QImage logo = ReceiptLogo::builtIn();
        QCOMPARE(logo.size(), QSize(297, 184));
        QCOMPARE(ReceiptLogo::blank().size(), QSize(2, 2));
        QCOMPARE(ReceiptLogo::blank().pixelColor(1, 1), QColor(Qt::white));
        int blue = 0;
        for (int y = 0; y < logo.height(); ++y)
            for (int x = 0; x < logo.width(); ++x)
                if (const QColor c = logo.pixelColor(x, y); c.blue() > 150 && c.red() < 100)
                    ++blue;
        QVERIFY2(blue > 2000, qPrintable(QString::number(blue)));
    }

    void logoFileThatCannotBeReadGivesTheBuiltInLogo() {
        // A bitmap header claiming 20,000 x 20,000 pixels: more than a logo may hold.
        QByteArray enormous = encoded(solid(QSize(300, 200), Qt::red), "bmp");
        qToLittleEndian<qint32>(20000, enormous.data() + 18);
        qToLittleEndian<qint32>(20000, enormous.data() + 22);
        TempProgramFolder folder;
        for (const QByteArray& bytes : {QByteArray("non sono un logo"), enormous}) {
            folder.write(QStringLiteral("Logo.bmp"), bytes);
            QVERIFY(sameImage(ReceiptLogo::load(), ReceiptLogo::builtIn()));
        }
    }

    void missingLogoShowsTheBuiltInLogoAndWritesNothing() {
        LogoFixture f;
        QVERIFY(sameImage(f.dialog.picture(), ReceiptLogo::builtIn()));
        f.press("btnAnnulla");
        QVERIFY(!f.dialog.isVisible());
        QVERIFY(!QFile::exists(ReceiptLogo::fileName()));
    }

    void chosenJpegIsStoredAsABitmapOfItsOwnSize() {
        LogoFixture f;
        const QString jpeg = f.folder.path(QStringLiteral("scelto.jpg"));
        QVERIFY(solid(QSize(640, 90), Qt::darkGreen).save(jpeg, "jpeg"));
        f.fake->fileNames.enqueue(jpeg);
        f.press("btnSfoglia");
        QCOMPARE(f.dialog.picture().size(), QSize(640, 90));
        f.press("btnApplica");
        QVERIFY(!f.dialog.isVisible());
        QVERIFY(f.folder.read(QStringLiteral("Logo.bmp")).startsWith("BM"));
        QCOMPARE(f.stored().size(), QSize(640, 90));
        QVERIFY(f.fake->messages.isEmpty());
    }

    void buttonsChooseWhatApplyStores_data() {
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QImage>("expected");
        const QImage builtIn = ReceiptLogo::builtIn();
        // clang-format off
        QTest::newRow("eraser")              << QStringList{"btnCancLogo"}             << ReceiptLogo::blank();
        QTest::newRow("euro after eraser")   << QStringList{"btnCancLogo", "imgEuro"}  << builtIn;
        QTest::newRow("not a picture")       << QStringList{"btnSfoglia"}              << builtIn;
        // clang-format on
    }
    void buttonsChooseWhatApplyStores() {
        QFETCH(QStringList, presses);
        QFETCH(QImage, expected);
        LogoFixture f;
        ReceiptLogo::save(solid(QSize(10, 10), Qt::red));
        f.dialog.hide();
        f.dialog.show(); // shows the stored logo
        QVERIFY(sameImage(f.dialog.picture(), solid(QSize(10, 10), Qt::red)));
        f.folder.write(QStringLiteral("testo.jpg"), "non sono una foto");
        f.fake->fileNames.enqueue(f.folder.path(QStringLiteral("testo.jpg")));
        for (const QString& name : presses)
            f.press(qPrintable(name));
        f.press("btnApplica");
        QVERIFY(sameImage(f.stored(), expected));
        QVERIFY(sameImage(ReceiptLogo::load(), expected));
    }

    void cancelledChoicesLeaveTheFile() {
        LogoFixture f;
        ReceiptLogo::save(solid(QSize(10, 10), Qt::red));
        const QByteArray before = f.folder.read(QStringLiteral("Logo.bmp"));
        f.press("btnCancLogo");
        f.press("btnSfoglia"); // the file chooser cancelled: nothing changes
        QVERIFY(sameImage(f.dialog.picture(), ReceiptLogo::blank()));
        f.press("btnAnnulla");
        QCOMPARE(f.folder.read(QStringLiteral("Logo.bmp")), before);
    }

    void logoThatCannotBeWrittenWarnsAndKeepsTheDialog() {
        LogoFixture f;
        ReceiptLogo::save(solid(QSize(10, 10), Qt::red));
        const QByteArray before = f.folder.read(QStringLiteral("Logo.bmp"));
        f.press("btnCancLogo");
        {
            AtomicFile::Fault fullDisk(AtomicFile::Step::Sync);
            f.press("btnApplica");
        }
        QCOMPARE(f.fake->messages, (QList<FakePlatform::Shown>{{Platform::Box::Warning, kNotSaved}}));
        QVERIFY(f.dialog.isVisible());
        QVERIFY(sameImage(f.dialog.picture(), ReceiptLogo::blank()));
        QCOMPARE(f.folder.read(QStringLiteral("Logo.bmp")), before);
        f.press("btnApplica");
        QVERIFY(!f.dialog.isVisible());
        QVERIFY(sameImage(f.stored(), ReceiptLogo::blank()));
    }
};

ZANDORIO_TEST(ReceiptLogoTest)
#include "tst_receipt_logo.moc"
