#pragma once

#include <QLatin1String>

class QWidget;

// The screen created once at start-up under this object name ("frmTiratori"), where a shared
// dialog delivers its result; null when no such screen exists.
QWidget* topLevelScreen(QLatin1String objectName);
