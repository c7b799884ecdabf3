// Edits of any table and CSV: each edit undone and redone, every refusal changes nothing, every
// table of the samples through CSV and back byte for byte, and each import problem with its line
// and column.

#include "dbfile/bits.h"
#include "dbfile/build.h"
#include "editing/open_game.h"
#include "editing/table_csv.h"
#include "editing/table_edits.h"
#include "support/file_bytes.h"
#include "support/model_compare.h"
#include "testdata/sample.h"

#include <gtest/gtest.h>

#include <numeric>

namespace qira {
namespace {

using namespace table_index;

class TableEdits : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(write_sample_install(dir.path(), {sample_scale::tiny, 5}));
        ASSERT_TRUE(open_game_files(db_path(), lang_path(), game));
        ASSERT_TRUE(open_game_files(db_path(), lang_path(), opened));
    }
    std::filesystem::path db_path() const { return install_database_path(dir.path()); }
    std::filesystem::path lang_path() const { return install_language_path(dir.path(), "eng"); }
    int column(int t, const char* name) const {
        const auto& fields = game.db.tables[static_cast<std::size_t>(t)].fields;
        for (std::size_t f = 0; f < fields.size(); ++f)
            if (fields[f].name == name)
                return static_cast<int>(f);
        ADD_FAILURE() << "no field " << name;
        return 0;
    }
    void expect_undo_redo(const change& c) {
        const database edited = game.db;
        undo(game, c);
        test::expect_same_model(game.db, opened.db);
        redo(game, c);
        test::expect_same_model(game.db, edited);
    }
    void expect_saved_as_opened() {
        test::temp_dir out;
        ASSERT_TRUE(save_game_files(game, out / "qira.db", out / "eng.db"));
        EXPECT_EQ(test::read_file(out / "qira.db"), test::read_file(db_path()));
        EXPECT_EQ(test::read_file(out / "eng.db"), test::read_file(lang_path()));
    }

    test::temp_dir dir;
    open_game game;
    open_game opened;
};

TEST_F(TableEdits, ACellOfEveryKindIsSetUndoneAndRedone) {
    const int height = column(players, "height");
    auto r = set_cell_text(game, column_cell(game.db, players, 3, height), "201");
    ASSERT_TRUE(r.ok()) << r.message();
    EXPECT_EQ(cell_text(game.db, column_cell(game.db, players, 3, height)), "201");
    expect_undo_redo(r.made);

    undo(game, r.made);
    r = set_cell_text(game, column_cell(game.db, players, 3, column(players, "surname")), "Ørsted");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(game.lookups.player_by_label(player_label(game.db.rows(players)[3])), 3);
    expect_undo_redo(r.made);
    undo(game, r.made);

    // A key: -1 and 4294967295 are the same 32 bits; the lookups follow the new id.
    r = set_cell_text(game, column_cell(game.db, teams, 0, 0), "4294967295");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(cell_text(game.db, column_cell(game.db, teams, 0, 0)), "-1");
    EXPECT_EQ(game.lookups.team_by_key(-1), 0);
    expect_undo_redo(r.made);
    undo(game, r.made);
    expect_saved_as_opened();
}

TEST_F(TableEdits, ValuesThatDoNotFitAreRefusedAndChangeNothing) {
    const int height = column(players, "height");
    const int width =
        value_width(game.db, players, height - game.db.tables[players].whole_word_count());
    ASSERT_LT(width, 32);
    const std::string too_big = std::to_string(std::uint64_t{1} << width);
    const cell at = column_cell(game.db, players, 0, height);
    for (const std::string& text : {too_big, std::string("-1"), std::string("12a"), std::string(""),
                                    std::string("99999999999")}) {
        const auto r = set_cell_text(game, at, text);
        EXPECT_FALSE(r.ok()) << text;
        EXPECT_TRUE(r.made.empty());
    }
    EXPECT_EQ(set_cell_text(game, at, too_big).message(),
              too_big + " does not fit in " + std::to_string(width) + " bits");
    for (const char* text : {"4294967296", "-2147483649"})
        EXPECT_FALSE(set_cell_text(game, column_cell(game.db, players, 0, 0), text).ok()) << text;
    const auto lowest = set_cell_text(game, column_cell(game.db, players, 0, 0), "-2147483648");
    EXPECT_TRUE(lowest.ok());
    undo(game, lowest.made);
    test::expect_same_model(game.db, opened.db);
}

