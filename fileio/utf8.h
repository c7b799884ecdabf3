#pragma once
// UTF-8, the one decoder of the program. The game's texts are bytes that are often not UTF-8
// (names typed in old code pages); everything that must tell a valid text from bytes, or walk a
// text character by character, decodes it here.

#include <cstddef>
#include <string>
#include <string_view>

namespace qira {

// The character at text[pos]: its code point and length in bytes when the bytes there are a
// well-formed sequence (no overlong form, no surrogate, nothing past U+10FFFF). Otherwise `valid`
// is false and `length` is that of the maximal invalid subsequence: the longest start of a
// well-formed sequence, or the one bad byte; the next character starts after it. `pos` must be
// before the end of the text.
struct utf8_char {
    char32_t code_point = 0;
    std::size_t length = 1;
    bool valid = false;
};
utf8_char decode_utf8(std::string_view text, std::size_t pos);

// Whether every byte of the text belongs to a well-formed sequence.
bool is_valid_utf8(std::string_view text);

// Appends the UTF-8 form of a code point (a scalar value: not a surrogate, at most U+10FFFF).
void append_utf8(std::string& out, char32_t cp);

} // namespace qira
