#include "ResultListPanel.h"

#include "Dialog.h"
#include "Platform.h"
#include "ResultListModel.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

namespace {

// The longest lines of the program's lists, with room for the part that is kept as stored (a fee,
// a date, a phone number).
constexpr int kLineCharacters = 160;
// What a dialog around the list needs beside it: its margins and the window's frame.
constexpr int kDialogRoom = 64;
// Below this size the list scrolls sideways rather than shrinking its font further.
constexpr qreal kSmallestPoints = 9;
// Rows laid out at a time: more than any screen shows, a fraction of a millisecond each batch.
constexpr int kLayoutBatch = 5000;

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const char* icon) {
    QPushButton* b = dialogButton(parent, name, caption, icon);
    // Enter belongs to the fields; a button is pressed only from its own focus.
    b->setAutoDefault(false);
    return b;
}

} // namespace

ResultListPanel::ResultListPanel(const QString& hint, QWidget* parent) : QWidget(parent) {
    m_model = new ResultListModel(this);
    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("lstRecords"));
    m_list->setModel(m_model);
    m_list->setUniformItemSizes(true);
    // A list of many thousand lines shows its first lines at once; the rest are laid out a batch
    // at a time while the list is already on screen.
    m_list->setLayoutMode(QListView::Batched);
    m_list->setBatchSize(kLayoutBatch);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // As wide as a whole line at the list's font, where the screen allows.
    const int wholeLine = ResultListModel::rowWidth(ResultListModel::defaultFont(), kLineCharacters) +
                          m_list->verticalScrollBar()->sizeHint().width() + 2 * m_list->frameWidth();
    m_list->setMinimumSize(std::min(wholeLine, screen()->availableGeometry().width() - kDialogRoom), 300);
    m_list->viewport()->installEventFilter(this);

    auto* lblRigo03 = new QLabel(hint, this);
    lblRigo03->setObjectName(QStringLiteral("lblRigo03"));
    lblRigo03->setBuddy(m_list);

    m_txtTrova = new QLineEdit(this);
    m_txtTrova->setObjectName(QStringLiteral("txtTrova"));
    m_txtTrova->setAccessibleName(QStringLiteral("Testo da trovare nell'elenco"));
    m_txtTrova->installEventFilter(this);
    m_list->installEventFilter(this);
    m_btnTrova = button(this, "btnTrova", QStringLiteral("Trova"), "edit-find");
    m_btnTrova->setAutoDefault(true);
    m_btnStampa = button(this, "btnStampa", QStringLiteral("Stampa"), "document-print");
    m_btnStampa->setEnabled(false);
    m_btnChiudi = button(this, "btnChiudi", QStringLiteral("Chiudi"), "window-close");

    connect(m_btnTrova, &QPushButton::clicked, this, &ResultListPanel::btnTrovaClick);
    connect(m_btnStampa, &QPushButton::clicked, this, [this] { m_print(m_model->lines()); });
    connect(m_btnChiudi, &QPushButton::clicked, this, &ResultListPanel::closeRequested);
    connect(m_list, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { Q_EMIT lineChosen(m_model->line(index.row())); });

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lblRigo03, 0, 0, 1, 5);
    layout->addWidget(m_list, 1, 0, 1, 5);
    layout->addWidget(m_txtTrova, 2, 0);
    layout->addWidget(m_btnTrova, 2, 1);
    layout->setColumnStretch(2, 1);
    layout->addWidget(m_btnStampa, 2, 3);
    layout->addWidget(m_btnChiudi, 2, 4);
    m_txtTrova->setMinimumWidth(240);
}

void ResultListPanel::setSorted(bool sorted) {
    m_model->setSorted(sorted);
}

void ResultListPanel::setLines(ResultLines lines) {
    m_model->setLines(std::move(lines));
    fitFont();
}

ResultLines ResultListPanel::takeSpareLines() {
    return m_model->takeSpareLines();
}

void ResultListPanel::fitFont() {
    // Where the screen is too narrow for a whole line at the list's font, the font shrinks in half
    // points, so that a line still reads without scrolling sideways.
    const qsizetype characters = m_model->widestLine();
    const int room = m_list->viewport()->width();
    QFont font = ResultListModel::defaultFont();
    while (font.pointSizeF() > kSmallestPoints && ResultListModel::rowWidth(font, characters) > room)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    m_model->setFont(font);
}

void ResultListPanel::clear() {
    m_model->clear();
}

int ResultListPanel::count() const {
    return m_model->rowCount();
}

QStringList ResultListPanel::lines() const {
    return m_model->lines();
}

void ResultListPanel::focusFinder() {
    m_txtTrova->clear();
    m_txtTrova->setFocus();
}

void ResultListPanel::startFinder() {
    m_finder->reset();
    focusFinder();
}

void ResultListPanel::setPrintAction(std::function<void(const QStringList&)> print) {
    m_print = std::move(print);
    m_btnStampa->setEnabled(bool(m_print));
}

void ResultListPanel::renameButtons(const QString& printCaption, const char* closeName,
                                    const QString& closeCaption) {
    m_btnStampa->setText(printCaption);
    m_btnChiudi->setObjectName(QString::fromLatin1(closeName));
    m_btnChiudi->setText(closeCaption);
}

bool ResultListPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list->viewport() && event->type() == QEvent::Resize)
        fitFont();
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return QWidget::eventFilter(watched, event);
    // Enter in the finder's field only moves on to "Trova"; on a line it opens it, as a double
    // click does, for those who work from the keyboard.
    if (watched == m_txtTrova) {
        m_btnTrova->setFocus();
        return true;
    }
    if (watched == m_list && m_list->currentIndex().isValid()) {
        Q_EMIT lineChosen(m_model->line(m_list->currentIndex().row()));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ResultListPanel::btnTrovaClick() {
    if (m_model->rowCount() == 0) {
        platform().message(Platform::Box::Notice,
                           QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    const int row = m_finder->find(
        m_model->rowCount(), [this](int r) { return m_model->bytes(r); }, m_list->currentIndex().row(),
        m_txtTrova->text());
    const QModelIndex index = m_model->index(row);
    m_list->setCurrentIndex(index);
    m_list->scrollTo(index);
}
