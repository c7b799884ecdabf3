#pragma once
// The editor's one window: a thin top bar, the navigation tree on the left, the page control with
// the league, team, player and roster pages on the right, and the start screen that covers both
// until a database is open. Every widget of the window is a public member under the name that the
// handlers use, and carries that name as its objectName; the pages' widgets are members of their
// page (views/), reached through it: `player->pl_name`.
//
// Edits with an attached up-down spinner (pl_height and pl_height_p, ...) are one qira::spin_edit:
// the `_p` member is the spinner, the edit member is the spinner's own text field. The edit's
// change event is the spinner's textChanged: it fires when setting the spinner from code
// rewrites the edit's text and when the user types or steps to another number (Qt keeps the text
// field's own signals quiet while the spinner rewrites it). A typed text that is not a whole
// number within range never becomes the spinner's value (see views/widgets.h).
//
// Drop-down lists are QComboBoxes whose "change" is `activated` (the user picked an entry);
// setting an item from code fires no change. Track bars are QSliders, list boxes QListWidgets.

#include "views/check_window.h"
#include "views/command_action.h"
#include "views/file_dialogs.h"
#include "views/game_document.h"
#include "views/handler_values.h"
#include "views/league_page.h"
#include "views/message_sink.h"
#include "views/node_tree.h"
#include "views/player_page.h"
#include "views/roster_page.h"
#include "views/tables_window.h"
#include "views/team_page.h"
#include "views/tree_find.h"

// The widget classes come with this header: the views and the tests use the members directly.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QCloseEvent;

namespace qira {
class check_commands;
class file_commands;
class game_folder;
class patch_commands;
class merge_conflicts_window;
class patch_review_window;
class recovery_commands;
} // namespace qira

// The window: the top bar, the start screen and the editing area, composed of the pages of
// views/ and of the commands of app/ (file_commands, patch_commands, check_commands,
// game_folder, recovery_commands). Each command of the window is a QAction that its push button
// triggers (app/main_commands.cpp).
class TForm1 : public QWidget {
    Q_OBJECT

  public:
    // `messages` shows the window's boxes; nullptr: real dialogs. FormCreate runs at the end.
    explicit TForm1(qira::message_sink* messages = nullptr, QWidget* parent = nullptr);
    ~TForm1() override;

    // The open game, its trees and its undo stack.
    qira::game_document doc;

  private:
    // Made before the members that refer to them: the boxes of the window and of its commands
    // go through the relay to the sink of set_message_sink; the check commands hold `check`.
    qira::message_relay relay_;
    std::unique_ptr<qira::check_commands> checks_;

  public:
    qira::open_game& game = doc.game;
    // The nodes of TreeView1 and of xchange in depth-first order: node n of one tree is node n
    // of the other.
    std::vector<QTreeWidgetItem*>& tree_nodes = doc.trees.tree_nodes;
    std::vector<QTreeWidgetItem*>& xchange_nodes = doc.trees.xchange_nodes;

    // --- Top bar and regions
    QFrame* Panel1;
    QLabel* Image1;
    QPushButton* Button4;      // "Finish Editing..." / "Continue Editing..."
    QPushButton* ButtonUndo;   // "Undo", Ctrl+Z
    QPushButton* ButtonRedo;   // "Redo", Ctrl+Shift+Z and Ctrl+Y
    QPushButton* ButtonTables; // "All tables...", Ctrl+T
    QLabel* Image4;
    QFrame* Panel3;
    qira::node_tree* TreeView1;
    qira::tree_find* TreeView1Find; // find in the navigation tree
    QTabWidget* main;
    QFrame* Panel2;
    QFrame* Panel4;   // the start screen
    QLineEdit* Edit1; // the game's install directory, never shown

    // --- Start screen
    QLabel* Image2;
    QLabel* Image3;
    QPushButton* Button1; // "Open Database"
    // "Game folder..." (app/game_folder.cpp): shown when the game was not found or did not open.
    QPushButton* Button15;
    QLabel* Label32;
    QComboBox* cb_lng;
    QPushButton* Button14;         // "Close"
    QPushButton* Button11;         // "Save Changes"
    QPushButton* Button10;         // "Exit"
    QPushButton* ButtonPatchSave;  // "Save changes as patch..."
    QPushButton* ButtonPatchApply; // "Apply patch..."
    QPushButton* ButtonCompare;    // "Compare with...", Ctrl+Shift+D
    QPushButton* ButtonMerge;      // "Merge patches...", Ctrl+Shift+M
    // The window's own language (app/ui_language.h), kept for the next start.
    QLabel* LabelUiLanguage;
    QComboBox* cb_ui_lng;
    QProgressBar* pb;
    qira::status_line* save_status; // a quiet line after a successful save

