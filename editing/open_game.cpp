#include "editing/open_game.h"

namespace qira {

game_result open_game_files(const std::filesystem::path& database_path,
                            const std::filesystem::path& language_path, open_game& out,
                            const open_options& options) {
    string_table lang;
    const bool has_language = !language_path.empty();
    if (has_language)
        if (auto r = load_language_file(language_path, lang); !r)
            return game_result::failure(game_file::language, std::move(r));

    database db;
    if (auto r = load_database(database_path, has_language ? &lang : nullptr, db, options.progress);
        !r)
        return game_result::failure(game_file::database, std::move(r));
    if (options.require_editor_parts)
        if (const auto missing = missing_editor_parts(db))
            return game_result::failure(
                game_file::database,
                io_result::failure(io_result::code::damaged,
                                   display_name(database_path) + " cannot be edited: " + *missing));

    // Both files are good: they replace whatever was open before.
    out.lang = std::move(lang);
    out.db = std::move(db);
    out.has_language = has_language;
    out.lookups = editor_index{};
    if (options.lookups)
        out.lookups.rebuild(out.db);
    return game_result::success();
}

game_result save_game_files(open_game& game, const std::filesystem::path& database_path,
                            const std::filesystem::path& language_path, file_ops& ops) {
    if (auto r = save_database(database_path, game.db, ops); !r)
        return game_result::failure(game_file::database, std::move(r));
    if (game.has_language && !language_path.empty()) {
        names_to_string_table(game.db, game.lang);
        if (auto r = save_language_file(language_path, game.lang, ops); !r)
            return game_result::failure(game_file::language, std::move(r));
    }
    return game_result::success();
}

} // namespace qira
