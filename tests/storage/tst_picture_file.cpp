#include "PictureBytes.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "storage/PictureFile.h"

#include <QTest>
#include <QtEndian>

namespace {

// Halves what it is given, and refuses anything of more than a million pixels.
QSize halfOfSmall(QSize stored) {
    return qint64(stored.width()) * stored.height() <= 1'000'000 ? stored / 2 : QSize();
}

// The size of a picture that is not there.
const QSize kNone(0, 0);

} // namespace

class PictureFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fileReadsAsItsPictureOrAsNone_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("read");
        QImage red(QSize(300, 200), QImage::Format_RGB32);
        red.fill(Qt::red);
        const QByteArray bitmap = encoded(red, "bmp");
        const QByteArray jpeg = encoded(red, "jpeg");
        // A bitmap header claiming 20,000 x 20,000 pixels: refused before anything is decoded.
        QByteArray enormous = bitmap;
        qToLittleEndian<qint32>(20000, enormous.data() + 18);
        qToLittleEndian<qint32>(20000, enormous.data() + 22);
        // clang-format off
        QTest::newRow("bitmap")         << bitmap                  << QSize(150, 100);
        QTest::newRow("jpeg")           << jpeg                    << QSize(150, 100);
        QTest::newRow("empty")          << QByteArray()            << kNone;
        QTest::newRow("text")           << QByteArray("non sono un logo") << kNone;
        QTest::newRow("truncated jpeg") << jpeg.left(jpeg.size() / 2) << kNone;
        QTest::newRow("bitmap header")  << bitmap.left(40)         << kNone;
        QTest::newRow("20000 x 20000")  << enormous                << kNone;
        // clang-format on
    }
    void fileReadsAsItsPictureOrAsNone() {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, read);
        TempProgramFolder folder;
        folder.write(QStringLiteral("Logo.bmp"), bytes);
        const QImage picture = PictureFile::read(folder.path(QStringLiteral("Logo.bmp")), halfOfSmall);
        QCOMPARE(picture.size(), read);
        QCOMPARE(picture.isNull(), read == kNone);
    }
};

ZANDORIO_TEST(PictureFileTest)
#include "tst_picture_file.moc"
