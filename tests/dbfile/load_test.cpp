// Loading the game database file: the layout read field by field, progress shares, lookups,
// non-canonical files that are accepted, and damaged files that are refused.

#include "dbfile/build.h"
#include "dbfile/database.h"
#include "support/file_bytes.h"
#include "support/model_compare.h"
#include "support/random_model.h"

#include <map>

#include <gtest/gtest.h>

namespace qira {
namespace {

using test::bytes_builder;

// One table "t": id (key), name (text), v (packed, descriptor 0/255: 8 bits); one row 7, "x", 171.
std::vector<std::uint8_t> small_file() {
    return bytes_builder()
        .words({0, 0, 1})           // header words, N = 1
        .u32(60)                    // block offset of table 0
        .words({80, 0, 1, 0, 1, 1}) // name offset, opaque word, cA, cB, cC, cD
        .words({0, 255})            // descriptors of v
        .words({88, 96, 108})       // name offsets of id, name, v
        .words({1, 0, 7, 116})      // block: 1 row, block word; row: id 7, text at 116
        .raw({0xAB, 0, 0, 0})       // packed word: v = 171
        .str("t")
        .str("id")
        .str("name")
        .str("v")
        .str("x")
        .bytes();
}

result parse(const std::vector<std::uint8_t>& bytes, database& db) {
    return parse_database(bytes, "qira.db", nullptr, db);
}

TEST(LoadDatabase, ReadsTheSmallFileFieldByField) {
    const auto bytes = small_file();
    ASSERT_EQ(bytes.size(), 124u);
    database db;
    ASSERT_TRUE(parse(bytes, db));
    ASSERT_EQ(db.table_count(), 1);
    EXPECT_EQ(db.tables[0].name, "t");
    EXPECT_EQ(db.tables[0].fields[1].name, "name");
    EXPECT_EQ(db.tables[0].fields[0].descriptor_b, -1);
    EXPECT_EQ(db.blocks[0].byte_size, 20);
    EXPECT_EQ(db.overall[0].words_per_row, 3);
    const auto& row = db.rows(0)[0];
    EXPECT_EQ(row.keys[0], 7);
    EXPECT_EQ(row.string_refs[0], 116);
    EXPECT_EQ(row.strings[0], "x");
    EXPECT_EQ(row.values, std::vector<std::uint32_t>{171});

    // Written back unchanged it is the same 124 bytes.
    EXPECT_EQ(serialize_database(db), bytes);
}

TEST(LoadDatabase, TheSameFileBuiltFromAModel) {
    database db;
    const int t = add_table(db, {"t", {"id"}, {}, {"name"}, {{"v", 0, 255}}});
    auto& row = add_row(db, t);
    row.keys[0] = 7;
    row.strings[0] = "x";
    row.values[0] = 171;
    EXPECT_EQ(serialize_database(db), small_file());
}

TEST(LoadDatabase, WordsPerRowFollowFromTheBlockSize) {
    database db;
    const int t = add_table(db, {"t", {"id"}, {}, {}, {}, 0, 0, 5});
    for (int i = 0; i < 3; ++i)
        add_row(db, t).keys[0] = i;
    database back;
    ASSERT_TRUE(parse(serialize_database(db), back));
    EXPECT_EQ(back.blocks[0].byte_size, 68);
    EXPECT_EQ(back.overall[0].words_per_row, 5);
}

// A table without rows is its block's head alone: the width of its rows cannot follow from the
// block, so it is read with the words its fields need. Rows it once had may have carried more
// (words past the packed bits that no field covers); a reloaded empty table cannot know them,
// which is expected: rows added to it start without them. Every table of random models (all
// field kinds and widths, table 8's narrow rule, spare words) emptied, read back, filled with
// its old rows again: they save and read back field for field, at the width of their fields.
TEST(LoadDatabase, ATableWithoutRowsIsReadWithTheWidthItsFieldsNeed) {
    std::mt19937 rng(21);
    for (int round = 0; round < 100; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        database model = test::random_database(rng);
        database emptied = model;
        for (auto& o : emptied.overall) {
            o.rows.clear();
            o.row_count = 0;
        }
        database empty;
        ASSERT_TRUE(parse(serialize_database(emptied), empty));
        std::vector<std::int32_t> needed;
        for (int t = 0; t < empty.table_count(); ++t) {
            const db_table& table = empty.tables[t];
            std::int32_t bits = 0;
            for (int j = 0; j < table.packed_count; ++j)
                bits += field_width(table.fields[table.whole_word_count() + j], t);
            needed.push_back(table.whole_word_count() + (bits + 31) / 32);
            EXPECT_EQ(empty.overall[t].words_per_row, needed.back()) << "table " << t;
            for (const auto& row : model.rows(t))
                add_row(empty, t) = row;
        }
        database back;
        ASSERT_TRUE(parse(serialize_database(empty), back));
        test::expect_same_model(model, back, false);
        for (int t = 0; t < back.table_count(); ++t)
            EXPECT_EQ(back.overall[t].words_per_row, needed[t]) << "table " << t;
    }
}

TEST(ProgressShares, RoundHalfToEvenAndAllZeroWithoutRows) {
    EXPECT_EQ(progress_shares({1, 1, 2}), (std::vector<int>{25, 25, 50}));
    EXPECT_EQ(progress_shares({1, 7}), (std::vector<int>{12, 88}));
    EXPECT_EQ(progress_shares({3, 0, 1}), (std::vector<int>{75, 0, 25}));
    EXPECT_EQ(progress_shares({0, 0}), (std::vector<int>{0, 0}));
    EXPECT_EQ(progress_shares({1, 1, 1}), (std::vector<int>{33, 33, 33}));
}

TEST(ProgressShares, ReportedOncePerTableInOrder) {
    database db;
    for (int rows : {1, 0, 7}) {
        const int t = add_table(db, {"t", {"id"}, {}, {}, {}});
        for (int r = 0; r < rows; ++r)
            add_row(db, t);
    }
    std::vector<std::pair<int, int>> seen;
    database back;
    ASSERT_TRUE(parse_database(serialize_database(db), "qira.db", nullptr, back,
                               [&](int t, int share) { seen.emplace_back(t, share); }));
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{0, 12}, {1, 0}, {2, 88}}));
}

