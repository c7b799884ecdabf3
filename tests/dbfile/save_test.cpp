// Saving the game database file: packing rules, the canonical layout, and saves that fail
// without harming the file they were to replace.

#include "dbfile/build.h"
#include "dbfile/database.h"
#include "support/failing_ops.h"
#include "support/file_bytes.h"
#include "support/model_compare.h"
#include "support/random_model.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#ifndef _WIN32
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace qira {
namespace {

TEST(SaveDatabase, CanonicalFilesComeBackByteForByte) {
    std::mt19937 rng(2004);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        database model = test::random_database(rng);
        const auto first = serialize_database(model);
        database loaded;
        ASSERT_TRUE(parse_database(first, "qira.db", nullptr, loaded));
        test::expect_same_model(model, loaded);
        ASSERT_EQ(serialize_database(loaded), first);
    }
}

TEST(SaveDatabase, TheBitsNoFieldCoversComeBackAsTheFileHeldThem) {
    // Files whose rows hold data after their last field (the rest of its word, spare words, the
    // word after fields that end on a word's edge) are written back byte for byte.
    std::mt19937 rng(21);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        database model = test::random_database(rng);
        auto bytes = serialize_database(model);
        database plain;
        ASSERT_TRUE(parse_database(bytes, "qira.db", nullptr, plain));
        for (int t = 0; t < plain.table_count(); ++t) {
            const std::vector<std::uint32_t> mask = undecoded_mask(plain, t);
            const auto w = static_cast<std::size_t>(plain.overall[t].words_per_row);
            for (std::size_t r = 0; r < plain.rows(t).size(); ++r)
                for (std::size_t g = 0; g < mask.size(); ++g) {
                    std::uint8_t* at = bytes.data() + plain.block_offsets[t] + 8 +
                                       4 * (r * w + w - mask.size() + g);
                    store_u32(at, load_u32(at) | (static_cast<std::uint32_t>(rng()) & mask[g]));
                }
        }
        database loaded;
        ASSERT_TRUE(parse_database(bytes, "qira.db", nullptr, loaded));
        ASSERT_TRUE(serialize_database(loaded) == bytes);
    }
}

// A one-table file whose rows have `spare` packed words after the fields' words.
database one_table(std::vector<packed_field_spec> fields, int words_per_row) {
    database db;
    add_table(db, {"t", {"id"}, {}, {}, std::move(fields), 0, 0, words_per_row});
    add_row(db, 0).keys[0] = 1;
    return db;
}

std::vector<std::uint32_t> packed_words(database& db) {
    (void)serialize_database(db);
    const auto& words = db.blocks[0].words;
    return {words.begin() + db.tables[0].whole_word_count(), words.end()};
}

TEST(EncodeTable, StoresWholeGroupsAndKeepsSpareWords) {
    // Widths 3, 5 and 24 fill exactly one word: the next word of the area becomes zero.
    database exact = one_table({{"a", 0, 7}, {"b", 0, 31}, {"c", 0, 0xFFFFFF}}, 3);
    exact.rows(0)[0].values = {0, 18, 3430008};
    EXPECT_EQ(packed_words(exact), (std::vector<std::uint32_t>{0x78563412u, 0}));
    // ... and with exactly one packed word, only that word.
    database tight = one_table({{"a", 0, 7}, {"b", 0, 31}, {"c", 0, 0xFFFFFF}}, 2);
    tight.rows(0)[0].values = {0, 18, 3430008};
    EXPECT_EQ(packed_words(tight), (std::vector<std::uint32_t>{0x78563412u}));

    // Words after the last stored group keep what they held when loaded.
    database spare = one_table({{"a", 0, 7}, {"b", 0, 31}}, 4);
    (void)serialize_database(spare);
    spare.blocks[0].words[2] = 0xDEADBEEF;
    spare.blocks[0].words[3] = 0xCAFEF00D;
    spare.rows(0)[0].values = {5, 1};
    EXPECT_EQ(packed_words(spare),
              (std::vector<std::uint32_t>{0x000000A1u, 0xDEADBEEF, 0xCAFEF00D}));
}

TEST(EncodeTable, ValuesAreCutToTheirWidthAndWideFieldsRoundTrip) {
    database db = one_table({{"small", 0, 7}, {"wide", -1, -1}, {"none", 100000, 0}}, 4);
    db.rows(0)[0].values = {0xFF, 0xFFFFFFFFu, 12345};
    database back;
    ASSERT_TRUE(parse_database(serialize_database(db), "qira.db", nullptr, back));
    EXPECT_EQ(back.rows(0)[0].values, (std::vector<std::uint32_t>{7, 0xFFFFFFFFu, 0}));
}

