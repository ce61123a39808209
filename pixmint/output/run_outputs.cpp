#include "pixmint/output/run_outputs.h"

#include <sys/stat.h>

#include "common/output_set.h"
#include "common/paths.h"
#include "common/safe_output.h"
#include "pixmint/output/bin_sink.h"
#include "pixmint/output/c_sink.h"
#include "pixmint/output/pipeline.h"
#include "pixmint/output/preview_sink.h"
#include "pixmint/pixels/bit_packing.h"
#include "pixmint/pixels/image_rows.h"
#include "pixmint/pixels/v9_formats.h"

namespace pixmint {

namespace {

// Rows still to be decoded as they are read.
bool streams(const RowSource& rows) {
    return rows.has_pixels() && rows.pixels() == nullptr;
}

// True when the output `path` can be written in any order and needs no directory made: a regular
// file (or none yet) in a directory that exists.
bool fillable_in_any_order(const std::string& path) {
    const std::string open_path = lvforge::open_path_of(path);
    if (lvforge::is_written_in_place(open_path.c_str())) return false;
    const std::string::size_type slash = open_path.rfind('/');
    if (slash == std::string::npos) return true;
    struct stat st {};
    return ::stat(slash == 0 ? "/" : open_path.substr(0, slash).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The sinks of one attempt at writing, over the opened files; those written in place (a device or
// a FIFO) apart, as they are written last.
struct Sinks {
    EncoderSet encoders;
    std::vector<std::unique_ptr<Sink>> owned;
    std::vector<Sink*> files, in_place;
    std::vector<const lvforge::SafeOutput*> file_outputs;
    PreviewSink* preview = nullptr;

    void add(std::unique_ptr<Sink> sink, const lvforge::SafeOutput& out) {
        (out.in_place() ? in_place : files).push_back(sink.get());
        if (!out.in_place()) file_outputs.push_back(&out);
        owned.push_back(std::move(sink));
    }
    // True while no write to a temporary file has failed.
    bool files_ok() const {
        for (const lvforge::SafeOutput* out : file_outputs)
            if (out->failed()) return false;
        return true;
    }
};

void add_sinks(const RunOutputs& where, const Encoding& e, const RunImage& image, lvforge::SafeOutput& main,
               lvforge::SafeOutput* shown, Sinks& sinks) {
    const RowSource& rows = *image.rows;
    const bool has_pixels = rows.has_pixels();
    // LVGL v9 lays its images out its own way: its choices go to every sink.
    const V9Choices v9_choices{e.align, e.premultiply, e.compression};
    const std::optional<V9Choices> v9 = e.lvgl == LvglVersion::v9 ? std::optional(v9_choices) : std::nullopt;
    std::vector<std::uint8_t> palette;
    if (family_of(e.format) == FormatFamily::indexed && has_pixels) {
        palette = v9 ? v9_palette_bytes(image.palette, bits_of(e.format), e.premultiply)
                     : palette_bytes(image.palette, bits_of(e.format));
    }
    if (where.binary) {
        const BinFileContent content{e.format,      e.depth,    e.swap,  e.zintra, rows.width(),
                                     rows.height(), has_pixels, palette, v9};
        sinks.add(std::make_unique<BinSink>(main, content, sinks.encoders), main);
    } else {
        const CFileContent content{where.names,  e.format,      e.depth,    e.zintra, e.swap,    where.year,
                                   rows.width(), rows.height(), has_pixels, palette,  image.raw, v9};
        sinks.add(std::make_unique<CSink>(main, content, sinks.encoders), main);
    }
    if (shown != nullptr) {
        const PreviewContent content{e.format,      e.depth, rows.width(), rows.height(),
                                     image.palette, e.lvgl,  v9_choices};
        auto preview = std::make_unique<PreviewSink>(*shown, content, sinks.encoders);
        sinks.preview = preview.get();
        sinks.add(std::move(preview), *shown);
    }
}

// The image turned out not to decode: nothing was written.
OutputsFailure undecodable() {
    return {fatal(FailureKind::image_load), false};
}

// The failure for outputs that could not be opened: the image's own failure first, as ever.
OutputsFailure not_opened(RunImage& image, lvforge::OutputFailure failure, bool main_opened) {
    if (streams(*image.rows) && whole_image(std::move(image.rows)) == nullptr) return undecodable();
    return {std::move(failure), main_opened};
}

}  // namespace

lvforge::Result<void, OutputsFailure> write_outputs(const RunOutputs& where, const Encoding& encoding,
                                                    RunImage image) {
    const std::string main_path = where.binary ? bin_path_of(where.names.out_path) : where.names.out_path;
    // The preview shows pixels; after a failed resize there are none, and that failure is reported.
    const bool preview = where.preview_path && image.rows->has_pixels();
    // Rows decoded as they are written go into files written in any order, in directories that exist
    // already: a decoding that fails half way must leave nothing behind, no directory either. Other
    // outputs take the image decoded whole first.
    if (streams(*image.rows) &&
        (!fillable_in_any_order(main_path) || (preview && !fillable_in_any_order(*where.preview_path)))) {
        image.rows = whole_image(std::move(image.rows));
        if (image.rows == nullptr) return undecodable();
    }
    for (;;) {
        lvforge::OutputSet outputs;
        auto main = outputs.open(main_path);
        if (!main.ok()) return not_opened(image, main.error(), false);
        lvforge::SafeOutput* shown = nullptr;
        if (preview) {
            auto opened = outputs.open(*where.preview_path);
            if (!opened.ok()) return not_opened(image, opened.error(), true);
            shown = opened.value();
        }
        Sinks sinks;
        add_sinks(where, encoding, image, *main.value(), shown, sinks);
        // What goes to a device or FIFO can't be taken back: it is written once the files are.
        bool decoded = run_pipeline(*image.rows, sinks.encoders, sinks.files, encoding.dither);
        if (decoded && !sinks.in_place.empty() && sinks.files_ok()) {
            decoded = run_pipeline(*image.rows, sinks.encoders, sinks.in_place, encoding.dither);
        }
        if (!decoded) {
            // Part of the image went out before its decoding failed: start afresh from the image
            // decoded the reference way, or report that it does not decode.
            image.rows = image.rows->decode_again();
            if (image.rows == nullptr) return undecodable();
            continue;
        }
        // A sink that could not finish its file (a compressor out of memory): nothing lands.
        for (const auto& sink : sinks.owned)
            if (const auto failure = sink->failure()) return OutputsFailure{*failure, false};
        if (sinks.preview != nullptr && !sinks.preview->ok()) {
            return OutputsFailure{
                lvforge::OutputFailure{lvforge::OutputFailure::Kind::write, *where.preview_path}, true};
        }
        auto landed = outputs.commit();
        if (!landed.ok()) return OutputsFailure{landed.error(), true};
        return {};
    }
}

}  // namespace pixmint
