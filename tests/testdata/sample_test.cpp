// The generated sample install, read back through the library: every file loads and is in the
// canonical form, the model in memory is what the files hold, the seed decides the bytes, the
// capacities hold at the largest scale, and the situations the editor must cope with are there.

#include "dbfile/bits.h"
#include "fileio/utf8.h"
#include "support/file_bytes.h"
#include "testdata/sample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace qira {
namespace {

namespace fs = std::filesystem;
using test::read_file;
using test::temp_dir;

constexpr int language_count = static_cast<int>(language_codes.size());

struct loaded_install {
    database db; // names from the English file
    std::array<string_table, language_codes.size()> languages;
};

loaded_install load_install(const fs::path& dir) {
    loaded_install out;
    for (int l = 0; l < language_count; ++l) {
        const auto r =
            load_language_file(install_language_path(dir, language_codes[l]), out.languages[l]);
        EXPECT_TRUE(r.ok()) << r.message();
    }
    const auto r = load_database(install_database_path(dir), &out.languages[0], out.db);
    EXPECT_TRUE(r.ok()) << r.message();
    return out;
}

// Every row carries data that no field covers, different from row to row where a word is free: the
// bits after its last field and, in the tables of leagues' teams, players, team players and teams,
// at least one whole word after them.
void expect_undecoded_data(const database& db) {
    for (int t = 0; t < db.table_count(); ++t) {
        SCOPED_TRACE(t);
        const db_table& table = db.tables[t];
        std::uint64_t bits = 0;
        for (std::size_t f = static_cast<std::size_t>(table.whole_word_count());
             f < table.fields.size(); ++f)
            bits += static_cast<std::uint64_t>(field_width(table.fields[f], t));
        const auto w = static_cast<std::uint64_t>(db.overall[t].words_per_row);
        const std::uint64_t free_bits = 32 * w - 32 * table.whole_word_count() - bits;
        if (t == table_index::league_teams || t == table_index::players ||
            t == table_index::team_players || t == table_index::teams) {
            EXPECT_GE(free_bits, 32u);
        }
        if (free_bits == 0)
            continue;
        const auto& words = db.blocks[t].words;
        const std::size_t first = static_cast<std::size_t>(table.whole_word_count() + bits / 32);
        std::set<std::vector<std::uint32_t>> seen;
        for (std::size_t r = 0; r < db.rows(t).size(); ++r) {
            std::vector<std::uint32_t> rest(
                words.begin() + static_cast<std::ptrdiff_t>(r * w + first),
                words.begin() + static_cast<std::ptrdiff_t>((r + 1) * w));
            rest.front() &= stream_word(~std::uint32_t{0} >> (bits % 32));
            ASSERT_NE(rest, std::vector<std::uint32_t>(rest.size(), 0)) << "row " << r;
            seen.insert(std::move(rest));
        }
        if (free_bits >= 32) {
            EXPECT_EQ(seen.size(), db.rows(t).size());
        }
    }
}

// Loads the install with each language as the editor opens it, then saves as "Save Changes"
// does: both files must come out exactly as they are on disk.
void expect_canonical(const fs::path& dir) {
    const auto db_bytes = read_file(install_database_path(dir));
    for (int l = 0; l < language_count; ++l) {
        SCOPED_TRACE(language_codes[l]);
        const auto lang_path = install_language_path(dir, language_codes[l]);
        string_table lang;
        auto r = load_language_file(lang_path, lang);
        ASSERT_TRUE(r.ok()) << r.message();
        database db;
        r = load_database(install_database_path(dir), &lang, db);
        ASSERT_TRUE(r.ok()) << r.message();
        const result parts = check_editor_parts(db);
        EXPECT_TRUE(parts.ok()) << parts.message();
        if (l == 0)
            expect_undecoded_data(db);
        EXPECT_TRUE(serialize_database(db) == db_bytes);
        names_to_string_table(db, lang);
        EXPECT_TRUE(serialize_language_file(lang) == read_file(lang_path));
    }
}

std::uint64_t row_words(const database& db, int t) {
    return static_cast<std::uint64_t>(db.overall[t].row_count) *
           static_cast<std::uint64_t>(db.overall[t].words_per_row);
}

TEST(SampleInstall, TinyLoadsBackInCanonicalForm) {
    temp_dir dir;
    const auto r = write_sample_install(dir.path() / "game", {sample_scale::tiny, 1});
    ASSERT_TRUE(r.ok()) << r.message();
    expect_canonical(dir.path() / "game");
}

TEST(SampleInstall, GameScaleLoadsBackInCanonicalForm) {
    temp_dir dir;
    const auto r = write_sample_install(dir.path(), {sample_scale::game, 3});
    ASSERT_TRUE(r.ok()) << r.message();
    expect_canonical(dir.path());
}

TEST(SampleInstall, MaxScaleReachesEveryCapacityWithoutPassingIt) {
    temp_dir dir;
    const auto r = write_sample_install(dir.path(), {sample_scale::max, 1});
    ASSERT_TRUE(r.ok()) << r.message();
    expect_canonical(dir.path());

    const auto install = load_install(dir.path());
    const database& db = install.db;
    ASSERT_LE(db.table_count(), max_tables);
    int full_tables = 0;
    std::uint64_t most_words = 0;
    for (int t = 0; t < db.table_count(); ++t) {
        SCOPED_TRACE(t);
        EXPECT_LE(db.overall[t].row_count, max_rows);
        EXPECT_LE(row_words(db, t), max_row_words);
        EXPECT_LE(db.tables[t].field_count(), max_fields);
        full_tables += db.overall[t].row_count == max_rows ? 1 : 0;
        most_words = std::max(most_words, row_words(db, t));
    }
    EXPECT_GE(full_tables, 5); // leagues, their links, players, their links, teams at least
    for (int t : {table_index::leagues, table_index::league_teams, table_index::players,
                  table_index::team_players, table_index::teams, table_index::team_settings})
        EXPECT_EQ(db.overall[t].row_count, max_rows) << "table " << t;
    EXPECT_EQ(most_words, max_row_words);
    for (const auto& lang : install.languages)
        EXPECT_EQ(lang.string_count(), max_language_entries);
}

void expect_same_rows(const database& made, const database& loaded) {
    ASSERT_EQ(made.table_count(), loaded.table_count());
    for (int t = 0; t < made.table_count(); ++t) {
        SCOPED_TRACE(t);
        EXPECT_EQ(made.tables[t].name, loaded.tables[t].name);
        EXPECT_EQ(made.overall[t].words_per_row, loaded.overall[t].words_per_row);
        EXPECT_EQ(made.blocks[t].words, loaded.blocks[t].words);
        const auto a = made.rows(t);
        const auto b = loaded.rows(t);
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t r = 0; r < a.size(); ++r) {
            SCOPED_TRACE(r);
            // A value wider than its field would come back cut to the field's width.
            ASSERT_EQ(a[r].values, b[r].values);
            ASSERT_EQ(a[r].keys, b[r].keys);
            ASSERT_EQ(a[r].extras, b[r].extras);
            ASSERT_EQ(a[r].string_refs, b[r].string_refs);
            ASSERT_EQ(a[r].strings, b[r].strings);
            ASSERT_EQ(a[r].names, b[r].names);
        }
    }
}

