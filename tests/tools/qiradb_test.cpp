// The qiradb command-line tool, run as a program: exit codes, outputs, and that a refused input
// writes nothing.

#include "dbfile/build.h"
#include "dbfile/database.h"
#include "editing/open_game.h"
#include "support/file_bytes.h"
#include "support/random_model.h"
#include "support/spare_words.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace qira {
namespace {

struct run_result {
    int code;
    std::string out;
    std::string err;
};

class Qiradb : public ::testing::Test {
  protected:
    run_result run(const std::string& args) {
        const auto out = dir / "stdout.txt";
        const auto err = dir / "stderr.txt";
        const std::string command = std::string("\"") + QIRADB_PATH + "\" " + args + " > \"" +
                                    out.string() + "\" 2> \"" + err.string() + "\"";
        const int status = std::system(command.c_str());
#ifdef _WIN32
        const int code = status;
#else
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
        auto text = [](const std::filesystem::path& p) {
            std::ifstream in(p, std::ios::binary);
            std::stringstream s;
            s << in.rdbuf();
            return s.str();
        };
        return {code, text(out), text(err)};
    }
    std::string path(const std::string& name) {
        return "\"" + (dir / name).string() + "\"";
    }

    // Tables 0 to 13; leagues, stadiums and teams with a row each, and a language file with
    // their names.
    void write_install() {
        database db;
        for (int t = 0; t <= 13; ++t)
            add_table(db, {"t" + std::to_string(t), {"id"}, {}, {"a", "b"}, {{"v", 0, 255}}});
        for (int t : {1, 7, 13}) {
            auto& row = add_row(db, t);
            row.keys[0] = 2;
            row.strings[1] = "label";
        }
        ASSERT_TRUE(save_database(dir / "qira.db", db));
        string_table lang;
        for (auto key : {10000020, 10000022, 20000020, 30000020, 30000021, 30000022, 5})
            lang.set_string(key, "text " + std::to_string(key));
        ASSERT_TRUE(save_language_file(dir / "eng.db", lang));
    }

