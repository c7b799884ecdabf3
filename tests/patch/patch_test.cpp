// Patches between generated installs: a patch made from A to B turns A into B byte for byte and
// takes B back to A, conflicts where the game holds something else, and reads back from its JSON
// as it was written; a document that is no patch is refused with where and why.

#include "dbfile/bits.h"
#include "dbfile/build.h"
#include "patch/json_reader.h"
#include "patch/json_writer.h"
#include "patch/patch.h"
#include "patch/patch_edit.h"
#include "patch/patch_json.h"
#include "support/file_bytes.h"
#include "support/model_compare.h"
#include "testdata/sample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace qira {
namespace {

using namespace table_index;

// The document with the members of every object in reverse order: what a patch written by hand
// or by another program may look like.
std::string members_reversed(const std::string& json) {
    json_value doc;
    EXPECT_TRUE(parse_json(json, doc));
    std::string out;
    json_writer j(out);
    const auto write = [&](const auto& self, const json_value& v) -> void {
        if (v.type == json_value::kind::object) {
            j.begin_object();
            for (std::size_t i = v.names.size(); i-- > 0;) {
                j.key(v.names[i]);
                self(self, v.members[i]);
            }
            j.end_object();
        } else if (v.type == json_value::kind::array) {
            j.begin_array();
            for (const json_value& item : v.items)
                self(self, item);
            j.end_array();
        } else if (v.type == json_value::kind::string) {
            j.value(v.string);
        } else if (v.type == json_value::kind::integer) {
            j.value(v.integer);
        } else {
            j.null(); // a patch has no other values
        }
    };
    write(write, doc);
    j.flush();
    return out;
}

// Both files of a game in a folder.
struct game_files {
    std::filesystem::path db, lang;
};

game_files files_in(const std::filesystem::path& dir) {
    std::filesystem::create_directories(dir);
    return {dir / "qira.db", dir / "eng.db"};
}

open_game open_files(const game_files& f) {
    open_game g;
    EXPECT_TRUE(open_game_files(f.db, f.lang, g));
    return g;
}

void save_files(open_game& g, const game_files& f) {
    const game_result r = save_game_files(g, f.db, f.lang);
    ASSERT_TRUE(r) << r.message();
}

void expect_same_files(const game_files& x, const game_files& y) {
    EXPECT_TRUE(test::read_file(x.db) == test::read_file(y.db)) << x.db << " and " << y.db;
    EXPECT_TRUE(test::read_file(x.lang) == test::read_file(y.lang)) << x.lang << " and " << y.lang;
}

// Edits of the kinds a mod makes, on random rows of a game, keeping the raw words and row counts
// aligned with the rows as the editor's model needs them.
class mod_maker {
  public:
    mod_maker(open_game& g, std::uint32_t seed) : g_(g), rng_(seed) {}

    // Rows chosen from [from, to) of each table's rows (as fractions of the table).
    double from = 0.0, to = 1.0;

    int pick_table() { return static_cast<int>(rng_() % g_.db.tables.size()); }
    int pick_row(int t) {
        const int n = static_cast<int>(g_.db.rows(t).size());
        const int lo = static_cast<int>(from * n), hi = std::max(lo + 1, static_cast<int>(to * n));
        return std::min(n - 1, lo + static_cast<int>(rng_() % static_cast<unsigned>(hi - lo)));
    }

