#include "fuzz/c_array.h"

#include <charconv>
#include <cstddef>

namespace lvforge::fuzz {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// `line` without its /* ... */ comments (which may hold hex of their own, as in "Fix 0xFF");
// nullopt when one doesn't close on the line.
std::optional<std::string> without_comments(std::string_view line) {
    std::string out;
    while (true) {
        const std::size_t open = line.find("/*");
        if (open == std::string_view::npos) break;
        const std::size_t close = line.find("*/", open + 2);
        if (close == std::string_view::npos) return std::nullopt;
        out += line.substr(0, open);
        line.remove_prefix(close + 2);
    }
    out += line;
    return out;
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Appends the values of one line ("0x0e, 0x0a, "): two-digit hex bytes, each followed by a comma
// except perhaps the line's last. False on anything else.
bool read_values(std::string_view line, std::vector<std::uint8_t>& out) {
    line = trim(line);
    while (!line.empty()) {
        if (line.size() < 4 || line[0] != '0' || line[1] != 'x') return false;
        const int high = hex_digit(line[2]), low = hex_digit(line[3]);
        if (high < 0 || low < 0) return false;
        out.push_back(static_cast<std::uint8_t>(high << 4 | low));
        line = trim(line.substr(4));
        if (line.empty()) break;
        if (line.front() != ',') return false;
        line = trim(line.substr(1));
    }
    return true;
}

// The decimal number right after the first `key` in `text`; -1 when there is none.
long number_after(std::string_view text, std::string_view key) {
    const std::size_t at = text.find(key);
    if (at == std::string_view::npos) return -1;
    const char* first = text.data() + at + key.size();
    long value = -1;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
    return error == std::errc() && end != first ? value : -1;
}

}  // namespace

std::optional<ImageSource> parse_image_source(std::string_view text, std::string_view var) {
    const std::string head = "uint8_t " + std::string(var) + "_map[] = {\n";
    const std::size_t begin = text.find(head);
    if (begin == std::string_view::npos) return std::nullopt;
    const std::size_t body = begin + head.size();
    const std::size_t end = text.find("\n};", body - 1);
    if (end == std::string_view::npos) return std::nullopt;

    ImageSource source;
    std::optional<std::size_t> open;  // the section of the #if being read
    std::string_view rest = text.substr(body, end + 1 - body);
    while (!rest.empty()) {
        const std::size_t eol = rest.find('\n');
        const std::string_view raw_line = rest.substr(0, eol);
        rest.remove_prefix(eol == std::string_view::npos ? rest.size() : eol + 1);
        const std::string_view line = trim(raw_line);
        if (line.starts_with("#if ")) {
            if (open) return std::nullopt;
            source.sections.push_back({std::string(trim(line.substr(4))), {}});
            open = source.sections.size() - 1;
        } else if (line == "#endif") {
            if (!open) return std::nullopt;
            open.reset();
        } else if (line.starts_with("#")) {
            return std::nullopt;
        } else {
            const auto values = without_comments(line);
            if (!values) return std::nullopt;
            if (trim(*values).empty()) continue;
            if (!open && (source.sections.empty() || !source.sections.back().condition.empty())) {
                source.sections.push_back({});
            }
            auto& bytes = open ? source.sections[*open].bytes : source.sections.back().bytes;
            if (!read_values(*values, bytes)) return std::nullopt;
        }
    }
    if (open) return std::nullopt;
    const std::string_view descriptor = text.substr(end);
    source.width = number_after(descriptor, ".header.w = ");
    source.height = number_after(descriptor, ".header.h = ");
    if (source.width < 0 || source.height < 0) return std::nullopt;
    return source;
}

std::optional<std::vector<std::uint8_t>> section_bytes(const ImageSource& source,
                                                       std::string_view condition) {
    const ArraySection* found = nullptr;
    for (const auto& s : source.sections) {
        if (s.condition != condition) continue;
        if (found != nullptr) return std::nullopt;
        found = &s;
    }
    if (found == nullptr) return std::nullopt;
    return found->bytes;
}

}  // namespace lvforge::fuzz
