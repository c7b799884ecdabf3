#include "fileio/result.h"

#include "fileio/utf8.h"

namespace qira {

namespace {

std::string line_column(const place& at) {
    return "line " + std::to_string(at.line.value_or(0)) + " column " +
           std::to_string(at.column.value_or(0)) + ": ";
}

// "table 4 row 12 field height: " (or the row's title and the field), as far as the place goes;
// empty without a table or row title.
std::string table_row_field(const place& at) {
    if (!at.table && !at.row_title)
        return {};
    std::string text;
    if (at.row_title)
        text = *at.row_title;
    else {
        text = "table " + std::to_string(*at.table);
        if (at.row)
            text += " row " + std::to_string(*at.row);
    }
    if (at.field)
        text += " field " + printable(*at.field);
    return text + ": ";
}

} // namespace

std::string result::message() const {
    const std::string file = where.file.value_or(std::string());
    switch (status) {
    case code::ok:
        return {};
    case code::cannot_open:
        return "Cannot open " + file + ": " + problem;
    case code::cannot_read:
        return "Cannot read " + file;
    case code::damaged:
        return file + " is damaged: " + problem;
    case code::not_editable:
        return file + " cannot be edited: " + problem;
    case code::not_a_patch: {
        std::string text = where.file ? file + " is not a valid patch: " : std::string();
        if (where.line)
            text += "not valid JSON: " + line_column(where);
        else if (where.field)
            text += printable(*where.field) + ": ";
        return text + problem;
    }
    case code::not_json:
        return line_column(where) + problem;
    case code::write_failed:
        return where.file ? "Could not save " + file + ": " + problem : problem;
    case code::csv_problem:
        return "line " + std::to_string(where.line.value_or(0)) +
               (where.field ? ", column " + printable(*where.field) : std::string()) + ": " +
               problem;
    case code::not_imported:
        return file + " was not imported: " + problem + "; nothing was changed.";
    case code::conflict:
        return table_row_field(where) + problem;
    case code::refused:
        return problem;
    }
    return problem;
}

std::vector<std::string> messages(const std::vector<result>& results) {
    std::vector<std::string> texts;
    texts.reserve(results.size());
    for (const result& r : results)
        texts.push_back(r.message());
    return texts;
}

} // namespace qira
