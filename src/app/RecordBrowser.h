#pragma once

#include "Platform.h"

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

class ArchiveFile;
class QLabel;
class QWidget;

// The browsing of every archive screen: first, previous, next and last record, and saving the
// record on screen in place or at the end. The browser holds the screen's position, 0 for a record
// not yet saved; the position label `lblPosizione` only shows it (empty for 0). Each operation
// opens the archive, works and closes it before any message; a failure shows the archive failure
// message in the box the caller names and leaves the screen as it was.
class RecordBrowser {
public:
    enum class Step { First, Previous, Next, Last };
    // Withheld: the settling step kept the record out of the archive.
    enum class Saved { Overwritten, Appended, Withheld };
    // Puts a record on the screen; the screen records the position with setPosition().
    using Show = std::function<void(QByteArrayView record, int position)>;

    // `empty` is what browsing an archive without records says.
    RecordBrowser(std::function<QString()> path, int recordSize, QLabel* label, QString empty);
    // The position label of an archive screen, as every screen shows it.
    static QLabel* makeLabel(QWidget* parent);

    int position() const { return m_position; }
    void setPosition(int position);

    void browse(Step step, Platform::Box failureBox, const Show& show);
    // Decides what a save writes from what the archive holds, under its exclusive lock: may change
    // the record, or return false to write nothing. `position` is where it goes, 0 for the end.
    // The lock is held meanwhile, so it waits for nobody and shows nothing.
    using Settle = std::function<bool(ArchiveFile& file, int position, QByteArray& record)>;

    // Overwrites the record at the held position, or appends it and holds its new position;
    // nothing when the archive failed.
    std::optional<Saved> save(QByteArrayView record, Platform::Box failureBox, const Settle& settle = {});
    // The number of records, or nothing when the archive failed.
    std::optional<int> count(Platform::Box failureBox) const;

    // What a step does from a position and the record count.
    struct Move {
        enum Kind { Load, Empty, EmptyAndClear, Stay } kind;
        int position = 0;
    };
    static Move move(Step step, int position, int count);

private:
    std::function<QString()> m_path;
    int m_recordSize;
    QLabel* m_label;
    QString m_empty;
    int m_position = 0;
};
