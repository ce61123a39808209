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
    sink.append(c_head_text(banner_fmt, guard_prefix, attr_name, year));
}

std::string c_head_text(const char* banner_fmt, const char* guard_prefix, std::string_view attr_name,
                        BannerYear year) {
    std::string head;
    if (!year) return head;
    // The banner holds one "%d", filled with the year.
    const std::string_view banner(banner_fmt);
    const std::size_t at = banner.find("%d");
    head.append(banner.substr(0, at));
    if (at != std::string_view::npos) {
        head.append(std::to_string(*year));
        head.append(banner.substr(at + 2));
    }
    head.append("#include \"lvgl.h\"\n\n");
    head.append("#ifndef LV_ATTRIBUTE_MEM_ALIGN\n#define LV_ATTRIBUTE_MEM_ALIGN\n#endif\n\n");
    head.append("#ifndef LV_ATTRIBUTE_LARGE_CONST\n#define LV_ATTRIBUTE_LARGE_CONST\n#endif\n\n");
    for (const char* directive : {"#ifndef ", "#define "}) {
        head.append(directive);
        head.append(guard_prefix);
        head.append(attr_name);
        head.append("\n");
    }
    head.append("#endif\n\n");
    return head;
}

}  // namespace lvforge
