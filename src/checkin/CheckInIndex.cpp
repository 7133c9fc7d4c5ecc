#include "CheckInIndex.h"

#include "entries/TSchedaIngresso.h"
#include "members/TSchedaIscritto.h"
#include "storage/ArchiveFile.h"
#include "storage/DateText.h"
#include "storage/FieldBytes.h"

#include <QFileInfo>

namespace {

const FieldBytes kMemberName = FieldBytes::of(&TSchedaIscritto::CognomeNome);
const FieldBytes kMemberCard = FieldBytes::of(&TSchedaIscritto::NumeroTessera);
const FieldBytes kEntryName = FieldBytes::of(&TSchedaIngresso::CognomeNome);
const FieldBytes kEntryCard = FieldBytes::of(&TSchedaIngresso::NumeroTessera);
const FieldBytes kEntryDate = FieldBytes::of(&TSchedaIngresso::DataIngresso);
const FieldBytes kEntryTime = FieldBytes::of(&TSchedaIngresso::OraIngresso);
const FieldBytes kEntryRemaining = FieldBytes::of(&TSchedaIngresso::IngressiRimanenti);

QByteArray folded(QByteArrayView bytes) {
    QByteArray out(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = Text::lowerAZ(bytes[i]);
    return out;
}

int twoDigits(QByteArrayView text, qsizetype at) {
    const char a = text[at];
    const char b = text[at + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9')
        return -1;
    return (a - '0') * 10 + (b - '0');
}

// Bytes kept for each record: its name, card number, date, time and remaining entries take about
// this many, and reserving them up front spares copying the whole text over as it grows.
constexpr qsizetype kBytesPerRecord = 64;

// Date and time as one number that orders them, -1 for a date that cannot be read; an unreadable
// time counts as midnight. Worked out only for the member's own entries, not while reading all.
qint64 whenOf(QByteArrayView date, QByteArrayView time) {
    const QDate day = DateText::parse(date);
    if (!day.isValid())
        return -1;
    qint64 minutes = 0;
    if (time.size() == 5 && time[2] == ':') {
        const int hours = twoDigits(time, 0);
        const int mins = twoDigits(time, 3);
        if (hours >= 0 && hours < 24 && mins >= 0 && mins < 60)
            minutes = hours * 100 + mins;
    }
    return (qint64(day.year()) * 10000 + day.month() * 100 + day.day()) * 10000 + minutes;
}

} // namespace

CheckInIndex::Stamp CheckInIndex::stampOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {info.size(), info.lastModified()};
}

CheckInIndex::Span CheckInIndex::keep(QByteArrayView bytes, QByteArray& text) {
    const Span span{int(text.size()), int(bytes.size())};
    text.append(bytes);
    return span;
}

CheckInIndex::Span CheckInIndex::keepFolded(QByteArrayView bytes, QByteArray& text) {
    const Span span = keep(bytes, text);
    char* data = text.data() + span.at;
    for (int i = 0; i < span.length; ++i)
        data[i] = Text::lowerAZ(data[i]);
    return span;
}

QByteArrayView CheckInIndex::view(const QByteArray& text, Span span) const {
    return QByteArrayView(text).sliced(span.at, span.length);
}

void CheckInIndex::refreshMembers() {
    const QString path = TSchedaIscritto::path();
    const Stamp stamp = stampOf(path);
    if (stamp == m_membersStamp && stamp.size >= 0)
        return;
    m_memberText.clear();
    m_memberCards.clear();
    m_memberNames.clear();
    m_membersStamp = {};
    if (stamp.size < 0)
        return;
    const qsizetype records = stamp.size / TSchedaIscritto::Size;
    m_memberCards.reserve(std::size_t(records));
    m_memberNames.reserve(std::size_t(records));
    m_memberText.reserve(records * kBytesPerRecord);
    ArchiveFile::scanFile(path, TSchedaIscritto::Size, [this](int, QByteArrayView record) {
        m_memberCards.push_back(keep(kMemberCard.text(record), m_memberText));
        m_memberNames.push_back(keepFolded(kMemberName.text(record), m_memberText));
    });
    // Taken before the scan: a write during it makes the next check-in read the file again.
    m_membersStamp = stamp;
}

void CheckInIndex::refreshEntries(const QString& registerPath) {
    const Stamp stamp = stampOf(registerPath);
    if (registerPath == m_registerPath && stamp == m_registerStamp && stamp.size >= 0)
        return;
    m_entryText.clear();
    m_entries.clear();
    m_registerPath.clear();
    if (stamp.size < 0)
        return;
    const qsizetype records = stamp.size / TSchedaIngresso::Size;
    m_entries.reserve(std::size_t(records));
    m_entryText.reserve(records * kBytesPerRecord);
    ArchiveFile::scanFile(registerPath, TSchedaIngresso::Size, [this](int position, QByteArrayView record) {
        m_entries.push_back(
            {position, keepFolded(kEntryName.text(record), m_entryText),
             keep(kEntryCard.text(record), m_entryText), keep(kEntryDate.text(record), m_entryText),
             keep(kEntryTime.text(record), m_entryText), keep(kEntryRemaining.text(record), m_entryText)});
    });
    m_registerPath = registerPath;
    m_registerStamp = stamp;
}

int CheckInIndex::memberCount() {
    refreshMembers();
    return int(m_memberCards.size());
}

QString CheckInIndex::cardNumber(int position) {
    refreshMembers();
    if (position < 1 || std::size_t(position) > m_memberCards.size())
        return {};
    return Text::fromWin1252(view(m_memberText, m_memberCards[std::size_t(position) - 1]));
}

QList<int> CheckInIndex::withCardNumber(const QString& number) {
    refreshMembers();
    const QByteArray wanted = Text::toWin1252(Text::trimBlanks(number));
    QList<int> found;
    if (wanted.isEmpty())
        return found;
    for (std::size_t i = 0; i < m_memberCards.size(); ++i)
        if (view(m_memberText, m_memberCards[i]) == wanted)
            found << int(i) + 1;
    return found;
}

QList<int> CheckInIndex::withNameContaining(const QString& text) {
    refreshMembers();
    const QByteArray wanted = folded(Text::toWin1252(Text::trimBlanks(text)));
    QList<int> found;
    if (wanted.isEmpty())
        return found;
    for (std::size_t i = 0; i < m_memberNames.size(); ++i)
        if (view(m_memberText, m_memberNames[i]).contains(wanted))
            found << int(i) + 1;
    return found;
}

std::optional<CheckInIndex::LastEntry> CheckInIndex::lastEntry(const QString& registerPath,
                                                               const TSchedaIscritto& member) {
    refreshEntries(registerPath);
    const QByteArray name = folded(Text::toWin1252(Text::trimBlanks(member.CognomeNome)));
    const QByteArray card = Text::toWin1252(Text::trimBlanks(member.NumeroTessera));
    const EntryRow* latest = nullptr;
    qint64 latestWhen = 0;
    for (const EntryRow& row : m_entries) {
        if (view(m_entryText, row.name) != name || view(m_entryText, row.card) != card)
            continue;
        const qint64 when = whenOf(view(m_entryText, row.date), view(m_entryText, row.time));
        if (!latest || when >= latestWhen) {
            latest = &row;
            latestWhen = when;
        }
    }
    if (!latest)
        return std::nullopt;
    return LastEntry{latest->position, Text::fromWin1252(view(m_entryText, latest->date)),
                     Text::fromWin1252(view(m_entryText, latest->time)),
                     Text::fromWin1252(view(m_entryText, latest->remaining))};
}
