#include "ResultListModel.h"

#include "storage/Text.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QSize>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

const QFont& listFont() {
    static const QFont font(QStringLiteral("Courier New"), 12);
    return font;
}

// Lines are wider than the list, which scrolls sideways.
constexpr int kItemWidth = 1600;

} // namespace

void ResultListModel::setLines(QStringList lines) {
    // Sorting by the folded lines, compared as plain text, keeps a list of many thousands quick.
    QStringList folded;
    folded.reserve(lines.size());
    for (const QString& line : lines)
        folded << Text::lowerAZ(line);
    std::vector<int> order(lines.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return folded[a] < folded[b]; });

    beginResetModel();
    m_lines.clear();
    m_folded.clear();
    m_lines.reserve(lines.size());
    m_folded.reserve(lines.size());
    for (int i : order) {
        m_lines << std::move(lines[i]);
        m_folded << std::move(folded[i]);
    }
    endResetModel();
}

void ResultListModel::clear() {
    beginResetModel();
    m_lines.clear();
    m_folded.clear();
    endResetModel();
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_lines.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_lines[index.row()];
    case Qt::FontRole:
        return listFont();
    case Qt::ForegroundRole:
        return QColor(Qt::black);
    case Qt::SizeHintRole:
        return QSize(kItemWidth, QFontMetrics(listFont()).height() + 2);
    default:
        return {};
    }
}
