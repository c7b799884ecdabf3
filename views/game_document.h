#pragma once
// The open game as the window works on it: the data (the editing core's open game), the two
// trees that show it, and the undo stack of the edits. The pages make their edits through the
// core and push them here; undoing or redoing one puts the rows, the names and the trees' labels
// back and announces the change, so that each page can refill itself when it shows a row the step
// touched.

#include "editing/change.h"
#include "editing/open_game.h"
#include "views/game_trees.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>
#include <type_traits>
#include <vector>

namespace qira {

// A tree node whose label an edit changed.
struct node_relabel {
    std::size_t node = 0;
    QString before;
    QString after;
};

class game_document : public QObject {
    Q_OBJECT

  public:
    explicit game_document(QObject* parent = nullptr);

    open_game game;
    game_trees trees;
    QUndoStack* undo_stack() { return &undo_stack_; }

    // Records an edit that a page has made (its rows and the trees already show it) as one undo
    // step named `text` ("Apply player Lukasz  Mazur"). An empty change makes no step.
    void push(change made, const QString& text, std::vector<node_relabel> relabels = {});
    // Records an edit made elsewhere (the grid of every table, an import, a patch): the pages
    // that show a row it touched are filled again, and the trees are built again when it
    // changed what they show.
    void push_table_edit(change made, const QString& text);

    // Whether a change alters what the trees show: the ids that link leagues, teams and players,
    // the texts their labels are made of, or the rows of their tables.
    static bool changes_trees(const change& c);
    // Builds both trees again from the open game; the navigation tree's selection stays where
    // its node still is.
    void rebuild_trees();
    // How many times the trees were built: an undo step that relabels nodes by index knows by it
    // whether its indexes still hold.
    int tree_generation() const { return tree_generation_; }
    // Gives node `n` of both trees a label and records it in `relabels` for the undo step.
    void relabel(std::size_t n, const QString& label, std::vector<node_relabel>& relabels);

    // Whether there are edits since the open or the last save.
    bool has_unsaved_changes() const { return !undo_stack_.isClean(); }

    // Runs an event handler the way every handler of the window runs: the refusal it returns (a
    // handler that cannot fail returns nothing), or a fault it throws, is announced by
    // handler_failed, and the program goes on.
    template <typename Handler> void run_guarded(Handler&& handler) {
        run_checked([&handler]() -> result {
            if constexpr (std::is_void_v<std::invoke_result_t<Handler&>>) {
                handler();
                return result::success();
            } else {
                return handler();
            }
        });
    }
    // A slot for connect() that runs a handler guarded.
    template <typename Object, typename Returned>
    auto guarded(Object* object, Returned (Object::*handler)()) {
        return [this, object, handler] {
            run_guarded([object, handler] { return (object->*handler)(); });
        };
    }

    // Called by the undo steps: the rows of `c` have been put back or forward (tables_changed),
    // then their labels (announce).
    void rows_put_back(const change& c) { emit tables_changed(c); }
    void announce(const change& c);
    // The trees were built anew from the open game.
    void trees_built();

  signals:
    // The rows changed by an edit of the tables (the grid, an import, a patch), an undo or a
    // redo: sent first, before the trees are built again and before rows_changed, so that the
    // lists the pages make from the tables (stadiums, a team's players) are right when a page is
    // shown again.
    void tables_changed(const qira::change& c);
    // After an undo or a redo of `c`, and after an edit of the tables.
    void rows_changed(const qira::change& c);
    // The trees' labels (or the players behind their nodes) may have changed: after an edit, an
    // undo, a redo or a new build.
    void labels_changed();
    // After any edit, undo or redo of `c`: the grid of every table follows it.
    void edited(const qira::change& c);
    // The trees were built again; the window shows the selected node's page again.
    void trees_rebuilt();
    // An event handler raised an error with this text.
    void handler_failed(const QString& text);

  private:
    void run_checked(const std::function<result()>& handler);

    QUndoStack undo_stack_;
    int tree_generation_ = 0;
};

} // namespace qira
