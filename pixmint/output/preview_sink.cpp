#include "pixmint/output/preview_sink.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "pixmint/output/pipeline.h"
#include "pixmint/pixels/depth_reduction.h"
#include "pixmint/pixels/spng_library.h"
#include "pixmint/pixels/v9_formats.h"
#include "pixmint/pixels/v9_preview.h"

namespace pixmint {

namespace {

// A preview only needs to be quick to write: run-length matches of one filtered row against the
// one above it compress flat artwork well and noisy photos about as well as the default would, in
// a fraction of its time.
constexpr int kCompressionLevel = 1;
constexpr int kCompressionStrategy = 3;  // zlib's Z_RLE
constexpr int kFilter = SPNG_FILTER_CHOICE_UP;

// Releases an encoder through the loaded library.
struct ContextRelease {
    const SpngLibrary* lib;
    void operator()(spng_ctx* ctx) const { lib->ctx_free(ctx); }
};

int write_png_bytes(spng_ctx* /*ctx*/, void* user, void* data, std::size_t length) {
    auto* out = static_cast<lvforge::SafeOutput*>(user);
    return out->write(data, length) ? 0 : SPNG_IO_ERROR;
}

}  // namespace

int shown_depth(Depth depth) {
    switch (depth) {
        case Depth::bits8:
            return 8;
        case Depth::bits24:
            return 32;
        case Depth::bits16:
        case Depth::all:
            break;
    }
    return 16;
}

ShownPixels::ShownPixels(const PreviewContent& content, EncoderSet& encoders)
    : family_(family_of(content.format)) {
    if (content.lvgl == LvglVersion::v9 && family_ != FormatFamily::raw) {
        show_v9(content, encoders);
        return;
    }
    // rgb565a8 holds 16-bit colours, whatever -d says.
    const int depth = family_ == FormatFamily::alpha_plane ? 16 : shown_depth(content.depth);
    for (unsigned a = 0; a < 256; ++a) {
        unsigned drawn = a;
        if (content.lvgl == LvglVersion::v8 && depth == 16) {
            const unsigned mix = (a + 4) >> 3;  // lv_color_mix's 5-bit ratio, 0 to 32
            drawn = (mix * 255 + 16) / 32;
        } else if (content.lvgl == LvglVersion::v8 && depth == 8) {
            drawn = a > 128 ? 255 : 0;
        }
        opacity_[a] = static_cast<std::uint8_t>(drawn);
    }
    switch (family_) {
        case FormatFamily::true_color:
            chroma_key_ = content.format == ColorFormat::true_color_chroma_keyed;
            spec_ = {Encoder::Kind::true_color,
                     {depth, false, content.format == ColorFormat::true_color_alpha, false},
                     0};
            encoder_ = encoders.add(spec_);
            break;
        case FormatFamily::alpha_plane:
            spec_ = {Encoder::Kind::true_color, {16, false, true, false}, 0};
            encoder_ = encoders.add(spec_);
            break;
        case FormatFamily::alpha:
            spec_ = {Encoder::Kind::alpha, {}, bits_of(content.format)};
            encoder_ = encoders.add(spec_);
            break;
        case FormatFamily::indexed: {
            // Each palette colour as the device shows it: through the encoder and back, the way
            // LVGL reduces palette entries when it loads them. Entries past the palette stay zero.
            std::array<std::uint8_t, 256 * 4> colours{};
            for (std::size_t i = 0; i < content.palette.size() && i < 256; ++i) {
                const Color32& c = content.palette[i];
                colours[i * 4] = c.r, colours[i * 4 + 1] = c.g, colours[i * 4 + 2] = c.b,
                            colours[i * 4 + 3] = c.a;
            }
            const TrueColorLayout layout{depth, false, true, false};
            std::array<std::uint8_t, 256 * 4> bytes{};
            encode_true_color(colours.data(), 256, layout, bytes.data());
            decode_true_color(bytes.data(), 256, layout, palette_.data());
            for (std::size_t i = 0; i < 256; ++i) {
                std::uint8_t* p = &palette_[i * 4];
                // LVGL v7 chroma keys indexed images as well: a colour shown as pure green is
                // transparent there; v8 draws it.
                if (content.lvgl == LvglVersion::v7 && p[0] == 0 && p[1] == 255 && p[2] == 0) p[3] = 0;
                p[3] = opacity_[p[3]];
            }
            break;
        }
        case FormatFamily::raw:
        case FormatFamily::direct:
            break;
    }
}

void ShownPixels::show_v9(const PreviewContent& content, EncoderSet& encoders) {
    // The very rows the C file or the .bin holds, in the layout v9 reads: the same encoders.
    v9_ = true;
    format_ = content.format;
    const std::vector<std::uint8_t> palette =
        family_ == FormatFamily::indexed
            ? v9_palette_bytes(content.palette, bits_of(content.format), content.v9.premultiply)
            : std::vector<std::uint8_t>();
    const V9Layout layout =
        lay_out_v9(content.format, content.width, content.height, true, palette, 0, content.v9, encoders);
    if (layout.planes.empty()) return;
    encoder_ = layout.planes[0].encoder;
    spec_ = encoders.all()[*encoder_];
    if (layout.planes.size() > 1) {
        alpha_encoder_ = layout.planes[1].encoder;
        alpha_row_bytes_ = layout.planes[1].row_bytes;
    }
    // Palette entries as stored (blue, green, red, alpha), drawn as they are.
    for (std::size_t i = 0; i * 4 < layout.palette.size() && i < 256; ++i) {
        const std::uint8_t* e = &layout.palette[i * 4];
        palette_[i * 4] = e[2], palette_[i * 4 + 1] = e[1], palette_[i * 4 + 2] = e[0],
                     palette_[i * 4 + 3] = e[3];
    }
    for (unsigned a = 0; a < 256; ++a) opacity_[a] = static_cast<std::uint8_t>(a);
}

StageNeeds ShownPixels::needs() const {
    StageNeeds needs;
    needs.rgba = family_ == FormatFamily::raw;
    return needs;
}

void ShownPixels::show(const EncodedChunk& chunk, std::size_t first_pixel, std::size_t count,
                       std::uint8_t* out) const {
    if (v9_ && (family_ == FormatFamily::direct || family_ == FormatFamily::alpha_plane)) {
        // Row by row, the rows being padded to their stride.
        const std::uint32_t w = chunk.rows.width;
        const std::size_t row_bytes = encoded_row_bytes(spec_, w);
        const std::size_t pixel_bytes = static_cast<std::size_t>(bits_of(format_) / 8);
        const std::uint8_t* colours = chunk.bytes(*encoder_);
        const std::uint8_t* alpha = alpha_encoder_ ? chunk.bytes(*alpha_encoder_) : nullptr;
        for (std::size_t p = first_pixel, end = first_pixel + count; p < end;) {
            const std::size_t y = p / w, x = p % w, n = std::min<std::size_t>(w - x, end - p);
            show_v9_pixels(format_, colours + y * row_bytes + x * pixel_bytes,
                           alpha != nullptr ? alpha + y * alpha_row_bytes_ + x : nullptr, n, out);
            out += n * 4;
            p += n;
        }
        return;
    }
    switch (family_) {
        case FormatFamily::true_color:
        case FormatFamily::alpha_plane: {
            const std::size_t step = true_color_pixel_bytes(spec_.layout);
            decode_true_color(chunk.bytes(*encoder_) + first_pixel * step, count, spec_.layout, out);
            for (std::size_t i = 0; i < count * 4; i += 4) {
                // LVGL's default LV_COLOR_TRANSP: pure green, as shown, is transparent.
                if (chroma_key_) out[i + 3] = out[i] == 0 && out[i + 1] == 255 && out[i + 2] == 0 ? 0 : 255;
                out[i + 3] = opacity_[out[i + 3]];
            }
            return;
        }
        case FormatFamily::alpha: {
            // Packed rows start on byte boundaries: unpack row by row.
            const int bits = spec_.bits;
            const std::uint32_t w = chunk.rows.width;
            const std::size_t row_bytes = encoded_row_bytes(spec_, w);
            const std::uint8_t* packed = chunk.bytes(*encoder_);
            for (std::size_t i = 0; i < count; ++i, out += 4) {
                const std::size_t p = first_pixel + i, y = p / w, x = p % w;
                const std::size_t bit = x * static_cast<std::size_t>(bits);
                const unsigned v =
                    (packed[y * row_bytes + bit / 8] >> (8 - bits - static_cast<int>(bit % 8))) &
                    ((1u << bits) - 1);
                out[0] = out[1] = out[2] = 0;  // LVGL's default recolour
                out[3] = opacity_[expand_bits(v, bits)];
            }
            return;
        }
        case FormatFamily::indexed:
            for (std::size_t i = 0; i < count; ++i, out += 4)
                std::memcpy(out, &palette_[std::size_t{chunk.rows.source[first_pixel + i]} * 4], 4);
            return;
        case FormatFamily::raw:
        case FormatFamily::direct:
            std::memcpy(out, chunk.rows.rgba + first_pixel * 4, count * 4);
            return;
    }
}

// libspng's encoder writing a PNG row by row into the output.
class PreviewSink::PngWriter {
   public:
    // Loaded here, by the runs that write a preview; without it there is no PNG to write.
    PngWriter(lvforge::SafeOutput& out, std::uint32_t width, std::uint32_t height)
        : lib_(spng_library()), ctx_(nullptr, ContextRelease{lib_}), height_(height) {
        if (lib_ == nullptr) return;
        ctx_.reset(lib_->ctx_new(SPNG_CTX_ENCODER));
        spng_ihdr ihdr{width, height, 8, SPNG_COLOR_TYPE_TRUECOLOR_ALPHA, 0, 0, 0};
        ok_ = ctx_ != nullptr && lib_->set_png_stream(ctx_.get(), write_png_bytes, &out) == 0 &&
              lib_->set_ihdr(ctx_.get(), &ihdr) == 0 &&
              lib_->set_option(ctx_.get(), SPNG_IMG_COMPRESSION_LEVEL, kCompressionLevel) == 0 &&
              lib_->set_option(ctx_.get(), SPNG_IMG_COMPRESSION_STRATEGY, kCompressionStrategy) == 0 &&
              lib_->set_option(ctx_.get(), SPNG_FILTER_CHOICE, kFilter) == 0 &&
              lib_->encode_image(ctx_.get(), nullptr, 0, SPNG_FMT_PNG,
                                 SPNG_ENCODE_PROGRESSIVE | SPNG_ENCODE_FINALIZE) == 0;
    }

