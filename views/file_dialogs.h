#pragma once
// The files a window asks the user for: the system's dialogs behind one chooser that tests
// answer instead, and the conversions between the window's texts and the file system's paths.

#include <QString>
#include <QWidget>

#include <filesystem>
#include <functional>

namespace qira {

// Asks for a file to write (`save`) or to read, starting in `folder` (empty: where the dialog
// likes) with `name` proposed; the path chosen, or empty when cancelled.
using file_chooser = std::function<QString(bool save, const QString& folder, const QString& name)>;

// The system's dialogs for files of `kinds` ("Patches (*.json);;All files (*)"), captioned
// `save_title` to write and `open_title` to read.
file_chooser file_dialogs(QWidget* parent, const QString& save_title, const QString& open_title,
                          const QString& kinds);

std::filesystem::path to_fs_path(const QString& text);
QString from_fs_path(const std::filesystem::path& path);

} // namespace qira