TEST(Lookups, FindRowAndFieldSlot) {
    database db;
    const int t = add_table(db, {"p",
                                 {"id", "other"},
                                 {"x"},
                                 {"first", "talent"}, // a text field sharing a packed field's name
                                 {{"height", 0, 255}, {"talent", 0, 7}, {"weight", 0, 255}}});
    const int empty = add_table(db, {"e", {"id"}, {}, {}, {}});
    for (int id : {5, 9, 5})
        add_row(db, t).keys[0] = id;
    EXPECT_EQ(db.find_row(t, 5), 0); // the first of two equal keys
    EXPECT_EQ(db.find_row(t, 9), 1);
    EXPECT_EQ(db.find_row(t, 4), -1);
    EXPECT_EQ(db.find_row(empty, 0), -1);
    EXPECT_EQ(db.find_row(7, 0), -1); // no such table

    EXPECT_EQ(db.field_slot(t, "height"), 0);
    EXPECT_EQ(db.field_slot(t, "weight"), 2);
    EXPECT_EQ(db.field_slot(t, "Height"), std::nullopt);  // case-sensitive
    EXPECT_EQ(db.field_slot(t, "nothing"), std::nullopt); // absent
    EXPECT_EQ(db.field_slot(t, "talent"), std::nullopt);  // first match is a whole-word field
    EXPECT_EQ(db.field_slot(empty, "id"), std::nullopt);
}

