#include "common/failure_text.h"

namespace lvforge {

std::string output_failure_message(const OutputFailure& failure) {
    std::string_view verb = "write";
    switch (failure.kind) {
        case OutputFailure::Kind::create_directory:
            verb = "create";
            break;
        case OutputFailure::Kind::open:
            verb = "open";
            break;
        case OutputFailure::Kind::write:
            break;
    }
    std::string text = "ERR: ";
    text.append(verb).append(" ").append(failure.path).append(" failed!\n");
    return text;
}

std::string read_failure_message(ReadStatus status, std::string_view path, std::string_view buffer_name) {
    switch (status) {
        case ReadStatus::open_failed:
            return std::string("open ").append(path).append(" failed\n");
        case ReadStatus::length_failed:
            return "Fail to get the file length\n";
        case ReadStatus::alloc_failed:
            return std::string("allocate memory for ").append(buffer_name).append(" failed\n");
        case ReadStatus::read_failed:
            return "Read json data failed\n";
    }
    return {};
}

std::string source_date_failure_message(InvalidSourceDateEpoch) {
    return "Error: SOURCE_DATE_EPOCH is not a valid timestamp.\n";
}

std::string_view out_of_memory_message() {
    return "Error: not enough memory.\n";
}

}  // namespace lvforge
