#pragma once

#include "app/Platform.h"

#include <QList>
#include <QQueue>

#include <functional>
#include <utility>

// Scripted platform services: records every message, answers questions and file choosers from
// queues, keeps a settable clock and a camera that produces frames on demand.
class FakePlatform : public Platform {
public:
    struct Shown {
        Box kind;
        QString text;
        bool operator==(const Shown&) const = default;
    };

    QList<Shown> messages;
    QStringList questions;
    QQueue<bool> answers;      // for ask(); empty answers Yes
    QQueue<QString> fileNames; // for openFileName() and saveFileName(); empty means cancel
    QQueue<QString> folders;   // for folderName(); empty means cancel
    QQueue<std::optional<QString>> inputs;
    QStringList opened; // every target handed to open()
    bool printAccepted = true;
    QString printTo; // when set, print and preview pages go to this PDF
    int printDialogs = 0;
    int proposedCopies = 0; // the copies the last print dialog opened with
    int dialogCopies = 0;   // when set, the copies the print dialog settles on
    int previews = 0;
    // Every message handed to the e-mail program, and what the hand-over answers.
    struct MailHanded {
        QString address;
        QString subject;
        QString attachment;
        bool attachmentExisted = false;
    };
    QList<MailHanded> mails;
    Mail mailResult = Mail::Handed;
    bool cameraPresent = true;
    int restarts = 0;
    QDate date = QDate(2024, 3, 5);
    QTime time = QTime(10, 30);
    // Called while a message box would be open, e.g. to check what the screen shows then.
    std::function<void(const Shown&)> onMessage;

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
    void restart() override { ++restarts; }
    QDate today() const override { return date; }
    QDateTime now() const override { return QDateTime(date, time); }

    QString lastText() const { return messages.isEmpty() ? QString() : messages.last().text; }
    // The messages shown so far, forgotten here so that the next check sees only new ones.
    QList<Shown> takeMessages() { return std::exchange(messages, {}); }
};

// A camera that delivers the frame given to push() while started.
class FakeCamera : public CameraSource {
    Q_OBJECT
public:
    explicit FakeCamera(bool present) : m_present(present) {}
    bool start() override { return m_running = m_present; }
    void stop() override { m_running = false; }
    bool running() const { return m_running; }
    void push(const QImage& frame) {
        if (m_running)
            Q_EMIT frameReady(frame);
    }
    // The camera most recently handed out, for tests to push frames into.
    static FakeCamera* last;

private:
    bool m_present;
    bool m_running = false;
};

// Installs a fresh FakePlatform for the lifetime of the object and restores the previous one.
class FakePlatformScope {
public:
    FakePlatformScope();
    ~FakePlatformScope();
    FakePlatform& operator*() const { return *m_fake; }
    FakePlatform* operator->() const { return m_fake; }

private:
    FakePlatform* m_fake;
    std::unique_ptr<Platform> m_previous;
};
