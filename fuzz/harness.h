// What every fuzz harness needs around a tool's code: a private working
// directory to write into, silence on standard output, and argv built from
// the fuzzer's bytes.
#pragma once

#include <cstddef>
#include <cstdint>
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
