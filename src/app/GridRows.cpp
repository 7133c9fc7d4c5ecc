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
    return m_order ? qsizetype(m_order->size()) : m_rows.size();
}

void GridRows::reserve(qsizetype rows, qsizetype bytes) {
    m_rows.reserve(rows, bytes + rows * m_columns * qsizetype(sizeof(Length)));
}

void GridRows::append(std::span<const QByteArrayView> cells) {
    qsizetype size = 0;
    for (QByteArrayView cell : cells)
        size += qsizetype(sizeof(Length)) + cell.size();
    char* out = m_rows.appendSpace(size);
    for (QByteArrayView cell : cells) {
        const auto length = Length(cell.size());
        std::memcpy(out, &length, sizeof length);
        if (!cell.isEmpty()) // an empty cell may point nowhere, which no copy may be given
            std::memcpy(out + sizeof length, cell.data(), std::size_t(cell.size()));
        out += sizeof length + std::size_t(cell.size());
    }
}

void GridRows::adopt(GridRows&& more) {
    m_rows.adopt(std::move(more.m_rows));
}

void GridRows::arrange(std::vector<qsizetype> order) {
    m_order = std::move(order);
}

void GridRows::cells(qsizetype row, std::span<QByteArrayView> cells) const {
    const char* in = m_rows.at(m_order ? (*m_order)[std::size_t(row)] : row).data();
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
