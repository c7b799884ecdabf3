#pragma once
// Patches in the editor: the patch of what the user changed since the files were opened, and a
// patch applied to the open game as one step that can be undone.

#include "editing/change.h"
#include "patch/patch.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qira {

// The two files as they were opened, kept as their bytes.
struct opened_files {
    std::vector<std::uint8_t> database;
    std::vector<std::uint8_t> language; // empty without a language file
    std::string database_name = "qira.db";
    std::string language_name;
};

// Reads both files again right after they were opened.
result read_opened_files(const std::filesystem::path& database_path,
                         const std::filesystem::path& language_path, opened_files& out);

// The changes from the files as opened to the game as it is now.
result_of<patch> patch_since_opened(const opened_files& opened, const open_game& game);

// The changes from the open game (as it is now) to another install's game, whose files are only
// read. The language entries are compared when the open game has a language file and
// `language_path` names the other's (empty: left out). A file that cannot be read is refused,
// naming it; two games whose tables differ are refused as make_patch refuses them.
result_of<patch> patch_to_other_game(const open_game& game,
                                     const std::filesystem::path& database_path,
                                     const std::filesystem::path& language_path);

struct [[nodiscard]] patch_step {
    change made;                   // empty when it conflicted (or changed nothing)
    std::vector<result> conflicts; // nothing was changed when there are any
    bool ok() const { return conflicts.empty(); }
};

// Applies the patch (or takes it back) to the open game; the step holds what it changed: the
// cells, the rows removed and added, the language entries, and the localized names that follow
// from the entries.
patch_step apply_patch_step(open_game& game, const patch& p, bool reverse = false);

} // namespace qira
