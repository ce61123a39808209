#include "fuzz/harness.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace lvforge::fuzz {

namespace {

std::string& scratch_path() {
    static std::string path;
    return path;
}

void remove_scratch_dir() {
    std::error_code ignored;
    std::filesystem::remove_all(scratch_path(), ignored);
}

}  // namespace

void abort_because(const char* what) {
    std::fprintf(stderr, "fuzz harness: %s\n", what);
    std::abort();
}

void enter_scratch_dir() {
    if (!scratch_path().empty()) return;
    const char* base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : std::getenv("TMPDIR");
    std::string dir = std::string(base != nullptr ? base : "/tmp") + "/lvforge-fuzz-XXXXXX";
    if (::mkdtemp(dir.data()) == nullptr || ::chdir(dir.c_str()) != 0) abort_because("no scratch directory");
    scratch_path() = dir;
    std::atexit(remove_scratch_dir);
    if (std::freopen("/dev/null", "w", stdout) == nullptr) abort_because("can't silence stdout");
}

void write_input(const char* name, const std::uint8_t* data, std::size_t size) {
    std::FILE* f = std::fopen(name, "wb");
    if (f == nullptr) abort_because("can't create the input file");
    const bool ok = (size == 0 || std::fwrite(data, 1, size, f) == size);
    if (std::fclose(f) != 0 || !ok) abort_because("can't write the input file");
}

void expect_only(std::vector<std::string> names) {
    std::vector<std::string> found;
    DIR* dir = ::opendir(".");
    if (dir == nullptr) abort_because("can't list the scratch directory");
    while (const dirent* e = ::readdir(dir)) {
        const std::string_view n = e->d_name;
        if (n != "." && n != "..") found.emplace_back(n);
    }
    ::closedir(dir);
    std::sort(found.begin(), found.end());
    std::sort(names.begin(), names.end());
    if (found != names) {
        for (const auto& n : found) std::fprintf(stderr, "left in the scratch directory: %s\n", n.c_str());
        abort_because("the run left other files than expected");
    }
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) abort_because("can't open a file in the scratch directory");
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        abort_because("can't read a file in the scratch directory");
    }
    return bytes;
}

DirSnapshot snapshot_dir() {
    namespace fs = std::filesystem;
    DirSnapshot out;
    for (const auto& e : fs::recursive_directory_iterator(".")) {
        std::string name = e.path().lexically_relative(".").generic_string();
        if (e.is_directory()) {
            out.emplace(std::move(name), Entry{true, 0, {}});
            continue;
        }
        const std::uintmax_t size = e.file_size();
        out.emplace(std::move(name),
                    Entry{false, size, size <= kComparedSize ? read_file(e.path().string()) : std::string()});
    }
    return out;
}

void print_differences(const DirSnapshot& before, const DirSnapshot& after) {
    for (const auto& [name, entry] : before) {
        const auto found = after.find(name);
        if (found == after.end()) {
            std::fprintf(stderr, "removed: %s\n", name.c_str());
        } else if (!(found->second == entry)) {
            std::fprintf(stderr, "changed: %s\n", name.c_str());
        }
    }
    for (const auto& [name, entry] : after) {
        if (!before.contains(name)) std::fprintf(stderr, "added: %s\n", name.c_str());
    }
}

void clear_dir() {
    namespace fs = std::filesystem;
    std::error_code error;
    for (const auto& e : fs::directory_iterator(".")) {
        fs::remove_all(e.path(), error);
        if (error) abort_because("can't empty the scratch directory");
    }
}

void expect_consistent(const OutputNames& names) {
    std::string upper = names.var_name;
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    if (upper != names.attr_name) abort_because("attr_name is not var_name upper-cased");
}

Argv::Argv(std::vector<std::string> words) : words_(std::move(words)) {}

Argv::Argv(const char* tool, const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kMaxWords = 64;
    words_.emplace_back(tool);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (words_.size() <= kMaxWords) {
        const std::size_t end = bytes.find('\0', start);
        words_.emplace_back(
            bytes.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
}

char** Argv::argv() {
    copies_ = words_;
    pointers_.clear();
    for (auto& w : copies_) pointers_.push_back(w.data());
    pointers_.push_back(nullptr);
    return pointers_.data();
}

}  // namespace lvforge::fuzz
