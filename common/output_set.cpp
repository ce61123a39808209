#include "common/output_set.h"

#include "common/output_target.h"
#include "common/paths.h"

namespace lvforge {

namespace {

OutputFailure failure_of(SafeOutput::Failure failure, const std::string& path) {
    return {
        failure == SafeOutput::Failure::write_failed ? OutputFailure::Kind::write : OutputFailure::Kind::open,
        path};
}

}  // namespace

Result<void, OutputFailure> OutputSet::add(std::string_view path, Body body) {
    if (failure_) return *failure_;
    if (auto made = create_parent_directories(path); !made.ok()) return fail(made.error());
    const std::string open_path = open_path_of(path);
    // A dangling link creates the file it points at: the directories leading there are made as
    // those of the path itself are.
    if (const std::string target = dangling_link_target(open_path); target != open_path) {
        if (auto made = create_parent_directories(target); !made.ok()) return fail(made.error());
    }
    auto file = std::make_unique<SafeOutput>();
    if (!file->open(open_path.c_str()).ok()) return fail({OutputFailure::Kind::open, std::string(path)});
    staged_.push_back({std::string(path), std::move(file), std::move(body)});
    return {};
}

Result<SafeOutput*, OutputFailure> OutputSet::open(std::string_view path) {
    auto added = add(path, Body());
    if (!added.ok()) return added.error();
    return staged_.back().file.get();
}

Result<void, OutputFailure> OutputSet::commit() {
    if (failure_) return fail(*failure_);
    for (const bool in_place : {false, true}) {
        for (Staged& staged : staged_) {
            if (staged.file->in_place() != in_place) continue;
            if (auto written = write_and_close(staged); !written.ok()) return fail(written.error());
        }
    }
    for (Staged& staged : staged_) {
        if (const auto committed = staged.file->commit(); !committed.ok())
            return fail(failure_of(committed.error(), staged.path));
    }
    staged_.clear();
    return {};
}

Result<void, OutputFailure> OutputSet::write_and_close(Staged& staged) {
    bool body_ok = true;
    if (staged.body) {
        TextSink sink(*staged.file);
        if (sink.ok()) staged.body(sink);
        body_ok = sink.flush();
    }
    // The sink can fail on its own (no buffer, a text it could not build) without the file
    // seeing a failed write; such a file is incomplete and must not replace the earlier one.
    if (!body_ok) return OutputFailure{OutputFailure::Kind::write, staged.path};
    if (const auto finished = staged.file->finish(); !finished.ok())
        return failure_of(finished.error(), staged.path);
    return {};
}

Result<void, OutputFailure> OutputSet::fail(OutputFailure failure) {
    failure_ = failure;
    staged_.clear();
    return failure;
}

}  // namespace lvforge
