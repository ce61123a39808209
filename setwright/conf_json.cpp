#include "conf_json.h"

#include <cJSON.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "failure_text.h"
#include "mac_obj.h"
#include "whole_file.h"

namespace setwright {

namespace {

struct JsonDeleter {
    void operator()(cJSON* doc) const { cJSON_Delete(doc); }
};

// Reads the file whole; prints the reason and returns false when it can't.
bool read_conf_file(const char* path, lvforge::WholeFile& file) {
    const lvforge::ReadStatus status = lvforge::read_whole_file(path, file);
    if (status == lvforge::ReadStatus::ok) return true;
    std::fputs(lvforge::read_failure_message(status, "conf.json", "json_date").c_str(), stdout);
    return false;
}

// The text of a string member, or null when the member is missing or not a string.
const char* string_member(const cJSON* item, const char* key) {
    const cJSON* member = cJSON_GetObjectItem(item, key);
    return cJSON_IsString(member) ? member->valuestring : nullptr;
}

// Member `key` of item `pos` when it is there and `is_type` accepts it; otherwise prints what is
// wrong (`type_word` names the type wanted) and returns null.
const cJSON* required_member(const cJSON* item, int pos, const char* key, cJSON_bool (*is_type)(const cJSON*),
                             const char* type_word) {
    const cJSON* member = cJSON_GetObjectItem(item, key);
    if (member == nullptr) {
        std::printf("lvconf[%d]: \"%s\" is missing\n", pos, key);
    } else if (!is_type(member)) {
        std::printf("lvconf[%d]: \"%s\" is not %s\n", pos, key, type_word);
        member = nullptr;
    }
    return member;
}

// Checks the shape of item `pos` of "lvconf" and finds the entry it addresses. Prints what is
// wrong and returns false for an item that is not an object, an "offset" that is missing, not a
// number or outside the table, or a "name" that is missing or not a string.
bool check_item(const cJSON* item, int pos, int& offset, const char*& name) {
    if (!cJSON_IsObject(item)) {
        std::printf("lvconf[%d]: the item is not an object\n", pos);
        return false;
    }
    const cJSON* off = required_member(item, pos, "offset", cJSON_IsNumber, "a number");
    if (off == nullptr) return false;
    // The fraction of an offset is cut off toward zero, so -0.5 still addresses entry 0.
    const double value = off->valuedouble;
    if (!(value > -1.0 && value < static_cast<double>(MAC_COUNT))) {
        std::printf("lvconf[%d]: \"offset\" %g is outside 0 to %d\n", pos, value, MAC_COUNT - 1);
        return false;
    }
    offset = static_cast<int>(value);
    const cJSON* nm = required_member(item, pos, "name", cJSON_IsString, "a string");
    if (nm == nullptr) return false;
    name = nm->valuestring;
    return true;
}

// Checks and merges every item of "lvconf" in order; stops at the first one that fails.
int merge_items(const cJSON* lvconf) {
    const int count = cJSON_GetArraySize(lvconf);
    for (int pos = 0; pos < count; ++pos) {
        const cJSON* item = cJSON_GetArrayItem(lvconf, pos);
        int offset = 0;
        const char* name = nullptr;
        if (!check_item(item, pos, offset, name)) return 1;
        const mac_obj_t& entry = full_conf[static_cast<std::size_t>(offset)];
        if (std::strcmp(name, entry.name) != 0) {
            std::printf("\"%s\"(offset=%d) isn't match with full_conf list, it's name should be \"%s\"\n",
                        name, offset, entry.name);
            return 1;
        }
        mac_obj_t src{};
        src.board_val = string_member(item, "board_value");
        src.sim_val = string_member(item, "simulator_value");
        src.owned = 1;
        if (update_mac_value(src, offset) != 0) {
            std::printf("allocate memory for the values of offset %d failed\n", offset);
            return 1;
        }
    }
    return 0;
}

}  // namespace

int merge_conf_json(const char* path) {
    lvforge::WholeFile file;
    if (!read_conf_file(path, file)) return 1;
    const std::unique_ptr<cJSON, JsonDeleter> doc(cJSON_Parse(file.data.get()));
    if (!doc) {
        std::puts("Parse json content failed");
        return 1;
    }
    // A missing "lvconf" (or one with no children) simply changes nothing.
    return merge_items(cJSON_GetObjectItem(doc.get(), "lvconf"));
}

}  // namespace setwright
