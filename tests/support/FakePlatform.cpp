#include "FakePlatform.h"

#include <QFileInfo>
#include <QPrinter>

FakeCamera* FakeCamera::last = nullptr;

void FakePlatform::message(Box kind, const QString& text) {
    messages.append({kind, text});
    if (onMessage)
        onMessage(messages.last());
}

bool FakePlatform::ask(const QString& text) {
    questions.append(text);
    return answers.isEmpty() ? true : answers.dequeue();
}

QString FakePlatform::openFileName(const QString&, const QStringList&) {
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString FakePlatform::saveFileName(const QString&, const QString&, const QString&) {
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString FakePlatform::folderName(const QString&, const QString&) {
    return folders.isEmpty() ? QString() : folders.dequeue();
}

std::optional<QString> FakePlatform::inputText(const QString&, const QString&, const QString&) {
    return inputs.isEmpty() ? std::nullopt : inputs.dequeue();
}

bool FakePlatform::printDialog(QPrinter& printer, QWidget*) {
    ++printDialogs;
    proposedCopies = printer.copyCount();
    if (printAccepted && !printTo.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
    }
    printer.setCopyCount(dialogCopies > 0 ? dialogCopies : proposedCopies);
    return printAccepted;
}

void FakePlatform::printPreview(QPrinter& printer, const std::function<void(QPrinter*)>& paint, QWidget*) {
    ++previews;
    if (printTo.isEmpty())
        return;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printTo);
    paint(&printer);
}

void FakePlatform::open(const QString& target) {
    opened.append(target);
}

Platform::Mail FakePlatform::mailAttachment(const QString& address, const QString& subject,
                                            const QString& attachment) {
    mails.append({address, subject, attachment, QFileInfo(attachment).isFile()});
    return mailResult;
}

std::unique_ptr<CameraSource> FakePlatform::camera() {
    auto camera = std::make_unique<FakeCamera>(cameraPresent);
    FakeCamera::last = camera.get();
    return camera;
}

FakePlatformScope::FakePlatformScope() {
    auto fake = std::make_unique<FakePlatform>();
    m_fake = fake.get();
    m_previous = Platform::install(std::move(fake));
}

FakePlatformScope::~FakePlatformScope() {
    Platform::install(std::move(m_previous));
}
