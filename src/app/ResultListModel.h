#pragma once

#include "KeySort.h"
#include "ResultLines.h"

#include <QAbstractListModel>
#include <QFont>
#include <QSize>
#include <QStringList>

#include <vector>

// The lines of a result list, kept in case-insensitive order unless told otherwise, shown in a fixed-pitch
// font so that their columns line up. A model, so that any number of lines shows at once.
class ResultListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Lists in case-insensitive order (the default), or as the lines come: the receipts are
    // listed as they were issued. Takes effect at the next setLines.
    void setSorted(bool sorted) { m_sorted = sorted; }
    void setLines(ResultLines lines);
    // The lines of the list before the last setLines, emptied, for the next list to be built in.
    ResultLines takeSpareLines();
    void setLines(const QStringList& lines) { setLines(ResultLines(lines)); }
    void clear() { setLines(ResultLines()); }
    QString line(int row) const;
    // The line of a row as Windows-1252 text, for finding a text in the list.
    QByteArrayView bytes(int row) const { return m_lines.at(m_order[std::size_t(row)]); }
    // Every line, in list order.
    QStringList lines() const;
    // The length of the longest line, in characters.
    qsizetype widestLine() const;

    // The fixed-pitch font of the lines: Courier New 12 unless the list has chosen a smaller one.
    static QFont defaultFont();
    const QFont& font() const { return m_font; }
    void setFont(const QFont& font);
    // The width of a row holding `characters` characters in `font`.
    static int rowWidth(const QFont& font, qsizetype characters);

    int rowCount(const QModelIndex& parent = {}) const override;
    // Without the base's checks through virtual calls: a view lays its rows out by asking for the
    // index of every one of them.
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override {
        return row >= 0 && std::size_t(row) < m_order.size() && column == 0 && !parent.isValid()
                   ? createIndex(row, 0)
                   : QModelIndex();
    }
    QVariant data(const QModelIndex& index, int role) const override;

private:
    // The rows of `lines` in list order, into `order` (as many as there are lines).
    void sortInto(const ResultLines& lines, std::vector<int>& order);
    void measureItems();

    // What sorting works in, kept from one list to the next: memory the system hands out fresh
    // costs more to touch the first time than the sort itself.
    struct SortSpace {
        std::vector<KeyedEntry> entries, spare;
        std::vector<int> order; // the next list's order, then the last one's
    };
    SortSpace m_sortSpace;

    ResultLines m_lines;
    ResultLines m_spareLines;
    bool m_sorted = true;
    std::vector<int> m_order; // list row -> line
    QFont m_font = defaultFont();
    QSize m_itemSize;
};
