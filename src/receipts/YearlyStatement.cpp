#include "YearlyStatement.h"

#include "ReceiptCompanion.h"
#include "TSchedaRicevuta.h"
#include "TSchedaRicevutaExtra.h"
#include "storage/ArchiveFile.h"
#include "storage/CompanionArchive.h"
#include "storage/DateText.h"
#include "storage/FieldBytes.h"
#include "storage/Text.h"

#include <QFileInfo>
#include <QHashFunctions>

#include <algorithm>
#include <cstring>

namespace {

using R = TSchedaRicevuta;
using X = TSchedaRicevutaExtra;

// What the companion says of a receipt, read from its bytes.
struct Extra {
    qint8 method = -1;
    bool cancelled = false;
    bool damaged = false;
};

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
        m_keys.push_back({begin, m_bytes.size() - begin, codeSize,
                          qHash(QByteArrayView(m_bytes).sliced(begin))});
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

// What a statement adds up to while the receipts are read.
struct Tally {
    Currency total;
    Currency traceable;
    // A receipt keeps the statement from being given.
    bool withheld = false;
};

// The statements met so far, by key, with their tallies. Every receipt of a year looks its
// statement up, in no order, while the archive streams through the processor's cache: a hash table
// of strings cost a miss in main memory for its node, another for the key and a third for the
// statement. Here a slot, found by the key's hash and fetched ahead while the receipt's other
// fields are read, leads to one entry holding the tally and the key side by side.
class StatementTable {
public:
    // `index` is the statement's place in the order met.
    struct Entry {
        Tally tally;
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

    // The entry of `key`; a key met for the first time gets a fresh entry with the next index,
    // size() - 1. The reference holds until the next call.
    Entry& find(const Key& key) {
        const size_t hash = key.hash;
        if (2 * (size() + 1) > qsizetype(m_slots.size()))
            grow();
        const size_t mask = m_slots.size() - 1;
        const quint32 tag = quint32(quint64(hash) >> 32);
        for (size_t at = hash & mask;; at = (at + 1) & mask) {
            const Slot slot = m_slots[at];
            if (slot.entry < 0) {
                m_slots[at] = {tag, add(key.bytes, hash)};
                return entry(m_slots[at].entry);
            }
            if (slot.tag == tag && this->key(slot.entry) == key.bytes)
                return entry(slot.entry);
        }
    }

    qsizetype size() const { return qsizetype(m_entries.size()); }
    Entry& at(qsizetype index) { return entry(m_entries[index]); }
    QByteArrayView keyAt(qsizetype index) const { return key(m_entries[index]); }

private:
    // The upper half of the key's hash passes over most other keys without reading them.
    struct Slot {
        quint32 tag = 0;
        qint64 entry = -1;
    };
    static constexpr qsizetype kAlign = alignof(Entry);

    Entry& entry(qint64 at) { return *reinterpret_cast<Entry*>(m_bytes.data() + at); }
    QByteArrayView key(qint64 at) const {
        const Entry* e = reinterpret_cast<const Entry*>(m_bytes.data() + at);
        return QByteArrayView(reinterpret_cast<const char*>(e + 1), e->size);
    }