    void change_value(int t) {
        const db_table& table = g_.db.tables[t];
        if (g_.db.rows(t).empty() || table.packed_count == 0)
            return;
        const int slot = static_cast<int>(rng_() % static_cast<unsigned>(table.packed_count));
        const int w = field_width(table.fields[table.whole_word_count() + slot], t);
        const std::uint32_t mask = w >= 32 ? 0xFFFFFFFFu : (std::uint32_t{1} << w) - 1;
        g_.db.rows(t)[pick_row(t)].values[slot] = static_cast<std::uint32_t>(rng_()) & mask;
    }
    void change_text(int t) {
        const int cc = g_.db.tables[t].string_ref_count;
        if (g_.db.rows(t).empty() || cc == 0)
            return;
        static const char* const texts[] = {"M\xc3\xbcller", "bad \xff\xfe bytes", "", "Q \"x\""};
        g_.db.rows(t)[pick_row(t)].strings[rng_() % cc] = texts[rng_() % 4];
    }
    // A league, stadium or team name: saved into the language file as its entry.
    void change_name() {
        const int t = std::array{leagues, stadiums, teams}[rng_() % 3];
        if (g_.db.rows(t).empty())
            return;
        auto& row = g_.db.rows(t)[pick_row(t)];
        // Only a name the file holds: a new one would be appended to the entries on save.
        if (g_.lang.text_of(g_.lang.names[t].key_of(row.keys[0], 0)) != nullptr)
            row.names[0] = "Renamed " + std::to_string(rng_() % 1000);
    }
    void add_row(int t) {
        const int n = static_cast<int>(g_.db.rows(t).size());
        const auto w = static_cast<std::size_t>(g_.db.overall[t].words_per_row);
        if (n == 0 || n + 1 > max_rows || (n + 1) * w > max_row_words)
            return;
        const int at = pick_row(t);
        db_overall_data row = g_.db.rows(t)[pick_row(t)];
        row.keys[0] = 900000 + static_cast<std::int32_t>(rng_() % 100000);
        row.names = text_slots();
        insert(t, at, std::move(row), std::vector<std::uint32_t>(w, 0));
    }
    void remove_row(int t) {
        if (!g_.db.rows(t).empty())
            take(t, pick_row(t));
    }
    void move_row(int t) {
        if (g_.db.rows(t).size() < 2)
            return;
        const int r = pick_row(t);
        std::vector<std::uint32_t> words;
        db_overall_data row = take(t, r, &words);
        insert(t, pick_row(t), std::move(row), std::move(words));
    }
    // A new entry among the chosen part of the entries (none when the file is full).
    int pick_entry(int n) {
        const int lo = static_cast<int>(from * n), hi = std::max(lo + 1, static_cast<int>(to * n));
        return std::min(n - 1, lo + static_cast<int>(rng_() % static_cast<unsigned>(hi - lo)));
    }
    void add_entry() {
        std::vector<Tstring_table> entries = g_.lang.entries();
        if (entries.size() >= max_language_entries)
            return;
        const int at = pick_entry(static_cast<int>(entries.size()));
        entries.insert(entries.begin() + at, {5000000 + (from < 0.5 ? 0 : 1000) +
                                                  static_cast<std::int32_t>(rng_() % 1000),
                                              0, "new entry"});
        g_.lang.assign(std::move(entries));
    }
    void remove_entry() {
        std::vector<Tstring_table> entries = g_.lang.entries();
        // Entries below the names' keys: no row puts them back on save.
        const int i = pick_entry(static_cast<int>(entries.size()));
        if (entries[i].key < 10000000)
            entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
        g_.lang.assign(std::move(entries));
    }

    void random_edits(int count) {
        for (int i = 0; i < count; ++i) {
            const int t = pick_table();
            switch (rng_() % 9) {
            case 0:
            case 1:
                change_value(t);
                break;
            case 2:
                change_text(t);
                break;
            case 3:
                change_name();
                break;
            case 4:
                add_row(t);
                break;
            case 5:
                remove_row(t);
                break;
            case 6:
                move_row(t);
                break;
            case 7:
                add_entry();
                break;
            default:
                remove_entry();
            }
        }
    }

  private:
    void insert(int t, int at, db_overall_data row, std::vector<std::uint32_t> words) {
        auto& o = g_.db.overall[t];
        auto& b = g_.db.blocks[t].words;
        const auto w = static_cast<std::size_t>(o.words_per_row);
        o.rows.insert(o.rows.begin() + at, std::move(row));
        b.insert(b.begin() + static_cast<std::ptrdiff_t>(at * w), words.begin(), words.end());
        o.row_count = static_cast<std::int32_t>(o.rows.size());
    }
    db_overall_data take(int t, int r, std::vector<std::uint32_t>* words = nullptr) {
        auto& o = g_.db.overall[t];
        auto& b = g_.db.blocks[t].words;
        const auto w = static_cast<std::ptrdiff_t>(o.words_per_row);
        db_overall_data row = std::move(o.rows[static_cast<std::size_t>(r)]);
        o.rows.erase(o.rows.begin() + r);
        const auto first = b.begin() + r * w;
        if (words != nullptr)
            words->assign(first, first + w);
        b.erase(first, first + w);
        o.row_count = static_cast<std::int32_t>(o.rows.size());
        return row;
    }

