#include "TfrmScadenze.h"

#include "TfrmTestiPromemoria.h"
#include "app/ArchiveMessages.h"
#include "app/CommandBar.h"
#include "app/ExportScreen.h"
#include "app/ExportTableModel.h"
#include "app/MailAddress.h"
#include "app/Platform.h"
#include "app/PrintMessages.h"
#include "app/ReportOutput.h"
#include "app/StatusLine.h"
#include "app/WhatsAppAddress.h"
#include "cards/CardSettings.h"
#include "reports/ReportError.h"
#include "storage/StorageError.h"
#include "storage/Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr Command kCommands[] = {
    {"cmdWhatsApp", "WhatsApp", "call-start",
     "Invia all'iscritto della riga un promemoria tramite WhatsApp."},
    {"cmdEmail", "E-mail", "mail-send", "Invia all'iscritto della riga un promemoria tramite e-mail."},
    {"cmdEmailTutti", "E-mail a tutti i selezionati", "mail-reply-all",
     "Invia un unico promemoria via e-mail a tutti gli iscritti selezionati, in copia nascosta."},
    {"cmdTesti", "Testi dei promemoria", "document-edit", "Modifica i testi dei promemoria."},
    {"cmdStampa", "Stampa", "document-print", "Stampa l'elenco delle scadenze."},
    {"cmdEsporta", "Esporta", "x-office-spreadsheet", "Esporta l'elenco delle scadenze in Microsoft Excel."},
    {"cmdEsci", "Esci", "application-exit", "Esci da questa schermata di lavoro."},
};

const QString kAll = QStringLiteral("Tutti");
const QString kChooseLine = QStringLiteral("Attenzione: selezionare una riga dell'elenco.");
const QString kNoMobile = QStringLiteral("Attenzione: l'iscritto non ha un numero di cellulare.");
const QString kNoEmail = QStringLiteral("Attenzione: l'iscritto non ha un indirizzo e-mail.");
const QString kOneKind = QStringLiteral(
    "Attenzione: per inviare un'unica e-mail selezionare righe di un solo tipo (solo tessere o "
    "solo certificati medici).");
const QString kLeftOut =
    QStringLiteral("Attenzione: i seguenti iscritti non hanno un indirizzo e-mail valido e "
                   "non sono stati inclusi nel messaggio:\n\n");

QSpinBox* daysBox(QWidget* parent, const char* name, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(0, ReminderSettings::kMostDays);
    box->setValue(value);
    return box;
}

QLabel* captionOf(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(text);
    return label;
}

} // namespace

