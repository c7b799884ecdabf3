// The edits of the pages on an open game, without a window: each applied, undone, redone and
// applied again; the model after an undo equals the model before, and the lookups follow.

#include "dbfile/build.h"
#include "editing/edits.h"
#include "editing/open_game.h"
#include "support/failing_ops.h"
#include "support/file_bytes.h"
#include "support/model_compare.h"
#include "testdata/sample.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qira {
namespace {

using namespace table_index;

open_options editor_options() {
    open_options o;
    o.require_editor_parts = true;
    return o;
}

class Edits : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(write_sample_install(dir.path(), {sample_scale::tiny, 3}));
        ASSERT_TRUE(open_game_files(install_database_path(dir.path()),
                                    install_language_path(dir.path(), "eng"), game,
                                    editor_options()));
        ASSERT_TRUE(open_game_files(install_database_path(dir.path()),
                                    install_language_path(dir.path(), "eng"), opened));
    }
    // Undo gives the model as opened, redo the edited one, and both twice over.
    void expect_undo_redo(const change& c) {
        ASSERT_FALSE(c.empty());
        const database edited = game.db;
        for (int round = 0; round < 2; ++round) {
            undo(game, c);
            test::expect_same_model(game.db, opened.db);
            redo(game, c);
            test::expect_same_model(game.db, edited);
        }
    }
    db_overall_data& row(int t, int r) { return game.db.rows(t)[static_cast<std::size_t>(r)]; }
    std::uint32_t player_value(int r, const char* field) {
        return row(players, r)
            .values[static_cast<std::size_t>(*game.db.field_slot(players, field))];
    }
    // A team with at least `links` links, as its row.
    int team_with_links(std::size_t links) {
        const auto rows = game.db.rows(teams);
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (game.lookups.team_links(rows[r].keys[0]).size() >= links &&
                find_settings(game, rows[r].keys[0], "captain"))
                return static_cast<int>(r);
        ADD_FAILURE() << "no team with " << links << " links";
        return 0;
    }

    test::temp_dir dir;
    open_game game;
    open_game opened;
};

TEST_F(Edits, LeagueApplyUndoRedo) {
    const change c = apply_league(game, 0, {"Long", "Short", 3});
    EXPECT_EQ(row(leagues, 0).names[0], "Long");
    EXPECT_EQ(row(leagues, 0).names[1], "Short");
    EXPECT_EQ(row(leagues, 0).values[1], 3u);
    EXPECT_TRUE(c.touches(leagues, 0));
    EXPECT_FALSE(c.touches(leagues, 1));
    expect_undo_redo(c);
    // The same values again change nothing: no step.
    EXPECT_TRUE(apply_league(game, 0, {"Long", "Short", 3}).empty());
    // A row that does not exist is no edit.
    EXPECT_TRUE(apply_league(game, 100000, {"x", "y", 1}).empty());
}

TEST_F(Edits, TeamApplyWritesTheTeamItsLinksAndItsSettings) {
    const int r = team_with_links(3);
    const std::int32_t id = row(teams, r).keys[0];
    const auto own =
        std::vector<int>(game.lookups.team_links(id).begin(), game.lookups.team_links(id).end());
    team_values v;
    v.names = {"Full", "Five5", "Ten"};
    v.prestige = 7;
    v.attack = 2;
    v.formation = 9;
    v.stadium_row = 1;
    v.roster = {{99, 3}, {98, 4}}; // the third link and later stay
    const auto third = row(team_players, own[2]).values;
    v.captain = static_cast<std::uint32_t>(row(team_players, own[1]).keys[1]);
    const change c = apply_team(game, r, v);

    EXPECT_EQ(row(teams, r).names[1], "Five5");
    EXPECT_EQ(row(teams, r).values[17], 7u);
    EXPECT_EQ(row(teams, r).values[5], 9u);
    EXPECT_EQ(row(teams, r).values[12], static_cast<std::uint32_t>(row(stadiums, 1).keys[0]));
    EXPECT_EQ(row(team_players, own[0]).values[0], 99u);
    EXPECT_EQ(row(team_players, own[1]).values[1], 4u);
    EXPECT_EQ(row(team_players, own[2]).values[0], third[0]);
    const auto captain = find_settings(game, id, "captain");
    ASSERT_TRUE(captain);
    EXPECT_EQ(row(team_settings, captain->row).values[static_cast<std::size_t>(captain->slot)],
              *v.captain);
    EXPECT_TRUE(c.touches(team_settings, captain->row));
    EXPECT_TRUE(c.touches(team_players, own[0]));
    expect_undo_redo(c);
}

