#include "editing/change.h"

#include <algorithm>

namespace qira {

namespace {


// Whether the lookups must be built again when this cell changes: the ids they group rows by, and
// the internal names of leagues and teams. Player names are followed one by one instead.
bool moves_lookups(const cell& c) {
    using namespace table_index;
    if (c.part == row_part::key && c.index == 0)
        return c.table == league_teams || c.table == players || c.table == stadiums ||
               c.table == team_settings || c.table == team_players || c.table == teams;
    return c.part == row_part::text && c.index == 1 && (c.table == leagues || c.table == teams);
}

bool is_player_name(const cell& c) {
    return c.table == table_index::players && c.part == row_part::text && c.index < 3;
}

// Writes the content; a player's label is followed in the lookups, anything else that moves
// them is left to the caller's rebuild.
void write(open_game& game, const cell& where, const cell_value& value, bool& rebuild) {
    db_overall_data& row = game.db.rows(where.table)[static_cast<std::size_t>(where.row)];
    const auto i = static_cast<std::size_t>(where.index);
    switch (where.part) {
    case row_part::key:
        row.keys[i] = static_cast<std::int32_t>(value.number);
        break;
    case row_part::extra:
        row.extras[i] = static_cast<std::int32_t>(value.number);
        break;
    case row_part::text:
        if (is_player_name(where)) {
            const std::string old_label = player_label(row);
            row.strings[i] = value.text;
            game.lookups.player_relabelled(where.row, old_label, player_label(row));
        } else {
            row.strings[i] = value.text;
        }
        break;
    case row_part::name:
        row.names[i] = value.text;
        break;
    case row_part::value:
        row.values[i] = value.number;
        break;
    }
    rebuild = rebuild || moves_lookups(where);
}

template <typename Pick> void put_back(open_game& game, const change& c, bool forward, Pick pick) {
    bool rebuild = false;
    if (forward)
        for (const cell_change& cc : c.cells)
            write(game, cc.where, pick(cc), rebuild);
    else
        for (auto it = c.cells.rbegin(); it != c.cells.rend(); ++it)
            write(game, it->where, pick(*it), rebuild);
    if (rebuild)
        game.lookups.rebuild(game.db);
}

} // namespace

bool change::touches(int table, int row) const {
    return std::any_of(cells.begin(), cells.end(), [&](const cell_change& c) {
        return c.where.table == table && c.where.row == row;
    });
}

bool change::touches_table(int table) const {
    return std::any_of(cells.begin(), cells.end(),
                       [&](const cell_change& c) { return c.where.table == table; });
}

std::size_t change::memory() const {
    std::size_t bytes = sizeof(change) + cells.capacity() * sizeof(cell_change);
    for (const cell_change& c : cells) {
        // Texts longer than the string's own small buffer live on the heap.
        for (const std::string* t : {&c.before.text, &c.after.text})
            if (t->capacity() > 15)
                bytes += t->capacity() + 1;
    }
    return bytes;
}

bool cell_exists(const database& db, const cell& where) {
    if (!db.has_table(where.table) || where.row < 0 ||
        static_cast<std::size_t>(where.row) >= db.rows(where.table).size() || where.index < 0)
        return false;
    const db_table& t = db.tables[static_cast<std::size_t>(where.table)];
    const auto& row = db.rows(where.table)[static_cast<std::size_t>(where.row)];
    switch (where.part) {
    case row_part::key:
        return where.index < std::min(t.key_count, 4);
    case row_part::extra:
        return where.index < std::min(t.extra_count, 4);
    case row_part::text:
        return where.index < std::min(t.string_ref_count, 4);
    case row_part::name:
        return where.index < 4;
    case row_part::value:
        return static_cast<std::size_t>(where.index) < row.values.size();
    }
    return false;
}

cell_value read_cell(const database& db, const cell& where) {
    const db_overall_data& row = db.rows(where.table)[static_cast<std::size_t>(where.row)];
    const auto i = static_cast<std::size_t>(where.index);
    switch (where.part) {
    case row_part::key:
        return {static_cast<std::uint32_t>(row.keys[i]), {}};
    case row_part::extra:
        return {static_cast<std::uint32_t>(row.extras[i]), {}};
    case row_part::text:
        return {0, std::string(row.strings[i])};
    case row_part::name:
        return {0, std::string(row.names[i])};
    case row_part::value:
        return {row.values[i], {}};
    }
    return {};
}

void set_cell(open_game& game, change& into, const cell& where, cell_value value) {
    cell_value before = read_cell(game.db, where);
    if (before == value)
        return;
    bool rebuild = false;
    write(game, where, value, rebuild);
    if (rebuild)
        game.lookups.rebuild(game.db);
    const auto earlier = std::find_if(into.cells.begin(), into.cells.end(),
                                      [&](const cell_change& c) { return c.where == where; });
    if (earlier != into.cells.end()) {
        earlier->after = std::move(value);
        return;
    }
    into.cells.push_back({where, std::move(before), std::move(value)});
}

void undo(open_game& game, const change& c) {
    put_back(game, c, false, [](const cell_change& cc) -> const cell_value& { return cc.before; });
}

void redo(open_game& game, const change& c) {
    put_back(game, c, true, [](const cell_change& cc) -> const cell_value& { return cc.after; });
}

} // namespace qira
