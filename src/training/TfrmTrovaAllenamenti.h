#pragma once

#include "app/SearchDialog.h"

class TfrmAllenamenti;

// The training search: finds cards by up to ten filters and, in the mode "allenamenti", loads the
// one double-clicked into the training card screen that opened it.
class TfrmTrovaAllenamenti : public SearchDialog {
    Q_OBJECT
public:
    explicit TfrmTrovaAllenamenti(TfrmAllenamenti* screen);

protected:
    ResultLines search(const QStringList& filters) override;
    void handOver(const QString& line) override;
    QString countText(int lines) const override;

private:
    TfrmAllenamenti* m_screen;
};