TfrmScadenze::TfrmScadenze() {
    setObjectName(QStringLiteral("frmScadenze"));
    setWindowTitle(QStringLiteral(" Zandorio - Scadenze"));
    m_settings = ReminderSettings::read();

    auto* panInfo =
        new StatusLine(QStringLiteral("Tessere e certificati medici in scadenza o scaduti da poco."), this);
    auto* commands = new CommandBar(kCommands, panInfo, this);

    m_txtGiorniPrima = daysBox(this, "txtGiorniPrima", m_settings.daysBefore);
    m_txtGiorniDopo = daysBox(this, "txtGiorniDopo", m_settings.daysAfter);
    m_cboTipo = new QComboBox(this);
    m_cboTipo->setObjectName(QStringLiteral("cboTipo"));
    m_cboTipo->addItems(
        {kAll, Reminders::kindText(ReminderKind::Card), Reminders::kindText(ReminderKind::Certificate)});
    m_chkSenzaPromemoria = new QCheckBox(QStringLiteral("Solo senza promemoria"), this);
    m_chkSenzaPromemoria->setObjectName(QStringLiteral("chkSenzaPromemoria"));

    auto* filters = new QHBoxLayout;
    filters->addWidget(captionOf(this, QStringLiteral("Scadute da non più di giorni:"), m_txtGiorniPrima));
    filters->addWidget(m_txtGiorniPrima);
    filters->addSpacing(16);
    filters->addWidget(captionOf(this, QStringLiteral("In scadenza entro giorni:"), m_txtGiorniDopo));
    filters->addWidget(m_txtGiorniDopo);
    filters->addSpacing(16);
    filters->addWidget(captionOf(this, QStringLiteral("Tipo:"), m_cboTipo));
    filters->addWidget(m_cboTipo);
    filters->addSpacing(16);
    filters->addWidget(m_chkSenzaPromemoria);
    filters->addStretch();

    m_model = new ExportTableModel(Reminders::kExport, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("grdScadenze"));
    m_grid->setAccessibleName(QStringLiteral("Scadenze"));
    m_grid->setModel(m_model);
    m_grid->hideColumn(0);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setAlternatingRowColors(true);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    const auto& columns = Reminders::kExport.columns;
    for (qsizetype i = 0; i < qsizetype(columns.size()); ++i)
        m_grid->setColumnWidth(int(i) + 1, columns[i].width);

    m_lblConteggio = new QLabel(this);
    m_lblConteggio->setObjectName(QStringLiteral("lblConteggio"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(panInfo, 1);
    bottom->addWidget(m_lblConteggio);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(commands);
    layout->addLayout(filters);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottom);

    connect(commands->button("cmdWhatsApp"), &QToolButton::clicked, this, &TfrmScadenze::cmdWhatsAppClick);
    connect(commands->button("cmdEmail"), &QToolButton::clicked, this, &TfrmScadenze::cmdEmailClick);
    connect(commands->button("cmdEmailTutti"), &QToolButton::clicked, this,
            &TfrmScadenze::cmdEmailTuttiClick);
    connect(commands->button("cmdTesti"), &QToolButton::clicked, this, &TfrmScadenze::cmdTestiClick);
    connect(commands->button("cmdStampa"), &QToolButton::clicked, this, &TfrmScadenze::cmdStampaClick);
    connect(commands->button("cmdEsporta"), &QToolButton::clicked, this, &TfrmScadenze::cmdEsportaClick);
    connect(commands->button("cmdEsci"), &QToolButton::clicked, this, &QWidget::close);
    connect(m_txtGiorniPrima, &QSpinBox::editingFinished, this, &TfrmScadenze::windowChanged);
    connect(m_txtGiorniDopo, &QSpinBox::editingFinished, this, &TfrmScadenze::windowChanged);
    connect(m_cboTipo, &QComboBox::currentIndexChanged, this, &TfrmScadenze::showRows);
    connect(m_chkSenzaPromemoria, &QCheckBox::toggled, this, &TfrmScadenze::showRows);
}

void TfrmScadenze::showEvent(QShowEvent* event) {
    // Another workstation may have changed the window or the texts meanwhile.
    m_settings = ReminderSettings::read();
    m_txtGiorniPrima->setValue(m_settings.daysBefore);
    m_txtGiorniDopo->setValue(m_settings.daysAfter);
    listRows();
    QWidget::showEvent(event);
}

void TfrmScadenze::windowChanged() {
    ReminderSettings changed = m_settings;
    changed.daysBefore = m_txtGiorniPrima->value();
    changed.daysAfter = m_txtGiorniDopo->value();
    if (changed == m_settings)
        return;
    try {
        changed.write(m_settings);
    } catch (const StorageError&) {
        platform().message(Platform::Box::Error, ArchiveMessages::kFailure);
    }
    // The list follows the window shown even when it could not be kept for the next time.
    m_settings.daysBefore = changed.daysBefore;
    m_settings.daysAfter = changed.daysAfter;
    listRows();
}

void TfrmScadenze::listRows() {
    try {
        m_listing = Reminders::list(platform().today(), m_settings.daysBefore, m_settings.daysAfter);
    } catch (const StorageError&) {
        m_listing = {};
        platform().message(Platform::Box::Notice, ArchiveMessages::kFailure);
    }
    showRows();
}

void TfrmScadenze::showRows() {
    std::optional<ReminderKind> kind;
    if (m_cboTipo->currentIndex() > 0)
        kind = ReminderKind(m_cboTipo->currentIndex() - 1);
    m_shown = Reminders::filtered(m_listing.rows, kind, m_chkSenzaPromemoria->isChecked());
    m_model->setRows(Reminders::gridRows(m_shown, platform().today()));
    QString count = QStringLiteral("Righe in elenco: ") + QString::number(m_shown.size());
    if (m_listing.unreadable > 0)
        count += QStringLiteral(" - ") + Reminders::unreadableText(m_listing.unreadable);
    m_lblConteggio->setText(count);
}

const Reminders::Row* TfrmScadenze::currentRow() {
    const int row = m_grid->currentIndex().row();
    if (row < 0 || std::size_t(row) >= m_shown.size()) {
        platform().message(Platform::Box::Warning, kChooseLine);
        return nullptr;
    }
    return &m_shown[std::size_t(row)];
}

void TfrmScadenze::logSent(std::span<const Reminders::Row> rows, ReminderChannel channel) {
    const QDateTime now = platform().now();
    std::vector<TSchedaPromemoria> records;
    for (const Reminders::Row& row : rows)
        records.push_back(Reminders::logRecord(row, channel, now));
    try {
        Reminders::log(records);
    } catch (const StorageError&) {
        // The line stays as it was: not reminded, and still counted as due.
        platform().message(Platform::Box::Error, ArchiveMessages::kFailure);
        return;
    }
    const int current = m_grid->currentIndex().row();
    listRows();
    m_grid->setCurrentIndex(m_model->index(current, 1));
}

void TfrmScadenze::cmdWhatsAppClick() {
    const Reminders::Row* row = currentRow();
    if (!row)
        return;
    const QString mobile = Text::trimBlanks(row->mobile);
    if (mobile.isEmpty()) {
        platform().message(Platform::Box::Warning, kNoMobile);
        return;
    }
    const Reminders::Row sent = *row;
    platform().open(whatsAppUrl(
        mobile, Reminders::fill(m_settings.text(sent.kind, ReminderChannel::WhatsApp),
                                Reminders::placeholdersOf(sent, CardSettings::associationName()))));
    logSent({&sent, 1}, ReminderChannel::WhatsApp);
}

void TfrmScadenze::cmdEmailClick() {
    const Reminders::Row* row = currentRow();
    if (!row)
        return;
    const QString address = Text::trimBlanks(row->email);
    if (address.isEmpty()) {
        platform().message(Platform::Box::Warning, kNoEmail);
        return;
    }
    const Reminders::Row sent = *row;
    const std::optional<QUrl> url =
        mailtoUrl(address, Reminders::subject(sent.kind),
                  Reminders::fill(m_settings.text(sent.kind, ReminderChannel::Email),
                                  Reminders::placeholdersOf(sent, CardSettings::associationName())));
    if (!url) {
        platform().message(Platform::Box::Warning, kRefusedMailAddress);
        return;
    }
    platform().open(*url);
    logSent({&sent, 1}, ReminderChannel::Email);
}

void TfrmScadenze::cmdEmailTuttiClick() {
    QModelIndexList selected = m_grid->selectionModel()->selectedRows(1);
    if (selected.isEmpty()) {
        platform().message(Platform::Box::Warning, kChooseLine);
        return;
    }
    std::sort(selected.begin(), selected.end());
    std::vector<Reminders::Row> reached;
    QStringList addresses;
    QStringList leftOut;
    for (const QModelIndex& index : std::as_const(selected)) {
        const Reminders::Row& row = m_shown[std::size_t(index.row())];
        if (row.kind != m_shown[std::size_t(selected.front().row())].kind) {
            platform().message(Platform::Box::Warning, kOneKind);
            return;
        }
        const QString address = Text::trimBlanks(row.email);
        if (address.isEmpty() || !isSingleAddress(address)) {
            leftOut << row.name;
            continue;
        }
        reached.push_back(row);
        if (!addresses.contains(address, Qt::CaseInsensitive))
            addresses << address;
    }
    if (!reached.empty()) {
        const ReminderKind kind = reached.front().kind;
        platform().open(mailtoBccUrl(
            addresses, Reminders::subject(kind),
            Reminders::fill(m_settings.text(kind, ReminderChannel::Email),
                            Reminders::placeholdersOf(reached, CardSettings::associationName()))));
    }
    if (!leftOut.isEmpty())
        platform().message(Platform::Box::Warning, kLeftOut + leftOut.join(u'\n'));
    if (!reached.empty())
        logSent(reached, ReminderChannel::Email);
}

void TfrmScadenze::cmdTestiClick() {
    TfrmTestiPromemoria(this, m_settings).exec();
}

void TfrmScadenze::cmdStampaClick() {
    try {
        ReportOutput::printList(Reminders::kTitle, Reminders::lines(m_shown, platform().today()), this);
    } catch (const ReportError&) {
        platform().message(Platform::Box::Warning, PrintMessages::kPrintFailed);
    }
}

void TfrmScadenze::cmdEsportaClick() {
    ExportScreen screen(this, QStringLiteral("frmExpScadenze"),
                        QStringLiteral(" Esportazione scadenze in Microsoft Excel"), Reminders::kExport);
    screen.setRows(Reminders::gridRows(m_shown, platform().today()));
    screen.exec();
}
