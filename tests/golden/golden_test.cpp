// The golden end-to-end cases of all three tools. Every directory
// tests/golden/<tool>/<case>/ is one test: the real binary runs with the
// case's `args` in a fresh directory holding a copy of its in/, and its
// standard output, exit status and files must match the case byte for byte.
// The layout is described in tests/golden/README.md.
//
// LVFORGE_UPDATE_GOLDEN=1 rewrites `stdout`, `status` and `out/` from what the
// runs produced instead of comparing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/test_support.h"

namespace {

namespace fs = std::filesystem;
using lvforge::test::read_file;
using lvforge::test::write_file;

struct Tool {
    const char* name;
    const char* binary;
};
constexpr Tool kTools[] = {
    {"pixmint", PIXMINT_BIN}, {"setwright", SETWRIGHT_BIN}, {"animpack", ANIMPACK_BIN}};

// `text` with every %XX (two hex digits) turned into that byte.
std::string percent_decode(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The lines of a case file, each percent-decoded; every line ends in LF.
std::optional<std::vector<std::string>> decoded_lines(const std::string& path) {
    const std::string text = read_file(path);
    if (!text.empty() && text.back() != '\n') return std::nullopt;
    std::vector<std::string> lines;
    for (std::size_t start = 0, nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1) {
        lines.push_back(percent_decode(text.substr(start, nl - start)));
    }
    return lines;
}

// What a directory holds: regular files by their contents, directories as
// "<dir>", anything else by its kind, keyed by path relative to the root.
using Tree = std::map<std::string, std::string>;
constexpr const char* kDirectory = "<dir>";

Tree snapshot(const fs::path& root) {
    Tree tree;
    if (!fs::exists(root)) return tree;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
        const std::string rel = fs::relative(e.path(), root).generic_string();
        if (e.is_symlink()) {
            tree[rel] = "<symlink to " + fs::read_symlink(e.path()).string() + ">";
        } else if (e.is_directory()) {
            tree[rel] = kDirectory;
        } else if (e.is_regular_file()) {
            tree[rel] = read_file(e.path().string());
        } else {
            tree[rel] = "<special file>";
        }
    }
    return tree;
}

// Where two texts first differ, for a readable failure on large files.
std::string first_difference(const std::string& expected, const std::string& actual) {
    std::size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
    const std::size_t line_start = expected.rfind('\n', at == 0 ? 0 : at - 1);
    const std::size_t from = line_start == std::string::npos || at == 0 ? 0 : line_start + 1;
    auto line_at = [from](const std::string& s) { return s.substr(from, s.find('\n', from) - from); };
    const auto line_no =
        std::count(expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(from), '\n') + 1;
    return "sizes " + std::to_string(expected.size()) + " expected, " + std::to_string(actual.size()) +
           " produced; first difference at byte " + std::to_string(at) + ", line " + std::to_string(line_no) +
           ":\n  expected: " + line_at(expected) + "\n  produced: " + line_at(actual);
}

bool updating() {
    const char* v = std::getenv("LVFORGE_UPDATE_GOLDEN");
    return v != nullptr && *v != '\0' && std::string(v) != "0";
}

class GoldenCase : public ::testing::Test {
   public:
    // `problem`, when not empty, is why the case directory can't be run.
    GoldenCase(std::string binary, fs::path dir, std::string problem)
        : binary_(std::move(binary)), dir_(std::move(dir)), problem_(std::move(problem)) {}

    void TestBody() override {
        ASSERT_EQ(problem_, "") << dir_;
        const auto args = decoded_lines((dir_ / "args").string());
        ASSERT_TRUE(args) << dir_ / "args"
                          << ": the last line must end in a line feed";
        std::vector<std::pair<std::string, std::string>> env{
            {"SOURCE_DATE_EPOCH", lvforge::test::kGoldenSourceDateEpoch}};
        if (fs::exists(dir_ / "env")) {
            const auto lines = decoded_lines((dir_ / "env").string());
            ASSERT_TRUE(lines) << dir_ / "env"
                               << ": the last line must end in a line feed";
            for (const std::string& line : *lines) {
                const auto eq = line.find('=');
                ASSERT_NE(eq, std::string::npos) << dir_ / "env"
                                                 << ": not NAME=VALUE: " << line;
                env.emplace_back(line.substr(0, eq), line.substr(eq + 1));
            }
        }

        lvforge::test::TempDir run_dir;
        if (fs::exists(dir_ / "in")) {
            fs::copy(dir_ / "in", run_dir.path(),
                     fs::copy_options::recursive | fs::copy_options::copy_symlinks);
        }
        const Tree inputs = snapshot(run_dir.path());
        std::vector<std::string> argv{binary_};
        argv.insert(argv.end(), args->begin(), args->end());
        const auto r = lvforge::test::run(argv, {.cwd = run_dir.path(), .env = env});
        EXPECT_EQ(r.err, "") << "the tools print nothing on standard error";

        // What the run made: every entry that is new or differs from the inputs.
        Tree made;
        for (const auto& [path, content] : snapshot(run_dir.path())) {
            const auto was = inputs.find(path);
            if (was == inputs.end() || was->second != content) made[path] = content;
        }
        for (const auto& [path, content] : inputs) {
            if (made.count(path) == 0 && !fs::exists(fs::symlink_status(run_dir / path))) {
                ADD_FAILURE() << "the run removed the input " << path;
            }
        }

        if (updating()) {
            update(r, made);
        } else {
            compare(r, made);
        }
    }