    open_game& g_;
    std::mt19937 rng_;
};

class Patch : public ::testing::Test {
  protected:
    // Install A of the scale, and the files of A in a folder of their own.
    game_files make_a(sample_scale scale, std::uint64_t seed = 5) {
        EXPECT_TRUE(write_sample_install(dir / "install", {scale, seed}));
        const game_files a = files_in(dir / "a");
        open_game g;
        EXPECT_TRUE(open_game_files(install_database_path(dir / "install"),
                                    install_language_path(dir / "install", "eng"), g));
        save_files(g, a);
        return a;
    }
    // A with a mod's edits, saved as B.
    game_files make_b(const game_files& a, const std::string& name, std::uint32_t seed, int edits,
                      double from = 0.0, double to = 1.0) {
        open_game g = open_files(a);
        mod_maker m(g, seed);
        m.from = from;
        m.to = to;
        m.random_edits(edits);
        const game_files b = files_in(dir / name);
        save_files(g, b);
        return b;
    }
    patch diff(const game_files& a, const game_files& b) {
        const open_game x = open_files(a), y = open_files(b);
        result_of<patch> made = make_patch(x.db, &x.lang, y.db, &y.lang);
        EXPECT_TRUE(made.ok()) << made.message();
        return made.value;
    }
    // Applies to the game in `in` and saves into the folder `name`.
    game_files apply(const game_files& in, const patch& p, bool reverse, const std::string& name) {
        open_game g = open_files(in);
        const patch_applied done = apply_patch(g, p, reverse);
        EXPECT_TRUE(done.ok()) << done.conflicts.front().message();
        return save_as(g, name);
    }
    game_files save_as(open_game& g, const std::string& name) {
        const game_files out = files_in(dir / name);
        save_files(g, out);
        return out;
    }

    // Every property of one A and B: the patch turns A into B and back, reads back from its
    // JSON, and does not apply twice.
    void round_trip(const game_files& a, const game_files& b) {
        const patch p = diff(a, b);
        ASSERT_FALSE(p.empty());
        const std::string json = patch_to_json(p);
        const result_of<patch> back = patch_from_json(json);
        ASSERT_TRUE(back.ok()) << back.message();
        EXPECT_TRUE(back.value == p);
        // Every member that needs another (rows their table's fields, values their row's keys)
        // coming before it reads the same.
        const result_of<patch> reordered = patch_from_json(members_reversed(json));
        ASSERT_TRUE(reordered.ok()) << reordered.message();
        EXPECT_TRUE(reordered.value == p);

        const game_files forward = apply(a, back.value, false, "forward");
        expect_same_files(forward, b);
        const game_files backward = apply(b, back.value, true, "backward");
        expect_same_files(backward, a);
        // As one undo step: undone, the files of A; redone, those of B.
        open_game stepped = open_files(a);
        const patch_step step = apply_patch_step(stepped, back.value);
        ASSERT_TRUE(step.ok());
        undo(stepped, step.made);
        expect_same_files(save_as(stepped, "undone"), a);
        redo(stepped, step.made);
        expect_same_files(save_as(stepped, "redone"), b);

        open_game twice = open_files(forward);
        const open_game before = open_files(forward);
        EXPECT_FALSE(apply_patch(twice, p, false).ok());
        test::expect_same_model(twice.db, before.db);
        open_game original = open_files(a);
        EXPECT_FALSE(apply_patch(original, p, true).ok());
        EXPECT_TRUE(diff(a, a).empty());
    }

    test::temp_dir dir;
};

TEST_F(Patch, TurnsATinyGameIntoAnotherAndBack) {
    const game_files a = make_a(sample_scale::tiny);
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        round_trip(a, make_b(a, "b" + std::to_string(seed), seed, 40));
    }
}

TEST_F(Patch, TurnsAGameSizedInstallIntoAnotherAndBack) {
    const game_files a = make_a(sample_scale::game);
    round_trip(a, make_b(a, "b", 11, 300));
}

