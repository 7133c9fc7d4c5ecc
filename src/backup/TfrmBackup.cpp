#include "TfrmBackup.h"

#include "BackupName.h"
#include "BackupRestore.h"
#include "BackupSettings.h"
#include "BackupWriter.h"
#include "app/Platform.h"
#include "storage/ProgramFolder.h"
#include "storage/StorageError.h"

#include <QCheckBox>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

namespace {

const QString kNotCompleted = QStringLiteral("Attenzione: il backup non è stato completato.");

// Runs `work` on a worker thread while the window stays responsive: `bar` follows its progress
// and `cancel` asks it to stop. The work itself never waits without a bound (an archive's lock
// is waited for a few seconds at most), so neither does this.
BackupOutcome runInBackground(QProgressBar* bar, QPushButton* cancel,
                              const std::function<BackupOutcome(BackupControl&)>& work) {
    BackupControl control;
    BackupOutcome outcome;
    QEventLoop loop;
    const std::unique_ptr<QThread> thread(QThread::create([&] { outcome = work(control); }));
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, bar, [&] { bar->setValue(control.permille); });
    const QMetaObject::Connection stop =
        QObject::connect(cancel, &QPushButton::clicked, [&control] { control.cancelled = true; });
    bar->setRange(0, 1000);
    bar->setValue(0);
    cancel->setEnabled(true);
    tick.start(100);
    thread->start();
    loop.exec();
    thread->wait();
    QObject::disconnect(stop);
    cancel->setEnabled(false);
    bar->setValue(control.permille);
    return outcome;
}

QString sizeText(qint64 bytes) {
    return QLocale(QLocale::Italian).formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

} // namespace

TfrmBackup::TfrmBackup(QWidget* parent) : Dialog(parent, QStringLiteral("Backup")) {
    setObjectName(QStringLiteral("frmBackup"));
    const BackupSettings settings = BackupSettings::read();

    m_controls = new QWidget(this);
    m_folder = new QLineEdit(QDir::toNativeSeparators(settings.destination()), m_controls);
    m_folder->setObjectName(QStringLiteral("txtCartella"));
    m_folder->setReadOnly(true);
    m_folder->setMinimumWidth(360);
    auto* folderLabel = new QLabel(QStringLiteral("Cartella di destinazione:"), m_controls);
    folderLabel->setBuddy(m_folder);
    auto* choose = dialogButton(m_controls, "btnScegli", QStringLiteral("Scegli..."), "folder-open");
    m_automatic = new QCheckBox(QStringLiteral("Backup automatico all'uscita"), m_controls);
    m_automatic->setObjectName(QStringLiteral("chkAutomatico"));
    m_automatic->setChecked(settings.automatic);
    m_keep = new QSpinBox(m_controls);
    m_keep->setObjectName(QStringLiteral("spnConserva"));
    m_keep->setRange(1, 999);
    m_keep->setValue(settings.keep);
    auto* keepLabel = new QLabel(QStringLiteral("Backup automatici da conservare:"), m_controls);
    keepLabel->setBuddy(m_keep);
    auto* run = dialogButton(m_controls, "btnEsegui", QStringLiteral("Esegui backup"), "document-save");

    m_model = new QStandardItemModel(0, 4, this);
    m_model->setHorizontalHeaderLabels({QStringLiteral("Data"), QStringLiteral("Ora"),
                                        QStringLiteral("Dimensione"), QStringLiteral("Tipo")});
    m_list = new QTableView(m_controls);
    m_list->setObjectName(QStringLiteral("grdBackup"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setMinimumHeight(180);
    m_list->setAccessibleName(QStringLiteral("Backup trovati"));
    m_contents = new QLabel(m_controls);
    m_contents->setObjectName(QStringLiteral("lblContenuto"));
    m_contents->setMinimumHeight(110);
    m_contents->setAccessibleName(QStringLiteral("Contenuto del backup"));
    m_contents->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* restore = dialogButton(m_controls, "btnRipristina", QStringLiteral("Ripristina"), "edit-undo");
    m_close = dialogButton(this, "btnChiudi", QStringLiteral("Chiudi"), "window-close");

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("prgBackup"));
    m_progress->setRange(0, 1000);
    m_progress->setValue(0);
    m_cancel = dialogButton(this, "btnAnnulla", QStringLiteral("Annulla"), "process-stop");
    m_cancel->setEnabled(false);

    auto* grid = new QGridLayout(m_controls);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(folderLabel, 0, 0);
    grid->addWidget(m_folder, 0, 1);
    grid->addWidget(choose, 0, 2);
    grid->addWidget(m_automatic, 1, 0, 1, 2);
    grid->addWidget(keepLabel, 2, 0);
    grid->addWidget(m_keep, 2, 1, Qt::AlignLeft);
    grid->addWidget(run, 1, 2, 2, 1);
    grid->addWidget(m_list, 3, 0, 1, 3);
    grid->addWidget(m_contents, 4, 0, 1, 2);
    grid->addWidget(restore, 4, 2, Qt::AlignTop);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_progress, 1);
    bottom->addWidget(m_cancel);
    bottom->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_controls);
    layout->addLayout(bottom);

    connect(choose, &QPushButton::clicked, this, &TfrmBackup::chooseFolder);
    connect(m_automatic, &QCheckBox::toggled, this, &TfrmBackup::saveSettings);
    connect(m_keep, &QSpinBox::valueChanged, this, &TfrmBackup::saveSettings);
    connect(run, &QPushButton::clicked, this, &TfrmBackup::makeBackup);
    connect(restore, &QPushButton::clicked, this, &TfrmBackup::restoreSelected);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TfrmBackup::showSelected);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    fillList();
}

