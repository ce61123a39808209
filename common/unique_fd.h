// A file descriptor with one owner: closed exactly once, when its owner is done with it, and
// never copied, so two owners can't both close it.
#pragma once

#include <unistd.h>

#include <utility>

namespace lvforge {

class UniqueFd {
   public:
    // No descriptor.
    UniqueFd() = default;
    // Takes ownership of `fd` (-1: none).
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) {
            reset();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    // Closes the descriptor, if any, ignoring the outcome: close() is for when it matters.
    ~UniqueFd() { reset(); }

    // The descriptor, still owned here; -1 when there is none.
    int get() const { return fd_; }
    // True while a descriptor is held.
    bool valid() const { return fd_ >= 0; }
    // Closes the descriptor now and says whether the close succeeded: a write error the kernel
    // delayed shows only there. True when there was nothing to close.
    bool close() { return fd_ < 0 || ::close(std::exchange(fd_, -1)) == 0; }
    // Closes the descriptor, if any, ignoring the outcome (a file being abandoned).
    void reset() {
        if (fd_ >= 0) ::close(std::exchange(fd_, -1));
    }

   private:
    int fd_ = -1;
};

}  // namespace lvforge
