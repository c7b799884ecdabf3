// The season update's steps on an install: 10000 cells pasted in the grid (and undone), the check
// of the references between the tables, and the players' sheet imported as a spreadsheet leaves
// it: followed by a million lines of empty fields.

#include "bench_common.h"
#include "editing/block_edits.h"
#include "editing/game_check.h"
#include "editing/open_game.h"
#include "editing/table_csv.h"
#include "editing/table_edits.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace qira::bench {
namespace {

// 10000 cells of the players table as a sorted view shows them: the packed columns of the
// first rows, copied from the rows at the end of the table (fewer where the install has fewer).
void paste_cells(benchmark::State& state, const install& in) {
    open_game game;
    if (!open_game_files(in.db_path(), in.lang_path(), game)) {
        state.SkipWithError("cannot open the install");
        return;
    }
    const int t = table_index::players;
    const db_table& table = game.db.tables[t];
    grid_block from{t, {}, {}}, to{t, {}, {}};
    for (int c = table.whole_word_count(); c < table.field_count() && from.columns.size() < 10; ++c)
        from.columns.push_back(c);
    const int rows = static_cast<int>(game.db.rows(t).size());
    const int count =
        std::min(rows / 2, 10000 / std::max<int>(1, static_cast<int>(from.columns.size())));
    for (int r = 0; r < count; ++r) {
        from.rows.push_back(rows - 1 - r);
        to.rows.push_back(r);
    }
    to.columns = from.columns;
    const std::string text = copy_block(game.db, from);
    for (auto _ : state) {
        block_outcome out = paste_block(game, to, 0, 0, text);
        state.counters["changed"] = static_cast<double>(out.made.cells.size());
        state.counters["cells"] = static_cast<double>(out.cells);
        if (!out.ok()) {
            state.SkipWithError("refused");
            return;
        }
        state.PauseTiming();
        undo(game, out.made);
        state.ResumeTiming();
    }
}

void check_game(benchmark::State& state, const install& in) {
    open_game game;
    if (!open_game_files(in.db_path(), in.lang_path(), game)) {
        state.SkipWithError("cannot open the install");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(check_references(game));
}

// The players' sheet and a million lines of as many empty fields (",,,...", 33 MB at game scale),
// read and put in place as the import does.
void csv_import_empty_lines(benchmark::State& state, const install& in) {
    open_game game;
    if (!open_game_files(in.db_path(), in.lang_path(), game)) {
        state.SkipWithError("cannot open the install");
        return;
    }
    const int t = table_index::players;
    std::string csv = table_csv(game.db, t);
    const std::string empty =
        std::string(static_cast<std::size_t>(std::max(game.db.tables[t].field_count() - 1, 0)),
                    ',') +
        "\r\n";
    csv.reserve(csv.size() + 1000000 * empty.size());
    for (int i = 0; i < 1000000; ++i)
        csv += empty;
    state.counters["MB"] = static_cast<double>(csv.size()) / 1e6;
    for (auto _ : state) {
        csv_rows read = read_table_csv(game.db, t, csv);
        auto outcome = replace_table(game, t, std::move(read.rows));
        if (!read.ok() || !outcome.ok()) {
            state.SkipWithError("refused");
            return;
        }
        state.PauseTiming();
        undo(game, outcome.made);
        state.ResumeTiming();
    }
}

} // namespace

void register_season_steps(const install& in) {
    register_step("grid: paste of 10000 cells", in, paste_cells);
    register_step("check of the references", in, check_game);
    register_step("CSV import of the players table + 1000000 lines of empty fields", in,
                  csv_import_empty_lines);
}

} // namespace qira::bench
