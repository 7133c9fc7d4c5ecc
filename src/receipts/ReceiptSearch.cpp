#include "ReceiptSearch.h"

#include "ReceiptLine.h"
#include "TSchedaRicevuta.h"
#include "app/RecordFilter.h"
#include "storage/ArchiveFile.h"

namespace {

using R = TSchedaRicevuta;

constexpr QString R::*kFiltered[] = {
    &R::NumeroRicevuta,         &R::DataRicevuta,        &R::Pagatore,   &R::CodiceFiscalePagatore,
    &R::AttivitaSportiva,       &R::PeriodoDal,          &R::Praticante, &R::DataNascitaPraticante,
    &R::LuogoNascitaPraticante, &R::IndirizzoPraticante,
};
static_assert(std::size(kFiltered) == ReceiptSearch::kFilters);

} // namespace

namespace ReceiptSearch {

ResultLines lines(const QString& path, const QStringList& filters) {
    RecordFilter filter;
    for (std::size_t i = 0; i < std::size(kFiltered); ++i)
        filter.add(filters.value(int(i)), kFiltered[i]);
    ResultLines found;
    ArchiveFile::scanFile(path, R::Size, [&](int, QByteArrayView record) {
        if (filter.matches(record))
            ReceiptLine::appendTo(found, record);
    });
    return found;
}

} // namespace ReceiptSearch