void TfrmBackup::chooseFolder() {
    const QString chosen = platform().folderName(QStringLiteral("Cartella di destinazione"),
                                                 QDir::fromNativeSeparators(m_folder->text()));
    if (chosen.isEmpty())
        return;
    m_folder->setText(QDir::toNativeSeparators(chosen));
    saveSettings();
    fillList();
}

void TfrmBackup::saveSettings() {
    BackupSettings settings;
    settings.folder = QDir::fromNativeSeparators(m_folder->text());
    settings.automatic = m_automatic->isChecked();
    settings.keep = m_keep->value();
    try {
        settings.write();
    } catch (const StorageError&) {
        platform().message(Platform::Box::Warning,
                           QStringLiteral("Attenzione: impossibile salvare le impostazioni del backup."));
    }
}

BackupOutcome TfrmBackup::runWork(const std::function<BackupOutcome(BackupControl&)>& work) {
    // While the work runs only "Annulla" answers: the dialog cannot close under it.
    m_controls->setEnabled(false);
    m_close->setEnabled(false);
    const BackupOutcome outcome = runInBackground(m_progress, m_cancel, work);
    m_controls->setEnabled(true);
    m_close->setEnabled(true);
    return outcome;
}

void TfrmBackup::makeBackup() {
    const QString destination = QDir::fromNativeSeparators(m_folder->text());
    const QDateTime now = platform().now();
    const BackupOutcome outcome = runWork([&](BackupControl& control) {
        return BackupWriter::make(ProgramFolder::path(), destination, BackupName::Kind::Manual, now,
                                  &control);
    });
    fillList();
    if (outcome.ok())
        platform().message(Platform::Box::Information,
                           QStringLiteral("Backup completato: %1").arg(QFileInfo(outcome.path).fileName()));
    else
        platform().message(Platform::Box::Warning,
                           kNotCompleted + QStringLiteral("\r\n\r\n") + outcome.failure);
}

QString TfrmBackup::selectedPath() const {
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return {};
    return QDir(QDir::fromNativeSeparators(m_folder->text()))
        .filePath(m_model->item(rows.first().row())->data(Qt::UserRole).toString());
}

void TfrmBackup::showSelected() {
    const QString path = selectedPath();
    if (path.isEmpty()) {
        m_contents->clear();
        return;
    }
    const BackupRestore::Inspection inspection = BackupRestore::inspect(path);
    m_contents->setText(inspection.contents ? inspection.contents->summary() : inspection.refusal);
}

