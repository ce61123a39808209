#include "pixmint/output/v9_descriptor.h"

#include "pixmint/output/hex_lines.h"
#include "pixmint/pixels/compressed_block.h"

namespace pixmint {

namespace {

// The format's name as v9 spells it: its constant without "LV_COLOR_FORMAT_".
std::string_view v9_name(ColorFormat format) {
    std::string_view constant = cf_constant_v9(format);
    constexpr std::string_view prefix = "LV_COLOR_FORMAT_";
    if (constant.starts_with(prefix)) constant.remove_prefix(prefix.size());
    return constant;
}

const char* method_name(Compression method) {
    return method == Compression::rle ? "RLE" : "LZ4";
}

const char* flags_text(unsigned flags) {
    switch (flags & (kV9FlagPremultiplied | kV9FlagCompressed)) {
        case kV9FlagPremultiplied:
            return "LV_IMAGE_FLAGS_PREMULTIPLIED";
        case kV9FlagCompressed:
            return "LV_IMAGE_FLAGS_COMPRESSED";
        case kV9FlagPremultiplied | kV9FlagCompressed:
            return "LV_IMAGE_FLAGS_PREMULTIPLIED | LV_IMAGE_FLAGS_COMPRESSED";
        default:
            return "0";
    }
}

// `n` bytes as lines of `per_line`, as the map array holds them.
std::string hex_lines(const std::uint8_t* bytes, std::size_t n, std::size_t per_line) {
    std::string out(hex_lines_size(n, per_line), '\0');
    format_hex_lines(bytes, n, per_line, out.data());
    return out;
}

}  // namespace

std::string v9_block_opening(ColorFormat format, const std::vector<std::uint8_t>& palette,
                             std::uint32_t stride) {
    std::string out;
    if (!palette.empty()) {
        out += "  /*Palette: " + std::to_string(palette.size() / 4) +
               " colors of Blue, Green, Red, Alpha: 8 bit each*/\n";
        out += hex_lines(palette.data(), palette.size(), 4);
    }
    out += "  /*Pixel format: ";
    out += v9_name(format);
    out += ", rows of " + std::to_string(stride) + " bytes*/\n";
    return out;
}

std::string v9_alpha_plane_opening(std::uint32_t alpha_stride) {
    return "  /*Alpha: 8 bit each, rows of " + std::to_string(alpha_stride) + " bytes*/\n";
}

std::string v9_compressed_opening(const V9Layout& layout, const std::vector<std::uint8_t>& compressed) {
    const char* method = method_name(layout.compression);
    std::string out = std::string("  /*Compressed with ") + method + ": method, " +
                      std::to_string(compressed.size() - kCompressedHeaderBytes) + " compressed bytes, " +
                      std::to_string(layout.size) + " bytes of ";
    out += v9_name(layout.format);
    out += " with rows of " + std::to_string(layout.stride) + " bytes*/\n";
    out += hex_lines(compressed.data(), kCompressedHeaderBytes, 4);
    out += std::string("  /*") + method + " data*/\n";
    return out;
}

std::string v9_tail_text(std::string_view var_name, const V9Layout& layout, std::uint64_t data_size) {
    std::string out = "};\n\nconst LV_ATTRIBUTE_LARGE_CONST lv_image_dsc_t ";
    out += var_name;
    out += " = {\n";
    out += "  .header.magic = LV_IMAGE_HEADER_MAGIC,\n";
    out += std::string("  .header.cf = ") + cf_constant_v9(layout.format) + ",\n";
    out += std::string("  .header.flags = ") + flags_text(layout.flags) + ",\n";
    out += "  .header.w = " + std::to_string(layout.width) + ",\n";
    out += "  .header.h = " + std::to_string(layout.height) + ",\n";
    out += "  .header.stride = " + std::to_string(layout.stride) + ",\n";
    out += "  .data_size = " + std::to_string(data_size) + ",\n";
    out += "  .data = ";
    out += var_name;
    out += "_map,\n};\n";
    return out;
}

}  // namespace pixmint
