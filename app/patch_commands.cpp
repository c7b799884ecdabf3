#include "app/patch_commands.h"

#include "app/game_paths.h"
#include "app/registry.h"
#include "patch/patch_json.h"
#include "patch/patch_merge.h"
#include "patch/patch_review.h"
#include "views/game_document.h"
#include "views/merge_conflicts_window.h"
#include "views/message_sink.h"
#include "views/patch_review_window.h"
#include "views/shown_text.h"
#include "views/tables_window.h"
#include "views/widgets.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QScopeGuard>

#include <algorithm>
#include <optional>

namespace qira {

namespace {

constexpr char patch_folder_value[] = "patch folder";
constexpr char csv_folder_value[] = "csv folder";
constexpr char compare_folder_value[] = "compare folder";
constexpr std::size_t listed_conflicts = 20;

QString stored_folder(const char* value) {
    QString folder;
    if (auto key = registry_key::open(QLatin1String(editor_key))) {
        folder = key->read(QLatin1String(value)).value_or(QString());
        key->close();
    }
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QDir::homePath();
}

void store_folder(const char* value, const QString& folder) {
    if (auto key = registry_key::open(QLatin1String(editor_key))) {
        // A folder that cannot be stored is only not offered again: the dialog starts at home.
        (void)key->write(QLatin1String(value), folder);
        key->close();
    }
}

QString conflicts_text(const QString& name, const std::vector<result>& conflicts) {
    QStringList lines;
    for (std::size_t i = 0; i < conflicts.size() && i < listed_conflicts; ++i)
        lines << shown_text(conflicts[i]);
    if (conflicts.size() > listed_conflicts)
        lines << QStringLiteral("...");
    const QString listed = lines.join(QLatin1Char('\n'));
    if (conflicts.size() == 1)
        //: %1: the patch's name; %2: the conflict, on its own line
        return QCoreApplication::translate(
                   "qira::patch_commands",
                   "%1 does not apply to this game: 1 conflict. Nothing was changed.\n\n%2")
            .arg(name, listed);
    const int count = static_cast<int>(conflicts.size());
    //: %1: the patch's name; %Ln: how many conflicts (two or more); %2: the conflicts, one a line
    return QCoreApplication::translate(
               "qira::patch_commands",
               "%1 does not apply to this game: %Ln conflicts. Nothing was changed.\n\n%2", nullptr,
               count)
        .arg(name, listed);
}

// A count as the user's language writes numbers.
QString count_text(std::size_t n) {
    return QLocale().toString(static_cast<qulonglong>(n));
}

} // namespace

patch_commands::patch_commands(game_document& doc, QWidget* window)
    : doc_(doc), window_(window),
      choose_(file_dialogs(window, tr("Save changes as patch"), tr("Apply patch"),
                           //: File dialog filters: the parts in brackets stay as they are
                           tr("Patches (*.json);;All files (*)"))),
      choose_game_(file_dialogs(window, QString(), tr("Compare with another game"),
                                //: File dialog filters: the parts in brackets stay as they are
                                tr("Game database (qira.db);;All files (*)"))),
      review_([](patch_review_window& dialog) { return dialog.exec() == QDialog::Accepted; }),
      resolve_([](merge_conflicts_window& dialog) { return dialog.exec() == QDialog::Accepted; }) {}

void connect_folder_stores(tables_window& tables) {
    tables.set_folder_store([] { return stored_folder(csv_folder_value); },
                            [](const QString& f) { store_folder(csv_folder_value, f); });
}

void patch_commands::files_opened(const std::filesystem::path& database,
                                  const std::filesystem::path& language) {
    opened_ = {};
    language_name_ = language.filename();
    if (const auto reread = read_opened_files(database, language, opened_); !reread)
        opened_ = {};
}

command_outcome patch_commands::save_patch() {
    if (opened_.database.empty())
        return command_outcome::refused(
            tr("The files could not be read again after they were opened, so there "
               "is nothing to compare the changes with."));
    result_of<patch> made;
    run_with_progress(window_, tr("Comparing the game with its files as opened..."),
                      [&] { made = patch_since_opened(opened_, doc_.game); });
    if (!made)
        return command_outcome::refused(
            //: %1: why not
            tr("No patch can be made: %1").arg(shown_text(made)));
    if (made.value.empty())
        return command_outcome::refused(
            tr("Nothing was changed since the files were opened: there is no patch to write."));
    const QString path =
        choose_(true, stored_folder(patch_folder_value), QStringLiteral("mod.json"));
    if (path.isEmpty())
        return command_outcome::done();
    store_folder(patch_folder_value, QFileInfo(path).absolutePath());
    result saved;
    //: Progress; %1: the patch file's name
    run_with_progress(window_, tr("Writing %1...").arg(QFileInfo(path).fileName()),
                      [&] { saved = save_patch_file(to_fs_path(path), made.value); });
    if (!saved)
        //: Title of the message box of a save that failed
        return command_outcome::refused(saved, tr("Error"));
    //: %Ln: how many changes; %1: the patch file's name
    return command_outcome::done(tr("A patch of %Ln changes was written to %1.", nullptr,
                                    static_cast<int>(made.value.change_count()))
                                     .arg(QFileInfo(path).fileName()));
}

command_outcome patch_commands::apply_patch() {
    const QString path = choose_(false, stored_folder(patch_folder_value), QString());
    if (path.isEmpty())
        return command_outcome::done();
    store_folder(patch_folder_value, QFileInfo(path).absolutePath());
    const QString name = QFileInfo(path).fileName();
    patch p;
    result read;
    //: Progress; %1: the patch file's name
    run_with_progress(window_, tr("Reading %1...").arg(name),
                      [&] { read = load_patch_file(to_fs_path(path), p); });
    if (!read)
        return command_outcome::refused(read);
    return review_and_apply(p, name);
}

command_outcome patch_commands::merge_patches() {
    // The two files asked for one after the other; a file that is no patch refused at once.
    patch sides[2];
    QString names[2];
    for (int i = 0; i < 2; ++i) {
        const QString path = choose_(false, stored_folder(patch_folder_value), QString());
        if (path.isEmpty())
            return command_outcome::done();
        store_folder(patch_folder_value, QFileInfo(path).absolutePath());
        names[i] = QFileInfo(path).fileName();
        result read;
        //: Progress; %1: the patch file's name
        run_with_progress(window_, tr("Reading %1...").arg(names[i]),
                          [&] { read = load_patch_file(to_fs_path(path), sides[i]); });
        if (!read)
            return command_outcome::refused(read);
    }
    //: The two patch files merged, named in other messages; %1, %2: their file names
    const QString both = tr("%1 and %2").arg(names[0], names[1]);
    result_of<merged_patches> merged;
    //: Progress; %1: the two patch files ("a.json and b.json")
    run_with_progress(window_, tr("Merging %1...").arg(both), [&] {
        merged = qira::merge_patches(sides[0], sides[1], merge_side::none, &doc_.game.db);
    });
    if (!merged)
        return command_outcome::refused(
            //: %1: the two patch files; %2: why not
            tr("%1 cannot be merged: %2. Nothing was changed.").arg(both, shown_text(merged)));
    //: %1: the two patch files ("a.json and b.json")
    QString note = tr("Merged from %1: no conflicts.").arg(both);
    if (!merged.value.conflicts.empty()) {
        std::vector<merge_side> chosen;
        {
            merge_conflicts_window dialog(merged.value.conflicts,
                                          //: Window title; %1: the two patch files
                                          tr("Conflicts of %1").arg(both), names[0], names[1],
                                          window_);
            if (!resolve_(dialog))
                return command_outcome::done(
                    //: %1: the two patch files ("a.json and b.json")
                    tr("%1 were not merged; nothing was changed.").arg(both));
            chosen = dialog.choices();
        }
        merged = qira::merge_patches(sides[0], sides[1], chosen, &doc_.game.db);
        if (!merged)
            return command_outcome::refused(merged);
        const auto count = [&](merge_side side) {
            return static_cast<std::size_t>(std::count(chosen.begin(), chosen.end(), side));
        };
        const QString a = count_text(count(merge_side::a));
        const QString b = count_text(count(merge_side::b));
        const QString none = count_text(count(merge_side::none));
        note = chosen.size() == 1
                   //: %1: the two patch files; %2, %3, %4: how many conflicts took side a, took
                   //: side b, were left out
                   ? tr("Merged from %1: 1 conflict decided (a: %2, b: %3, left out: %4).")
                         .arg(both, a, b, none)
                   //: %1: the two patch files; %Ln: how many conflicts (two or more); %2, %3,
                   //: %4: how many took side a, took side b, were left out
                   : tr("Merged from %1: %Ln conflicts decided (a: %2, b: %3, left out: %4).",
                        nullptr, static_cast<int>(chosen.size()))
                         .arg(both, a, b, none);
    }
    return review_and_apply(merged.value.merged, both, note,
                            //: Undo step; %1: the two patch files ("a.json and b.json")
                            tr("merge patches %1").arg(both),
                            //: Window title; %1: the two patch files ("a.json and b.json")
                            tr("Merge patches %1").arg(both));
}

command_outcome patch_commands::compare_with() {
    const QString path =
        choose_game_(false, stored_folder(compare_folder_value), QStringLiteral("qira.db"));
    if (path.isEmpty())
        return command_outcome::done();
    const QFileInfo chosen(path);
    store_folder(compare_folder_value, chosen.absolutePath());
    const QString name = QDir::toNativeSeparators(chosen.absoluteFilePath());
    // The other install keeps its language files as the game does: fe\<code>.db beside qira.db.
    std::filesystem::path language;
    QString missing_language;
    if (!language_name_.empty()) {
        const QString beside =
            QStringLiteral("%1\\fe\\%2").arg(chosen.absolutePath(), from_fs_path(language_name_));
        language = resolve_game_path(beside);
        std::error_code ec;
        if (!std::filesystem::exists(language, ec)) {
            //: %1: the other game's database; %2: the language file's name
            missing_language = tr("%1 has no language file %2 beside it, so the "
                                  "language entries are not compared.")
                                   .arg(name, from_fs_path(language_name_));
            language.clear();
        }
    }
    result_of<patch> made;
    //: Progress; %1: the other game's database
    run_with_progress(window_, tr("Reading and comparing %1...").arg(name),
                      [&] { made = patch_to_other_game(doc_.game, to_fs_path(path), language); });
    if (!made)
        return command_outcome::refused(
            //: %1: the other game's database; %2: why not
            tr("The open game cannot be compared with %1: %2. Nothing was changed.")
                .arg(name, shown_text(made)));
    if (made.value.empty()) {
        //: %1: the other game's database
        QString same = tr("The open game and %1 hold the same.").arg(name);
        if (!missing_language.isEmpty())
            same += QLatin1Char(' ') + missing_language;
        return command_outcome::done(same);
    }
    //: %1: the other game's database
    QString note = tr("Differences from the open game to %1: tick what to take over.").arg(name);
    if (!missing_language.isEmpty())
        note += QLatin1Char('\n') + missing_language;
    return review_and_apply(made.value, name, note,
                            //: Undo step; %1: the other game's database
                            tr("take over from %1").arg(name),
                            //: Window title; %1: the other game's database
                            tr("Compare with %1").arg(name));
}

command_outcome patch_commands::review_and_apply(const patch& p, const QString& name,
                                                 const QString& note, const QString& step_name,
                                                 const QString& title) {
    if (p.empty())
        //: %1: the patch (or the game compared with)
        return command_outcome::done(tr("%1 holds no changes.").arg(name));
    std::optional<patch_review> review;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        review.emplace(doc_.game, p);
    }
    bool accepted = false;
    {
        patch_review_window dialog(
            //: Window title; %1: the patch file's name
            *review, title.isEmpty() ? tr("Review patch %1").arg(name) : title, note, window_);
        accepted = review_(dialog);
    }
    if (!accepted)
        return command_outcome::done(
            //: %1: the patch (or the game compared with)
            tr("%1 was not applied; nothing was changed.").arg(name));
    // The game changes here, on the window's own thread: nothing may paint it half changed.
    patch_step step = [&] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        // Everything ticked and nothing in conflict: the patch of the ticked changes is the
        // patch itself, which need not be copied.
        if (review->ticked_count() == review->change_count() && review->conflict_count() == 0)
            return apply_patch_step(doc_.game, p);
        return apply_patch_step(doc_.game, review->ticked_patch());
    }();
    if (!step.ok())
        return command_outcome::refused(conflicts_text(name, step.conflicts));
    if (step.made.empty())
        return command_outcome::done(
            //: %1: the patch (or the game compared with)
            tr("%1: the selected changes change nothing in this game.").arg(name));
    //: %1: the patch (or the game compared with); %2 of %3: the changes ticked of all changes
    command_outcome out = command_outcome::done(
        tr("%1: %2 of %3 changes applied; Undo takes them back.")
            .arg(name, count_text(review->ticked_count()), count_text(review->change_count())));
    out.step = std::move(step.made);
    //: Undo step; %1: the patch file's name
    out.step_name = step_name.isEmpty() ? tr("apply patch %1").arg(name) : step_name;
    return out;
}

} // namespace qira
