#include "QtPlatform.h"

#include <QApplication>
#include <QCamera>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QPrinter>
#include <QPrintPreviewDialog>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>

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

class QtCameraSource : public CameraSource {
public:
    bool start() override {
        const QCameraDevice device = QMediaDevices::defaultVideoInput();
        if (device.isNull())
            return false;
        m_camera = std::make_unique<QCamera>(device);
        m_session.setCamera(m_camera.get());
        m_session.setVideoSink(&m_sink);
        QObject::connect(&m_sink, &QVideoSink::videoFrameChanged, this,
                         [this](const QVideoFrame& frame) { Q_EMIT frameReady(frame.toImage()); });
        m_camera->start();
        return m_camera->isActive() || m_camera->error() == QCamera::NoError;
    }
    void stop() override {
        if (m_camera)
            m_camera->stop();
        QObject::disconnect(&m_sink, nullptr, this, nullptr);
    }
    ~QtCameraSource() override { stop(); }

private:
    QMediaCaptureSession m_session;
    QVideoSink m_sink;
    std::unique_ptr<QCamera> m_camera;
};

} // namespace

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

QString QtPlatform::openFileName(const QString& title, const QStringList& filters) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, QString(), filters.join(QStringLiteral(";;")));
}

QString QtPlatform::saveFileName(const QString& title, const QString& filter, const QString& proposedName) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, proposedName, filter);
}

std::optional<QString> QtPlatform::inputText(const QString& title, const QString& prompt, const QString& value) {
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

void QtPlatform::printPreview(QPrinter& printer, const std::function<void(QPrinter*)>& paint, QWidget* parent) {
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral(" Anteprima di stampa"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    dialog.exec();
}

void QtPlatform::open(const QString& target) {
    const QString t = unquoted(target);
    const bool address = t.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive) ||
                         t.startsWith(QStringLiteral("http:"), Qt::CaseInsensitive) ||
                         t.startsWith(QStringLiteral("https:"), Qt::CaseInsensitive);
    QDesktopServices::openUrl(address ? QUrl(t, QUrl::TolerantMode) : QUrl::fromLocalFile(t));
}

std::unique_ptr<CameraSource> QtPlatform::camera() { return std::make_unique<QtCameraSource>(); }

QDate QtPlatform::today() const { return QDate::currentDate(); }

QDateTime QtPlatform::now() const { return QDateTime::currentDateTime(); }
