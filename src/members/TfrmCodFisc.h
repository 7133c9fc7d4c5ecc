#pragma once

#include "CodeCheckDialog.h"

// Checks the control character of a fiscal code.
class TfrmCodFisc : public CodeCheckDialog {
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget* parent = nullptr);

protected:
    Verdict check(const QString& code) const override;
};
