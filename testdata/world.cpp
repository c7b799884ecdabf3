// Drawing the world from the seed: which leagues each nation has, which clubs play in them,
// the players of every squad and the stadiums, and the situations planted among them.

#include "testdata/world.h"

#include "testdata/name_lists.h"

#include <algorithm>
#include <utility>

namespace qira::testdata {

namespace {

std::vector<nation> make_nations() {
    std::vector<nation> out;
    for (const auto& src : nation_sources) {
        nation n;
        n.code = src.code;
        const auto names = split(src.names, '|');
        for (int l = 0; l < languages; ++l)
            n.name[l] = names[static_cast<std::size_t>(l)];
        n.first_names = split(src.first_names, ',');
        n.surnames = split(src.surnames, ',');
        for (const auto& spec : split(src.cities, ';')) {
            auto parts = split(spec, '|');
            parts.resize(languages + 1);
            city c;
            c.native = parts[0];
            for (int l = 0; l < languages; ++l) {
                const auto& local = parts[static_cast<std::size_t>(l) + 1];
                c.local[l] = local.empty() ? c.native : local;
            }
            n.cities.push_back(std::move(c));
        }
        n.continent = src.continent;
        n.pseudonym_percent = n.code == "BRA"                      ? 60
                              : n.code == "POR"                    ? 20
                              : n.code == "ESP" || n.code == "ARG" ? 8
                                                                   : 3;
        out.push_back(std::move(n));
    }
    return out;
}

void make_leagues(world& w) {
    const plan& p = w.p;
    for (int j = 0; j < p.domestic_leagues; ++j) {
        league_info l;
        l.kind = league_kind::domestic;
        l.nation = j % p.league_nations;
        l.level = j / p.league_nations % 5;
        l.group = j / (p.league_nations * 5);
        w.leagues.push_back(l);
    }
    league_info elite;
    elite.kind = league_kind::elite;
    w.leagues.push_back(elite);
    league_info national;
    national.kind = league_kind::national;
    w.leagues.push_back(national);
    for (std::size_t i = 0; i < w.leagues.size(); ++i)
        w.leagues[i].id = id_of(static_cast<int>(i));
}

void make_teams(world& w, random_source& rng) {
    const plan& p = w.p;
    // Each nation's clubs take the city and kind combinations in a shuffled order; a name comes
    // round again with a higher generation ("II", "III") only when all are used.
    std::vector<std::vector<int>> combos(w.nations.size());
    std::vector<int> used(w.nations.size(), 0);
    const auto add_club = [&](int nation, int league) {
        auto& order = combos[static_cast<std::size_t>(nation)];
        const int cities =
            static_cast<int>(w.nations[static_cast<std::size_t>(nation)].cities.size());
        if (order.empty()) {
            for (int c = 0; c < cities * club_kinds; ++c)
                order.push_back(c);
            rng.shuffle(order);
        }
        const int k = used[static_cast<std::size_t>(nation)]++;
        const int combo = order[static_cast<std::size_t>(k) % order.size()];
        team_info t;
        t.nation = nation;
        t.league = league;
        t.city = combo % cities;
        t.kind = combo / cities;
        t.generation = k / static_cast<int>(order.size());
        w.teams.push_back(std::move(t));
        return static_cast<int>(w.teams.size()) - 1;
    };

    const int in_leagues = std::min(p.clubs, p.league_links - p.national_teams - p.elite_clubs);
    const int filled = p.domestic_leagues - 1; // the last domestic league stays empty
    for (int j = 0; j < filled; ++j) {
        const int count = in_leagues / filled + (j < in_leagues % filled ? 1 : 0);
        for (int k = 0; k < count; ++k)
            w.leagues[static_cast<std::size_t>(j)].teams.push_back(
                add_club(w.leagues[static_cast<std::size_t>(j)].nation, j));
    }
    for (int k = in_leagues; k < p.clubs; ++k) // clubs that play in no league
        add_club(k % p.league_nations, -1);

    // The international club league: the first club of each top league.
    league_info& elite = w.leagues[static_cast<std::size_t>(p.domestic_leagues)];
    for (int j = 0; j < filled && static_cast<int>(elite.teams.size()) < p.elite_clubs; ++j) {
        const auto& l = w.leagues[static_cast<std::size_t>(j)];
        if (l.level == 0 && l.group == 0 && !l.teams.empty())
            elite.teams.push_back(l.teams.front());
    }

    league_info& national = w.leagues[static_cast<std::size_t>(p.domestic_leagues) + 1];
    for (int n = 0; n < p.national_teams; ++n) {
        team_info t;
        t.nation = n % static_cast<int>(w.nations.size());
        t.national = true;
        t.league = p.domestic_leagues + 1;
        w.teams.push_back(std::move(t));
        national.teams.push_back(static_cast<int>(w.teams.size()) - 1);
    }
    for (std::size_t i = 0; i < w.teams.size(); ++i)
        w.teams[i].id = id_of(static_cast<int>(i));
}

player_info new_player(world& w, random_source& rng, int nation_index, int position) {
    const nation& n = w.nations[static_cast<std::size_t>(nation_index)];
    player_info pl;
    pl.nation = nation_index;
    pl.position = position;
    pl.first = rng.pick(n.first_names);
    pl.surname = rng.pick(n.surnames);
    if (rng.chance(n.pseudonym_percent)) {
        static const std::vector<std::string> nicknames = split(pseudonyms, ',');
        pl.pseudonym = rng.pick(nicknames);
    }
    const int roll = rng.between(0, 99);
    pl.talent = roll < 5 ? 0 : roll < 20 ? 1 : roll < 50 ? 2 : roll < 80 ? 3 : roll < 95 ? 4 : 5;
    pl.star = pl.talent >= 4 && rng.chance(30) ? 1 : 0;
    return pl;
}

// Club players, free agents, national squads and loans, then the special cases.
void make_players(world& w, random_source& rng) {
    const plan& p = w.p;
    const int nation_count = static_cast<int>(w.nations.size());

    std::vector<int> clubs; // clubs in leagues first, in team order
    for (std::size_t i = 0; i < w.teams.size(); ++i)
        if (!w.teams[i].national)
            clubs.push_back(static_cast<int>(i));
    // The club without players: one of the clubs in a league.
    std::vector<int> league_clubs;
    for (int c : clubs)
        if (w.teams[static_cast<std::size_t>(c)].league >= 0)
            league_clubs.push_back(c);
    const int empty_club = league_clubs.empty() ? -1 : rng.pick(league_clubs);

    std::vector<int> squads;
    for (int c : clubs)
        if (c != empty_club)
            squads.push_back(c);
    if (squads.empty())
        return;
    const int club_players = p.players - p.free_agents;
    const int squad_count = static_cast<int>(squads.size());
    for (int s = 0; s < squad_count; ++s) {
        team_info& club = w.teams[static_cast<std::size_t>(squads[static_cast<std::size_t>(s)])];
        const int size = club_players / squad_count + (s < club_players % squad_count ? 1 : 0);
        for (int k = 0; k < size; ++k) {
            const int nation = rng.chance(65) ? club.nation : rng.between(0, nation_count - 1);
            player_info pl = new_player(w, rng, nation, squad_positions[k % 22]);
            pl.club = squads[static_cast<std::size_t>(s)];
            w.players.push_back(std::move(pl));
            club.roster.push_back({static_cast<int>(w.players.size()) - 1, false});
        }
    }
    for (int k = 0; k < p.free_agents; ++k)
        w.players.push_back(new_player(w, rng, rng.between(0, nation_count - 1),
                                       squad_positions[rng.between(0, 21)]));
    for (std::size_t i = 0; i < w.players.size(); ++i)
        w.players[i].id = id_of(static_cast<int>(i));

    // National squads: club players of the nation.
    for (auto& t : w.teams) {
        if (!t.national)
            continue;
        std::vector<int> candidates;
        for (std::size_t i = 0; i < w.players.size(); ++i)
            if (w.players[i].nation == t.nation && w.players[i].club >= 0)
                candidates.push_back(static_cast<int>(i));
        rng.shuffle(candidates);
        const auto size = std::min(candidates.size(), static_cast<std::size_t>(p.national_squad));
        for (std::size_t k = 0; k < size; ++k)
            t.roster.push_back({candidates[k], false});
    }

    // Loans fill the team links up to the plan's count.
    int links = 0;
    for (const auto& t : w.teams)
        links += static_cast<int>(t.roster.size());
    const int club_player_end = club_players;
    for (int guard = 0; links < p.player_links && club_player_end > 0 && guard < 1000000; ++guard) {
        const int pl = rng.between(0, club_player_end - 1);
        const int to = squads[rng.index(squads.size())];
        team_info& club = w.teams[static_cast<std::size_t>(to)];
        const bool already = std::any_of(club.roster.begin(), club.roster.end(),
                                         [&](const member& m) { return m.player == pl; });
        if (already)
            continue;
        club.roster.push_back({pl, true});
        ++links;
    }

    // Extremes that the player page clamps, and some nicknames.
    if (club_players >= 4) {
        w.players[static_cast<std::size_t>(rng.between(0, club_players - 1))].talent = 7;
        w.players[static_cast<std::size_t>(rng.between(0, club_players - 1))].talent = 6;
        w.players[static_cast<std::size_t>(rng.between(0, club_players - 1))].star = 2;
        auto& nick = w.players[static_cast<std::size_t>(rng.between(0, club_players - 1))];
        if (nick.pseudonym.empty())
            nick.pseudonym = "Zé Carlos";
    }

    // Two players of different clubs with identical names.
    if (squads.size() >= 2) {
        const auto a = rng.index(squads.size());
        const auto b = (a + 1 + rng.index(squads.size() - 1)) % squads.size();
        const auto& from = w.teams[static_cast<std::size_t>(squads[a])];
        auto& to = w.teams[static_cast<std::size_t>(squads[b])];
        if (!from.roster.empty()) {
            const int original = from.roster[0].player;
            for (auto m = to.roster.rbegin(); m != to.roster.rend(); ++m) {
                if (m->loaned || m->player == original)
                    continue;
                const player_info& first = w.players[static_cast<std::size_t>(original)];
                player_info& twin = w.players[static_cast<std::size_t>(m->player)];
                twin.first = first.first;
                twin.pseudonym = first.pseudonym;
                twin.surname = first.surname;
                break;
            }
        }
    }

    // Captains and set-piece takers: the most talented players of the squad.
    for (auto& t : w.teams) {
        if (t.roster.empty())
            continue;
        std::vector<int> order;
        for (const auto& m : t.roster)
            order.push_back(m.player);
        std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
            return w.players[static_cast<std::size_t>(x)].talent >
                   w.players[static_cast<std::size_t>(y)].talent;
        });
        const auto id = [&](std::size_t k) {
            return w.players[static_cast<std::size_t>(order[std::min(k, order.size() - 1)])].id;
        };
        t.captain = id(0);
        t.penalty_taker = id(1);
        t.free_kick_taker = id(2);
        t.corner_taker = id(3);
    }

