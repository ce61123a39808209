#include "pixmint/acquire/raster_guard.h"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <utility>

namespace pixmint {

namespace {

// Reads a file the way the decoder does: a read past the end yields 0 and a
// skip past the end (or backwards) lands on the end. Keeping those rules is
// what keeps the walks below in step with the decoder on malformed input.
class Bytes {
   public:
    explicit Bytes(std::span<const std::uint8_t> file) : file_(file) {}

    std::uint8_t u8() { return pos_ < file_.size() ? file_[pos_++] : 0; }
    std::uint32_t u16be() {
        const std::uint32_t hi = u8();
        return (hi << 8) | u8();
    }
    std::uint32_t u32be() {
        const std::uint32_t hi = u16be();
        return (hi << 16) | u16be();
    }
    std::uint32_t u16le() {
        const std::uint32_t lo = u8();
        return lo | (std::uint32_t{u8()} << 8);
    }
    std::uint32_t u32le() {
        const std::uint32_t lo = u16le();
        return lo | (u16le() << 16);
    }
    void skip(std::int64_t n) {
        const std::size_t left = file_.size() - pos_;
        pos_ = (n < 0 || static_cast<std::uint64_t>(n) >= left) ? file_.size()
                                                                : pos_ + static_cast<std::size_t>(n);
    }
    bool at_end() const { return pos_ >= file_.size(); }
    std::size_t pos() const { return pos_; }
    std::size_t size() const { return file_.size(); }
    bool starts_with(std::string_view magic) const {
        return file_.size() >= magic.size() &&
               std::equal(magic.begin(), magic.end(), file_.begin(),
                          [](char m, std::uint8_t b) { return static_cast<std::uint8_t>(m) == b; });
    }

   private:
    std::span<const std::uint8_t> file_;
    std::size_t pos_ = 0;
};

// ---- JPEG ---------------------------------------------------------------
//
// The decoder builds each Huffman table as soon as it has read the table's
// 16 code counts, into arrays of 256 codes, before checking anything else:
// counts summing past 256 write beyond them. Every table the decoder would
// reach is found by following its own marker walk, including the tables of
// a progressive file that sit between scans.

constexpr int kNoMarker = 0xff;  // what the decoder's marker read gives when no marker is there
constexpr int kSoi = 0xd8, kEoi = 0xd9, kSos = 0xda, kDnl = 0xdc, kDht = 0xc4, kDqt = 0xdb, kDri = 0xdd;

bool is_frame_start(int m) {
    return m == 0xc0 || m == 0xc1 || m == 0xc2;
}
bool is_restart(int m) {
    return m >= 0xd0 && m <= 0xd7;
}

class JpegWalk {
   public:
    explicit JpegWalk(std::span<const std::uint8_t> file) : in_(file) {}

    RasterVerdict run() {
        if (next_marker() != kSoi) return RasterVerdict::decodable;
        int m = next_marker();
        while (!is_frame_start(m)) {
            if (!segment(m)) return verdict_;
            m = next_marker();
            while (m == kNoMarker) {  // padding between segments is skipped, as the decoder does
                if (in_.at_end()) return verdict_;
                m = next_marker();
            }
        }
        in_.skip(std::int64_t{in_.u16be()} - 2);  // frame header
        for (m = next_marker(); m != kEoi; m = next_marker()) {
            if (m == kSos) {
                in_.skip(std::int64_t{in_.u16be()} - 2);
                pending_ = entropy_coded_data_end();
            } else if (m == kDnl) {
                in_.skip(4);
            } else if (!segment(m)) {
                return verdict_;
            }
            if (in_.at_end() && pending_ == kNoMarker) return verdict_;
        }
        return verdict_;
    }

   private:
    // A marker: 0xff, any fill bytes 0xff, then the code; kNoMarker when the next byte isn't 0xff.
    int next_marker() {
        if (pending_ != kNoMarker) return std::exchange(pending_, kNoMarker);
        int x = in_.u8();
        if (x != 0xff) return kNoMarker;
        while (x == 0xff) x = in_.u8();
        return x;
    }

    // Skips scan data up to the marker that ends it: 0xff 0x00 is a data byte and the restart
    // markers belong to the scan. kNoMarker at the end of the file.
    int entropy_coded_data_end() {
        while (!in_.at_end()) {
            if (in_.u8() != 0xff) continue;
            int c = in_.u8();
            while (c == 0xff) c = in_.u8();
            if (c != 0 && !is_restart(c)) return c;
        }
        return kNoMarker;
    }

