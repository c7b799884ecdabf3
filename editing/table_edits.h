#pragma once
// Edits of any table, cell by cell and row by row, as the grid of every table and the CSV import
// make them. Each is checked first: a value that does not fit its field, or a table that would
// grow past what a database file holds, is refused with the reason and changes nothing.

#include "editing/change.h"
#include "fileio/result.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qira {

// An edit made, or refused with the reason (code `refused`, the place for the program): the
// result and the change, for undo (empty when refused).
struct [[nodiscard]] edit_outcome : result {
    change made;
};

// The cell a column of a table shows (column_cell), a value's width (value_width) and a cell's
// content as a text (cell_text) are the field schema's, dbfile/fields.h.

// Whether the cell can hold `value`; refused, worded as the grid refuses a typed value, for a
// packed value wider than its field ("300 does not fit in 8 bits"), a text for a number
// ("\"tall\" is not a whole number") or a number for a text ("7 is not a text"). The place names
// the cell's table, row and field. The grid, the CSV import and patches check values with it.
result check_value(const database& db, const cell& where, const cell_value& value);
// A text for a cell: decimal numbers (keys and extras from -2147483648 to 4294967295, packed
// values from 0 to 2^width - 1), texts taken as their bytes; refused as check_value words it
// ("300 does not fit in 8 bits") when it does not fit.
result_of<cell_value> parse_cell(const database& db, const cell& where, std::string_view text);

// Sets one cell from its text.
edit_outcome set_cell_text(open_game& game, const cell& where, std::string_view text);
// Inserts a copy of each row right after it (the rows in any order).
edit_outcome insert_row_copies(open_game& game, int table, std::vector<int> rows);
// Removes the rows (in any order).
edit_outcome delete_rows(open_game& game, int table, std::vector<int> rows);
// How the rows that replace a table's rows found their stored words (what the file holds past
// and around the fields, kept as it is).
struct row_matching {
    bool by_key = true;          // false: by position (`why` says why)
    wording why;                 // "the table has no key fields", "the table's keys are not unique"
    std::size_t matched = 0;     // rows that took the words of the row with their keys
    std::size_t by_position = 0; // rows that took the words of the row at their place
    std::size_t added = 0;       // rows with keys the table did not have, or past its end
    std::size_t repeated = 0;    // rows with keys an earlier row took
};

// The stored words of `rows` as they replace the table's rows. Each row takes the words of the
// row with the same keys (all the table's key fields), the first row with those keys only; rows
// with new or repeated keys start from zero words. A table without key fields, or whose keys are
// not unique, gives each row the words of the row at its place (zero words past the end).
std::vector<std::uint32_t> matched_words(const database& db, int table,
                                         const std::vector<db_overall_data>& rows,
                                         row_matching& matching);

// Replaces every row of the table, each row keeping the stored words of the row it matches (see
// matched_words); how they matched goes to `matching` when given.
edit_outcome replace_table(open_game& game, int table, std::vector<db_overall_data> rows,
                           row_matching* matching = nullptr);

// Whether the table can hold `rows` rows: refused past what a database file holds.
result check_capacity(const database& db, int table, std::size_t rows);

} // namespace qira
