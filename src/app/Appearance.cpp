#include "Appearance.h"

#include "Artwork.h"
#include "EnterKey.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
#include <QIcon>
#include <QIconEngine>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QStandardPaths>
#include <QTranslator>

#include <algorithm>

namespace {

// The product logo in the sizes the desktop asks for, each drawn the first time it is asked for:
// drawing them all would hold up the password window.
class LogoEngine : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        auto drawn = m_drawn.find(side);
        if (drawn == m_drawn.end())
            drawn = m_drawn.insert(side, Artwork::logo(side));
        return *drawn;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect.topLeft(), pixmap(rect.size(), mode, state));
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int side : {16, 24, 32, 48, 64, 128, 256})
            sizes << QSize(side, side);
        return sizes;
    }
    QIconEngine* clone() const override { return new LogoEngine(*this); }

private:
    QHash<int, QPixmap> m_drawn;
};

} // namespace

void applyProgramAppearance() {
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    // Qt's own windows (message box buttons, file chooser, print dialog and preview, camera
    // messages) speak Italian like the rest of the program, whatever the language of the desktop:
    // the texts of each Qt module the program uses.
    for (const QString& module : {QStringLiteral("qtbase"), QStringLiteral("qtmultimedia")}) {
        auto* qtTexts = new QTranslator(QCoreApplication::instance());
        if (qtTexts->load(QLocale(), module, QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qtTexts);
        else
            delete qtTexts;
    }

    // Without a desktop session (or on the offscreen platform) Qt looks for themes nowhere but in
    // its resources; the system's icon folders hold the theme the set-up installs.
    QStringList paths = QIcon::themeSearchPaths();
    const QStringList systemFolders = QStandardPaths::locateAll(
        QStandardPaths::GenericDataLocation, QStringLiteral("icons"), QStandardPaths::LocateDirectory);
    for (const QString& folder : systemFolders)
        if (!paths.contains(folder))
            paths << folder;
    QIcon::setThemeSearchPaths(paths);
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("breeze"));
    QIcon::setFallbackThemeName(QStringLiteral("breeze"));

    // The product logo marks the program's windows in the task bar and the window list.
    QGuiApplication::setWindowIcon(QIcon(new LogoEngine));
    // Ties the windows to the applications menu entry that scripts/run.sh installs.
    QGuiApplication::setDesktopFileName(QStringLiteral("zandorio"));

    letEnterClickButtons();
}
