#include "PlainTextFont.h"

#include <QFont>
#include <QFontInfo>

namespace {

constexpr char16_t kTableEnd = 0x2200;

} // namespace

PlainTextFont::PlainTextFont(const QFont& font, const QPaintDevice* device)
    : m_table(kTableEnd), m_known(kTableEnd) {
    const QFont onDevice(font, device);
    m_raw = QRawFont::fromFont(onDevice);
    m_usable = m_raw.isValid() && QFontInfo(onDevice).fixedPitch();
}

PlainTextFont::Glyph PlainTextFont::glyphOf(QChar c) const {
    const bool cached = c.unicode() < kTableEnd;
    if (cached && m_known[c.unicode()])
        return m_table[c.unicode()];
    Glyph glyph;
    if (!c.isSurrogate() && !c.isMark() && c.category() != QChar::Other_Control &&
        c.category() != QChar::Other_Format) {
        quint32 index = 0;
        int count = 1;
        QPointF advance;
        if (m_raw.glyphIndexesForChars(&c, 1, &index, &count) && count == 1 && index != 0 &&
            m_raw.advancesForGlyphIndexes(&index, &advance, 1))
            glyph = {index, advance.x()};
    }
    if (cached) {
        m_table[c.unicode()] = glyph;
        m_known[c.unicode()] = true;
    }
    return glyph;
}

bool PlainTextFont::place(QStringView line, QPointF origin, double width, QList<quint32>& glyphs,
                          QList<QPointF>& positions) const {
    const qsizetype start = glyphs.size();
    double x = 0;
    for (const QChar c : line) {
        const Glyph glyph = glyphOf(c);
        if (glyph.index == 0) {
            glyphs.resize(start);
            positions.resize(start);
            return false;
        }
        if (x < width && c != u' ') {
            glyphs.append(glyph.index);
            positions.append(QPointF(origin.x() + x, origin.y()));
        }
        x += glyph.advance;
    }
    return true;
}
