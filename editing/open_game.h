#pragma once
// An open game: the language file's string table, the game database, and the first-row lookups
// that the tree and the pages use. Opened and saved here exactly as the editor's "Open Database"
// and "Save Changes" do, for the window, the command-line tool and the tests alike.

#include "dbfile/database.h"
#include "editing/editor_index.h"
#include "fileio/result.h"
#include "fileio/safe_file.h"
#include "langfile/string_table.h"

#include <filesystem>

namespace qira {

struct open_game {
    string_table lang;
    database db;
    // First rows by label and key; kept right by every edit (see change.h).
    editor_index lookups;
    // Whether a language file was opened with the database.
    bool has_language = false;
};

// Which of the two files a result is about.
enum class game_file { language, database };

// Opening or saving both files; on failure the value says which file it is about.
using game_result = result_of<game_file>;

struct open_options {
    // Refuse a database whose tables lack what the pages address (the window's choice).
    bool require_editor_parts = false;
    // Called once per table as the database is decoded.
    progress_fn progress;
    // Build the lookups of the tree and the pages (a tool that only reads and writes the files
    // does without them, and without their memory).
    bool lookups = true;
};

// Loads the language file (none when `language` is empty), then the database with the localized
// names from it. `out` is replaced only when both files load; on failure it is untouched.
game_result open_game_files(const std::filesystem::path& database_path,
                            const std::filesystem::path& language_path, open_game& out,
                            const open_options& options = {});

// Saves the database file and (when the game has one) the language file with the rows' localized
// names put in, both or neither (replace_files): both new files are written beside the old ones
// first, then the database file is replaced, then the language file. What is written depends
// only on what the game holds; the open game is not changed. A failure names the file it is
// about, and the message says what became of the two files.
game_result save_game_files(const open_game& game, const std::filesystem::path& database_path,
                            const std::filesystem::path& language_path,
                            file_ops& ops = native_file_ops());

} // namespace qira
