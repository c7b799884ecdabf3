#pragma once
// Peak resident memory of a child process (the one platform-specific piece of the benchmarks).

#include <cstdint>
#include <string>
#include <vector>

namespace qira::bench {

// Runs the program with the arguments, waits for it and returns its peak resident set in bytes;
// -1 when it could not be run or failed.
// With `output`, the program's standard output goes to that file.
std::int64_t peak_resident_bytes(const std::string& program, const std::vector<std::string>& args,
                                 const std::string& output = {});

} // namespace qira::bench
