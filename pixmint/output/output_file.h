// One output of a run, opened before its rows are written and put in place
// only once everything went well: opening and writing are separate steps,
// so the top level can report each in its place.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "common/output_failure.h"
#include "common/result.h"
#include "common/safe_output.h"

namespace pixmint {

class OutputFile {
   public:
    // Creates the directories leading to `path` and opens its temporary file (or the device or
    // FIFO it names); the failure names what could not be made.
    static lvforge::Result<OutputFile, lvforge::OutputFailure> open(const std::string& path);

    // True when the output `path` can be written in any order and needs no directory made: a
    // regular file (or none yet) in a directory that exists.
    static bool fillable_in_place(const std::string& path);

    // The file to write.
    lvforge::SafeOutput& file() { return *out_; }
    // Closes the file and puts it in place; nothing when that worked, else why not.
    std::optional<lvforge::OutputFailure> commit();
    // Abandons the file: nothing of it remains (the destructor does the same).
    void discard() { out_->discard(); }

   private:
    OutputFile(std::string path, std::unique_ptr<lvforge::SafeOutput> out)
        : path_(std::move(path)), out_(std::move(out)) {}

    std::string path_;
    std::unique_ptr<lvforge::SafeOutput> out_;
};

}  // namespace pixmint
