#pragma once
// The edits of a season update: players signed by a team, released, added as copies of a player
// and deleted, each one undoable step. A player belongs to a team by a membership row of table 11
// (team id, player id, jersey number, position, and words the editor does not decode); a move
// takes that row, with its stored words, to just after the new team's last membership row.

#include "editing/table_edits.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qira {

// The membership rows of a team, in row order.
std::vector<int> membership_rows(const database& db, std::int32_t team);
// The lowest jersey number from 1 up that no membership row of the team has (the row `except`
// left out); nothing when every number the field holds is taken.
std::optional<std::uint32_t> lowest_free_number(const database& db, std::int32_t team,
                                                int except = -1);

// Moves membership row `link` into team `team`, with the lowest free number there and its
// position kept. Refused when the team already holds the player, or the team does not exist.
edit_outcome sign_player(open_game& game, int link, std::int32_t team);
// Moves membership row `link` into `to_team` as sign_player does, or, without a team, removes the
// row: the player stays, without a team.
edit_outcome release_player(open_game& game, int link, std::optional<std::int32_t> to_team);

// The names of a new player: first name, pseudonym, surname.
using player_names = std::array<std::string, 3>;
// A new player as a copy of player row `model` (his stored words and every value he has) with
// the next free id (one more than the largest) and `names`, added after the last player; with a
// team, a membership row in it as a signing makes one. Refused where table 4 or table 11 is full.
edit_outcome new_player(open_game& game, int model, const player_names& names,
                        std::optional<std::int32_t> team);
// Why new_player(game, model, names, team) would be refused, before anyone types the names.
result check_new_player(const open_game& game, int model, std::optional<std::int32_t> team);
// Removes player row `row` and every membership row of his; `links` gets their count.
edit_outcome delete_player(open_game& game, int row, std::size_t* links = nullptr);

// Player row `player` (one without a team, or any other) joins `team` with a new membership row:
// the lowest free number, his preferred position, zero words. Refused as sign_player refuses.
edit_outcome sign_free_player(open_game& game, int player, std::int32_t team);

// The player rows without a membership row, in row order.
std::vector<int> players_without_team(const database& db);

// A player as a list to choose from shows him: his row, his label with his id ("Anna Berg
// (4012)"), and his id.
struct player_choice {
    int row = 0;
    std::string label;
    std::int32_t id = 0;
};
// The players of these rows of the player table, in that order.
std::vector<player_choice> player_choices(const database& db, const std::vector<int>& rows);

} // namespace qira
