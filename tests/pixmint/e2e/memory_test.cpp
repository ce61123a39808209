// pixmint when memory runs out: under a shrinking address-space limit every run must end with
// status 0 and its file, or with status 1, one of pixmint's messages and no file at all, never
// with a signal or std::terminate. Somewhere in the range the plain "not enough memory" answer
// must show, so the test can't pass by never reaching an allocation that fails.
#include <gtest/gtest.h>

#include <string>

#include "tests/pixmint/e2e/fixtures.h"
#include "tests/support/test_support.h"

namespace pixmint::test {
namespace {

using lvforge::test::list_dir;
using lvforge::test::TempDir;

// The messages a run may end with when an allocation fails: the steps with a message of their own
// (the decoder, the resampler, the quantizer, the compressor, the output buffer), and the general
// one.
bool is_memory_answer(const std::string& out) {
    for (const char* end :
         {"Error: not enough memory.\n", "Error: Failed to load the image\n",
          "Error: Failed to alloc memory for resize data.\n", "Error: Failed to build the palette.\n",
          "Error: Failed to compress the image.\n", "failed!\n"}) {
        const std::string tail(end);
        if (out.size() >= tail.size() && out.compare(out.size() - tail.size(), tail.size(), tail) == 0)
            return true;
    }
    return false;
}

TEST(Memory, EveryLimitEndsInTheFileOrAMessageAndNoFile) {
    struct Case {
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {{"-p", "img.png", "-f", "true-color-alpha"}},
        {{"-p", "img.png", "-f", "indexed-4", "--preview", "shown.png"}},
        {{"-p", "img.png", "-w", "300", "-f", "alpha-8"}},
        {{"--lvgl", "9", "-p", "img.png", "-f", "rgb565a8", "--compress", "lz4", "--preview", "shown.png"}},
        {{"--lvgl", "9", "-p", "img.png", "-w", "300", "-f", "i4"}},
    };
    TempDir source;
    write_png(source / "img.png", 600, 600, 4);
    const std::string png = lvforge::test::read_file(source / "img.png");
    bool saw_general_answer = false;
    for (const Case& c : cases) {
        // From too little to load the libraries to enough for the whole run, a MiB at a time.
        for (long long mib = 6; mib <= 26; ++mib) {
            TempDir dir;
            lvforge::test::write_file(dir / "img.png", png);
            const auto before = list_dir(dir.path());
            const auto r = lvforge::test::run(
                [&] {
                    std::vector<std::string> argv{PIXMINT_UNSANITIZED_BIN};
                    argv.insert(argv.end(), c.args.begin(), c.args.end());
                    return argv;
                }(),
                {.cwd = dir.path(), .address_space_limit = mib << 20});
            // Below some limit the dynamic loader can't map the libraries (or the first thread's
            // thread-local storage), or the OpenMP runtime can't set itself up before main, and
            // pixmint never starts: where that limit falls moves with the size of the binary.
            if (r.status == 127 && (r.err.find("error while loading shared libraries") != std::string::npos ||
                                    r.err.find("cannot allocate TLS data structures") != std::string::npos))
                continue;
            if (r.status == 1 && r.out.empty() && r.err.find("libgomp: Out of memory") != std::string::npos)
                continue;
            const std::string what = ::testing::PrintToString(c.args) + " at " + std::to_string(mib) + " MiB";
            ASSERT_TRUE(r.status == 0 || r.status == 1) << what << ": status " << r.status << "\n" << r.err;
            // A resize that runs out of memory is the one failure reported before the file is
            // written anyway, as a map array without pixels (see Acquired::resampling_failed).
            const std::string resize_failed = "Error: Failed to alloc memory for resize data.\n";
            // (v9 prints no depth line: an image without pixels writes the file, or prints nothing more.)
            const bool v9 = c.args.front() == "--lvgl";
            if (r.status == 1 && r.out.starts_with(resize_failed) &&
                (v9 || r.out.size() > resize_failed.size()) &&
                lvforge::test::list_dir(dir.path()) != before) {
                EXPECT_EQ(r.out.substr(resize_failed.size()), v9 ? "" : "color depth: 0\n") << what;
                EXPECT_EQ(lvforge::test::read_file(dir / "img.c").find("0x"), std::string::npos) << what;
            } else if (r.status == 1) {
                EXPECT_TRUE(is_memory_answer(r.out)) << what << ": " << r.out << " err: " << r.err;
                EXPECT_EQ(list_dir(dir.path()), before) << what << ": a failed run must leave no file";
            }
            if (r.out.find("Error: not enough memory.\n") != std::string::npos) saw_general_answer = true;
        }
    }
    EXPECT_TRUE(saw_general_answer) << "no limit reached an allocation without a message of its own";
}

}  // namespace
}  // namespace pixmint::test
