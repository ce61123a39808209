#include "common/generated_file.h"

#include <string>

#include "common/paths.h"

namespace lvforge {

std::optional<OutputFailure> write_generated_file(std::string_view out_path,
                                                  const std::function<void(TextSink&)>& body) {
    if (auto failure = create_parent_directories(out_path)) return failure;

    const auto failed = [&](OutputFailure::Kind kind) { return OutputFailure{kind, std::string(out_path)}; };
    SafeOutput out;
    if (!out.open(open_path_of(out_path).c_str())) return failed(OutputFailure::Kind::open);
    bool body_ok;
    {
        TextSink sink(out);
        if (sink.ok()) body(sink);
        body_ok = sink.flush();
    }
    // The sink can fail on its own (no buffer, a line it could not format) without the file
    // seeing a failed write; such a file is incomplete and must not replace the earlier one.
    if (!body_ok) {
        out.discard();
        return failed(OutputFailure::Kind::write);
    }
    switch (out.commit()) {
        case SafeOutput::Status::ok:
            return std::nullopt;
        case SafeOutput::Status::open_failed:
            return failed(OutputFailure::Kind::open);
        case SafeOutput::Status::write_failed:
            break;
    }
    return failed(OutputFailure::Kind::write);
}

void append_c_head(TextSink& sink, const char* banner_fmt, const char* guard_prefix,
                   std::string_view attr_name, BannerYear year) {
    if (!year) return;
    // The banner holds one "%d", filled with the year.
    const std::string_view banner(banner_fmt);
    const std::size_t at = banner.find("%d");
    sink.append(banner.substr(0, at));
    if (at != std::string_view::npos) {
        sink.append(std::to_string(*year));
        sink.append(banner.substr(at + 2));
    }
    sink.append("#include \"lvgl.h\"\n\n");
    sink.append("#ifndef LV_ATTRIBUTE_MEM_ALIGN\n#define LV_ATTRIBUTE_MEM_ALIGN\n#endif\n\n");
    sink.append("#ifndef LV_ATTRIBUTE_LARGE_CONST\n#define LV_ATTRIBUTE_LARGE_CONST\n#endif\n\n");
    for (const char* directive : {"#ifndef ", "#define "}) {
        sink.append(directive);
        sink.append(guard_prefix);
        sink.append(attr_name);
        sink.append("\n");
    }
    sink.append("#endif\n\n");
}

}  // namespace lvforge
