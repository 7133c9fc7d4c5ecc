#pragma once

#include "MemberTarget.h"
#include "TSchedaIscritto.h"
#include "app/RecordScreen.h"

class PhotoFrame;

// The member card: one member of the archive at a time, created, duplicated, saved and browsed,
// with the member's photo. It is also where the member search delivers in its mode "tiratori".
class TfrmTiratori : public RecordScreen<TSchedaIscritto>, public MemberTarget {
    Q_OBJECT
public:
    TfrmTiratori();

    void receiveMember(const TSchedaIscritto& member, int position) override;
    // The photo the card shows: the blank picture for a member without one.
    QImage photo() const;

protected:
    void clearRecord() override;
    bool prepareCopy() override;
    void recordShown(const TSchedaIscritto& record, int position) override;
    void recordSaved(int position) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdFileClick();
    void cmdTrovaClick();
    void cmdSocioClick();
    void btnEmailClick();
    void btnIMCClick();
    QWidget* buildFields();
    QWidget* buildPhoto();

    PhotoFrame* m_imgFoto;
};
