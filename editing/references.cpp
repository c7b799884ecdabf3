#include "editing/references.h"

#include "dbfile/game_fields.h"
#include "editing/text_fold.h"
#include "fileio/utf8.h"

#include <algorithm>
#include <array>
#include <limits>

namespace qira {

namespace {

namespace ti = table_index;

constexpr field_place key0{row_part::key, 0};
constexpr field_place key1{row_part::key, 1};

// A field found by its name; a value's place is looked up in the file.
constexpr reference_field named(int table, std::string_view name, int target,
                                reference_scope scope = reference_scope::table_row) {
    return {table, name, {}, target, true, scope};
}
constexpr reference_field placed(int table, field_place at, int target) {
    return {table, {}, at, target, false, reference_scope::table_row};
}

constexpr std::array references = {
    named(ti::nations, "nationalteamid", ti::teams),
    named(ti::leagues, "nationid", ti::nations),
    placed(ti::league_teams, key0, ti::leagues),
    placed(ti::league_teams, key1, ti::teams),
    named(ti::referees, "nationid", ti::nations),
    named(ti::players, "nationality", ti::nations),
    placed(ti::kits, key1, ti::teams),
    named(ti::cups, "nationid", ti::nations),
    named(ti::stadiums, "nationid", ti::nations),
    placed(ti::team_settings, key0, ti::teams),
    named(ti::team_settings, team_settings_field::captain, ti::players,
          reference_scope::team_player),
    named(ti::team_settings, team_settings_field::penalty_taker, ti::players,
          reference_scope::team_player),
    named(ti::team_settings, "tacticid", ti::tactics),
    named(ti::fixtures, "hometeamid", ti::teams),
    named(ti::fixtures, "awayteamid", ti::teams),
    named(ti::fixtures, "stadiumid", ti::stadiums),
    named(ti::fixtures, "refereeid", ti::referees),
    placed(ti::team_players, key0, ti::teams),
    placed(ti::team_players, key1, ti::players),
    named(ti::managers, "nationid", ti::nations),
    named(ti::managers, "teamid", ti::teams),
    named(ti::teams, "nationid", ti::nations),
    named(ti::teams, "rivalteamid", ti::teams),
    named(ti::teams, "homekitid", ti::kits),
    named(ti::teams, "awaykitid", ti::kits),
    // The game finds a team's stadium by its slot, whatever the file calls the field.
    placed(ti::teams, {row_part::value, team_field::stadium}, ti::stadiums),
    named(ti::teams, "managerid", ti::managers),
};

const db_table* table_of(const database& db, int t) {
    return db.has_table(t) ? &db.tables[static_cast<std::size_t>(t)] : nullptr;
}

// "a" and "b" joined by a space, or whichever is not empty.
std::string joined(const std::string& a, const std::string& b) {
    if (a.empty())
        return b;
    if (b.empty())
        return a;
    return a + ' ' + b;
}

const std::string& first_not_empty(std::initializer_list<const std::string*> texts) {
    for (const std::string* t : texts)
        if (!t->empty())
            return *t;
    return **texts.begin();
}

} // namespace

std::span<const reference_field> reference_fields() {
    return references;
}

const reference_field* placed_reference(int table, field_place at) {
    for (const reference_field& r : references)
        if (r.table == table && r.name.empty() && r.place == at)
            return &r;
    return nullptr;
}

int reference_column(const database& db, const reference_field& r) {
    const db_table* table = table_of(db, r.table);
    const db_table* target = table_of(db, r.target);
    if (!table || !target || target->key_count < 1)
        return -1;
    if (r.name.empty())
        return field_of_place(*table, r.place);
    for (int f = 0; f < table->field_count(); ++f)
        if (table->fields[static_cast<std::size_t>(f)].name == r.name)
            return holds_text(place_of_field(*table, f).part) ? -1 : f;
    return -1;
}

const reference_field* reference_at(const database& db, int table, int field) {
    for (const reference_field& r : references)
        if (r.table == table && reference_column(db, r) == field)
            return &r;
    return nullptr;
}

wording row_noun(int table) {
    static constexpr std::array<marked_text, 15> nouns = {
        QIRA_TR("qira::check", "nation"),
        QIRA_TR("qira::check", "league"),
        QIRA_TR("qira::check", "league-team link"),
        QIRA_TR("qira::check", "referee"),
        QIRA_TR("qira::check", "player"),
        QIRA_TR("qira::check", "kit"),
        QIRA_TR("qira::check", "cup"),
        QIRA_TR("qira::check", "stadium"),
        QIRA_TR("qira::check", "tactic"),
        QIRA_TR("qira::check", "team settings"),
        QIRA_TR("qira::check", "fixture"),
        QIRA_TR("qira::check", "team-player link"),
        QIRA_TR("qira::check", "manager"),
        QIRA_TR("qira::check", "team"),
        QIRA_TR("qira::check", "setting")};
    if (table >= 0 && table < static_cast<int>(nouns.size()))
        return nouns[static_cast<std::size_t>(table)];
    return {QIRA_TR("qira::check", "row of table %1"), {std::to_string(table)}};
}

namespace {

// A row's name from its texts `s` (indexed as the row's) and its localized name.
template <class Texts>
std::string name_from(int table, const Texts& s, const std::string& localized) {
    switch (table) {
    case ti::leagues:
    case ti::teams:
        return first_not_empty({&localized, &s[1], &s[0]});
    case ti::stadiums:
        return first_not_empty({&localized, &s[0]});
    case ti::players:
        return s[1].empty() ? joined(s[0], s[2]) : s[1];
    case ti::referees:
    case ti::managers:
        return joined(s[0], s[1]);
    case ti::nations:
    case ti::cups:
    case ti::tactics:
    case ti::settings:
        return s[0];
    default:
        return {};
    }
}

} // namespace

std::string row_name(const database& db, int table, int row) {
    if (!db.has_table(table) || row < 0 || static_cast<std::size_t>(row) >= db.rows(table).size())
        return {};
    const db_overall_data& r = db.rows(table)[static_cast<std::size_t>(row)];
    return name_from(table, r.strings, r.names[0]);
}

std::string row_name(int table, const std::array<std::string, 4>& texts) {
    static const std::string none;
    return name_from(table, texts, none);
}

named_rows::named_rows(const database& db, int table) : db_(&db), table_(table) {
    const db_table* t = table_of(db, table);
    if (!t || t->key_count < 1)
        return;
    const auto rows = db.rows(table);
    by_id_.reserve(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r)
        by_id_.emplace_back(rows[r].keys[0], static_cast<int>(r));
    std::sort(by_id_.begin(), by_id_.end());
}

int named_rows::row_of(std::int64_t id) const {
    if (id < std::numeric_limits<std::int32_t>::min() ||
        id > std::numeric_limits<std::int32_t>::max())
        return -1;
    const auto at = std::lower_bound(by_id_.begin(), by_id_.end(),
                                     std::pair{static_cast<std::int32_t>(id), -1});
    return at != by_id_.end() && at->first == id ? at->second : -1;
}

named_rows::kept_name* named_rows::kept(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= by_id_.size())
        return nullptr;
    if (names_.empty()) // room for the names once one is asked for
        names_.resize(by_id_.size());
    kept_name& k = names_[static_cast<std::size_t>(row)];
    if (!k.named) {
        k.name = row_name(*db_, table_, row);
        k.named = true;
    }
    return &k;
}

