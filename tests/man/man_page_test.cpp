// The man pages as shipped: each renders without a single groff warning, documents exactly the
// options its tool's getopt takes (and which of them take an argument), and quotes the tool's
// messages character for character, as a user who copies one from the page would search for it.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "animpack/command_line.h"  // animpack::kOptionString (every tool has a command_line.h)
#include "lvforge_version.h"
#include "pixmint/cli/command_line.h"  // pixmint::kOptionString
#include "setwright/command_line.h"    // setwright::kOptionString
#include "tests/support/test_support.h"

namespace {

using lvforge::test::read_file;
using lvforge::test::run;

struct Page {
    const char* tool;
    const char* option_string;             // what the tool hands to getopt
    std::vector<std::string> messages;     // exact output, placeholders as the page names them
    const option* long_options = nullptr;  // what the tool hands to getopt_long, if it reads long options
};

// Messages chosen for what roff tends to mangle: quotes, apostrophes, brackets, long lines.
const Page kPages[] = {
    {"pixmint",
     pixmint::kOptionString,
     {"pixmint (V" LVFORGE_VERSION "): generate C array source file from image for lvgl.",
      "Error: Unsupported filename!", "Error: Please select a gif file.",
      "Err: color depth or alpha channel is not supported on this board.",
      "Error: Image size out of limit. The width and height should not exceed 2500 !",
      "ERR: create dir failed!", "ERR: open path failed!",
      "Error: raw formats keep the file as it is; -w, -h and -v do not apply.",
      "Error: --bin with a true-color format needs one depth: -d 8, -d 16 or -d 24.",
      "Error: --swap needs --bin, a true-color format and -d 16.",
      "Error: --keep-palette keeps the image's own indices; -w, -h, -v and --dither do not apply.",
      "Error: image has a palette of N colors; format holds M.",
      "Error: image has a pixel of index I, past the end of its palette of N colors.",
      "Error: image has N colors; indexed-8 holds 256.", "Error: LVGL N has no color format word."},
     pixmint::kLongOptions},
    {"setwright",
     setwright::kOptionString,
     {"open conf.json failed", "allocate memory for json_date failed",
      "lvconf[N]: \"offset\" is not a number",
      "lvconf[N]: \"member\" of offset=index holds a line feed, carriage return or NUL",
      "\"given\"(offset=index) isn't match with full_conf list, it's name should be \"expected\"",
      "ERR: write header failed!"}},
    {"animpack",
     animpack::kOptionString,
     {"animpack: generate hex array source file from json file for lvgl.", "Error: Unsupported filename!",
      "open file failed", "allocate memory for json_data failed", "ERR: write path failed!",
      "Error: SOURCE_DATE_EPOCH is not a valid timestamp.",
      "Error: the output file path is the input file."}},
};

void PrintTo(const Page& page, std::ostream* os) {
    *os << page.tool;
}

std::string page_path(const Page& page) {
    return std::string(LVFORGE_MAN_DIR) + "/" + page.tool + ".1";
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Lines of the section whose heading line is `heading`, up to the next line that starts a
// section: ".SH" in the source, an unindented line in rendered text.
std::vector<std::string> section(const std::vector<std::string>& lines, const std::string& heading,
                                 bool rendered) {
    std::vector<std::string> body;
    bool in = false;
    for (const std::string& line : lines) {
        const bool starts_section = rendered ? !line.empty() && line[0] != ' ' : line.rfind(".SH", 0) == 0;
        if (starts_section) {
            if (in) break;
            in = line == heading;
        } else if (in) {
            body.push_back(line);
        }
    }
    return body;
}

class ManPage : public ::testing::TestWithParam<Page> {};

TEST_P(ManPage, RendersWithoutWarnings) {
    const auto r = run({GROFF_BIN, "-ww", "-man", "-Tutf8", "-z", page_path(GetParam())});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
}

// Every option entry is a .TP whose tag reads ".B \-x" (a flag) or ".BI \-x ..." (one taking an
// argument); together they must be exactly the options of the getopt string.
TEST_P(ManPage, OptionsAreExactlyThoseGetoptTakes) {
    std::map<char, bool> wanted;  // option letter -> takes an argument
    for (const char* o = GetParam().option_string; *o != '\0'; ++o) {
        if (*o != ':') wanted[*o] = o[1] == ':';
    }
    const std::string source = read_file(page_path(GetParam()));
    ASSERT_FALSE(source.empty());
    const auto options = section(lines_of(source), ".SH OPTIONS", false);
    ASSERT_FALSE(options.empty()) << "no OPTIONS section";

    const std::regex entry(R"(^\.(B|BI) \\-([A-Za-z0-9])(\s.*)?$)");
    std::map<char, bool> documented;
    for (std::size_t i = 0; i + 1 < options.size(); ++i) {
        std::smatch m;
        if (options[i].rfind(".TP", 0) != 0 || !std::regex_match(options[i + 1], m, entry)) continue;
        const char letter = m[2].str()[0];
        EXPECT_EQ(documented.count(letter), 0u) << "-" << letter << " documented twice";
        documented[letter] = m[1] == "BI";
    }
    EXPECT_EQ(documented, wanted) << "(letter, takes an argument) pairs differ from \""
                                  << GetParam().option_string << "\"";

    // Long options the same way: ".B \-\-name" or ".BI \-\-name ...", a hyphen inside the name
    // written as roff's minus too.
    std::map<std::string, bool> wanted_long, documented_long;
    for (const option* o = GetParam().long_options; o != nullptr && o->name != nullptr; ++o) {
        wanted_long[o->name] = o->has_arg == required_argument;
    }
    const std::regex long_entry(R"(^\.(B|BI) \\-\\-([a-z](?:[a-z]|\\?-)*)(\s.*)?$)");
    for (std::size_t i = 0; i + 1 < options.size(); ++i) {
        std::smatch m;
        if (options[i].rfind(".TP", 0) != 0 || !std::regex_match(options[i + 1], m, long_entry)) continue;
        const std::string name = std::regex_replace(m[2].str(), std::regex(R"(\\-)"), "-");
        EXPECT_EQ(documented_long.count(name), 0u) << "--" << name << " documented twice";
        documented_long[name] = m[1] == "BI";
    }
    EXPECT_EQ(documented_long, wanted_long) << "(long option, takes an argument) pairs differ";
}

// Rendered as a terminal shows it, but unwrapped and plain, each message is a line of its own.
TEST_P(ManPage, DiagnosticsQuoteTheMessagesExactly) {
    const auto r = run({GROFF_BIN, "-man", "-Tutf8", "-P-cbou", "-rLL=400n", page_path(GetParam())});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> lines;  // without their indent
    for (const std::string& line : section(lines_of(r.out), "DIAGNOSTICS", true)) {
        lines.push_back(line.substr(std::min(line.find_first_not_of(' '), line.size())));
    }
    ASSERT_FALSE(lines.empty()) << "no DIAGNOSTICS section";
    for (const std::string& message : GetParam().messages) {
        EXPECT_TRUE(std::find(lines.begin(), lines.end(), message) != lines.end())
            << "not a DIAGNOSTICS entry: " << message;
    }
}

INSTANTIATE_TEST_SUITE_P(Tools, ManPage, ::testing::ValuesIn(kPages),
                         [](const auto& param_info) { return std::string(param_info.param.tool); });

}  // namespace
