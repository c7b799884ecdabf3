// The window's commands: an action for each, with its text, keys and enabled state, and what each
// does, mostly handed to the command classes (file_commands, patch_commands, check_commands,
// game_folder, recovery_commands); the glue between them and the window's widgets; and start-up.

#include "app/check_commands.h"
#include "app/file_commands.h"
#include "app/game_folder.h"
#include "app/main_window.h"
#include "app/patch_commands.h"
#include "app/recovery_commands.h"
#include "app/registry.h"
#include "views/handler_values.h"
#include "views/shown_text.h"
#include "views/window_place.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>
#include <QUndoStack>

#include <initializer_list>

using qira::command_outcome;

void TForm1::make_commands() {
    struct command {
        QAction* TForm1::*action;
        const char* name;
        const char* text;
        QList<QKeySequence> keys;
        bool enabled; // at start, without a game open
        command_outcome (TForm1::*run)();
    };
    const QKeySequence ctrl_z(Qt::CTRL | Qt::Key_Z);
    const QKeySequence ctrl_shift_z(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    const QKeySequence ctrl_y(Qt::CTRL | Qt::Key_Y);
    const QKeySequence ctrl_t(Qt::CTRL | Qt::Key_T);
    const QKeySequence ctrl_shift_d(Qt::CTRL | Qt::SHIFT | Qt::Key_D);
    const QKeySequence ctrl_shift_m(Qt::CTRL | Qt::SHIFT | Qt::Key_M);
    // One command a line.
    // clang-format off
    const command commands[] = {
        {&TForm1::open_action, "open_action", QT_TR_NOOP("Open Database"), {}, true, &TForm1::open_database},
        {&TForm1::folder_action, "folder_action", QT_TR_NOOP("Game folder..."), {}, true, &TForm1::choose_game_folder},
        //: Closes the open game's files without leaving the editor
        {&TForm1::close_action, "close_action", QT_TR_NOOP("Close"), {}, false, &TForm1::close_database},
        {&TForm1::save_action, "save_action", QT_TR_NOOP("Save Changes"), {}, false, &TForm1::save_changes},
        //: Quits the editor
        {&TForm1::exit_action, "exit_action", QT_TR_NOOP("Exit"), {}, true, &TForm1::exit_editor},
        {&TForm1::patch_save_action, "patch_save_action", QT_TR_NOOP("Save changes as patch..."), {}, false, &TForm1::save_patch},
        {&TForm1::patch_apply_action, "patch_apply_action", QT_TR_NOOP("Apply patch..."), {}, false, &TForm1::apply_patch},
        // Its keys work on the start screen, where its button shows.
        {&TForm1::compare_action, "compare_action", QT_TR_NOOP("Compare with..."), {ctrl_shift_d}, false, &TForm1::compare_with},
        {&TForm1::merge_action, "merge_action", QT_TR_NOOP("Merge patches..."), {ctrl_shift_m}, false, &TForm1::merge_patches},
        //: Leaves the pages for the start screen, where the game is saved or closed
        {&TForm1::finish_action, "finish_action", QT_TR_NOOP("Finish Editing..."), {}, true, &TForm1::switch_screens},
        // The keys work while their button is shown: with a game open.
        //: Takes back the last change
        {&TForm1::undo_action, "undo_action", QT_TR_NOOP("Undo"), {ctrl_z}, false, &TForm1::undo},
        //: Makes again the last change taken back
        {&TForm1::redo_action, "redo_action", QT_TR_NOOP("Redo"), {ctrl_shift_z, ctrl_y}, false, &TForm1::redo},
        {&TForm1::tables_action, "tables_action", QT_TR_NOOP("All tables..."), {ctrl_t}, true, &TForm1::show_tables},
        {&TForm1::check_action, "check_action", QT_TR_NOOP("Check game..."), {}, true, &TForm1::show_check},
    };
    // clang-format on
    for (const command& c : commands) {
        QAction* action = qira::make_command(this, c.name, tr(c.text), c.keys);
        action->setEnabled(c.enabled);
        connect(action, &QAction::triggered, this, [this, what = c.run] { run(what); });
        this->*c.action = action;
    }
}

void TForm1::run(command_outcome (TForm1::*command)()) {
    qira::run_command(doc, relay_, save_status, [this, command] { return (this->*command)(); });
}

namespace {

void set_enabled(std::initializer_list<QAction*> actions, bool enabled) {
    for (QAction* action : actions)
        action->setEnabled(enabled);
}

} // namespace

void TForm1::report_error(const QString& text) {
    messages().show(QLatin1String(qira::app_title), text);
}

QString TForm1::database_path_text() const {
    return files_->database_path_text();
}

QString TForm1::language_path_text() const {
    return files_->language_path_text();
}

void TForm1::set_file_ops(qira::file_ops& ops) {
    files_->set_file_ops(ops);
}

void TForm1::set_folder_chooser(folder_chooser chooser) {
    folder_->set_chooser(std::move(chooser));
}

void TForm1::set_patch_chooser(qira::file_chooser chooser) {
    patches_->set_chooser(std::move(chooser));
}

void TForm1::set_compare_chooser(qira::file_chooser chooser) {
    patches_->set_game_chooser(std::move(chooser));
}

void TForm1::set_conflict_resolver(std::function<bool(qira::merge_conflicts_window&)> resolver) {
    patches_->set_resolver(std::move(resolver));
}

void TForm1::set_patch_reviewer(std::function<bool(qira::patch_review_window&)> reviewer) {
    patches_->set_reviewer(std::move(reviewer));
}

bool TForm1::save_despite_problems() {
    return checks_->save_despite_problems();
}

void TForm1::connect_folder_stores() {
    if (tables)
        qira::connect_folder_stores(*tables);
}

void TForm1::FormCreate() {
    find_game_folder();
    if (auto key = qira::registry_key::open(QLatin1String(qira::editor_key))) {
        const QString language = key->read(QLatin1String(qira::language_value)).value_or(QString());
        if (!language.isEmpty()) {
            run_guarded([&] {
                const auto index = qira::to_int(language);
                if (index)
                    cb_lng->setCurrentIndex(
                        index.value >= 0 && index.value < cb_lng->count() ? index.value : -1);
                return index.outcome();
            });
        }
        key->close();
    }
    // The list always leaves start-up with an entry selected.
    if (cb_lng->currentIndex() < 0)
        cb_lng->setCurrentIndex(0);
    // Over the window once it shows.
    QTimer::singleShot(0, this, [this] { run(&TForm1::recover_session); });
}

void TForm1::find_game_folder() {
    const bool found = folder_->find();
    Button15->setVisible(!found);
    if (!found)
        save_status->setText(
            tr("QIRA 2004 was not found: choose its folder with \"Game folder...\"."));
}

command_outcome TForm1::choose_game_folder() {
    return folder_->choose();
}

command_outcome TForm1::open_database() {
    return game_opened(files_->open());
}

command_outcome TForm1::game_opened(command_outcome opened) {
    if (!opened.refusal.ok()) {
        Button15->show(); // "Game folder..."
        return opened;
    }
    // Both files are good and have replaced whatever was open before; the windows of the tables
    // and of the check showed the game that was open.
    close_other_windows();
    checks_->files_opened();
    patches_->files_opened(files_->database_path(), files_->language_path());
    doc.undo_stack()->clear();
    recovery_->files_opened(files_->database_path(), files_->language_path(), patches_->opened());
    show_game_open(true);
    return opened;
}

command_outcome TForm1::recover_session() {
    // Only at start, before any game is open.
    if (save_action->isEnabled())
        return command_outcome::done();
    const auto left = recovery_->offer();
    if (!left)
        return command_outcome::done();
    command_outcome opened = game_opened(files_->open_files(left->database, left->language));
    if (!opened.refusal.ok()) {
        const QString kept = recovery_->taken_back(*left, false);
        return command_outcome::refused(shown_text(opened.refusal) + QStringLiteral("\n\n") + kept,
                                        opened.caption);
    }
    command_outcome applied = patches_->review_and_apply(left->changes, left->name, left->note);
    const QString kept =
        recovery_->taken_back(*left, applied.refusal.ok() && !applied.step.empty());
    if (!kept.isEmpty()) {
        if (!applied.refusal.ok())
            applied.refusal.problem += "\n\n" + kept.toStdString();
        else
            applied.status = applied.status.value_or(QString()) + QLatin1Char(' ') + kept;
    }
    return applied;
}

command_outcome TForm1::save_changes() {
    if (!checks_->save_despite_problems())
        return command_outcome::done();
    command_outcome saved = files_->save();
    if (saved.refusal.ok())
        recovery_->files_saved();
    return saved;
}

command_outcome TForm1::close_database() {
    if (!files_->confirm_discard())
        return command_outcome::done();
    recovery_->closed();
    // What was not saved is dropped with the steps that made it.
    doc.undo_stack()->clear();
    show_game_open(false);
    close_other_windows();
    return command_outcome::done(QStringLiteral(" "));
}

void TForm1::show_game_open(bool open) {
    // In this order: a button that loses the focus by being disabled hands it to the next.
    cb_lng->setEnabled(!open);
    if (open) {
        finish_action->setText(tr("Finish Editing..."));
        build_navigation_tree();
        team->fill_stadium_list();
        doc.trees.copy_to_exchange();
    }
    set_enabled({open_action, folder_action}, !open);
    set_enabled({save_action, close_action}, open);
    if (open) {
        TreeView1->show();
        TreeView1Find->show();
        doc.trees_built();
        main->setCurrentWidget(TabSheet5);
        Panel4->hide();
    }
    for (QPushButton* b : {Button4, ButtonUndo, ButtonRedo, ButtonTables, ButtonCheck})
        b->setVisible(open);
    set_enabled({patch_save_action, patch_apply_action, compare_action, merge_action}, open);
}

void TForm1::close_other_windows() {
    if (tables)
        tables->close();
    checks_->close_window();
}

command_outcome TForm1::exit_editor() {
    if (!files_->confirm_discard())
        return command_outcome::done();
    recovery_->closed();
    files_->store_language();
    exiting_ = true;
    close();
    QCoreApplication::quit();
    return command_outcome::done();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!exiting_) {
        bool leave = false;
        run_guarded([&] {
            if (files_->confirm_discard()) {
                recovery_->closed();
                files_->store_language();
                leave = true;
            }
        });
        if (!leave) {
            event->ignore();
            return;
        }
        exiting_ = true;
    }
    store_place();
    // The windows of the tables and of the check go with this one.
    close_other_windows();
    event->accept();
    QWidget::closeEvent(event);
}

