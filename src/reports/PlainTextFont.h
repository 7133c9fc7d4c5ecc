#pragma once

#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QStringView>

#include <vector>

class QFont;
class QPaintDevice;

// A fixed-pitch font as a device draws it, for lines that need no shaping: each character is one
// glyph of the font's own table, set one advance after the other. Long lists are printed this
// way, without a text layout per line, which is where their printing spent most of its time.
class PlainTextFont {
public:
    PlainTextFont(const QFont& font, const QPaintDevice* device);

    // False for a proportional font: kerning and ligatures need the shaper.
    bool isUsable() const { return m_usable; }
    const QRawFont& raw() const { return m_raw; }

    // Adds the glyphs of `line`, whose baseline starts at `origin`, that start less than `width`
    // from it; a blank is only a gap and adds no glyph. Returns false, adding nothing, when the
    // line needs a text layout: a character the font lacks, a mark, a tab or a control.
    bool place(QStringView line, QPointF origin, double width, QList<quint32>& glyphs,
               QList<QPointF>& positions) const;

private:
    struct Glyph {
        quint32 index = 0; // 0: the line needs a text layout
        double advance = 0;
    };
    Glyph glyphOf(QChar c) const;

    QRawFont m_raw;
    bool m_usable = false;
    // Looked up once per character of the Latin scripts and their punctuation and currency signs
    // (the euro), which is what the archives' Windows-1252 texts hold.
    mutable std::vector<Glyph> m_table;
    mutable std::vector<bool> m_known;
};
