// The quantizer (libimagequant), the PNG writer and palette reader (libspng)
// and the LZ4 compressor (liblz4) are libraries pixmint loads only on the
// routes that need them: every other run must start without them, and a run
// that needs one where it can't be loaded must fail with that step's message,
// losing nothing.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/pixmint/e2e/fixtures.h"
#include "tests/support/test_support.h"

namespace pixmint::test {
namespace {

using lvforge::test::read_file;
using lvforge::test::TempDir;

const std::string kEarlier = "/* an earlier, good output */\n";

// The libraries loaded at run time: the soname, a call to find its file by, and the message of a
// run that needs it when it can't be loaded.
struct Library {
    const char* soname;
    const char* symbol;
    const char* failure;
};
const Library kQuantizer{"libimagequant.so.0", "liq_attr_create", "Error: Failed to build the palette.\n"};
const Library kSpng{"libspng.so.0", "spng_ctx_new", "Error: Failed to load the image\n"};
const Library kLz4{"liblz4.so.1", "LZ4_compress_HC", "Error: Failed to compress the image.\n"};

// The inputs of the cases: a two-colour image, whose palettes are exact, one of some hundred
// colours, more than indexed-4 holds, and a palette PNG.
void write_images(const TempDir& dir) {
    write_png(dir / "many.png", 32, 32, 4);
    write_png(dir / "two.png", 2, 1, 4);
    std::filesystem::copy_file(
        std::string(LVFORGE_SOURCE_DIR) + "/tests/golden/pixmint/keep_palette/bits_8_interlaced/in/in.png",
        dir / "pal.png");
}

// The libraries each run loads.
const struct LoadCase {
    std::vector<std::string> args;
    std::vector<const Library*> loads;
} kCases[] = {
    {{"-p", "many.png", "-f", "true-color-alpha"}, {}},
    {{"-p", "many.png", "-f", "alpha-4"}, {}},
    {{"-p", "many.png", "-f", "raw"}, {}},
    {{"-p", "two.png", "-f", "indexed-1"}, {}},
    {{"-p", "pal.png", "-f", "indexed-8"}, {}},
    {{"-p", "many.png", "-f", "indexed-4"}, {&kQuantizer}},
    {{"-p", "many.png", "-f", "indexed-2", "--dither"}, {&kQuantizer}},
    {{"-p", "pal.png", "-f", "indexed-8", "--keep-palette"}, {&kSpng}},
    {{"-p", "many.png", "--lvgl", "9", "--compress", "rle"}, {}},
    {{"-p", "many.png", "--lvgl", "9", "--compress", "lz4"}, {&kLz4}},
};

std::string describe(const std::vector<std::string>& args) {
    std::string s;
    for (const auto& a : args) s += a + ' ';
    return s;
}

bool loads(const LoadCase& c, const Library& lib) {
    for (const Library* l : c.loads)
        if (l == &lib) return true;
    return false;
}

TEST(LibraryLoading, OnlyRunsThatNeedALibraryLoadIt) {
    TempDir dir;
    write_images(dir);
    for (const LoadCase& c : kCases) {
        std::vector<std::string> argv = c.args;
        argv.insert(argv.begin(), pixmint_binary());
        // The dynamic loader names on standard error every library it loads.
        const auto r = lvforge::test::run(argv, {.cwd = dir.path(), .env = {{"LD_DEBUG", "files"}}});
        EXPECT_EQ(r.status, 0) << describe(c.args) << r.out;
        for (const Library* lib : {&kQuantizer, &kSpng, &kLz4}) {
            const bool loaded = r.err.find(std::string("file=") + lib->soname) != std::string::npos;
            EXPECT_EQ(loaded, loads(c, *lib)) << describe(c.args) << lib->soname;
        }
        // The OpenMP runtime comes with the quantizer, never on its own.
        EXPECT_EQ(r.err.find("file=libgomp.so.1") != std::string::npos, loads(c, kQuantizer))
            << describe(c.args);
    }
}

// The file `lib` is loaded from here.
std::string library_path(const Library& lib) {
    void* handle = ::dlopen(lib.soname, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return "";
    Dl_info info{};
    const bool found = ::dladdr(::dlsym(handle, lib.symbol), &info) != 0 && info.dli_fname != nullptr;
    return found ? info.dli_fname : "";
}

TEST(LibraryLoading, WithoutALibraryOnlyRunsThatNeedItFailAndLoseNothing) {
    for (const Library* hidden : {&kQuantizer, &kSpng, &kLz4}) {
        const std::string path = library_path(*hidden);
        ASSERT_NE(path, "") << hidden->soname;
        // In a mount namespace of its own, the run sees an empty file in place of the library.
        const std::vector<std::string> hide = {"/usr/bin/unshare",
                                               "--mount",
                                               "/bin/sh",
                                               "-c",
                                               "mount --bind /dev/null \"$0\" && exec \"$@\"",
                                               path};
        std::vector<std::string> probe = hide;
        probe.push_back("/bin/true");
        if (lvforge::test::run(probe).status != 0) GTEST_SKIP() << "no mount namespace to hide a library in";

        TempDir dir;
        write_images(dir);
        for (const LoadCase& c : kCases) {
            const std::string what = describe(c.args) + "without " + hidden->soname;
            lvforge::test::write_file(dir / "out.c", kEarlier);
            std::vector<std::string> argv = hide;
            argv.push_back(pixmint_binary());
            argv.insert(argv.end(), c.args.begin(), c.args.end());
            argv.insert(argv.end(), {"-n", "out"});
            const auto r = lvforge::test::run(argv, {.cwd = dir.path()});
            EXPECT_EQ(r.err, "") << what;
            if (loads(c, *hidden)) {
                EXPECT_EQ(r.out, hidden->failure) << what;
                EXPECT_EQ(r.status, 1) << what;
                EXPECT_TRUE(read_file(dir / "out.c") == kEarlier) << what;
            } else {
                EXPECT_EQ(r.status, 0) << what << r.out;
                EXPECT_TRUE(read_file(dir / "out.c") != kEarlier) << what;
            }
            EXPECT_EQ(lvforge::test::list_dir(dir.path()),
                      (std::vector<std::string>{"many.png", "out.c", "pal.png", "two.png"}))
                << what;
        }
    }
}

}  // namespace
}  // namespace pixmint::test