    test::temp_dir dir;
};

TEST_F(Qiradb, RewriteReproducesCanonicalFiles) {
    std::mt19937 rng(99);
    for (int i = 0; i < 5; ++i) {
        database db = test::random_database(rng);
        ASSERT_TRUE(save_database(dir / "in.db", db));
        const auto r = run("rewrite " + path("in.db") + " " + path("out.db"));
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(test::read_file(dir / "out.db"), test::read_file(dir / "in.db"));
    }
}

TEST_F(Qiradb, RewriteWithTheLanguageFileReproducesBoth) {
    write_install();
    const auto r = run("rewrite " + path("qira.db") + " " + path("out.db") + " --lang " +
                       path("eng.db") + " " + path("out-eng.db"));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(test::read_file(dir / "out.db"), test::read_file(dir / "qira.db"));
    EXPECT_EQ(test::read_file(dir / "out-eng.db"), test::read_file(dir / "eng.db"));
    const auto lang = run("lang-rewrite " + path("eng.db") + " " + path("lang-out.db"));
    ASSERT_EQ(lang.code, 0) << lang.err;
    EXPECT_EQ(test::read_file(dir / "lang-out.db"), test::read_file(dir / "eng.db"));
}

TEST_F(Qiradb, ASaveThatCannotWriteBothFilesWritesNeither) {
    ASSERT_EQ(run("make-sample " + path("a")).code, 0);
    ASSERT_EQ(run("make-sample " + path("b") + " --seed 2").code, 0);
    const std::string db = path("a/data/cmn/qira.db"), lang = path("a/data/cmn/fe/eng.db");
    const auto d = run("diff " + db + " " + path("b/data/cmn/qira.db") + " --lang " + lang + " " +
                       path("b/data/cmn/fe/eng.db"));
    ASSERT_EQ(d.code, 0) << d.err;
    test::write_file(dir / "mod.json", std::vector<std::uint8_t>(d.out.begin(), d.out.end()));
    const auto csv = run("dump " + db + " --table 1 --format csv --lang " + lang);
    ASSERT_EQ(csv.code, 0) << csv.err;
    test::write_file(dir / "leagues.csv",
                     std::vector<std::uint8_t>(csv.out.begin(), csv.out.end()));
    const auto lang_file = dir / "a" / "data" / "cmn" / "fe" / "eng.db";
    std::filesystem::permissions(lang_file, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    const auto db_before = test::read_file(dir / "a" / "data" / "cmn" / "qira.db");
    const auto lang_before = test::read_file(lang_file);
    const struct {
        std::string args, problem;
    } cases[] = {
        // In place, with a read-only language file.
        {"patch " + db + " " + path("mod.json") + " " + db + " --lang " + lang + " " + lang,
         "the file is read-only"},
        // The language file's folder is missing.
        {"import-csv " + db + " 1 " + path("leagues.csv") + " " + path("out.db") + " --lang " +
             lang + " " + path("missing/eng.db"),
         "No such file or directory"},
    };
    for (const auto& c : cases) {
        const auto r = run(c.args);
        EXPECT_EQ(r.code, 1) << c.args;
        EXPECT_NE(r.err.find(c.problem + ". Nothing was saved"), std::string::npos) << r.err;
        EXPECT_EQ(test::read_file(dir / "a" / "data" / "cmn" / "qira.db"), db_before);
        EXPECT_EQ(test::read_file(lang_file), lang_before);
        EXPECT_FALSE(std::filesystem::exists(dir / "out.db"));
    }
    std::filesystem::permissions(lang_file, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
}

TEST_F(Qiradb, DumpPrintsTheDecodedModelAsOneJsonObject) {
    database db;
    add_table(
        db, {"players", {"id", "team"}, {"x"}, {"name"}, {{"talent", -1, 4}, {"height", 0, 255}}});
    auto& row = add_row(db, 0);
    row.keys = {7, 9, 0, 0};
    row.extras[0] = -5;
    row.strings[0] = "M\xc3\xbcller \"Q\"\xff";
    row.values = {6, 180};
    ASSERT_TRUE(save_database(dir / "qira.db", db));
    const auto r = run("dump " + path("qira.db"));
    ASSERT_EQ(r.code, 0) << r.err;
    // An invalid byte is escaped as a lone low surrogate; nothing else is lost.
    EXPECT_NE(r.out.find("M\xc3\xbcller \\\"Q\\\"\\udcff"), std::string::npos) << r.out;
    std::string parsable = r.out;
    parsable.replace(parsable.find("\\udcff"), 6, "?");
    const auto j = nlohmann::json::parse(parsable);
    ASSERT_EQ(j["tables"].size(), 1u);
    const auto& t = j["tables"][0];
    EXPECT_EQ(t["name"], "players");
    EXPECT_EQ(t["row_count"], 1);
    EXPECT_EQ(t["words_per_row"], 5);
    ASSERT_EQ(t["fields"].size(), 6u);
    EXPECT_EQ(t["fields"][0]["kind"], "key");
    EXPECT_EQ(t["fields"][2]["kind"], "extra");
    EXPECT_EQ(t["fields"][3]["kind"], "string");
    EXPECT_FALSE(t["fields"][3].contains("width"));
    EXPECT_EQ(t["fields"][4]["kind"], "packed");
    EXPECT_EQ(t["fields"][4]["descriptor_a"], -1);
    EXPECT_EQ(t["fields"][4]["descriptor_b"], 4);
    EXPECT_EQ(t["fields"][4]["width"], 4);
    const auto& rj = t["rows"][0];
    EXPECT_EQ(rj["keys"], nlohmann::json({7, 9}));
    EXPECT_EQ(rj["extras"], nlohmann::json({-5}));
    EXPECT_EQ(rj["string_refs"].size(), 1u);
    EXPECT_EQ(rj["values"], nlohmann::json({6, 180}));
    EXPECT_FALSE(rj.contains("names"));
}

TEST_F(Qiradb, DumpWithTheLanguageFileAddsTheNames) {
    write_install();
    const auto r = run("dump " + path("qira.db") + " --lang " + path("eng.db"));
    ASSERT_EQ(r.code, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["tables"][1]["rows"][0]["names"],
              nlohmann::json({"text 10000020", "text 10000022"}));
    EXPECT_EQ(j["tables"][7]["rows"][0]["names"].size(), 1u);
    EXPECT_EQ(j["tables"][13]["rows"][0]["names"].size(), 3u);
    EXPECT_FALSE(j["tables"][2].contains("names"));

    const auto lang = run("lang-dump " + path("eng.db"));
    ASSERT_EQ(lang.code, 0) << lang.err;
    const auto l = nlohmann::json::parse(lang.out);
    EXPECT_EQ(l["count"], 7);
    EXPECT_EQ(l["entries"][6]["key"], 5);
    EXPECT_EQ(l["entries"][6]["text"], "text 5");
}

TEST_F(Qiradb, DumpOneTableAsCsv) {
    database db;
    add_table(db, {"teams", {"id"}, {}, {"name"}, {{"prestige", 0, 15}}});
    auto& a = add_row(db, 0);
    a.keys[0] = 1;
    a.strings[0] = "Plain";
    auto& b = add_row(db, 0);
    b.keys[0] = 2;
    b.strings[0] = "Quote \"and\", comma";
    b.values[0] = 11;
    ASSERT_TRUE(save_database(dir / "qira.db", db));
    const auto r = run("dump " + path("qira.db") + " --table 0 --format csv");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "id,name,prestige\r\n1,Plain,0\r\n2,\"Quote \"\"and\"\", comma\",11\r\n");
}

TEST_F(Qiradb, ImportCsvReplacesATableAndListsProblems) {
    write_install();
    // The leagues with their names, exported, changed and imported.
    auto r = run("dump " + path("qira.db") + " --table 1 --format csv --lang " + path("eng.db"));
    ASSERT_EQ(r.code, 0) << r.err;
    // Leagues have two names: the long and the short title.
    EXPECT_EQ(r.out, "id,a,b,v,@name0,@name1\r\n2,,label,0,text 10000020,text 10000022\r\n");
    {
        std::ofstream csv(dir / "leagues.csv", std::ios::binary);
        csv << "\xEF\xBB\xBF@name1,@name0,v,b,a,id\n"
               "short,Long,200,label,,2\n"
               "New,New league,3,new,\xE9,9\n";
    }
    r = run("import-csv " + path("qira.db") + " 1 " + path("leagues.csv") + " " + path("out.db") +
            " --lang " + path("eng.db") + " " + path("out.lang"));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.err.find("warning: 1 text of leagues.csv"), std::string::npos) << r.err;
    r = run("dump " + path("out.db") + " --table 1 --format csv --lang " + path("out.lang"));
    EXPECT_EQ(r.out, "id,a,b,v,@name0,@name1\r\n2,,label,200,Long,short\r\n"
                     "9,\xE9,new,3,New league,New\r\n");

    // Problems: exit 1, the file and the count first, then one line each; nothing written.
    {
        std::ofstream csv(dir / "bad.csv", std::ios::binary);
        csv << "id,a,b,v\r\n1,,x,256\r\nx,,y,1\r\n";
    }
    r = run("import-csv " + path("qira.db") + " 1 " + path("bad.csv") + " " + path("bad.db"));
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "qiradb: bad.csv (separated by commas) was not imported: 2 problems; nothing "
                     "was changed.\n"
                     "line 2, column v: 256 does not fit in 8 bits\n"
                     "line 3, column id: \"x\" is not a whole number\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "bad.db"));
    // The @name columns are the language file's: without it they are no field of the table.
    r = run("import-csv " + path("qira.db") + " 1 " + path("leagues.csv") + " " + path("bad.db"));
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("column @name1: no field of table 1 has this name"), std::string::npos);
}

