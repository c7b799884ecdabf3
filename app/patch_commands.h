#pragma once
// Patches on the start screen: "Save changes as patch..." writes what the user changed since the
// files were opened; "Apply patch..." shows a patch file's changes for review and applies those
// the user keeps to the open game as one undo step; "Compare with..." does the same with the
// differences from the open game to another install's game; "Merge patches..." merges two patch
// files made on the open game, the user choosing a side for each conflict, and reviews the merged
// changes as "Apply patch..." does. The folders of the file dialogs are
// kept in the editor's own registry key.

#include "patch/patch_edit.h"
#include "views/command_action.h"
#include "views/file_dialogs.h"

#include <QCoreApplication>

#include <filesystem>
#include <functional>

class QWidget;

namespace qira {

class game_document;
class merge_conflicts_window;
class patch_review_window;
class tables_window;

// Shows the review of a patch and tells whether the user chose to apply what is ticked (by
// default the dialog runs modal; tests tick and answer instead).
using patch_reviewer = std::function<bool(patch_review_window&)>;
// Shows the conflicts of two patches merged and tells whether the user went on with the sides
// chosen (by default the dialog runs modal; tests choose and answer instead).
using conflict_resolver = std::function<bool(merge_conflicts_window&)>;

class patch_commands {
    Q_DECLARE_TR_FUNCTIONS(qira::patch_commands)

  public:
    // `window`: the window the dialogs and the progress are shown over.
    patch_commands(game_document& doc, QWidget* window);

    // Asks for a patch file to write (`save`) or read; tests answer instead of the dialogs.
    void set_chooser(file_chooser chooser) { choose_ = std::move(chooser); }
    void set_reviewer(patch_reviewer reviewer) { review_ = std::move(reviewer); }
    void set_resolver(conflict_resolver resolver) { resolve_ = std::move(resolver); }
    // Asks for another install's game database to compare with.
    void set_game_chooser(file_chooser chooser) { choose_game_ = std::move(chooser); }

    // The files as opened, for "Save changes as patch..." (a file that cannot be read again
    // leaves that command without a base, which it says when it is used).
    void files_opened(const std::filesystem::path& database, const std::filesystem::path& language);
    // The two files as they were read right after they were opened (empty when they could not
    // be read again).
    const opened_files& opened() const { return opened_; }
    // "Save changes as patch...": the changes since the files were opened, to a patch file.
    command_outcome save_patch();
    // "Apply patch...": a patch file read, reviewed and applied (review_and_apply).
    command_outcome apply_patch();
    // "Compare with...": another install's qira.db and its language file of the open language,
    // read (never written) and compared with the open game; the differences reviewed and
    // applied (review_and_apply).
    command_outcome compare_with();
    // "Merge patches...": two patch files (asked for one after the other) made on the open game,
    // merged; the conflicts shown for a side to be chosen for each, then the merged patch
    // reviewed and applied (review_and_apply). Cancel at any point changes nothing.
    command_outcome merge_patches();
    // A patch read (from a file named `name`, or kept by the recovery) applied to the open game:
    // shown for review first, then the changes the user ticked applied as one undo step; Cancel
    // changes nothing. `note` is said above the changes (why they are shown; empty: nothing);
    // `step_name` names the undo step (empty: "apply patch <name>"), `title` the review's window
    // (empty: "Review patch <name>").
    command_outcome review_and_apply(const patch& p, const QString& name, const QString& note = {},
                                     const QString& step_name = {}, const QString& title = {});

  private:
    game_document& doc_;
    QWidget* window_;
    file_chooser choose_;
    file_chooser choose_game_;
    patch_reviewer review_;
    conflict_resolver resolve_;
    // The two files as they were opened, to make the patch of what was changed since.
    opened_files opened_;
    // The open language file's own name ("eng.db"; empty without one): the other install's
    // language file of the same language is compared.
    std::filesystem::path language_name_;
};

// Gives the window of the tables the folder its CSV dialogs start in, kept in the registry.
void connect_folder_stores(tables_window& tables);

} // namespace qira
