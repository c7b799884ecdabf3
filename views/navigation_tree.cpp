// The navigation tree: leagues, their teams and the teams' players.

#include "app/main_window.h"

#include <QTreeWidget>

void TForm1::build_navigation_tree() {
    TreeView1->clear();
    tree_nodes.clear();
    lookups.rebuild(game.db);
}

void TForm1::show_selected_node() {}

void TForm1::relabel_node(std::size_t n, const QString& label) {
    if (n < tree_nodes.size())
        tree_nodes[n]->setText(0, label);
    if (n < xchange_nodes.size())
        xchange_nodes[n]->setText(0, label);
}