command_outcome TForm1::switch_screens() {
    const bool to_editing = !Panel4->isHidden();
    Panel4->setHidden(to_editing);
    if (!to_editing)
        Panel4->raise();
    finish_action->setText(to_editing ? tr("Finish Editing...") : tr("Continue Editing..."));
    TreeView1->setVisible(to_editing);
    TreeView1Find->setVisible(to_editing);
    return command_outcome::done();
}

command_outcome TForm1::undo() {
    doc.undo_stack()->undo();
    return command_outcome::done();
}

command_outcome TForm1::redo() {
    doc.undo_stack()->redo();
    return command_outcome::done();
}

command_outcome TForm1::save_patch() {
    return patches_->save_patch();
}

command_outcome TForm1::apply_patch() {
    return patches_->apply_patch();
}

command_outcome TForm1::compare_with() {
    return patches_->compare_with();
}

command_outcome TForm1::merge_patches() {
    return patches_->merge_patches();
}

command_outcome TForm1::show_check() {
    checks_->show();
    return command_outcome::done();
}

command_outcome TForm1::show_tables() {
    if (!tables) {
        // A window of its own (not a child of this one: its keys are its own).
        tables = new qira::tables_window(doc, nullptr);
        connect_folder_stores();
        tables->show();
        place_tables_window();
    } else if (tables->isHidden()) {
        tables->refresh();
    }
    tables->show();
    tables->raise();
    tables->activateWindow();
    return command_outcome::done();
}