TEST(SampleInstall, ModelInMemoryIsWhatTheFilesHold) {
    for (auto scale : {sample_scale::tiny, sample_scale::game}) {
        SCOPED_TRACE(static_cast<int>(scale));
        temp_dir dir;
        const sample_options options{scale, 11};
        ASSERT_TRUE(write_sample_install(dir.path(), options).ok());
        const auto made = make_sample(options);
        const auto loaded = load_install(dir.path());
        expect_same_rows(made.db, loaded.db);
        for (int l = 0; l < language_count; ++l) {
            const auto& x = made.languages[l].entries();
            const auto& y = loaded.languages[l].entries();
            ASSERT_EQ(x.size(), y.size());
            for (std::size_t i = 0; i < x.size(); ++i)
                ASSERT_TRUE(x[i].key == y[i].key && x[i].text == y[i].text) << i;
        }
    }
}

std::vector<fs::path> install_files(const fs::path& dir) {
    std::vector<fs::path> files = {install_database_path(dir)};
    for (const char* code : language_codes)
        files.push_back(install_language_path(dir, code));
    return files;
}

TEST(SampleInstall, TheSeedDecidesEveryByte) {
    temp_dir dir;
    ASSERT_TRUE(write_sample_install(dir / "a", {sample_scale::tiny, 5}).ok());
    ASSERT_TRUE(write_sample_install(dir / "b", {sample_scale::tiny, 5}).ok());
    ASSERT_TRUE(write_sample_install(dir / "c", {sample_scale::tiny, 6}).ok());
    const auto a = install_files(dir / "a");
    const auto b = install_files(dir / "b");
    const auto c = install_files(dir / "c");
    for (std::size_t i = 0; i < a.size(); ++i) {
        SCOPED_TRACE(a[i].filename().string());
        const auto bytes = read_file(a[i]);
        EXPECT_FALSE(bytes.empty());
        EXPECT_TRUE(bytes == read_file(b[i]));
        EXPECT_FALSE(bytes == read_file(c[i]));
    }

    // The large scale takes many more draws; it too repeats itself.
    auto first = make_sample({sample_scale::game, 9});
    auto second = make_sample({sample_scale::game, 9});
    EXPECT_TRUE(serialize_database(first.db) == serialize_database(second.db));
    EXPECT_TRUE(serialize_language_file(first.languages[3]) ==
                serialize_language_file(second.languages[3]));
}

