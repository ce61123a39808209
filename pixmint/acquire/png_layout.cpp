#include "pixmint/acquire/png_layout.h"

#include <algorithm>
#include <cstring>

namespace pixmint {

namespace {

constexpr std::uint32_t chunk_type(const char (&name)[5]) {
    return std::uint32_t{static_cast<std::uint8_t>(name[0])} << 24 |
           std::uint32_t{static_cast<std::uint8_t>(name[1])} << 16 |
           std::uint32_t{static_cast<std::uint8_t>(name[2])} << 8 | static_cast<std::uint8_t>(name[3]);
}

constexpr std::uint32_t kIhdr = chunk_type("IHDR");
constexpr std::uint32_t kPlte = chunk_type("PLTE");
constexpr std::uint32_t kTrns = chunk_type("tRNS");
constexpr std::uint32_t kIdat = chunk_type("IDAT");
constexpr std::uint32_t kIend = chunk_type("IEND");

// The reference decoder's largest side, and its cap on the decoded pixels' bytes.
constexpr std::uint32_t kMaxDimension = 1u << 24;
constexpr std::uint32_t kMaxDecodedBytes = 1u << 30;

// Scale of a grey sample of each depth up to 8 bits, as the reference decoder applies it.
constexpr std::uint8_t kDepthScale[9] = {0, 0xff, 0x55, 0, 0x11, 0, 0, 0, 0x01};

bool allowed(int color, int depth) {
    switch (color) {
        case 0:
            return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
        case 3:
            return depth == 1 || depth == 2 || depth == 4 || depth == 8;
        case 2:
        case 4:
        case 6:
            return depth == 8 || depth == 16;
        default:
            return false;
    }
}

std::uint32_t be32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

}  // namespace

std::optional<PngLayout> plain_png_layout(std::span<const std::uint8_t> file) {
    static constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (file.size() < 8 || std::memcmp(file.data(), kSignature, 8) != 0) return std::nullopt;
    PngLayout out;
    bool seen_ihdr = false, seen_plte = false, seen_trns = false, data_ended = false;
    std::size_t pos = 8;
    for (;;) {
        if (file.size() - pos < 8) return std::nullopt;  // no IEND
        const std::uint32_t length = be32(&file[pos]);
        const std::uint32_t type = be32(&file[pos + 4]);
        pos += 8;
        if (length > file.size() - pos) return std::nullopt;
        const std::uint8_t* data = &file[pos];
        if (type == kIend) break;
        if (!seen_ihdr && type != kIhdr) return std::nullopt;
        if (!out.data.empty() && type != kIdat) data_ended = true;
        if (type == kIhdr) {
            if (seen_ihdr || length != 13) return std::nullopt;
            seen_ihdr = true;
            out.width = be32(data);
            out.height = be32(data + 4);
            out.depth = data[8];
            out.color = data[9];
            // Compression and filter method 0, no interlacing: rows arrive in their final order.
            if (data[10] != 0 || data[11] != 0 || data[12] != 0) return std::nullopt;
            if (!allowed(out.color, out.depth) || out.width == 0 || out.height == 0 ||
                out.width > kMaxDimension || out.height > kMaxDimension) {
                return std::nullopt;
            }
            const std::uint32_t samples =
                out.color == 3 ? 4 : (out.color & 2 ? 3u : 1u) + (out.color & 4 ? 1u : 0u);
            if (kMaxDecodedBytes / out.width / samples < out.height) return std::nullopt;
        } else if (type == kPlte) {
            if (seen_plte || !out.data.empty() || seen_trns || length > 256 * 3 || length % 3 != 0)
                return std::nullopt;
            seen_plte = true;
            out.palette_size = length / 3;
            for (std::uint32_t i = 0; i < out.palette_size; ++i) {
                std::copy_n(data + i * 3, 3, &out.palette[i * 4]);
                out.palette[i * 4 + 3] = 255;
            }
        } else if (type == kTrns) {
            if (seen_trns || !out.data.empty()) return std::nullopt;
            seen_trns = true;
            if (out.color == 3) {
                if (out.palette_size == 0 || length > out.palette_size) return std::nullopt;
                for (std::uint32_t i = 0; i < length; ++i) out.palette[i * 4 + 3] = data[i];
                out.channels = 4;
            } else {
                const std::uint32_t samples = out.color == 2 ? 3 : 1;
                if ((out.color & 4) != 0 || length != samples * 2) return std::nullopt;
                out.keyed = true;
                for (std::uint32_t k = 0; k < samples; ++k) {
                    const std::uint32_t v = std::uint32_t{data[k * 2]} << 8 | data[k * 2 + 1];
                    out.key[k] = out.depth == 16
                                     ? static_cast<std::uint16_t>(v)
                                     : static_cast<std::uint8_t>((v & 255) * kDepthScale[out.depth]);
                }
            }
        } else if (type == kIdat) {
            if (data_ended || (out.color == 3 && out.palette_size == 0)) return std::nullopt;
            if (length > 0) out.data.push_back({pos, length});
        } else if ((type & (1u << 29)) == 0) {
            return std::nullopt;  // a critical chunk the decoders may not know
        }
        pos += length;
        if (file.size() - pos < 4) return std::nullopt;  // its checksum is missing
        pos += 4;
    }
    if (!seen_ihdr || out.data.empty()) return std::nullopt;
    if (out.color == 3) {
        out.channels = out.channels == 4 ? 4 : 3;
    } else {
        out.channels = (out.color & 2 ? 3 : 1) + (out.color & 4 ? 1 : 0) + (out.keyed ? 1 : 0);
    }
    return out;
}

}  // namespace pixmint
