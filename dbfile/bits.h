#pragma once
// The bit order of the packed words of a row. The bit stream of a row is its packed words taken
// as bytes in file order, each byte from its most significant bit down; fields follow each other
// without alignment, each as wide as field_width (fields.h) makes it.

#include "dbfile/fields.h"

#include <algorithm>
#include <cstdint>

namespace qira {

// Word of the bit stream as a number whose most significant bit is the stream's first bit.
constexpr std::uint32_t stream_word(std::uint32_t stored) {
    return stored >> 24 | (stored >> 8 & 0xFF00u) | (stored << 8 & 0xFF0000u) | stored << 24;
}

// Reads `width` bits (0 to 33) at bit `pos` of a stream of `count` stream words; bits past the
// end are missing (a field cut by the end is the number its remaining bits make). Low 32 bits.
// `stream` must hold one more word after the `count` words (any value).
inline std::uint32_t read_bits(const std::uint32_t* stream, std::size_t count, std::uint64_t pos,
                               int width) {
    const std::uint64_t total = std::uint64_t{count} * 32;
    if (width <= 0 || pos >= total)
        return 0;
    const auto take = static_cast<unsigned>(
        std::min<std::uint64_t>(static_cast<std::uint64_t>(width), total - pos));
    const std::size_t wi = static_cast<std::size_t>(pos / 32);
    const unsigned shift = static_cast<unsigned>(pos % 32);
    // Bits past the stream's end never reach the result: `take` stops before them.
    const std::uint64_t window = std::uint64_t{stream[wi]} << 32 | stream[wi + 1];
    // 64 - shift >= 33 >= take, so the window always holds the field.
    return static_cast<std::uint32_t>((window << shift) >> (64 - take));
}

// Appends fields most significant bit first and hands out whole 32-bit stream words.
class bit_writer {
  public:
    explicit bit_writer(std::vector<std::uint32_t>& out) : out_(out) {}

    void put(std::uint32_t value, int width) {
        if (width <= 0)
            return;
        if (width > 32) { // the bits above the value's 32 are zero
            put(0, width - 32);
            width = 32;
        }
        const std::uint64_t bits = width == 32 ? value : (value & ((1u << width) - 1));
        acc_ = acc_ << width | bits;
        held_ += width;
        if (held_ >= 32) {
            held_ -= 32;
            out_.push_back(static_cast<std::uint32_t>(acc_ >> held_));
            acc_ &= (std::uint64_t{1} << held_) - 1;
        }
    }
    // Pads with 1 to 32 zero bits, so that a stream of whole words gains a word of zeros.
    void finish() {
        out_.push_back(static_cast<std::uint32_t>(acc_ << (32 - held_)));
        acc_ = 0;
        held_ = 0;
    }

  private:
    std::vector<std::uint32_t>& out_;
    std::uint64_t acc_ = 0;
    int held_ = 0;
};

} // namespace qira
