// A JPEG walked marker by marker and scan by scan, with the decoder's own
// rules, so that the walk reads exactly the bytes and bits it will read.
//
// Where the walk finds the decoder would refuse the file, it refuses it itself
// (without decoding it first, and so that a walk out of step with the decoder
// can only refuse too much, never let a file through). Beyond that, what it
// keeps away from the decoder:
// - Huffman tables of more than 256 codes: the decoder builds each table as
//   soon as it has read its 16 code counts, into arrays of 256 codes, before
//   checking anything else, so such counts write beyond them. This is the one
//   check that also stands before the header query, which builds the tables
//   ahead of the frame header.
// - Blocks the data does not code. The decoder's bit reader stops at the first
//   marker and then feeds zero bits for as long as it is asked; at a restart
//   boundary without a restart marker it drops the rest of the scan; a
//   component no scan codes keeps whatever its memory held, and so does one
//   whose scans use a Huffman or quantization table the file never defines.
//   The walk follows every scan's codes block by block with the decoder's bit
//   reader (the same look-ahead, so that it stands where the decoder stands at
//   every restart boundary) and refuses the first bit taken past a marker.
#include <array>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "pixmint/acquire/raster_checks.h"
#include "pixmint/acquire/raster_reader.h"

namespace pixmint {

namespace {

constexpr int kNoMarker = 0xff;  // what the decoder's marker read gives when no marker is there
constexpr int kSoi = 0xd8, kEoi = 0xd9, kSos = 0xda, kDnl = 0xdc, kDht = 0xc4, kDqt = 0xdb, kDri = 0xdd;
constexpr int kProgressiveFrame = 0xc2;
constexpr int kMaxComponents = 4;
constexpr int kFastBits = 9;                                // the decoder's direct look-up width
constexpr std::uint32_t kMaxSide = std::uint32_t{1} << 24;  // the decoder refuses larger sides

bool is_frame_start(int m) {
    return m == 0xc0 || m == 0xc1 || m == kProgressiveFrame;
}
bool is_restart(int m) {
    return m >= 0xd0 && m <= 0xd7;
}

// How a step of the walk ended.
enum class Step {
    ok,           // go on
    refused,      // the decoder refuses the file here: it decides, not the guard
    overflow,     // a Huffman table of more than 256 codes
    made_up,      // the decoder would decode data the file does not hold
    table_unset,  // a scan uses a table the file never defined
};

// One Huffman table, built as the decoder builds it (canonical codes, a direct look-up of codes
// up to kFastBits long, and limits for the longer ones).
struct HuffmanTable {
    bool defined = false;
    std::array<std::uint8_t, 1 << kFastBits> fast{};  // symbol index, 255 for a longer code
    std::array<std::uint8_t, 257> size{};
    std::array<std::uint16_t, 256> code{};
    std::array<std::uint8_t, 256> values{};
    std::array<std::uint32_t, 18> maxcode{};
    std::array<int, 17> delta{};

    // Builds the codes from 16 counts whose sum is at most 256; false where the decoder refuses
    // the lengths.
    bool build(const std::array<int, 16>& counts) {
        int k = 0;
        for (int i = 0; i < 16; ++i)
            for (int j = 0; j < counts[static_cast<std::size_t>(i)]; ++j)
                size[static_cast<std::size_t>(k++)] = static_cast<std::uint8_t>(i + 1);
        size[static_cast<std::size_t>(k)] = 0;
        std::uint32_t next = 0;
        k = 0;
        for (int j = 1; j <= 16; ++j) {
            delta[static_cast<std::size_t>(j)] = k - static_cast<int>(next);
            if (size[static_cast<std::size_t>(k)] == j) {
                while (size[static_cast<std::size_t>(k)] == j)
                    code[static_cast<std::size_t>(k++)] = static_cast<std::uint16_t>(next++);
                if (next - 1 >= (1u << j)) return false;
            }
            maxcode[static_cast<std::size_t>(j)] = next << (16 - j);
            next <<= 1;
        }
        maxcode[17] = 0xffffffff;
        fast.fill(255);
        for (int i = 0; i < k; ++i) {
            const int s = size[static_cast<std::size_t>(i)];
            if (s > kFastBits) continue;
            const int c = code[static_cast<std::size_t>(i)] << (kFastBits - s);
            for (int j = 0; j < (1 << (kFastBits - s)); ++j)
                fast[static_cast<std::size_t>(c + j)] = static_cast<std::uint8_t>(i);
        }
        return true;
    }
};

// The decoder's bit reader over entropy-coded data: it fills a 32-bit buffer a byte at a time
// (0xff 0x00 is a data byte 0xff), stops at a marker and from then on fills with zero bytes, as
// it does past the end of the file. Those zero bits are counted, and taking any of them is data
// the file does not hold.
class EntropyBits {
   public:
    // A reader taking its bytes from `in`, which must outlive it.
    explicit EntropyBits(RasterReader& in) : in_(in) {}

