#pragma once
// Edits of blocks of the grid of every table, as spreadsheets make them: cells copied as
// tab-separated text, such text pasted, a value filled into many cells, and a packed column
// adjusted by adding or multiplying. The grid hands over the rows and columns in the order it
// shows them (sorted and filtered); every value is checked before anything changes, and each
// edit is one change, for one undo step.

#include "editing/table_edits.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qira {

// What the grid shows of a table: row positions and columns (fields, see column_cell), in the
// order shown.
struct grid_block {
    int table = 0;
    std::vector<int> rows;
    std::vector<int> columns;
};

// A block edit made, or refused (code `refused`, with the reason): the change beside the result.
struct [[nodiscard]] block_outcome : result {
    change made;
    std::vector<result> problems; // the first of the values that do not fit, each at its cell
    std::size_t cells = 0;        // cells set (changed or not)
    std::size_t clamped = 0;      // adjusted cells held at the end of their field's range
};

// The cells of `block` as tab-separated text, a line per row ending in "\n": numbers in
// decimal, texts as their stored bytes; a text holding a tab, a line break or a quote is quoted
// (in "", a quote doubled), as spreadsheets write it.
std::string copy_block(const database& db, const grid_block& block);

// Tab-separated text as lines of cells (quoted cells read back; "\r\n" and "\n" end a line; a
// last empty line is no line).
std::vector<std::vector<std::string>> split_tab_text(std::string_view text);

// Pastes tab-separated text into the cells from the shown row `row` and column `column` on
// (indices into block.rows and block.columns). Refused, changing nothing, when the text runs
// past the last shown row or column, or when any value does not fit its cell (the first 20
// problems listed, each at its table, row and field: "300 does not fit in 8 bits").
block_outcome paste_block(open_game& game, const grid_block& block, int row, int column,
                          std::string_view text);

// Sets every cell of the block to the value `text`, checked for each cell first.
block_outcome fill_block(open_game& game, const grid_block& block, std::string_view text);
// Sets exactly the cells `cells` (row, column) of `table` to `text`, checked for each first: a
// selection that is not one rectangle fills what is selected and nothing between.
block_outcome fill_cells(open_game& game, int table, const std::vector<std::pair<int, int>>& cells,
                         std::string_view text);

// Adds `amount` to, or multiplies by `amount` (rounded to the nearest, halves away from zero),
// the packed value column `column` of the rows `rows`, held within the field's range (the
// count of cells held is in `clamped`). Keys, extras and texts are refused.
enum class adjust_kind { add, multiply };
block_outcome adjust_column(open_game& game, int table, const std::vector<int>& rows, int column,
                            adjust_kind how, double amount);

} // namespace qira
