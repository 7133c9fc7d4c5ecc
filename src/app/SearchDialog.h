#pragma once

#include "Dialog.h"
#include "FieldTable.h"
#include "ResultLines.h"

#include <span>

class QLabel;
class QPushButton;
class QStackedWidget;
class ResultListPanel;

// A filter search: the filter panel `panAvvio` with its text filters, "Cerca" and "Chiudi"; after
// a search, the result panel `panContainer` with the sorted lines and their count. A double click
// on a line hands its record over to the screen the mode key names, and closes the dialog. Each
// search says how its records are read, filtered and listed, and where a record goes.
class SearchDialog : public Dialog {
    Q_OBJECT
public:
    SearchDialog(QWidget* parent, const QString& caption, std::span<const FieldRow> filters,
                 const QString& hint);

    void setModeKey(const QString& key);
    QString modeKey() const;
    ResultListPanel* results() const { return m_results; }

protected:
    // The lines of the records that pass the filters, given as typed in table order, built in
    // `lines` (empty, with the memory of an earlier list); raises StorageError when the archive
    // cannot be read.
    virtual ResultLines search(const QStringList& filters, ResultLines lines) = 0;
    // Delivers the record of the chosen line; a failure is silent.
    virtual void handOver(const QString& line) = 0;
    // The count label after a search; each search words it its own way.
    virtual QString countText(int lines) const;

    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void btnCercaClick();

    FieldTable* m_filters;
    QLabel* m_lblMemory;
    QLabel* m_lblAttendere;
    QLabel* m_lblTrovate;
    QStackedWidget* m_panels;
    QWidget* m_panAvvio;
    QWidget* m_panContainer;
    ResultListPanel* m_results;
};
