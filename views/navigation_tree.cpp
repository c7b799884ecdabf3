// The navigation tree: leagues, their teams and the teams' players.
//
// A node carries nothing but its label, and selecting it finds the FIRST row of its table whose
// label is the node's text: leagues and teams by their internal name (strings[1]), players by
// player_label. The per-open indexes in `lookups` answer exactly as scans in row order would.

#include "app/main_window.h"
#include "views/page_values.h"

#include <QSignalBlocker>
#include <QTreeWidget>

#include <span>
#include <string>

namespace {

using qira::db_overall_data;

std::span<const db_overall_data> table_rows(const qira::database& db, int t) {
    if (!db.has_table(t))
        return {};
    return db.rows(t);
}

std::string bytes_of(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

// The first row whose label, as the tree shows it, is `text`; -1 when none. A text of valid
// UTF-8 is found by its bytes. A label whose stored bytes are not UTF-8 shows with replacement
// characters, and its bytes cannot be had back from the node: such a text is compared as shown,
// row by row.
template <typename ByBytes, typename LabelOf>
int resolve(const QString& text, std::span<const db_overall_data> rows, ByBytes&& by_bytes,
            LabelOf&& label_of) {
    if (!text.contains(QChar::ReplacementCharacter))
        return by_bytes(bytes_of(text));
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (qira::text_of(label_of(rows[r])) == text)
            return static_cast<int>(r);
    return -1;
}

// The node that is current and selected; a node that is only current (the keyboard focus
// resting on it, or a mouse button still down on it) is not selected yet.
QTreeWidgetItem* selected_node(const QTreeWidget& tree) {
    QTreeWidgetItem* node = tree.currentItem();
    return node && node->isSelected() ? node : nullptr;
}

int level_of(const QTreeWidgetItem* node) {
    int level = 0;
    for (const QTreeWidgetItem* p = node->parent(); p; p = p->parent())
        ++level;
    return level;
}

} // namespace

void TForm1::build_navigation_tree() {
    using namespace qira::table_index;
    // No selection change may reach show_selected_node while the tree is rebuilt, and the view
    // draws once, at the end.
    const QSignalBlocker quiet(TreeView1);
    TreeView1->setUpdatesEnabled(false);
    tree_nodes.clear();
    node_labels.clear();
    // The exchange tree's nodes stand for the old tree until the open command copies the new
    // one and lists its nodes again; until then relabelling reaches only this tree.
    xchange_nodes.clear();
    lookups.rebuild(game.db);

    const qira::database& db = game.db;
    const auto league_rows = table_rows(db, leagues);
    const auto league_team_rows = table_rows(db, league_teams);
    const auto team_rows = table_rows(db, teams);
    const auto team_player_rows = table_rows(db, team_players);
    const auto player_rows = table_rows(db, players);

    std::size_t node_count = league_rows.size();
    for (const db_overall_data& league : league_rows)
        for (const int link : lookups.league_links(league.keys[0]))
            node_count +=
                1 +
                lookups.team_links(league_team_rows[static_cast<std::size_t>(link)].keys[1]).size();
    // The tree is described first, node by node in depth-first order: its labels and the
    // number of children of each; the tree then receives it in one fill.
    node_labels.reserve(node_count);
    std::vector<int> child_counts;
    child_counts.reserve(node_count);
    const auto add_node = [&](const QString& label, std::size_t children) {
        node_labels.push_back(label);
        child_counts.push_back(static_cast<int>(children));
    };

    // A player's label is made once, however many nodes carry it.
    std::vector<QString> player_labels(player_rows.size());
    std::vector<bool> labelled(player_rows.size(), false);
    const auto label_of_player = [&](int row) {
        if (row < 0)
            return QStringLiteral("  "); // a link to a player that has no row
        const auto r = static_cast<std::size_t>(row);
        if (!labelled[r]) {
            player_labels[r] = qira::text_of(qira::player_label(player_rows[r]));
            labelled[r] = true;
        }
        return player_labels[r];
    };

    for (const db_overall_data& league : league_rows) {
        const auto links = lookups.league_links(league.keys[0]);
        add_node(qira::text_of(league.strings[1]), links.size());
        for (const int link : links) {
            // The team's id as the link names it; a team without a row is labelled with the
            // empty text and still lists the links of that id.
            const std::int32_t team_id = league_team_rows[static_cast<std::size_t>(link)].keys[1];
            const int team = lookups.team_by_key(team_id);
            const auto members = lookups.team_links(team_id);
            add_node(team < 0 ? QString()
                              : qira::text_of(team_rows[static_cast<std::size_t>(team)].strings[1]),
                     members.size());
            for (const int member : members) {
                const std::int32_t player_id =
                    team_player_rows[static_cast<std::size_t>(member)].keys[1];
                add_node(label_of_player(lookups.player_by_key(player_id)), 0);
            }
        }
    }
    tree_nodes = TreeView1->fill(node_labels, child_counts, qira::node_tree::plain_flags());
    TreeView1->setCurrentItem(nullptr);
    TreeView1->clearSelection();
    TreeView1->setUpdatesEnabled(true);
}

void TForm1::show_selected_node() {
    using namespace qira::table_index;
    const QTreeWidgetItem* node = selected_node(*TreeView1);
    if (!node)
        return;
    const QString label = node->text(0);
    const qira::database& db = game.db;
    // The page is switched before it is filled. A label that no row has (a link to a team or a
    // player without a row) gives -1: the page is cleared and its Apply does nothing.
    switch (level_of(node)) {
    case 0:
        main->setCurrentIndex(0);
        show_league(resolve(
            label, table_rows(db, leagues),
            [&](const std::string& s) { return lookups.league_by_label(s); },
            [](const db_overall_data& row) { return row.strings[1]; }));
        break;
    case 1:
        main->setCurrentIndex(1);
        show_team(resolve(
            label, table_rows(db, teams),
            [&](const std::string& s) { return lookups.team_by_label(s); },
            [](const db_overall_data& row) { return row.strings[1]; }));
        break;
    case 2:
        main->setCurrentIndex(2);
        show_player(resolve(
            label, table_rows(db, players),
            [&](const std::string& s) { return lookups.player_by_label(s); },
            [](const db_overall_data& row) { return qira::player_label(row); }));
        break;
    default:
        break;
    }
}

void TForm1::relabel_node(std::size_t n, const QString& label) {
    if (n < tree_nodes.size()) {
        tree_nodes[n]->setText(0, label);
        if (n < node_labels.size())
            node_labels[n] = label;
    }
    if (n < xchange_nodes.size())
        xchange_nodes[n]->setText(0, label);
}
