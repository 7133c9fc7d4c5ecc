// The camera module: the platform's default camera through Qt Multimedia.
#include "app/CameraDevice.h"

#include <QCamera>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QMutex>
#include <QVideoFrame>
#include <QVideoSink>

#include <memory>
#include <utility>

namespace {

// Frames come from the camera's capture thread. Only the newest one waits for the GUI thread,
// which converts it into a picture: a busy GUI skips frames instead of piling them up.
class QtCameraDevice : public CameraDevice {
public:
    QtCameraDevice() {
        m_session.setVideoSink(&m_sink);
        QObject::connect(
            &m_sink, &QVideoSink::videoFrameChanged, &m_guiThread,
            [this](const QVideoFrame& frame) { frameArrived(frame); }, Qt::DirectConnection);
    }
    ~QtCameraDevice() override {
        QObject::disconnect(&m_sink, nullptr, &m_guiThread, nullptr);
        stop();
    }

    bool start(std::function<void(const QImage&)> frame) override {
        m_frame = std::move(frame);
        if (m_camera && m_camera->isActive())
            return true;
        const QCameraDevice device = QMediaDevices::defaultVideoInput();
        if (device.isNull())
            return false;
        m_camera = std::make_unique<QCamera>(device);
        if (const QCameraFormat format = previewFormat(device); !format.isNull())
            m_camera->setCameraFormat(format);
        m_session.setCamera(m_camera.get());
        m_camera->start();
        return m_camera->error() == QCamera::NoError;
    }

    void stop() override {
        if (m_camera)
            m_camera->stop();
    }

private:
    // The largest format up to 1280 pixels wide: enough for a member photo, and cheap enough
    // to convert at every frame.
    static QCameraFormat previewFormat(const QCameraDevice& device) {
        QCameraFormat best;
        for (const QCameraFormat& f : device.videoFormats()) {
            const QSize size = f.resolution();
            const QSize bestSize = best.resolution();
            if (size.width() <= 1280 &&
                (best.isNull() || size.width() * size.height() > bestSize.width() * bestSize.height()))
                best = f;
        }
        return best;
    }

    // On the capture thread.
    void frameArrived(const QVideoFrame& frame) {
        QMutexLocker lock(&m_mutex);
        m_pending = frame;
        if (m_deliveryQueued)
            return;
        m_deliveryQueued = true;
        QMetaObject::invokeMethod(
            &m_guiThread, [this] { deliver(); }, Qt::QueuedConnection);
    }

    // On the GUI thread.
    void deliver() {
        QVideoFrame frame;
        {
            QMutexLocker lock(&m_mutex);
            frame = std::exchange(m_pending, QVideoFrame());
            m_deliveryQueued = false;
        }
        if (!m_camera || !m_camera->isActive())
            return;
        const QImage picture = frame.toImage();
        if (!picture.isNull() && m_frame)
            m_frame(picture);
    }

    // Lives on the GUI thread: what the frames are handed over through.
    QObject m_guiThread;
    QMediaCaptureSession m_session;
    QVideoSink m_sink;
    std::unique_ptr<QCamera> m_camera;
    QMutex m_mutex;
    QVideoFrame m_pending;
    bool m_deliveryQueued = false;
    std::function<void(const QImage&)> m_frame;
};

} // namespace

extern "C" Q_DECL_EXPORT CameraDevice* zandorioOpenCameraDevice() {
    return new QtCameraDevice;
}
