#include "fileio/utf8.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace qira;

namespace {

// The text walked character by character: each valid character as its code point, each maximal
// invalid subsequence as U+FFFD.
std::u32string walk(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const utf8_char c = decode_utf8(text, i);
        out += c.valid ? c.code_point : U'\uFFFD';
        i += c.length;
    }
    return out;
}

} // namespace

TEST(Utf8, InvalidBytesAreReplacedByMaximalSubsequence) {
    const struct {
        std::string bytes;
        std::u32string chars;
    } cases[] = {
        {"M\xc3\xbcller", U"M\u00fcller"},
        {"\xf0\x9f\x98\x80", U"\U0001F600"},
        // The example of the Unicode standard for U+FFFD substitution.
        {"a\xf1\x80\x80\xe1\x80\xc2"
         "b\x80"
         "c\x80\xbf"
         "d",
         U"a\uFFFD\uFFFD\uFFFDb\uFFFDc\uFFFD\uFFFDd"},
        {"\xc0\xaf", U"\uFFFD\uFFFD"},                     // overlong: C0 starts nothing
        {"\xe0\x80\x80", U"\uFFFD\uFFFD\uFFFD"},           // overlong: E0 needs A0 to BF next
        {"\xed\xa0\x80", U"\uFFFD\uFFFD\uFFFD"},           // a surrogate
        {"\xf4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"}, // past U+10FFFF
        {"M\xfcller", U"M\uFFFDller"},                     // Latin-1
        {"\xe2\x82", U"\uFFFD"},                           // cut short at the end
    };
    for (const auto& c : cases) {
        EXPECT_EQ(walk(c.bytes), c.chars) << c.bytes;
        EXPECT_EQ(is_valid_utf8(c.bytes), c.chars.find(U'\uFFFD') == std::u32string::npos)
            << c.bytes;
    }
}

// Any bytes: the characters cover every byte once, a valid character is its code point's own
// encoding, and a text is valid exactly when every character of it is.
TEST(Utf8, AnyBytesDecodeConsistentlyWithTheEncoder) {
    std::mt19937 random(4);
    const unsigned char interesting[] = {0x00, 0x41, 0x7f, 0x80, 0x8f, 0x90, 0x9f, 0xa0,
                                         0xbf, 0xc0, 0xc1, 0xc2, 0xdf, 0xe0, 0xe1, 0xed,
                                         0xee, 0xef, 0xf0, 0xf1, 0xf4, 0xf5, 0xff};
    for (int n = 0; n < 20000; ++n) {
        std::string text;
        for (int k = 0, len = static_cast<int>(random() % 9); k < len; ++k)
            text += static_cast<char>(interesting[random() % std::size(interesting)]);
        bool all_valid = true;
        for (std::size_t i = 0; i < text.size();) {
            const utf8_char c = decode_utf8(text, i);
            ASSERT_GE(c.length, 1u);
            ASSERT_LE(i + c.length, text.size());
            if (c.valid) {
                std::string again;
                append_utf8(again, c.code_point);
                ASSERT_EQ(again, text.substr(i, c.length));
            }
            all_valid = all_valid && c.valid;
            i += c.length;
        }
        ASSERT_EQ(is_valid_utf8(text), all_valid);
    }
}
