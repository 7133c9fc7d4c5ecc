#pragma once

#include "GridRows.h"
#include "storage/ArchiveFile.h"
#include "storage/ArchiveParts.h"
#include "storage/FieldBytes.h"
#include "storage/SpreadsheetExport.h"

#include <QVarLengthArray>

#include <exception>
#include <span>
#include <vector>

// One exported column of records R: its headers in the spreadsheet and in the preview grid, and
// the record field it shows; a column without a field shows what the grid's caller computes for
// the record's position (a field kept beside the archive).
template <class R> struct RecordColumn {
    SpreadsheetColumn column;
    QString R::*member = nullptr;
};

// The filter of a grid that lists every record.
struct EveryRecord {
    bool operator()(QByteArrayView) const { return true; }
};

// The cell of a column without a field, for a grid that has none.
struct NoComputedCell {
    QByteArrayView operator()(int) const { return {}; }
};

// Appends to `grid` the row of each record of the archive at `path` that `keep` keeps, in archive
// order, each cell its field's stored text without blanks at the ends, copied straight from the
// record's bytes, or for a column without a field `computed(position)`, Windows-1252 bytes that
// live as long as the call. The archive is listed in parts on two cores at once, so `keep` and
// `computed` must only read. Returns how many records the archive holds, kept or not. Raises
// StorageError when the archive cannot be read, `grid` then holding the rows of the records
// before the failure.
template <class R, class Keep = EveryRecord, class Computed = NoComputedCell>
qsizetype appendRecordRows(GridRows& grid, const QString& path, std::span<const RecordColumn<R>> columns,
                           Keep keep = {}, Computed computed = {}) {
    QVarLengthArray<FieldBytes, 32> fields;
    qsizetype rowCapacity = 0;
    for (const RecordColumn<R>& c : columns) {
        fields.append(c.member ? FieldBytes::of(c.member) : FieldBytes{});
        rowCapacity += fields.back().capacity;
    }
    ArchiveFile file(path, R::Size);
    file.open(ArchiveFile::Access::Read);
    const int count = file.count();
    const auto list = [&](GridRows& into, int first, int records) {
        // Room for every record's fields at their longest: only what the rows fill takes memory.
        into.reserve(records, records * rowCapacity);
        QVarLengthArray<QByteArrayView, 32> cells(fields.size());
        file.scanRange(first, records, [&](int position, QByteArrayView block) {
            for (qsizetype at = 0; at < block.size(); at += R::Size, ++position) {
                const QByteArrayView record = block.sliced(at, R::Size);
                if (!keep(record))
                    continue;
                for (qsizetype i = 0; i < fields.size(); ++i)
                    cells[i] = columns[i].member ? trimmedBytes(fields[i].text(record)) : computed(position);
                into.append(cells);
            }
        });
    };
    std::vector<GridRows> parts(ArchiveParts::kParts, GridRows(grid.columnCount()));
    const ArchiveParts::Outcome outcome = ArchiveParts::run(
        ArchiveParts::kParts, count,
        [&](int part, int first, int records) { list(parts[std::size_t(part)], first, records); });
    // After a failure the grid keeps the rows of the records before it.
    const std::size_t kept = outcome.error ? std::size_t(outcome.failed) + 1 : parts.size();
    for (std::size_t k = 0; k < kept; ++k)
        grid.adopt(std::move(parts[k]));
    if (outcome.error)
        std::rethrow_exception(outcome.error);
    return count;
}
