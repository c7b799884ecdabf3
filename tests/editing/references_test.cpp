// The list of references and the naming of rows, on a generated install and on rows changed on
// purpose (names missing, ids repeated, texts that are not UTF-8).

#include "editing/open_game.h"
#include "editing/references.h"
#include "editing/row_titles.h"
#include "support/file_bytes.h"
#include "testdata/sample.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qira {
namespace {

using namespace table_index;

class References : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new test::temp_dir;
        ASSERT_TRUE(write_sample_install(dir_->path(), {sample_scale::tiny, 3}));
        opened_ = new open_game;
        ASSERT_TRUE(open_game_files(install_database_path(dir_->path()),
                                    install_language_path(dir_->path(), "eng"), *opened_));
    }
    static void TearDownTestSuite() {
        delete opened_;
        delete dir_;
    }
    void SetUp() override { db = opened_->db; }
    db_overall_data& row(int t, int r) { return db.rows(t)[static_cast<std::size_t>(r)]; }

    static test::temp_dir* dir_;
    static open_game* opened_;
    database db;
};
test::temp_dir* References::dir_ = nullptr;
open_game* References::opened_ = nullptr;

// Every reference of the list is a numeric column of the generated tables (a misspelt field
// name would silently show no names), found again from its column, and names rows that exist.
TEST_F(References, EveryReferenceIsAColumnOfTheGeneratedTablesAndNamesRows) {
    for (const reference_field& r : reference_fields()) {
        SCOPED_TRACE(std::to_string(r.table) + " " + std::string(r.name) + " -> " +
                     std::to_string(r.target));
        const int column = reference_column(db, r);
        ASSERT_GE(column, 0);
        EXPECT_EQ(reference_at(db, r.table, column), &r);
        const named_rows named(db, r.target);
        const field_place at = place_of_field(db.tables[static_cast<std::size_t>(r.table)], column);
        for (const auto& holder : db.rows(r.table)) {
            const auto id = reference_id(at.part, cell_number(holder, at));
            EXPECT_TRUE(named.row_of(id) >= 0 || (id == 0 && r.zero_is_none)) << id;
        }
    }
    EXPECT_EQ(reference_at(db, players, 0), nullptr); // a player's own id names nothing
}