TEST(SampleInstall, ReportsAFolderItCannotCreate) {
    temp_dir dir;
    test::write_file(dir / "blocker", {1, 2, 3});
    const auto r = write_sample_install(dir / "blocker" / "game", {});
    EXPECT_EQ(r.status, result::code::write_failed);
    EXPECT_NE(r.message().find("blocker"), std::string::npos) << r.message();
    EXPECT_TRUE(read_file(dir / "blocker") == (std::vector<std::uint8_t>{1, 2, 3}));
}

// ---------------------------------------------------------------------------------------------
// The tiny install, as the editor's views see it.

class TinyInstall : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new temp_dir;
        const auto r = write_sample_install(dir_->path(), {sample_scale::tiny, 1});
        EXPECT_TRUE(r.ok()) << r.message();
        install_ = new loaded_install(load_install(dir_->path()));
    }
    void SetUp() override { ASSERT_EQ(db().table_count(), 15); }
    static void TearDownTestSuite() {
        delete install_;
        delete dir_;
    }

    static const database& db() { return install_->db; }
    static std::span<const db_overall_data> rows(int t) { return db().rows(t); }
    static std::uint32_t value(int t, const db_overall_data& row, const char* field) {
        const auto slot = db().field_slot(t, field);
        EXPECT_TRUE(slot.has_value()) << field;
        return slot ? row.values[static_cast<std::size_t>(*slot)] : 0;
    }
    // keys[0] -> every keys[1] of a link table, in row order.
    static std::map<std::int32_t, std::vector<std::int32_t>> links(int t) {
        std::map<std::int32_t, std::vector<std::int32_t>> out;
        for (const auto& row : rows(t))
            out[row.keys[0]].push_back(row.keys[1]);
        return out;
    }
    // keys[1] -> every keys[0] of a link table.
    static std::map<std::int32_t, std::set<std::int32_t>> reverse_links(int t) {
        std::map<std::int32_t, std::set<std::int32_t>> out;
        for (const auto& row : rows(t))
            out[row.keys[1]].insert(row.keys[0]);
        return out;
    }
    static std::string player_label(const db_overall_data& p) {
        return p.strings[0] + " " + p.strings[1] + " " + p.strings[2];
    }

    static temp_dir* dir_;
    static loaded_install* install_;
};

temp_dir* TinyInstall::dir_ = nullptr;
loaded_install* TinyInstall::install_ = nullptr;

TEST_F(TinyInstall, IsSmall) {
    EXPECT_LE(rows(table_index::leagues).size(), 10u);
    EXPECT_LE(rows(table_index::teams).size(), 20u);
    EXPECT_LE(rows(table_index::players).size(), 400u);
}

TEST_F(TinyInstall, LinksNameExistingRows) {
    for (const auto& row : rows(table_index::league_teams)) {
        EXPECT_GE(db().find_row(table_index::leagues, row.keys[0]), 0) << row.keys[0];
        EXPECT_GE(db().find_row(table_index::teams, row.keys[1]), 0) << row.keys[1];
    }
    for (const auto& row : rows(table_index::team_players)) {
        EXPECT_GE(db().find_row(table_index::teams, row.keys[0]), 0) << row.keys[0];
        EXPECT_GE(db().find_row(table_index::players, row.keys[1]), 0) << row.keys[1];
        EXPECT_GE(row.values[0], 1u);
        EXPECT_LE(row.values[0], 99u);
        EXPECT_LE(row.values[1], 33u);
    }
}

TEST_F(TinyInstall, LabelsOfLeaguesAndTeamsAreUnique) {
    // The tree finds a league or team row by its label; a repeated label would hide a row.
    for (int t : {table_index::leagues, table_index::teams}) {
        std::set<std::string> labels;
        for (const auto& row : rows(t)) {
            EXPECT_FALSE(row.strings[1].empty());
            EXPECT_TRUE(labels.insert(row.strings[1]).second) << row.strings[1];
        }
    }
    for (const auto& row : rows(table_index::leagues))
        EXPECT_LE(row.values[1], 4u) << "level of " << row.strings[1];
}