    // An empty buffer, as at the start of a scan and after each restart marker.
    void reset() {
        buffer_ = 0;
        bits_ = 0;
        no_more_ = false;
        marker_ = kNoMarker;
        zero_fill_ = 0;
    }
    // The marker the reader stopped at, or kNoMarker.
    int marker() const { return marker_; }
    // Bits in the buffer, zero fill included.
    int bits() const { return bits_; }

    // Fills the buffer to more than 24 bits, or up to a marker.
    void grow() {
        do {
            std::uint32_t b = 0;
            if (!no_more_ && in_.at_end()) no_more_ = true;  // the decoder reads zeros there: no data
            if (no_more_) {
                zero_fill_ += 8;
            } else {
                b = in_.u8();
                if (b == 0xff) {
                    int c = in_.u8();
                    while (c == 0xff) c = in_.u8();
                    if (c != 0) {
                        marker_ = c;
                        no_more_ = true;
                        return;
                    }
                }
            }
            buffer_ |= b << (24 - bits_);
            bits_ += 8;
        } while (bits_ <= 24);
    }

    // One Huffman-coded symbol, or -1 where the decoder finds no code or (step made_up) the code
    // runs past a marker.
    int decode(const HuffmanTable& h, Step& step) {
        if (bits_ < 16) grow();
        const std::uint32_t c = (buffer_ >> (32 - kFastBits)) & ((1u << kFastBits) - 1);
        const int k = h.fast[c];
        if (k < 255) {
            const int s = h.size[static_cast<std::size_t>(k)];
            if (s > bits_) {
                step = Step::made_up;
                return -1;
            }
            take(s, step);
            return h.values[static_cast<std::size_t>(k)];
        }
        const std::uint32_t temp = buffer_ >> 16;
        int length = kFastBits + 1;
        while (temp >= h.maxcode[static_cast<std::size_t>(length)]) ++length;
        if (length == 17) return -1;
        if (length > bits_) {
            step = Step::made_up;
            return -1;
        }
        const int index = static_cast<int>((buffer_ >> (32 - length)) & ((1u << length) - 1)) +
                          h.delta[static_cast<std::size_t>(length)];
        if (index < 0 || index > 255) return -1;
        take(length, step);
        return h.values[static_cast<std::size_t>(index)];
    }

    // `n` bits (1 to 16) as a signed coefficient, as the decoder extends them.
    int extend(int n, Step& step) {
        if (bits_ < n) grow();
        const bool negative = (buffer_ >> 31) == 0;
        const int k = static_cast<int>(bits(n, step));
        return negative ? k - (1 << n) + 1 : k;
    }

    // `n` bits (0 to 16) as an unsigned number.
    std::uint32_t get(int n, Step& step) {
        if (bits_ < n) grow();
        return bits(n, step);
    }

   private:
    // The next `n` bits, taken.
    std::uint32_t bits(int n, Step& step) {
        const std::uint32_t k = n == 0 ? 0 : buffer_ >> (32 - n);
        take(n, step);
        return k;
    }
    // Drops the next `n` bits; step made_up when they are not all the file's.
    void take(int n, Step& step) {
        // Past the bits the buffer holds, or into the zero fill: data the file does not hold.
        if (n > bits_ || bits_ - n < zero_fill_) step = Step::made_up;
        buffer_ = n >= 32 ? 0 : buffer_ << n;
        bits_ -= n;
        if (bits_ < 0) bits_ = 0;
    }