    // One club whose stored captain plays for another club.
    std::vector<int> with_players;
    for (int c : squads)
        if (!w.teams[static_cast<std::size_t>(c)].roster.empty())
            with_players.push_back(c);
    if (with_players.size() >= 2) {
        const auto k = rng.index(with_players.size());
        team_info& t = w.teams[static_cast<std::size_t>(with_players[k])];
        const auto& other =
            w.teams[static_cast<std::size_t>(with_players[(k + 1) % with_players.size()])];
        for (const auto& m : other.roster) {
            const bool in_own = std::any_of(t.roster.begin(), t.roster.end(),
                                            [&](const member& o) { return o.player == m.player; });
            if (!in_own) {
                t.captain = w.players[static_cast<std::size_t>(m.player)].id;
                break;
            }
        }
    }
}

void make_stadiums(world& w, random_source& rng) {
    const plan& p = w.p;
    std::vector<int> clubs, nationals;
    for (std::size_t i = 0; i < w.teams.size(); ++i)
        (w.teams[i].national ? nationals : clubs).push_back(static_cast<int>(i));
    const int club_stadiums = std::clamp(p.stadiums - static_cast<int>(nationals.size()), 1,
                                         std::max(1, static_cast<int>(clubs.size())));
    // Names repeat only with a number: count (nation, city, kind) as they are used.
    std::vector<std::vector<int>> uses(w.nations.size());
    for (int s = 0; s < club_stadiums && s < static_cast<int>(clubs.size()); ++s) {
        const team_info& club =
            w.teams[static_cast<std::size_t>(clubs[static_cast<std::size_t>(s)])];
        stadium_info st;
        st.nation = club.nation;
        st.city = club.city;
        st.kind = rng.between(0, stadium_kinds - 1);
        auto& count = uses[static_cast<std::size_t>(club.nation)];
        const auto slot = static_cast<std::size_t>(st.city * stadium_kinds + st.kind);
        if (count.size() <= slot)
            count.resize(slot + 1, 0);
        st.generation = count[slot]++;
        w.stadiums.push_back(st);
    }
    const int built = static_cast<int>(w.stadiums.size());
    for (std::size_t c = 0; c < clubs.size(); ++c)
        w.teams[static_cast<std::size_t>(clubs[c])].stadium =
            static_cast<int>(c) % std::max(1, built);
    for (int n : nationals) {
        team_info& t = w.teams[static_cast<std::size_t>(n)];
        if (static_cast<int>(w.stadiums.size()) < p.stadiums) {
            stadium_info st;
            st.nation = t.nation;
            st.city = -1;
            st.kind = stadium_kinds;
            w.stadiums.push_back(st);
            t.stadium = static_cast<int>(w.stadiums.size()) - 1;
        } else {
            t.stadium = rng.between(0, static_cast<int>(w.stadiums.size()) - 1);
        }
    }
    for (std::size_t i = 0; i < w.stadiums.size(); ++i)
        w.stadiums[i].id = id_of(static_cast<int>(i));
}

} // namespace

