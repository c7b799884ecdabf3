#pragma once
// CRC-32 (the polynomial of zip and PNG, reflected, 0xEDB88320): a file's bytes summed up, to
// tell later whether the file is still the one it was.

#include "fileio/result.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace qira {

// The CRC-32 of `bytes`, continuing from `crc` (the CRC-32 of the bytes before them; 0 to start).
std::uint32_t crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);

// The CRC-32 of the whole file; cannot_open or cannot_read as read_whole_file fails.
result_of<std::uint32_t> file_crc32(const std::filesystem::path& path);

} // namespace qira
