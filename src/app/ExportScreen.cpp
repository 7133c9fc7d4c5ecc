#include "ExportScreen.h"

#include "CommandBar.h"
#include "ExportTableModel.h"
#include "Platform.h"
#include "StatusLine.h"
#include "storage/ProgramFolder.h"
#include "storage/SpreadsheetDocument.h"
#include "storage/StorageError.h"
#include "storage/Text.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

constexpr Command kCommands[] = {
    {"cmdEsporta", "Esporta archivio", "x-office-spreadsheet",
     "Esporta l'archivio in formato Microsoft Excel."},
    {"cmdGuida", "Guida", "help-contents", "Visualizza la pagina della guida sensibile al contesto."},
    {"cmdEsci", "Esci", "application-exit", "Esci da questo ambiente di lavoro."},
};

const QString kAskExport = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede "
    "presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kAskOpen = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString kFailure =
    QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi "
                   "che il file di Excel non sia già aperto.");

constexpr int kRowHeight = 21;
constexpr int kNumberWidth = 50;
// The widest a column grows to show its text; the user can still widen it.
constexpr int kWidest = 360;
// The rows whose text sizes the columns: enough to meet the longest values of a column.
constexpr int kMeasuredRows = 500;

} // namespace

ExportScreen::ExportScreen(QWidget* parent, const QString& objectName, const QString& caption,
                           const SpreadsheetExport& format)
    : Dialog(parent, caption), m_format(format) {
    setObjectName(objectName);
    auto* status = new StatusLine(QStringLiteral("Esportazione archivio in Microsoft Excel."), this);
    auto* commands = new CommandBar(kCommands, status, this);
    m_cmdGuida = commands->button("cmdGuida");
    m_cmdGuida->setEnabled(false);

    m_model = new ExportTableModel(format, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("grdRecords"));
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setAlternatingRowColors(true);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fitColumns();
    m_grid->setMinimumSize(900, 480);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(commands);
    layout->addWidget(m_grid, 1);
    layout->addWidget(status);

    connect(commands->button("cmdEsporta"), &QToolButton::clicked, this, &ExportScreen::cmdEsportaClick);
    connect(m_cmdGuida, &QToolButton::clicked, this, [this] { m_showGuide(); });
    connect(commands->button("cmdEsci"), &QToolButton::clicked, this, &QDialog::reject);
}

void ExportScreen::setRows(const QList<QStringList>& rows) {
    setRows(GridRows(int(m_format.columns.size()), rows));
}

void ExportScreen::setRows(GridRows rows) {
    m_model->setRows(std::move(rows));
    fitColumns();
}

void ExportScreen::fitColumns() {
    // Each column shows its whole header and what its first rows hold ("Ingressi rimanenti", a
    // fiscal code), never narrower than its share of the spreadsheet's width, and no wider than a
    // long note needs to be recognised. The text is measured from a table of the font's character
    // widths rather than laid out cell by cell, which cost more than reading the archive.
    const QFontMetrics metrics(m_grid->font());
    std::array<int, 256> advance{};
    for (std::size_t b = 0; b < advance.size(); ++b)
        advance[b] = metrics.horizontalAdvance(Text::fromWin1252(QByteArray(1, char(b))));
    const auto widthOf = [&](QStringView text) {
        int width = 0;
        for (const QChar c : text)
            width += c.unicode() < advance.size() ? advance[c.unicode()] : metrics.horizontalAdvance(c);
        return width;
    };
    // What the item delegate puts on either side of a cell's text, and the grid line.
    const int margins =
        2 * (m_grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_grid) + 1) +
        (m_grid->showGrid() ? 1 : 0);
    const int rows = std::min(m_model->rowCount(), kMeasuredRows);
    for (int c = 0; c < m_model->columnCount(); ++c) {
        int widest = m_grid->horizontalHeader()->sectionSizeHint(c);
        for (int r = 0; r < rows; ++r)
            widest = std::max(widest, widthOf(m_model->index(r, c).data().toString()) + margins);
        const int least = c == 0 ? kNumberWidth : m_format.columns[c - 1].width * 3 / 5;
        m_grid->setColumnWidth(c, std::clamp(widest, least, std::max(least, kWidest)));
    }
}

const GridRows& ExportScreen::rows() const {
    return m_model->rows();
}

void ExportScreen::setGuide(std::function<void()> showGuide) {
    m_showGuide = std::move(showGuide);
    m_cmdGuida->setEnabled(bool(m_showGuide));
}

void ExportScreen::showEvent(QShowEvent* event) {
    listRows();
    Dialog::showEvent(event);
}

void ExportScreen::cmdEsportaClick() {
    if (!platform().ask(kAskExport))
        return;
    const QString path = ProgramFolder::file(QString::fromUtf8(m_format.fileName));
    try {
        const GridRows& grid = rows();
        SpreadsheetDocument::write(
            path, m_format, grid.rowCount(),
            [&grid](qsizetype row, std::span<QByteArrayView> cells) { grid.cells(row, cells); });
    } catch (const StorageError&) {
        platform().message(Platform::Box::Notice, kFailure);
        return;
    }
    if (platform().ask(kAskOpen))
        platform().open(u'"' + path + u'"');
}
