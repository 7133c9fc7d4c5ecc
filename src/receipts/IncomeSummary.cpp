#include "IncomeSummary.h"

#include "ReceiptCompanion.h"
#include "ReceiptLine.h"
#include "TSchedaRicevuta.h"
#include "app/DateLists.h"
#include "app/RecordFilter.h"
#include "storage/ArchiveFile.h"
#include "storage/ArchiveParts.h"
#include "storage/DateText.h"
#include "storage/FieldBytes.h"
#include "storage/Text.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

using R = TSchedaRicevuta;

const QString kInvalidDate =
    QStringLiteral("\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare "
                   "una data valida.");

// The emptiness checks, in their order after the year's.
struct Required {
    QString IncomeSummary::Request::*field;
    const char* control;
    const char* message;
};

constexpr Required kRequired[] = {
    {&IncomeSummary::Request::startDay, "txtGiornoInizio",
     "Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a cascata."},
    {&IncomeSummary::Request::startMonth, "txtMeseInizio",
     "Attenzione: indicare il mese di inizio intervallo selezionandolo dall'elenco a cascata."},
    {&IncomeSummary::Request::endDay, "txtGiornoFine",
     "Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a cascata."},
    {&IncomeSummary::Request::endMonth, "txtMeseFine",
     "Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a cascata."},
};

// Day + "/" + the month's two digits + "/" + year; a name that is no month gives "00".
QString dateText(const QString& day, const QString& month, const QString& year) {
    return Text::trimBlanks(day) + u'/' +
           QStringLiteral("%1").arg(DateLists::monthNumber(month), 2, 10, QLatin1Char('0')) + u'/' +
           Text::trimBlanks(year);
}

} // namespace

