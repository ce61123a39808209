#include "common/generated_file.h"

#include <string>

#include "common/output_set.h"

namespace lvforge {

Result<void, OutputFailure> write_generated_file(std::string_view out_path,
                                                 const std::function<void(TextSink&)>& body) {
    OutputSet outputs;
    Result<void, OutputFailure> landed = outputs.add(out_path, body);
    if (landed.ok()) landed = outputs.commit();
    return landed;
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
