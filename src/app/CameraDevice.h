#pragma once

#include <QImage>

#include <functional>

// The default camera as the camera module gives it. The module alone links Qt Multimedia and the
// sound and video libraries under it, and is loaded the first time a camera is wanted: the
// program starts without them.
class CameraDevice {
public:
    virtual ~CameraDevice() = default;
    // Hands every frame to `frame` on the GUI thread; false when no camera can be started (none
    // present, busy, refused).
    virtual bool start(std::function<void(const QImage&)> frame) = 0;
    virtual void stop() = 0;
};

// The module's one entry point, resolved by name.
using OpenCameraDevice = CameraDevice* (*)();
inline constexpr const char* kOpenCameraDevice = "zandorioOpenCameraDevice";
