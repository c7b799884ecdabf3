#include "editing/block_edits.h"

#include "editing/table_csv.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qira {

namespace {

constexpr std::size_t listed_problems = 20;

block_outcome refused(int table, wording why) {
    block_outcome out;
    static_cast<result&>(out) =
        result::failure(result::code::refused, {.table = table}, std::move(why));
    return out;
}

std::string column_name(const database& db, int table, int column) {
    const auto& fields = db.tables[static_cast<std::size_t>(table)].fields;
    return column >= 0 && static_cast<std::size_t>(column) < fields.size()
               ? fields[static_cast<std::size_t>(column)].name
               : std::to_string(column);
}

// The nearest whole number, halves away from zero. The amount was typed as a decimal, which a
// double holds only nearly (0.7 is 0.69999...): a result within a few units of its last place
// of a half is that half (50 * 1.15 gives 57.4999..., meant as 57.5).
double nearest(double x) {
    const double a = std::abs(x);
    const double half = std::floor(a) + 0.5;
    const bool is_half = std::abs(a - half) <= 8 * std::numeric_limits<double>::epsilon() * a;
    return std::copysign(is_half ? std::ceil(a) : std::round(a), x);
}

bool valid_block(const database& db, const grid_block& b) {
    if (!db.has_table(b.table))
        return false;
    const auto rows = db.rows(b.table).size();
    const int fields = db.tables[static_cast<std::size_t>(b.table)].field_count();
    return std::all_of(b.rows.begin(), b.rows.end(),
                       [&](int r) { return r >= 0 && static_cast<std::size_t>(r) < rows; }) &&
           std::all_of(b.columns.begin(), b.columns.end(),
                       [&](int c) { return c >= 0 && c < fields; });
}

// Checks every value, then sets them all, or none.
block_outcome set_checked(open_game& game, int table,
                          const std::vector<std::tuple<int, int, std::string_view>>& values) {
    std::vector<std::pair<cell, cell_value>> cells;
    cells.reserve(values.size());
    std::vector<result> problems;
    std::size_t bad = 0;
    for (const auto& [row, column, text] : values) {
        const cell where = column_cell(game.db, table, row, column);
        if (auto value = parse_cell(game.db, where, text)) {
            cells.emplace_back(where, std::move(value.value));
        } else if (++bad <= listed_problems) {
            problems.push_back(value.outcome());
        }
    }
    if (bad > 0) {
        block_outcome out = refused(
            table, {bad == 1 ? QIRA_TR("qira::edit", "%1 value does not fit; nothing was changed")
                             : QIRA_TR("qira::edit", "%1 values do not fit; nothing was changed"),
                    {std::to_string(bad)}});
        out.problems = std::move(problems);
        return out;
    }
    block_outcome out;
    out.cells = cells.size();
    set_cells(game, out.made, std::move(cells));
    return out;
}

} // namespace

std::string copy_block(const database& db, const grid_block& block) {
    std::string out;
    if (!valid_block(db, block))
        return out;
    for (int row : block.rows) {
        for (std::size_t k = 0; k < block.columns.size(); ++k) {
            if (k > 0)
                out += '\t';
            append_quoted_cell(out,
                               cell_text(db, column_cell(db, block.table, row, block.columns[k])),
                               "\t\r\n\"");
        }
        out += '\n';
    }
    return out;
}

std::vector<std::vector<std::string>> split_tab_text(std::string_view text) {
    std::vector<std::vector<std::string>> lines;
    std::vector<std::string> line;
    std::string cell;
    bool quoted = false, in_cell = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
            continue;
        }
        if (c == '"' && cell.empty() && !in_cell) {
            quoted = in_cell = true;
        } else if (c == '\t') {
            line.push_back(std::move(cell));
            cell.clear();
            in_cell = false;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            line.push_back(std::move(cell));
            lines.push_back(std::move(line));
            line.clear();
            cell.clear();
            in_cell = false;
        } else {
            cell += c;
            in_cell = true;
        }
    }
    if (in_cell || !cell.empty() || !line.empty()) {
        line.push_back(std::move(cell));
        lines.push_back(std::move(line));
    }
    return lines;
}

