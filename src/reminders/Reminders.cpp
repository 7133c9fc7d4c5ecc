#include "Reminders.h"

#include "ReminderSettings.h"
#include "members/CertificateState.h"
#include "members/TSchedaIscritto.h"
#include "members/TSchedaSocio.h"
#include "storage/ArchiveFile.h"
#include "storage/CompanionArchive.h"
#include "storage/DateText.h"
#include "storage/FieldBytes.h"
#include "storage/StorageError.h"
#include "storage/Text.h"

#include <QHash>

#include <algorithm>
#include <array>

namespace Reminders {

namespace {

using M = TSchedaIscritto;
using S = TSchedaSocio;
using P = TSchedaPromemoria;

constexpr SpreadsheetColumn kColumns[] = {
    {"Tipo", 150},   {"Scadenza", 100},          {"Stato", 170}, {"Iscritto", 250}, {"Tel. cellulare", 150},
    {"E-mail", 250}, {"Ultimo promemoria", 200},
};
constexpr int kColumnCount = int(std::size(kColumns));
// The printed line's width of each column.
constexpr int kLineWidths[kColumnCount] = {18, 10, 20, 30, 16, 32, 28};

// What the register says of member p: whether the member has left, whether the certificate is
// not required.
struct RegisterFlags {
    std::vector<char> left;
    std::vector<char> notRequired;
    bool has(const std::vector<char>& flags, int position) const {
        return std::size_t(position) < flags.size() && flags[std::size_t(position)];
    }
};

RegisterFlags registerFlags() {
    const FieldBytes exit = FieldBytes::of(&S::DataRecesso);
    const FieldBytes kind = FieldBytes::of(&S::TipoCertificato);
    RegisterFlags flags;
    CompanionArchive(M::path(), S::Size).scan([&](int p, QByteArrayView record) {
        flags.left.resize(std::size_t(p) + 1);
        flags.notRequired.resize(std::size_t(p) + 1);
        flags.left[std::size_t(p)] = DateText::parse(exit.text(record)).isValid();
        flags.notRequired[std::size_t(p)] =
            kind.text(record) == QByteArrayView(CertificateState::kNotRequiredKind);
    });
    return flags;
}

// The person a member record belongs to: its fiscal code, or its name when it has none, in
// upper case.
void personKey(QByteArray& key, QByteArrayView code, QByteArrayView name) {
    key.clear();
    if (!code.isEmpty()) {
        key += 'C';
        key += code;
    } else {
        key += 'N';
        key += name;
    }
    for (char& c : key)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
}

// The latest expiry of one kind of one person so far.
struct Latest {
    int position = 0;
    QDate expiry;
};

// The member fields a line shows, kept for the records that may be listed.
struct Contact {
    QByteArray name;
    QByteArray mobile;
    QByteArray email;
};

QString dayCount(qint64 days) {
    return days == 1 ? QStringLiteral("1 giorno") : QString::number(days) + QStringLiteral(" giorni");
}

QString kindWord(ReminderKind kind) {
    return kind == ReminderKind::Card ? QStringLiteral("tessera") : QStringLiteral("certificato medico");
}

QString associationOrDefault(const QString& association) {
    const QString name = Text::trimBlanks(association);
    return name.isEmpty() ? QStringLiteral("l'associazione") : name;
}

// A reminder's member, kind and expiry in one number, for finding the log's records among the
// lines without a string for either.
quint64 sentKey(int position, ReminderKind kind, const QDate& expiry) {
    return (quint64(quint32(position)) << 33) | (quint64(kind) << 32) | quint32(expiry.toJulianDay());
}

QStringList cellsOf(const Row& row, const QDate& today) {
    return {kindText(row.kind),
            DateText::format(row.expiry),
            state(row.kind, row.expiry, today),
            row.name,
            row.mobile,
            row.email,
            lastText(row)};
}

} // namespace

QString kindText(ReminderKind kind) {
    return kind == ReminderKind::Card ? QStringLiteral("Tessera") : QStringLiteral("Certificato medico");
}

QString channelText(ReminderChannel channel) {
    return channel == ReminderChannel::WhatsApp ? QStringLiteral("WhatsApp") : QStringLiteral("E-mail");
}

Listing list(const QDate& today, int daysBefore, int daysAfter) {
    const QDate from = today.addDays(-daysBefore);
    const QDate to = today.addDays(daysAfter);
    const RegisterFlags flags = registerFlags();

    const FieldBytes name = FieldBytes::of(&M::CognomeNome);
    const FieldBytes code = FieldBytes::of(&M::CodiceFiscale);
    const FieldBytes mobile = FieldBytes::of(&M::TelCellulare);
    const FieldBytes email = FieldBytes::of(&M::Email);
    const FieldBytes expiries[2] = {FieldBytes::of(&M::ScadenzaTessera),
                                    FieldBytes::of(&M::ScadenzaCertificato)};

    Listing listing;
    QHash<QByteArray, std::size_t> personOf;
    std::vector<std::array<Latest, 2>> latest; // by person, then kind
    std::vector<Contact> contacts;             // by position
    QByteArray key;
    ArchiveFile members(M::path(), M::Size);
    members.open(ArchiveFile::Access::Read);
    personOf.reserve(members.count());
    latest.reserve(std::size_t(members.count()));
    members.scan([&](int p, QByteArrayView record) {
        const bool left = flags.has(flags.left, p);
        const QByteArrayView nameText = name.text(record);
        personKey(key, code.text(record), nameText);
        auto person = personOf.constFind(key);
        if (person == personOf.constEnd()) {
            person = personOf.insert(key, latest.size());
            latest.emplace_back();
        }
        bool unreadable = false;
        bool listable = false;
        for (int k = 0; k < 2; ++k) {
            if (k == int(ReminderKind::Certificate) && flags.has(flags.notRequired, p))
                continue;
            const QDate expiry = DateText::parse(expiries[k].text(record));
            if (!expiry.isValid()) {
                unreadable = true;
                continue;
            }
            Latest& l = latest[*person][std::size_t(k)];
            if (l.position != 0 && expiry < l.expiry)
                continue;
            l = Latest{p, expiry};
            listable = listable || (!left && expiry >= from && expiry <= to);
        }
        if (unreadable && !left)
            ++listing.unreadable;
        // The member fields are kept only for what may be listed: the most records of a large
        // archive lie outside the window.
        if (listable) {
            contacts.resize(std::size_t(p) + 1);
            contacts[std::size_t(p)] = {nameText.toByteArray(), mobile.text(record).toByteArray(),
                                        email.text(record).toByteArray()};
        }
    });

    QHash<quint64, std::size_t> rowOf;
    for (const auto& kinds : latest)
        for (int k = 0; k < 2; ++k) {
            const auto kind = ReminderKind(k);
            const Latest& l = kinds[std::size_t(k)];
            if (l.position == 0)
                continue;
            if (flags.has(flags.left, l.position) || l.expiry < from || l.expiry > to)
                continue;
            if (kind == ReminderKind::Certificate && flags.has(flags.notRequired, l.position))
                continue;
            const Contact& c = contacts[std::size_t(l.position)];
            rowOf.insert(sentKey(l.position, kind, l.expiry), listing.rows.size());
            listing.rows.push_back(Row{l.position, kind, l.expiry, Text::fromWin1252(c.name),
                                       Text::fromWin1252(c.mobile), Text::fromWin1252(c.email),
                                       std::nullopt});
        }

    if (!listing.rows.empty()) {
        const FieldBytes position = FieldBytes::of(&P::Posizione);
        const FieldBytes kind = FieldBytes::of(&P::Tipo);
        const FieldBytes expiry = FieldBytes::of(&P::Scadenza);
        const QByteArray card = Text::toWin1252(kindText(ReminderKind::Card));
        const QByteArray certificate = Text::toWin1252(kindText(ReminderKind::Certificate));
        // The log is in the order the reminders were sent: the last one found is the latest.
        ArchiveFile::scanFile(P::path(), P::Size, [&](int, QByteArrayView record) {
            const QByteArrayView kindText = kind.text(record);
            if (kindText != card && kindText != certificate)
                return;
            bool ok = false;
            const int p = position.text(record).toInt(&ok);
            const QDate date = DateText::parse(expiry.text(record));
            if (!ok || !date.isValid())
                return;
            const auto found = rowOf.constFind(
                sentKey(p, kindText == card ? ReminderKind::Card : ReminderKind::Certificate, date));
            if (found != rowOf.constEnd())
                listing.rows[*found].last = sentOf(PromemoriaCodec::decode(record));
        });
    }

    std::sort(listing.rows.begin(), listing.rows.end(), [](const Row& a, const Row& b) {
        if (a.expiry != b.expiry)
            return a.expiry < b.expiry;
        if (const int byName = a.name.compare(b.name, Qt::CaseInsensitive))
            return byName < 0;
        return std::pair(a.position, int(a.kind)) < std::pair(b.position, int(b.kind));
    });
    return listing;
}

bool isDue(const Row& row, const QDate& today) {
    return row.expiry <= today && !row.last;
}

int dueCount(const Listing& listing, const QDate& today) {
    return int(std::count_if(listing.rows.begin(), listing.rows.end(),
                             [&](const Row& row) { return isDue(row, today); }));
}

int dueCount(const QDate& today) {
    const ReminderSettings settings = ReminderSettings::read();
    try {
        return dueCount(list(today, settings.daysBefore, settings.daysAfter), today);
    } catch (const StorageError&) {
        return 0;
    }
}

std::vector<Row> filtered(const std::vector<Row>& rows, std::optional<ReminderKind> kind, bool onlyUnsent) {
    std::vector<Row> out;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(out),
                 [&](const Row& row) { return (!kind || row.kind == *kind) && (!onlyUnsent || !row.last); });
    return out;
}

