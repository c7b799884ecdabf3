// A CSV import as one flow: each row keeps the stored words of the row with its keys (sorted,
// shortened, repeated and new keys), tables whose keys cannot tell rows apart by position, the
// summary and the refusals, and the sheets as spreadsheets save them (separators, line ends,
// blank lines).

#include "dbfile/build.h"
#include "editing/csv_import.h"
#include "editing/open_game.h"
#include "editing/table_csv.h"
#include "fileio/utf8.h"
#include "support/file_bytes.h"
#include "support/model_compare.h"
#include "support/spare_words.h"
#include "testdata/sample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <set>

namespace qira {
namespace {

using namespace table_index;

// The tiny sample, its players, stadiums, links and teams with spare words past their fields.
class CsvByKey : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(write_sample_install(dir.path(), {sample_scale::tiny, 5}));
        database db;
        string_table lang;
        ASSERT_TRUE(load_language_file(lang_path(), lang));
        ASSERT_TRUE(load_database(db_path(), &lang, db));
        for (int t : {players, stadiums, team_players, teams})
            test::add_spare_words(db, t);
        ASSERT_TRUE(save_database(db_path(), db));
        ASSERT_TRUE(open_game_files(db_path(), lang_path(), game));
        ASSERT_TRUE(open_game_files(db_path(), lang_path(), opened));
    }
    std::filesystem::path db_path() const { return install_database_path(dir.path()); }
    std::filesystem::path lang_path() const { return install_language_path(dir.path(), "eng"); }

    // Table t as the CSV of these rows.
    std::string sheet(int t, const std::vector<db_overall_data>& rows) const {
        database copy = opened.db;
        copy.overall[t].rows = rows;
        copy.overall[t].row_count = static_cast<std::int32_t>(rows.size());
        return table_csv(copy, t, name_columns(opened.db, t, &opened.lang));
    }
    std::vector<db_overall_data> opened_rows(int t) const {
        const auto rows = opened.db.rows(t);
        return {rows.begin(), rows.end()};
    }

    test::temp_dir dir;
    open_game game;
    open_game opened;
};

TEST_F(CsvByKey, EachRowKeepsTheSpareWordsOfItsKeysAfterASaveAndUndoGivesTheFileBack) {
    struct sheet_case {
        const char* what;
        std::function<void(std::vector<db_overall_data>&)> edit;
        std::size_t lost, added, repeated; // keys of the table not in the sheet, new, repeated
    };
    const sheet_case cases[] = {
        {"sorted backwards", [](auto& rows) { std::reverse(rows.begin(), rows.end()); }, 0, 0, 0},
        {"a row deleted", [](auto& rows) { rows.erase(rows.begin() + 1); }, 1, 0, 0},
        // The first row with a key takes its words: the copy in front, not the row itself.
        {"a repeated key",
         [](auto& rows) {
             const auto copy = rows[2];
             rows.insert(rows.begin(), copy);
         },
         0, 0, 1},
        {"a new key",
         [](auto& rows) {
             std::int32_t top = 0;
             for (const auto& r : rows)
                 top = std::max(top, r.keys[0]);
             rows[1].keys[0] = top + 1;
         },
         1, 1, 0},
    };
    const auto original = test::read_file(db_path());
    for (const int t : {players, team_players, teams}) {
        const auto by_key = test::spare_words_by_key(opened.db, t);
        ASSERT_EQ(by_key.size(), opened.db.rows(t).size()) << "the keys of table " << t;
        for (const sheet_case& c : cases) {
            SCOPED_TRACE("table " + std::to_string(t) + ", " + c.what);
            auto rows = opened_rows(t);
            c.edit(rows);
            const csv_import r = import_table_csv(game, t, sheet(t, rows), "sheet.csv");
            ASSERT_TRUE(r.imported()) << r.summary();
            const std::size_t n = opened.db.rows(t).size();
            EXPECT_TRUE(r.matching.by_key);
            EXPECT_EQ(r.matching.matched, n - c.lost);
            EXPECT_EQ(r.matching.added, c.added);
            EXPECT_EQ(r.matching.repeated, c.repeated);

            // What each row must carry: the first row with a known key its words, others zeros.
            std::vector<std::vector<std::uint32_t>> expected;
            std::set<test::key_tuple> taken;
            for (const auto& row : rows) {
                const auto k = test::keys_of(opened.db, t, row);
                const auto it = by_key.find(k);
                expected.push_back(it != by_key.end() && taken.insert(k).second
                                       ? it->second
                                       : std::vector<std::uint32_t>(2, 0));
            }
            test::temp_dir out;
            ASSERT_TRUE(save_game_files(game, out / "qira.db", out / "eng.db"));
            open_game saved;
            ASSERT_TRUE(open_game_files(out / "qira.db", out / "eng.db", saved));
            ASSERT_EQ(saved.db.rows(t).size(), rows.size());
            for (std::size_t i = 0; i < rows.size(); ++i) {
                EXPECT_EQ(saved.db.rows(t)[i].keys, rows[i].keys) << "row " << i;
                EXPECT_EQ(test::spare_words(saved.db, t, i), expected[i]) << "row " << i;
            }

            undo(game, r.made);
            test::expect_same_model(game.db, opened.db);
            ASSERT_TRUE(save_game_files(game, out / "undone.db", out / "undone-eng.db"));
            EXPECT_EQ(test::read_file(out / "undone.db"), original);
        }
    }
}

