#pragma once

#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// Reads back what a test printed to PDF, with the poppler command-line tools.
namespace PdfTools {

inline QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of every page, in reading order, keeping each printed line on one line; pages are
// separated by form feeds.
inline QString text(const QString& pdf) {
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

// The document's properties: pages, page size, title.
inline QString info(const QString& pdf) {
    return run(QStringLiteral("pdfinfo"), {pdf});
}

inline int pageCount(const QString& pdf) {
    for (const QString& line : info(pdf).split(u'\n'))
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return 0;
}

// The names of the embedded fonts.
inline QString fonts(const QString& pdf) {
    return run(QStringLiteral("pdffonts"), {pdf});
}

// The first page as a picture of `pixelsPerMm` pixels per millimetre.
inline QImage firstPage(const QString& pdf, int pixelsPerMm = 2) {
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QString::number(pixelsPerMm * 25.4), QStringLiteral("-png"),
         QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"), pdf, stem});
    return QImage(stem + QStringLiteral(".png"));
}

} // namespace PdfTools
