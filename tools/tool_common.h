#pragma once
// What the commands of qiradb share: how a command stops on an input it cannot use, and the
// game's two files loaded as the editor loads them.

#include "dbfile/database.h"
#include "fileio/result.h"
#include "langfile/string_table.h"

#include <filesystem>
#include <optional>

namespace qira::tool {

// Exit codes: 0 success, 1 an input could not be opened or was refused (nothing written), 2 bad
// usage.
inline constexpr int exit_input = 1;

// Tells why the command stops: one line naming the file; returns exit_input.
int fail(const result& why);

// Loads the language file (when given) and then the database, as the editor does: the exit code
// when either is refused (told), nothing when both loaded.
std::optional<int> load_both(const std::filesystem::path& db_path,
                             const std::filesystem::path& lang_path, database& db,
                             string_table& lang);

} // namespace qira::tool
