// The yardstick of the start-up benchmark: a bare Qt window program, which says when its window
// is painted for the first time and ends, as the program does under ZANDORIO_MISURA_AVVIO.
#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <cstdio>

namespace {

class QuitWhenPainted : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] {
                std::fputs("Prima finestra mostrata\n", stdout);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Zandorio"));
    window.installEventFilter(new QuitWhenPainted(&window));
    window.show();
    return app.exec();
}