TEST_F(Qiradb, ImportCsvKeepsEachRowsSpareWordsByKey) {
    // Players with words past their fields, as the game's rows carry them.
    database db;
    add_table(db, {"players", {"id"}, {}, {"name"}, {{"height", 0, 255}}});
    for (std::int32_t id : {10, 20, 30}) {
        auto& row = add_row(db, 0);
        row.keys[0] = id;
        row.strings[0] = "p" + std::to_string(id);
    }
    test::add_spare_words(db, 0);
    ASSERT_TRUE(save_database(dir / "qira.db", db));
    // As a spreadsheet saves it: semicolons, CR line ends, a blank line; sorted backwards, 20
    // deleted, 40 new.
    std::ofstream(dir / "t.csv", std::ios::binary)
        << "name;id;height\r\"p;30\";30;1\r\rp40;40;2\rp10;10;3\r";
    const auto r =
        run("import-csv " + path("qira.db") + " 0 " + path("t.csv") + " " + path("out.db"));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "t.csv (separated by semicolons) imported into table 0: 3 rows, 2 matched by "
                     "key, 1 new.\n");
    database out;
    ASSERT_TRUE(load_database(dir / "out.db", nullptr, out));
    ASSERT_EQ(out.rows(0).size(), 3u);
    EXPECT_EQ(out.rows(0)[0].strings[0], "p;30");
    EXPECT_EQ(test::spare_words(out, 0, 0), test::spare_words(db, 0, 2));
    EXPECT_EQ(test::spare_words(out, 0, 1), std::vector<std::uint32_t>(2, 0));
    EXPECT_EQ(test::spare_words(out, 0, 2), test::spare_words(db, 0, 0));
}

