#include "editing/change.h"

#include <algorithm>
#include <functional>
#include <span>

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

// Writes the content; a player's label is followed in the lookups (unless `follow_labels` is
// false: many cells at once are followed faster by one rebuild), anything else that moves them is
// left to the caller's rebuild.
void write(open_game& game, const cell& where, const cell_value& value, bool& rebuild,
           bool follow_labels = true) {
    db_overall_data& row = game.db.rows(where.table)[static_cast<std::size_t>(where.row)];
    if (!is_player_name(where) || !follow_labels) {
        write_cell(row, where.place(), value);
        rebuild = rebuild || is_player_name(where) || moves_lookups(where);
        return;
    }
    const std::string old_label = player_label(row);
    write_cell(row, where.place(), value);
    game.lookups.player_relabelled(where.row, old_label, player_label(row));
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

// One pass over `items`, taken as groups of `stride`: drops the groups at `places` (ascending,
// each within the items).
template <typename T>
void drop_groups(std::vector<T>& items, std::size_t stride,
                 const std::vector<std::size_t>& places) {
    if (places.empty() || stride == 0)
        return;
    const std::size_t groups = items.size() / stride;
    std::size_t to = places.front() * stride, next = 0;
    for (std::size_t g = places.front(); g < groups; ++g) {
        if (next < places.size() && places[next] == g) {
            ++next;
            continue;
        }
        for (std::size_t i = 0; i < stride; ++i)
            items[to++] = std::move(items[g * stride + i]);
    }
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(to), items.end());
}

// One pass over `items`, taken as groups of `stride`: puts in a group at each of `places`
// (ascending, each its place among the groups once all are in), item i of the k-th from
// `get(k, i)`. The groups before the first place stay where they are.
template <typename T, typename Get>
void put_groups(std::vector<T>& items, std::size_t stride, const std::vector<std::size_t>& places,
                Get get) {
    if (places.empty() || stride == 0)
        return;
    std::size_t old = items.size() / stride, k = places.size();
    items.resize((old + k) * stride);
    for (std::size_t g = old + k; k > 0 && g-- > 0;) {
        if (places[k - 1] == g) {
            --k;
            for (std::size_t i = 0; i < stride; ++i)
                items[g * stride + i] = get(k, i);
        } else {
            --old;
            for (std::size_t i = 0; i < stride; ++i)
                items[g * stride + i] = std::move(items[old * stride + i]);
        }
    }
}

// The places of a run of insertions (ascending) or removals (descending, as made: from the last
// up), ascending, and `run` in the same order. Only places that fit are kept: removals within
// `count` items, insertions that leave room for the items before them. Changes are only ever
// put back where they were made; this keeps a model changed behind their back from being read
// past its end.
template <typename Item, typename Place>
std::vector<std::size_t> run_places(std::vector<const Item*>& run, bool insert, std::size_t count,
                                    Place place) {
    if (!insert)
        std::reverse(run.begin(), run.end());
    std::vector<const Item*> kept;
    std::vector<std::size_t> places;
    kept.reserve(run.size());
    places.reserve(run.size());
    for (const Item* item : run) {
        const std::size_t p = place(*item);
        if (insert ? p <= count + places.size() : p < count) {
            kept.push_back(item);
            places.push_back(p);
        }
    }
    run = std::move(kept);
    return places;
}

// A run of row changes of one table put in or taken out in one pass.
void put_row_run(database& db, int table, bool insert, std::vector<const row_change*> run) {
    auto& rows = db.overall[table].rows;
    auto& words = words_of(db, table);
    const std::size_t w = row_words(db, table);
    const std::vector<std::size_t> places =
        run_places(run, insert, rows.size(),
                   [](const row_change& r) { return static_cast<std::size_t>(r.row); });
    if (insert) {
        put_groups(rows, 1, places, [&](std::size_t k, std::size_t) { return run[k]->data; });
        put_groups(words, w, places, [&](std::size_t k, std::size_t i) {
            return i < run[k]->words.size() ? run[k]->words[i] : 0u;
        });
    } else {
        drop_groups(rows, 1, places);
        drop_groups(words, w, places);
    }
    db.overall[table].row_count = static_cast<std::int32_t>(rows.size());
}

// The row changes made (forward) or taken back in the reverse order; runs of removals from the
// last row up and of insertions from the first place down, in one table, go in one pass each.
void put_rows(database& db, std::span<const row_change> changes, bool forward) {
    const std::size_t n = changes.size();
    const auto at = [&](std::size_t k) -> const row_change& {
        return changes[forward ? k : n - 1 - k];
    };
    for (std::size_t k = 0; k < n;) {
        const row_change& first = at(k);
        const bool insert = first.inserted == forward;
        std::vector<const row_change*> run{&first};
        for (++k; k < n; ++k) {
            const row_change& next = at(k);
            const int last = run.back()->row;
            if (next.table != first.table || (next.inserted == forward) != insert ||
                (insert ? next.row <= last : next.row >= last))
                break;
            run.push_back(&next);
        }
        put_row_run(db, first.table, insert, std::move(run));
    }
}

