#include "TfrmTestiPromemoria.h"

#include "app/ArchiveMessages.h"
#include "app/Platform.h"
#include "storage/StorageError.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct TextRow {
    ReminderKind kind;
    ReminderChannel channel;
    const char* name;
    const char* label;
};

constexpr TextRow kTexts[] = {
    {ReminderKind::Card, ReminderChannel::WhatsApp, "txtTesseraWhatsApp", "Tessera, WhatsApp:"},
    {ReminderKind::Card, ReminderChannel::Email, "txtTesseraEmail", "Tessera, e-mail:"},
    {ReminderKind::Certificate, ReminderChannel::WhatsApp, "txtCertificatoWhatsApp",
     "Certificato medico, WhatsApp:"},
    {ReminderKind::Certificate, ReminderChannel::Email, "txtCertificatoEmail", "Certificato medico, e-mail:"},
};

} // namespace

TfrmTestiPromemoria::TfrmTestiPromemoria(QWidget* parent, ReminderSettings& settings)
    : Dialog(parent, QStringLiteral(" Testi dei promemoria")), m_settings(settings) {
    setObjectName(QStringLiteral("frmTestiPromemoria"));
    auto* hint =
        new QLabel(QStringLiteral("Nei testi si possono usare i segnaposto {NOME}, {TIPO}, {SCADENZA} e "
                                  "{ASSOCIAZIONE}: ogni promemoria li sostituisce con i dati dell'iscritto "
                                  "e con la denominazione dell'associazione."),
                   this);
    hint->setWordWrap(true);
    auto* grid = new QGridLayout;
    int row = 0;
    for (const TextRow& t : kTexts) {
        auto* edit = new QPlainTextEdit(settings.text(t.kind, t.channel), this);
        edit->setObjectName(QString::fromLatin1(t.name));
        edit->setTabChangesFocus(true);
        edit->setFixedHeight(90);
        auto* label = new QLabel(QString::fromUtf8(t.label), this);
        label->setBuddy(edit);
        edit->setAccessibleName(label->text());
        m_edits[int(t.kind)][int(t.channel)] = edit;
        grid->addWidget(label, row, 0, Qt::AlignTop);
        grid->addWidget(edit, row++, 1);
    }
    grid->setColumnMinimumWidth(1, 620);

    QPushButton* predefiniti =
        dialogButton(this, "btnPredefiniti", QStringLiteral("Testi predefiniti"), "edit-undo");
    QPushButton* salva = dialogButton(this, "btnSalva", QStringLiteral("Salva"), "document-save");
    QPushButton* annulla = dialogButton(this, "btnAnnulla", QStringLiteral("Annulla"), "dialog-cancel");
    connect(predefiniti, &QPushButton::clicked, this, &TfrmTestiPromemoria::btnPredefinitiClick);
    connect(salva, &QPushButton::clicked, this, &TfrmTestiPromemoria::btnSalvaClick);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(predefiniti);
    buttons->addStretch();
    buttons->addWidget(salva);
    buttons->addWidget(annulla);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(hint);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

QPlainTextEdit* TfrmTestiPromemoria::edit(ReminderKind kind, ReminderChannel channel) const {
    return m_edits[int(kind)][int(channel)];
}

void TfrmTestiPromemoria::btnPredefinitiClick() {
    for (const TextRow& t : kTexts)
        edit(t.kind, t.channel)->setPlainText(ReminderSettings::defaultText(t.kind, t.channel));
}

void TfrmTestiPromemoria::btnSalvaClick() {
    ReminderSettings changed = m_settings;
    for (const TextRow& t : kTexts)
        changed.text(t.kind, t.channel) = edit(t.kind, t.channel)->toPlainText();
    try {
        changed.write(m_settings);
    } catch (const StorageError&) {
        platform().message(Platform::Box::Error, ArchiveMessages::kFailure);
        return;
    }
    // What the file now holds: an emptied text is the default again.
    m_settings = ReminderSettings::read();
    accept();
}
