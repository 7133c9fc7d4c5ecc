#pragma once

#include "TSchedaAllenamento.h"
#include "app/RecordScreen.h"
#include "members/MemberTarget.h"

class QGridLayout;
class QStackedWidget;

// The training card screen: one card of the training archive at a time, split over three
// sections (Programma, Dati personali, Attività) of which one shows. It is where the member search
// delivers in its mode "allenamenti", and where the training search and the active list load the
// card chosen.
class TfrmAllenamenti : public RecordScreen<TSchedaAllenamento>, public MemberTarget {
    Q_OBJECT
public:
    enum Section { Programma, Partecipanti, Attivita };

    TfrmAllenamenti();

    void receiveMember(const TSchedaIscritto& member, int position) override;
    // The section on screen.
    Section section() const;

protected:
    void clearRecord() override;
    bool prepareCopy() override;
    bool acceptSave() override;
    void focusField(QWidget* field) override;
    // The card as stored: the long texts cut to what their fields hold, the screen keeping them
    // whole.
    QByteArray encodeScreen() const override;

private:
    void showSection(Section section, QWidget* focus = nullptr);
    void rebuildMuscleText();
    void cmdEmailClick();
    void cmdFileClick();
    void cmdRTFClick();
    void impIscrittoClick();
    QWidget* buildSwitch();
    static QWidget* sectionPanel(Section section);
    QWidget* buildProgramma();
    QWidget* buildPartecipanti();
    QWidget* buildAttivita();
    int addRows(QGridLayout* grid, const char* first, const char* last, int line = 0);

    QStackedWidget* m_sections;
};
