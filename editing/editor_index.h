#pragma once
// Where the views find rows again. A tree node carries only its label, and a node is resolved to
// the FIRST row whose label (or key) matches; these indexes give the same first-match answers as
// scanning the tables in row order, without the scans. Built once per opened database, in a few
// flat arrays (no allocation per row); the player labels follow every relabelling.

#include "dbfile/database.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qira {

// A player's label in the tree and the roster: first name, pseudonym and surname, always joined
// by two single spaces (an empty pseudonym leaves two spaces side by side).
std::string player_label(const db_overall_data& player);

class editor_index {
  public:
    // The index keeps a view of the database's rows: rebuild it whenever the rows are replaced.
    void rebuild(const database& db);

    // First rows (-1 when none).
    int league_by_label(const std::string& label) const { return leagues_by_label_.first(label); }
    int team_by_label(const std::string& label) const { return teams_by_label_.first(label); }
    int team_by_key(std::int32_t id) const { return teams_by_key_.first(id); }
    int player_by_key(std::int32_t id) const { return players_by_key_.first(id); }
    int player_by_label(const std::string& label) const;
    int settings_by_key(std::int32_t id) const { return settings_by_key_.first(id); }
    // The stadium whose signed id equals an unsigned stored value (a negative id never does).
    int stadium_by_value(std::uint32_t value) const;

    // Link rows in row order: the teams of a league (table 2), the players of a team (table 11).
    std::span<const int> league_links(std::int32_t league_id) const {
        return league_links_.rows_of(league_id);
    }
    std::span<const int> team_links(std::int32_t team_id) const {
        return team_links_.rows_of(team_id);
    }

    // Player row `row` is now labelled `new_label` instead of `old_label`.
    void player_relabelled(int row, const std::string& old_label, const std::string& new_label);

  private:
    // Rows grouped by a key, each group in row order: keys ascending, with the rows beside them.
    class key_groups {
      public:
        void build(std::span<const db_overall_data> rows, int key_part);
        // The rows whose key is `key`, in row order.
        std::span<const int> rows_of(std::int32_t key) const;
        // The first of them, or -1.
        int first(std::int32_t key) const {
            const auto r = rows_of(key);
            return r.empty() ? -1 : r.front();
        }

      private:
        std::vector<std::int32_t> keys_;
        std::vector<int> rows_;
    };

    // Rows by the hash of their label, ascending by hash and then by row; a hash names the
    // rows whose labels may match, and the label itself decides.
    struct hashed_row {
        std::uint64_t hash;
        int row;
        friend bool operator<(const hashed_row& a, const hashed_row& b) {
            return a.hash != b.hash ? a.hash < b.hash : a.row < b.row;
        }
    };

    // Rows by their text `strings[part]` (league and team labels, which no edit changes).
    class label_groups {
      public:
        void build(std::span<const db_overall_data> rows, std::size_t part);
        int first(std::string_view label) const;

      private:
        std::span<const db_overall_data> rows_;
        std::size_t part_ = 0;
        std::vector<hashed_row> by_hash_;
    };

    std::span<const db_overall_data> players_;
    label_groups leagues_by_label_;
    label_groups teams_by_label_;
    key_groups teams_by_key_;
    key_groups players_by_key_;
    key_groups settings_by_key_;
    key_groups stadiums_by_key_;
    key_groups league_links_;
    key_groups team_links_;
    // Players by the hash of their label, which follows every relabelling.
    std::vector<hashed_row> players_by_label_;
};

} // namespace qira