// The entry changes made (forward) or taken back in the reverse order; runs of removals from the
// last entry up and of insertions from the first index down go in one pass each.
void put_entries(string_table& lang, std::span<const language_edit> edits, bool forward) {
    using kind = language_edit::kind;
    const std::size_t n = edits.size();
    const auto at = [&](std::size_t k) -> const language_edit& {
        return edits[forward ? k : n - 1 - k];
    };
    for (std::size_t k = 0; k < n;) {
        const language_edit& first = at(k);
        if (first.what == kind::text) {
            if (first.index < lang.string_count())
                lang.set_text(first.index, forward ? first.after : first.before);
            ++k;
            continue;
        }
        const bool insert = (first.what == kind::inserted) == forward;
        std::vector<const language_edit*> run{&first};
        for (++k; k < n; ++k) {
            const language_edit& next = at(k);
            const std::size_t last = run.back()->index;
            if (next.what == kind::text ||
                (next.what == kind::inserted) != (first.what == kind::inserted) ||
                (insert ? next.index <= last : next.index >= last))
                break;
            run.push_back(&next);
        }
        std::vector<Tstring_table> entries = lang.take_entries();
        const std::vector<std::size_t> places =
            run_places(run, insert, entries.size(), [](const language_edit& e) { return e.index; });
        if (insert)
            put_groups(entries, 1, places, [&](std::size_t j, std::size_t) {
                return Tstring_table{run[j]->key, 0, forward ? run[j]->after : run[j]->before};
            });
        else
            drop_groups(entries, 1, places);
        lang.assign(std::move(entries));
    }
}

void set_rows(database& db, int table, const std::vector<db_overall_data>& rows,
              const std::vector<std::uint32_t>& words) {
    db.overall[table].rows = rows;
    db.overall[table].row_count = static_cast<std::int32_t>(rows.size());
    db.blocks[static_cast<std::size_t>(table)].words = words;
    (void)words_of(db, table);
}

void put_words(database& db, int table, int row, const std::vector<std::uint32_t>& words) {
    auto& all = words_of(db, table);
    const std::size_t w = row_words(db, table);
    std::copy_n(words.begin(), std::min(words.size(), w),
                all.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(row) * w));
}