const std::string& named_rows::name(int row) const {
    static const std::string none;
    const kept_name* k = kept(row);
    return k ? k->name : none;
}

const std::string& named_rows::folded_name(int row) const {
    static const std::string none;
    kept_name* k = kept(row);
    if (!k)
        return none;
    if (!k->is_folded) {
        k->folded = fold_text(k->name);
        k->is_folded = true;
    }
    return k->folded;
}

bool names_no_row(const reference_field& r, const named_rows& rows, std::int64_t id) {
    return rows.row_of(id) < 0 && !(id == 0 && r.zero_is_none);
}

std::vector<named_rows::choice> named_rows::choices() const {
    std::vector<choice> out;
    out.reserve(by_id_.size());
    for (std::size_t i = 0; i < by_id_.size(); ++i)
        if (i == 0 || by_id_[i].first != by_id_[i - 1].first)
            out.push_back({by_id_[i].first, by_id_[i].second});
    std::sort(out.begin(), out.end(),
              [](const choice& a, const choice& b) { return a.row < b.row; });
    return out;
}

std::string reference_text(const named_rows& rows, std::int64_t id) {
    std::string number = std::to_string(id);
    const int row = rows.row_of(id);
    if (row < 0)
        return number;
    const std::string& name = rows.name(row);
    if (name.empty())
        return number;
    std::string out;
    out.reserve(name.size() + number.size() + 3);
    out.append(name).append(" (").append(number).append(")");
    return out;
}

std::vector<reference_choice> reference_choices(const database& db, const named_rows& rows,
                                                const reference_field& r, int row) {
    std::vector<reference_choice> out;
    if (r.scope == reference_scope::team_player) {
        const int links = table_index::team_players;
        if (!db.has_table(r.table) || row < 0 ||
            static_cast<std::size_t>(row) >= db.rows(r.table).size() || !db.has_table(links) ||
            db.tables[static_cast<std::size_t>(links)].key_count < 2)
            return out;
        const std::int32_t team = db.rows(r.table)[static_cast<std::size_t>(row)].keys[0];
        std::vector<std::int32_t> seen;
        for (const db_overall_data& link : db.rows(links))
            if (link.keys[0] == team &&
                std::find(seen.begin(), seen.end(), link.keys[1]) == seen.end()) {
                seen.push_back(link.keys[1]);
                out.push_back({link.keys[1], reference_text(rows, link.keys[1])});
            }
        return out;
    }
    const auto all = rows.choices();
    out.reserve(all.size());
    for (const named_rows::choice& c : all)
        out.push_back({c.id, reference_text(rows, c.id)});
    return out;
}

wording missing_reference_words(const reference_field& r, std::int64_t id, std::int64_t row_id) {
    //: %1 is what a row is (player, team, ...), %2 its id
    if (r.place.part == row_part::key && r.name.empty())
        return {QIRA_TR("qira::check", "%1 %2 does not exist"),
                {row_noun(r.target), std::to_string(id)}};
    if (r.name.empty())
        //: %1 %2: the row holding the reference (what it is, its id); %3 %4: the row it names
        return {
            QIRA_TR("qira::check", "%1 %2: its %3 %4 does not exist"),
            {row_noun(r.table), std::to_string(row_id), row_noun(r.target), std::to_string(id)}};
    //: as "%1 %2: its %3 %4 does not exist", %5 the field holding the reference
    return {QIRA_TR("qira::check", "%1 %2: its %3 %4 (%5) does not exist"),
            {row_noun(r.table), std::to_string(row_id), row_noun(r.target), std::to_string(id),
             printable(r.name)}};
}

std::string missing_reference_text(const reference_field& r, std::int64_t id, std::int64_t row_id) {
    return missing_reference_words(r, id, row_id).english();
}

} // namespace qira
