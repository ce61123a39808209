// A PNG decoded row by row as the pipeline asks for rows, giving exactly the
// pixels the reference decoder gives: each scanline inflated (png_inflate),
// unfiltered (png_unfilter) and converted (png_rows) as it is needed. When
// the compressed data is refused or does not end properly, or a pixel names
// no palette entry, the raster guard's whole walk and the reference decoder
// have the last word.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "pixmint/acquire/png_inflate.h"
#include "pixmint/acquire/png_layout.h"
#include "pixmint/acquire/png_rows.h"
#include "pixmint/pixels/row_source.h"

namespace pixmint {

// Closes a file opened with fopen.
struct FileClose {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileClose>;

class PngStream final : public RowSource {
   public:
    // A stream over the PNG laid out as `layout`, read from `memory` when it holds the file's bytes
    // (which then outlive the stream), else from `file`, which the stream then owns; null, leaving
    // `file` as it was, when the compressed data's zlib header is refused.
    static std::unique_ptr<PngStream> open(FileHandle& file, std::span<const std::uint8_t> memory,
                                           const PngLayout& layout);

    std::uint32_t width() const override { return layout_.width; }
    std::uint32_t height() const override { return layout_.height; }
    int channels() const override { return layout_.channels; }
    const std::uint8_t* pixels() const override { return nullptr; }
    bool read(std::uint8_t* rows, std::uint32_t count) override;
    bool rewind() override;
    std::unique_ptr<RowSource> decode_again() override;

   private:
    PngStream(FileHandle file, std::span<const std::uint8_t> memory, const PngLayout& layout);

    // Sets the decoding to start again from the first row; false when the data's head is refused.
    bool start();

    FileHandle file_;
    std::span<const std::uint8_t> memory_;
    PngLayout layout_;
    PngRowConverter convert_;
    std::unique_ptr<PngInflate> inflate_;    // the compressed data, from where the next row starts
    std::vector<std::uint8_t> scanline_;     // one scanline as inflated: its filter byte, then the row
    std::vector<std::uint8_t> row_, prior_;  // this row and the one above, unfiltered
    std::uint32_t next_row_ = 0;
    bool failed_ = false;
    bool checked_ = false;  // one pass went to the end and its compressed data ended properly
};

}  // namespace pixmint
