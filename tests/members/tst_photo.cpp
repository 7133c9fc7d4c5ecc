#include "FakePlatform.h"
#include "PictureBytes.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "members/MemberPhoto.h"
#include "members/PhotoFrame.h"
#include "members/TfrmZoom.h"
#include "storage/AtomicFile.h"

#include <QDir>
#include <QImageReader>
#include <QScreen>
#include <QTest>

Q_DECLARE_METATYPE(AtomicFile::Step)

namespace {

QImage filled(QSize size, QColor colour) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

// A picture with detail, so that its JPEG has a long scan to cut short.
QImage striped() {
    QImage picture(400, 300, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixelColor(x, y, QColor((x * 7) % 256, (y * 5) % 256, ((x + y) * 3) % 256));
    return picture;
}

QByteArray formatOf(const QString& path) {
    return QImageReader(path).format();
}

bool isBlank(const QImage& picture) {
    return picture == MemberPhoto::blank();
}

} // namespace

class PhotoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void photoFollowsTheRecordPosition() {
        TempProgramFolder folder;
        QVERIFY(MemberPhoto::save(8, filled(QSize(300, 400), Qt::red)));
        QCOMPARE(MemberPhoto::fileName(8), folder.path("Anagrafica/Scheda_Iscritto_8.jpg"));
        QCOMPARE(formatOf(folder.path("Anagrafica/Scheda_Iscritto_8.jpg")), QByteArray("jpeg"));
        const QImage loaded = MemberPhoto::load(8);
        QCOMPARE(loaded.size(), QSize(300, 400));
        QVERIFY(qAbs(loaded.pixelColor(150, 200).red() - 255) < 8);
    }

    void missingPhotoShowsBlankAndCreatesTheFolder() {
        TempProgramFolder folder;
        QVERIFY(!QDir(folder.path("Anagrafica")).exists());
        QVERIFY(isBlank(MemberPhoto::load(5)));
        QVERIFY(QDir(folder.path("Anagrafica")).exists());
    }

    void removedPhotoIsSavedAsTheBlankPicture() {
        TempProgramFolder folder;
        PhotoFrame frame(PhotoFrame::kCardSize);
        frame.setImage(filled(QSize(300, 400), Qt::red));
        QVERIFY(MemberPhoto::save(3, frame.image()));
        frame.showBlank();
        QVERIFY(isBlank(frame.image()));
        QVERIFY(MemberPhoto::save(3, frame.image()));
        const QImage stored = MemberPhoto::load(3);
        QCOMPARE(stored.size(), MemberPhoto::blank().size());
        const QColor corner = stored.pixelColor(10, 10);
        const QColor expected = MemberPhoto::blank().pixelColor(10, 10);
        QVERIFY(qAbs(corner.red() - expected.red()) < 8 && qAbs(corner.green() - expected.green()) < 8);
    }

    void bitmapIsLoadedAndStoredAsJpeg() {
        TempProgramFolder folder;
        FakePlatformScope fake;
        const QString bitmap = folder.path("ritratto.bmp");
        QVERIFY(filled(QSize(200, 100), Qt::blue).save(bitmap, "BMP"));
        PhotoFrame frame(PhotoFrame::kCardSize);
        fake->fileNames.enqueue(bitmap);
        frame.loadChosenFile();
        QCOMPARE(frame.image().size(), QSize(200, 100));
        QVERIFY(MemberPhoto::save(4, frame.image()));
        QCOMPARE(formatOf(MemberPhoto::fileName(4)), QByteArray("jpeg"));
    }

    void cancelledChoiceKeepsThePicture() {
        FakePlatformScope fake;
        PhotoFrame frame(PhotoFrame::kCardSize);
        const QImage red = filled(QSize(30, 40), Qt::red);
        frame.setImage(red);
        frame.loadChosenFile();
        QCOMPARE(frame.image(), red);
    }

