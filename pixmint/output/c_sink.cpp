#include "pixmint/output/c_sink.h"

#include <algorithm>

#include "pixmint/output/c_file.h"
#include "pixmint/output/hex_lines.h"
#include "pixmint/output/pipeline.h"
#include "pixmint/output/v9_descriptor.h"
#include "pixmint/pixels/bit_packing.h"
#include "pixmint/pixels/compressed_block.h"

namespace pixmint {

namespace {

// A raw file is written sixteen bytes a line.
constexpr std::size_t kRawLineBytes = 16;
// Chunks of text formatted ahead of the writer.
constexpr std::size_t kTextsAhead = 4;

}  // namespace

CSink::CSink(lvforge::SafeOutput& out, const CFileContent& content, EncoderSet& encoders)
    : out_(out),
      height_(content.height),
      chunk_rows_(chunk_rows(content.width, content.height)),
      positional_(out.positional()) {
    if (content.v9) {
        lay_out_v9_parts(content, encoders);
        return;
    }
    add_text(head_text(content.names, content.year));
    std::optional<std::size_t> block_bytes;
    switch (family_of(content.format)) {
        case FormatFamily::true_color:
            if (!content.has_pixels) break;
            for (const Section s : {Section::bits8, Section::bits16, Section::bits16_swap, Section::bits32}) {
                if (!selects(content.depth, s)) continue;
                const Encoder e{Encoder::Kind::true_color,
                                section_layout(s, content.format, content.premultiply), 0};
                add_text(section_opening(s, content.format));
                add_rows(encoders.add(e), encoded_row_bytes(e, content.width));
                add_text(kSectionEnd);
            }
            break;
        case FormatFamily::indexed:
        case FormatFamily::alpha: {
            const bool indexed = family_of(content.format) == FormatFamily::indexed;
            const int bits = bits_of(content.format);
            add_text(block_opening(content.format, content.palette.data(), content.palette.size()));
            const std::size_t row_bytes = packed_row_bytes(content.width, bits);
            block_bytes = content.palette.size();
            if (content.has_pixels) {
                const Encoder e{indexed ? Encoder::Kind::indexed : Encoder::Kind::alpha, {}, bits};
                add_rows(encoders.add(e), row_bytes);
                *block_bytes += row_bytes * content.height;
            }
            break;
        }
        case FormatFamily::alpha_plane: {
            // 16-bit colours, then the alpha plane: each a part of its own, filled row by row.
            add_text(block_opening(content.format, nullptr, 0, content.swap));
            block_bytes = 0;
            if (content.has_pixels) {
                const Encoder colours{Encoder::Kind::true_color, {16, content.swap, false, false}, 0};
                add_rows(encoders.add(colours), encoded_row_bytes(colours, content.width));
            }
            add_text(kAlphaPlaneOpening);
            if (content.has_pixels) {
                const Encoder alpha{Encoder::Kind::alpha, {}, 8};
                add_rows(encoders.add(alpha), encoded_row_bytes(alpha, content.width));
                *block_bytes = std::size_t{content.width} * content.height * 3;
            }
            break;
        }
        case FormatFamily::direct:
            // v9's alone: laid out by lay_out_v9_parts.
            break;
        case FormatFamily::raw:
            add_text(block_opening(content.format, nullptr, 0));
            add_raw(content.raw);
            block_bytes = content.raw.size();
            break;
    }
    add_text(tail_text(content.names, content.format, content.width, content.height, block_bytes));
}

void CSink::lay_out_v9_parts(const CFileContent& content, EncoderSet& encoders) {
    v9_ = lay_out_v9(content.format, content.width, content.height, content.has_pixels, content.palette,
                     content.raw.size(), *content.v9, encoders);
    if (v9_.compression != Compression::none) {
        // Its size is known only once it is compressed: every part waits for the last row.
        var_name_ = content.names.var_name;
        head_ = head_text(content.names, content.year, LvglVersion::v9);
        gathered_ = std::make_unique<V9BlockBuffer>(v9_);
        return;
    }
    add_text(head_text(content.names, content.year, LvglVersion::v9));
    if (family_of(content.format) == FormatFamily::raw) {
        add_text(block_opening(content.format, nullptr, 0));
        add_raw(content.raw);
    } else {
        add_text(v9_block_opening(v9_.format, v9_.palette, v9_.stride));
        for (std::size_t p = 0; p < v9_.planes.size(); ++p) {
            if (p == 1) add_text(v9_alpha_plane_opening(static_cast<std::uint32_t>(v9_.planes[p].row_bytes)));
            add_rows(v9_.planes[p].encoder, v9_.planes[p].row_bytes);
        }
    }
    add_text(v9_tail_text(content.names.var_name, v9_, v9_.size));
}

bool CSink::lay_out_compressed() {
    auto packed = gathered_->compressed();
    gathered_.reset();
    if (!packed) {
        failure_ = fatal(FailureKind::compress_failed);
        return false;
    }
    compressed_ = std::move(*packed);
    add_text(std::move(head_));
    add_text(v9_compressed_opening(v9_, compressed_));
    add_raw(std::span<const std::uint8_t>(compressed_).subspan(kCompressedHeaderBytes));
    add_text(v9_tail_text(var_name_, v9_, compressed_.size()));
    return true;
}

void CSink::add_text(std::string text) {
    if (!parts_.empty() && !parts_.back().encoder && parts_.back().raw.empty()) {
        size_ += text.size();
        parts_.back().text += text;
        return;
    }
    const std::uint64_t offset = size_;
    size_ += text.size();
    parts_.push_back(Part{std::move(text), {}, std::nullopt, 0, offset});
}

void CSink::add_raw(std::span<const std::uint8_t> raw) {
    parts_.push_back(Part{{}, raw, std::nullopt, 0, size_});
    size_ += hex_lines_size(raw.size(), kRawLineBytes);
}

void CSink::add_rows(std::size_t encoder, std::size_t row_bytes) {
    parts_.push_back(Part{{}, {}, encoder, row_bytes, size_});
    size_ += std::uint64_t{height_} * hex_line_size(row_bytes);
}

std::vector<std::size_t> CSink::row_parts() const {
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < parts_.size(); ++i)
        if (parts_[i].encoder) out.push_back(i);
    return out;
}

