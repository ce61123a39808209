#include "animpack/hex_writer.h"

#include <cstddef>
#include <optional>

#include "common/generated_file.h"
#include "common/hex_tables.h"

namespace animpack {

namespace {

constexpr const char* kBanner =
    "/*\n * Generated in %d by animpack from a data file.\n"
    " * The file's bytes as a C array, followed by one zero byte.\n"
    " * Do not edit by hand; regenerate it from the source file.\n */\n\n";

// Input bytes formatted per sink reservation: 6 output bytes each, plus the 2 bytes that the
// last 8-byte unit copy spills past its 6 significant ones, must stay within kMaxReserve.
constexpr std::size_t kBlock = 8 * 1024;
static_assert(kBlock * 6 + 2 <= lvforge::TextSink::kMaxReserve);

// Appends the units of every byte of `data`, straight into the sink, which writes them out in
// large pieces.
void append_units(lvforge::TextSink& out, std::span<const std::uint8_t> data) {
    while (!data.empty()) {
        const std::size_t n = data.size() < kBlock ? data.size() : kBlock;
        char* p = out.reserve(n * 6 + 2);
        out.advance(lvforge::copy_hex_units(p, lvforge::kArrayHex, data.data(), n));
        data = data.subspan(n);
    }
}

}  // namespace

void append_head(const ArrayRequest& job, lvforge::TextSink& out) {
    lvforge::append_c_head(out, kBanner, "LV_ATTRIBUTE_", job.names.attr_name, job.banner_year);
}

lvforge::Result<void, PackFailure> write_c_file(const ArrayRequest& job, const NextBlock& next) {
    // An input that can't be read at all, or that is one block long, is read before a
    // directory or a file is made.
    BlockResult first = next();
    if (!first.ok()) return PackFailure(first.error());

    std::optional<lvforge::ReadStatus> read_failure;
    bool input_ended = first.value().empty();
    auto written = lvforge::write_generated_file(job.names.out_path, [&](lvforge::TextSink& out) {
        append_head(job, out);
        out.append("const LV_ATTRIBUTE_LARGE_CONST LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_");
        out.append(job.names.attr_name);
        out.append(" uint8_t ");
        out.append(job.names.var_name);
        out.append("[] = {\n  ");
        // Every byte goes on the one line, however long, one block after the other.
        for (std::span<const std::uint8_t> block = first.value(); !block.empty();) {
            append_units(out, block);
            if (!out.ok()) return;  // the output has failed; the rest of the input is only read
            BlockResult more = next();
            if (!more.ok()) {
                read_failure = more.error();
                out.fail();
                return;
            }
            block = more.value();
        }
        input_ended = true;
        out.append("0x00\n};\n");
    });
    // Whatever became of the output, the input is read to its end: a read failure is what is
    // reported, as when the input was read whole before anything was written.
    while (!read_failure && !input_ended) {
        BlockResult more = next();
        if (!more.ok())
            read_failure = more.error();
        else
            input_ended = more.value().empty();
    }
    if (read_failure) return PackFailure(*read_failure);
    if (!written.ok()) return PackFailure(written.error());
    return {};
}

}  // namespace animpack
