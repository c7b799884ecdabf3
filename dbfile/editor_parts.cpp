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
    marked_text role; // as the tables are named in the problems
    int keys;
    int strings;
    int values;
    std::span<const char* const> fields; // packed fields by name
};

} // namespace

result check_editor_parts(const database& db) {
    const std::vector<table_need> needs = {
        {table_index::leagues,
         QIRA_TR("qira::problem", "leagues"),
         1,
         2,
         league_field::slot_count,
         {}},
        {table_index::league_teams, QIRA_TR("qira::problem", "league teams"), 2, 0, 0, {}},
        {table_index::players, QIRA_TR("qira::problem", "players"), 1, 3, 0, player_field::page},
        {table_index::stadiums, QIRA_TR("qira::problem", "stadiums"), 1, 0, 0, {}},
        {table_index::team_settings, QIRA_TR("qira::problem", "team settings"), 1, 0, 0,
         team_settings_field::page},
        {table_index::team_players,
         QIRA_TR("qira::problem", "team players"),
         2,
         0,
         link_field::slot_count,
         {}},
        {table_index::teams, QIRA_TR("qira::problem", "teams"), 1, 2, team_field::slot_count, {}},
    };
    // The problems one after another, "; " between them.
    std::vector<wording> missing;
    const auto add = [&](marked_text format, std::vector<wording> args) {
        if (!missing.empty())
            missing.emplace_back("; ");
        missing.emplace_back(format, std::move(args));
    };
    for (const auto& need : needs) {
        const std::string index = std::to_string(need.table);
        if (!db.has_table(need.table)) {
            add(QIRA_TR("qira::problem", "table %1 (%2) is missing"), {index, need.role});
            continue;
        }
        const db_table& t = db.tables[need.table];
        if (t.key_count < need.keys)
            add(QIRA_TR("qira::problem", "table %1 (%2) has %3 key fields, not %4"),
                {index, need.role, std::to_string(t.key_count), std::to_string(need.keys)});
        if (t.string_ref_count < need.strings)
            add(QIRA_TR("qira::problem", "table %1 (%2) has %3 texts per row, not %4"),
                {index, need.role, std::to_string(t.string_ref_count),
                 std::to_string(need.strings)});
        if (t.packed_count < need.values)
            add(QIRA_TR("qira::problem", "table %1 (%2) has %3 packed values per row, not %4"),
                {index, need.role, std::to_string(t.packed_count), std::to_string(need.values)});
        for (const char* field : need.fields)
            if (!db.field_slot(need.table, field))
                add(QIRA_TR("qira::problem", "table %1 (%2) has no field \"%3\""),
                    {index, need.role, std::string(field)});
    }
    if (missing.empty())
        return result::success();
    return result::failure(result::code::not_editable, {}, wording::sequence(std::move(missing)));
}

} // namespace qira