TEST_F(Qiradb, RefusedInputsAndBadUsage) {
    // A missing input: exit 1 with one line naming the file; nothing written.
    auto missing = run("rewrite " + path("nothing.db") + " " + path("out.db"));
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("nothing.db"), std::string::npos);
    EXPECT_EQ(std::count(missing.err.begin(), missing.err.end(), '\n'), 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "out.db"));

    // A damaged input is refused the same way.
    test::write_file(dir / "bad.db", {0, 0, 0, 0, 0, 0, 0, 0, 99, 0, 0, 0});
    auto bad = run("rewrite " + path("bad.db") + " " + path("out.db"));
    EXPECT_EQ(bad.code, 1);
    EXPECT_NE(bad.err.find("bad.db is damaged"), std::string::npos) << bad.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "out.db"));
    auto check = run("check " + path("bad.db"));
    EXPECT_EQ(check.code, 1);

    write_install();
    EXPECT_EQ(run("check " + path("qira.db") + " --lang " + path("eng.db")).out, "ok\n");
    EXPECT_EQ(run("check " + path("qira.db") + " --lang " + path("bad.db")).code, 1);
    EXPECT_EQ(run("dump " + path("qira.db") + " --table 20").code, 1);

    EXPECT_EQ(run("").code, 2);
    EXPECT_EQ(run("frobnicate").code, 2);
    EXPECT_EQ(run("dump").code, 2);
    EXPECT_EQ(run("dump " + path("qira.db") + " --format csv").code, 2); // csv needs --table
    EXPECT_EQ(run("dump " + path("qira.db") + " --format xml").code, 2);
    const auto usage = run("rewrite " + path("qira.db"));
    EXPECT_EQ(usage.code, 2);
    EXPECT_NE(usage.err.find("Usage"), std::string::npos) << usage.err;
}

