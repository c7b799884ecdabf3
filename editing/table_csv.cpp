#include "editing/table_csv.h"

#include "editing/change.h"
#include "editing/table_edits.h"
#include "fileio/utf8.h"
#include "langfile/string_table.h"

#include <algorithm>
#include <map>

namespace qira {

namespace {

constexpr std::size_t listed_problems = 20;

void append_field(std::string& out, std::string_view text) {
    append_quoted_cell(out, text, ",\"\r\n");
}

// One record of a CSV file: its fields and the line it starts on.
struct record {
    std::vector<std::string> fields;
    std::size_t line = 0;
};

std::size_t skip_bom(std::string_view bytes) {
    return bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
}

// Whether bytes[i] ends a line: LF, CR LF (at the CR) or a CR alone.
bool line_end(std::string_view bytes, std::size_t i) {
    return bytes[i] == '\n' || bytes[i] == '\r';
}
std::size_t line_end_size(std::string_view bytes, std::size_t i) {
    return bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n' ? 2 : 1;
}

// The separator of the header line: the one of comma, semicolon and tab found most often outside
// quotes (a comma when none is).
char find_separator(std::string_view bytes) {
    std::size_t commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (std::size_t i = skip_bom(bytes); i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == '\n' || c == '\r')
            break;
        else if (c == ',')
            ++commas;
        else if (c == ';')
            ++semicolons;
        else if (c == '\t')
            ++tabs;
    }
    if (semicolons > commas && semicolons >= tabs)
        return ';';
    return tabs > commas && tabs > semicolons ? '\t' : ',';
}

// Splits CSV bytes into records. A quote that is not closed is a problem of its line, which
// ends the records in `problem`.
std::vector<record> split_records(std::string_view bytes, char separator, result& problem) {
    std::vector<record> records;
    std::size_t i = skip_bom(bytes), line = 1;
    while (i < bytes.size()) {
        record r;
        r.line = line;
        std::string field;
        bool done = false;
        while (!done) {
            if (i < bytes.size() && bytes[i] == '"') {
                const std::size_t opened = line;
                ++i;
                for (;;) {
                    if (i >= bytes.size()) {
                        problem = result::failure(result::code::csv_problem, {.line = opened},
                                                  "a quoted field is not closed");
                        return records;
                    }
                    const char c = bytes[i++];
                    if (c == '"') {
                        if (i < bytes.size() && bytes[i] == '"') {
                            field += '"';
                            ++i;
                            continue;
                        }
                        break;
                    }
                    if (c == '\n' || (c == '\r' && (i >= bytes.size() || bytes[i] != '\n')))
                        ++line;
                    field += c;
                }
                // What follows a closing quote up to the next separator belongs to the field.
            }
            while (i < bytes.size() && bytes[i] != separator && !line_end(bytes, i))
                field += bytes[i++];
            r.fields.push_back(std::move(field));
            field.clear();
            if (i >= bytes.size()) {
                done = true;
            } else if (bytes[i] == separator) {
                ++i;
            } else {
                i += line_end_size(bytes, i);
                ++line;
                done = true;
            }
        }
        records.push_back(std::move(r));
    }
    return records;
}

// A line with no text at all is no row; nor is a line of empty fields, as spreadsheets leave
// them after the last row, when a column holds numbers (a row of only texts may be empty).
bool is_blank(const record& r, std::size_t columns, bool has_numbers) {
    if (!std::all_of(r.fields.begin(), r.fields.end(),
                     [](const std::string& f) { return f.empty(); }))
        return false;
    return (r.fields.size() == 1 && columns != 1) || (r.fields.size() == columns && has_numbers);
}

} // namespace

int name_columns(const database& db, int table, const string_table* lang) {
    using namespace table_index;
    if (!lang || (table != leagues && table != stadiums && table != teams) ||
        table >= name_config_tables || !db.has_table(table))
        return 0;
    const name_config& config = lang->names[static_cast<std::size_t>(table)];
    return config.base_key == 0 ? 0 : std::clamp<int>(config.name_count, 0, 3);
}

std::string separator_name(char separator) {
    return separator == ';' ? "semicolons" : separator == '\t' ? "tabs" : "commas";
}

