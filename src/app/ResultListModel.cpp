#include "ResultListModel.h"

#include "storage/Text.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QSize>

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>
#include <utility>

namespace {

// Room beside the text of a row, left and right.
constexpr int kItemMargin = 4;
// How far past the start every line shares a list looks for the places that tell lines apart.
constexpr qsizetype kKeyWindow = 64;

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
    std::vector<int>& order = m_sortSpace.order;
    order.resize(std::size_t(lines.size()));
    if (m_sorted)
        sortInto(lines, order);
    else
        std::iota(order.begin(), order.end(), 0);
    beginResetModel();
    m_spareLines = std::exchange(m_lines, std::move(lines));
    m_order.swap(order);
    measureItems();
    endResetModel();
}

void ResultListModel::sortInto(const ResultLines& lines, std::vector<int>& order) {
    // Ordered by the lines' bytes with A to Z folded on the way, without a folded copy of the list.
    // Lines are alike in many places ("Data: ", the "/" of a date, the blanks between columns), and
    // a place where every line holds the same byte orders nothing: each line's key is its first
    // eight folded bytes at places that differ somewhere, so the keys settle almost every
    // comparison and are sorted by their bytes (a radix sort, which keeps the order of equal
    // keys); lines with equal keys are then ordered by their whole text.
    const qsizetype shared = sharedStart(lines);
    const std::size_t count = std::size_t(lines.size());
    const auto foldedAt = [&](qsizetype i, qsizetype place) {
        const QByteArrayView line = lines.at(i);
        return place < line.size() ? static_cast<unsigned char>(Text::lowerAZ(line[place])) : 0;
    };

    // The first places after the shared start where some line differs from the first one (in
    // its bytes as stored: a place that differs only in case just makes the key longer than
    // needed). Once eight are known, the places past them no longer matter.
    std::array<bool, kKeyWindow> differs{};
    qsizetype window = kKeyWindow;
    const QByteArrayView firstLine = count ? lines.at(0) : QByteArrayView();
    const auto byteAt = [](QByteArrayView line, qsizetype place) {
        return place < line.size() ? line[place] : '\0';
    };
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArrayView line = lines.at(i);
        for (qsizetype k = 0; k < window; ++k)
            differs[std::size_t(k)] |= byteAt(line, shared + k) != byteAt(firstLine, shared + k);
        qsizetype known = 0;
        for (qsizetype k = 0; k < window; ++k)
            if (differs[std::size_t(k)] && ++known == 8)
                window = k + 1;
    }
    std::array<qsizetype, 8> places{};
    std::size_t found = 0;
    for (qsizetype k = 0; k < window && found < places.size(); ++k)
        if (differs[std::size_t(k)])
            places[found++] = shared + k;

    using Entry = SortSpace::Entry;
    std::vector<Entry>& entries = m_sortSpace.entries;
    std::vector<Entry>& spare = m_sortSpace.spare;
    entries.resize(count);
    spare.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        quint64 key = 0;
        for (std::size_t k = 0; k < places.size(); ++k)
            key = key << 8 | (k < found ? foldedAt(qsizetype(i), places[k]) : 0);
        entries[i] = {key, int(i)};
    }

    // Least significant byte first, each pass stable; a byte that is the same in every key is
    // passed over.
    std::array<std::array<std::size_t, 256>, 8> counts{};
    for (const Entry& e : entries)
        for (std::size_t d = 0; d < 8; ++d)
            ++counts[d][(e.key >> (8 * d)) & 0xff];
    for (std::size_t d = 0; d < 8; ++d) {
        std::array<std::size_t, 256>& c = counts[d];
        if (count == 0 || c[(entries[0].key >> (8 * d)) & 0xff] == count)
            continue;
        std::size_t next = 0;
        for (std::size_t& n : c)
            next += std::exchange(n, next);
        for (const Entry& e : entries)
            spare[c[(e.key >> (8 * d)) & 0xff]++] = e;
        entries.swap(spare);
    }

    // Equal keys: the whole lines decide, and lines equal but for the case of their letters keep
    // the order they came in.
    const auto before = [&lines, shared](const Entry& a, const Entry& b) {
        return Text::compareLowerAZ(lines.at(a.line).sliced(shared), lines.at(b.line).sliced(shared)) < 0;
    };
    for (std::size_t from = 0; from < count;) {
        std::size_t to = from + 1;
        while (to < count && entries[to].key == entries[from].key)
            ++to;
        if (to - from > 1)
            std::stable_sort(entries.begin() + std::ptrdiff_t(from), entries.begin() + std::ptrdiff_t(to),
                             before);
        from = to;
    }

    for (std::size_t i = 0; i < count; ++i)
        order[i] = entries[i].line;
}

ResultLines ResultListModel::takeSpareLines() {
    ResultLines spare = std::exchange(m_spareLines, ResultLines());
    spare.clear();
    return spare;
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
