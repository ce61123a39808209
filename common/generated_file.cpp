#include "common/generated_file.h"

#include <string>

#include "common/output_set.h"

namespace lvforge {

std::optional<OutputFailure> write_generated_file(std::string_view out_path,
                                                  const std::function<void(TextSink&)>& body) {
    OutputSet outputs;
    Result<void, OutputFailure> landed = outputs.add(out_path, body);
    if (landed.ok()) landed = outputs.commit();
    if (!landed.ok()) return landed.error();
    return std::nullopt;
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
