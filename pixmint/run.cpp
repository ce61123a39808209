#include "pixmint/run.h"

#include <cstdio>
#include <string>

#include "common/banner_year.h"
#include "common/failure_text.h"
#include "common/paths.h"
#include "pixmint/acquire/acquire.h"
#include "pixmint/cli/command_line.h"
#include "pixmint/cli/messages.h"
#include "pixmint/output/bin_file.h"
#include "pixmint/output/bin_layout.h"
#include "pixmint/output/c_file.h"
#include "pixmint/output/preview_file.h"
#include "pixmint/pixels/block_image.h"

namespace pixmint {

namespace {

void print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

}  // namespace

int run(int argc, char** argv) {
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

    Acquired acquired = acquire_image(options);
    bool failed = false;
    if (acquired.failure) {
        print(message(*acquired.failure));
        if (!acquired.failure->output_still_written) return 1;
        failed = true;
    }
    const Image& image = acquired.image;
    // The binary header holds 11 bits of width and height; nothing is written beyond them.
    if (options.binary && (image.width > kBinMaxSide || image.height > kBinMaxSide)) {
        print(message(FailureKind::binary_too_large));
        return 1;
    }
    auto block = pack_image(options, image);
    if (!block.ok()) {
        print(message(block.error()));
        return 1;
    }
    const BlockImage* packed = block.value() ? &*block.value() : nullptr;
    const auto opened = [&] { print(depth_line(options.depth)); };
    auto written = options.binary ? write_bin_file(options, image, packed, opened)
                                  : write_c_file(options, image, packed, year.value(), opened);
    // The preview shows pixels; after a failed resize there are none, and that failure is reported.
    if (!written && options.preview_path && image.pixels != nullptr)
        written = write_preview_file(options, image, packed);
    if (written) print(lvforge::output_failure_message(*written));
    return (failed || written) ? 1 : 0;
}

}  // namespace pixmint
