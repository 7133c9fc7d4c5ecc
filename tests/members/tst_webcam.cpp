#include "FakePlatform.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "members/MemberPhoto.h"
#include "members/PhotoFrame.h"
#include "members/TfrmWebCam.h"

#include <QImageReader>
#include <QPushButton>
#include <QTest>

namespace {

QImage filled(QColor colour) {
    QImage picture(640, 480, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

// The member card as far as the webcam window sees it: its photo frame.
struct Card {
    QWidget screen;
    PhotoFrame* photo = new PhotoFrame(PhotoFrame::kCardSize, &screen);
};

void click(const QWidget& window, const char* button) {
    auto* b = window.findChild<QPushButton*>(QLatin1String(button));
    QVERIFY2(b, button);
    b->click();
}

PhotoFrame* view(const QWidget& window, const char* name) {
    return window.findChild<PhotoFrame*>(QLatin1String(name));
}

} // namespace

class WebCamTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void capturedPictureGoesIntoTheCard() {
        FakePlatformScope fake;
        Card card;
        TfrmWebCam webcam(card.photo);
        webcam.setModeKey(QStringLiteral("euro_01"));
        FakeCamera* camera = FakeCamera::last;

        click(webcam, "btnAccendi");
        QVERIFY(camera->running());
        camera->push(filled(Qt::red));
        QCOMPARE(view(webcam, "imgCamera")->image(), filled(Qt::red));
        camera->push(filled(Qt::green));
        click(webcam, "btnCattura");
        camera->push(filled(Qt::blue));
        QCOMPARE(view(webcam, "imgCamera")->image(), filled(Qt::blue));
        QCOMPARE(view(webcam, "imgTarget")->image(), filled(Qt::green));

        click(webcam, "btnImportaFoto");
        QVERIFY(!camera->running());
        QCOMPARE(card.photo->image(), filled(Qt::green));
        QCOMPARE(webcam.result(), int(QDialog::Accepted));
        QVERIFY(fake->messages.isEmpty());
    }

    void importWithoutAFrameKeepsTheWindowOpen() {
        FakePlatformScope fake;
        Card card;
        TfrmWebCam webcam(nullptr);
        click(webcam, "btnAccendi");
        FakeCamera::last->push(filled(Qt::red));
        click(webcam, "btnCattura");
        click(webcam, "btnImportaFoto");
        QVERIFY(!FakeCamera::last->running());
        QVERIFY(card.photo->image() == MemberPhoto::blank());
        QCOMPARE(webcam.result(), int(QDialog::Rejected));
    }

    void noCameraIsToldAndChangesNothing() {
        FakePlatformScope fake;
        fake->cameraPresent = false;
        Card card;
        TfrmWebCam webcam(card.photo);
        click(webcam, "btnAccendi");
        QCOMPARE(fake->messages.size(), 1);
        QCOMPARE(fake->messages[0].kind, Platform::Box::Warning);
        QVERIFY(fake->messages[0].text.startsWith(QStringLiteral("Attenzione: nessuna webcam rilevata.")));
        QVERIFY(!FakeCamera::last->running());
        QVERIFY(view(webcam, "imgCamera")->image() == MemberPhoto::blank());
        QVERIFY(view(webcam, "imgTarget")->image() == MemberPhoto::blank());
        QVERIFY(card.photo->image() == MemberPhoto::blank());
    }

    void capturedPictureIsSavedAsJpeg() {
        TempProgramFolder folder;
        FakePlatformScope fake;
        TfrmWebCam webcam(nullptr);
        click(webcam, "btnAccendi");
        FakeCamera::last->push(filled(Qt::red));
        click(webcam, "btnCattura");
        fake->fileNames.enqueue(folder.path("Foto.jpg"));
        click(webcam, "btnSalvaFotogramma");
        QCOMPARE(QImageReader(folder.path("Foto.jpg")).format(), QByteArray("jpeg"));
        QCOMPARE(QImageReader(folder.path("Foto.jpg")).size(), QSize(640, 480));
    }

    void closingTurnsTheCameraOff() {
        FakePlatformScope fake;
        TfrmWebCam webcam(nullptr);
        click(webcam, "btnAccendi");
        QVERIFY(FakeCamera::last->running());
        // The window manager's close and Alt+F4 are refused: the camera stops with the window.
        QVERIFY(!webcam.close());
        QVERIFY(FakeCamera::last->running());
        click(webcam, "btnClose");
        QVERIFY(!FakeCamera::last->running());
        QCOMPARE(webcam.result(), int(QDialog::Rejected));
    }
};

ZANDORIO_TEST(WebCamTest)
#include "tst_webcam.moc"
