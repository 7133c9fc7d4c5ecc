#pragma once

#include "ReportElement.h"

#include <QList>

// A horizontal strip of a report as wide as the printable area. Flowing bands follow one another
// down the pages in template order (a title, the data, a closing line) and a band too tall for
// the room left on a page goes on over the next pages, broken between two text lines. Page
// footers sit at the bottom of every page.
struct ReportBand {
    enum class Placement { Flow, PageFooter };

    Placement placement = Placement::Flow;
    double height = 0; // millimetres
    QList<ReportElement> elements;
    // A flowing band that begins a fresh page, as each of several documents printed together does.
    bool newPage = false;
};
