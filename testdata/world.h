#pragma once
// The generated world: nations, leagues, clubs and national teams, players and stadiums, and how
// they relate, drawn from the seed before any table is written. It holds on purpose the
// situations a user meets in real data: a club under two leagues (its domestic one and the
// international club league), players in a club and a national team, players on loan, a league
// without teams, a club without players (at the largest scale also clubs in no league), two
// players of different clubs with identical names, a captain who is not in his club's roster,
// talents and star marks past the player page's scale, and names that repeat only with a number.
// The club whose prestige is stored above 10 is picked when the teams table is written, and the
// data no field covers is put into the rows when they are packed (tables.h).

#include "testdata/random_source.h"
#include "testdata/sample.h"
#include "testdata/text.h"

#include <array>
#include <string>
#include <vector>

namespace qira::testdata {

// ---------------------------------------------------------------------------------------------
// The nations as the world uses them: the name lists split into names, name pools and cities.

struct city {
    std::string native;
    texts local;
};

struct nation {
    std::string code;
    texts name;
    std::vector<std::string> first_names;
    std::vector<std::string> surnames;
    std::vector<city> cities;
    int continent = 0;
    int pseudonym_percent = 3;
};

// Preferred positions of a club's players by their place in the squad: a starting eleven in a
// 4-4-2, then the substitutes. The codes are the editor's position items (0 GK to 31 LS).
inline constexpr int squad_positions[22] = {0, 3, 4, 6, 7,  15, 16, 18, 19, 29, 31,
                                            0, 5, 3, 7, 11, 17, 23, 20, 14, 30, 27};
inline constexpr int position_substitute = 32;
inline constexpr int position_reserve = 33;

// ---------------------------------------------------------------------------------------------
// How big each scale is

struct plan {
    int league_nations;   // nations with domestic leagues, in the order of nation_sources
    int domestic_leagues; // the last of them has no teams
    int clubs;
    int national_teams;
    int national_squad;
    int elite_clubs;  // clubs that also play in the international club league
    int league_links; // at most this many rows of league-team links
    int players;
    int free_agents;
    int player_links; // loans fill the team links up to this count
    int stadiums;
    int referees;
    int tactics;
    int cups;
    int fixtures; // 0: only the league rounds; else friendlies fill up to this count
    int language_entries;
};

inline constexpr int cup_words_per_row = 53; // 53 words * 4717 rows = 250001 words
inline constexpr int cup_slots = 64;

// The counts of a scale (see sample_scale).
plan plan_for(sample_scale scale);

// Ids leave a gap after every ninth row, so that no id is its row position.
inline int id_of(int index) {
    return 1 + index + index / 9;
}

inline int nation_id(int nation) {
    return id_of(nation);
}

// ---------------------------------------------------------------------------------------------
// The world

enum class league_kind { domestic, elite, national };

struct league_info {
    int id = 0;
    league_kind kind = league_kind::domestic;
    int nation = 0;
    int level = 0;
    int group = 0;
    std::vector<int> teams;
};

struct member {
    int player;
    bool loaned;
};

struct team_info {
    int id = 0;
    int nation = 0;
    bool national = false;
    int league = -1; // the domestic league (or the league of national teams), -1: none
    int city = 0;
    int kind = 0;
    int generation = 0; // the how-manieth club of this name in its nation
    int stadium = 0;
    std::vector<member> roster;
    int captain = 0; // player ids
    int penalty_taker = 0;
    int free_kick_taker = 0;
    int corner_taker = 0;
};

struct player_info {
    int id = 0;
    int nation = 0;
    int position = 0;
    int club = -1;
    int talent = 0;
    int star = 0;
    std::string first, pseudonym, surname;
};

struct stadium_info {
    int id = 0;
    int nation = 0;
    int city = -1; // -1: the nation's national stadium
    int kind = 0;
    int generation = 0;
};

struct world {
    plan p;
    std::vector<nation> nations;
    std::vector<league_info> leagues;
    std::vector<team_info> teams;
    std::vector<player_info> players;
    std::vector<stadium_info> stadiums;
};

// The world of a scale: the nations, then leagues, teams, players and stadiums drawn from `rng`
// in this order.
world make_world(sample_scale scale, random_source& rng);

inline const city& city_of(const world& w, const team_info& t) {
    return w.nations[static_cast<std::size_t>(t.nation)].cities[static_cast<std::size_t>(t.city)];
}

// ---------------------------------------------------------------------------------------------
// Names of rows, in every language (world_names.cpp)

// The names the language files give the rows, by row: leagues (long and short), stadiums, and
// teams (full, 5-character and 10-character).
struct row_names {
    std::vector<texts> league_long, league_short, stadium;
    std::vector<std::array<texts, 3>> team;
};
row_names name_rows(const world& w);

// A league's internal name (unique: domestic leagues carry their nation's code).
std::string league_label(const world& w, const league_info& l);

} // namespace qira::testdata
