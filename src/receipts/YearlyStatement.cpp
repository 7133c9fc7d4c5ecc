#include "YearlyStatement.h"

#include "ReceiptCompanion.h"
#include "TSchedaRicevuta.h"
#include "TSchedaRicevutaExtra.h"
#include "storage/ArchiveFile.h"
#include "storage/ArchiveParts.h"
#include "storage/CompanionArchive.h"
#include "storage/DateText.h"
#include "storage/FieldBytes.h"
#include "storage/Text.h"

#include <QFileInfo>
#include <QHashFunctions>

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>

namespace {

using R = TSchedaRicevuta;
using X = TSchedaRicevutaExtra;
using ReceiptCompanion::Marks;

// Where the texts a statement reads lie in a receipt, found once: every receipt of the year is read.
struct Fields {
    FieldBytes code = FieldBytes::of(&R::CodiceFiscalePagatore);
    FieldBytes payer = FieldBytes::of(&R::Pagatore);
    FieldBytes practitioner = FieldBytes::of(&R::Praticante);
    FieldBytes date = FieldBytes::of(&R::DataRicevuta);
    FieldBytes amount = FieldBytes::of(&R::ImportoTotale);
    FieldBytes number = FieldBytes::of(&R::NumeroRicevuta);
    // The receipt's line, in the order of YearlyStatement::Column.
    std::array<FieldBytes, 5> line = {number, date, FieldBytes::of(&R::AttivitaSportiva),
                                      FieldBytes::of(&R::PeriodoDal), FieldBytes::of(&R::PeriodoAl)};
    // What a statement takes from its first receipt besides the payer and practitioner.
    FieldBytes birthPlace = FieldBytes::of(&R::LuogoNascitaPraticante);
    FieldBytes birthDate = FieldBytes::of(&R::DataNascitaPraticante);
    std::array<FieldBytes, 4> association = {FieldBytes::of(&R::Ricevente1), FieldBytes::of(&R::Ricevente2),
                                             FieldBytes::of(&R::Ricevente3), FieldBytes::of(&R::Ricevente4)};
};

const Fields& fields() {
    static const Fields all;
    return all;
}

// Who a receipt is for: the practitioner, or the payer who practises himself when none is named.
QByteArrayView practitionerOf(QByteArrayView record) {
    const QByteArrayView named = fields().practitioner.text(record);
    return named.isEmpty() ? fields().payer.text(record) : named;
}

// The key of the statement a receipt belongs to: the payer's fiscal code in capitals, then the
// practitioner with letter case aside.
struct Key {
    QByteArrayView bytes;
    qsizetype codeSize = 0;
    size_t hash = 0;
};

// The keys of a block of receipts, made before any of them is counted: the statements of the whole
// block are then fetched into the processor's cache together, not one miss after another.
class BlockKeys {
public:
    void clear() {
        m_bytes.clear();
        m_keys.clear();
    }
    // Adds the key of `record`, or no key (an empty one) when `skipped`.
    void add(QByteArrayView record, bool skipped) {
        const qsizetype begin = m_bytes.size();
        qsizetype codeSize = 0;
        if (!skipped) {
            const QByteArrayView code = fields().code.text(record);
            const QByteArrayView practitioner = practitionerOf(record);
            codeSize = code.size();
            m_bytes.resize(begin + code.size() + 1 + practitioner.size());
            char* out = m_bytes.data() + begin;
            for (char c : code)
                *out++ = Text::upperAZ(c);
            *out++ = '\0';
            for (char c : practitioner)
                *out++ = Text::lowerAZ(c);
        }
        m_keys.push_back(
            {begin, m_bytes.size() - begin, codeSize, qHash(QByteArrayView(m_bytes).sliced(begin))});
    }
    qsizetype size() const { return qsizetype(m_keys.size()); }
    Key operator[](qsizetype i) const {
        const Place& k = m_keys[i];
        return {QByteArrayView(m_bytes).sliced(k.begin, k.size), k.codeSize, k.hash};
    }

private:
    struct Place {
        qsizetype begin;
        qsizetype size;
        qsizetype codeSize;
        size_t hash;
    };
    QByteArray m_bytes;
    std::vector<Place> m_keys;
};

// The statements met, by key. Every receipt of a year looks its statement up, in no order, while
// the archive streams through the processor's cache: a hash table of strings cost a miss in main
// memory for its node and another for the key. Here a slot, found by the key's hash and fetched
// ahead for a whole block of receipts, leads to an entry holding the key.
class StatementTable {
public:
    // `index` is the statement's place in the order met.
    struct Entry {
        qint32 index = 0;
        qint32 size = 0; // of the key, whose bytes follow
    };

