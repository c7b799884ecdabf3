// The recovery of a session: the patch made from the parts the steps touched is the patch of the
// whole game, the recovery file gives back its header and its patch and is a patch file itself,
// and a damaged one is refused, never read past its end.

#include "fileio/checksum.h"
#include "patch/patch_edit.h"
#include "patch/patch_json.h"
#include "patch/recovery.h"
#include "support/file_bytes.h"
#include "testdata/sample.h"

#include <gtest/gtest.h>

#include <functional>
#include <string_view>

namespace qira {
namespace {

using namespace table_index;

class Recovery : public ::testing::Test {
  protected:
    void SetUp() override {
        install = dir.path() / "install";
        ASSERT_TRUE(write_sample_install(install, {sample_scale::tiny, 4}));
        ASSERT_TRUE(open_game_files(database(), language(), game));
        opened = game;
        auto h = recovery_header_of(database(), language());
        ASSERT_TRUE(h.ok()) << h.message();
        header = h.value;
        // The header of the bytes just read is the header of the files.
        opened_files bytes;
        ASSERT_TRUE(read_opened_files(database(), language(), bytes));
        ASSERT_EQ(recovery_header_of(database(), language(), bytes.database, bytes.language),
                  header);
        base = recovery_base(game, header);
    }
    std::filesystem::path database() const { return install_database_path(install); }
    std::filesystem::path language() const { return install_language_path(install, "swe"); }
    // The step made by `edit`, noted by the base as the window notes it.
    change step(const std::function<void(change&)>& edit) {
        change c;
        edit(c);
        base.note(c);
        return c;
    }
    // The recovery's patch is the patch of the whole game from the files as opened.
    void expect_whole_patch() {
        const result_of<patch> scoped = base.changes(game);
        const result_of<patch> whole = make_patch(opened.db, &opened.lang, game.db, &game.lang);
        ASSERT_TRUE(scoped.ok()) << scoped.message();
        ASSERT_TRUE(whole.ok()) << whole.message();
        EXPECT_TRUE(scoped.value == whole.value);
    }

    test::temp_dir dir;
    std::filesystem::path install;
    open_game game;
    open_game opened;
    recovery_header header;
    recovery_base base;
};

TEST_F(Recovery, ThePatchOfTheTouchedPartsIsThePatchOfTheWholeGameThroughStepsAndUndo) {
    const int height = game.db.field_slot(players, "height").value_or(0);
    const std::vector<std::function<void(change&)>> edits = {
        // A value, and a surname with bytes that are no UTF-8.
        [&](change& c) {
            set_cell(game, c, {players, 3, row_part::value, height}, {181, {}});
            set_cell(game, c, {players, 4, row_part::text, 2}, {0, "M\xFCller"});
        },
        // A team's localized name: the language file as saved changes.
        [&](change& c) {
            set_cell(game, c, {teams, 1, row_part::name, 0}, {0, "Nya Laget"});
        },
        // A player added at the end and a stadium removed.
        [&](change& c) {
            db_overall_data added = game.db.rows(players)[0];
            added.keys[0] = 900001;
            insert_row(game, c, players, static_cast<int>(game.db.rows(players).size()), added);
            remove_row(game, c, stadiums, 0);
        },
        // A language entry's text.
        [&](change& c) { set_entry_text(game, c, 2, "Meny"); },
        // A stadium's id: its name moves to another key of the language file.
        [&](change& c) {
            set_cell(game, c, {stadiums, 0, row_part::key, 0}, {777777, {}});
        },
    };
    std::vector<change> made;
    for (const auto& edit : edits) {
        made.push_back(step(edit));
        ASSERT_FALSE(made.back().empty());
        expect_whole_patch();
    }
    // Undone one after the other back to the files as opened, then redone: steps too.
    for (auto it = made.rbegin(); it != made.rend(); ++it) {
        undo(game, *it);
        base.note(*it);
        expect_whole_patch();
    }
    EXPECT_TRUE(base.changes(game).value.empty());
    redo(game, made[0]);
    base.note(made[0]);
    expect_whole_patch();
}

TEST_F(Recovery, TheFileGivesBackItsHeaderAndPatchAndIsAPatchFile) {
    step([&](change& c) {
        set_cell(game, c, {players, 2, row_part::value, *game.db.field_slot(players, "height")},
                 {190, {}});
        set_cell(game, c, {teams, 0, row_part::name, 0}, {0, "\xE9quipe"});
    });
    const result_of<patch> changes = base.changes(game);
    ASSERT_TRUE(changes.ok());
    // A path with a space and bytes that are no UTF-8 (POSIX keeps a name's own bytes).
#ifdef _WIN32
    header.database = dir.path() / "Spel mapp" / "qira.db";
#else
    header.database = dir.path() / "Spel mapp \xE9" / "qira.db";
#endif
    const auto file = dir.path() / "recovery-1.json";
    ASSERT_TRUE(save_recovery_file(file, header, changes.value));

    recovery_contents read;
    const result loaded = load_recovery_file(file, read);
    ASSERT_TRUE(loaded.ok()) << loaded.message();
    EXPECT_TRUE(read.header == header);
    EXPECT_TRUE(read.changes == changes.value);
    // "Apply patch..." reads it as the same patch.
    patch as_patch;
    ASSERT_TRUE(load_patch_file(file, as_patch));
    EXPECT_TRUE(as_patch == changes.value);
}

TEST_F(Recovery, ADamagedFileIsRefusedWhereverItEnds) {
    step([&](change& c) { set_cell(game, c, {teams, 0, row_part::name, 0}, {0, "Lag"}); });
    const std::string text = recovery_to_json(header, base.changes(game).value);
    const auto file = dir.path() / "recovery.json";
    const auto refused = [&](std::string_view content) {
        test::write_file(file, std::vector<std::uint8_t>(content.begin(), content.end()));
        recovery_contents out;
        const result r = load_recovery_file(file, out);
        return !r.ok() && r.message().starts_with("recovery.json is not a valid patch");
    };
    const struct {
        const char* what;
        std::string content;
    } cases[] = {
        {"empty", ""},
        {"no JSON", "\x01\x02garbage\xFF"},
        {"a patch without the header", patch_to_json(base.changes(game).value)},
        {"a checksum past 32 bits",
         "{\"recovery\": {\"database\": \"a\", \"database_crc32\": 4294967296}}"},
        {"a language without its checksum",
         "{\"recovery\": {\"database\": \"a\", \"database_crc32\": 1, \"language\": \"b\"}}"},
        {"a header and no patch",
         "{\"recovery\": {\"database\": \"a\", \"database_crc32\": 1, \"language\": \"\"}}"},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(refused(c.content)) << c.what;
    // Every text the file can be cut to, as a crash while writing could leave one elsewhere.
    for (std::size_t n = 0; n + 1 < text.size(); n += 5)
        ASSERT_TRUE(refused(std::string_view(text).substr(0, n))) << "cut at " << n;
    // The checksum is CRC-32's.
    EXPECT_EQ(crc32(std::span(reinterpret_cast<const std::uint8_t*>("123456789"), 9)), 0xCBF43926u);
    // A file that is not there is refused as such.
    recovery_contents out;
    EXPECT_EQ(load_recovery_file(dir.path() / "none.json", out).status, result::code::cannot_open);
}

} // namespace
} // namespace qira
