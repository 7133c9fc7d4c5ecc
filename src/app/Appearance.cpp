#include "Appearance.h"

#include <QIcon>
#include <QLocale>
#include <QStandardPaths>

void applyProgramAppearance() {
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    // Without a desktop session (or on the offscreen platform) Qt looks for themes nowhere but in
    // its resources; the system's icon folders hold the theme the set-up installs.
    QStringList paths = QIcon::themeSearchPaths();
    const QStringList systemFolders =
        QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                  QStandardPaths::LocateDirectory);
    for (const QString& folder : systemFolders)
        if (!paths.contains(folder))
            paths << folder;
    QIcon::setThemeSearchPaths(paths);
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("breeze"));
    QIcon::setFallbackThemeName(QStringLiteral("breeze"));
}
