#pragma once

#include "Dialog.h"
#include "LastRecordWithLine.h"
#include "RecordLine.h"
#include "RecordScreen.h"
#include "storage/StorageError.h"

#include <QDate>

#include <functional>
#include <span>

class ResultListPanel;

// What sets one list shown on opening apart from another besides its lines.
struct OpeningListSetup {
    const char* objectName;            // "frmTessereScadute"
    const char* caption;               // UTF-8
    const char* printTitle;            // the printed list's title, UTF-8
    const char* printFailed = nullptr; // UTF-8; the program's common warning when not given
};

// A list of records needing attention, built each time it opens (the expired cards and
// certificates, the trainings still running): the sorted lines, the in-list finder, the printed
// list under its title, and a double click that loads the record into the screen that opened it.
class OpeningListDialog : public Dialog {
    Q_OBJECT
public:
    // Appends the lines of the records listed on `today`; may raise StorageError, the list then
    // showing the lines found before the failure and the user learning it is short.
    using List = std::function<void(ResultLines& lines, const RecordLine& line, const QDate& today)>;

    template <class R>
    OpeningListDialog(RecordScreen<R>* screen, const OpeningListSetup& setup,
                      std::span<const LinePart<R>> line, List list)
        : OpeningListDialog(static_cast<QWidget*>(screen), setup, RecordLine(line), std::move(list)) {
        m_handOver = [this, screen](const QString& chosen) {
            // Every record is compared, listed or not: the last one giving the line is loaded.
            try {
                if (const auto found = lastRecordWithLine(R::path(), R::Size, m_line, chosen))
                    screen->showRecord(RecordCodec<R>::decode(found->bytes), found->position);
            } catch (const StorageError&) {
                // The dialog just closes: the screen keeps what it showed.
            }
        };
    }

protected:
    ResultListPanel* results() const { return m_results; }
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    OpeningListDialog(QWidget* parent, const OpeningListSetup& setup, RecordLine line, List list);

    RecordLine m_line;
    List m_list;
    std::function<void(const QString& line)> m_handOver;
    ResultListPanel* m_results;
};
