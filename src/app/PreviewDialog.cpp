#include "PreviewDialog.h"

#include "CommandBar.h"
#include "Platform.h"
#include "StatusLine.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr Command kCommands[] = {
    {"cmdStampa", "Stampa", "document-print", "Stampa il documento."},
    {"cmdPaginaIntera", "Pagina intera", "zoom-fit-page", "Mostra la pagina intera."},
    {"cmdLarghezza", "Larghezza", "zoom-fit-width", "Adatta la pagina alla larghezza della finestra."},
    {"cmdRiduci", "Riduci", "zoom-out", "Riduce l'ingrandimento della pagina."},
    {"cmdIngrandisci", "Ingrandisci", "zoom-in", "Aumenta l'ingrandimento della pagina."},
    {"cmdPrima", "Prima", "go-first", "Mostra la prima pagina."},
    {"cmdPrecedente", "Precedente", "go-previous", "Mostra la pagina precedente."},
    {"cmdSuccessiva", "Successiva", "go-next", "Mostra la pagina successiva."},
    {"cmdUltima", "Ultima", "go-last", "Mostra l'ultima pagina."},
    {"cmdSchermoIntero", "Schermo intero", "view-fullscreen", "Mostra l'anteprima a tutto schermo."},
    {"cmdEsci", "Chiudi", "window-close", "Chiude l'anteprima di stampa."},
};

// The zooms offered in the list, in per cent.
constexpr int kZooms[] = {25, 50, 75, 100, 125, 150, 200, 400};
constexpr qreal kSmallestZoom = 0.01;
constexpr qreal kLargestZoom = 10;
// Each press of "Riduci" or "Ingrandisci".
constexpr qreal kZoomStep = 1.25;

} // namespace

PreviewDialog::PreviewDialog(QPrinter& printer, const std::function<void(QPrinter*)>& paint, QWidget* parent)
    : Dialog(parent, QStringLiteral(" Anteprima di stampa")), m_printer(printer) {
    setObjectName(QStringLiteral("frmAnteprima"));
    auto* status = new StatusLine(QString(), this);
    auto* commands = new CommandBar(kCommands, status, this);

    m_cboZoom = new QComboBox(commands);
    m_cboZoom->setObjectName(QStringLiteral("cboZoom"));
    m_cboZoom->setAccessibleName(QStringLiteral("Ingrandimento"));
    m_cboZoom->setEditable(true);
    m_cboZoom->setInsertPolicy(QComboBox::NoInsert);
    m_cboZoom->setMinimumContentsLength(7);
    for (int percent : kZooms)
        m_cboZoom->addItem(zoomText(percent / 100.0), percent / 100.0);
    commands->insertAfter("cmdRiduci", m_cboZoom);

    m_lblPagina = new QLabel(commands);
    m_lblPagina->setObjectName(QStringLiteral("lblPagina"));
    m_lblPagina->setMinimumWidth(
        m_lblPagina->fontMetrics().horizontalAdvance(QStringLiteral("Pagina 888 di 888")));
    m_lblPagina->setAlignment(Qt::AlignCenter);
    commands->insertAfter("cmdPrecedente", m_lblPagina);

    m_preview = new QPrintPreviewWidget(&printer, this);
    m_preview->setObjectName(QStringLiteral("prwAnteprima"));
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, paint);
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this, &PreviewDialog::updateControls);

    m_cmdPrima = commands->button("cmdPrima");
    m_cmdPrecedente = commands->button("cmdPrecedente");
    m_cmdSuccessiva = commands->button("cmdSuccessiva");
    m_cmdUltima = commands->button("cmdUltima");
    commands->button("cmdSchermoIntero")->setCheckable(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(commands);
    layout->addWidget(m_preview, 1);
    layout->addWidget(status);

    const auto page = [this](int n) {
        m_preview->setCurrentPage(n);
        updateControls();
    };
    connect(commands->button("cmdStampa"), &QToolButton::clicked, this, &PreviewDialog::cmdStampaClick);
    connect(commands->button("cmdPaginaIntera"), &QToolButton::clicked, m_preview,
            &QPrintPreviewWidget::fitInView);
    connect(commands->button("cmdLarghezza"), &QToolButton::clicked, m_preview,
            &QPrintPreviewWidget::fitToWidth);
    connect(commands->button("cmdRiduci"), &QToolButton::clicked, this,
            [this] { setZoom(m_preview->zoomFactor() / kZoomStep); });
    connect(commands->button("cmdIngrandisci"), &QToolButton::clicked, this,
            [this] { setZoom(m_preview->zoomFactor() * kZoomStep); });
    connect(m_cmdPrima, &QToolButton::clicked, this, [page] { page(1); });
    connect(m_cmdPrecedente, &QToolButton::clicked, this,
            [this, page] { page(m_preview->currentPage() - 1); });
    connect(m_cmdSuccessiva, &QToolButton::clicked, this,
            [this, page] { page(m_preview->currentPage() + 1); });
    connect(m_cmdUltima, &QToolButton::clicked, this, [this, page] { page(m_preview->pageCount()); });
    connect(commands->button("cmdSchermoIntero"), &QToolButton::clicked, this,
            &PreviewDialog::cmdSchermoInteroClick);
    connect(commands->button("cmdEsci"), &QToolButton::clicked, this, &QDialog::reject);
    connect(m_cboZoom, &QComboBox::activated, this,
            [this](int index) { setZoom(m_cboZoom->itemData(index).toReal()); });
    connect(m_cboZoom->lineEdit(), &QLineEdit::editingFinished, this, &PreviewDialog::zoomTyped);
}

