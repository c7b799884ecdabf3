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

// One record of a CSV file: its first fields, how many it has and the line it starts on. A
// reader keeps only the fields it is asked for (those beyond are counted), and a record read over
// an earlier one keeps the room of its texts: lines of any length, and any number of them, cost
// the memory of one.
struct record {
    std::vector<std::string> fields; // the first `kept` of its fields (fields.size() may be more)
    std::size_t kept = 0;
    std::size_t count = 0;
    std::size_t line = 0;
    bool empty = true; // every field empty
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

// Reads CSV bytes record by record. A quote that is not closed is a problem of its line, which
// ends the records (`problem`).
class record_reader {
  public:
    record_reader(std::string_view bytes, char separator)
        : bytes_(bytes), separator_(separator), i_(skip_bom(bytes)) {}

    result problem = result::success();

    // The next record into `r`, keeping at most `keep` of its fields; false at the end.
    bool next(record& r, std::size_t keep) {
        if (i_ >= bytes_.size() || !problem)
            return false;
        r.line = line_;
        r.kept = 0;
        r.count = 0;
        r.empty = true;
        for (;;) {
            const bool kept = r.count < keep;
            if (kept) {
                if (r.fields.size() <= r.kept)
                    r.fields.emplace_back();
                r.fields[r.kept].clear();
            }
            std::string scratch;
            std::string& field = kept ? r.fields[r.kept] : scratch;
            if (!read_field(field, kept))
                return false;
            r.empty = r.empty && field.empty() && !nonempty_;
            ++r.count;
            if (kept)
                ++r.kept;
            if (i_ >= bytes_.size())
                return true;
            if (bytes_[i_] == separator_) {
                ++i_;
                continue;
            }
            i_ += line_end_size(bytes_, i_);
            ++line_;
            return true;
        }
    }

  private:
    // One field up to the separator or line end after it; a field not kept is only looked at
    // (nonempty_ tells whether it holds anything).
    bool read_field(std::string& field, bool kept) {
        nonempty_ = false;
        const auto add = [&](char c) {
            if (kept)
                field += c;
            else
                nonempty_ = true;
        };
        if (i_ < bytes_.size() && bytes_[i_] == '"') {
            const std::size_t opened = line_;
            ++i_;
            for (;;) {
                if (i_ >= bytes_.size()) {
                    problem = result::failure(result::code::csv_problem, {.line = opened},
                                              QIRA_TR("qira::csv", "a quoted field is not closed"));
                    return false;
                }
                const char c = bytes_[i_++];
                if (c == '"') {
                    if (i_ < bytes_.size() && bytes_[i_] == '"') {
                        add('"');
                        ++i_;
                        continue;
                    }
                    break;
                }
                if (c == '\n' || (c == '\r' && (i_ >= bytes_.size() || bytes_[i_] != '\n')))
                    ++line_;
                add(c);
            }
            // What follows a closing quote up to the next separator belongs to the field.
        }
        while (i_ < bytes_.size() && bytes_[i_] != separator_ && !line_end(bytes_, i_))
            add(bytes_[i_++]);
        return true;
    }

