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
    return QStringLiteral("%1 does not apply to this game: %2 %3. Nothing was changed.\n\n%4")
        .arg(name)
        .arg(conflicts.size())
        .arg(conflicts.size() == 1 ? QStringLiteral("conflict") : QStringLiteral("conflicts"))
        .arg(lines.join(QLatin1Char('\n')));
}

} // namespace

patch_commands::patch_commands(game_document& doc, QWidget* window)
    : doc_(doc), window_(window),
      choose_(file_dialogs(window, QStringLiteral("Save changes as patch"),
                           QStringLiteral("Apply patch"),
                           QStringLiteral("Patches (*.json);;All files (*)"))),
      choose_game_(file_dialogs(window, QString(), QStringLiteral("Compare with another game"),
                                QStringLiteral("Game database (qira.db);;All files (*)"))),
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
            QStringLiteral("The files could not be read again after they were opened, so there "
                           "is nothing to compare the changes with."));
    result_of<patch> made;
    run_with_progress(window_, QStringLiteral("Comparing the game with its files as opened..."),
                      [&] { made = patch_since_opened(opened_, doc_.game); });
    if (!made)
        return command_outcome::refused(
            QStringLiteral("No patch can be made: %1").arg(shown_text(made)));
    if (made.value.empty())
        return command_outcome::refused(QStringLiteral(
            "Nothing was changed since the files were opened: there is no patch to write."));
    const QString path =
        choose_(true, stored_folder(patch_folder_value), QStringLiteral("mod.json"));
    if (path.isEmpty())
        return command_outcome::done();
    store_folder(patch_folder_value, QFileInfo(path).absolutePath());
    result saved;
    run_with_progress(window_, QStringLiteral("Writing %1...").arg(QFileInfo(path).fileName()),
                      [&] { saved = save_patch_file(to_fs_path(path), made.value); });
    if (!saved)
        return command_outcome::refused(saved, QLatin1String(save_error_caption));
    return command_outcome::done(QStringLiteral("A patch of %1 changes was written to %2.")
                                     .arg(made.value.change_count())
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
    run_with_progress(window_, QStringLiteral("Reading %1...").arg(name),
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
        run_with_progress(window_, QStringLiteral("Reading %1...").arg(names[i]),
                          [&] { read = load_patch_file(to_fs_path(path), sides[i]); });
        if (!read)
            return command_outcome::refused(read);
    }
    const QString both = QStringLiteral("%1 and %2").arg(names[0], names[1]);
    result_of<merged_patches> merged;
    run_with_progress(window_, QStringLiteral("Merging %1...").arg(both), [&] {
        merged = qira::merge_patches(sides[0], sides[1], merge_side::none, &doc_.game.db);
    });
    if (!merged)
        return command_outcome::refused(
            QStringLiteral("%1 cannot be merged: %2. Nothing was changed.")
                .arg(both, shown_text(merged)));
    QString note = QStringLiteral("Merged from %1: no conflicts.").arg(both);
    if (!merged.value.conflicts.empty()) {
        std::vector<merge_side> chosen;
        {
            merge_conflicts_window dialog(merged.value.conflicts,
                                          QStringLiteral("Conflicts of %1").arg(both), names[0],
                                          names[1], window_);
            if (!resolve_(dialog))
                return command_outcome::done(
                    QStringLiteral("%1 were not merged; nothing was changed.").arg(both));
            chosen = dialog.choices();
        }
        merged = qira::merge_patches(sides[0], sides[1], chosen, &doc_.game.db);
        if (!merged)
            return command_outcome::refused(merged);
        const auto count = [&](merge_side side) {
            return std::count(chosen.begin(), chosen.end(), side);
        };
        note =
            QStringLiteral("Merged from %1: %2 %3 decided (a: %4, b: %5, left out: %6).")
                .arg(both)
                .arg(chosen.size())
                .arg(chosen.size() == 1 ? QStringLiteral("conflict") : QStringLiteral("conflicts"))
                .arg(count(merge_side::a))
                .arg(count(merge_side::b))
                .arg(count(merge_side::none));
    }
    return review_and_apply(merged.value.merged, both, note,
                            QStringLiteral("merge patches %1").arg(both),
                            QStringLiteral("Merge patches %1").arg(both));
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
            missing_language = QStringLiteral("%1 has no language file %2 beside it, so the "
                                              "language entries are not compared.")
                                   .arg(name, from_fs_path(language_name_));
            language.clear();
        }
    }
    result_of<patch> made;
    run_with_progress(window_, QStringLiteral("Reading and comparing %1...").arg(name),
                      [&] { made = patch_to_other_game(doc_.game, to_fs_path(path), language); });
    if (!made)
        return command_outcome::refused(
            QStringLiteral("The open game cannot be compared with %1: %2. Nothing was changed.")
                .arg(name, shown_text(made)));
    if (made.value.empty()) {
        QString same = QStringLiteral("The open game and %1 hold the same.").arg(name);
        if (!missing_language.isEmpty())
            same += QLatin1Char(' ') + missing_language;
        return command_outcome::done(same);
    }
    QString note =
        QStringLiteral("Differences from the open game to %1: tick what to take over.").arg(name);
    if (!missing_language.isEmpty())
        note += QLatin1Char('\n') + missing_language;
    return review_and_apply(made.value, name, note, QStringLiteral("take over from %1").arg(name),
                            QStringLiteral("Compare with %1").arg(name));
}

command_outcome patch_commands::review_and_apply(const patch& p, const QString& name,
                                                 const QString& note, const QString& step_name,
                                                 const QString& title) {
    if (p.empty())
        return command_outcome::done(QStringLiteral("%1 holds no changes.").arg(name));
    std::optional<patch_review> review;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        review.emplace(doc_.game, p);
    }
    bool accepted = false;
    {
        patch_review_window dialog(
            *review, title.isEmpty() ? QStringLiteral("Review patch %1").arg(name) : title, note,
            window_);
        accepted = review_(dialog);
    }
    if (!accepted)
        return command_outcome::done(
            QStringLiteral("%1 was not applied; nothing was changed.").arg(name));
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
            QStringLiteral("%1: the selected changes change nothing in this game.").arg(name));
    command_outcome out =
        command_outcome::done(QStringLiteral("%1: %2 of %3 changes applied; Undo takes them back.")
                                  .arg(name)
                                  .arg(review->ticked_count())
                                  .arg(review->change_count()));
    out.step = std::move(step.made);
    out.step_name = step_name.isEmpty() ? QStringLiteral("apply patch %1").arg(name) : step_name;
    return out;
}

} // namespace qira
