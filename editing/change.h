#pragma once
// What an edit changed, so that it can be undone and redone: the cells it touched (a key, an
// extra, a text, a localized name or a bit-packed value of one row), each with its content before
// and after, the rows it inserted or removed, and the language entries it set, inserted or
// removed. A change holds nothing it did not touch: never a copy of the model or of the language
// file, and a copy of a table's rows only for an import that replaces them all.

#include "dbfile/fields.h"
#include "editing/open_game.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace qira {

struct cell_change {
    cell where;
    cell_value before;
    cell_value after;
};

// A row inserted into a table or removed from it, whole: its decoded parts and its stored words
// (the base its packed area is written over, see encode_table).
struct row_change {
    int table = 0;
    int row = 0;          // where it was inserted, or where it was removed from
    bool inserted = true; // false: removed
    db_overall_data data;
    std::vector<std::uint32_t> words;
};

// A table's rows replaced whole (an import): the rows and their stored words before and after.
struct table_change {
    int table = 0;
    std::vector<db_overall_data> before;
    std::vector<db_overall_data> after;
    std::vector<std::uint32_t> words_before;
    std::vector<std::uint32_t> words_after;
};

// A language entry changed: its text set, or the entry inserted at `index` (0 to the count) or
// removed from there.
struct language_edit {
    enum class kind : std::uint8_t { text, inserted, removed };
    kind what = kind::text;
    std::size_t index = 0;
    std::int32_t key = 0;
    std::string before; // the text before; removed: the entry's text
    std::string after;  // the text after; inserted: the entry's text
};

// Made in this order, put back in the reverse order: cells, then rows (one after the other,
// each at the place it had when it was made), then whole tables, then the language entries
// (likewise one after the other).
// A row's stored words set whole, where a patch changes the bits no field covers.
struct words_change {
    int table = 0;
    int row = 0;
    std::vector<std::uint32_t> before;
    std::vector<std::uint32_t> after;
};

class change {
  public:
    std::vector<cell_change> cells;
    std::vector<words_change> words; // put after the cells, before the rows
    std::vector<row_change> rows;
    std::vector<table_change> tables;
    std::vector<language_edit> entries;

    bool empty() const {
        return cells.empty() && words.empty() && rows.empty() && tables.empty() && entries.empty();
    }
    // Whether rows were inserted, removed or replaced in a table (rows after the place may have
    // moved).
    bool moves_rows(int table) const;
    // Whether any cell of row `row` of table `table` changed.
    bool touches(int table, int row) const;
    // Whether any cell of table `table` changed.
    bool touches_table(int table) const;
    // Bytes held, for measuring what undo steps cost.
    std::size_t memory() const;
};

// Cells (`cell`, `cell_value`) are read with read_cell and checked with cell_exists, the field
// schema's (dbfile/fields.h); they are changed with the functions below.

// Sets an existing cell (through the schema's write_cell) and records it in `into` when its content
// changes (a cell set twice keeps its first "before"). The lookups follow at once.
void set_cell(open_game& game, change& into, const cell& where, cell_value value);
// Sets the stored words of an existing row (the table's words per row of them), recording them in
// `into` when they change.
void set_row_words(open_game& game, change& into, int table, int row,
                   std::vector<std::uint32_t> words);
// Sets existing cells as set_cell does one after the other, for cells that `into` holds no
// change of yet (each cell once); the lookups are built once after the last.
void set_cells(open_game& game, change& into, std::vector<std::pair<cell, cell_value>> cells);
// Sets existing cells as set_cells does without recording them, for a caller that keeps no undo
// step (the command line applying a patch to save it): no copy of a cell's content before or
// after is kept. finish() brings the lookups up to date after the last.
class unrecorded_cells {
  public:
    explicit unrecorded_cells(open_game& game) : game_(game) {}
    void set(const cell& where, const cell_value& value);
    void finish();

  private:
    open_game& game_;
    bool rebuild_ = false;
};

// A row to insert at `row`, its place in the table once all the rows given with it are in.
struct row_insert {
    int row = 0;
    db_overall_data data;
    std::vector<std::uint32_t> words; // its stored words (empty: zero words)
};

// Inserts a row at `row` (0 to the row count) with its stored words (empty: zero words), or
// removes the row at `row`, recording it in `into`. The table's row count and stored words
// follow; the lookups are built again.
void insert_row(open_game& game, change& into, int table, int row, db_overall_data data,
                std::vector<std::uint32_t> words = {});
void remove_row(open_game& game, change& into, int table, int row);
// The same for many rows in one pass over the table: removes the rows at `rows` (existing rows,
// in any order, each once), recorded from the last up; inserts the rows (places in any order,
// each once), recorded from the first place down. The lookups are built once.
void remove_rows(open_game& game, change& into, int table, std::vector<int> rows);
void insert_rows(open_game& game, change& into, int table, std::vector<row_insert> rows);

// Sets the text of language entry `index`, recording it in `into` when it changes.
void set_entry_text(open_game& game, change& into, std::size_t index, std::string text);
// Removes the language entries at `indices` (in any order, each once), recorded from the last
// up, in one pass over the entries.
void remove_entries(open_game& game, change& into, std::vector<std::size_t> indices);
// Inserts language entries, each at its index among the entries once all are in (in any order,
// each index once), recorded from the first index down, in one pass over the entries.
void insert_entries(open_game& game, change& into,
                    std::vector<std::pair<std::size_t, Tstring_table>> entries);

// Replaces every row of a table, recording the rows and stored words before and after in `into`.
// `words` holds the new rows' stored words one row after the other, the table's words per row
// each (zero words for rows past its end).
void replace_rows(open_game& game, change& into, int table, std::vector<db_overall_data> rows,
                  std::vector<std::uint32_t> words);

// Puts every cell of the change back to its content before (undo) or after (redo), and keeps the
// lookups right. The rows must be where they were when the change was made.
void undo(open_game& game, const change& c);
void redo(open_game& game, const change& c);

} // namespace qira