TEST_F(Qiradb, InfoListsTablesAndFields) {
    write_install();
    const auto r = run("info " + path("qira.db"));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("qira.db: 14 tables"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("table 13 \"t13\": 1 rows, 4 words per row"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("  3 v: packed, 8 bits"), std::string::npos) << r.out;
}

TEST_F(Qiradb, TablesAreGivenByIndexOrNameAndTheSeedWithinItsRange) {
    database db;
    add_table(db, {"teams", {"id"}, {}, {"name"}, {{"v", 0, 15}}});
    add_table(db, {"odd\x1b[2J", {"id"}, {}, {"name\x1b]0;x\x07"}, {{"v", 0, 15}}});
    add_table(db, {"twin", {"id"}, {}, {}, {}});
    add_table(db, {"twin", {"id"}, {}, {}, {}});
    add_row(db, 1).keys[0] = 5;
    ASSERT_TRUE(save_database(dir / "qira.db", db));
    // info shows the names with their control bytes escaped, and takes them as it shows them.
    const auto info = run("info " + path("qira.db"));
    ASSERT_EQ(info.code, 0) << info.err;
    EXPECT_EQ(info.out.find('\x1b'), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("table 1 \"odd\\u001b[2J\": 1 rows"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("  1 name\\u001b]0;x\\u0007: string"), std::string::npos) << info.out;
    // (A dump is the file's data: its bytes as they are.)
    const std::string csv = "id,name\x1b]0;x\x07,v\r\n5,,0\r\n";
    for (const std::string table : {"1", "01", "'odd\\u001b[2J'"}) {
        const auto r = run("dump " + path("qira.db") + " --format csv --table " + table);
        ASSERT_EQ(r.code, 0) << table << ": " << r.err;
        EXPECT_EQ(r.out, csv) << table;
    }
    EXPECT_EQ(run("dump " + path("qira.db") + " --table teams").code, 0);
    const auto none = run("dump " + path("qira.db") + " --table nobody");
    EXPECT_EQ(none.code, 1);
    EXPECT_EQ(none.err, "qiradb: qira.db has no table named \"nobody\" (it has \"teams\", "
                        "\"odd\\u001b[2J\", \"twin\", \"twin\")\n");
    const auto twins = run("dump " + path("qira.db") + " --table twin");
    EXPECT_EQ(twins.code, 1);
    EXPECT_EQ(twins.err, "qiradb: qira.db has 2 tables named \"twin\"; give the index of one\n");
    std::ofstream(dir / "t.csv", std::ios::binary) << "id,name\n7,x\n";
    const auto by_name =
        run("import-csv " + path("qira.db") + " twin " + path("t.csv") + " " + path("out.db"));
    EXPECT_EQ(by_name.code, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "out.db"));
    const auto imported =
        run("import-csv " + path("qira.db") + " teams " + path("t.csv") + " " + path("out.db"));
    EXPECT_EQ(imported.code, 1) << imported.err; // no column v
    EXPECT_NE(imported.err.find("column v: the column is missing"), std::string::npos);

    // A seed out of its range is refused, saying the range; nothing is written.
    for (const std::string seed : {"18446744073709551616", "-1", "1e3", "x"}) {
        const auto r = run("make-sample " + path("s") + " --seed " + seed);
        EXPECT_EQ(r.code, 2) << seed;
        EXPECT_NE(
            r.err.find("--seed " + seed + " is not a whole number from 0 to 18446744073709551615"),
            std::string::npos)
            << r.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "s"));
    }
}

TEST_F(Qiradb, ASheetsNamesReachTheTerminalEscapedAndUnicodeTextIsRead) {
    database db;
    add_table(db, {"teams", {"id"}, {}, {"name"}, {{"v", 0, 15}}});
    ASSERT_TRUE(save_database(dir / "qira.db", db));
    std::ofstream(dir / "bad.csv", std::ios::binary) << "id,name,v,\x1b[2J\x9b"
                                                        "31m\n1,a,2\n";
    auto r = run("import-csv " + path("qira.db") + " 0 " + path("bad.csv") + " " + path("out.db"));
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "qiradb: bad.csv (separated by commas) was not imported: 1 problem; nothing "
                     "was changed.\n"
                     "line 1, column \\u001b[2J\\udc9b31m: no field of table 0 has this name\n");
    // Saved as "Unicode text": UTF-16 with its byte-order mark, separated by tabs.
    const std::u16string text = u"id\tname\tv\r\n3\tM\u00fcller \u6771\u4eac\t4\r\n";
    std::string bytes = "\xFF\xFE";
    for (const char16_t u : text)
        bytes += {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
    std::ofstream(dir / "unicode.txt", std::ios::binary) << bytes;
    r = run("import-csv " + path("qira.db") + " teams " + path("unicode.txt") + " " +
            path("out.db"));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "unicode.txt (UTF-16, separated by tabs) imported into table 0: 1 row, 1 new.\n");
    database out;
    ASSERT_TRUE(load_database(dir / "out.db", nullptr, out));
    EXPECT_EQ(out.rows(0)[0].strings[0], "M\xc3\xbcller \xe6\x9d\xb1\xe4\xba\xac");
}

TEST_F(Qiradb, CheckReferencesListsEachProblemOnALine) {
    write_install();
    // The one team has no row of team settings: exit 1 and one line naming the row.
    const auto r = run("check " + path("qira.db") + " --lang " + path("eng.db") + " --references");
    EXPECT_EQ(r.code, 1) << r.err;
    EXPECT_EQ(
        r.out,
        "t13: text 30000020 (keys 2, rank 0): team 2 has no row in table 9 (team settings)\n");
    // Without --references only the loading is checked.
    EXPECT_EQ(run("check " + path("qira.db")).out, "ok\n");
}

