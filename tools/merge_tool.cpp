#include "tools/merge_tool.h"

#include "editing/open_game.h"
#include "patch/patch_json.h"
#include "tools/program_args.h"
#include "tools/tool_common.h"

#include <iostream>

namespace qira::tool {

namespace {

// Tells a merge that cannot be made: one line naming the two files merged.
int refuse(const std::filesystem::path& a, const std::filesystem::path& b, const result& why) {
    return fail(result::failure(result::code::refused, why.where,
                                display_name(a) + " and " + display_name(b) +
                                    " cannot be merged: " + why.message()));
}

// The conflicts of a merge: without a side to prefer, counted and listed on stderr (the caller
// then writes nothing and returns exit_input); with one, listed on stdout as decided. Returns
// whether the merge may be written.
bool report_conflicts(const std::filesystem::path& a, const std::filesystem::path& b,
                      const merged_patches& merged, merge_side prefer) {
    const std::size_t n = merged.conflicts.size();
    if (n == 0)
        return true;
    const std::string count = std::to_string(n) + (n == 1 ? " conflict" : " conflicts");
    if (prefer == merge_side::none) {
        std::cerr << "qiradb: " << display_name(a) << " and " << display_name(b) << ": " << count
                  << "; nothing written (--prefer a or --prefer b decides them)\n";
        for (const merge_conflict& c : merged.conflicts)
            std::cerr << "  " << c.line() << '\n';
        return false;
    }
    std::cout << count << " decided for " << (prefer == merge_side::a ? "a" : "b") << ":\n";
    for (const merge_conflict& c : merged.conflicts)
        std::cout << "  " << c.line() << '\n';
    std::cout.flush();
    return true;
}

} // namespace

int run_merge(const std::filesystem::path& base_path, const std::filesystem::path& a_path,
              const std::filesystem::path& b_path, const std::filesystem::path& out,
              const std::vector<std::string>& langs, merge_side prefer) {
    const bool with_lang = !langs.empty();
    const auto lang = [&](std::size_t i) {
        return with_lang ? utf8_path(langs[i]) : std::filesystem::path();
    };
    open_game base, a, b;
    // A and B are only compared with the base: they need no lookups.
    open_options compared;
    compared.lookups = false;
    if (auto r = open_game_files(base_path, lang(0), base); !r)
        return fail(r);
    if (auto r = open_game_files(a_path, lang(1), a, compared); !r)
        return fail(r);
    if (auto r = open_game_files(b_path, lang(2), b, compared); !r)
        return fail(r);
    const result_of<merged_patches> merged = merge_games(base, a, b, prefer);
    if (!merged)
        return refuse(a_path, b_path, merged);
    if (!report_conflicts(a_path, b_path, merged.value, prefer))
        return exit_input;
    if (auto r = save_game_files(base, out, lang(3)); !r)
        return fail(r);
    return 0;
}

int run_merge_patches(const std::filesystem::path& a_path, const std::filesystem::path& b_path,
                      const std::filesystem::path& out, merge_side prefer) {
    patch a, b;
    if (auto r = load_patch_file(a_path, a); !r)
        return fail(r);
    if (auto r = load_patch_file(b_path, b); !r)
        return fail(r);
    const result_of<merged_patches> merged = merge_patches(a, b, prefer);
    if (!merged)
        return refuse(a_path, b_path, merged);
    if (!report_conflicts(a_path, b_path, merged.value, prefer))
        return exit_input;
    if (auto r = save_patch_file(out, merged.value.merged); !r)
        return fail(r);
    return 0;
}

} // namespace qira::tool