void TfrmBackup::restoreSelected() {
    const QString path = selectedPath();
    if (path.isEmpty()) {
        platform().message(Platform::Box::Warning,
                           QStringLiteral("Attenzione: scegliere un backup dall'elenco."));
        return;
    }
    const BackupRestore::Inspection inspection = BackupRestore::inspect(path);
    if (!inspection.contents) {
        platform().message(
            Platform::Box::Warning,
            QStringLiteral("Attenzione: il backup scelto non può essere ripristinato; nessun dato è "
                           "stato cambiato.\r\n\r\n") +
                inspection.refusal);
        return;
    }
    const QString made = inspection.contents->made.toString(QStringLiteral("dd/MM/yyyy hh:mm"));
    if (!platform().ask(
            QStringLiteral("Ripristinare i dati del %1? I dati attuali saranno salvati in un backup "
                           "prima del ripristino.")
                .arg(made)))
        return;
    const QString destination = QDir::fromNativeSeparators(m_folder->text());
    const QDateTime now = platform().now();
    const BackupOutcome outcome = runWork([&](BackupControl& control) {
        return BackupRestore::restore(path, ProgramFolder::path(), destination, now, &control);
    });
    fillList();
    if (outcome.path.isEmpty()) {
        platform().message(
            Platform::Box::Warning,
            QStringLiteral("Attenzione: il ripristino non è stato eseguito; nessun dato è stato "
                           "cambiato.\r\n\r\n") +
                outcome.failure);
        return;
    }
    if (outcome.ok())
        platform().message(
            Platform::Box::Information,
            QStringLiteral("Ripristino completato. I dati di prima sono nel backup %1.\r\n\r\nIl "
                           "programma ora si riavvia per rileggere i dati.")
                .arg(QFileInfo(outcome.path).fileName()));
    else
        platform().message(Platform::Box::Error,
                           outcome.failure + QStringLiteral("\r\n\r\nIl programma ora si riavvia."));
    accept();
    platform().restart();
}

void TfrmBackup::fillList() {
    m_model->removeRows(0, m_model->rowCount());
    for (const BackupName::Backup& backup : BackupName::list(QDir::fromNativeSeparators(m_folder->text()))) {
        QList<QStandardItem*> row{new QStandardItem(backup.made.toString(QStringLiteral("dd/MM/yyyy"))),
                                  new QStandardItem(backup.made.toString(QStringLiteral("hh:mm"))),
                                  new QStandardItem(sizeText(backup.size)),
                                  new QStandardItem(BackupName::kindText(backup.kind))};
        row.first()->setData(backup.fileName, Qt::UserRole);
        m_model->appendRow(row);
    }
    m_contents->clear();
}

void TfrmBackup::backupAtExit() {
    const BackupSettings settings = BackupSettings::read();
    if (!settings.automaticDue(platform().today()))
        return;
    Dialog window(nullptr, QStringLiteral("Backup automatico"));
    window.setObjectName(QStringLiteral("frmBackupAutomatico"));
    auto* text = new QLabel(QStringLiteral("Backup automatico dei dati in corso..."), &window);
    auto* bar = new QProgressBar(&window);
    bar->setObjectName(QStringLiteral("prgBackup"));
    bar->setMinimumWidth(360);
    auto* cancel = dialogButton(&window, "btnAnnulla", QStringLiteral("Annulla"), "process-stop");
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(text);
    layout->addWidget(bar);
    layout->addWidget(cancel, 0, Qt::AlignRight);
    window.show();
    const QDateTime now = platform().now();
    const BackupOutcome outcome = runInBackground(bar, cancel, [&](BackupControl& control) {
        return BackupWriter::make(ProgramFolder::path(), settings.destination(), BackupName::Kind::Automatic,
                                  now, &control);
    });
    window.hide();
    // Older automatic backups go only once the new one has been read back and checked.
    if (outcome.ok())
        settings.pruneAutomatic();
    else
        platform().message(Platform::Box::Warning,
                           kNotCompleted + QStringLiteral("\r\n\r\n") + outcome.failure);
}