    RasterReader& in_;
    std::uint32_t buffer_ = 0;
    int bits_ = 0;
    bool no_more_ = false;
    int marker_ = kNoMarker;
    int zero_fill_ = 0;
};

// One colour component of the frame, and how far the scans have coded it.
struct Component {
    int id = 0;
    int h = 1, v = 1;  // sampling factors
    int tq = 0;        // quantization table
    int hd = 0, ha = 0;
    int x = 0, y = 0;    // samples across and down
    int coeff_w = 0;     // blocks across, padded to whole MCUs (progressive)
    bool coded = false;  // a baseline scan, or a progressive first DC scan, coded every block
    // Progressive: per block, which of the 64 coefficients (in zigzag order) are not zero.
    std::unique_ptr<std::uint64_t[]> nonzero;
};

// A whole JPEG followed as the decoder follows it.
class JpegWalk {
   public:
    // A walk over `file`, which must outlive it.
    explicit JpegWalk(std::span<const std::uint8_t> file) : in_(file), bits_(in_) {}

    // The walk up to `reach`, and the first reason to keep the file away (decodable: none).
    RasterVerdict run(JpegReach reach) {
        if (next_marker() != kSoi) return RasterVerdict::jpeg_malformed;
        int m = next_marker();
        while (!is_frame_start(m)) {
            if (const Step s = segment(m); s != Step::ok) return verdict(s);
            m = next_marker();
            while (m == kNoMarker) {  // padding between segments is skipped, as the decoder does
                if (in_.at_end()) return RasterVerdict::jpeg_malformed;
                m = next_marker();
            }
        }
        progressive_ = m == kProgressiveFrame;
        if (reach == JpegReach::frame_header) return RasterVerdict::decodable;
        if (const Step s = frame_header(); s != Step::ok) return verdict(s);
        for (m = next_marker(); m != kEoi; m = next_marker()) {
            Step s = Step::ok;
            if (m == kSos) {
                s = scan();
                if (s == Step::ok && bits_.marker() == kNoMarker) {
                    // Bytes after the scan's last block, up to the next 0xff, are skipped.
                    while (!in_.at_end()) {
                        if (in_.u8() == 0xff) {
                            pending_ = in_.u8();
                            break;
                        }
                    }
                } else {
                    pending_ = bits_.marker();
                }
            } else if (m == kDnl) {
                if (in_.u16be() != 4 || in_.u16be() != height_) s = Step::refused;
            } else {
                s = segment(m);
            }
            if (s != Step::ok) return verdict(s);
        }
        // Every component has all of its blocks coded, with a quantization table the file defines.
        for (int i = 0; i < count_; ++i) {
            const Component& c = components_[static_cast<std::size_t>(i)];
            if (!c.coded) return RasterVerdict::jpeg_blocks_missing;
            if (progressive_ && !quant_defined_[static_cast<std::size_t>(c.tq)])
                return RasterVerdict::jpeg_table_missing;
        }
        return RasterVerdict::decodable;
    }

   private:
    // What a step that ended the walk says about the file.
    static RasterVerdict verdict(Step s) {
        switch (s) {
            case Step::overflow:
                return RasterVerdict::jpeg_huffman_overflow;
            case Step::made_up:
                return RasterVerdict::jpeg_blocks_missing;
            case Step::table_unset:
                return RasterVerdict::jpeg_table_missing;
            case Step::refused:
                return RasterVerdict::jpeg_malformed;
            case Step::ok:
                break;
        }
        return RasterVerdict::decodable;
    }

    // A marker: 0xff, any fill bytes 0xff, then the code; kNoMarker when the next byte isn't 0xff.
    int next_marker() {
        if (pending_ != kNoMarker) return std::exchange(pending_, kNoMarker);
        int x = in_.u8();
        if (x != 0xff) return kNoMarker;
        while (x == 0xff) x = in_.u8();
        return x;
    }

