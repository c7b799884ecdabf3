// Fuzz target: the CSV reader of the table import on arbitrary bytes, for a table with keys, an
// extra, two texts and packed values of several widths (0, 1, 7 and 32 bits) and three localized
// names, separated by commas, semicolons or tabs. Whatever it reads, it either lists problems
// (counted, at most 20 listed, no rows) or gives rows whose every value fits its field; those
// rows written as CSV and read again come back the same.

#include "fuzz_check.h"

#include "dbfile/build.h"
#include "editing/table_csv.h"
#include "editing/table_edits.h"

namespace {

using namespace qira;
using namespace qira::fuzz;

const database& fuzz_database() {
    static const database db = [] {
        database d;
        add_table(
            d, {"table",
                {"id", "owner"},
                {"extra"},
                {"name", "name"},
                {{"nothing", 0, 0}, {"flag", 0, 1}, {"height", 0, 127}, {"wide", -1, 0x7FFFFFFF}}});
        return d;
    }();
    return db;
}

bool same_rows(const std::vector<db_overall_data>& a, const std::vector<db_overall_data>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t r = 0; r < a.size(); ++r)
        if (a[r].keys != b[r].keys || a[r].extras != b[r].extras || a[r].values != b[r].values ||
            a[r].strings[0] != b[r].strings[0] || a[r].strings[1] != b[r].strings[1] ||
            a[r].names[0] != b[r].names[0] || a[r].names[2] != b[r].names[2])
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const database& db = fuzz_database();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const csv_rows read = read_table_csv(db, 0, bytes, 3);
    FUZZ_CHECK(read.problems.size() <= 20, str(static_cast<std::int64_t>(read.problems.size())));
    FUZZ_CHECK(read.problems.size() <= read.problem_count, "");
    FUZZ_CHECK(read.separator == ',' || read.separator == ';' || read.separator == '\t',
               str(read.separator));
    if (!read.ok()) {
        FUZZ_CHECK(read.rows.empty(), "rows read from a file with problems");
        FUZZ_CHECK(!read.problems.empty() && read.problems[0].message().rfind("line ", 0) == 0,
                   read.problems.empty() ? std::string() : read.problems[0].message());
        return 0;
    }
    FUZZ_CHECK(read.rows.size() <= static_cast<std::size_t>(max_rows), "");
    for (const auto& row : read.rows) {
        FUZZ_CHECK(row.values.size() == 4, "");
        FUZZ_CHECK(row.values[0] == 0, "a value in a field of width 0");
        FUZZ_CHECK(row.values[1] < 2 && row.values[2] < 128, "a value wider than its field");
    }
    database copy = db;
    copy.overall[0].rows = read.rows;
    copy.overall[0].row_count = static_cast<std::int32_t>(read.rows.size());
    const std::string again = table_csv(copy, 0, 3);
    const csv_rows reread = read_table_csv(db, 0, again, 3);
    FUZZ_CHECK(reread.ok(), reread.problems.empty() ? std::string() : reread.problems[0].message());
    FUZZ_CHECK(same_rows(read.rows, reread.rows), "the rows written and read again differ");
    FUZZ_CHECK(table_csv(copy, 0, 3) == again, "");
    return 0;
}
