#include "editing/table_edits.h"

#include "fileio/utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>

namespace qira {

namespace {

bool table_exists(const database& db, int table) {
    return db.has_table(table) && static_cast<std::size_t>(table) < db.overall.size() &&
           static_cast<std::size_t>(table) < db.blocks.size();
}

result refuse(place at, wording problem) {
    return result::failure(result::code::refused, std::move(at), std::move(problem));
}

// Where a cell is, for the program (the refusals are worded whole).
place place_of(const database& db, const cell& where) {
    place at{.table = where.table, .row = where.row};
    if (db.has_table(where.table)) {
        const int f =
            field_of_place(db.tables[static_cast<std::size_t>(where.table)], where.place());
        if (f >= 0)
            at.field = db.tables[static_cast<std::size_t>(where.table)]
                           .fields[static_cast<std::size_t>(f)]
                           .name;
    }
    return at;
}

// Sorts the rows and drops repeats; refused when they cannot be edited.
result check_selection(const database& db, int table, std::vector<int>& rows) {
    if (!table_exists(db, table))
        return refuse({.table = table},
                      {QIRA_TR("qira::edit", "there is no table %1"), {std::to_string(table)}});
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty() || rows.front() < 0 ||
        static_cast<std::size_t>(rows.back()) >= db.overall[table].rows.size())
        return refuse({.table = table}, QIRA_TR("qira::edit", "no row is selected"));
    return result::success();
}

// The outcome of a refused edit: nothing made.
edit_outcome refused(result why) {
    edit_outcome out;
    static_cast<result&>(out) = std::move(why);
    return out;
}

} // namespace

result check_value(const database& db, const cell& where, const cell_value& value) {
    if (holds_text(where.part)) {
        if (value.number != 0)
            return refuse(place_of(db, where), {QIRA_TR("qira::edit", "%1 is not a text"),
                                                {std::to_string(value.number)}});
        return result::success();
    }
    if (!value.text.empty())
        return refuse(place_of(db, where), {QIRA_TR("qira::edit", "%1 is not a whole number"),
                                            {quoted_text(value.text)}});
    if (where.part == row_part::value) {
        const int width = value_width(db, where.table, where.index);
        if (value.number > part_range(row_part::value, width)->max)
            return refuse(place_of(db, where),
                          width == 1
                              ? wording(QIRA_TR("qira::edit", "%1 does not fit in %2 bit"),
                                        {std::to_string(value.number), std::to_string(width)})
                              : wording(QIRA_TR("qira::edit", "%1 does not fit in %2 bits"),
                                        {std::to_string(value.number), std::to_string(width)}));
    }
    return result::success();
}

result_of<cell_value> parse_cell(const database& db, const cell& where, std::string_view text) {
    if (holds_text(where.part))
        return result_of<cell_value>::success(cell_value{0, std::string(text)});
    const bool negative = is_signed(where.part) && !text.empty() && text.front() == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    std::uint64_t n = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (digits.empty() || ec == std::errc::invalid_argument || end != digits.data() + digits.size())
        return refuse(place_of(db, where),
                      {QIRA_TR("qira::edit", "%1 is not a whole number"), {quoted_text(text)}});
    if (ec == std::errc::result_out_of_range || (negative && n > 2147483648ull) ||
        (!negative && n > 4294967295ull))
        return refuse(place_of(db, where),
                      {QIRA_TR("qira::edit", "%1 does not fit in 32 bits"), {std::string(text)}});
    cell_value value{negative ? static_cast<std::uint32_t>(-static_cast<std::int64_t>(n))
                              : static_cast<std::uint32_t>(n),
                     {}};
    if (auto fits = check_value(db, where, value); !fits)
        return fits;
    return result_of<cell_value>::success(std::move(value));
}

edit_outcome set_cell_text(open_game& game, const cell& where, std::string_view text) {
    if (!cell_exists(game.db, where))
        return refused(refuse({.table = where.table, .row = where.row},
                              QIRA_TR("qira::edit", "there is no such cell")));
    auto value = parse_cell(game.db, where, text);
    if (!value)
        return refused(value.outcome());
    edit_outcome out;
    set_cell(game, out.made, where, std::move(value.value));
    return out;
}

result check_capacity(const database& db, int table, std::size_t rows) {
    if (rows > static_cast<std::size_t>(max_rows))
        return refuse(
            {.table = table},
            {QIRA_TR("qira::edit", "table %1 would have %2 rows; a table holds at most %3"),
             {std::to_string(table), std::to_string(rows), std::to_string(max_rows)}});
    const auto w = static_cast<std::uint64_t>(std::max(db.overall[table].words_per_row, 0));
    if (rows * w > max_row_words)
        return refuse(
            {.table = table},
            {QIRA_TR("qira::edit", "table %1 would have %2 row words; a table holds at most %3"),
             {std::to_string(table), std::to_string(rows * w), std::to_string(max_row_words)}});
    return result::success();
}

