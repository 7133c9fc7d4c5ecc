#pragma once

#include <QString>

// The general guide of the program: the main menu shows it whole, the member card and the
// manual in the program folder use runs of its paragraphs.
namespace GeneralGuide {

inline constexpr int kParagraphs = 57;
inline const QString kTitle = QStringLiteral("Uno sguardo a Zandorio");

// Paragraph n, counting from 1; empty outside 1 to kParagraphs.
QString paragraph(int n);
// Paragraphs first to last, each pair separated by an empty line ("\r\n\r\n").
QString text(int first = 1, int last = kParagraphs);

} // namespace GeneralGuide