namespace IncomeSummary {

std::variant<Problem, Period> check(const Request& request) {
    // The year names the archive opened: a text set without typing must not name another file.
    if (!DateText::isYear(request.year))
        return Problem{QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."), false,
                       "txtAnno"};
    for (const Required& r : kRequired)
        if (Text::trimBlanks(request.*r.field).isEmpty())
            return Problem{QString::fromUtf8(r.message), false, r.control};

    Period period;
    period.startText = dateText(request.startDay, request.startMonth, request.year);
    period.endText = dateText(request.endDay, request.endMonth, request.year);
    period.start = DateText::parse(period.startText);
    period.end = DateText::parse(period.endText);
    if (!period.start.isValid())
        return Problem{QStringLiteral("Attenzione: la data ") + period.startText +
                           QStringLiteral(" di inizio intervallo non esiste.") + kInvalidDate,
                       true, "txtGiornoInizio"};
    if (!period.end.isValid())
        return Problem{QStringLiteral("Attenzione: la data ") + period.endText +
                           QStringLiteral(" di fine intervallo non esiste.") + kInvalidDate,
                       true, "txtGiornoFine"};
    if (period.start > period.end)
        return Problem{
            QStringLiteral("Attenzione: la data di fine intervallo (") + period.endText +
                QStringLiteral(") non può essere anteriore a quella di inizio intervallo (") +
                period.startText +
                QStringLiteral(").\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare "
                               "un intervallo di tempo valido."),
            true};
    return period;
}

Summary list(const QString& path, const QString& payer, const QString& sport, const Period& period) {
    static const FieldBytes date = FieldBytes::of(&R::DataRicevuta);
    static const FieldBytes total = FieldBytes::of(&R::ImportoTotale);
    RecordFilter filter;
    filter.add(payer, &R::Pagatore);
    filter.add(sport, &R::AttivitaSportiva);
    const qint64 first = period.start.toJulianDay();
    const qint64 last = period.end.toJulianDay();

    static const RecordLine line{kReceiptLine};
    static const QByteArray cancelledBytes = Text::toWin1252(QString::fromUtf16(kCancelledMark));
    // Which receipts are cancelled, read first in one pass.
    const std::vector<ReceiptCompanion::Marks> marks = ReceiptCompanion::marks(path);

    ArchiveFile file(path, R::Size);
    file.open(ArchiveFile::Access::Read);

    // A part of the archive's receipts summarised on its own, its total counted from nothing,
    // with the highest and the lowest that running total reached on the way.
    struct Part {
        Summary summary;
        qint64 highest = 0;
        qint64 lowest = 0;
        bool overflowed = false;
    };
    const auto summarisePart = [&](Part& part, int from, int records) {
        Summary& summary = part.summary;
        // Room for every receipt's line asked for at once: a year's list is never moved as it grows.
        summary.lines.reserve(records, records * (line.maxLength() + cancelledBytes.size()));
        file.scanRange(from, records, [&](int position, QByteArrayView block) {
            for (qsizetype at = 0; at < block.size() && !summary.stoppedAt; at += R::Size, ++position) {
                const QByteArrayView record = block.sliced(at, R::Size);
                if (!filter.matches(record))
                    continue;
                const QByteArrayView amountText = total.text(record);
                if (amountText.isEmpty())
                    continue;
                const QDate issued = DateText::parse(date.text(record));
                if (!issued.isValid()) {
                    summary.stoppedAt = position;
                    break;
                }
                if (issued.toJulianDay() < first || issued.toJulianDay() > last)
                    continue;
                const std::optional<Currency> amount = Currency::parse(amountText);
                Currency sum;
                part.overflowed =
                    amount && __builtin_add_overflow(summary.total.units, amount->units, &sum.units);
                if (!amount || part.overflowed) {
                    summary.stoppedAt = position;
                    break;
                }
                const ReceiptCompanion::Marks mark = position <= qsizetype(marks.size())
                                                         ? marks[std::size_t(position - 1)]
                                                         : ReceiptCompanion::Marks{};
                if (mark.damaged && !summary.damagedAt) {
                    summary.damagedAt = position;
                    summary.damagedNumber = ReceiptCodec::field(record, &R::NumeroRicevuta);
                }
                line.appendTo(summary.lines, record);
                if (mark.cancelled) {
                    ++summary.cancelled;
                    std::copy(cancelledBytes.begin(), cancelledBytes.end(),
                              summary.lines.extendLast(cancelledBytes.size()));
                    continue;
                }
                summary.total = sum;
                part.highest = std::max(part.highest, sum.units);
                part.lowest = std::min(part.lowest, sum.units);
            }
        });
    };
    // The parts put together in archive order, as if read in one: nothing after a part that
    // stopped. Nothing at all when the total may have gone past what it holds inside a part but
    // the first, where the part alone cannot tell at which receipt: the archive is then read
    // again in one part.
    const auto summarise = [&](int parts) -> std::optional<Summary> {
        std::vector<Part> read(static_cast<std::size_t>(parts));
        ArchiveParts::runAll(parts, file.count(), [&](int part, int from, int records) {
            summarisePart(read[std::size_t(part)], from, records);
        });
        Summary whole;
        for (Part& part : read) {
            qint64 bound;
            if (&part != &read.front() &&
                (part.overflowed || __builtin_add_overflow(whole.total.units, part.highest, &bound) ||
                 __builtin_add_overflow(whole.total.units, part.lowest, &bound)))
                return std::nullopt;
            whole.lines.adopt(std::move(part.summary.lines));
            whole.cancelled += part.summary.cancelled;
            if (!whole.damagedAt && part.summary.damagedAt) {
                whole.damagedAt = part.summary.damagedAt;
                whole.damagedNumber = part.summary.damagedNumber;
            }
            whole.total.units += part.summary.total.units;
            if (part.summary.stoppedAt) {
                whole.stoppedAt = part.summary.stoppedAt;
                break;
            }
        }
        if (whole.stoppedAt)
            whole.total = {};
        return whole;
    };
    if (std::optional<Summary> summary = summarise(ArchiveParts::kParts))
        return std::move(*summary);
    return *summarise(1);
}

QString cancelledText(int cancelled) {
    return cancelled == 1
               ? QStringLiteral("1 ricevuta annullata non è compresa nel totale.")
               : QStringLiteral("%1 ricevute annullate non sono comprese nel totale.").arg(cancelled);
}

QString totalText(Currency total) {
    const qint64 units = total.units < 0 ? -total.units : total.units;
    QString text = QString::number(units / Currency::kPerEuro);
    QString decimals = QStringLiteral("%1").arg(units % Currency::kPerEuro, 4, 10, QLatin1Char('0'));
    while (decimals.size() > 2 && decimals.endsWith(u'0'))
        decimals.chop(1);
    return (total.units < 0 ? QStringLiteral("-") : QString()) + text + u',' + decimals;
}

} // namespace IncomeSummary
