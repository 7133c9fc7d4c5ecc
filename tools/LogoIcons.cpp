// Writes the product logo as the desktop's application icon, one picture per icon size, in the
// layout of an icon theme: FOLDER/<size>x<size>/apps/zandorio.png. The pictures come from the
// same drawing as the program's window icon, so the menu and the task bar show one logo.

#include "app/Artwork.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "uso: %s CARTELLA LATO...\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        bool ok = false;
        const int side = QByteArray(argv[i]).toInt(&ok);
        if (!ok || side <= 0) {
            std::fprintf(stderr, "lato non valido: %s\n", argv[i]);
            return 2;
        }
        const QString apps = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(side);
        if (!QDir().mkpath(apps) || !Artwork::logo(side).save(apps + QStringLiteral("/zandorio.png"))) {
            std::fprintf(stderr, "impossibile scrivere %s\n", qPrintable(apps));
            return 1;
        }
    }
    return 0;
}
