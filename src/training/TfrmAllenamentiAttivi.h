#pragma once

#include "app/Dialog.h"

class ResultListPanel;
class TfrmAllenamenti;

// The trainings still running, listed as the dialog opens: the sorted lines, the in-list finder,
// the printed list, and a double click that loads the card into the training card screen.
class TfrmAllenamentiAttivi : public Dialog {
    Q_OBJECT
public:
    explicit TfrmAllenamentiAttivi(TfrmAllenamenti* screen);

    ResultListPanel* results() const { return m_results; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void handOver(const QString& line);

    TfrmAllenamenti* m_screen;
    ResultListPanel* m_results;
};
