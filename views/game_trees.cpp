// The navigation tree: leagues, their teams and the teams' players.
//
// A node carries its label and the row it was made from; selecting it finds the FIRST row of its
// table whose label is the node's text: leagues and teams by their internal name (strings[1]),
// players by player_label. The lookups of the open game answer exactly as scans in row order
// would.

#include "views/game_trees.h"

#include "views/page_values.h"

#include <QSignalBlocker>

#include <algorithm>

namespace qira {

namespace {

std::span<const db_overall_data> table_rows(const database& db, int t) {
    if (!db.has_table(t))
        return {};
    return db.rows(t);
}

std::string bytes_of(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

template <typename ByBytes, typename LabelOf>
int resolve(const QString& text, std::span<const db_overall_data> rows, ByBytes&& by_bytes,
            LabelOf&& label_of) {
    if (!text.contains(QChar::ReplacementCharacter))
        return by_bytes(bytes_of(text));
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (text_of(label_of(rows[r])) == text)
            return static_cast<int>(r);
    return -1;
}

// The description of a node and its children in depth-first order, as node_tree::fill takes it.
void describe(const QTreeWidgetItem& node, std::vector<QString>& labels,
              std::vector<int>& child_counts) {
    labels.push_back(node.text(0));
    child_counts.push_back(node.childCount());
    for (int i = 0; i < node.childCount(); ++i)
        describe(*node.child(i), labels, child_counts);
}

} // namespace

int resolve_league(const open_game& game, const QString& text) {
    return resolve(
        text, table_rows(game.db, table_index::leagues),
        [&](const std::string& s) { return game.lookups.league_by_label(s); },
        [](const db_overall_data& row) -> const std::string& { return row.strings[1]; });
}

int resolve_team(const open_game& game, const QString& text) {
    return resolve(
        text, table_rows(game.db, table_index::teams),
        [&](const std::string& s) { return game.lookups.team_by_label(s); },
        [](const db_overall_data& row) -> const std::string& { return row.strings[1]; });
}

int resolve_player(const open_game& game, const QString& text) {
    return resolve(
        text, table_rows(game.db, table_index::players),
        [&](const std::string& s) { return game.lookups.player_by_label(s); },
        [](const db_overall_data& row) { return player_label(row); });
}

void game_trees::build(const open_game& game) {
    // No selection change may reach the pages while the tree is rebuilt, and the view draws once,
    // at the end.
    const QSignalBlocker quiet(navigation);
    navigation->setUpdatesEnabled(false);
    tree_nodes.clear();
    // The exchange tree's nodes stand for the old tree until it receives the new one's copy;
    // until then relabelling reaches only this tree.
    xchange_nodes.clear();
    // The tree is described first, node by node in depth-first order: its labels and the number
    // of children of each; the tree then receives it in one fill.
    const std::vector<int> child_counts = describe_nodes(game);
    tree_nodes = navigation->fill(node_labels, child_counts, node_tree::plain_flags());
    // Find searches the labels as the tree shows them (a text that is not UTF-8 with its
    // replacement characters).
    std::vector<std::string> find_labels;
    find_labels.reserve(node_labels.size());
    for (const QString& label : node_labels)
        find_labels.push_back(bytes_of(label));
    find_index.assign(std::move(find_labels), {});
    refresh_find_ids(game);
    navigation->setCurrentItem(nullptr);
    navigation->clearSelection();
    navigation->setUpdatesEnabled(true);
}

namespace {

// The nodes of the tree: each league, each team it lists and each player of the team.
std::size_t count_nodes(const database& db, const editor_index& lookups) {
    const auto league_rows = table_rows(db, table_index::leagues);
    const auto league_team_rows = table_rows(db, table_index::league_teams);
    std::size_t count = league_rows.size();
    for (const db_overall_data& league : league_rows)
        for (const int link : lookups.league_links(league.keys[0]))
            count +=
                1 +
                lookups.team_links(league_team_rows[static_cast<std::size_t>(link)].keys[1]).size();
    return count;
}

} // namespace

std::vector<int> game_trees::describe_nodes(const open_game& game) {
    using namespace table_index;
    const database& db = game.db;
    const editor_index& lookups = game.lookups;
    const auto league_rows = table_rows(db, leagues);
    const auto league_team_rows = table_rows(db, league_teams);
    const auto team_rows = table_rows(db, teams);
    const auto team_player_rows = table_rows(db, team_players);
    const auto player_rows = table_rows(db, players);

    const std::size_t node_count = count_nodes(db, lookups);
    node_labels.clear();
    node_rows.clear();
    node_levels.clear();
    node_labels.reserve(node_count);
    node_rows.reserve(node_count);
    node_levels.reserve(node_count);
    std::vector<int> child_counts;
    child_counts.reserve(node_count);
    const auto add_node = [&](const QString& label, std::size_t children, int row, int level) {
        node_labels.push_back(label);
        child_counts.push_back(static_cast<int>(children));
        node_rows.push_back(row);
        node_levels.push_back(static_cast<std::uint8_t>(level));
    };

    // A player's label is made once, however many nodes carry it.
    std::vector<QString> player_labels(player_rows.size());
    std::vector<bool> labelled(player_rows.size(), false);
    const auto label_of_player = [&](int row) {
        if (row < 0)
            return QStringLiteral("  "); // a link to a player that has no row
        const auto r = static_cast<std::size_t>(row);
        if (!labelled[r]) {
            player_labels[r] = text_of(player_label(player_rows[r]));
            labelled[r] = true;
        }
        return player_labels[r];
    };

    for (std::size_t l = 0; l < league_rows.size(); ++l) {
        const auto links = lookups.league_links(league_rows[l].keys[0]);
        add_node(text_of(league_rows[l].strings[1]), links.size(), static_cast<int>(l), 0);
        for (const int link : links) {
            // The team's id as the link names it; a team without a row is labelled with the
            // empty text and still lists the links of that id.
            const std::int32_t team_id = league_team_rows[static_cast<std::size_t>(link)].keys[1];
            const int team = lookups.team_by_key(team_id);
            const auto members = lookups.team_links(team_id);
            add_node(team < 0 ? QString()
                              : text_of(team_rows[static_cast<std::size_t>(team)].strings[1]),
                     members.size(), link, 1);
            for (const int member : members) {
                const std::int32_t player_id =
                    team_player_rows[static_cast<std::size_t>(member)].keys[1];
                add_node(label_of_player(lookups.player_by_key(player_id)), 0, member, 2);
            }
        }
    }
    return child_counts;
}

std::vector<QTreeWidgetItem*> game_trees::copy_tree_nodes(const QTreeWidget& from, node_tree& to) {
    std::vector<QString> labels;
    std::vector<int> child_counts;
    for (int i = 0; i < from.topLevelItemCount(); ++i)
        describe(*from.topLevelItem(i), labels, child_counts);
    const QSignalBlocker quiet(&to);
    return to.fill(labels, child_counts, node_tree::plain_flags() | Qt::ItemIsEditable);
}

void game_trees::refresh_find_ids(const open_game& game) {
    std::vector<std::optional<std::int32_t>> ids(node_rows.size());
    if (game.db.has_table(table_index::team_players)) {
        const auto links = game.db.rows(table_index::team_players);
        for (std::size_t n = 0; n < node_rows.size(); ++n)
            if (node_levels[n] == 2 && node_rows[n] >= 0 &&
                static_cast<std::size_t>(node_rows[n]) < links.size())
                ids[n] = links[static_cast<std::size_t>(node_rows[n])].keys[1];
    }
    find_index.set_ids(std::move(ids));
}

void game_trees::relabel_node(std::size_t n, const QString& label) {
    if (n < tree_nodes.size()) {
        tree_nodes[n]->setText(0, label);
        if (n < node_labels.size())
            node_labels[n] = label;
        find_index.relabel(n, bytes_of(label));
    }
    if (n < xchange_nodes.size())
        xchange_nodes[n]->setText(0, label);
}

int game_trees::index_of(const QTreeWidgetItem* node) const {
    for (const auto* nodes : {&tree_nodes, &xchange_nodes}) {
        const auto at = std::find(nodes->begin(), nodes->end(), node);
        if (at != nodes->end())
            return static_cast<int>(at - nodes->begin());
    }
    return -1;
}

int game_trees::first_node_of_link(int link) const {
    for (std::size_t n = 0; n < node_rows.size() && n < tree_nodes.size(); ++n)
        if (node_rows[n] == link && node_levels[n] == 2)
            return static_cast<int>(n);
    return -1;
}

int game_trees::level_of(const QTreeWidgetItem* node) {
    int level = 0;
    for (const QTreeWidgetItem* p = node->parent(); p; p = p->parent())
        ++level;
    return level;
}

} // namespace qira
