#include "fileio/utf8.h"

#include <cstdint>
#include <cstring>

namespace qira {

utf8_char decode_utf8(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80)
        return {lead, 1, true};

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
        return {};
    }

    std::size_t length = 1;
    for (std::size_t i = 0; i < count; ++i) {
        if (pos + length >= text.size())
            return {0, length, false};
        const unsigned char b = byte(pos + length);
        if (b < low || b > high)
            return {0, length, false};
        value = (value << 6) | (b & 0x3F);
        ++length;
        low = 0x80;
        high = 0xBF;
    }
    return {value, length, true};
}

bool is_valid_utf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        // Eight ASCII bytes at a time, the most of any text.
        std::uint64_t eight = 0;
        while (text.size() - i >= 8 &&
               (std::memcpy(&eight, text.data() + i, 8), (eight & 0x8080808080808080ull) == 0))
            i += 8;
        if (i == text.size())
            break;
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const utf8_char c = decode_utf8(text, i);
        if (!c.valid)
            return false;
        i += c.length;
    }
    return true;
}

void append_utf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void append_escaped(std::string& out, std::string_view text, char quote) {
    static const char hex[] = "0123456789abcdef";
    const auto escape = [&](const char* form, unsigned c) {
        out += form;
        out += hex[(c >> 4) & 15];
        out += hex[c & 15];
    };
    const auto plain = [quote](unsigned char c) {
        return c >= 0x20 && c < 0x7f && c != '\\' && c != static_cast<unsigned char>(quote);
    };
    std::size_t i = 0;
    while (i < text.size()) {
        // A run of printable ASCII, the most of every text, at once.
        std::size_t run = i;
        while (run < text.size() && plain(static_cast<unsigned char>(text[run])))
            ++run;
        out.append(text.data() + i, run - i);
        i = run;
        if (i == text.size())
            break;
        const auto c = static_cast<unsigned char>(text[i]);
        const utf8_char ch = decode_utf8(text, i);
        if (!ch.valid) {
            // Each byte of a maximal invalid subsequence on its own.
            for (std::size_t k = 0; k < ch.length; ++k)
                escape("\\udc", static_cast<unsigned char>(text[i + k]));
            i += ch.length;
            continue;
        }
        if (c == '\\' || (quote != 0 && c == static_cast<unsigned char>(quote))) {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (ch.code_point < 0x20 || (ch.code_point >= 0x7f && ch.code_point < 0xa0)) {
            escape("\\u00", static_cast<unsigned>(ch.code_point));
        } else {
            out.append(text.substr(i, ch.length));
        }
        i += ch.length;
    }
}

std::string printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    append_escaped(out, text);
    return out;
}

std::string quoted_text(std::string_view text) {
    std::string out = "\"";
    append_escaped(out, text, '"');
    return out + '"';
}

std::optional<std::string> utf16_to_utf8(std::string_view bytes, bool big_endian,
                                         std::size_t& bad_at) {
    if (bytes.size() % 2 != 0) {
        bad_at = bytes.size() - 1;
        return std::nullopt;
    }
    const auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(big_endian ? (a << 8) | b : (b << 8) | a);
    };
    std::string out;
    out.reserve(bytes.size() / 2 + bytes.size() / 8);
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xDC00 && cp <= 0xDFFF) {
            bad_at = i;
            return std::nullopt;
        }
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            const char32_t low = i + 3 < bytes.size() ? unit(i + 2) : 0;
            if (low < 0xDC00 || low > 0xDFFF) {
                bad_at = i;
                return std::nullopt;
            }
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        append_utf8(out, cp);
    }
    return out;
}

} // namespace qira