template <typename Pick> void put_back(open_game& game, const change& c, bool forward, Pick pick) {
    bool rebuild = false;
    if (forward) {
        for (const cell_change& cc : c.cells)
            write(game, cc.where, pick(cc), rebuild);
        for (const words_change& w : c.words)
            put_words(game.db, w.table, w.row, w.after);
        put_rows(game.db, c.rows, true);
        for (const table_change& t : c.tables)
            set_rows(game.db, t.table, t.after, t.words_after);
        put_entries(game.lang, c.entries, true);
    } else {
        put_entries(game.lang, c.entries, false);
        for (auto it = c.tables.rbegin(); it != c.tables.rend(); ++it)
            set_rows(game.db, it->table, it->before, it->words_before);
        put_rows(game.db, c.rows, false);
        for (auto it = c.words.rbegin(); it != c.words.rend(); ++it)
            put_words(game.db, it->table, it->row, it->before);
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
    return moves_rows(table) ||
           std::any_of(cells.begin(), cells.end(),
                       [&](const cell_change& c) {
                           return c.where.table == table && c.where.row == row;
                       }) ||
           std::any_of(words.begin(), words.end(),
                       [&](const words_change& w) { return w.table == table && w.row == row; });
}

bool change::touches_table(int table) const {
    return moves_rows(table) ||
           std::any_of(cells.begin(), cells.end(),
                       [&](const cell_change& c) { return c.where.table == table; }) ||
           std::any_of(words.begin(), words.end(),
                       [&](const words_change& w) { return w.table == table; });
}

std::size_t change::memory() const {
    std::size_t bytes = sizeof(change) + cells.capacity() * sizeof(cell_change) +
                        words.capacity() * sizeof(words_change) +
                        rows.capacity() * sizeof(row_change) +
                        tables.capacity() * sizeof(table_change);
    for (const words_change& w : words)
        bytes += (w.before.capacity() + w.after.capacity()) * sizeof(std::uint32_t);
    for (const row_change& r : rows)
        bytes += r.words.capacity() * sizeof(std::uint32_t) + 64;
    for (const table_change& t : tables)
        bytes += (t.before.capacity() + t.after.capacity()) * (sizeof(db_overall_data) + 64) +
                 (t.words_before.capacity() + t.words_after.capacity()) * sizeof(std::uint32_t);
    bytes += entries.capacity() * sizeof(language_edit);
    for (const language_edit& e : entries)
        for (const std::string* t : {&e.before, &e.after})
            if (t->capacity() > 15)
                bytes += t->capacity() + 1;
    for (const cell_change& c : cells) {
        // Texts longer than the string's own small buffer live on the heap.
        for (const std::string* t : {&c.before.text, &c.after.text})
            if (t->capacity() > 15)
                bytes += t->capacity() + 1;
    }
    return bytes;
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

void set_cells(open_game& game, change& into, std::vector<std::pair<cell, cell_value>> cells) {
    bool rebuild = false;
    into.cells.reserve(into.cells.size() + cells.size());
    for (auto& [where, value] : cells) {
        cell_value before = read_cell(game.db, where);
        if (before == value)
            continue;
        write(game, where, value, rebuild, false);
        into.cells.push_back({where, std::move(before), std::move(value)});
    }
    if (rebuild)
        game.lookups.rebuild(game.db);
}

void unrecorded_cells::set(const cell& where, const cell_value& value) {
    write(game_, where, value, rebuild_, false);
}

void unrecorded_cells::finish() {
    if (rebuild_)
        game_.lookups.rebuild(game_.db);
    rebuild_ = false;
}

void insert_row(open_game& game, change& into, int table, int row, db_overall_data data,
                std::vector<std::uint32_t> words) {
    std::vector<row_insert> one;
    one.push_back({row, std::move(data), std::move(words)});
    insert_rows(game, into, table, std::move(one));
}

void remove_row(open_game& game, change& into, int table, int row) {
    remove_rows(game, into, table, {row});
}

void remove_rows(open_game& game, change& into, int table, std::vector<int> rows) {
    if (rows.empty())
        return;
    std::sort(rows.begin(), rows.end(), std::greater<>());
    auto& table_rows = game.db.overall[table].rows;
    const auto& words = words_of(game.db, table);
    const std::size_t w = row_words(game.db, table);
    const std::size_t first = into.rows.size();
    for (int r : rows) {
        const auto at = static_cast<std::size_t>(r);
        into.rows.push_back({table, r, false, std::move(table_rows[at]),
                             std::vector<std::uint32_t>(
                                 words.begin() + static_cast<std::ptrdiff_t>(at * w),
                                 words.begin() + static_cast<std::ptrdiff_t>((at + 1) * w))});
    }
    put_rows(game.db, std::span(into.rows).subspan(first), true);
    game.lookups.rebuild(game.db);
}

void insert_rows(open_game& game, change& into, int table, std::vector<row_insert> rows) {
    if (rows.empty())
        return;
    std::sort(rows.begin(), rows.end(),
              [](const row_insert& a, const row_insert& b) { return a.row < b.row; });
    const std::size_t w = row_words(game.db, table);
    const std::size_t first = into.rows.size();
    for (row_insert& r : rows) {
        r.words.resize(w, 0);
        into.rows.push_back({table, r.row, true, std::move(r.data), std::move(r.words)});
    }
    put_rows(game.db, std::span(into.rows).subspan(first), true);
    game.lookups.rebuild(game.db);
}

void set_entry_text(open_game& game, change& into, std::size_t index, std::string text) {
    const Tstring_table& entry = game.lang.entry(index);
    if (entry.text == text)
        return;
    into.entries.push_back(
        {language_edit::kind::text, index, entry.key, entry.text, std::move(text)});
    game.lang.set_text(index, into.entries.back().after);
}

void remove_entries(open_game& game, change& into, std::vector<std::size_t> indices) {
    if (indices.empty())
        return;
    std::sort(indices.begin(), indices.end(), std::greater<>());
    const std::size_t first = into.entries.size();
    for (std::size_t i : indices) {
        const Tstring_table& entry = game.lang.entry(i);
        into.entries.push_back({language_edit::kind::removed, i, entry.key, entry.text, {}});
    }
    put_entries(game.lang, std::span(into.entries).subspan(first), true);
}

void insert_entries(open_game& game, change& into,
                    std::vector<std::pair<std::size_t, Tstring_table>> entries) {
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    const std::size_t first = into.entries.size();
    for (auto& [i, entry] : entries)
        into.entries.push_back(
            {language_edit::kind::inserted, i, entry.key, {}, std::move(entry.text)});
    put_entries(game.lang, std::span(into.entries).subspan(first), true);
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

void set_row_words(open_game& game, change& into, int table, int row,
                   std::vector<std::uint32_t> words) {
    auto& all = words_of(game.db, table);
    const std::size_t w = row_words(game.db, table);
    words.resize(w, 0);
    const auto first = all.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(row) * w);
    std::vector<std::uint32_t> before(first, first + static_cast<std::ptrdiff_t>(w));
    if (before == words)
        return;
    std::copy(words.begin(), words.end(), first);
    into.words.push_back({table, row, std::move(before), std::move(words)});
}

void undo(open_game& game, const change& c) {
    put_back(game, c, false, [](const cell_change& cc) -> const cell_value& { return cc.before; });
}

void redo(open_game& game, const change& c) {
    put_back(game, c, true, [](const cell_change& cc) -> const cell_value& { return cc.after; });
}

} // namespace qira
