#include "basic.h"

#include <cstring>

namespace setwright {

namespace {

// The value `obj` contributes to the header of `mode`: null when it is switched off there, or
// when the mode is neither header.
const char* chosen_value(const mac_obj_t& obj, int mode) {
    if (mode == MODE_SIMULATOR) return obj.sim_en != 0 ? obj.sim_val : nullptr;
    if (mode == MODE_BOARD) return obj.board_en != 0 ? obj.board_val : nullptr;
    return nullptr;
}

// Appends head NAME open VALUE close: every line an entry renders has this shape.
void put_line(std::string& line, const char* head, const char* name, const char* open, const char* value,
              const char* close) {
    line += head;
    line += name;
    line += open;
    line += value;
    line += close;
}

}  // namespace

int mac_code_gen(const mac_obj_t& obj, std::string& line, int mode) {
    const char* value = chosen_value(obj, mode);
    switch (obj.kind) {
        case MAC_KIND_NUM:
        case MAC_KIND_SYM:
            if (value == nullptr) break;
            // conf.json editors write booleans as words; the preprocessor wants numbers.
            if (std::strcmp(value, "true") == 0)
                value = "1";
            else if (std::strcmp(value, "false") == 0)
                value = "0";
            put_line(line, "#define ", obj.name, " ", value, "\n");
            break;
        case MAC_KIND_TYPEDEF:
            if (value != nullptr) put_line(line, "typedef ", obj.name, " ", value, ";\n");
            break;
        case MAC_KIND_EMPTY:
            put_line(line, "#define ", obj.name, "", "", "\n");
            break;
        case MAC_KIND_STR:
            if (value == nullptr) break;
            // A value that brings its own <...> or "..." is an include spelled out in full.
            if (value[0] == '<' || value[0] == '"')
                put_line(line, "#define ", obj.name, " ", value, "\n");
            else
                put_line(line, "#define ", obj.name, " \"", value, "\"\n");
            break;
        default:
            break;
    }
    return 0;
}

int mem_size_gen(const mac_obj_t& obj, std::string& line, int mode) {
    const char* value = chosen_value(obj, mode);
    if (value == nullptr) return 1;
    put_line(line, "#define ", obj.name, " (", value, "U * 1024U)\n");
    return 0;
}

}  // namespace setwright
