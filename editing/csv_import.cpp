#include "editing/csv_import.h"

#include "editing/table_csv.h"
#include "fileio/safe_file.h"

#include <cstdint>

namespace qira {

namespace {

std::string count_of(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + ' ' + (n == 1 ? one : many);
}

std::string imported_summary(const csv_import& r, const std::string& read_as, int table) {
    std::string s = read_as + " imported into table " + std::to_string(table) + ": " +
                    count_of(r.rows, "row", "rows");
    const row_matching& m = r.matching;
    const std::pair<std::size_t, const char*> parts[] = {{m.matched, " matched by key"},
                                                         {m.by_position, " placed by position"},
                                                         {m.added, " new"},
                                                         {m.repeated, " with a repeated key"}};
    for (const auto& [n, what] : parts)
        if (n > 0)
            s += ", " + std::to_string(n) + what;
    if (!m.by_key && r.rows > 0)
        s += " (" + m.why + ")";
    return s + '.';
}

} // namespace

csv_import import_table_csv(open_game& game, int table, std::string_view bytes,
                            const std::string& file_name) {
    csv_import out;
    const auto refuse = [&](const std::string& why) {
        out.summary = file_name + " was not imported: " + why + "; nothing was changed.";
        return out;
    };
    if (!game.db.has_table(table))
        return refuse("the database has no table " + std::to_string(table));
    csv_rows read =
        read_table_csv(game.db, table, bytes,
                       name_columns(game.db, table, game.has_language ? &game.lang : nullptr));
    out.separator = read.separator;
    const std::string read_as =
        file_name + " (separated by " + separator_name(read.separator) + ")";
    if (!read.ok()) {
        out.problems = read.problems;
        out.summary = read_as +
                      " was not imported: " + count_of(read.problem_count, "problem", "problems") +
                      "; nothing was changed.";
        return out;
    }
    const std::size_t rows = read.rows.size();
    auto replaced = replace_table(game, table, std::move(read.rows), &out.matching);
    if (!replaced.ok())
        return refuse(replaced.refused);
    out.rows = rows;
    out.made = std::move(replaced.made);
    out.imported = true;
    out.summary = imported_summary(out, read_as, table);
    if (read.texts_not_utf8 > 0)
        out.warning = count_of(read.texts_not_utf8, "text", "texts") + " of " + file_name +
                      (read.texts_not_utf8 == 1 ? " is not valid UTF-8 and was kept as its bytes"
                                                : " are not valid UTF-8 and were kept as their "
                                                  "bytes") +
                      "; was the file saved in another encoding?";
    return out;
}

csv_import import_csv_file(open_game& game, int table, const std::filesystem::path& path) {
    std::vector<std::uint8_t> bytes;
    if (auto r = read_whole_file(path, bytes); !r) {
        csv_import out;
        out.summary = r.message();
        return out;
    }
    return import_table_csv(
        game, table, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
        display_name(path));
}

} // namespace qira
