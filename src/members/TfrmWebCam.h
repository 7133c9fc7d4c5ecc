#pragma once

#include "app/Dialog.h"

#include <memory>

class CameraSource;
class PhotoFrame;
class QLabel;

// The webcam window: a live preview, a captured picture, and the buttons that take the
// captured picture to disk or into the photo frame its opener hands it (the member card's).
class TfrmWebCam : public Dialog {
    Q_OBJECT
public:
    explicit TfrmWebCam(PhotoFrame* target, QWidget* parent = nullptr);
    ~TfrmWebCam() override;
    void setModeKey(const QString& key);
    // However the window closes, the camera goes off.
    void done(int result) override;

private:
    void btnAccendiClick();
    void btnImportaFotoClick();

    PhotoFrame* m_target;
    QLabel* m_lblMemory;
    PhotoFrame* m_imgCamera;
    PhotoFrame* m_imgTarget;
    std::unique_ptr<CameraSource> m_camera;
};
