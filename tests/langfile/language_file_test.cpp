// The language file: its layout, first-match lookups, appended entries, the canonical form on
// save, and damaged files that are refused.

#include "langfile/string_table.h"
#include "support/failing_ops.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

namespace qira {
namespace {

using test::bytes_builder;

struct entry {
    std::int32_t key;
    std::string text;
};

// A canonical language file: the header words at 16, 40 and 44 as the writer sets them, other
// header words and the 36-byte block with content of their own.
std::vector<std::uint8_t> canonical_file(const std::vector<entry>& entries) {
    const auto n = static_cast<std::uint32_t>(entries.size());
    bytes_builder b;
    b.words({0x51524131, 2004, 7, 9, 56 + 8 * n, 11, 12, 13, 14, 15, 68 + 8 * n, 80 + 8 * n});
    b.u32(n).u32(0xABCD);
    std::uint32_t at = 92 + 8 * n;
    for (const auto& e : entries) {
        b.u32(static_cast<std::uint32_t>(e.key)).u32(at);
        at += 8 + static_cast<std::uint32_t>(e.text.size() - e.text.size() % 4);
    }
    for (std::uint32_t i = 0; i < 9; ++i)
        b.u32(100 + i);
    for (const auto& e : entries)
        b.str(e.text);
    return b.bytes();
}

string_table parsed(const std::vector<std::uint8_t>& bytes) {
    string_table t;
    const auto r = parse_language_file(bytes, "eng.db", t);
    EXPECT_TRUE(r) << r.message();
    return t;
}

TEST(LanguageFile, ReadsEntriesInDirectoryOrderAndSetsTheNameConfig) {
    const auto bytes =
        canonical_file({{5, "Play"}, {30000050, "Ajax"}, {-3, ""}, {7, "M\xc3\xbcller"}});
    const auto t = parsed(bytes);
    ASSERT_EQ(t.string_count(), 4u);
    EXPECT_EQ(t.entry(1).key, 30000050);
    EXPECT_EQ(t.entry(1).text, "Ajax");
    EXPECT_EQ(t.entry(3).text, "M\xc3\xbcller");
    EXPECT_EQ(t.entry(1).offset, 92 + 32 + 12); // after "Play": 4 + 4 + 4 bytes
    EXPECT_EQ(t.word_after_count, 0xABCD);
    EXPECT_EQ(t.names[1].base_key, 10000000);
    EXPECT_EQ(t.names[1].name_count, 2);
    EXPECT_EQ(t.names[1].key_offsets[1], 2);
    EXPECT_EQ(t.names[7].base_key, 20000000);
    EXPECT_EQ(t.names[13].name_count, 3);
    EXPECT_EQ(t.names[4].base_key, 0);
}

TEST(LanguageFile, FirstMatchLookupsAndAppendedEntries) {
    auto t = parsed(canonical_file({{9, "first"}, {4, "four"}, {9, "second"}}));
    EXPECT_EQ(t.find_string(9), 0u); // index 0 is an entry like any other
    EXPECT_EQ(t.find_string(4), 1u);
    EXPECT_EQ(t.find_string(77), std::nullopt);

    t.set_string(9, "changed");
    EXPECT_EQ(t.entry(0).text, "changed");
    EXPECT_EQ(t.entry(2).text, "second");

    t.set_string(77, "new");
    t.set_string(78, "newer");
    t.set_string(77, "new again");
    ASSERT_EQ(t.string_count(), 5u);
    EXPECT_EQ(t.entry(3).key, 77);
    EXPECT_EQ(t.entry(3).text, "new again");
    EXPECT_EQ(t.entry(4).key, 78);

    // The header words, the count and every offset follow the new count.
    const auto bytes = serialize_language_file(t);
    EXPECT_EQ(load_u32(bytes.data() + 16), 56u + 8 * 5);
    EXPECT_EQ(load_u32(bytes.data() + 40), 68u + 8 * 5);
    EXPECT_EQ(load_u32(bytes.data() + 44), 80u + 8 * 5);
    EXPECT_EQ(load_u32(bytes.data() + 48), 5u);
    EXPECT_EQ(load_u32(bytes.data() + 56 + 8 * 4 + 4),
              static_cast<std::uint32_t>(t.entry(4).offset));
    const auto back = parsed(bytes);
    EXPECT_EQ(back.entry(4).text, "newer"); // written last
    EXPECT_EQ(t.entry(4).offset + 4 + 8, static_cast<std::int32_t>(bytes.size()));
    EXPECT_EQ(load_u32(bytes.data() + 4), 2004u);         // other header words as kept
    EXPECT_EQ(load_u32(bytes.data() + 56 + 8 * 5), 100u); // the kept block
}

TEST(LanguageFile, CanonicalFilesComeBackByteForByte) {
    const std::vector<std::vector<entry>> files = {
        {},
        {{1, "a"}},
        {{1, "abcd"}, {2, ""}, {3, "\xff\xfe invalid UTF-8"}, {4, std::string(400, 'z')}},
        {{30000050, "Real"}, {30000051, "REA"}, {30000052, "Real Club"}, {30000050, "dup"}}};
    for (const auto& entries : files) {
        const auto bytes = canonical_file(entries);
        auto t = parsed(bytes);
        EXPECT_EQ(serialize_language_file(t), bytes);
    }
}

TEST(LanguageFile, NonCanonicalFilesAreReadAndWrittenCanonically) {
    // Strings in reverse order, shared, with gaps and junk padding; stale header words.
    bytes_builder b;
    b.words({1, 2, 3, 4, 999, 6, 7, 8, 9, 10, 999, 999});
    b.u32(3).u32(0);
    b.words({10, 200, 20, 168, 30, 168});
    for (int i = 0; i < 9; ++i)
        b.u32(0);
    while (b.size() < 168)
        b.raw({0x11});
    b.str("shared");
    while (b.size() < 200)
        b.raw({0x22});
    b.u32(5).raw({'f', 'i', 'r', 's', 't', 0x33, 0x33, 0x33});
    auto t = parsed(b.bytes());
    EXPECT_EQ(t.entry(0).text, "first");
    EXPECT_EQ(t.entry(1).text, "shared");
    EXPECT_EQ(t.entry(2).text, "shared");
    const auto out = serialize_language_file(t);
    auto again = parsed(out);
    EXPECT_EQ(serialize_language_file(again), out);
    EXPECT_EQ(load_u32(out.data() + 16), 56u + 24);
    EXPECT_EQ(again.entry(0).offset, 92 + 24);
    EXPECT_EQ(out.size(), 92u + 24 + 12 + 12 + 12);
}

TEST(LanguageFile, RefusesDamagedFiles) {
    const auto good = canonical_file({{1, "one"}, {2, "two"}});
    struct damage {
        const char* what;
        std::vector<std::uint8_t> bytes;
        const char* message;
    };
    auto patched = [&](std::size_t at, std::uint32_t v) {
        auto b = good;
        store_u32(b.data() + at, v);
        return b;
    };
    const std::vector<damage> cases = {
        {"too many entries", patched(48, 100002), "100002 entries"},
        {"count past the end", patched(48, 1000), "directory of 1000 entries"},
        {"offset past the end", patched(60, 5000), "entry 0 (key 1, offset 5000)"},
        {"length past the end", patched(static_cast<std::size_t>(load_u32(good.data() + 68)), 64),
         "entry 1 (key 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        string_table t;
        t.set_string(42, "kept");
        const auto r = parse_language_file(c.bytes, "eng.db", t);
        EXPECT_EQ(r.status, result::code::damaged);
        EXPECT_EQ(r.message().rfind("eng.db is damaged: ", 0), 0u) << r.message();
        EXPECT_NE(r.message().find(c.message), std::string::npos) << r.message();
        EXPECT_EQ(t.string_count(), 1u); // nothing of the loaded table changed
    }
    // Every truncation that cuts more than the last string's padding is refused.
    for (std::size_t n = 0; n + 1 < good.size(); ++n) {
        std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<long>(n));
        string_table t;
        const bool ok = parse_language_file(cut, "eng.db", t).ok();
        EXPECT_EQ(ok, n >= good.size() - 1) << "length " << n;
    }
}

TEST(LanguageFile, SaveRefusesMoreEntriesThanTheFileHolds) {
    test::temp_dir dir;
    string_table t;
    for (std::int32_t k = 0; k < static_cast<std::int32_t>(max_language_entries); ++k)
        t.set_string(k, "");
    ASSERT_TRUE(save_language_file(dir / "eng.db", t));
    const auto before = test::read_file(dir / "eng.db");
    t.set_string(-1, "one too many");
    const auto r = save_language_file(dir / "eng.db", t);
    EXPECT_EQ(r.status, result::code::write_failed);
    EXPECT_NE(r.message().find("100002 entries"), std::string::npos) << r.message();
    EXPECT_EQ(test::read_file(dir / "eng.db"), before);
}

TEST(LanguageFile, ALargeFileIsSavedAsItIsSerializedAndFailsAtAnyChunk) {
    // Saved a chunk at a time, the file is the serialized one byte for byte; a write that fails
    // in the middle leaves the old file.
    std::vector<entry> entries;
    for (int i = 0; i < 20000; ++i)
        entries.push_back({i * 3, std::string(static_cast<std::size_t>(i % 250), 'x')});
    entries.push_back({-1, std::string(safe_replace_chunk + 3, 'y')});
    auto table = parsed(canonical_file(entries));
    const auto expected = serialize_language_file(table);
    ASSERT_GT(expected.size(), 3 * safe_replace_chunk);
    test::temp_dir dir;
    const auto path = dir / "eng.db";
    ASSERT_TRUE(save_language_file(path, table));
    EXPECT_EQ(test::read_file(path), expected);

    test::write_file(path, {7, 7});
    test::failing_ops ops;
    ops.fail_at = test::failing_ops::step::write;
    ops.fail_write = 3;
    EXPECT_FALSE(save_language_file(path, table, ops));
    EXPECT_EQ(test::read_file(path), (std::vector<std::uint8_t>{7, 7}));
    EXPECT_EQ(dir.list(), std::vector<std::string>{"eng.db"});
}

TEST(LanguageFile, AFailedSaveLeavesTheOldFile) {
    test::temp_dir dir;
    const auto path = dir / "spa.db";
    const auto old_bytes = canonical_file({{1, "uno"}});
    test::write_file(path, old_bytes);
    auto t = parsed(canonical_file({{1, "dos"}}));
    test::failing_ops ops;
    ops.fail_at = test::failing_ops::step::flush;
    const auto r = save_language_file(path, t, ops);
    EXPECT_EQ(r.status, result::code::write_failed);
    EXPECT_NE(r.message().find("spa.db"), std::string::npos);
    EXPECT_EQ(test::read_file(path), old_bytes);
    EXPECT_EQ(dir.list(), std::vector<std::string>{"spa.db"});
}

TEST(LanguageFile, AFileThatCannotBeOpened) {
    test::temp_dir dir;
    string_table t;
    const auto r = load_language_file(dir / "fre.db", t);
    EXPECT_EQ(r.status, result::code::cannot_open);
    EXPECT_NE(r.message().find("fre.db"), std::string::npos);
}

} // namespace
} // namespace qira