void TForm1::place_tables_window() {
    QScreen* on = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect available = on ? on->availableGeometry() : QRect(0, 0, 1280, 900);
    // The frame around the window's content (none on some platforms).
    const QSize frame = tables->frameGeometry().size() - tables->geometry().size();
    std::optional<QRect> place;
    if (auto key = qira::registry_key::open(QLatin1String(qira::editor_key))) {
        if (const auto text = key->read(QLatin1String(qira::tables_place_value)))
            if (const auto remembered = qira::place_from_text(*text))
                place = qira::fit_remembered(*remembered, available);
        key->close();
    }
    if (!place)
        place = qira::place_beside(frameGeometry(), tables->size() + frame, available);
    tables->resize(place->size() - frame);
    tables->move(place->topLeft());
    tables->place_store = [](const QRect& frame_place) {
        if (auto key = qira::registry_key::open(QLatin1String(qira::editor_key))) {
            // A place that cannot be stored is only not offered again.
            (void)key->write(QLatin1String(qira::tables_place_value),
                             qira::place_text(frame_place));
            key->close();
        }
    };
}

void TForm1::show_selected_node() {
    const QTreeWidgetItem* node = TreeView1->currentItem();
    if (!node || !node->isSelected())
        return;
    const QString label = node->text(0);
    // The page is switched before it is filled. A label that no row has (a link to a team or a
    // player without a row) gives -1: the page is cleared and its Apply does nothing.
    switch (qira::game_trees::level_of(node)) {
    case 0:
        main->setCurrentIndex(0);
        league->show_league(qira::resolve_league(game, label));
        break;
    case 1:
        main->setCurrentIndex(1);
        team->show_team(qira::resolve_team(game, label));
        break;
    case 2:
        main->setCurrentIndex(2);
        player->show_player(qira::resolve_player(game, label));
        break;
    default:
        break;
    }
}

void TForm1::show_selected_node_again() {
    const QTreeWidgetItem* node = TreeView1->currentItem();
    if (main->currentWidget() != roster || !node || !node->isSelected() ||
        qira::game_trees::level_of(node) != 1) {
        show_selected_node();
        return;
    }
    team->show_team(qira::resolve_team(game, node->text(0)));
    roster->refresh_roster_list();
}

void TForm1::show_table_row(int table, int row) {
    using namespace qira::table_index;
    switch (table) {
    case leagues:
        main->setCurrentIndex(0);
        league->show_league(row);
        break;
    case teams:
        main->setCurrentIndex(1);
        team->show_team(row);
        break;
    case players:
        main->setCurrentIndex(2);
        player->show_player(row);
        break;
    default:
        ButtonTablesClick();
        tables->show_table(table);
        if (row >= 0 && row < tables->model->rowCount()) {
            const QModelIndex at = tables->filter->mapFromSource(tables->model->index(row, 0));
            tables->grid->setCurrentIndex(at);
            tables->grid->scrollTo(at);
        }
        return;
    }
    raise();
    activateWindow();
}
