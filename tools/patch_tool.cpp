#include "tools/patch_tool.h"

#include "editing/open_game.h"
#include "fileio/utf8.h"
#include "patch/patch.h"
#include "patch/patch_json.h"
#include "patch/patch_review.h"
#include "tools/program_args.h"
#include "tools/tool_common.h"

#include <algorithm>
#include <iostream>
#include <optional>

namespace qira::tool {

int run_diff(const std::filesystem::path& a_path, const std::filesystem::path& b_path,
             const std::vector<std::string>& langs) {
    database a, b;
    string_table a_lang, b_lang;
    const bool with_lang = !langs.empty();
    if (auto code =
            load_both(a_path, with_lang ? utf8_path(langs[0]) : std::filesystem::path(), a, a_lang))
        return *code;
    if (auto code =
            load_both(b_path, with_lang ? utf8_path(langs[1]) : std::filesystem::path(), b, b_lang))
        return *code;
    // Written a table at a time as the tables are compared: a patch of every row of the largest
    // games is never held whole.
    std::optional<patch_json_stream> out;
    language_patch language;
    const result made = make_patch_by_table(
        a, with_lang ? &a_lang : nullptr, b, with_lang ? &b_lang : nullptr,
        [&](table_patch&& tp) {
            if (!out)
                out.emplace(std::cout);
            out->table(tp);
        },
        with_lang ? &language : nullptr);
    if (!made)
        return fail(result::failure(result::code::refused, made.where,
                                    display_name(a_path) + " and " + display_name(b_path) +
                                        " cannot be compared: " + made.message()));
    if (!out)
        out.emplace(std::cout);
    out->finish(with_lang ? &language : nullptr);
    std::cout.flush();
    if (!std::cout)
        return fail(result::failure(result::code::refused, {},
                                    "the patch could not be written to the standard output"));
    return 0;
}

// Conflicts printed after the count; the rest are only counted.
constexpr std::size_t shown_conflicts = 20;

namespace {

// The lines of the review of `p` that are not ticked: what --skip-conflicts leaves out.
void list_left_out(const patch_review& review) {
    const std::size_t left = review.change_count() - review.ticked_count();
    std::cout << "left out " << left << (left == 1 ? " change" : " changes")
              << " that conflict or go with one that does:\n";
    for (const std::string& whole : review.whole_conflicts())
        std::cout << "! " << whole << '\n';
    for (std::size_t c = 0; c < review.change_count(); ++c)
        if (!review.ticked(c))
            std::cout << review.line(c) << '\n';
}

} // namespace

int run_patch(const std::filesystem::path& path, const std::filesystem::path& patch_path,
              const std::filesystem::path& out, const patch_options& options) {
    patch p;
    if (auto r = load_patch_file(patch_path, p); !r)
        return fail(r);
    open_game game;
    const auto& lang = options.lang;
    const std::filesystem::path lang_in =
        lang.empty() ? std::filesystem::path() : utf8_path(lang[0]);
    const std::filesystem::path lang_out =
        lang.empty() ? std::filesystem::path() : utf8_path(lang[1]);
    if (auto r = open_game_files(path, lang_in, game); !r)
        return fail(r);
    // Taken back in place: the patch of the largest games is not held twice.
    if (options.reverse)
        reverse_in_place(p);
    if (options.skip_conflicts) {
        const patch_review review(game, p);
        if (review.ticked_count() < review.change_count()) {
            const patch kept = review.ticked_patch();
            list_left_out(review);
            p = kept;
        }
    }
    const patch_applied applied = apply_patch(game, p);
    if (!applied.ok()) {
        const std::size_t n = applied.conflicts.size();
        std::cerr << "qiradb: " << display_name(patch_path)
                  << (options.reverse ? " cannot be taken back from " : " does not apply to ")
                  << display_name(path) << ": " << n << (n == 1 ? " conflict" : " conflicts")
                  << '\n';
        for (std::size_t i = 0; i < std::min(n, shown_conflicts); ++i)
            std::cerr << "  " << applied.conflicts[i].message() << '\n';
        if (n > shown_conflicts)
            std::cerr << "  and " << n - shown_conflicts << " more\n";
        return exit_input;
    }
    if (auto r = save_game_files(game, out, lang_out); !r)
        return fail(r);
    return 0;
}

int run_show_patch(const std::filesystem::path& path, const std::filesystem::path& patch_path,
                   const std::filesystem::path& lang) {
    patch p;
    if (auto r = load_patch_file(patch_path, p); !r)
        return fail(r);
    open_game game;
    if (auto r = open_game_files(path, lang, game); !r)
        return fail(r);
    const patch_review review(game, p);
    for (const std::string& whole : review.whole_conflicts())
        std::cout << "! " << whole << '\n';
    for (std::size_t c = 0; c < review.change_count(); ++c)
        std::cout << review.line(c) << '\n';
    std::cout.flush();
    if (!std::cout)
        return fail(result::failure(result::code::refused, {},
                                    "the list could not be written to the standard output"));
    return 0;
}

} // namespace qira::tool
