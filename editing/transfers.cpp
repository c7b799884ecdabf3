#include "editing/transfers.h"

#include "dbfile/game_fields.h"
#include "editing/editor_index.h"

#include <algorithm>
#include <limits>
#include <unordered_set>

namespace qira {

namespace {

constexpr int links = table_index::team_players;
constexpr std::size_t number_slot = link_field::number;

std::vector<std::uint32_t> stored_words(const database& db, int t, int row) {
    const auto w = static_cast<std::size_t>(
        std::max(db.overall[static_cast<std::size_t>(t)].words_per_row, 0));
    const auto& words = db.blocks[static_cast<std::size_t>(t)].words;
    const auto r = static_cast<std::size_t>(row);
    if ((r + 1) * w > words.size())
        return {};
    return {words.begin() + static_cast<std::ptrdiff_t>(r * w),
            words.begin() + static_cast<std::ptrdiff_t>((r + 1) * w)};
}

bool has_links_table(const database& db) {
    return db.has_table(links) && db.tables[links].key_count >= 2 &&
           db.tables[links].packed_count >= 1;
}

result refuse(int table, wording why) {
    return result::failure(result::code::refused, {.table = table}, std::move(why));
}

edit_outcome refused(result why) {
    edit_outcome out;
    static_cast<result&>(out) = std::move(why);
    return out;
}

bool team_exists(const open_game& game, std::int32_t team) {
    return game.db.find_row(table_index::teams, team) >= 0;
}

// Whether membership row `except` (of player `player`) can join `team`.
result check_join(const open_game& game, std::int32_t player, std::int32_t team, int except) {
    if (!team_exists(game, team))
        return refuse(table_index::teams,
                      {QIRA_TR("qira::edit", "team %1 does not exist"), {std::to_string(team)}});
    for (int r : membership_rows(game.db, team))
        if (game.db.rows(links)[static_cast<std::size_t>(r)].keys[1] == player)
            return refuse(links,
                          {QIRA_TR("qira::edit",
                                   "player %1 is already in team %2; a team holds a player once"),
                           {std::to_string(player), std::to_string(team)}});
    if (!lowest_free_number(game.db, team, except))
        return refuse(links, {QIRA_TR("qira::edit", "team %1 has no free jersey number"),
                              {std::to_string(team)}});
    return result::success();
}

// Inserts `data` (with `words`) as a membership row of `team` after its last one (or at the end
// of the table), numbered with the lowest free number.
void insert_member(open_game& game, change& into, db_overall_data data,
                   std::vector<std::uint32_t> words, std::int32_t team) {
    data.keys[0] = team;
    data.values[number_slot] = *lowest_free_number(game.db, team);
    const auto members = membership_rows(game.db, team);
    const int at =
        members.empty() ? static_cast<int>(game.db.rows(links).size()) : members.back() + 1;
    insert_row(game, into, links, at, std::move(data), std::move(words));
}

edit_outcome move_member(open_game& game, int link, std::int32_t team) {
    const db_overall_data row = game.db.rows(links)[static_cast<std::size_t>(link)];
    if (auto joins = check_join(game, row.keys[1], team, link); !joins)
        return refused(std::move(joins));
    edit_outcome out;
    auto words = stored_words(game.db, links, link);
    remove_row(game, out.made, links, link);
    insert_member(game, out.made, row, std::move(words), team);
    return out;
}

result check_link(const database& db, int link) {
    if (!has_links_table(db))
        return refuse(
            links, QIRA_TR("qira::edit", "table 11 (team players) is missing or lacks its fields"));
    if (link < 0 || static_cast<std::size_t>(link) >= db.rows(links).size())
        return refuse(links,
                      {QIRA_TR("qira::edit", "no membership row %1"), {std::to_string(link)}});
    return result::success();
}

} // namespace

std::vector<int> membership_rows(const database& db, std::int32_t team) {
    std::vector<int> out;
    if (!has_links_table(db))
        return out;
    const auto rows = db.rows(links);
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (rows[r].keys[0] == team)
            out.push_back(static_cast<int>(r));
    return out;
}

std::optional<std::uint32_t> lowest_free_number(const database& db, std::int32_t team, int except) {
    if (!has_links_table(db))
        return std::nullopt;
    const int width = value_width(db, links, static_cast<int>(number_slot));
    const std::uint64_t highest = width >= 32 ? 0xFFFFFFFFu : (std::uint64_t{1} << width) - 1;
    std::vector<std::uint32_t> taken;
    for (int r : membership_rows(db, team))
        if (r != except)
            taken.push_back(db.rows(links)[static_cast<std::size_t>(r)].values[number_slot]);
    std::sort(taken.begin(), taken.end());
    std::uint64_t n = 1;
    for (std::uint32_t t : taken)
        if (t == n)
            ++n;
    if (n > highest)
        return std::nullopt;
    return static_cast<std::uint32_t>(n);
}

edit_outcome sign_player(open_game& game, int link, std::int32_t team) {
    if (auto found = check_link(game.db, link); !found)
        return refused(std::move(found));
    return move_member(game, link, team);
}

edit_outcome release_player(open_game& game, int link, std::optional<std::int32_t> to_team) {
    if (auto found = check_link(game.db, link); !found)
        return refused(std::move(found));
    if (to_team)
        return move_member(game, link, *to_team);
    edit_outcome out;
    remove_row(game, out.made, links, link);
    return out;
}

namespace {

// The next free player id (one more than the largest), or nothing when none is left.
std::optional<std::int32_t> next_player_id(const database& db) {
    std::int64_t largest = std::numeric_limits<std::int32_t>::min();
    for (const auto& row : db.rows(table_index::players))
        largest = std::max<std::int64_t>(largest, row.keys[0]);
    if (largest >= std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(std::max<std::int64_t>(largest + 1, 1));
}

} // namespace

result check_new_player(const open_game& game, int model, std::optional<std::int32_t> team) {
    const int players = table_index::players;
    const database& db = game.db;
    if (!db.has_table(players) || model < 0 ||
        static_cast<std::size_t>(model) >= db.rows(players).size())
        return refuse(players,
                      {QIRA_TR("qira::edit", "no player row %1"), {std::to_string(model)}});
    if (auto room = check_capacity(db, players, db.rows(players).size() + 1); !room)
        return room;
    if (team) {
        if (!has_links_table(db))
            return refuse(links, QIRA_TR("qira::edit",
                                         "table 11 (team players) is missing or lacks its fields"));
        if (auto room = check_capacity(db, links, db.rows(links).size() + 1); !room)
            return room;
        if (!team_exists(game, *team))
            return refuse(table_index::teams, {QIRA_TR("qira::edit", "team %1 does not exist"),
                                               {std::to_string(*team)}});
        if (!lowest_free_number(db, *team))
            return refuse(links, {QIRA_TR("qira::edit", "team %1 has no free jersey number"),
                                  {std::to_string(*team)}});
    }
    if (!next_player_id(db))
        return refuse(players, QIRA_TR("qira::edit", "no player id is left"));
    return result::success();
}

edit_outcome new_player(open_game& game, int model, const player_names& names,
                        std::optional<std::int32_t> team) {
    if (auto can = check_new_player(game, model, team); !can)
        return refused(std::move(can));
    const int players = table_index::players;
    database& db = game.db;
    const std::int32_t id = *next_player_id(db);
    edit_outcome out;

    db_overall_data player = db.rows(players)[static_cast<std::size_t>(model)];
    const std::int32_t model_id = player.keys[0];
    player.keys[0] = id;
    const int texts = std::min(db.tables[players].string_ref_count, 3);
    for (int k = 0; k < texts; ++k)
        player.strings[static_cast<std::size_t>(k)] = names[static_cast<std::size_t>(k)];
    insert_row(game, out.made, players, static_cast<int>(db.rows(players).size()),
               std::move(player), stored_words(db, players, model));
    if (!team)
        return out;

    // The membership row: a copy of the model's in the team, else of his first, else a new one.
    int like = -1;
    const auto rows = db.rows(links);
    for (std::size_t r = 0; r < rows.size() && like < 0; ++r)
        if (rows[r].keys[1] == model_id && rows[r].keys[0] == *team)
            like = static_cast<int>(r);
    for (std::size_t r = 0; r < rows.size() && like < 0; ++r)
        if (rows[r].keys[1] == model_id)
            like = static_cast<int>(r);
    db_overall_data member;
    std::vector<std::uint32_t> words;
    if (like >= 0) {
        member = rows[static_cast<std::size_t>(like)];
        words = stored_words(db, links, like);
    } else {
        member.values =
            std::vector<std::uint32_t>(static_cast<std::size_t>(db.tables[links].packed_count), 0);
    }
    member.keys[1] = id;
    insert_member(game, out.made, std::move(member), std::move(words), *team);
    return out;
}

edit_outcome delete_player(open_game& game, int row, std::size_t* count) {
    const int players = table_index::players;
    database& db = game.db;
    if (!db.has_table(players) || row < 0 ||
        static_cast<std::size_t>(row) >= db.rows(players).size())
        return refused(
            refuse(players, {QIRA_TR("qira::edit", "no player row %1"), {std::to_string(row)}}));
    const std::int32_t id = db.rows(players)[static_cast<std::size_t>(row)].keys[0];
    std::vector<int> memberships;
    if (has_links_table(db)) {
        const auto rows = db.rows(links);
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (rows[r].keys[1] == id)
                memberships.push_back(static_cast<int>(r));
    }
    edit_outcome out;
    if (count)
        *count = memberships.size();
    if (!memberships.empty())
        remove_rows(game, out.made, links, std::move(memberships));
    remove_row(game, out.made, players, row);
    return out;
}

edit_outcome sign_free_player(open_game& game, int player, std::int32_t team) {
    database& db = game.db;
    const int players = table_index::players;
    if (!db.has_table(players) || player < 0 ||
        static_cast<std::size_t>(player) >= db.rows(players).size())
        return refused(
            refuse(players, {QIRA_TR("qira::edit", "no player row %1"), {std::to_string(player)}}));
    if (!has_links_table(db))
        return refused(
            refuse(links, QIRA_TR("qira::edit",
                                  "table 11 (team players) is missing or lacks its fields")));
    if (auto room = check_capacity(db, links, db.rows(links).size() + 1); !room)
        return refused(std::move(room));
    const db_overall_data& p = db.rows(players)[static_cast<std::size_t>(player)];
    if (auto joins = check_join(game, p.keys[0], team, -1); !joins)
        return refused(std::move(joins));
    db_overall_data member;
    member.keys[1] = p.keys[0];
    member.values =
        std::vector<std::uint32_t>(static_cast<std::size_t>(db.tables[links].packed_count), 0);
    if (const auto slot = db.field_slot(players, player_field::position);
        slot && static_cast<std::size_t>(*slot) < p.values.size() &&
        member.values.size() > static_cast<std::size_t>(link_field::position))
        member.values[link_field::position] = p.values[static_cast<std::size_t>(*slot)];
    edit_outcome out;
    insert_member(game, out.made, std::move(member), {}, team);
    return out;
}

std::vector<int> players_without_team(const database& db) {
    std::vector<int> out;
    if (!db.has_table(table_index::players))
        return out;
    std::unordered_set<std::int32_t> members;
    if (has_links_table(db))
        for (const auto& r : db.rows(links))
            members.insert(r.keys[1]);
    const auto rows = db.rows(table_index::players);
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (!members.contains(rows[r].keys[0]))
            out.push_back(static_cast<int>(r));
    return out;
}

std::vector<player_choice> player_choices(const database& db, const std::vector<int>& rows) {
    std::vector<player_choice> out;
    if (!db.has_table(table_index::players))
        return out;
    const auto players = db.rows(table_index::players);
    out.reserve(rows.size());
    for (int r : rows) {
        if (r < 0 || static_cast<std::size_t>(r) >= players.size())
            continue;
        const db_overall_data& p = players[static_cast<std::size_t>(r)];
        out.push_back({r, player_label(p) + " (" + std::to_string(p.keys[0]) + ")", p.keys[0]});
    }
    return out;
}

} // namespace qira
