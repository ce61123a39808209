#include "setwright/emit.h"

#include <initializer_list>

namespace setwright {

namespace {

// Appends every piece in order: each line is a few fixed pieces around the name and the value.
void append(std::string& out, std::initializer_list<std::string_view> pieces) {
    for (std::string_view piece : pieces) out.append(piece);
}

}  // namespace

void emit_line(Kind kind, std::string_view name, std::string_view value, std::string& out) {
    switch (kind) {
        case Kind::number:
        case Kind::symbol:
            // conf.json editors write booleans as words; the preprocessor wants numbers.
            if (value == "true")
                value = "1";
            else if (value == "false")
                value = "0";
            append(out, {"#define ", name, " ", value, "\n"});
            return;
        case Kind::type_alias:
            append(out, {"typedef ", name, " ", value, ";\n"});
            return;
        case Kind::bare:
            append(out, {"#define ", name, "\n"});
            return;
        case Kind::include:
            // A value that brings its own <...> or "..." is an include spelled out in full.
            if (!value.empty() && (value.front() == '<' || value.front() == '"'))
                append(out, {"#define ", name, " ", value, "\n"});
            else
                append(out, {"#define ", name, " \"", value, "\"\n"});
            return;
        case Kind::kibibytes:
            // Written as it stands: the value is the user's expression, not checked as a number.
            append(out, {"#define ", name, " (", value, "U * 1024U)\n"});
            return;
        case Kind::none:
            return;
    }
}

void emit_range(const Configuration& config, int first, int last, Mode mode, std::string& out) {
    for (int i = first; i <= last; ++i) {
        if (const std::optional<std::string_view> value = config.value(i, mode))
            emit_line(kEntries[static_cast<std::size_t>(i)].kind, config.name(i), *value, out);
    }
}

}  // namespace setwright
