// Small deterministic input images for the pixmint end-to-end tests.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/test_support.h"

namespace pixmint::test {

// Pixels of a w x h image with `comp` components: a fixed pattern that
// differs in every component, so swapped or shifted bytes show.
std::vector<std::uint8_t> pattern(int w, int h, int comp);

// Writes `pattern(w, h, comp)` as PNG / BMP at `path`.
void write_png(const std::string& path, int w, int h, int comp);
void write_bmp(const std::string& path, int w, int h);
// Writes a w x h RGBA PNG of fixed pseudo-random noise: it barely compresses, so its outputs
// (and previews) are about as large as their pixels.
void write_noise_png(const std::string& path, int w, int h);

// Path of the pixmint binary under test.
const char* pixmint_binary();

// Runs the pixmint binary under test with `args` in directory `cwd`, optionally under a file-size
// limit in bytes (-1: none).
lvforge::test::RunResult run_pixmint(const std::string& cwd, std::vector<std::string> args,
                                     long long file_size_limit = -1);

// Starts the pixmint binary with `args` in directory `cwd` without waiting for it, its standard
// output and error discarded. Returns its process id (the caller reaps it).
pid_t start_pixmint(const std::string& cwd, std::vector<std::string> args);

}  // namespace pixmint::test
