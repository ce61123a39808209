// Reading conf.json into the merged configuration: every item of its
// "lvconf" list is checked against the table, and its values replace the
// entry's.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/result.h"
#include "common/whole_file.h"
#include "setwright/configuration.h"

namespace setwright {

// Why conf.json could not be merged.
enum class MergeFailure {
    read,                 // the file could not be read whole (`read` says why)
    too_large,            // the file is larger than kMaxConfSize
    parse,                // not a JSON object whose "lvconf", if there, is an array
    item_not_object,      // item `position` is not an object
    offset_missing,       // item `position` has no "offset"
    offset_not_number,    // its "offset" is not a number
    offset_out_of_range,  // its "offset" (`offset_value`) addresses no entry
    name_missing,         // item `position` has no "name"
    name_not_string,      // its "name" is not a string
    name_mismatch,        // its "name" (`given_name`) is not the name of entry `offset`
    line_break,           // its `member` holds a line feed, carriage return or NUL
    trailing_backslash,   // its `member` ends with a backslash
    out_of_memory,        // the values for entry `offset` could not be stored
};

// A failed merge, with what its message needs.
struct MergeError {
    MergeFailure failure;
    lvforge::ReadStatus read{};      // MergeFailure::read: why the file could not be read
    int position = 0;                // index of the item in "lvconf"
    int offset = 0;                  // the entry the item addresses
    double offset_value = 0.0;       // "offset" as written, for one outside the table
    std::string given_name;          // the item's "name"
    std::string_view expected_name;  // the name of entry `offset`
    std::string_view member;         // the member at fault
};

// The largest conf.json read: far beyond any real configuration (212 entries), small enough
// that the parsed document can't exhaust memory.
inline constexpr std::size_t kMaxConfSize = std::size_t{16} << 20;

// Reads the JSON file `path` and merges each item of "lvconf" into `config`, in order. Stops at
// the first failure; a missing "lvconf" (or one without items) changes nothing.
lvforge::Result<void, MergeError> merge_conf_json(const char* path, Configuration& config);

// Merges the JSON document `text` (`size` bytes followed by a zero byte) into `config`, as above.
// The text is changed on the way (see merge.cpp).
lvforge::Result<void, MergeError> merge_conf_text(char* text, std::size_t size, Configuration& config);

}  // namespace setwright
