#include "pixmint/output/output_file.h"

#include <sys/stat.h>

#include "common/paths.h"

namespace pixmint {

lvforge::Result<OutputFile, lvforge::OutputFailure> OutputFile::open(const std::string& path) {
    if (auto failure = lvforge::create_parent_directories(path)) return *failure;
    auto out = std::make_unique<lvforge::SafeOutput>();
    if (!out->open(lvforge::open_path_of(path).c_str()))
        return lvforge::OutputFailure{lvforge::OutputFailure::Kind::open, path};
    return OutputFile(path, std::move(out));
}

bool OutputFile::fillable_in_place(const std::string& path) {
    const std::string open_path = lvforge::open_path_of(path);
    if (lvforge::is_written_in_place(open_path.c_str())) return false;
    const std::string::size_type slash = open_path.rfind('/');
    if (slash == std::string::npos) return true;
    struct stat st {};
    return ::stat(slash == 0 ? "/" : open_path.substr(0, slash).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<lvforge::OutputFailure> OutputFile::commit() {
    switch (out_->commit()) {
        case lvforge::SafeOutput::Status::ok:
            return std::nullopt;
        case lvforge::SafeOutput::Status::open_failed:
            return lvforge::OutputFailure{lvforge::OutputFailure::Kind::open, path_};
        case lvforge::SafeOutput::Status::write_failed:
            break;
    }
    return lvforge::OutputFailure{lvforge::OutputFailure::Kind::write, path_};
}

}  // namespace pixmint
