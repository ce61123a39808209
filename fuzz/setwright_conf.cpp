// setwright from the bytes of conf.json to simulator.h and board.h: the
// merge into the configuration, both headers rendered, and the message of a
// refused document. An odd-sized input runs as with -v 7.0.1, so both
// spellings of the version-dependent entry are reached without giving a byte
// of the document over to option choice.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/harness.h"
#include "setwright/configuration.h"
#include "setwright/header_template.h"
#include "setwright/merge.h"
#include "setwright/messages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);  // zero-terminated, as read
    setwright::Configuration config(size % 2 == 1);
    if (const auto merged = setwright::merge_conf_text(text.data(), text.size(), config); !merged.ok()) {
        const std::string message = setwright::merge_message(merged.error());
        if (message.empty() || message.back() != '\n')
            lvforge::fuzz::abort_because("a message without its line end");
        return 0;
    }
    for (const auto mode : {setwright::Mode::simulator, setwright::Mode::board}) {
        const auto header = setwright::render_header(config, mode);
        if (!header.ok()) lvforge::fuzz::abort_because("no memory for a header");
        // Values holding a line end or NUL are refused, so none can reach a header.
        if (header.value().find_first_of(std::string_view("\r\0", 2)) != std::string::npos) {
            lvforge::fuzz::abort_because("a carriage return or NUL in a header");
        }
    }
    return 0;
}
