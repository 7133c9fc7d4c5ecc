#pragma once

#include "GridRows.h"
#include "storage/SpreadsheetExport.h"

#include <QAbstractTableModel>

// The rows of an export as its preview grid shows them: the column "N." numbering the rows from
// 1, then the exported columns under their grid headers. Read-only; its cells stay Windows-1252
// text until they are shown, so that a grid of 100,000 rows fills at once.
class ExportTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ExportTableModel(const SpreadsheetExport& format, QObject* parent);

    void setRows(GridRows rows);
    const GridRows& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const SpreadsheetExport& m_format;
    GridRows m_rows;
};
