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
#include <QHash>

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
    // The receipt's line, in the order of YearlyStatement::Column.
    std::array<FieldBytes, 5> line = {FieldBytes::of(&R::NumeroRicevuta), date,
                                      FieldBytes::of(&R::AttivitaSportiva), FieldBytes::of(&R::PeriodoDal),
                                      FieldBytes::of(&R::PeriodoAl)};
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

// The statement a receipt belongs to, into `key` (kept between receipts, so that a year is read
// without a string per receipt): the payer's fiscal code in capitals, then the practitioner with
// letter case aside. Returns the fiscal code's length.
qsizetype keyOf(QByteArrayView record, QByteArray& key) {
    const QByteArrayView code = fields().code.text(record);
    const QByteArrayView practitioner = practitionerOf(record);
    key.resize(code.size() + 1 + practitioner.size());
    char* out = key.data();
    for (char c : code)
        *out++ = Text::upperAZ(c);
    *out++ = '\0';
    for (char c : practitioner)
        *out++ = Text::lowerAZ(c);
    return code.size();
}

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
        for (qsizetype i = 0; i < m_methods.size(); ++i)
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

QString decoded(QByteArrayView record, QString R::*member) {
    return Text::fromWin1252(FieldBytes::of(member).text(record));
}

QString whose(QByteArrayView record) {
    return QStringLiteral("%1 per %2")
        .arg(decoded(record, &R::Pagatore), Text::fromWin1252(practitionerOf(record)));
}

QString receiptName(QByteArrayView record, int position) {
    return QStringLiteral("ricevuta n. %1 (posizione %2 dell'archivio)")
        .arg(decoded(record, &R::NumeroRicevuta))
        .arg(position);
}

QString withheld(QByteArrayView record) {
    return QStringLiteral(" L'attestazione di %1 non è stata prodotta.").arg(whose(record));
}

YearlyStatement::Statement opened(QByteArrayView record, QByteArrayView code) {
    YearlyStatement::Statement s;
    s.payerCode = Text::fromWin1252(code);
    s.payer = decoded(record, &R::Pagatore);
    s.practitioner = Text::fromWin1252(practitionerOf(record));
    s.birthPlace = decoded(record, &R::LuogoNascitaPraticante);
    s.birthDate = decoded(record, &R::DataNascitaPraticante);
    for (QString R::*line : {&R::Ricevente1, &R::Ricevente2, &R::Ricevente3, &R::Ricevente4})
        if (const QString text = decoded(record, line); !text.isEmpty())
            s.association << text;
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
    QHash<QByteArray, qsizetype> byKey;
    QByteArray key;
    // Per statement in the order met: its key, and whether a receipt keeps it from being given.
    std::vector<QByteArray> keys;
    std::vector<char> left;
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
    receipts.scan([&](int position, QByteArrayView record) {
        const Extra extra = position <= qsizetype(extras.size()) ? extras[position - 1] : Extra{};
        if (extra.cancelled)
            return;
        const qsizetype codeSize = keyOf(record, key);
        if (codeSize == 0) {
            g.warnings << QStringLiteral("Attenzione: la %1 non indica il codice fiscale del pagatore: non "
                                         "compare in nessuna attestazione.")
                              .arg(receiptName(record, position));
            return;
        }
        auto found = byKey.constFind(key);
        if (found == byKey.cend()) {
            found = byKey.insert(key, qsizetype(g.statements.size()));
            g.statements.push_back(opened(record, QByteArrayView(key).first(codeSize)));
            keys.push_back(key);
            left.push_back(false);
        }
        const qsizetype index = *found;
        if (left[index])
            return;
        Statement& s = g.statements[index];

        const QString problem = [&]() -> QString {
            if (extra.damaged)
                return ReceiptCompanion::damagedWarning(decoded(record, &R::NumeroRicevuta), position);
            if (DateText::parse(fields().date.text(record)).year() != wanted)
                return QStringLiteral("Attenzione: la data della %1 non è una data dell'anno %2.")
                    .arg(receiptName(record, position), year);
            return {};
        }();
        const std::optional<Currency> amount = Currency::parse(fields().amount.text(record));
        Receipt r;
        r.position = position;
        r.method = extra.method;
        Currency total, traceable = s.traceable;
        const bool readable =
            amount && amount->units >= 0 &&
            !__builtin_add_overflow(s.total.units, amount->units, &total.units) &&
            !(r.method > 0 && __builtin_add_overflow(s.traceable.units, amount->units, &traceable.units));
        if (!problem.isEmpty() || !readable) {
            g.warnings << (problem.isEmpty()
                               ? QStringLiteral("Attenzione: l'importo della %1 non è leggibile.")
                                     .arg(receiptName(record, position))
                               : problem) +
                              withheld(record);
            left[index] = true;
            return;
        }
        if (r.method < 0)
            g.warnings << QStringLiteral(
                              "Attenzione: la %1 non indica il metodo di pagamento: il suo importo non è "
                              "compreso nel totale pagato con mezzi tracciabili.")
                              .arg(receiptName(record, position));
        r.amount = *amount;
        s.total = total;
        s.traceable = traceable;
        r.text = g.store.size();
        for (std::size_t i = 0; i < fields().line.size(); ++i) {
            const QByteArrayView bytes = fields().line[i].text(record);
            r.sizes[i] = quint8(bytes.size());
            if (!bytes.isEmpty())
                std::memcpy(g.store.grow(bytes.size()), bytes.data(), std::size_t(bytes.size()));
        }
        taken.push_back(r);
        owners.push_back(index);
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
    std::vector<qsizetype> order;
    for (qsizetype i = 0; i < qsizetype(keys.size()); ++i)
        if (!left[i])
            order.push_back(i);
    std::sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) { return keys[a] < keys[b]; });
    std::vector<qsizetype> placed(keys.size(), -1);
    std::vector<Statement> kept;
    kept.reserve(order.size());
    for (qsizetype i : order) {
        placed[i] = qsizetype(kept.size());
        kept.push_back(std::move(g.statements[i]));
    }
    for (qsizetype owner : owners)
        if (placed[owner] >= 0)
            ++kept[placed[owner]].count;
    qsizetype next = 0;
    for (Statement& s : kept) {
        s.first = next;
        next += s.count;
    }
    g.receipts.resize(next);
    std::vector<qsizetype> filled(kept.size(), 0);
    for (std::size_t i = 0; i < taken.size(); ++i)
        if (const qsizetype at = placed[owners[i]]; at >= 0)
            g.receipts[kept[at].first + filled[at]++] = taken[i];
    g.statements = std::move(kept);
    return g;
}

} // namespace YearlyStatement
