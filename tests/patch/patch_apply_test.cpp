// A patch applied to the tiny install goes through the cell and row operations of the grid: a
// value its field cannot hold is a conflict worded as the grid refuses it, and nothing changes;
// the undo step holds the cells, rows and language entries it changed, and undo and redo give
// back the bytes a save wrote.

#include "editing/references.h"
#include "editing/table_edits.h"
#include "patch/patch.h"
#include "patch/patch_edit.h"
#include "patch/patch_json.h"
#include "support/file_bytes.h"
#include "testdata/sample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>

namespace qira {
namespace {

using namespace table_index;

class PatchApply : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(write_sample_install(dir / "install", {sample_scale::tiny, 3}));
        ASSERT_TRUE(open_game_files(install_database_path(dir / "install"),
                                    install_language_path(dir / "install", "eng"), game));
        opened = saved("opened");
    }
    // Both files as a save writes them now.
    std::pair<std::vector<std::uint8_t>, std::vector<std::uint8_t>> saved(const std::string& as) {
        std::filesystem::create_directories(dir / as);
        EXPECT_TRUE(save_game_files(game, dir / as / "qira.db", dir / as / "eng.db"));
        return {test::read_file(dir / as / "qira.db"), test::read_file(dir / as / "eng.db")};
    }
    // The patch from the game to a copy edited by `edit`.
    patch patch_to(const std::function<void(open_game&)>& edit) {
        open_game b = game;
        edit(b);
        result_of<patch> made = make_patch(game.db, &game.lang, b.db, &b.lang);
        EXPECT_TRUE(made.ok()) << made.message();
        return made.value;
    }
    int field(int t, const std::string& name) const {
        const auto& fields = game.db.tables[t].fields;
        for (std::size_t f = 0; f < fields.size(); ++f)
            if (fields[f].name == name)
                return static_cast<int>(f);
        ADD_FAILURE() << name;
        return 0;
    }

    test::temp_dir dir;
    open_game game;
    std::pair<std::vector<std::uint8_t>, std::vector<std::uint8_t>> opened;
};

