// What the editor's pages address in a database: the tables of leagues, teams, players,
// stadiums, team settings and the two link tables, with enough keys, texts and packed values.

#include "database.h"
#include "game_fields.h"

#include <span>

#include <utility>

namespace qira {

namespace {

struct table_need {
    int table;
    const char* role;
    int keys;
    int strings;
    int values;
    std::span<const char* const> fields; // packed fields by name
};

} // namespace

result check_editor_parts(const database& db) {
    const std::vector<table_need> needs = {
        {table_index::leagues, "leagues", 1, 2, league_field::slot_count, {}},
        {table_index::league_teams, "league teams", 2, 0, 0, {}},
        {table_index::players, "players", 1, 3, 0, player_field::page},
        {table_index::stadiums, "stadiums", 1, 0, 0, {}},
        {table_index::team_settings, "team settings", 1, 0, 0, team_settings_field::page},
        {table_index::team_players, "team players", 2, 0, link_field::slot_count, {}},
        {table_index::teams, "teams", 1, 2, team_field::slot_count, {}},
    };
    std::string missing;
    const auto add = [&](const std::string& what) {
        if (!missing.empty())
            missing += "; ";
        missing += what;
    };
    for (const auto& need : needs) {
        const std::string table = "table " + std::to_string(need.table) + " (" + need.role + ")";
        if (!db.has_table(need.table)) {
            add(table + " is missing");
            continue;
        }
        const db_table& t = db.tables[need.table];
        if (t.key_count < need.keys)
            add(table + " has " + std::to_string(t.key_count) + " key fields, not " +
                std::to_string(need.keys));
        if (t.string_ref_count < need.strings)
            add(table + " has " + std::to_string(t.string_ref_count) + " texts per row, not " +
                std::to_string(need.strings));
        if (t.packed_count < need.values)
            add(table + " has " + std::to_string(t.packed_count) + " packed values per row, not " +
                std::to_string(need.values));
        for (const char* field : need.fields)
            if (!db.field_slot(need.table, field))
                add(table + " has no field \"" + std::string(field) + "\"");
    }
    if (missing.empty())
        return result::success();
    return result::failure(result::code::not_editable, {}, std::move(missing));
}

} // namespace qira
