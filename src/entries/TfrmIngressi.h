#pragma once

#include "EntryChecks.h"
#include "TSchedaIngresso.h"
#include "app/RecordScreen.h"
#include "members/MemberTarget.h"

class QLabel;

// The entry screen: one entry of the register the entries menu opened, created, duplicated, saved
// and browsed, with the member's data imported from the members archive and confirmations of the
// entry sent to the member by WhatsApp or e-mail. The register's year is the year of every entry
// saved; browsing never changes it.
class TfrmIngressi : public RecordScreen<TSchedaIngresso>, public MemberTarget {
    Q_OBJECT
public:
    TfrmIngressi();

    // The register of `year` at `path`, kept until the menu opens another year.
    void openRegister(const QString& year, const QString& path);
    QString year() const;
    QString registerPath() const;

    void receiveMember(const TSchedaIscritto& member, int position) override;

protected:
    void clearRecord() override;
    bool prepareCopy() override;
    bool acceptSave() override;
    void completeRecord(TSchedaIngresso& entry) const override;

private:
    QLayout* buildBody();
    // Shows a failed check and gives its field the focus.
    void tell(const EntryProblem& problem);
    void putToday();
    void putNow();
    void btnWhatsAppClick();
    void cmdEmailClick();
    void cmdTrovaClick();
    void impClienteClick();

    QLabel* m_lblFile;
    QLabel* m_lblAnnoRit;
};
