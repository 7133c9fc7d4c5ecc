#pragma once

#include <QDate>
#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

// A camera delivering frames; frames arrive on the GUI thread.
class CameraSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // False when no camera can be started (none present, busy, refused).
    virtual bool start() = 0;
    virtual void stop() = 0;
Q_SIGNALS:
    void frameReady(const QImage& frame);
};

// Everything that waits for a person or talks to the desktop. The program's start-up installs the
// real implementation (QtPlatform); tests install a scripted fake, set today's date and read back
// every message.
class Platform {
public:
    // The four kinds of box that only inform; questions are asked with ask().
    enum class Box { Notice, Information, Warning, Error };

    virtual ~Platform() = default;

    virtual void message(Box kind, const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool ask(const QString& text) = 0;
    // The chosen path, or empty when the user cancels. Filters as the user reads them,
    // "Name (*.a; *.b)" or "Name (*.a *.b)", with "*.*" for every file.
    virtual QString openFileName(const QString& title, const QStringList& filters) = 0;
    // Asks before replacing an existing file.
    virtual QString saveFileName(const QString& title, const QString& filter,
                                 const QString& proposedName) = 0;
    // The folder chooser, opening on `start`; empty when the user cancels.
    virtual QString folderName(const QString& title, const QString& start) = 0;
    // The text input box; nothing when the user cancels.
    virtual std::optional<QString> inputText(const QString& title, const QString& prompt,
                                             const QString& value) = 0;
    // The print dialog on `printer`; false when the user cancels.
    virtual bool printDialog(QPrinter& printer, QWidget* parent) = 0;
    // The print preview window, drawing the pages with `paint`.
    virtual void printPreview(QPrinter& printer, const std::function<void(QPrinter*)>& paint,
                              QWidget* parent) = 0;
    // Hands a path, web address or "mailto:" text to the desktop's default handler; a path
    // may come enclosed in double quotes. The result is never examined.
    virtual void open(const QString& target) = 0;
    // An address built with QUrl (mailto, web), handed over fully encoded so that nothing in it
    // is read as more than it is.
    void open(const QUrl& address) { open(address.toString(QUrl::FullyEncoded)); }
    // What became of a message handed to the e-mail program.
    enum class Mail { Handed, NoMailProgram, Failed };
    // Opens a new message in the desktop's e-mail program to `address`, with `subject` and the file
    // `attachment` attached, for the user to send from there. The wait for the hand-over is bounded.
    virtual Mail mailAttachment(const QString& address, const QString& subject,
                                const QString& attachment) = 0;
    virtual std::unique_ptr<CameraSource> camera() = 0;
    // Ends the program and starts it again with the same arguments, so every screen reads its
    // files afresh.
    virtual void restart() = 0;
    virtual QDate today() const = 0;
    virtual QDateTime now() const = 0;

    // The services installed; asking before any is installed is a programming error and throws.
    static Platform& instance();
    // Replaces the platform in use and returns the previous one.
    static std::unique_ptr<Platform> install(std::unique_ptr<Platform> platform);
};

inline Platform& platform() {
    return Platform::instance();
}
