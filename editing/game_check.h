#pragma once
// A check of the references between the game's tables: what a season update (players moved,
// added or deleted row by row) can leave pointing nowhere. It reports only what is plainly wrong
// by the file's own links; where the game's rules are unknown (how many players a team may hold,
// which ids it reserves) it says nothing.

#include "editing/change.h"
#include "fileio/wording.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qira {

struct game_problem {
    enum class kind {
        league_missing,    // a league-team link (table 2) names no league
        team_missing,      // a link (table 2 or 11), or another reference, names no team
        player_missing,    // a team-player link (table 11) names no player
        player_twice,      // a player linked to one team twice
        number_twice,      // two players of a team with the same jersey number
        duplicate_id,      // two leagues, teams, players or stadiums with one id
        stadium_missing,   // a team's stadium is no row of table 7
        settings_missing,  // a team without its row of table 9
        captain_elsewhere, // a team's captain is not one of its players
        penalty_taker_elsewhere,
        name_missing, // a league, stadium or team without a name in the language file
        row_missing   // another reference names no row (a nation, manager, kit, ...)
    };
    kind what = kind::league_missing;
    // The row to show for it.
    int table = 0;
    int row = 0;
    // What the problem is about, by ids, not row positions: a problem is the same one after rows
    // moved. The table, then up to three ids (unused ones 0).
    std::array<std::int64_t, 3> ids{};
    // One line, the row named as every message names it: "teamplayers: keys 5 12345, rank 0:
    // player 12345 does not exist".
    std::string text;
    // The same line to translate; `text` is its English.
    wording words{};

    // The same problem: kind, table and ids.
    bool same_as(const game_problem& other) const {
        return what == other.what && table == other.table && ids == other.ids;
    }
};

// Every problem of the open game, in table and row order.
std::vector<game_problem> check_references(const open_game& game);

// The problems of `now` that `before` does not have (by same_as), in the order of `now`; a
// problem found more often than in `before` is new as often as it is more.
std::vector<game_problem> new_problems(const std::vector<game_problem>& before,
                                       const std::vector<game_problem>& now);
// For each problem of `now`, whether new_problems(before, now) holds it.
std::vector<bool> which_are_new(const std::vector<game_problem>& before,
                                const std::vector<game_problem>& now);

} // namespace qira
