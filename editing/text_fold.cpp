#include "editing/text_fold.h"

#include "langfile/stored_string.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace qira {
namespace {

#include "editing/text_fold_table.inc"

constexpr char32_t replacement = 0xFFFD;

// Decodes the code point at `pos` and advances `pos` past it. A maximal invalid subsequence
// (the longest prefix of a well-formed sequence, or one bad byte) gives U+FFFD, and `pos` then
// stops at the first byte that could not continue it.
char32_t next_code_point(std::string_view text, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos++);
    if (lead < 0x80)
        return lead;

    std::size_t count = 0;
    char32_t value = 0;
    // The range the second byte must fall in rules out overlong forms, surrogates and values
    // past U+10FFFF; later bytes are plain continuation bytes.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        count = 1;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        count = 2;
        value = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        count = 3;
        value = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return replacement;
    }

    for (std::size_t i = 0; i < count; ++i) {
        if (pos >= text.size())
            return replacement;
        const unsigned char b = byte(pos);
        if (b < low || b > high)
            return replacement;
        value = (value << 6) | (b & 0x3F);
        ++pos;
        low = 0x80;
        high = 0xBF;
    }
    return value;
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
