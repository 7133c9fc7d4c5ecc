#pragma once

#include "app/SearchDialog.h"

#include <functional>

struct TSchedaIngresso;

// The entry search: finds the entries of the register open on the entry screen by up to ten
// filters, and opens the one double-clicked on the entry screen.
class TfrmTrovaIngressi : public SearchDialog {
    Q_OBJECT
public:
    // Puts the chosen entry on the entry screen with its position.
    using Open = std::function<void(const TSchedaIngresso& entry, int position)>;

    TfrmTrovaIngressi(QWidget* parent, const QString& path, Open open);

protected:
    ResultLines search(const QStringList& filters) override;
    void handOver(const QString& line) override;
    QString countText(int lines) const override;

private:
    QString m_path;
    Open m_open;
};