TEST(EncodeTable, AFieldCutByTheEndOfTheRowComesBackAsItWasLoaded) {
    // 20 + 20 bits in one packed word: the second field keeps only its first 12 bits, which
    // load as a 12-bit number; saved and loaded again it is the same number and the same bits.
    database db = one_table({{"a", 0, 0xFFFFF}, {"b", 0, 0xFFFFF}}, 2);
    (void)serialize_database(db);
    db.blocks[0].words[1] = stream_word(0x12345ABCu);
    auto bytes = serialize_database(db); // packs the decoded zeros: rebuild from raw words
    store_u32(bytes.data() + static_cast<std::size_t>(db.block_offsets[0]) + 8 + 4,
              stream_word(0x12345ABCu));
    database loaded;
    ASSERT_TRUE(parse_database(bytes, "qira.db", nullptr, loaded));
    EXPECT_EQ(loaded.rows(0)[0].values, (std::vector<std::uint32_t>{0x12345, 0xABC}));
    EXPECT_EQ(serialize_database(loaded), bytes);
}

TEST(EncodeTable, TableEightPacksItsNarrowFieldsNarrower) {
    database db;
    for (int t = 0; t <= 8; ++t)
        add_table(db, {"t" + std::to_string(t), {"id"}, {}, {}, {{"a", 0, 64}, {"b", 0, 4}}});
    for (int t : {7, 8}) {
        auto& row = add_row(db, t);
        row.values = {127, 7};
    }
    (void)serialize_database(db);
    // Table 7: 7 + 3 bits of ones; table 8: 6 + 2 bits of ones.
    EXPECT_EQ(db.blocks[7].words[1], stream_word(0xFFC00000u));
    EXPECT_EQ(db.blocks[8].words[1], stream_word(0xFF000000u));
}

TEST(SaveDatabase, EmptyTablesAndTextlessTables) {
    database db;
    add_table(db, {"empty", {"id"}, {}, {"name"}, {{"v", 0, 255}}});
    const int t = add_table(db, {"plain", {"id"}, {}, {}, {}});
    add_row(db, t).keys[0] = 3;
    const auto bytes = serialize_database(db);
    // The empty table's block is its 8-byte head: the second block follows right after it.
    EXPECT_EQ(db.block_offsets[1] - db.block_offsets[0], 8);
    database back;
    ASSERT_TRUE(parse_database(bytes, "qira.db", nullptr, back));
    EXPECT_EQ(back.overall[0].row_count, 0);
    EXPECT_EQ(back.rows(1)[0].keys[0], 3);
}

TEST(SaveDatabase, AChangedTextMovesEveryLaterText) {
    std::mt19937 rng(11);
    database db = test::random_database(rng, 8);
    database before;
    ASSERT_TRUE(parse_database(serialize_database(db), "qira.db", nullptr, before));
    for (int t = 0; t < db.table_count(); ++t)
        if (db.tables[t].string_ref_count > 0 && db.overall[t].row_count > 0) {
            db.rows(t)[0].strings[0] =
                "a much longer text than it was before, " + db.rows(t)[0].strings[0];
            before.rows(t)[0].strings[0] = db.rows(t)[0].strings[0];
            break;
        }
    database after;
    ASSERT_TRUE(parse_database(serialize_database(db), "qira.db", nullptr, after));
    test::expect_same_model(before, after);
}

class SaveFailure : public ::testing::Test {
  protected:
    void SetUp() override {
        std::mt19937 rng(3);
        model = test::random_database(rng, 40);
        old_bytes = {1, 2, 3, 4, 5};
        test::write_file(target, old_bytes);
    }
    void expect_old_file_intact(const result& r) {
        EXPECT_EQ(r.status, result::code::write_failed);
        EXPECT_NE(r.message().find(target.string()), std::string::npos) << r.message();
        EXPECT_EQ(test::read_file(target), old_bytes);
        EXPECT_EQ(dir.list(), std::vector<std::string>{"qira.db"}); // no temporary file left
    }

    test::temp_dir dir;
    std::filesystem::path target = dir / "qira.db";
    database model;
    std::vector<std::uint8_t> old_bytes;
};