edit_outcome insert_row_copies(open_game& game, int table, std::vector<int> rows) {
    if (auto selected = check_selection(game.db, table, rows); !selected)
        return refused(std::move(selected));
    const auto count = game.db.overall[table].rows.size();
    if (auto room = check_capacity(game.db, table, count + rows.size()); !room)
        return refused(std::move(room));
    edit_outcome out;
    // From the last to the first, so that the earlier rows stay where they are.
    const auto w = static_cast<std::size_t>(std::max(game.db.overall[table].words_per_row, 0));
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        const auto r = static_cast<std::size_t>(*it);
        const auto& words = game.db.blocks[static_cast<std::size_t>(table)].words;
        std::vector<std::uint32_t> copy;
        if ((r + 1) * w <= words.size())
            copy.assign(words.begin() + static_cast<std::ptrdiff_t>(r * w),
                        words.begin() + static_cast<std::ptrdiff_t>((r + 1) * w));
        insert_row(game, out.made, table, *it + 1, game.db.overall[table].rows[r], std::move(copy));
    }
    return out;
}

edit_outcome delete_rows(open_game& game, int table, std::vector<int> rows) {
    if (auto selected = check_selection(game.db, table, rows); !selected)
        return refused(std::move(selected));
    edit_outcome out;
    remove_rows(game, out.made, table, std::move(rows));
    return out;
}

std::vector<std::uint32_t> matched_words(const database& db, int table,
                                         const std::vector<db_overall_data>& rows,
                                         row_matching& matching) {
    matching = {};
    const auto w = static_cast<std::size_t>(std::max(db.overall[table].words_per_row, 0));
    const auto& old_rows = db.overall[table].rows;
    const auto& stored = db.blocks[static_cast<std::size_t>(table)].words;
    std::vector<std::uint32_t> words(rows.size() * w, 0);
    // Row `to` takes the words of old row `from` (zero words where the file had none).
    const auto take = [&](std::size_t to, std::size_t from) {
        const std::size_t begin = std::min(from * w, stored.size());
        const std::size_t end = std::min(begin + w, stored.size());
        std::copy(stored.begin() + static_cast<std::ptrdiff_t>(begin),
                  stored.begin() + static_cast<std::ptrdiff_t>(end),
                  words.begin() + static_cast<std::ptrdiff_t>(to * w));
    };

    using key_tuple = std::array<std::int32_t, 4>;
    const auto keys = static_cast<std::size_t>(
        std::clamp(db.tables[static_cast<std::size_t>(table)].key_count, 0, 4));
    const auto key_of = [keys](const db_overall_data& row) {
        key_tuple k{};
        std::copy_n(row.keys.begin(), keys, k.begin());
        return k;
    };
    std::map<key_tuple, std::size_t> old_row_of;
    if (keys == 0)
        matching.why = QIRA_TR("qira::csv", "the table has no key fields");
    for (std::size_t r = 0; keys > 0 && r < old_rows.size(); ++r)
        if (!old_row_of.emplace(key_of(old_rows[r]), r).second) {
            matching.why = QIRA_TR("qira::csv", "the table's keys are not unique");
            break;
        }
    if (!matching.why.empty()) {
        matching.by_key = false;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (r < old_rows.size()) {
                take(r, r);
                ++matching.by_position;
            } else {
                ++matching.added;
            }
        }
        return words;
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto it = old_row_of.find(key_of(rows[r]));
        if (it == old_row_of.end()) {
            ++matching.added;
        } else if (it->second == old_rows.size()) {
            ++matching.repeated;
        } else {
            take(r, it->second);
            it->second = old_rows.size(); // taken
            ++matching.matched;
        }
    }
    return words;
}

edit_outcome replace_table(open_game& game, int table, std::vector<db_overall_data> rows,
                           row_matching* matching) {
    if (!table_exists(game.db, table))
        return refused(refuse({.table = table}, {QIRA_TR("qira::edit", "there is no table %1"),
                                                 {std::to_string(table)}}));
    if (auto room = check_capacity(game.db, table, rows.size()); !room)
        return refused(std::move(room));
    edit_outcome out;
    row_matching matched;
    auto words = matched_words(game.db, table, rows, matched);
    replace_rows(game, out.made, table, std::move(rows), std::move(words));
    if (matching)
        *matching = std::move(matched);
    return out;
}

} // namespace qira
