#pragma once

#include <QFrame>

// The yellow frame that lies just behind a field, a little larger than it, and is visible only
// while the field has the focus.
class HighlightFrame : public QFrame {
    Q_OBJECT
public:
    HighlightFrame(QWidget* field, const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();

    QWidget* m_field;
};
