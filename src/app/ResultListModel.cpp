#include "ResultListModel.h"

#include "storage/Text.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QSize>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>
#include <thread>

namespace {

// Room beside the text of a row, left and right.
constexpr int kItemMargin = 4;
// From this many lines on, a list is sorted in two halves at once.
constexpr std::size_t kSortHalvesFrom = 20000;

// How many bytes every line begins with alike.
qsizetype sharedStart(const ResultLines& lines) {
    if (lines.size() == 0)
        return 0;
    const QByteArrayView first = lines.at(0);
    qsizetype shared = first.size();
    for (qsizetype i = 1; i < lines.size() && shared > 0; ++i) {
        const QByteArrayView line = lines.at(i);
        const qsizetype n = std::min(shared, line.size());
        qsizetype k = 0;
        while (k < n && line[k] == first[k])
            ++k;
        shared = k;
    }
    return shared;
}

} // namespace

void ResultListModel::setLines(ResultLines lines) {
    std::vector<int> order = m_sorted ? sortedOrder(lines) : std::vector<int>(std::size_t(lines.size()));
    if (!m_sorted)
        std::iota(order.begin(), order.end(), 0);
    beginResetModel();
    m_lines = std::move(lines);
    m_order = std::move(order);
    measureItems();
    endResetModel();
}

std::vector<int> ResultListModel::sortedOrder(const ResultLines& lines) {
    // Ordered by the lines' bytes with A to Z folded on the way, without a folded copy of the
    // list. Lines often begin alike ("Data: ..."), so what all of them share at the start is left
    // out, and the next 24 folded bytes of each line, as three numbers, settle most comparisons.
    const qsizetype shared = sharedStart(lines);
    struct Entry {
        std::array<quint64, 3> key;
        int line;
    };
    std::vector<Entry> entries(std::size_t(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArrayView line = lines.at(i).sliced(shared);
        std::array<char, 24> folded{};
        if (!line.isEmpty())
            std::memcpy(folded.data(), line.data(), std::size_t(std::min<qsizetype>(line.size(), 24)));
        for (char& c : folded)
            c = Text::lowerAZ(c);
        Entry& e = entries[std::size_t(i)];
        for (std::size_t k = 0; k < e.key.size(); ++k)
            e.key[k] = qFromBigEndian<quint64>(folded.data() + 8 * k);
        e.line = int(i);
    }
    // Lines equal but for the case of their letters keep the order they came in.
    const auto before = [&lines, shared](const Entry& a, const Entry& b) {
        for (std::size_t k = 0; k < a.key.size(); ++k)
            if (a.key[k] != b.key[k])
                return a.key[k] < b.key[k];
        const int c = Text::compareLowerAZ(lines.at(a.line).sliced(shared), lines.at(b.line).sliced(shared));
        return c != 0 ? c < 0 : a.line < b.line;
    };
    // Sorting is most of what a long list costs: its two halves are sorted at once, one on a second
    // thread, and then merged.
    if (entries.size() < kSortHalvesFrom) {
        std::sort(entries.begin(), entries.end(), before);
    } else {
        const auto middle = entries.begin() + std::ptrdiff_t(entries.size() / 2);
        std::thread firstHalf([&] { std::sort(entries.begin(), middle, before); });
        std::sort(middle, entries.end(), before);
        firstHalf.join();
        std::inplace_merge(entries.begin(), middle, entries.end(), before);
    }
    std::vector<int> order;
    order.reserve(entries.size());
    for (const Entry& e : entries)
        order.push_back(e.line);
    return order;
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