QString state(ReminderKind kind, const QDate& expiry, const QDate& today) {
    const qint64 days = today.daysTo(expiry);
    if (days < 0)
        return (kind == ReminderKind::Card ? QStringLiteral("Scaduta da ") : QStringLiteral("Scaduto da ")) +
               dayCount(-days);
    if (days == 0)
        return QStringLiteral("Scade oggi");
    return QStringLiteral("Scade tra ") + dayCount(days);
}

QString lastText(const Row& row) {
    if (!row.last)
        return {};
    return row.last->date + u' ' + row.last->time + QStringLiteral(", ") + row.last->channel;
}

QString unreadableText(int count) {
    return QString::number(count) + QStringLiteral(" schede con data di scadenza non leggibile");
}

Placeholders placeholdersOf(const Row& row, const QString& association) {
    return {row.name, kindWord(row.kind), DateText::format(row.expiry), associationOrDefault(association)};
}

Placeholders placeholdersOf(std::span<const Row> rows, const QString& association) {
    const bool oneDate = std::all_of(rows.begin(), rows.end(),
                                     [&](const Row& row) { return row.expiry == rows.front().expiry; });
    return {QStringLiteral("socio"), rows.empty() ? QString() : kindWord(rows.front().kind),
            !rows.empty() && oneDate ? DateText::format(rows.front().expiry)
                                     : QStringLiteral("in questi giorni"),
            associationOrDefault(association)};
}

