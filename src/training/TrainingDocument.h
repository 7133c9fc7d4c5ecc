#pragma once

#include <QByteArray>
#include <QDate>

struct TSchedaAllenamento;

// The training card as a rich-text document that the member takes home: a centred title with the
// creation date, then each label in bold with its value on the next line. Plain RTF in
// Windows-1252, all on one line.
//
// Values lose their blanks at the ends. Accented letters go in as their single Windows-1252
// bytes; a backslash or a brace is escaped, so that a text such as "serie {3x10}" neither
// breaks the document nor changes its look; a character outside the code page is written as a
// Unicode escape rather than lost; each line break of a long text starts a new paragraph with the
// same formatting, so the exercises read one a line and none is stretched to the page's width.
// Control characters other than the tab and the line breaks are left out.
namespace TrainingDocument {

inline constexpr const char* kFileName = "Scheda_Allenamento.rtf";

QByteArray rtf(const TSchedaAllenamento& card, const QDate& created);

} // namespace TrainingDocument
