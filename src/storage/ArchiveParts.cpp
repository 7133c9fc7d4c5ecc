#include "ArchiveParts.h"

#include <QtGlobal>

#include <atomic>
#include <future>
#include <mutex>

namespace ArchiveParts {

namespace {

Outcome runByWorker(int parts, int count,
                    const std::function<void(int worker, int part, int first, int records)>& work) {
    std::atomic<int> next = 0;
    std::atomic<bool> stop = false;
    std::mutex failing;
    Outcome outcome;
    const auto takeParts = [&](int worker) {
        for (int part; !stop && (part = next++) < parts;) {
            const int first = int(qint64(count) * part / parts) + 1;
            const int end = int(qint64(count) * (part + 1) / parts) + 1;
            try {
                work(worker, part, first, end - first);
            } catch (...) {
                const std::lock_guard lock(failing);
                if (outcome.failed < 0 || part < outcome.failed)
                    outcome = {part, std::current_exception()};
                stop = true;
            }
        }
    };
    auto other = std::async(std::launch::async, takeParts, 1);
    takeParts(0);
    other.get();
    return outcome;
}

} // namespace

Outcome run(int parts, int count, const std::function<void(int part, int first, int records)>& work) {
    return runByWorker(parts, count,
                       [&work](int, int part, int first, int records) { work(part, first, records); });
}

void runAll(int parts, int count, const std::function<void(int part, int first, int records)>& work) {
    if (const Outcome outcome = run(parts, count, work); outcome.error)
        std::rethrow_exception(outcome.error);
}

void runAll(int parts, int count,
            const std::function<void(int worker, int part, int first, int records)>& work) {
    if (const Outcome outcome = runByWorker(parts, count, work); outcome.error)
        std::rethrow_exception(outcome.error);
}

} // namespace ArchiveParts
