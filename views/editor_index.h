#pragma once
// Where the views find rows again. A tree node carries only its label, and a node is resolved to
// the FIRST row whose label (or key) matches; these indexes give the same first-match answers as
// scanning the tables in row order, without the scans. Built once per opened database; the
// player labels follow every relabelling.

#include "dbfile/database.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qira {

// A player's label in the tree and the roster: first name, pseudonym and surname, always joined
// by two single spaces (an empty pseudonym leaves two spaces side by side).
std::string player_label(const db_overall_data& player);

class editor_index {
  public:
    void rebuild(const database& db);

    // First rows (-1 when none).
    int league_by_label(const std::string& label) const { return first(leagues_by_label_, label); }
    int team_by_label(const std::string& label) const { return first(teams_by_label_, label); }
    int team_by_key(std::int32_t id) const { return first(teams_by_key_, id); }
    int player_by_key(std::int32_t id) const { return first(players_by_key_, id); }
    int player_by_label(const std::string& label) const;
    int settings_by_key(std::int32_t id) const { return first(settings_by_key_, id); }
    // The stadium whose signed id equals an unsigned stored value (a negative id never does).
    int stadium_by_value(std::uint32_t value) const;

    // Link rows in row order: the teams of a league (table 2), the players of a team (table 11).
    const std::vector<int>& league_links(std::int32_t league_id) const;
    const std::vector<int>& team_links(std::int32_t team_id) const;

    // Player row `row` is now labelled `new_label` instead of `old_label`.
    void player_relabelled(int row, const std::string& old_label, const std::string& new_label);

  private:
    template <typename Map, typename Key> static int first(const Map& map, const Key& key) {
        const auto it = map.find(key);
        return it == map.end() ? -1 : it->second;
    }

    std::unordered_map<std::string, int> leagues_by_label_;
    std::unordered_map<std::string, int> teams_by_label_;
    std::unordered_map<std::int32_t, int> teams_by_key_;
    std::unordered_map<std::int32_t, int> players_by_key_;
    std::unordered_map<std::int32_t, int> settings_by_key_;
    std::unordered_map<std::int32_t, int> stadiums_by_key_;
    std::unordered_map<std::string, std::vector<int>> players_by_label_; // rows, ascending
    std::unordered_map<std::int32_t, std::vector<int>> league_links_;
    std::unordered_map<std::int32_t, std::vector<int>> team_links_;
};

} // namespace qira
