#include "c_source.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <string_view>

#include "names.h"
#include "path_ops.h"

namespace lvforge {

int write_generated_file(const char* out_path, const std::function<void(TextSink&)>& body) {
    // Directory creation works on a copy: it rewrites separators and, on
    // failure, cuts the text at the directory that could not be made.
    char work[200];
    std::snprintf(work, sizeof work, "%s", out_path);
    if (CreatDir(work) != 0) {
        std::printf("ERR: create %s failed!\n", work);
        return 1;
    }

    char open_path[kNameBufSize];
    to_open_path(out_path, open_path);
    SafeOutput out;
    if (!out.open(open_path)) {
        std::printf("ERR: open %s failed!\n", out_path);
        return 1;
    }
    bool body_ok;
    {
        TextSink sink(out);
        body(sink);
        body_ok = sink.flush();
    }
    // The sink can fail on its own (no buffer, a line it could not format) without the file
    // seeing a failed write; such a file is incomplete and must not replace the earlier one.
    if (!body_ok) {
        out.discard();
        std::printf("ERR: write %s failed!\n", out_path);
        return 1;
    }
    switch (out.commit()) {
        case SafeOutput::Status::ok:
            return 0;
        case SafeOutput::Status::open_failed:
            std::printf("ERR: open %s failed!\n", out_path);
            return 1;
        case SafeOutput::Status::write_failed:
            break;
    }
    std::printf("ERR: write %s failed!\n", out_path);
    return 1;
}

void put_c_head(TextSink& sink, const char* banner_fmt, const char* guard_prefix, const char* attr_name) {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    if (now == static_cast<std::time_t>(-1) || ::gmtime_r(&now, &utc) == nullptr) return;
    // The banner holds one "%d", filled with the year.
    const std::string_view banner(banner_fmt);
    const std::size_t at = banner.find("%d");
    sink.put(banner.substr(0, at));
    if (at != std::string_view::npos) {
        sink.putf("%d", utc.tm_year + 1900);
        sink.put(banner.substr(at + 2));
    }
    sink.put("#include \"lvgl.h\"\n\n");
    sink.put("#ifndef LV_ATTRIBUTE_MEM_ALIGN\n#define LV_ATTRIBUTE_MEM_ALIGN\n#endif\n\n");
    sink.put("#ifndef LV_ATTRIBUTE_LARGE_CONST\n#define LV_ATTRIBUTE_LARGE_CONST\n#endif\n\n");
    sink.putf("#ifndef %s%s\n", guard_prefix, attr_name);
    sink.putf("#define %s%s\n", guard_prefix, attr_name);
    sink.put("#endif\n\n");
}

}  // namespace lvforge
