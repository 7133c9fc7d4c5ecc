#include "TfrmRiepCosti.h"

#include "IncomeGuide.h"
#include "ReceiptCompanion.h"
#include "app/ArchiveMessages.h"
#include "app/CommandBar.h"
#include "app/ListFinder.h"
#include "app/Platform.h"
#include "app/PrintMessages.h"
#include "app/ReportOutput.h"
#include "app/ResultListPanel.h"
#include "app/TfrmGuida.h"
#include "reports/ListReport.h"
#include "reports/ReportError.h"
#include "reports/ReportRenderer.h"
#include "storage/StorageError.h"
#include "storage/Text.h"

#include <QGridLayout>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr Command kGuida = {"imgGuida", "Guida", "help-contents",
                            "Visualizza la pagina della guida sensibile al contesto."};

const QString kNoLines =
    QStringLiteral("Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce.");

// The text looked for last in any summary of this run, as a new summary goes on from it.
ListFinder& finder() {
    static ListFinder shared;
    return shared;
}

QLabel* value(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setStyleSheet(QStringLiteral("font-weight: bold;"));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel* hidden(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->hide();
    return label;
}

} // namespace

TfrmRiepCosti::TfrmRiepCosti(QWidget* parent, QString path, QString payer, QString sport,
                             IncomeSummary::Period period)
    : Dialog(parent, QStringLiteral(" Zandorio - Riepilogo Incassi")), m_payer(std::move(payer)),
      m_sport(std::move(sport)), m_period(std::move(period)) {
    setObjectName(QStringLiteral("frmRiepCosti"));
    m_results = new ResultListPanel(
        QStringLiteral("Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e "
                       "premere il pulsante Trova.\nPer spostarsi sulla voce successiva contenente la stessa "
                       "chiave di ricerca, fare di nuovo clic su Trova."),
        this);
    m_results->renameButtons(QStringLiteral("Stampa riepilogo"), "btnEsci", QStringLiteral("Esci"));
    m_results->useFinder(finder());
    // A statement: the receipts as they were issued.
    m_results->setSorted(false);
    m_results->setPrintAction([this](const QStringList&) { btnStampaClick(); });

    m_titTipologia = value(this, "titTipologia");
    m_lblIntervallo = value(this, "lblIntervallo");
    m_lblTotCosti = value(this, "lblTotCosti");
    m_lblTotCosti->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lblTotCosti->setMinimumWidth(140);
    m_lblTotCosti->setText(QStringLiteral("0,00"));
    m_lblAnnullate = new QLabel(this);
    m_lblAnnullate->setObjectName(QStringLiteral("lblAnnullate"));
    m_lblAnnullate->hide();
    m_lblConta = hidden(this, "lblConta", QString());
    m_lblFile = hidden(this, "lblFile", std::move(path));

    QToolButton* imgGuida = makeCommandButton(kGuida, nullptr, this, Qt::ToolButtonIconOnly);
    imgGuida->setToolTip(QString::fromUtf8(kGuida.hint));
    imgGuida->setAccessibleDescription(QString::fromUtf8(kGuida.hint));

    auto* heading = new QGridLayout;
    const auto addLine = [&](int line, const QString& caption, QLabel* shown) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(shown);
        heading->addWidget(label, line, 0);
        heading->addWidget(shown, line, 1);
    };
    addLine(0, QStringLiteral("Pagatore:"), m_titTipologia);
    addLine(1, QStringLiteral("Intervallo selezionato:"), m_lblIntervallo);
    addLine(2, QStringLiteral("Totale importi incassati:"), m_lblTotCosti);
    heading->addWidget(m_lblAnnullate, 3, 0, 1, 2);
    heading->setColumnStretch(1, 1);
    heading->addWidget(imgGuida, 0, 3, 3, 1, Qt::AlignTop | Qt::AlignRight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addLayout(heading);
    layout->addWidget(m_results);

    connect(m_results, &ResultListPanel::closeRequested, this, &QDialog::reject);
    connect(imgGuida, &QToolButton::clicked, this,
            [this] { showGuide(this, IncomeGuide::kTitle, IncomeGuide::kText); });
    list();
}

void TfrmRiepCosti::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    m_results->focusFinder();
    // A box opened from here would open before the screen itself, leaving it unplaced behind.
    if (m_told)
        QTimer::singleShot(0, this, [this, told = *std::exchange(m_told, std::nullopt)] {
            platform().message(told.first, told.second);
        });
}

void TfrmRiepCosti::tell(Platform::Box kind, const QString& text) {
    m_told = {kind, text};
}

void TfrmRiepCosti::list() {
    const bool byPayer = !Text::trimBlanks(m_payer).isEmpty();
    m_lblConta->setText(QString::number(int(byPayer) + int(!Text::trimBlanks(m_sport).isEmpty())));
    m_titTipologia->setText(byPayer ? Text::trimBlanks(m_payer) : QStringLiteral("- - -"));
    m_lblIntervallo->setText(QStringLiteral("Dal   ") + m_period.startText + QStringLiteral("   al   ") +
                             m_period.endText);
    try {
        IncomeSummary::Summary summary = IncomeSummary::list(m_lblFile->text(), m_payer, m_sport, m_period);
        m_lblTotCosti->setText(IncomeSummary::totalText(summary.total));
        const int stoppedAt = summary.stoppedAt;
        m_lblAnnullate->setText(summary.cancelled ? IncomeSummary::cancelledText(summary.cancelled)
                                                  : QString());
        m_lblAnnullate->setVisible(summary.cancelled > 0);
        if (summary.damagedAt)
            tell(Platform::Box::Warning,
                 ReceiptCompanion::damagedWarning(summary.damagedNumber, summary.damagedAt));
        m_results->setLines(std::move(summary.lines));
        if (stoppedAt)
            tell(Platform::Box::Warning,
                 QStringLiteral(
                     "Attenzione: il riepilogo è incompleto. La ricevuta in posizione %1 dell'archivio "
                     "ha una data di emissione o un importo illeggibile: l'elenco si ferma alla "
                     "ricevuta precedente e il totale non è calcolato.\n\r\n\rCorreggere la "
                     "ricevuta nell'archivio delle ricevute e ripetere il riepilogo.")
                     .arg(stoppedAt));
    } catch (const StorageError&) {
        m_results->clear();
        m_lblTotCosti->setText(QStringLiteral("0,00"));
        tell(Platform::Box::Notice, ArchiveMessages::kFailure);
    }
}

void TfrmRiepCosti::btnStampaClick() {
    if (m_results->count() == 0) {
        platform().message(Platform::Box::Warning, kNoLines);
        return;
    }
    if (!platform().ask(QStringLiteral("Si vuole stampare il presente riepilogo?")))
        return;
    QStringList body = m_results->lines();
    body << QStringLiteral("- - - - - - - - - - - - - - - -")
         << QStringLiteral("INTERVALLO SELEZIONATO:    ") + m_lblIntervallo->text()
         << QStringLiteral("TOTALE IMPORTI INCASSATI:  € ") + m_lblTotCosti->text();
    if (!m_lblAnnullate->text().isEmpty())
        body << m_lblAnnullate->text();
    const QDateTime now = platform().now();
    try {
        ReportOutput::print(ReportRenderer(ListReport::make(QStringLiteral("Riepilogo incassi"), body,
                                                            now.date(), now.time())),
                            this);
    } catch (const ReportError&) {
        platform().message(Platform::Box::Warning, PrintMessages::kPrintFailed);
    }
}
