#pragma once
// The fields of the game's tables that the editor's pages address, each named once. The game
// addresses the packed values of leagues, teams and team-player links by their slot in `values`
// (the n-th bit-packed field of the row, whatever the file names it), and those of players and
// team settings by the field's name (database::field_slot finds the slot). The tables themselves
// are in table_index (database.h).

#include <array>

namespace qira {

// Table 1 (leagues): slots in `values`.
namespace league_field {
inline constexpr int level = 1;      // an item of the level list
inline constexpr int slot_count = 2; // the values a league row needs
} // namespace league_field

// Table 13 (teams): slots in `values`.
namespace team_field {
inline constexpr int attack = 1;      // attack style, an item of the attack list
inline constexpr int formation = 5;   // an item of the formation list
inline constexpr int stadium = 12;    // the stadium's id, keys[0] of a row of table 7
inline constexpr int prestige = 17;   // 0 to 10 on the page
inline constexpr int slot_count = 18; // the values a team row needs
} // namespace team_field

// Table 11 (team players: keys[0] the team's id, keys[1] the player's): slots in `values`.
namespace link_field {
inline constexpr int number = 0;     // the jersey number
inline constexpr int position = 1;   // position code, an item of the position list
inline constexpr int slot_count = 2; // the values a link row needs
} // namespace link_field

// Table 9 (team settings): fields by name, each a player's id.
namespace team_settings_field {
inline constexpr char captain[] = "captain";
inline constexpr char penalty_taker[] = "penaltytakerid";
// The fields the team page shows, which a database must have.
inline constexpr std::array<const char*, 2> page = {captain, penalty_taker};
} // namespace team_settings_field

// Table 4 (players): fields by name.
namespace player_field {
inline constexpr char talent[] = "talent";
inline constexpr char star[] = "starplayer";
inline constexpr char height[] = "height";
inline constexpr char weight[] = "weight";
inline constexpr char boots_color[] = "shoecolor";
inline constexpr char hair_color[] = "haircolorid";
inline constexpr char stamina[] = "stamina";
inline constexpr char ball_control[] = "ballcontrol";
inline constexpr char passing[] = "passing";
inline constexpr char tackling[] = "tackling";
inline constexpr char shot_accuracy[] = "shotaccuracy";
inline constexpr char position[] = "preferredposition1";
// The fields the player page shows, which a database must have.
inline constexpr std::array<const char*, 12> page = {
    talent,  star,         height,  weight,   boots_color,   hair_color,
    stamina, ball_control, passing, tackling, shot_accuracy, position};
} // namespace player_field

} // namespace qira
