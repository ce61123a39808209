#include "animpack/input_blocks.h"

#include <new>
#include <utility>

namespace animpack {

lvforge::Result<InputBlocks, lvforge::ReadStatus> InputBlocks::open(const char* path) {
    auto file = lvforge::InputFile::open(path);
    if (!file.ok()) return file.error();
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[kBlockSize]);
    if (!buffer) return lvforge::ReadStatus::alloc_failed;
    return InputBlocks(std::move(file.value()), std::move(buffer));
}

BlockResult InputBlocks::next() {
    if (failed_) return lvforge::ReadStatus::read_failed;
    if (ended_) return std::span<const std::uint8_t>();
    const auto got = file_.read(buffer_.get(), kBlockSize);
    if (!got.ok()) {
        failed_ = true;
        return got.error();
    }
    // A short block is the last: reading stopped at the end of the file.
    if (got.value() < kBlockSize) ended_ = true;
    return std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(buffer_.get()), got.value());
}

}  // namespace animpack
