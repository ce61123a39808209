#include "setwright/messages.h"

#include <cstdio>
#include <variant>

#include "common/failure_text.h"

namespace setwright {

namespace {

// "lvconf[N]: " + `what` + "\n": the shape of every message about one item.
std::string item_message(int position, const std::string& what) {
    return "lvconf[" + std::to_string(position) + "]: " + what + "\n";
}

}  // namespace

std::string merge_message(const MergeError& err) {
    switch (err.failure) {
        case MergeFailure::read:
            return lvforge::read_failure_message(err.read, "conf.json", "json_date");
        case MergeFailure::too_large:
            return "Error: conf.json is too large.\n";
        case MergeFailure::parse:
            return "Parse json content failed\n";
        case MergeFailure::item_not_object:
            return item_message(err.position, "the item is not an object");
        case MergeFailure::offset_missing:
            return item_message(err.position, "\"offset\" is missing");
        case MergeFailure::offset_not_number:
            return item_message(err.position, "\"offset\" is not a number");
        case MergeFailure::offset_out_of_range: {
            char value[64];
            std::snprintf(value, sizeof value, "%g", err.offset_value);
            return item_message(err.position, std::string("\"offset\" ") + value + " is outside 0 to " +
                                                  std::to_string(kEntryCount - 1));
        }
        case MergeFailure::name_missing:
            return item_message(err.position, "\"name\" is missing");
        case MergeFailure::name_not_string:
            return item_message(err.position, "\"name\" is not a string");
        case MergeFailure::name_mismatch:
            return "\"" + err.given_name + "\"(offset=" + std::to_string(err.offset) +
                   ") isn't match with full_conf list, it's name should be \"" +
                   std::string(err.expected_name) + "\"\n";
        case MergeFailure::line_break:
            return item_message(err.position, "\"" + std::string(err.member) +
                                                  "\" of offset=" + std::to_string(err.offset) +
                                                  " holds a line feed, carriage return or NUL");
        case MergeFailure::trailing_backslash:
            return item_message(err.position, "\"" + std::string(err.member) + "\" of offset=" +
                                                  std::to_string(err.offset) + " ends with a backslash");
        case MergeFailure::out_of_memory:
            return "allocate memory for the values of offset " + std::to_string(err.offset) + " failed\n";
    }
    return "";
}

std::string header_message(const HeaderFailure& failure) {
    if (const auto* output = std::get_if<lvforge::OutputFailure>(&failure.why))
        return lvforge::output_failure_message(*output);
    // The words from when each header was built in a growing buffer of that name.
    return failure.mode == Mode::board ? "board_conf_code realloc failed\n"
                                       : "sim_conf_code realloc failed\n";
}

}  // namespace setwright
