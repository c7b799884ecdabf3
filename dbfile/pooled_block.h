#pragma once
// The storage behind a decoded row's texts and values: a block of elements that the row owns, or
// borrows from the pool of the table that holds it (the rows a file is decoded into share one
// block per table instead of an allocation each). A copy or a move of a row takes a block of its
// own; a row borrows only in place.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
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

// A row's block: `size()` elements, owned or a share of a pool.
template <typename T> class pooled_block {
  public:
    pooled_block() noexcept = default;
    pooled_block(const pooled_block& other) { assign(other.data_, other.size_); }
    // Steals an owned block; a borrowed share is copied into a block of its own.
    pooled_block(pooled_block&& other) {
        if (other.owned_) {
            steal(other);
        } else {
            assign(other.data_, other.size_);
            other.release();
        }
    }
    pooled_block& operator=(const pooled_block& other) {
        if (this != &other)
            *this = pooled_block(other);
        return *this;
    }
    pooled_block& operator=(pooled_block&& other) {
        if (this != &other) {
            pooled_block taken(std::move(other));
            release();
            steal(taken);
        }
        return *this;
    }
    ~pooled_block() { release(); }

    std::size_t size() const noexcept { return size_; }
    // Whether the block is the row's own (not a share of a pool).
    bool owned() const noexcept { return owned_; }
    T* data() noexcept { return data_; }
    const T* data() const noexcept { return data_; }

    // n elements in a block of its own: the first ones kept (moved over), the new ones `fill`.
    void resize(std::size_t n, const T& fill = T{}) {
        T* block = nullptr;
        if (n > 0) {
            std::unique_ptr<T[]> made(new T[n]);
            const std::size_t kept = std::min<std::size_t>(n, size_);
            if (kept > 0)
                std::move(data_, data_ + kept, made.get());
            std::fill(made.get() + kept, made.get() + n, fill);
            block = made.release();
        }
        release();
        data_ = block;
        size_ = static_cast<std::uint32_t>(n);
        owned_ = block != nullptr;
    }
    // n elements copied from `from`, in a block of its own.
    void assign(const T* from, std::size_t n) {
        resize(0);
        resize(n);
        if (n > 0)
            std::copy(from, from + n, data_);
    }
    // n value-initialised elements from `pool`, or a block of its own when the pool has no
    // room; the elements held before are dropped.
    void share(storage_pool<T>& pool, std::size_t n) {
        T* share = n > 0 ? pool.take(n) : nullptr;
        if (share == nullptr) {
            resize(0);
            resize(n);
            return;
        }
        release();
        data_ = share;
        size_ = static_cast<std::uint32_t>(n);
    }

  private:
    void steal(pooled_block& other) noexcept {
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        owned_ = std::exchange(other.owned_, false);
    }
    void release() noexcept {
        if (owned_)
            delete[] data_;
        data_ = nullptr;
        size_ = 0;
        owned_ = false;
    }

    T* data_ = nullptr; // owned, or a share of the table's pool
    std::uint32_t size_ = 0;
    bool owned_ = false;
};

} // namespace qira
