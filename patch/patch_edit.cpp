#include "patch/patch_edit.h"

namespace qira {

result read_opened_files(const std::filesystem::path& database_path,
                         const std::filesystem::path& language_path, opened_files& out) {
    opened_files files;
    files.database_name = display_name(database_path);
    if (auto r = read_whole_file(database_path, files.database); !r)
        return r;
    if (!language_path.empty()) {
        files.language_name = display_name(language_path);
        if (auto r = read_whole_file(language_path, files.language); !r)
            return r;
    }
    out = std::move(files);
    return result::success();
}

result_of<patch> patch_since_opened(const opened_files& opened, const open_game& game) {
    string_table lang;
    const bool with_language = game.has_language && !opened.language.empty();
    if (with_language)
        if (auto r = parse_language_file(opened.language, opened.language_name, lang); !r)
            return r;
    database db;
    if (auto r = parse_database(opened.database, opened.database_name,
                                with_language ? &lang : nullptr, db);
        !r)
        return r;
    return make_patch(db, with_language ? &lang : nullptr, game.db,
                      with_language ? &game.lang : nullptr);
}

result_of<patch> patch_to_other_game(const open_game& game,
                                     const std::filesystem::path& database_path,
                                     const std::filesystem::path& language_path) {
    string_table lang;
    const bool with_language = game.has_language && !language_path.empty();
    if (with_language)
        if (auto r = load_language_file(language_path, lang); !r)
            return r;
    database db;
    if (auto r = load_database(database_path, with_language ? &lang : nullptr, db); !r)
        return r;
    return make_patch(game.db, with_language ? &game.lang : nullptr, db,
                      with_language ? &lang : nullptr);
}

patch_step apply_patch_step(open_game& game, const patch& p, bool reverse) {
    patch_step step;
    patch_applied done = apply_patch(game, p, reverse, step.made);
    step.conflicts = std::move(done.conflicts);
    return step;
}

} // namespace qira
