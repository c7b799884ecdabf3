#include "fileio/checksum.h"

#include "fileio/safe_file.h"

#include <array>

namespace qira {

namespace {

// The remainder of each byte value, eight steps of the reflected polynomial.
constexpr std::array<std::uint32_t, 256> crc_table = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1u) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}();

} // namespace

std::uint32_t crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc) {
    crc = ~crc;
    for (std::uint8_t b : bytes)
        crc = crc_table[(crc ^ b) & 0xFFu] ^ (crc >> 8);
    return ~crc;
}

result_of<std::uint32_t> file_crc32(const std::filesystem::path& path) {
    file_bytes bytes;
    if (auto r = read_whole_file(path, bytes); !r)
        return r;
    return result_of<std::uint32_t>::success(crc32(std::span(bytes.data(), bytes.size())));
}

} // namespace qira