TEST_F(CsvByKey, APermutedSheetGivesEveryRowTheWordsOfItsKeys) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        std::mt19937 rng(seed);
        const int t = seed % 2 ? players : team_players;
        SCOPED_TRACE("seed " + std::to_string(seed));
        auto rows = opened_rows(t);
        std::shuffle(rows.begin(), rows.end(), rng);
        if (seed % 3 == 0)
            rows.erase(
                std::remove_if(rows.begin(), rows.end(), [&](auto&) { return rng() % 5 == 0; }),
                rows.end());
        const csv_import r = import_table_csv(game, t, sheet(t, rows), "sheet.csv");
        ASSERT_TRUE(r.imported()) << r.summary();
        EXPECT_EQ(r.matching.matched, rows.size());
        // All of each row's stored words, not only the spare ones, are those of its keys' row.
        const auto w = static_cast<std::size_t>(game.db.overall[t].words_per_row);
        std::map<test::key_tuple, std::vector<std::uint32_t>> words_of_key;
        for (std::size_t i = 0; i < opened.db.rows(t).size(); ++i) {
            const auto& words = opened.db.blocks[t].words;
            words_of_key[test::keys_of(opened.db, t, opened.db.rows(t)[i])] = {
                words.begin() + static_cast<std::ptrdiff_t>(i * w),
                words.begin() + static_cast<std::ptrdiff_t>((i + 1) * w)};
        }
        const auto& now = game.db.blocks[t].words;
        ASSERT_EQ(now.size(), rows.size() * w);
        for (std::size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(
                std::vector<std::uint32_t>(now.begin() + static_cast<std::ptrdiff_t>(i * w),
                                           now.begin() + static_cast<std::ptrdiff_t>((i + 1) * w)),
                words_of_key[test::keys_of(game.db, t, rows[i])])
                << "row " << i;
        undo(game, r.made);
    }
    test::expect_same_model(game.db, opened.db);
}

TEST_F(CsvByKey, RefusalsSayWhyAndChangeNothing) {
    auto r = import_csv_file(game, players, dir / "missing.csv");
    EXPECT_FALSE(r.imported());
    EXPECT_NE(r.summary().find("missing.csv"), std::string::npos) << r.summary();
    r = import_table_csv(game, 20, "id\r\n", "t.csv");
    EXPECT_EQ(r.summary(), "t.csv was not imported: the database has no table 20; nothing was "
                           "changed.");
    const std::string first = game.db.tables[players].fields[0].name;
    r = import_table_csv(game, players, first + ";nothing\n1;2\n", "bad.csv");
    EXPECT_FALSE(r.imported());
    EXPECT_TRUE(r.made.empty());
    EXPECT_EQ(r.summary().rfind("bad.csv (separated by semicolons) was not imported: ", 0), 0u)
        << r.summary();
    EXPECT_TRUE(r.summary().ends_with(" problems; nothing was changed.")) << r.summary();
    EXPECT_EQ(r.problems.at(0).message(),
              "line 1, column nothing: no field of table 4 has this name");
    test::expect_same_model(game.db, opened.db);
}