    // Steps over one marker segment, keeping the tables it defines.
    Step segment(int m) {
        switch (m) {
            case kDri:
                if (in_.u16be() != 4) return Step::refused;
                restart_interval_ = static_cast<int>(in_.u16be());
                return Step::ok;
            case kDqt: {
                std::int64_t left = std::int64_t{in_.u16be()} - 2;
                while (left > 0) {
                    const int q = in_.u8();
                    if ((q >> 4) > 1 || (q & 15) > 3) return Step::refused;
                    const int bytes = (q >> 4) != 0 ? 128 : 64;
                    in_.skip(bytes);
                    quant_defined_[static_cast<std::size_t>(q & 15)] = true;
                    left -= bytes + 1;
                }
                return left == 0 ? Step::ok : Step::refused;
            }
            case kDht: {
                std::int64_t left = std::int64_t{in_.u16be()} - 2;
                while (left > 0) {
                    const int q = in_.u8();
                    if ((q >> 4) > 1 || (q & 15) > 3) return Step::refused;
                    std::array<int, 16> counts{};
                    int codes = 0;
                    for (int& c : counts) codes += c = in_.u8();
                    if (codes > 256) return Step::overflow;
                    HuffmanTable& table = ((q >> 4) == 0 ? dc_ : ac_)[static_cast<std::size_t>(q & 15)];
                    if (!table.build(counts)) return Step::refused;
                    for (int i = 0; i < codes; ++i) table.values[static_cast<std::size_t>(i)] = in_.u8();
                    table.defined = true;
                    left -= 17 + codes;
                }
                return left == 0 ? Step::ok : Step::refused;
            }
            default:
                if ((m >= 0xe0 && m <= 0xef) || m == 0xfe) {  // application data, comments
                    const std::int64_t length = in_.u16be();
                    if (length < 2) return Step::refused;
                    in_.skip(length - 2);
                    return Step::ok;
                }
                return Step::refused;  // unknown here means unknown to the decoder: it refuses the file
        }
    }

    // The frame header: components, sampling, and the MCU grid the scans follow.
    Step frame_header() {
        const std::uint32_t length = in_.u16be();
        if (length < 11 || in_.u8() != 8) return Step::refused;
        height_ = in_.u16be();
        const std::uint32_t width = in_.u16be();
        if (height_ == 0 || width == 0 || height_ > kMaxSide || width > kMaxSide) return Step::refused;
        count_ = in_.u8();
        if (count_ != 1 && count_ != 3 && count_ != 4) return Step::refused;
        if (length != 8 + 3 * static_cast<std::uint32_t>(count_)) return Step::refused;
        int h_max = 1, v_max = 1;
        for (int i = 0; i < count_; ++i) {
            Component& c = components_[static_cast<std::size_t>(i)];
            c.id = in_.u8();
            const int q = in_.u8();
            c.h = q >> 4;
            c.v = q & 15;
            c.tq = in_.u8();
            if (c.h == 0 || c.h > 4 || c.v == 0 || c.v > 4 || c.tq > 3) return Step::refused;
            h_max = std::max(h_max, c.h);
            v_max = std::max(v_max, c.v);
        }
        if (std::uint64_t{width} * height_ * static_cast<std::uint32_t>(count_) > 0x7fffffff)
            return Step::refused;
        mcu_x_ = static_cast<int>((width + 8 * static_cast<std::uint32_t>(h_max) - 1) /
                                  (8 * static_cast<std::uint32_t>(h_max)));
        mcu_y_ = static_cast<int>((height_ + 8 * static_cast<std::uint32_t>(v_max) - 1) /
                                  (8 * static_cast<std::uint32_t>(v_max)));
        for (int i = 0; i < count_; ++i) {
            Component& c = components_[static_cast<std::size_t>(i)];
            if (h_max % c.h != 0 || v_max % c.v != 0) return Step::refused;
            c.x = static_cast<int>(
                (width * static_cast<std::uint32_t>(c.h) + static_cast<std::uint32_t>(h_max) - 1) /
                static_cast<std::uint32_t>(h_max));
            c.y = static_cast<int>(
                (height_ * static_cast<std::uint32_t>(c.v) + static_cast<std::uint32_t>(v_max) - 1) /
                static_cast<std::uint32_t>(v_max));
        }
        // Every block takes at least a bit of the scan that first codes it: a file with fewer bits
        // can't code them all, and its walk needn't set up for blocks it can't hold.
        std::uint64_t least_bits = 0;
        for (int i = 0; i < count_; ++i) {
            const Component& c = components_[static_cast<std::size_t>(i)];
            least_bits += std::uint64_t{(static_cast<std::uint32_t>(c.x) + 7) / 8} *
                          ((static_cast<std::uint32_t>(c.y) + 7) / 8);
        }
        if (least_bits > 8 * std::uint64_t{in_.size()}) return Step::made_up;
        for (int i = 0; i < count_; ++i) {
            Component& c = components_[static_cast<std::size_t>(i)];
            if (progressive_) {
                c.coeff_w = mcu_x_ * c.h;
                const std::size_t blocks =
                    static_cast<std::size_t>(c.coeff_w) * static_cast<std::size_t>(mcu_y_ * c.v);
                c.nonzero.reset(new (std::nothrow) std::uint64_t[blocks]());
                if (c.nonzero == nullptr) return Step::made_up;  // no memory to follow it: keep it away
            }
        }
        return Step::ok;
    }

