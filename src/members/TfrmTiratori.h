#pragma once

#include "MemberTarget.h"
#include "app/RecordBrowser.h"

#include <QWidget>

class CommandBar;
class FieldTable;
class PhotoFrame;
class QLabel;
class QPushButton;
class QToolButton;
class StatusLine;
struct TSchedaIscritto;

// The member card: one member of the archive at a time, created, duplicated, saved and browsed.
// It is also where the member search delivers in its mode "tiratori".
class TfrmTiratori : public QWidget, public MemberTarget {
    Q_OBJECT
public:
    TfrmTiratori();

    // The one place where a record is put on the card, with its position.
    void showRecord(const TSchedaIscritto& record, int position);
    void receiveMember(const TSchedaIscritto& member, int position) override;
    // The record as the card shows it.
    TSchedaIscritto record() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clearCard();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdFileClick();
    void cmdTrovaClick();
    void btnEmailClick();
    void btnIMCClick();
    void browse(RecordBrowser::Step step);
    QToolButton* button(const char* name) const;
    QWidget* buildFields();
    QWidget* buildPhoto();

    FieldTable* m_fields;
    StatusLine* m_panInfo;
    CommandBar* m_commands;
    QLabel* m_lblPosizione;
    PhotoFrame* m_imgFoto;
    QPushButton* m_btnFocus;
    RecordBrowser m_browser;
};