// A table whose keys repeat, and one without keys: rows keep the words of their place.
TEST(CsvByPosition, TablesWithoutUniqueKeysKeepTheWordsOfEachPlace) {
    test::temp_dir dir;
    database db;
    add_table(db, {"links", {"id"}, {}, {"name"}, {{"v", 0, 255}}});
    add_table(db, {"notes", {}, {}, {"name"}, {{"v", 0, 255}}});
    for (int t : {0, 1})
        for (std::int32_t id : {1, 1, 2})
            add_row(db, t).keys[0] = t == 0 ? id : 0;
    for (int t : {0, 1})
        test::add_spare_words(db, t);
    ASSERT_TRUE(save_database(dir / "q.db", db));
    open_game game;
    ASSERT_TRUE(open_game_files(dir / "q.db", {}, game));
    const database opened = game.db;

    auto r = import_table_csv(game, 0, "id,name,v\n2,c,0\n1,b,0\n1,a,0\n", "links.csv");
    ASSERT_TRUE(r.imported());
    EXPECT_EQ(r.summary(),
              "links.csv (separated by commas) imported into table 0: 3 rows, 3 placed "
              "by position (the table's keys are not unique).");
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(test::spare_words(game.db, 0, i), test::spare_words(opened, 0, i));
    r = import_table_csv(game, 1, "name\tv\nx\t1\ny\t1\nz\t1\nnew\t1\n", "notes.csv");
    ASSERT_TRUE(r.imported());
    EXPECT_EQ(r.summary(), "notes.csv (separated by tabs) imported into table 1: 4 rows, 3 placed "
                           "by position, 1 new (the table has no key fields).");
    EXPECT_EQ(test::spare_words(game.db, 1, 2), test::spare_words(opened, 1, 2));
    EXPECT_EQ(test::spare_words(game.db, 1, 3), std::vector<std::uint32_t>(2, 0));
}

// --- Sheets as spreadsheets save them

database text_table() {
    database db;
    add_table(db, {"t", {"id"}, {}, {"name", "note"}, {{"v", 0, 255}}});
    return db;
}

// Line breaks in a text, as a reader counts lines: CR LF, LF or CR alone.
std::size_t line_breaks(const std::string& s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i] == '\n' || (s[i] == '\r' && (i + 1 >= s.size() || s[i + 1] != '\n')))
            ++n;
    return n;
}

TEST(CsvSheets, EverySeparatorWithEveryLineEndAndBlankLines) {
    const database db = text_table();
    for (const char sep : {',', ';', '\t'}) {
        // A text that holds every separator and quotes is quoted; one that holds the two other
        // separators is not.
        std::string others;
        for (const char c : {',', ';', '\t'})
            if (c != sep)
                others += std::string("x") + c;
        const std::string quoted = "Lee, \"A\"; B\tC\rD";
        for (const std::string eol : {"\n", "\r\n", "\r"}) {
            for (const bool blanks : {false, true}) {
                SCOPED_TRACE(std::string("separator ") +
                             (sep == '\t' ? "tab" : std::string(1, sep)) + ", line end " +
                             std::to_string(eol.size()) + (eol == "\r" ? " CR" : "") +
                             (blanks ? ", blank lines" : ""));
                const std::string s(1, sep);
                const std::string blank = blanks ? eol : "";
                std::string csv = "id" + s + "name" + s + "note" + s + "v" + eol + blank;
                csv += "1" + s + "\"Lee, \"\"A\"\"; B\tC\rD\"" + s + others + s + "5" + eol;
                csv += blank + (blanks ? s + s + s + eol : "");
                csv += "-2" + s + s + s + "0" + eol + blank;
                const csv_rows read = read_table_csv(db, 0, csv);
                ASSERT_TRUE(read.ok()) << read.problems.at(0).message();
                EXPECT_EQ(read.separator, sep);
                ASSERT_EQ(read.rows.size(), 2u);
                EXPECT_EQ(read.rows[0].strings[0], quoted);
                EXPECT_EQ(read.rows[0].strings[1], others);
                EXPECT_EQ(read.rows[0].values[0], 5u);
                EXPECT_EQ(read.rows[1].keys[0], -2);
                EXPECT_EQ(read.rows[1].strings[0], "");

                // A problem names the line a text editor shows it on.
                const std::string bad = csv + "x" + s + s + s + "1" + eol;
                const csv_rows refused = read_table_csv(db, 0, bad);
                ASSERT_EQ(refused.problem_count, 1u);
                EXPECT_EQ(refused.problems[0].message(),
                          "line " + std::to_string(line_breaks(csv) + 1) +
                              ", column id: \"x\" is not a whole number");
            }
        }
    }
    EXPECT_EQ(separator_name(';'), "semicolons");
    EXPECT_EQ(separator_name('\t'), "tabs");
    EXPECT_EQ(separator_name(','), "commas");
}

