#include "ResultListModel.h"

#include "storage/Text.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QSize>

#include <algorithm>

namespace {

// Room beside the text of a row, left and right.
constexpr int kItemMargin = 4;

} // namespace

void ResultListModel::setLines(ResultLines lines) {
    // Ordered by the lines' bytes with A to Z folded on the way, without a folded copy of the
    // list; the first eight folded bytes of each line, as one number, settle most comparisons.
    struct Entry {
        quint64 key;
        int line;
    };
    std::vector<Entry> entries(std::size_t(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArrayView line = lines.at(i);
        quint64 key = 0;
        for (qsizetype k = 0; k < 8; ++k)
            key = key << 8 | (k < line.size() ? static_cast<unsigned char>(Text::lowerAZ(line[k])) : 0u);
        entries[std::size_t(i)] = {key, int(i)};
    }
    std::stable_sort(entries.begin(), entries.end(), [&lines](const Entry& a, const Entry& b) {
        return a.key != b.key ? a.key < b.key : Text::compareLowerAZ(lines.at(a.line), lines.at(b.line)) < 0;
    });
    std::vector<int> order;
    order.reserve(entries.size());
    for (const Entry& e : entries)
        order.push_back(e.line);

    beginResetModel();
    m_lines = std::move(lines);
    m_order = std::move(order);
    measureItems();
    endResetModel();
}

QString ResultListModel::line(int row) const {
    return row >= 0 && std::size_t(row) < m_order.size() ? m_lines.line(m_order[std::size_t(row)])
                                                         : QString();
}

QStringList ResultListModel::lines() const {
    QStringList all;
    all.reserve(qsizetype(m_order.size()));
    for (int i : m_order)
        all << m_lines.line(i);
    return all;
}

qsizetype ResultListModel::widestLine() const {
    // One byte a character: the lengths come from where the lines start, without decoding them.
    qsizetype widest = 0;
    for (qsizetype i = 0; i < m_lines.size(); ++i)
        widest = std::max(widest, m_lines.at(i).size());
    return widest;
}

QFont ResultListModel::defaultFont() {
    return QFont(QStringLiteral("Courier New"), 12);
}

void ResultListModel::setFont(const QFont& font) {
    if (font == m_font)
        return;
    // Every row changes its height: the view lays the rows out again, keeping the selection.
    Q_EMIT layoutAboutToBeChanged();
    m_font = font;
    measureItems();
    Q_EMIT layoutChanged();
}

int ResultListModel::rowWidth(const QFont& font, qsizetype characters) {
    return QFontMetrics(font).horizontalAdvance(QString(characters, u'M')) + 2 * kItemMargin;
}

void ResultListModel::measureItems() {
    // Every row as wide as the longest line, so that the list scrolls sideways exactly as far as
    // its lines reach.
    m_itemSize = QSize(rowWidth(m_font, widestLine()), QFontMetrics(m_font).height() + 2);
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_order.size());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || std::size_t(index.row()) >= m_order.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return line(index.row());
    case Qt::FontRole:
        return m_font;
    case Qt::ForegroundRole:
        return QColor(Qt::black);
    case Qt::SizeHintRole:
        return m_itemSize;
    default:
        return {};
    }
}
