#pragma once

#include <QList>

// How flowing bands run down the pages: a pure step over heights in millimetres, which knows
// nothing of fonts or devices.
namespace ReportPagination {

// The lines of a text in a band: `count` lines `pitch` apart from `top` down. A page end never
// cuts one of them in two, except a line that reaches below `bottom`, the end of its box.
struct Lines {
    double top = 0;
    double pitch = 0;
    qsizetype count = 0;
    double bottom = 0;
};

// A band that flows: its height and the text lines in it.
struct Band {
    double height = 0;
    QList<Lines> texts;
    // Begins on a fresh page unless the page is still empty.
    bool newPage = false;
};

// The rows [from, to) of band number `band` drawn `y` millimetres below the top of the page's
// printable area.
struct Slice {
    qsizetype band;
    double from;
    double to;
    double y;
    bool operator==(const Slice&) const = default;
};

using Pages = QList<QList<Slice>>;

// The bands one after the other down pages of `room` millimetres. A band taller than the room
// left goes on over the next pages, broken between two text lines; a band that cannot be broken
// there starts on a new page, and one taller than a whole page is cut where the page ends. There
// is always at least one page.
Pages paginate(const QList<Band>& bands, double room);

} // namespace ReportPagination