TEST(CsvSheets, BlankLinesDoNotCountTowardsTheRowLimit) {
    database db;
    add_table(db, {"t", {"id"}, {}, {}, {{"v", 0, 255}}});
    std::string csv = "id;v\r";
    for (int i = 0; i < max_rows; ++i)
        csv += std::to_string(i) + ";0\r" + (i % 1000 == 0 ? "\r;\r" : "");
    const csv_rows read = read_table_csv(db, 0, csv);
    ASSERT_TRUE(read.ok()) << read.problems.at(0).message();
    EXPECT_EQ(read.rows.size(), static_cast<std::size_t>(max_rows));
    const csv_rows over = read_table_csv(db, 0, csv + "1;0\r");
    ASSERT_EQ(over.problem_count, 1u);
    EXPECT_NE(over.problems[0].message().find(
                  "table 0 would have 11002 rows; a table holds at most 11001"),
              std::string::npos)
        << over.problems[0].message();
    // Told with every row of the file, at its last.
    const csv_rows further = read_table_csv(db, 0, csv + "1;0\r\r2;0\r3;0\r;\r");
    ASSERT_EQ(further.problem_count, 1u);
    EXPECT_EQ(further.problems[0].message(),
              "line " + std::to_string(max_rows + 2 * (max_rows / 1000 + 1) + 5) +
                  ": table 0 would have 11004 rows; a table holds at most 11001");
}

TEST(CsvSheets, LinesOfEmptyFieldsAreSkippedWhateverTheirCount) {
    const database db = text_table();
    // Under a header of four columns: lines of one to nine empty fields, quoted or not.
    for (std::size_t n = 1; n <= 9; ++n)
        for (const char* empty : {"", "\"\""}) {
            std::string blank;
            for (std::size_t f = 0; f < n; ++f)
                blank += (f > 0 ? "," : "") + std::string(empty);
            SCOPED_TRACE(blank);
            const csv_rows read = read_table_csv(db, 0, "id,name,note,v\n1,a,,2\n" + blank + "\n");
            ASSERT_TRUE(read.ok()) << read.problems.at(0).message();
            EXPECT_EQ(read.rows.size(), 1u);
        }
    // A line with anything in it keeps its checks.
    const csv_rows short_line = read_table_csv(db, 0, "id,name,note,v\n1,a,,2\n, ,\n");
    ASSERT_EQ(short_line.problem_count, 1u);
    EXPECT_EQ(short_line.problems[0].message(), "line 3: 3 fields, but the header has 4");
    // In a table of texts only, a line of as many empty fields as columns is a row of empty texts.
    database texts;
    add_table(texts, {"t", {}, {}, {"name", "note"}, {}});
    const csv_rows read = read_table_csv(texts, 0, "name,note\n,\n,,\n\n");
    ASSERT_TRUE(read.ok()) << read.problems.at(0).message();
    EXPECT_EQ(read.rows.size(), 1u);
}

// UTF-16 text, as spreadsheets save "Unicode text": tabs between the fields, a byte-order mark.
std::string utf16(std::u16string_view text, bool big_endian, bool mark = true) {
    std::string out = mark ? (big_endian ? "\xFE\xFF" : "\xFF\xFE") : "";
    for (const char16_t u : text) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += big_endian ? hi : lo;
        out += big_endian ? lo : hi;
    }
    return out;
}

