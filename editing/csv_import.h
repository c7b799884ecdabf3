#pragma once
// A table exported to a CSV file, and a CSV file imported into one table, as `qiradb import-csv`
// and the window of every table do it:
// the file read and checked (table_csv.h), each row given the stored words of the row it comes
// from (matched_words in table_edits.h), the table's rows replaced as one change, and what
// happened told in one wording for both.

#include "editing/change.h"
#include "editing/table_edits.h"
#include "fileio/result.h"
#include "fileio/safe_file.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qira {

struct [[nodiscard]] csv_import {
    // Success, or why nothing was imported: the file could not be read (cannot_open,
    // cannot_read), or not_imported ("bad.csv (separated by commas) was not imported: 2
    // problems; nothing was changed.").
    result outcome;
    // The first 20 problems of a file that was refused for them, each at its line and column.
    std::vector<result> problems;
    change made;         // the step, for undo (empty when nothing was imported)
    wording warning;     // texts that are not valid UTF-8 (kept as their bytes), or empty
    std::string read_as; // the file and its separator: "players.csv (separated by semicolons)",
                         // "players.txt (UTF-16, separated by tabs)"
    int table = 0;
    char separator = ',';
    std::size_t rows = 0;
    row_matching matching;

    bool imported() const { return outcome.ok(); }
    // One line: "players.csv (separated by semicolons) imported into table 4: 120 rows, 118
    // matched by key, 2 new." or, when nothing was imported, the message of the outcome.
    std::string summary() const;
    // The same line as a wording, for the window to translate.
    wording summary_words() const;
};

// Imports CSV bytes into table `table` of the game, with the localized-name columns its language
// file gives; `file_name` names the file in the messages. Nothing changes unless it is imported.
csv_import import_table_csv(open_game& game, int table, std::string_view bytes,
                            const std::string& file_name);
// The same, reading the file first.
csv_import import_csv_file(open_game& game, int table, const std::filesystem::path& path);

// Writes table `table` as CSV (table_csv, with the localized-name columns the game's language
// file gives) and safely replaces the file at `path`.
result export_csv_file(const open_game& game, int table, const std::filesystem::path& path,
                       file_ops& ops = native_file_ops());

} // namespace qira