    // Compresses `count` rows of RGBA pixels, `row_bytes` each; the PNG is finished with the last.
    void write(const std::uint8_t* rows, std::size_t count, std::size_t row_bytes) {
        for (std::size_t y = 0; ok_ && y < count; ++y, ++written_) {
            const int r = lib_->encode_row(ctx_.get(), rows + y * row_bytes, row_bytes);
            ok_ = r == 0 || (r == SPNG_EOI && written_ + 1 == height_);
        }
    }
    // True while every row went in, and once the last has: the PNG is whole.
    bool ok() const { return ok_; }
    bool whole() const { return ok_ && written_ == height_; }

   private:
    const SpngLibrary* lib_;
    std::unique_ptr<spng_ctx, ContextRelease> ctx_;
    std::uint32_t height_;
    std::uint32_t written_ = 0;
    bool ok_ = false;
};

PreviewSink::PreviewSink(lvforge::SafeOutput& out, const PreviewContent& content, EncoderSet& encoders)
    : out_(out), width_(content.width), height_(content.height), shown_(content, encoders) {}

PreviewSink::~PreviewSink() {
    // A pipeline that stopped part way: the compressor is told no more rows come.
    if (compressor_ && rows_) rows_->finish(false);
}

void PreviewSink::begin_pass(int pass) {
    if (pass != 0) return;
    const std::size_t chunk = std::size_t{width_} * 4 * chunk_rows(width_, height_);
    png_ = std::make_unique<PngWriter>(out_, width_, height_);
    // A small preview is compressed as its rows come: a thread would cost more than it saves.
    if (std::uint64_t{width_} * height_ * 4 >= kThreadWorthBytes) {
        rows_ = std::make_unique<HandOff>(4, chunk);
        compressor_ = std::make_unique<Worker>([this] { compress(); });
        if (compressor_->started()) return;
        compressor_.reset();
        rows_.reset();
    }
    inline_.resize(chunk);
}

void PreviewSink::take(int pass, const EncodedChunk& chunk) {
    if (pass != 0) return;
    const std::size_t pixels = std::size_t{chunk.rows.count} * chunk.rows.width;
    if (!compressor_) {
        shown_.show(chunk, 0, pixels, inline_.data());
        png_->write(inline_.data(), chunk.rows.count, std::size_t{width_} * 4);
        return;
    }
    std::uint8_t* slot = rows_->free_buffer();
    if (slot == nullptr) return;  // the compressor gave up
    shown_.show(chunk, 0, pixels, slot);
    rows_->publish(chunk.rows.count);
}

void PreviewSink::end_pass(int pass) {
    if (pass != 0) return;
    if (compressor_) {
        rows_->finish(true);
        compressor_->join();
    }
    ok_ = png_->whole();
}

void PreviewSink::compress() {
    for (HandOff::Chunk c = rows_->next(); c.data != nullptr; c = rows_->next()) {
        png_->write(c.data, c.size, std::size_t{width_} * 4);
        rows_->release();
        if (!png_->ok()) break;
    }
    // The pipeline may still be handing rows over; it stops once it sees the buffers are not taken.
    rows_->stop();
}

}  // namespace pixmint