TEST_F(TinyInstall, ATeamStandsUnderTwoLeagues) {
    const auto leagues_of = reverse_links(table_index::league_teams);
    EXPECT_TRUE(std::any_of(leagues_of.begin(), leagues_of.end(),
                            [](const auto& team) { return team.second.size() >= 2; }));
}

TEST_F(TinyInstall, ALeagueHasNoTeams) {
    const auto teams_of = links(table_index::league_teams);
    const auto leagues = rows(table_index::leagues);
    EXPECT_TRUE(std::any_of(leagues.begin(), leagues.end(), [&](const auto& league) {
        return !teams_of.contains(league.keys[0]);
    }));
}

TEST_F(TinyInstall, ATeamInTheTreeHasNoPlayers) {
    const auto players_of = links(table_index::team_players);
    const auto leagues_of = reverse_links(table_index::league_teams);
    EXPECT_TRUE(std::any_of(leagues_of.begin(), leagues_of.end(),
                            [&](const auto& team) { return !players_of.contains(team.first); }));
}

TEST_F(TinyInstall, ALeagueOfNationalTeamsSharesItsPlayersWithClubs) {
    // A league whose every team is made of players who are also linked to a team outside it.
    const auto teams_of = links(table_index::league_teams);
    const auto players_of = links(table_index::team_players);
    const auto teams_of_player = reverse_links(table_index::team_players);
    int found = 0;
    for (const auto& [league, teams] : teams_of) {
        const std::set<std::int32_t> inside(teams.begin(), teams.end());
        bool all_shared = true;
        int players = 0;
        for (auto team : teams) {
            const auto it = players_of.find(team);
            for (auto p : it == players_of.end() ? std::vector<std::int32_t>{} : it->second) {
                ++players;
                const auto& elsewhere = teams_of_player.at(p);
                all_shared &= std::any_of(elsewhere.begin(), elsewhere.end(),
                                          [&](auto t) { return !inside.contains(t); });
            }
        }
        found += all_shared && players > 0 ? 1 : 0;
    }
    EXPECT_GE(found, 1);
}

TEST_F(TinyInstall, TwoPlayersInTheTreeShareAllNameParts) {
    const auto teams_of_player = reverse_links(table_index::team_players);
    std::map<std::string, int> linked_with_label;
    for (const auto& p : rows(table_index::players))
        if (teams_of_player.contains(p.keys[0]))
            ++linked_with_label[player_label(p)];
    EXPECT_TRUE(std::any_of(linked_with_label.begin(), linked_with_label.end(),
                            [](const auto& label) { return label.second >= 2; }));
}

TEST_F(TinyInstall, TeamSettingsFollowTheTeamsAndOneCaptainIsAnOutsider) {
    // The team page shows table 9 by the team's row position and applies it by the team id, the
    // captain at slot 0 and the penalty taker at slot 3: both ways must reach the same row.
    const auto teams = rows(table_index::teams);
    const auto settings = rows(table_index::team_settings);
    ASSERT_EQ(settings.size(), teams.size());
    EXPECT_EQ(db().field_slot(table_index::team_settings, "captain"), 0);
    EXPECT_EQ(db().field_slot(table_index::team_settings, "penaltytakerid"), 3);

    const auto players_of = links(table_index::team_players);
    int outsiders = 0;
    for (std::size_t r = 0; r < teams.size(); ++r) {
        ASSERT_EQ(settings[r].keys[0], teams[r].keys[0]) << r;
        const auto it = players_of.find(teams[r].keys[0]);
        if (it == players_of.end())
            continue;
        const auto in_roster = [&](std::uint32_t id) {
            return std::find(it->second.begin(), it->second.end(), static_cast<std::int32_t>(id)) !=
                   it->second.end();
        };
        EXPECT_TRUE(in_roster(value(table_index::team_settings, settings[r], "penaltytakerid")));
        outsiders += in_roster(value(table_index::team_settings, settings[r], "captain")) ? 0 : 1;
    }
    EXPECT_EQ(outsiders, 1);
}

TEST_F(TinyInstall, TeamValuesFitThePageAndOnePrestigeIsAboveTen) {
    int above_ten = 0;
    for (const auto& team : rows(table_index::teams)) {
        SCOPED_TRACE(team.strings[1]);
        EXPECT_LE(team.values[1], 2u);  // attack style
        EXPECT_LE(team.values[5], 48u); // formation
        EXPECT_GE(db().find_row(table_index::stadiums, static_cast<std::int32_t>(team.values[12])),
                  0);
        above_ten += team.values[17] > 10 ? 1 : 0;
    }
    EXPECT_GE(above_ten, 1);
}

