// animpack's command line and the names derived from it: the input is the
// arguments, separated by NUL bytes. Nothing is read or written.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "animpack/command_line.h"
#include "common/names.h"
#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lvforge::fuzz::enter_scratch_dir();
    lvforge::fuzz::Argv argv("animpack", data, size);
    const auto options = animpack::parse_command_line(argv.argc(), argv.argv());
    if (options.ok() && !options.value().help) {
        const auto& o = options.value();
        const std::optional<std::string_view> name =
            o.name ? std::optional<std::string_view>(*o.name) : std::nullopt;
        lvforge::fuzz::expect_consistent(lvforge::derive_names(o.input_path, name));
    }
    return 0;
}
