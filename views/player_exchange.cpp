// The player exchange: the roster player (selected in the roster list) and the chosen player
// (selected in the exchange tree) change places: the player ids of their two link rows are
// swapped, with nothing else of the rows, and both trees and the roster follow at once.
//
// Everything the exchange needs is found before anything changes; when something cannot be
// found, nothing changes and a message says what.

#include "app/main_window.h"
#include "views/page_values.h"

#include <QListWidget>

namespace {

using qira::table_index::team_players;
using qira::table_index::teams;

[[noreturn]] void not_found(const QString& player) {
    throw qira::handler_error(
        QStringLiteral("The player \"%1\" could not be found; nothing was exchanged.").arg(player));
}

// Index in `nodes` of the first player node with this label under a team with this label.
int find_player_node(const std::vector<QTreeWidgetItem*>& nodes, const QString& player,
                     const QString& team) {
    for (std::size_t n = 0; n < nodes.size(); ++n) {
        const QTreeWidgetItem* node = nodes[n];
        if (node->parent() && node->parent()->parent() && node->text(0) == player &&
            node->parent()->text(0) == team)
            return static_cast<int>(n);
    }
    return -1;
}

// The link of team `team_id` with player `player_id`: the `preferred`-th link when it is that
// player's, else the team's first link with the player; -1 when there is none.
int find_link(const TForm1& w, std::int32_t team_id, std::int32_t player_id, int preferred) {
    const auto links = w.game.db.rows(team_players);
    const auto& own = w.lookups.team_links(team_id);
    if (preferred >= 0 && static_cast<std::size_t>(preferred) < own.size() &&
        links[own[preferred]].keys[1] == player_id)
        return own[preferred];
    for (int l : own)
        if (links[l].keys[1] == player_id)
            return l;
    return -1;
}

} // namespace

void TForm1::Button3Click() {
    QTreeWidgetItem* chosen = xchange->currentItem();
    const int s = t_pl_list->currentRow();
    if (!chosen || s < 0 || s >= t_pl_names->count() || s >= t_pl_ids->count() ||
        !chosen->parent() || !chosen->parent()->parent())
        return;

    const QString chosen_label = chosen->text(0);
    const QString chosen_team_label = chosen->parent()->text(0);
    const QString roster_label = t_pl_names->item(s)->text();
    const auto team_rows = game.db.rows(teams);
    const int shown = qira::to_int(t_id->text());
    if (shown < 0 || static_cast<std::size_t>(shown) >= team_rows.size())
        return;
    const std::int32_t shown_id = team_rows[shown].keys[0];
    const QString shown_label = qira::text_of(team_rows[lookups.team_by_key(shown_id)].strings[1]);

    // The chosen player, and his link in the team that the exchange node stands under.
    const QByteArray chosen_bytes = chosen_label.toUtf8();
    const int chosen_row = lookups.player_by_label(chosen_bytes.toStdString());
    if (chosen_row < 0)
        not_found(chosen_label);
    const std::int32_t chosen_id = game.db.rows(qira::table_index::players)[chosen_row].keys[0];
    const QByteArray team_bytes = chosen_team_label.toUtf8();
    const int chosen_team = lookups.team_by_label(team_bytes.toStdString());
    const int chosen_link =
        chosen_team < 0 ? -1 : find_link(*this, team_rows[chosen_team].keys[0], chosen_id, -1);
    if (chosen_link < 0)
        not_found(chosen_label);

    // The roster player's link: the shown team's link behind roster row s.
    const std::int32_t roster_id = qira::to_int(t_pl_ids->item(s)->text());
    const int roster_link = find_link(*this, shown_id, roster_id, s);
    if (roster_link < 0)
        not_found(roster_label);

    // Their nodes in the navigation tree.
    const int r_node = find_player_node(tree_nodes, roster_label, shown_label);
    if (r_node < 0)
        not_found(roster_label);
    const int q_node = find_player_node(tree_nodes, chosen_label, chosen_team_label);
    if (q_node < 0)
        not_found(chosen_label);

    if (roster_link != chosen_link) {
        auto links = game.db.rows(team_players);
        std::swap(links[roster_link].keys[1], links[chosen_link].keys[1]);
        relabel_node(static_cast<std::size_t>(r_node), chosen_label);
        relabel_node(static_cast<std::size_t>(q_node), roster_label);
        mark_modified();
    }

    // The roster lists of the shown team, rebuilt; the same row and the same captain and
    // penalty-taker positions stay chosen.
    fill_roster_lists(shown);
    refresh_roster_list();
    fill_player_choices(true);
}
