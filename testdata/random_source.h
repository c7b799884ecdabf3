#pragma once
// The generator's one source of randomness: a splitmix64 stream and plain integer arithmetic, so
// the same seed gives the same numbers with any compiler and standard library.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace qira::testdata {

class random_source {
  public:
    explicit random_source(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [lo, hi], lo <= hi.
    int between(int lo, int hi) {
        const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo + 1);
        return static_cast<int>(lo + static_cast<std::int64_t>(next() % span));
    }
    bool chance(int percent) { return between(0, 99) < percent; }
    std::size_t index(std::size_t size) { return static_cast<std::size_t>(next() % size); }
    template <class T> const T& pick(const std::vector<T>& v) { return v[index(v.size())]; }
    template <class T> void shuffle(std::vector<T>& v) {
        for (std::size_t i = v.size(); i > 1; --i)
            std::swap(v[i - 1], v[index(i)]);
    }

  private:
    std::uint64_t state_;
};

} // namespace qira::testdata
