#pragma once
// A generated game install: the game database file and the six language files, made on the
// editor's own library. The same options give the same bytes.
//
// The install is a small football world: nations, domestic leagues of several levels, an
// international club league, a league of national teams, clubs with stadiums, kits and managers,
// players with their team links, fixtures, cups, tactics and game settings. It holds on purpose
// the situations a user meets in real data: a team under two leagues, players in a club and a
// national team, a league without teams, a team without players, two players with identical
// names, a captain who is not in his team's roster and a stored prestige above 10.

#include "dbfile/database.h"
#include "langfile/string_table.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace qira {

// tiny: a few leagues, a dozen teams, a couple of hundred players (tests, screenshots).
// game: about 40 leagues, 600 teams, 10000 players, 30000 language entries.
// max: 11001 rows in every large table (as far as 250001 row words allow), 100001 entries in
// every language file.
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

// The whole install in memory, laid out and packed as it will be written.
sample_install make_sample(const sample_options& options);

// Where an install keeps its files.
inline std::filesystem::path install_database_path(const std::filesystem::path& dir) {
    return dir / "data" / "cmn" / "qira.db";
}
inline std::filesystem::path install_language_path(const std::filesystem::path& dir,
                                                   const std::string& code) {
    return dir / "data" / "cmn" / "fe" / (code + ".db");
}

// Writes DIR/data/cmn/qira.db and DIR/data/cmn/fe/<code>.db, creating the folders.
result write_sample_install(const std::filesystem::path& dir, const sample_options& options);

} // namespace qira