    // Steps over one marker segment; false where the walk ends (the decoder would give up
    // there, or a table would overflow and verdict_ says so).
    bool segment(int m) {
        switch (m) {
            case kDri:
                if (in_.u16be() != 4) return false;
                in_.skip(2);
                return true;
            case kDqt: {
                std::int64_t left = std::int64_t{in_.u16be()} - 2;
                while (left > 0) {
                    const int q = in_.u8();
                    if ((q >> 4) > 1 || (q & 15) > 3) return false;
                    const int bytes = (q >> 4) != 0 ? 128 : 64;
                    in_.skip(bytes);
                    left -= bytes + 1;
                }
                return left == 0;
            }
            case kDht: {
                std::int64_t left = std::int64_t{in_.u16be()} - 2;
                while (left > 0) {
                    const int q = in_.u8();
                    if ((q >> 4) > 1 || (q & 15) > 3) return false;
                    int codes = 0;
                    for (int i = 0; i < 16; ++i) codes += in_.u8();
                    if (codes > 256) {
                        verdict_ = RasterVerdict::jpeg_huffman_overflow;
                        return false;
                    }
                    in_.skip(codes);
                    left -= 17 + codes;
                }
                return left == 0;
            }
            default:
                if ((m >= 0xe0 && m <= 0xef) || m == 0xfe) {  // application data, comments
                    const std::int64_t length = in_.u16be();
                    if (length < 2) return false;
                    in_.skip(length - 2);
                    return true;
                }
                return false;  // unknown here means unknown to the decoder: it refuses the file
        }
    }

