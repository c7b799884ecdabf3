// The tables of leagues and clubs: leagues, the teams of each league, kits, stadiums, team
// settings and teams.

#include "testdata/tables.h"

#include "testdata/name_lists.h"

#include <algorithm>

namespace qira::testdata {

namespace {

int kit_count(const world& w) {
    return std::min(2 * static_cast<int>(w.teams.size()), max_rows);
}

} // namespace

void write_leagues(database& db, const world& w, const row_names& names) {
    table_writer t(db, "leagues", {"leagueid"}, {}, {"leaguename", "leaguelabel"},
                   {{"nationid", 0, 255},
                    {"level", 0, 7},
                    {"numberofteams", 0, 127},
                    {"promotionplaces", 0, 7},
                    {"relegationplaces", 0, 7},
                    {"pointsforwin", 0, 3},
                    {"seasonstartmonth", 1, 12},
                    {"continentalplaces", 0, 7},
                    {"leaguetype", 0, 3}},
                   2, 1);
    for (std::size_t i = 0; i < w.leagues.size(); ++i) {
        const league_info& l = w.leagues[i];
        auto& r = t.row();
        r.keys[0] = l.id;
        r.strings[0] = names.league_long[i][0];
        r.strings[1] = league_label(w, l);
        const bool domestic = l.kind == league_kind::domestic;
        t.set(r, "nationid", domestic ? nation_id(l.nation) : 0);
        t.set(r, "level", l.level);
        t.set(r, "numberofteams", std::min<int>(static_cast<int>(l.teams.size()), 127));
        t.set(r, "promotionplaces", domestic && l.level > 0 ? 3 : 0);
        t.set(r, "relegationplaces", domestic && l.level < 4 ? 3 : 0);
        t.set(r, "pointsforwin", 3);
        t.set(r, "seasonstartmonth", domestic ? 8 : 9);
        t.set(r, "continentalplaces", domestic && l.level == 0 ? 4 : 0);
        t.set(r, "leaguetype", static_cast<int>(l.kind));
    }
    t.block_word(id_of(static_cast<int>(w.leagues.size())));
}

void write_league_teams(database& db, const world& w) {
    table_writer t(db, "leagueteams", {"leagueid", "teamid"}, {}, {},
                   {{"previousposition", 0, 31}, {"groupid", 0, 7}}, 1, 1); // one spare word a row
    for (const auto& l : w.leagues) {
        for (std::size_t k = 0; k < l.teams.size(); ++k) {
            auto& r = t.row();
            r.keys[0] = l.id;
            r.keys[1] = w.teams[static_cast<std::size_t>(l.teams[k])].id;
            t.set(r, "previousposition", static_cast<int>(std::min<std::size_t>(k + 1, 31)));
            t.set(r, "groupid", l.kind == league_kind::domestic ? 0 : static_cast<int>(k % 4));
        }
    }
}

void write_kits(database& db, const world& w, random_source& rng) {
    table_writer t(db, "kits", {"kitid", "teamid"}, {}, {},
                   {{"kittype", 0, 2},
                    {"shirtcolor", 0, 0xFFFFFF},
                    {"shirtcolor2", 0, 0xFFFFFF},
                    {"shortscolor", 0, 0xFFFFFF},
                    {"sockscolor", 0, 0xFFFFFF},
                    {"shirtstyle", 0, 15},
                    {"collarstyle", 0, 7},
                    {"numbercolor", 0, 0xFFFFFF},
                    {"numberfont", 0, 7},
                    {"sponsorlogo", 0, 1023},
                    {"longsleeves", 0, 1}},
                   1);
    const int count = kit_count(w);
    for (int k = 0; k < count; ++k) {
        auto& r = t.row();
        r.keys[0] = id_of(k);
        r.keys[1] = w.teams[static_cast<std::size_t>(k / 2)].id;
        t.set(r, "kittype", k % 2);
        t.set(r, "shirtcolor", color(rng));
        t.set(r, "shirtcolor2", color(rng));
        t.set(r, "shortscolor", color(rng));
        t.set(r, "sockscolor", color(rng));
        t.set(r, "shirtstyle", rng.between(0, 15));
        t.set(r, "collarstyle", rng.between(0, 7));
        t.set(r, "numbercolor", rng.chance(50) ? 0xFFFFFF : 0);
        t.set(r, "numberfont", rng.between(0, 7));
        t.set(r, "sponsorlogo", rng.between(0, 1023));
        t.set(r, "longsleeves", rng.between(0, 1));
    }
    t.block_word(id_of(count));
}

void write_stadiums(database& db, const world& w, random_source& rng) {
    table_writer t(db, "stadiums", {"stadiumid"}, {}, {"stadiumlabel"},
                   {{"nationid", 0, 255},
                    {"capacity", 0, 131071},
                    {"yearbuilt", 0, 2047},
                    {"pitchsize", 0, 7},
                    {"roofed", 0, 1},
                    {"pitchquality", 100000, 31},
                    {"attendancefactor", 0, 100}},
                   1);
    label_set labels;
    for (const auto& s : w.stadiums) {
        const nation& n = w.nations[static_cast<std::size_t>(s.nation)];
        auto& r = t.row();
        r.keys[0] = s.id;
        const std::string place =
            s.city < 0 ? n.name[0] : n.cities[static_cast<std::size_t>(s.city)].native;
        r.strings[0] = labels.take(label_text(place) + "_" + stadium_tags[s.kind], n.code);
        const bool national = s.city < 0;
        t.set(r, "nationid", nation_id(s.nation));
        t.set(r, "capacity", national ? rng.between(40000, 99000) : rng.between(3000, 80000));
        t.set(r, "yearbuilt", rng.between(1890, 2003));
        t.set(r, "pitchsize", rng.between(0, 7));
        t.set(r, "roofed", rng.chance(15) ? 1 : 0);
        t.set(r, "pitchquality", rng.between(0, 10));
        t.set(r, "attendancefactor", rng.between(20, 100));
    }
    t.block_word(id_of(static_cast<int>(w.stadiums.size())));
}

void write_team_settings(database& db, const world& w, random_source& rng) {
    table_writer t(db, "teamsettings", {"teamid"}, {}, {},
                   {{"captain", 0, 99999},
                    {"freekicktakerid", 0, 99999},
                    {"cornertakerid", 0, 99999},
                    {"penaltytakerid", 0, 99999},
                    {"mentality", 0, 4},
                    {"trainingintensity", 0, 10},
                    {"youthfocus", 0, 1},
                    {"tacticid", 0, 99999}},
                   1);
    for (const auto& team : w.teams) { // in the row order of the teams table
        auto& r = t.row();
        r.keys[0] = team.id;
        t.set(r, "captain", team.captain);
        t.set(r, "freekicktakerid", team.free_kick_taker);
        t.set(r, "cornertakerid", team.corner_taker);
        t.set(r, "penaltytakerid", team.penalty_taker);
        t.set(r, "mentality", rng.between(0, 4));
        t.set(r, "trainingintensity", rng.between(0, 10));
        t.set(r, "youthfocus", rng.between(0, 1));
        t.set(r, "tacticid", id_of(rng.between(0, w.p.tactics - 1)));
    }
}

void write_teams(database& db, const world& w, const row_names& names, random_source& rng) {
    table_writer t(db, "teams", {"teamid"}, {}, {"teamname", "teamlabel"},
                   {{"nationid", 0, 255},
                    {"attackstyle", 0, 2},
                    {"defensivestyle", 0, 3},
                    {"transferbudget", -1, 0xFFFFFF},
                    {"foundationyear", 0, 2047},
                    {"formation", 0, 48},
                    {"rivalteamid", 0, 99999},
                    {"homekitid", 0, 99999},
                    {"awaykitid", 0, 99999},
                    {"fanbase", 100000, 0x1FFFFF},
                    {"youthacademy", 0, 10},
                    {"trainingfacilities", 0, 10},
                    {"stadiumid", 0, 99999},
                    {"managerid", 0, 99999},
                    {"teamtype", 0, 1},
                    {"primarycolor", 0, 0xFFFFFF},
                    {"secondarycolor", 0, 0xFFFFFF},
                    {"prestige", 0, 15},
                    {"boardconfidence", 0, 100},
                    {"mainleagueid", 0, 99999}},
                   2, 1);
    // The club whose prestige is stored above the scale of 0 to 10.
    std::vector<int> clubs;
    for (std::size_t i = 0; i < w.teams.size(); ++i)
        if (!w.teams[i].national)
            clubs.push_back(static_cast<int>(i));
    const int proud = clubs.empty() ? -1 : rng.pick(clubs);

    label_set labels;
    const int kits = kit_count(w);
    for (std::size_t i = 0; i < w.teams.size(); ++i) {
        const team_info& team = w.teams[i];
        const nation& na = w.nations[static_cast<std::size_t>(team.nation)];
        auto& r = t.row();
        r.keys[0] = team.id;
        r.strings[0] = names.team[i][0][0];
        std::string label = team.national
                                ? "NT_" + label_text(na.name[0])
                                : label_text(city_of(w, team).native) + "_" + club_tags[team.kind];
        if (team.generation > 0)
            label.append("_").append(roman(team.generation + 1));
        r.strings[1] = labels.take(label, na.code);

        int rival = 0;
        if (team.league >= 0) {
            const auto& mates = w.leagues[static_cast<std::size_t>(team.league)].teams;
            if (mates.size() >= 2) {
                const auto at = std::find(mates.begin(), mates.end(), static_cast<int>(i));
                const auto next = (static_cast<std::size_t>(at - mates.begin()) + 1) % mates.size();
                rival = w.teams[static_cast<std::size_t>(mates[next])].id;
            }
        }
        const int level =
            team.league >= 0 ? w.leagues[static_cast<std::size_t>(team.league)].level : 4;
        int prestige = team.national ? rng.between(4, 10)
                                     : std::clamp(8 - 2 * level + rng.between(-2, 2), 0, 10);
        if (static_cast<int>(i) == proud)
            prestige = 12;
        const int home_kit = 2 * static_cast<int>(i);
        t.set(r, "nationid", nation_id(team.nation));
        t.set(r, "attackstyle", rng.between(0, 2));
        t.set(r, "defensivestyle", rng.between(0, 3));
        t.set(r, "transferbudget", team.national ? 0 : rng.between(50, 90000));
        t.set(r, "foundationyear",
              team.national ? rng.between(1863, 1930) : rng.between(1857, 1995));
        t.set(r, "formation", rng.chance(5) ? 0 : rng.between(1, 48));
        t.set(r, "rivalteamid", rival);
        t.set(r, "homekitid", home_kit < kits ? id_of(home_kit) : 0);
        t.set(r, "awaykitid", home_kit + 1 < kits ? id_of(home_kit + 1) : 0);
        t.set(r, "fanbase", rng.between(500, 1000000));
        t.set(r, "youthacademy", rng.between(0, 10));
        t.set(r, "trainingfacilities", rng.between(0, 10));
        t.set(r, "stadiumid", w.stadiums[static_cast<std::size_t>(team.stadium)].id);
        t.set(r, "managerid", id_of(static_cast<int>(i)));
        t.set(r, "teamtype", team.national ? 1 : 0);
        t.set(r, "primarycolor", color(rng));
        t.set(r, "secondarycolor", color(rng));
        t.set(r, "prestige", prestige);
        t.set(r, "boardconfidence", rng.between(0, 100));
        t.set(r, "mainleagueid",
              team.league >= 0 ? w.leagues[static_cast<std::size_t>(team.league)].id : 0);
    }
    t.block_word(id_of(static_cast<int>(w.teams.size())));
}

} // namespace qira::testdata
