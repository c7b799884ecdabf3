// Saving both files of a game: both or neither whatever step fails, and what is written depends
// only on what the game holds, not on the steps that led there.

#include "editing/edits.h"
#include "editing/open_game.h"
#include "support/failing_ops.h"
#include "support/file_bytes.h"
#include "testdata/sample.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qira {
namespace {

namespace fs = std::filesystem;
using namespace table_index;

std::vector<std::string> sorted_list(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The tiny sample with league 0's names taken out of the English file, opened.
class SavingBothFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(write_sample_install(dir.path(), {sample_scale::tiny, 5}));
        open_game plain;
        ASSERT_TRUE(open_game_files(db_path, lang_path, plain));
        const std::int32_t id = plain.db.rows(leagues)[0].keys[0];
        const name_config& config = plain.lang.names[leagues];
        std::vector<Tstring_table> kept;
        for (const auto& e : plain.lang.entries())
            if (e.key != config.key_of(id, 0) && e.key != config.key_of(id, 1))
                kept.push_back(e);
        ASSERT_LT(kept.size(), plain.lang.string_count());
        plain.lang.assign(std::move(kept));
        ASSERT_TRUE(save_language_file(lang_path, plain.lang));
        ASSERT_TRUE(open_game_files(db_path, lang_path, game));
        ASSERT_EQ(game.db.rows(leagues)[0].names[0], "");
    }
    league_values league(int row, std::string long_title, std::string short_title) const {
        return {std::move(long_title), std::move(short_title),
                game.db.rows(leagues)[static_cast<std::size_t>(row)].values[1]};
    }
    // Saves to `name`/qira.db and `name`/eng.db; their bytes.
    std::pair<std::vector<std::uint8_t>, std::vector<std::uint8_t>> save_to(const char* name) {
        const fs::path out = dir / name;
        fs::create_directories(out);
        EXPECT_TRUE(save_game_files(game, out / "qira.db", out / "eng.db"));
        return {test::read_file(out / "qira.db"), test::read_file(out / "eng.db")};
    }

    test::temp_dir dir;
    fs::path db_path = install_database_path(dir.path());
    fs::path lang_path = install_language_path(dir.path(), "eng");
    open_game game;
};

TEST_F(SavingBothFiles, WhatIsWrittenDependsOnlyOnWhatTheGameHolds) {
    const auto as_opened = save_to("opened");
    // Names for a league the language file has no keys for: the save adds their entries.
    const change named = apply_league(game, 0, league(0, "New league", "NL"));
    const std::size_t entries = game.lang.string_count();
    const auto named_files = save_to("named");
    EXPECT_NE(named_files.second, as_opened.second);
    EXPECT_EQ(game.lang.string_count(), entries); // the save changed nothing of the game
    undo(game, named);
    EXPECT_EQ(save_to("undone"), as_opened);
    redo(game, named);
    EXPECT_EQ(save_to("redone"), named_files);
}

TEST_F(SavingBothFiles, AClearedNameIsWrittenAsAnEmptyText) {
    const std::size_t entries = game.lang.string_count();
    const std::string short_title = game.db.rows(leagues)[1].names[1];
    ASSERT_FALSE(game.db.rows(leagues)[1].names[0].empty());
    (void)apply_league(game, 1, league(1, "", short_title));
    (void)apply_league(game, 0, league(0, "", "")); // keys the file lacks: no entries
    ASSERT_TRUE(save_game_files(game, db_path, lang_path));
    open_game again;
    ASSERT_TRUE(open_game_files(db_path, lang_path, again));
    EXPECT_EQ(again.lang.string_count(), entries);
    EXPECT_EQ(again.db.rows(leagues)[1].names[0], "");
    EXPECT_EQ(again.db.rows(leagues)[1].names[1], short_title);
}

