#include "QtPlatform.h"

#include "CameraDevice.h"
#include "PreviewDialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLibrary>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>

namespace {

const QString kTitle = QStringLiteral("Zandorio");

// The messages carry "\r\n\r\n" or "\n\r\n\r"; the box shows plain line breaks.
QString forDisplay(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QString unquoted(const QString& target) {
    if (target.size() >= 2 && target.startsWith(u'"') && target.endsWith(u'"'))
        return target.mid(1, target.size() - 2);
    return target;
}

// The camera module's device behind the screens' camera; without the module no camera starts.
class ModuleCameraSource : public CameraSource {
public:
    explicit ModuleCameraSource(std::unique_ptr<CameraDevice> device) : m_device(std::move(device)) {}
    ~ModuleCameraSource() override { stop(); }

    bool start() override {
        return m_device && m_device->start([this](const QImage& frame) { Q_EMIT frameReady(frame); });
    }
    void stop() override {
        if (m_device)
            m_device->stop();
    }

private:
    std::unique_ptr<CameraDevice> m_device;
};

} // namespace

QtPlatform::QtPlatform(QString cameraModuleFolder) : m_cameraModuleFolder(std::move(cameraModuleFolder)) {}

void QtPlatform::message(Box kind, const QString& text) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(kTitle);
    box.setText(forDisplay(text));
    switch (kind) {
    case Box::Notice:
        box.setIcon(QMessageBox::NoIcon);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Box::Information:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Box::Warning:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Box::Error:
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

bool QtPlatform::ask(const QString& text) {
    QMessageBox box(QMessageBox::Question, kTitle, forDisplay(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    QAbstractButton* yes = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == yes;
}

QString QtPlatform::nameFilter(const QString& filter) {
    const qsizetype open = filter.lastIndexOf(u'(');
    if (open < 0 || !filter.endsWith(u')'))
        return filter;
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    QStringList patterns =
        filter.mid(open + 1, filter.size() - open - 2).split(separators, Qt::SkipEmptyParts);
    for (QString& pattern : patterns)
        if (pattern == QLatin1String("*.*"))
            pattern = QStringLiteral("*");
    return filter + QStringLiteral(" (") + patterns.join(u' ') + u')';
}

QString QtPlatform::openFileName(const QString& title, const QStringList& filters) {
    QStringList qtFilters;
    for (const QString& f : filters)
        qtFilters << nameFilter(f);
    QFileDialog dialog(QApplication::activeWindow(), title, QString(), qtFilters.join(QStringLiteral(";;")));
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenFile(dialog);
}

QString QtPlatform::saveFileName(const QString& title, const QString& filter, const QString& proposedName) {
    QFileDialog dialog(QApplication::activeWindow(), title, proposedName, nameFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    return chosenFile(dialog);
}

QString QtPlatform::chosenFile(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setProxyModel(new FileColumnsInItalian(&dialog));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QVariant FileColumnsInItalian::data(const QModelIndex& index, int role) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files || !index.isValid())
        return QIdentityProxyModel::data(index, role);
    const QModelIndex file = mapToSource(index);
    switch (index.column()) {
    case kSize:
        if (!files->isDir(file))
            return QLocale().formattedDataSize(files->size(file));
        break;
    case kType:
        if (files->isDir(file))
            return QStringLiteral("Cartella");
        break;
    case kDate:
        return QLocale().toString(files->lastModified(file), QLocale::ShortFormat);
    default:
        break;
    }
    return QIdentityProxyModel::data(index, role);
}

QString QtPlatform::folderName(const QString& title, const QString& start) {
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, start);
}

std::optional<QString> QtPlatform::inputText(const QString& title, const QString& prompt,
                                             const QString& value) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal, value, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

bool QtPlatform::printDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtPlatform::printPreview(QPrinter& printer, const std::function<void(QPrinter*)>& paint,
                              QWidget* parent) {
    PreviewDialog dialog(printer, paint, parent);
    dialog.exec();
}

void QtPlatform::open(const QString& target) {
    const QString t = unquoted(target);
    const bool address = t.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive) ||
                         t.startsWith(QStringLiteral("http:"), Qt::CaseInsensitive) ||
                         t.startsWith(QStringLiteral("https:"), Qt::CaseInsensitive);
    QDesktopServices::openUrl(address ? QUrl(t, QUrl::TolerantMode) : QUrl::fromLocalFile(t));
}

void QtPlatform::restart() {
    QProcess::startDetached(QCoreApplication::applicationFilePath(), QCoreApplication::arguments().mid(1));
    // exit(), not quit(): quitting closes the windows first, and the main menu's closing work (the
    // automatic backup) is not for a program that is only starting again.
    QCoreApplication::exit(0);
}

Platform::Mail QtPlatform::mailAttachment(const QString& address, const QString& subject,
                                          const QString& attachment) {
    // Long enough for a loaded machine to start a shell script, short enough not to leave the
    // screen frozen for long.
    constexpr int kStartWait = 5000;
    constexpr int kHandOverWait = 8000;
    // The exit status xdg-email gives when it finds no e-mail program to start.
    constexpr int kNoProgram = 3;
    // Started directly with its arguments, never through a shell: nothing in the subject or the
    // file's name can be read as more than it is.
    auto* process = new QProcess;
    process->setProgram(QStringLiteral("xdg-email"));
    process->setArguments({QStringLiteral("--utf8"), QStringLiteral("--subject"), subject,
                           QStringLiteral("--attach"), attachment, address});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted(kStartWait)) {
        delete process;
        return Mail::NoMailProgram;
    }
    if (!process->waitForFinished(kHandOverWait)) {
        // Some e-mail programs keep xdg-email waiting until they are closed: by now the message is
        // open. The process is left to end on its own.
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return Mail::Handed;
    }
    const int status = process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
    delete process;
    return status == 0 ? Mail::Handed : status == kNoProgram ? Mail::NoMailProgram : Mail::Failed;
}

std::unique_ptr<CameraSource> QtPlatform::camera() {
    const QString folder =
        m_cameraModuleFolder.isEmpty() ? QCoreApplication::applicationDirPath() : m_cameraModuleFolder;
    // Loaded at the first camera and kept to the end: never unloaded under a running camera.
    QLibrary module(folder + QStringLiteral("/zandorio_camera"));
    const auto open = reinterpret_cast<OpenCameraDevice>(module.resolve(kOpenCameraDevice));
    return std::make_unique<ModuleCameraSource>(open ? std::unique_ptr<CameraDevice>(open()) : nullptr);
}

QDate QtPlatform::today() const {
    return QDate::currentDate();
}

QDateTime QtPlatform::now() const {
    return QDateTime::currentDateTime();
}
