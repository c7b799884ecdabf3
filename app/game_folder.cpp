#include "app/game_folder.h"

#include "app/game_paths.h"
#include "app/install_search.h"
#include "app/registry.h"
#include "app/wine_registry.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>

#include <optional>
#include <string>
#include <vector>

namespace qira {

namespace {

std::string utf8_of(const QString& text) {
    return text.toUtf8().toStdString();
}

#ifndef _WIN32
// The install folders that the game's keys in Wine's prefixes name ($WINEPREFIX, ~/.wine); on
// Windows the registry itself holds the game's keys.
std::vector<std::string> wine_install_dirs() {
    std::vector<std::string> dirs;
    const QByteArray wineprefix = qgetenv("WINEPREFIX");
    const QByteArray home = qgetenv("HOME");
    for (const auto& prefix : wine::prefixes(wineprefix.constData(), home.constData()))
        for (const auto& dir : wine::game_install_dirs(prefix).install_dirs)
            dirs.push_back(utf8_of(from_fs_path(dir)));
    return dirs;
}
#endif

} // namespace

bool game_folder::find() {
    // The registry's value; nothing when the registry cannot be used at all.
    std::optional<QString> stored;
    if (auto key = registry_key::open(QLatin1String(install_key))) {
        stored = key->read(QLatin1String(install_dir_value)).value_or(QString());
        key->close();
    }
    std::vector<install_source> sources;
    sources.push_back({"the editor's registry value", [&] {
                           return stored && !stored->isEmpty()
                                      ? std::vector<std::string>{utf8_of(*stored)}
                                      : std::vector<std::string>{};
                       }});
    sources.push_back({"the game's registry keys", [] {
                           std::vector<std::string> dirs;
                           for (const QString& dir : machine_install_dirs())
                               dirs.push_back(utf8_of(dir));
                           return dirs;
                       }});
#ifndef _WIN32
    sources.push_back({"Wine prefixes", wine_install_dirs});
#endif
    const auto found = find_install(sources, [](const std::string& dir) {
        return holds_game_database(QString::fromUtf8(dir.c_str()));
    });
    if (found)
        folder_->setText(QString::fromUtf8(found->folder.c_str()));
    else if (stored)
        folder_->setText(*stored);
    return found.has_value();
}

command_outcome game_folder::choose() {
    QString start = QDir::homePath();
    if (const auto current = to_fs_path(folder_->text()).parent_path(); !current.empty()) {
        const QString folder = from_fs_path(current);
        if (QDir(folder).exists())
            start = folder;
    }
    const QString folder = choose_
                               ? choose_(start)
                               : QFileDialog::getExistingDirectory(
                                     window_, tr("The folder QIRA 2004 is installed in"), start);
    if (folder.isEmpty())
        return command_outcome::done();
    const QString dir = install_dir_of_folder(folder);
    if (!holds_game_database(dir)) {
        return command_outcome::refused(
            //: %1: the folder chosen
            tr("%1 holds no data\\cmn\\qira.db, so it is not the folder "
               "of QIRA 2004.\n\nChoose the folder the game is "
               "installed in (the one that holds \"data\").")
                .arg(QDir::toNativeSeparators(folder)));
    }
    folder_->setText(dir);
    bool remembered = false;
    if (auto key = registry_key::open(QLatin1String(install_key))) {
        remembered = key->write(QLatin1String(install_dir_value), dir).ok();
        key->close();
    }
    if (remembered)
        //: %1: the game's install folder
        return command_outcome::done(tr("The game's folder is %1.").arg(dir));
    //: %1: the game's install folder
    return command_outcome::done(tr("The game's folder is %1 for now: it could not be "
                                    "remembered for the next start.")
                                     .arg(dir));
}

} // namespace qira
