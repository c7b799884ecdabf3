#pragma once
// The bit-packed values of one row, one per bit-packed field of its table. Used like a vector of
// 32-bit values; the rows a file is decoded into share one block per table (a `pool`) instead of
// an allocation each, and a copied or moved row takes a block of its own.

#include "dbfile/text_slots.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace qira {

class value_list {
  public:
    using value_type = std::uint32_t;
    using pool = storage_pool<std::uint32_t>;

    value_list() noexcept = default;
    value_list(std::initializer_list<std::uint32_t> values) {
        assign(values.begin(), values.size());
    }
    value_list(const std::vector<std::uint32_t>& values) { assign(values.data(), values.size()); }
    value_list(const value_list& other) { assign(other.values_, other.size_); }
    // Steals an owned block; a borrowed share is copied into a block of this row's own.
    value_list(value_list&& other) {
        if (other.owned_) {
            values_ = std::exchange(other.values_, nullptr);
            size_ = std::exchange(other.size_, 0);
            owned_ = std::exchange(other.owned_, false);
        } else {
            assign(other.values_, other.size_);
            other.release();
        }
    }
    value_list& operator=(const value_list& other) {
        if (this != &other)
            *this = value_list(other);
        return *this;
    }
    value_list& operator=(value_list&& other) {
        if (this != &other) {
            value_list taken(std::move(other));
            release();
            values_ = std::exchange(taken.values_, nullptr);
            size_ = std::exchange(taken.size_, 0);
            owned_ = std::exchange(taken.owned_, false);
        }
        return *this;
    }
    value_list& operator=(std::initializer_list<std::uint32_t> values) {
        return *this = value_list(values);
    }
    ~value_list() { release(); }

    std::size_t size() const noexcept { return size_; }
    bool empty() const noexcept { return size_ == 0; }
    std::uint32_t* data() noexcept { return values_; }
    const std::uint32_t* data() const noexcept { return values_; }
    std::uint32_t* begin() noexcept { return values_; }
    std::uint32_t* end() noexcept { return values_ + size_; }
    const std::uint32_t* begin() const noexcept { return values_; }
    const std::uint32_t* end() const noexcept { return values_ + size_; }

    // Unchecked, like a vector's: callers check the slot against size() first.
    std::uint32_t& operator[](std::size_t i) noexcept { return values_[i]; }
    const std::uint32_t& operator[](std::size_t i) const noexcept { return values_[i]; }
    std::uint32_t& at(std::size_t i) {
        check(i);
        return values_[i];
    }
    const std::uint32_t& at(std::size_t i) const {
        check(i);
        return values_[i];
    }

    // n values in a block of the row's own: the first ones kept, new ones `fill`.
    void resize(std::size_t n, std::uint32_t fill = 0) {
        auto* block = n > 0 ? new std::uint32_t[n] : nullptr;
        const std::size_t kept = std::min<std::size_t>(n, size_);
        std::copy(values_, values_ + kept, block);
        std::fill(block + kept, block + n, fill);
        release();
        values_ = block;
        size_ = static_cast<std::uint32_t>(n);
        owned_ = block != nullptr;
    }
    void assign(std::size_t n, std::uint32_t value) {
        release();
        resize(n, value);
    }
    // n values of 0 in the pool of the table that holds the row, or in a block of its own when
    // the pool has no room; the values held before are dropped.
    void share(pool& from, std::size_t n) {
        std::uint32_t* share = n > 0 ? from.take(n) : nullptr;
        if (share == nullptr) {
            assign(n, 0);
            return;
        }
        release();
        values_ = share;
        size_ = static_cast<std::uint32_t>(n);
    }

    friend bool operator==(const value_list& a, const value_list& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }
    friend bool operator==(const value_list& a, const std::vector<std::uint32_t>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

  private:
    void assign(const std::uint32_t* values, std::size_t n) {
        resize(n);
        std::copy(values, values + n, values_);
    }
    void check(std::size_t i) const {
        if (i >= size_)
            throw std::out_of_range("value " + std::to_string(i) + " of " + std::to_string(size_));
    }
    void release() noexcept {
        if (owned_)
            delete[] values_;
        values_ = nullptr;
        size_ = 0;
        owned_ = false;
    }

    std::uint32_t* values_ = nullptr; // owned, or a share of the table's pool
    std::uint32_t size_ = 0;
    bool owned_ = false;
};

} // namespace qira
