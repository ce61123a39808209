// Chunks handed from one thread to another through a few fixed buffers, in
// order: the producer fills a free buffer and publishes it, the consumer
// takes published buffers one after another and gives each back when done.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace pixmint {

class HandOff {
   public:
    // What a published buffer holds.
    struct Chunk {
        std::uint8_t* data = nullptr;  // null: the producer has ended (see `ok`)
        std::size_t size = 0;          // what the producer said it holds
        std::uint64_t tag = 0;         // what else the producer said of it
        bool ok = true;                // false: the producer ended because it failed
    };

    // `slots` buffers of `slot_bytes` each.
    HandOff(std::size_t slots, std::size_t slot_bytes);
    HandOff(const HandOff&) = delete;
    HandOff& operator=(const HandOff&) = delete;

    // Producer: the next free buffer, waiting for one; null once the consumer has stopped.
    std::uint8_t* free_buffer();
    // Producer: publishes the buffer free_buffer() gave last, holding `size` bytes, with `tag`.
    void publish(std::size_t size, std::uint64_t tag = 0);
    // Producer: no more buffers follow; `ok` false when it ended because it failed.
    void finish(bool ok);

    // Consumer: the next published buffer, waiting for it; data null once the producer finished.
    Chunk next();
    // Consumer: gives back the buffer next() gave last.
    void release();
    // Consumer: takes nothing more; a waiting or later free_buffer() returns null.
    void stop();

   private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::vector<std::uint8_t>> buffers_;
    std::vector<std::size_t> sizes_;
    std::vector<std::uint64_t> tags_;
    std::size_t produced_ = 0;  // buffers published so far
    std::size_t consumed_ = 0;  // buffers released so far
    bool finished_ = false;
    bool ok_ = true;
    bool stopped_ = false;
};

}  // namespace pixmint
