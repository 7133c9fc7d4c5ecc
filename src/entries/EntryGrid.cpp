#include "EntryGrid.h"

#include "EntrySelection.h"
#include "storage/ArchiveFile.h"
#include "storage/FieldBytes.h"

namespace EntryGrid {

std::optional<GridRows> rows(const QString& path, const EntrySelection& selection) {
    static const auto fields = [] {
        std::array<FieldBytes, std::size(kTable)> located{};
        for (std::size_t i = 0; i < located.size(); ++i)
            located[i] = FieldBytes::of(kTable[i].member);
        return located;
    }();
    ArchiveFile file(path, TSchedaIngresso::Size);
    file.open(ArchiveFile::Access::Read);
    if (file.count() == 0)
        return std::nullopt;
    // Room for every record's fields at their longest: only what the rows fill takes memory.
    static const qsizetype rowCapacity = [] {
        qsizetype capacity = 0;
        for (const FieldBytes& field : fields)
            capacity += field.capacity;
        return capacity;
    }();
    GridRows grid(int(fields.size()));
    grid.reserve(file.count(), file.count() * rowCapacity);
    std::array<QByteArrayView, std::size(kTable)> cells;
    file.scan([&](int, QByteArrayView record) {
        if (!selection.matches(record))
            return;
        for (std::size_t i = 0; i < cells.size(); ++i)
            cells[i] = fields[i].text(record);
        grid.append(cells);
    });
    return grid;
}

} // namespace EntryGrid
