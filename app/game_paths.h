#pragma once
// The game's files under its install directory. The install directory is a prefix: the file
// names are appended to it directly, so it is expected to end with a backslash. Paths are written
// the game's way, with backslashes; on systems with another separator they are converted, and a
// component that does not exist with its exact case is matched case-insensitively, because
// installs copied from Windows often differ in case (Data/CMN/QIRA.DB).

#include "views/file_dialogs.h"
#include <QString>
#include <QStringList>

#include <filesystem>

namespace qira {

// Language files by the index of the language list: "eng", "spa", "swe", "fre", "dut", "ita".
QStringList language_file_codes();

// install_dir + "data\cmn\qira.db"
QString database_path_text(const QString& install_dir);
// install_dir + "data\cmn\fe\" + code of `language` + ".db"
QString language_path_text(const QString& install_dir, int language);
// "<code>.db", the language file's own name.
QString language_file_name(int language);

// Whether the install directory (a prefix, as above) holds the game database as a file.
bool holds_game_database(const QString& install_dir);
// The install directory of a folder: the folder with this system's separator at its end.
QString install_dir_of_folder(const QString& folder);

// The file that a game path names on this system.
std::filesystem::path resolve_game_path(const QString& text);

// Conversions between the window's texts and the file system's paths: to_fs_path and
// from_fs_path of views/file_dialogs.h.

} // namespace qira