TEST_F(Patch, TurnsAMaxSizedInstallIntoAnotherAndBack) {
    const game_files a = make_a(sample_scale::max);
    round_trip(a, make_b(a, "b", 12, 200));
}

TEST_F(Patch, TwoInstallsOfOtherSeedsDifferInEveryTable) {
    const game_files a = make_a(sample_scale::tiny, 1);
    open_game other;
    ASSERT_TRUE(write_sample_install(dir / "other", {sample_scale::tiny, 2}));
    ASSERT_TRUE(open_game_files(install_database_path(dir / "other"),
                                install_language_path(dir / "other", "eng"), other));
    const game_files b = files_in(dir / "b");
    save_files(other, b);
    round_trip(a, b);
}

TEST_F(Patch, PatchesOfDifferentRowsApplyInEitherOrder) {
    const game_files a = make_a(sample_scale::tiny);
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const patch first = diff(a, make_b(a, "first", seed, 25, 0.0, 0.45));
        const patch second = diff(a, make_b(a, "second", seed + 100, 25, 0.55, 1.0));
        const game_files one = apply(apply(a, first, false, "1"), second, false, "12");
        const game_files other = apply(apply(a, second, false, "2"), first, false, "21");
        expect_same_files(one, other);
    }
}

// A small game of two tables: players with keys, and a table without key fields.
class SmallPatch : public ::testing::Test {
  protected:
    void SetUp() override {
        add_table(game.db,
                  {"players", {"id"}, {"x"}, {"name"}, {{"talent", 0, 15}, {"height", 0, 255}}});
        add_table(game.db, {"rules", {}, {}, {}, {{"v", 0, 255}}});
        for (int id : {10, 20, 20, 30}) {
            auto& row = add_row(game.db, 0);
            row.keys[0] = id;
            row.strings[0] = "player " + std::to_string(id);
            row.values = {1, 178};
        }
        for (std::uint32_t v : {1u, 2u, 3u})
            add_row(game.db, 1).values = {v};
        game.lookups.rebuild(game.db);
    }
    patch from_here_to(const open_game& other) {
        result_of<patch> made = make_patch(game.db, nullptr, other.db, nullptr);
        EXPECT_TRUE(made.ok()) << made.message();
        return made.value;
    }
    open_game game;
};

TEST_F(SmallPatch, AConflictNamesTableRowFieldAndBothValues) {
    open_game b = game;
    b.db.rows(0)[3].values[1] = 181;
    const patch p = from_here_to(b);
    ASSERT_EQ(p.tables.size(), 1u);
    ASSERT_EQ(p.tables[0].changed.size(), 1u);
    EXPECT_EQ(p.tables[0].changed[0].row, (row_id{{30, 0, 0, 0}, 0}));

    game.db.rows(0)[3].values[1] = 179;
    const database held = game.db;
    const patch_applied done = apply_patch(game, p);
    ASSERT_EQ(done.conflicts.size(), 1u);
    EXPECT_EQ(done.conflicts[0].message(),
              "players: player 30 (keys 30, rank 0) field height: holds 179, patch expects 178");
    test::expect_same_model(game.db, held);
    EXPECT_EQ(check_patch(game.db, nullptr, p), done.conflicts);

    // A row or a field listed twice could not be taken back: refused.
    patch twice = p;
    twice.tables[0].changed.push_back(twice.tables[0].changed[0]);
    field_change held_before = twice.tables[0].changed[0].fields[0];
    held_before.before.number = 179;
    twice.tables[0].changed[0].fields.set(0, held_before);
    EXPECT_EQ(check_patch(game.db, nullptr, twice).back().message(),
              "players: player 30 (keys 30, rank 0): the patch lists it twice");
    twice.tables[0].changed.pop_back();
    twice.tables[0].changed[0].fields.push_back(twice.tables[0].changed[0].fields[0]);
    EXPECT_EQ(check_patch(game.db, nullptr, twice).back().message(),
              "players: player 30 (keys 30, rank 0): the patch changes field 4 twice");
}

