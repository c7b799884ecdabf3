#include "editing/game_check.h"

#include "dbfile/game_fields.h"
#include "editing/references.h"
#include "editing/row_titles.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace qira {

namespace {

using kind = game_problem::kind;

// The rows of a table by their id (keys[0]), sorted by id and then row.
class ids_of_table : public named_rows {
  public:
    using named_rows::named_rows;
    bool has(std::int64_t id) const { return row_of(id) >= 0; }
    const std::vector<std::pair<std::int32_t, int>>& sorted() const { return by_id(); }
};

class checker {
  public:
    explicit checker(const open_game& game) : game_(game), db_(game.db), titles_(game.db) {}

    std::vector<game_problem> run() {
        const ids_of_table& leagues = ids_of(table_index::leagues);
        const ids_of_table& teams = ids_of(table_index::teams);
        const ids_of_table& players = ids_of(table_index::players);
        const ids_of_table& stadiums = ids_of(table_index::stadiums);
        const ids_of_table& settings = ids_of(table_index::team_settings);

        duplicates(leagues, table_index::leagues,
                   QIRA_TR("qira::check", "league id %1 is also the id of %2"));
        names(table_index::leagues,
              QIRA_TR("qira::check", "league %1 has no name in the language file"));
        missing_references(table_index::league_teams);
        duplicates(players, table_index::players,
                   QIRA_TR("qira::check", "player id %1 is also the id of %2"));
        duplicates(stadiums, table_index::stadiums,
                   QIRA_TR("qira::check", "stadium id %1 is also the id of %2"));
        names(table_index::stadiums,
              QIRA_TR("qira::check", "stadium %1 has no name in the language file"));
        team_links();
        duplicates(teams, table_index::teams,
                   QIRA_TR("qira::check", "team id %1 is also the id of %2"));
        names(table_index::teams,
              QIRA_TR("qira::check", "team %1 has no name in the language file"));
        team_rows(settings);
        // The other tables' references, after the checks of their rows above.
        for (int t = 0; t < static_cast<int>(db_.tables.size()); ++t)
            if (t != table_index::league_teams && t != table_index::team_players &&
                t != table_index::teams)
                missing_references(t);

        std::stable_sort(found_.begin(), found_.end(), [](const auto& a, const auto& b) {
            return std::tie(a.table, a.row) < std::tie(b.table, b.row);
        });
        return std::move(found_);
    }

  private:
    void add(kind what, int t, int row, std::array<std::int64_t, 3> ids, wording problem) {
        //: %1 is a row of the game database, %2 what is wrong with it
        wording line{QIRA_TR("qira::check", "%1: %2"), {titles_.of(t, row), std::move(problem)}};
        std::string text = line.english();
        found_.push_back({what, t, row, ids, std::move(text), std::move(line)});
    }
    bool has_keys(int t, int keys) const {
        return db_.has_table(t) && db_.tables[static_cast<std::size_t>(t)].key_count >= keys;
    }

    // what: "<noun> id %1 is also the id of %2"
    void duplicates(const ids_of_table& ids, int t, marked_text what) {
        const auto& s = ids.sorted();
        for (std::size_t i = 1; i < s.size(); ++i) {
            if (s[i].first != s[i - 1].first)
                continue;
            std::size_t first = i - 1;
            while (first > 0 && s[first - 1].first == s[i].first)
                --first;
            add(kind::duplicate_id, t, s[i].second, {s[i].first, 0, 0},
                {what, {std::to_string(s[i].first), titles_.of(t, s[first].second)}});
        }
    }

    // what: "<noun> %1 has no name in the language file"
    void names(int t, marked_text what) {
        if (!game_.has_language || !db_.has_table(t) || t >= name_config_tables ||
            game_.lang.names[static_cast<std::size_t>(t)].base_key == 0 ||
            game_.lang.names[static_cast<std::size_t>(t)].name_count < 1 || !has_keys(t, 1))
            return;
        const auto rows = db_.rows(t);
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (rows[r].names.size() == 0 || rows[r].names[0].empty())
                add(kind::name_missing, t, static_cast<int>(r), {rows[r].keys[0], 0, 0},
                    {what, {std::to_string(rows[r].keys[0])}});
    }

