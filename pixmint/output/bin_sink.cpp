#include "pixmint/output/bin_sink.h"

#include "pixmint/output/bin_layout.h"

namespace pixmint {

std::string bin_path_of(const std::string& out_path) {
    std::string stem = out_path;
    if (stem.ends_with(".c")) stem.resize(stem.size() - 2);
    return stem + ".bin";
}

BinSink::BinSink(lvforge::SafeOutput& out, const BinFileSpec& spec, EncoderSet& encoders) : out_(out) {
    head_ = bin_file(bin_header(cf_value(spec.format), spec.width, spec.height), spec.palette);
    if (!spec.has_pixels) return;
    Encoder e;
    switch (family_of(spec.format)) {
        case FormatFamily::true_color: {
            const int depth = spec.depth == Depth::bits24 ? 32 : static_cast<int>(spec.depth);
            e = {Encoder::Kind::true_color,
                 {depth, spec.swap, spec.format == ColorFormat::true_color_alpha, spec.premultiply},
                 0};
            break;
        }
        case FormatFamily::indexed:
            e = {Encoder::Kind::indexed, {}, bits_of(spec.format)};
            break;
        case FormatFamily::alpha:
            e = {Encoder::Kind::alpha, {}, bits_of(spec.format)};
            break;
        case FormatFamily::raw:
            // Raw formats have no binary form; the command line refuses them.
            return;
    }
    encoder_ = encoders.add(e);
    row_bytes_ = encoded_row_bytes(e, spec.width);
}

void BinSink::begin_pass(int pass) {
    if (pass == 0) out_.write(head_.data(), head_.size());
}

void BinSink::take(int pass, const EncodedChunk& chunk) {
    if (pass == 0 && encoder_) out_.write(chunk.bytes(*encoder_), row_bytes_ * chunk.rows.count);
}

}  // namespace pixmint
