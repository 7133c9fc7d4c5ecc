#include "ReportDialog.h"

#include "ReportError.h"
#include "ReportRenderer.h"
#include "app/Platform.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

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
    layout->addWidget(picture, 0, 0, Qt::AlignTop);
    layout->addWidget(text, 0, 1, 1, 3);
    layout->addWidget(btnStampa, 1, 2);
    layout->addWidget(btnAnnulla, 1, 3);
    layout->setColumnStretch(1, 1);

    connect(btnStampa, &QPushButton::clicked, this, &ReportDialog::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void ReportDialog::btnStampaClick() {
    try {
        const ReportTemplate document = fill();
        const ReportRenderer renderer(document);
        if (m_action == Action::Print)
            renderer.print(this);
        else
            renderer.preview(this);
    } catch (const ReportError&) {
        platform().message(Platform::Box::Warning, m_failure);
    }
    accept();
}
