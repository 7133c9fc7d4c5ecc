#include "RecordBrowser.h"

#include "ArchiveMessages.h"
#include "storage/ArchiveFile.h"
#include "storage/StorageError.h"

#include <QLabel>

RecordBrowser::RecordBrowser(std::function<QString()> path, int recordSize, QLabel* label, QString empty)
    : m_path(std::move(path)), m_recordSize(recordSize), m_label(label), m_empty(std::move(empty)) {}

QLabel* RecordBrowser::makeLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("lblPosizione"));
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(60);
    label->setFrameShape(QFrame::StyledPanel);
    // Read by a screen reader as the position itself, with what it is as the description.
    label->setAccessibleDescription(QStringLiteral("Posizione in archivio"));
    return label;
}

void RecordBrowser::setPosition(int position) {
    m_position = position;
    m_label->setText(position > 0 ? QString::number(position) : QString());
}

RecordBrowser::Move RecordBrowser::move(Step step, int p, int count) {
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

void RecordBrowser::browse(Step step, Platform::Box failureBox, const Show& show) {
    QByteArray record;
    Move m;
    try {
        ArchiveFile file(m_path(), m_recordSize);
        file.open(ArchiveFile::Access::Read);
        m = move(step, m_position, file.count());
        if (m.kind == Move::Load) {
            file.seek(m.position);
            record = file.read();
        }
        file.close();
    } catch (const StorageError&) {
        platform().message(failureBox, ArchiveMessages::kFailure);
        return;
    }
    switch (m.kind) {
    case Move::Load:
        show(record, m.position);
        break;
    case Move::EmptyAndClear:
        setPosition(0);
        [[fallthrough]];
    case Move::Empty:
        platform().message(Platform::Box::Information, m_empty);
        break;
    case Move::Stay:
        break;
    }
}

std::optional<RecordBrowser::Saved> RecordBrowser::save(QByteArrayView screen, Platform::Box failureBox,
                                                        const Settle& settle) {
    int position = m_position;
    try {
        ArchiveFile file(m_path(), m_recordSize);
        file.open(ArchiveFile::Access::Write);
        QByteArray record = screen.toByteArray();
        if (settle && !settle(file, position, record)) {
            file.close();
            return Saved::Withheld;
        }
        if (position > 0) {
            file.seek(position);
            file.write(record);
        } else {
            position = file.append(record);
        }
        file.close();
    } catch (const StorageError&) {
        platform().message(failureBox, ArchiveMessages::kFailure);
        return std::nullopt;
    }
    const Saved saved = m_position > 0 ? Saved::Overwritten : Saved::Appended;
    setPosition(position);
    return saved;
}

std::optional<int> RecordBrowser::count(Platform::Box failureBox) const {
    try {
        ArchiveFile file(m_path(), m_recordSize);
        file.open(ArchiveFile::Access::Read);
        const int n = file.count();
        file.close();
        return n;
    } catch (const StorageError&) {
        platform().message(failureBox, ArchiveMessages::kFailure);
        return std::nullopt;
    }
}