TEST_F(SmallPatch, RowsWithEqualKeysAreFoundByRank) {
    open_game b = game;
    b.db.overall[0].rows.erase(b.db.overall[0].rows.begin() + 1); // the first of the two 20s
    b.db.overall[0].row_count = 3;
    b.db.rows(0)[1].strings[0] = "the second 20";
    const patch p = from_here_to(b);
    ASSERT_EQ(p.tables.size(), 1u);
    // Matched by rank: the 20 of rank 0 stays and changes, the one of rank 1 goes.
    ASSERT_EQ(p.tables[0].removed.size(), 1u);
    EXPECT_EQ(p.tables[0].removed[0].row.rank, 1);
    EXPECT_EQ(p.tables[0].removed[0].after, (row_id{{20, 0, 0, 0}, 0}));
    ASSERT_TRUE(apply_patch(game, p).ok());
    test::expect_same_model(game.db, b.db);
    EXPECT_EQ(game.db.overall[0].row_count, 3);
    EXPECT_EQ(game.db.blocks[0].words.size(), 3u * game.db.overall[0].words_per_row);
}

TEST_F(SmallPatch, RowsOfATableWithoutKeysAreTheirPositions) {
    open_game b = game;
    b.db.rows(1)[1].values[0] = 9;
    add_row(b.db, 1).values = {4};
    const patch p = from_here_to(b);
    ASSERT_EQ(p.tables.size(), 1u);
    EXPECT_EQ(p.tables[0].changed[0].row.rank, 1);
    ASSERT_EQ(p.tables[0].added.size(), 1u);
    EXPECT_EQ(p.tables[0].added[0].after, (row_id{{}, 2}));
    open_game c = game;
    ASSERT_TRUE(apply_patch(c, p).ok());
    test::expect_same_model(c.db, b.db);
    // A table without keys is checked by its row count: the patch does not apply twice.
    const auto again = apply_patch(c, p);
    ASSERT_FALSE(again.ok());
    EXPECT_EQ(again.conflicts[0].message(), "rules holds 4 rows, patch expects 3");
}

TEST_F(SmallPatch, AMovedRowKeepsTheWordsNoFieldCovers) {
    // A word after the packed values that no field covers, different in every row.
    game.db.overall[0].words_per_row += 1;
    open_game a;
    const std::vector<std::uint8_t> bytes = serialize_database(game.db);
    ASSERT_TRUE(parse_database(bytes, "a.db", nullptr, a.db));
    const auto w = static_cast<std::size_t>(a.db.overall[0].words_per_row);
    for (std::size_t r = 0; r < 4; ++r)
        a.db.blocks[0].words[r * w + w - 1] = 0x5EED0000u + static_cast<std::uint32_t>(r);

    // The row of 10 moves to the end, with its words.
    open_game b = a;
    auto& rows = b.db.overall[0].rows;
    auto& words = b.db.blocks[0].words;
    std::rotate(rows.begin(), rows.begin() + 1, rows.end());
    std::rotate(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(w), words.end());
    const patch p = make_patch(a.db, nullptr, b.db, nullptr).value;
    ASSERT_EQ(p.tables.size(), 1u);
    ASSERT_EQ(p.tables[0].removed.size(), 1u);
    ASSERT_EQ(p.tables[0].added.size(), 1u);
    ASSERT_TRUE(apply_patch(a, p).ok());
    EXPECT_EQ(a.db.blocks[0].words, b.db.blocks[0].words);
    EXPECT_EQ(serialize_database(a.db), serialize_database(b.db));
}

TEST_F(SmallPatch, AddedRowsThatAreThereOrFollowAMissingRowConflict) {
    open_game b = game;
    auto& row = add_row(b.db, 0);
    row.keys[0] = 40;
    const patch p = from_here_to(b);
    open_game c = b;
    auto conflicts = apply_patch(c, p).conflicts;
    ASSERT_EQ(conflicts.size(), 1u);
    EXPECT_EQ(conflicts[0].message(), "players: keys 40, rank 0: already there, patch adds it");

    c = game;
    c.db.overall[0].rows.pop_back(); // the row 30 that the new row follows
    c.db.overall[0].row_count = 3;
    conflicts = apply_patch(c, p).conflicts;
    ASSERT_EQ(conflicts.size(), 1u);
    EXPECT_EQ(conflicts[0].message(),
              "players: keys 40, rank 0: the row it follows (keys 30, rank 0) is missing");
}

