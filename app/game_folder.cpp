// Where the game is: the search at start-up and the "Game folder..." command of the start screen.

#include "app/game_paths.h"
#include "app/install_search.h"
#include "app/main_window.h"
#include "app/registry.h"
#include "app/wine_registry.h"

#include <QDir>
#include <QFileDialog>

#include <optional>
#include <string>
#include <vector>

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
    for (const auto& prefix : qira::wine::prefixes(wineprefix.constData(), home.constData()))
        for (const auto& dir : qira::wine::game_install_dirs(prefix).install_dirs)
            dirs.push_back(utf8_of(qira::from_fs_path(dir)));
    return dirs;
}
#endif

} // namespace

void TForm1::find_game_folder() {
    // The registry's value; nothing when the registry cannot be used at all.
    std::optional<QString> stored;
    if (auto key = qira::registry_key::open(QLatin1String(qira::install_key))) {
        stored = key->read(QLatin1String(qira::install_dir_value)).value_or(QString());
        key->close();
    }
    std::vector<qira::install_source> sources;
    sources.push_back({"the editor's registry value", [&] {
                           return stored && !stored->isEmpty()
                                      ? std::vector<std::string>{utf8_of(*stored)}
                                      : std::vector<std::string>{};
                       }});
    sources.push_back({"the game's registry keys", [] {
                           std::vector<std::string> dirs;
                           for (const QString& dir : qira::machine_install_dirs())
                               dirs.push_back(utf8_of(dir));
                           return dirs;
                       }});
#ifndef _WIN32
    sources.push_back({"Wine prefixes", wine_install_dirs});
#endif
    const auto found = qira::find_install(sources, [](const std::string& dir) {
        return qira::holds_game_database(QString::fromUtf8(dir.c_str()));
    });
    if (found)
        Edit1->setText(QString::fromUtf8(found->folder.c_str()));
    else if (stored)
        Edit1->setText(*stored);
    Button15->setVisible(!found);
    if (!found)
        save_status->setText(QStringLiteral("QIRA 2004 was not found: choose its folder with "
                                            "\"Game folder...\"."));
}

void TForm1::Button15Click() {
    QString start = QDir::homePath();
    if (const auto current = qira::to_fs_path(Edit1->text()).parent_path(); !current.empty()) {
        const QString folder = qira::from_fs_path(current);
        if (QDir(folder).exists())
            start = folder;
    }
    const QString folder =
        choose_folder_ ? choose_folder_(start)
                       : QFileDialog::getExistingDirectory(
                             this, QStringLiteral("The folder QIRA 2004 is installed in"), start);
    if (folder.isEmpty())
        return;
    const QString dir = qira::install_dir_of_folder(folder);
    if (!qira::holds_game_database(dir)) {
        messages().show(QLatin1String(qira::app_title),
                        QStringLiteral("%1 holds no data\\cmn\\qira.db, so it is not the folder "
                                       "of QIRA 2004.\n\nChoose the folder the game is "
                                       "installed in (the one that holds \"data\").")
                            .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    Edit1->setText(dir);
    bool remembered = false;
    if (auto key = qira::registry_key::open(QLatin1String(qira::install_key))) {
        remembered = key->write(QLatin1String(qira::install_dir_value), dir).ok();
        key->close();
    }
    save_status->setText(remembered
                             ? QStringLiteral("The game's folder is %1.").arg(dir)
                             : QStringLiteral("The game's folder is %1 for now: it could not be "
                                              "remembered for the next start.")
                                   .arg(dir));
}
