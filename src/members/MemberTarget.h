#pragma once

struct TSchedaIscritto;

// A screen that receives the member chosen in the member search: the member card loads it, the
// membership card, entry, receipt and training screens copy the fields they need.
class MemberTarget {
public:
    virtual ~MemberTarget() = default;
    virtual void receiveMember(const TSchedaIscritto& member, int position) = 0;
};
