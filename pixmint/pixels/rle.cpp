#include "pixmint/pixels/rle.h"

#include <algorithm>
#include <cstring>

namespace pixmint {

namespace {

// A control byte counts at most 127 units.
constexpr std::size_t kMaxRun = 127;

// Units at `at` equal to the one there, up to kMaxRun and the last whole unit.
std::size_t repeats(const std::uint8_t* data, std::size_t units, std::size_t at, std::size_t unit) {
    std::size_t k = 1;
    while (at + k < units && k < kMaxRun && std::memcmp(data + at * unit, data + (at + k) * unit, unit) == 0)
        ++k;
    return k;
}

// Whether a repeat of `count` units saves bytes over carrying them in a literal run: a repeat
// costs a control byte and a unit, and may cost the control byte of the literal run after it.
bool worth_repeating(std::size_t count, std::size_t unit) {
    return count * unit > unit + 2 || (count >= 2 && unit >= 2);
}

}  // namespace

std::vector<std::uint8_t> rle_compress(const std::uint8_t* data, std::size_t n, std::size_t unit) {
    std::vector<std::uint8_t> out;
    out.reserve(n + n / 64 + 16);
    const std::size_t units = n / unit;
    std::size_t at = 0;
    while (at < units) {
        const std::size_t run = repeats(data, units, at, unit);
        if (worth_repeating(run, unit)) {
            out.push_back(static_cast<std::uint8_t>(run));
            out.insert(out.end(), data + at * unit, data + (at + 1) * unit);
            at += run;
            continue;
        }
        // A literal run goes on until a repeat worth its own control byte starts, or 127 units.
        std::size_t end = at + run;
        while (end < units && end - at < kMaxRun) {
            const std::size_t next = repeats(data, units, end, unit);
            if (worth_repeating(next, unit)) break;
            end = std::min(end + next, at + kMaxRun);
        }
        out.push_back(static_cast<std::uint8_t>(0x80 | (end - at)));
        out.insert(out.end(), data + at * unit, data + end * unit);
        at = end;
    }
    if (const std::size_t tail = n - units * unit; tail != 0) {
        out.push_back(0x81);
        out.insert(out.end(), data + units * unit, data + n);
        out.insert(out.end(), unit - tail, 0);
    }
    return out;
}

}  // namespace pixmint