    // One scan: its header, the tables it needs, then its coded data.
    Step scan() {
        const std::uint32_t length = in_.u16be();
        scan_count_ = in_.u8();
        if (scan_count_ < 1 || scan_count_ > 4 || scan_count_ > count_) return Step::refused;
        if (length != 6 + 2 * static_cast<std::uint32_t>(scan_count_)) return Step::refused;
        for (int i = 0; i < scan_count_; ++i) {
            const int id = in_.u8();
            const int q = in_.u8();
            int which = 0;
            while (which < count_ && components_[static_cast<std::size_t>(which)].id != id) ++which;
            if (which == count_) return Step::refused;
            Component& c = components_[static_cast<std::size_t>(which)];
            c.hd = q >> 4;
            c.ha = q & 15;
            if (c.hd > 3 || c.ha > 3) return Step::refused;
            order_[static_cast<std::size_t>(i)] = which;
        }
        band_first_ = in_.u8();
        band_last_ = in_.u8();
        const int a = in_.u8();
        succ_high_ = a >> 4;
        succ_low_ = a & 15;
        if (progressive_) {
            if (band_first_ > 63 || band_last_ > 63 || band_first_ > band_last_ || succ_high_ > 13 ||
                succ_low_ > 13)
                return Step::refused;
        } else {
            if (band_first_ != 0 || succ_high_ != 0 || succ_low_ != 0) return Step::refused;
            band_last_ = 63;
        }
        // The tables the scan's blocks are decoded (and, without progression, dequantized) with.
        // A progressive scan other than a first DC scan works on coefficients a first DC scan has
        // set: before one, on memory nothing set (and how many bits a refinement takes depends on it).
        for (int i = 0; i < scan_count_; ++i) {
            const Component& c = components_[static_cast<std::size_t>(order_[static_cast<std::size_t>(i)])];
            if (progressive_ && !(band_first_ == 0 && succ_high_ == 0) && !c.coded) return Step::made_up;
            const bool dc = !progressive_ || (band_first_ == 0 && succ_high_ == 0);
            const bool ac = !progressive_ || band_first_ != 0;
            if ((dc && !dc_[static_cast<std::size_t>(c.hd)].defined) ||
                (ac && !ac_[static_cast<std::size_t>(c.ha)].defined) ||
                (!progressive_ && !quant_defined_[static_cast<std::size_t>(c.tq)]))
                return Step::table_unset;
        }
        return entropy_coded_data();
    }

    // The state the decoder resets at the start of a scan and at each restart marker.
    void reset() {
        bits_.reset();
        todo_ = restart_interval_ != 0 ? restart_interval_ : 0x7fffffff;
        eob_run_ = 0;
    }