block_outcome paste_block(open_game& game, const grid_block& block, int row, int column,
                          std::string_view text) {
    if (!valid_block(game.db, block) || row < 0 || column < 0 ||
        static_cast<std::size_t>(row) >= block.rows.size() ||
        static_cast<std::size_t>(column) >= block.columns.size())
        return refused(block.table, QIRA_TR("qira::edit", "there is no cell to paste into"));
    const auto lines = split_tab_text(text);
    if (lines.empty())
        return refused(block.table, QIRA_TR("qira::edit", "there is nothing to paste"));
    std::size_t width = 0;
    for (const auto& l : lines)
        width = std::max(width, l.size());
    const std::size_t rows_left = block.rows.size() - static_cast<std::size_t>(row);
    const std::size_t columns_left = block.columns.size() - static_cast<std::size_t>(column);
    if (lines.size() > rows_left || width > columns_left) {
        // Whole sentences for rows and columns, each number one or more.
        static const marked_text past_rows[2][2] = {
            {QIRA_TR("qira::edit", "the text runs past the last shown row: it has %1 row, and %2 "
                                   "row is shown from the current cell on; nothing was changed"),
             QIRA_TR("qira::edit", "the text runs past the last shown row: it has %1 row, and %2 "
                                   "rows are shown from the current cell on; nothing was changed")},
            {QIRA_TR("qira::edit", "the text runs past the last shown row: it has %1 rows, and %2 "
                                   "row is shown from the current cell on; nothing was changed"),
             QIRA_TR("qira::edit",
                     "the text runs past the last shown row: it has %1 rows, and %2 "
                     "rows are shown from the current cell on; nothing was changed")}};
        static const marked_text past_columns[2][2] = {
            {QIRA_TR("qira::edit",
                     "the text runs past the last shown column: it has %1 column, and %2 column "
                     "is shown from the current cell on; nothing was changed"),
             QIRA_TR("qira::edit",
                     "the text runs past the last shown column: it has %1 column, and %2 columns "
                     "are shown from the current cell on; nothing was changed")},
            {QIRA_TR("qira::edit",
                     "the text runs past the last shown column: it has %1 columns, and %2 column "
                     "is shown from the current cell on; nothing was changed"),
             QIRA_TR("qira::edit",
                     "the text runs past the last shown column: it has %1 columns, and %2 columns "
                     "are shown from the current cell on; nothing was changed")}};
        const bool rows_over = lines.size() > rows_left;
        const std::size_t has = rows_over ? lines.size() : width;
        const std::size_t shown = rows_over ? rows_left : columns_left;
        const marked_text format =
            (rows_over ? past_rows : past_columns)[has == 1 ? 0 : 1][shown == 1 ? 0 : 1];
        return refused(block.table, {format, {std::to_string(has), std::to_string(shown)}});
    }
    std::vector<std::tuple<int, int, std::string_view>> values;
    for (std::size_t i = 0; i < lines.size(); ++i)
        for (std::size_t k = 0; k < lines[i].size(); ++k)
            values.emplace_back(block.rows[static_cast<std::size_t>(row) + i],
                                block.columns[static_cast<std::size_t>(column) + k], lines[i][k]);
    return set_checked(game, block.table, values);
}

block_outcome fill_block(open_game& game, const grid_block& block, std::string_view text) {
    std::vector<std::pair<int, int>> cells;
    cells.reserve(block.rows.size() * block.columns.size());
    for (int r : block.rows)
        for (int c : block.columns)
            cells.emplace_back(r, c);
    return fill_cells(game, block.table, cells, text);
}

block_outcome fill_cells(open_game& game, int table, const std::vector<std::pair<int, int>>& cells,
                         std::string_view text) {
    grid_block each{table, {}, {}};
    for (const auto& [r, c] : cells) {
        each.rows.push_back(r);
        each.columns.push_back(c);
    }
    if (cells.empty() || !valid_block(game.db, each))
        return refused(table, QIRA_TR("qira::edit", "there is no cell to fill"));
    std::vector<std::tuple<int, int, std::string_view>> values;
    values.reserve(cells.size());
    for (const auto& [r, c] : cells)
        values.emplace_back(r, c, text);
    return set_checked(game, table, values);
}

block_outcome adjust_column(open_game& game, int table, const std::vector<int>& rows, int column,
                            adjust_kind how, double amount) {
    if (!valid_block(game.db, {table, rows, {column}}))
        return refused(table, QIRA_TR("qira::edit", "there is no column to adjust"));
    if (!std::isfinite(amount))
        return refused(table, QIRA_TR("qira::edit", "the amount is not a number"));
    const cell first = column_cell(game.db, table, 0, column);
    if (first.part != row_part::value) {
        const marked_text format =
            first.part == row_part::key
                ? QIRA_TR("qira::edit", "only packed values can be adjusted; %1 is a key")
            : first.part == row_part::extra
                ? QIRA_TR("qira::edit", "only packed values can be adjusted; %1 is a extra")
                : QIRA_TR("qira::edit", "only packed values can be adjusted; %1 is a text");
        return refused(table, {format, {column_name(game.db, table, column)}});
    }
    const int width = value_width(game.db, table, first.index);
    const double highest = width >= 32 ? 4294967295.0 : std::ldexp(1.0, width) - 1;
    block_outcome out;
    std::vector<std::pair<cell, cell_value>> cells;
    cells.reserve(rows.size());
    for (int r : rows) {
        const cell where = column_cell(game.db, table, r, column);
        const double now = read_cell(game.db, where).number;
        const double wanted = nearest(how == adjust_kind::add ? now + amount : now * amount);
        const double held = std::clamp(wanted, 0.0, highest);
        if (held != wanted)
            ++out.clamped;
        cells.emplace_back(where, cell_value{static_cast<std::uint32_t>(held), {}});
    }
    out.cells = cells.size();
    set_cells(game, out.made, std::move(cells));
    return out;
}

} // namespace qira
