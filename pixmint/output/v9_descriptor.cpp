#include "pixmint/output/v9_descriptor.h"

#include <string_view>

#include "pixmint/output/hex_lines.h"
#include "pixmint/pixels/compressed_block.h"
#include "pixmint/pixels/formats.h"

namespace pixmint {

namespace {

// Raw files and compressed data have no rows: they are written sixteen bytes a line.
constexpr std::size_t kFlatLineBytes = 16;

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

void append_block(ColorFormat format, const V9Block& block, std::uint32_t height, lvforge::TextSink& out) {
    const std::uint8_t* bytes = block.bytes.data();
    if (family_of(format) == FormatFamily::raw) {
        out.append("  /*The image file as it is*/\n");
        append_hex_lines(out, bytes, block.bytes.size(), kFlatLineBytes);
        return;
    }
    if (block.palette_bytes != 0) {
        out.appendf("  /*Palette: %zu colors of Blue, Green, Red, Alpha: 8 bit each*/\n",
                    block.palette_bytes / 4);
        append_hex_lines(out, bytes, block.palette_bytes, 4);
    }
    const std::size_t rows = std::size_t{block.stride} * height;
    out.append("  /*Pixel format: ");
    out.append(v9_name(format));
    out.appendf(", rows of %u bytes*/\n", block.stride);
    append_hex_lines(out, bytes + block.palette_bytes, rows, block.stride);
    if (block.alpha_plane != 0) {
        out.appendf("  /*Alpha: 8 bit each, rows of %u bytes*/\n", block.stride / 2);
        append_hex_lines(out, bytes + block.alpha_plane, block.bytes.size() - block.alpha_plane,
                         block.stride / 2);
    }
}

}  // namespace

void append_v9_map_array(const lvforge::OutputNames& names, const Encoding& encoding, const V9Image& image,
                         lvforge::TextSink& out) {
    out.appendf(
        "const LV_ATTRIBUTE_LARGE_CONST LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_IMG_%s uint8_t %s_map[] = {\n",
        names.attr_name.c_str(), names.var_name.c_str());
    if (image.compressed.empty()) {
        append_block(encoding.format, image.block, image.height, out);
    } else {
        const char* method = method_name(encoding.compression);
        out.appendf("  /*Compressed with %s: method, %zu compressed bytes, %zu bytes of ", method,
                    image.compressed.size() - kCompressedHeaderBytes, image.block.bytes.size());
        out.append(v9_name(encoding.format));
        out.appendf(" with rows of %u bytes*/\n", image.block.stride);
        append_hex_lines(out, image.compressed.data(), kCompressedHeaderBytes, 4);
        out.appendf("  /*%s data*/\n", method);
        append_hex_lines(out, image.compressed.data() + kCompressedHeaderBytes,
                         image.compressed.size() - kCompressedHeaderBytes, kFlatLineBytes);
    }
    out.append("};\n\n");
}

void append_v9_descriptor(std::string_view var_name, const Encoding& encoding, const V9Image& image,
                          lvforge::TextSink& out) {
    out.append("const LV_ATTRIBUTE_LARGE_CONST lv_image_dsc_t ");
    out.append(var_name);
    out.append(" = {\n");
    out.append("  .header.magic = LV_IMAGE_HEADER_MAGIC,\n");
    out.appendf("  .header.cf = %s,\n", cf_constant_v9(encoding.format));
    out.appendf("  .header.flags = %s,\n", flags_text(image.flags));
    out.appendf("  .header.w = %u,\n", image.width);
    out.appendf("  .header.h = %u,\n", image.height);
    out.appendf("  .header.stride = %u,\n", image.block.stride);
    out.appendf("  .data_size = %zu,\n", image.data().size());
    out.append("  .data = ");
    out.append(var_name);
    out.append("_map,\n};\n");
}

}  // namespace pixmint