TEST_F(Edits, PlayerApplyRelabelsTheLookupsAndUndoPutsTheOldLabelBack) {
    const std::string old_label = player_label(row(players, 5));
    const int first_with_label = game.lookups.player_by_label(old_label);
    player_values v;
    v.names = {"Łukasz", "", "Zzyzx"};
    v.fields = {{"height", 190}, {"talent", 4}, {"no such field", 1}};
    const change c = apply_player(game, 5, v);
    EXPECT_EQ(player_label(row(players, 5)), "Łukasz  Zzyzx");
    EXPECT_EQ(player_value(5, "height"), 190u);
    EXPECT_EQ(game.lookups.player_by_label("Łukasz  Zzyzx"), 5);
    expect_undo_redo(c);
    undo(game, c);
    EXPECT_EQ(game.lookups.player_by_label("Łukasz  Zzyzx"), -1);
    EXPECT_EQ(game.lookups.player_by_label(old_label), first_with_label);
    redo(game, c);
    EXPECT_EQ(game.lookups.player_by_label("Łukasz  Zzyzx"), 5);
}

TEST_F(Edits, ExchangeAcrossTeamsAndBack) {
    const auto links = game.db.rows(team_players);
    int a = 0, b = -1;
    for (std::size_t l = 1; l < links.size() && b < 0; ++l)
        if (links[l].keys[0] != links[0].keys[0] && links[l].keys[1] != links[0].keys[1])
            b = static_cast<int>(l);
    ASSERT_GE(b, 0);
    const auto pa = links[0].keys[1], pb = links[static_cast<std::size_t>(b)].keys[1];
    const change c = exchange_players(game, a, b);
    EXPECT_EQ(row(team_players, a).keys[1], pb);
    EXPECT_EQ(row(team_players, b).keys[1], pa);
    EXPECT_EQ(c.cells.size(), 2u);
    // Everything else of the rows stays in place.
    EXPECT_EQ(row(team_players, a).values[0], opened.db.rows(team_players)[0].values[0]);
    expect_undo_redo(c);
    EXPECT_TRUE(exchange_players(game, a, a).empty());
}

TEST_F(Edits, ExchangeOfAPlayerLinkedToTwoTeams) {
    // National-team players of the sample also play for a club.
    const auto links = game.db.rows(team_players);
    int twice = -1, other = -1;
    for (std::size_t l = 0; l < links.size() && twice < 0; ++l)
        for (std::size_t m = 0; m < l; ++m)
            if (links[l].keys[1] == links[m].keys[1] && links[l].keys[0] != links[m].keys[0]) {
                twice = static_cast<int>(l);
                other = static_cast<int>(m);
                break;
            }
    ASSERT_GE(twice, 0);
    const std::int32_t player = links[static_cast<std::size_t>(twice)].keys[1];
    EXPECT_EQ(find_team_link(game, links[static_cast<std::size_t>(twice)].keys[0], player), twice);
    EXPECT_EQ(first_link_of_player(game, player), other);
    const int partner = twice == 0 ? 1 : twice - 1;
    const change c = exchange_players(game, twice, partner);
    EXPECT_EQ(row(team_players, other).keys[1], player); // his other link stays
    expect_undo_redo(c);
}

TEST_F(Edits, ChangedKeysAndInternalNamesRebuildTheLookups) {
    change c;
    const std::int32_t id = row(teams, 2).keys[0];
    set_cell(game, c, {teams, 2, row_part::key, 0}, {777777, {}});
    EXPECT_EQ(game.lookups.team_by_key(777777), 2);
    EXPECT_NE(game.lookups.team_by_key(id), 2);
    set_cell(game, c, {teams, 2, row_part::text, 1}, {0, "Renamed FC"});
    EXPECT_EQ(game.lookups.team_by_label("Renamed FC"), 2);
    // A cell set twice keeps its first "before".
    set_cell(game, c, {teams, 2, row_part::key, 0}, {888888, {}});
    EXPECT_EQ(c.cells.size(), 2u);
    undo(game, c);
    EXPECT_EQ(game.lookups.team_by_key(id), opened.lookups.team_by_key(id));
    EXPECT_EQ(game.lookups.team_by_label("Renamed FC"), -1);
    redo(game, c);
    EXPECT_EQ(game.lookups.team_by_key(888888), 2);
}

TEST_F(Edits, AStepHoldsOnlyTheCellsItTouched) {
    player_values v;
    v.names = {std::string(row(players, 1).strings[0]), std::string(row(players, 1).strings[1]),
               "Other"};
    v.fields = {{"height", player_value(1, "height") + 1}, {"weight", player_value(1, "weight")}};
    const change c = apply_player(game, 1, v);
    ASSERT_EQ(c.cells.size(), 2u); // the surname and the height; the weight did not change
    EXPECT_LT(c.memory(), 512u);
}

// --- Opening and saving

TEST(OpenGame, ARefusedFileLeavesTheOpenGameAsItWas) {
    test::temp_dir dir;
    ASSERT_TRUE(write_sample_install(dir.path(), {sample_scale::tiny, 1}));
    open_game game;
    ASSERT_TRUE(open_game_files(install_database_path(dir.path()),
                                install_language_path(dir.path(), "eng"), game));
    const database before = game.db;
    test::write_file(dir / "bad.db", {1, 2, 3});
    auto r = open_game_files(dir / "bad.db", install_language_path(dir.path(), "eng"), game);
    EXPECT_FALSE(r);
    EXPECT_EQ(r.value, game_file::database);
    r = open_game_files(install_database_path(dir.path()), dir / "missing.db", game);
    EXPECT_EQ(r.value, game_file::language);
    EXPECT_EQ(r.status, result::code::cannot_open);
    test::expect_same_model(game.db, before);
    EXPECT_TRUE(game.has_language);
}

