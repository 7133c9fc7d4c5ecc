#include "PictureBytes.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "cards/CardLogo.h"
#include "storage/AtomicFile.h"

#include <QDir>
#include <QTest>
#include <QtEndian>

namespace {

// Left half red, right half blue.
QImage twoColours(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (int y = 0; y < size.height(); ++y)
        for (int x = size.width() / 2; x < size.width(); ++x)
            picture.setPixel(x, y, qRgb(0, 0, 255));
    return picture;
}

} // namespace

class CardLogoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void builtInLogoHasTheLogoSize() {
        const QImage logo = CardLogo::builtIn();
        QCOMPARE(logo.size(), QSize(119, 118));
        QVERIFY(qAlpha(logo.pixel(59, 55)) == 255); // the emblem is drawn, not an empty square
    }

    void wideLogoIsSavedSqueezedAsABitmap() {
        TempProgramFolder folder;
        QVERIFY(!CardLogo::exists());
        QVERIFY(CardLogo::save(twoColours(QSize(400, 100))));
        QVERIFY(CardLogo::exists());
        const QByteArray bytes = folder.read("Anagrafica/Logo.bmp");
        QVERIFY(bytes.startsWith("BM"));

        const QImage stored = CardLogo::load();
        QCOMPARE(stored.size(), QSize(119, 118));
        // Stretched over the whole bitmap: the colours reach every edge, no band is left empty.
        for (const QPoint& p : {QPoint(2, 1), QPoint(2, 116), QPoint(55, 59)})
            QCOMPARE(QColor(stored.pixel(p)), QColor(Qt::red));
        for (const QPoint& p : {QPoint(116, 1), QPoint(116, 116), QPoint(64, 59)})
            QCOMPARE(QColor(stored.pixel(p)), QColor(Qt::blue));
    }

    // A logo drawn on a clear ground must not print on a black square.
    void clearGroundStaysClear() {
        TempProgramFolder folder;
        QImage picture(100, 100, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        for (int y = 40; y < 60; ++y)
            for (int x = 40; x < 60; ++x)
                picture.setPixel(x, y, qRgb(255, 0, 0));
        QVERIFY(CardLogo::save(picture));
        const QImage stored = CardLogo::load();
        QCOMPARE(QColor(stored.pixel(5, 5)), QColor(Qt::white));
        QCOMPARE(QColor(stored.pixel(59, 59)), QColor(Qt::red));
    }

    void pictureThatIsNoLogoReadsAsNone() {
        // A bitmap header claiming 100000 x 100000 pixels, with hardly any data behind it.
        QByteArray enormous = encoded(twoColours(QSize(300, 200)), "bmp").left(54);
        qToLittleEndian<qint32>(100000, enormous.data() + 18);
        qToLittleEndian<qint32>(100000, enormous.data() + 22);
        TempProgramFolder folder;
        QVERIFY(QDir(folder.path()).mkdir("Anagrafica"));
        for (const QByteArray& bytes : {QByteArray("non sono un logo"), enormous}) {
            folder.write("Anagrafica/Logo.bmp", bytes);
            QVERIFY(CardLogo::load().isNull());
        }
    }

    void missingLogoReadsAsNoneAndMakesTheFolder() {
        TempProgramFolder folder;
        QVERIFY(CardLogo::load().isNull());
        QVERIFY(QFileInfo(folder.path("Anagrafica")).isDir());
    }

    void fullDiskKeepsTheOldLogo_data() {
        QTest::addColumn<AtomicFile::Step>("step");
        // clang-format off
        QTest::newRow("write")  << AtomicFile::Step::Write;
        QTest::newRow("flush")  << AtomicFile::Step::Flush;
        QTest::newRow("sync")   << AtomicFile::Step::Sync;
        QTest::newRow("rename") << AtomicFile::Step::Rename;
        // clang-format on
    }
    void fullDiskKeepsTheOldLogo() {
        QFETCH(AtomicFile::Step, step);
        TempProgramFolder folder;
        QVERIFY(CardLogo::save(twoColours(QSize(50, 50))));
        const QByteArray before = folder.read("Anagrafica/Logo.bmp");
        AtomicFile::Fault fullDisk(step);
        QVERIFY(!CardLogo::save(CardLogo::builtIn()));
        QCOMPARE(folder.read("Anagrafica/Logo.bmp"), before);
    }

    void saveWithNowhereToWriteFails() {
        TempProgramFolder folder;
        folder.write("Anagrafica", "un file al posto della cartella");
        QVERIFY(!CardLogo::save(CardLogo::builtIn()));
        QCOMPARE(folder.read("Anagrafica"), QByteArray("un file al posto della cartella"));
    }
};

ZANDORIO_TEST(CardLogoTest)
#include "tst_card_logo.moc"