TEST_F(References, RowsAreNamedByTheirTable) {
    row(players, 0).strings = {"Łukasz", "", "Mazur"};
    row(players, 1).strings = {"Edson", "Pelé", "Nascimento"};
    row(players, 2).strings = {"", "", "Solo"};
    row(3, 0).strings = {"Pierluigi", "Collina"};
    row(leagues, 0).names[0] = "";
    row(leagues, 0).strings = {"name", "Label"};
    row(stadiums, 0).names[0] = std::string("Est\xe1"
                                            "dio",
                                            7); // not UTF-8: kept as stored
    const struct {
        int table, row;
        std::string expected;
    } cases[] = {
        {players, 0, "Łukasz Mazur"},
        {players, 1, "Pelé"},
        {players, 2, "Solo"},
        {3, 0, "Pierluigi Collina"},
        {leagues, 0, "Label"},
        {stadiums, 0,
         std::string("Est\xe1"
                     "dio",
                     7)},
        {teams, 0, db.rows(teams)[0].names[0]},
        {nations, 0, db.rows(nations)[0].strings[0]},
        {kits, 0, ""},
        {players, 99999, ""},
        {77, 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(row_name(db, c.table, c.row), c.expected) << c.table << " " << c.row;
}

// Every list and message names a row by its table, its name, its keys and its rank among the rows
// with those keys, so the same row keeps its title when rows before it move.
TEST_F(References, ARowIsTitledByItsTableNameKeysAndRank) {
    row(players, 0).strings = {"\xc5\x81ukasz", "", "Mazur"};
    row(players, 2).keys[0] = row(players, 0).keys[0]; // a second row with that id
    row(players, 2).strings = {"", "", ""};
    row(stadiums, 0).names[0] = std::string("Est\xe1"
                                            "dio\x1b",
                                            8);
    db.tables[fixtures].key_count = 0; // rows found by their position
    const std::string p0 = std::to_string(row(players, 0).keys[0]);
    const db_overall_data& link = row(team_players, 3);
    const struct {
        int table, row;
        std::string expected;
    } cases[] = {
        {players, 0, "players: \xc5\x81ukasz Mazur (keys " + p0 + ", rank 0)"},
        {players, 2, "players: keys " + p0 + ", rank 1"},
        {team_players, 3,
         "teamplayers: keys " + std::to_string(link.keys[0]) + " " + std::to_string(link.keys[1]) +
             ", rank 0"},
        {stadiums, 0,
         "stadiums: Est\\udce1dio\\u001b (keys " + std::to_string(row(stadiums, 0).keys[0]) +
             ", rank 0)"},
        {fixtures, 4, "fixtures: rank 4"},
    };
    const row_titles titles(db);
    for (const auto& c : cases) {
        EXPECT_EQ(titles.of(c.table, c.row), c.expected) << c.table << " " << c.row;
        EXPECT_EQ(row_title(db, c.table, c.row), c.expected) << c.table << " " << c.row;
    }
}

TEST_F(References, AReferenceShowsTheFirstRowWithItsIdOrTheNumberAlone) {
    row(players, 0).strings = {"Łukasz", "", "Mazur"};
    row(players, 3).keys[0] = row(players, 0).keys[0]; // a repeated id: the first row counts
    row(players, 4).strings = {"", "", ""};
    const named_rows named(db, players);
    const std::int64_t id = row(players, 0).keys[0];
    EXPECT_EQ(reference_text(named, id), "Łukasz Mazur (" + std::to_string(id) + ")");
    EXPECT_EQ(named.row_of(id), 0);
    EXPECT_EQ(reference_text(named, row(players, 4).keys[0]),
              std::to_string(row(players, 4).keys[0]));
    for (const std::int64_t none : {std::int64_t{999999}, std::int64_t{-1}, std::int64_t{1} << 32})
        EXPECT_EQ(reference_text(named, none), std::to_string(none));
    // A value word past 2^31 - 1 names no row; a key is read signed.
    EXPECT_EQ(reference_id(row_part::value, 0xFFFFFFFFu), 4294967295);
    EXPECT_EQ(reference_id(row_part::key, 0xFFFFFFFFu), -1);

    const auto choices = named.choices();
    EXPECT_EQ(choices.size(), db.rows(players).size() - 1); // one per id
    EXPECT_TRUE(std::is_sorted(choices.begin(), choices.end(),
                               [](const auto& a, const auto& b) { return a.row < b.row; }));
}

// A captain is picked from his team's players; a nation from every nation.
TEST_F(References, ChoicesFollowTheReferencesScope) {
    const auto* captain = reference_at(
        db, team_settings,
        reference_column(db, *std::find_if(reference_fields().begin(), reference_fields().end(),
                                           [](const auto& r) {
                                               return r.scope == reference_scope::team_player;
                                           })));
    ASSERT_NE(captain, nullptr);
    const named_rows named(db, players);
    const std::int32_t team = row(team_settings, 0).keys[0];
    std::vector<std::int32_t> members;
    for (const auto& link : db.rows(team_players))
        if (link.keys[0] == team)
            members.push_back(link.keys[1]);
    const auto choices = reference_choices(db, named, *captain, 0);
    ASSERT_EQ(choices.size(), members.size());
    for (std::size_t i = 0; i < choices.size(); ++i) {
        EXPECT_EQ(choices[i].id, members[i]);
        EXPECT_EQ(choices[i].text, reference_text(named, members[i]));
    }
    const auto* nation = reference_at(db, players, reference_column(db, reference_fields()[5]));
    ASSERT_NE(nation, nullptr);
    EXPECT_EQ(reference_choices(db, named_rows(db, nations), *nation, 0).size(),
              db.rows(nations).size());
}

} // namespace
} // namespace qira
