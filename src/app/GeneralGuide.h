#pragma once

#include <QString>

// The general guide of the program: the main menu shows it whole, the member card and the
// manual in the program folder use runs of its paragraphs.
namespace GeneralGuide {

inline constexpr int kParagraphs = 57;
inline const QString kTitle = QStringLiteral("Uno sguardo a Zandorio");
// The member card's page: the member archive's paragraphs, from "L'app Archivio Iscritti è uno
// schedario" to the one that ends "esportato in un file di Excel.".
inline constexpr int kMembersFirst = 2;
inline constexpr int kMembersLast = 13;

// Paragraph n, counting from 1; empty outside 1 to kParagraphs.
QString paragraph(int n);
// Paragraphs first to last, each pair separated by an empty line ("\r\n\r\n").
QString text(int first = 1, int last = kParagraphs);

} // namespace GeneralGuide
