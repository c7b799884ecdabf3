#pragma once
// JSON documents as the patch files are read: parsed whole into values, never trusting the text.
// A document that is not UTF-8, not JSON, or nested deeper or wider than a patch is, is refused
// with the line and column of the problem.
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

// Parses a whole document into `out`; not_json, with the line and column of the problem
// ("line 2 column 5: expected ':'"), when it is no valid JSON.
result parse_json(std::string_view text, json_value& out);

} // namespace qira