TEST_F(SavingBothFiles, AFaultAtEveryStepLeavesBothFilesOldOrBothNewOrSaysWhatIsWhere) {
    (void)apply_league(game, 0, league(0, "New league", "NL"));
    (void)apply_player(game, 0, {{"A much longer first name than before", "", "X"}, {}});
    const auto old_db = test::read_file(db_path);
    const auto old_lang = test::read_file(lang_path);
    const auto cmn = sorted_list(db_path.parent_path());
    const auto fe = sorted_list(lang_path.parent_path());
    const auto fresh = save_to("fresh");
    const std::vector<Tstring_table> lang_before = game.lang.entries();

    test::failing_ops counting;
    ASSERT_TRUE(save_game_files(game, db_path, lang_path, counting));
    ASSERT_EQ(test::read_file(db_path), fresh.first);
    ASSERT_EQ(test::read_file(lang_path), fresh.second);
    // Qira.db is replaced before the language file.
    const auto& log = counting.log;
    EXPECT_LT(std::find(log.begin(), log.end(), "replace qira.db"),
              std::find(log.begin(), log.end(), "replace eng.db"));

    int unchanged = 0, put_back = 0, all_new = 0, mixed = 0;
    for (bool and_later : {false, true})
        for (int n = 1; n <= counting.calls; ++n) {
            SCOPED_TRACE("operation " + std::to_string(n) + (and_later ? " and later" : ""));
            test::write_file(db_path, old_db);
            test::write_file(lang_path, old_lang);
            test::failing_ops ops;
            ops.fail_call = n;
            ops.and_later = and_later;
            const auto r = save_game_files(game, db_path, lang_path, ops);
            const std::string& m = r.message();
            EXPECT_TRUE(r || m.find("injected") != std::string::npos) << m;
            const auto db_now = test::read_file(db_path);
            const auto lang_now = test::read_file(lang_path);
            auto cmn_expected = cmn;
            if (r) {
                // A new file that could not be made is tried again under another name.
                EXPECT_TRUE(ops.first_failed.starts_with("create ") ||
                            ops.first_failed.starts_with("keep "))
                    << ops.first_failed;
                EXPECT_EQ(db_now, fresh.first);
                EXPECT_EQ(lang_now, fresh.second);
            } else if (db_now == old_db && lang_now == old_lang) {
                ++unchanged;
                put_back += m.find("qira.db had already been replaced and was put back") !=
                            std::string::npos;
                EXPECT_NE(m.find("Nothing was saved: qira.db and eng.db are as they were."),
                          std::string::npos)
                    << m;
            } else if (db_now == fresh.first && lang_now == fresh.second) {
                ++all_new;
                EXPECT_NE(m.find("the new files are in place"), std::string::npos) << m;
            } else {
                // Only this: the database new, the language file old, the old database kept.
                ++mixed;
                EXPECT_EQ(db_now, fresh.first);
                EXPECT_EQ(lang_now, old_lang);
                const std::string is_new =
                    db_path.string() + " is the new file, and the old one is kept as ";
                const auto at = m.find(is_new);
                ASSERT_NE(at, std::string::npos) << m;
                const fs::path kept =
                    m.substr(at + is_new.size(), m.find(';', at) - at - is_new.size());
                EXPECT_EQ(test::read_file(kept), old_db);
                EXPECT_NE(m.find(lang_path.string() + " is the old file."), std::string::npos) << m;
                cmn_expected.push_back(kept.filename().string());
                std::sort(cmn_expected.begin(), cmn_expected.end());
                EXPECT_EQ(sorted_list(db_path.parent_path()), cmn_expected);
                fs::remove(kept);
            }
            // No temporary file and no copy of an old file is left behind.
            EXPECT_EQ(sorted_list(db_path.parent_path()), cmn);
            EXPECT_EQ(sorted_list(lang_path.parent_path()), fe);
        }
    EXPECT_GT(unchanged, 0);
    EXPECT_GT(put_back, 0);
    EXPECT_GT(all_new, 0);
    EXPECT_GT(mixed, 0);
    // No save changed the open game.
    ASSERT_EQ(game.lang.string_count(), lang_before.size());
    for (std::size_t i = 0; i < lang_before.size(); ++i)
        ASSERT_EQ(game.lang.entry(i).offset, lang_before[i].offset) << i;
}

} // namespace
} // namespace qira