TEST_F(SaveFailure, AtEveryStepTheOldFileStays) {
    using step = test::failing_ops::step;
    for (step s : {step::create, step::write, step::flush, step::close, step::replace}) {
        SCOPED_TRACE(static_cast<int>(s));
        test::failing_ops ops;
        ops.fail_at = s;
        const auto r = save_database(target, model, ops);
        expect_old_file_intact(r);
        EXPECT_NE(r.message().find("injected"), std::string::npos) << r.message();
    }
}

TEST_F(SaveFailure, AtEachWriteOfALargeFile) {
    // A model of a few megabytes is written in several chunks; fail at each of them.
    database big;
    const int t = add_table(big, {"big", {"id"}, {}, {"text"}, {}});
    for (int r = 0; r < 9000; ++r)
        add_row(big, t).strings[0] = std::string(300, static_cast<char>('a' + r % 26));
    const std::size_t chunks =
        (serialize_database(big).size() + safe_replace_chunk - 1) / safe_replace_chunk;
    ASSERT_GE(chunks, 2u);
    for (std::size_t n = 1; n <= chunks; ++n) {
        test::failing_ops ops;
        ops.fail_at = test::failing_ops::step::write;
        ops.fail_write = static_cast<int>(n);
        expect_old_file_intact(save_database(target, big, ops));
    }
}

TEST_F(SaveFailure, ALargeFileIsWrittenInWholeChunksAsItIsLaidOut) {
    // The saved file is the serialized one, byte for byte, written in pieces of exactly one
    // chunk and a last shorter one, however the texts fall across the chunks' ends.
    database big;
    const int t = add_table(big, {"big", {"id"}, {}, {"text"}, {{"v", 0, 255}}});
    for (int r = 0; r < 9000; ++r) {
        auto& row = add_row(big, t);
        row.keys[0] = r;
        row.values[0] = static_cast<std::uint32_t>(r % 256);
        row.strings[0] =
            std::string(static_cast<std::size_t>(r % 700), static_cast<char>('a' + r % 26));
    }
    add_row(big, t).strings[0] = std::string(3 * safe_replace_chunk + 5, 'z'); // spans chunks
    const auto expected = serialize_database(big);
    test::failing_ops ops; // fails nowhere; counts the writes
    ASSERT_TRUE(save_database(target, big, ops));
    EXPECT_EQ(test::read_file(target), expected);
    EXPECT_EQ(ops.writes,
              static_cast<int>((expected.size() + safe_replace_chunk - 1) / safe_replace_chunk));
}

TEST_F(SaveFailure, AnExceptionWhileWritingLeavesTheOldFile) {
    int pieces = 0;
    EXPECT_THROW(safe_replace_with(target,
                                   [&](const piece_fn& write) {
                                       const std::uint8_t half[] = {9, 9, 9};
                                       write(half);
                                       ++pieces;
                                       throw std::bad_alloc();
                                   }),
                 std::bad_alloc);
    EXPECT_EQ(pieces, 1);
    EXPECT_EQ(test::read_file(target), old_bytes);
    EXPECT_EQ(dir.list(), std::vector<std::string>{"qira.db"});
}

TEST_F(SaveFailure, AModelOverCapacityIsNotWritten) {
    // What the loader would refuse is never written: too many rows, fields of one kind, tables.
    database rows;
    add_table(rows, {"t", {"id"}, {}, {}, {}});
    for (int r = 0; r <= max_rows; ++r)
        add_row(rows, 0);
    auto r = save_database(target, rows);
    EXPECT_NE(r.message().find("11002 rows"), std::string::npos) << r.message();
    expect_old_file_intact(r);

    database keys;
    add_table(keys, {"t", {"a", "b", "c", "d", "e"}, {}, {}, {}});
    r = save_database(target, keys);
    EXPECT_NE(r.message().find("at most 4"), std::string::npos) << r.message();
    expect_old_file_intact(r);

    database tables;
    for (int t = 0; t <= max_tables; ++t)
        add_table(tables, {"t", {"id"}, {}, {}, {}});
    expect_old_file_intact(save_database(target, tables));
    database none;
    expect_old_file_intact(save_database(target, none));
}

TEST_F(SaveFailure, AReadOnlyFileIsNotReplaced) {
    std::filesystem::permissions(target, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::group_read);
    const auto r = save_database(target, model);
    EXPECT_NE(r.message().find("read-only"), std::string::npos) << r.message();
    expect_old_file_intact(r);
}

TEST_F(SaveFailure, AReadOnlyFolder) {
    namespace fs = std::filesystem;
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    // Whoever may still write there (the superuser) cannot see this fail.
    const bool still_writable = std::ofstream(dir / "probe").good();
    if (still_writable) {
        fs::remove(dir / "probe");
        fs::permissions(dir.path(), fs::perms::owner_all);
        GTEST_SKIP() << "this user can write into a read-only folder";
    }
    const auto r = save_database(target, model);
    fs::permissions(dir.path(), fs::perms::owner_all);
    expect_old_file_intact(r);
}

