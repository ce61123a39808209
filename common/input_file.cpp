#include "common/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace lvforge {

Result<InputFile, ReadStatus> InputFile::open(const char* path) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer that never comes.
    UniqueFd fd(::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) return ReadStatus::open_failed;

    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return ReadStatus::length_failed;
    if (S_ISDIR(st.st_mode)) return ReadStatus::open_failed;
    if (!S_ISREG(st.st_mode) || st.st_size < 0) return ReadStatus::length_failed;
    InputFile file(std::move(fd));
    file.reported_size_ = static_cast<unsigned long long>(st.st_size);
    return file;
}

Result<std::size_t, ReadStatus> InputFile::read(char* buf, std::size_t n) {
    std::size_t got = 0;
    while (got < n) {
        const ssize_t r = ::read(fd_.get(), buf + got, n - got);
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) return ReadStatus::read_failed;
        if (r == 0) break;
        got += static_cast<std::size_t>(r);
    }
    return got;
}

}  // namespace lvforge
