#pragma once
// Outcome of reading or writing one of the game's files: a code plus a text for the user that
// names the file and the problem.

#include <string>
#include <utility>

namespace qira {

struct [[nodiscard]] io_result {
    enum class code {
        ok,
        cannot_open, // the file could not be opened for reading
        damaged,     // the file was read but cannot be trusted; it is refused
        write_failed // a save did not complete; the old file is intact
    };

    code status = code::ok;
    std::string message;

    static io_result success() { return {}; }
    static io_result failure(code c, std::string text) { return {c, std::move(text)}; }

    bool ok() const { return status == code::ok; }
    explicit operator bool() const { return ok(); }
};

} // namespace qira