TEST_F(SmallPatch, ARowTooManyForTheTableIsRefused) {
    open_game full = game;
    for (int i = 4; i < max_rows; ++i)
        add_row(full.db, 0).keys[0] = 1000 + i;
    open_game more = full;
    add_row(more.db, 0).keys[0] = 5;
    result_of<patch> made = make_patch(full.db, nullptr, more.db, nullptr);
    ASSERT_TRUE(made.ok());
    const auto conflicts = apply_patch(full, made.value).conflicts;
    ASSERT_EQ(conflicts.size(), 1u);
    EXPECT_NE(conflicts[0].message().find("players would hold 11002 rows"), std::string::npos)
        << conflicts[0].message();
    EXPECT_EQ(full.db.overall[0].row_count, max_rows);
}

TEST_F(SmallPatch, AnotherTableIsRefusedAtTheFirstDifference) {
    open_game b = game;
    b.db.tables[1].name = "regulations";
    EXPECT_EQ(make_patch(game.db, nullptr, b.db, nullptr).message(),
              "table 1 is \"rules\" in the first, \"regulations\" in the second");
    b = game;
    b.db.tables[0].fields[4].descriptor_b = 4095;
    EXPECT_EQ(make_patch(game.db, nullptr, b.db, nullptr).message(),
              "table 0 field height is 8 bits wide in the first, 12 in the second");
    b = game;
    b.db.tables[0].fields[2].name = "label";
    EXPECT_NE(make_patch(game.db, nullptr, b.db, nullptr).message().find("field 2 is \"name\""),
              std::string::npos);

    // A patch for another table does not apply.
    b = game;
    b.db.rows(1)[0].values[0] = 7;
    const patch p = from_here_to(b);
    open_game renamed = game;
    renamed.db.tables[1].name = "regulations";
    const auto conflicts = apply_patch(renamed, p).conflicts;
    ASSERT_EQ(conflicts.size(), 1u);
    EXPECT_EQ(conflicts[0].message(), "table 1 is \"regulations\", the patch is for \"rules\"");
}

TEST_F(SmallPatch, LanguageEntriesChangeTheLocalizedNames) {
    // A game whose table 1 carries localized names: two leagues.
    open_game g;
    g.has_language = true;
    add_table(g.db, {"nations", {"id"}, {}, {}, {{"v", 0, 255}}});
    add_table(g.db, {"leagues", {"id"}, {}, {}, {{"v", 0, 255}}});
    add_row(g.db, 1).keys[0] = 1;
    add_row(g.db, 1).keys[0] = 2;
    g.lang.assign({{7, 0, "seven"}, {10000010, 0, "First League"}, {10000020, 0, "Second"}});
    attach_names(g.lang, g.db);

    open_game b = g;
    b.lang.assign({{10000010, 0, "Premier League"}, {10000020, 0, "Second"}, {8, 0, "eight"}});
    attach_names(b.lang, b.db);
    result_of<patch> made = make_patch(g.db, &g.lang, b.db, &b.lang);
    ASSERT_TRUE(made.ok());
    const language_patch& lp = made.value.language;
    ASSERT_EQ(lp.changed.size(), 1u);
    EXPECT_EQ(lp.changed[0].before, "First League");
    ASSERT_EQ(lp.removed.size(), 1u);
    EXPECT_EQ(lp.removed[0].entry.key, 7);
    ASSERT_EQ(lp.added.size(), 1u);
    EXPECT_EQ(lp.added[0].after, (entry_id{10000020, 0}));
    EXPECT_TRUE(made.value.tables.empty()); // names are no row changes

    const patch_applied done = apply_patch(g, made.value);
    ASSERT_TRUE(done.ok());
    EXPECT_TRUE(done.language);
    EXPECT_EQ(g.db.rows(1)[0].names[0], "Premier League");
    ASSERT_EQ(g.lang.string_count(), 3u);
    EXPECT_EQ(g.lang.entry(2).text, "eight");

    // A name edited in the window and not saved yet counts as what the game holds.
    g.db.rows(1)[0].names[0] = "Typed";
    const auto conflicts = apply_patch(g, reversed(made.value)).conflicts;
    ASSERT_EQ(conflicts.size(), 1u);
    EXPECT_EQ(conflicts[0].message(),
              "language entry key 10000010: holds \"Typed\", patch expects \"Premier League\"");

    // Without a language file, a patch of language entries does not apply.
    open_game bare = g;
    bare.has_language = false;
    EXPECT_FALSE(apply_patch(bare, made.value).ok());
}

