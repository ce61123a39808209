#include "pixmint/run.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <variant>

#include "common/banner_year.h"
#include "common/failure_text.h"
#include "common/memory_reserve.h"
#include "common/output_target.h"
#include "common/paths.h"
#include "pixmint/acquire/acquire.h"
#include "pixmint/cli/command_line.h"
#include "pixmint/cli/messages.h"
#include "pixmint/output/bin_sink.h"
#include "pixmint/output/run_outputs.h"
#include "pixmint/pixels/formats.h"
#include "pixmint/pixels/indexed_rows.h"

namespace pixmint {

namespace {

void print(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

// The run itself; run() adds the one answer to running out of memory.
int convert(int argc, char** argv) {
    auto parsed = parse_command_line(argc, argv);
    if (!parsed.ok()) {
        print(message(parsed.error()));
        return 1;
    }
    const Options& options = parsed.value();
    if (options.help) {
        print(help_text());
        return 0;
    }
    // Settled before any work, so that a bad value leaves every file as it was.
    const auto year = lvforge::banner_year();
    if (!year.ok()) {
        print(lvforge::source_date_failure_message(year.error()));
        return 1;
    }
    // No output may replace the very image it is made from: the C file (or the .bin), nor the preview.
    const std::string out_path =
        options.binary ? bin_path_of(options.names.out_path) : options.names.out_path;
    for (const std::string* path : {&out_path, options.preview_path ? &*options.preview_path : nullptr}) {
        if (path != nullptr && lvforge::is_same_file(options.image_path, *path)) {
            print(same_file_message(*path));
            return 1;
        }
    }

    // The preview must not be written over the file it accompanies, nor that over the preview.
    if (options.preview_path && lvforge::same_output_file(*options.preview_path, out_path)) {
        print(preview_is_output_message(*options.preview_path));
        return 1;
    }

    auto acquiring = acquire_image(options);
    if (!acquiring.ok()) {
        print(message(acquiring.error(), options.image_path));
        return 1;
    }
    Acquired& acquired = acquiring.value();
    // A failed resampling is reported first; the outputs are written without pixels all the same.
    if (acquired.resampling_failed) print(message(fatal(FailureKind::resize_alloc), options.image_path));
    Encoding encoding = options.encoding();
    RunImage image{std::move(acquired.rows), {}, acquired.file.span()};
    if (family_of(encoding.format) == FormatFamily::indexed) {
        if (image.rows->has_pixels()) {
            // A palette needs every pixel before any index can be written.
            auto indexed = index_image(encoding.format, std::move(image.rows),
                                       std::move(acquired.own_palette), encoding.dither);
            if (!indexed.ok()) {
                print(message(indexed.error(), options.image_path));
                return 1;
            }
            image.palette = indexed.value()->palette();
            encoding.format = indexed.value()->format();
            image.rows = std::move(indexed.value());
        } else if (settled_on_image(encoding.format)) {
            // Nothing to settle indexed-auto on (a failed resize, already reported): the largest.
            encoding.format = ColorFormat::indexed_8;
        }
    }
    // From here on the format is the one the image is indexed in: indexed-auto has settled on it.

    // Every output of the run lands together or not at all, the image streaming into them.
    const RunOutputs where{options.names, options.binary, options.preview_path, year.value()};
    const auto written = write_outputs(where, encoding, std::move(image));
    // v9's layout has no colour depth of its own to report.
    if ((written.ok() || written.error().main_opened) && options.lvgl != LvglVersion::v9)
        print(depth_line(options.depth));
    if (!written.ok()) {
        const auto& why = written.error().why;
        if (const Failure* undecodable = std::get_if<Failure>(&why))
            print(message(*undecodable, options.image_path));
        else
            print(lvforge::output_failure_message(std::get<lvforge::OutputFailure>(why)));
        return 1;
    }
    return acquired.resampling_failed ? 1 : 0;
}

}  // namespace

int run(int argc, char** argv) {
    // Every allocation failure without a message of its own ends here, with nothing left written.
    return lvforge::exit_status_unless_out_of_memory([&] { return convert(argc, argv); }, print);
}

}  // namespace pixmint
