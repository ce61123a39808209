#include "common/memory_reserve.h"

#include <cstdlib>

namespace lvforge {

namespace {

// Enough for the exception, the unwinding and the message, several times over; below the size at
// which malloc maps memory of its own, so that once freed it serves the small allocations that
// follow.
constexpr std::size_t kReserveSize = 64 * 1024;

// The new-handler is a plain function, so the reserve it releases is kept here: the one place
// that knows of it, set and cleared by MemoryReserve alone.
void* g_reserve = nullptr;

// Called by operator new when an allocation fails: gives the reserve back and stops retrying.
void release_reserve_and_throw() {
    std::free(g_reserve);
    g_reserve = nullptr;
    std::set_new_handler(nullptr);
    throw std::bad_alloc();
}

}  // namespace

MemoryReserve::MemoryReserve() {
    g_reserve = std::malloc(kReserveSize);
    if (g_reserve == nullptr) return;
    ok_ = true;
    previous_ = std::set_new_handler(release_reserve_and_throw);
}

MemoryReserve::~MemoryReserve() {
    if (!ok_) return;
    std::free(g_reserve);
    g_reserve = nullptr;
    std::set_new_handler(previous_);
}

void* allocate_or_throw(std::size_t size) {
    return ::operator new(size);
}

void release_allocation(void* p) {
    ::operator delete(p);
}

}  // namespace lvforge
