// How fast the editor opens and saves a game install, next to what the machine itself needs to
// read and write the same bytes, and how much memory a load and save takes.
//
//   qira_bench --install game=DIR [--install max=DIR ...] [benchmark flags]
//
// Each install is a folder with data/cmn/qira.db and data/cmn/fe/eng.db (qiradb make-sample).
// After the runs one table is printed: the median of each step, its reference and the ratio.

#include "bench_common.h"
#include "editing/edits.h"
#include "editing/open_game.h"
#include "editing/table_csv.h"
#include "editing/table_edits.h"
#include "fileio/memory.h"
#include "patch/patch.h"
#include "patch/patch_json.h"
#include "patch/recovery.h"
#include "peak_memory.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>

namespace qira::bench {
namespace {

std::vector<std::uint8_t> read_all(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    in.seekg(0, std::ios::end);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

// Reading both files into memory: the floor that no parser can beat.
void read_floor(benchmark::State& state, const install& in) {
    for (auto _ : state) {
        auto a = read_all(in.db_path());
        auto b = read_all(in.lang_path());
        benchmark::DoNotOptimize(a.data());
        benchmark::DoNotOptimize(b.data());
    }
}

void open_install(benchmark::State& state, const install& in) {
    for (auto _ : state) {
        auto game = std::make_unique<opened>();
        if (!game->open(in)) {
            state.SkipWithError("cannot open the install");
            return;
        }
        benchmark::DoNotOptimize(game->db.tables.data());
        // Freeing the model is not part of opening.
        state.PauseTiming();
        game.reset();
        state.ResumeTiming();
    }
}

// Writing the same number of bytes to two files durably, as any safe save must: write, flush to
// the disk, rename over the old file.
void write_floor(benchmark::State& state, const install& in) {
    const auto db_bytes = read_all(in.db_path());
    const auto lang_bytes = read_all(in.lang_path());
    scratch_dir dir;
    for (auto _ : state) {
        if (!safe_replace(dir.path() / "qira.db", db_bytes) ||
            !safe_replace(dir.path() / "eng.db", lang_bytes)) {
            state.SkipWithError("cannot write");
            return;
        }
    }
}

void save_install(benchmark::State& state, const install& in) {
    opened game;
    if (!game.open(in)) {
        state.SkipWithError("cannot open the install");
        return;
    }
    scratch_dir dir;
    for (auto _ : state) {
        if (!game.save(dir.path())) {
            state.SkipWithError("cannot save");
            return;
        }
    }
}

void csv_export(benchmark::State& state, const install& in) {
    open_game game;
    if (!open_game_files(in.db_path(), in.lang_path(), game)) {
        state.SkipWithError("cannot open the install");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(table_csv(game.db, table_index::players));
}

void csv_import(benchmark::State& state, const install& in) {
    open_game game;
    if (!open_game_files(in.db_path(), in.lang_path(), game)) {
        state.SkipWithError("cannot open the install");
        return;
    }
    const std::string csv = table_csv(game.db, table_index::players);
    for (auto _ : state) {
        csv_rows read = read_table_csv(game.db, table_index::players, csv);
        auto outcome = replace_table(game, table_index::players, std::move(read.rows));
        if (!outcome.ok()) {
            state.SkipWithError("refused");
            return;
        }
        // Undoing is not part of importing.
        state.PauseTiming();
        undo(game, outcome.made);
        state.ResumeTiming();
    }
}

// The install opened, and a copy with 10000 packed values of players changed (one per row, then
// the next field of each row; fewer where the install has fewer values), as a mod that retunes
// the players makes it.
struct patch_pair {
    open_game a, b;
    std::size_t changed = 0;
    bool make(const install& in) {
        if (!open_game_files(in.db_path(), in.lang_path(), a))
            return false;
        b = a;
        const auto slot = b.db.field_slot(table_index::players, player_field::height);
        const auto rows = b.db.rows(table_index::players);
        if (!slot || rows.empty())
            return false;
        for (std::size_t i = 0; i < 10000; ++i) {
            auto& row = rows[i % rows.size()];
            if (i / rows.size() >= row.values.size())
                break;
            const std::size_t s = (*slot + i / rows.size()) % row.values.size();
            row.values[s] = row.values[s] == 0 ? 1 : row.values[s] - 1;
            ++changed;
        }
        return true;
    }
};

// Comparing two installs into the patch document, as qiradb diff does after loading them.
void diff_installs(benchmark::State& state, const install& in) {
    patch_pair pair;
    if (!pair.make(in)) {
        state.SkipWithError("cannot open the install");
        return;
    }
    for (auto _ : state) {
        const result_of<patch> made = make_patch(pair.a.db, &pair.a.lang, pair.b.db, &pair.b.lang);
        const std::string json = patch_to_json(made.value);
        benchmark::DoNotOptimize(json.data());
        if (made.value.change_count() != pair.changed) {
            state.SkipWithError("the patch holds other changes than were made");
            return;
        }
    }
}

// Reading the patch document and applying it to the opened game (its checks included), as
// qiradb patch does between opening and saving.
void apply_patch_step(benchmark::State& state, const install& in) {
    patch_pair pair;
    if (!pair.make(in)) {
        state.SkipWithError("cannot open the install");
        return;
    }
    const std::string json =
        patch_to_json(make_patch(pair.a.db, &pair.a.lang, pair.b.db, &pair.b.lang).value);
    for (auto _ : state) {
        state.PauseTiming();
        auto game = std::make_unique<open_game>(pair.a);
        state.ResumeTiming();
        const result_of<patch> read = patch_from_json(json);
        const patch_applied done = apply_patch(*game, read.value);
        if (!read.ok() || !done.ok()) {
            state.SkipWithError("the patch does not apply");
            return;
        }
        state.PauseTiming();
        game.reset();
        state.ResumeTiming();
    }
}

// A recovery write after 10000 packed values of players were changed as steps (the cells of
// patch_pair, set as the window's steps set them): the patch made from the base kept parsed, on
// the window's thread, then written as the recovery file, on the worker.
void recovery_write(benchmark::State& state, const install& in) {
    open_game game;
    if (!open_game_files(in.db_path(), in.lang_path(), game)) {
        state.SkipWithError("cannot open the install");
        return;
    }
    const auto header = recovery_header_of(in.db_path(), in.lang_path());
    const auto slot = game.db.field_slot(table_index::players, player_field::height);
    const std::size_t rows = game.db.rows(table_index::players).size();
    if (!header || !slot || rows == 0) {
        state.SkipWithError("cannot open the install");
        return;
    }
    recovery_base base(game, header.value);
    change made;
    std::size_t changed = 0;
    for (std::size_t i = 0; i < 10000; ++i) {
        const int row = static_cast<int>(i % rows);
        const auto& values =
            game.db.rows(table_index::players)[static_cast<std::size_t>(row)].values;
        if (i / rows >= values.size())
            break;
        const auto s = static_cast<int>((*slot + i / rows) % values.size());
        const std::uint32_t v = values[static_cast<std::size_t>(s)];
        set_cell(game, made, {table_index::players, row, row_part::value, s},
                 {v == 0 ? 1 : v - 1, {}});
        ++changed;
    }
    base.note(made);
    scratch_dir dir;
    for (auto _ : state) {
        const result_of<patch> p = base.changes(game);
        if (!p || p.value.change_count() != changed ||
            !save_recovery_file(dir.path() / "recovery.json", base.header(), p.value)) {
            state.SkipWithError("the recovery file holds other changes or was not written");
            return;
        }
    }
}

// What 1000 undo steps of player Applies hold: the cells each changed (a surname and a height),
// and the tree labels before and after of the player's node, as the window's step keeps them
// (counted as UTF-16 strings with their headers).
std::int64_t undo_step_bytes(const install& in) {
    open_game game;
    if (!open_game_files(in.db_path(), in.lang_path(), game))
        return -1;
    const std::size_t rows = game.db.rows(table_index::players).size();
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < 1000 && rows > 0; ++i) {
        const auto r = static_cast<int>(i % rows);
        const db_overall_data& p = game.db.rows(table_index::players)[static_cast<std::size_t>(r)];
        const player_values values{
            {std::string(p.strings[0]), std::string(p.strings[1]), std::string(p.strings[2]) + "x"},
            {{player_field::height, static_cast<std::uint32_t>(150 + i % 50)}}};
        const change c = apply_player(game, r, values);
        const std::size_t label = player_label(p).size();
        bytes += c.memory() + 2 * (24 + 16 + 2 * (label + 1)) + 64;
    }
    return static_cast<std::int64_t>(bytes);
}

} // namespace
} // namespace qira::bench

int main(int argc, char** argv) {
    using namespace qira::bench;
    qira::prefer_large_pages(); // as the editor and qiradb do
    std::vector<install> installs;
    std::vector<char*> rest = {argv[0]};
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--install" && i + 1 < argc) {
            const std::string spec = argv[++i];
            const auto eq = spec.find('=');
            if (eq == std::string::npos) {
                std::cerr << "--install takes NAME=DIR\n";
                return 2;
            }
            installs.push_back({spec.substr(0, eq), spec.substr(eq + 1)});
        } else {
            rest.push_back(argv[i]);
        }
    }
    if (installs.empty()) {
        std::cerr << "usage: qira_bench --install NAME=DIR [--install NAME=DIR ...]\n";
        return 2;
    }
    int rest_count = static_cast<int>(rest.size());
    benchmark::Initialize(&rest_count, rest.data());

    // Peak memory first: a child started later would count this process's own memory too.
    std::vector<memory_row> memory;
    for (const auto& in : installs) {
        scratch_dir dir;
        const auto peak = peak_resident_bytes(
            QIRADB_PATH, {"rewrite", in.db_path().string(), (dir.path() / "qira.db").string(),
                          "--lang", in.lang_path().string(), (dir.path() / "eng.db").string()});
        memory.push_back({in.name, peak,
                          static_cast<std::int64_t>(std::filesystem::file_size(in.db_path()) +
                                                    std::filesystem::file_size(in.lang_path())),
                          undo_step_bytes(in)});
    }
    std::vector<limit_row> limits;
    for (const auto& in : installs)
        for (limit_row& row : process_memory(in))
            limits.push_back(std::move(row));
    for (const auto& in : installs) {
        register_step("open floor (read bytes)", in, read_floor);
        register_step("open", in, open_install);
        register_step("CSV export of the players table", in, csv_export);
        register_step("CSV import of the players table", in, csv_import);
        register_step("save floor (write bytes)", in, write_floor);
        register_step("save", in, save_install);
        register_step("diff (10000 changed values)", in, diff_installs);
        register_step("patch apply (10000 changed values)", in, apply_patch_step);
        register_step("recovery write (10000 changed values)", in, recovery_write);
        register_season_steps(in);
        register_process_steps(in);
        register_json_steps(in);
        register_gui_steps(in);
    }
    median_collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    release_gui();

    release_process_inputs();
    print_table(std::cout, installs, collector.medians(), memory, limits);
    benchmark::Shutdown();
    return 0;
}