QSize PreviewDialog::sizeHint() const {
    // As large as a maximised window: the screen's working area less the frame that the window
    // manager draws around the window that opened the preview.
    const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr;
    const QSize frame =
        over && over->isVisible() ? over->frameGeometry().size() - over->geometry().size() : QSize(0, 0);
    return screen()->availableGeometry().size() - frame;
}

QString PreviewDialog::zoomText(qreal factor) {
    const double percent = std::round(factor * 1000) / 10;
    return QLocale().toString(percent, 'f', QLocale::FloatingPointShortest) + u'%';
}

std::optional<qreal> PreviewDialog::zoomFactor(const QString& text) {
    QString number = text.trimmed();
    if (number.endsWith(u'%'))
        number.chop(1);
    number = number.trimmed();
    bool ok = false;
    const double percent = QLocale().toDouble(number, &ok);
    if (!ok || percent < kSmallestZoom * 100 || percent > kLargestZoom * 100)
        return std::nullopt;
    return percent / 100;
}

void PreviewDialog::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    // Once the window has its size: the page at its own size where the width allows it, else
    // fitted to the width, so that its text reads without zooming.
    QTimer::singleShot(0, this, [this] {
        m_preview->fitToWidth();
        if (m_preview->zoomFactor() > 1)
            setZoom(1);
    });
}

void PreviewDialog::cmdStampaClick() {
    if (!platform().printDialog(m_printer, this))
        return;
    m_preview->print();
    accept();
}

void PreviewDialog::cmdSchermoInteroClick() {
    // The fixed size of the window gives way while it covers the whole screen.
    if (isFullScreen()) {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        setFixedSize(sizeHint());
        centreWindow(this, parentWidget());
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowState(windowState() | Qt::WindowFullScreen);
    }
}

void PreviewDialog::zoomTyped() {
    if (const std::optional<qreal> factor = zoomFactor(m_cboZoom->currentText()))
        setZoom(*factor);
    else
        updateControls();
}

void PreviewDialog::setZoom(qreal factor) {
    m_preview->setZoomFactor(std::clamp(factor, kSmallestZoom, kLargestZoom));
    updateControls();
}

void PreviewDialog::updateControls() {
    m_cboZoom->setEditText(zoomText(m_preview->zoomFactor()));
    const int page = m_preview->currentPage();
    const int pages = m_preview->pageCount();
    m_lblPagina->setText(QStringLiteral("Pagina %1 di %2").arg(page).arg(pages));
    m_cmdPrima->setEnabled(page > 1);
    m_cmdPrecedente->setEnabled(page > 1);
    m_cmdSuccessiva->setEnabled(page < pages);
    m_cmdUltima->setEnabled(page < pages);
}
