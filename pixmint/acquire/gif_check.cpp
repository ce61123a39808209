// The decoder takes the first frame's data sub-block by sub-block and treats
// the end of the file as the terminating empty block: a cut file gives a
// frame with its later rows left blank. Blank is also what it leaves where
// the codes end before the frame's last pixel, and where a pixel names a
// colour past the end of the frame's table (the table it looks in is
// zeroed, so the pixel is skipped as transparent). Blocks before the first
// frame are stepped over exactly as the decoder steps over them, and the
// codes are followed with the decoder's own rules for the code table.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "pixmint/acquire/raster_checks.h"
#include "pixmint/acquire/raster_reader.h"

namespace pixmint {

namespace {

std::int64_t color_table_entries(std::uint32_t flags) {
    return (flags & 0x80) != 0 ? std::int64_t{2} << (flags & 7) : 0;
}

// Whether the sub-blocks from the reader's position up to the empty one all lie within the file.
bool sub_blocks_terminated(RasterReader in) {
    for (;;) {
        if (in.at_end()) return false;
        const std::uint32_t length = in.u8();
        if (length == 0) return true;
        if (length > in.left()) return false;
        in.skip(length);
    }
}

// The first frame's codes, followed as the decoder follows them: how many pixels they give and
// whether one of the frame's pixels names a colour outside the table.
class LzwWalk {
   public:
    // `in` is at the frame's LZW minimum code size; the frame has `pixels` pixels and its colour
    // table `entries` colours.
    LzwWalk(RasterReader in, std::uint64_t pixels, std::int64_t entries)
        : in_(in), pixels_(pixels), entries_(entries) {}

    RasterVerdict run() {
        const int min_size = in_.u8();
        if (min_size > 12) return RasterVerdict::decodable;  // the decoder refuses it
        const int clear = 1 << min_size;
        for (int c = 0; c < clear; ++c) at(c) = {1, c, c >= entries_ ? 0 : kNone};
        int size = min_size + 1;
        int mask = (1 << size) - 1;
        int avail = clear + 2;
        int old = -1;
        bool cleared = false;
        std::uint32_t bits = 0;
        int valid = 0;
        std::uint32_t block_left = 0;
        for (;;) {
            if (valid < size) {
                if (block_left == 0) {
                    block_left = in_.u8();
                    if (block_left == 0) return ended();
                }
                --block_left;
                bits |= std::uint32_t{in_.u8()} << valid;
                valid += 8;
                continue;
            }
            const int code = static_cast<int>(bits & static_cast<std::uint32_t>(mask));
            bits >>= size;
            valid -= size;
            if (code == clear) {
                size = min_size + 1;
                mask = (1 << size) - 1;
                avail = clear + 2;
                old = -1;
                cleared = true;
                continue;
            }
            if (code == clear + 1) return ended();
            // Codes past the table, or before the first clear code: the decoder refuses the file.
            if (code > avail || !cleared) return RasterVerdict::decodable;
            if (old >= 0) {
                const int added = avail++;
                if (avail > kCodes) return RasterVerdict::decodable;
                // The new code is the old one's pixels and one more: the first of `code`'s
                // (which is the old one's own first pixel when `code` is the one being added).
                const Code& before = at(old);
                const int last = code == added ? before.first : at(code).first;
                at(added) = {before.length + 1, before.first,
                             before.first_outside != kNone ? before.first_outside
                             : last >= entries_            ? before.length
                                                           : kNone};
            } else if (code == avail) {
                return RasterVerdict::decodable;
            }
            const Code& drawn = at(code);
            if (drawn.first_outside != kNone && drawn_ + drawn.first_outside < pixels_)
                return RasterVerdict::gif_index_outside_table;
            drawn_ += drawn.length;
            if ((avail & mask) == 0 && avail <= 0x0fff) {
                ++size;
                mask = (1 << size) - 1;
            }
            old = code;
        }
    }

   private:
    static constexpr int kCodes = 8192;  // the decoder's table of codes
    static constexpr std::uint32_t kNone = 0xffffffff;

    RasterVerdict ended() const {
        return drawn_ >= pixels_ ? RasterVerdict::decodable : RasterVerdict::gif_frame_short;
    }

    RasterReader in_;
    std::uint64_t pixels_;
    std::int64_t entries_;
    std::uint64_t drawn_ = 0;
    // What one code stands for.
    struct Code {
        std::uint32_t length = 0;         // pixels
        int first = 0;                    // the first pixel's colour index
        std::uint32_t first_outside = 0;  // position of its first index outside the table, or kNone
    };
    Code& at(int code) { return codes_[static_cast<std::size_t>(code)]; }
    std::vector<Code> codes_ = std::vector<Code>(kCodes);
};

}  // namespace

RasterVerdict check_gif(std::span<const std::uint8_t> file) {
    RasterReader in(file);
    in.skip(6);  // signature
    const std::uint32_t screen_width = in.u16le();
    const std::uint32_t screen_height = in.u16le();
    const std::uint32_t flags = in.u8();
    const std::uint32_t background = in.u8();
    in.skip(1);  // aspect ratio
    const std::int64_t global_entries = color_table_entries(flags);
    in.skip(3 * global_entries);
    while (!in.at_end()) {
        const int tag = in.u8();
        if (tag == 0x2c) {  // image descriptor: the first frame
            const std::uint32_t x = in.u16le(), y = in.u16le(), w = in.u16le(), h = in.u16le();
            if (x + w > screen_width || y + h > screen_height) return RasterVerdict::decodable;  // it refuses
            const std::uint32_t local = in.u8();
            const std::int64_t entries = (local & 0x80) != 0 ? color_table_entries(local) : global_entries;
            if (entries == 0) return RasterVerdict::decodable;  // no colour table: it refuses
            in.skip(3 * color_table_entries(local));
            RasterReader codes = in;
            in.skip(1);  // LZW minimum code size
            // Sub-blocks up to the empty one; the decoder reads exactly this chain.
            if (!sub_blocks_terminated(in)) return RasterVerdict::gif_frame_unterminated;
            const RasterVerdict frame = LzwWalk(codes, std::uint64_t{w} * h, entries).run();
            if (frame != RasterVerdict::decodable) return frame;
            // The rest of the screen takes the background colour, when the header names one.
            const bool covers_screen = x == 0 && y == 0 && w == screen_width && h == screen_height;
            if (!covers_screen && background > 0 && background >= global_entries)
                return RasterVerdict::gif_background_outside_table;
            return RasterVerdict::decodable;
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

}  // namespace pixmint
