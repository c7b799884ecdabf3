// Patches on the start screen: "Save changes as patch..." writes what the user changed since the
// files were opened; "Apply patch..." applies a patch file to the open game as one undo step.
// The folders of the file dialogs are kept in the editor's own registry key.

#include "app/game_paths.h"
#include "app/main_window.h"
#include "app/registry.h"
#include "patch/patch_json.h"
#include "views/widgets.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>

namespace {

constexpr char patch_folder_value[] = "patch folder";
constexpr char csv_folder_value[] = "csv folder";
constexpr std::size_t listed_conflicts = 20;

QString stored_folder(const char* value) {
    QString folder;
    if (auto key = qira::registry_key::open(QLatin1String(qira::editor_key))) {
        folder = key->read(QLatin1String(value)).value_or(QString());
        key->close();
    }
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QDir::homePath();
}

void store_folder(const char* value, const QString& folder) {
    if (auto key = qira::registry_key::open(QLatin1String(qira::editor_key))) {
        // A folder that cannot be stored is only not offered again: the dialog starts at home.
        (void)key->write(QLatin1String(value), folder);
        key->close();
    }
}

QString text_of(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

void TForm1::connect_folder_stores() {
    if (tables)
        tables->set_folder_store([] { return stored_folder(csv_folder_value); },
                                 [](const QString& f) { store_folder(csv_folder_value, f); });
}

void TForm1::ButtonPatchSaveClick() {
    if (opened_.database.empty()) {
        messages().show(QLatin1String(qira::app_title),
                        QStringLiteral("The files could not be read again after they were opened, "
                                       "so there is nothing to compare the changes with."));
        return;
    }
    qira::result_of<qira::patch> made;
    qira::run_with_progress(this, QStringLiteral("Comparing the game with its files as opened..."),
                            [&] { made = qira::patch_since_opened(opened_, game); });
    if (!made) {
        messages().show(QLatin1String(qira::app_title),
                        QStringLiteral("No patch can be made: %1").arg(text_of(made.message())));
        return;
    }
    if (made.value.empty()) {
        messages().show(QLatin1String(qira::app_title),
                        QStringLiteral("Nothing was changed since the files were opened: there is "
                                       "no patch to write."));
        return;
    }
    const QString path =
        choose_patch_(true, stored_folder(patch_folder_value), QStringLiteral("mod.json"));
    if (path.isEmpty())
        return;
    store_folder(patch_folder_value, QFileInfo(path).absolutePath());
    qira::result saved;
    qira::run_with_progress(
        this, QStringLiteral("Writing %1...").arg(QFileInfo(path).fileName()),
        [&] { saved = qira::save_patch_file(qira::to_fs_path(path), made.value); });
    if (!saved) {
        messages().show(QLatin1String(qira::save_error_caption), text_of(saved.message()));
        return;
    }
    save_status->setText(QStringLiteral("A patch of %1 changes was written to %2.")
                             .arg(made.value.change_count())
                             .arg(QFileInfo(path).fileName()));
}

void TForm1::ButtonPatchApplyClick() {
    const QString path = choose_patch_(false, stored_folder(patch_folder_value), QString());
    if (path.isEmpty())
        return;
    store_folder(patch_folder_value, QFileInfo(path).absolutePath());
    const QString name = QFileInfo(path).fileName();
    qira::patch p;
    qira::result read;
    qira::run_with_progress(this, QStringLiteral("Reading %1...").arg(name),
                            [&] { read = qira::load_patch_file(qira::to_fs_path(path), p); });
    if (!read) {
        messages().show(QLatin1String(qira::app_title), text_of(read.message()));
        return;
    }
    // The game changes here, on the window's own thread: nothing may paint it half changed.
    qira::patch_step step = [&] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        return qira::apply_patch_step(game, p);
    }();
    if (!step.ok()) {
        QStringList lines;
        for (std::size_t i = 0; i < step.conflicts.size() && i < listed_conflicts; ++i)
            lines << text_of(step.conflicts[i].message());
        if (step.conflicts.size() > listed_conflicts)
            lines << QStringLiteral("...");
        messages().show(QLatin1String(qira::app_title),
                        QStringLiteral("%1 does not apply to this game: %2 %3. Nothing was "
                                       "changed.\n\n%4")
                            .arg(name)
                            .arg(step.conflicts.size())
                            .arg(step.conflicts.size() == 1 ? QStringLiteral("conflict")
                                                            : QStringLiteral("conflicts"))
                            .arg(lines.join(QLatin1Char('\n'))));
        return;
    }
    if (step.made.empty()) {
        save_status->setText(QStringLiteral("%1 changes nothing in this game.").arg(name));
        return;
    }
    doc.push_table_edit(std::move(step.made), QStringLiteral("apply patch %1").arg(name));
    save_status->setText(QStringLiteral("%1 was applied (%2 changes); Undo takes it back.")
                             .arg(name)
                             .arg(p.change_count()));
}
