#include "CodeCheckDialog.h"

#include "app/FieldTable.h"
#include "storage/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CodeCheckDialog::CodeCheckDialog(QWidget* parent, const QString& caption, const FieldRow& field,
                                 const QString& lengthWarning)
    : Dialog(parent, caption), m_length(field.maxLength), m_lengthWarning(lengthWarning) {
    auto* fields = new FieldTable(this, std::span<const FieldRow>(&field, 1), Highlight::Frame);
    m_field = fields->field(field.name);
    QLabel* lblTitolo = fields->label(field.name);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));

    m_btnControlla = dialogButton(this, "btnControlla", QStringLiteral("Controlla"), "dialog-ok-apply");
    QPushButton* btnChiudi = dialogButton(this, "btnChiudi", QStringLiteral("Chiudi"), "window-close");
    fields->setEnterAction([this] { m_btnControlla->setFocus(); });
    connect(m_btnControlla, &QPushButton::clicked, this, &CodeCheckDialog::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_btnControlla);
    buttons->addWidget(btnChiudi);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(12);
    layout->addWidget(lblTitolo);
    layout->addWidget(m_field);
    layout->addLayout(buttons);
    m_field->setMinimumWidth(320);
}

void CodeCheckDialog::setCode(const QString& code) {
    // A longer text handed over is shown whole, so that it earns the length warning instead of
    // being cut to a code that might pass the check.
    m_field->setMaxLength(std::max<int>(m_length, code.size()));
    m_field->setText(code);
}

void CodeCheckDialog::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    m_field->setFocus();
}

void CodeCheckDialog::btnControllaClick() {
    const QString code = Text::upperAZ(m_field->text());
    if (code.size() != m_length) {
        platform().message(Platform::Box::Warning, m_lengthWarning);
        m_field->setFocus();
        return;
    }
    const Verdict verdict = check(code);
    platform().message(verdict.kind, verdict.text);
    accept();
}