plan plan_for(sample_scale scale) {
    switch (scale) {
    case sample_scale::game:
        return {.league_nations = 17,
                .domestic_leagues = 38,
                .clubs = 583,
                .national_teams = 17,
                .national_squad = 22,
                .elite_clubs = 16,
                .league_links = max_rows,
                .players = 10000,
                .free_agents = 300,
                .player_links = 11000,
                .stadiums = 500,
                .referees = 300,
                .tactics = 49,
                .cups = 20,
                .fixtures = 0,
                .language_entries = 30000};
    case sample_scale::max:
        // Leagues, clubs and national teams fill 11001 rows each, and so do their links.
        return {.league_nations = 17,
                .domestic_leagues = max_rows - 2,
                .clubs = max_rows - 17,
                .national_teams = 17,
                .national_squad = 11,
                .elite_clubs = 8,
                .league_links = max_rows,
                .players = max_rows,
                .free_agents = 200,
                .player_links = max_rows,
                .stadiums = max_rows,
                .referees = max_rows,
                .tactics = max_rows,
                .cups = static_cast<int>(max_row_words) / cup_words_per_row,
                .fixtures = max_rows,
                .language_entries = static_cast<int>(max_language_entries)};
    case sample_scale::tiny:
        break;
    }
    return {.league_nations = 3,
            .domestic_leagues = 4,
            .clubs = 9,
            .national_teams = 3,
            .national_squad = 11,
            .elite_clubs = 3,
            .league_links = max_rows,
            .players = 200,
            .free_agents = 12,
            .player_links = 225,
            .stadiums = 8,
            .referees = 6,
            .tactics = 12,
            .cups = 3,
            .fixtures = 0,
            .language_entries = 240};
}

world make_world(sample_scale scale, random_source& rng) {
    world w;
    w.p = plan_for(scale);
    w.nations = make_nations();
    make_leagues(w);
    make_teams(w, rng);
    make_players(w, rng);
    make_stadiums(w, rng);
    return w;
}

} // namespace qira::testdata
