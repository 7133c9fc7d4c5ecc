#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The lines of a result list, kept in case-insensitive order, shown in a fixed-pitch font so that
// their columns line up. A model, so that any number of lines shows at once.
class ResultListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setLines(QStringList lines);
    void clear();
    const QStringList& lines() const { return m_lines; }
    // The lines with the letters A to Z lower-cased, for finding a text in the list.
    const QStringList& foldedLines() const { return m_folded; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QStringList m_lines;
    QStringList m_folded;
};