    // After each unit (a block, or an interleaved MCU): at a restart boundary the decoder goes on
    // only past a restart marker. `last` is the scan's last unit.
    Step unit_done(bool last, bool& scan_over) {
        if (--todo_ > 0) return Step::ok;
        if (bits_.bits() < 24) bits_.grow();
        if (!is_restart(bits_.marker())) {
            scan_over = true;
            return last ? Step::ok : Step::made_up;  // the decoder would drop the rest of the scan
        }
        reset();
        return Step::ok;
    }

    // Every block of the current scan, in the decoder's order.
    Step entropy_coded_data() {
        reset();
        Step step = Step::ok;
        bool over = false;
        if (scan_count_ == 1) {
            // One component: its own blocks in rows, whatever the MCU layout.
            const int n = order_[0];
            Component& c = components_[static_cast<std::size_t>(n)];
            const int w = (c.x + 7) >> 3, h = (c.y + 7) >> 3;
            for (int j = 0; j < h && !over; ++j) {
                for (int i = 0; i < w && !over; ++i) {
                    const std::size_t at = static_cast<std::size_t>(i) +
                                           static_cast<std::size_t>(j) * static_cast<std::size_t>(c.coeff_w);
                    if (!block(c, at, false, step) || step != Step::ok)
                        return step == Step::ok ? Step::refused : step;
                    if (const Step s = unit_done(j == h - 1 && i == w - 1, over); s != Step::ok) return s;
                }
            }
        } else {
            for (int j = 0; j < mcu_y_ && !over; ++j) {
                for (int i = 0; i < mcu_x_ && !over; ++i) {
                    for (int k = 0; k < scan_count_; ++k) {
                        Component& c =
                            components_[static_cast<std::size_t>(order_[static_cast<std::size_t>(k)])];
                        for (int y = 0; y < c.v; ++y) {
                            for (int x = 0; x < c.h; ++x) {
                                const std::size_t at = static_cast<std::size_t>(i * c.h + x) +
                                                       static_cast<std::size_t>(j * c.v + y) *
                                                           static_cast<std::size_t>(c.coeff_w);
                                if (!block(c, at, true, step) || step != Step::ok)
                                    return step == Step::ok ? Step::refused : step;
                            }
                        }
                    }
                    if (const Step s = unit_done(j == mcu_y_ - 1 && i == mcu_x_ - 1, over); s != Step::ok)
                        return s;
                }
            }
        }
        // Every block of the scan's components is now coded.
        for (int k = 0; k < scan_count_; ++k) {
            Component& c = components_[static_cast<std::size_t>(order_[static_cast<std::size_t>(k)])];
            if (!progressive_ || (band_first_ == 0 && succ_high_ == 0)) c.coded = true;
        }
        return Step::ok;
    }

    // One block as the decoder decodes it; false where it refuses the file. An interleaved
    // progressive scan can only hold DC coefficients.
    bool block(Component& c, std::size_t at, bool interleaved, Step& step) {
        if (!progressive_) return baseline_block(c, step);
        if (interleaved || band_first_ == 0) return dc_block(c, at, step);
        return ac_block(c, at, step);
    }

    // A sequential block: a DC difference and up to 63 AC coefficients.
    bool baseline_block(const Component& c, Step& step) {
        if (bits_.bits() < 16) bits_.grow();
        const int t = bits_.decode(dc_[static_cast<std::size_t>(c.hd)], step);
        if (t < 0 || t > 15) return false;
        if (t != 0) bits_.extend(t, step);
        const HuffmanTable& ac = ac_[static_cast<std::size_t>(c.ha)];
        int k = 1;
        do {
            if (bits_.bits() < 16) bits_.grow();
            const int rs = bits_.decode(ac, step);
            if (rs < 0) return false;
            const int s = rs & 15, r = rs >> 4;
            if (s == 0) {
                if (rs != 0xf0) break;
                k += 16;
            } else {
                k += r + 1;
                bits_.extend(s, step);
            }
        } while (k < 64 && step == Step::ok);
        return true;
    }