int CSink::passes() const {
    if (positional_) return 1;
    return std::max<int>(1, static_cast<int>(row_parts().size()));
}

void CSink::write_bytes(std::uint64_t offset, const char* data, std::size_t n) {
    if (positional_) {
        out_.write_at(offset, data, n);
    } else {
        out_.write(data, n);
    }
}

void CSink::write_fixed(const Part& part) {
    if (part.raw.empty()) {
        write_bytes(part.offset, part.text.data(), part.text.size());
        return;
    }
    // The raw file in pieces of whole lines, so that its text is never held whole.
    constexpr std::size_t kPiece = kRawLineBytes * 4096;
    std::vector<char> text(hex_lines_size(kPiece, kRawLineBytes));
    std::uint64_t offset = part.offset;
    for (std::size_t at = 0; at < part.raw.size(); at += kPiece) {
        const std::size_t n = std::min(kPiece, part.raw.size() - at);
        const char* end = format_hex_lines(part.raw.data() + at, n, kRawLineBytes, text.data());
        const auto len = static_cast<std::size_t>(end - text.data());
        write_bytes(offset, text.data(), len);
        offset += len;
    }
}

CSink::~CSink() {
    // A pipeline that stopped part way: the writer is told no more text comes.
    if (writer_ && texts_) texts_->finish(false);
}

void CSink::begin_pass(int pass) {
    if (positional_) {
        // Every fixed part goes to its place at once; the rows fill the gaps between them. A large
        // file's space is set aside first, in one piece; a small one is left to the file system.
        if (size_ >= kThreadWorthBytes) out_.reserve(size_);
        for (const Part& part : parts_)
            if (!part.encoder) write_fixed(part);
        // The largest text of one chunk of one part.
        std::size_t most = 0;
        for (const Part& part : parts_)
            if (part.encoder) most = std::max(most, hex_line_size(part.row_bytes) * chunk_rows_);
        if (most == 0 || size_ < kThreadWorthBytes) return;
        texts_ = std::make_unique<HandOff>(kTextsAhead, most);
        writer_ = std::make_unique<Worker>([this] { write_behind(); });
        if (!writer_->started()) {
            writer_.reset();
            texts_.reset();
        }
        return;
    }
    // In order: what precedes this pass's rows.
    const std::vector<std::size_t> rows = row_parts();
    const std::size_t until =
        static_cast<std::size_t>(pass) < rows.size() ? rows[static_cast<std::size_t>(pass)] : parts_.size();
    for (; written_parts_ < until; ++written_parts_) write_fixed(parts_[written_parts_]);
}

void CSink::take(int pass, const EncodedChunk& chunk) {
    if (gathered_) {
        if (pass == 0) gathered_->take(chunk);
        return;
    }
    const std::vector<std::size_t> rows = row_parts();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (!positional_ && r != static_cast<std::size_t>(pass)) continue;
        const Part& part = parts_[rows[r]];
        const std::size_t line = hex_line_size(part.row_bytes);
        const std::size_t size = line * chunk.rows.count;
        const std::uint64_t offset = part.offset + std::uint64_t{chunk.rows.first} * line;
        char* text = nullptr;
        if (writer_) {
            text = reinterpret_cast<char*>(texts_->free_buffer());
            if (text == nullptr) return;  // the writer stopped
        } else {
            text_.resize(std::max(text_.size(), size));
            text = text_.data();
        }
        format_hex_rows(chunk.bytes(*part.encoder), part.row_bytes, chunk.rows.count, text);
        if (writer_) {
            texts_->publish(size, offset);
        } else {
            write_bytes(offset, text, size);
        }
    }
}

void CSink::write_behind() {
    for (HandOff::Chunk c = texts_->next(); c.data != nullptr; c = texts_->next()) {
        out_.write_at(c.tag, c.data, c.size);
        texts_->release();
    }
}

void CSink::end_pass(int pass) {
    if (gathered_ && pass == 0) {
        // The block is whole: now its compressed bytes and every text around them can be laid out.
        if (!lay_out_compressed()) return;
        if (positional_) {
            for (const Part& part : parts_) write_fixed(part);
            return;
        }
    }
    if (positional_) {
        if (writer_) {
            texts_->finish(true);
            writer_->join();
        }
        return;
    }
    const std::vector<std::size_t> rows = row_parts();
    if (static_cast<std::size_t>(pass) < rows.size())
        written_parts_ = rows[static_cast<std::size_t>(pass)] + 1;
    // After the last rows: everything that follows them.
    if (static_cast<std::size_t>(pass) + 1 >= rows.size())
        for (; written_parts_ < parts_.size(); ++written_parts_) write_fixed(parts_[written_parts_]);
}

}  // namespace pixmint
