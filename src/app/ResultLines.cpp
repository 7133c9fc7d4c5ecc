#include "ResultLines.h"

#include "storage/Text.h"

#include <algorithm>

ResultLines::ResultLines(const QStringList& lines) {
    m_starts.reserve(lines.size());
    for (const QString& line : lines)
        append(line);
}

void ResultLines::append(QStringView line) {
    const QByteArray bytes = Text::toWin1252(line.toString());
    std::copy(bytes.begin(), bytes.end(), appendSpace(bytes.size()));
}

char* ResultLines::appendSpace(qsizetype length) {
    const qsizetype start = m_text.size();
    m_starts.push_back(start);
    // Growing by resizing keeps the geometric growth of the buffer.
    m_text.resize(start + length);
    return m_text.data() + start;
}

QString ResultLines::line(qsizetype i) const {
    return Text::fromWin1252(at(i));
}