    void pictureFilesThatCannotBeShown_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("readable");
        const QByteArray jpeg = encoded(striped(), "jpeg");
        QTest::newRow("complete") << jpeg << true;
        QTest::newRow("progressive") << encoded(striped(), "jpeg", true) << true;
        QTest::newRow("bytes after the end") << jpeg + QByteArray(5000, '\xFF') + "\xFF\xDA" << true;
        QTest::newRow("not a picture") << QByteArray("Cognome;Nome\r\nRossi;Mario\r\n") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("truncated") << jpeg.left(jpeg.size() / 2) << false;
        QTest::newRow("end marker lost") << jpeg.chopped(2) << false;
        QTest::newRow("headers only") << jpeg.left(300) << false;
    }
    void pictureFilesThatCannotBeShown() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, readable);
        TempProgramFolder folder;
        FakePlatformScope fake;
        QDir().mkpath(folder.path("Anagrafica"));
        folder.write("Anagrafica/Scheda_Iscritto_2.jpg", bytes);
        QCOMPARE(!isBlank(MemberPhoto::load(2)), readable);

        PhotoFrame frame(PhotoFrame::kCardSize);
        frame.setImage(filled(QSize(30, 40), Qt::red));
        fake->fileNames.enqueue(MemberPhoto::fileName(2));
        frame.loadChosenFile();
        QCOMPARE(!isBlank(frame.image()), readable);
        QVERIFY(fake->messages.isEmpty());
    }

    void hugePicturesAreDecodedReduced() {
        QCOMPARE(MemberPhoto::decodeSize(QSize(12000, 9000)), QSize(1200, 900));
        QCOMPARE(MemberPhoto::decodeSize(QSize(9000, 12000)), QSize(900, 1200));
        QCOMPARE(MemberPhoto::decodeSize(QSize(1200, 800)), QSize(1200, 800));
        QCOMPARE(MemberPhoto::decodeSize(QSize(30000, 2)), QSize(1200, 1));

        TempProgramFolder folder;
        // One bit per pixel keeps the test's own copy small; the file is a full-size JPEG.
        QImage huge(12000, 9000, QImage::Format_Mono);
        huge.fill(1);
        QVERIFY(huge.save(folder.path("enorme.jpg"), "JPEG"));
        QCOMPARE(QImageReader(folder.path("enorme.jpg")).size(), QSize(12000, 9000));
        QCOMPARE(MemberPhoto::read(folder.path("enorme.jpg")).size(), QSize(1200, 900));
    }

    void largePicturesAreStoredReduced() {
        TempProgramFolder folder;
        QVERIFY(MemberPhoto::save(1, filled(QSize(3000, 2000), Qt::green)));
        QCOMPARE(QImageReader(MemberPhoto::fileName(1)).size(), QSize(1200, 800));
    }

    void saveFailureIsReported() {
        TempProgramFolder folder;
        folder.write("Anagrafica", "a file where the folder should be");
        QVERIFY(!MemberPhoto::save(6, filled(QSize(30, 40), Qt::red)));
        QVERIFY(isBlank(MemberPhoto::load(6)));
    }

    void exportWritesJpegWhereChosen() {
        TempProgramFolder folder;
        FakePlatformScope fake;
        PhotoFrame frame(PhotoFrame::kCardSize);
        frame.setImage(filled(QSize(30, 40), Qt::red));
        fake->fileNames.enqueue(folder.path("Foto.jpg"));
        frame.saveToChosenFile();
        QCOMPARE(formatOf(folder.path("Foto.jpg")), QByteArray("jpeg"));
    }

    // A picture writer meets a full disk at every step: the file chosen keeps what it held.
    void exportOnAFullDiskKeepsTheChosenFileAndWarns_data() {
        QTest::addColumn<AtomicFile::Step>("step");
        QTest::newRow("write") << AtomicFile::Step::Write;
        QTest::newRow("flush") << AtomicFile::Step::Flush;
        QTest::newRow("rename") << AtomicFile::Step::Rename;
    }
    void exportOnAFullDiskKeepsTheChosenFileAndWarns() {
        QFETCH(AtomicFile::Step, step);
        TempProgramFolder folder;
        FakePlatformScope fake;
        folder.write("Foto.jpg", encoded(filled(QSize(30, 40), Qt::green), "jpeg"));
        const QByteArray before = folder.read("Foto.jpg");
        PhotoFrame frame(PhotoFrame::kCardSize);
        frame.setImage(striped());
        fake->fileNames.enqueue(folder.path("Foto.jpg"));
        {
            const AtomicFile::Fault fault(step);
            frame.saveToChosenFile();
        }
        QCOMPARE(folder.read("Foto.jpg"), before);
        QCOMPARE(fake->messages,
                 (QList<FakePlatform::Shown>{{Platform::Box::Warning, MemberPhoto::kExportFailed}}));
    }

    void zoomFillsTheScreenAndClosesOnClick() {
        const QImage red = filled(QSize(30, 40), Qt::red);
        TfrmZoom zoom(red);
        QCOMPARE(zoom.windowTitle(), QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
        zoom.show();
        auto* picture = zoom.findChild<PhotoFrame*>(QStringLiteral("imgZoom"));
        QVERIFY(picture);
        QCOMPARE(picture->image(), red);
        QCOMPARE(picture->size(), zoom.screen()->size() - QSize(60, 90));
        QTest::mouseClick(picture, Qt::LeftButton);
        QVERIFY(!zoom.isVisible());
        QCOMPARE(zoom.result(), int(QDialog::Accepted));
    }
};

ZANDORIO_TEST(PhotoTest)
#include "tst_photo.moc"
