// What every fuzz harness needs around a tool's code: a private working
// directory to write into, silence on standard output, and argv built from
// the fuzzer's bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "common/names.h"

namespace lvforge::fuzz {

// Ends the run with `what` on standard error and an abort, which the fuzzer (or the corpus
// replay) reports with the input: the code under test broke a rule the harness checks.
[[noreturn]] void abort_because(const char* what);

// On the first call: moves the process into a fresh directory (under /dev/shm when it exists,
// else TMPDIR or /tmp), removed again at exit, and sends standard output to /dev/null.
void enter_scratch_dir();

// Writes `size` bytes to `name` in the current directory; aborts when it can't (the harness,
// not the code under test, is broken then).
void write_input(const char* name, const std::uint8_t* data, std::size_t size);

// Aborts unless the current directory holds exactly `names` (in any order): a run must leave
// no temporary file behind, whatever its input.
void expect_only(std::vector<std::string> names);

// Whole contents of the file `path`; aborts when it can't be read.
std::string read_file(const std::string& path);

// Files up to this size are compared byte for byte; larger ones by size only. Whatever a run
// finds in place before it starts is far smaller, so a large file is always one the run wrote.
inline constexpr std::uintmax_t kComparedSize = 1 << 16;

// One entry of a directory tree: a directory, or a file with its size and, when it is at most
// kComparedSize, its bytes. Outputs of hundreds of megabytes are not read at all.
struct Entry {
    bool directory = false;
    std::uintmax_t size = 0;
    std::string bytes;  // a small file's contents; empty otherwise
    bool operator==(const Entry&) const = default;
};
// Every entry under a directory, by its path relative to it ("sub/file").
using DirSnapshot = std::map<std::string, Entry>;

// What the current directory holds now, all the way down.
DirSnapshot snapshot_dir();

// Prints to standard error how `after` differs from `before` (names added, removed or changed);
// nothing when they are equal.
void print_differences(const DirSnapshot& before, const DirSnapshot& after);

// Empties the current directory, so that the next input starts from nothing.
void clear_dir();

// Aborts unless `names` hang together: attr_name is var_name with a-z upper-cased.
void expect_consistent(const OutputNames& names);

// A command line: argv[0] is the tool, then the words given.
class Argv {
   public:
    explicit Argv(std::vector<std::string> words);
    // The tool name, then the fuzzer's bytes split at each NUL byte (at most 64 words).
    Argv(const char* tool, const std::uint8_t* data, std::size_t size);
    int argc() const { return static_cast<int>(words_.size()); }
    // A fresh, writable argv each call (getopt may permute it), terminated by a null pointer.
    char** argv();

   private:
    std::vector<std::string> words_;
    std::vector<std::string> copies_;
    std::vector<char*> pointers_;
};

}  // namespace lvforge::fuzz
