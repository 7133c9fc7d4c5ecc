#pragma once

#include "ByteBuffer.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

// The lines of a result list, as Windows-1252 text (the text of the archives, one byte a
// character) in one buffer: a list of many thousand lines is built, sorted and freed as one
// small block rather than as one allocation a line.
class ResultLines {
public:
    ResultLines() = default;
    explicit ResultLines(const QStringList& lines);

    // No lines, the memory kept: a list built again in it touches no memory fresh from the
    // system, which costs more the first time than building the list.
    void clear() {
        m_text.clear();
        m_starts.clear();
    }
    // Room for `lines` lines of `bytes` bytes in all, asked for once by a scan that knows how many
    // records it reads: filling a list of many thousand lines then never moves it in memory.
    void reserve(qsizetype lines, qsizetype bytes);
    void append(QStringView line);
    // Room for a line of `length` bytes at the end, to be written in place.
    char* appendSpace(qsizetype length);
    // Room for `length` more bytes at the end of the last line, to be written in place.
    char* extendLast(qsizetype length) { return m_text.grow(length); }
    // Gives back the last `bytes` bytes of the last line, room it did not need.
    void shortenLast(qsizetype bytes) { m_text.shrink(bytes); }

    qsizetype size() const { return qsizetype(m_starts.size()); }
    QByteArrayView at(qsizetype i) const {
        const qsizetype start = startOf(i);
        const qsizetype end = i + 1 < size() ? startOf(i + 1) : m_text.size();
        return QByteArrayView(m_text.data() + start, end - start);
    }
    QString line(qsizetype i) const;
    qsizetype startOf(qsizetype i) const { return m_starts[std::size_t(i)]; }

private:
    ByteBuffer m_text;
    std::vector<qsizetype> m_starts;
};
