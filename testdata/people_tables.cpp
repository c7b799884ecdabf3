// The tables of people: nations, referees, players, the players of each team and the managers.

#include "testdata/tables.h"

#include "testdata/name_lists.h"

#include <algorithm>

namespace qira::testdata {

void write_nations(database& db, const world& w, random_source& rng) {
    table_writer t(db, "nations", {"nationid"}, {}, {"nationname", "abbreviation"},
                   {{"continent", 0, 7},
                    {"worldranking", 1, 255},
                    {"nationalteamid", 0, 99999},
                    {"confederationid", 0, 7},
                    {"flagid", 0, 255},
                    {"playerfrequency", -1, 100}},
                   1);
    for (std::size_t n = 0; n < w.nations.size(); ++n) {
        auto& r = t.row();
        r.keys[0] = nation_id(static_cast<int>(n));
        r.strings[0] = w.nations[n].name[0];
        r.strings[1] = w.nations[n].code;
        t.set(r, "continent", w.nations[n].continent);
        t.set(r, "worldranking", rng.between(1, 200));
        int national_team = 0;
        for (const auto& team : w.teams)
            if (team.national && team.nation == static_cast<int>(n))
                national_team = team.id;
        t.set(r, "nationalteamid", national_team);
        t.set(r, "confederationid", w.nations[n].continent + 1);
        t.set(r, "flagid", static_cast<int>(n) + 1);
        t.set(r, "playerfrequency", rng.between(0, 100));
    }
    t.block_word(nation_id(static_cast<int>(w.nations.size())));
}

void write_referees(database& db, const world& w, random_source& rng) {
    table_writer t(db, "referees", {"refereeid"}, {}, {"firstname", "surname"},
                   {{"nationid", 0, 255},
                    {"birthyear", 0, 2047},
                    {"strictness", 100000, 255},
                    {"consistency", 0, 100},
                    {"fitness", -1, 63}},
                   1);
    for (int i = 0; i < w.p.referees; ++i) {
        const int n = rng.between(0, static_cast<int>(w.nations.size()) - 1);
        const nation& na = w.nations[static_cast<std::size_t>(n)];
        auto& r = t.row();
        r.keys[0] = id_of(i);
        r.strings[0] = rng.pick(na.first_names);
        r.strings[1] = rng.pick(na.surnames);
        t.set(r, "nationid", nation_id(n));
        t.set(r, "birthyear", rng.between(1955, 1975));
        t.set(r, "strictness", rng.between(0, 100));
        t.set(r, "consistency", rng.between(0, 100));
        t.set(r, "fitness", rng.between(40, 100));
    }
    t.block_word(id_of(w.p.referees));
}

void write_players(database& db, const world& w, random_source& rng) {
    table_writer t(db, "players", {"playerid"}, {"birthdate"},
                   {"firstname", "commonname", "surname"},
                   {{"nationality", 0, 255},
                    {"foot", 0, 2},
                    {"talent", 0, 7},
                    {"height", 0, 255},
                    {"weight", -1, 127},
                    {"starplayer", 0, 3},
                    {"skintone", 0, 7},
                    {"haircolorid", 0, 4},
                    {"hairstyle", 0, 31},
                    {"shoecolor", 0, 4},
                    {"facialhair", 0, 3},
                    {"stamina", 0, 100},
                    {"acceleration", 0, 100},
                    {"ballcontrol", 0, 100},
                    {"dribbling", 0, 100},
                    {"passing", 100000, 200},
                    {"crossing", 0, 100},
                    {"tackling", -1, 100},
                    {"heading", 0, 100},
                    {"shotaccuracy", 0, 100},
                    {"shotpower", 0, 100},
                    {"goalkeeping", 0, 100},
                    {"preferredposition1", 0, 33},
                    {"preferredposition2", 0, 33},
                    {"injuryproneness", 0, 10},
                    {"contractuntil", 0, 2047},
                    {"marketvalue", 0, 0xFFFFF},
                    {"morale", 100000, 127}},
                   1, 1); // one spare word a row
    for (const auto& pl : w.players) {
        auto& r = t.row();
        r.keys[0] = pl.id;
        r.extras[0] = birth_date(rng, 1966, 1987);
        r.strings[0] = pl.first;
        r.strings[1] = pl.pseudonym;
        r.strings[2] = pl.surname;
        const bool keeper = pl.position == 0;
        const bool defender = pl.position >= 1 && pl.position <= 7;
        const bool forward = pl.position >= 26 && pl.position <= 31;
        int height = keeper ? rng.between(183, 205) : rng.between(165, 198);
        if (rng.chance(2))
            height = rng.between(150, 164);
        t.set(r, "nationality", nation_id(pl.nation));
        t.set(r, "foot", rng.chance(70) ? 0 : rng.between(1, 2));
        t.set(r, "talent", pl.talent);
        t.set(r, "height", height);
        t.set(r, "weight", std::clamp(height - 105 + rng.between(-8, 10), 55, 100));
        t.set(r, "starplayer", pl.star);
        t.set(r, "skintone", rng.between(0, 5));
        t.set(r, "haircolorid", rng.between(0, 4));
        t.set(r, "hairstyle", rng.between(0, 31));
        t.set(r, "shoecolor", rng.between(0, 4));
        t.set(r, "facialhair", rng.between(0, 3));
        t.set(r, "stamina", skill(rng, pl.talent));
        t.set(r, "acceleration", skill(rng, pl.talent));
        t.set(r, "ballcontrol", skill(rng, pl.talent, keeper ? -20 : 0));
        t.set(r, "dribbling", skill(rng, pl.talent, forward ? 8 : 0));
        t.set(r, "passing", skill(rng, pl.talent));
        t.set(r, "crossing", skill(rng, pl.talent));
        t.set(r, "tackling", skill(rng, pl.talent, defender ? 10 : forward ? -15 : 0));
        t.set(r, "heading", skill(rng, pl.talent));
        t.set(r, "shotaccuracy", skill(rng, pl.talent, forward ? 10 : keeper ? -25 : 0));
        t.set(r, "shotpower", skill(rng, pl.talent));
        t.set(r, "goalkeeping", keeper ? skill(rng, pl.talent, 10) : rng.between(5, 25));
        t.set(r, "preferredposition1", pl.position);
        t.set(r, "preferredposition2", keeper ? 0 : squad_positions[rng.between(1, 10)]);
        t.set(r, "injuryproneness", rng.between(0, 10));
        t.set(r, "contractuntil", rng.between(2004, 2009));
        t.set(r, "marketvalue",
              (pl.talent * pl.talent * 150 + rng.between(0, 500)) * (pl.star == 1 ? 4 : 1));
        t.set(r, "morale", rng.between(0, 50));
    }
    t.block_word(id_of(static_cast<int>(w.players.size())));
}

void write_team_players(database& db, const world& w, random_source& rng) {
    table_writer t(db, "teamplayers", {"teamid", "playerid"}, {}, {},
                   {{"jerseynumber", 0, 99},
                    {"position", 0, 33},
                    {"isloaned", 0, 1},
                    {"contractyears", 100000, 15},
                    {"squadrole", 0, 3}},
                   1, 1); // one spare word a row
    for (const auto& team : w.teams) {
        // Jersey numbers: 1 for the first keeper, the others distinct from 2 to 99.
        std::vector<int> numbers;
        for (int n = 2; n <= 99; ++n)
            numbers.push_back(n);
        rng.shuffle(numbers);
        std::sort(numbers.begin(), numbers.begin() + 30);
        for (std::size_t k = 0; k < team.roster.size(); ++k) {
            const member& m = team.roster[k];
            const player_info& pl = w.players[static_cast<std::size_t>(m.player)];
            auto& r = t.row();
            r.keys[0] = team.id;
            r.keys[1] = pl.id;
            const int number = k == 0 ? 1 : numbers[(k - 1) % numbers.size()];
            const int position = k < 11   ? (team.national ? pl.position : squad_positions[k])
                                 : k < 18 ? position_substitute
                                          : position_reserve;
            t.set(r, "jerseynumber", number);
            t.set(r, "position", position);
            t.set(r, "isloaned", m.loaned ? 1 : 0);
            t.set(r, "contractyears", team.national ? 0 : rng.between(1, 5));
            t.set(r, "squadrole", k < 11 ? 0 : k < 18 ? 1 : 2);
        }
    }
}

void write_managers(database& db, const world& w, random_source& rng) {
    table_writer t(db, "managers", {"managerid"}, {}, {"firstname", "surname"},
                   {{"nationid", 0, 255},
                    {"teamid", 0, 99999},
                    {"birthyear", 0, 2047},
                    {"reputation", -1, 100},
                    {"preferredformation", 0, 48},
                    {"attackstyle", 0, 2},
                    {"salary", 0, 0x3FFFFF}},
                   1);
    for (std::size_t i = 0; i < w.teams.size(); ++i) {
        const team_info& team = w.teams[i];
        const int n =
            rng.chance(80) ? team.nation : rng.between(0, static_cast<int>(w.nations.size()) - 1);
        const nation& na = w.nations[static_cast<std::size_t>(n)];
        auto& r = t.row();
        r.keys[0] = id_of(static_cast<int>(i));
        r.strings[0] = rng.pick(na.first_names);
        r.strings[1] = rng.pick(na.surnames);
        t.set(r, "nationid", nation_id(n));
        t.set(r, "teamid", team.id);
        t.set(r, "birthyear", rng.between(1940, 1970));
        t.set(r, "reputation", rng.between(0, 100));
        t.set(r, "preferredformation", rng.between(0, 48));
        t.set(r, "attackstyle", rng.between(0, 2));
        t.set(r, "salary", rng.between(20, 4000) * 1000);
    }
    t.block_word(id_of(static_cast<int>(w.teams.size())));
}

} // namespace qira::testdata