TEST_F(TableEdits, AFieldOfWidthZeroHoldsOnlyZero) {
    database db;
    add_table(db, {"t", {"id"}, {}, {}, {{"nothing", 0, 0}, {"wide", 0, 0x7FFF}}});
    test::write_file(dir / "zero.db", serialize_database(db));
    open_game g;
    ASSERT_TRUE(open_game_files(dir / "zero.db", {}, g));
    change c;
    insert_row(g, c, 0, 0, db_overall_data{});
    auto& row = g.db.rows(0)[0];
    row.values.resize(2, 0);
    EXPECT_EQ(value_width(g.db, 0, 0), 0);
    EXPECT_EQ(set_cell_text(g, {0, 0, row_part::value, 0}, "1").message(),
              "1 does not fit in 0 bits");
    EXPECT_TRUE(set_cell_text(g, {0, 0, row_part::value, 0}, "0").ok());
}

TEST_F(TableEdits, RowCopiesAndDeletionsKeepTheirStoredWordsAndUndo) {
    const auto count = game.db.rows(stadiums).size();
    auto r = insert_row_copies(game, stadiums, {2, 0});
    ASSERT_TRUE(r.ok()) << r.message();
    ASSERT_EQ(game.db.rows(stadiums).size(), count + 2);
    EXPECT_EQ(game.db.overall[stadiums].row_count, static_cast<std::int32_t>(count + 2));
    EXPECT_EQ(game.db.rows(stadiums)[1].keys, game.db.rows(stadiums)[0].keys);
    EXPECT_EQ(game.db.rows(stadiums)[4].strings[0], game.db.rows(stadiums)[3].strings[0]);
    expect_undo_redo(r.made);
    undo(game, r.made);

    r = delete_rows(game, players, {0, 5, 3});
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(game.db.rows(players).size(), opened.db.rows(players).size() - 3);
    EXPECT_EQ(game.db.rows(players)[0].keys, opened.db.rows(players)[1].keys);
    EXPECT_EQ(game.lookups.player_by_key(opened.db.rows(players)[0].keys[0]), -1);
    expect_undo_redo(r.made);
    undo(game, r.made);
    EXPECT_TRUE(delete_rows(game, players, {}).message() == "no row is selected");
    EXPECT_FALSE(delete_rows(game, players, {100000}).ok());
    expect_saved_as_opened();
}

TEST_F(TableEdits, ATableNeverGrowsPastWhatAFileHolds) {
    std::vector<db_overall_data> rows(static_cast<std::size_t>(max_rows) + 1);
    const auto r = replace_table(game, stadiums, rows);
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.message().find("at most 11001"), std::string::npos) << r.message();
    test::expect_same_model(game.db, opened.db);
    // Row words: a table of rows of 50 words fills its 250001 words at 5000 rows.
    database wide = game.db;
    wide.overall[players].words_per_row = 50;
    EXPECT_TRUE(check_capacity(wide, players, 5000).ok());
    ASSERT_FALSE(check_capacity(wide, players, 5001).ok());
    EXPECT_EQ(check_capacity(wide, players, 5001).message(),
              "table 4 would have 250050 row words; a table holds at most 250001");
}

