// A job run on a thread of its own, with a small stack: the decoder ahead
// of the encoders, the preview's compressor beside them. When no thread can
// be had (an address-space limit, too many threads), the caller does the
// job itself instead: the work is the same, only not overlapped.
#pragma once

#include <pthread.h>

#include <functional>

namespace pixmint {

class Worker {
   public:
    // Starts `job` on a new thread; started() tells whether one could be had. The job must not
    // throw, nor allocate where running out of memory would throw: an exception on its thread
    // would end the process instead of reaching the run's answer to it.
    explicit Worker(std::function<void()> job);
    // Waits for the job to end.
    ~Worker();
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    // True when the job runs (or ran) on its own thread; false when it has not run at all.
    bool started() const { return started_; }
    // Waits for the job to end (at once when it never started).
    void join();

   private:
    std::function<void()> job_;
    pthread_t thread_{};
    bool started_ = false;
    bool joined_ = false;
};

}  // namespace pixmint
