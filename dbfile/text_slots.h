#pragma once
// The texts of one row (its stored strings, or its localized names): four slots addressed like an
// array of four, that hold storage only for as many texts as the row's table has. A table without
// texts costs its rows nothing but the empty handle, and a row of a table with two texts holds two
// strings in one block. A slot without storage reads as the empty text; writing it widens the
// block to all four slots (which moves the texts held before: references into a row's texts stay
// valid as long as no slot past its table's count is written). The rows a file is decoded into
// share one block per table (a `pool`, pooled_block.h) instead of a block each.

#include "dbfile/pooled_block.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <stdexcept>
#include <string>

namespace qira {

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
    text_slots& operator=(std::initializer_list<std::string> texts) {
        return *this = text_slots(texts);
    }
    text_slots& operator=(const std::array<std::string, slot_count>& texts) {
        return *this = text_slots(texts);
    }

    static constexpr std::size_t size() noexcept { return slot_count; }
    // How many slots have storage (the first ones).
    std::size_t held() const noexcept { return texts_.size(); }
    // Gives exactly the first n slots storage (at most four), in a block of the row's own;
    // texts past them are dropped.
    void hold(std::size_t n) {
        n = std::min(n, slot_count);
        if (n != texts_.size() || !texts_.owned())
            texts_.resize(n);
    }
    // Gives the first n slots (at most four) storage in the pool of the table that holds the
    // row, or in a block of its own when the pool has no room; the texts held before are dropped.
    void share(pool& from, std::size_t n) { texts_.share(from, std::min(n, slot_count)); }

    const std::string& operator[](std::size_t i) const {
        static const std::string empty;
        if (i < texts_.size())
            return texts_.data()[i];
        if (i >= slot_count)
            throw std::out_of_range("text slot " + std::to_string(i) + " of 4");
        return empty;
    }
    std::string& operator[](std::size_t i) {
        if (i >= texts_.size()) {
            if (i >= slot_count)
                throw std::out_of_range("text slot " + std::to_string(i) + " of 4");
            hold(slot_count);
        }
        return texts_.data()[i];
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
        texts_.assign(texts, std::min(n, slot_count));
    }

    pooled_block<std::string> texts_;
};

} // namespace qira