    // --- The pages: tabs 0 to 3, objectNames TabSheet1 to TabSheet4
    qira::league_page* league;
    qira::team_page* team;
    qira::player_page* player;
    qira::roster_page* roster;

    // --- Page 4: hints
    QWidget* TabSheet5;
    QPlainTextEdit* Memo1;

    // "Check game...": the references between the tables checked, each problem on a line.
    QPushButton* ButtonCheck;

    // --- The commands: each button's action, with its text, keys and enabled state
    // (app/main_commands.cpp); the button triggers it and follows it.
    QAction* open_action;        // Button1
    QAction* folder_action;      // Button15
    QAction* close_action;       // Button14
    QAction* save_action;        // Button11
    QAction* exit_action;        // Button10
    QAction* patch_save_action;  // ButtonPatchSave
    QAction* patch_apply_action; // ButtonPatchApply
    QAction* compare_action;     // ButtonCompare
    QAction* merge_action;       // ButtonMerge
    QAction* finish_action;      // Button4
    QAction* undo_action;        // ButtonUndo
    QAction* redo_action;        // ButtonRedo
    QAction* tables_action;      // ButtonTables
    QAction* check_action;       // ButtonCheck

    // --- Handlers of the start screen and the top bar: each runs its command as its action does
    void FormCreate();
    void Button1Click() { run(&TForm1::open_database); }   // "Open Database"
    void Button11Click() { run(&TForm1::save_changes); }   // "Save Changes"
    void Button14Click() { run(&TForm1::close_database); } // "Close"
    void Button10Click() { run(&TForm1::exit_editor); }    // "Exit"
    void Button4Click() { run(&TForm1::switch_screens); }  // "Finish Editing..." / "Continue..."

    // The window of every table ("All tables..."), made when first asked for; nullptr before.
    qira::tables_window* tables = nullptr;
    void ButtonTablesClick() { run(&TForm1::show_tables); }
    // The window of the problems, made when first asked for; nullptr before.
    qira::check_window*& check;
    void ButtonCheckClick() { run(&TForm1::show_check); }
    // Shows a row: its page (a league, team or player), else the grid of its table.
    void show_table_row(int table, int row);
    // Before a save: whether to save although the session added problems (the user is asked;
    // problems the files had on opening never hold a save back).
    bool save_despite_problems();

    // --- The game's folder (app/game_folder.h)
    // Fills Edit1 with the first install folder that holds the game database: the registry's
    // "Install Dir", the game's own keys (Windows) or Wine prefixes (elsewhere); when none
    // does, Edit1 gets the registry's value as it is and "Game folder..." is shown.
    void find_game_folder();
    // "Game folder...": a folder chooser, checked and remembered.
    void Button15Click() { run(&TForm1::choose_game_folder); }
    // Asks for a folder, starting at the one given; empty when the user cancels. Tests answer
    // instead of the dialog.
    using folder_chooser = std::function<QString(const QString& start)>;
    void set_folder_chooser(folder_chooser chooser);

    // --- Patches (app/patch_commands.h)
    // "Save changes as patch...": the changes since the files were opened, to a patch file.
    void ButtonPatchSaveClick() { run(&TForm1::save_patch); }
    // "Apply patch...": a patch file shown for review, then the changes ticked applied to the
    // open game as one undo step.
    void ButtonPatchApplyClick() { run(&TForm1::apply_patch); }
    // "Compare with...": another install's game compared with the open one, its differences
    // shown for review, then the changes ticked taken over as one undo step.
    void ButtonCompareClick() { run(&TForm1::compare_with); }
    // "Merge patches...": two patch files made on the open game merged, a side chosen for each
    // conflict, the merged changes reviewed and the ticked ones applied as one undo step.
    void ButtonMergeClick() { run(&TForm1::merge_patches); }
    // Asks for a patch file to write (`save`) or read, starting at `start`; empty when the user
    // cancels. Tests answer instead of the dialog.
    void set_patch_chooser(qira::file_chooser chooser);
    // Asks for the game database of "Compare with..."; tests answer instead of the dialog.
    void set_compare_chooser(qira::file_chooser chooser);
    // Shows a patch's review (modal) and tells whether to apply what is ticked; tests tick and
    // answer instead.
    void set_patch_reviewer(std::function<bool(qira::patch_review_window&)> reviewer);
    // Shows the conflicts of "Merge patches..." (modal) and tells whether to go on with the sides
    // chosen; tests choose and answer instead.
    void set_conflict_resolver(std::function<bool(qira::merge_conflicts_window&)> resolver);
    // Gives the window of the tables the folder its CSV dialogs start in, kept in the registry.
    void connect_folder_stores();

    // --- Recovery (app/recovery_commands.h): the unsaved changes kept while the editor runs,
    // offered back at the next start after a crash (FormCreate leaves the offer to the event
    // loop, once the window shows).
    qira::recovery_commands& recovery() { return *recovery_; }

