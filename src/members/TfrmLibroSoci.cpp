#include "TfrmLibroSoci.h"

#include "TfrmExpLibroSoci.h"
#include "app/ArchiveMessages.h"
#include "app/ExportTableModel.h"
#include "app/FieldTable.h"
#include "app/Platform.h"
#include "app/PrintMessages.h"
#include "app/ReportOutput.h"
#include "reports/ReportError.h"
#include "reports/ReportRenderer.h"
#include "storage/DateText.h"
#include "storage/StorageError.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

using MemberRegister::List;

QStringList listTitles() {
    return {MemberRegister::title(List::Register), MemberRegister::title(List::WithoutConsent)};
}

const FieldRow kFields[] = {
    {.name = "txtAllaData", .label = "Soci attivi alla data:", .maxLength = 10, .input = Input::Date},
    {.name = "cboElenco",
     .label = "Elenco:",
     .maxLength = 60,
     .control = Control::Pick,
     .items = &listTitles},
};

const SpreadsheetExport& formatOf(List list) {
    return list == List::Register ? MemberRegister::kRegisterExport : MemberRegister::kWithoutConsentExport;
}

} // namespace

TfrmLibroSoci::TfrmLibroSoci(QWidget* parent) : Dialog(parent, QStringLiteral(" Libro soci")) {
    setObjectName(QStringLiteral("frmLibroSoci"));
    m_fields = new FieldTable(this, kFields, Highlight::Frame);
    m_fields->setText("cboElenco", MemberRegister::title(List::Register));

    m_model = new ExportTableModel(MemberRegister::kRegisterExport, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("grdSoci"));
    m_grid->setModel(m_model);
    // The member number is the list's own numbering.
    m_grid->hideColumn(0);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setAlternatingRowColors(true);
    m_grid->verticalHeader()->hide();
    const auto& columns = MemberRegister::kRegisterExport.columns;
    for (qsizetype i = 0; i < qsizetype(columns.size()); ++i)
        m_grid->setColumnWidth(int(i) + 1, columns[i].width * 3 / 5);
    m_grid->setMinimumSize(1000, 420);
    m_lblTotale = new QLabel(this);
    m_lblTotale->setObjectName(QStringLiteral("lblTotale"));

    auto* filters = new QGridLayout;
    m_fields->addToGrid(filters, 1);
    filters->setColumnStretch(2, 1);

    QPushButton* stampa = dialogButton(this, "btnStampa", QStringLiteral("Stampa"), "document-print");
    QPushButton* esporta =
        dialogButton(this, "btnEsporta", QStringLiteral("Esporta"), "x-office-spreadsheet");
    QPushButton* chiudi = dialogButton(this, "btnChiudi", QStringLiteral("Chiudi"), "window-close");
    connect(stampa, &QPushButton::clicked, this, &TfrmLibroSoci::btnStampaClick);
    connect(esporta, &QPushButton::clicked, this, &TfrmLibroSoci::btnEsportaClick);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_lblTotale);
    buttons->addStretch();
    buttons->addWidget(stampa);
    buttons->addWidget(esporta);
    buttons->addWidget(chiudi);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addLayout(filters);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    connect(m_fields->field("txtAllaData"), &QLineEdit::textChanged, this, &TfrmLibroSoci::listRows);
    connect(static_cast<QComboBox*>(m_fields->control("cboElenco")), &QComboBox::currentTextChanged, this,
            &TfrmLibroSoci::listRows);
}

const GridRows& TfrmLibroSoci::rows() const {
    return m_model->rows();
}

List TfrmLibroSoci::list() const {
    return m_fields->text("cboElenco") == MemberRegister::title(List::WithoutConsent) ? List::WithoutConsent
                                                                                      : List::Register;
}

QDate TfrmLibroSoci::activeOn() const {
    return DateText::parse(m_fields->text("txtAllaData"));
}

void TfrmLibroSoci::showEvent(QShowEvent* event) {
    listRows();
    Dialog::showEvent(event);
}

void TfrmLibroSoci::listRows() {
    // A pick list emptied while being edited lists the register itself.
    GridRows rows(int(MemberRegister::kRegisterExport.columns.size()));
    try {
        rows = MemberRegister::rows(list(), activeOn());
    } catch (const StorageError&) {
        platform().message(Platform::Box::Notice, ArchiveMessages::kFailure);
    }
    m_model->setRows(std::move(rows));
    m_lblTotale->setText(QStringLiteral("Soci in elenco: ") + QString::number(m_model->rowCount()));
}

void TfrmLibroSoci::btnStampaClick() {
    try {
        ReportOutput::print(ReportRenderer(MemberRegister::document(
                                list(), MemberRegister::lines(rows(), activeOn()), platform().today())),
                            this);
    } catch (const ReportError&) {
        platform().message(Platform::Box::Warning, PrintMessages::kPrintFailed);
    }
}

void TfrmLibroSoci::btnEsportaClick() {
    TfrmExpLibroSoci(this, formatOf(list()), rows()).exec();
}
