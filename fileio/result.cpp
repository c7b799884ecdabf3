#include "fileio/result.h"

#include "fileio/utf8.h"

namespace qira {

namespace {

wording number(std::uint64_t n) {
    return std::to_string(n);
}

// "table 4 row 12 field height: <problem>" (or the row's title and the field), as far as the
// place goes; the problem alone without a table or row title.
wording table_row_field(const place& at, wording problem) {
    if (at.row_title) {
        if (at.field)
            return {QIRA_TR("qira::result", "%1 field %2: %3"),
                    {*at.row_title, printable(*at.field), std::move(problem)}};
        //: %1 is what the problem is about (a row, a member of a document), %2 the problem
        return {QIRA_TR("qira::result", "%1: %2"), {*at.row_title, std::move(problem)}};
    }
    if (!at.table)
        return problem;
    const wording table = std::to_string(*at.table);
    if (at.row) {
        const wording row = std::to_string(*at.row);
        if (at.field)
            return {QIRA_TR("qira::result", "table %1 row %2 field %3: %4"),
                    {table, row, printable(*at.field), std::move(problem)}};
        return {QIRA_TR("qira::result", "table %1 row %2: %3"), {table, row, std::move(problem)}};
    }
    if (at.field)
        return {QIRA_TR("qira::result", "table %1 field %2: %3"),
                {table, printable(*at.field), std::move(problem)}};
    return {QIRA_TR("qira::result", "table %1: %2"), {table, std::move(problem)}};
}

wording not_a_patch(const place& at, wording problem) {
    const wording line = number(at.line.value_or(0));
    const wording column = number(at.column.value_or(0));
    if (at.file) {
        if (at.line)
            return {QIRA_TR("qira::result",
                            "%1 is not a valid patch: not valid JSON: line %2 column %3: %4"),
                    {*at.file, line, column, std::move(problem)}};
        if (at.field)
            return {QIRA_TR("qira::result", "%1 is not a valid patch: %2: %3"),
                    {*at.file, printable(*at.field), std::move(problem)}};
        return {QIRA_TR("qira::result", "%1 is not a valid patch: %2"),
                {*at.file, std::move(problem)}};
    }
    if (at.line)
        return {QIRA_TR("qira::result", "not valid JSON: line %1 column %2: %3"),
                {line, column, std::move(problem)}};
    if (at.field)
        return {QIRA_TR("qira::result", "%1: %2"), {printable(*at.field), std::move(problem)}};
    return problem;
}

} // namespace

wording result::problem_words() const {
    if (words.english() == problem)
        return words;
    return problem;
}

wording result::shown() const {
    const wording file = where.file.value_or(std::string());
    wording p = problem_words();
    switch (status) {
    case code::ok:
        return {};
    case code::cannot_open:
        //: %1 is a file, %2 why it could not be opened
        return {QIRA_TR("qira::result", "Cannot open %1: %2"), {file, std::move(p)}};
    case code::cannot_read:
        return {QIRA_TR("qira::result", "Cannot read %1"), {file}};
    case code::damaged:
        return {QIRA_TR("qira::result", "%1 is damaged: %2"), {file, std::move(p)}};
    case code::not_editable:
        return {QIRA_TR("qira::result", "%1 cannot be edited: %2"), {file, std::move(p)}};
    case code::not_a_patch:
        return not_a_patch(where, std::move(p));
    case code::not_json:
        return {QIRA_TR("qira::result", "line %1 column %2: %3"),
                {number(where.line.value_or(0)), number(where.column.value_or(0)), std::move(p)}};
    case code::write_failed:
        if (!where.file)
            return p;
        //: %1 is a file, %2 why it could not be saved
        return {QIRA_TR("qira::result", "Could not save %1: %2"), {file, std::move(p)}};
    case code::csv_problem:
        if (where.field)
            return {QIRA_TR("qira::result", "line %1, column %2: %3"),
                    {number(where.line.value_or(0)), printable(*where.field), std::move(p)}};
        return {QIRA_TR("qira::result", "line %1: %2"),
                {number(where.line.value_or(0)), std::move(p)}};
    case code::not_imported:
        return {QIRA_TR("qira::result", "%1 was not imported: %2; nothing was changed."),
                {file, std::move(p)}};
    case code::conflict:
        return table_row_field(where, std::move(p));
    case code::refused:
        return p;
    }
    return p;
}

std::string result::message() const {
    return shown().english();
}

std::vector<std::string> messages(const std::vector<result>& results) {
    std::vector<std::string> texts;
    texts.reserve(results.size());
    for (const result& r : results)
        texts.push_back(r.message());
    return texts;
}

} // namespace qira
