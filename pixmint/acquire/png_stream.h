// A PNG decoded row by row as the pipeline asks for rows, by libspng's
// progressive decoding, giving exactly the pixels the reference decoder
// gives. When libspng gives up on a file, the file's compressed data does
// not end properly or a pixel names no palette entry, the raster guard's
// whole walk and the reference decoder have the last word.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "pixmint/acquire/deflate_end.h"
#include "pixmint/acquire/png_layout.h"
#include "pixmint/acquire/png_rows.h"
#include "pixmint/pixels/row_source.h"
#include "pixmint/pixels/spng_library.h"
#include "pixmint/pixels/worker.h"

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
    // `file` as it was, when libspng refuses the file's head.
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
    struct ContextRelease {
        const SpngLibrary* lib;
        void operator()(spng_ctx* ctx) const { lib->ctx_free(ctx); }
    };
    using Context = std::unique_ptr<spng_ctx, ContextRelease>;

    PngStream(FileHandle file, std::span<const std::uint8_t> memory, const PngLayout& layout, Context ctx);

    // libspng (`lib`) set to decode `file` or `memory` from its first row; null when it refuses.
    static Context start(const SpngLibrary& lib, std::FILE* file, std::span<const std::uint8_t> memory,
                         const PngLayout& layout);

    FileHandle file_;
    std::span<const std::uint8_t> memory_;
    PngLayout layout_;
    PngRowConverter convert_;
    std::unique_ptr<DeflateEnd> deflate_end_;
    std::unique_ptr<Worker> end_check_;  // inflating the data to its end, beside the decoding
    bool data_ends_properly_ = false;    // what end_check_ found
    Context ctx_;
    std::vector<std::uint8_t> stored_;  // one row as stored, when it needs converting
    std::uint32_t next_row_ = 0;
    bool failed_ = false;
    bool checked_ = false;  // one pass went to the end and its compressed data ended properly
};

}  // namespace pixmint