    // Asks the processor for the slot of a key...
    void prefetchSlot(size_t hash) const {
        if (!m_slots.empty())
            __builtin_prefetch(&m_slots[hash & (m_slots.size() - 1)]);
    }
    // ...and, once the slot is at hand, for the entry it most likely leads to.
    void prefetchEntry(size_t hash) const {
        if (m_slots.empty())
            return;
        const Slot slot = m_slots[hash & (m_slots.size() - 1)];
        if (slot.entry >= 0)
            __builtin_prefetch(m_bytes.data() + slot.entry);
    }

    // The index of `key`; a key met for the first time gets the next one, size() - 1.
    qsizetype find(QByteArrayView key, size_t hash) {
        if (2 * (size() + 1) > qsizetype(m_slots.size()))
            grow();
        const size_t mask = m_slots.size() - 1;
        const quint32 tag = quint32(quint64(hash) >> 32);
        for (size_t at = hash & mask;; at = (at + 1) & mask) {
            const Slot slot = m_slots[at];
            if (slot.entry < 0) {
                m_slots[at] = {tag, add(key, hash)};
                return size() - 1;
            }
            if (slot.tag == tag && this->key(slot.entry) == key)
                return entry(slot.entry).index;
        }
    }

    qsizetype size() const { return qsizetype(m_entries.size()); }
    QByteArrayView keyAt(qsizetype index) const { return key(m_entries[index]); }
    size_t hashAt(qsizetype index) const { return m_hashes[index]; }

private:
    // The upper half of the key's hash passes over most other keys without reading them.
    struct Slot {
        quint32 tag = 0;
        qint64 entry = -1;
    };
    static constexpr qsizetype kAlign = alignof(Entry);

    const Entry& entry(qint64 at) const { return *reinterpret_cast<const Entry*>(m_bytes.data() + at); }
    QByteArrayView key(qint64 at) const {
        return QByteArrayView(reinterpret_cast<const char*>(&entry(at) + 1), entry(at).size);
    }

    qint64 add(QByteArrayView key, size_t hash) {
        const qint64 at = m_bytes.size();
        char* place = m_bytes.grow((qsizetype(sizeof(Entry)) + key.size() + kAlign - 1) / kAlign * kAlign);
        const Entry* e = new (place) Entry{qint32(size()), qint32(key.size())};
        std::memcpy(const_cast<Entry*>(e) + 1, key.data(), std::size_t(key.size()));
        m_entries.push_back(at);
        m_hashes.push_back(hash);
        return at;
    }

    void grow() {
        m_slots.assign(std::max<size_t>(1024, 2 * m_slots.size()), Slot{});
        const size_t mask = m_slots.size() - 1;
        for (qsizetype i = 0; i < size(); ++i) {
            size_t at = m_hashes[i] & mask;
            while (m_slots[at].entry >= 0)
                at = (at + 1) & mask;
            m_slots[at] = {quint32(quint64(m_hashes[i]) >> 32), m_entries[i]};
        }
    }

