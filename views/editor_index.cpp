#include "editor_index.h"

#include <algorithm>

namespace qira {

std::string player_label(const db_overall_data& player) {
    std::string label;
    label.reserve(player.strings[0].size() + player.strings[1].size() + player.strings[2].size() +
                  2);
    label += player.strings[0];
    label += ' ';
    label += player.strings[1];
    label += ' ';
    label += player.strings[2];
    return label;
}

namespace {

template <typename Map, typename Key> void keep_first(Map& map, const Key& key, int row) {
    map.try_emplace(key, row);
}

const std::vector<int> no_rows;

} // namespace

void editor_index::rebuild(const database& db) {
    *this = editor_index();
    const auto each = [&](int t, auto&& f) {
        if (!db.has_table(t))
            return;
        const auto rows = db.rows(t);
        for (std::size_t r = 0; r < rows.size(); ++r)
            f(rows[r], static_cast<int>(r));
    };
    const auto count = [&](int t) { return db.has_table(t) ? db.rows(t).size() : 0; };
    leagues_by_label_.reserve(count(table_index::leagues));
    teams_by_label_.reserve(count(table_index::teams));
    teams_by_key_.reserve(count(table_index::teams));
    players_by_key_.reserve(count(table_index::players));
    players_by_label_.reserve(count(table_index::players));

    each(table_index::leagues, [&](const db_overall_data& row, int r) {
        keep_first(leagues_by_label_, row.strings[1], r);
    });
    each(table_index::teams, [&](const db_overall_data& row, int r) {
        keep_first(teams_by_label_, row.strings[1], r);
        keep_first(teams_by_key_, row.keys[0], r);
    });
    each(table_index::players, [&](const db_overall_data& row, int r) {
        keep_first(players_by_key_, row.keys[0], r);
        players_by_label_[player_label(row)].push_back(r);
    });
    each(table_index::team_settings,
         [&](const db_overall_data& row, int r) { keep_first(settings_by_key_, row.keys[0], r); });
    each(table_index::stadiums,
         [&](const db_overall_data& row, int r) { keep_first(stadiums_by_key_, row.keys[0], r); });
    each(table_index::league_teams,
         [&](const db_overall_data& row, int r) { league_links_[row.keys[0]].push_back(r); });
    each(table_index::team_players,
         [&](const db_overall_data& row, int r) { team_links_[row.keys[0]].push_back(r); });
}

int editor_index::player_by_label(const std::string& label) const {
    const auto it = players_by_label_.find(label);
    return it == players_by_label_.end() || it->second.empty() ? -1 : it->second.front();
}

int editor_index::stadium_by_value(std::uint32_t value) const {
    if (value > 0x7FFFFFFFu)
        return -1;
    return first(stadiums_by_key_, static_cast<std::int32_t>(value));
}

const std::vector<int>& editor_index::league_links(std::int32_t league_id) const {
    const auto it = league_links_.find(league_id);
    return it == league_links_.end() ? no_rows : it->second;
}

const std::vector<int>& editor_index::team_links(std::int32_t team_id) const {
    const auto it = team_links_.find(team_id);
    return it == team_links_.end() ? no_rows : it->second;
}

void editor_index::player_relabelled(int row, const std::string& old_label,
                                     const std::string& new_label) {
    if (old_label == new_label)
        return;
    if (auto it = players_by_label_.find(old_label); it != players_by_label_.end()) {
        auto& rows = it->second;
        rows.erase(std::remove(rows.begin(), rows.end(), row), rows.end());
        if (rows.empty())
            players_by_label_.erase(it);
    }
    auto& rows = players_by_label_[new_label];
    rows.insert(std::lower_bound(rows.begin(), rows.end(), row), row);
}

} // namespace qira
