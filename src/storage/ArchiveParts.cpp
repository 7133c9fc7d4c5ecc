#include "ArchiveParts.h"

#include <QtGlobal>

#include <algorithm>
#include <atomic>
#include <future>
#include <mutex>

namespace ArchiveParts {

Outcome run(int parts, int count, const std::function<void(int part, int first, int records)>& work) {
    std::atomic<int> next = 0;
    std::atomic<bool> stop = false;
    std::mutex failing;
    Outcome outcome;
    const auto takeParts = [&] {
        for (int part; !stop && (part = next++) < parts;) {
            const int first = int(qint64(count) * part / parts) + 1;
            const int end = int(qint64(count) * (part + 1) / parts) + 1;
            try {
                work(part, first, end - first);
            } catch (...) {
                const std::lock_guard lock(failing);
                if (outcome.failed < 0 || part < outcome.failed)
                    outcome = {part, std::current_exception()};
                stop = true;
            }
        }
    };
    auto other = std::async(std::launch::async, takeParts);
    takeParts();
    other.get();
    return outcome;
}

void runAll(int parts, int count, const std::function<void(int part, int first, int records)>& work) {
    if (const Outcome outcome = run(parts, count, work); outcome.error)
        std::rethrow_exception(outcome.error);
}

} // namespace ArchiveParts