    // The references of table t that name no row (the keys of link rows, a team's stadium, a
    // player's nation, ...), as the list of references describes them.
    void missing_references(int t) {
        for (const reference_field& r : reference_fields()) {
            const int column = r.table == t && r.scope == reference_scope::table_row
                                   ? reference_column(db_, r)
                                   : -1;
            if (column < 0)
                continue;
            const ids_of_table& ids = ids_of(r.target);
            const field_place at = place_of_field(db_.tables[static_cast<std::size_t>(t)], column);
            const auto rows = db_.rows(t);
            for (std::size_t row = 0; row < rows.size(); ++row) {
                const std::int64_t id = reference_id(at.part, cell_number(rows[row], at));
                if (!names_no_row(r, ids, id))
                    continue;
                add(missing_kind(r.target), t, static_cast<int>(row),
                    {id, rows[row].keys[0], column},
                    missing_reference_words(r, id, rows[row].keys[0]));
            }
        }
    }
    static kind missing_kind(int target) {
        switch (target) {
        case table_index::leagues:
            return kind::league_missing;
        case table_index::teams:
            return kind::team_missing;
        case table_index::players:
            return kind::player_missing;
        case table_index::stadiums:
            return kind::stadium_missing;
        default:
            return kind::row_missing;
        }
    }
    const ids_of_table& ids_of(int t) {
        auto at = ids_.find(t);
        if (at == ids_.end())
            at = ids_.emplace(t, ids_of_table(db_, t)).first;
        return at->second;
    }

    void team_links() {
        const int t = table_index::team_players;
        if (!has_keys(t, 2))
            return;
        missing_references(t);
        const auto rows = db_.rows(t);
        const bool numbered = db_.tables[static_cast<std::size_t>(t)].packed_count >= 1;
        // (team, player, row) and (team, number, row), to find repeats next to each other.
        std::vector<std::tuple<std::int32_t, std::int64_t, int>> by_player, by_number;
        by_player.reserve(rows.size());
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const auto& row = rows[r];
            const int at = static_cast<int>(r);
            by_player.emplace_back(row.keys[0], row.keys[1], at);
            if (numbered)
                by_number.emplace_back(row.keys[0], row.values[link_field::number], at);
        }
        std::sort(by_player.begin(), by_player.end());
        for (std::size_t i = 1; i < by_player.size(); ++i) {
            const auto& [team, player, row] = by_player[i];
            const auto& [team0, player0, row0] = by_player[i - 1];
            if (team == team0 && player == player0)
                add(kind::player_twice, t, row, {team, player, 0},
                    {QIRA_TR("qira::check", "player %1 is in team %2 twice (also %3)"),
                     {std::to_string(player), std::to_string(team), titles_.of(t, row0)}});
        }
        std::sort(by_number.begin(), by_number.end());
        for (std::size_t i = 1; i < by_number.size(); ++i) {
            const auto& [team, number, row] = by_number[i];
            const auto& [team0, number0, row0] = by_number[i - 1];
            const auto player = rows[static_cast<std::size_t>(row)].keys[1];
            const auto other = rows[static_cast<std::size_t>(row0)].keys[1];
            if (team == team0 && number == number0 && player != other)
                add(kind::number_twice, t, row, {team, number, 0},
                    {QIRA_TR("qira::check",
                             "players %1 and %2 of team %3 both wear number %4 (also %5)"),
                     {std::to_string(other), std::to_string(player), std::to_string(team),
                      std::to_string(number), titles_.of(t, row0)}});
        }
        team_links_ = std::move(by_player);
    }

    bool in_team(std::int32_t team, std::int64_t player) const {
        return std::binary_search(team_links_.begin(), team_links_.end(),
                                  std::tuple{team, player, -1}, [](const auto& a, const auto& b) {
                                      return std::tie(std::get<0>(a), std::get<1>(a)) <
                                             std::tie(std::get<0>(b), std::get<1>(b));
                                  });
    }

