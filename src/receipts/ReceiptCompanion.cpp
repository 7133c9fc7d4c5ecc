#include "ReceiptCompanion.h"

#include "storage/ArchiveFile.h"
#include "storage/CompanionArchive.h"
#include "storage/DateText.h"
#include "storage/FieldBytes.h"
#include "storage/Text.h"

#include <algorithm>

namespace {

using X = TSchedaRicevutaExtra;

// The highest count the field's four digits hold.
constexpr int kMostPrints = 9999;

CompanionArchive companion(const QString& archivePath) {
    return CompanionArchive(archivePath, X::Size);
}

// Changes receipt p's record, as cleaned, under the companion's lock.
X change(const QString& archivePath, int position, const std::function<void(X&)>& edit) {
    const QByteArray saved =
        companion(archivePath).update(position, [&](ArchiveFile&, QByteArrayView current) {
            X r = RicevutaExtraCodec::decode(current).cleaned();
            edit(r);
            return RicevutaExtraCodec::encode(r);
        });
    return RicevutaExtraCodec::decode(saved);
}

} // namespace

namespace ReceiptCompanion {

TSchedaRicevutaExtra load(const QString& archivePath, int position, bool* damaged) {
    const X stored = RicevutaExtraCodec::decode(companion(archivePath).read(position));
    if (damaged)
        *damaged = stored.damaged();
    return stored.cleaned();
}

std::vector<Marks> marks(const QString& archivePath) {
    std::vector<Marks> marks;
    companion(archivePath).scan([&](int, QByteArrayView bytes) { marks.push_back(marksOf(bytes)); });
    return marks;
}

Marks marksOf(QByteArrayView record) {
    // What TSchedaRicevutaExtra::cleaned() keeps, decided on the stored bytes.
    static const FieldBytes method = FieldBytes::of(&X::MetodoPagamento);
    static const FieldBytes cancelled = FieldBytes::of(&X::Annullata);
    static const FieldBytes date = FieldBytes::of(&X::DataAnnullamento);
    static const FieldBytes prints = FieldBytes::of(&X::Stampe);
    static const QList<QByteArray> methods = [] {
        QList<QByteArray> bytes;
        for (const QString& m : X::methods())
            bytes << Text::toWin1252(m);
        return bytes;
    }();
    static const QByteArray yes = Text::toWin1252(QStringLiteral("Sì"));
    Marks marks;
    const QByteArrayView way = method.text(record);
    for (qsizetype i = 0; i < methods.size() && marks.method < 0; ++i)
        if (way == methods[i])
            marks.method = qint8(i);
    const QByteArrayView answer = cancelled.text(record);
    marks.cancelled = answer == yes;
    const QByteArrayView when = date.text(record);
    const QByteArrayView count = prints.text(record);
    marks.damaged = (!way.isEmpty() && marks.method < 0) ||
                    !(answer.isEmpty() || marks.cancelled || answer == "No") ||
                    !(when.isEmpty() || DateText::parse(when).isValid()) ||
                    !std::all_of(count.begin(), count.end(), [](char c) { return c >= '0' && c <= '9'; });
    return marks;
}

bool saveMethod(const QString& archivePath, ArchiveFile& receipts, int position, const QString& method) {
    const bool appended = position > receipts.count();
    CompanionArchive extra = companion(archivePath);
    if (!appended) {
        const X current = RicevutaExtraCodec::decode(extra.read(position)).cleaned();
        // A receipt saved before its way of payment was kept changes nothing here.
        if (current.cancelled() || current.MetodoPagamento == method)
            return !current.cancelled();
    }
    bool cancelled = false;
    extra.update(position, [&](ArchiveFile&, QByteArrayView stored) {
        if (appended) {
            X r;
            r.MetodoPagamento = method;
            r.Annullata = QStringLiteral("No");
            r.Stampe = QStringLiteral("0");
            return RicevutaExtraCodec::encode(r);
        }
        X r = RicevutaExtraCodec::decode(stored).cleaned();
        // Cancelled from another workstation since it was read: it stays as it is.
        cancelled = r.cancelled();
        if (!cancelled)
            r.MetodoPagamento = method;
        return cancelled ? stored.toByteArray() : RicevutaExtraCodec::encode(r);
    });
    return !cancelled;
}

TSchedaRicevutaExtra cancel(const QString& archivePath, int position, const QString& reason,
                            const QDate& date) {
    return change(archivePath, position, [&](X& r) {
        if (r.cancelled())
            return;
        r.Annullata = QStringLiteral("Sì");
        r.DataAnnullamento = DateText::format(date);
        r.MotivoAnnullamento = Text::trimBlanks(reason);
    });
}

int countPrint(const QString& archivePath, int position) {
    int before = 0;
    change(archivePath, position, [&](X& r) {
        before = r.prints();
        r.Stampe = QString::number(std::min(before + 1, kMostPrints));
    });
    return before;
}

void uncountPrint(const QString& archivePath, int position) {
    change(archivePath, position, [](X& r) { r.Stampe = QString::number(std::max(r.prints() - 1, 0)); });
}

QString damagedWarning(const QString& number, int position) {
    return QStringLiteral("Attenzione: i dati aggiuntivi della ricevuta n. %1 (posizione %2 dell'archivio) "
                          "non sono leggibili: il metodo di pagamento, l'annullamento o il numero di stampe "
                          "non validi sono stati ignorati.")
        .arg(Text::trimBlanks(number))
        .arg(position);
}

} // namespace ReceiptCompanion