    std::vector<Slot> m_slots;
    // The entries one after another, each where m_entries says, with its key's hash in m_hashes.
    ByteBuffer m_bytes;
    std::vector<qint64> m_entries;
    std::vector<size_t> m_hashes;
};

// A statement's place in the order of keys: the key's first 16 bytes as a number (a fiscal code
// fills them) decide, without reading the key, unless they are equal.
struct SortKey {
    unsigned __int128 prefix;
    qsizetype index;

    static SortKey of(QByteArrayView key, qsizetype index) {
        unsigned __int128 prefix = 0;
        for (int i = 0; i < 16; ++i)
            prefix = prefix << 8 | (i < key.size() ? quint8(key[i]) : 0);
        return {prefix, index};
    }
};

// Copies `texts` one after another to the end of `store`, their sizes into `sizes`; returns where
// they start.
template <std::size_t N>
qsizetype keep(const std::array<QByteArrayView, N>& texts, std::array<quint8, N>& sizes, ByteBuffer& store) {
    qsizetype size = 0;
    for (std::size_t i = 0; i < N; ++i) {
        sizes[i] = quint8(texts[i].size());
        size += texts[i].size();
    }
    const qsizetype at = store.size();
    char* out = store.grow(size);
    for (const QByteArrayView text : texts)
        if (!text.isEmpty()) {
            std::memcpy(out, text.data(), std::size_t(text.size()));
            out += text.size();
        }
    return at;
}

// The text `which` of those kept from `at` with `sizes`.
QString storedText(const ByteBuffer& store, qsizetype at, std::span<const quint8> sizes, std::size_t which) {
    for (std::size_t i = 0; i < which; ++i)
        at += sizes[i];
    return Text::fromWin1252(QByteArrayView(store.data() + at, sizes[which]));
}

// A statement as its first receipt names it, its texts kept in `store`.
YearlyStatement::Statement opened(QByteArrayView record, QByteArrayView code, ByteBuffer& store) {
    const Fields& f = fields();
    YearlyStatement::Statement s;
    s.text = keep<9>({code, f.payer.text(record), practitionerOf(record), f.birthPlace.text(record),
                      f.birthDate.text(record), f.association[0].text(record), f.association[1].text(record),
                      f.association[2].text(record), f.association[3].text(record)},
                     s.sizes, store);
    return s;
}

// A receipt as read from the archive, before the rules of its statement are applied.
struct ReadReceipt {
    YearlyStatement::Receipt receipt;
    // In its part's table; -1 when the receipt names no payer's fiscal code.
    qint32 statement = -1;
    bool readable = false; // its amount
    bool ofYear = false;   // its date
    bool damaged = false;  // its companion record
};

// What one thread read of the archive, over the parts it took: every receipt but the cancelled
// ones, in archive order. Each on cache lines of its own: the two threads add to theirs at once.
struct alignas(64) Reading {
    // Which thread's: the gathering's store its texts end in.
    quint8 number = 0;
    StatementTable table;
    // As the table met them, each opened at its first receipt here, whose position is in openedAt.
    std::vector<YearlyStatement::Statement> statements;
    std::vector<int> openedAt;
    std::vector<ReadReceipt> receipts;
    ByteBuffer store;
};

// Where a part's receipts lie: in the reading of the thread that took it, from `begin` to `end`.
struct Piece {
    int reading = 0;
    qsizetype begin = 0;
    qsizetype end = 0;
};

// Reads the receipts from `first` on, at most `count` of them, and their companion records into
// `into`.
void readPart(const ArchiveFile& archive, const ArchiveFile* companion, int first, int count, int year,
              Reading& into) {
    std::vector<Marks> extras(std::size_t(std::max(count, 0)));
    if (companion) {
        companion->scanRange(
            first, std::min(count, companion->count() - first + 1), [&](int at, QByteArrayView records) {
                for (qsizetype i = 0; i < records.size(); i += X::Size, ++at)
                    extras[at - first] = ReceiptCompanion::marksOf(records.sliced(i, X::Size));
            });
    }
    const auto read = [&](int position, QByteArrayView record, const Key& key) {
        const Marks extra = extras[position - first];
        if (extra.cancelled)
            return;
        ReadReceipt r;
        r.receipt.position = position;
        r.receipt.store = into.number;
        r.receipt.method = extra.method;
        r.damaged = extra.damaged;
        if (key.codeSize > 0) {
            r.statement = qint32(into.table.find(key.bytes, key.hash));
            if (r.statement == qsizetype(into.statements.size())) {
                into.statements.push_back(opened(record, key.bytes.first(key.codeSize), into.store));
                into.statements.back().store = into.number;
                into.openedAt.push_back(position);
            }
        }
        const std::optional<Currency> amount = Currency::parse(fields().amount.text(record));
        r.readable = amount && amount->units >= 0;
        r.receipt.amount = amount.value_or(Currency{});
        r.ofYear = DateText::yearOf(fields().date.text(record)) == year;
        const auto& line = fields().line;
        r.receipt.text = keep<5>({line[0].text(record), line[1].text(record), line[2].text(record),
                                  line[3].text(record), line[4].text(record)},
                                 r.receipt.sizes, into.store);
        into.receipts.push_back(r);
    };
    BlockKeys keys;
    archive.scanRange(first, count, [&](int at, QByteArrayView block) {
        const auto record = [&block](qsizetype i) { return block.sliced(i * R::Size, R::Size); };
        keys.clear();
        for (qsizetype i = 0; i < block.size() / R::Size; ++i) {
            keys.add(record(i), extras[at + i - first].cancelled);
            into.table.prefetchSlot(keys[i].hash);
        }
        for (qsizetype i = 0; i < keys.size(); ++i)
            into.table.prefetchEntry(keys[i].hash);
        for (qsizetype i = 0; i < keys.size(); ++i)
            read(at + int(i), record(i), keys[i]);
    });
}

// What a statement adds up to as its receipts are taken.
struct Tally {
    Currency total;
    Currency traceable;
    qsizetype count = 0;
    // A receipt keeps the statement from being given.
    bool withheld = false;
};

// The readings put together: every statement once, in the order met, the texts of each from its
// first receipt in the archive, whichever thread read it. Each reading's texts stay in its store,
// which the gathering takes over. Per reading, the index in the gathering of each of its statements.
using Joined = std::vector<std::vector<qsizetype>>;

Joined join(std::vector<Reading>& readings, YearlyStatement::Gathered& g) {
    StatementTable& table = readings.front().table;
    Joined joined(readings.size());
    std::vector<int> openedAt;
    for (std::size_t p = 0; p < readings.size(); ++p) {
        Reading& reading = readings[p];
        for (qsizetype i = 0; i < qsizetype(reading.statements.size()); ++i) {
            const qsizetype index = p == 0 ? i : table.find(reading.table.keyAt(i), reading.table.hashAt(i));
            if (index == qsizetype(g.statements.size())) {
                g.statements.emplace_back();
                openedAt.push_back(std::numeric_limits<int>::max());
            }
            if (reading.openedAt[i] < openedAt[index]) {
                g.statements[index] = reading.statements[i];
                openedAt[index] = reading.openedAt[i];
            }
            joined[p].push_back(index);
        }
        g.stores.push_back(std::move(reading.store));
    }
    return joined;
}

// The receipts of the year taken in archive order by the rules of their statements: what each
// statement adds up to, or that it is withheld. A statement not withheld has taken all its receipts.
std::vector<Tally> applyRules(const std::vector<Reading>& readings, const std::vector<Piece>& pieces,
                              const Joined& joined, YearlyStatement::Gathered& g) {
    using namespace YearlyStatement;
    const auto name = [&g](const Receipt& r) {
        return QStringLiteral("ricevuta n. %1 (posizione %2 dell'archivio)")
            .arg(g.text(r, Column::Number))
            .arg(r.position);
    };
    std::vector<Tally> tallies(g.statements.size());
    for (const Piece& piece : pieces)
        for (qsizetype at = piece.begin; at < piece.end; ++at) {
            const ReadReceipt& read = readings[piece.reading].receipts[at];
            const Receipt& r = read.receipt;
            if (read.statement < 0) {
                g.warnings << QStringLiteral("Attenzione: la %1 non indica il codice fiscale del pagatore: "
                                             "non compare in nessuna attestazione.")
                                  .arg(name(r));
                continue;
            }
            const qsizetype index = joined[piece.reading][read.statement];
            Tally& tally = tallies[index];
            if (tally.withheld)
                continue;
            Currency total, traceable = tally.traceable;
            const bool readable =
                read.readable && !__builtin_add_overflow(tally.total.units, r.amount.units, &total.units) &&
                !(r.method > 0 &&
                  __builtin_add_overflow(tally.traceable.units, r.amount.units, &traceable.units));
            if (read.damaged || !read.ofYear || !readable) {
                const Statement& s = g.statements[index];
                const QString problem =
                    read.damaged ? ReceiptCompanion::damagedWarning(g.text(r, Column::Number), r.position)
                    : !read.ofYear
                        ? QStringLiteral("Attenzione: la data della %1 non è una data dell'anno %2.")
                              .arg(name(r), g.year)
                        : QStringLiteral("Attenzione: l'importo della %1 non è leggibile.").arg(name(r));
                g.warnings << problem + QStringLiteral(" L'attestazione di %1 per %2 non è stata prodotta.")
                                            .arg(g.text(s, Detail::Payer), g.text(s, Detail::Practitioner));
                tally.withheld = true;
                continue;
            }
            if (r.method < 0)
                g.warnings << QStringLiteral(
                                  "Attenzione: la %1 non indica il metodo di pagamento: il suo importo non è "
                                  "compreso nel totale pagato con mezzi tracciabili.")
                                  .arg(name(r));
            tally.total = total;
            tally.traceable = traceable;
            ++tally.count;
        }
    return tallies;
}

// The statements given, by fiscal code and practitioner (the keys sort so), each one's receipts
// placed together in archive order.
void arrange(YearlyStatement::Gathered& g, const StatementTable& table, const std::vector<Tally>& tallies,
             const std::vector<Reading>& readings, const std::vector<Piece>& pieces, const Joined& joined) {
    using YearlyStatement::Statement;
    std::vector<SortKey> order;
    for (qsizetype i = 0; i < table.size(); ++i)
        if (!tallies[i].withheld)
            order.push_back(SortKey::of(table.keyAt(i), i));
    std::sort(order.begin(), order.end(), [&table](const SortKey& a, const SortKey& b) {
        return a.prefix != b.prefix ? a.prefix < b.prefix : table.keyAt(a.index) < table.keyAt(b.index);
    });
    // Where each statement's receipts go next, from its start on; -1 for a statement withheld.
    std::vector<qsizetype> next(table.size(), -1);
    std::vector<Statement> kept;
    kept.reserve(order.size());
    qsizetype first = 0;
    for (const auto [prefix, i] : order) {
        next[i] = first;
        kept.push_back(g.statements[i]);
        kept.back().first = first;
        kept.back().count = tallies[i].count;
        kept.back().total = tallies[i].total;
        kept.back().traceable = tallies[i].traceable;
        first += tallies[i].count;
    }
    g.receipts.resize(first);
    for (const Piece& piece : pieces)
        for (qsizetype at = piece.begin; at < piece.end; ++at)
            if (const ReadReceipt& read = readings[piece.reading].receipts[at]; read.statement >= 0)
                if (qsizetype& place = next[joined[piece.reading][read.statement]]; place >= 0)
                    g.receipts[place++] = read.receipt;
    g.statements = std::move(kept);
}

} // namespace

