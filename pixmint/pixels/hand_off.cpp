#include "pixmint/pixels/hand_off.h"

namespace pixmint {

HandOff::HandOff(std::size_t slots, std::size_t slot_bytes)
    : buffers_(slots, std::vector<std::uint8_t>(slot_bytes)), sizes_(slots, 0), tags_(slots, 0) {}

std::uint8_t* HandOff::free_buffer() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return stopped_ || produced_ - consumed_ < buffers_.size(); });
    if (stopped_) return nullptr;
    return buffers_[produced_ % buffers_.size()].data();
}

void HandOff::publish(std::size_t size, std::uint64_t tag) {
    {
        const std::lock_guard lock(mutex_);
        sizes_[produced_ % buffers_.size()] = size;
        tags_[produced_ % buffers_.size()] = tag;
        ++produced_;
    }
    changed_.notify_all();
}

void HandOff::finish(bool ok) {
    {
        const std::lock_guard lock(mutex_);
        finished_ = true;
        ok_ = ok;
    }
    changed_.notify_all();
}

HandOff::Chunk HandOff::next() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return produced_ > consumed_ || finished_; });
    if (produced_ == consumed_) return {nullptr, 0, 0, ok_};
    const std::size_t slot = consumed_ % buffers_.size();
    return {buffers_[slot].data(), sizes_[slot], tags_[slot], true};
}

void HandOff::release() {
    {
        const std::lock_guard lock(mutex_);
        ++consumed_;
    }
    changed_.notify_all();
}

void HandOff::stop() {
    {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    changed_.notify_all();
}

}  // namespace pixmint