    // A progressive DC scan's share of a block: its first bits, or one more bit of it.
    bool dc_block(Component& c, std::size_t at, Step& step) {
        if (band_last_ != 0) return false;
        if (bits_.bits() < 16) bits_.grow();
        if (succ_high_ == 0) {
            c.nonzero[at] = 0;  // the first DC scan clears the whole block
            const int t = bits_.decode(dc_[static_cast<std::size_t>(c.hd)], step);
            if (t < 0 || t > 15) return false;
            if (t != 0) bits_.extend(t, step);
        } else {
            bits_.get(1, step);
        }
        return true;
    }

    // Whether a coefficient the decoder stores as a 16-bit value is zero once stored.
    static bool stored_nonzero(int value, int shift) {
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<unsigned>(value) << shift)) !=
               0;
    }

    // A progressive AC scan's share of a block: a band of coefficients, first or refined (a
    // refinement reads a bit for each coefficient that is already not zero, so those are tracked).
    bool ac_block(Component& c, std::size_t at, Step& step) {
        std::uint64_t& nonzero = c.nonzero[at];
        const auto position = [](int k) { return std::uint64_t{1} << (k > 63 ? 63 : k); };
        const HuffmanTable& ac = ac_[static_cast<std::size_t>(c.ha)];
        if (succ_high_ == 0) {
            if (eob_run_ != 0) {
                --eob_run_;
                return true;
            }
            int k = band_first_;
            do {
                if (bits_.bits() < 16) bits_.grow();
                const int rs = bits_.decode(ac, step);
                if (rs < 0) return false;
                const int s = rs & 15, r = rs >> 4;
                if (s == 0) {
                    if (r < 15) {
                        eob_run_ = (1 << r) + static_cast<int>(r != 0 ? bits_.get(r, step) : 0) - 1;
                        break;
                    }
                    k += 16;
                } else {
                    k += r;
                    const int value = bits_.extend(s, step);
                    if (stored_nonzero(value, succ_low_))
                        nonzero |= position(k);
                    else
                        nonzero &= ~position(k);
                    ++k;
                }
            } while (k <= band_last_ && step == Step::ok);
            return true;
        }
        // Refinement: a correction bit for every coefficient already not zero.
        if (eob_run_ != 0) {
            --eob_run_;
            for (int k = band_first_; k <= band_last_ && step == Step::ok; ++k)
                if ((nonzero & position(k)) != 0) bits_.get(1, step);
            return true;
        }
        int k = band_first_;
        do {
            const int rs = bits_.decode(ac, step);
            if (rs < 0) return false;
            int s = rs & 15, r = rs >> 4;
            if (s == 0) {
                if (r < 15) {
                    eob_run_ = (1 << r) - 1 + static_cast<int>(r != 0 ? bits_.get(r, step) : 0);
                    r = 64;
                }
            } else {
                if (s != 1) return false;
                bits_.get(1, step);  // the new coefficient's sign
            }
            while (k <= band_last_ && step == Step::ok) {
                const std::uint64_t p = position(k++);
                if ((nonzero & p) != 0) {
                    bits_.get(1, step);
                } else {
                    if (r == 0) {
                        if (s != 0) nonzero |= p;
                        break;
                    }
                    --r;
                }
            }
        } while (k <= band_last_ && step == Step::ok);
        return true;
    }

    RasterReader in_;
    EntropyBits bits_;
    int pending_ = kNoMarker;
    bool progressive_ = false;
    std::array<HuffmanTable, 4> dc_{}, ac_{};
    std::array<bool, 4> quant_defined_{};
    std::array<Component, kMaxComponents> components_{};
    std::array<int, 4> order_{};
    int count_ = 0, scan_count_ = 0;
    std::uint32_t height_ = 0;
    int mcu_x_ = 0, mcu_y_ = 0;
    int band_first_ = 0, band_last_ = 0, succ_high_ = 0, succ_low_ = 0;
    int restart_interval_ = 0, todo_ = 0, eob_run_ = 0;
};

}  // namespace

RasterVerdict check_jpeg(std::span<const std::uint8_t> file, JpegReach reach) {
    // Four tables of each kind are a few kilobytes: kept off the stack.
    auto walk = std::make_unique<JpegWalk>(file);
    return walk->run(reach);
}

}  // namespace pixmint
