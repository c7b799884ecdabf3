// The tables of competitions and matches: cups, tactics, fixtures and the game's settings.

#include "testdata/tables.h"

#include "dbfile/bits.h"
#include "testdata/name_lists.h"

#include <algorithm>

namespace qira::testdata {

void write_cups(database& db, const world& w, random_source& rng) {
    std::vector<packed_field_spec> columns = {
        {"nationid", 0, 255}, {"cuptype", 0, 3}, {"rounds", 0, 7}, {"participants", 0, 127}};
    static const std::vector<std::string> slot_names = [] {
        std::vector<std::string> names;
        for (int s = 1; s <= cup_slots; ++s)
            names.push_back(std::string(s < 10 ? "team0" : "team") + std::to_string(s));
        return names;
    }();
    for (const auto& s : slot_names)
        columns.push_back({s, 0, 99999});
    columns.push_back({"trophyid", 0, 255});
    table_writer t(db, "cups", {"cupid"}, {"prizemoney"}, {"cupname", "cuplabel"}, columns, 3, 0,
                   cup_words_per_row);

    // The clubs of each nation, in team order.
    std::vector<std::vector<int>> clubs(w.nations.size());
    for (const auto& team : w.teams)
        if (!team.national)
            clubs[static_cast<std::size_t>(team.nation)].push_back(team.id);
    const int nation_count = static_cast<int>(w.nations.size());
    for (int c = 0; c < w.p.cups; ++c) {
        const int n = c % nation_count;
        const int edition = c / nation_count;
        const nation& na = w.nations[static_cast<std::size_t>(n)];
        auto& r = t.row();
        r.keys[0] = id_of(c);
        r.extras[0] = rng.between(100, 5000) * 1000;
        r.strings[0] = na.name[0] + " Cup" + (edition > 0 ? " " + std::to_string(edition + 1) : "");
        r.strings[1] = na.code + "_CUP" + (edition > 0 ? "_" + std::to_string(edition + 1) : "");
        const auto& pool = clubs[static_cast<std::size_t>(n)];
        const int entrants = std::min<int>(static_cast<int>(pool.size()), cup_slots);
        t.set(r, "nationid", nation_id(n));
        t.set(r, "cuptype", edition % 3);
        t.set(r, "rounds",
              entrants > 1 ? std::min(7, bit_length(static_cast<std::uint32_t>(entrants - 1))) : 0);
        t.set(r, "participants", entrants);
        for (int s = 0; s < entrants; ++s)
            t.set(r, slot_names[static_cast<std::size_t>(s)],
                  pool[(static_cast<std::size_t>(s) + static_cast<std::size_t>(edition)) %
                       pool.size()]);
        t.set(r, "trophyid", rng.between(1, 255));
    }
    t.block_word(id_of(w.p.cups));
}

void write_tactics(database& db, const world& w, random_source& rng) {
    // Fields with descriptor_b 64 and 4 are one bit narrower in this table.
    table_writer t(db, "tactics", {"tacticid"}, {}, {"tacticname"},
                   {{"defensiveline", 0, 64},
                    {"teamwidth", 0, 4},
                    {"pressing", -1, 64},
                    {"tempo", 100000, 64},
                    {"passingstyle", -1, 4},
                    {"formationid", 0, 48},
                    {"offsidetrap", 0, 1},
                    {"marking", 0, 3},
                    {"creativity", 0, 65}},
                   1);
    constexpr int shapes = static_cast<int>(std::size(tactic_shapes));
    constexpr int styles = static_cast<int>(std::size(tactic_styles));
    for (int k = 0; k < w.p.tactics; ++k) {
        auto& r = t.row();
        r.keys[0] = id_of(k);
        r.strings[0] =
            std::string(tactic_shapes[k % shapes]) + " " + tactic_styles[k / shapes % styles];
        if (k >= shapes * styles)
            r.strings[0] += " (" + std::to_string(k / (shapes * styles) + 1) + ")";
        t.set(r, "defensiveline", rng.between(0, 63));
        t.set(r, "teamwidth", rng.between(0, 3));
        t.set(r, "pressing", rng.between(0, 100));
        t.set(r, "tempo", rng.between(0, 31));
        t.set(r, "passingstyle", rng.between(0, 4));
        t.set(r, "formationid", rng.between(1, 48));
        t.set(r, "offsidetrap", rng.between(0, 1));
        t.set(r, "marking", rng.between(0, 3));
        t.set(r, "creativity", rng.between(0, 100));
    }
    t.block_word(id_of(w.p.tactics));
}

void write_fixtures(database& db, const world& w, random_source& rng) {
    table_writer t(db, "fixtures", {"fixtureid"}, {"matchdate"}, {},
                   {{"competitionid", 0, 99999},
                    {"competitiontype", 0, 3},
                    {"round", 0, 63},
                    {"hometeamid", 0, 99999},
                    {"awayteamid", 0, 99999},
                    {"stadiumid", 0, 99999},
                    {"refereeid", 0, 99999},
                    {"kickofftime", 0, 2359},
                    {"played", 0, 1},
                    {"homegoals", 0, 15},
                    {"awaygoals", 0, 15},
                    {"attendance", 0, 131071}},
                   1);
    int count = 0;
    const auto add = [&](int competition, int type, int round, const team_info& home,
                         const team_info& away) {
        auto& r = t.row();
        r.keys[0] = id_of(count++);
        r.extras[0] = match_date(round * 7);
        const bool played = round < 2;
        t.set(r, "competitionid", competition);
        t.set(r, "competitiontype", type);
        t.set(r, "round", round);
        t.set(r, "hometeamid", home.id);
        t.set(r, "awayteamid", away.id);
        t.set(r, "stadiumid", w.stadiums[static_cast<std::size_t>(home.stadium)].id);
        t.set(r, "refereeid", id_of(rng.between(0, w.p.referees - 1)));
        t.set(r, "kickofftime", rng.chance(70) ? 1500 : rng.between(12, 21) * 100 + 30);
        t.set(r, "played", played ? 1 : 0);
        t.set(r, "homegoals", played ? rng.between(0, 5) : 0);
        t.set(r, "awaygoals", played ? rng.between(0, 4) : 0);
        t.set(r, "attendance", played ? rng.between(1000, 99000) : 0);
    };
    // Each league plays home and away; the rounds pair every team with every other.
    for (const auto& l : w.leagues) {
        const int n = static_cast<int>(l.teams.size());
        for (int a = 0; a < n && count < max_rows; ++a)
            for (int b = 0; b < n && count < max_rows; ++b)
                if (a != b)
                    add(l.id, l.kind == league_kind::domestic ? 0 : 1,
                        std::min(63, (b - a + n) % n + (a > b ? n - 1 : 0)),
                        w.teams[static_cast<std::size_t>(l.teams[static_cast<std::size_t>(a)])],
                        w.teams[static_cast<std::size_t>(l.teams[static_cast<std::size_t>(b)])]);
    }
    const int teams = static_cast<int>(w.teams.size());
    while (count < w.p.fixtures && teams >= 2) {
        const int a = rng.between(0, teams - 1);
        const int b = (a + rng.between(1, teams - 1)) % teams;
        add(0, 2, 0, w.teams[static_cast<std::size_t>(a)], w.teams[static_cast<std::size_t>(b)]);
    }
    t.block_word(id_of(count));
}

void write_settings(database& db) {
    // "value" and "maximum" are full words; "unused" and "reserved" take no bits.
    table_writer t(db, "settings", {"settingid"}, {}, {"settingname"},
                   {{"value", 0, -1},
                    {"minimum", -1, 0x7FFFFFFF},
                    {"maximum", 0, -1},
                    {"unused", 100000, 0},
                    {"reserved", 0, 0},
                    {"flags", 0, 255}},
                   1);
    struct setting {
        const char* name;
        std::uint32_t value, minimum, maximum, flags;
    };
    static constexpr setting settings[] = {
        {"startyear", 2004, 1990, 2100, 1}, {"startmonth", 7, 1, 12, 1},
        {"seasonweeks", 38, 20, 52, 1},     {"maxsquadsize", 30, 16, 50, 3},
        {"foreignerlimit", 5, 0, 11, 3},    {"substitutions", 3, 0, 7, 3},
        {"matchminutes", 90, 10, 90, 5},    {"transferwindowweeks", 8, 0, 52, 1},
        {"difficulty", 2, 0, 4, 7},         {"currency", 1, 0, 3, 0},
        {"autosave", 1, 0, 1, 0},           {"randomseed", 0xFFFFFFFFu, 0, 0xFFFFFFFFu, 128},
    };
    int k = 0;
    for (const auto& s : settings) {
        auto& r = t.row();
        r.keys[0] = id_of(k++);
        r.strings[0] = s.name;
        t.set(r, "value", s.value);
        t.set(r, "minimum", s.minimum);
        t.set(r, "maximum", s.maximum);
        t.set(r, "flags", s.flags);
    }
    t.block_word(id_of(k));
}

} // namespace qira::testdata
