#include "setwright/merge.h"

#include <cJSON.h>
#include <sys/stat.h>

#include <cstring>
#include <memory>
#include <new>

namespace setwright {

namespace {

struct JsonDeleter {
    void operator()(cJSON* doc) const { cJSON_Delete(doc); }
};

MergeError failed(MergeFailure failure) {
    MergeError err{};
    err.failure = failure;
    return err;
}

MergeError item_error(MergeFailure failure, int position) {
    MergeError err = failed(failure);
    err.position = position;
    return err;
}

// cJSON ends a decoded string at an escaped NUL, so a value holding \u0000 would be cut short
// without a word. Each such escape becomes \u000a, of the same length, which the check for line
// breaks in values then refuses with the item's offset. Escapes are stepped over as pairs, so
// "\\u0000" (an escaped backslash, then the text u0000) stays as it is.
void expose_escaped_nuls(char* text, std::size_t size) {
    for (std::size_t i = 0; i + 1 < size; ++i) {
        if (text[i] != '\\') continue;
        if (text[i + 1] == 'u' && size - i >= 6 && std::memcmp(text + i + 2, "0000", 4) == 0)
            text[i + 5] = 'a';
        ++i;
    }
}

// The value an item gives one header: absent when the member is missing, is not a string, or
// is "~~" (the entry is then left out of that header).
std::optional<std::string> header_value(const cJSON* item, const char* key) {
    const cJSON* member = cJSON_GetObjectItem(item, key);
    if (!cJSON_IsString(member) || std::string_view(member->valuestring) == "~~") return std::nullopt;
    return std::string(member->valuestring);
}

// The entry an item addresses, and the name the item gives it.
struct ItemTarget {
    int offset = 0;
    const char* name = nullptr;
};

// Checks the shape of item `position` of "lvconf" and finds the entry it addresses: an object
// with a numeric "offset" inside the table and a string "name".
lvforge::Result<ItemTarget, MergeError> check_item(const cJSON* item, int position) {
    if (!cJSON_IsObject(item)) return item_error(MergeFailure::item_not_object, position);
    const cJSON* off = cJSON_GetObjectItem(item, "offset");
    if (off == nullptr) return item_error(MergeFailure::offset_missing, position);
    if (!cJSON_IsNumber(off)) return item_error(MergeFailure::offset_not_number, position);
    // The fraction of an offset is cut off toward zero, so -0.5 still addresses entry 0.
    const double value = off->valuedouble;
    if (!(value > -1.0 && value < static_cast<double>(kEntryCount))) {
        MergeError err = item_error(MergeFailure::offset_out_of_range, position);
        err.offset_value = value;
        return err;
    }
    const cJSON* nm = cJSON_GetObjectItem(item, "name");
    if (nm == nullptr) return item_error(MergeFailure::name_missing, position);
    if (!cJSON_IsString(nm)) return item_error(MergeFailure::name_not_string, position);
    return ItemTarget{static_cast<int>(value), nm->valuestring};
}

// Checks item `position` and stores its values into the entry it names.
lvforge::Result<void, MergeError> merge_item(const cJSON* item, int position, Configuration& config) {
    const auto target = check_item(item, position);
    if (!target.ok()) return target.error();
    const auto [offset, name] = target.value();
    if (std::string_view(name) != config.name(offset)) {
        MergeError err = item_error(MergeFailure::name_mismatch, position);
        err.offset = offset;
        err.given_name = name;
        err.expected_name = config.name(offset);
        return err;
    }
    for (const char* key : {"simulator_value", "board_value"}) {
        // A line break would end the entry's line early and put the rest of the value, or
        // whatever it chooses to say, on lines of its own.
        // A final backslash would splice the next line of the header onto the entry's own
        // (or escape the closing quote of a quoted value): the next entry would silently vanish.
        const cJSON* member = cJSON_GetObjectItem(item, key);
        if (!cJSON_IsString(member)) continue;
        const std::string_view value(member->valuestring);
        const bool breaks = value.find_first_of("\n\r") != std::string_view::npos;
        if (breaks || (!value.empty() && value.back() == '\\')) {
            MergeError err =
                item_error(breaks ? MergeFailure::line_break : MergeFailure::trailing_backslash, position);
            err.offset = offset;
            err.member = key;
            return err;
        }
    }
    try {
        config.set(offset,
                   Override{header_value(item, "simulator_value"), header_value(item, "board_value")});
    } catch (const std::bad_alloc&) {
        MergeError err = item_error(MergeFailure::out_of_memory, position);
        err.offset = offset;
        return err;
    }
    return {};
}

}  // namespace

lvforge::Result<void, MergeError> merge_conf_text(char* text, std::size_t size, Configuration& config) {
    // JSON text never holds a NUL byte, and cJSON would quietly stop reading at one.
    if (std::memchr(text, '\0', size) != nullptr) return failed(MergeFailure::parse);
    expose_escaped_nuls(text, size);
    // Text after the document is refused, not ignored: it is most likely a second half that
    // was meant to count.
    const std::unique_ptr<cJSON, JsonDeleter> doc(cJSON_ParseWithOpts(text, nullptr, true));
    if (!cJSON_IsObject(doc.get())) return failed(MergeFailure::parse);
    const cJSON* lvconf = cJSON_GetObjectItem(doc.get(), "lvconf");
    if (lvconf == nullptr) return {};
    // The members of an object are no list of items, however alike they look.
    if (!cJSON_IsArray(lvconf)) return failed(MergeFailure::parse);
    int position = 0;
    for (const cJSON* item = lvconf->child; item != nullptr; item = item->next, ++position) {
        if (auto merged = merge_item(item, position, config); !merged.ok()) return merged;
    }
    return {};
}

lvforge::Result<void, MergeError> merge_conf_json(const char* path, Configuration& config) {
    // Refused before it is read when its size already says so; a file that reports no size (or
    // grows meanwhile) is measured once read.
    struct stat st {};
    if (::stat(path, &st) == 0 && S_ISREG(st.st_mode) && static_cast<std::size_t>(st.st_size) > kMaxConfSize)
        return failed(MergeFailure::too_large);
    auto read = lvforge::read_whole_file(path);
    if (!read.ok()) {
        MergeError err = failed(MergeFailure::read);
        err.read = read.error();
        return err;
    }
    lvforge::WholeFile& file = read.value();
    if (file.size > kMaxConfSize) return failed(MergeFailure::too_large);
    return merge_conf_text(file.data.get(), file.size, config);
}

}  // namespace setwright
