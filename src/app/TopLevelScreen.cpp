#include "TopLevelScreen.h"

#include <QApplication>
#include <QWidget>

QWidget* topLevelScreen(QLatin1String objectName) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == objectName)
            return w;
    return nullptr;
}
