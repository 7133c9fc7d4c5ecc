#pragma once

#include "ByteBuffer.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

// The lines of a result list, as Windows-1252 text (the text of the archives, one byte a
// character) in one buffer: a list of many thousand lines is built, sorted and freed as one
// small block rather than as one allocation a line. A list built at once on several cores keeps
// each core's part in a buffer of its own, the parts one after the other.
class ResultLines {
public:
    ResultLines() = default;
    explicit ResultLines(const QStringList& lines);

    // No lines, the memory of every part kept: a list built again in it touches no memory fresh
    // from the system, which costs more the first time than building the list.
    void clear();
    // Room in the last part for `lines` lines of `bytes` bytes in all, asked for once by a scan
    // that knows how many records it reads: filling a list of many thousand lines then never moves
    // it in memory.
    void reserve(qsizetype lines, qsizetype bytes);
    // Lines are appended to the last part.
    void append(QStringView line);
    // Room for a line of `length` bytes at the end, to be written in place.
    char* appendSpace(qsizetype length);
    // Room for `length` more bytes at the end of the last line, to be written in place.
    char* extendLast(qsizetype length) { return m_parts.back().text.grow(length); }
    // Gives back the last `bytes` bytes of the last line, room it did not need.
    void shortenLast(qsizetype bytes) { m_parts.back().text.shrink(bytes); }

    // The lines of `more` after these, left where they were built: the parts of a list built on
    // several cores become one list without a copy.
    void adopt(ResultLines&& more);
    // The last part as a list of its own, when there are several: the memory in which the next
    // list built in parts builds its last part. An empty list otherwise.
    ResultLines takeLastPart();

    qsizetype size() const { return m_size; }
    QByteArrayView at(qsizetype i) const {
        const Part* part = m_parts.data();
        while (i >= part->size()) {
            i -= part->size();
            ++part;
        }
        const qsizetype start = part->starts[std::size_t(i)];
        const qsizetype end = i + 1 < part->size() ? part->starts[std::size_t(i) + 1] : part->text.size();
        return QByteArrayView(part->text.data() + start, end - start);
    }
    QString line(qsizetype i) const;

private:
    struct Part {
        ByteBuffer text;
        std::vector<qsizetype> starts; // where each line begins in `text`
        qsizetype size() const { return qsizetype(starts.size()); }
    };

    std::vector<Part> m_parts = std::vector<Part>(1);
    qsizetype m_size = 0;
};
