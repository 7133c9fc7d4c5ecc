#include "PlainTextFont.h"

#include <QFont>
#include <QFontInfo>

PlainTextFont::PlainTextFont(const QFont& font, const QPaintDevice* device) {
    const QFont onDevice(font, device);
    m_raw = QRawFont::fromFont(onDevice);
    m_usable = m_raw.isValid() && QFontInfo(onDevice).fixedPitch();
}

bool PlainTextFont::place(QStringView line, QPointF origin, double width, QList<quint32>& glyphs,
                          QList<QPointF>& positions) const {
    for (const QChar c : line) {
        if (c.isSurrogate() || c.isMark() || c.category() == QChar::Other_Control ||
            c.category() == QChar::Other_Format)
            return false;
    }
    m_indexes.resize(line.size());
    int count = int(line.size());
    if (!m_raw.glyphIndexesForChars(line.data(), int(line.size()), m_indexes.data(), &count) ||
        count != line.size())
        return false;
    for (qsizetype i = 0; i < line.size(); ++i)
        if (m_indexes[i] == 0)
            return false;
    m_advances.resize(count);
    if (!m_raw.advancesForGlyphIndexes(m_indexes.data(), m_advances.data(), count))
        return false;
    double x = 0;
    for (qsizetype i = 0; i < count && x < width; ++i) {
        if (line[i] != u' ') {
            glyphs.append(m_indexes[i]);
            positions.append(QPointF(origin.x() + x, origin.y()));
        }
        x += m_advances[i].x();
    }
    return true;
}
