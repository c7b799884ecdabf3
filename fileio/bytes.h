#pragma once
// Little-endian 32-bit words over byte buffers. Both game files store every number this way.
// The reader never reaches past its buffer: every access is checked against the size first.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace qira {

inline std::uint32_t load_u32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

inline void store_u32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}

// True when [offset, offset + length) lies inside a buffer of `size` bytes; overflow-safe.
inline bool range_fits(std::uint64_t offset, std::uint64_t length, std::uint64_t size) {
    return offset <= size && length <= size - offset;
}

// A cursor over untrusted bytes with a sticky failure flag: a run of reads is checked once.
class byte_reader {
  public:
    explicit byte_reader(std::span<const std::uint8_t> data) : data_(data) {}

    std::size_t position() const { return pos_; }
    std::size_t size() const { return data_.size(); }
    bool ok() const { return ok_; }

    bool can_read(std::size_t n) const { return ok_ && range_fits(pos_, n, data_.size()); }

    std::uint32_t u32() {
        if (!can_read(4)) {
            ok_ = false;
            return 0;
        }
        const std::uint32_t v = load_u32(data_.data() + pos_);
        pos_ += 4;
        return v;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }

    void skip(std::size_t n) {
        if (!can_read(n)) {
            ok_ = false;
            return;
        }
        pos_ += n;
    }

    void bytes(std::uint8_t* out, std::size_t n) {
        if (!can_read(n)) {
            ok_ = false;
            return;
        }
        std::memcpy(out, data_.data() + pos_, n);
        pos_ += n;
    }

  private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

// Appends to a byte vector; the writers lay out every offset first and reserve the exact size.
// With a spill, the vector is a staging buffer instead: whenever it holds `chunk` bytes they are
// handed on in pieces of exactly `chunk` bytes, and finish() hands on the rest, so that a file
// is written without ever being whole in memory.
class byte_writer {
  public:
    using spill_fn = std::function<void(std::span<const std::uint8_t>)>;

    explicit byte_writer(std::vector<std::uint8_t>& out) : out_(out) {}
    byte_writer(std::vector<std::uint8_t>& out, spill_fn spill, std::size_t chunk)
        : out_(out), spill_(std::move(spill)), chunk_(chunk > 0 ? chunk : 1) {}
    byte_writer(const byte_writer&) = delete;
    byte_writer& operator=(const byte_writer&) = delete;

    // Bytes written so far, handed on or not.
    std::size_t position() const { return spilled_ + out_.size(); }

    void u32(std::uint32_t v) {
        const std::size_t at = out_.size();
        out_.resize(at + 4);
        store_u32(out_.data() + at, v);
        spill_full();
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void bytes(const void* p, std::size_t n) {
        const auto* b = static_cast<const std::uint8_t*>(p);
        out_.insert(out_.end(), b, b + n);
        spill_full();
    }
    void zeros(std::size_t n) {
        out_.resize(out_.size() + n, 0);
        spill_full();
    }
    // Hands on what is left (with a spill).
    void finish() {
        if (spill_ && !out_.empty()) {
            spill_(out_);
            spilled_ += out_.size();
            out_.clear();
        }
    }

  private:
    void spill_full() {
        if (!spill_ || out_.size() < chunk_)
            return;
        std::size_t at = 0;
        for (; out_.size() - at >= chunk_; at += chunk_)
            spill_(std::span<const std::uint8_t>(out_).subspan(at, chunk_));
        spilled_ += at;
        out_.erase(out_.begin(), out_.begin() + static_cast<std::ptrdiff_t>(at));
    }

    std::vector<std::uint8_t>& out_;
    spill_fn spill_;
    std::size_t chunk_ = 0;
    std::size_t spilled_ = 0;
};

// What `write` writes, in one buffer of the `size` it is laid out to take.
inline std::vector<std::uint8_t> written_bytes(std::uint64_t size,
                                               const std::function<void(byte_writer&)>& write) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    byte_writer out(bytes);
    write(out);
    return bytes;
}

} // namespace qira