// A row's field changes read back as they were put in, whatever their numbers and texts (also a
// text beside a number, as a malformed patch may hold them): pushed, replaced, swapped twice.
TEST(FieldChanges, GiveBackWhatWasPutIn) {
    std::mt19937 rng(7);
    const std::vector<std::string> texts{"",        "Mazur", "\xc5\x81ukasz",
                                         "Ni\xf1o", "\xff",  std::string(40, 'x')};
    const auto any = [&] {
        return cell_value{static_cast<std::uint32_t>(rng()), texts[rng() % texts.size()]};
    };
    for (int round = 0; round < 50; ++round) {
        std::vector<field_change> held;
        field_changes list;
        for (std::size_t n = rng() % 12; n-- > 0;) {
            held.push_back({static_cast<int>(rng() % 80), any(), any()});
            list.push_back(held.back());
        }
        if (!held.empty()) {
            const std::size_t i = rng() % held.size();
            held[i] = {static_cast<int>(rng() % 80), any(), any()};
            list.set(i, held[i]);
        }
        ASSERT_EQ(list.size(), held.size());
        EXPECT_TRUE(std::equal(list.begin(), list.end(), held.begin(), held.end()));
        field_changes copy = list;
        copy.swap_sides();
        for (std::size_t i = 0; i < held.size(); ++i)
            EXPECT_EQ(copy[i], (field_change{held[i].field, held[i].after, held[i].before}));
        EXPECT_EQ(copy == list,
                  held.empty() || std::all_of(held.begin(), held.end(), [](const field_change& fc) {
                      return fc.before == fc.after;
                  }));
        copy.swap_sides();
        EXPECT_EQ(copy, list);
    }
}

TEST(PatchJson, TextsKeepTheirStoredBytes) {
    patch p;
    p.has_language = true;
    p.language.changed.push_back({{5, 0}, "M\xc3\xbcller \xff\x80", "\"q\"\n\\ \xf0\x9f\x98\x80"});
    const std::string json = patch_to_json(p);
    EXPECT_NE(json.find("\"M\xc3\xbcller \\udcff\\udc80\""), std::string::npos) << json;
    const result_of<patch> back = patch_from_json(json);
    ASSERT_TRUE(back.ok()) << back.message();
    EXPECT_TRUE(back.value == p);
    // Escapes another writer may use read as the characters they stand for.
    const result_of<patch> other = patch_from_json(
        R"({"format": "qira-db-patch", "version": 1, "tables": [], "language": {"changed": )"
        R"([{"key": 5, "rank": 0, "before": "\u00fc\ud83d\ude00\/", "after": ""}], )"
        R"("removed": [], "added": []}})");
    ASSERT_TRUE(other.ok()) << other.message();
    EXPECT_EQ(other.value.language.changed[0].before, "\xc3\xbc\xf0\x9f\x98\x80/");
}

