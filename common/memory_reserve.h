// Room set aside so that running out of memory can always be reported: a
// std::bad_alloc must itself be allocated when it is thrown, and where the
// C++ runtime could not set aside its own emergency memory at start-up (a
// process started under a tight memory limit) the throw would end the run in
// std::terminate instead of in the tool's message.
#pragma once

#include <cstddef>
#include <new>
#include <utility>

#include "common/failure_text.h"
#include "common/result.h"

namespace lvforge {

// Holds the reserve for its lifetime: the first allocation through operator new that fails
// releases it and throws std::bad_alloc, so that the exception and what the run does to report it
// (unwinding, removing its temporary files, printing) have memory to use. One at a time per
// process, since it installs the process's new-handler.
class MemoryReserve {
   public:
    // Sets the reserve aside; ok() is false when even that could not be had.
    MemoryReserve();
    MemoryReserve(const MemoryReserve&) = delete;
    MemoryReserve& operator=(const MemoryReserve&) = delete;
    // Releases the reserve if it is still held and restores the earlier new-handler.
    ~MemoryReserve();

    // True when the reserve is held: a failed allocation can then be reported.
    bool ok() const { return ok_; }

   private:
    bool ok_ = false;
    std::new_handler previous_ = nullptr;
};

// Memory ran out where no step has a message of its own.
struct OutOfMemory {};

// Runs `body` (returning an exit status) with a reserve held. Returns its status, or OutOfMemory
// when the reserve could not be had or a std::bad_alloc no step answered reached here. The owners
// unwound on the way out have removed the run's temporary files by then, so the caller only
// prints its message.
template <class Body>
Result<int, OutOfMemory> run_unless_out_of_memory(Body&& body) {
    const MemoryReserve reserve;
    if (!reserve.ok()) return OutOfMemory{};
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return OutOfMemory{};
    }
}

// The exit status of `body` run as run_unless_out_of_memory() runs it, for a tool's top level:
// when memory ran out, `print` (the tool's own printer) is given out_of_memory_message() and the
// status is 1.
template <class Body, class Print>
int exit_status_unless_out_of_memory(Body&& body, Print&& print) {
    const auto status = run_unless_out_of_memory(std::forward<Body>(body));
    if (status.ok()) return status.value();
    print(out_of_memory_message());
    return 1;
}

// The allocation the quantizer and other C libraries are given: like operator new, it releases the
// reserve and throws std::bad_alloc when memory has run out, and never returns null.
void* allocate_or_throw(std::size_t size);
// Releases what allocate_or_throw() returned.
void release_allocation(void* p);

}  // namespace lvforge
