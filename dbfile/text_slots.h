#pragma once
// The texts of one row (its stored strings, or its localized names): four slots addressed like an
// array of four, that hold storage only for as many texts as the row's table has. A table without
// texts costs its rows nothing but the empty handle, and a row of a table with two texts holds two
// strings in one block. A slot without storage reads as the empty text; writing it widens the
// block to all four slots (which moves the texts held before: references into a row's texts stay
// valid as long as no slot past its table's count is written). The rows a file is decoded into
// share one block per table (a `pool`) instead of a block each.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>

namespace qira {

// Storage for the texts (or values) of a whole table, allocated at once and handed out a row's
// share at a time. The table that owns it keeps it as long as its rows: a row borrows its share
// only in place, and a copy or a move of a row takes a block of its own.
template <typename T> class storage_pool {
  public:
    storage_pool() = default;
    storage_pool(const storage_pool&) noexcept {} // copied rows own their data: a copy starts empty
    storage_pool& operator=(const storage_pool&) noexcept { return *this; }
    storage_pool(storage_pool&&) noexcept = default;
    storage_pool& operator=(storage_pool&&) noexcept = default;
    ~storage_pool() = default;

    // Room for `total` elements; shares handed out before stay valid only while this pool
    // lives, so it is called once, before any share. Plain numbers are left as they are until
    // take() hands them out (a table's rows fill them right after: one pass over the memory).
    void reserve(std::size_t total) {
        if constexpr (std::is_trivially_default_constructible_v<T>)
            items_ = total > 0 ? std::make_unique_for_overwrite<T[]>(total) : nullptr;
        else
            items_ = total > 0 ? std::make_unique<T[]>(total) : nullptr;
        size_ = total;
        used_ = 0;
    }
    // The next n elements, value-initialised, or nullptr when the pool has no room for them.
    T* take(std::size_t n) noexcept {
        if (n > size_ - used_)
            return nullptr;
        T* share = items_.get() + used_;
        used_ += n;
        if constexpr (std::is_trivially_default_constructible_v<T>)
            std::fill_n(share, n, T{});
        return share;
    }

  private:
    std::unique_ptr<T[]> items_;
    std::size_t size_ = 0;
    std::size_t used_ = 0;
};

class text_slots {
  public:
    static constexpr std::size_t slot_count = 4;

    using pool = storage_pool<std::string>;

    text_slots() noexcept = default;
    // The first texts of the list, at most four; the other slots empty.
    text_slots(std::initializer_list<std::string> texts) { assign(texts.begin(), texts.size()); }
    text_slots(const std::array<std::string, slot_count>& texts) {
        assign(texts.data(), texts.size());
    }
    text_slots(const text_slots& other) { assign(other.texts_, other.count_); }
    // Steals an owned block; a borrowed share is copied into a block of this row's own.
    text_slots(text_slots&& other) {
        if (other.owned_) {
            texts_ = std::exchange(other.texts_, nullptr);
            count_ = std::exchange(other.count_, 0);
            owned_ = std::exchange(other.owned_, false);
        } else {
            assign(other.texts_, other.count_);
            other.release();
        }
    }
    text_slots& operator=(const text_slots& other) {
        if (this != &other)
            *this = text_slots(other);
        return *this;
    }
    text_slots& operator=(text_slots&& other) {
        if (this != &other) {
            text_slots taken(std::move(other));
            release();
            texts_ = std::exchange(taken.texts_, nullptr);
            count_ = std::exchange(taken.count_, 0);
            owned_ = std::exchange(taken.owned_, false);
        }
        return *this;
    }
    text_slots& operator=(std::initializer_list<std::string> texts) {
        return *this = text_slots(texts);
    }
    text_slots& operator=(const std::array<std::string, slot_count>& texts) {
        return *this = text_slots(texts);
    }
    ~text_slots() { release(); }

    static constexpr std::size_t size() noexcept { return slot_count; }
    // How many slots have storage (the first ones).
    std::size_t held() const noexcept { return count_; }
    // Gives exactly the first n slots storage (at most four), in a block of the row's own;
    // texts past them are dropped.
    void hold(std::size_t n) {
        n = std::min(n, slot_count);
        if (n == count_ && owned_)
            return;
        std::string* block = n > 0 ? new std::string[n] : nullptr;
        for (std::size_t i = 0; i < std::min<std::size_t>(n, count_); ++i)
            block[i] = std::move(texts_[i]);
        release();
        texts_ = block;
        count_ = static_cast<std::uint8_t>(n);
        owned_ = block != nullptr;
    }
    // Gives the first n slots (at most four) storage in the pool of the table that holds the
    // row, or in a block of its own when the pool has no room; the texts held before are dropped.
    void share(pool& from, std::size_t n) {
        n = std::min(n, slot_count);
        std::string* share = n > 0 ? from.take(n) : nullptr;
        if (share == nullptr) {
            release();
            hold(n);
            return;
        }
        release();
        texts_ = share;
        count_ = static_cast<std::uint8_t>(n);
    }

    const std::string& operator[](std::size_t i) const {
        static const std::string empty;
        if (i < count_)
            return texts_[i];
        if (i >= slot_count)
            throw std::out_of_range("text slot " + std::to_string(i) + " of 4");
        return empty;
    }
    std::string& operator[](std::size_t i) {
        if (i >= count_) {
            if (i >= slot_count)
                throw std::out_of_range("text slot " + std::to_string(i) + " of 4");
            hold(slot_count);
        }
        return texts_[i];
    }

    // Slot by slot; a slot without storage equals an empty one.
    friend bool operator==(const text_slots& a, const text_slots& b) {
        for (std::size_t i = 0; i < slot_count; ++i)
            if (a[i] != b[i])
                return false;
        return true;
    }

  private:
    void assign(const std::string* texts, std::size_t n) {
        hold(n);
        for (std::size_t i = 0; i < count_; ++i)
            texts_[i] = texts[i];
    }
    void release() noexcept {
        if (owned_)
            delete[] texts_;
        texts_ = nullptr;
        count_ = 0;
        owned_ = false;
    }

    std::string* texts_ = nullptr; // owned, or a share of the table's pool
    std::uint8_t count_ = 0;
    bool owned_ = false;
};

} // namespace qira
