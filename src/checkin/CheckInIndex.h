#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

struct TSchedaIscritto;

// What the check-in desk keeps of the members archive and of one register of entries between two
// check-ins: the card number and name of every member, and who entered when with how many entries
// left. A desk checks a member in every few seconds; reading both archives whole each time would
// make the queue wait, so each file is read again only when its size or modification time changed
// since it was read (another workstation, or this one, wrote to it). Reads raise StorageError.
class CheckInIndex {
public:
    // A member's latest entry in the register, as stored.
    struct LastEntry {
        int position = 0;
        QString date;
        QString time;
        QString remaining;
    };

    // The number of records of the members archive; 0 when there is none.
    int memberCount();
    // The card number of member `position` (from 1 up to memberCount()), blanks at the ends removed.
    QString cardNumber(int position);
    // The members whose card number is `number`, blanks at the ends removed; none for an empty one.
    QList<int> withCardNumber(const QString& number);
    // The members whose name holds `text`, letters A to Z in any case; none for an empty text.
    QList<int> withNameContaining(const QString& text);

    // The entry of `member` with the latest date and time in the register at `registerPath`, the
    // later record first among equal ones: entries of the same name (letters A to Z in any case)
    // and card number. Nothing when the member never entered or the register does not exist yet.
    std::optional<LastEntry> lastEntry(const QString& registerPath, const TSchedaIscritto& member);

private:
    struct Stamp {
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Stamp&) const = default;
    };
    // A stretch of m_text.
    struct Span {
        int at = 0;
        int length = 0;
    };
    struct EntryRow {
        int position;
        Span name; // folded
        Span card;
        Span date;
        Span time;
        Span remaining;
    };

    static Stamp stampOf(const QString& path);
    static Span keep(QByteArrayView bytes, QByteArray& text);
    // The same, letters A to Z in small letters.
    static Span keepFolded(QByteArrayView bytes, QByteArray& text);
    QByteArrayView view(const QByteArray& text, Span span) const;
    void refreshMembers();
    void refreshEntries(const QString& registerPath);

    Stamp m_membersStamp;
    QByteArray m_memberText;
    std::vector<Span> m_memberCards; // record p at p - 1
    std::vector<Span> m_memberNames; // folded

    QString m_registerPath;
    Stamp m_registerStamp;
    QByteArray m_entryText;
    std::vector<EntryRow> m_entries;
};
