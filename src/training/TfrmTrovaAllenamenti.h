#pragma once

#include "app/SearchDialog.h"

// The training search: finds cards by up to ten filters and, in the mode "allenamenti", loads the
// one double-clicked into the training card screen.
class TfrmTrovaAllenamenti : public SearchDialog {
    Q_OBJECT
public:
    explicit TfrmTrovaAllenamenti(QWidget* parent = nullptr);

protected:
    ResultLines search(const QStringList& filters) override;
    void handOver(const QString& line) override;
    QString countText(int lines) const override;
};
