#pragma once

#include "ResultLines.h"

#include <QList>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

// The rows of a grid as Windows-1252 cells (the text of the archives, one byte a character) in one
// buffer, a row after the other, each cell its length and its bytes: a grid of many thousand rows
// is built, shown and exported without a string, or even an allocation, for each cell.
class GridRows {
public:
    explicit GridRows(int columns = 0) : m_columns(columns) {}
    // Rows of texts; a short row is filled up with empty cells, a long one cut to `columns`.
    GridRows(int columns, const QList<QStringList>& rows);

    int columnCount() const { return m_columns; }
    qsizetype rowCount() const;
    // Room for `rows` rows of `bytes` bytes of text in all (see ResultLines::reserve).
    void reserve(qsizetype rows, qsizetype bytes);
    // A row, its columnCount() cells in column order.
    void append(std::span<const QByteArrayView> cells);
    // The rows of `more`, a grid of the same columns, after these, taken without a copy: the parts
    // of an archive listed at once on several cores become one grid.
    void adopt(GridRows&& more);
    // Shows the rows, once all appended, in another order: row i is then the one appended
    // `order[i]`-th, and a row the order does not name is left out. A list read in file order and
    // shown in another is so put in order without copying its rows.
    void arrange(std::vector<qsizetype> order);
    // The cells of a row, in column order, into `cells` (columnCount() of them).
    void cells(qsizetype row, std::span<QByteArrayView> cells) const;
    QByteArrayView at(qsizetype row, int column) const;
    QString text(qsizetype row, int column) const;

private:
    using Length = quint32;

    int m_columns;
    // A row's cells one after the other, each its length and its bytes.
    ResultLines m_rows;
    // The order they are shown in, when arranged.
    std::optional<std::vector<qsizetype>> m_order;
};