TEST_F(Qiradb, DiffAndPatchTurnOneInstallIntoAnotherAndBack) {
    ASSERT_EQ(run("make-sample " + path("a")).code, 0);
    ASSERT_EQ(run("make-sample " + path("b") + " --seed 2").code, 0);
    const std::string a = path("a/data/cmn/qira.db"), a_lang = path("a/data/cmn/fe/eng.db");
    const std::string b = path("b/data/cmn/qira.db"), b_lang = path("b/data/cmn/fe/eng.db");

    const auto same = run("diff " + a + " " + a + " --lang " + a_lang + " " + a_lang);
    ASSERT_EQ(same.code, 0) << same.err;
    const auto empty = nlohmann::json::parse(same.out);
    EXPECT_EQ(empty["format"], "qira-db-patch");
    EXPECT_EQ(empty["version"], 1);
    EXPECT_EQ(empty["tables"], nlohmann::json::array());
    EXPECT_EQ(empty["language"]["changed"], nlohmann::json::array());

    const auto d = run("diff " + a + " " + b + " --lang " + a_lang + " " + b_lang);
    ASSERT_EQ(d.code, 0) << d.err;
    test::write_file(dir / "mod.json", std::vector<std::uint8_t>(d.out.begin(), d.out.end()));

    auto r = run("patch " + a + " " + path("mod.json") + " " + path("out.db") + " --lang " +
                 a_lang + " " + path("out-eng.db"));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(test::read_file(dir / "out.db"), test::read_file(dir / "b/data/cmn/qira.db"));
    EXPECT_EQ(test::read_file(dir / "out-eng.db"), test::read_file(dir / "b/data/cmn/fe/eng.db"));

    r = run("patch " + path("out.db") + " " + path("mod.json") + " " + path("back.db") +
            " --lang " + path("out-eng.db") + " " + path("back-eng.db") + " --reverse");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(test::read_file(dir / "back.db"), test::read_file(dir / "a/data/cmn/qira.db"));
    EXPECT_EQ(test::read_file(dir / "back-eng.db"), test::read_file(dir / "a/data/cmn/fe/eng.db"));

    // Applied a second time, every change conflicts: the count, 20 of them, nothing written.
    r = run("patch " + path("out.db") + " " + path("mod.json") + " " + path("twice.db") +
            " --lang " + path("out-eng.db") + " " + path("twice-eng.db"));
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.rfind("qiradb: mod.json does not apply to out.db: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(" conflicts\n  nations: England (keys 1, rank 0) field "),
              std::string::npos)
        << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 22) << r.err;
    EXPECT_NE(r.err.find("\n  and "), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "twice.db"));
    EXPECT_FALSE(std::filesystem::exists(dir / "twice-eng.db"));

    // Language changes need the language file.
    r = run("patch " + a + " " + path("mod.json") + " " + path("nolang.db"));
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("no language file is given"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "nolang.db"));
}

