#pragma once
// The commands of qiradb on patches: diff makes one, patch applies one (or takes it back), and
// show-patch lists what one would change in a game, as the editor's review lists it.

#include <filesystem>
#include <string>
#include <vector>

namespace qira::tool {

// The changes from game A to game B as a patch on stdout; `langs`: none, or A's and B's language
// files.
int run_diff(const std::filesystem::path& a_path, const std::filesystem::path& b_path,
             const std::vector<std::string>& langs);

struct patch_options {
    std::vector<std::string> lang; // none, or the language file and where to write it
    bool reverse = false;
    // Apply what does not conflict and list what was left out, instead of refusing the patch.
    bool skip_conflicts = false;
};
int run_patch(const std::filesystem::path& path, const std::filesystem::path& patch_path,
              const std::filesystem::path& out, const patch_options& options);

// One line per change of the patch, checked against the game: "  players: Daniel Wright (keys
// 2, rank 0) field height: 178 -> 181", a conflict marked with "! " and its reason.
int run_show_patch(const std::filesystem::path& path, const std::filesystem::path& patch_path,
                   const std::filesystem::path& lang);

} // namespace qira::tool
