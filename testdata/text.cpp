#include "testdata/text.h"

#include "fileio/utf8.h"

#include <utility>

namespace qira::testdata {

namespace {

// The code points of a text of this file (always valid UTF-8).
std::vector<char32_t> code_points(std::string_view s) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        char32_t cp = len == 1 ? c : len == 2 ? (c & 0x1Fu) : len == 3 ? (c & 0x0Fu) : (c & 0x07u);
        for (std::size_t k = 1; k < len && i + k < s.size(); ++k)
            cp = cp << 6 | (static_cast<unsigned char>(s[i + k]) & 0x3Fu);
        out.push_back(cp);
        i += len;
    }
    return out;
}

// Upper case for ASCII, Latin-1 and Latin Extended-A; other letters stay as they are.
char32_t to_upper(char32_t c) {
    if (c >= 'a' && c <= 'z')
        return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 32;
    if (c == 0xFF)
        return 0x178;
    if (c == 0x131) // dotless i
        return 'I';
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177))
        return c % 2 == 1 ? c - 1 : c;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
        return c % 2 == 0 ? c - 1 : c;
    return c;
}

// The ASCII letter that stands for a Latin-1 or Latin Extended-A letter in internal names.
char ascii_fold(char32_t c) {
    static constexpr std::string_view latin1 = "AAAAAAACEEEEIIIIDNOOOOO_OUUUUYTS"
                                               "AAAAAAACEEEEIIIIDNOOOOO_OUUUUYTY";
    static constexpr std::string_view extended_a = "AAAAAACCCCCCCCDDDDEEEEEEEEEEGGGG"
                                                   "GGGGHHHHIIIIIIIIIIJJJJKKKLLLLLLL"
                                                   "LLLNNNNNNNNNOOOOOOOORRRRRRSSSSSS"
                                                   "SSTTTTTTUUUUUUUUUUUUWWYYYZZZZZZS";
    if (c >= 'a' && c <= 'z')
        return static_cast<char>(c - 32);
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return static_cast<char>(c);
    if (c == ' ' || c == '-' || c == '\'' || c == '.')
        return '_';
    if (c >= 0xC0 && c <= 0xFF)
        return latin1[c - 0xC0];
    if (c >= 0x100 && c <= 0x17F)
        return extended_a[c - 0x100];
    return 0;
}

} // namespace

std::vector<std::string> split(std::string_view s, char sep) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = s.find(sep, start);
        parts.emplace_back(s.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

std::string substitute(std::string_view pattern, std::string_view field, std::string_view value) {
    std::string out;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = pattern.find(field, start);
        out += pattern.substr(start, at == std::string_view::npos ? at : at - start);
        if (at == std::string_view::npos)
            return out;
        out += value;
        start = at + field.size();
    }
}

std::string first_chars(std::string_view s, std::size_t count) {
    std::string out;
    const auto cps = code_points(s);
    for (std::size_t i = 0; i < cps.size() && i < count; ++i)
        append_utf8(out, cps[i]);
    return out;
}

std::string initials(std::string_view s, std::size_t count) {
    std::string out;
    std::size_t taken = 0;
    for (char32_t c : code_points(s)) {
        if (taken == count)
            break;
        if (c == ' ' || c == '-' || c == '\'')
            continue;
        append_utf8(out, to_upper(c));
        ++taken;
    }
    return out;
}

std::string label_text(std::string_view s) {
    std::string out;
    for (char32_t c : code_points(s)) {
        const char a = ascii_fold(c);
        if (a == 0 || (a == '_' && (out.empty() || out.back() == '_')))
            continue;
        out += a;
    }
    while (!out.empty() && out.back() == '_')
        out.pop_back();
    return out;
}

std::string roman(int n) {
    static constexpr std::pair<int, const char*> digits[] = {
        {1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
        {40, "XL"},  {10, "X"},   {9, "IX"},  {5, "V"},    {4, "IV"},  {1, "I"}};
    std::string out;
    for (const auto& [value, text] : digits)
        for (; n >= value; n -= value)
            out += text;
    return out;
}

texts all_languages(const phrase& p) {
    texts out;
    for (int l = 0; l < languages; ++l)
        out[l] = p[l];
    return out;
}

std::string label_set::take(std::string label, const std::string& code) {
    if (taken_.insert(label).second)
        return label;
    label = code + "_" + label;
    if (taken_.insert(label).second)
        return label;
    for (int n = 2;; ++n) {
        std::string numbered = label + "_" + std::to_string(n);
        if (taken_.insert(numbered).second)
            return numbered;
    }
}

} // namespace qira::testdata