// Writes a model in an unusual but readable layout: junk after each block (fewer bytes than a
// row, so the words per row stay), a gap before the names, names out of order with junk in
// their padding, row texts in reverse order and equal texts shared.
std::vector<std::uint8_t> scrambled_file(database db) {
    (void)serialize_database(db); // packs the raw words
    const int n = db.table_count();
    std::vector<std::uint8_t> out;
    byte_writer w(out);
    std::size_t header_bytes = 12 + 4 * static_cast<std::size_t>(n);
    for (const auto& t : db.tables)
        header_bytes += 24 + 12 * static_cast<std::size_t>(t.packed_count) +
                        4 * static_cast<std::size_t>(t.whole_word_count());
    out.resize(header_bytes); // filled in at the end
    std::vector<std::int32_t> block_at(n);
    for (int t = 0; t < n; ++t) {
        block_at[t] = static_cast<std::int32_t>(out.size());
        w.i32(db.blocks[t].row_count);
        w.i32(db.blocks[t].block_word);
        for (auto word : db.blocks[t].words)
            w.u32(word);
        const std::size_t junk = db.blocks[t].row_count > 0 ? 3 : 5;
        if (t + 1 < n)
            for (std::size_t i = 0; i < junk; ++i)
                out.push_back(0xEE);
    }
    auto put_string = [&](const std::string& s) {
        const auto at = static_cast<std::int32_t>(out.size());
        w.u32(static_cast<std::uint32_t>(s.size()));
        w.bytes(s.data(), s.size());
        out.push_back(0);
        while (out.size() % 4 != 0)
            out.push_back(0x5A); // junk in the padding
        return at;
    };
    // Table 0's name must start the names region: the last block ends there.
    db.tables[0].name_offset = put_string(db.tables[0].name);
    for (int t = n - 1; t >= 0; --t) {
        for (auto& f : db.tables[t].fields)
            f.name_offset = put_string(f.name);
        if (t > 0)
            db.tables[t].name_offset = put_string(db.tables[t].name);
    }
    for (int i = 0; i < 8; ++i)
        out.push_back(0x77); // a gap
    std::map<std::string, std::int32_t> shared;
    for (int t = n - 1; t >= 0; --t) {
        const auto rows = db.rows(t);
        for (std::size_t r = rows.size(); r-- > 0;)
            for (int k = 0; k < db.tables[t].string_ref_count; ++k) {
                auto [it, added] = shared.try_emplace(rows[r].strings[k], 0);
                if (added)
                    it->second = put_string(rows[r].strings[k]);
                rows[r].string_refs[k] = it->second;
            }
    }
    for (int t = 0; t < n; ++t) {
        const int s = db.tables[t].whole_word_count();
        const int words = db.overall[t].words_per_row;
        const int c0 = db.tables[t].key_count + db.tables[t].extra_count;
        const auto rows = db.rows(t);
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (int k = 0; k < db.tables[t].string_ref_count; ++k)
                store_u32(out.data() + block_at[t] + 8 + 4 * (r * words + c0 + k),
                          static_cast<std::uint32_t>(rows[r].string_refs[k]));
        (void)s;
    }
    std::vector<std::uint8_t> head;
    byte_writer h(head);
    h.i32(db.header_word0);
    h.i32(db.header_word1);
    h.u32(static_cast<std::uint32_t>(n));
    for (auto at : block_at)
        h.i32(at);
    for (const auto& t : db.tables) {
        h.i32(t.name_offset);
        h.i32(t.opaque_word);
        h.i32(t.key_count);
        h.i32(t.extra_count);
        h.i32(t.string_ref_count);
        h.i32(t.packed_count);
        for (std::size_t f = static_cast<std::size_t>(t.whole_word_count()); f < t.fields.size();
             ++f) {
            h.i32(t.fields[f].descriptor_a);
            h.i32(t.fields[f].descriptor_b);
        }
        for (const auto& f : t.fields)
            h.i32(f.name_offset);
    }
    std::copy(head.begin(), head.end(), out.begin());
    return out;
}

TEST(LoadDatabase, AcceptsNonCanonicalLayoutsAndSavesThemCanonically) {
    std::mt19937 rng(42);
    for (int round = 0; round < 150; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        database original = test::random_database(rng);
        const auto canonical = serialize_database(original);
        const auto scrambled = scrambled_file(original);
        ASSERT_NE(scrambled, canonical);
        database back;
        ASSERT_TRUE(parse(scrambled, back)) << parse(scrambled, back).message();
        test::expect_same_model(original, back);
        EXPECT_EQ(serialize_database(back), canonical);
    }
}

TEST(LoadDatabase, ALaterNamesRegionWidensTheLastBlock) {
    // The last block ends where table 0's name begins: 4 more bytes there make a 4-word row.
    auto bytes = small_file();
    std::vector<std::uint8_t> wider(bytes.begin(), bytes.begin() + 80);
    wider.insert(wider.end(), {0, 0, 0, 0});
    wider.insert(wider.end(), bytes.begin() + 80, bytes.end());
    for (std::size_t at : {16u, 48u, 52u, 56u}) // name offsets of the table and its fields
        store_u32(wider.data() + at, load_u32(wider.data() + at) + 4);
    store_u32(wider.data() + 72, 120); // the row's text offset
    database db;
    ASSERT_TRUE(parse(wider, db));
    EXPECT_EQ(db.overall[0].words_per_row, 4);
    EXPECT_EQ(db.rows(0)[0].values, std::vector<std::uint32_t>{171});
}

// One damaged file per refusal, with the words that its message must contain.
struct damage_case {
    const char* what;
    std::vector<std::uint8_t> bytes;
    const char* message;
};

std::vector<std::uint8_t> patched(std::size_t at, std::uint32_t value) {
    auto bytes = small_file();
    store_u32(bytes.data() + at, value);
    return bytes;
}

