// The -f words are listed in one table (formats.cpp); the places that must name them too are
// held to it here, so that a word added to the table and forgotten elsewhere fails a test: the
// CMake function's word list of each release, the man page and --help.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "pixmint/cli/messages.h"
#include "pixmint/pixels/formats.h"
#include "tests/support/test_support.h"

namespace pixmint {
namespace {

using Words = std::set<std::string>;

// The words of `text`: runs of lower-case letters, digits and hyphens.
Words tokens(std::string_view text) {
    Words words;
    std::string word;
    for (const char c : std::string(text) + ' ') {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-') {
            word += c;
        } else if (!word.empty()) {
            words.insert(word);
            word.clear();
        }
    }
    return words;
}

// The man page source with its escapes read as the page shows them: "\-" a hyphen, "\%" nothing.
std::string man_page_text() {
    const std::string source = lvforge::test::read_file(LVFORGE_SOURCE_DIR "/pixmint/pixmint.1");
    std::string text;
    for (std::size_t i = 0; i < source.size(); ++i) {
        if (source[i] == '\\' && i + 1 < source.size() && (source[i + 1] == '-' || source[i + 1] == '%')) {
            if (source[i + 1] == '-') text += '-';
            ++i;
            continue;
        }
        text += source[i];
    }
    return text;
}

// The words _lvforge_formats gives LVGL release `release`, as CMake itself evaluates it.
Words cmake_words(int release) {
    const std::string script = ::testing::TempDir() + "/lvforge_formats.cmake";
    lvforge::test::write_file(script, "include(\"" LVFORGE_SOURCE_DIR
                                      "/cmake/LvforgeFunctions.cmake\")\n"
                                      "_lvforge_formats(" +
                                          std::to_string(release) +
                                          " words)\n"
                                          "string(REPLACE \";\" \" \" words \"${words}\")\n"
                                          "message(\"${words}\")\n");
    const auto r = lvforge::test::run({LVFORGE_CMAKE, "-P", script});
    EXPECT_EQ(r.status, 0) << r.err;
    return tokens(r.err);
}

TEST(FormatWords, EveryPlaceThatNamesThemHasEachWordOfTheTable) {
    const Words man = tokens(man_page_text());
    const Words help = tokens(help_text());
    for (const auto& [release, version] :
         {std::pair{7, LvglVersion::v7}, std::pair{8, LvglVersion::v8}, std::pair{9, LvglVersion::v9}}) {
        Words table;
        for (const std::string_view word : format_words(version)) table.emplace(word);
        ASSERT_FALSE(table.empty()) << release;
        // lvforge_add_image accepts exactly the words pixmint accepts under that release.
        EXPECT_EQ(cmake_words(release), table) << "cmake/LvforgeFunctions.cmake, LVGL " << release;
        for (const std::string& word : table) {
            EXPECT_TRUE(man.contains(word)) << "pixmint/pixmint.1 does not name -f " << word;
            EXPECT_TRUE(help.contains(word)) << "--help (pixmint/cli/messages.cpp) does not name -f " << word;
        }
    }
}

}  // namespace
}  // namespace pixmint