#ifdef __linux__
TEST_F(SaveFailure, AFullDisk) {
    // A 64 KiB file system with the old file on it, and a model of some hundred kilobytes.
    const auto disk = dir / "disk";
    std::filesystem::create_directories(disk);
    const std::string mount =
        "mount -t tmpfs -o size=64k tmpfs \"" + disk.string() + "\" 2>/dev/null";
    if (std::system(mount.c_str()) != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
    const auto on_disk = disk / "qira.db";
    test::write_file(on_disk, old_bytes);
    database big;
    const int t = add_table(big, {"big", {"id"}, {}, {"text"}, {}});
    for (int r = 0; r < 1000; ++r)
        add_row(big, t).strings[0] = std::string(200, 'x');
    const auto r = save_database(on_disk, big);
    const auto content = test::read_file(on_disk);
    std::vector<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(disk))
        left.push_back(e.path().filename().string());
    (void)std::system(("umount \"" + disk.string() + "\"").c_str());
    EXPECT_EQ(r.status, result::code::write_failed);
    EXPECT_NE(r.message().find("No space left on device"), std::string::npos) << r.message();
    EXPECT_EQ(content, old_bytes);
    EXPECT_EQ(left, std::vector<std::string>{"qira.db"});
}
#endif

#ifndef _WIN32
TEST_F(SaveFailure, AProcessKilledWhileSavingLeavesTheOldOrTheNewFile) {
    database big;
    const int t = add_table(big, {"big", {"id"}, {}, {"text"}, {{"v", 0, 255}}});
    for (int r = 0; r < 8000; ++r) {
        auto& row = add_row(big, t);
        row.keys[0] = r;
        row.strings[0] = std::string(400, static_cast<char>('a' + r % 26));
    }
    const auto new_bytes = serialize_database(big);
    std::mt19937 rng(2004);
    int saw_old = 0, saw_new = 0;
    for (int round = 0; round < 20; ++round) {
        test::write_file(target, old_bytes);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;)
                (void)save_database(target, big);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(rng() % 40000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const auto content = test::read_file(target);
        ASSERT_TRUE(content == old_bytes || content == new_bytes)
            << "round " << round << ": " << content.size() << " bytes";
        (content == old_bytes ? saw_old : saw_new)++;
        // A killed save may leave its temporary file behind; the target is what counts.
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            if (e.path().filename() != "qira.db")
                std::filesystem::remove(e.path());
    }
    EXPECT_GT(saw_old + saw_new, 0);
}
#endif

TEST_F(SaveFailure, AMissingFolder) {
    const auto r = save_database(dir / "no such folder" / "qira.db", model);
    EXPECT_EQ(r.status, result::code::write_failed);
    EXPECT_NE(r.message().find("no such folder"), std::string::npos);
    EXPECT_EQ(dir.list(), std::vector<std::string>{"qira.db"});
}

TEST_F(SaveFailure, ASuccessfulSaveReplacesTheFileAndKeepsItsPermissions) {
    namespace fs = std::filesystem;
    fs::permissions(target,
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    ASSERT_TRUE(save_database(target, model));
    EXPECT_EQ(test::read_file(target), serialize_database(model));
#ifndef _WIN32
    // Windows keeps no permission bits, only the read-only attribute (tested with the refusal).
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
#endif
    EXPECT_EQ(dir.list(), std::vector<std::string>{"qira.db"});
}

TEST_F(SaveFailure, TheFolderIsSyncedAfterTheRenameAndAFailedSyncIsReported) {
    test::failing_ops ops;
    ASSERT_TRUE(save_database(target, model, ops));
    ASSERT_EQ(ops.synced.size(), 1u);
    EXPECT_EQ(ops.synced[0], target.parent_path());
    EXPECT_TRUE(ops.replaced_before_sync);

    // The new file is in place by then; the save still says it may not last.
    test::failing_ops failing;
    failing.fail_at = test::failing_ops::step::sync;
    const auto r = save_database(target, model, failing);
    EXPECT_EQ(r.status, result::code::write_failed);
    EXPECT_NE(r.message().find("could not be synced"), std::string::npos) << r.message();
    EXPECT_EQ(dir.list(), std::vector<std::string>{"qira.db"});
}

} // namespace
} // namespace qira
