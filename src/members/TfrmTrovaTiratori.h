#pragma once

#include "app/SearchDialog.h"

// The member search: finds members by up to ten filters and hands the one double-clicked to the
// screen that the mode key names: the member card loads it, the membership card, entry, receipt
// and training screens copy what they need of it.
class TfrmTrovaTiratori : public SearchDialog {
    Q_OBJECT
public:
    explicit TfrmTrovaTiratori(QWidget* parent = nullptr);

protected:
    ResultLines search(const QStringList& filters) override;
    void handOver(const QString& line) override;
};
