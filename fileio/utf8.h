#pragma once
// UTF-8, the one decoder of the program. The game's texts are bytes that are often not UTF-8
// (names typed in old code pages); everything that must tell a valid text from bytes, or walk a
// text character by character, decodes it here.

#include <cstddef>
#include <optional>
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

// Appends `text` so that none of its bytes can act on the terminal or window it is shown in, and
// every byte can be told from the escapes: valid UTF-8 as it is, except a backslash as \\,
// `quote` (when not 0) as \ and itself, and the control characters (U+0000 to U+001F, U+007F to
// U+009F) as \n, \r, \t or \u00XX; each byte that is not part of valid UTF-8 as \udcXX, XX its
// value (80 to FF), a lone low surrogate that no character produces. Patch files and dumps write
// their texts this way (with the quote '"'), and every message quotes a name or text from a file
// this way (printable).
void append_escaped(std::string& out, std::string_view text, char quote = 0);
// A name or text from a file as messages quote it: "\u001b[2J" for ESC [ 2 J.
std::string printable(std::string_view text);
// The same in double quotes, its quotes escaped: "\"Ann\"".
std::string quoted_text(std::string_view text);

// The UTF-8 form of UTF-16 code units (little- or big-endian, without the byte-order mark).
// Nothing when the bytes are no UTF-16 text: an odd count of bytes, or a surrogate without its
// other half; `bad_at` is then the offset of the first byte that is not.
std::optional<std::string> utf16_to_utf8(std::string_view bytes, bool big_endian,
                                         std::size_t& bad_at);

} // namespace qira
