#include "ResultLines.h"

#include "storage/Text.h"

#include <algorithm>

ResultLines::ResultLines(const QStringList& lines) {
    m_starts.reserve(lines.size());
    for (const QString& line : lines)
        append(line);
}

void ResultLines::reserve(qsizetype lines, qsizetype bytes) {
    m_starts.reserve(std::size_t(lines));
    m_text.reserve(bytes);
}

void ResultLines::append(QStringView line) {
    const QByteArray bytes = Text::toWin1252(line.toString());
    std::copy(bytes.begin(), bytes.end(), appendSpace(bytes.size()));
}

char* ResultLines::appendSpace(qsizetype length) {
    m_starts.push_back(m_text.size());
    return m_text.grow(length);
}

QString ResultLines::line(qsizetype i) const {
    return Text::fromWin1252(at(i));
}
