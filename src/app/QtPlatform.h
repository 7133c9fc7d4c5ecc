#pragma once

#include "Platform.h"

#include <QIdentityProxyModel>

class QFileDialog;

// The platform services of the running program: Qt's dialogs, the desktop's handlers, the
// system clock and the platform's default camera.
class QtPlatform : public Platform {
public:
    // The camera module is looked for in `cameraModuleFolder`, by default the executable's folder.
    explicit QtPlatform(QString cameraModuleFolder = {});

    void message(Box kind, const QString& text) override;
    bool ask(const QString& text) override;
    QString openFileName(const QString& title, const QStringList& filters) override;
    QString saveFileName(const QString& title, const QString& filter, const QString& proposedName) override;
    QString folderName(const QString& title, const QString& start) override;
    std::optional<QString> inputText(const QString& title, const QString& prompt,
                                     const QString& value) override;
    bool printDialog(QPrinter& printer, QWidget* parent) override;
    void printPreview(QPrinter& printer, const std::function<void(QPrinter*)>& paint,
                      QWidget* parent) override;
    void open(const QString& target) override;
    Mail mailAttachment(const QString& address, const QString& subject, const QString& attachment) override;
    std::unique_ptr<CameraSource> camera() override;
    void restart() override;
    QDate today() const override;
    QDateTime now() const override;

    // A filter written as the user reads it, "Immagine JPEG (*.jpg; *.jpeg)" or "Tutti i file (*.*)",
    // made into one that the file dialog matches by (patterns separated by blanks, "*" for every
    // file) and shows as written: the dialog hides the pattern list it reads from the end.
    static QString nameFilter(const QString& filter);

private:
    // Runs a file chooser; the chosen file, or nothing when cancelled.
    static QString chosenFile(QFileDialog& dialog);

    QString m_cameraModuleFolder;
};

// The file list of Qt's own file chooser in the program's Italian: sizes and dates as the program
// writes them rather than in the system's format (which may well be English), and folders called
// "Cartella", a word Qt's Italian texts lack. A chooser drawn by the desktop keeps its own.
class FileColumnsInItalian : public QIdentityProxyModel {
    Q_OBJECT
public:
    // The columns of the file system model.
    enum Column { kName, kSize, kType, kDate };

    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override;
};
