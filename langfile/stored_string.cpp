#include "stored_string.h"

namespace qira {

bool read_string_into(std::span<const std::uint8_t> file, std::uint64_t offset, std::string& out) {
    if (!range_fits(offset, 4, file.size()))
        return false;
    const std::uint32_t length = load_u32(file.data() + offset);
    if (!range_fits(offset + 4, length, file.size()))
        return false;
    out.assign(reinterpret_cast<const char*>(file.data() + offset + 4), length);
    return true;
}

std::optional<std::string> read_string_at(std::span<const std::uint8_t> file,
                                          std::uint64_t offset) {
    std::string text;
    if (!read_string_into(file, offset, text))
        return std::nullopt;
    return text;
}

void write_string_padded(byte_writer& out, std::string_view text) {
    out.u32(static_cast<std::uint32_t>(text.size()));
    out.bytes(text.data(), text.size());
    out.zeros(static_cast<std::size_t>(padded_size(text.size()) - text.size()));
}

bool is_valid_utf8(std::string_view text) {
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t len = 0;
        std::uint32_t cp = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1Fu;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0Fu;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07u;
        } else {
            return false;
        }
        if (n - i < len)
            return false;
        for (std::size_t k = 1; k < len; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                return false;
            cp = cp << 6 | (s[i + k] & 0x3Fu);
        }
        if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
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

} // namespace qira