TEST_F(TinyInstall, PlayersCarryTheValuesThePlayerPageClamps) {
    constexpr int t = table_index::players;
    bool talent_above_five = false, star_two = false, empty_pseudonym = false, pseudonym = false;
    bool non_ascii = false;
    for (const auto& p : rows(t)) {
        talent_above_five |= value(t, p, "talent") > 5;
        star_two |= value(t, p, "starplayer") == 2;
        const auto height = value(t, p, "height");
        EXPECT_TRUE(height >= 150 && height <= 205) << height;
        EXPECT_LE(value(t, p, "shoecolor"), 4u);
        EXPECT_LE(value(t, p, "haircolorid"), 4u);
        EXPECT_LE(value(t, p, "preferredposition1"), 33u);
        for (const char* skill : {"stamina", "ballcontrol", "passing", "tackling", "shotaccuracy"})
            EXPECT_LE(value(t, p, skill), 100u) << skill;
        (p.strings[1].empty() ? empty_pseudonym : pseudonym) = true;
        for (int k = 0; k < 3; ++k) {
            EXPECT_TRUE(is_valid_utf8(p.strings[k])) << p.strings[k];
            non_ascii |= std::any_of(p.strings[k].begin(), p.strings[k].end(),
                                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
        }
        EXPECT_FALSE(p.strings[0].empty());
        EXPECT_FALSE(p.strings[2].empty());
    }
    EXPECT_TRUE(talent_above_five);
    EXPECT_TRUE(star_two);
    EXPECT_TRUE(empty_pseudonym);
    EXPECT_TRUE(pseudonym);
    EXPECT_TRUE(non_ascii);
}

TEST_F(TinyInstall, EveryNamedRowHasItsNamesInEveryLanguage) {
    const auto config = standard_name_config();
    std::map<int, std::vector<text_slots>> english;
    for (int l = 0; l < language_count; ++l) {
        SCOPED_TRACE(language_codes[l]);
        database local;
        ASSERT_TRUE(
            load_database(install_database_path(dir_->path()), &install_->languages[l], local)
                .ok());
        for (int t : {table_index::leagues, table_index::stadiums, table_index::teams}) {
            int differing = 0, count = 0;
            for (std::size_t r = 0; r < local.rows(t).size(); ++r) {
                const auto& row = local.rows(t)[r];
                for (int k = 0; k < config[t].name_count; ++k)
                    EXPECT_FALSE(row.names[k].empty()) << "table " << t << " row " << r;
                if (l == 0)
                    english[t].push_back(row.names);
                else
                    differing += row.names[0] != english[t][r][0] ? 1 : 0;
                ++count;
            }
            if (l == 0)
                continue;
            if (t == table_index::teams) {
                EXPECT_GT(2 * differing, count); // national teams may share a name
            } else {
                EXPECT_EQ(differing, count) << "table " << t;
            }
        }
    }
}

TEST_F(TinyInstall, NamesStandTogetherAmongUnrelatedEntries) {
    const auto config = standard_name_config();
    for (const auto& lang : install_->languages) {
        std::set<std::int32_t> name_keys;
        for (int t : {table_index::leagues, table_index::stadiums, table_index::teams}) {
            for (const auto& row : rows(t)) {
                // The names of one row are consecutive entries, so reading them by key and
                // reading them as the entries after the first give the same texts.
                const auto first = lang.find_string(config[t].key_of(row.keys[0], 0));
                ASSERT_TRUE(first.has_value());
                for (int k = 0; k < config[t].name_count; ++k) {
                    const std::int32_t key = config[t].key_of(row.keys[0], k);
                    EXPECT_EQ(lang.find_string(key), *first + static_cast<std::size_t>(k));
                    name_keys.insert(key);
                }
            }
        }
        const auto& entries = lang.entries();
        ASSERT_FALSE(entries.empty());
        EXPECT_FALSE(name_keys.contains(entries.front().key));
        EXPECT_FALSE(name_keys.contains(entries.back().key));
        std::vector<std::size_t> at;
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (name_keys.contains(entries[i].key))
                at.push_back(i);
        ASSERT_FALSE(at.empty());
        EXPECT_GT(at.back() - at.front() + 1, at.size()) << "no unrelated entry between names";
    }
}

} // namespace
} // namespace qira
