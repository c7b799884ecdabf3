#pragma once
// The bit-packed values of one row, one per bit-packed field of its table. Used like a vector of
// 32-bit values; the rows a file is decoded into share one block per table (a `pool`,
// pooled_block.h) instead of an allocation each, and a copied or moved row takes a block of its
// own.

#include "dbfile/pooled_block.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

namespace qira {

class value_list {
  public:
    using value_type = std::uint32_t;
    using pool = storage_pool<std::uint32_t>;

    value_list() noexcept = default;
    value_list(std::initializer_list<std::uint32_t> values) {
        values_.assign(values.begin(), values.size());
    }
    value_list(const std::vector<std::uint32_t>& values) {
        values_.assign(values.data(), values.size());
    }
    value_list& operator=(std::initializer_list<std::uint32_t> values) {
        return *this = value_list(values);
    }

    std::size_t size() const noexcept { return values_.size(); }
    bool empty() const noexcept { return values_.size() == 0; }
    std::uint32_t* data() noexcept { return values_.data(); }
    const std::uint32_t* data() const noexcept { return values_.data(); }
    std::uint32_t* begin() noexcept { return values_.data(); }
    std::uint32_t* end() noexcept { return values_.data() + values_.size(); }
    const std::uint32_t* begin() const noexcept { return values_.data(); }
    const std::uint32_t* end() const noexcept { return values_.data() + values_.size(); }

    // Unchecked, like a vector's: callers check the slot against size() first.
    std::uint32_t& operator[](std::size_t i) noexcept { return values_.data()[i]; }
    const std::uint32_t& operator[](std::size_t i) const noexcept { return values_.data()[i]; }
    std::uint32_t& at(std::size_t i) {
        check(i);
        return values_.data()[i];
    }
    const std::uint32_t& at(std::size_t i) const {
        check(i);
        return values_.data()[i];
    }

    // n values in a block of the row's own: the first ones kept, new ones `fill`.
    void resize(std::size_t n, std::uint32_t fill = 0) { values_.resize(n, fill); }
    void assign(std::size_t n, std::uint32_t value) {
        values_.resize(0);
        values_.resize(n, value);
    }
    // n values of 0 in the pool of the table that holds the row, or in a block of its own when
    // the pool has no room; the values held before are dropped.
    void share(pool& from, std::size_t n) { values_.share(from, n); }

    friend bool operator==(const value_list& a, const value_list& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }
    friend bool operator==(const value_list& a, const std::vector<std::uint32_t>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

  private:
    void check(std::size_t i) const {
        if (i >= size())
            throw std::out_of_range("value " + std::to_string(i) + " of " + std::to_string(size()));
    }

    pooled_block<std::uint32_t> values_;
};

} // namespace qira
