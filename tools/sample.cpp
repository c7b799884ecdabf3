#include "sample.h"

namespace qira {

sample_install make_sample(const sample_options&) {
    return {};
}

io_result write_sample_install(const std::filesystem::path&, const sample_options&) {
    return io_result::failure(io_result::code::write_failed, "make-sample is not available yet");
}

} // namespace qira
