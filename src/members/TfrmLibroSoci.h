#pragma once

#include "MemberRegister.h"
#include "app/Dialog.h"

class ExportTableModel;
class FieldTable;
class QLabel;
class QTableView;

// "Libro soci": every member with a number, in number order, or those without consent to the
// processing of their data; optionally only the members active on a date. The list prints on the
// program's list document and exports to a spreadsheet file.
class TfrmLibroSoci : public Dialog {
    Q_OBJECT
public:
    explicit TfrmLibroSoci(QWidget* parent = nullptr);

    FieldTable* fields() const { return m_fields; }
    const GridRows& rows() const;

public Q_SLOTS:
    void btnStampaClick();
    void btnEsportaClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    MemberRegister::List list() const;
    QDate activeOn() const;
    void listRows();

    FieldTable* m_fields;
    ExportTableModel* m_model;
    QTableView* m_grid;
    QLabel* m_lblTotale;
};