std::vector<damage_case> damage_cases() {
    std::vector<damage_case> cases;
    cases.push_back({"no header", {1, 0, 0}, "too short for its header"});
    cases.push_back({"no table", patched(8, 0), "holds 0 tables"});
    cases.push_back({"16 tables", patched(8, 16), "holds 16 tables"});
    cases.push_back({"huge table count", patched(8, 0xFFFFFFFFu), "holds 4294967295 tables"});
    cases.push_back({"5 keys", patched(24, 5), "5 key fields"});
    cases.push_back({"negative extras", patched(28, 0xFFFFFFFFu), "-1 extra fields"});
    cases.push_back({"202 fields", patched(36, 200), "at most 201 fields"});
    cases.push_back({"the largest packed count", patched(36, 0x7FFFFFFF), "at most 201 fields"});
    cases.push_back({"descriptors past the end", patched(36, 30), "run past the end of the file"});
    cases.push_back(
        {"block past the end", patched(12, 120), "table 0's block (offset 120, -40 bytes)"});
    cases.push_back({"block shorter than its head", patched(16, 64), "8-byte head"});
    cases.push_back({"block runs past the end",
                     [] {
                         auto b = patched(16, 4000); // the names region "starts" past the end
                         return b;
                     }(),
                     "runs past the end of the file (124 bytes)"});
    cases.push_back({"too many rows", patched(60, 11002), "11002 rows"});
    cases.push_back({"rows narrower than their whole words", patched(60, 2),
                     "rows have 1 words, fewer than its 2 whole-word fields"});
    cases.push_back({"table name past the end",
                     [] {
                         auto b = small_file();
                         store_u32(b.data() + 80, 1000); // the length of "t"
                         return b;
                     }(),
                     "the name of table 0 (offset 80)"});
    cases.push_back(
        {"field name past the end", patched(52, 200), "the name of field 1 of table 0"});
    cases.push_back(
        {"row text past the end", patched(72, 130), "text 0 of row 0 in table 0 (offset 130)"});
    cases.push_back({"row text length past the end", patched(116, 9),
                     "text 0 of row 0 in table 0 (offset 116)"});
    return cases;
}

TEST(LoadDatabase, RefusesDamagedFilesWithAMessageNamingThePlace) {
    for (const auto& c : damage_cases()) {
        SCOPED_TRACE(c.what);
        database db;
        const auto r = parse(c.bytes, db);
        EXPECT_EQ(r.status, result::code::damaged);
        EXPECT_EQ(r.message().rfind("qira.db is damaged: ", 0), 0u) << r.message();
        EXPECT_NE(r.message().find(c.message), std::string::npos) << r.message();
        EXPECT_EQ(db.table_count(), 0);
    }
}

TEST(LoadDatabase, RefusesTablesOverTheRowWordCapacity) {
    database db;
    const int t = add_table(db, {"big", {"id"}, {}, {}, {}, 0, 0, 23});
    for (int r = 0; r < 10870; ++r) // 10870 * 23 = 250010 words
        add_row(db, t);
    database back;
    const auto r = parse(serialize_database(db), back);
    EXPECT_EQ(r.status, result::code::damaged);
    EXPECT_NE(r.message().find("at most 250001 row words"), std::string::npos) << r.message();
}

TEST(LoadDatabase, EveryTruncationIsRefusedOrLosesOnlyPadding) {
    const auto bytes = small_file();
    database full;
    ASSERT_TRUE(parse(bytes, full));
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        SCOPED_TRACE("length " + std::to_string(n));
        std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(n));
        database db;
        const auto r = parse(cut, db);
        if (n < 121) { // 121: the last text's byte; after it only padding
            EXPECT_EQ(r.status, result::code::damaged);
        } else {
            ASSERT_TRUE(r);
            test::expect_same_model(full, db);
        }
    }
}

TEST(LoadDatabase, ARefusedLoadLeavesTheLoadedModel) {
    database db;
    ASSERT_TRUE(parse(small_file(), db));
    EXPECT_FALSE(parse(patched(8, 0), db));
    ASSERT_EQ(db.table_count(), 1);
    EXPECT_EQ(db.rows(0)[0].strings[0], "x");
}

TEST(LoadDatabase, ASecondLoadReplacesEverything) {
    std::mt19937 rng(5);
    database big = test::random_database(rng, 20);
    database db;
    ASSERT_TRUE(parse(serialize_database(big), db));
    ASSERT_TRUE(parse(small_file(), db));
    ASSERT_EQ(db.table_count(), 1);
    EXPECT_EQ(db.overall[0].row_count, 1);
    EXPECT_EQ(db.rows(0).size(), 1u);
}

TEST(LoadDatabase, AFileThatCannotBeOpened) {
    test::temp_dir dir;
    database db;
    const auto r = load_database(dir / "qira.db", nullptr, db);
    EXPECT_EQ(r.status, result::code::cannot_open);
    EXPECT_NE(r.message().find("qira.db"), std::string::npos);
    const auto folder = load_database(dir.path(), nullptr, db);
    EXPECT_EQ(folder.status, result::code::cannot_open);
}

} // namespace
} // namespace qira