namespace YearlyStatement {

std::span<const Receipt> Gathered::receiptsOf(const Statement& statement) const {
    return std::span(receipts).subspan(statement.first, statement.count);
}

QString Gathered::text(const Receipt& receipt, Column which) const {
    return storedText(stores[receipt.store], receipt.text, receipt.sizes, std::size_t(which));
}

QString Gathered::text(const Statement& statement, Detail which) const {
    return storedText(stores[statement.store], statement.text, statement.sizes, std::size_t(which));
}

QStringList Gathered::association(const Statement& statement) const {
    QStringList lines;
    for (std::size_t i = std::size_t(Detail::BirthDate) + 1; i < statement.sizes.size(); ++i)
        if (statement.sizes[i] > 0)
            lines << storedText(stores[statement.store], statement.text, statement.sizes, i);
    return lines;
}

QList<Payer> Gathered::payers() const {
    QList<Payer> all;
    for (const Statement& s : statements)
        if (const QString code = text(s, Detail::PayerCode); all.isEmpty() || all.last().code != code)
            all.append({code, text(s, Detail::Payer)});
    return all;
}

std::vector<const Statement*> Gathered::of(const QString& code) const {
    std::vector<const Statement*> chosen;
    for (const Statement& s : statements)
        if (code.isEmpty() || text(s, Detail::PayerCode) == code)
            chosen.push_back(&s);
    return chosen;
}

Gathered gather(const QString& archivePath, const QString& year) {
    Gathered g;
    g.year = year;
    if (!QFileInfo::exists(archivePath))
        return g;

    ArchiveFile archive(archivePath, R::Size);
    archive.open(ArchiveFile::Access::Read);
    const QString companionPath = CompanionArchive::pathFor(archivePath);
    std::optional<ArchiveFile> companion;
    if (QFileInfo::exists(companionPath)) {
        companion.emplace(companionPath, X::Size);
        companion->open(ArchiveFile::Access::Read);
    }
    const int count = archive.count();
    const int companionCount = companion ? companion->count() : 0;

    // The year is read in parts on two cores at once, each thread keeping one table of the
    // statements it met over all the parts it took: the parts then cost nothing to join and can be
    // small enough that a core slowed by other programs takes fewer of them. The rules are then
    // applied in archive order, as if the year had been read in one go.
    constexpr int kParts = 16;
    const ArchiveFile* extras = companion ? &*companion : nullptr;
    std::vector<Reading> readings(ArchiveParts::kWorkers);
    // Either thread may take most parts; room left unused is never touched.
    for (std::size_t worker = 0; worker < readings.size(); ++worker) {
        readings[worker].number = quint8(worker);
        readings[worker].receipts.reserve(std::size_t(count));
        readings[worker].store.reserve(qsizetype(count) * 80);
    }
    std::vector<Piece> pieces(kParts);
    ArchiveParts::runAll(kParts, count, [&](int worker, int part, int first, int records) {
        Reading& reading = readings[std::size_t(worker)];
        const qsizetype begin = qsizetype(reading.receipts.size());
        readPart(archive, extras, first, records, year.toInt(), reading);
        pieces[std::size_t(part)] = {worker, begin, qsizetype(reading.receipts.size())};
    });

    const Joined joined = join(readings, g);
    const std::vector<Tally> tallies = applyRules(readings, pieces, joined, g);
    if (companionCount > count)
        g.warnings << QStringLiteral(
                          "Attenzione: l'archivio dei dati aggiuntivi delle ricevute contiene %1 "
                          "schede oltre l'ultima ricevuta (dalla posizione %2): non appartengono a "
                          "nessuna ricevuta e sono state ignorate.")
                          .arg(companionCount - count)
                          .arg(count + 1);
    arrange(g, readings.front().table, tallies, readings, pieces, joined);
    return g;
}

} // namespace YearlyStatement
