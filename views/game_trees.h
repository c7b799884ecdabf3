#pragma once
// The two trees of leagues, teams and players: the navigation tree beside the pages and the
// exchange tree on the roster page, which holds a copy of its nodes. Node n of one tree is node n
// of the other (depth-first order); a label changes in both at once. Each node remembers the row
// it was made from, so that the exchange finds the link row behind a player node as the tree
// was built, whatever its label.

#include "editing/label_find.h"
#include "editing/open_game.h"
#include "views/node_tree.h"

#include <QString>
#include <QTreeWidgetItem>

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace qira {

class game_trees {
  public:
    node_tree* navigation = nullptr; // TreeView1
    node_tree* exchange = nullptr;   // xchange

    // The nodes of both trees in depth-first order, and each node's label as relabel_node keeps
    // it.
    std::vector<QTreeWidgetItem*> tree_nodes;
    std::vector<QTreeWidgetItem*> xchange_nodes;
    std::vector<QString> node_labels;
    // The row each node was made from: a league's row of table 1, a team's link row of table 2,
    // a player's link row of table 11.
    std::vector<int> node_rows;
    // The level of each node: 0 league, 1 team, 2 player.
    std::vector<std::uint8_t> node_levels;
    // The nodes' labels folded for find, with the player id of each player node; kept beside
    // the labels by build() and relabel_node(), and the ids by refresh_find_ids().
    label_find find_index;

    // Fills the navigation tree from the open game (nothing selected, nothing expanded).
    void build(const open_game& game);
    // Gives the exchange tree a copy of the navigation tree's nodes.
    void copy_to_exchange() { xchange_nodes = copy_tree_nodes(*navigation, *exchange); }
    // Gives `to` a copy of the nodes of `from`; the copy's labels can be edited in place. Returns
    // the copies in depth-first order.
    static std::vector<QTreeWidgetItem*> copy_tree_nodes(const QTreeWidget& from, node_tree& to);
    // Gives node `n` of both trees the label.
    void relabel_node(std::size_t n, const QString& label);
    // The player ids of the player nodes as the link rows name them now.
    void refresh_find_ids(const open_game& game);

    // The index of a node of either tree, or -1.
    int index_of(const QTreeWidgetItem* node) const;
    // The first player node (in index order) made from link row `link` of table 11, or -1.
    int first_node_of_link(int link) const;

    static int level_of(const QTreeWidgetItem* node);

  private:
    // Sets node_labels, node_rows and node_levels from the open game, in depth-first order, and
    // gives the number of children of each node.
    std::vector<int> describe_nodes(const open_game& game);
};

// The first row of a table whose label, as the tree shows it, is `text`: the node's text is the
// label when its stored bytes are valid UTF-8; a label that is not shows with replacement
// characters, and is compared as shown. -1 when none.
int resolve_league(const open_game& game, const QString& text);
int resolve_team(const open_game& game, const QString& text);
int resolve_player(const open_game& game, const QString& text);

} // namespace qira