// Gives the rows of table t two more words past their fields, non-zero and different in every
// row, as the game's rows carry words the editor does not decode.
void add_spare_words(database& db, int t) {
    db_overall& o = db.overall[t];
    const auto w = static_cast<std::size_t>(o.words_per_row);
    const auto& words = db.blocks[static_cast<std::size_t>(t)].words;
    std::vector<std::uint32_t> wide;
    for (std::size_t r = 0; r < o.rows.size(); ++r) {
        wide.insert(wide.end(), words.begin() + static_cast<std::ptrdiff_t>(r * w),
                    words.begin() + static_cast<std::ptrdiff_t>((r + 1) * w));
        wide.push_back(0x5EED0000u + static_cast<std::uint32_t>(r));
        wide.push_back(~static_cast<std::uint32_t>(r));
    }
    db.blocks[static_cast<std::size_t>(t)].words = std::move(wide);
    o.words_per_row += 2;
}

// The words a row needs for its fields: whole words, then the packed bits in whole words.
int fields_words(const db_table& table, int t) {
    int bits = 0;
    for (int j = 0; j < table.packed_count; ++j)
        bits +=
            field_width(table.fields[static_cast<std::size_t>(table.whole_word_count() + j)], t);
    return table.whole_word_count() + (bits + 31) / 32;
}

// A table emptied (every row deleted, or a CSV import of its header alone) keeps its rows' width
// while open: rows added back save and read back. Saved empty, it is read back with the width its
// fields need. The words past the fields that its rows carried cannot be known from a table
// without rows, which is expected: rows added then start without them, and they save and read
// back field for field.
TEST(EmptiedTable, IsFilledAgainWhileOpenAndAfterItWasSavedEmpty) {
    test::temp_dir dir;
    ASSERT_TRUE(write_sample_install(dir.path(), {sample_scale::tiny, 7}));
    const auto db_path = install_database_path(dir.path());
    const auto lang_path = install_language_path(dir.path(), "eng");
    {
        database db;
        ASSERT_TRUE(load_database(db_path, nullptr, db));
        for (int t : {stadiums, players})
            add_spare_words(db, t);
        ASSERT_TRUE(save_database(db_path, db));
    }
    open_game opened;
    ASSERT_TRUE(open_game_files(db_path, lang_path, opened));
    test::temp_dir out;
    // Saves `game` and opens what was saved.
    const auto saved = [&](open_game& game) {
        open_game back;
        EXPECT_TRUE(save_game_files(game, out / "qira.db", out / "eng.db"));
        EXPECT_TRUE(open_game_files(out / "qira.db", out / "eng.db", back));
        return back;
    };
    const auto empty = [&](open_game& game, int t, bool by_csv) {
        std::vector<int> all(game.db.rows(t).size());
        std::iota(all.begin(), all.end(), 0);
        const std::string csv = table_csv(game.db, t);
        const std::string header = csv.substr(0, csv.find('\n') + 1);
        const auto r = by_csv ? replace_table(game, t, read_table_csv(game.db, t, header).rows)
                              : delete_rows(game, t, all);
        ASSERT_TRUE(r.ok()) << r.message();
        ASSERT_TRUE(game.db.rows(t).empty());
    };
    for (int t : {stadiums, players, team_players, teams}) {
        for (bool by_csv : {false, true}) {
            SCOPED_TRACE("table " + std::to_string(t) + (by_csv ? ", CSV" : ", deleted"));
            const int w = opened.db.overall[t].words_per_row;
            const int needed = fields_words(opened.db.tables[t], t);
            const std::vector<db_overall_data> rows(opened.db.rows(t).begin(),
                                                    opened.db.rows(t).end());
            open_game game;
            ASSERT_TRUE(open_game_files(db_path, lang_path, game));
            empty(game, t, by_csv);
            EXPECT_EQ(game.db.overall[t].words_per_row, w);
            change made;
            insert_row(game, made, t, 0, rows[1]);
            open_game back = saved(game);
            EXPECT_EQ(back.db.overall[t].words_per_row, w);
            ASSERT_EQ(back.db.rows(t).size(), 1u);
            EXPECT_EQ(back.db.rows(t)[0].keys, rows[1].keys);
            EXPECT_EQ(back.db.rows(t)[0].strings, rows[1].strings);
            EXPECT_EQ(back.db.rows(t)[0].values, rows[1].values);

            // Saved empty and opened again: a row inserted, then every row back.
            empty(game, t, by_csv);
            open_game reopened = saved(game);
            EXPECT_EQ(reopened.db.overall[t].words_per_row, needed);
            insert_row(reopened, made, t, 0, rows[0]);
            back = saved(reopened);
            EXPECT_EQ(back.db.overall[t].words_per_row, needed);
            ASSERT_EQ(back.db.rows(t).size(), 1u);
            EXPECT_EQ(back.db.rows(t)[0].values, rows[0].values);
            ASSERT_TRUE(replace_table(back, t, rows).ok());
            test::expect_same_model(saved(back).db, opened.db, false);
        }
    }
}

