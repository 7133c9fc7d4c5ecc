#pragma once

#include "Platform.h"

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

class QLabel;

// The browsing of every archive screen: first, previous, next and last record, and saving the
// record on screen in place or at the end. The position label is the single source of the current
// position: empty for a record not yet saved, else its position. Each operation opens the archive,
// works and closes it before any message; a failure shows the archive failure message in the
// screen's kind of box and leaves the screen as it was.
class RecordBrowser {
public:
    enum class Step { First, Previous, Next, Last };
    enum class Saved { Overwritten, Appended };
    // Puts a record on the screen, position label included.
    using Show = std::function<void(QByteArrayView record, int position)>;

    RecordBrowser(std::function<QString()> path, int recordSize, QLabel* position, Platform::Box failureBox);

    void browse(Step step, const Show& show) const;
    // Overwrites the record at the label's position, or appends it and shows its new position;
    // nothing when the archive failed.
    std::optional<Saved> save(QByteArrayView record) const;

    // What a step does, from the position label and the record count.
    struct Move {
        enum Kind { Load, Empty, EmptyAndClear, Stay } kind;
        int position = 0;
    };
    static Move move(Step step, const QString& label, int count);

private:
    std::function<QString()> m_path;
    int m_recordSize;
    QLabel* m_position;
    Platform::Box m_failureBox;
};
