#include "RecordBrowser.h"

#include "ArchiveMessages.h"
#include "storage/ArchiveFile.h"
#include "storage/StorageError.h"

#include <QLabel>

namespace {

// The position shown by the label, 0 for a record not yet saved.
int positionOf(const QString& label) {
    if (label.isEmpty())
        return 0;
    bool ok = false;
    const int p = label.toInt(&ok);
    if (!ok || p < 1)
        throw StorageError("the position label holds no position");
    return p;
}

} // namespace

RecordBrowser::RecordBrowser(std::function<QString()> path, int recordSize, QLabel* position,
                             Platform::Box failureBox)
    : m_path(std::move(path)), m_recordSize(recordSize), m_position(position), m_failureBox(failureBox) {}

RecordBrowser::Move RecordBrowser::move(Step step, const QString& label, int count) {
    const int p = positionOf(label);
    switch (step) {
    case Step::First:
        return count == 0 ? Move{Move::Empty} : Move{Move::Load, 1};
    case Step::Last:
        return count == 0 ? Move{Move::Empty} : Move{Move::Load, count};
    case Step::Next:
        if (count == 0)
            return {Move::EmptyAndClear};
        return p < count ? Move{Move::Load, p + 1} : Move{Move::Stay};
    case Step::Previous:
        if (p == 1)
            return {Move::Stay};
        if (count == 0)
            return {Move::Empty};
        return {Move::Load, p <= 2 ? 1 : p - 1};
    }
    return {Move::Stay};
}

void RecordBrowser::browse(Step step, const Show& show) const {
    QByteArray record;
    Move m;
    try {
        ArchiveFile file(m_path(), m_recordSize);
        file.open(ArchiveFile::Access::Read);
        m = move(step, m_position->text(), file.count());
        if (m.kind == Move::Load) {
            file.seek(m.position);
            record = file.read();
        }
        file.close();
    } catch (const StorageError&) {
        platform().message(m_failureBox, ArchiveMessages::kFailure);
        return;
    }
    switch (m.kind) {
    case Move::Load:
        show(record, m.position);
        break;
    case Move::EmptyAndClear:
        m_position->clear();
        [[fallthrough]];
    case Move::Empty:
        platform().message(Platform::Box::Information, ArchiveMessages::kEmpty);
        break;
    case Move::Stay:
        break;
    }
}

std::optional<RecordBrowser::Saved> RecordBrowser::save(QByteArrayView record) const {
    int position = 0;
    try {
        position = positionOf(m_position->text());
        ArchiveFile file(m_path(), m_recordSize);
        file.open(ArchiveFile::Access::Write);
        if (position > 0) {
            file.seek(position);
            file.write(record);
        } else {
            position = file.append(record);
        }
        file.close();
    } catch (const StorageError&) {
        platform().message(m_failureBox, ArchiveMessages::kFailure);
        return std::nullopt;
    }
    const bool appended = m_position->text().isEmpty();
    m_position->setText(QString::number(position));
    return appended ? Saved::Appended : Saved::Overwritten;
}