// --- CSV

TEST(TableCsv, EveryTableOfEverySampleComesBackByteForByte) {
    for (const auto scale : {sample_scale::tiny, sample_scale::game}) {
        test::temp_dir dir;
        ASSERT_TRUE(write_sample_install(dir.path(), {scale, 7}));
        const auto db_path = install_database_path(dir.path());
        const auto lang_path = install_language_path(dir.path(), "eng");
        open_game game;
        ASSERT_TRUE(open_game_files(db_path, lang_path, game));
        for (int t = 0; t < game.db.table_count(); ++t) {
            SCOPED_TRACE(t);
            const int names = name_columns(game.db, t, &game.lang);
            const std::string csv = table_csv(game.db, t, names);
            const csv_rows read = read_table_csv(game.db, t, csv, names);
            ASSERT_TRUE(read.ok()) << (read.problems.empty() ? "" : read.problems[0].message());
            const auto r = replace_table(game, t, read.rows);
            ASSERT_TRUE(r.ok());
            EXPECT_EQ(table_csv(game.db, t, names), csv);
        }
        test::temp_dir out;
        ASSERT_TRUE(save_game_files(game, out / "qira.db", out / "eng.db"));
        EXPECT_EQ(test::read_file(out / "qira.db"), test::read_file(db_path));
        EXPECT_EQ(test::read_file(out / "eng.db"), test::read_file(lang_path));
    }
}

class CsvImport : public TableEdits {
  protected:
    csv_rows read(const std::string& csv) { return read_table_csv(game.db, stadiums, csv, 3); }
    std::string header() const {
        std::string h;
        for (const auto& f : game.db.tables[stadiums].fields)
            h += (h.empty() ? "" : ",") + f.name;
        return h + ",@name0,@name1,@name2";
    }
};

TEST_F(CsvImport, SpreadsheetFormsAreRead) {
    std::string csv = table_csv(game.db, stadiums, 3);
    // LF line ends, a byte-order mark, a quoted field with a line break and a doubled quote.
    std::string lf;
    for (std::size_t i = 0; i < csv.size(); ++i)
        if (!(csv[i] == '\r' && i + 1 < csv.size() && csv[i + 1] == '\n'))
            lf += csv[i];
    auto r = read("\xEF\xBB\xBF" + lf);
    ASSERT_TRUE(r.ok()) << r.problems[0].message();
    EXPECT_EQ(r.rows.size(), game.db.rows(stadiums).size());

    const auto& fields = game.db.tables[stadiums].fields;
    const int text = game.db.tables[stadiums].key_count + game.db.tables[stadiums].extra_count;
    ASSERT_LT(static_cast<std::size_t>(text), fields.size());
    const std::string line_break = header() + "\r\n" + [&] {
        std::string row;
        for (std::size_t f = 0; f < fields.size(); ++f)
            row += (f ? "," : "") +
                   std::string(static_cast<int>(f) == text ? "\"two\nlines, \"\"q\"\"\"" : "0");
        return row + ",a,b,c\r\n";
    }();
    r = read(line_break);
    ASSERT_TRUE(r.ok()) << r.problems[0].message();
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows[0].strings[0], "two\nlines, \"q\"");
    EXPECT_EQ(r.rows[0].names[2], "c");
}

