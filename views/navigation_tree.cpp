// The navigation tree: leagues, their teams and the teams' players.

#include "app/main_window.h"

#include <QTreeWidget>

void TForm1::build_navigation_tree() {
    TreeView1->clear();
}