    // --- The tree
    // Fills TreeView1 from the open game.
    void build_navigation_tree() { doc.trees.build(game); }
    // The handler of TreeView1Click and TreeView1Change: shows the selected node's page.
    void show_selected_node();
    // After the trees were built again: the selected node's page shows its row again; the roster
    // page stays shown over its team's node (a transfer, its undo or redo), its list filled again.
    void show_selected_node_again();

    // The pages' handlers, run as their buttons run them (a refusal is shown in a box).
    void show_team(int row) { team->show_team(row); }
    void l_applyClick() {
        run_guarded([this] { return league->l_applyClick(); });
    }
    void t_applyClick() {
        run_guarded([this] { return team->t_applyClick(); });
    }
    void pl_applyClick() {
        run_guarded([this] { return player->pl_applyClick(); });
    }

    // Applied edits that are not saved yet: the undo stack is not where the last open or save
    // left it.
    bool has_unsaved_changes() const { return doc.has_unsaved_changes(); }

    // The game's file paths as the window builds them from Edit1 and cb_lng.
    QString database_path_text() const;
    QString language_path_text() const;

    // Runs a command of the window along the one path of every command (run_command): a
    // refusal it returns is shown in a box, its undo step pushed and its status line written.
    void run(qira::command_outcome (TForm1::*command)());

    // Runs an event handler the way every handler of the window runs: the refusal it returns, or
    // an error it raises, is shown by the default error handler, and the program goes on.
    template <typename Handler> void run_guarded(Handler&& handler) {
        doc.run_guarded(std::forward<Handler>(handler));
    }
    // A slot for connect() that runs a handler of the window guarded.
    template <typename Returned> auto guarded(Returned (TForm1::*handler)()) {
        return doc.guarded(this, handler);
    }
    // The default error handler's box.
    void report_error(const QString& text);

    qira::message_sink& messages() { return relay_; }
    // The file operations that "Save Changes" writes through (tests make them fail).
    void set_file_ops(qira::file_ops& ops);
    void set_message_sink(qira::message_sink* messages);

    // Shows the window where it was left (kept in the editor's registry key), maximised if it
    // was, where the screen can show that place; else at its default size.
    void show_at_kept_place();
    // The size the window opens at, also its smallest: what its layout needs, at least 727 x 369.
    QSize default_size() const { return default_size_; }

  protected:
    // The window manager's close box works as "Exit".
    void closeEvent(QCloseEvent* event) override;
    // Larger than its default size, the tree takes a third of the width gained, the page the rest.
    void resizeEvent(QResizeEvent* event) override;
    // Opens the tables window where it was left (kept in the editor's registry key), or beside
    // this window where there is room, else over it; always inside the screen's available area.
    void place_tables_window();
    // Ctrl+Z in a text field undoes its typing while it has any; else the window's step.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The window's commands (app/main_commands.cpp): their actions, and what each does.
    void make_commands();
    qira::command_outcome open_database();
    qira::command_outcome save_changes();
    qira::command_outcome close_database();
    qira::command_outcome exit_editor();
    qira::command_outcome switch_screens();
    qira::command_outcome undo();
    qira::command_outcome redo();
    qira::command_outcome show_tables();
    qira::command_outcome show_check();
    qira::command_outcome choose_game_folder();
    qira::command_outcome save_patch();
    qira::command_outcome apply_patch();
    qira::command_outcome compare_with();
    qira::command_outcome merge_patches();
    // At start: the session an editor that did not close left, opened and applied as the user
    // chooses.
    qira::command_outcome recover_session();
    // After both files were opened (`opened` not refused): the window follows the new game.
    qira::command_outcome game_opened(qira::command_outcome opened);
    // The commands and the widgets as they are with a game open, or on the start screen without.
    void show_game_open(bool open);
    void close_other_windows();

    void build_top_bar();
    void build_start_screen();
    void make_start_commands();
    void lay_out_start_screen(QLabel* about, QLabel* disclaimer);
    void build_pages();
    void build_hints_page();
    void build_layout();
    void connect_handlers();
    void follow_undo();
    void build_find();
    // The title with a `*` while there are unsaved changes; the undo buttons' tooltips.
    void show_undo_state();
    // Keeps the window's place and maximised state in the registry (on closing).
    void store_place();
    // "Window language": kept, and said in that language to apply from the next start.
    void choose_ui_language(int index);

    std::unique_ptr<qira::message_sink> own_messages_;
    std::unique_ptr<qira::file_commands> files_;
    std::unique_ptr<qira::patch_commands> patches_;
    std::unique_ptr<qira::game_folder> folder_;
    std::unique_ptr<qira::recovery_commands> recovery_;
    bool exiting_ = false;
    QSize default_size_;
    int default_tree_width_ = 0;
};
