#include "pixmint/acquire/png_palette.h"

#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "pixmint/pixels/spng_library.h"

namespace pixmint {

namespace {

struct ContextRelease {
    const SpngLibrary* lib;
    void operator()(spng_ctx* ctx) const { lib->ctx_free(ctx); }
};
using Context = std::unique_ptr<spng_ctx, ContextRelease>;

// Whether the file holds a tRNS chunk ahead of its image data. libspng drops a malformed one (more
// alpha values than PLTE has entries) as if it were not there; the artist's alpha must not
// quietly turn opaque, so such a file is refused, as the image decoder refuses it.
bool has_trns_chunk(std::span<const std::uint8_t> file) {
    constexpr std::size_t kSignature = 8, kFrame = 12;  // length, type, CRC
    for (std::size_t at = kSignature; at + kFrame <= file.size();) {
        const std::uint8_t* c = file.data() + at;
        const std::size_t length =
            std::size_t{c[0]} << 24 | std::size_t{c[1]} << 16 | std::size_t{c[2]} << 8 | c[3];
        if (std::memcmp(c + 4, "tRNS", 4) == 0) return true;
        if (std::memcmp(c + 4, "IDAT", 4) == 0 || length > file.size() - at - kFrame) return false;
        at += kFrame + length;
    }
    return false;
}

}  // namespace

lvforge::Result<PalettePng, Failure> read_palette_png(std::span<const std::uint8_t> file) {
    constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (file.size() < sizeof kSignature || std::memcmp(file.data(), kSignature, sizeof kSignature) != 0)
        return fatal(FailureKind::not_palette_png);
    // Loaded here, on the one route that needs it; without it the palette can't be read.
    const SpngLibrary* lib = spng_library();
    if (lib == nullptr) return fatal(FailureKind::image_load);
    // The image decoder ignores checksums; so does this reader, so that --keep-palette takes every
    // file the conversion without it takes.
    Context ctx(lib->ctx_new(SPNG_CTX_IGNORE_ADLER32), ContextRelease{lib});
    if (ctx == nullptr || lib->set_crc_action(ctx.get(), SPNG_CRC_USE, SPNG_CRC_USE) != 0 ||
        lib->set_png_buffer(ctx.get(), file.data(), file.size()) != 0) {
        return fatal(FailureKind::image_load);
    }
    spng_ihdr ihdr{};
    const int read = lib->get_ihdr(ctx.get(), &ihdr);
    if (read == 0 && ihdr.color_type != SPNG_COLOR_TYPE_INDEXED) return fatal(FailureKind::not_palette_png);
    spng_plte plte{};
    std::size_t row_bytes = 0;
    std::size_t size = 0;
    if (read != 0 || lib->get_plte(ctx.get(), &plte) != 0 ||
        lib->decoded_image_size(ctx.get(), SPNG_FMT_PNG, &size) != 0 || ihdr.height == 0 ||
        (row_bytes = size / ihdr.height) * ihdr.height != size) {
        return fatal(FailureKind::image_load);
    }
    spng_trns trns{};
    const int has_trns = lib->get_trns(ctx.get(), &trns);
    if (has_trns != 0 && (has_trns != SPNG_ECHUNKAVAIL || has_trns_chunk(file)))
        return fatal(FailureKind::image_load);
    const std::uint32_t alphas = has_trns == 0 ? trns.n_type3_entries : 0;

    PalettePng out{ihdr.width, ihdr.height, {}};
    for (std::uint32_t i = 0; i < plte.n_entries; ++i) {
        const spng_plte_entry& e = plte.entries[i];
        out.indexed.palette.push_back(
            {e.red, e.green, e.blue, i < alphas ? trns.type3_alpha[i] : std::uint8_t{255}});
    }
    // Rows as the file packs them (1, 2, 4 or 8 bits an index, most significant bits first), the
    // passes of an interlaced file already put in place.
    std::vector<std::uint8_t> rows(size);
    if (lib->decode_image(ctx.get(), rows.data(), rows.size(), SPNG_FMT_PNG, 0) != 0)
        return fatal(FailureKind::image_load);
    const unsigned bits = ihdr.bit_depth;
    const unsigned per_byte = 8 / bits;
    const unsigned mask = (1u << bits) - 1;
    out.indexed.index.reserve(std::size_t{ihdr.width} * ihdr.height);
    for (std::uint32_t y = 0; y < ihdr.height; ++y) {
        const std::uint8_t* row = rows.data() + row_bytes * y;
        for (std::uint32_t x = 0; x < ihdr.width; ++x) {
            const unsigned shift = 8 - bits * (x % per_byte + 1);
            const auto index = static_cast<std::uint8_t>(unsigned{row[x / per_byte]} >> shift & mask);
            if (index >= plte.n_entries) {
                return refused_palette(FailureKind::index_past_palette,
                                       {.colors = plte.n_entries, .index = index});
            }
            out.indexed.index.push_back(index);
        }
    }
    return out;
}

}  // namespace pixmint
