#include "stored_string.h"

namespace qira {

bool read_string_into(std::span<const std::uint8_t> file, std::uint64_t offset, std::string& out) {
    if (!range_fits(offset, 4, file.size()))
        return false;
    const std::uint32_t length = load_u32(file.data() + offset);
    if (!range_fits(offset + 4, length, file.size()))
        return false;
    out.assign(reinterpret_cast<const char*>(file.data() + offset + 4), length);
    return true;
}

std::optional<std::string> read_string_at(std::span<const std::uint8_t> file,
                                          std::uint64_t offset) {
    std::string text;
    if (!read_string_into(file, offset, text))
        return std::nullopt;
    return text;
}

void write_string_padded(byte_writer& out, std::string_view text) {
    out.u32(static_cast<std::uint32_t>(text.size()));
    out.bytes(text.data(), text.size());
    out.zeros(static_cast<std::size_t>(padded_size(text.size()) - text.size()));
}

} // namespace qira