    Bytes in_;
    int pending_ = kNoMarker;
    RasterVerdict verdict_ = RasterVerdict::decodable;
};

// ---- BMP ----------------------------------------------------------------
//
// The decoder reads the rows from where its header walk says they start and
// fills whatever lies past the end of the file with zeros (black). The
// arithmetic below is the decoder's, so that "start" and "row" are the
// bytes it would read.

constexpr std::int64_t kMaxSide = std::int64_t{1} << 24;  // the decoder refuses larger sides

bool bmp_header_size_known(std::uint32_t hsz) {
    return hsz == 12 || hsz == 40 || hsz == 56 || hsz == 108 || hsz == 124;
}

RasterVerdict check_bmp(Bytes in) {
    in.skip(10);
    const auto offset = static_cast<std::int32_t>(in.u32le());
    const std::uint32_t hsz = in.u32le();
    if (offset < 0) return RasterVerdict::decodable;
    std::int64_t width = 0, height = 0;
    if (hsz == 12) {
        width = in.u16le();
        height = in.u16le();
    } else {
        width = in.u32le();
        height = static_cast<std::int32_t>(in.u32le());  // negative: rows stored top first
    }
    height = height < 0 ? -height : height;
    if (width > kMaxSide || height > kMaxSide) return RasterVerdict::decodable;
    in.skip(2);  // planes
    const std::uint32_t bpp = in.u16le();
    std::uint32_t compression = 0;
    if (hsz != 12) compression = in.u32le();
    // Bit-field masks follow the short headers; the longer ones hold them inside.
    const bool masks_after_header = (hsz == 40 || hsz == 56) && compression == 3 && (bpp == 16 || bpp == 32);
    const std::int64_t header_end = 14 + std::int64_t{hsz} + (masks_after_header ? 12 : 0);

    // Palette entries the decoder reads (3 bytes each after the short header, else 4).
    std::int64_t palette = 0;
    const std::int64_t entry = hsz == 12 ? 3 : 4;
    if (hsz == 12) {
        if (bpp < 24) palette = (offset - 38) / 3;  // the decoder's own (odd) count
    } else if (bpp < 16) {
        const std::int64_t room = offset - header_end;
        palette = room >= 0 ? room / 4 : -((-room + 3) / 4);  // floor, as its shift does
    }
    if (palette == 0 && offset != header_end) return RasterVerdict::decodable;         // it refuses
    if (bpp < 16 && (palette == 0 || palette > 256)) return RasterVerdict::decodable;  // it refuses
    // A negative count reads no entry, but still enters the skip to the rows.
    const std::int64_t palette_bytes = std::max<std::int64_t>(palette, 0) * entry;
    const std::int64_t gap = offset - header_end - (bpp < 16 ? palette * entry : 0);

    std::int64_t row = 0;  // bytes of one row, its padding to 4 bytes included
    switch (bpp) {
        case 1:
            row = (width + 7) >> 3;
            break;
        case 4:
            row = (width + 1) >> 1;
            break;
        case 8:
            row = width;
            break;
        case 16:
            row = 2 * width;
            break;
        case 24:
            row = 3 * width;
            break;
        default:
            if (bpp < 16) return RasterVerdict::decodable;  // it refuses other palette depths
            row = 4 * width;                                // read in 32-bit units, never padded
    }
    row += (-row) & 3;
    const std::int64_t rows = row * height;
    if (rows == 0) return RasterVerdict::decodable;
    // A negative gap sends the decoder to the end of the file: every row would be made up.
    if (gap < 0) return RasterVerdict::bmp_pixels_missing;
    const std::int64_t start = header_end + palette_bytes + gap;
    return start + rows > static_cast<std::int64_t>(in.size()) ? RasterVerdict::bmp_pixels_missing
                                                               : RasterVerdict::decodable;
}

// ---- GIF ----------------------------------------------------------------
//
// The decoder takes the first frame's data sub-block by sub-block and treats
// the end of the file as the terminating empty block: a cut file gives a
// frame with its later rows left blank. Blocks before the first frame are
// stepped over exactly as the decoder steps over them.

std::int64_t color_table_bytes(std::uint32_t flags) {
    return (flags & 0x80) != 0 ? 3 * (std::int64_t{2} << (flags & 7)) : 0;
}

RasterVerdict check_gif(Bytes in) {
    in.skip(10);  // signature, screen width and height
    const std::uint32_t flags = in.u8();
    in.skip(2);  // background index, aspect ratio
    in.skip(color_table_bytes(flags));
    while (!in.at_end()) {
        const int tag = in.u8();
        if (tag == 0x2c) {  // image descriptor: the first frame
            in.skip(8);
            const std::uint32_t local = in.u8();
            in.skip(color_table_bytes(local));
            in.skip(1);  // LZW minimum code size
            // Sub-blocks up to the empty one; the decoder reads exactly this chain.
            for (;;) {
                if (in.at_end()) return RasterVerdict::gif_frame_unterminated;
                const std::uint32_t length = in.u8();
                if (length == 0) return RasterVerdict::decodable;
                if (length > in.size() - in.pos()) return RasterVerdict::gif_frame_unterminated;
                in.skip(length);
            }
        }
        if (tag != 0x21) return RasterVerdict::decodable;  // trailer or garbage: no frame, it refuses
        const int label = in.u8();
        if (label == 0xf9) {  // graphic control: a sized block the decoder reads in place
            const std::uint32_t length = in.u8();
            if (length != 4) {
                in.skip(length);
                continue;  // the decoder goes straight back to reading tags here
            }
            in.skip(4);
        }
        for (std::uint32_t length = in.u8(); length != 0; length = in.u8()) in.skip(length);
    }
    return RasterVerdict::decodable;
}

// ---- PNG ----------------------------------------------------------------
//
// The decoder grows its buffer for the compressed data to a data chunk's
// declared length before reading it: a file of a few bytes declaring a 2 GiB
// chunk makes it reserve 2 GiB, only to find the data missing. It reads
// chunks up to the end-of-image chunk; past the end of the file it fails.

RasterVerdict check_png(Bytes in) {
    constexpr std::uint32_t kEnd = 0x49454e44;  // "IEND"
    in.skip(8);                                 // signature
    while (!in.at_end()) {
        const std::uint32_t length = in.u32be();
        if (in.u32be() == kEnd) return RasterVerdict::decodable;
        if (length > in.size() - in.pos()) return RasterVerdict::png_chunk_overrun;
        in.skip(std::int64_t{length} + 4);  // data and checksum
    }
    return RasterVerdict::decodable;
}

}  // namespace

RasterVerdict check_raster(std::span<const std::uint8_t> file) {
    const Bytes bytes(file);
    // Recognised in the decoder's order: PNG is tried before BMP, BMP before GIF, and JPEG
    // only after formats whose signatures can't begin with 0xff.
    if (bytes.starts_with("\x89PNG\r\n\x1a\n")) return check_png(bytes);
    if (bytes.starts_with("BM")) {
        Bytes probe = bytes;
        probe.skip(14);
        if (bmp_header_size_known(probe.u32le())) return check_bmp(bytes);
        return RasterVerdict::decodable;
    }
    if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a")) return check_gif(bytes);
    if (!file.empty() && file[0] == 0xff) return JpegWalk(file).run();
    return RasterVerdict::decodable;
}

}  // namespace pixmint
