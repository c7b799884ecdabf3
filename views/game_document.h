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

// What a step told by game_document::changed altered.
struct document_change {
    // The step's cells, rows and entries; empty when the trees were built for a newly opened
    // game.
    const change& made;
    // The rows were put back or forward by an undo or a redo, or edited outside the pages (the
    // grid, an import, a patch): a page makes its lists from the tables again (stadiums, a
    // team's players), then shows again the row the step touched. A page's own Apply leaves it
    // false: the page already shows what it wrote.
    bool rows = false;
    // The trees' labels, or the players behind their nodes, may have changed.
    bool labels = false;
};

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

    // Builds both trees again from the open game; the navigation tree's selection stays where
    // its node still is. The step that calls it then tells changed and trees_rebuilt.
    void rebuild_trees();
    // Called by an undo step once the rows of `c` have been put back or forward and the trees
    // follow (`rebuilt`: built again, else relabelled by the step): the listeners hear of it.
    void step_done(const change& c, bool rebuilt);
    // The trees were built anew from the open game.
    void trees_built();
    // True while a step that changed the rows is told (changed, then trees_rebuilt): a page shown
    // again then follows the step (the team page refills the roster page's list too).
    bool following_change() const { return following_change_; }

  signals:
    // Once after every step (a page's Apply, an edit of the tables, an undo, a redo) and after
    // the trees were built for a newly opened game, when the document itself already follows it:
    // rows put back or forward, trees relabelled or built again, find's player ids refreshed.
    // Each listener takes what concerns it; a page makes the lists it draws from the tables
    // before it shows a row again, so the order of the listeners does not matter.
    void changed(const qira::document_change& d);
    // After changed, when the step built the trees again: the window shows the selected node's
    // page again, with every page and list already following the step.
    void trees_rebuilt();
    // An event handler raised an error with this text.
    void handler_failed(const QString& text);

  private:
    void run_checked(const std::function<result()>& handler);
    // Tells a step: changed, then trees_rebuilt when `rebuilt`.
    void tell(const document_change& d, bool rebuilt);

    QUndoStack undo_stack_;
    int tree_generation_ = 0;
    bool following_change_ = false;
};

} // namespace qira
