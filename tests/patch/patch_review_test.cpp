// A patch reviewed against the tiny install with an unsaved edit: every change listed once, the
// one the edit spoiled a conflict, rows that move ticked together, and whatever is ticked makes a
// patch that applies and is undone to the same bytes.

#include "editing/change.h"
#include "patch/patch_edit.h"
#include "patch/patch_review.h"
#include "support/file_bytes.h"
#include "testdata/sample.h"

#include <gtest/gtest.h>

#include <random>

namespace qira {
namespace {

using namespace table_index;

class PatchReview : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(write_sample_install(dir / "install", {sample_scale::tiny, 3}));
        ASSERT_TRUE(open_game_files(install_database_path(dir / "install"),
                                    install_language_path(dir / "install", "eng"), game));
        height = *game.db.field_slot(players, "height");
        // The mod: two fields (one text not UTF-8), a row removed, a row moved to the end, a
        // player added and a team renamed (a language entry).
        modded = game;
        change ignored;
        const auto rows = modded.db.rows(players);
        rows[1].values[static_cast<std::size_t>(height)] ^= 3;
        rows[2].strings[2] = std::string("M\xfcller", 6);
        db_overall_data added = rows[0];
        added.keys[0] = 900001;
        added.strings = {"Ann", "", "Nowak"};
        const db_overall_data moved = rows[4];
        remove_row(modded, ignored, players, 5);
        remove_row(modded, ignored, players, 4);
        const auto count = [&] { return static_cast<int>(modded.db.rows(players).size()); };
        insert_row(modded, ignored, players, count(), moved);
        insert_row(modded, ignored, players, count(), added);
        modded.db.rows(teams)[1].names[0] = "Renamed FC";
        result_of<patch> made = make_patch(game.db, &game.lang, modded.db, &modded.lang);
        ASSERT_TRUE(made.ok()) << made.message();
        mod = made.value;
        // An unsaved edit of the session spoils the height change.
        game.db.rows(players)[1].values[static_cast<std::size_t>(height)] ^= 8;
        before = saved("before");
    }
    std::pair<std::vector<std::uint8_t>, std::vector<std::uint8_t>> saved(const std::string& as) {
        std::filesystem::create_directories(dir / as);
        EXPECT_TRUE(save_game_files(game, dir / as / "qira.db", dir / as / "eng.db"));
        return {test::read_file(dir / as / "qira.db"), test::read_file(dir / as / "eng.db")};
    }
    std::size_t change_where(const patch_review& review, const std::string& text) {
        for (std::size_t c = 0; c < review.change_count(); ++c)
            if (review.line(c).find(text) != std::string::npos)
                return c;
        ADD_FAILURE() << "no change shows " << text;
        return 0;
    }

    test::temp_dir dir;
    open_game game, modded;
    patch mod;
    int height = 0;
    std::pair<std::vector<std::uint8_t>, std::vector<std::uint8_t>> before;
};

TEST_F(PatchReview, ListsEveryChangeAndMarksWhatTheSessionChanged) {
    const patch_review review(game, mod);
    EXPECT_EQ(review.change_count(), mod.change_count()); // one per change
    ASSERT_EQ(review.conflict_count(), 1u);
    const std::size_t spoiled = change_where(review, " field height: ");
    ASSERT_NE(review.conflict(spoiled), nullptr);
    EXPECT_EQ(review.line(spoiled).rfind("! players: ", 0), 0u) << review.line(spoiled);
    EXPECT_NE(review.line(spoiled).find("(conflict: holds "), std::string::npos);
    EXPECT_FALSE(review.ticked(spoiled));
    EXPECT_TRUE(review.can_tick(spoiled));
    EXPECT_EQ(review.ticked_count(), review.change_count() - 1);
    // Texts are quoted with their bytes that are not UTF-8 escaped; added rows whole.
    EXPECT_NE(review.line(change_where(review, "field surname")).find("\"M\\udcfcller\""),
              std::string::npos);
    const std::string added = review.line(change_where(review, ": added (playerid 900001"));
    EXPECT_EQ(added.rfind("  players: Ann Nowak (keys 900001, rank 0): added (", 0), 0u) << added;
    EXPECT_NE(review.line(change_where(review, "\"Renamed FC\"")).find("language entry key "),
              std::string::npos);
    // The moved row is removed and added again: unticking one unticks both.
    patch_review editable(game, mod);
    const std::string moved = std::to_string(game.db.rows(players)[4].keys[0]);
    const std::size_t gone = change_where(editable, "(keys " + moved + ", rank 0): removed");
    EXPECT_EQ(editable.tick(gone, false).size(), 2u);
    EXPECT_EQ(editable.ticked_count(), editable.change_count() - 3);
    // A folded search finds a row by what it shows.
    EXPECT_TRUE(editable.row_matches(editable.row_of(gone), "removed"));
    EXPECT_TRUE(
        editable.row_matches(editable.row_of(change_where(editable, "Renamed")), "renamed fc"));
    EXPECT_FALSE(editable.row_matches(editable.row_of(gone), "renamed fc"));
}