TEST(OpenGame, ADatabaseWithoutThePagesTablesIsRefusedOnlyWhenAskedTo) {
    test::temp_dir dir;
    database db;
    add_table(db, {"only", {"id"}, {}, {}, {}});
    test::write_file(dir / "qira.db", serialize_database(db));
    open_game game;
    EXPECT_TRUE(open_game_files(dir / "qira.db", {}, game));
    EXPECT_FALSE(game.has_language);
    const auto r = open_game_files(dir / "qira.db", {}, game, editor_options());
    ASSERT_FALSE(r);
    EXPECT_NE(r.message().find("qira.db cannot be edited: table 1 (leagues) is missing"),
              std::string::npos)
        << r.message();
}

TEST(SaveGame, AFailedSaveLeavesTheOpenGameExactlyAsItWas) {
    test::temp_dir dir;
    ASSERT_TRUE(write_sample_install(dir.path(), {sample_scale::tiny, 2}));
    const auto db_path = install_database_path(dir.path());
    const auto lang_path = install_language_path(dir.path(), "eng");
    open_game game;
    ASSERT_TRUE(open_game_files(db_path, lang_path, game));
    // A longer text moves every later text: the offsets a save computes differ from the stored.
    apply_player(game, 0, {{"A much longer first name than before", "", "X"}, {}});
    const database before = game.db;
    const auto db_bytes = test::read_file(db_path);
    const auto lang_bytes = test::read_file(lang_path);
    using step = test::failing_ops::step;
    for (step s : {step::create, step::write, step::flush, step::replace}) {
        test::failing_ops ops;
        ops.fail_at = s;
        const auto r = save_game_files(game, db_path, lang_path, ops);
        ASSERT_FALSE(r);
        EXPECT_EQ(r.value, game_file::database);
        EXPECT_EQ(game.db.block_offsets, before.block_offsets);
        for (int t = 0; t < game.db.table_count(); ++t) {
            EXPECT_EQ(game.db.blocks[t].words, before.blocks[t].words) << t;
            EXPECT_EQ(game.db.tables[t].name_offset, before.tables[t].name_offset);
            const auto rows = game.db.rows(t);
            for (std::size_t r2 = 0; r2 < rows.size(); ++r2)
                ASSERT_EQ(rows[r2].string_refs, before.rows(t)[r2].string_refs);
        }
        EXPECT_EQ(test::read_file(db_path), db_bytes);
        EXPECT_EQ(test::read_file(lang_path), lang_bytes);
    }
    // A language file that cannot be written: neither file is, the table keeps its offsets.
    const auto offsets = [&] {
        std::vector<std::int32_t> o;
        for (const auto& e : game.lang.entries())
            o.push_back(e.offset);
        return o;
    };
    const auto lang_offsets = offsets();
    struct fail_second : test::failing_ops {
        int creates = 0;
        result_of<std::unique_ptr<output_file>>
        create_new(const std::filesystem::path& p) override {
            fail_at = ++creates >= 2 ? step::create : step::none;
            return failing_ops::create_new(p);
        }
    } second;
    const auto r = save_game_files(game, db_path, lang_path, second);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.value, game_file::language);
    EXPECT_EQ(test::read_file(db_path), db_bytes);
    EXPECT_EQ(test::read_file(lang_path), lang_bytes);
    EXPECT_EQ(offsets(), lang_offsets);
}

TEST(SaveGame, UndoingEveryEditAndSavingWritesTheFilesAsOpened) {
    test::temp_dir dir;
    ASSERT_TRUE(write_sample_install(dir.path(), {sample_scale::tiny, 4}));
    const auto db_path = install_database_path(dir.path());
    const auto lang_path = install_language_path(dir.path(), "eng");
    const auto db_bytes = test::read_file(db_path);
    const auto lang_bytes = test::read_file(lang_path);
    open_game game;
    ASSERT_TRUE(open_game_files(db_path, lang_path, game));
    std::vector<change> steps;
    steps.push_back(apply_league(game, 1, {"L", "S", 0}));
    steps.push_back(apply_player(game, 3, {{"New", "", "Name"}, {{"weight", 99}}}));
    steps.push_back(exchange_players(game, 0, 5));
    team_values v;
    v.names = {"T", "T5", "T10"};
    v.roster = {{1, 1}};
    steps.push_back(apply_team(game, 0, v));
    for (auto it = steps.rbegin(); it != steps.rend(); ++it)
        undo(game, *it);
    ASSERT_TRUE(save_game_files(game, db_path, lang_path));
    EXPECT_EQ(test::read_file(db_path), db_bytes);
    EXPECT_EQ(test::read_file(lang_path), lang_bytes);
}

} // namespace
} // namespace qira
