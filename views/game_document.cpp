#include "views/game_document.h"
#include "views/shown_text.h"

#include <QSignalBlocker>
#include <QTreeWidget>
#include <QUndoCommand>

namespace qira {

namespace {

// One edit on the undo stack: the cells it changed and the tree labels it changed. It was made
// before it was pushed, so its first redo does nothing.
class edit_command final : public QUndoCommand {
  public:
    // `from_pages`: made by a page, whose step relabels the nodes it changed; else made in the
    // tables, whose step builds the trees again when it changed what they show.
    edit_command(game_document& doc, change made, const QString& text,
                 std::vector<node_relabel> relabels, bool from_pages)
        : QUndoCommand(text), doc_(doc), change_(std::move(made)), relabels_(std::move(relabels)),
          generation_(doc.tree_generation()), from_pages_(from_pages) {}

    void undo() override {
        qira::undo(doc_.game, change_);
        doc_.step_done(change_, put_labels(false));
    }
    void redo() override {
        if (made_) {
            made_ = false;
            return;
        }
        qira::redo(doc_.game, change_);
        doc_.step_done(change_, put_labels(true));
    }

    const change* change_made() const { return &change_; }

  private:
    // The trees follow: node by node while the nodes are those the step relabelled, else (the
    // trees were built again since, or the step changed what they are made of) built anew.
    // Whether they were built anew.
    bool put_labels(bool forward) {
        if ((!from_pages_ && game_document::changes_trees(change_)) ||
            (!relabels_.empty() && generation_ != doc_.tree_generation())) {
            doc_.rebuild_trees();
            generation_ = doc_.tree_generation();
            return true;
        }
        if (forward)
            for (const node_relabel& r : relabels_)
                doc_.trees.relabel_node(r.node, r.after);
        else
            for (auto it = relabels_.rbegin(); it != relabels_.rend(); ++it)
                doc_.trees.relabel_node(it->node, it->before);
        return false;
    }

    game_document& doc_;
    change change_;
    std::vector<node_relabel> relabels_;
    int generation_;
    bool from_pages_;
    bool made_ = true;
};

} // namespace

game_document::game_document(QObject* parent) : QObject(parent) {}

void game_document::push(change made, const QString& text, std::vector<node_relabel> relabels) {
    if (made.empty() && relabels.empty())
        return;
    const bool moves_players = made.touches_table(table_index::team_players);
    const bool relabelled = !relabels.empty();
    auto* command = new edit_command(*this, std::move(made), text, std::move(relabels), true);
    undo_stack_.push(command);
    if (moves_players)
        trees.refresh_find_ids(game);
    tell({*command->change_made(), false, moves_players || relabelled}, false);
}

void game_document::push_table_edit(change made, const QString& text) {
    if (made.empty())
        return;
    auto* command = new edit_command(*this, std::move(made), text, {}, false);
    undo_stack_.push(command);
    const change& c = *command->change_made();
    const bool rebuilt = changes_trees(c);
    if (rebuilt)
        rebuild_trees();
    else if (c.touches_table(table_index::team_players))
        trees.refresh_find_ids(game);
    tell({c, true, true}, rebuilt);
}

bool game_document::changes_trees(const change& c) {
    using namespace table_index;
    const auto tree_table = [](int t) {
        return t == leagues || t == league_teams || t == players || t == team_players || t == teams;
    };
    for (const row_change& r : c.rows)
        if (tree_table(r.table))
            return true;
    for (const table_change& t : c.tables)
        if (tree_table(t.table))
            return true;
    for (const cell_change& cc : c.cells) {
        const cell& w = cc.where;
        if (w.part == row_part::key && tree_table(w.table))
            return true;
        if (w.part == row_part::text &&
            (((w.table == leagues || w.table == teams) && w.index == 1) ||
             (w.table == players && w.index < 3)))
            return true;
    }
    return false;
}

void game_document::rebuild_trees() {
    if (!trees.navigation || !trees.exchange)
        return;
    // The selected node stays selected when the node at its place has the same label.
    const QTreeWidgetItem* current = trees.navigation->currentItem();
    const int at = current && current->isSelected() ? trees.index_of(current) : -1;
    const QString label = current ? current->text(0) : QString();
    trees.build(game);
    trees.copy_to_exchange();
    ++tree_generation_;
    if (at >= 0 && static_cast<std::size_t>(at) < trees.tree_nodes.size() &&
        trees.node_labels[static_cast<std::size_t>(at)] == label) {
        const QSignalBlocker quiet(trees.navigation);
        QTreeWidgetItem* node = trees.tree_nodes[static_cast<std::size_t>(at)];
        for (QTreeWidgetItem* p = node->parent(); p; p = p->parent())
            p->setExpanded(true);
        trees.navigation->setCurrentItem(node);
        node->setSelected(true);
    }
}

void game_document::step_done(const change& c, bool rebuilt) {
    if (c.touches_table(table_index::team_players))
        trees.refresh_find_ids(game);
    tell({c, true, true}, rebuilt);
}

void game_document::trees_built() {
    ++tree_generation_;
    static const change nothing;
    tell({nothing, false, true}, false);
}

void game_document::tell(const document_change& d, bool rebuilt) {
    const bool before = following_change_;
    following_change_ = d.rows;
    emit changed(d);
    if (rebuilt)
        emit trees_rebuilt();
    following_change_ = before;
}

void game_document::relabel(std::size_t n, const QString& label,
                            std::vector<node_relabel>& relabels) {
    const QString before = n < trees.node_labels.size() ? trees.node_labels[n] : QString();
    trees.relabel_node(n, label);
    relabels.push_back({n, before, label});
}

void game_document::run_checked(const std::function<result()>& handler) {
    try {
        if (const result r = handler(); !r)
            emit handler_failed(shown_text(r));
    } catch (const std::exception& e) {
        // A fault of the program, not of what the user did: told all the same.
        emit handler_failed(QString::fromLocal8Bit(e.what()));
    }
}

} // namespace qira
