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
#include <span>
#include <utility>

namespace {

// Room beside the text of a row, left and right.
constexpr int kItemMargin = 4;
// How far into the lines a list looks for the places that tell them apart.
constexpr qsizetype kKeyWindow = 64;

// One line in this many tells where a long run of lines differs, the others are checked against it.
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

// The places a run's keys are made of: the first ones (eight at most) from where its lines begin
// to differ, where some line of the run differs from its first one.
struct KeyPlaces {
    std::array<qsizetype, 8> at{};
    std::size_t count = 0;
};

QByteArrayView lineOf(const ResultLines& lines, const KeyedEntry& entry) {
    return lines.at(entry.index);
}

// The places from `start` on where the lines of `run` `step` apart differ from its first one, in
// their bytes as stored (a place that differs only in case just makes a key longer than needed),
// compared eight bytes at a time. Once eight are known, the places past them no longer matter.
KeyPlaces differingPlaces(const ResultLines& lines, std::span<const KeyedEntry> run, qsizetype start,
                          std::size_t step) {
    std::array<quint64, kWords> differs{};
    std::array<quint64, kWords> first{};
    qsizetype words = kWords;
    const QByteArrayView firstLine = lineOf(lines, run.front());
    for (qsizetype w = 0; w < kWords; ++w)
        first[std::size_t(w)] = wordAt(firstLine, start + 8 * w);
    const auto placesKnown = [&differs, start](qsizetype words) {
        KeyPlaces known;
        for (qsizetype k = 0; k < 8 * words && known.count < known.at.size(); ++k)
            if ((differs[std::size_t(k / 8)] >> (8 * (k % 8))) & 0xff)
                known.at[known.count++] = start + k;
        return known;
    };
    for (std::size_t i = step; i < run.size(); i += step) {
        const QByteArrayView line = lineOf(lines, run[i]);
        bool more = false;
        for (qsizetype w = 0; w < words; ++w) {
            const quint64 d = differs[std::size_t(w)] | (wordAt(line, start + 8 * w) ^ first[std::size_t(w)]);
            more |= d != differs[std::size_t(w)];
            differs[std::size_t(w)] = d;
        }
        if (const KeyPlaces known = more ? placesKnown(words) : KeyPlaces{}; known.count == known.at.size())
            words = (known.at.back() - start) / 8 + 1;
    }
    return placesKnown(words);
}

// Each line's key, its folded bytes at `places`, and after it the four folded bytes that follow
// them (or the window, with no places), which settle most equal keys without the lines; false when some line
// differs from the run's first one at a place from `start` to the last of them that is not one of them (with
// no places, anywhere in the window), where the keys would then not order the lines.
bool makeKeys(const ResultLines& lines, std::span<KeyedEntry> run, qsizetype start, const KeyPlaces& places) {
    std::array<quint64, kWords> alike{};
    std::array<quint64, kWords> first{};
    const qsizetype last = places.count > 0 ? places.at[places.count - 1] : start + kKeyWindow;
    for (qsizetype k = start, next = 0; k < last; ++k) {
        if (std::size_t(next) < places.count && places.at[std::size_t(next)] == k)
            ++next;
        else
            alike[std::size_t((k - start) / 8)] |= quint64(0xff) << (8 * ((k - start) % 8));
    }
    const qsizetype words = (last - start + 7) / 8;
    const qsizetype tail = places.count > 0 ? last + 1 : last;
    const QByteArrayView firstLine = lineOf(lines, run.front());
    for (qsizetype w = 0; w < words; ++w)
        first[std::size_t(w)] = wordAt(firstLine, start + 8 * w);
    quint64 unlike = 0;
    for (KeyedEntry& entry : run) {
        const QByteArrayView line = lineOf(lines, entry);
        quint64 key = 0;
        for (std::size_t k = 0; k < places.at.size(); ++k) {
            const bool inside = k < places.count && places.at[k] < line.size();
            key = key << 8 | (inside ? static_cast<unsigned char>(Text::lowerAZ(line[places.at[k]])) : 0);
        }
        for (qsizetype w = 0; w < words; ++w)
            unlike |= (wordAt(line, start + 8 * w) ^ first[std::size_t(w)]) & alike[std::size_t(w)];
        quint32 next = 0;
        for (qsizetype k = tail; k < tail + 4; ++k)
            next = next << 8 | (k < line.size() ? static_cast<unsigned char>(Text::lowerAZ(line[k])) : 0);
        entry.key = key;
        entry.more = next;
    }
    return unlike == 0;
}

// Puts the entries of `run`, whose lines are alike up to `start` with A to Z folded, in the order
// of their lines, lines equal but for the case of their letters in the order they came. A long
// run is put in order by keys made of the places where its lines differ (looked for in a sample
// of a very long run, and every line checked against them as its key is made), then each run of
// equal keys in the same way further on in its lines; a short run by comparing its lines, the
// four bytes carried with the keys first.
void orderRun(const ResultLines& lines, std::span<KeyedEntry> run, qsizetype start,
              std::vector<KeyedEntry>& spare) {
    if (run.size() <= kShortRun) {
        const auto before = [&lines, start](const KeyedEntry& a, const KeyedEntry& b) {
            if (a.more != b.more)
                return a.more < b.more;
            const QByteArrayView x = lineOf(lines, a);
            const QByteArrayView y = lineOf(lines, b);
            const qsizetype from = std::min({start, x.size(), y.size()});
            return Text::compareLowerAZ(x.sliced(from), y.sliced(from)) < 0;
        };
        for (std::size_t i = 1; i < run.size(); ++i)
            for (std::size_t j = i; j > 0 && before(run[j], run[j - 1]); --j)
                std::swap(run[j], run[j - 1]);
        return;
    }
    const std::size_t step = run.size() > 16 * kSampleStep ? kSampleStep : 1;
    KeyPlaces places = differingPlaces(lines, run, start, step);
    if (!makeKeys(lines, run, start, places)) {
        places = differingPlaces(lines, run, start, 1);
        makeKeys(lines, run, start, places);
    }
    if (places.count == 0) {
        // Alike over the whole window: the order is further on, if any line goes on past it.
        const qsizetype end = start + kKeyWindow;
        if (std::any_of(run.begin(), run.end(),
                        [&](const KeyedEntry& e) { return lineOf(lines, e).size() > end; }))
            orderRun(lines, run, end, spare);
        return;
    }
    sortByKey(run, spare);
    const qsizetype next = places.at[places.count - 1] + 1;
    for (std::size_t from = 0; from < run.size();) {
        std::size_t to = from + 1;
        while (to < run.size() && run[to].key == run[from].key)
            ++to;
        if (to - from > 1)
            orderRun(lines, run.subspan(from, to - from), next, spare);
        from = to;
    }
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
    // a place where every line holds the same byte orders nothing: each line's key is its folded
    // bytes at the first eight places that differ somewhere, so the keys settle almost every
    // comparison and are sorted as numbers (a radix sort, which keeps the order of equal keys);
    // lines with equal keys are then ordered in the same way by the places where they differ
    // further on.
    std::vector<KeyedEntry>& entries = m_sortSpace.entries;
    entries.resize(std::size_t(lines.size()));
    for (std::size_t i = 0; i < entries.size(); ++i)
        entries[i] = {0, int(i)};
    orderRun(lines, entries, 0, m_sortSpace.spare);
    for (std::size_t i = 0; i < entries.size(); ++i)
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
