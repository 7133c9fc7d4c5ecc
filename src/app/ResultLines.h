#pragma once

#include <QByteArray>
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

    void append(QStringView line);
    // Room for a line of `length` bytes at the end, to be written in place.
    char* appendSpace(qsizetype length);

    qsizetype size() const { return qsizetype(m_starts.size()); }
    QByteArrayView at(qsizetype i) const {
        const qsizetype start = startOf(i);
        const qsizetype end = i + 1 < size() ? startOf(i + 1) : m_text.size();
        return QByteArrayView(m_text).sliced(start, end - start);
    }
    QString line(qsizetype i) const;
    // All lines back to back, line i from startOf(i).
    const QByteArray& text() const { return m_text; }
    qsizetype startOf(qsizetype i) const { return m_starts[std::size_t(i)]; }

private:
    QByteArray m_text;
    std::vector<qsizetype> m_starts;
};
