// Localized names: rows of leagues, stadiums and teams take their names from the language file
// by their own keys on load, and give them back on save.

#include "dbfile/build.h"
#include "dbfile/database.h"

#include <gtest/gtest.h>

namespace qira {
namespace {

// Tables 0 to 13 with a key; leagues, stadiums and teams get one row each with these ids.
database named_tables(std::int32_t league, std::int32_t stadium, std::int32_t team) {
    database db;
    for (int t = 0; t <= 13; ++t)
        add_table(db, {"t" + std::to_string(t), {"id"}, {}, {}, {}});
    add_row(db, 1).keys[0] = league;
    add_row(db, 7).keys[0] = stadium;
    add_row(db, 13).keys[0] = team;
    add_row(db, 4).keys[0] = team; // a table without names: never touched
    return db;
}

string_table language(const std::vector<std::pair<std::int32_t, std::string>>& entries) {
    string_table t;
    std::vector<Tstring_table> all;
    for (const auto& [key, text] : entries)
        all.push_back({key, 0, text});
    t.assign(std::move(all));
    t.names = standard_name_config();
    return t;
}

database loaded(database model, const string_table& lang) {
    database db;
    const auto r = parse_database(serialize_database(model), "qira.db", &lang, db);
    EXPECT_TRUE(r) << r.message();
    return db;
}

TEST(LocalizedNames, EachNameIsReadByItsOwnKey) {
    // League 3 owns 10000030 (long) and 10000032 (short); 10000031 between them is not its own.
    // Team 5's keys stand in reverse order with other entries between them.
    const auto lang = language({{30000052, "Ajax A'dam"},
                                {1, "menu"},
                                {10000030, "Premier League"},
                                {10000031, "not a title"},
                                {10000032, "Premier"},
                                {30000051, "AJA"},
                                {20000040, "Arena"},
                                {30000050, "Ajax Amsterdam"}});
    const database db = loaded(named_tables(3, 4, 5), lang);
    EXPECT_EQ(db.rows(1)[0].names[0], "Premier League");
    EXPECT_EQ(db.rows(1)[0].names[1], "Premier");
    EXPECT_EQ(db.rows(7)[0].names[0], "Arena");
    EXPECT_EQ(db.rows(13)[0].names[0], "Ajax Amsterdam");
    EXPECT_EQ(db.rows(13)[0].names[1], "AJA");
    EXPECT_EQ(db.rows(13)[0].names[2], "Ajax A'dam");
    EXPECT_EQ(db.rows(4)[0].names[0], "");

    // Saving writes each name back under the key it came from: nothing else changes.
    string_table saved = lang;
    names_to_string_table(db, saved);
    ASSERT_EQ(saved.string_count(), lang.string_count());
    for (std::size_t i = 0; i < lang.string_count(); ++i)
        EXPECT_EQ(saved.entry(i).text, lang.entry(i).text) << i;
}

TEST(LocalizedNames, RowsHoldOnlyTheTextsAndNamesOfTheirTable) {
    // What keeps a large database small in memory: a row stores as many texts as its table has
    // and as many names as the language file gives its table.
    database model = named_tables(3, 4, 5);
    const int texts = add_table(model, {"texts", {"id"}, {}, {"a", "b"}, {}});
    add_row(model, texts).strings = {"first", "second"};
    const database db = loaded(model, language({{10000030, "Premier League"}}));
    EXPECT_EQ(db.rows(1)[0].names.held(), 2u);
    EXPECT_EQ(db.rows(7)[0].names.held(), 1u);
    EXPECT_EQ(db.rows(13)[0].names.held(), 3u);
    EXPECT_EQ(db.rows(4)[0].names.held(), 0u);
    EXPECT_EQ(db.rows(1)[0].strings.held(), 0u);
    EXPECT_EQ(db.rows(texts)[0].strings.held(), 2u);
    EXPECT_EQ(db.rows(texts)[0].strings, (text_slots{"first", "second"}));
}

TEST(LocalizedNames, TheFirstEntryOfTheFileIsANameLikeAnyOther) {
    const auto lang = language({{20000040, "First Entry Stadium"}});
    EXPECT_EQ(loaded(named_tables(3, 4, 5), lang).rows(7)[0].names[0], "First Entry Stadium");
}

TEST(LocalizedNames, AnAbsentKeyGivesAnEmptyNameEvenAfterAnEarlierLoad) {
    const auto spanish = language({{30000050, "Real"}, {30000051, "REA"}, {30000052, "Real Club"}});
    const auto other = language({{30000051, "RMA"}});
    database db = loaded(named_tables(3, 4, 5), spanish);
    ASSERT_EQ(db.rows(13)[0].names[0], "Real");
    const auto r = parse_database(serialize_database(db), "qira.db", &other, db);
    ASSERT_TRUE(r);
    EXPECT_EQ(db.rows(13)[0].names[0], "");
    EXPECT_EQ(db.rows(13)[0].names[1], "RMA");
    EXPECT_EQ(db.rows(13)[0].names[2], "");
}

// What a save writes without copying the table: the names over its texts give the same entries
// as the names put into a copy.
void expect_overlay_as_copy(const database& db, const string_table& lang) {
    text_overlay over(lang);
    names_to_overlay(db, over);
    string_table copy = lang;
    names_to_string_table(db, copy);
    ASSERT_EQ(over.string_count(), copy.string_count());
    for (std::size_t i = 0; i < copy.string_count(); ++i) {
        EXPECT_EQ(over.key(i), copy.entry(i).key) << i;
        EXPECT_EQ(over.text(i), copy.entry(i).text) << i;
    }
}

TEST(LocalizedNames, SavingCopiesNamesEmptiesClearedOnesAndAppendsMissingKeys) {
    auto lang = language({{10000030, "Old long"}, {10000032, "Old short"}, {99, "menu"}});
    database db = loaded(named_tables(3, 4, 5), lang);
    db.rows(1)[0].names[0] = ""; // cleared: its entry is emptied
    db.rows(1)[0].names[1] = "New short";
    db.rows(13)[0].names[2] = "Ten chars!";
    db.rows(13)[0].names[0] = "Full name";
    db.rows(7)[0].names[0] = "Stadium";
    // Team 5's short name stays empty and has no key: it gets no entry, and neither does a
    // cleared name of a second row with the same id whose key only this save appends.
    db.rows(13)[0].names[1] = "";
    add_row(db, 13).keys[0] = 5;
    db.rows(13)[1].names[0] = "";
    expect_overlay_as_copy(db, lang);
    names_to_string_table(db, lang);
    EXPECT_EQ(lang.entry(0).text, "");
    EXPECT_EQ(lang.entry(1).text, "New short");
    // New keys at the end, in table order and then name order.
    ASSERT_EQ(lang.string_count(), 6u);
    EXPECT_EQ(lang.entry(3).key, 20000040);
    EXPECT_EQ(lang.entry(4).key, 30000050);
    EXPECT_EQ(lang.entry(4).text, "Full name");
    EXPECT_EQ(lang.entry(5).key, 30000052);
    // A second save finds the appended entries and does not append them again; a name cleared
    // now empties the entry the first save appended.
    for (auto& row : db.rows(13))
        row.names[0] = "Renamed";
    db.rows(13)[0].names[2] = "";
    expect_overlay_as_copy(db, lang);
    names_to_string_table(db, lang);
    ASSERT_EQ(lang.string_count(), 6u);
    EXPECT_EQ(lang.entry(4).text, "Renamed");
    EXPECT_EQ(lang.entry(5).text, "");
}

TEST(LocalizedNames, KeysUseThirtyTwoBitArithmetic) {
    // 10 * 300000000 + 30000000 wraps around 2^32.
    const name_config teams = standard_name_config()[13];
    EXPECT_EQ(teams.key_of(300000000, 0),
              static_cast<std::int32_t>(static_cast<std::uint32_t>(3000000000u + 30000000u)));
    EXPECT_EQ(teams.key_of(-1, 2), 30000000 - 10 + 2);
}

} // namespace
} // namespace qira