// show-patch lists what a patch would change in a game that moved on, and patch
// --skip-conflicts applies the rest of it.
TEST_F(Qiradb, ShowPatchMarksConflictsAndSkipConflictsAppliesTheRest) {
    ASSERT_EQ(run("make-sample " + path("a")).code, 0);
    const std::string a = path("a/data/cmn/qira.db"), lang = path("a/data/cmn/fe/eng.db");
    // The mod changes three values of the players; the install changed the first of them too.
    const auto edited = [&](const std::string& name, std::uint32_t by, int rows) {
        open_game game;
        EXPECT_TRUE(
            open_game_files(dir / "a/data/cmn/qira.db", dir / "a/data/cmn/fe/eng.db", game));
        for (int r = 0; r < rows; ++r)
            game.db.rows(4)[static_cast<std::size_t>(r)].values[3] ^= by;
        EXPECT_TRUE(save_game_files(game, dir / (name + ".db"), dir / (name + "-eng.db")));
        return game;
    };
    const open_game mod = edited("mod", 1, 3);
    const open_game install = edited("install", 2, 1);
    const auto d = run("diff " + a + " " + path("mod.db"));
    ASSERT_EQ(d.code, 0) << d.err;
    test::write_file(dir / "mod.json", std::vector<std::uint8_t>(d.out.begin(), d.out.end()));

    const auto shown =
        run("show-patch " + path("install.db") + " " + path("mod.json") + " --lang " + lang);
    ASSERT_EQ(shown.code, 0) << shown.err;
    std::istringstream lines(shown.out);
    std::vector<std::string> listed;
    for (std::string line; std::getline(lines, line);)
        listed.push_back(line);
    ASSERT_EQ(listed.size(), 3u) << shown.out;
    EXPECT_EQ(listed[0].rfind("! players: ", 0), 0u) << listed[0];
    EXPECT_NE(listed[0].find("(conflict: holds "), std::string::npos);
    for (std::size_t i = 1; i < listed.size(); ++i)
        EXPECT_EQ(listed[i].rfind("  players: ", 0), 0u) << listed[i];

    auto r = run("patch " + path("install.db") + " " + path("mod.json") + " " + path("out.db"));
    EXPECT_EQ(r.code, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "out.db"));
    r = run("patch " + path("install.db") + " " + path("mod.json") + " " + path("out.db") +
            " --skip-conflicts");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "left out 1 change that conflict or go with one that does:\n" + listed[0] + "\n");
    open_game out;
    ASSERT_TRUE(open_game_files(dir / "out.db", {}, out));
    for (std::size_t row = 0; row < 3; ++row)
        EXPECT_EQ(out.db.rows(4)[row].values[3],
                  (row == 0 ? install : mod).db.rows(4)[row].values[3]);
}

TEST_F(Qiradb, DiffAndPatchRefuseWhatTheyCannotUse) {
    write_install();
    ASSERT_EQ(run("make-sample " + path("a")).code, 0);
    const std::string a = path("a/data/cmn/qira.db");
    auto r = run("diff " + path("qira.db") + " " + a);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "qiradb: qira.db and qira.db cannot be compared: the first has 14 tables, "
                     "the second 15\n");

    test::write_file(dir / "mod.json", {'{', '"', 'f'});
    r = run("patch " + a + " " + path("mod.json") + " " + path("out.db"));
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.rfind("qiradb: mod.json is not a valid patch: not valid JSON: line 1", 0), 0u)
        << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "out.db"));
    EXPECT_EQ(run("patch " + a + " " + path("nothing.json") + " " + path("out.db")).code, 1);

    // A value its field cannot hold is a conflict, in a document saved with a byte-order mark.
    const auto value_patch = [&](int after) {
        const std::string doc =
            "\xEF\xBB\xBF{\"format\": \"qira-db-patch\", \"version\": 1, \"tables\": [{\"index\": "
            "1, "
            "\"name\": \"t1\", \"fields\": [\"id\", \"a\", \"b\", \"v\"], \"kinds\": {\"keys\": 1, "
            "\"extras\": 0, \"strings\": 2, \"packed\": 1}, \"rows_before\": 1, \"rows_after\": 1, "
            "\"changed\": [{\"keys\": [2], \"rank\": 0, \"fields\": [{\"field\": \"v\", "
            "\"before\": 0, \"after\": " +
            std::to_string(after) + "}]}], \"removed\": [], \"added\": []}]}";
        test::write_file(dir / "value.json", std::vector<std::uint8_t>(doc.begin(), doc.end()));
        return run("patch " + path("qira.db") + " " + path("value.json") + " " + path("v.db"));
    };
    r = value_patch(300);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "qiradb: value.json does not apply to qira.db: 1 conflict\n"
                     "  t1: label (keys 2, rank 0) field v: 300 does not fit in 8 bits\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "v.db"));
    r = value_patch(255);
    EXPECT_EQ(r.code, 0) << r.err;

    EXPECT_EQ(run("diff " + a).code, 2);
    EXPECT_EQ(run("patch " + a + " " + path("mod.json")).code, 2);
    EXPECT_EQ(run("diff " + a + " " + a + " --lang " + a).code, 2);
}

