#include "pixmint/pixels/worker.h"

namespace pixmint {

namespace {

// The jobs decode, encode and compress in buffers of their own; their calls stay shallow.
constexpr std::size_t kStackBytes = std::size_t{512} << 10;

extern "C" void* run_job(void* job) {
    (*static_cast<std::function<void()>*>(job))();
    return nullptr;
}

}  // namespace

Worker::Worker(std::function<void()> job) : job_(std::move(job)) {
    pthread_attr_t attr;
    if (pthread_attr_init(&attr) != 0) return;
    started_ = pthread_attr_setstacksize(&attr, kStackBytes) == 0 &&
               pthread_create(&thread_, &attr, run_job, &job_) == 0;
    pthread_attr_destroy(&attr);
}

Worker::~Worker() {
    join();
}

void Worker::join() {
    if (!started_ || joined_) return;
    pthread_join(thread_, nullptr);
    joined_ = true;
}

}  // namespace pixmint
