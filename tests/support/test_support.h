// Helpers for the end-to-end tests: temporary directories, file contents,
// and running a real binary with its standard output captured.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace lvforge::test {

// A fresh directory under the system temp dir, removed with its contents on destruction.
class TempDir {
   public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    // Absolute path of the directory.
    const std::string& path() const { return path_; }
    // Absolute path of `name` inside the directory.
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

   private:
    std::string path_;
};

// What a finished child process left behind.
struct RunResult {
    std::string out;  // everything it wrote on standard output
    std::string err;  // everything it wrote on standard error
    int status = -1;  // exit status, or 128 + signal number when it was killed
};

// Options for run().
struct RunOptions {
    std::string cwd = {};                // working directory of the child ("" keeps ours)
    long long file_size_limit = -1;      // RLIMIT_FSIZE for the child, in bytes (-1: unchanged)
    long long address_space_limit = -1;  // RLIMIT_AS for the child, in bytes (-1: unchanged)
    std::vector<std::pair<std::string, std::string>> env = {};  // variables set for the child, over ours
};

// SOURCE_DATE_EPOCH of every golden run, 2026-06-01 00:00:00 UTC: the banner
// year the golden files hold.
inline constexpr const char* kGoldenSourceDateEpoch = "1780272000";

// Runs `argv` (argv[0] is the program path) and waits for it.
RunResult run(const std::vector<std::string>& argv, const RunOptions& options = {});

// Whole contents of a file ("" if it can't be read).
std::string read_file(const std::string& path);
// Writes `data` to `path`, replacing it.
void write_file(const std::string& path, const std::string& data);
// True when `path` exists (any kind of file).
bool exists(const std::string& path);
// Names in a directory, sorted, without "." and "..".
std::vector<std::string> list_dir(const std::string& path);
// The current calendar year in UTC, as the generators print it in their banners.
int utc_year();
// Path of the stand-in lvgl.h of LVGL release `version` (tests/support/lvgl/v<version>/lvgl.h)
// that generated C is compiled against.
std::string lvgl_stand_in(int version);

}  // namespace lvforge::test
