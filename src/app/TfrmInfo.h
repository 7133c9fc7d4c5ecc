#pragma once

#include "Dialog.h"

// The information window: the product and the maker's support address, whose link prepares
// an e-mail in the default e-mail program.
class TfrmInfo : public Dialog {
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget* parent = nullptr);
};
