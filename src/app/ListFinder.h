#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

// "Trova" in a result list: looks for a text in the lines, with case folded for the letters A to
// Z only, going forward and wrapping from the last line to the first. A new text is looked for
// from the first line; the same text again continues after the line found last, so pressing
// "Trova" repeatedly walks through every matching line. An empty text finds nothing.
class ListFinder {
public:
    // The row to select: the line found, else the selected row (the first when none is, -1).
    // `line` gives each of the `count` lines (at least one) as Windows-1252 text.
    int find(int count, const std::function<QByteArrayView(int row)>& line, int selected,
             const QString& text);
    // Forgets the last text looked for.
    void reset() { m_last.clear(); }

private:
    QString m_last;
};
