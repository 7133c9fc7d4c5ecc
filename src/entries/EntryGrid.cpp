#include "EntryGrid.h"

#include "EntrySelection.h"

namespace EntryGrid {

std::optional<GridRows> rows(const QString& path, const EntrySelection& selection) {
    GridRows grid(int(std::size(kTable)));
    const qsizetype records = appendRecordRows<R>(
        grid, path, kTable, [&selection](QByteArrayView record) { return selection.matches(record); });
    if (records == 0)
        return std::nullopt;
    return grid;
}

} // namespace EntryGrid
