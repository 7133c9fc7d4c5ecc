#include "SummaryGridScreen.h"

#include "ArchiveMessages.h"
#include "CommandBar.h"
#include "Platform.h"
#include "TfrmGuida.h"
#include "storage/StorageError.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>

namespace {

constexpr Command kEsci = {"icoEsci", "Esci", "application-exit", ""};
constexpr Command kGuida = {"icoGuida", "Guida", "help-contents", ""};

} // namespace

SummaryGridScreen::SummaryGridScreen(QWidget* parent, const QString& objectName, const QString& caption,
                                     const SpreadsheetExport& format, List list)
    : ExportScreen(parent, objectName, caption, format), m_list(std::move(list)) {}

void SummaryGridScreen::setGuide(const QString& title, const QString& text) {
    m_guideTitle = title;
    m_guideText = text;
    ExportScreen::setGuide([this] { showGuide(this, m_guideTitle, m_guideText); });
}

void SummaryGridScreen::setSelection(const QString& year, const QString& instruction,
                                     const QList<Choice>& choices) {
    // The panel takes the grid's place, as a page beside it rather than a child laid over it:
    // that way its lists and buttons are on the window's Tab order and accessibility tree.
    QTableView* view = grid();
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("panRiepilogo"));
    delete layout()->replaceWidget(view, m_pages);
    m_panAnno = new QWidget(m_pages);
    m_panAnno->setObjectName(QStringLiteral("panAnno"));
    m_pages->addWidget(m_panAnno);
    m_pages->addWidget(view);

    auto* lblAnno = new QLabel(year, m_panAnno);
    lblAnno->setObjectName(QStringLiteral("lblAnno"));
    lblAnno->setStyleSheet(QStringLiteral("font-size: 20pt; font-weight: bold;"));
    auto* lblApri = new QLabel(instruction, m_panAnno);
    lblApri->setObjectName(QStringLiteral("lblApri"));
    auto* btnVisualizza =
        dialogButton(m_panAnno, "btnVisualizza", QStringLiteral("Visualizza"), "view-list-details");
    btnVisualizza->setDefault(true);
    QToolButton* icoGuida = makeCommandButton(kGuida, nullptr, m_panAnno, Qt::ToolButtonIconOnly);
    QToolButton* icoEsci = makeCommandButton(kEsci, nullptr, m_panAnno, Qt::ToolButtonIconOnly);

    auto* layout = new QGridLayout(m_panAnno);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(0, 1);
    layout->addWidget(lblAnno, 1, 1, 1, 2, Qt::AlignHCenter);
    layout->addWidget(lblApri, 2, 1, 1, 2, Qt::AlignHCenter);
    int row = 3;
    for (const Choice& c : choices) {
        auto* list = new QComboBox(m_panAnno);
        list->setObjectName(c.name);
        list->addItems(c.items);
        auto* label = new QLabel(c.caption, m_panAnno);
        label->setBuddy(list);
        layout->addWidget(label, row, 1);
        layout->addWidget(list, row, 2);
        m_choices << list;
        ++row;
    }
    layout->addWidget(btnVisualizza, row, 1, 1, 2, Qt::AlignHCenter);
    // Tab goes down the panel as it reads: the lists, "Visualizza", then the pictures.
    QList<QWidget*> tabOrder(m_choices.begin(), m_choices.end());
    tabOrder << btnVisualizza << icoGuida << icoEsci;
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    auto* pictures = new QHBoxLayout;
    pictures->addWidget(icoGuida);
    pictures->addStretch();
    pictures->addWidget(icoEsci);
    layout->addLayout(pictures, row + 1, 1, 1, 2);
    layout->setRowStretch(row + 2, 1);

    connect(btnVisualizza, &QPushButton::clicked, this, &SummaryGridScreen::btnVisualizzaClick);
    connect(icoGuida, &QToolButton::clicked, this, [this] { showGuide(this, m_guideTitle, m_guideText); });
    connect(icoEsci, &QToolButton::clicked, this, &QDialog::close);
}

void SummaryGridScreen::listRows() {
    if (!m_panAnno) {
        list({});
        return;
    }
    for (QComboBox* c : m_choices)
        c->setCurrentIndex(0);
    if (!m_choices.isEmpty())
        m_choices.first()->setFocus();
}

void SummaryGridScreen::btnVisualizzaClick() {
    QStringList chosen;
    for (const QComboBox* c : m_choices)
        chosen << c->currentText();
    if (list(chosen)) {
        m_pages->setCurrentWidget(grid());
        grid()->setFocus();
    }
}

bool SummaryGridScreen::list(const QStringList& chosen) {
    std::optional<GridRows> rows;
    try {
        rows = m_list(chosen);
    } catch (const StorageError&) {
        platform().message(Platform::Box::Error, ArchiveMessages::kFailure);
        return false;
    }
    if (!rows)
        return false;
    setRows(std::move(*rows));
    return true;
}
