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

// The stored words of a table, W a row, made as long as its rows need (zero words for rows the
// file did not have).
std::vector<std::uint32_t>& words_of(database& db, int table) {
    auto& words = db.blocks[static_cast<std::size_t>(table)].words;
    const auto w = static_cast<std::size_t>(std::max(db.overall[table].words_per_row, 0));
    words.resize(db.overall[table].rows.size() * w, 0);
    return words;
}

std::size_t row_words(const database& db, int table) {
    return static_cast<std::size_t>(std::max(db.overall[table].words_per_row, 0));
}

void put_row(database& db, int table, int row, const db_overall_data& data,
             const std::vector<std::uint32_t>& words) {
    auto& words_all = words_of(db, table);
    const std::size_t w = row_words(db, table);
    auto& rows = db.overall[table].rows;
    rows.insert(rows.begin() + row, data);
    std::vector<std::uint32_t> own(w, 0);
    std::copy_n(words.begin(), std::min(words.size(), w), own.begin());
    words_all.insert(words_all.begin() +
                         static_cast<std::ptrdiff_t>(static_cast<std::size_t>(row) * w),
                     own.begin(), own.end());
    db.overall[table].row_count = static_cast<std::int32_t>(rows.size());
}

void take_row(database& db, int table, int row) {
    auto& words_all = words_of(db, table);
    const std::size_t w = row_words(db, table);
    auto& rows = db.overall[table].rows;
    rows.erase(rows.begin() + row);
    const auto at =
        words_all.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(row) * w);
    words_all.erase(at, at + static_cast<std::ptrdiff_t>(w));
    db.overall[table].row_count = static_cast<std::int32_t>(rows.size());
}

void set_rows(database& db, int table, const std::vector<db_overall_data>& rows,
              const std::vector<std::uint32_t>& words) {
    db.overall[table].rows = rows;
    db.overall[table].row_count = static_cast<std::int32_t>(rows.size());
    db.blocks[static_cast<std::size_t>(table)].words = words;
    (void)words_of(db, table);
}

template <typename Pick> void put_back(open_game& game, const change& c, bool forward, Pick pick) {
    bool rebuild = false;
    if (forward) {
        for (const cell_change& cc : c.cells)
            write(game, cc.where, pick(cc), rebuild);
        for (const row_change& r : c.rows) {
            if (r.inserted)
                put_row(game.db, r.table, r.row, r.data, r.words);
            else
                take_row(game.db, r.table, r.row);
        }
        for (const table_change& t : c.tables)
            set_rows(game.db, t.table, t.after, t.words_after);
        for (const language_change& l : c.languages)
            game.lang.assign(l.after);
    } else {
        for (auto it = c.languages.rbegin(); it != c.languages.rend(); ++it)
            game.lang.assign(it->before);
        for (auto it = c.tables.rbegin(); it != c.tables.rend(); ++it)
            set_rows(game.db, it->table, it->before, it->words_before);
        for (auto it = c.rows.rbegin(); it != c.rows.rend(); ++it) {
            if (it->inserted)
                take_row(game.db, it->table, it->row);
            else
                put_row(game.db, it->table, it->row, it->data, it->words);
        }
        for (auto it = c.cells.rbegin(); it != c.cells.rend(); ++it)
            write(game, it->where, pick(*it), rebuild);
    }
    if (rebuild || !c.rows.empty() || !c.tables.empty())
        game.lookups.rebuild(game.db);
}

} // namespace

bool change::moves_rows(int table) const {
    return std::any_of(rows.begin(), rows.end(),
                       [&](const row_change& r) { return r.table == table; }) ||
           std::any_of(tables.begin(), tables.end(),
                       [&](const table_change& t) { return t.table == table; });
}

bool change::touches(int table, int row) const {
    return moves_rows(table) || std::any_of(cells.begin(), cells.end(), [&](const cell_change& c) {
               return c.where.table == table && c.where.row == row;
           });
}

bool change::touches_table(int table) const {
    return moves_rows(table) || std::any_of(cells.begin(), cells.end(), [&](const cell_change& c) {
               return c.where.table == table;
           });
}

std::size_t change::memory() const {
    std::size_t bytes = sizeof(change) + cells.capacity() * sizeof(cell_change) +
                        rows.capacity() * sizeof(row_change) +
                        tables.capacity() * sizeof(table_change);
    for (const row_change& r : rows)
        bytes += r.words.capacity() * sizeof(std::uint32_t) + 64;
    for (const table_change& t : tables)
        bytes += (t.before.capacity() + t.after.capacity()) * (sizeof(db_overall_data) + 64) +
                 (t.words_before.capacity() + t.words_after.capacity()) * sizeof(std::uint32_t);
    for (const language_change& l : languages)
        bytes += (l.before.capacity() + l.after.capacity()) * (sizeof(Tstring_table) + 16);
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

void insert_row(open_game& game, change& into, int table, int row, db_overall_data data,
                std::vector<std::uint32_t> words) {
    words.resize(row_words(game.db, table), 0);
    put_row(game.db, table, row, data, words);
    into.rows.push_back({table, row, true, std::move(data), std::move(words)});
    game.lookups.rebuild(game.db);
}

void remove_row(open_game& game, change& into, int table, int row) {
    auto& words_all = words_of(game.db, table);
    const std::size_t w = row_words(game.db, table);
    row_change removed{
        table, row, false, game.db.overall[table].rows[static_cast<std::size_t>(row)],
        std::vector<std::uint32_t>(
            words_all.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(row) * w),
            words_all.begin() +
                static_cast<std::ptrdiff_t>(static_cast<std::size_t>(row + 1) * w))};
    take_row(game.db, table, row);
    into.rows.push_back(std::move(removed));
    game.lookups.rebuild(game.db);
}

void replace_rows(open_game& game, change& into, int table, std::vector<db_overall_data> rows,
                  std::vector<std::uint32_t> words) {
    table_change t;
    t.table = table;
    t.before = game.db.overall[table].rows;
    t.words_before = words_of(game.db, table);
    t.words_after = std::move(words);
    t.words_after.resize(rows.size() * row_words(game.db, table), 0);
    t.after = std::move(rows);
    set_rows(game.db, table, t.after, t.words_after);
    into.tables.push_back(std::move(t));
    game.lookups.rebuild(game.db);
}

void undo(open_game& game, const change& c) {
    put_back(game, c, false, [](const cell_change& cc) -> const cell_value& { return cc.before; });
}

void redo(open_game& game, const change& c) {
    put_back(game, c, true, [](const cell_change& cc) -> const cell_value& { return cc.after; });
}

} // namespace qira
