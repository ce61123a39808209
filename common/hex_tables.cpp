#include "common/hex_tables.h"

#if defined(__x86_64__)
#include <cpuid.h>
#include <immintrin.h>
#endif

namespace lvforge {

namespace {

// Builds a table whose entries read: [blank] 0x <two lower-case digits> , [blank].
constexpr HexTable make_table(bool leading_blank) {
    constexpr char kDigits[] = "0123456789abcdef";
    HexTable t{};
    for (int b = 0; b < 256; ++b) {
        char* e = t.unit[b];
        int i = 0;
        if (leading_blank) e[i++] = ' ';
        e[i++] = '0';
        e[i++] = 'x';
        e[i++] = kDigits[b >> 4];
        e[i++] = kDigits[b & 15];
        e[i++] = ',';
        if (!leading_blank) e[i++] = ' ';
    }
    // Where the digits sit in a unit, read off the unit of 0xab.
    int hi = 0;
    while (t.unit[0xab][hi] != 'a') ++hi;
    for (int stretch = 0; stretch < 3; ++stretch)
        for (int c = 0; c < 16; ++c) {
            const int at = stretch * 16 + c;  // the character's place among the 96
            const int byte = at / 6, place = at % 6;
            const bool digit = place == hi || place == hi + 1;
            t.digit_at[stretch][c] = digit ? static_cast<std::uint8_t>(byte * 2 + (place - hi)) : 0x80;
            t.fixed[stretch][c] = digit ? '\0' : t.unit[0][place];
        }
    return t;
}

#if defined(__x86_64__)
// Whether the processor has SSSE3, asked once, by the first run that formats 16 bytes or more. The
// compiler's own check would ask at every start, in a constructor that makes a dozen CPUID calls,
// each slow in a virtual machine.
bool has_ssse3() {
    static const bool has = [] {
        unsigned a = 0, b = 0, c = 0, d = 0;
        return __get_cpuid(1, &a, &b, &c, &d) != 0 && (c & bit_SSSE3) != 0;
    }();
    return has;
}

// 16 bytes to their 96 characters with byte shuffles: each byte's two digits looked up at once,
// then placed among the fixed characters of its unit. SSSE3 is on every x86-64 processor of the
// last fifteen years; older ones take the word-by-word copy below.
__attribute__((target("ssse3"))) char* copy_units_ssse3(char* out, const HexTable& table,
                                                        const std::uint8_t* in, std::size_t blocks) {
    const __m128i digits =
        _mm_setr_epi8('0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'a', 'b', 'c', 'd', 'e', 'f');
    const __m128i low_nibble = _mm_set1_epi8(0x0f);
    __m128i pick[3], fixed[3];
    for (int s = 0; s < 3; ++s) {
        pick[s] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(table.digit_at[s]));
        fixed[s] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(table.fixed[s]));
    }
    for (std::size_t b = 0; b < blocks; ++b, in += 16, out += 96) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
        const __m128i high = _mm_shuffle_epi8(digits, _mm_and_si128(_mm_srli_epi16(v, 4), low_nibble));
        const __m128i low = _mm_shuffle_epi8(digits, _mm_and_si128(v, low_nibble));
        const __m128i halves[2] = {_mm_unpacklo_epi8(high, low), _mm_unpackhi_epi8(high, low)};
        for (int h = 0; h < 2; ++h)
            for (int s = 0; s < 3; ++s)
                _mm_storeu_si128(reinterpret_cast<__m128i*>(out + h * 48 + s * 16),
                                 _mm_or_si128(_mm_shuffle_epi8(halves[h], pick[s]), fixed[s]));
    }
    return out;
}
#endif

}  // namespace

alignas(8) constinit const HexTable kPixelHex = make_table(true);
alignas(8) constinit const HexTable kArrayHex = make_table(false);

char* copy_hex_units(char* out, const HexTable& table, const std::uint8_t* in, std::size_t n) {
    std::size_t i = 0;
#if defined(__x86_64__)
    if (n >= 16 && has_ssse3()) {
        out = copy_units_ssse3(out, table, in, n / 16);
        i = n / 16 * 16;
    }
#endif
    for (; i < n; ++i) out = copy_hex_unit(out, table, in[i]);
    return out;
}

}  // namespace lvforge
