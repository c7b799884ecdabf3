// The window's steps at the scale of the install: building the navigation tree and its copy in
// the exchange tree, a player's Apply with its relabelling, and showing a team. The real window
// runs on the offscreen platform.

#include "app/main_window.h"
#include "bench_common.h"
#include "views/patch_review_window.h"
#include "views/reference_picker.h"
#include "views/tables_window.h"

#include <QApplication>
#include <QTreeWidget>
#include <QUndoStack>

#include <memory>
#include <vector>

namespace qira::bench {
namespace {

class quiet_sink final : public message_sink {
  public:
    void show(const QString&, const QString&) override {}
    bool ask(const QString&, const QString&) override { return true; }
};

QApplication& application() {
    static int argc = 1;
    static char name[] = "qira_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: as a static object it would be destroyed at exit after Qt's own static
    // objects (the input devices it owns among them), which crashes.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// A window with the install open, kept for all the steps of that install.
struct open_window {
    quiet_sink sink;
    scratch_dir registry_dir;
    std::unique_ptr<TForm1> window;

    explicit open_window(const install& in) {
        application();
        qputenv("QIRA_REGISTRY", (registry_dir.path() / "registry.ini").string().c_str());
        window = std::make_unique<TForm1>(&sink);
        // "Apply patch..." applies what its review ticks as it opens.
        window->set_patch_reviewer([](patch_review_window&) { return true; });
        window->Edit1->setText(QString::fromStdString(in.dir.string()) + QLatin1Char('/'));
        window->cb_lng->setCurrentIndex(0);
        window->Button1Click();
    }
    bool ok() const { return !window->tree_nodes.empty(); }
};

std::map<std::string, std::unique_ptr<open_window>>& windows() {
    static std::map<std::string, std::unique_ptr<open_window>> all;
    return all;
}

// The window of the install; `purpose` names another window of the same install, for steps that
// need the game as its files hold it.
open_window& window_for(const install& in, const std::string& purpose = {}) {
    auto& w = windows()[in.name + purpose];
    if (!w)
        w = std::make_unique<open_window>(in);
    return *w;
}

// The window of the install whose "Apply patch..." chooses the diff to the second install of the
// same scale; null (the benchmark skipped) when there is no such patch or window.
open_window* window_choosing_patch(benchmark::State& state, const install& in) {
    const std::filesystem::path patch = other_install_patch(in);
    open_window& w = window_for(in, "/patch");
    if (patch.empty() || !w.ok()) {
        state.SkipWithError("no patch or no window");
        return nullptr;
    }
    w.window->set_patch_chooser([patch](bool, const QString&, const QString&) {
        return QString::fromStdString(patch.string());
    });
    return &w;
}

// "Apply patch..." of the diff to the second install of the same scale (every row differs), as
// the user runs it (file read, checks, apply, one undo step, trees and pages refreshed); Undo after
// each, untimed.
void window_apply_patch(benchmark::State& state, const install& in) {
    open_window* found = window_choosing_patch(state, in);
    if (!found)
        return;
    open_window& w = *found;
    for (auto _ : state) {
        const int steps = w.window->doc.undo_stack()->index();
        w.window->ButtonPatchApplyClick();
        state.PauseTiming();
        if (w.window->doc.undo_stack()->index() != steps + 1) {
            state.SkipWithError("the patch was not applied");
            return;
        }
        w.window->doc.undo_stack()->undo();
        state.ResumeTiming();
    }
}

// "Apply patch..." of that patch up to its review: the file read, the review made and the dialog
// shown with its list painted; the review is then cancelled, untimed.
void window_review_patch(benchmark::State& state, const install& in) {
    open_window* found = window_choosing_patch(state, in);
    if (!found)
        return;
    open_window& w = *found;
    bool shown = false;
    w.window->set_patch_reviewer([&](patch_review_window& review) {
        review.show();
        review.repaint();
        shown = review.isVisible() && review.model->rowCount() > 0;
        state.PauseTiming();
        return false;
    });
    for (auto _ : state) {
        shown = false;
        w.window->ButtonPatchApplyClick();
        if (!shown) {
            state.SkipWithError("the review was not shown");
            break;
        }
        state.ResumeTiming();
    }
    w.window->set_patch_reviewer([](patch_review_window&) { return true; });
}

// "Save changes as patch..." of that patch applied: the whole game compared with its files as
// opened and the patch written.
void window_save_patch(benchmark::State& state, const install& in) {
    const std::filesystem::path patch = other_install_patch(in);
    open_window& w = window_for(in, "/patch");
    if (patch.empty() || !w.ok()) {
        state.SkipWithError("no patch or no window");
        return;
    }
    scratch_dir out;
    const QString written = QString::fromStdString((out.path() / "mod.json").string());
    w.window->set_patch_chooser([&](bool save, const QString&, const QString&) {
        return save ? written : QString::fromStdString(patch.string());
    });
    w.window->ButtonPatchApplyClick();
    for (auto _ : state)
        w.window->ButtonPatchSaveClick();
    if (!std::filesystem::exists(out.path() / "mod.json"))
        state.SkipWithError("no patch was written");
    w.window->doc.undo_stack()->undo();
}

void tree_build(benchmark::State& state, const install& in) {
    open_window& w = window_for(in);
    if (!w.ok()) {
        state.SkipWithError("cannot open the install");
        return;
    }
    for (auto _ : state) {
        // What opening does: the tree, its copy, and the copy's nodes listed in tree order.
        w.window->build_navigation_tree();
        w.window->xchange_nodes =
            qira::game_trees::copy_tree_nodes(*w.window->TreeView1, *w.window->roster->xchange);
    }
}

// The same into trees that hold no nodes to reuse, as on the first open of a session.
void first_tree_build(benchmark::State& state, const install& in) {
    open_window& w = window_for(in);
    if (!w.ok()) {
        state.SkipWithError("cannot open the install");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        for (qira::node_tree* tree : {w.window->TreeView1, w.window->roster->xchange})
            tree->fill({}, {}, qira::node_tree::plain_flags());
        state.ResumeTiming();
        w.window->build_navigation_tree();
        w.window->xchange_nodes =
            qira::game_trees::copy_tree_nodes(*w.window->TreeView1, *w.window->roster->xchange);
    }
}

// The player of the last link: his nodes stand far down the tree.
QTreeWidgetItem* last_player_node(TForm1& w) {
    for (auto it = w.tree_nodes.rbegin(); it != w.tree_nodes.rend(); ++it)
        if ((*it)->parent() && (*it)->parent()->parent())
            return *it;
    return nullptr;
}

void player_apply(benchmark::State& state, const install& in) {
    open_window& w = window_for(in);
    QTreeWidgetItem* node = w.ok() ? last_player_node(*w.window) : nullptr;
    if (!node) {
        state.SkipWithError("no player node");
        return;
    }
    w.window->TreeView1->setCurrentItem(node);
    for (auto _ : state)
        w.window->pl_applyClick();
}

void show_team(benchmark::State& state, const install& in) {
    open_window& w = window_for(in);
    QTreeWidgetItem* node = w.ok() ? last_player_node(*w.window) : nullptr;
    if (!node) {
        state.SkipWithError("no team node");
        return;
    }
    const int row = w.window->game.lookups.team_by_label(node->parent()->text(0).toStdString());
    for (auto _ : state)
        w.window->show_team(row);
}

// One undo and one redo of the step on top of the window's stack.
void undo_redo(benchmark::State& state, open_window& w) {
    QUndoStack* stack = w.window->doc.undo_stack();
    if (!stack->canUndo()) {
        state.SkipWithError("no step to undo");
        return;
    }
    for (auto _ : state) {
        stack->undo();
        stack->redo();
    }
}

void undo_player_apply(benchmark::State& state, const install& in) {
    open_window& w = window_for(in);
    QTreeWidgetItem* node = w.ok() ? last_player_node(*w.window) : nullptr;
    if (!node) {
        state.SkipWithError("no player node");
        return;
    }
    // The player's page shows him; his surname changes: a step that relabels his nodes.
    w.window->TreeView1->setCurrentItem(node);
    w.window->player->pl_sur->setText(w.window->player->pl_sur->text() + QStringLiteral("x"));
    w.window->pl_applyClick();
    undo_redo(state, w);
    w.window->doc.undo_stack()->undo();
}

void undo_exchange(benchmark::State& state, const install& in) {
    open_window& w = window_for(in);
    TForm1& f = *w.window;
    QTreeWidgetItem* node = w.ok() ? last_player_node(f) : nullptr;
    QTreeWidgetItem* other = w.ok() && !f.tree_nodes.empty() ? f.tree_nodes[2] : nullptr;
    if (!node || !other || !other->parent() || !other->parent()->parent()) {
        state.SkipWithError("no players to exchange");
        return;
    }
    // The last player's team on the roster page, its first player exchanged with one of the first
    // team of the tree.
    f.TreeView1->setCurrentItem(node->parent());
    f.team->edit_players_requested();
    f.roster->t_pl_list->setCurrentRow(0);
    f.roster->xchange->setCurrentItem(f.xchange_nodes[2]);
    f.roster->Button3->click();
    undo_redo(state, w);
    f.doc.undo_stack()->undo();
}

// One keystroke in the navigation tree's find field: the query folded, the matches found among
// every node, the next one selected (its page shown) and the count updated.
void find_keystroke(benchmark::State& state, const install& in) {
    open_window& w = window_for(in);
    if (!w.ok()) {
        state.SkipWithError("no tree");
        return;
    }
    QLineEdit* field = w.window->TreeView1Find->field;
    const QString queries[] = {QStringLiteral("ma"), QStringLiteral("mar")};
    std::size_t i = 0;
    for (auto _ : state)
        field->setText(queries[i++ % 2]);
    field->clear();
}

// The players table in the window of every table.
// The tables window of the window for `in`, showing the players; none (and the benchmark marked
// skipped) where the window could not open.
qira::tables_window* players_grid(benchmark::State& state, const install& in) {
    open_window& w = window_for(in);
    if (w.ok())
        w.window->ButtonTablesClick();
    qira::tables_window* t = w.ok() ? w.window->tables : nullptr;
    if (!t) {
        state.SkipWithError("no tables");
        return nullptr;
    }
    t->show_table(table_index::players);
    return t;
}

void grid_show(benchmark::State& state, const install& in) {
    qira::tables_window* t = players_grid(state, in);
    if (!t)
        return;
    for (auto _ : state) {
        t->show_table(table_index::stadiums);
        t->show_table(table_index::players);
        // What the grid shows on its first screen is asked for.
        QApplication::processEvents();
        benchmark::DoNotOptimize(t->grid->model()->index(0, 0).data());
    }
}

// Sorts the grid by its middle column, up and down, as long as the benchmark runs.
void sort_middle_column(benchmark::State& state, qira::tables_window& t) {
    const int column = t.model->columnCount() / 2;
    bool up = true;
    for (auto _ : state) {
        t.grid->sortByColumn(column, up ? Qt::AscendingOrder : Qt::DescendingOrder);
        up = !up;
    }
    t.grid->sortByColumn(-1, Qt::AscendingOrder);
}

void grid_sort(benchmark::State& state, const install& in) {
    if (qira::tables_window* t = players_grid(state, in))
        sort_middle_column(state, *t);
}

void grid_filter(benchmark::State& state, const install& in) {
    qira::tables_window* t = players_grid(state, in);
    if (!t)
        return;
    const QString queries[] = {QStringLiteral("ma"), QStringLiteral("mar")};
    std::size_t i = 0;
    for (auto _ : state)
        t->all_filter->setText(queries[i++ % 2]);
    t->all_filter->clear();
}

// What an assistive client that has read the grid holds: a persistent index on each of the
// first `count` cells the grid shows.
std::vector<QPersistentModelIndex> hold_indexes(const qira::tables_window& t, int count) {
    std::vector<QPersistentModelIndex> held;
    held.reserve(static_cast<std::size_t>(count));
    const QAbstractItemModel* m = t.grid->model();
    for (int r = 0; r < m->rowCount() && static_cast<int>(held.size()) < count; ++r)
        for (int c = 0; c < m->columnCount() && static_cast<int>(held.size()) < count; ++c)
            held.emplace_back(m->index(r, c));
    return held;
}

// One keystroke into a column's filter ("18" becomes ">18" and back) while 10,000 persistent
// indexes are held on the grid; they are taken again before each keystroke.
void grid_filter_held(benchmark::State& state, const install& in) {
    qira::tables_window* t = players_grid(state, in);
    if (!t)
        return;
    int height = -1;
    for (int c = 0; c < t->model->columnCount(); ++c)
        if (t->model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() ==
            QLatin1String("height"))
            height = c;
    if (height < 0) {
        state.SkipWithError("no height column");
        return;
    }
    const QString queries[] = {QStringLiteral(">180"), QStringLiteral(">18")};
    std::size_t i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto held = hold_indexes(*t, 10000);
        state.ResumeTiming();
        t->header->field(height)->setText(queries[i++ % 2]);
        state.PauseTiming();
        held.clear();
        state.ResumeTiming();
    }
    t->header->field(height)->clear();
}

// Sorting by a column while 10,000 persistent indexes are held (a sort moves them).
void grid_sort_held(benchmark::State& state, const install& in) {
    qira::tables_window* t = players_grid(state, in);
    if (!t)
        return;
    const auto held = hold_indexes(*t, 10000);
    sort_middle_column(state, *t);
}

// The team players table (its second column names a player) in the window of every table.
qira::tables_window* links_grid(benchmark::State& state, const install& in) {
    qira::tables_window* t = players_grid(state, in);
    if (t)
        t->show_table(table_index::team_players);
    if (t && !t->model->reference(1)) {
        state.SkipWithError("no player column");
        return nullptr;
    }
    return t;
}

// Showing the team players with the name of each player: the players' ids are indexed when the
// table is shown, and the names of the first screen are asked for.
void grid_show_names(benchmark::State& state, const install& in) {
    qira::tables_window* t = links_grid(state, in);
    if (!t)
        return;
    for (auto _ : state) {
        t->show_table(table_index::stadiums);
        t->show_table(table_index::team_players);
        QApplication::processEvents();
        for (int r = 0; r < 40 && r < t->filter->rowCount(); ++r)
            benchmark::DoNotOptimize(t->filter->index(r, 1).data());
    }
}

// Sorting the team players by the players' names, up and down.
void grid_sort_names(benchmark::State& state, const install& in) {
    qira::tables_window* t = links_grid(state, in);
    if (!t)
        return;
    t->grid->setCurrentIndex(t->filter->index(0, 1));
    for (auto _ : state)
        t->sort_current_column(true);
    t->grid->sortByColumn(-1, Qt::AscendingOrder);
}

// A keystroke into the player column's filter, matched against the players' names.
void grid_filter_names(benchmark::State& state, const install& in) {
    qira::tables_window* t = links_grid(state, in);
    if (!t)
        return;
    const QString queries[] = {QStringLiteral("ma"), QStringLiteral("mar")};
    std::size_t i = 0;
    for (auto _ : state)
        t->header->field(1)->setText(queries[i++ % 2]);
    t->header->field(1)->clear();
}

// The drop-down of a player cell: opened (every player named and made findable), then a
// keystroke in its find.
void picker_open(benchmark::State& state, const install& in) {
    qira::tables_window* t = links_grid(state, in);
    if (!t)
        return;
    for (auto _ : state) {
        qira::reference_picker picker(t->model->reference_choices_at(0, 1), t->grid);
        picker.open_list();
        benchmark::DoNotOptimize(picker.choices()->rowCount());
    }
}

void picker_keystroke(benchmark::State& state, const install& in) {
    qira::tables_window* t = links_grid(state, in);
    if (!t)
        return;
    qira::reference_picker picker(t->model->reference_choices_at(0, 1), t->grid);
    picker.show();
    picker.open_list();
    // "a" leaves nearly every player in the list, "ma" fewer: the list is filled again each time.
    const QString queries[] = {QStringLiteral("a"), QStringLiteral("ma")};
    std::size_t i = 0;
    for (auto _ : state) {
        const QString& q = queries[i++ % 2];
        picker.setText(q);
        emit picker.textEdited(q); // as a keystroke: the list finds again and shows
    }
    state.counters["choices"] = static_cast<double>(picker.choices()->rowCount());
}

} // namespace

void release_gui() {
    windows().clear();
}

void register_gui_steps(const install& in) {
    register_step("grid: show the players table", in, grid_show);
    register_step("grid: sort by a column", in, grid_sort);
    register_step("grid: filter keystroke", in, grid_filter);
    register_step("grid: filter keystroke, 10000 indexes held", in, grid_filter_held);
    register_step("grid: sort by a column, 10000 indexes held", in, grid_sort_held);
    register_step("grid: show the team players with names", in, grid_show_names);
    register_step("grid: sort the team players by name", in, grid_sort_names);
    register_step("grid: filter keystroke on player names", in, grid_filter_names);
    register_step("drop-down of a player cell: open", in, picker_open);
    register_step("drop-down of a player cell: find keystroke", in, picker_keystroke);
    register_step("find keystroke", in, find_keystroke);
    register_step("undo + redo of a player Apply", in, undo_player_apply);
    register_step("undo + redo of an exchange", in, undo_exchange);
    register_step("tree build + exchange copy", in, tree_build);
    register_step("first tree build + exchange copy", in, first_tree_build);
    register_step("player Apply with relabelling", in, player_apply);
    register_step("show team", in, show_team);
    register_step("window: Apply patch... of another install", in, window_apply_patch);
    register_step("window: Save changes as patch... of it", in, window_save_patch);
    register_step("window: review of the patch of every row (opened)", in, window_review_patch);
}

} // namespace qira::bench