    qint64 add(QByteArrayView key, size_t hash) {
        const qint64 at = m_bytes.size();
        char* place = m_bytes.grow((sizeof(Entry) + key.size() + kAlign - 1) / kAlign * kAlign);
        Entry* e = new (place) Entry{{}, qint32(size()), qint32(key.size())};
        std::memcpy(e + 1, key.data(), std::size_t(key.size()));
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

// The companion's records as the statement needs them, without decoding a text: the way of payment
// among the known ones, the cancellation, and whether any field holds what the program never writes.
class CompanionReader {
public:
    CompanionReader() {
        const QStringList methods = X::methods();
        for (const QString& m : methods)
            m_methods << Text::toWin1252(m);
        m_yes = Text::toWin1252(QStringLiteral("Sì"));
    }

    Extra read(QByteArrayView record) const {
        static const FieldBytes method = FieldBytes::of(&X::MetodoPagamento);
        static const FieldBytes cancelled = FieldBytes::of(&X::Annullata);
        static const FieldBytes date = FieldBytes::of(&X::DataAnnullamento);
        static const FieldBytes prints = FieldBytes::of(&X::Stampe);
        Extra extra;
        const QByteArrayView way = method.text(record);
        for (qsizetype i = 0; i < m_methods.size() && extra.method < 0; ++i)
            if (way == m_methods[i])
                extra.method = qint8(i);
        const QByteArrayView answer = cancelled.text(record);
        extra.cancelled = answer == m_yes;
        const QByteArrayView when = date.text(record);
        const QByteArrayView count = prints.text(record);
        extra.damaged = (!way.isEmpty() && extra.method < 0) ||
                        !(answer.isEmpty() || extra.cancelled || answer == "No") ||
                        !(when.isEmpty() || DateText::parse(when).isValid()) ||
                        !std::all_of(count.begin(), count.end(), [](char c) { return c >= '0' && c <= '9'; });
        return extra;
    }

private:
    QList<QByteArray> m_methods;
    QByteArray m_yes;
};

QString decoded(QByteArrayView record, const FieldBytes& field) {
    return Text::fromWin1252(field.text(record));
}

QString whose(QByteArrayView record) {
    return QStringLiteral("%1 per %2")
        .arg(decoded(record, fields().payer), Text::fromWin1252(practitionerOf(record)));
}

QString receiptName(QByteArrayView record, int position) {
    return QStringLiteral("ricevuta n. %1 (posizione %2 dell'archivio)")
        .arg(decoded(record, fields().number))
        .arg(position);
}

QString withheld(QByteArrayView record) {
    return QStringLiteral(" L'attestazione di %1 non è stata prodotta.").arg(whose(record));
}

YearlyStatement::Statement opened(QByteArrayView record, QByteArrayView code) {
    YearlyStatement::Statement s;
    s.payerCode = Text::fromWin1252(code);
    s.payer = decoded(record, fields().payer);
    s.practitioner = Text::fromWin1252(practitionerOf(record));
    s.birthPlace = decoded(record, fields().birthPlace);
    s.birthDate = decoded(record, fields().birthDate);
    for (const FieldBytes& line : fields().association)
        if (const QByteArrayView text = line.text(record); !text.isEmpty())
            s.association << Text::fromWin1252(text);
    return s;
}

} // namespace

namespace YearlyStatement {

std::span<const Receipt> Gathered::receiptsOf(const Statement& statement) const {
    return std::span(receipts).subspan(statement.first, statement.count);
}

QString Gathered::text(const Receipt& receipt, Column which) const {
    qsizetype at = receipt.text;
    for (int i = 0; i < int(which); ++i)
        at += receipt.sizes[i];
    return ::Text::fromWin1252(QByteArrayView(store.data() + at, receipt.sizes[int(which)]));
}

QList<Payer> Gathered::payers() const {
    QList<Payer> all;
    for (const Statement& s : statements)
        if (all.isEmpty() || all.last().code != s.payerCode)
            all.append({s.payerCode, s.payer});
    return all;
}

std::vector<const Statement*> Gathered::of(const QString& code) const {
    std::vector<const Statement*> chosen;
    for (const Statement& s : statements)
        if (code.isEmpty() || s.payerCode == code)
            chosen.push_back(&s);
    return chosen;
}

Gathered gather(const QString& archivePath, const QString& year) {
    Gathered g;
    g.year = year;
    if (!QFileInfo::exists(archivePath))
        return g;

    std::vector<Extra> extras;
    int beyond = 0;
    const CompanionArchive companion(archivePath, X::Size);
    if (QFileInfo::exists(companion.path())) {
        const CompanionReader reader;
        companion.scan([&](int, QByteArrayView record) { extras.push_back(reader.read(record)); });
    }

    const int wanted = year.toInt();
    StatementTable table;
    // The receipts taken, in archive order, and the statement each belongs to.
    std::vector<Receipt> taken;
    std::vector<qsizetype> owners;
    ArchiveFile receipts(archivePath, R::Size);
    receipts.open(ArchiveFile::Access::Read);
    const int count = receipts.count();
    beyond = std::max(int(extras.size()) - count, 0);
    g.store.reserve(qsizetype(count) * 48);
    taken.reserve(count);
    owners.reserve(count);
    const auto extraOf = [&extras](int position) {
        return position <= qsizetype(extras.size()) ? extras[position - 1] : Extra{};
    };
    const auto take = [&](int position, QByteArrayView record, const Key& key) {
        const Extra extra = extraOf(position);
        if (extra.cancelled)
            return;
        if (key.codeSize == 0) {
            g.warnings << QStringLiteral("Attenzione: la %1 non indica il codice fiscale del pagatore: non "
                                         "compare in nessuna attestazione.")
                              .arg(receiptName(record, position));
            return;
        }
        StatementTable::Entry& entry = table.find(key);
        const qsizetype index = entry.index;
        if (index == qsizetype(g.statements.size()))
            g.statements.push_back(opened(record, key.bytes.first(key.codeSize)));
        Tally& tally = entry.tally;
        if (tally.withheld)
            return;

        const std::optional<Currency> amount = Currency::parse(fields().amount.text(record));
        const QString problem = [&]() -> QString {
            if (extra.damaged)
                return ReceiptCompanion::damagedWarning(decoded(record, fields().number), position);
            if (DateText::yearOf(fields().date.text(record)) != wanted)
                return QStringLiteral("Attenzione: la data della %1 non è una data dell'anno %2.")
                    .arg(receiptName(record, position), year);
            return {};
        }();
        Receipt r;
        r.position = position;
        r.method = extra.method;
        Currency total, traceable = tally.traceable;
        const bool readable =
            amount && amount->units >= 0 &&
            !__builtin_add_overflow(tally.total.units, amount->units, &total.units) &&
            !(r.method > 0 && __builtin_add_overflow(tally.traceable.units, amount->units, &traceable.units));
        if (!problem.isEmpty() || !readable) {
            g.warnings << (problem.isEmpty()
                               ? QStringLiteral("Attenzione: l'importo della %1 non è leggibile.")
                                     .arg(receiptName(record, position))
                               : problem) +
                              withheld(record);
            tally.withheld = true;
            return;
        }
        if (r.method < 0)
            g.warnings << QStringLiteral(
                              "Attenzione: la %1 non indica il metodo di pagamento: il suo importo non è "
                              "compreso nel totale pagato con mezzi tracciabili.")
                              .arg(receiptName(record, position));
        r.amount = *amount;
        tally.total = total;
        tally.traceable = traceable;
        std::array<QByteArrayView, 5> line;
        qsizetype size = 0;
        for (std::size_t i = 0; i < line.size(); ++i) {
            line[i] = fields().line[i].text(record);
            r.sizes[i] = quint8(line[i].size());
            size += line[i].size();
        }
        r.text = g.store.size();
        char* out = g.store.grow(size);
        for (const QByteArrayView bytes : line)
            if (!bytes.isEmpty()) {
                std::memcpy(out, bytes.data(), std::size_t(bytes.size()));
                out += bytes.size();
            }
        taken.push_back(r);
        owners.push_back(index);
    };
    BlockKeys keys;
    receipts.scanBlocks([&](int first, QByteArrayView block) {
        const auto record = [&block](qsizetype i) { return block.sliced(i * R::Size, R::Size); };
        keys.clear();
        for (qsizetype i = 0; i < block.size() / R::Size; ++i) {
            keys.add(record(i), extraOf(first + int(i)).cancelled);
            table.prefetchSlot(keys[i].hash);
        }
        for (qsizetype i = 0; i < keys.size(); ++i)
            table.prefetchEntry(keys[i].hash);
        for (qsizetype i = 0; i < keys.size(); ++i)
            take(first + int(i), record(i), keys[i]);
    });
    receipts.close();
    if (beyond > 0)
        g.warnings << QStringLiteral(
                          "Attenzione: l'archivio dei dati aggiuntivi delle ricevute contiene %1 "
                          "schede oltre l'ultima ricevuta (dalla posizione %2): non appartengono a "
                          "nessuna ricevuta e sono state ignorate.")
                          .arg(beyond)
                          .arg(count + 1);

    // The statements given, by fiscal code and practitioner (the keys sort so), each one's receipts
    // placed together in archive order.
    std::vector<SortKey> order;
    for (qsizetype i = 0; i < table.size(); ++i)
        if (!table.at(i).tally.withheld)
            order.push_back(SortKey::of(table.keyAt(i), i));
    std::sort(order.begin(), order.end(), [&table](const SortKey& a, const SortKey& b) {
        return a.prefix != b.prefix ? a.prefix < b.prefix : table.keyAt(a.index) < table.keyAt(b.index);
    });
    std::vector<qsizetype> placed(table.size(), -1);
    std::vector<Statement> kept;
    kept.reserve(order.size());
    for (const auto [prefix, i] : order) {
        placed[i] = qsizetype(kept.size());
        kept.push_back(std::move(g.statements[i]));
        kept.back().total = table.at(i).tally.total;
        kept.back().traceable = table.at(i).tally.traceable;
    }
    // Where each statement's receipts go: counted, then each one's start, the next place to fill.
    std::vector<qsizetype> next(kept.size(), 0);
    for (qsizetype owner : owners)
        if (placed[owner] >= 0)
            ++next[placed[owner]];
    qsizetype first = 0;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        kept[i].first = first;
        kept[i].count = next[i];
        next[i] = first;
        first += kept[i].count;
    }
    g.receipts.resize(first);
    for (std::size_t i = 0; i < taken.size(); ++i)
        if (const qsizetype at = placed[owners[i]]; at >= 0)
            g.receipts[next[at]++] = taken[i];
    g.statements = std::move(kept);
    return g;
}

} // namespace YearlyStatement