QString fill(const QString& text, const Placeholders& values) {
    const std::pair<QString, const QString*> known[] = {
        {QStringLiteral("{NOME}"), &values.name},
        {QStringLiteral("{TIPO}"), &values.kind},
        {QStringLiteral("{SCADENZA}"), &values.expiry},
        {QStringLiteral("{ASSOCIAZIONE}"), &values.association},
    };
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype open = text.indexOf(u'{', i);
        if (open < 0)
            break;
        out += QStringView(text).mid(i, open - i);
        const auto match = std::find_if(std::begin(known), std::end(known), [&](const auto& k) {
            return QStringView(text).mid(open).startsWith(k.first);
        });
        if (match == std::end(known)) {
            out += u'{';
            i = open + 1;
        } else {
            out += *match->second;
            i = open + match->first.size();
        }
    }
    out += QStringView(text).mid(i);
    return out;
}

QString subject(ReminderKind kind) {
    return QStringLiteral("Promemoria scadenza ") + kindWord(kind);
}

TSchedaPromemoria logRecord(const Row& row, ReminderChannel channel, const QDateTime& when) {
    TSchedaPromemoria r;
    r.Posizione = QString::number(row.position);
    r.Tipo = kindText(row.kind);
    r.Scadenza = DateText::format(row.expiry);
    r.Canale = channelText(channel);
    r.Data = DateText::format(when.date());
    r.Ora = when.time().toString(QStringLiteral("hh:mm"));
    return r;
}

void log(std::span<const TSchedaPromemoria> records) {
    ArchiveFile file(P::path(), P::Size);
    file.open();
    for (const TSchedaPromemoria& r : records)
        file.append(PromemoriaCodec::encode(r));
    file.close();
}

Sent sentOf(const TSchedaPromemoria& record) {
    return {record.Data, record.Ora, record.Canale};
}

const SpreadsheetExport kExport{"Scadenze.xls", "Scadenze", kColumns};

GridRows gridRows(std::span<const Row> rows, const QDate& today) {
    GridRows grid(kColumnCount);
    grid.reserve(qsizetype(rows.size()), qsizetype(rows.size()) * 128);
    const QByteArray kinds[2] = {Text::toWin1252(kindText(ReminderKind::Card)),
                                 Text::toWin1252(kindText(ReminderKind::Certificate))};
    for (const Row& row : rows) {
        const QByteArray texts[] = {Text::toWin1252(DateText::format(row.expiry)),
                                    Text::toWin1252(state(row.kind, row.expiry, today)),
                                    Text::toWin1252(row.name),
                                    Text::toWin1252(row.mobile),
                                    Text::toWin1252(row.email),
                                    Text::toWin1252(lastText(row))};
        const QByteArrayView cells[kColumnCount] = {
            kinds[int(row.kind)], texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]};
        grid.append(cells);
    }
    return grid;
}

QStringList lines(std::span<const Row> rows, const QDate& today) {
    const auto line = [](const QStringList& cells) {
        QString text;
        for (int c = 0; c < kColumnCount; ++c) {
            if (c > 0)
                text += u' ';
            text += cells[c].left(kLineWidths[c]).leftJustified(kLineWidths[c]);
        }
        return text.trimmed();
    };
    QStringList headers;
    QStringList rules;
    for (int c = 0; c < kColumnCount; ++c) {
        headers << QString::fromUtf8(kColumns[c].header);
        rules << QString(kLineWidths[c], u'-');
    }
    QStringList out{line(headers), line(rules)};
    for (const Row& row : rows)
        out << line(cellsOf(row, today));
    return out;
}

} // namespace Reminders
