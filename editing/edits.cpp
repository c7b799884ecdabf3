#include "editing/edits.h"

namespace qira {

namespace {

using namespace table_index;

bool row_exists(const open_game& game, int table, int row) {
    return game.db.has_table(table) && row >= 0 &&
           static_cast<std::size_t>(row) < game.db.rows(table).size();
}

// Sets a packed value when the row has that slot.
void set_value(open_game& game, change& c, int table, int row, int slot, std::uint32_t value) {
    const cell where{table, row, row_part::value, slot};
    if (cell_exists(game.db, where))
        set_cell(game, c, where, {value, {}});
}

void set_text(open_game& game, change& c, int table, int row, row_part part, int index,
              const std::string& text) {
    set_cell(game, c, {table, row, part, index}, {0, text});
}

} // namespace

change apply_league(open_game& game, int row, const league_values& values) {
    change c;
    if (!row_exists(game, leagues, row))
        return c;
    set_text(game, c, leagues, row, row_part::name, 0, values.long_title);
    set_text(game, c, leagues, row, row_part::name, 1, values.short_title);
    set_value(game, c, leagues, row, league_field::level, values.level);
    return c;
}

change apply_team(open_game& game, int row, const team_values& values) {
    change c;
    if (!row_exists(game, teams, row))
        return c;
    const std::int32_t id = game.db.rows(teams)[static_cast<std::size_t>(row)].keys[0];
    for (int k = 0; k < 3; ++k)
        set_text(game, c, teams, row, row_part::name, k, values.names[static_cast<std::size_t>(k)]);
    set_value(game, c, teams, row, team_field::prestige, values.prestige);
    set_value(game, c, teams, row, team_field::attack, values.attack);
    set_value(game, c, teams, row, team_field::formation, values.formation);
    if (values.stadium_row && row_exists(game, stadiums, *values.stadium_row))
        set_value(
            game, c, teams, row, team_field::stadium,
            static_cast<std::uint32_t>(
                game.db.rows(stadiums)[static_cast<std::size_t>(*values.stadium_row)].keys[0]));

    // The lookups do not move while the links' values change: the list stays valid.
    const auto own = game.lookups.team_links(id);
    const std::size_t entries = std::min(values.roster.size(), own.size());
    for (std::size_t i = 0; i < entries; ++i) {
        set_value(game, c, team_players, own[i], link_field::number, values.roster[i].number);
        set_value(game, c, team_players, own[i], link_field::position, values.roster[i].position);
    }

    if (values.captain)
        if (const auto f = find_settings(game, id, team_settings_field::captain))
            set_value(game, c, team_settings, f->row, f->slot, *values.captain);
    if (values.penalty_taker)
        if (const auto f = find_settings(game, id, team_settings_field::penalty_taker))
            set_value(game, c, team_settings, f->row, f->slot, *values.penalty_taker);
    return c;
}

change apply_player(open_game& game, int row, const player_values& values) {
    change c;
    if (!row_exists(game, players, row))
        return c;
    for (int k = 0; k < 3; ++k)
        if (cell_exists(game.db, {players, row, row_part::text, k}))
            set_text(game, c, players, row, row_part::text, k,
                     values.names[static_cast<std::size_t>(k)]);
    for (const auto& [name, value] : values.fields)
        if (const auto slot = game.db.field_slot(players, name))
            set_value(game, c, players, row, *slot, value);
    return c;
}

change exchange_players(open_game& game, int link_a, int link_b) {
    change c;
    if (!row_exists(game, team_players, link_a) || !row_exists(game, team_players, link_b) ||
        link_a == link_b)
        return c;
    const cell a{team_players, link_a, row_part::key, 1};
    const cell b{team_players, link_b, row_part::key, 1};
    if (!cell_exists(game.db, a))
        return c;
    const cell_value player_a = read_cell(game.db, a);
    const cell_value player_b = read_cell(game.db, b);
    set_cell(game, c, a, player_b);
    set_cell(game, c, b, player_a);
    return c;
}

std::optional<settings_field> find_settings(const open_game& game, std::int32_t team_id,
                                            const char* field) {
    const int row = game.lookups.settings_by_key(team_id);
    const auto slot = game.db.field_slot(team_settings, field);
    if (row < 0 || !slot)
        return std::nullopt;
    return settings_field{row, *slot};
}

int find_team_link(const open_game& game, std::int32_t team_id, std::int32_t player_id,
                   int preferred) {
    if (!game.db.has_table(team_players))
        return -1;
    const auto links = game.db.rows(team_players);
    const auto own = game.lookups.team_links(team_id);
    if (preferred >= 0 && static_cast<std::size_t>(preferred) < own.size() &&
        links[static_cast<std::size_t>(own[static_cast<std::size_t>(preferred)])].keys[1] ==
            player_id)
        return own[static_cast<std::size_t>(preferred)];
    for (int l : own)
        if (links[static_cast<std::size_t>(l)].keys[1] == player_id)
            return l;
    return -1;
}

int first_link_of_player(const open_game& game, std::int32_t player_id) {
    if (!game.db.has_table(team_players))
        return -1;
    const auto links = game.db.rows(team_players);
    for (std::size_t l = 0; l < links.size(); ++l)
        if (links[l].keys[1] == player_id)
            return static_cast<int>(l);
    return -1;
}

} // namespace qira
