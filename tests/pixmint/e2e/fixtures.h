// Small deterministic input images for the pixmint end-to-end tests.
#pragma once

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

// Path of the pixmint binary under test.
const char* pixmint_binary();

// Runs the pixmint binary under test with `args` in directory `cwd`, optionally under a file-size
// limit in bytes (-1: none).
lvforge::test::RunResult run_pixmint(const std::string& cwd, std::vector<std::string> args,
                                     long long file_size_limit = -1);

}  // namespace pixmint::test
