// lvforge inside other CMake builds: the installed package and its functions,
// rebuilds of exactly what changed, failing inputs, FetchContent and the .deb.
// Every test drives the real cmake, build tool and cpack in a temporary tree.
#include <gtest/gtest.h>
#include <stb_image.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "lvforge_version.h"
#include "tests/pixmint/e2e/fixtures.h"
#include "tests/support/test_support.h"

namespace fs = std::filesystem;
using lvforge::test::read_file;
using lvforge::test::TempDir;
using lvforge::test::write_file;

namespace {

const std::string kSource = LVFORGE_SOURCE_DIR;
const std::string kCmake = LVFORGE_CMAKE;

// What a command printed (standard output, then standard error) and its status.
struct Cmd {
    std::string text;
    int status;
};

Cmd sh(const std::vector<std::string>& argv, const std::string& cwd = "") {
    const lvforge::test::RunResult r = lvforge::test::run(argv, {cwd});
    return {r.out + r.err, r.status};
}

// Configures `src` into `build`, finding packages under `prefix`, with `extra` cache settings.
Cmd configure(const std::string& src, const std::string& build, const std::string& prefix,
              const std::string& generator = "Ninja", const std::vector<std::string>& extra = {}) {
    std::vector<std::string> argv = {kCmake, "-S", src,       "-B",
                                     build,  "-G", generator, "-DCMAKE_PREFIX_PATH=" + prefix};
    argv.insert(argv.end(), extra.begin(), extra.end());
    return sh(argv);
}

Cmd build(const std::string& dir) {
    return sh({kCmake, "--build", dir});
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A conf.json whose only item names its entry wrongly, and the same item set right.
const char kMismatchedConf[] =
    R"({"lvconf": [{"offset": 2, "name": "LV_COLOR_DEPT", "simulator_value": "32", "board_value": "16"}]})";
const char kGoodConf[] =
    R"({"lvconf": [{"offset": 2, "name": "LV_COLOR_DEPTH", "simulator_value": "32", "board_value": "16"}]})";

// The line examples/firmware prints for an image: what the program must see
// when the depth-32 section holds blue, green, red, alpha of every pixel.
std::string image_line(const std::string& name, const std::string& path, int comp, int cf) {
    int w = 0, h = 0, n = 0;
    stbi_uc* pixels = stbi_load(path.c_str(), &w, &h, &n, comp);
    if (pixels == nullptr) return "cannot decode " + path;
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < w * h; ++i) {
        const stbi_uc* p = pixels + i * comp;
        bytes.insert(bytes.end(), {p[2], p[1], p[0], comp == 4 ? p[3] : stbi_uc{0xff}});
    }
    stbi_image_free(pixels);
    std::uint32_t hash = 2166136261u;
    for (const std::uint8_t b : bytes) hash = (hash ^ b) * 16777619u;
    char line[200];
    std::snprintf(line, sizeof line, "%s: %dx%d cf %d, %zu bytes, fnv1a %08x, starts %02x %02x %02x %02x\n",
                  name.c_str(), w, h, cf, bytes.size(), hash, bytes[0], bytes[1], bytes[2], bytes[3]);
    return line;
}

// Everything examples/firmware must print, computed from its assets.
std::string expected_firmware_output(const std::string& example) {
    return "color depth: 32\n" + image_line("logo", example + "/assets/logo.png", 4, 5) +
           image_line("tile", example + "/assets/tile.bmp", 3, 4) +
           "intro_anim: " + std::to_string(fs::file_size(example + "/assets/intro.json")) + " bytes\n";
}

// Builds a copy of examples/firmware in `dir` ("fw src", "fw build": paths with
// spaces must work) against `prefix` and runs it; returns its output.
std::string build_and_run_example(const TempDir& dir, const std::string& prefix) {
    fs::copy(kSource + "/examples/firmware", dir / "fw src", fs::copy_options::recursive);
    const Cmd c = configure(dir / "fw src", dir / "fw build", prefix);
    if (c.status != 0) return "configure failed:\n" + c.text;
    const Cmd b = build(dir / "fw build");
    if (b.status != 0) return "build failed:\n" + b.text;
    const Cmd r = sh({dir / "fw build/firmware"});
    return r.status == 0 ? r.text : "firmware failed:\n" + r.text;
}

// Each test starts from lvforge as built for this test run, installed under a fresh prefix.
class Installed : public ::testing::Test {
   protected:
    void SetUp() override {
        const Cmd c = sh({kCmake, "--install", LVFORGE_BINARY_DIR, "--prefix", prefix});
        ASSERT_EQ(c.status, 0) << c.text;
    }
    TempDir dir;
    const std::string prefix = dir / "install prefix";  // paths with spaces must work
};

// ---- the example, built against an install ----

using FirmwareExample = Installed;

TEST_F(FirmwareExample, SeesTheImagesDataAndConfigurationItWasBuiltFrom) {
    const std::string output = build_and_run_example(dir, prefix);
    EXPECT_EQ(output, expected_firmware_output(dir / "fw src"));
    // lv_conf.h is setwright's simulator header, as MODE simulator asks.
    const std::string gen = dir / "fw build/lvforge/firmware";
    const std::string conf = read_file(gen + "/include/lv_conf.h");
    EXPECT_EQ(conf, read_file(gen + "/conf/simulator.h"));
    EXPECT_TRUE(contains(conf, "#define LV_COLOR_DEPTH 32\n"));
}

TEST_F(FirmwareExample, ChangingOneInputOrToolRegeneratesOnlyWhatDependsOnIt) {
    const std::string output = build_and_run_example(dir, prefix);
    ASSERT_EQ(output, expected_firmware_output(dir / "fw src"));
    const std::string gen = dir / "fw build/lvforge/firmware/";
    const std::vector<std::string> outputs = {"logo.c", "tile.c", "intro_anim.c", "include/lv_conf.h"};

    // Touches `input`, builds, and names the generated files that were rewritten.
    auto regenerated_by = [&](const std::string& input) {
        std::map<std::string, fs::file_time_type> before;
        for (const auto& o : outputs) before[o] = fs::last_write_time(gen + o);
        fs::last_write_time(input, fs::file_time_type::clock::now());
        const Cmd b = build(dir / "fw build");
        EXPECT_EQ(b.status, 0) << b.text;
        EXPECT_FALSE(contains(b.text, "color depth")) << "a successful step is silent:\n" << b.text;
        std::set<std::string> changed;
        for (const auto& o : outputs)
            if (fs::last_write_time(gen + o) != before[o]) changed.insert(o);
        return changed;
    };

    EXPECT_EQ(regenerated_by(dir / "fw src/assets/logo.png"), std::set<std::string>{"logo.c"});
    EXPECT_TRUE(contains(build(dir / "fw build").text, "no work to do")) << "a clean tree rebuilt something";
    EXPECT_EQ(regenerated_by(dir / "fw src/assets/tile.bmp"), std::set<std::string>{"tile.c"});
    EXPECT_EQ(regenerated_by(dir / "fw src/conf.json"), std::set<std::string>{"include/lv_conf.h"});
    EXPECT_EQ(regenerated_by(prefix + "/bin/animpack"), std::set<std::string>{"intro_anim.c"});
    EXPECT_EQ(regenerated_by(prefix + "/bin/pixmint"), (std::set<std::string>{"logo.c", "tile.c"}));
}

TEST_F(Installed, ALibraryPassesItsConfigurationHeaderToWhatLinksIt) {
    const std::string src = dir / "src";
    fs::create_directories(src);
    write_file(src + "/CMakeLists.txt",
               "cmake_minimum_required(VERSION 3.25)\nproject(layers C)\n"
               "find_package(lvforge CONFIG REQUIRED)\nadd_library(ui STATIC ui.c)\n"
               "lvforge_add_conf(ui conf.json MODE simulator)\n"
               "add_executable(app main.c)\ntarget_link_libraries(app PRIVATE ui)\n");
    // Both sides compile only with the generated header and the simple-include switch.
    const std::string check =
        "#include \"lv_conf.h\"\n#if LV_COLOR_DEPTH != 32 || !defined(LV_CONF_INCLUDE_SIMPLE)\n#error "
        "conf\n#endif\n";
    write_file(src + "/ui.c", check + "int ui(void) { return LV_COLOR_DEPTH; }\n");
    write_file(src + "/main.c", check + "int ui(void);\nint main(void) { return ui() - 32; }\n");
    write_file(src + "/conf.json", kGoodConf);
    ASSERT_EQ(configure(src, dir / "build", prefix).status, 0);
    const Cmd b = build(dir / "build");
    ASSERT_EQ(b.status, 0) << b.text;
    EXPECT_EQ(sh({dir / "build/app"}).status, 0);
}

// The host compiler with -m32 stands in for a cross compiler: the build
// reports 4-byte pointers and looks for packages only in its sysroot.
const char kCrossToolchain[] =
    "set(CMAKE_SYSTEM_NAME Generic)\nset(CMAKE_SYSTEM_PROCESSOR arm)\nset(CMAKE_C_COMPILER cc)\n"
    "set(CMAKE_C_FLAGS_INIT -m32)\nset(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)\n"
    "set(CMAKE_FIND_ROOT_PATH /nonexistent-sysroot)\nset(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)\n";

TEST_F(Installed, ACrossBuildForA32BitTargetRunsTheHostTools) {
    const std::string src = dir / "src";
    fs::create_directories(src);
    write_file(dir / "toolchain.cmake", kCrossToolchain);
    write_file(src + "/CMakeLists.txt",
               "cmake_minimum_required(VERSION 3.25)\nproject(cross C)\n"
               "if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)\n  message(FATAL_ERROR \"not a 32-bit build\")\nendif()\n"
               "find_package(lvforge CONFIG REQUIRED)\nadd_executable(app main.c)\n"
               "lvforge_add_image(app logo.png)\n");
    write_file(src + "/main.c", "int main(void) { return 0; }\n");
    pixmint::test::write_png(src + "/logo.png", 2, 2, 4);
    const Cmd c = configure(src, dir / "build", "", "Ninja",
                            {"-DCMAKE_TOOLCHAIN_FILE=" + dir / "toolchain.cmake",
                             "-Dlvforge_DIR=" + prefix + "/lib/cmake/lvforge"});
    ASSERT_EQ(c.status, 0) << c.text;
    const Cmd b = sh({kCmake, "--build", dir / "build", "--target", "lvforge/app/logo.c"});
    EXPECT_EQ(b.status, 0) << b.text;
    EXPECT_TRUE(lvforge::test::exists(dir / "build/lvforge/app/logo.c"));
}

// ---- LVGL added with add_subdirectory, the functions called from the top level ----

class SubdirectoryTarget : public Installed, public ::testing::WithParamInterface<const char*> {};

TEST_P(SubdirectoryTarget, GetsItsGeneratedFilesBeforeItsSourcesCompile) {
    const std::string src = dir / "src";
    fs::create_directories(src + "/lvgl");
    // The oldest CMake the package supports, and its policies.
    write_file(src + "/CMakeLists.txt",
               "cmake_minimum_required(VERSION 3.18)\nproject(layout C)\n"
               "find_package(lvforge CONFIG REQUIRED)\nadd_subdirectory(lvgl)\n"
               "lvforge_add_conf(lvgl conf.json)\nlvforge_add_image(lvgl logo.png)\n"
               "lvforge_add_data(lvgl anim.json)\n"
               "add_executable(app main.c)\ntarget_link_libraries(app PRIVATE lvgl)\n");
    // A stand-in LVGL: its own source and the generated ones all include lv_conf.h, which
    // must be the simulator header when MODE is left out.
    write_file(src + "/lvgl/CMakeLists.txt",
               "add_library(lvgl STATIC lv_core.c)\ntarget_include_directories(lvgl PUBLIC "
               "${CMAKE_CURRENT_SOURCE_DIR})\n");
    fs::copy(lvforge::test::lvgl_stand_in(7), src + "/lvgl/lvgl.h");
    write_file(
        src + "/lvgl/lv_core.c",
        "#include \"lvgl.h\"\n#if LV_USE_KELDRAN_SIMULATOR != 1\n#error not the simulator header\n#endif\n"
        "int lv_core(void) { return LV_COLOR_DEPTH; }\n");
    write_file(src + "/main.c",
               "#include \"lvgl.h\"\nextern const lv_img_dsc_t logo;\nextern const uint8_t anim[];\n"
               "int lv_core(void);\n"
               "int main(void) { return !(lv_core() == 32 && logo.header.w == 3 && anim[0] == '{'); }\n");
    write_file(src + "/conf.json", kGoodConf);
    write_file(src + "/anim.json", "{}");
    pixmint::test::write_png(src + "/logo.png", 3, 2, 4);

    const Cmd c = configure(src, dir / "build", prefix, GetParam());
    ASSERT_EQ(c.status, 0) << c.text;
    // In parallel, so that a missing order between a step and a compile shows.
    const Cmd b = sh({kCmake, "--build", dir / "build", "--parallel", "4"});
    ASSERT_EQ(b.status, 0) << b.text;
    EXPECT_EQ(sh({dir / "build/app"}).status, 0);
    const std::string gen = dir / "build/lvforge/lvgl/";
    EXPECT_EQ(read_file(gen + "include/lv_conf.h"), read_file(gen + "conf/simulator.h"));

    // Editing the image regenerates and recompiles it in the other directory's target.
    const auto before = fs::last_write_time(gen + "logo.c");
    pixmint::test::write_png(src + "/logo.png", 5, 2, 4);
    const Cmd again = build(dir / "build");
    ASSERT_EQ(again.status, 0) << again.text;
    EXPECT_NE(fs::last_write_time(gen + "logo.c"), before);
    EXPECT_NE(sh({dir / "build/app"}).status, 0) << "the app still sees the old 3-pixel-wide image";
}

INSTANTIATE_TEST_SUITE_P(Generators, SubdirectoryTarget, ::testing::Values("Ninja", "Unix Makefiles"),
                         [](const auto& param_info) {
                             return std::string(param_info.param) == "Ninja" ? "Ninja" : "Make";
                         });

TEST_F(Installed, AnOlderCMakeIsToldTheMinimumAtFindPackage) {
    const std::string src = dir / "src";
    fs::create_directories(src);
    // CMAKE_VERSION as an older CMake would report it.
    write_file(src + "/CMakeLists.txt",
               "cmake_minimum_required(VERSION 3.16)\nproject(old NONE)\nset(CMAKE_VERSION 3.17.5)\n"
               "find_package(lvforge CONFIG REQUIRED)\n");
    const Cmd c = configure(src, dir / "build", prefix);
    EXPECT_NE(c.status, 0);
    EXPECT_TRUE(contains(c.text, "lvforge needs CMake 3.18 or later; this is CMake 3.17.5.")) << c.text;
}

// ---- failing inputs fail every build until they are fixed ----

struct FailureCase {
    const char* label;
    const char* generator;
    const char* call;       // the function call under test
    const char* bad_input;  // file name, and its broken contents ("" for the oversize image)
    const char* bad_content;
    const char* good_content;  // "" for a small valid image
    const char* message;       // the tool's own message, which the build must show
    const char* output;        // generated file that must not be left behind
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.label;
}

class BuildFailure : public Installed, public ::testing::WithParamInterface<FailureCase> {};

void write_input(const std::string& path, const std::string& content, int width) {
    if (content.empty())
        pixmint::test::write_png(path, width, 1, 4);
    else
        write_file(path, content);
}

TEST_P(BuildFailure, FailsAgainOnTheNextBuildUntilTheInputIsFixed) {
    const FailureCase& c = GetParam();
    const std::string src = dir / "src";
    fs::create_directories(src);
    write_file(src + "/CMakeLists.txt",
               std::string("cmake_minimum_required(VERSION 3.25)\nproject(failing C)\n"
                           "find_package(lvforge CONFIG REQUIRED)\nadd_executable(app main.c)\n"
                           "target_include_directories(app PRIVATE ${CMAKE_SOURCE_DIR})\n") +
                   c.call + "\n");
    write_file(src + "/main.c", "int main(void) { return 0; }\n");
    fs::copy(lvforge::test::lvgl_stand_in(7), src + "/lvgl.h");
    write_file(src + "/lv_conf.h", "#define LV_COLOR_DEPTH 32\n");
    write_input(src + "/" + c.bad_input, c.bad_content, 2501);
    ASSERT_EQ(configure(src, dir / "build", prefix, c.generator).status, 0);

    for (int attempt = 1; attempt <= 2; ++attempt) {
        const Cmd b = build(dir / "build");
        EXPECT_NE(b.status, 0) << "build " << attempt << " passed:\n" << b.text;
        EXPECT_TRUE(contains(b.text, c.message)) << "build " << attempt << ":\n" << b.text;
        EXPECT_FALSE(lvforge::test::exists(dir / ("build/lvforge/app/" + std::string(c.output))))
            << "build " << attempt << " left " << c.output;
    }
    write_input(src + "/" + c.bad_input, c.good_content, 3);
    const Cmd fixed = build(dir / "build");
    EXPECT_EQ(fixed.status, 0) << fixed.text;
    EXPECT_TRUE(lvforge::test::exists(dir / ("build/lvforge/app/" + std::string(c.output))));
}

FailureCase failure_case(const char* label, const char* generator, bool image) {
    if (image)
        return {label,
                generator,
                "lvforge_add_image(app big.png)",
                "big.png",
                "",
                "",
                "Error: Image size out of limit. The width and height should not exceed 2500 !",
                "big.c"};
    return {label,
            generator,
            "lvforge_add_conf(app conf.json MODE simulator)",
            "conf.json",
            kMismatchedConf,
            kGoodConf,
            "\"LV_COLOR_DEPT\"(offset=2) isn't match with full_conf list",
            "include/lv_conf.h"};
}

INSTANTIATE_TEST_SUITE_P(Inputs, BuildFailure,
                         ::testing::Values(failure_case("OversizeImageNinja", "Ninja", true),
                                           failure_case("OversizeImageMake", "Unix Makefiles", true),
                                           failure_case("MismatchedConfNinja", "Ninja", false),
                                           failure_case("MismatchedConfMake", "Unix Makefiles", false)),
                         [](const auto& param_info) { return std::string(param_info.param.label); });

// ---- bad arguments stop the configure step with a clear message ----

TEST_F(Installed, BadFunctionArgumentsAreConfigureErrors) {
    const std::string src = dir / "src";
    fs::create_directories(src);
    write_file(src + "/CMakeLists.txt",
               "cmake_minimum_required(VERSION 3.25)\nproject(calls C)\n"
               "find_package(lvforge CONFIG REQUIRED)\nadd_executable(app main.c)\n"
               "add_library(iface INTERFACE)\ninclude(call.cmake)\n");
    write_file(src + "/main.c", "int main(void) { return 0; }\n");
    for (const char* name : {"logo.png", "my-logo.png"}) pixmint::test::write_png(src + "/" + name, 2, 2, 4);
    write_file(src + "/notes.txt", "x");
    write_file(src + "/icon.gif", "x");
    write_file(src + "/data.json", "{}");
    write_file(src + "/conf.json", kGoodConf);
    // A palette PNG with twelve entries in the artist's order.
    write_file(src + "/art.png", read_file(std::string(LVFORGE_SOURCE_DIR) +
                                           "/tests/golden/pixmint/keep_palette/order/in/art.png"));

    // Every valid form configures.
    write_file(src + "/call.cmake",
               "lvforge_add_image(app logo.png NAME a FORMAT true-color-alpha DEPTH 24 WIDTH 4 HEIGHT 2047 "
               "PREMULTIPLY)\nlvforge_add_image(app my-logo.png NAME b)\nlvforge_add_data(app data.json)\n"
               "lvforge_add_image(app logo.png NAME c FORMAT indexed-4 DITHER)\n"
               "lvforge_add_image(app art.png NAME d FORMAT indexed-auto KEEP_PALETTE)\n"
               "lvforge_add_conf(app conf.json VERSION 7.0.1 MODE board)\n"
               "lvforge_add_image(app logo.png NAME d8 FORMAT rgb565a8 LVGL 8)\n"
               "set(LVFORGE_LVGL_VERSION 8)\nlvforge_add_image(app logo.png NAME e FORMAT rgb565a8 DITHER)\n"
               "lvforge_add_image(app logo.png NAME f LVGL 7 DEPTH 16)\n"
               "lvforge_add_image(app logo.png NAME g FORMAT i4 LVGL 9 WIDTH 2500)\n");
    const Cmd ok = configure(src, dir / "build", prefix);
    ASSERT_EQ(ok.status, 0) << ok.text;
    // KEEP_PALETTE reaches pixmint: the twelve entries settle on 4 bits, the artist's first entry first.
    const Cmd kept = sh({kCmake, "--build", dir / "build", "--target", "lvforge/app/d.c"});
    ASSERT_EQ(kept.status, 0) << kept.text;
    const std::string d = read_file(dir / "build/lvforge/app/d.c");
    EXPECT_TRUE(contains(d, "  .header.cf = LV_IMG_CF_INDEXED_4BIT,\n")) << d;
    EXPECT_TRUE(
        contains(d, "16 colors of Blue, Green, Red, Alpha: 8 bit each*/\n  0x1e, 0x14, 0x0a, 0x00, \n"))
        << d;

    const std::vector<std::pair<std::string, std::string>> cases = {
        {"lvforge_add_image(app logo.png FORMAT rgb666)",
         "lvforge_add_image: FORMAT must be one of true-color, true-color-alpha, true-color-chroma-keyed, "
         "indexed-1, indexed-2, indexed-4, indexed-8, indexed-auto, alpha-1, alpha-2, alpha-4, alpha-8, raw, "
         "raw-alpha, raw-chroma-keyed, not 'rgb666'"},
        {"lvforge_add_image(app logo.png FORMAT rgb565)", "lvforge_add_image: LVGL 7 has no FORMAT rgb565"},
        {"lvforge_add_image(app logo.png FORMAT true-color LVGL 9)",
         "lvforge_add_image: LVGL 9 has no FORMAT true-color"},
        // v9 refuses -d, so DEPTH can't reach it.
        {"lvforge_add_image(app logo.png LVGL 9 DEPTH 16)",
         "lvforge_add_image: DEPTH does not apply to LVGL 9"},
        {"set(LVFORGE_LVGL_VERSION 9)\nlvforge_add_image(app logo.png FORMAT rgb565 PREMULTIPLY)",
         "lvforge_add_image: PREMULTIPLY does not support FORMAT rgb565 under LVGL 9"},
        {"lvforge_add_image(app art.png KEEP_PALETTE)",
         "lvforge_add_image: KEEP_PALETTE needs FORMAT indexed-1, indexed-2, indexed-4, indexed-8 or "
         "indexed-auto"},
        {"lvforge_add_image(app art.png FORMAT indexed-8 KEEP_PALETTE WIDTH 4)",
         "lvforge_add_image: KEEP_PALETTE keeps the image's own indices, so WIDTH, HEIGHT, PREMULTIPLY and "
         "DITHER "
         "do not apply"},
        {"lvforge_add_image(app art.png FORMAT indexed-auto DITHER KEEP_PALETTE)",
         "lvforge_add_image: KEEP_PALETTE keeps the image's own indices"},
        {"lvforge_add_image(app icon.gif FORMAT indexed-4 KEEP_PALETTE)",
         "lvforge_add_image: KEEP_PALETTE needs a palette PNG, not '"},
        {"lvforge_add_image(app art.png FORMAT indexed-auto PREMULTIPLY)",
         "lvforge_add_image: PREMULTIPLY does not support FORMAT indexed-auto"},
        {"lvforge_add_image(app logo.png FORMAT raw WIDTH 4)",
         "lvforge_add_image: FORMAT raw keeps the file as it is, so WIDTH, HEIGHT and PREMULTIPLY do not "
         "apply"},
        {"lvforge_add_image(app logo.png FORMAT alpha-2 PREMULTIPLY)",
         "lvforge_add_image: PREMULTIPLY does not support FORMAT alpha-2"},
        {"lvforge_add_image(app logo.png LVGL 6)", "lvforge_add_image: LVGL must be one of 7, 8, 9, not '6'"},
        {"lvforge_add_image(app logo.png LVGL)", "lvforge_add_image: LVGL needs a value"},
        {"set(LVFORGE_LVGL_VERSION 10)\nlvforge_add_image(app logo.png)",
         "lvforge_add_image: LVFORGE_LVGL_VERSION must be one of 7, 8, 9, not '10'"},
        {"lvforge_add_image(app logo.png FORMAT rgb565a8)",
         "lvforge_add_image: LVGL 7 has no FORMAT rgb565a8"},
        // The call's own LVGL wins over the project's default.
        {"set(LVFORGE_LVGL_VERSION 8)\nlvforge_add_image(app logo.png FORMAT rgb565a8 LVGL 7)",
         "lvforge_add_image: LVGL 7 has no FORMAT rgb565a8"},
        {"lvforge_add_image(app logo.png FORMAT rgb565a8 LVGL 8 PREMULTIPLY)",
         "lvforge_add_image: PREMULTIPLY does not support FORMAT rgb565a8"},
        {"lvforge_add_image(app logo.png DEPTH 32)",
         "lvforge_add_image: DEPTH must be one of 8, 16, 24, not '32'"},
        {"lvforge_add_image(app logo.png WIDTH 0)",
         "lvforge_add_image: WIDTH must be a whole number from 1 to 2047, not '0'"},
        {"lvforge_add_image(app logo.png HEIGHT 2048)",
         "lvforge_add_image: HEIGHT must be a whole number from 1 to 2047, not '2048'"},
        {"lvforge_add_image(app logo.png FORMAT i4 LVGL 9 HEIGHT 2501)",
         "lvforge_add_image: HEIGHT must be a whole number from 1 to 2500, not '2501'"},
        {"lvforge_add_image(app logo.png SIZE 4)", "lvforge_add_image: unexpected arguments: SIZE 4"},
        {"lvforge_add_image(app logo.png NAME)", "lvforge_add_image: NAME needs a value"},
        {"lvforge_add_image(app missing.png)", "/src/missing.png' does not exist"},
        {"lvforge_add_image(app notes.txt)", "notes.txt' does not end in .png, .bmp, .jpg, .gif or .svg"},
        {"lvforge_add_image(app my-logo.png)", "is not a C identifier (pass NAME <identifier>)"},
        {"lvforge_add_image(app logo.png NAME 9lives)",
         "lvforge_add_image: NAME '9lives' is not a C identifier"},
        {"lvforge_add_image(app logo.png)\nlvforge_add_data(app data.json NAME logo)",
         "lvforge_add_data: 'logo' is already generated for target 'app'"},
        {"lvforge_add_image(app logo.png PREMULTIPLY DEPTH 16 FORMAT true-color-alpha)",
         "lvforge_add_image: PREMULTIPLY does not support DEPTH 16 with FORMAT true-color-alpha"},
        {"lvforge_add_image(nosuch logo.png)", "lvforge_add_image: 'nosuch' is not a target"},
        {"lvforge_add_image(iface logo.png)",
         "lvforge_add_image: 'iface' must be an executable or a library"},
        {"lvforge_add_data(app data.json EXTRA)", "lvforge_add_data: unexpected arguments: EXTRA"},
        {"lvforge_add_conf(app conf.json MODE desktop)",
         "lvforge_add_conf: MODE must be one of simulator, board, not 'desktop'"},
        {"lvforge_add_conf(app conf.json VERSION seven)",
         "lvforge_add_conf: VERSION must be an LVGL version such as 7.0.1, not 'seven'"},
        {"lvforge_add_conf(app conf.json)\nlvforge_add_conf(app conf.json)",
         "lvforge_add_conf: target 'app' already has its configuration header from"},
    };
    for (const auto& [call, message] : cases) {
        write_file(src + "/call.cmake", call + "\n");
        const Cmd c = configure(src, dir / "build", prefix);
        EXPECT_NE(c.status, 0) << call;
        // CMake folds long messages; compare with the line breaks taken out.
        std::string text;
        std::istringstream lines(c.text);
        for (std::string line; std::getline(lines, line);) {
            const auto start = line.find_first_not_of(' ');
            if (start != std::string::npos) text += (text.empty() ? "" : " ") + line.substr(start);
        }
        EXPECT_TRUE(contains(text, message)) << call << "\n" << c.text;
    }
}

// ---- the LVGL release ----

TEST_F(Installed, TheLvglReleaseOfACallOrOfTheProjectReachesPixmint) {
    const std::string src = dir / "src";
    fs::create_directories(src);
    // rgb565a8 exists in LVGL 8 (and 9, in v9's layout): each image builds only if pixmint was told 8.
    write_file(src + "/CMakeLists.txt",
               "cmake_minimum_required(VERSION 3.25)\nproject(v8 C)\n"
               "find_package(lvforge CONFIG REQUIRED)\nadd_executable(app main.c)\n"
               "target_include_directories(app PRIVATE ${CMAKE_SOURCE_DIR})\n"
               "lvforge_add_image(app logo.png NAME by_call FORMAT rgb565a8 LVGL 8)\n"
               "set(LVFORGE_LVGL_VERSION 8)\n"
               "lvforge_add_image(app logo.png NAME by_default FORMAT rgb565a8)\n");
    fs::copy(lvforge::test::lvgl_stand_in(8), src + "/lvgl.h");
    write_file(src + "/lv_conf.h", "#define LV_COLOR_DEPTH 16\n");
    write_file(
        src + "/main.c",
        "#include \"lvgl.h\"\nextern const lv_img_dsc_t by_call, by_default;\n"
        "int main(void) {\n"
        "    return !(by_call.header.cf == LV_IMG_CF_RGB565A8 && by_call.data_size == 3 * 3 * 2 &&\n"
        "             by_default.header.cf == LV_IMG_CF_RGB565A8 && by_default.data_size == 3 * 3 * 2);\n"
        "}\n");
    pixmint::test::write_png(src + "/logo.png", 3, 2, 4);
    const Cmd c = configure(src, dir / "build", prefix);
    ASSERT_EQ(c.status, 0) << c.text;
    const Cmd b = build(dir / "build");
    ASSERT_EQ(b.status, 0) << b.text;
    EXPECT_EQ(sh({dir / "build/app"}).status, 0);
}

TEST_F(Installed, LvglNineWritesV9DescriptorsAndPremultipliesThroughPremultiply) {
    const std::string src = dir / "src";
    fs::create_directories(src);
    write_file(src + "/CMakeLists.txt",
               "cmake_minimum_required(VERSION 3.25)\nproject(v9 C)\n"
               "find_package(lvforge CONFIG REQUIRED)\nadd_executable(app main.c)\n"
               "target_include_directories(app PRIVATE ${CMAKE_SOURCE_DIR})\n"
               "lvforge_add_image(app logo.png NAME by_call FORMAT i4 LVGL 9 PREMULTIPLY)\n"
               "set(LVFORGE_LVGL_VERSION 9)\n"
               "lvforge_add_image(app logo.png NAME by_default)\n");
    fs::copy(lvforge::test::lvgl_stand_in(9), src + "/lvgl.h");
    write_file(src + "/main.c",
               "#include \"lvgl.h\"\nextern const lv_image_dsc_t by_call, by_default;\n"
               "int main(void) {\n"
               "    return !(by_call.header.cf == LV_COLOR_FORMAT_I4 &&\n"
               "             by_call.header.flags == LV_IMAGE_FLAGS_PREMULTIPLIED &&\n"
               "             by_default.header.cf == LV_COLOR_FORMAT_ARGB8888 && by_default.data_size == 3 * "
               "2 * 4);\n"
               "}\n");
    pixmint::test::write_png(src + "/logo.png", 3, 2, 4);
    const Cmd c = configure(src, dir / "build", prefix);
    ASSERT_EQ(c.status, 0) << c.text;
    const Cmd b = build(dir / "build");
    ASSERT_EQ(b.status, 0) << b.text;
    EXPECT_EQ(sh({dir / "build/app"}).status, 0);
}

// ---- lvforge built inside another project ----

TEST(FetchContent, TheExampleBuildsWithLvforgeFromSource) {
    TempDir dir;
    fs::create_directories(dir / "outer");
    fs::copy(kSource + "/examples/firmware", dir / "outer/firmware", fs::copy_options::recursive);
    write_file(dir / "outer/CMakeLists.txt",
               "cmake_minimum_required(VERSION 3.25)\nproject(outer C CXX)\ninclude(FetchContent)\n"
               "FetchContent_Declare(lvforge SOURCE_DIR \"" +
                   kSource +
                   "\" OVERRIDE_FIND_PACKAGE)\n"
                   "FetchContent_MakeAvailable(lvforge)\nadd_subdirectory(firmware)\n");
    const Cmd c = configure(dir / "outer", dir / "build", "");
    ASSERT_EQ(c.status, 0) << c.text;
    const Cmd b = build(dir / "build");
    ASSERT_EQ(b.status, 0) << b.text;
    const Cmd r = sh({dir / "build/firmware/firmware"});
    EXPECT_EQ(r.text, expected_firmware_output(dir / "outer/firmware"));
    // A project that includes lvforge does not install lvforge's tools with its own.
    const Cmd i = sh({kCmake, "--install", dir / "build", "--prefix", dir / "prefix"});
    EXPECT_EQ(i.status, 0) << i.text;
    EXPECT_FALSE(lvforge::test::exists(dir / "prefix/bin/pixmint"));
}

TEST(FetchContent, ACrossBuildIsToldToUseAnInstalledLvforge) {
    TempDir dir;
    write_file(dir / "toolchain.cmake", kCrossToolchain);
    write_file(dir / "CMakeLists.txt",
               "cmake_minimum_required(VERSION 3.25)\nproject(outer C)\ninclude(FetchContent)\n"
               "FetchContent_Declare(lvforge SOURCE_DIR \"" +
                   kSource + "\")\nFetchContent_MakeAvailable(lvforge)\n");
    const Cmd c = configure(dir.path(), dir / "build", "", "Ninja",
                            {"-DCMAKE_TOOLCHAIN_FILE=" + dir / "toolchain.cmake"});
    EXPECT_NE(c.status, 0);
    EXPECT_TRUE(contains(c.text, "lvforge: its tools must run on the build host")) << c.text;
}

// ---- the Debian package ----

TEST(DebianPackage, DeclaresItsLibrariesAndHoldsAUsableInstall) {
    TempDir dir;
    ASSERT_EQ(configure(kSource, dir / "build", "", "Ninja", {"-DCMAKE_BUILD_TYPE=Release"}).status, 0);
    const Cmd b = build(dir / "build");
    ASSERT_EQ(b.status, 0) << b.text;
    const Cmd p = sh({LVFORGE_CPACK, "-G", "DEB"}, dir / "build");
    ASSERT_EQ(p.status, 0) << p.text;
    std::string deb;
    for (const auto& e : fs::directory_iterator(dir.path() + "/build"))
        if (e.path().extension() == ".deb") deb = e.path();
    ASSERT_FALSE(deb.empty()) << p.text;

    const std::string arch = sh({"/usr/bin/env", "dpkg", "--print-architecture"}).text;
    EXPECT_EQ(sh({"/usr/bin/env", "dpkg-deb", "--field", deb, "Package", "Version", "Architecture"}).text,
              "Package: lvforge\nVersion: " LVFORGE_VERSION "\nArchitecture: " + arch);
    const std::string depends = sh({"/usr/bin/env", "dpkg-deb", "--field", deb, "Depends"}).text;
    for (const char* lib : {"libc6 (>=", "libcjson1 (>=", "librsvg2-2 (>= 2.52)", "libimagequant0 (>= 2.17)",
                            "libspng0 (>= 0.7)", "liblz4-1 (>= 1.9)"})
        EXPECT_TRUE(contains(depends, lib)) << lib << " missing from " << depends;
    // Linked into the tools (the C++ runtime, stb, zlib) or loaded by the quantizer: never a dependency.
    for (const char* lib : {"libasan", "libstdc++6", "libgcc-s1", "libstb0", "zlib1g", "libgomp1"})
        EXPECT_FALSE(contains(depends, lib)) << lib << " in " << depends;

    // Regular files in the package, by the last column of the listing.
    std::set<std::string> files;
    std::istringstream listing(sh({"/usr/bin/env", "dpkg-deb", "--contents", deb}).text);
    for (std::string line; std::getline(listing, line);)
        if (line[0] == '-') files.insert(line.substr(line.rfind(' ') + 1));
    const std::string cm = "./usr/lib/cmake/lvforge/";
    EXPECT_EQ(files, (std::set<std::string>{
                         "./usr/bin/animpack", "./usr/bin/pixmint", "./usr/bin/setwright",
                         "./usr/share/man/man1/animpack.1.gz", "./usr/share/man/man1/pixmint.1.gz",
                         "./usr/share/man/man1/setwright.1.gz", "./usr/share/doc/lvforge/copyright",
                         cm + "LvforgeFunctions.cmake", cm + "LvforgeRun.cmake", cm + "lvforgeConfig.cmake",
                         cm + "lvforgeConfigVersion.cmake", cm + "lvforgeTargets.cmake",
                         cm + "lvforgeTargets-release.cmake"}));

    // Unpacked anywhere, the package is a working install.
    ASSERT_EQ(sh({"/usr/bin/env", "dpkg-deb", "-x", deb, dir / "root"}).status, 0);
    TempDir example;
    const std::string output = build_and_run_example(example, dir / "root/usr");
    EXPECT_EQ(output, expected_firmware_output(example / "fw src"));
}

}  // namespace
