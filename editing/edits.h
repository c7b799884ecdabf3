#pragma once
// The edits of the editor's pages, as plain operations on an open game: each writes the values a
// page hands over into the rows and returns what it changed, for undo and redo. Nothing here
// knows about widgets; the pages decide the values (a list showing no item keeps the stored
// number, for example) and these functions store them.

#include "dbfile/game_fields.h"
#include "editing/change.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qira {

// --- League (a row of table 1)
struct league_values {
    std::string long_title;  // names[0]
    std::string short_title; // names[1]
    std::uint32_t level = 0; // league_field::level
};
change apply_league(open_game& game, int row, const league_values& values);

// --- Team (a row of table 13, its links in table 11 and its row of table 9)
struct roster_entry {
    std::uint32_t number = 0;   // the link's link_field::number
    std::uint32_t position = 0; // the link's link_field::position
};
struct team_values {
    std::array<std::string, 3> names; // names[0] to [2]
    std::uint32_t prestige = 0;       // team_field::prestige
    std::uint32_t attack = 0;         // team_field::attack
    std::uint32_t formation = 0;      // team_field::formation
    // The stadium as its row in table 7 (its id is stored); none keeps the stored id.
    std::optional<int> stadium_row;
    // The i-th link of the team, in row order, takes entry i; links past the entries stay.
    std::vector<roster_entry> roster;
    // Player ids for the team's settings row (team_settings_field::captain and penalty_taker);
    // none keeps the stored id.
    std::optional<std::uint32_t> captain;
    std::optional<std::uint32_t> penalty_taker;
};
change apply_team(open_game& game, int row, const team_values& values);

// --- Player (a row of table 4)
struct player_values {
    std::array<std::string, 3> names; // first name, pseudonym, surname: strings[0] to [2]
    // Packed values by field name (player_field); a field the table does not have is skipped.
    std::vector<std::pair<std::string, std::uint32_t>> fields;
};
change apply_player(open_game& game, int row, const player_values& values);

// --- Exchange: the player ids (keys[1]) of two link rows of table 11 change places; nothing else
// of the rows moves. The same row twice changes nothing.
change exchange_players(open_game& game, int link_a, int link_b);

// --- Lookups the pages and the exchange share
// The row of table 9 for a team, and the slot of one of its fields; nothing when either is missing.
struct settings_field {
    int row = -1;
    int slot = -1;
};
std::optional<settings_field> find_settings(const open_game& game, std::int32_t team_id,
                                            const char* field);
// The link of team `team_id` with player `player_id`: the team's `preferred`-th link when it is
// that player's, else the team's first link with the player; -1 when there is none.
int find_team_link(const open_game& game, std::int32_t team_id, std::int32_t player_id,
                   int preferred = -1);
// The first link row (of any team) with this player, or -1.
int first_link_of_player(const open_game& game, std::int32_t player_id);

} // namespace qira
