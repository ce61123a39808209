// Why a generated file could not be put in place, with the path the message names.
#pragma once

#include <string>

namespace lvforge {

struct OutputFailure {
    enum class Kind {
        create_directory,  // a directory leading to the file could not be made
        open,              // the file (or its temporary) could not be opened, or not renamed into place
        write,             // a write or the close failed, or the text could not be built whole
    };
    Kind kind;
    // For create_directory: the directory that failed, separators before it written as '/';
    // otherwise the output path as given.
    std::string path;
};

}  // namespace lvforge