// The counts of every row and group stay those of its changes through any ticking, and ticking
// a range leaves its conflicts alone unless asked.
TEST_F(PatchReview, CountsFollowTheTicks) {
    patch_review review(game, mod);
    const auto check_counts = [&] {
        std::vector<patch_review::counts> rows(review.rows().size()),
            groups(review.groups().size());
        for (std::size_t c = 0; c < review.change_count(); ++c)
            for (patch_review::counts* n :
                 {&rows[review.row_of(c)], &groups[review.rows()[review.row_of(c)].group]}) {
                ++n->changes;
                n->ticked += review.ticked(c) ? 1 : 0;
                n->conflicts += review.conflict(c) ? 1 : 0;
                n->locked += review.can_tick(c) ? 0 : 1;
            }
        const auto same = [](const patch_review::counts& a, const patch_review::counts& b) {
            return a.changes == b.changes && a.ticked == b.ticked && a.conflicts == b.conflicts &&
                   a.locked == b.locked;
        };
        for (std::size_t r = 0; r < rows.size(); ++r)
            ASSERT_TRUE(same(review.row_counts(r), rows[r])) << review.row_title(r);
        for (std::size_t g = 0; g < groups.size(); ++g)
            ASSERT_TRUE(same(review.group_counts(g), groups[g])) << review.group_title(g);
    };
    check_counts();
    for (std::size_t r = 0; r < review.rows().size(); ++r)
        EXPECT_EQ(review.row_field_count(r), review.row_fields(r).size()) << review.row_title(r);
    const std::size_t spoiled = change_where(review, " field height: ");
    const std::size_t g = review.rows()[review.row_of(spoiled)].group;
    const auto [first, end] = review.group_changes(g);
    ASSERT_TRUE(first <= spoiled && spoiled < end);
    (void)review.tick_range(first, end, false, false);
    EXPECT_EQ(review.group_counts(g).ticked, 0u);
    (void)review.tick_range(first, end, true, false);
    EXPECT_FALSE(review.ticked(spoiled));
    EXPECT_EQ(review.tick_range(first, end, true, true), std::vector<std::size_t>{spoiled});
    check_counts();
    std::mt19937 random(11);
    for (int round = 0; round < 40; ++round) {
        const std::size_t a = random() % review.change_count();
        const std::size_t b = random() % review.change_count();
        switch (random() % 3) {
        case 0:
            (void)review.tick(a, random() % 2 != 0);
            break;
        case 1:
            (void)review.tick_range(std::min(a, b), std::max(a, b) + 1, random() % 2 != 0,
                                    random() % 2 != 0);
            break;
        default:
            review.tick_all(random() % 2 != 0);
        }
        check_counts();
    }
}

// Whatever is ticked, the patch of it applies without conflict, and undoing it gives the bytes
// back; everything ticked, the spoiled change over what the session holds, makes the mod.
TEST_F(PatchReview, AnyTickedChoiceAppliesAndUndoes) {
    std::mt19937 random(37);
    for (int round = 0; round < 24; ++round) {
        SCOPED_TRACE(round);
        patch_review review(game, mod);
        for (std::size_t c = 0; c < review.change_count(); ++c)
            (void)review.tick(c, random() % 3 != 0);
        const patch chosen = review.ticked_patch();
        EXPECT_TRUE(check_patch(game.db, &game.lang, chosen).empty())
            << check_patch(game.db, &game.lang, chosen)[0].message();
        const patch_step step = apply_patch_step(game, chosen);
        ASSERT_TRUE(step.ok());
        undo(game, step.made);
        EXPECT_TRUE(saved("undone") == before);
    }
    patch_review review(game, mod);
    for (std::size_t c = 0; c < review.change_count(); ++c)
        (void)review.tick(c, true);
    EXPECT_EQ(review.ticked_count(), review.change_count());
    ASSERT_TRUE(apply_patch_step(game, review.ticked_patch()).ok());
    const auto made = saved("made");
    game = modded;
    EXPECT_TRUE(saved("modded") == made);
}

} // namespace
} // namespace qira
