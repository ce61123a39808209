// Runs a function that writes into a TextSink and returns what it wrote.
#pragma once

#include <functional>
#include <string>

#include "common/safe_output.h"
#include "common/text_sink.h"
#include "tests/support/test_support.h"

namespace pixmint::test {

// Everything `fn` writes through a real SafeOutput/TextSink pair.
inline std::string capture(const std::function<void(lvforge::TextSink&)>& fn) {
    lvforge::test::TempDir dir;
    const std::string path = dir / "out.txt";
    lvforge::SafeOutput out;
    if (!out.open(path.c_str()).ok()) return "<open failed>";
    {
        lvforge::TextSink sink(out);
        fn(sink);
        sink.flush();
    }
    if (!out.commit().ok()) return "<commit failed>";
    return lvforge::test::read_file(path);
}

}  // namespace pixmint::test
