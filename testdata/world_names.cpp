// The names of rows in the six languages: leagues, teams and stadiums named after their nations
// and cities with the wording of the name lists; internal names of leagues.

#include "testdata/world.h"

#include "testdata/name_lists.h"

#include <string>

namespace qira::testdata {

namespace {

std::string generation_suffix(int generation) {
    return generation > 0 ? std::string(" ").append(roman(generation + 1)) : std::string();
}

texts league_long(const world& w, const league_info& l) {
    if (l.kind == league_kind::elite)
        return all_languages(elite_league_title);
    if (l.kind == league_kind::national)
        return all_languages(national_league_title);
    texts out;
    for (int lang = 0; lang < languages; ++lang) {
        out[lang] = substitute(substitute(league_patterns[lang], "{n}",
                                          w.nations[static_cast<std::size_t>(l.nation)].name[lang]),
                               "{t}", tiers[l.level][lang]);
        if (l.group > 0)
            out[lang] += substitute(group_patterns[lang], "{g}", std::to_string(l.group + 1));
    }
    return out;
}

texts league_short(const world& w, const league_info& l) {
    if (l.kind == league_kind::elite)
        return all_languages(elite_league_short);
    if (l.kind == league_kind::national)
        return all_languages(national_league_short);
    texts out;
    for (int lang = 0; lang < languages; ++lang) {
        out[lang] =
            w.nations[static_cast<std::size_t>(l.nation)].code + " " + short_tiers[l.level][lang];
        if (l.group > 0)
            out[lang].append(" ").append(std::to_string(l.group + 1));
    }
    return out;
}

// Full, 5-character and 10-character names.
std::array<texts, 3> team_names(const world& w, const team_info& t) {
    std::array<texts, 3> out;
    const nation& n = w.nations[static_cast<std::size_t>(t.nation)];
    for (int l = 0; l < languages; ++l) {
        if (t.national) {
            out[0][l] = n.name[l];
            out[1][l] = n.code;
            out[2][l] = first_chars(n.name[l], 10);
        } else {
            const std::string& c = city_of(w, t).local[l];
            out[0][l] =
                substitute(club_patterns[t.kind][l], "{c}", c) + generation_suffix(t.generation);
            out[1][l] = initials(c, 3) + club_codes[t.kind][l];
            out[2][l] = first_chars(c, 10);
        }
    }
    return out;
}

texts stadium_names(const world& w, const stadium_info& s) {
    texts out;
    const nation& n = w.nations[static_cast<std::size_t>(s.nation)];
    for (int l = 0; l < languages; ++l) {
        const std::string& place =
            s.city < 0 ? n.name[l] : n.cities[static_cast<std::size_t>(s.city)].local[l];
        out[l] = substitute(stadium_patterns[s.kind][l], "{c}", place);
        if (s.generation > 0)
            out[l].append(" ").append(std::to_string(s.generation + 1));
    }
    return out;
}

} // namespace

std::string league_label(const world& w, const league_info& l) {
    if (l.kind == league_kind::elite)
        return "EUR_ELITE";
    if (l.kind == league_kind::national)
        return "INT_NATIONS";
    std::string label =
        w.nations[static_cast<std::size_t>(l.nation)].code + "_" + tier_tags[l.level];
    if (l.group > 0)
        label += "_G" + std::to_string(l.group + 1);
    return label;
}

row_names name_rows(const world& w) {
    row_names names;
    for (const auto& l : w.leagues) {
        names.league_long.push_back(league_long(w, l));
        names.league_short.push_back(league_short(w, l));
    }
    for (const auto& s : w.stadiums)
        names.stadium.push_back(stadium_names(w, s));
    for (const auto& t : w.teams)
        names.team.push_back(team_names(w, t));
    return names;
}

} // namespace qira::testdata
