#pragma once

#include <QImage>
#include <QString>

struct TSchedaIscritto;

// What a membership card shows: the association's four lines and logo, and one member's name,
// activity, card number, dates and photo. The card screen keeps one, shows it and hands a copy
// to printing, so the printed card is the card on screen, placeholders included.
struct CardFace {
    // The association's part, kept in the card settings file.
    QString association;
    QString address;
    QString contacts;
    QString note;
    QImage logo;

    // The member's part: placeholders until a member is shown.
    QString member;
    QString activity;
    QString number;
    QString issued;
    QString expires;
    QImage photo;
    // The check-in code of the member shown (AccessCode); empty while none is shown.
    QString accessCode;

    CardFace() { clearMember(); }

    // The placeholders and the blank photo; the association's part stays.
    void clearMember();
    // The member at `position`: its fields, blanks at both ends removed, the photo to print and
    // its check-in code.
    void showMember(const TSchedaIscritto& record, const QImage& picture, int position);
};
