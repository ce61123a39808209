// The quantizer is a library pixmint loads only when a palette has to be
// quantized: every other run must start without it, and a run that needs it
// where it can't be loaded must fail with the palette message, losing nothing.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/pixmint/e2e/fixtures.h"
#include "tests/support/test_support.h"

namespace pixmint::test {
namespace {

using lvforge::test::read_file;
using lvforge::test::TempDir;

const std::string kEarlier = "/* an earlier, good output */\n";

// The images of the cases: a two-colour one, whose palettes are exact, and one of some hundred
// colours, more than indexed-4 holds.
void write_images(const TempDir& dir) {
    write_png(dir / "many.png", 32, 32, 4);
    write_png(dir / "two.png", 2, 1, 4);
}

// Whether a run quantizes, and so loads the quantizer.
const struct LoadCase {
    std::vector<std::string> args;
    bool quantizes;
} kCases[] = {
    {{"-p", "many.png", "-f", "true-color-alpha"}, false},
    {{"-p", "many.png", "-f", "alpha-4"}, false},
    {{"-p", "many.png", "-f", "raw"}, false},
    {{"-p", "two.png", "-f", "indexed-1"}, false},
    {{"-p", "many.png", "-f", "indexed-4"}, true},
    {{"-p", "many.png", "-f", "indexed-2", "--dither"}, true},
};

std::string describe(const std::vector<std::string>& args) {
    std::string s;
    for (const auto& a : args) s += a + ' ';
    return s;
}

TEST(QuantizerLoading, OnlyRunsThatQuantizeLoadIt) {
    TempDir dir;
    write_images(dir);
    for (const LoadCase& c : kCases) {
        std::vector<std::string> argv = c.args;
        argv.insert(argv.begin(), pixmint_binary());
        // The dynamic loader names on standard error every library it loads.
        const auto r = lvforge::test::run(argv, {.cwd = dir.path(), .env = {{"LD_DEBUG", "files"}}});
        EXPECT_EQ(r.status, 0) << describe(c.args) << r.out;
        const bool loaded = r.err.find("file=libimagequant.so.0") != std::string::npos;
        const bool omp = r.err.find("file=libgomp.so.1") != std::string::npos;
        EXPECT_EQ(loaded, c.quantizes) << describe(c.args);
        EXPECT_EQ(omp, c.quantizes) << describe(c.args);
    }
}

// The file the quantizer is loaded from here.
std::string quantizer_path() {
    void* lib = ::dlopen("libimagequant.so.0", RTLD_NOW | RTLD_LOCAL);
    if (lib == nullptr) return "";
    Dl_info info{};
    const bool found = ::dladdr(::dlsym(lib, "liq_attr_create"), &info) != 0 && info.dli_fname != nullptr;
    return found ? info.dli_fname : "";
}

TEST(QuantizerLoading, WithoutTheLibraryOnlyQuantizingRunsFailAndLoseNothing) {
    const std::string lib = quantizer_path();
    ASSERT_NE(lib, "");
    // In a mount namespace of its own, the run sees an empty file in place of the library.
    const std::vector<std::string> hide = {
        "/usr/bin/unshare", "--mount", "/bin/sh", "-c", "mount --bind /dev/null \"$0\" && exec \"$@\"", lib};
    std::vector<std::string> probe = hide;
    probe.push_back("/bin/true");
    if (lvforge::test::run(probe).status != 0) GTEST_SKIP() << "no mount namespace to hide the library in";

    TempDir dir;
    write_images(dir);
    for (const LoadCase& c : kCases) {
        lvforge::test::write_file(dir / "out.c", kEarlier);
        std::vector<std::string> argv = hide;
        argv.push_back(pixmint_binary());
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        argv.insert(argv.end(), {"-n", "out"});
        const auto r = lvforge::test::run(argv, {.cwd = dir.path()});
        EXPECT_EQ(r.err, "") << describe(c.args);
        if (c.quantizes) {
            EXPECT_EQ(r.out, "Error: Failed to build the palette.\n") << describe(c.args);
            EXPECT_EQ(r.status, 1) << describe(c.args);
            EXPECT_TRUE(read_file(dir / "out.c") == kEarlier) << describe(c.args);
        } else {
            EXPECT_EQ(r.status, 0) << describe(c.args) << r.out;
            EXPECT_TRUE(read_file(dir / "out.c") != kEarlier) << describe(c.args);
        }
        EXPECT_EQ(lvforge::test::list_dir(dir.path()),
                  (std::vector<std::string>{"many.png", "out.c", "two.png"}))
            << describe(c.args);
    }
}

}  // namespace
}  // namespace pixmint::test
