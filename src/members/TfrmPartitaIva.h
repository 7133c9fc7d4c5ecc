#pragma once

#include "CodeCheckDialog.h"

// Checks the check digit of a VAT number and names the office that issued it.
class TfrmPartitaIva : public CodeCheckDialog {
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget* parent = nullptr);

protected:
    Verdict check(const QString& number) const override;
};