TEST_F(PatchApply, AValueItsFieldCannotHoldIsAConflictAndNothingChanges) {
    const int height = field(players, "height"), surname = field(players, "surname");
    const int slot = height - game.db.tables[players].whole_word_count();
    const int r = 1;
    // Conflicts name a row by its table, name, keys and rank.
    const std::string row = "players: " + row_name(game.db, players, r) + " (keys " +
                            std::to_string(game.db.rows(players)[r].keys[0]) + ", rank 0)";
    ASSERT_EQ(row, row_titles(game.db).of(players, r));
    // A valid patch: one height changed and a player added after the last.
    const patch valid = patch_to([&](open_game& b) {
        b.db.rows(players)[r].values[slot] ^= 1;
        change ignored;
        db_overall_data added = b.db.rows(players)[0];
        added.keys[0] = 900001;
        insert_row(b, ignored, players, static_cast<int>(b.db.rows(players).size()), added);
    });
    ASSERT_EQ(valid.tables.size(), 1u);
    ASSERT_EQ(valid.tables[0].changed.size(), 1u);
    ASSERT_EQ(valid.tables[0].added.size(), 1u);
    const std::string added_row =
        "players: " + row_name(game.db, players, 0) + " (keys 900001, rank 0)";
    const std::string added = added_row + " (added by the patch)";
    // The first field change of the patch, changed by `spoil`.
    const auto change_field = [](patch& p, const std::function<void(field_change&)>& spoil) {
        field_change fc = p.tables[0].changed[0].fields[0];
        spoil(fc);
        p.tables[0].changed[0].fields.set(0, fc);
    };
    const auto text_of = [&](int f) {
        return cell_value{0, game.db.rows(players)[r].strings[f - 2]};
    };
    const struct {
        const char* what;
        std::function<void(patch&)> spoil;
        std::string conflict;
    } cases[] = {
        {"a value wider than its field",
         [&](patch& p) { change_field(p, [](field_change& fc) { fc.after.number = 300; }); },
         row + " field height: 300 does not fit in 8 bits"},
        {"an added row's value wider than its field",
         [&](patch& p) { p.tables[0].added[0].contents.values[slot] = 256; },
         added + " field height: 256 does not fit in 8 bits"},
        {"a text for a number",
         [&](patch& p) { change_field(p, [](field_change& fc) {
                             fc.after = {0, "tall"};
                         }); },
         row + " field height: \"tall\" is not a whole number"},
        {"a number for a text",
         [&](patch& p) {
             p.tables[0].changed[0].fields.push_back({surname, text_of(surname), {7, ""}});
         },
         row + " field surname: 7 is not a text"},
        {"an added row with too few values",
         [](patch& p) { p.tables[0].added[0].contents.values.pop_back(); },
         added_row + ": the added row has 27 values, the table 28"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        patch p = valid;
        c.spoil(p);
        for (bool reverse : {false, true}) {
            const patch& use = reverse ? reversed(p) : p;
            const patch_step step = apply_patch_step(game, use, reverse);
            ASSERT_EQ(step.conflicts.size(), 1u);
            EXPECT_EQ(step.conflicts[0].message(), c.conflict);
            EXPECT_TRUE(step.made.empty());
            EXPECT_EQ(apply_patch(game, use, reverse).conflicts, step.conflicts);
            EXPECT_EQ(check_patch(game.db, &game.lang, use, reverse), step.conflicts);
            EXPECT_TRUE(saved("after") == opened);
        }
    }
    // Read from a document, the value that does not fit is refused the same way.
    patch wide = valid;
    change_field(wide, [](field_change& fc) { fc.after.number = 300; });
    result_of<patch> read = patch_from_json(patch_to_json(wide));
    ASSERT_TRUE(read.ok()) << read.message();
    EXPECT_EQ(messages(apply_patch(game, read.value).conflicts),
              std::vector<std::string>{row + " field height: 300 does not fit in 8 bits"});
}

TEST_F(PatchApply, TheBitsOfARowThePatchHoldsAreCheckedAndMustFitTheTable) {
    // A player whose row carries bits no field covers is removed; another's bits change.
    const std::vector<std::uint32_t> mask = undecoded_mask(game.db, players);
    const std::size_t needed = mask.size();
    const auto g = static_cast<std::size_t>(
        std::find_if(mask.begin(), mask.end(), [](std::uint32_t m) { return m != 0; }) -
        mask.begin());
    ASSERT_LT(g, needed);
    const std::uint32_t bit = mask[g] & (~mask[g] + 1);
    int r = 0;
    while (undecoded_words(game.db, players, static_cast<std::size_t>(r)).empty())
        ++r;
    const int other = r + 1;
    const auto w = static_cast<std::size_t>(game.db.overall[players].words_per_row);
    const patch valid = patch_to([&](open_game& b) {
        b.db.blocks[players].words[static_cast<std::size_t>(other) * w + (w - needed) + g] ^= bit;
        change ignored;
        remove_row(b, ignored, players, r);
    });
    ASSERT_EQ(valid.tables.size(), 1u);
    ASSERT_EQ(valid.tables[0].removed.size(), 1u);
    ASSERT_EQ(valid.tables[0].changed.size(), 1u);
    ASSERT_EQ(valid.tables[0].removed[0].contents.stored.size(), needed);
    const std::string removed_row = row_titles(game.db).of(players, r);
    const std::string changed_row = row_titles(game.db).of(players, other);
    const auto length = [&](const std::string& row, const char* role, std::size_t words) {
        return row + " (" + role + "): \"stored\" holds " + std::to_string(words) +
               " words, the table's rows need " + std::to_string(needed);
    };
    const auto removed = [](patch& p) -> std::vector<std::uint32_t>& {
        return p.tables[0].removed[0].contents.stored;
    };
    const struct {
        const char* what;
        std::function<void(patch&)> spoil;
        std::string conflict;
    } cases[] = {
        {"a removed row whose bits differ from the row's", [&](patch& p) { removed(p)[g] ^= bit; },
         removed_row +
             " (removed by the patch) the bits no field covers are not what the patch expects"},
        {"a removed row without the bits the row has", [&](patch& p) { removed(p).clear(); },
         removed_row +
             " (removed by the patch) the bits no field covers are not what the patch expects"},
        {"a removed row's bits one word too long", [&](patch& p) { removed(p).push_back(1); },
         length(removed_row, "removed by the patch", needed + 1)},
        {"a removed row's bits one word short", [&](patch& p) { removed(p).pop_back(); },
         length(removed_row, "removed by the patch", needed - 1)},
        {"a changed row's bits one word too long",
         [&](patch& p) {
             p.tables[0].changed[0].stored_before.push_back(1);
             p.tables[0].changed[0].stored_after.push_back(1);
         },
         length(changed_row, "changed by the patch", needed + 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        patch p = valid;
        c.spoil(p);
        const patch_step step = apply_patch_step(game, p);
        EXPECT_EQ(messages(step.conflicts), std::vector<std::string>{c.conflict});
        EXPECT_TRUE(step.made.empty());
        EXPECT_TRUE(saved("after") == opened);
    }
    // Words past the table's that hold nothing lose nothing: the removed and the changed row too.
    patch padded = valid;
    removed(padded).push_back(0);
    padded.tables[0].changed[0].stored_before.push_back(0);
    padded.tables[0].changed[0].stored_after.push_back(0);
    EXPECT_EQ(messages(check_patch(game.db, &game.lang, padded)), std::vector<std::string>{});
    // Taken back, a row added with bits that are not the table's length is refused too.
    patch back = valid;
    removed(back).push_back(1);
    ASSERT_TRUE(apply_patch_step(game, valid).ok());
    EXPECT_EQ(messages(apply_patch_step(game, back, true).conflicts),
              std::vector<std::string>{length(removed_row, "added by the patch", needed + 1)});
    const patch_step undone = apply_patch_step(game, valid, true);
    ASSERT_TRUE(undone.ok()) << undone.conflicts.front().message();
    EXPECT_TRUE(saved("back") == opened);
}

TEST_F(PatchApply, TheUndoStepHoldsWhatChangedAndGivesTheSavedBytesBack) {
    const int height = field(players, "height") - game.db.tables[players].whole_word_count();
    const struct {
        const char* what;
        std::function<void(open_game&)> edit;
        std::size_t cells, rows, entries;
    } cases[] = {
        {"one field", [&](open_game& b) { b.db.rows(players)[2].values[height] ^= 3; }, 1, 0, 0},
        {"a row moved and one removed",
         [](open_game& b) {
             change ignored;
             db_overall_data moved = b.db.rows(team_players)[0];
             remove_row(b, ignored, team_players, 0);
             insert_row(b, ignored, team_players, 3, std::move(moved));
             remove_row(b, ignored, players, 5);
         },
         0, 3, 0},
        // The entry changes, and the team's name follows it.
        {"a team's name", [](open_game& b) { b.db.rows(teams)[1].names[0] = "Renamed FC"; }, 1, 0,
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const patch p = patch_to(c.edit);
        patch_step step = apply_patch_step(game, p);
        ASSERT_TRUE(step.ok()) << step.conflicts.front().message();
        EXPECT_EQ(step.made.cells.size(), c.cells);
        EXPECT_EQ(step.made.rows.size(), c.rows);
        EXPECT_TRUE(step.made.tables.empty());
        EXPECT_EQ(step.made.entries.size(), c.entries);
        // Far less than a table or the language file: the cells, rows and entries alone.
        EXPECT_LT(step.made.memory(), 2048u);
        const auto applied = saved("applied");
        undo(game, step.made);
        EXPECT_TRUE(saved("undone") == opened);
        redo(game, step.made);
        EXPECT_TRUE(saved("redone") == applied);
        undo(game, step.made);
    }
}

TEST_F(PatchApply, TheBitsNoFieldCoversAreSeenAppliedCheckedAndUndone) {
    // Two players swap the data no field covers: only the diff of those bits shows it.
    const auto w = static_cast<std::size_t>(game.db.overall[players].words_per_row);
    const patch p = patch_to([&](open_game& b) {
        auto& words = b.db.blocks[players].words;
        std::swap_ranges(words.begin() + static_cast<std::ptrdiff_t>(w - 1),
                         words.begin() + static_cast<std::ptrdiff_t>(w),
                         words.begin() + static_cast<std::ptrdiff_t>(2 * w - 1));
    });
    ASSERT_EQ(p.change_count(), 2u);
    const result_of<patch> back = patch_from_json(patch_to_json(p));
    ASSERT_TRUE(back.ok()) << back.message();
    EXPECT_TRUE(back.value == p);

    patch_step step = apply_patch_step(game, p);
    ASSERT_TRUE(step.ok()) << step.conflicts.front().message();
    EXPECT_EQ(step.made.words.size(), 2u);
    EXPECT_TRUE(step.made.cells.empty() && step.made.rows.empty());
    const auto edited = saved("edited");
    EXPECT_NE(edited.first, opened.first);
    // Applied again, the bits are no longer what the patch expects.
    EXPECT_EQ(check_patch(game.db, &game.lang, p).size(), 2u);
    undo(game, step.made);
    EXPECT_TRUE(saved("undone") == opened);
    redo(game, step.made);
    EXPECT_TRUE(saved("redone") == edited);
}

TEST_F(PatchApply, ATableSavedEmptyIsComparedAndFilledAgain) {
    // Saved without rows, the players' table is read back narrower (the width its fields need):
    // the two games still compare, and the patch fills the table again, but for the rows whose
    // bits no field covers do not fit the narrower rows: those are refused, rather than cut.
    open_game emptied = game;
    std::vector<int> all(game.db.rows(players).size());
    std::iota(all.begin(), all.end(), 0);
    ASSERT_TRUE(delete_rows(emptied, players, all).ok());
    ASSERT_TRUE(save_game_files(emptied, dir / "emptied.db", dir / "emptied-eng.db"));
    open_game reopened;
    ASSERT_TRUE(open_game_files(dir / "emptied.db", dir / "emptied-eng.db", reopened));
    ASSERT_LT(reopened.db.overall[players].words_per_row, game.db.overall[players].words_per_row);
    result_of<patch> made = make_patch(reopened.db, &reopened.lang, game.db, &game.lang);
    ASSERT_TRUE(made.ok()) << made.message();
    const std::size_t needed = undecoded_mask(reopened.db, players).size();
    std::size_t cut = 0;
    for (const placed_row& pr : made.value.tables[0].added)
        cut += pr.contents.stored.size() > needed &&
               std::any_of(pr.contents.stored.begin() + static_cast<std::ptrdiff_t>(needed),
                           pr.contents.stored.end(), [](std::uint32_t w) { return w != 0; });
    ASSERT_GT(cut, 0u);
    const auto refused = check_patch(reopened.db, &reopened.lang, made.value);
    ASSERT_EQ(refused.size(), cut);
    EXPECT_NE(refused[0].message().find("(added by the patch): \"stored\" holds " +
                                        std::to_string(game.db.overall[players].words_per_row -
                                                       reopened.db.overall[players].words_per_row +
                                                       needed) +
                                        " words, the table's rows need " + std::to_string(needed)),
              std::string::npos)
        << refused[0].message();
    // Without those bits, the table is filled again.
    for (placed_row& pr : made.value.tables[0].added)
        if (pr.contents.stored.size() > needed)
            pr.contents.stored.resize(needed);
    const patch_step step = apply_patch_step(reopened, made.value);
    ASSERT_TRUE(step.ok()) << step.conflicts.front().message();
    ASSERT_EQ(reopened.db.rows(players).size(), game.db.rows(players).size());
    for (std::size_t r = 0; r < game.db.rows(players).size(); ++r)
        ASSERT_EQ(reopened.db.rows(players)[r].values, game.db.rows(players)[r].values) << r;
}

TEST(PatchFile, AByteOrderMarkBeforeTheDocumentIsRead) {
    const std::string doc = R"({"format": "qira-db-patch", "version": 1, "tables": []})";
    const result_of<patch> read = patch_from_json("\xEF\xBB\xBF" + doc);
    EXPECT_TRUE(read.ok()) << read.message();
    EXPECT_FALSE(patch_from_json("\xEF\xBB" + doc).ok());
}

} // namespace
} // namespace qira
