#include "fileio/bytes.h"
#include "fileio/utf8.h"
#include "langfile/stored_string.h"

#include <gtest/gtest.h>

namespace qira {
namespace {

std::vector<std::uint8_t> stored(std::string_view text) {
    std::vector<std::uint8_t> out;
    byte_writer w(out);
    write_string_padded(w, text);
    return out;
}

TEST(StoredString, PaddingAlwaysAddsOneToFourZeroBytes) {
    EXPECT_EQ(padded_size(0), 4u);
    EXPECT_EQ(padded_size(3), 4u);
    EXPECT_EQ(padded_size(4), 8u);
    EXPECT_EQ(padded_size(5), 8u);
    EXPECT_EQ(padded_size(8), 12u);

    EXPECT_EQ(stored(""), (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(stored("name"),
              (std::vector<std::uint8_t>{4, 0, 0, 0, 'n', 'a', 'm', 'e', 0, 0, 0, 0}));
    EXPECT_EQ(stored("names").size(), 12u);
    // The length word counts UTF-8 bytes: "Müller" is 7 bytes.
    const auto m = stored("M\xc3\xbcller");
    EXPECT_EQ(m[0], 7);
    EXPECT_EQ(m.size(), 4u + 8u);
}

TEST(StoredString, ReadKeepsTheStoredBytesWhateverTheyAre) {
    // Invalid UTF-8 and texts over 255 bytes come back exactly as stored.
    const std::string invalid = "Ca\xff\xfe\xc3";
    const std::string long_text(300, 'x');
    for (const std::string& text :
         {std::string(), invalid, long_text, std::string("\xc5\x81ukasz")}) {
        auto bytes = stored(text);
        auto back = read_string_at(bytes, 0);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, text);
    }
    EXPECT_FALSE(is_valid_utf8(invalid));
    EXPECT_TRUE(is_valid_utf8("Ibrahimovi\xc4\x87"));
    EXPECT_FALSE(is_valid_utf8("\xed\xa0\x80")); // a surrogate
    EXPECT_FALSE(is_valid_utf8("\xc0\xaf"));     // an overlong form
}

TEST(StoredString, NeverReadsPastTheBuffer) {
    auto bytes = stored("abcdef");
    EXPECT_FALSE(read_string_at(bytes, bytes.size()).has_value());
    EXPECT_FALSE(read_string_at(bytes, bytes.size() - 3).has_value());
    EXPECT_FALSE(read_string_at(bytes, ~0ull).has_value());
    // A length that claims more bytes than the file has.
    bytes.resize(4 + 5);
    EXPECT_FALSE(read_string_at(bytes, 0).has_value());
    const std::vector<std::uint8_t> huge = {0xff, 0xff, 0xff, 0xff, 'a'};
    EXPECT_FALSE(read_string_at(huge, 0).has_value());
}

TEST(ByteWriter, ASpillingWriterHandsOnWholeChunksThenTheRest) {
    std::vector<std::uint8_t> all, staging;
    std::vector<std::size_t> pieces;
    byte_writer out(
        staging,
        [&](std::span<const std::uint8_t> piece) {
            pieces.push_back(piece.size());
            all.insert(all.end(), piece.begin(), piece.end());
        },
        8);
    out.u32(0x04030201);
    out.bytes("abcdefghijklmnopqrst", 20); // crosses two ends of a chunk at once
    out.zeros(3);
    EXPECT_EQ(out.position(), 27u);
    EXPECT_EQ(pieces, (std::vector<std::size_t>{8, 8, 8}));
    out.finish();
    EXPECT_EQ(pieces.back(), 3u);
    std::vector<std::uint8_t> expected{1, 2, 3, 4};
    for (char c : std::string("abcdefghijklmnopqrst"))
        expected.push_back(static_cast<std::uint8_t>(c));
    expected.insert(expected.end(), 3, 0);
    EXPECT_EQ(all, expected);
    EXPECT_EQ(out.position(), 27u);
}

} // namespace
} // namespace qira
