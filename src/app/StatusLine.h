#pragma once

#include <QHash>
#include <QLabel>

// The status line `panInfo` at the bottom of a screen: shows the hint of the command under the
// mouse, and nothing once the mouse is back on the screen's background.
class StatusLine : public QLabel {
    Q_OBJECT
public:
    StatusLine(const QString& initialText, QWidget* parent);

    // The control also gets the hint as tooltip and accessible description.
    void addHint(QWidget* control, const QString& hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Each time its screen or panel comes back, it starts again from its first text: the hint of
    // the command that hid it ("Esci") is no longer under the mouse.
    void showEvent(QShowEvent* event) override;

private:
    QString m_initialText;
    QHash<QObject*, QString> m_hints;
};
