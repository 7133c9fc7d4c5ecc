// Writes the manual Guida.pdf, opened from the guide window, from the general guide's own text:
// the build runs it, so the manual always says what the guide windows say.

#include "app/GeneralGuide.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>

namespace {

// The manual's chapters, each starting at a paragraph of the general guide.
struct Chapter {
    int first;
    const char* title;
};

constexpr Chapter kChapters[] = {
    {1, "Presentazione"},
    {2, "App Archivio Iscritti"},
    {14, "App Stampa Tessere"},
    {18, "App Schede Allenamento"},
    {26, "App Registro Ingressi"},
    {34, "App Statistiche Ingressi Mensili"},
    {39, "App Stampa Ricevute"},
    {50, "App Riepilogo Incassi"},
    {54, "Rete locale, chiavetta USB e password"},
    {57, "In conclusione"},
};

QTextCharFormat font(double pointSize, bool bold, const QColor& colour = Qt::black) {
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    format.setFontPointSize(pointSize);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setForeground(colour);
    return format;
}

QTextBlockFormat block(Qt::Alignment align, double spaceBefore, double spaceAfter) {
    QTextBlockFormat format;
    format.setAlignment(align);
    format.setTopMargin(spaceBefore);
    format.setBottomMargin(spaceAfter);
    return format;
}

void build(QTextDocument& document) {
    const QColor navy(0x1E, 0x3A, 0x5F);
    QTextCursor cursor(&document);
    cursor.setBlockFormat(block(Qt::AlignHCenter, 0, 4));
    cursor.insertText(QStringLiteral("Zandorio"), font(28, true, navy));
    cursor.insertBlock(block(Qt::AlignHCenter, 0, 24));
    cursor.insertText(QStringLiteral("Guida all'utilizzo del software"), font(14, false, navy));
    cursor.insertBlock(block(Qt::AlignLeft, 6, 12));
    cursor.insertText(GeneralGuide::kTitle, font(18, true, navy));

    const Chapter* next = std::begin(kChapters);
    for (int n = 1; n <= GeneralGuide::kParagraphs; ++n) {
        if (next != std::end(kChapters) && next->first == n) {
            cursor.insertBlock(block(Qt::AlignLeft, 14, 8));
            cursor.insertText(QString::fromUtf8(next->title), font(14, true, navy));
            ++next;
        }
        cursor.insertBlock(block(Qt::AlignJustify, 0, 10));
        cursor.insertText(GeneralGuide::paragraph(n), font(11, false));
    }
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s Guida.pdf\n", argv[0]);
        return 2;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(argv[1]));
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
    printer.setDocName(QStringLiteral("Zandorio - Guida all'utilizzo del software"));
    printer.setCreator(QStringLiteral("Zandorio"));

    QTextDocument document;
    // Also the font of the page numbers that printing adds.
    document.setDefaultFont(QFont(QStringLiteral("Arial"), 9));
    build(document);
    document.print(&printer);
    return printer.printerState() == QPrinter::Error ? 1 : 0;
}
