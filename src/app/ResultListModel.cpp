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
#include <utility>

namespace {

// Room beside the text of a row, left and right.
constexpr int kItemMargin = 4;
// How far into the lines a list looks for the places that tell them apart.
constexpr qsizetype kKeyWindow = 64;

// One line in this many tells where a list's lines differ, the others are checked against it.
constexpr qsizetype kSampleStep = 64;

// Lines with equal keys up to this many are put in order by insertion.
constexpr std::size_t kShortRun = 16;

// The eight bytes of `line` from `at` as one number, the first in the lowest byte; zero bytes past
// its end.
quint64 wordAt(QByteArrayView line, qsizetype at) {
    std::array<char, 8> bytes{};
    if (at + 8 <= line.size())
        std::memcpy(bytes.data(), line.data() + at, 8);
    else if (at < line.size())
        std::memcpy(bytes.data(), line.data() + at, std::size_t(line.size() - at));
    return qFromLittleEndian<quint64>(bytes.data());
}

constexpr qsizetype kWords = kKeyWindow / 8;

// The places a list's keys are made of: the first ones (eight at most) near the start of the lines
// where some line differs from the first one.
struct KeyPlaces {
    std::array<qsizetype, 8> at{};
    std::size_t count = 0;
};

// The places where the lines `step` apart differ from the first one, in their bytes as stored (a
// place that differs only in case just makes a key longer than needed), compared eight bytes at a
// time. Once eight are known, the places past them no longer matter.
KeyPlaces differingPlaces(const ResultLines& lines, qsizetype step) {
    std::array<quint64, kWords> differs{};
    std::array<quint64, kWords> first{};
    qsizetype words = kWords;
    const QByteArrayView firstLine = lines.size() ? lines.at(0) : QByteArrayView();
    for (qsizetype w = 0; w < kWords; ++w)
        first[std::size_t(w)] = wordAt(firstLine, 8 * w);
    const auto placesKnown = [&differs](qsizetype words) {
        KeyPlaces known;
        for (qsizetype k = 0; k < 8 * words && known.count < known.at.size(); ++k)
            if ((differs[std::size_t(k / 8)] >> (8 * (k % 8))) & 0xff)
                known.at[known.count++] = k;
        return known;
    };
    for (qsizetype i = step; i < lines.size(); i += step) {
        const QByteArrayView line = lines.at(i);
        bool more = false;
        for (qsizetype w = 0; w < words; ++w) {
            const quint64 d = differs[std::size_t(w)] | (wordAt(line, 8 * w) ^ first[std::size_t(w)]);
            more |= d != differs[std::size_t(w)];
            differs[std::size_t(w)] = d;
        }
        if (const KeyPlaces known = more ? placesKnown(words) : KeyPlaces{}; known.count == known.at.size())
            words = known.at.back() / 8 + 1;
    }
    return placesKnown(words);
}

// Each line's key, its folded bytes at `places`, into `entries`; false when some line differs from
// the first one at a place before the last of them that is not one of them, where the keys would
// then not order the lines.
bool makeKeys(const ResultLines& lines, const KeyPlaces& places, std::vector<KeyedEntry>& entries) {
    std::array<quint64, kWords> alike{};
    std::array<quint64, kWords> first{};
    const qsizetype last = places.count > 0 ? places.at[places.count - 1] : 0;
    for (qsizetype k = 0, next = 0; k < last; ++k) {
        if (std::size_t(next) < places.count && places.at[std::size_t(next)] == k)
            ++next;
        else
            alike[std::size_t(k / 8)] |= quint64(0xff) << (8 * (k % 8));
    }
    const qsizetype words = (last + 7) / 8;
    const qsizetype tail = places.count > 0 ? last + 1 : 0;
    const QByteArrayView firstLine = lines.size() ? lines.at(0) : QByteArrayView();
    for (qsizetype w = 0; w < words; ++w)
        first[std::size_t(w)] = wordAt(firstLine, 8 * w);
    quint64 unlike = 0;
    entries.resize(std::size_t(lines.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QByteArrayView line = lines.at(qsizetype(i));
        quint64 key = 0;
        for (std::size_t k = 0; k < places.at.size(); ++k) {
            const bool inside = k < places.count && places.at[k] < line.size();
            key = key << 8 | (inside ? static_cast<unsigned char>(Text::lowerAZ(line[places.at[k]])) : 0);
        }
        for (qsizetype w = 0; w < words; ++w)
            unlike |= (wordAt(line, 8 * w) ^ first[std::size_t(w)]) & alike[std::size_t(w)];
        // The four folded bytes after the key's, which settle most equal keys without the lines.
        quint32 next = 0;
        for (qsizetype k = tail; k < tail + 4; ++k)
            next = next << 8 | (k < line.size() ? static_cast<unsigned char>(Text::lowerAZ(line[k])) : 0);
        entries[i] = {key, int(i), next};
    }
    return unlike == 0;
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
    const std::size_t count = std::size_t(lines.size());

    // The places are looked for in a sample of the lines, and making the keys checks every line
    // against them: when the sample missed a place, they are looked for in every line.
    std::vector<KeyedEntry>& entries = m_sortSpace.entries;
    std::vector<KeyedEntry>& spare = m_sortSpace.spare;
    KeyPlaces places = differingPlaces(lines, kSampleStep);
    if (!makeKeys(lines, places, entries)) {
        places = differingPlaces(lines, 1);
        makeKeys(lines, places, entries);
    }
    // Every line begins alike up to the first of them.
    const qsizetype shared = places.count > 0 ? places.at[0] : 0;

    sortByKey(entries, spare);

    // Equal keys: the whole lines decide, and lines equal but for the case of their letters keep
    // the order they came in.
    const auto before = [&lines, shared](const KeyedEntry& a, const KeyedEntry& b) {
        if (a.more != b.more)
            return a.more < b.more;
        const QByteArrayView x = lines.at(a.index);
        const QByteArrayView y = lines.at(b.index);
        const qsizetype from = std::min({shared, x.size(), y.size()});
        return Text::compareLowerAZ(x.sliced(from), y.sliced(from)) < 0;
    };
    for (std::size_t from = 0; from < count;) {
        std::size_t to = from + 1;
        while (to < count && entries[to].key == entries[from].key)
            ++to;
        // Most such runs hold two or three lines: sorted in place, without the buffer of a
        // stable sort.
        if (to - from <= kShortRun) {
            for (std::size_t i = from + 1; i < to; ++i)
                for (std::size_t j = i; j > from && before(entries[j], entries[j - 1]); --j)
                    std::swap(entries[j], entries[j - 1]);
        } else {
            std::stable_sort(entries.begin() + std::ptrdiff_t(from), entries.begin() + std::ptrdiff_t(to),
                             before);
        }
        from = to;
    }

    for (std::size_t i = 0; i < count; ++i)
        order[i] = entries[i].index;
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
