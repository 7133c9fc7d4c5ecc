#include "ReportDialog.h"

#include "Platform.h"
#include "ReportOutput.h"
#include "reports/ReportError.h"
#include "reports/ReportRenderer.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace {

// The rows of the dialog's grid.
enum Row { kInstruction, kContent, kWaiting, kButtons };

} // namespace

ReportDialog::ReportDialog(QWidget* parent, const QString& objectName, const QString& caption, Action action,
                           const QString& instruction, QString failure)
    : Dialog(parent, caption), m_action(action), m_failure(std::move(failure)) {
    setObjectName(objectName);
    const bool print = action == Action::Print;

    auto* picture = new QLabel(this);
    picture->setPixmap(
        QIcon::fromTheme(print ? QStringLiteral("document-print") : QStringLiteral("document-print-preview"))
            .pixmap(48, 48));
    auto* text = new QLabel(instruction, this);
    text->setObjectName(QStringLiteral("lblIstruzioni"));
    text->setWordWrap(true);
    text->setMinimumWidth(300);

    QPushButton* btnStampa =
        print ? dialogButton(this, "btnStampa", QStringLiteral("Stampa"), "document-print")
              : dialogButton(this, "btnStampa", QStringLiteral("Mostra anteprima"), "document-print-preview");
    btnStampa->setDefault(true);
    QPushButton* btnAnnulla = dialogButton(this, "btnAnnulla", QStringLiteral("Annulla"), "dialog-cancel");

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setHorizontalSpacing(14);
    layout->setVerticalSpacing(16);
    layout->addWidget(picture, kInstruction, 0, Qt::AlignTop);
    layout->addWidget(text, kInstruction, 1, 1, 3);
    layout->addWidget(btnStampa, kButtons, 2);
    layout->addWidget(btnAnnulla, kButtons, 3);
    layout->setColumnStretch(1, 1);

    connect(btnStampa, &QPushButton::clicked, this, &ReportDialog::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void ReportDialog::addContent(QWidget* content) {
    static_cast<QGridLayout*>(layout())->addWidget(content, kContent, 1, 1, 3);
}

void ReportDialog::setWaitingText(const QString& text) {
    m_lblAttendere = new QLabel(text, this);
    m_lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    // Its line is kept while it is hidden: showing it moves nothing, so the button that went down
    // is still under the pointer when it comes up, and the click prints.
    QSizePolicy policy = m_lblAttendere->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    m_lblAttendere->setSizePolicy(policy);
    m_lblAttendere->hide();
    static_cast<QGridLayout*>(layout())->addWidget(m_lblAttendere, kWaiting, 1, 1, 3);
    auto* btnStampa = findChild<QPushButton*>(QStringLiteral("btnStampa"));
    connect(btnStampa, &QPushButton::pressed, this, &ReportDialog::showWaiting);
    // Released away from the button: nothing starts, so nothing is awaited.
    connect(btnStampa, &QPushButton::released, this, &ReportDialog::hideWaiting);
}

void ReportDialog::showWaiting() {
    if (!m_lblAttendere)
        return;
    m_lblAttendere->show();
    // Painted now: the work that follows keeps the event loop waiting.
    m_lblAttendere->repaint();
}

void ReportDialog::hideWaiting() {
    if (m_lblAttendere)
        m_lblAttendere->hide();
}

void ReportDialog::btnStampaClick() {
    showWaiting();
    try {
        const ReportRenderer document(fill());
        if (m_action == Action::Print) {
            printEnded(ReportOutput::print(document, this));
        } else {
            hideWaiting();
            ReportOutput::preview(document, this);
        }
    } catch (const ReportError&) {
        if (m_action == Action::Print)
            printEnded(false);
        platform().message(Platform::Box::Warning, m_failure);
    }
    hideWaiting();
    accept();
}
