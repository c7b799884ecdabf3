#pragma once
// The stored string shared by both game files: a 32-bit byte length, the UTF-8 bytes, and 1 to 4
// zero bytes of padding up to the next multiple of four. Texts are kept in memory as their stored
// bytes, so a text that is not valid UTF-8 or longer than 255 bytes survives a load and a save.

#include "fileio/bytes.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qira {

// L + 4 - (L mod 4): always greater than L (0 gives 4, 4 gives 8).
constexpr std::uint64_t padded_size(std::uint64_t length) {
    return length + 4 - length % 4;
}

// Bytes one stored string of `length` text bytes occupies: the length word plus padded text.
constexpr std::uint64_t stored_size(std::uint64_t length) {
    return 4 + padded_size(length);
}

// Reads the stored string at `offset` of `file`; nothing when its length word or its text
// would reach past the end of the buffer.
std::optional<std::string> read_string_at(std::span<const std::uint8_t> file, std::uint64_t offset);
// The same into `out`; false (and `out` unchanged) when it reaches past the end.
bool read_string_into(std::span<const std::uint8_t> file, std::uint64_t offset, std::string& out);

// Appends one stored string with its padding.
void write_string_padded(byte_writer& out, std::string_view text);

} // namespace qira