    std::string_view bytes_;
    char separator_;
    std::size_t i_;
    std::size_t line_ = 1;
    bool nonempty_ = false;
};

// A line with no text at all is no row; nor is a line of empty fields, however many, as
// spreadsheets leave them after the last row. Only a line of as many empty fields as the header
// has columns, all of them texts, is a row (of empty texts).
bool is_blank(const record& r, std::size_t columns, bool has_numbers) {
    return r.empty && (r.count != columns || has_numbers);
}

// The bytes as UTF-8 text: those of a UTF-16 file with its byte-order mark (as spreadsheets save
// "Unicode text") turned into UTF-8 in `decoded`; a problem for a file that is UTF-16 without the
// mark (a NUL in every other byte of its first line) or whose UTF-16 is broken.
result as_utf8(std::string_view& bytes, std::string& decoded, bool& utf16) {
    const bool le = bytes.starts_with("\xFF\xFE");
    const bool be = bytes.starts_with("\xFE\xFF");
    if (le || be) {
        std::size_t bad = 0;
        auto text = utf16_to_utf8(bytes.substr(2), be, bad);
        if (!text)
            return result::failure(
                result::code::csv_problem, {.line = 1},
                be ? wording(QIRA_TR("qira::csv", "the file is UTF-16 text (big-endian), "
                                                  "broken at byte %1: an odd number of "
                                                  "bytes or half a character"),
                             {std::to_string(bad + 2)})
                   : wording(QIRA_TR("qira::csv", "the file is UTF-16 text (little-endian), "
                                                  "broken at byte %1: an odd number of "
                                                  "bytes or half a character"),
                             {std::to_string(bad + 2)}));
        decoded = std::move(*text);
        bytes = decoded;
        utf16 = true;
        return result::success();
    }
    // The first line of UTF-16 text without a mark: mostly ASCII, so its high (or low) bytes are
    // NULs, which no CSV text of a table holds.
    // Only the header is looked at: the lines after it may hold any bytes, and a sheet the editor
    // wrote must read the same whatever rows it holds.
    const std::size_t header_end = std::min(bytes.find('\n'), std::size_t{512});
    std::size_t pairs = 0, nul_even = 0, nul_odd = 0;
    for (std::size_t i = 0; i + 1 < bytes.size() && i < header_end; i += 2, ++pairs) {
        nul_even += bytes[i] == '\0';
        nul_odd += bytes[i + 1] == '\0';
    }
    if (pairs >= 2 && std::max(nul_even, nul_odd) * 2 > pairs)
        return result::failure(result::code::csv_problem, {.line = 1},
                               QIRA_TR("qira::csv",
                                       "the file looks like UTF-16 text without a byte-order mark "
                                       "(a NUL in every other byte); save it as CSV UTF-8, or as "
                                       "Unicode text with its byte-order mark"));
    return result::success();
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

namespace {

// A problem at the line and column of the file; one of a column without a name is worded as one
// of its line. Only the first few are listed, all are counted.
void add_problem(csv_rows& out, std::size_t line, std::string_view column, wording what) {
    ++out.problem_count;
    if (out.problems.size() < listed_problems)
        out.problems.push_back(result::failure(
            result::code::csv_problem,
            {.field = column.empty() ? std::nullopt : std::optional(std::string(column)),
             .line = line},
            std::move(what)));
}

// The field of table t that each column of the header is (the n-th column of a name is the n-th
// field of that name; a localized name k is field `field_count() + k`, -1 a column that is
// none), with a problem for each column that is no field, is repeated or is missing, and for
// columns past as many as the table has.
std::vector<int> header_fields(const database& db, int t, int names, const record& header,
                               csv_rows& out) {
    const db_table& table = db.tables[static_cast<std::size_t>(t)];
    const int fields = table.field_count();
    const auto columns_wanted = static_cast<std::size_t>(fields + names);
    std::map<std::string, std::vector<int>, std::less<>> field_of_name;
    for (int f = 0; f < fields; ++f)
        field_of_name[table.fields[static_cast<std::size_t>(f)].name].push_back(f);
    for (int k = 0; k < names; ++k)
        field_of_name["@name" + std::to_string(k)].push_back(fields + k);
    std::map<std::string, std::size_t, std::less<>> used;
    std::vector<int> column_field(header.kept, -1);
    std::vector<bool> covered(columns_wanted, false);
    for (std::size_t c = 0; c < header.kept; ++c) {
        const std::string& name = header.fields[c];
        const auto it = field_of_name.find(name);
        if (it == field_of_name.end()) {
            add_problem(
                out, header.line, name,
                {QIRA_TR("qira::csv", "no field of table %1 has this name"), {std::to_string(t)}});
            continue;
        }
        std::size_t& n = used[name];
        if (n >= it->second.size()) {
            add_problem(out, header.line, name, QIRA_TR("qira::csv", "the column is repeated"));
            continue;
        }
        column_field[c] = it->second[n++];
        covered[static_cast<std::size_t>(column_field[c])] = true;
    }
    if (header.count > header.kept)
        add_problem(
            out, header.line, {},
            columns_wanted == 1
                ? wording(QIRA_TR("qira::csv", "the header has %1 columns; table %2 has %3 column"),
                          {std::to_string(header.count), std::to_string(t),
                           std::to_string(columns_wanted)})
                : wording(
                      QIRA_TR("qira::csv", "the header has %1 columns; table %2 has %3 columns"),
                      {std::to_string(header.count), std::to_string(t),
                       std::to_string(columns_wanted)}));
    for (int f = 0; f < fields + names; ++f)
        if (!covered[static_cast<std::size_t>(f)])
            add_problem(out, header.line,
                        f < fields ? table.fields[static_cast<std::size_t>(f)].name
                                   : "@name" + std::to_string(f - fields),
                        QIRA_TR("qira::csv", "the column is missing"));
    return column_field;
}

// The row a line of the file gives: each of its fields read into the cell of its column
// (`column_cells`, of the fields `column_field`), with a problem for each field that does not
// read; texts that are not UTF-8 are counted.
db_overall_data read_row(const database& db, int t, const record& rec,
                         const std::vector<int>& column_field,
                         const std::vector<cell>& column_cells, csv_rows& out) {
    const db_table& table = db.tables[static_cast<std::size_t>(t)];
    db_overall_data row;
    row.values.resize(static_cast<std::size_t>(std::max(table.packed_count, 0)), 0);
    for (std::size_t c = 0; c < column_cells.size(); ++c) {
        const cell& where = column_cells[c];
        const std::string& text = rec.fields[c];
        if (holds_text(where.part) && !is_valid_utf8(text))
            ++out.texts_not_utf8;
        auto value = parse_cell(db, where, text);
        if (!value) {
            add_problem(out, rec.line, table.fields[static_cast<std::size_t>(column_field[c])].name,
                        value.shown());
            continue;
        }
        write_cell(row, where.place(), std::move(value.value));
    }
    return row;
}

// The lines after the header, one at a time, into `out.rows`. Blank lines are no rows, and do
// not count towards what the table holds. Rows are kept only while the table can hold them and
// no problem is found (a file with problems gives none), so that a file of any length costs the
// memory of the rows a table can hold.
void read_rows(const database& db, int t, record_reader& reader, std::size_t columns,
               const std::vector<int>& column_field, csv_rows& out) {
    const db_table& table = db.tables[static_cast<std::size_t>(t)];
    const int fields = table.field_count();
    const bool has_numbers = std::any_of(column_field.begin(), column_field.end(), [&](int f) {
        return f >= 0 && f < fields && !holds_text(place_of_field(table, f).part);
    });
    std::vector<cell> column_cells;
    for (const int f : column_field)
        column_cells.push_back(f < fields ? column_cell(db, t, 0, f)
                                          : cell{t, 0, row_part::name, f - fields});
    std::size_t lines = 0, last_line = 0;
    result room = result::success();
    record rec;
    while (reader.next(rec, columns)) {
        if (is_blank(rec, columns, has_numbers))
            continue;
        ++lines;
        last_line = rec.line;
        if (room)
            room = check_capacity(db, t, lines);
        if (rec.count != columns) {
            add_problem(out, rec.line, {},
                        {QIRA_TR("qira::csv", "%1 fields, but the header has %2"),
                         {std::to_string(rec.count), std::to_string(columns)}});
            continue;
        }
        db_overall_data row = read_row(db, t, rec, column_field, column_cells, out);
        if (out.ok() && room)
            out.rows.push_back(std::move(row));
    }
    // A quote that is not closed takes the rest of the file: the one problem told.
    if (!reader.problem) {
        out.rows.clear();
        out.problems.assign(1, std::move(reader.problem));
        out.problem_count = 1;
        return;
    }
    // A table that cannot hold the rows: the first problem, at the last row, with all of them.
    if (!room) {
        room = check_capacity(db, t, lines);
        ++out.problem_count;
        out.problems.insert(
            out.problems.begin(),
            result::failure(result::code::csv_problem, {.line = last_line}, room.shown()));
        if (out.problems.size() > listed_problems)
            out.problems.pop_back();
    }
    if (!out.ok())
        out.rows.clear();
}

} // namespace

csv_rows read_table_csv(const database& db, int t, std::string_view bytes, int names) {
    csv_rows out;
    if (!db.has_table(t)) {
        add_problem(out, 1, {},
                    {QIRA_TR("qira::csv", "the database has no table %1"), {std::to_string(t)}});
        return out;
    }
    std::string decoded;
    if (result text = as_utf8(bytes, decoded, out.utf16); !text) {
        ++out.problem_count;
        out.problems.push_back(std::move(text));
        return out;
    }
    out.separator = find_separator(bytes);
    record_reader reader(bytes, out.separator);
    const db_table& table = db.tables[static_cast<std::size_t>(t)];
    const auto columns_wanted = static_cast<std::size_t>(table.field_count() + names);

    // The header: each column is a field (the n-th column of a name is the n-th field of that
    // name) or a localized name. Columns past as many as the table has fields, and a few more
    // to name in problems, are only counted.
    record header;
    if (!reader.next(header, columns_wanted + listed_problems)) {
        if (!reader.problem) {
            ++out.problem_count;
            out.problems.push_back(std::move(reader.problem));
        } else {
            add_problem(out, 1, {},
                        QIRA_TR("qira::csv", "the file is empty; it needs a header of the "
                                             "table's field names"));
        }
        return out;
    }
    const std::vector<int> column_field = header_fields(db, t, names, header, out);
    if (!out.ok())
        return out;
    read_rows(db, t, reader, header.count, column_field, out);
    return out;
}

} // namespace qira
