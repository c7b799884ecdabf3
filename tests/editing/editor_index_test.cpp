// The views' first-match lookups must answer exactly as a scan in row order would.

#include "dbfile/build.h"
#include "editing/editor_index.h"

#include <gtest/gtest.h>

#include <random>

namespace qira {
namespace {

database editor_tables() {
    database db;
    for (int t = 0; t <= 13; ++t)
        add_table(db,
                  {"t" + std::to_string(t), {"id", "link"}, {}, {"a", "b", "c"}, {{"v", 0, 255}}});
    return db;
}

TEST(PlayerLabel, AlwaysHasBothSpaces) {
    db_overall_data p;
    p.strings[0] = "Ann";
    p.strings[2] = "Roe";
    EXPECT_EQ(player_label(p), "Ann  Roe");
    p.strings[1] = "Lee";
    EXPECT_EQ(player_label(p), "Ann Lee Roe");
    EXPECT_EQ(player_label(db_overall_data{}), "  ");
}

// Scans in row order: the reference the index must agree with.
int scan(const database& db, int t, auto&& match) {
    const auto rows = db.rows(t);
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (match(rows[r]))
            return static_cast<int>(r);
    return -1;
}

TEST(EditorIndex, AgreesWithRowOrderScansOnRandomTables) {
    std::mt19937 rng(17);
    const char* names[] = {"Ann", "Bo", "", "Cy"};
    for (int round = 0; round < 40; ++round) {
        database db = editor_tables();
        for (int t : {1, 2, 4, 7, 9, 11, 13})
            for (int r = 0, n = static_cast<int>(rng() % 30); r < n; ++r) {
                auto& row = add_row(db, t);
                row.keys[0] = static_cast<std::int32_t>(rng() % 8) - 2; // duplicates, negatives
                row.keys[1] = static_cast<std::int32_t>(rng() % 8);
                for (std::size_t i = 0; i < text_slots::size(); ++i)
                    row.strings[i] = names[rng() % 4];
            }
        editor_index index;
        index.rebuild(db);
        for (std::int32_t key = -3; key < 9; ++key) {
            const auto by_key = [key](const db_overall_data& row) { return row.keys[0] == key; };
            EXPECT_EQ(index.team_by_key(key), scan(db, 13, by_key));
            EXPECT_EQ(index.player_by_key(key), scan(db, 4, by_key));
            EXPECT_EQ(index.settings_by_key(key), scan(db, 9, by_key));
            const auto value = static_cast<std::uint32_t>(key);
            EXPECT_EQ(index.stadium_by_value(value),
                      scan(db, 7, [value](const db_overall_data& row) {
                          return static_cast<std::int64_t>(row.keys[0]) ==
                                 static_cast<std::int64_t>(value);
                      }));
            std::vector<int> links;
            for (std::size_t r = 0; r < db.rows(11).size(); ++r)
                if (db.rows(11)[r].keys[0] == key)
                    links.push_back(static_cast<int>(r));
            const auto found = index.team_links(key);
            EXPECT_EQ(std::vector<int>(found.begin(), found.end()), links);
        }
        for (const char* a : names)
            for (const char* b : names) {
                const std::string label = std::string(a) + b;
                const auto by_label = [&](const db_overall_data& row) {
                    return row.strings[1] == label;
                };
                EXPECT_EQ(index.league_by_label(label), scan(db, 1, by_label));
                EXPECT_EQ(index.team_by_label(label), scan(db, 13, by_label));
                const std::string player = std::string(a) + " " + b + " " + a;
                EXPECT_EQ(index.player_by_label(player),
                          scan(db, 4, [&](const db_overall_data& row) {
                              return player_label(row) == player;
                          }));
            }
    }
}

TEST(EditorIndex, FollowsRelabelledPlayers) {
    database db = editor_tables();
    for (int i = 0; i < 3; ++i) {
        auto& p = add_row(db, 4);
        p.keys[0] = i;
        p.strings = {"Jan", "", "Berg", ""};
    }
    editor_index index;
    index.rebuild(db);
    EXPECT_EQ(index.player_by_label("Jan  Berg"), 0);

    // Row 0 is renamed: the twin at row 1 is now the first "Jan  Berg".
    db.rows(4)[0].strings[1] = "JB";
    index.player_relabelled(0, "Jan  Berg", player_label(db.rows(4)[0]));
    EXPECT_EQ(index.player_by_label("Jan  Berg"), 1);
    EXPECT_EQ(index.player_by_label("Jan JB Berg"), 0);

    // Row 2 takes row 0's new name: row 0 still comes first.
    const auto rename = [&](int row, std::array<std::string, 4> names) {
        const std::string old_label = player_label(db.rows(4)[row]);
        db.rows(4)[row].strings = names;
        index.player_relabelled(row, old_label, player_label(db.rows(4)[row]));
    };
    rename(2, {"Jan", "JB", "Berg", ""});
    EXPECT_EQ(index.player_by_label("Jan JB Berg"), 0);
    rename(0, {"Other", "", "", ""});
    EXPECT_EQ(index.player_by_label("Jan JB Berg"), 2);
    EXPECT_EQ(index.player_by_label("Other  "), 0);
    rename(1, {"x", "", "", ""});
    EXPECT_EQ(index.player_by_label("Jan  Berg"), -1);
}

} // namespace
} // namespace qira
