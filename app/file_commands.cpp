#include "app/file_commands.h"

#include "app/game_paths.h"
#include "app/registry.h"
#include "editing/open_game.h"
#include "views/game_document.h"
#include "views/message_sink.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QUndoStack>

#include <algorithm>

namespace qira {

namespace {

// The language file's message ends in "!", the database's in ".": two texts, as the window has
// always worded them.
QString cannot_open_language_text(const QString& file_name) {
    //: %1: the language file's name (eng.db)
    return QCoreApplication::translate("qira::file_commands",
                                       "Can't open %1 file!\n\rMake sure QIRA 2004 fully installed")
        .arg(file_name);
}

QString cannot_open_database_text(const QString& file_name) {
    //: %1: the game database's name (qira.db)
    return QCoreApplication::translate("qira::file_commands",
                                       "Can't open %1 file.\n\rMake sure QIRA 2004 fully installed")
        .arg(file_name);
}

// A file that did not load: one that cannot be opened or read gets the window's own words, a
// refused one its reason.
command_outcome refuse_file(const result& refusal, const QString& cannot_open) {
    const bool unreadable =
        refusal.status == result::code::cannot_open || refusal.status == result::code::cannot_read;
    //: Title of the message box of a game file that did not load
    const QString caption = QCoreApplication::translate("qira::file_commands", "Fatal Error");
    return unreadable ? command_outcome::refused(cannot_open, caption)
                      : command_outcome::refused(refusal, caption);
}

} // namespace

void file_commands::follow_files(const std::filesystem::path& database,
                                 const std::filesystem::path& language) {
    // DIR/data/cmn/qira.db and DIR/data/cmn/fe/<code>.db, in any case.
    const auto named = [](const std::filesystem::path& p, const char* name) {
        return from_fs_path(p.filename()).compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    const std::filesystem::path cmn = database.parent_path();
    const std::filesystem::path data = cmn.parent_path();
    if (named(database, "qira.db") && named(cmn, "cmn") && named(data, "data"))
        w_.folder->setText(install_dir_of_folder(from_fs_path(data.parent_path())));
    const QStringList codes = language_file_codes();
    for (int i = 0; i < codes.size(); ++i)
        if (named(language, qPrintable(language_file_name(i))))
            w_.language->setCurrentIndex(i);
}

QString file_commands::database_path_text() const {
    return qira::database_path_text(w_.folder->text());
}

QString file_commands::language_path_text() const {
    return qira::language_path_text(w_.folder->text(), w_.language->currentIndex());
}

command_outcome file_commands::open() {
    return open_paths(resolve_game_path(database_path_text()),
                      resolve_game_path(language_path_text()));
}

command_outcome file_commands::open_files(const std::filesystem::path& database,
                                          const std::filesystem::path& language) {
    follow_files(database, language);
    return open_paths(database, language);
}

command_outcome file_commands::open_paths(const std::filesystem::path& database_path,
                                          const std::filesystem::path& language_path) {
    const int language = w_.language->currentIndex();
    QProgressBar* pb = w_.progress;
    int progress = 0;
    pb->setValue(0);
    pb->show();
    pb->repaint();
    open_options options;
    options.require_editor_parts = true;
    options.progress = [&](int, int share) {
        progress += share;
        pb->setValue(std::min(progress, pb->maximum()));
        pb->repaint();
    };
    const auto opened = open_game_files(database_path, language_path, doc_.game, options);
    pb->setValue(0);
    pb->hide();
    if (!opened) {
        if (opened.value == game_file::language)
            return refuse_file(opened, cannot_open_language_text(language_file_name(language)));
        return refuse_file(opened, cannot_open_database_text(QStringLiteral("qira.db")));
    }
    database_path_ = database_path;
    language_path_ = language_path;
    return command_outcome::done(QStringLiteral(" "));
}

command_outcome file_commands::save() {
    const QString database_name = from_fs_path(database_path_.filename());
    const QString language_name = from_fs_path(language_path_.filename());
    // Both files or neither: the message of a failure says what became of each.
    const auto saved = save_game_files(doc_.game, database_path_, language_path_, *file_ops_);
    if (!saved)
        //: Title of the message box of a save that failed
        return command_outcome::refused(saved, tr("Error"));
    doc_.undo_stack()->setClean();
    return command_outcome::done(
        //: %1: the game database's file name, %2: the language file's name
        tr("Changes saved to %1 and %2.").arg(database_name, language_name));
}

bool file_commands::confirm_discard() {
    return !doc_.has_unsaved_changes() ||
           messages_.ask(QLatin1String(app_title),
                         tr("There are changes that have not been saved. Discard them?"));
}

void file_commands::store_language() {
    if (auto key = registry_key::open(QLatin1String(editor_key))) {
        // A language that cannot be stored is only not chosen again at the next start.
        (void)key->write(QLatin1String(language_value),
                         QString::number(w_.language->currentIndex()));
        key->close();
    }
}

} // namespace qira
