#include "common/safe_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "common/output_target.h"
#include "common/temp_file.h"

namespace lvforge {

namespace {

// Temporary names are this prefix and six random characters, short whatever the target's
// name, so that a target whose name the file system accepts never has a temporary it refuses.
constexpr const char* kTempPrefix = ".lvforge.";

// Permission bits a plain new file would get: 0666 under the process umask.
mode_t new_file_mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

// The directory part of `path` with its trailing '/', or "" when it has none.
std::string dir_part(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// True when the last component of `path` is longer than its directory's file system allows,
// or the whole path longer than the system's limit.
bool name_too_long(const std::string& path) {
    if (path.size() >= PATH_MAX) return true;
    const std::string dir = dir_part(path);
    const long name_max = ::pathconf(dir.empty() ? "." : dir.c_str(), _PC_NAME_MAX);
    return name_max > 0 && path.size() - dir.size() > static_cast<std::size_t>(name_max);
}

}  // namespace

SafeOutput::~SafeOutput() {
    discard();
}

Result<void, SafeOutput::Failure> SafeOutput::open(const char* path) {
    discard();
    path_ = path;
    failed_ = false;
    in_place_ = false;

    mode_t mode = new_file_mode();
    struct stat st {};
    if (::stat(path, &st) == 0) {
        // A directory in the way is reported before any work is done; the
        // rename at the end would fail on it anyway.
        if (S_ISDIR(st.st_mode)) return Failure::open_failed;
        // A device or FIFO (also behind a link, such as /dev/stdout) is written to, never
        // replaced by a regular file.
        if (!S_ISREG(st.st_mode)) return open_in_place();
        // Replace the file a symbolic link points at, not the link itself, which build trees
        // often rely on; the new file keeps the earlier one's permission bits.
        if (char* real = ::realpath(path, nullptr); real != nullptr) {
            path_ = real;
            std::free(real);
        }
        mode = st.st_mode & 0777;
    } else if (errno == ENOENT) {
        // A link to a file that does not exist yet creates that file.
        path_ = dangling_link_target(path_);
    }
    if (name_too_long(path_)) return Failure::open_failed;

    // An existing regular file is only ever replaced whole: when no temporary file can be made
    // beside it, the output fails and the earlier file stays as it was.
    auto temp = create_temp_file(dir_part(path_) + kTempPrefix + "XXXXXX");
    if (!temp.ok()) return Failure::open_failed;
    temp_path_ = std::move(temp.value().path);
    fd_ = std::move(temp.value().fd);
    if (::fchmod(fd_.get(), mode) != 0) failed_ = true;
    return {};
}

Result<void, SafeOutput::Failure> SafeOutput::open_in_place() {
    fd_ = UniqueFd(::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK, 0666));
    if (!fd_.valid()) return Failure::open_failed;
    // Blocking writes from here on; O_NONBLOCK only kept the open of a FIFO
    // without a reader from hanging.
    ::fcntl(fd_.get(), F_SETFL, ::fcntl(fd_.get(), F_GETFL) & ~O_NONBLOCK);
    in_place_ = true;
    return {};
}

bool SafeOutput::write(const void* data, std::size_t n) {
    if (!fd_.valid() || failed_) return false;
    const char* p = static_cast<const char*>(data);
    while (n > 0) {
        const ssize_t w = ::write(fd_.get(), p, n);
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

bool SafeOutput::write_at(std::uint64_t offset, const void* data, std::size_t n) {
    if (!positional() || failed_) return false;
    const char* p = static_cast<const char*>(data);
    while (n > 0) {
        const ssize_t w = ::pwrite(fd_.get(), p, n, static_cast<off_t>(offset));
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) {
            failed_ = true;
            return false;
        }
        p += w;
        n -= static_cast<std::size_t>(w);
        offset += static_cast<std::uint64_t>(w);
    }
    return true;
}

void SafeOutput::reserve(std::uint64_t size) {
    if (positional() && size > 0) ::fallocate(fd_.get(), 0, 0, static_cast<off_t>(size));
}

Result<void, SafeOutput::Failure> SafeOutput::finish() {
    if (fd_.valid()) {
        if (!fd_.close()) failed_ = true;
        if (failed_) {
            remove_temp();
            return Failure::write_failed;
        }
        finished_ = true;
    }
    if (finished_) return {};
    return failed_ ? Failure::write_failed : Failure::open_failed;
}

Result<void, SafeOutput::Failure> SafeOutput::commit() {
    if (auto finished = finish(); !finished.ok()) return finished;
    finished_ = false;
    if (!in_place_ && ::rename(temp_path_.c_str(), path_.c_str()) != 0) {
        remove_temp();
        return Failure::open_failed;
    }
    if (!temp_path_.empty()) forget_temp_file(temp_path_);
    temp_path_.clear();
    return {};
}

void SafeOutput::discard() {
    fd_.reset();
    finished_ = false;
    remove_temp();
}

void SafeOutput::remove_temp() {
    if (temp_path_.empty()) return;
    ::unlink(temp_path_.c_str());
    forget_temp_file(temp_path_);
    temp_path_.clear();
}

bool is_written_in_place(const char* path) {
    struct stat st {};
    return ::stat(path, &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
}

void ignore_file_size_signal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace lvforge
