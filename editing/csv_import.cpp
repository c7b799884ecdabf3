#include "editing/csv_import.h"

#include "editing/table_csv.h"
#include "fileio/safe_file.h"

#include <cstdint>

namespace qira {

std::string csv_import::summary() const {
    return summary_words().english();
}

wording csv_import::summary_words() const {
    if (!imported())
        return outcome.shown();
    // The line, then how many rows went each way (", " between them), why by position, ".".
    std::vector<wording> line{{rows == 1
                                   ? QIRA_TR("qira::csv", "%1 imported into table %2: %3 row")
                                   : QIRA_TR("qira::csv", "%1 imported into table %2: %3 rows"),
                               {read_as, std::to_string(table), std::to_string(rows)}}};
    const row_matching& m = matching;
    const std::pair<std::size_t, marked_text> parts[] = {
        {m.matched, QIRA_TR("qira::csv", "%1 matched by key")},
        {m.by_position, QIRA_TR("qira::csv", "%1 placed by position")},
        {m.added, QIRA_TR("qira::csv", "%1 new")},
        {m.repeated, QIRA_TR("qira::csv", "%1 with a repeated key")}};
    for (const auto& [n, what] : parts)
        if (n > 0) {
            line.emplace_back(", ");
            line.emplace_back(what, std::vector<wording>{std::to_string(n)});
        }
    if (!m.by_key && rows > 0) {
        line.emplace_back(" (");
        line.push_back(m.why);
        line.emplace_back(")");
    }
    line.emplace_back(".");
    return wording::sequence(std::move(line));
}

csv_import import_table_csv(open_game& game, int table, std::string_view bytes,
                            const std::string& file_name) {
    csv_import out;
    out.table = table;
    const auto refuse = [&](std::string file, wording why) {
        out.outcome = result::failure(result::code::not_imported,
                                      {.file = std::move(file), .table = table}, std::move(why));
        return std::move(out);
    };
    if (!game.db.has_table(table))
        return refuse(file_name, {QIRA_TR("qira::csv", "the database has no table %1"),
                                  {std::to_string(table)}});
    csv_rows read =
        read_table_csv(game.db, table, bytes,
                       name_columns(game.db, table, game.has_language ? &game.lang : nullptr));
    out.separator = read.separator;
    out.read_as = file_name + (read.utf16 ? " (UTF-16, separated by " : " (separated by ") +
                  separator_name(read.separator) + ")";
    if (!read.ok()) {
        out.problems = std::move(read.problems);
        return refuse(out.read_as, read.problem_count == 1
                                       ? wording(QIRA_TR("qira::csv", "%1 problem"),
                                                 {std::to_string(read.problem_count)})
                                       : wording(QIRA_TR("qira::csv", "%1 problems"),
                                                 {std::to_string(read.problem_count)}));
    }
    const std::size_t rows = read.rows.size();
    auto replaced = replace_table(game, table, std::move(read.rows), &out.matching);
    if (!replaced.ok())
        return refuse(file_name, replaced.shown());
    out.rows = rows;
    out.made = std::move(replaced.made);
    if (read.texts_not_utf8 > 0)
        out.warning = {read.texts_not_utf8 == 1
                           ? QIRA_TR("qira::csv", "%1 text of %2 is not valid UTF-8 and was kept "
                                                  "as its bytes; was the file saved in another "
                                                  "encoding?")
                           : QIRA_TR("qira::csv", "%1 texts of %2 are not valid UTF-8 and were "
                                                  "kept as their bytes; was the file saved in "
                                                  "another encoding?"),
                       {std::to_string(read.texts_not_utf8), file_name}};
    return out;
}

csv_import import_csv_file(open_game& game, int table, const std::filesystem::path& path) {
    file_bytes bytes;
    if (auto r = read_whole_file(path, bytes); !r) {
        csv_import out;
        out.table = table;
        out.outcome = std::move(r);
        return out;
    }
    return import_table_csv(
        game, table, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
        display_name(path));
}

result export_csv_file(const open_game& game, int table, const std::filesystem::path& path,
                       file_ops& ops) {
    const std::string text = table_csv(
        game.db, table, name_columns(game.db, table, game.has_language ? &game.lang : nullptr));
    return safe_replace(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), ops);
}

} // namespace qira
