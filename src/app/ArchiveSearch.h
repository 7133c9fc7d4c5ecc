#pragma once

#include "LastRecordWithLine.h"
#include "Platform.h"
#include "PrintMessages.h"
#include "RecordFilter.h"
#include "RecordLine.h"
#include "ReportOutput.h"
#include "ResultListPanel.h"
#include "SearchDialog.h"
#include "TableColumn.h"
#include "reports/ReportError.h"
#include "storage/ArchiveFile.h"
#include "storage/ArchiveParts.h"
#include "storage/RecordLayout.h"
#include "storage/StorageError.h"
#include "storage/Text.h"

#include <algorithm>
#include <functional>
#include <span>
#include <vector>

// One filter of an archive search: its field on the filter panel, and the record field it is
// looked for in.
template <class R> struct ArchiveFilter {
    FieldRow row;
    QString R::*member;
};

// A text at the end of the lines of some records (a cancelled receipt), which a list reads beside
// the archive: `marked(path)` holds element p - 1 for record p, records past its end unmarked.
struct LineMark {
    const char16_t* text = nullptr;
    std::vector<bool> (*marked)(const QString& path) = nullptr;
};

// The lines of the records of the archive at `path` that pass every filter in use, in archive
// order: the scan of every archive search. `typed` holds the filters' texts in table order; each
// record that passes gives its line, written straight from its bytes, then `mark`'s text if it has
// one. The archive is listed in parts on two cores at once, and the list keeps the parts as they
// were built; each is built in the memory of a part of `lines`, an earlier list.
template <class R>
ResultLines filteredLines(const QString& path, std::span<const ArchiveFilter<R>> filters,
                          const QStringList& typed, const RecordLine& line, const LineMark& mark = {},
                          ResultLines lines = {}) {
    RecordFilter filter;
    for (std::size_t i = 0; i < filters.size(); ++i)
        filter.add(typed.value(qsizetype(i)), filters[i].member);
    const std::vector<bool> marked = mark.marked ? mark.marked(path) : std::vector<bool>{};
    const QByteArray markBytes = mark.text ? Text::toWin1252(QString::fromUtf16(mark.text)) : QByteArray();
    ArchiveFile file(path, R::Size);
    file.open(ArchiveFile::Access::Read);
    const auto list = [&](ResultLines& into, int first, int records) {
        into.clear();
        // Room for every record's line asked for at once: a long list is never moved as it grows.
        into.reserve(records, records * (line.maxLength() + markBytes.size()));
        file.scanRange(first, records, [&](int position, QByteArrayView block) {
            for (qsizetype at = 0; at < block.size(); at += R::Size, ++position) {
                const QByteArrayView record = block.sliced(at, R::Size);
                if (!filter.matches(record))
                    continue;
                line.appendTo(into, record);
                if (std::size_t(position) <= marked.size() && marked[std::size_t(position - 1)])
                    std::copy(markBytes.begin(), markBytes.end(), into.extendLast(markBytes.size()));
            }
        });
    };
    std::vector<ResultLines> parts(ArchiveParts::kParts);
    for (std::size_t k = parts.size() - 1; k > 0; --k)
        parts[k] = lines.takeLastPart();
    parts[0] = std::move(lines);
    ArchiveParts::runAll(ArchiveParts::kParts, file.count(), [&](int part, int first, int records) {
        list(parts[std::size_t(part)], first, records);
    });
    for (std::size_t k = 1; k < parts.size(); ++k)
        parts[0].adopt(std::move(parts[k]));
    return std::move(parts[0]);
}

// What sets one archive search apart from another besides its filters.
template <class R> struct ArchiveSearchSetup {
    const char* objectName; // "frmTrovaRic"
    const char* caption;    // UTF-8
    const char* hint;       // what a double click does, UTF-8
    const char* printTitle; // the printed list's title, UTF-8
    // The mode key in which a double click hands the record over; with none, the opener sets the
    // key for the user to read and every double click hands over.
    const char* mode;
    std::span<const LinePart<R>> line; // a record's line in the list
    const char* printFailed = nullptr; // UTF-8; the program's common warning when not given
    LineMark mark = {};
};

// The filter search of a screen that shows one archive of records R (an entries register, a
// receipt archive, the members, the training cards): the records that pass every filter in use are
// listed by their lines, the list prints as the program's list document, and a double click hands
// the last record giving the chosen line over to `open`, with its position.
template <class R> class ArchiveSearch : public SearchDialog {
public:
    using Open = std::function<void(const R& record, int position)>;

    template <std::size_t N>
    ArchiveSearch(QWidget* parent, const ArchiveSearchSetup<R>& setup, const ArchiveFilter<R> (&filters)[N],
                  QString path, Open open)
        : SearchDialog(parent, QString::fromUtf8(setup.caption), tableColumn(filters, &ArchiveFilter<R>::row),
                       QString::fromUtf8(setup.hint)),
          m_setup(setup), m_line(setup.line), m_filters(filters), m_path(std::move(path)),
          m_open(std::move(open)) {
        setObjectName(QString::fromLatin1(setup.objectName));
        if (setup.mode)
            setModeKey(QString::fromLatin1(setup.mode));
        results()->setPrintAction([this](const QStringList& lines) {
            try {
                ReportOutput::printList(QString::fromUtf8(m_setup.printTitle), lines, this);
            } catch (const ReportError&) {
                platform().message(Platform::Box::Warning, m_setup.printFailed
                                                               ? QString::fromUtf8(m_setup.printFailed)
                                                               : PrintMessages::kPrintFailed);
            }
        });
    }

protected:
    ResultLines search(const QStringList& typed, ResultLines lines) override {
        return filteredLines<R>(m_path, m_filters, typed, m_line, m_setup.mark, std::move(lines));
    }

    void handOver(const QString& line) override {
        if ((m_setup.mode && modeKey() != QLatin1String(m_setup.mode)) || line.isEmpty())
            return;
        // A marked line is found again by the record's own line.
        QString unmarked = line;
        if (m_setup.mark.text && unmarked.endsWith(QStringView(m_setup.mark.text)))
            unmarked.chop(QStringView(m_setup.mark.text).size());
        try {
            if (const auto found = lastRecordWithLine(m_path, R::Size, m_line, unmarked))
                m_open(RecordCodec<R>::decode(found->bytes), found->position);
        } catch (const StorageError&) {
            // The search just closes: the screen keeps what it showed.
        }
    }

private:
    const ArchiveSearchSetup<R>& m_setup;
    RecordLine m_line;
    std::span<const ArchiveFilter<R>> m_filters; // a screen's static table, like m_setup
    QString m_path;
    Open m_open;
};
