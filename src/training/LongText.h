#pragma once

#include <QString>

// The multi-line texts of a training card (diet, warm-up, exercises, stretching), in the
// archive's form: line breaks as CR LF, both characters counting against the field's capacity.
// Counting and cutting this form keeps the counts in the warnings equal to what the file holds.
namespace LongText {

// How many characters the archive needs for the text.
int length(const QString& recordText);
// The text cut to at most `capacity` characters of the archive, never between a CR and its LF
// (the lone CR is left out) nor inside a character.
QString cut(const QString& recordText, int capacity);

} // namespace LongText
