#pragma once
// One table as CSV, the form spreadsheets read and write: a header of the table's field names in
// file order, then one line per row with its keys and extras (signed decimal), texts (their
// stored bytes) and packed values (unsigned decimal); RFC 4180 quoting, CRLF line ends. The
// tables with localized names (leagues 1, stadiums 7, teams 13) may carry one more column per
// name, "@name0", "@name1", "@name2".
//
// Reading takes the fields separated by commas, semicolons or tabs (whichever the header line
// has most of outside quotes), LF, CRLF or CR line ends, an optional UTF-8 byte-order mark (or
// UTF-16 text with its byte-order mark, read as its UTF-8 text; UTF-16 without one is refused),
// quoted fields with doubled quotes and line breaks, and the columns in any order, matched to
// the fields by name (fields of the same name in order). Blank lines and lines of empty fields
// are skipped. Every problem is counted with its line and column; nothing is taken from a file
// with problems. Reading costs the rows a table can hold and one line, whatever the file's length
// (a UTF-16 file also its UTF-8 text).

#include "dbfile/database.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qira {

// How many localized-name columns the table has with this language file (0 without one).
int name_columns(const database& db, int table, const string_table* lang);

// The table as CSV, with `names` localized-name columns.
std::string table_csv(const database& db, int table, int names = 0);
// Appends one cell: as it is, or in double quotes with its quotes doubled where it holds one of
// `specials` (its separator, a line break or a quote), as CSV and tab-separated text quote.
void append_quoted_cell(std::string& out, std::string_view text, std::string_view specials);

// "commas", "semicolons" or "tabs".
std::string separator_name(char separator);

struct [[nodiscard]] csv_rows {
    std::vector<db_overall_data> rows;
    // The first 20 problems, each a csv_problem at its line and column ("line 12, column height:
    // \"tall\" is not a whole number").
    std::vector<result> problems;
    std::size_t problem_count = 0;
    std::size_t texts_not_utf8 = 0; // texts kept as their bytes, to be warned about
    char separator = ',';           // ',', ';' or '\t', found in the header line
    bool utf16 = false;             // read from UTF-16 with its byte-order mark
    bool ok() const { return problem_count == 0; }
};

// Reads rows for table `table` from CSV bytes; `names` is the number of localized-name columns
// the header must have (0: none).
csv_rows read_table_csv(const database& db, int table, std::string_view bytes, int names = 0);

} // namespace qira
