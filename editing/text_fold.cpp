#include "editing/text_fold.h"

#include "fileio/utf8.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace qira {
namespace {

#include "editing/text_fold_table.inc"

constexpr char32_t replacement = 0xFFFD;

// Decodes the code point at `pos` and advances `pos` past it; a maximal invalid subsequence gives
// U+FFFD (see decode_utf8).
char32_t next_code_point(std::string_view text, std::size_t& pos) {
    const utf8_char c = decode_utf8(text, pos);
    pos += c.length;
    return c.valid ? c.code_point : replacement;
}

bool is_white_space(char32_t cp) {
    if (cp < 0x80)
        return cp == ' ' || (cp >= 0x09 && cp <= 0x0D);
    switch (cp) {
    case 0x85:
    case 0xA0:
    case 0x1680:
    case 0x2028:
    case 0x2029:
    case 0x202F:
    case 0x205F:
    case 0x3000:
        return true;
    default:
        return cp >= 0x2000 && cp <= 0x200A;
    }
}

} // namespace

std::string fold_text(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    bool space_pending = false;
    const auto start_item = [&] {
        if (space_pending && !out.empty())
            out += ' ';
        space_pending = false;
    };

    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto ascii = static_cast<unsigned char>(utf8[pos]);
        if (ascii < 0x80 && ascii != ' ' && (ascii < 0x09 || ascii > 0x0D)) {
            start_item();
            out += (ascii >= 'A' && ascii <= 'Z') ? static_cast<char>(ascii - 'A' + 'a')
                                                  : static_cast<char>(ascii);
            ++pos;
            continue;
        }

        const char32_t cp = next_code_point(utf8, pos);
        if (is_white_space(cp)) {
            space_pending = true;
            continue;
        }
        const auto* const end = fold_keys + fold_entries;
        const auto* const found = std::lower_bound(fold_keys, end, static_cast<std::uint32_t>(cp));
        if (found != end && *found == cp) {
            const std::uint16_t span = fold_spans[found - fold_keys];
            const std::size_t length = span & 7u;
            if (length == 0)
                continue; // a combining mark or an invisible character
            start_item();
            const unsigned char* bytes = fold_bytes + (span >> 3);
            out.append(reinterpret_cast<const char*>(bytes), length);
        } else {
            start_item();
            append_utf8(out, cp);
        }
    }
    return out;
}

} // namespace qira
