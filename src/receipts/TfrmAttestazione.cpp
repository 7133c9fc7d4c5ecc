#include "TfrmAttestazione.h"

#include "ReceiptMail.h"
#include "StatementDocument.h"
#include "app/ArchiveMessages.h"
#include "app/PdfMail.h"
#include "app/Platform.h"
#include "app/PrintMessages.h"
#include "app/ReportOutput.h"
#include "reports/ReportError.h"
#include "reports/ReportRenderer.h"
#include "storage/StorageError.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>

namespace {

// How many warnings the message box names; the dialog lists them all.
constexpr int kWarningsTold = 5;

// A fiscal code as part of a file name: letters and digits only.
QString plain(const QString& code) {
    QString name;
    for (QChar c : code)
        if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))
            name += c;
    return name;
}

} // namespace

TfrmAttestazione::TfrmAttestazione(QWidget* parent, YearlyStatement::Gathered gathered)
    : Dialog(parent, QStringLiteral(" Attestazione annuale")), m_gathered(std::move(gathered)),
      m_payers(m_gathered.payers()) {
    setObjectName(QStringLiteral("frmAttestazione"));

    auto* instruction = new QLabel(
        QStringLiteral(
            "Scegliere dall'elenco il pagatore di cui preparare l'attestazione delle spese sportive "
            "dell'anno %1, oppure tutti i pagatori: ogni praticante ha la sua pagina.")
            .arg(m_gathered.year),
        this);
    instruction->setObjectName(QStringLiteral("lblIstruzioni"));
    instruction->setWordWrap(true);

    m_chkTutti = new QCheckBox(QStringLiteral("Tutti i pagatori"), this);
    m_chkTutti->setObjectName(QStringLiteral("chkTutti"));
    QStringList lines;
    for (const YearlyStatement::Payer& p : m_payers)
        lines << p.code + QStringLiteral("  ") + p.name;
    m_model = new QStringListModel(lines, this);
    m_lstPagatori = new QListView(this);
    m_lstPagatori->setObjectName(QStringLiteral("lstPagatori"));
    m_lstPagatori->setModel(m_model);
    m_lstPagatori->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lstPagatori->setMinimumSize(420, 200);
    m_lstPagatori->setCurrentIndex(m_model->index(0));
    auto* caption = new QLabel(QStringLiteral("Pagatori (codice fiscale e nome):"), this);
    caption->setBuddy(m_lstPagatori);
    connect(m_chkTutti, &QCheckBox::toggled, m_lstPagatori, &QWidget::setDisabled);

    auto* warnings = new QPlainTextEdit(m_gathered.warnings.join(u'\n'), this);
    warnings->setObjectName(QStringLiteral("txtAvvisi"));
    warnings->setReadOnly(true);
    warnings->setMaximumHeight(110);
    auto* warningsCaption = new QLabel(QStringLiteral("Avvisi:"), this);
    warningsCaption->setBuddy(warnings);
    warnings->setVisible(!m_gathered.warnings.isEmpty());
    warningsCaption->setVisible(!m_gathered.warnings.isEmpty());

    QPushButton* btnAnteprima =
        dialogButton(this, "btnAnteprima", QStringLiteral("Mostra anteprima"), "document-print-preview");
    QPushButton* btnStampa = dialogButton(this, "btnStampa", QStringLiteral("Stampa"), "document-print");
    QPushButton* btnSalvaPdf =
        dialogButton(this, "btnSalvaPdf", QStringLiteral("Salva PDF"), "document-save");
    QPushButton* btnEmail = dialogButton(this, "btnEmail", QStringLiteral("Invia per e-mail"), "mail-send");
    QPushButton* btnEsci = dialogButton(this, "btnEsci", QStringLiteral("Esci"), "application-exit");

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->addWidget(instruction, 0, 0, 1, 5);
    layout->addWidget(caption, 1, 0, 1, 5);
    layout->addWidget(m_lstPagatori, 2, 0, 1, 5);
    layout->addWidget(m_chkTutti, 3, 0, 1, 5);
    layout->addWidget(warningsCaption, 4, 0, 1, 5);
    layout->addWidget(warnings, 5, 0, 1, 5);
    layout->addWidget(btnAnteprima, 6, 0);
    layout->addWidget(btnStampa, 6, 1);
    layout->addWidget(btnSalvaPdf, 6, 2);
    layout->addWidget(btnEmail, 6, 3);
    layout->addWidget(btnEsci, 6, 4);

    connect(btnAnteprima, &QPushButton::clicked, this, &TfrmAttestazione::btnAnteprimaClick);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmAttestazione::btnStampaClick);
    connect(btnSalvaPdf, &QPushButton::clicked, this, &TfrmAttestazione::btnSalvaPdfClick);
    connect(btnEmail, &QPushButton::clicked, this, &TfrmAttestazione::btnEmailClick);
    connect(btnEsci, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmAttestazione::openYear(QWidget* parent, const QString& year, const QString& archivePath) {
    YearlyStatement::Gathered gathered;
    try {
        gathered = YearlyStatement::gather(archivePath, year);
    } catch (const StorageError&) {
        platform().message(Platform::Box::Warning, ArchiveMessages::kFailure);
        return;
    }
    if (!gathered.warnings.isEmpty()) {
        QStringList told = gathered.warnings.mid(0, kWarningsTold);
        if (gathered.warnings.size() > kWarningsTold)
            told << QStringLiteral("... e altri %1 avvisi.").arg(gathered.warnings.size() - kWarningsTold);
        platform().message(Platform::Box::Warning, told.join(QStringLiteral("\r\n\r\n")));
    }
    if (gathered.statements.empty()) {
        platform().message(
            Platform::Box::Warning,
            QStringLiteral("Attenzione: nell'archivio dell'anno %1 non risulta nessuna ricevuta "
                           "da attestare.")
                .arg(year));
        return;
    }
    TfrmAttestazione(parent, std::move(gathered)).exec();
}

QString TfrmAttestazione::chosenCode() const {
    if (m_chkTutti->isChecked())
        return {};
    const QModelIndex current = m_lstPagatori->currentIndex();
    return current.isValid() ? m_payers.value(current.row()).code : QString();
}

std::optional<ReportRenderer> TfrmAttestazione::chosenDocument() {
    const QString code = chosenCode();
    if (code.isEmpty() && !m_chkTutti->isChecked()) {
        platform().message(
            Platform::Box::Warning,
            QStringLiteral("Attenzione: scegliere un pagatore dall'elenco oppure indicare tutti "
                           "i pagatori."));
        return std::nullopt;
    }
    return ReportRenderer(StatementDocument::make(m_gathered, m_gathered.of(code), platform().today()));
}

QString TfrmAttestazione::fileName() const {
    const QString code = plain(chosenCode());
    return code.isEmpty() ? QStringLiteral("Attestazioni_%1.pdf").arg(m_gathered.year)
                          : QStringLiteral("Attestazione_%1_%2.pdf").arg(m_gathered.year, code);
}

void TfrmAttestazione::btnAnteprimaClick() {
    showChosen(Output::Preview);
}

void TfrmAttestazione::btnStampaClick() {
    showChosen(Output::Paper);
}

void TfrmAttestazione::showChosen(Output output) {
    const std::optional<ReportRenderer> document = chosenDocument();
    if (!document)
        return;
    try {
        if (output == Output::Paper)
            ReportOutput::print(*document, this);
        else
            ReportOutput::preview(*document, this);
    } catch (const ReportError&) {
        platform().message(Platform::Box::Warning, output == Output::Paper ? PrintMessages::kPrintFailed
                                                                          : PrintMessages::kPreviewFailed);
    }
}

void TfrmAttestazione::btnSalvaPdfClick() {
    const std::optional<ReportRenderer> document = chosenDocument();
    if (!document)
        return;
    const QString path = platform().saveFileName(QStringLiteral(" Salva attestazione"),
                                                 QStringLiteral("Documento PDF (*.pdf)"), fileName());
    if (path.isEmpty())
        return;
    try {
        document->writePdf(path);
        if (QFileInfo(path).size() == 0)
            throw ReportError("The statement was not written");
    } catch (const ReportError&) {
        platform().message(
            Platform::Box::Warning,
            QStringLiteral("Attenzione: il salvataggio del documento PDF non è andato a buon fine."));
        return;
    }
    platform().message(Platform::Box::Information,
                       QStringLiteral("L'attestazione è stata salvata nel file %1.").arg(path));
}

void TfrmAttestazione::btnEmailClick() {
    if (m_chkTutti->isChecked()) {
        platform().message(Platform::Box::Warning,
                           QStringLiteral("Attenzione: l'attestazione si invia per e-mail a un pagatore alla "
                                          "volta: sceglierlo dall'elenco."));
        return;
    }
    const std::optional<ReportRenderer> document = chosenDocument();
    if (!document)
        return;
    const QString code = chosenCode();
    PdfMail::send(*document, fileName(), StatementDocument::title(m_gathered.year),
                  ReceiptMail::payerAddress(code));
}
