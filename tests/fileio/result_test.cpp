#include "fileio/result.h"

#include <gtest/gtest.h>

namespace qira {
namespace {

using code = result::code;

// Each code's wording with the parts of the place it names, and the parts it leaves out.
TEST(Result, TheMessageIsBuiltFromCodePlaceAndProblem) {
    const struct {
        result r;
        const char* message;
    } cases[] = {
        {{}, ""},
        {{code::cannot_open, {.file = "/g/qira.db"}, "it is a folder"},
         "Cannot open /g/qira.db: it is a folder"},
        {{code::cannot_read, {.file = "/g/eng.db"}, ""}, "Cannot read /g/eng.db"},
        {{code::damaged, {.file = "qira.db", .table = 3, .offset = 40}, "the header runs past"},
         "qira.db is damaged: the header runs past"},
        {{code::not_editable, {.file = "qira.db", .table = 4}, "table 4 (players) is missing"},
         "qira.db cannot be edited: table 4 (players) is missing"},
        {{code::not_a_patch, {.file = "mod.json", .field = "tables[0].index"}, "expected a number"},
         "mod.json is not a valid patch: tables[0].index: expected a number"},
        {{code::not_a_patch, {.file = "mod.json", .line = 2, .column = 5}, "expected ':'"},
         "mod.json is not a valid patch: not valid JSON: line 2 column 5: expected ':'"},
        {{code::not_a_patch, {.field = "version"}, "version 2 is not known"},
         "version: version 2 is not known"},
        {{code::not_a_patch, {}, "no patch"}, "no patch"},
        {{code::not_json, {.line = 1, .column = 1}, "not a JSON value"},
         "line 1 column 1: not a JSON value"},
        {{code::write_failed, {.file = "/g/qira.db"}, "disk full. Nothing was saved."},
         "Could not save /g/qira.db: disk full. Nothing was saved."},
        {{code::write_failed, {}, "Could not create /g/fe: exists"},
         "Could not create /g/fe: exists"},
        {{code::write_failed, {.file = ""}, "No such file or directory"},
         "Could not save : No such file or directory"},
        {{code::csv_problem, {.field = "height", .line = 12}, "\"x\" is not a whole number"},
         "line 12, column height: \"x\" is not a whole number"},
        {{code::csv_problem, {.line = 2}, "a quoted field is not closed"},
         "line 2: a quoted field is not closed"},
        {{code::not_imported, {.file = "a.csv (separated by tabs)"}, "2 problems"},
         "a.csv (separated by tabs) was not imported: 2 problems; nothing was changed."},
        {{code::conflict, {.table = 4, .row = 12, .field = "height"}, "holds 1, patch expects 2"},
         "table 4 row 12 field height: holds 1, patch expects 2"},
        {{code::conflict, {.table = 4, .row = 3, .field = ""}, "holds 1"},
         "table 4 row 3 field : holds 1"},
        {{code::conflict, {.table = 4, .row = 0}, "the patch lists it twice"},
         "table 4 row 0: the patch lists it twice"},
        {{code::conflict, {.table = 0}, "no row with keys [7], patch removes it"},
         "table 0: no row with keys [7], patch removes it"},
        {{code::conflict, {.row = 3, .field = "x"}, "language entry key 5: missing"},
         "language entry key 5: missing"},
        {{code::refused, {.file = "qira.db", .table = 9}, "qira.db has no table 9 (it has 8)"},
         "qira.db has no table 9 (it has 8)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.r.message(), c.message);
        EXPECT_EQ(c.r.ok(), c.r.status == code::ok);
        EXPECT_EQ(static_cast<bool>(c.r), c.r.ok());
    }
    const result_of<int> failed = result::failure(code::refused, {}, "no");
    const auto read = result_of<int>::success(7);
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.outcome().message(), "no");
    EXPECT_TRUE(read);
    EXPECT_EQ(read.value, 7);
    EXPECT_EQ(messages({cases[1].r, cases[2].r}),
              (std::vector<std::string>{cases[1].message, cases[2].message}));
}

} // namespace
} // namespace qira
