#pragma once

#include <QFrame>
#include <QHash>

#include <functional>

struct CardFace;

// The full-size mock-up of the membership card on the card screen, laid out from the printed
// card's own items: a panel for each band, a label for each text, a frame for each picture, each
// named as the card screen names it. Texts are cut at their box as on the printed card.
class CardView : public QFrame {
    Q_OBJECT
public:
    static constexpr double kPixelsPerMm = 7;

    explicit CardView(QWidget* parent = nullptr);

    void setFace(const CardFace& face);
    QWidget* control(const char* name) const;
    // A click on the control, or Enter or Space while it has the focus, runs `action`.
    void setClickable(const char* name, std::function<void()> action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QObject*, std::function<void()>> m_actions;
};
