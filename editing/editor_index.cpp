#include "editor_index.h"

#include <algorithm>
#include <numeric>

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

// FNV-1a over the bytes, fed piece by piece so that a player's label need not be put together.
struct label_hash {
    std::uint64_t h = 0xcbf29ce484222325ull;
    void add(std::string_view s) {
        for (unsigned char c : s)
            h = (h ^ c) * 0x100000001b3ull;
    }
};

std::uint64_t hash_of(std::string_view label) {
    label_hash h;
    h.add(label);
    return h.h;
}

std::uint64_t hash_of(const db_overall_data& player) {
    label_hash h;
    h.add(player.strings[0]);
    h.add(" ");
    h.add(player.strings[1]);
    h.add(" ");
    h.add(player.strings[2]);
    return h.h;
}

bool has_label(const db_overall_data& player, std::string_view label) {
    const std::string_view a = player.strings[0], b = player.strings[1], c = player.strings[2];
    return label.size() == a.size() + b.size() + c.size() + 2 && label.substr(0, a.size()) == a &&
           label[a.size()] == ' ' && label.substr(a.size() + 1, b.size()) == b &&
           label[a.size() + 1 + b.size()] == ' ' && label.substr(a.size() + b.size() + 2) == c;
}

std::span<const db_overall_data> rows_or_none(const database& db, int t) {
    return db.has_table(t) ? db.rows(t) : std::span<const db_overall_data>{};
}

} // namespace

void editor_index::label_groups::build(std::span<const db_overall_data> rows, std::size_t part) {
    rows_ = rows;
    part_ = part;
    by_hash_.resize(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r)
        by_hash_[r] = {hash_of(rows[r].strings[part]), static_cast<int>(r)};
    std::sort(by_hash_.begin(), by_hash_.end());
}

int editor_index::label_groups::first(std::string_view label) const {
    const std::uint64_t h = hash_of(label);
    auto it = std::lower_bound(by_hash_.begin(), by_hash_.end(), hashed_row{h, -1});
    for (; it != by_hash_.end() && it->hash == h; ++it)
        if (rows_[static_cast<std::size_t>(it->row)].strings[part_] == label)
            return it->row;
    return -1;
}

void editor_index::key_groups::build(std::span<const db_overall_data> rows, int key_part) {
    rows_.resize(rows.size());
    std::iota(rows_.begin(), rows_.end(), 0);
    // Stable: rows of one key stay in row order.
    std::stable_sort(rows_.begin(), rows_.end(),
                     [&](int a, int b) { return rows[a].keys[key_part] < rows[b].keys[key_part]; });
    keys_.resize(rows.size());
    for (std::size_t i = 0; i < rows_.size(); ++i)
        keys_[i] = rows[rows_[i]].keys[key_part];
}

std::span<const int> editor_index::key_groups::rows_of(std::int32_t key) const {
    const auto [lo, hi] = std::equal_range(keys_.begin(), keys_.end(), key);
    return {rows_.data() + (lo - keys_.begin()), static_cast<std::size_t>(hi - lo)};
}

void editor_index::rebuild(const database& db) {
    using namespace table_index;
    players_ = rows_or_none(db, players);
    const auto team_rows = rows_or_none(db, teams);
    leagues_by_label_.build(rows_or_none(db, leagues), 1);
    teams_by_label_.build(team_rows, 1);

    teams_by_key_.build(team_rows, 0);
    players_by_key_.build(players_, 0);
    settings_by_key_.build(rows_or_none(db, team_settings), 0);
    stadiums_by_key_.build(rows_or_none(db, stadiums), 0);
    league_links_.build(rows_or_none(db, league_teams), 0);
    team_links_.build(rows_or_none(db, team_players), 0);

    players_by_label_.resize(players_.size());
    for (std::size_t r = 0; r < players_.size(); ++r)
        players_by_label_[r] = {hash_of(players_[r]), static_cast<int>(r)};
    std::sort(players_by_label_.begin(), players_by_label_.end());
}

int editor_index::player_by_label(const std::string& label) const {
    const std::uint64_t h = hash_of(label);
    auto it =
        std::lower_bound(players_by_label_.begin(), players_by_label_.end(), hashed_row{h, -1});
    for (; it != players_by_label_.end() && it->hash == h; ++it)
        if (has_label(players_[static_cast<std::size_t>(it->row)], label))
            return it->row;
    return -1;
}

int editor_index::stadium_by_value(std::uint32_t value) const {
    if (value > 0x7FFFFFFFu)
        return -1;
    return stadiums_by_key_.first(static_cast<std::int32_t>(value));
}

void editor_index::player_relabelled(int row, const std::string& old_label,
                                     const std::string& new_label) {
    const hashed_row old_entry{hash_of(old_label), row};
    const auto at = std::lower_bound(players_by_label_.begin(), players_by_label_.end(), old_entry);
    if (at != players_by_label_.end() && at->hash == old_entry.hash && at->row == row)
        players_by_label_.erase(at);
    const hashed_row new_entry{hash_of(new_label), row};
    players_by_label_.insert(
        std::lower_bound(players_by_label_.begin(), players_by_label_.end(), new_entry), new_entry);
}

} // namespace qira
