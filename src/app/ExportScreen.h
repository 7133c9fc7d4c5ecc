#pragma once

#include "Dialog.h"
#include "GridRows.h"
#include "storage/SpreadsheetExport.h"

#include <QStringList>

#include <functional>

class ExportTableModel;
class QTableView;
class QToolButton;
class StatusLine;

// The screen of every export: the preview grid `grdRecords`, the picture buttons `cmdEsporta`,
// `cmdGuida` and `cmdEsci`, and the status line. An exporter configures it with its file, sheet
// and columns, and lists its rows into the grid (listRows runs each time the screen is shown);
// "Esporta" writes the grid as it stands to the spreadsheet file in the program folder.
class ExportScreen : public Dialog {
    Q_OBJECT
public:
    ExportScreen(QWidget* parent, const QString& objectName, const QString& caption,
                 const SpreadsheetExport& format);

    void setRows(const QList<QStringList>& rows);
    void setRows(GridRows rows);
    const GridRows& rows() const;
    // What "Guida" shows; without it the button stays disabled.
    void setGuide(std::function<void()> showGuide);

public Q_SLOTS:
    void cmdEsportaClick();

protected:
    virtual void listRows() {}
    QTableView* grid() const { return m_grid; }
    void showEvent(QShowEvent* event) override;

private:
    void fitColumns();

    const SpreadsheetExport& m_format;
    ExportTableModel* m_model;
    QTableView* m_grid;
    QToolButton* m_cmdGuida;
    std::function<void()> m_showGuide;
};
