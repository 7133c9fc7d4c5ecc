#pragma once

#include <QString>

#include <atomic>

// Shared between a backup or restore running on a worker thread and the window that shows it:
// how far the work is, and whether the user asked to stop it.
class BackupControl {
public:
    std::atomic<int> permille{0};
    std::atomic<bool> cancelled{false};

    // Reports `fraction` (0 to 1) of the current step, which spans [from, to] of the whole.
    void report(double fraction) { permille = m_from + int((m_to - m_from) * fraction); }
    void step(int from, int to) {
        m_from = from;
        m_to = to;
        permille = from;
    }

private:
    int m_from = 0;
    int m_to = 1000;
};

// The end of a backup or a restore: the file it made, or why it failed (empty when it did not).
struct BackupOutcome {
    QString path;
    QString failure;
    bool ok() const { return failure.isEmpty(); }
};