void append_quoted_cell(std::string& out, std::string_view text, std::string_view specials) {
    if (text.find_first_of(specials) == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

std::string table_csv(const database& db, int t, int names) {
    const db_table& table = db.tables[static_cast<std::size_t>(t)];
    std::string out;
    for (int f = 0; f < table.field_count(); ++f) {
        if (f > 0)
            out += ',';
        append_field(out, table.fields[static_cast<std::size_t>(f)].name);
    }
    for (int k = 0; k < names; ++k)
        out += (table.field_count() > 0 || k > 0 ? ",@name" : "@name") + std::to_string(k);
    out += "\r\n";
    std::vector<field_place> places;
    for (int f = 0; f < table.field_count(); ++f)
        places.push_back(place_of_field(table, f));
    for (const auto& row : db.rows(t)) {
        for (std::size_t f = 0; f < places.size(); ++f) {
            if (f > 0)
                out += ',';
            if (holds_text(places[f].part))
                append_field(out, cell_string(row, places[f]));
            else
                out += number_text(places[f].part, cell_number(row, places[f]));
        }
        for (int k = 0; k < names; ++k) {
            if (table.field_count() > 0 || k > 0)
                out += ',';
            append_field(out, cell_string(row, {row_part::name, k}));
        }
        out += "\r\n";
    }
    return out;
}

csv_rows read_table_csv(const database& db, int t, std::string_view bytes, int names) {
    csv_rows out;
    // A problem of a column without a name is worded as one of its line.
    const auto problem = [&](std::size_t line, const std::string& column, std::string what) {
        ++out.problem_count;
        if (out.problems.size() < listed_problems)
            out.problems.push_back(result::failure(
                result::code::csv_problem,
                {.field = column.empty() ? std::nullopt : std::optional(column), .line = line},
                std::move(what)));
    };
    if (!db.has_table(t)) {
        problem(1, {}, "the database has no table " + std::to_string(t));
        return out;
    }
    out.separator = find_separator(bytes);
    result split;
    const std::vector<record> records = split_records(bytes, out.separator, split);
    if (!split) {
        ++out.problem_count;
        out.problems.push_back(std::move(split));
        return out;
    }
    if (records.empty()) {
        problem(1, {}, "the file is empty; it needs a header of the table's field names");
        return out;
    }

    // The header: each column is a field (the n-th column of a name is the n-th field of that
    // name) or a localized name.
    const db_table& table = db.tables[static_cast<std::size_t>(t)];
    const int fields = table.field_count();
    std::map<std::string, std::vector<int>> field_of_name;
    for (int f = 0; f < fields; ++f)
        field_of_name[table.fields[static_cast<std::size_t>(f)].name].push_back(f);
    for (int k = 0; k < names; ++k)
        field_of_name["@name" + std::to_string(k)].push_back(fields + k);
    std::map<std::string, std::size_t> used;
    const record& header = records.front();
    std::vector<int> column_field(header.fields.size(), -1);
    std::vector<bool> covered(static_cast<std::size_t>(fields + names), false);
    for (std::size_t c = 0; c < header.fields.size(); ++c) {
        const std::string& name = header.fields[c];
        const auto it = field_of_name.find(name);
        if (it == field_of_name.end()) {
            problem(header.line, name, "no field of table " + std::to_string(t) + " has this name");
            continue;
        }
        std::size_t& n = used[name];
        if (n >= it->second.size()) {
            problem(header.line, name, "the column is repeated");
            continue;
        }
        column_field[c] = it->second[n++];
        covered[static_cast<std::size_t>(column_field[c])] = true;
    }
    for (int f = 0; f < fields + names; ++f)
        if (!covered[static_cast<std::size_t>(f)])
            problem(header.line,
                    f < fields ? table.fields[static_cast<std::size_t>(f)].name
                               : "@name" + std::to_string(f - fields),
                    "the column is missing");
    if (!out.ok())
        return out;

    // Blank lines are no rows, and do not count towards what the table holds.
    const std::size_t columns = header.fields.size();
    const bool has_numbers = std::any_of(column_field.begin(), column_field.end(), [&](int f) {
        return f < fields && !holds_text(place_of_field(table, f).part);
    });
    std::vector<const record*> lines;
    for (std::size_t r = 1; r < records.size(); ++r)
        if (!is_blank(records[r], columns, has_numbers))
            lines.push_back(&records[r]);
    if (const auto room = check_capacity(db, t, lines.size()); !room)
        problem(lines.back()->line, {}, room.message());
    const std::size_t packed = static_cast<std::size_t>(std::max(table.packed_count, 0));
    out.rows.reserve(lines.size());
    for (const record* line : lines) {
        const record& rec = *line;
        if (rec.fields.size() != header.fields.size()) {
            problem(rec.line, {},
                    std::to_string(rec.fields.size()) + " fields, but the header has " +
                        std::to_string(header.fields.size()));
            continue;
        }
        db_overall_data row;
        row.values.resize(packed, 0);
        for (std::size_t c = 0; c < rec.fields.size(); ++c) {
            const int f = column_field[c];
            const std::string& text = rec.fields[c];
            const cell where =
                f < fields ? column_cell(db, t, 0, f) : cell{t, 0, row_part::name, f - fields};
            if (holds_text(where.part) && !is_valid_utf8(text))
                ++out.texts_not_utf8;
            auto value = parse_cell(db, where, text);
            if (!value) {
                problem(rec.line, table.fields[static_cast<std::size_t>(f)].name, value.message());
                continue;
            }
            write_cell(row, where.place(), std::move(value.value));
        }
        out.rows.push_back(std::move(row));
    }
    if (!out.ok())
        out.rows.clear();
    return out;
}

} // namespace qira
