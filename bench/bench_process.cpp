// The patch path and a whole load and save as the user runs them: qiradb as a process, timed
// from its start to its end, and its peak memory. For each install of a known scale (tiny, game,
// max) a second install of the same scale is made with another seed, so that every row differs;
// `diff` compares the two with their language files, `patch` applies that diff to the first and
// writes both files, `rewrite --lang` loads and saves the first. `merge` merges two mods of the
// first into it: A changes the height of every third player, B renames every fourth team (its
// name is a language entry) and changes a value of every team. Beside them the core step a mod
// of a few values costs: a 10-value patch read and applied to the open game.

#include "bench_common.h"
#include "dbfile/game_fields.h"
#include "editing/open_game.h"
#include "patch/patch.h"
#include "patch/patch_json.h"
#include "peak_memory.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace qira::bench {
namespace {

// The second install and the patch between the two, made once per install.
struct process_inputs {
    scratch_dir dir;
    install other;
    std::filesystem::path patch;
    std::filesystem::path out_db, out_lang;
    bool ready = false;
};

std::map<std::string, std::unique_ptr<process_inputs>>& inputs() {
    static std::map<std::string, std::unique_ptr<process_inputs>> made;
    return made;
}

std::vector<std::string> diff_args(const install& in, const process_inputs& p) {
    return {"diff",   in.db_path().string(),   p.other.db_path().string(),
            "--lang", in.lang_path().string(), p.other.lang_path().string()};
}

std::vector<std::string> patch_args(const install& in, const process_inputs& p) {
    return {"patch",  in.db_path().string(),   p.patch.string(),   p.out_db.string(),
            "--lang", in.lang_path().string(), p.out_lang.string()};
}

std::vector<std::string> rewrite_args(const install& in, const process_inputs& p) {
    return {"rewrite", in.db_path().string(),   p.out_db.string(),
            "--lang",  in.lang_path().string(), p.out_lang.string()};
}

const process_inputs* prepare(const install& in) {
    auto& slot = inputs()[in.name];
    if (slot)
        return slot->ready ? slot.get() : nullptr;
    slot = std::make_unique<process_inputs>();
    process_inputs& p = *slot;
    p.other = {in.name + "-other", p.dir.path() / "other"};
    p.patch = p.dir.path() / "other.json";
    p.out_db = p.dir.path() / "qira.db";
    p.out_lang = p.dir.path() / "eng.db";
    p.ready = peak_resident_bytes(QIRADB_PATH, {"make-sample", p.other.dir.string(), "--scale",
                                                in.name, "--seed", "2"}) >= 0 &&
              peak_resident_bytes(QIRADB_PATH, diff_args(in, p), p.patch.string()) >= 0;
    return p.ready ? &p : nullptr;
}

void run_process(benchmark::State& state, const install& in,
                 std::vector<std::string> (*args)(const install&, const process_inputs&),
                 bool to_patch) {
    const process_inputs* p = prepare(in);
    if (p == nullptr) {
        state.SkipWithError("cannot make the second install or its patch");
        return;
    }
    const std::vector<std::string> a = args(in, *p);
    const std::string output = to_patch ? (p->dir.path() / "again.json").string() : std::string();
    for (auto _ : state)
        if (peak_resident_bytes(QIRADB_PATH, a, output) < 0) {
            state.SkipWithError("qiradb failed");
            return;
        }
}

void diff_process(benchmark::State& state, const install& in) {
    run_process(state, in, diff_args, true);
}
void patch_process(benchmark::State& state, const install& in) {
    run_process(state, in, patch_args, false);
}
void rewrite_process(benchmark::State& state, const install& in) {
    run_process(state, in, rewrite_args, false);
}

// A mod of ten values of players, read from its document and applied to the open game.
void apply_small_patch(benchmark::State& state, const install& in) {
    open_game a;
    if (!open_game_files(in.db_path(), in.lang_path(), a)) {
        state.SkipWithError("cannot open the install");
        return;
    }
    open_game b = a;
    const auto rows = b.db.rows(table_index::players);
    const auto slot = b.db.field_slot(table_index::players, player_field::height);
    if (!slot || rows.empty()) {
        state.SkipWithError("the install has no players");
        return;
    }
    for (std::size_t i = 0; i < 10; ++i) {
        auto& v = rows[(i * 997) % rows.size()].values[*slot];
        v = v == 0 ? 1 : v - 1;
    }
    const std::string json = patch_to_json(make_patch(a.db, &a.lang, b.db, &b.lang).value);
    for (auto _ : state) {
        state.PauseTiming();
        auto game = std::make_unique<open_game>(a);
        state.ResumeTiming();
        const result_of<patch> read = patch_from_json(json);
        if (!read.ok() || !apply_patch(*game, read.value).ok()) {
            state.SkipWithError("the patch does not apply");
            return;
        }
        state.PauseTiming();
        game.reset();
        state.ResumeTiming();
    }
}

// Two mods of the install, A of the players and B of the teams and their names, saved once per
// install.
struct merge_inputs {
    scratch_dir dir;
    install a, b;
    bool ready = false;
};

const merge_inputs* prepare_merge(const install& in) {
    static std::map<std::string, std::unique_ptr<merge_inputs>> made;
    auto& slot = made[in.name];
    if (slot)
        return slot->ready ? slot.get() : nullptr;
    slot = std::make_unique<merge_inputs>();
    merge_inputs& m = *slot;
    m.a = {in.name + "-a", m.dir.path() / "a"};
    m.b = {in.name + "-b", m.dir.path() / "b"};
    open_game base;
    if (!open_game_files(in.db_path(), in.lang_path(), base))
        return nullptr;
    open_game a = base, b = std::move(base);
    const auto height = a.db.field_slot(table_index::players, player_field::height);
    if (!height)
        return nullptr;
    auto players = a.db.rows(table_index::players);
    for (std::size_t r = 0; r < players.size(); r += 3)
        players[r].values[*height] ^= 1;
    auto teams = b.db.rows(table_index::teams);
    for (std::size_t r = 0; r < teams.size(); ++r) {
        if (!teams[r].values.empty())
            teams[r].values[0] ^= 1;
        const std::int32_t key = b.lang.names[table_index::teams].key_of(teams[r].keys[0], 0);
        if (r % 4 == 0 && b.lang.text_of(key) != nullptr)
            teams[r].names[0] = "Renamed " + std::to_string(r);
    }
    for (const install* mod : {&m.a, &m.b}) {
        std::filesystem::create_directories(mod->db_path().parent_path());
        std::filesystem::create_directories(mod->lang_path().parent_path());
    }
    m.ready = save_game_files(a, m.a.db_path(), m.a.lang_path()).ok() &&
              save_game_files(b, m.b.db_path(), m.b.lang_path()).ok();
    return m.ready ? &m : nullptr;
}

void merge_process(benchmark::State& state, const install& in) {
    const merge_inputs* m = prepare_merge(in);
    if (m == nullptr) {
        state.SkipWithError("cannot make the two mods");
        return;
    }
    const std::filesystem::path out = m->dir.path() / "out";
    const std::vector<std::string> args = {"merge",
                                           in.db_path().string(),
                                           m->a.db_path().string(),
                                           m->b.db_path().string(),
                                           (out / "qira.db").string(),
                                           "--lang",
                                           in.lang_path().string(),
                                           m->a.lang_path().string(),
                                           m->b.lang_path().string(),
                                           (out / "eng.db").string()};
    std::filesystem::create_directories(out);
    for (auto _ : state)
        if (peak_resident_bytes(QIRADB_PATH, args) < 0) {
            state.SkipWithError("qiradb failed");
            return;
        }
}

std::int64_t size_of(const std::filesystem::path& p) {
    std::error_code ec;
    const auto s = std::filesystem::file_size(p, ec);
    return ec ? 0 : static_cast<std::int64_t>(s);
}

} // namespace

