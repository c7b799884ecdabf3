// Block edits of the grid: copy and paste as spreadsheets exchange cells, fill and adjust, each
// all or nothing and one undo step, on a generated install's rows with texts that are not UTF-8.

#include "editing/block_edits.h"
#include "editing/open_game.h"
#include "support/file_bytes.h"
#include "support/model_compare.h"
#include "testdata/sample.h"

#include <gtest/gtest.h>

namespace qira {
namespace {

using namespace table_index;

class BlockEdits : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(write_sample_install(dir.path(), {sample_scale::tiny, 9}));
        ASSERT_TRUE(open_game_files(install_database_path(dir.path()),
                                    install_language_path(dir.path(), "eng"), game));
        opened = game;
    }
    int column(const char* name) {
        const auto& f = game.db.tables[players].fields;
        for (std::size_t i = 0; i < f.size(); ++i)
            if (f[i].name == name)
                return static_cast<int>(i);
        return -1;
    }
    std::string text(int row, int col) {
        return cell_text(game.db, column_cell(game.db, players, row, col));
    }
    test::temp_dir dir;
    open_game game, opened;
};

// What is copied pastes back to the same bytes, in the view's order, wherever it goes; texts
// with tabs, quotes, line breaks and bytes that are not UTF-8 survive.
TEST_F(BlockEdits, CopiedCellsPasteBackExactly) {
    auto p = game.db.rows(players);
    p[4].strings[0] = "Tab\there \"q\"\r\nM\xfcller";
    opened = game;
    const int first = 1; // a text column and the numbers after it
    const grid_block view{players, {9, 4, 2, 7}, {first, first + 1, column("height"), 0}};
    const std::string copied = copy_block(game.db, view);
    ASSERT_EQ(split_tab_text(copied).size(), 4u);

    // Pasted two rows down in a view of other rows: those rows now read as the copied ones.
    const grid_block other{players, {0, 1, 3, 5, 6, 8}, view.columns};
    const block_outcome pasted = paste_block(game, other, 2, 0, copied);
    ASSERT_TRUE(pasted.ok()) << pasted.message();
    EXPECT_EQ(pasted.cells, 16u);
    for (std::size_t i = 0; i < 4; ++i)
        for (int c : view.columns) {
            EXPECT_EQ(cell_text(game.db, column_cell(game.db, players, other.rows[i + 2], c)),
                      cell_text(opened.db, column_cell(opened.db, players, view.rows[i], c)));
        }
    undo(game, pasted.made);
    test::expect_same_model(game.db, opened.db);
}

TEST_F(BlockEdits, AProblemAnywhereChangesNothing) {
    const grid_block view{players, {0, 1, 2}, {column("height"), column("weight")}};
    const struct {
        const char* text;
        const char* refusal;
        const char* problem;
    } cases[] = {
        {"180\t80\n181\t81\n182\t82\n183\t83\n",
         "past the last shown row: it has 4 rows, and 3 rows are shown", ""},
        {"180\t80\t1\n", "past the last shown column: it has 3 columns, and 2 columns are", ""},
        {"180\t80\n181\ttall\n", "1 value does not fit", "\"tall\" is not a whole number"},
        {"99999\t80\n", "1 value does not fit", "does not fit in"},
        {"", "nothing to paste", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const block_outcome out = paste_block(game, view, 0, 0, c.text);
        EXPECT_NE(out.message().find(c.refusal), std::string::npos) << out.message();
        if (*c.problem) {
            ASSERT_FALSE(out.problems.empty());
            EXPECT_NE(out.problems[0].message().find(c.problem), std::string::npos)
                << out.problems[0].message();
            // Each problem is at its cell: the row of the table and the field.
            EXPECT_TRUE(out.problems[0].where.row && out.problems[0].where.field);
        }
        EXPECT_TRUE(out.made.empty());
        test::expect_same_model(game.db, opened.db);
    }
}

TEST_F(BlockEdits, FillAndAdjustHoldValuesInTheFieldsRange) {
    const int stamina = column("stamina");
    const grid_block view{players, {0, 1, 2, 3}, {stamina}};
    const block_outcome filled = fill_block(game, view, "99");
    ASSERT_TRUE(filled.ok()) << filled.message();
    EXPECT_EQ(text(3, stamina), "99");

    const int width =
        value_width(game.db, players, column_cell(game.db, players, 0, stamina).index);
    const auto highest = (1u << width) - 1;
    const block_outcome added = adjust_column(game, players, {0, 1}, stamina, adjust_kind::add,
                                              static_cast<double>(highest));
    ASSERT_TRUE(added.ok());
    EXPECT_EQ(added.clamped, 2u); // 99 + highest passes the end
    EXPECT_EQ(text(0, stamina), std::to_string(highest));

    const block_outcome halved =
        adjust_column(game, players, {0}, stamina, adjust_kind::multiply, 0.5);
    EXPECT_EQ(text(0, stamina), std::to_string((highest + 1) / 2)); // rounded half up
    const block_outcome key = adjust_column(game, players, {0}, 0, adjust_kind::add, 1.0);
    EXPECT_NE(key.message().find("is a key"), std::string::npos);

    for (const auto* step : {&halved, &added, &filled})
        undo(game, step->made);
    test::expect_same_model(game.db, opened.db);
}

// A factor typed as a decimal rounds as that decimal does, halves away from zero, though the
// binary number for it lies a little below or above.
TEST_F(BlockEdits, AMultiplyRoundsTheTypedFactor) {
    const int stamina = column("stamina");
    const struct {
        const char* value;
        double factor;
        const char* expected;
    } cases[] = {{"50", 1.15, "58"}, {"45", 0.7, "32"}, {"25", 0.58, "15"}, {"5", 0.5, "3"},
                 {"7", 0.3, "2"},    {"40", 1.1, "44"}, {"3", 0.1, "0"},    {"9", -1.0, "0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.value) + " * " + std::to_string(c.factor));
        const block_outcome set = fill_block(game, {players, {0}, {stamina}}, c.value);
        ASSERT_TRUE(set.ok()) << set.message();
        const block_outcome out =
            adjust_column(game, players, {0}, stamina, adjust_kind::multiply, c.factor);
        ASSERT_TRUE(out.ok()) << out.message();
        EXPECT_EQ(text(0, stamina), c.expected);
    }
}

} // namespace
} // namespace qira