// merge and merge-patches: two mods of one install that both change a player's value (and each
// another one), without --prefer refused with the conflict listed, with it decided for the side.
TEST_F(Qiradb, MergeListsConflictsAndWritesOnlyWhenPreferDecidesThem) {
    ASSERT_EQ(run("make-sample " + path("base")).code, 0);
    const std::string base = path("base/data/cmn/qira.db"), lang = path("base/data/cmn/fe/eng.db");
    const auto edited = [&](const std::string& name, std::uint32_t by, std::size_t other_row) {
        open_game game;
        EXPECT_TRUE(
            open_game_files(dir / "base/data/cmn/qira.db", dir / "base/data/cmn/fe/eng.db", game));
        game.db.rows(4)[0].values[3] ^= by;
        game.db.rows(4)[other_row].values[3] ^= by;
        EXPECT_TRUE(save_game_files(game, dir / (name + ".db"), dir / (name + "-eng.db")));
        return game;
    };
    const open_game a = edited("a", 1, 1), b = edited("b", 2, 2);
    const auto langs = [&](const std::string& out) {
        return " --lang " + lang + " " + path("a-eng.db") + " " + path("b-eng.db") + " " +
               path(out);
    };

    // Nothing disagrees: A merged with itself is A.
    auto r = run("merge " + base + " " + path("a.db") + " " + path("a.db") + " " + path("aa.db") +
                 langs("aa-eng.db"));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(test::read_file(dir / "aa.db"), test::read_file(dir / "a.db"));
    EXPECT_EQ(test::read_file(dir / "aa-eng.db"), test::read_file(dir / "a-eng.db"));

    r = run("merge " + base + " " + path("a.db") + " " + path("b.db") + " " + path("out.db") +
            langs("out-eng.db"));
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.rfind("qiradb: a.db and b.db: 1 conflict; nothing written", 0), 0u) << r.err;
    const std::string line = r.err.substr(r.err.find("\n  ") + 3);
    EXPECT_EQ(line.rfind("players: ", 0), 0u) << line;
    EXPECT_NE(line.find(", rank 0) field "), std::string::npos) << line;
    EXPECT_FALSE(std::filesystem::exists(dir / "out.db"));
    EXPECT_FALSE(std::filesystem::exists(dir / "out-eng.db"));

    for (const std::string name : {"a", "b"}) {
        const auto d = run("diff " + base + " " + path(name + ".db"));
        ASSERT_EQ(d.code, 0) << d.err;
        test::write_file(dir / (name + ".json"),
                         std::vector<std::uint8_t>(d.out.begin(), d.out.end()));
    }
    r = run("merge-patches " + path("a.json") + " " + path("b.json") + " " + path("ab.json"));
    EXPECT_EQ(r.code, 1);
    // Without the base game, the row is named by its keys and rank.
    const std::string patch_line = r.err.substr(r.err.find("\n  ") + 3);
    EXPECT_EQ(patch_line.rfind("players: keys ", 0), 0u) << patch_line;
    EXPECT_EQ(patch_line.substr(patch_line.find(" field ")), line.substr(line.find(" field ")));
    EXPECT_FALSE(std::filesystem::exists(dir / "ab.json"));

    for (const std::string side : {"a", "b"}) {
        SCOPED_TRACE(side);
        const std::string out = side + "-won";
        r = run("merge " + base + " " + path("a.db") + " " + path("b.db") + " " +
                path(out + ".db") + langs(out + "-eng.db") + " --prefer " + side);
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out, "1 conflict decided for " + side + ":\n  " + line);
        open_game won;
        ASSERT_TRUE(open_game_files(dir / (out + ".db"), {}, won));
        for (std::size_t row = 0; row < 3; ++row)
            EXPECT_EQ(won.db.rows(4)[row].values[3],
                      (row == 1 || (row == 0 && side == "a") ? a : b).db.rows(4)[row].values[3]);
        // The patches merged apply to the base as the games merged.
        r = run("merge-patches " + path("a.json") + " " + path("b.json") + " " +
                path(out + ".json") + " --prefer " + side);
        ASSERT_EQ(r.code, 0) << r.err;
        r = run("patch " + base + " " + path(out + ".json") + " " + path(out + "-p.db"));
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(test::read_file(dir / (out + "-p.db")), test::read_file(dir / (out + ".db")));
    }

    // Refused: a file that is not there, named; nothing written.
    r = run("merge-patches " + path("a.json") + " " + path("none.json") + " " + path("x.json"));
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("none.json"), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "x.json"));
}

} // namespace
} // namespace qira
