#include "SearchDialog.h"

#include "ArchiveMessages.h"
#include "Platform.h"
#include "ResultListPanel.h"
#include "storage/StorageError.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

constexpr int kFormWidth = 760;

} // namespace

SearchDialog::SearchDialog(QWidget* parent, const QString& caption, std::span<const FieldRow> filters,
                           const QString& hint)
    : Dialog(parent, caption) {
    m_lblMemory = new QLabel(this);
    m_lblMemory->setObjectName(QStringLiteral("lblMemory"));
    m_lblMemory->hide();

    m_panAvvio = new QWidget;
    m_panAvvio->setObjectName(QStringLiteral("panAvvio"));
    // The filters keep a form's width in the middle of the panel, which is as wide as a result line.
    auto* form = new QWidget(m_panAvvio);
    form->setMinimumWidth(kFormWidth);
    auto* formPlace = new QVBoxLayout(m_panAvvio);
    formPlace->setContentsMargins(0, 0, 0, 0);
    formPlace->addWidget(form, 0, Qt::AlignHCenter);
    m_filters = new FieldTable(form, filters, Highlight::Frame);
    QPushButton* btnCerca = dialogButton(form, "btnCerca", QStringLiteral("Cerca"), "edit-find");
    QPushButton* btnAnnulla = dialogButton(form, "btnAnnulla", QStringLiteral("Chiudi"), "window-close");
    m_lblAttendere = new QLabel(QStringLiteral("Ricerca schede in corso. Attendere..."), form);
    m_lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    m_lblAttendere->hide();

    auto* filterGrid = new QGridLayout(form);
    filterGrid->setHorizontalSpacing(12);
    filterGrid->setVerticalSpacing(8);
    const int row = m_filters->addToGrid(filterGrid, 3);
    filterGrid->addWidget(m_lblAttendere, row, 0, 1, 2);
    filterGrid->addWidget(btnCerca, row, 2);
    filterGrid->addWidget(btnAnnulla, row, 3);
    filterGrid->setColumnStretch(1, 1);
    filterGrid->setRowStretch(row + 1, 1);

    m_panContainer = new QWidget;
    m_panContainer->setObjectName(QStringLiteral("panContainer"));
    m_results = new ResultListPanel(hint, m_panContainer);
    m_lblTrovate = new QLabel(QStringLiteral("Il presente riepilogo contiene 0 schede"), m_panContainer);
    m_lblTrovate->setObjectName(QStringLiteral("lblTrovate"));
    auto* resultLayout = new QVBoxLayout(m_panContainer);
    resultLayout->setContentsMargins(0, 0, 0, 0);
    resultLayout->addWidget(m_lblTrovate);
    resultLayout->addWidget(m_results, 1);

    m_panels = new QStackedWidget(this);
    m_panels->addWidget(m_panAvvio);
    m_panels->addWidget(m_panContainer);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_panels);

    // The waiting note shows as soon as the button goes down, before the archive is read.
    connect(btnCerca, &QPushButton::pressed, this, [this] {
        m_lblAttendere->show();
        m_lblAttendere->repaint();
    });
    connect(btnCerca, &QPushButton::clicked, this, &SearchDialog::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_results, &ResultListPanel::closeRequested, this, &QDialog::reject);
    connect(m_results, &ResultListPanel::lineChosen, this, [this](const QString& line) {
        handOver(line);
        accept();
    });
}

void SearchDialog::setModeKey(const QString& key) {
    m_lblMemory->setText(key);
}

QString SearchDialog::modeKey() const {
    return m_lblMemory->text();
}

QString SearchDialog::countText(int lines) const {
    return QStringLiteral("Il presente riepilogo contiene %1 schede").arg(lines);
}

void SearchDialog::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    m_panels->setCurrentWidget(m_panAvvio);
    m_results->startFinder();
    m_filters->fields().front()->setFocus();
}

void SearchDialog::done(int result) {
    m_results->clear();
    m_lblAttendere->hide();
    Dialog::done(result);
}

void SearchDialog::btnCercaClick() {
    QStringList filters;
    for (const QLineEdit* f : m_filters->fields())
        filters << f->text();
    ResultLines lines;
    try {
        lines = search(filters, m_results->takeSpareLines());
    } catch (const StorageError&) {
        m_lblAttendere->hide();
        platform().message(Platform::Box::Notice, ArchiveMessages::kFailure);
        return;
    }
    m_lblAttendere->hide();
    m_results->setLines(std::move(lines));
    m_lblTrovate->setText(countText(m_results->count()));
    m_panels->setCurrentWidget(m_panContainer);
    m_results->focusFinder();
}
