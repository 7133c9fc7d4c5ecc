#pragma once

#include "TSchedaIscritto.h"
#include "app/ArchiveSearch.h"

class MemberTarget;

// The member search: finds members by up to ten filters and hands the one double-clicked to the
// screen that opened it: the member card loads it, the membership card, entry, receipt and
// training screens copy what they need of it. The mode key names that screen for the user only.
class TfrmTrovaTiratori : public ArchiveSearch<TSchedaIscritto> {
    Q_OBJECT
public:
    explicit TfrmTrovaTiratori(MemberTarget* target, QWidget* parent = nullptr);
};