TEST_F(CsvImport, ColumnsInAnyOrderMatchedByName) {
    // The same table with its columns reversed reads as the same rows.
    const std::string csv = table_csv(game.db, stadiums, 3);
    std::vector<std::vector<std::string>> cells;
    std::size_t start = 0;
    while (start < csv.size()) {
        const std::size_t end = csv.find("\r\n", start);
        std::string line = csv.substr(start, end - start);
        std::vector<std::string> fields;
        std::size_t s = 0;
        for (;;) {
            const std::size_t comma = line.find(',', s);
            fields.push_back(line.substr(s, comma - s));
            if (comma == std::string::npos)
                break;
            s = comma + 1;
        }
        cells.push_back(fields);
        start = end + 2;
    }
    std::string reversed;
    for (auto& line : cells) {
        for (std::size_t i = line.size(); i-- > 0;)
            reversed += line[i] + (i ? "," : "\r\n");
    }
    if (csv.find('"') != std::string::npos)
        GTEST_SKIP() << "the sample's stadium table needs quoting";
    const auto r = read(reversed);
    ASSERT_TRUE(r.ok()) << r.problems[0].message();
    ASSERT_TRUE(replace_table(game, stadiums, r.rows).ok());
    EXPECT_EQ(table_csv(game.db, stadiums, 3), csv);
}

TEST_F(CsvImport, EachProblemWithItsLineAndColumn) {
    EXPECT_EQ(read("").problems.at(0).message(),
              "line 1: the file is empty; it needs a header of the table's field names");
    auto r = read(header() + ",extra\r\n");
    EXPECT_EQ(r.problems.at(0).message(),
              "line 1, column extra: no field of table 7 has this name");
    const std::string first = game.db.tables[stadiums].fields[0].name;
    r = read(header().substr(first.size() + 1) + "\r\n");
    EXPECT_EQ(r.problems.at(0).message(), "line 1, column " + first + ": the column is missing");
    r = read(header() + "," + first + "\r\n");
    EXPECT_EQ(r.problems.at(0).message(), "line 1, column " + first + ": the column is repeated");

    // Rows: a number too wide, one that is not a number, too few fields, an open quote.
    std::string csv = table_csv(game.db, stadiums, 3);
    const auto fields = game.db.tables[stadiums].fields.size();
    std::string rows = header() + "\r\n";
    std::string zeros;
    for (std::size_t f = 0; f < fields + 3; ++f)
        zeros += f ? ",0" : "0";
    rows += zeros + "\r\n";
    rows += "x" + zeros.substr(1) + "\r\n";
    rows += "0,0\r\n";
    r = read(rows);
    EXPECT_EQ(r.problem_count, 2u);
    EXPECT_EQ(r.problems.at(0).message(),
              "line 3, column " + first + ": \"x\" is not a whole number");
    EXPECT_EQ(r.problems.at(1).message(),
              "line 4: 2 fields, but the header has " + std::to_string(fields + 3));
    EXPECT_TRUE(r.rows.empty());
    r = read(header() + "\r\n\"open");
    EXPECT_EQ(r.problems.at(0).message(), "line 2: a quoted field is not closed");
    // Only the first 20 are listed; all are counted.
    std::string many = header() + "\r\n";
    for (int i = 0; i < 30; ++i)
        many += "0,0\r\n";
    r = read(many);
    EXPECT_EQ(r.problem_count, 30u);
    EXPECT_EQ(r.problems.size(), 20u);
}

TEST_F(CsvImport, TextsThatAreNotUtf8AreKeptAndCounted) {
    std::string csv = table_csv(game.db, stadiums, 3);
    const std::size_t last = csv.rfind(',');
    csv.insert(last + 1, "M\xfcller ");
    const auto r = read(csv);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.texts_not_utf8, 1u);
    EXPECT_EQ(r.rows.back().names[2].substr(0, 7), "M\xfcller ");
}

} // namespace
} // namespace qira
