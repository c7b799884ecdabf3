#pragma once
// A generated game install: the game database file and the six language files, made on the
// editor's own library. The same options give the same bytes.

#include "dbfile/database.h"
#include "langfile/string_table.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace qira {

enum class sample_scale { tiny, game, max };

struct sample_options {
    sample_scale scale = sample_scale::tiny;
    std::uint64_t seed = 1;
};

inline constexpr std::array<const char*, 6> language_codes = {"eng", "spa", "swe",
                                                              "fre", "dut", "ita"};

struct sample_install {
    database db;                           // names attached from the English file
    std::array<string_table, 6> languages; // in the order of language_codes
};

sample_install make_sample(const sample_options& options);

// Writes DIR/data/cmn/qira.db and DIR/data/cmn/fe/<code>.db, creating the folders.
io_result write_sample_install(const std::filesystem::path& dir, const sample_options& options);

} // namespace qira
