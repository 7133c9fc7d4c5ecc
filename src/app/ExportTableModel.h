#pragma once

#include "storage/SpreadsheetExport.h"

#include <QAbstractTableModel>
#include <QStringList>

// The rows of an export as its preview grid shows them: the column "N." numbering the rows from
// 1, then the exported columns under their grid headers. Read-only.
class ExportTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ExportTableModel(const SpreadsheetExport& format, QObject* parent);

    void setRows(QList<QStringList> rows);
    const QList<QStringList>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const SpreadsheetExport& m_format;
    QList<QStringList> m_rows;
};