void register_process_steps(const install& in) {
    if (in.name != "tiny" && in.name != "game" && in.name != "max")
        return;
    register_step("qiradb diff of two installs (process)", in, diff_process);
    register_step("qiradb patch of that diff (process)", in, patch_process);
    register_step("qiradb rewrite --lang (process)", in, rewrite_process);
    if (in.name == "max")
        register_step("qiradb merge of two max games (process)", in, merge_process);
    register_step("patch apply (10 changed values)", in, apply_small_patch);
}

std::vector<limit_row> process_memory(const install& in) {
    // Two limits: what the processes that open each game hold, at game and max scale; and, for
    // the largest games, where the files are most of what a process holds, the files' sizes.
    const process_inputs* p = in.name == "max" || in.name == "game" ? prepare(in) : nullptr;
    if (p == nullptr)
        return {};
    const std::int64_t a = size_of(in.db_path()) + size_of(in.lang_path());
    const std::int64_t b = size_of(p->other.db_path()) + size_of(p->other.lang_path());
    const std::int64_t patch = size_of(p->patch);
    // A game as a process holds it open: qiradb check of its two files.
    const auto opened = [](const install& game) {
        return peak_resident_bytes(
            QIRADB_PATH, {"check", game.db_path().string(), "--lang", game.lang_path().string()});
    };
    const std::int64_t open_a = opened(in), open_b = opened(p->other);
    const std::int64_t diff =
        peak_resident_bytes(QIRADB_PATH, diff_args(in, *p), (p->dir.path() / "x.json").string());
    const std::int64_t apply = peak_resident_bytes(QIRADB_PATH, patch_args(in, *p));
    std::vector<limit_row> rows{
        {"peak memory of qiradb diff", in.name, diff, open_a + open_b + patch,
         "the two games as opened and the patch"},
        {"peak memory of qiradb patch", in.name, apply, open_a + open_b + 2 * patch,
         "the game as opened before and after and twice the patch"},
    };
    if (in.name == "max") {
        rows.push_back({"peak memory of qiradb diff", in.name, diff, a + b + patch,
                        "the two games' files and the patch"});
        rows.push_back({"peak memory of qiradb patch", in.name, apply, a + b + 2 * patch,
                        "the game's files before and after and twice the patch"});
    }
    return rows;
}

std::filesystem::path other_install_patch(const install& in) {
    const process_inputs* p = prepare(in);
    return p != nullptr ? p->patch : std::filesystem::path();
}

void release_process_inputs() {
    inputs().clear();
}

} // namespace qira::bench
