#pragma once
// What every operation that can fail gives back: success, or a code that says what went wrong,
// the place it is about (as much of file, table, row, field, offset, line and column as is known)
// and the problem in words. The text the user reads is built from these when it is shown
// (message()), so that every message of a kind is worded the same way. A field's name is a file's
// bytes: the message shows it as printable() (utf8.h) does; a problem that quotes a name or text
// from a file quotes it that way itself.
//
// An operation that gives back more than success or failure returns a result_of<T>: the same
// result with the value. A list of problems (a CSV file's, a patch's conflicts) is a list of
// results, each with its own place.
//
// The problem is also kept as a wording (wording.h): its English format and the arguments, so
// that the window can show the whole message translated (shown()); `problem` is its English.

#include "fileio/wording.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qira {

// Where a problem is: what is known of it.
struct place {
    std::optional<std::string> file{};      // the file as the message names it (a path or a name)
    std::optional<int> table{};             // a table of the game database
    std::optional<std::int64_t> row{};      // a row of that table
    std::optional<std::string> row_title{}; // the row as messages name it ("players: Ann (keys 2,
                                            // rank 0)"): shown instead of the table and row
    std::optional<std::string> field{};     // a field's name (also an empty one), a CSV column, a
                                            // member of a JSON document
    std::optional<std::uint64_t> offset{};  // a byte offset in the file
    std::optional<std::size_t> line{};      // a line of a text file, from 1
    std::optional<std::size_t> column{};    // a column of that line, from 1

    friend bool operator==(const place&, const place&) = default;
};

struct [[nodiscard]] result {
    // Each code has its wording; the parts of the place it names are shown in <angle brackets>.
    enum class code {
        ok,
        cannot_open,  // "Cannot open <file>: <problem>": the file could not be opened for reading
        cannot_read,  // "Cannot read <file>": it was opened but could not be read to its end
        damaged,      // "<file> is damaged: <problem>": read, but it cannot be trusted; refused
        not_editable, // "<file> cannot be edited: <problem>": the pages cannot work on it
        not_a_patch,  // "<file> is not a valid patch: " then, with a line, "not valid JSON: line L
                      // column C: <problem>", else "<field>: <problem>" (field: the member)
        not_json,     // "line L column C: <problem>": a document that is no valid JSON
        write_failed, // "Could not save <file>: <problem>": a save did not complete; without a
                      // file (a folder that could not be made) the problem is the whole text
        csv_problem,  // "line L, column <field>: <problem>" (", column" only with a field)
        not_imported, // "<file> was not imported: <problem>; nothing was changed."
        conflict,     // "table T row R field F: <problem>" (as far as the place goes), or the
                      // problem alone when the place names no table
        refused       // "<problem>": a refusal worded whole; the place is for the program
    };

    code status = code::ok;
    place where{};
    std::string problem{}; // in words, without the place the wording adds: words' English
    wording words{};       // the problem to translate; ignored when its English is not `problem`

    static result success() { return {}; }
    static result failure(code c, place at, wording problem) {
        std::string english = problem.english();
        return {c, std::move(at), std::move(english), std::move(problem)};
    }

    bool ok() const { return status == code::ok; }
    explicit operator bool() const { return ok(); }
    // The text for the user, built from the code, the place and the problem; empty when ok.
    std::string message() const;
    // The same text as a wording: the code's frame with the place's parts and the problem.
    wording shown() const;
    // The problem as a wording: `words`, or `problem` as it is when it was changed on its own.
    wording problem_words() const;

    // The same code, place and problem; how the problem would be translated does not count.
    friend bool operator==(const result& a, const result& b) {
        return a.status == b.status && a.where == b.where && a.problem == b.problem;
    }
};

// A result with the value the operation gives back: on success what it made or read; some
// operations also say in it what a failure is about (see each).
template <typename T> struct [[nodiscard]] result_of : result {
    T value{};

    result_of() = default;
    // A failure, or a success with a default value.
    result_of(result r) : result(std::move(r)) {}
    result_of(result r, T v) : result(std::move(r)), value(std::move(v)) {}
    static result_of success(T v) { return {result{}, std::move(v)}; }

    // The result without the value.
    const result& outcome() const { return *this; }
};

// The messages of a list of results, in order.
std::vector<std::string> messages(const std::vector<result>& results);

} // namespace qira
