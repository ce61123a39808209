#include "pixmint/output/bin_sink.h"

#include <array>

namespace pixmint {

std::string bin_path_of(const std::string& out_path) {
    std::string stem = out_path;
    if (stem.ends_with(".c")) stem.resize(stem.size() - 2);
    return stem + ".bin";
}

std::uint32_t bin_header(unsigned cf, std::uint32_t width, std::uint32_t height) {
    return (cf & 0x1Fu) | (width & 0x7FFu) << 10 | (height & 0x7FFu) << 21;
}

std::array<std::uint8_t, 12> v9_bin_header(unsigned cf, unsigned flags, std::uint32_t width,
                                           std::uint32_t height, std::uint32_t stride) {
    // LV_IMAGE_HEADER_MAGIC: v9's headers start with it, which tells them from v7 / v8 header words.
    constexpr std::uint8_t kMagic = 0x19;
    const auto lo = [](std::uint32_t v) { return static_cast<std::uint8_t>(v); };
    const auto hi = [](std::uint32_t v) { return static_cast<std::uint8_t>(v >> 8); };
    return {kMagic,     lo(cf),     lo(flags),  hi(flags),  lo(width), hi(width),
            lo(height), hi(height), lo(stride), hi(stride), 0,         0};
}

std::vector<std::uint8_t> bin_file(std::uint32_t header, const std::vector<std::uint8_t>& body) {
    std::vector<std::uint8_t> out;
    out.reserve(4 + body.size());
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(header >> shift));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

BinSink::BinSink(lvforge::SafeOutput& out, const BinFileContent& content, EncoderSet& encoders)
    : out_(out), positional_(out.positional()) {
    if (content.v9) {
        lay_out_v9(content, encoders);
        return;
    }
    head_ = bin_file(bin_header(cf_value(content.format), content.width, content.height), content.palette);
    if (!content.has_pixels) return;
    std::vector<Encoder> planes;
    switch (family_of(content.format)) {
        case FormatFamily::true_color: {
            const int depth = content.depth == Depth::bits24 ? 32 : static_cast<int>(content.depth);
            planes.push_back(
                {Encoder::Kind::true_color,
                 {depth, content.swap, content.format == ColorFormat::true_color_alpha, content.premultiply},
                 0});
            break;
        }
        case FormatFamily::indexed:
            planes.push_back({Encoder::Kind::indexed, {}, bits_of(content.format)});
            break;
        case FormatFamily::alpha:
            planes.push_back({Encoder::Kind::alpha, {}, bits_of(content.format)});
            break;
        case FormatFamily::alpha_plane:
            planes.push_back({Encoder::Kind::true_color, {16, content.swap, false, false}, 0});
            planes.push_back({Encoder::Kind::alpha, {}, 8});
            break;
        case FormatFamily::raw:     // no binary form; the command line refuses it
        case FormatFamily::direct:  // v9's alone: laid out by lay_out_v9
            return;
    }
    std::uint64_t offset = head_.size();
    for (const Encoder& e : planes) {
        const std::size_t row_bytes = encoded_row_bytes(e, content.width);
        planes_.push_back({encoders.add(e), row_bytes, offset});
        offset += std::uint64_t{row_bytes} * content.height;
    }
}

void BinSink::lay_out_v9(const BinFileContent& content, EncoderSet& encoders) {
    v9_ = pixmint::lay_out_v9(content.format, content.width, content.height, content.has_pixels,
                              content.palette, 0, *content.v9, encoders);
    const auto header = v9_bin_header(cf_value_v9(v9_.format), v9_.flags, v9_.width, v9_.height, v9_.stride);
    head_.assign(header.begin(), header.end());
    if (v9_.compression != Compression::none) {
        // The header, then the block compressed once its last row is in.
        gathered_ = std::make_unique<V9BlockBuffer>(v9_);
        return;
    }
    head_.insert(head_.end(), v9_.palette.begin(), v9_.palette.end());
    for (const V9Layout::Plane& p : v9_.planes)
        planes_.push_back({p.encoder, p.row_bytes, header.size() + p.offset});
}

void BinSink::write_bytes(std::uint64_t offset, const std::uint8_t* data, std::size_t n) {
    if (positional_) {
        out_.write_at(offset, data, n);
    } else {
        out_.write(data, n);
    }
}

int BinSink::passes() const {
    // In order, one plane a pass.
    return positional_ || planes_.empty() ? 1 : static_cast<int>(planes_.size());
}

void BinSink::begin_pass(int pass) {
    if (pass != 0) return;
    write_bytes(0, head_.data(), head_.size());
}

void BinSink::take(int pass, const EncodedChunk& chunk) {
    if (gathered_) {
        if (pass == 0) gathered_->take(chunk);
        return;
    }
    for (std::size_t p = 0; p < planes_.size(); ++p) {
        const Plane& plane = planes_[p];
        const std::size_t size = plane.row_bytes * chunk.rows.count;
        if (positional_) {
            out_.write_at(plane.offset + std::uint64_t{chunk.rows.first} * plane.row_bytes,
                          chunk.bytes(plane.encoder), size);
        } else if (p == static_cast<std::size_t>(pass)) {
            out_.write(chunk.bytes(plane.encoder), size);
        }
    }
}

void BinSink::end_pass(int pass) {
    if (!gathered_ || pass != 0) return;
    const auto packed = gathered_->compressed();
    gathered_.reset();
    if (!packed) {
        failure_ = fatal(FailureKind::compress_failed);
        return;
    }
    write_bytes(head_.size(), packed->data(), packed->size());
}

}  // namespace pixmint
