#include "views/game_document.h"

#include "views/handler_error.h"

#include <QUndoCommand>

namespace qira {

namespace {

// One edit on the undo stack: the cells it changed and the tree labels it changed. It was made
// before it was pushed, so its first redo does nothing.
class edit_command final : public QUndoCommand {
  public:
    edit_command(game_document& doc, change made, const QString& text,
                 std::vector<node_relabel> relabels)
        : QUndoCommand(text), doc_(doc), change_(std::move(made)), relabels_(std::move(relabels)) {
    }

    void undo() override {
        qira::undo(doc_.game, change_);
        for (auto it = relabels_.rbegin(); it != relabels_.rend(); ++it)
            doc_.trees.relabel_node(it->node, it->before);
        doc_.announce(change_);
    }
    void redo() override {
        if (made_) {
            made_ = false;
            return;
        }
        qira::redo(doc_.game, change_);
        for (const node_relabel& r : relabels_)
            doc_.trees.relabel_node(r.node, r.after);
        doc_.announce(change_);
    }

  private:
    game_document& doc_;
    change change_;
    std::vector<node_relabel> relabels_;
    bool made_ = true;
};

} // namespace

game_document::game_document(QObject* parent) : QObject(parent) {}

void game_document::push(change made, const QString& text, std::vector<node_relabel> relabels) {
    if (made.empty() && relabels.empty())
        return;
    const bool moves_players = made.touches_table(table_index::team_players);
    const bool relabelled = !relabels.empty();
    undo_stack_.push(new edit_command(*this, std::move(made), text, std::move(relabels)));
    if (moves_players)
        trees.refresh_find_ids(game);
    if (moves_players || relabelled)
        emit labels_changed();
}

void game_document::announce(const change& c) {
    if (c.touches_table(table_index::team_players))
        trees.refresh_find_ids(game);
    emit rows_changed(c);
    emit labels_changed();
}

void game_document::trees_built() {
    emit labels_changed();
}

void game_document::relabel(std::size_t n, const QString& label,
                            std::vector<node_relabel>& relabels) {
    const QString before = n < trees.node_labels.size() ? trees.node_labels[n] : QString();
    trees.relabel_node(n, label);
    relabels.push_back({n, before, label});
}

void game_document::run_guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const handler_error& e) {
        emit handler_failed(e.text());
    } catch (const std::exception& e) {
        emit handler_failed(QString::fromLocal8Bit(e.what()));
    }
}

} // namespace qira