    void team_rows(const ids_of_table& settings) {
        const int t = table_index::teams;
        if (!has_keys(t, 1))
            return;
        missing_references(t);
        const auto rows = db_.rows(t);
        const bool has_settings = has_keys(table_index::team_settings, 1);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const auto& row = rows[r];
            const int at = static_cast<int>(r);
            if (has_settings && !settings.has(row.keys[0]))
                add(kind::settings_missing, t, at, {row.keys[0], 0, 0},
                    {QIRA_TR("qira::check", "team %1 has no row in table 9 (team settings)"),
                     {std::to_string(row.keys[0])}});
        }
        if (!has_settings || !has_keys(table_index::team_players, 2))
            return;
        // The team's row of table 9: the first with its id, as the team page's Apply finds it.
        const auto captain =
            db_.field_slot(table_index::team_settings, team_settings_field::captain);
        const auto taker =
            db_.field_slot(table_index::team_settings, team_settings_field::penalty_taker);
        const auto setting_rows = db_.rows(table_index::team_settings);
        std::int32_t last = 0;
        bool any = false;
        for (const auto& [team_key, row_at] : settings.sorted()) {
            if (any && team_key == last)
                continue; // a later row of the same team is not the team's
            any = true;
            last = team_key;
            // Copies the lambda below can capture (a structured binding cannot be captured
            // before C++20, and some compilers still refuse it).
            const auto team = team_key;
            const auto row = row_at;
            const auto& s = setting_rows[static_cast<std::size_t>(row)];
            // role: "<role> %1 of team %2 is not in the team"
            const auto check = [&](std::optional<int> slot, kind what, marked_text role) {
                if (!slot || static_cast<std::size_t>(*slot) >= s.values.size())
                    return;
                const std::uint32_t player = s.values[static_cast<std::size_t>(*slot)];
                if (player == 0 || in_team(team, player))
                    return; // 0: none chosen
                add(what, table_index::team_settings, row, {team, player, 0},
                    {role, {std::to_string(player), std::to_string(team)}});
            };
            check(captain, kind::captain_elsewhere,
                  QIRA_TR("qira::check", "captain %1 of team %2 is not in the team"));
            check(taker, kind::penalty_taker_elsewhere,
                  QIRA_TR("qira::check", "penalty taker %1 of team %2 is not in the team"));
        }
    }

    const open_game& game_;
    const database& db_;
    row_titles titles_;
    std::map<int, ids_of_table> ids_;
    std::vector<std::tuple<std::int32_t, std::int64_t, int>> team_links_;
    std::vector<game_problem> found_;
};

} // namespace

std::vector<game_problem> check_references(const open_game& game) {
    return checker(game).run();
}

std::vector<bool> which_are_new(const std::vector<game_problem>& before,
                                const std::vector<game_problem>& now) {
    const auto order = [](const game_problem& a, const game_problem& b) {
        return std::tie(a.what, a.table, a.ids) < std::tie(b.what, b.table, b.ids);
    };
    // Each problem of `before` accounts for one of `now` with the same kind and ids: a problem
    // found more often than on opening (a third row with one id) is new as often as it is more.
    std::vector<game_problem> known = before;
    std::sort(known.begin(), known.end(), order);
    std::vector<std::size_t> used(known.size(), 0); // per first of equal problems
    std::vector<bool> out(now.size(), true);
    for (std::size_t i = 0; i < now.size(); ++i) {
        const auto [first, last] = std::equal_range(known.begin(), known.end(), now[i], order);
        const auto known_times = static_cast<std::size_t>(last - first);
        if (known_times > 0 &&
            used[static_cast<std::size_t>(first - known.begin())]++ < known_times)
            out[i] = false;
    }
    return out;
}

std::vector<game_problem> new_problems(const std::vector<game_problem>& before,
                                       const std::vector<game_problem>& now) {
    const std::vector<bool> is_new = which_are_new(before, now);
    std::vector<game_problem> out;
    for (std::size_t i = 0; i < now.size(); ++i)
        if (is_new[i])
            out.push_back(now[i]);
    return out;
}

} // namespace qira
