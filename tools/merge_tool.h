#pragma once
// The commands of qiradb that merge two mods made on one game: merge, on the games themselves,
// and merge-patches, on two patches made against the same base.

#include "patch/patch_merge.h"

#include <filesystem>
#include <string>
#include <vector>

namespace qira::tool {

// Games A and B, both made from BASE, merged into OUT (with `langs`: none, or the base's, A's and
// B's language files and where to write the merged one). Nothing is written while conflicts are
// left: they are counted and listed on stderr (exit 1); with `prefer` the side it names wins
// each, and the conflicts it decided are listed on stdout.
int run_merge(const std::filesystem::path& base, const std::filesystem::path& a,
              const std::filesystem::path& b, const std::filesystem::path& out,
              const std::vector<std::string>& langs, merge_side prefer);

// The same for two patch files made against one base: OUT is the patch that applies to that base
// as both would.
int run_merge_patches(const std::filesystem::path& a, const std::filesystem::path& b,
                      const std::filesystem::path& out, merge_side prefer);

} // namespace qira::tool
