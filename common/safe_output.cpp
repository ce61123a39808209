#include "safe_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace lvforge {

namespace {

// Permission bits a plain new file would get: 0666 under the process umask.
mode_t new_file_mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

}  // namespace

SafeOutput::~SafeOutput() { discard(); }

bool SafeOutput::open(const char* path) {
    discard();
    path_ = path;
    failed_ = false;
    in_place_ = false;

    struct stat st {};
    if (::lstat(path, &st) == 0 && S_ISLNK(st.st_mode)) {
        // Replace the file a symbolic link points at, not the link itself,
        // which build trees often rely on.
        if (char* real = ::realpath(path, nullptr); real != nullptr) {
            path_ = real;
            std::free(real);
        }
    }
    if (::stat(path_.c_str(), &st) == 0) {
        // A directory in the way is reported before any work is done; the
        // rename at the end would fail on it anyway.
        if (S_ISDIR(st.st_mode)) return false;
        // A device or FIFO is written to, never replaced by a regular file.
        if (!S_ISREG(st.st_mode)) return open_in_place();
    }

    const std::string::size_type slash = path_.rfind('/');
    const std::string dir = (slash == std::string::npos) ? std::string() : path_.substr(0, slash + 1);
    const std::string base = (slash == std::string::npos) ? path_ : path_.substr(slash + 1);
    temp_path_ = dir + "." + base + ".tmp.XXXXXX";
    fd_ = ::mkstemp(temp_path_.data());
    if (fd_ >= 0) {
        if (::fchmod(fd_, new_file_mode()) != 0) failed_ = true;
        return true;
    }
    temp_path_.clear();

    // No temporary file can be made in that directory (it may be read-only
    // while the file itself is writable): fall back to writing in place.
    return open_in_place();
}

bool SafeOutput::open_in_place() {
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd_ < 0) return false;
    // Blocking writes from here on; O_NONBLOCK only kept the open of a FIFO
    // without a reader from hanging.
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    in_place_ = true;
    return true;
}

bool SafeOutput::write(const void* data, std::size_t n) {
    if (fd_ < 0 || failed_) return false;
    const char* p = static_cast<const char*>(data);
    while (n > 0) {
        const ssize_t w = ::write(fd_, p, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            failed_ = true;
            return false;
        }
        if (w == 0) {
            failed_ = true;
            return false;
        }
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

SafeOutput::Status SafeOutput::commit() {
    if (fd_ < 0) return Status::open_failed;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) failed_ = true;
    if (failed_) {
        if (!temp_path_.empty()) ::unlink(temp_path_.c_str());
        temp_path_.clear();
        return Status::write_failed;
    }
    if (!in_place_ && ::rename(temp_path_.c_str(), path_.c_str()) != 0) {
        ::unlink(temp_path_.c_str());
        temp_path_.clear();
        return Status::open_failed;
    }
    temp_path_.clear();
    return Status::ok;
}

void SafeOutput::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_path_.empty()) {
        ::unlink(temp_path_.c_str());
        temp_path_.clear();
    }
}

void ignore_file_size_signal() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace lvforge
