#include "common/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace lvforge {

Result<InputFile, ReadStatus> InputFile::open(const char* path) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer that never comes.
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return ReadStatus::open_failed;
    InputFile file(fd, 0);

    struct stat st {};
    if (::fstat(fd, &st) != 0) return ReadStatus::length_failed;
    if (S_ISDIR(st.st_mode)) return ReadStatus::open_failed;
    if (!S_ISREG(st.st_mode) || st.st_size < 0) return ReadStatus::length_failed;
    file.reported_size_ = static_cast<unsigned long long>(st.st_size);
    return file;
}

InputFile::InputFile(InputFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), reported_size_(other.reported_size_) {}

InputFile& InputFile::operator=(InputFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        reported_size_ = other.reported_size_;
    }
    return *this;
}

InputFile::~InputFile() {
    // Read only: nothing that closing could report is lost.
    if (fd_ >= 0) ::close(fd_);
}

Result<std::size_t, ReadStatus> InputFile::read(char* buf, std::size_t n) {
    std::size_t got = 0;
    while (got < n) {
        const ssize_t r = ::read(fd_, buf + got, n - got);
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) return ReadStatus::read_failed;
        if (r == 0) break;
        got += static_cast<std::size_t>(r);
    }
    return got;
}

}  // namespace lvforge