TEST(PatchJson, ADocumentThatIsNoPatchIsRefusedSayingWhere) {
    const std::string head = R"({"format": "qira-db-patch", "version": 1, "tables": )";
    const std::string table =
        R"([{"index": 4, "name": "players", "fields": ["id", "height"], )"
        R"("kinds": {"keys": 1, "extras": 0, "strings": 0, "packed": 1}, )"
        R"("rows_before": 1, "rows_after": 1, "changed": [{"keys": [1], "rank": 0, )";
    const std::string tail = R"(]}], "removed": [], "added": []}]})";
    const std::pair<std::string, std::string> cases[] = {
        {"", "not valid JSON: line 1 column 1: the document ends where a value should be"},
        {"{\"format\": \"qira-db-patch\",\n \"version\": 1,", "not valid JSON: line 2"},
        {R"({"format": "qira-db-patch", "version": 2, "tables": []})", "version 2 is not known"},
        {R"({"format": "something", "version": 1, "tables": []})", "format: \"something\" is"},
        {R"({"format": "qira-db-patch", "version": 1})", "the member \"tables\" is missing"},
        {R"({"format": "qira-db-patch", "format": "x"})", "appears twice"},
        // The document is read as it comes; a problem of its JSON further on still comes first.
        {R"({"format": "something", "version": 1, "tables": [} )", "not valid JSON: line 1"},
        {R"({"tables": [{"index": 15}], "format": "qira-db-patch", "version": 1})",
         "tables[0].index: 15 is out of range"},
        {R"({"tables": [{"index": 15}], "version": 1, "format": "x"})", "format: \"x\" is"},
        {head + "{}}", "tables: expected an array"},
        {head + table + R"("fields": [{"field": "height", "before": "178", "after": 181})" + tail,
         "tables[0].changed[0].fields[0].before: expected a whole number"},
        {head + table + R"("fields": [{"field": "height", "before": 1.5, "after": 181})" + tail,
         "before: expected a whole number"},
        // A number that is no 32-bit one: a value that does not fit its field, at its row.
        {head + table + R"("fields": [{"field": "height", "before": 4294967296, "after": 1})" +
             tail,
         "players: keys 1, rank 0 (changed by the patch) field height: 4294967296 does not fit in "
         "32 bits"},
        {head + R"([{"index": 4, "name": "players", "fields": ["id", "height"], )"
                R"("kinds": {"keys": 1, "extras": 0, "strings": 0, "packed": 1}, )"
                R"("rows_before": 1, "rows_after": 2, "changed": [], "removed": [], "added": )"
                R"([{"keys": [7], "rank": 0, "after": null, "extras": [], "strings": [], )"
                R"("values": [-1]}]}]})",
         "players: keys 7, rank 0 (added by the patch) field height: -1 does not fit in 32 bits"},
        // Names and texts of the document are quoted with their control bytes escaped.
        {head + table + "\"fields\": [{\"field\": \"\\u001b[2J\", \"before\": 1, \"after\": 2}" +
             tail,
         "the table has no field \"\\u001b[2J\""},
        {head + table + R"("fields": [{"field": "weight", "before": 1, "after": 2})" + tail,
         "the table has no field \"weight\""},
        {head + table + R"("fields": [{"field": "id", "before": 1, "after": 2})" + tail,
         "\"id\" is a key field"},
        {head + R"([{"index": 15}]})", "tables[0].index: 15 is out of range"},
        {R"({"x": "\udc41"})", "a lone low surrogate"},
        {R"({"x": "\ud800"})", "a high surrogate escape without its low half"},
        {"{\"x\": \"\xff\"}", "not valid UTF-8"},
        {std::string(100, '[') + std::string(100, ']'), "nested deeper"},
        {R"({"format": "qira-db-patch"} x)", "unexpected text after the document"},
        {R"([01])", "leading zero"},
    };
    for (const auto& [text, expected] : cases) {
        const result_of<patch> r = patch_from_json(text);
        EXPECT_FALSE(r.ok()) << text;
        EXPECT_NE(r.message().find(expected), std::string::npos)
            << text << "\n  gave: " << r.message();
        EXPECT_TRUE(r.value.empty());
    }
}

TEST(PatchJson, APatchFileIsRefusedByNameAndWrittenWhole) {
    test::temp_dir dir;
    test::write_file(dir / "mod.json", {'{', '}'});
    patch p;
    const result r = load_patch_file(dir / "mod.json", p);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.message().rfind("mod.json is not a valid patch: ", 0), 0u) << r.message();

    table_patch tp;
    tp.index = 3;
    tp.name = "t";
    tp.fields = {"id"};
    tp.kinds = {1, 0, 0, 0};
    tp.rows_before = 1;
    placed_row gone;
    gone.row.keys[0] = 1;
    gone.contents.keys[0] = 1;
    tp.removed.push_back(gone);
    p.tables.push_back(tp);
    ASSERT_TRUE(save_patch_file(dir / "mod.json", p));
    patch back;
    ASSERT_TRUE(load_patch_file(dir / "mod.json", back));
    EXPECT_TRUE(back == p);
}

} // namespace
} // namespace qira