   private:
    void compare(const lvforge::test::RunResult& r, const Tree& made) {
        EXPECT_EQ(r.out, read_file((dir_ / "stdout").string())) << "standard output";
        EXPECT_EQ(std::to_string(r.status) + "\n", read_file((dir_ / "status").string())) << "exit status";
        Tree expected;
        for (const auto& [path, content] : snapshot(dir_ / "out")) {
            if (content != kDirectory) expected[path] = content;
        }
        for (const auto& [path, content] : made) {
            if (content == kDirectory) continue;  // checked through the files it holds
            const auto want = expected.find(path);
            if (want == expected.end()) {
                ADD_FAILURE() << "unexpected file " << path << " (" << content.size() << " bytes)";
            } else if (want->second != content) {
                ADD_FAILURE() << path << " differs: " << first_difference(want->second, content);
            }
        }
        for (const auto& [path, content] : expected) {
            if (made.count(path) == 0) ADD_FAILURE() << "missing output " << path;
        }
        // A directory the run made must lead to a file it made.
        for (const auto& [path, content] : made) {
            if (content != kDirectory) continue;
            const bool leads_somewhere = std::any_of(expected.begin(), expected.end(), [&](const auto& file) {
                return file.first.rfind(path + "/", 0) == 0;
            });
            if (!leads_somewhere) ADD_FAILURE() << "unexpected directory " << path;
        }
        if (HasFailure()) {
            ADD_FAILURE() << dir_.string() << ": after a deliberate change, rewrite the expectations with "
                          << "LVFORGE_UPDATE_GOLDEN=1";
        }
    }

    void update(const lvforge::test::RunResult& r, const Tree& made) {
        write_file((dir_ / "stdout").string(), r.out);
        write_file((dir_ / "status").string(), std::to_string(r.status) + "\n");
        fs::remove_all(dir_ / "out");
        for (const auto& [path, content] : made) {
            if (content == kDirectory) continue;
            fs::create_directories((dir_ / "out" / path).parent_path());
            write_file((dir_ / "out" / path).string(), content);
        }
    }

    std::string binary_;
    fs::path dir_;
    std::string problem_;
};

// Registers one test per case directory <tool>/<topic>/<case>, named
// <tool>_<topic>.<case>. A directory that is not a well-formed case becomes a
// failing test rather than being skipped, so a mistyped case can't pass
// unnoticed.
std::vector<fs::path> subdirectories(const fs::path& dir) {
    std::vector<fs::path> dirs;
    for (const auto& e : fs::directory_iterator(dir)) {
        if (e.is_directory()) dirs.push_back(e.path());
    }
    std::sort(dirs.begin(), dirs.end());
    return dirs;
}

// Test filters treat '-', '.', ':' and wildcards specially; names stay plain.
bool plain_name(const std::string& name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    });
}

void register_cases() {
    for (const fs::path& tool_dir : subdirectories(LVFORGE_GOLDEN_DIR)) {
        const std::string tool = tool_dir.filename().string();
        const auto known =
            std::find_if(std::begin(kTools), std::end(kTools), [&](const Tool& t) { return tool == t.name; });
        const std::string binary = known == std::end(kTools) ? "" : known->binary;
        for (const fs::path& topic_dir : subdirectories(tool_dir)) {
            const std::string suite = tool + "_" + topic_dir.filename().string();
            for (const fs::path& dir : subdirectories(topic_dir)) {
                const std::string name = dir.filename().string();
                std::string problem;
                if (binary.empty()) {
                    problem = "no tool is named " + tool;
                } else if (!plain_name(suite) || !plain_name(name)) {
                    problem = "name topics and cases with letters, digits and _ only";
                } else if (!fs::is_regular_file(dir / "args")) {
                    problem =
                        "a case needs an args file (empty for no arguments); cases sit in <tool>/<topic>/";
                }
                ::testing::RegisterTest(suite.c_str(), name.c_str(), nullptr, nullptr, __FILE__, __LINE__,
                                        [binary, dir, problem]() -> ::testing::Test* {
                                            return new GoldenCase(binary, dir, problem);
                                        });
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    register_cases();
    return RUN_ALL_TESTS();
}
