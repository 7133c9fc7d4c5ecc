#pragma once

#include "CardFace.h"
#include "app/RecordBrowser.h"
#include "members/MemberTarget.h"

#include <QWidget>

class CardView;
class CommandBar;
class QLabel;
class QToolButton;
class StatusLine;

// " Zandorio - Stampa Tessere": the membership card of one member of the archive, with the
// association's lines and logo, ready to preview and print. Members come from browsing the
// archive or from the member search (mode "tessera"); the association's data are kept in the
// card settings file, the logo in `Anagrafica/Logo.bmp`.
class TfrmTessera : public QWidget, public MemberTarget {
    Q_OBJECT
public:
    TfrmTessera();

    void receiveMember(const TSchedaIscritto& member, int position) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void cmdNuovoClick();
    void cmdTrovaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void imgLogoClick();
    void titAssociazioneClick();
    void btnCancLogoClick();
    void btnCancFotoClick();
    void browse(RecordBrowser::Step step);
    void showMember(const TSchedaIscritto& member, int position);
    void setLogo(const QImage& logo, bool changed);
    void saveLogo();
    void saveAssociation();
    QToolButton* button(const char* name) const;
    QWidget* buildSide();

    CardFace m_face;
    // The card as its association's lines were read: closing stores only those changed since.
    CardFace m_shown;
    // The logo shown is written only when the user changed it during this visit, or when there
    // is no logo file yet: a logo that could not be read (a file locked on a shared folder) must
    // never be replaced by the built-in picture shown in its place.
    bool m_logoChanged = false;
    StatusLine* m_panInfo;
    CommandBar* m_commands;
    CardView* m_card;
    QLabel* m_lblPosizione;
    RecordBrowser m_browser;
};
