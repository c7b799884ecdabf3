// Field widths and the bit order of packed rows, checked against the digit-text form of the
// format: each packed word byte-swapped, written as 32 binary digits, fields cut from the text.

#include "dbfile/bits.h"

#include <gtest/gtest.h>

#include <random>

namespace qira {
namespace {

db_field packed(std::int32_t a, std::int32_t b) {
    return {"f", 0, a, b};
}

TEST(FieldWidth, FollowsTheDescriptorRules) {
    EXPECT_EQ(bit_length(0), 0);
    EXPECT_EQ(bit_length(1), 1);
    EXPECT_EQ(bit_length(4), 3);
    EXPECT_EQ(bit_length(63), 6);
    EXPECT_EQ(bit_length(64), 7);
    EXPECT_EQ(bit_length(100), 7);
    EXPECT_EQ(bit_length(0xFFFFFFFFu), 32);

    EXPECT_EQ(field_width(packed(0, 63), 0), 6);
    EXPECT_EQ(field_width(packed(-1, 63), 0), 7);
    EXPECT_EQ(field_width(packed(100000, 63), 0), 5);
    EXPECT_EQ(field_width(packed(0, 0), 0), 0);
    EXPECT_EQ(field_width(packed(100000, 0), 0), 0); // would be -1: no bits
    EXPECT_EQ(field_width(packed(-1, -1), 0), 33);   // descriptor_b read as unsigned
}

TEST(FieldWidth, TableEightIsOneBitNarrowerFor64And4) {
    EXPECT_EQ(field_width(packed(0, 64), 8), 6);
    EXPECT_EQ(field_width(packed(0, 4), 8), 2);
    EXPECT_EQ(field_width(packed(0, 64), 7), 7);
    EXPECT_EQ(field_width(packed(0, 4), 9), 3);
    EXPECT_EQ(field_width(packed(0, 65), 8), 7);
    EXPECT_EQ(field_width(packed(-1, 64), 8), 7);
}

// The digit-text decoding: stored words -> digits, fields taken from the digit text.
std::vector<std::uint32_t> decode_by_digits(const std::vector<std::uint32_t>& stored,
                                            const std::vector<int>& widths) {
    std::string digits;
    for (auto w : stored) {
        const std::uint32_t swapped = stream_word(w);
        for (int b = 31; b >= 0; --b)
            digits += (swapped >> b & 1) ? '1' : '0';
    }
    std::vector<std::uint32_t> values;
    std::size_t pos = 0;
    for (int w : widths) {
        std::string part =
            pos < digits.size() ? digits.substr(pos, static_cast<std::size_t>(w)) : "";
        pos += static_cast<std::size_t>(w);
        std::uint64_t sum = 0, weight = 1;
        for (auto it = part.rbegin(); it != part.rend(); ++it, weight *= 2)
            sum += static_cast<std::uint64_t>(*it - '0') * weight;
        values.push_back(static_cast<std::uint32_t>(sum));
    }
    return values;
}

std::vector<std::uint32_t> decode_by_shifts(const std::vector<std::uint32_t>& stored,
                                            const std::vector<int>& widths) {
    std::vector<std::uint32_t> stream;
    for (auto w : stored)
        stream.push_back(stream_word(w));
    const std::size_t count = stream.size();
    stream.push_back(0xFFFFFFFFu); // the word after the stream never shows in a value
    std::vector<std::uint32_t> values;
    std::uint64_t pos = 0;
    for (int w : widths) {
        values.push_back(read_bits(stream.data(), count, pos, w));
        pos += static_cast<std::uint64_t>(w);
    }
    return values;
}

TEST(BitStream, WorkedExampleOfThreeFields) {
    // Bytes 12 34 56 78 in file order are the little-endian word 0x78563412.
    const std::vector<std::uint32_t> stored = {0x78563412u};
    EXPECT_EQ(decode_by_shifts(stored, {3, 5, 24}), (std::vector<std::uint32_t>{0, 18, 3430008}));
    const std::vector<std::uint32_t> all_ones = {0xFFFFFFFFu};
    EXPECT_EQ(decode_by_shifts(all_ones, {32}), (std::vector<std::uint32_t>{4294967295u}));
}

TEST(BitStream, ShiftsAgreeWithDigitTextsOnRandomRows) {
    std::mt19937 rng(2004);
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::uint32_t> stored(rng() % 4 + 1);
        for (auto& w : stored)
            w = rng();
        std::vector<int> widths(rng() % 12 + 1);
        for (auto& w : widths)
            w = static_cast<int>(rng() % 34); // 0 to 33, and fields that run past the end
        ASSERT_EQ(decode_by_shifts(stored, widths), decode_by_digits(stored, widths))
            << "round " << round;
    }
}

std::vector<std::uint32_t> encode(const std::vector<std::uint32_t>& values,
                                  const std::vector<int>& widths) {
    std::vector<std::uint32_t> stream;
    bit_writer bits(stream);
    for (std::size_t j = 0; j < values.size(); ++j)
        bits.put(values[j], widths[j]);
    bits.finish();
    std::vector<std::uint32_t> stored;
    for (auto g : stream)
        stored.push_back(stream_word(g));
    return stored;
}

TEST(BitStream, EncodingExamples) {
    // 0, 18, 3430008 in widths 3, 5, 24 fill exactly 32 bits: a whole word of zeros follows.
    EXPECT_EQ(encode({0, 18, 3430008}, {3, 5, 24}), (std::vector<std::uint32_t>{0x78563412u, 0}));
    // 5 and 1 in widths 3 and 5: the bytes A1 00 00 00.
    EXPECT_EQ(encode({5, 1}, {3, 5}), (std::vector<std::uint32_t>{0x000000A1u}));
    // A value wider than its field keeps its low bits.
    EXPECT_EQ(encode({0xFF}, {4}), (std::vector<std::uint32_t>{0x000000F0u}));
    EXPECT_EQ(encode({}, {}), (std::vector<std::uint32_t>{0}));
}

TEST(BitStream, EncodeThenDecodeGivesTheLowBits) {
    std::mt19937 rng(7);
    for (int round = 0; round < 3000; ++round) {
        std::vector<int> widths(rng() % 10 + 1);
        std::vector<std::uint32_t> values(widths.size());
        for (std::size_t j = 0; j < widths.size(); ++j) {
            widths[j] = static_cast<int>(rng() % 34);
            values[j] = rng();
        }
        const auto back = decode_by_digits(encode(values, widths), widths);
        for (std::size_t j = 0; j < widths.size(); ++j) {
            const std::uint32_t mask =
                widths[j] >= 32 ? 0xFFFFFFFFu : (std::uint32_t{1} << widths[j]) - 1;
            ASSERT_EQ(back[j], values[j] & mask) << "round " << round << " field " << j;
        }
    }
}

} // namespace
} // namespace qira
