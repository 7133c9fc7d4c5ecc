#pragma once

#include <exception>
#include <functional>

// An archive's records worked on in parts by this thread and another core at once: part k covers
// the k-th of `parts` equal shares of records 1..count, in archive order, and each thread takes
// the next part not yet taken, so that a core slowed by other programs on the machine takes fewer
// of them than the other. `work(part, first, records)` does one part.
namespace ArchiveParts {

// The threads taking parts: worker 0 is this thread, worker 1 the other. Each takes its parts in
// archive order.
constexpr int kWorkers = 2;

// Few enough that each part is long beside starting it, enough that a core running at half speed
// takes one part while the other takes three.
constexpr int kParts = 4;

// How a run of the parts ended: the first part in archive order that failed, and its error, when
// one did. The parts not yet started by then are left undone; every part before it is done.
struct Outcome {
    int failed = -1;
    std::exception_ptr error;
};

Outcome run(int parts, int count, const std::function<void(int part, int first, int records)>& work);
// The same, the first failure in archive order raised again once both threads are done.
void runAll(int parts, int count, const std::function<void(int part, int first, int records)>& work);
// The same for work that keeps what each thread finds apart, across the parts it takes: `worker`
// says which thread does the part.
void runAll(int parts, int count,
            const std::function<void(int worker, int part, int first, int records)>& work);

} // namespace ArchiveParts
