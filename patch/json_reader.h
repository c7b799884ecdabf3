#pragma once
// JSON documents as the patch files are read: a pull reader (`json_cursor`) that checks the text as
// it goes and hands each value straight to its reader, and a whole document parsed into values
// (`parse_json`, for small documents and tests). A document that is not UTF-8, not JSON, or nested
// deeper or wider than a patch is, is refused with the line and column of the problem.
//
// Why a reader of our own and not a JSON library: the game's texts are bytes, often not UTF-8
// (names typed in old code pages), and a patch must give every byte back. The writer
// (json_writer.h) keeps a byte 80 to FF that is not part of valid UTF-8 as the escape \udcXX, a
// lone low surrogate. Such an escape is valid JSON text but names no character, and JSON
// libraries either refuse it or turn it into U+FFFD, losing the byte. This reader turns \udc80 to
// \udcff back into the byte, and refuses every other lone surrogate. It also bounds depth and
// width, so that a hostile document cannot exhaust the stack or memory.

#include "fileio/result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qira {

// A parsed JSON value. Numbers are kept only when they are integers that fit 64 bits.
struct json_value {
    enum class kind { null, boolean, integer, other_number, string, array, object };
    kind type = kind::null;
    std::int64_t integer = 0;
    std::string string;
    std::vector<json_value> items;
    // An object's members: names and values side by side (a vector of an incomplete type is
    // allowed, a pair of one is not).
    std::vector<std::string> names;
    std::vector<json_value> members;
};

// Reads a document value by value, in document order, without building a tree. The caller asks
// what comes next (`peek`) and reads it; every read checks the text (escapes, numbers, nesting at
// most 16 deep, objects of at most 32 members, each named once) and, at the first problem, stops
// with `error()` set (not_json, at its line and column) and every later read failing.
//
//     if (!c.enter_object()) return false;
//     while (c.next_member(name)) { ...read or skip() the member's value... }
//     if (c.failed()) return false;
class json_cursor {
  public:
    // `text` must outlive the cursor. A cursor made at `offset` with `depth` containers open
    // around it reads one value there that an earlier cursor skipped (and so checked).
    explicit json_cursor(std::string_view text, std::size_t offset = 0, int depth = 0);

    // Checks that the whole document is UTF-8 (every later read relies on it).
    bool start();
    // What the next value is (integer stands for any number; null also for the end of the text).
    json_value::kind peek();
    // The text's position (of the next value, after peek) and the containers open there.
    std::size_t offset() const { return pos_; }
    int depth() const { return static_cast<int>(open_); }

    bool enter_object();
    // The next member's name, after its ':'; false at the object's end (which it reads) or at a
    // problem (failed()).
    bool next_member(std::string& name);
    bool enter_array();
    // Whether another item follows; false at the array's end (which it reads) or at a problem.
    bool next_item();

    bool read_string(std::string& out);
    // A number: `whole` when it is an integer that fits 64 bits (then in `value`).
    bool read_number(std::int64_t& value, bool& whole);
    bool read_literal(); // true, false or null
    // Reads and checks the next value, whatever it is, keeping nothing.
    bool skip();
    // Only white space may follow the document.
    bool finish();

    bool failed() const { return !error_.ok(); }
    const result& error() const { return error_; }

  private:
    bool fail(wording what) { return fail_at(pos_, std::move(what)); }
    bool fail_at(std::size_t at, wording what);
    void skip_space();
    bool enter(char open);
    bool hex4(std::uint32_t& v);
    bool escape(std::string& out);

    struct level {
        bool object = false;
        bool first = true;
        std::size_t members = 0;
        std::vector<std::string> names; // an object's member names so far (kept to reuse)
    };
    std::string_view s_;
    std::size_t pos_ = 0;
    std::size_t base_ = 0; // the containers open around the cursor's first value
    std::size_t open_ = 0; // the containers open now (base_ included)
    std::vector<level> levels_;
    result error_ = result::success();
};

// Parses a whole document into `out`; not_json, with the line and column of the problem
// ("line 2 column 5: expected ':'"), when it is no valid JSON.
result parse_json(std::string_view text, json_value& out);

// Whether `text` is one valid JSON document (as parse_json checks it), keeping nothing.
result check_json(std::string_view text);

} // namespace qira
