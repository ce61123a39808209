#include "animpack/hex_writer.h"

#include <cstddef>

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

// Formats `n` bytes as "0x%02x, " units from `out` on; returns the end of the text.
char* format_block(char* out, const std::uint8_t* in, std::size_t n) {
    const lvforge::HexTable& table = lvforge::kArrayHex;
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        out = lvforge::copy_hex_unit(out, table, in[i]);
        out = lvforge::copy_hex_unit(out, table, in[i + 1]);
        out = lvforge::copy_hex_unit(out, table, in[i + 2]);
        out = lvforge::copy_hex_unit(out, table, in[i + 3]);
    }
    for (; i < n; ++i) out = lvforge::copy_hex_unit(out, table, in[i]);
    return out;
}

}  // namespace

void append_head(const ArrayRequest& job, lvforge::TextSink& out) {
    lvforge::append_c_head(out, kBanner, "LV_ATTRIBUTE_", job.names.attr_name, job.banner_year);
}

void append_hex_array(const ArrayRequest& job, lvforge::TextSink& out, std::span<const std::uint8_t> data) {
    out.append("const LV_ATTRIBUTE_LARGE_CONST LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_");
    out.append(job.names.attr_name);
    out.append(" uint8_t ");
    out.append(job.names.var_name);
    out.append("[] = {\n  ");
    // Every byte goes on the one line, however long: formatted block by block straight into
    // the sink, which writes it out in large pieces, so the whole text is never held at once.
    while (!data.empty()) {
        const std::size_t n = data.size() < kBlock ? data.size() : kBlock;
        char* p = out.reserve(n * 6 + 2);
        out.advance(format_block(p, data.data(), n));
        data = data.subspan(n);
    }
    out.append("0x00\n};\n");
}

std::optional<lvforge::OutputFailure> write_c_file(const ArrayRequest& job,
                                                   std::span<const std::uint8_t> data) {
    return lvforge::write_generated_file(job.names.out_path, [&](lvforge::TextSink& out) {
        append_head(job, out);
        append_hex_array(job, out, data);
    });
}

}  // namespace animpack
