#include "pixmint/output/bin_sink.h"

namespace pixmint {

std::string bin_path_of(const std::string& out_path) {
    std::string stem = out_path;
    if (stem.ends_with(".c")) stem.resize(stem.size() - 2);
    return stem + ".bin";
}

std::uint32_t bin_header(unsigned cf, std::uint32_t width, std::uint32_t height) {
    return (cf & 0x1Fu) | (width & 0x7FFu) << 10 | (height & 0x7FFu) << 21;
}

std::vector<std::uint8_t> bin_file(std::uint32_t header, const std::vector<std::uint8_t>& body) {
    std::vector<std::uint8_t> out;
    out.reserve(4 + body.size());
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(header >> shift));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

BinSink::BinSink(lvforge::SafeOutput& out, const BinFileSpec& spec, EncoderSet& encoders)
    : out_(out), positional_(out.positional()) {
    head_ = bin_file(bin_header(cf_value(spec.format), spec.width, spec.height), spec.palette);
    if (!spec.has_pixels) return;
    std::vector<Encoder> planes;
    switch (family_of(spec.format)) {
        case FormatFamily::true_color: {
            const int depth = spec.depth == Depth::bits24 ? 32 : static_cast<int>(spec.depth);
            planes.push_back(
                {Encoder::Kind::true_color,
                 {depth, spec.swap, spec.format == ColorFormat::true_color_alpha, spec.premultiply},
                 0});
            break;
        }
        case FormatFamily::indexed:
            planes.push_back({Encoder::Kind::indexed, {}, bits_of(spec.format)});
            break;
        case FormatFamily::alpha:
            planes.push_back({Encoder::Kind::alpha, {}, bits_of(spec.format)});
            break;
        case FormatFamily::alpha_plane:
            planes.push_back({Encoder::Kind::true_color, {16, spec.swap, false, false}, 0});
            planes.push_back({Encoder::Kind::alpha, {}, 8});
            break;
        case FormatFamily::raw:     // no binary form; the command line refuses it
        case FormatFamily::direct:  // v9's alone: written by the v9 route
            return;
    }
    std::uint64_t offset = head_.size();
    for (const Encoder& e : planes) {
        const std::size_t row_bytes = encoded_row_bytes(e, spec.width);
        planes_.push_back({encoders.add(e), row_bytes, offset});
        offset += std::uint64_t{row_bytes} * spec.height;
    }
}

int BinSink::passes() const {
    // In order, one plane a pass.
    return positional_ || planes_.empty() ? 1 : static_cast<int>(planes_.size());
}

void BinSink::begin_pass(int pass) {
    if (pass != 0) return;
    if (positional_) {
        out_.write_at(0, head_.data(), head_.size());
    } else {
        out_.write(head_.data(), head_.size());
    }
}

void BinSink::take(int pass, const EncodedChunk& chunk) {
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

}  // namespace pixmint
