#pragma once

#include "Dialog.h"

// The credits window: the program's artwork and a link to the maker's web site.
class TfrmSplash : public Dialog {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* parent = nullptr);
};
