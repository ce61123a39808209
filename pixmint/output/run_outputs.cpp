#include "pixmint/output/run_outputs.h"

#include "pixmint/output/bin_layout.h"
#include "pixmint/output/bin_sink.h"
#include "pixmint/output/c_sink.h"
#include "pixmint/output/output_file.h"
#include "pixmint/output/pipeline.h"
#include "pixmint/output/preview_sink.h"
#include "pixmint/pixels/bit_packing.h"
#include "pixmint/pixels/image_rows.h"

namespace pixmint {

namespace {

// Rows still to be decoded as they are read.
bool streams(const RowSource& rows) {
    return rows.has_pixels() && rows.pixels() == nullptr;
}

// The sinks of one attempt at writing, over opened files.
struct Sinks {
    EncodingSet encodings;
    std::unique_ptr<Sink> main;
    std::unique_ptr<PreviewSink> preview;

    std::vector<Sink*> all() const {
        std::vector<Sink*> out{main.get()};
        if (preview) out.push_back(preview.get());
        return out;
    }
};

void add_sinks(const Options& o, lvforge::BannerYear year, const RunImage& image, OutputFile& main,
               OutputFile* shown, Sinks& sinks) {
    const RowSource& rows = *image.rows;
    const bool has_pixels = rows.has_pixels();
    const std::vector<std::uint8_t> palette = family_of(o.format) == FormatFamily::indexed && has_pixels
                                                  ? palette_bytes(image.palette, bits_of(o.format))
                                                  : std::vector<std::uint8_t>();
    if (o.binary) {
        const BinFileSpec spec{o.format,     o.depth,       o.swap,     o.zintra,
                               rows.width(), rows.height(), has_pixels, palette};
        sinks.main = std::make_unique<BinSink>(main.file(), spec, sinks.encodings);
    } else {
        const CFileSpec spec{o.names,      o.format,      o.depth,    o.zintra, year,
                             rows.width(), rows.height(), has_pixels, palette,  image.raw};
        sinks.main = std::make_unique<CSink>(main.file(), spec, sinks.encodings);
    }
    if (shown != nullptr) {
        const PreviewSpec spec{o.format, o.depth, rows.width(), rows.height(), image.palette};
        sinks.preview = std::make_unique<PreviewSink>(shown->file(), spec, sinks.encodings);
    }
}

}  // namespace

OutputsReport write_outputs(const Options& options, lvforge::BannerYear year, RunImage image) {
    OutputsReport report;
    const std::string main_path =
        options.binary ? bin_path_of(options.names.out_path) : options.names.out_path;
    // The preview shows pixels; after a failed resize there are none, and that failure is reported.
    const bool preview = options.preview_path && image.rows->has_pixels();
    // Rows decoded as they are written go into files written in any order, in directories that exist
    // already: a decoding that fails half way must leave nothing behind, no directory either. Other
    // outputs take the image decoded whole first.
    if (streams(*image.rows) && (!OutputFile::fillable_in_place(main_path) ||
                                 (preview && !OutputFile::fillable_in_place(*options.preview_path)))) {
        image.rows = whole_image(std::move(image.rows));
        if (image.rows == nullptr) {
            report.failure = fatal(FailureKind::image_load);
            return report;
        }
    }
    for (;;) {
        auto main = OutputFile::open(main_path);
        if (!main.ok()) {
            // An image that does not decode is reported as such, whatever the output.
            if (streams(*image.rows) && whole_image(std::move(image.rows)) == nullptr) {
                report.failure = fatal(FailureKind::image_load);
            } else {
                report.output = main.error();
            }
            return report;
        }
        std::optional<OutputFile> shown;
        report.preview.reset();
        if (preview) {
            auto opened = OutputFile::open(*options.preview_path);
            if (opened.ok()) {
                shown.emplace(std::move(opened.value()));
            } else {
                report.preview = opened.error();
            }
        }
        Sinks sinks;
        add_sinks(options, year, image, main.value(), shown ? &*shown : nullptr, sinks);
        if (!run_pipeline(*image.rows, sinks.encodings, sinks.all(), options.dither)) {
            // Part of the image went out before its decoding failed: start afresh from the image
            // decoded the reference way, or report that it does not decode.
            sinks = Sinks();
            main.value().discard();
            if (shown) shown->discard();
            image.rows = image.rows->decode_again();
            if (image.rows == nullptr) {
                report.failure = fatal(FailureKind::image_load);
                return report;
            }
            continue;
        }
        report.opened = true;
        report.output = main.value().commit();
        if (report.output || !shown) return report;
        if (!sinks.preview->ok()) {
            shown->discard();
            report.preview =
                lvforge::OutputFailure{lvforge::OutputFailure::Kind::write, *options.preview_path};
        } else {
            report.preview = shown->commit();
        }
        return report;
    }
}

}  // namespace pixmint
