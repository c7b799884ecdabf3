#pragma once
// The game's two files: "Open Database" loads them (both or neither), "Save Changes" replaces
// them, and "Close" and "Exit" ask before they drop changes not saved.

#include "fileio/safe_file.h"
#include "views/command_action.h"

#include <QCoreApplication>
#include <QString>

#include <filesystem>

class QComboBox;
class QLineEdit;
class QProgressBar;

namespace qira {

class game_document;
class message_sink;

class file_commands {
    Q_DECLARE_TR_FUNCTIONS(qira::file_commands)

  public:
    // The window's widgets the commands read: the install folder (Edit1), the language list
    // (cb_lng) and the progress bar of "Open Database" (pb).
    struct widgets {
        QLineEdit* folder;
        QComboBox* language;
        QProgressBar* progress;
    };
    file_commands(game_document& doc, message_sink& messages, widgets w)
        : doc_(doc), messages_(messages), w_(w) {}

    // The game's file paths as the window builds them from the folder and the language.
    QString database_path_text() const;
    QString language_path_text() const;

    // "Open Database": both files loaded, checked and put in place of the open game, or a
    // refusal that names the file, captioned "Fatal Error"; nothing changes then.
    command_outcome open();
    // The same for the two files named (a session kept for recovery): the install folder and the
    // language list follow them where the files lie where the game keeps them.
    command_outcome open_files(const std::filesystem::path& database,
                               const std::filesystem::path& language);
    // "Save Changes": both files replaced, or neither (the refusal says what became of each).
    command_outcome save();
    // "Exit" and "Close" with unsaved changes ask first; true to go on.
    bool confirm_discard();
    // The language chosen, kept in the editor's registry key for the next start.
    void store_language();

    const std::filesystem::path& database_path() const { return database_path_; }
    const std::filesystem::path& language_path() const { return language_path_; }
    // The file operations that "Save Changes" writes through (tests make them fail).
    void set_file_ops(file_ops& ops) { file_ops_ = &ops; }

  private:
    // Edit1 and cb_lng set to the files' install folder and language, where they lie as the game
    // keeps them.
    void follow_files(const std::filesystem::path& database, const std::filesystem::path& language);
    command_outcome open_paths(const std::filesystem::path& database,
                               const std::filesystem::path& language);

    game_document& doc_;
    message_sink& messages_;
    widgets w_;
    file_ops* file_ops_ = &native_file_ops();
    // The files that the open database came from; "Save Changes" replaces them.
    std::filesystem::path database_path_;
    std::filesystem::path language_path_;
};

} // namespace qira
