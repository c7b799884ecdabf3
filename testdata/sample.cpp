// The generated sample install. A football world of nations, leagues, clubs, national teams and
// players is drawn from the seed and then written into the fifteen tables of the game database
// file and into the six language files. Every random choice comes from one splitmix64 stream and
// plain integer arithmetic, so the same options give the same bytes with any compiler and
// standard library.

#include "testdata/sample.h"

#include "dbfile/bits.h"
#include "dbfile/build.h"
#include "fileio/bytes.h"
#include "langfile/stored_string.h"
#include "testdata/name_lists.h"
#include "testdata/random_source.h"
#include "testdata/text.h"
#include "testdata/world.h"

#include <algorithm>
#include <cassert>
#include <set>
#include <string_view>
#include <system_error>
#include <vector>

namespace qira {

namespace {

using namespace testdata;

// ---------------------------------------------------------------------------------------------
// Tables

struct column {
    const char* name;
    std::int32_t a;
    std::int32_t b;
};

// One table of the database being built; values are set by field name.
class table_writer {
  public:
    table_writer(database& db, std::string name, std::vector<std::string> keys,
                 std::vector<std::string> extras, std::vector<std::string> strings,
                 std::vector<column> packed, std::int32_t opaque, int spare_words = 0,
                 int words_per_row = 0)
        : db_(db), columns_(std::move(packed)) {
        table_spec spec;
        spec.name = std::move(name);
        spec.keys = std::move(keys);
        spec.extras = std::move(extras);
        spec.strings = std::move(strings);
        spec.opaque_word = opaque;
        for (const auto& c : columns_)
            spec.packed.push_back({c.name, c.a, c.b});
        table_ = db.table_count();
        std::uint64_t bits = 0;
        for (const auto& c : columns_) {
            const int width = field_width({c.name, 0, c.a, c.b}, table_);
            widths_.push_back(width);
            bits += static_cast<std::uint64_t>(width);
        }
        const int whole =
            static_cast<int>(spec.keys.size() + spec.extras.size() + spec.strings.size());
        spec.words_per_row = words_per_row > 0
                                 ? words_per_row
                                 : whole + static_cast<int>((bits + 31) / 32) + spare_words;
        add_table(db, spec);
    }

    db_overall_data& row() { return add_row(db_, table_); }
    void set(db_overall_data& r, std::string_view field, std::uint32_t value) {
        for (std::size_t j = 0; j < columns_.size(); ++j) {
            if (field == columns_[j].name) {
                assert(widths_[j] >= 32 || value < (std::uint32_t{1} << widths_[j]));
                r.values[j] = value;
                return;
            }
        }
        assert(false && "no such field");
    }
    void set(db_overall_data& r, std::string_view field, int value) {
        set(r, field, static_cast<std::uint32_t>(value));
    }
    int rows() const { return db_.overall[table_].row_count; }
    void block_word(std::int32_t v) { db_.overall[table_].block_word = v; }

