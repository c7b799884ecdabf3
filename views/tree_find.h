#pragma once
// Find in a tree: a field above the navigation tree (and one above the exchange tree) that finds
// a league, team or player as you type, ignoring case and accents; several words must all
// appear in one label, and a number (or # and a number) also finds the player with that id. The
// count beside it says where the selected node stands among the matches ("3 of 17") or "no
// match". Enter and F3 go to the next match, Shift+Enter and Shift+F3 to the previous, both
// wrapping; Escape gives the focus back to the tree.

#include "views/game_document.h"
#include "views/node_tree.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

#include <cstddef>
#include <optional>
#include <vector>

namespace qira {

class tree_find : public QWidget {
    Q_OBJECT

  public:
    // `tree` is one of the document's two trees; `accessible_name` names the field ("Find in
    // tree").
    tree_find(game_document& doc, node_tree* tree, const QString& accessible_name,
              const char* object_name, QWidget* parent = nullptr);

    QLineEdit* field;
    QLabel* count;
    QToolButton* clear;

    // The next (or previous) match from the tree's current node, selected and made visible.
    void find_next(bool forward = true);
    // The matches of the field's text, in the order find lists them.
    const std::vector<std::size_t>& matches() const { return matches_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The field's text changed: find again from the current node (it stays when it matches).
    void text_edited();
    // The labels changed: the matches are found again; nothing is selected.
    void labels_changed();
    void select(std::size_t node);
    // "%1 of %2": which match is shown, of how many.
    static QString position_text();
    void show_count();
    std::optional<std::size_t> current_node() const;

    game_document& doc_;
    node_tree* tree_;
    std::vector<std::size_t> matches_;
};

} // namespace qira
