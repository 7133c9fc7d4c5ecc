#include "TfrmCreaRTF.h"

#include "TfrmAllenamenti.h"
#include "TrainingDocument.h"
#include "app/Platform.h"
#include "storage/AtomicFile.h"
#include "storage/ProgramFolder.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kAskExport = QStringLiteral("Questa procedura esporterà la scheda corrente in un documento in "
                                          "formato RTF.\r\n\r\nSi conferma la creazione del file?");
const QString kAskOpen =
    QStringLiteral("Il file RTF è stato creato con successo.\r\n\r\nSi vuole aprire il documento?");
const QString kFailure = QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                        "Accertarsi che il documento non sia già aperto.");

} // namespace

TfrmCreaRTF::TfrmCreaRTF(TfrmAllenamenti* screen)
    : Dialog(screen, QStringLiteral(" Esporta scheda in RTF")), m_screen(screen) {
    setObjectName(QStringLiteral("frmCreaRTF"));
    m_lblMemory = new QLabel(this);
    m_lblMemory->setObjectName(QStringLiteral("lblMemory"));
    m_lblMemory->hide();

    auto* text =
        new QLabel(QStringLiteral("La scheda corrente sarà esportata nel documento %1 nella cartella "
                                  "del programma, pronto da aprire, stampare e consegnare.")
                       .arg(QString::fromLatin1(TrainingDocument::kFileName)),
                   this);
    text->setWordWrap(true);
    QPushButton* btnStampa =
        dialogButton(this, "btnStampa", QStringLiteral("Esporta e stampa"), "document-export");
    QPushButton* btnAnnulla = dialogButton(this, "btnAnnulla", QStringLiteral("Annulla"), "dialog-cancel");
    btnStampa->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnStampa);
    buttons->addWidget(btnAnnulla);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    connect(btnStampa, &QPushButton::clicked, this, &TfrmCreaRTF::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmCreaRTF::setModeKey(const QString& key) {
    m_lblMemory->setText(key);
}

void TfrmCreaRTF::btnStampaClick() {
    if (m_lblMemory->text() == QLatin1String("allenamenti"))
        exportCard();
    accept();
}

void TfrmCreaRTF::exportCard() {
    if (!m_screen || !platform().ask(kAskExport))
        return;
    const QString path = ProgramFolder::file(QString::fromLatin1(TrainingDocument::kFileName));
    // Written whole or not at all: a document open in the word processor keeps its old text.
    if (!AtomicFile::replace(path, TrainingDocument::rtf(m_screen->record(), platform().today()))) {
        platform().message(Platform::Box::Notice, kFailure);
        return;
    }
    if (platform().ask(kAskOpen))
        platform().open(u'"' + path + u'"');
}
