#pragma once
// Helpers of the tests: little-endian byte arrays written field by field, and temporary folders.

#include "fileio/bytes.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace qira::test {

// Builds a byte array one annotated field at a time.
class bytes_builder {
  public:
    bytes_builder& u32(std::uint32_t v) {
        byte_writer(data_).u32(v);
        return *this;
    }
    bytes_builder& words(std::initializer_list<std::uint32_t> vs) {
        for (auto v : vs)
            u32(v);
        return *this;
    }
    bytes_builder& raw(std::initializer_list<std::uint8_t> bs) {
        data_.insert(data_.end(), bs);
        return *this;
    }
    // A stored string: length, bytes, 1 to 4 zero bytes.
    bytes_builder& str(std::string_view s) {
        u32(static_cast<std::uint32_t>(s.size()));
        data_.insert(data_.end(), s.begin(), s.end());
        data_.resize(data_.size() + 4 - s.size() % 4, 0);
        return *this;
    }
    std::size_t size() const { return data_.size(); }
    const std::vector<std::uint8_t>& bytes() const { return data_; }

  private:
    std::vector<std::uint8_t> data_;
};

inline void write_file(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> read_file(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fresh folder under the system's temporary folder, removed with its content at the end.
class temp_dir {
  public:
    temp_dir() {
        static std::mt19937_64 rng(std::random_device{}());
        path_ = std::filesystem::temp_directory_path() / ("qira-test-" + std::to_string(rng()));
        std::filesystem::create_directories(path_);
    }
    ~temp_dir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    temp_dir(const temp_dir&) = delete;
    temp_dir& operator=(const temp_dir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // Names of the entries in the folder.
    std::vector<std::string> list() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path_))
            names.push_back(e.path().filename().string());
        return names;
    }

  private:
    std::filesystem::path path_;
};

} // namespace qira::test