  private:
    database& db_;
    int table_ = 0;
    std::vector<column> columns_;
    std::vector<int> widths_;
};

int birth_date(random_source& rng, int first_year, int last_year) {
    return rng.between(first_year, last_year) * 10000 + rng.between(1, 12) * 100 +
           rng.between(1, 28);
}

int skill(random_source& rng, int talent, int bonus = 0) {
    return std::clamp(35 + talent * 9 + bonus + rng.between(-12, 12), 0, 100);
}

int color(random_source& rng) {
    return rng.between(0, 0xFFFFFF);
}

// Date of day `day` counted from 14 August 2004, as yyyymmdd.
int match_date(int day) {
    static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int y = 2004, m = 8, d = 14 + day;
    while (true) {
        const bool leap = y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
        const int len = lengths[m - 1] + (m == 2 && leap ? 1 : 0);
        if (d <= len)
            break;
        d -= len;
        if (++m > 12) {
            m = 1;
            ++y;
        }
    }
    return y * 10000 + m * 100 + d;
}

// A different number for every table, row and word of a row (a multiplicative hash).
std::uint32_t undecoded_word(int t, std::size_t row, std::size_t word) {
    const std::uint64_t seed =
        (std::uint64_t{static_cast<std::uint32_t>(t)} << 40) ^ (row << 8) ^ word;
    return static_cast<std::uint32_t>((seed * 0x9E3779B97F4A7C15ull) >> 32);
}

// The game's rows carry data the editor does not decode: the bits after a row's last field (the
// rest of its last packed word) and the words after them. Every row gets numbers of its own
// there, never zero, so that whatever moves or drops them shows. The packing writes only the
// bits the fields cover over these words.
void fill_undecoded(database& db) {
    for (int t = 0; t < db.table_count(); ++t) {
        const db_table& table = db.tables[static_cast<std::size_t>(t)];
        std::uint64_t bits = 0;
        for (std::size_t f = static_cast<std::size_t>(table.whole_word_count());
             f < table.fields.size(); ++f)
            bits += static_cast<std::uint64_t>(field_width(table.fields[f], t));
        const auto w = static_cast<std::size_t>(db.overall[t].words_per_row);
        const std::size_t first = static_cast<std::size_t>(table.whole_word_count()) +
                                  static_cast<std::size_t>(bits / 32);
        const auto tail = static_cast<unsigned>(bits % 32);
        const std::size_t rows = db.overall[t].rows.size();
        auto& words = db.blocks[static_cast<std::size_t>(t)].words;
        words.assign(rows * w, 0);
        for (std::size_t r = 0; r < rows; ++r) {
            for (std::size_t i = first; i < w; ++i) {
                std::uint32_t v = undecoded_word(t, r, i);
                if (i == first && tail != 0)
                    v &= ~std::uint32_t{0} >> tail; // the bits the fields leave free
                words[r * w + i] = stream_word(v == 0 ? 1 : v);
            }
        }
    }
}

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

int kit_count(const world& w) {
    return std::min(2 * static_cast<int>(w.teams.size()), max_rows);
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

void write_cups(database& db, const world& w, random_source& rng) {
    std::vector<column> columns = {
        {"nationid", 0, 255}, {"cuptype", 0, 3}, {"rounds", 0, 7}, {"participants", 0, 127}};
    static const std::vector<std::string> slot_names = [] {
        std::vector<std::string> names;
        for (int s = 1; s <= cup_slots; ++s)
            names.push_back(std::string(s < 10 ? "team0" : "team") + std::to_string(s));
        return names;
    }();
    for (const auto& s : slot_names)
        columns.push_back({s.c_str(), 0, 99999});
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
            label += "_" + roman(team.generation + 1);
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

// ---------------------------------------------------------------------------------------------
// Language files

void header_word(string_table& table, std::size_t offset, std::uint32_t value) {
    store_u32(table.header.data() + offset, value);
}

void prepare_language(string_table& table, int lang) {
    const auto l = static_cast<std::uint32_t>(lang);
    // The words at 16, 40 and 44 are offsets that the writer fills in.
    const std::uint32_t words[12] = {2, 48, l + 1, 2004, 0, 3, 12, 36, 1, 0x10000 + l, 0, 0};
    for (std::size_t i = 0; i < 12; ++i)
        header_word(table, 4 * i, words[i]);
    table.word_after_count = static_cast<std::int32_t>(0x100 + l);
    const std::uint32_t block[9] = {1, 4, l + 1, 2004, 0x00FF00FF, 12, 12, 12, 0xFFFFFFFFu};
    for (std::size_t i = 0; i < 9; ++i)
        store_u32(table.block.data() + 4 * i, block[i]);
    table.names = standard_name_config();
}

std::string numbered(const char* pattern, int n) {
    return substitute(pattern, "{n}", std::to_string(n));
}

void make_languages(sample_install& out, const world& w, const row_names& names) {
    const auto config = standard_name_config();
    const name_config& leagues = config[table_index::leagues];
    const name_config& stadiums = config[table_index::stadiums];
    const name_config& teams = config[table_index::teams];

    const int name_entries = 2 * static_cast<int>(w.leagues.size()) +
                             static_cast<int>(w.stadiums.size()) +
                             3 * static_cast<int>(w.teams.size());
    const int unrelated = std::max(5, w.p.language_entries - name_entries);
    const int press = static_cast<int>(w.teams.size()) / 40;
    const int menu = std::clamp(unrelated / 6, 1, 999);
    const int commentary = std::max(1, unrelated / 4);
    const int tips = std::max(1, unrelated / 6);
    const int messages = std::max(1, unrelated - press - menu - commentary - tips);

    constexpr int menus = static_cast<int>(std::size(menu_phrases));
    constexpr int comments = static_cast<int>(std::size(commentary_phrases));
    constexpr int tip_count = static_cast<int>(std::size(tip_phrases));
    constexpr int message_count = static_cast<int>(std::size(message_phrases));

    for (int lang = 0; lang < languages; ++lang) {
        std::vector<Tstring_table> e;
        e.reserve(static_cast<std::size_t>(name_entries + unrelated));
        const auto add = [&](std::int32_t key, std::string text) {
            e.push_back({key, 0, std::move(text)});
        };
        // Menu texts; one of them is empty.
        for (int i = 0; i < menu; ++i) {
            std::string text = menu_phrases[i % menus][lang];
            if (i >= menus)
                text += " " + std::to_string(i / menus + 1);
            add(i + 1, i == menus + 3 ? std::string() : std::move(text));
        }
        for (std::size_t i = 0; i < w.leagues.size(); ++i) {
            add(leagues.key_of(w.leagues[i].id, 0), names.league_long[i][lang]);
            add(leagues.key_of(w.leagues[i].id, 1), names.league_short[i][lang]);
        }
        for (int i = 0; i < commentary; ++i)
            add(15000000 + i, std::to_string(1 + i % 90) + "' " +
                                  commentary_phrases[(i + i / 90) % comments][lang]);
        for (std::size_t i = 0; i < w.stadiums.size(); ++i)
            add(stadiums.key_of(w.stadiums[i].id, 0), names.stadium[i][lang]);
        for (int i = 0; i < tips; ++i)
            add(25000000 + i, numbered(tip_phrases[i % tip_count][lang], i + 1));
        int pressed = 0;
        for (std::size_t i = 0; i < w.teams.size(); ++i) {
            for (int k = 0; k < 3; ++k)
                add(teams.key_of(w.teams[i].id, k),
                    names.team[i][static_cast<std::size_t>(k)][lang]);
            if (i % 40 == 39 && pressed < press) {
                add(36000000 + pressed, numbered(press_phrase[lang], pressed + 1));
                ++pressed;
            }
        }
        for (int i = 0; i < messages; ++i)
            add(50000000 + i, numbered(message_phrases[i % message_count][lang], i + 1));

        string_table& table = out.languages[static_cast<std::size_t>(lang)];
        prepare_language(table, lang);
        table.assign(std::move(e));
    }
}

} // namespace

sample_install make_sample(const sample_options& options) {
    random_source rng(options.seed);
    const world w = make_world(options.scale, rng);
    const row_names names = name_rows(w);

    sample_install out;
    database& db = out.db;
    db.header_word0 = 2;
    db.header_word1 = 0x07D40001;
    write_nations(db, w, rng);
    write_leagues(db, w, names);
    write_league_teams(db, w);
    write_referees(db, w, rng);
    write_players(db, w, rng);
    write_kits(db, w, rng);
    write_cups(db, w, rng);
    write_stadiums(db, w, rng);
    write_tactics(db, w, rng);
    write_team_settings(db, w, rng);
    write_fixtures(db, w, rng);
    write_team_players(db, w, rng);
    write_managers(db, w, rng);
    write_teams(db, w, names, rng);
    write_settings(db);

    make_languages(out, w, names);
    attach_names(out.languages[0], db);

    fill_undecoded(db);

    // Lay the model out and pack it as the file will hold it.
    layout_offsets(db);
    for (int t = 0; t < db.table_count(); ++t) {
        encode_table(db, t);
        raw_block& b = db.blocks[static_cast<std::size_t>(t)];
        b.byte_size = 8 + 4 * static_cast<std::int64_t>(b.row_count) * b.words_per_row;
    }
    return out;
}

io_result write_sample_install(const std::filesystem::path& dir, const sample_options& options) {
    const auto fe = install_language_path(dir, language_codes[0]).parent_path();
    std::error_code ec;
    std::filesystem::create_directories(fe, ec);
    if (ec)
        return io_result::failure(io_result::code::write_failed,
                                  "Could not create " + fe.string() + ": " + ec.message());
    sample_install install = make_sample(options);
    if (auto r = save_database(install_database_path(dir), install.db); !r)
        return r;
    for (std::size_t l = 0; l < language_codes.size(); ++l)
        if (auto r = save_language_file(install_language_path(dir, language_codes[l]),
                                        install.languages[l]);
            !r)
            return r;
    return io_result::success();
}

} // namespace qira
