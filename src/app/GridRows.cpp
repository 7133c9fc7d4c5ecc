#include "GridRows.h"

#include "storage/Text.h"

#include <QVarLengthArray>

#include <cstring>

GridRows::GridRows(int columns, const QList<QStringList>& rows) : m_columns(columns) {
    for (const QStringList& row : rows) {
        QVarLengthArray<QByteArray, 32> bytes;
        QVarLengthArray<QByteArrayView, 32> cells;
        for (int c = 0; c < columns; ++c)
            bytes.append(Text::toWin1252(row.value(c)));
        for (const QByteArray& b : bytes)
            cells.append(b);
        append(cells);
    }
}

qsizetype GridRows::rowCount() const {
    if (m_order)
        return qsizetype(m_order->size());
    qsizetype rows = 0;
    for (const ResultLines& part : m_parts)
        rows += part.size();
    return rows;
}

void GridRows::reserve(qsizetype rows, qsizetype bytes) {
    m_parts.back().reserve(rows, bytes + rows * m_columns * qsizetype(sizeof(Length)));
}

void GridRows::append(std::span<const QByteArrayView> cells) {
    qsizetype size = 0;
    for (QByteArrayView cell : cells)
        size += qsizetype(sizeof(Length)) + cell.size();
    char* out = m_parts.back().appendSpace(size);
    for (QByteArrayView cell : cells) {
        const auto length = Length(cell.size());
        std::memcpy(out, &length, sizeof length);
        if (!cell.isEmpty()) // an empty cell may point nowhere, which no copy may be given
            std::memcpy(out + sizeof length, cell.data(), std::size_t(cell.size()));
        out += sizeof length + std::size_t(cell.size());
    }
}

void GridRows::adopt(GridRows&& more) {
    for (ResultLines& part : more.m_parts)
        if (part.size() > 0)
            m_parts.push_back(std::move(part));
    more.m_parts.assign(1, ResultLines());
}

void GridRows::arrange(std::vector<qsizetype> order) {
    m_order = std::move(order);
}

std::pair<const ResultLines*, qsizetype> GridRows::find(qsizetype row) const {
    if (m_order)
        row = (*m_order)[std::size_t(row)];
    std::size_t part = 0;
    while (part + 1 < m_parts.size() && row >= m_parts[part].size())
        row -= m_parts[part++].size();
    return {&m_parts[part], row};
}

void GridRows::cells(qsizetype row, std::span<QByteArrayView> cells) const {
    const auto [part, at] = find(row);
    const char* in = part->at(at).data();
    for (QByteArrayView& cell : cells) {
        Length length;
        std::memcpy(&length, in, sizeof length);
        cell = QByteArrayView(in + sizeof length, qsizetype(length));
        in += sizeof length + length;
    }
}

QByteArrayView GridRows::at(qsizetype row, int column) const {
    QVarLengthArray<QByteArrayView, 32> all(m_columns);
    cells(row, all);
    return all[column];
}

QString GridRows::text(qsizetype row, int column) const {
    return Text::fromWin1252(at(row, column));
}