TEST(CsvSheets, UnicodeTextIsReadAsItsUtf8AndUtf16WithoutAMarkIsRefused) {
    const database db = text_table();
    const std::u16string sheet =
        u"id\tname\tnote\tv\r\n"
        u"1\tM\u00fcller\t\u0141\u00f3d\u017a \u0397\u03bb\u03af\u03b1\u03c2\t7\r\n"
        u"2\t\u0418\u0432\u0430\u043d\t\u6771\u4eac \U0001F600\t8\r\n";
    const std::string utf8 =
        "id\tname\tnote\tv\r\n"
        "1\tM\xc3\xbcller\t\xc5\x81\xc3\xb3\x64\xc5\xba \xce\x97\xce\xbb\xce\xaf"
        "\xce\xb1\xcf\x82\t7\r\n"
        "2\t\xd0\x98\xd0\xb2\xd0\xb0\xd0\xbd\t\xe6\x9d\xb1\xe4\xba\xac "
        "\xf0\x9f\x98\x80\t8\r\n";
    const csv_rows expected = read_table_csv(db, 0, utf8);
    ASSERT_TRUE(expected.ok());
    ASSERT_EQ(expected.rows.size(), 2u);
    for (const bool big_endian : {false, true}) {
        SCOPED_TRACE(big_endian ? "big-endian" : "little-endian");
        const csv_rows read = read_table_csv(db, 0, utf16(sheet, big_endian));
        ASSERT_TRUE(read.ok()) << read.problems.at(0).message();
        EXPECT_TRUE(read.utf16);
        EXPECT_EQ(read.separator, '\t');
        EXPECT_EQ(read.texts_not_utf8, 0u);
        ASSERT_EQ(read.rows.size(), 2u);
        for (std::size_t r = 0; r < 2; ++r) {
            EXPECT_EQ(read.rows[r].strings, expected.rows[r].strings);
            EXPECT_EQ(read.rows[r].values, expected.rows[r].values);
        }
        // Without its mark, it is refused, saying what to do.
        const csv_rows unmarked = read_table_csv(db, 0, utf16(sheet, big_endian, false));
        ASSERT_EQ(unmarked.problem_count, 1u);
        EXPECT_EQ(unmarked.problems[0].message(),
                  "line 1: the file looks like UTF-16 text without a byte-order mark (a NUL in "
                  "every other byte); save it as CSV UTF-8, or as Unicode text with its "
                  "byte-order mark");
        // Half a character is refused rather than guessed at.
        const csv_rows broken = read_table_csv(db, 0, utf16(sheet, big_endian) + "x");
        ASSERT_EQ(broken.problem_count, 1u);
        EXPECT_NE(broken.problems[0].message().find("half a character"), std::string::npos);
        const csv_rows lone = read_table_csv(
            db, 0, utf16(sheet.substr(0, sheet.size() - 4) + u"\xD83D\t8\r\n", big_endian));
        EXPECT_EQ(lone.problem_count, 1u);
    }
    // A file in another 8-bit encoding is read as before: its texts kept as their bytes.
    const csv_rows latin1 = read_table_csv(db, 0, "id;name;note;v\n1;M\xfcller;;3\n");
    ASSERT_TRUE(latin1.ok());
    EXPECT_EQ(latin1.rows[0].strings[0], "M\xfcller");
    EXPECT_EQ(latin1.texts_not_utf8, 1u);
}

// Names and texts of a sheet reach a message with their control bytes and the bytes that are
// not UTF-8 escaped: a sheet cannot rewrite the terminal or window that shows them.
TEST(CsvSheets, ControlBytesOfASheetAreEscapedInMessages) {
    const database db = text_table();
    std::vector<std::pair<unsigned char, std::string>> cases;
    static const char hex[] = "0123456789abcdef";
    for (unsigned c = 0; c < 0x20; ++c)
        cases.emplace_back(c, c == '\n'   ? "\\n"
                              : c == '\r' ? "\\r"
                              : c == '\t' ? "\\t"
                                          : std::string("\\u00") + hex[c >> 4] + hex[c & 15]);
    cases.emplace_back(0x7f, "\\u007f");
    cases.emplace_back(0x9b, "\\udc9b"); // a lone byte, not UTF-8
    for (const auto& [c, shown] : cases) {
        SCOPED_TRACE(static_cast<int>(c));
        const std::string name = std::string("a") + static_cast<char>(c) + "[2J";
        const csv_rows header = read_table_csv(db, 0, "id,name,note,v,\"" + name + "\"\n");
        ASSERT_EQ(header.problem_count, 1u);
        EXPECT_EQ(header.problems[0].message(),
                  "line 1, column a" + shown + "[2J: no field of table 0 has this name");
        const csv_rows cell = read_table_csv(db, 0, "id,name,note,v\n1,x,y,\"" + name + "\"\n");
        ASSERT_EQ(cell.problem_count, 1u);
        EXPECT_EQ(cell.problems[0].message(),
                  "line 2, column v: \"a" + shown + "[2J\" is not a whole number");
    }
    // The C1 controls (a terminal's CSI among them), as UTF-8 characters, too.
    EXPECT_EQ(printable("\xc2\x9b"
                        "2J \xc2\xa0 M\xc3\xbcller \\"),
              "\\u009b2J \xc2\xa0 M\xc3\xbcller \\\\");
}

} // namespace
} // namespace qira
