#include "ResultLines.h"

#include "storage/Text.h"

#include <algorithm>

ResultLines::ResultLines(const QStringList& lines) {
    m_parts.back().starts.reserve(std::size_t(lines.size()));
    for (const QString& line : lines)
        append(line);
}

void ResultLines::clear() {
    for (Part& part : m_parts) {
        part.text.clear();
        part.starts.clear();
    }
    m_size = 0;
}

void ResultLines::reserve(qsizetype lines, qsizetype bytes) {
    m_parts.back().starts.reserve(std::size_t(lines));
    m_parts.back().text.reserve(bytes);
}

void ResultLines::append(QStringView line) {
    const QByteArray bytes = Text::toWin1252(line.toString());
    std::copy(bytes.begin(), bytes.end(), appendSpace(bytes.size()));
}

char* ResultLines::appendSpace(qsizetype length) {
    Part& part = m_parts.back();
    part.starts.push_back(part.text.size());
    ++m_size;
    return part.text.grow(length);
}

void ResultLines::adopt(ResultLines&& more) {
    for (Part& part : more.m_parts)
        m_parts.push_back(std::move(part));
    m_size += std::exchange(more.m_size, 0);
    more.m_parts.assign(1, Part());
}

ResultLines ResultLines::takeLastPart() {
    ResultLines last;
    if (m_parts.size() > 1) {
        last.m_parts.back() = std::move(m_parts.back());
        m_parts.pop_back();
        last.clear();
        m_size = 0;
        for (const Part& part : m_parts)
            m_size += part.size();
    }
    return last;
}

QString ResultLines::line(qsizetype i) const {
    return Text::fromWin1252(at(i));
}
