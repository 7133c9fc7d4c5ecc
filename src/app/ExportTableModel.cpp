#include "ExportTableModel.h"

ExportTableModel::ExportTableModel(const SpreadsheetExport& format, QObject* parent)
    : QAbstractTableModel(parent), m_format(format), m_rows(int(format.columns.size())) {}

void ExportTableModel::setRows(GridRows rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int ExportTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.rowCount());
}

int ExportTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_format.columns.size()) + 1;
}

QVariant ExportTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    if (index.column() == 0)
        return QString::number(index.row() + 1);
    if (index.column() > m_rows.columnCount())
        return QString();
    return m_rows.text(index.row(), index.column() - 1);
}

QVariant ExportTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    if (section == 0)
        return QStringLiteral("N.");
    const SpreadsheetColumn& column = m_format.columns[section - 1];
    return QString::fromUtf8(column.gridHeader ? column.gridHeader : column.header);
}
