// The outputs of one run, landing together or not at all: each is opened (its
// directories made) when added, and all are written, closed and renamed into
// place only at commit, when every one of them has succeeded.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/output_failure.h"
#include "common/result.h"
#include "common/safe_output.h"
#include "common/text_sink.h"

namespace lvforge {

class OutputSet {
   public:
    // Writes the whole text of one output.
    using Body = std::function<void(TextSink&)>;

    OutputSet() = default;
    OutputSet(OutputSet&&) noexcept = default;
    OutputSet& operator=(OutputSet&&) noexcept = default;
    OutputSet(const OutputSet&) = delete;
    OutputSet& operator=(const OutputSet&) = delete;
    // Discards every output not committed: its temporary file is removed, the earlier file kept.
    ~OutputSet() = default;

    // Creates the directories leading to `path` (and to the target of a dangling link there),
    // then opens it as SafeOutput does; `body` runs at commit(). Returns why that failed, naming
    // `path` as given (or the directory that could not be made). A failure is kept: commit()
    // then lands nothing.
    Result<void, OutputFailure> add(std::string_view path, Body body);

    // Opens `path` as add() does, for the caller to write itself before commit(), which then only
    // closes it and renames it into place with the others. The file stays the set's; the pointer
    // is good until commit() or the set's end. Should the caller write to a device or FIFO, it
    // writes it after the temporary files, as commit() would.
    Result<SafeOutput*, OutputFailure> open(std::string_view path);

    // Writes and closes every output, those on temporary files first and devices or FIFOs last
    // (what they were sent can't be taken back), then renames every temporary file into place.
    // Stops at the first failure and returns it; then nothing is renamed and every temporary
    // file is removed. Only a rename failing after others succeeded, which takes a directory
    // changed by someone else during the run, can leave the outputs renamed before it in place.
    Result<void, OutputFailure> commit();

   private:
    struct Staged {
        std::string path;                  // as given, for the messages
        std::unique_ptr<SafeOutput> file;  // open, nothing written yet
        Body body;                         // empty for a file the caller writes
    };

    // Writes `staged`'s body and closes its file, or says why that failed.
    static Result<void, OutputFailure> write_and_close(Staged& staged);
    // Records `failure` as the set's and drops every output, removing their temporary files.
    Result<void, OutputFailure> fail(OutputFailure failure);

    std::vector<Staged> staged_;
    std::optional<OutputFailure> failure_;
};

}  // namespace lvforge
