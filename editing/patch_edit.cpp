#include "editing/patch_edit.h"

#include <algorithm>
#include <set>

namespace qira {

io_result read_opened_files(const std::filesystem::path& database_path,
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
    return io_result::success();
}

patch_made patch_since_opened(const opened_files& opened, const open_game& game) {
    patch_made made;
    string_table lang;
    const bool with_language = game.has_language && !opened.language.empty();
    if (with_language)
        if (auto r = parse_language_file(opened.language, opened.language_name, lang); !r) {
            made.error = r.message;
            return made;
        }
    database db;
    if (auto r = parse_database(opened.database, opened.database_name,
                                with_language ? &lang : nullptr, db);
        !r) {
        made.error = r.message;
        return made;
    }
    return make_patch(db, with_language ? &lang : nullptr, game.db,
                      with_language ? &game.lang : nullptr);
}

namespace {

table_change snapshot(const database& db, int t) {
    table_change c;
    c.table = t;
    c.before = db.overall[static_cast<std::size_t>(t)].rows;
    c.words_before = db.blocks[static_cast<std::size_t>(t)].words;
    return c;
}

} // namespace

patch_step apply_patch_step(open_game& game, const patch& p, bool reverse) {
    patch_step step;
    // What the patch may change: its tables, and with the language file the tables whose
    // localized names come from it.
    std::set<int> tables;
    for (const table_patch& tp : p.tables)
        if (game.db.has_table(tp.index))
            tables.insert(tp.index);
    if (game.has_language)
        for (int t : {table_index::leagues, table_index::stadiums, table_index::teams})
            if (game.db.has_table(t))
                tables.insert(t);
    std::vector<table_change> before;
    for (int t : tables)
        before.push_back(snapshot(game.db, t));
    language_change lang;
    if (game.has_language)
        lang.before = game.lang.entries();

    const patch_applied done = apply_patch(game, p, reverse);
    if (!done.ok()) {
        step.conflicts = done.conflicts;
        return step;
    }
    for (table_change& c : before) {
        c.after = game.db.overall[static_cast<std::size_t>(c.table)].rows;
        c.words_after = game.db.blocks[static_cast<std::size_t>(c.table)].words;
        const bool same_rows = c.words_before == c.words_after &&
                               c.before.size() == c.after.size() &&
                               std::equal(c.before.begin(), c.before.end(), c.after.begin(),
                                          [](const db_overall_data& a, const db_overall_data& b) {
                                              return a.keys == b.keys && a.extras == b.extras &&
                                                     a.strings == b.strings && a.names == b.names &&
                                                     a.values == b.values;
                                          });
        if (!same_rows)
            step.made.tables.push_back(std::move(c));
    }
    if (game.has_language) {
        lang.after = game.lang.entries();
        const bool same = lang.before.size() == lang.after.size() &&
                          std::equal(lang.before.begin(), lang.before.end(), lang.after.begin(),
                                     [](const Tstring_table& a, const Tstring_table& b) {
                                         return a.key == b.key && a.text == b.text;
                                     });
        if (!same)
            step.made.languages.push_back(std::move(lang));
    }
    return step;
}

} // namespace qira
