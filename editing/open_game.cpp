#include "editing/open_game.h"

#include <optional>
#include <vector>

namespace qira {

game_result open_game_files(const std::filesystem::path& database_path,
                            const std::filesystem::path& language_path, open_game& out,
                            const open_options& options) {
    string_table lang;
    const bool has_language = !language_path.empty();
    if (has_language)
        if (auto r = load_language_file(language_path, lang); !r)
            return {std::move(r), game_file::language};

    database db;
    if (auto r = load_database(database_path, has_language ? &lang : nullptr, db, options.progress);
        !r)
        return {std::move(r), game_file::database};
    if (options.require_editor_parts)
        if (auto r = check_editor_parts(db); !r) {
            r.where.file = display_name(database_path);
            return {std::move(r), game_file::database};
        }

    // Both files are good: they replace whatever was open before.
    out.lang = std::move(lang);
    out.db = std::move(db);
    out.has_language = has_language;
    out.lookups = editor_index{};
    if (options.lookups)
        out.lookups.rebuild(out.db);
    return result::success();
}

game_result save_game_files(const open_game& game, const std::filesystem::path& database_path,
                            const std::filesystem::path& language_path, file_ops& ops) {
    const bool with_language = game.has_language && !language_path.empty();
    std::vector<std::filesystem::path> targets{database_path};
    if (with_language)
        targets.push_back(language_path);
    const auto refused = [&](game_file which, result r) {
        result with_note = result::failure(r.status, std::move(r.where),
                                           nothing_saved(r.problem_words(), targets));
        return game_result{std::move(with_note), which};
    };

    std::vector<file_replacement> files(targets.size());
    if (auto r = plan_database_save(database_path, game.db, files[0]); !r)
        return refused(game_file::database, std::move(r));
    // The names go over the string table's texts as they are written: what is written depends
    // only on what the game holds now, and the open game stays as it is.
    text_overlay saved_lang(game.lang);
    if (with_language) {
        names_to_overlay(game.db, saved_lang);
        if (auto r = plan_language_save(language_path, saved_lang, files[1]); !r)
            return refused(game_file::language, std::move(r));
    }
    replace_result r = replace_files(files, ops);
    if (!r)
        return {r.outcome(), r.value.file == 0 ? game_file::database : game_file::language};
    return result::success();
}

} // namespace qira
