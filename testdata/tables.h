#pragma once
// Turning the world into the files: the fifteen tables of the game database, row by row, and
// the six language files. The writers draw the values the world leaves open (skills, colours,
// dates, results) from the same random source, in the order make_sample calls them.

#include "dbfile/build.h"
#include "testdata/random_source.h"
#include "testdata/sample.h"
#include "testdata/world.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qira::testdata {

// One table of the database being built; values are set by field name. A row has the words its
// fields need and `spare_words` more (words no field covers), or `words_per_row` when given.
class table_writer {
  public:
    table_writer(database& db, std::string name, std::vector<std::string> keys,
                 std::vector<std::string> extras, std::vector<std::string> strings,
                 std::vector<packed_field_spec> packed, std::int32_t opaque, int spare_words = 0,
                 int words_per_row = 0);

    db_overall_data& row() { return add_row(db_, table_); }
    // Sets a bit-packed field of the row; the value fits the field's width.
    void set(db_overall_data& r, std::string_view field, std::uint32_t value);
    void set(db_overall_data& r, std::string_view field, int value) {
        set(r, field, static_cast<std::uint32_t>(value));
    }
    void block_word(std::int32_t v) { db_.overall[table_].block_word = v; }

  private:
    database& db_;
    int table_ = 0;
};

// Values drawn for the rows.
int birth_date(random_source& rng, int first_year, int last_year); // yyyymmdd
int skill(random_source& rng, int talent, int bonus = 0);
int color(random_source& rng);
// Date of day `day` counted from 14 August 2004, as yyyymmdd.
int match_date(int day);

// The tables, in file order (people_tables.cpp, club_tables.cpp, match_tables.cpp).
void write_nations(database& db, const world& w, random_source& rng);
void write_leagues(database& db, const world& w, const row_names& names);
void write_league_teams(database& db, const world& w);
void write_referees(database& db, const world& w, random_source& rng);
void write_players(database& db, const world& w, random_source& rng);
void write_kits(database& db, const world& w, random_source& rng);
void write_cups(database& db, const world& w, random_source& rng);
void write_stadiums(database& db, const world& w, random_source& rng);
void write_tactics(database& db, const world& w, random_source& rng);
void write_team_settings(database& db, const world& w, random_source& rng);
void write_fixtures(database& db, const world& w, random_source& rng);
void write_team_players(database& db, const world& w, random_source& rng);
void write_managers(database& db, const world& w, random_source& rng);
void write_teams(database& db, const world& w, const row_names& names, random_source& rng);
void write_settings(database& db);

// The game's rows carry data the editor does not decode: the bits after a row's last field (the
// rest of its last packed word) and the words after them. Every row gets numbers of its own
// there, never zero, so that whatever moves or drops them shows. The packing writes only the
// bits the fields cover over these words.
void fill_undecoded(database& db);

// The six language files: the names of the rows in each language among texts that name no row
// (menus, commentary, tips, messages), with the header words of each file (languages.cpp).
void make_languages(sample_install& out, const world& w, const row_names& names);

} // namespace qira::testdata
