#include "TfrmAllegaCartella.h"

#include "AttachmentFolder.h"
#include "AttachmentSlots.h"
#include "app/CommandBar.h"
#include "app/Platform.h"
#include "storage/Text.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

// One row of the dialog per attachment slot; its control names end with `number`.
struct SlotRow {
    const char* number;
    const char* fileCaption;
    const char* descCaption;
};

constexpr SlotRow kRows[TfrmAllegaCartella::kSlots] = {
    {"01", "Nome 1° file allegato:", "Descrizione 1° file allegato:"},
    {"02", "Nome 2° file allegato:", "Descrizione 2° file allegato:"},
    {"03", "Nome 3° file allegato:", "Descrizione 3° file allegato:"},
};

constexpr int kDescriptionLength = 250;

const QString kOverwrite =
    QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
                   "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");
const QString kCopyFailed = QStringLiteral(
    "Attenzione: il sistema non permette di copiare il file nella cartella dei documenti allegati.\n\r\n\r"
    "Accertarsi che il disco non sia pieno e di possedere i privilegi di scrittura nella cartella di "
    "installazione del programma.");

QString name(const char* prefix, const SlotRow& row) {
    return QLatin1String(prefix) + QLatin1String(row.number);
}

// Enter in a file or description field must not press a button behind the user's back.
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const char* icon) {
    QPushButton* button = dialogButton(parent, name, caption, icon);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(AttachmentSlots* opener, QWidget* parent)
    : Dialog(parent, QStringLiteral(" Allega file")), m_opener(opener) {
    setObjectName(QStringLiteral("frmAllegaCartella"));
    m_lblMemory = new QLabel(this);
    m_lblMemory->setObjectName(QStringLiteral("lblMemory"));
    m_lblMemory->hide();

    auto* grid = new QGridLayout;
    for (int k = 0; k < kSlots; ++k) {
        const SlotRow& row = kRows[k];
        Slot& slot = m_slots[k];
        slot.file = new QLineEdit(this);
        slot.file->setObjectName(name("txtFile", row));
        slot.file->setReadOnly(true);
        slot.file->setMinimumWidth(320);
        slot.desc = new QLineEdit(this);
        slot.desc->setObjectName(name("txtDesc", row));
        slot.desc->setMaxLength(kDescriptionLength);
        auto* fileLabel = new QLabel(QString::fromUtf8(row.fileCaption), this);
        fileLabel->setBuddy(slot.file);
        auto* descLabel = new QLabel(QString::fromUtf8(row.descCaption), this);
        descLabel->setBuddy(slot.desc);

        QPushButton* sfoglia =
            makeButton(this, name("btnSfoglia", row), QStringLiteral("Sfoglia..."), "folder-open");
        slot.apri = makeButton(this, name("btnApri", row), QStringLiteral("Apri"), "document-open");
        slot.apri->setEnabled(false);
        QToolButton* cancella =
            makeCommandButton({"", "Rimuovi", "edit-delete", ""}, nullptr, this, Qt::ToolButtonIconOnly);
        cancella->setObjectName(name("imgCancella", row));
        const QString hint = QStringLiteral("Toglie il file dalla scheda; la descrizione resta.");
        cancella->setToolTip(hint);
        cancella->setAccessibleDescription(hint);

        connect(slot.file, &QLineEdit::textChanged, slot.apri, [apri = slot.apri](const QString& text) {
            apri->setEnabled(!Text::trimBlanks(text).isEmpty());
        });
        connect(sfoglia, &QPushButton::clicked, this, [this, &slot] { btnSfogliaClick(slot); });
        connect(slot.apri, &QPushButton::clicked, this, [this, &slot] { btnApriClick(slot); });
        connect(cancella, &QToolButton::clicked, slot.file, &QLineEdit::clear);

        const int line = 2 * k;
        grid->addWidget(fileLabel, line, 0);
        grid->addWidget(slot.file, line, 1);
        grid->addWidget(sfoglia, line, 2);
        grid->addWidget(slot.apri, line, 3);
        grid->addWidget(cancella, line, 4);
        grid->addWidget(descLabel, line + 1, 0);
        grid->addWidget(slot.desc, line + 1, 1, 1, 4);
        grid->setRowMinimumHeight(line + 1, 36);
    }

    QPushButton* applica =
        makeButton(this, QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"), "dialog-ok-apply");
    QPushButton* annulla =
        makeButton(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), "dialog-cancel");
    connect(applica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(applica);
    buttons->addWidget(annulla);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    if (m_opener) {
        const Attachments attachments = m_opener->attachments();
        for (int k = 0; k < kSlots; ++k) {
            m_slots[k].file->setText(Text::trimBlanks(attachments[k].file));
            m_slots[k].desc->setText(Text::trimBlanks(attachments[k].description));
        }
    }
}

void TfrmAllegaCartella::setModeKey(const QString& key) {
    m_lblMemory->setText(key);
}

void TfrmAllegaCartella::btnSfogliaClick(const Slot& slot) {
    const QString source = platform().openFileName(QStringLiteral("Selezionare il file da allegare:"),
                                                   {QStringLiteral("Tutti i file (*.*)")});
    if (source.isEmpty())
        return;
    const QString previous = slot.file->text();
    const QString chosenName = QFileInfo(source).fileName();
    const QString fileName = AttachmentFolder::nameFor(chosenName);
    slot.file->setText(fileName);
    // Only the very name the user chose can mean the file already in the folder; a name changed
    // to fit the record would replace an unrelated file.
    const bool replacing = fileName == chosenName && AttachmentFolder::holds(fileName);
    if (replacing && !platform().ask(kOverwrite))
        return;
    QString copied;
    if (AttachmentFolder::create())
        copied = replacing ? (AttachmentFolder::copyIn(source, fileName) ? fileName : QString())
                           : AttachmentFolder::copyInNew(source, fileName);
    // The record is written only on save; until then the slot must not name a copy that failed.
    // Another workstation may have taken the name meanwhile: the slot names the copy made.
    if (copied.isEmpty()) {
        slot.file->setText(previous);
        platform().message(Platform::Box::Warning, kCopyFailed);
    } else {
        slot.file->setText(copied);
    }
}

void TfrmAllegaCartella::btnApriClick(const Slot& slot) {
    const QString path = AttachmentFolder::path(Text::trimBlanks(slot.file->text()));
    // A missing file, or a name that is no bare file name, opens nothing rather than an error
    // window of the desktop.
    if (!path.isEmpty() && QFileInfo(path).isFile())
        platform().open(u'"' + path + u'"');
}

void TfrmAllegaCartella::btnApplicaClick() {
    if (m_opener) {
        Attachments attachments;
        for (int k = 0; k < kSlots; ++k)
            attachments[k] = {Text::trimBlanks(m_slots[k].file->text()),
                              Text::trimBlanks(m_slots[k].desc->text())};
        m_opener->setAttachments(attachments);
    }
    accept();
}
