#include "editing/patch_json.h"

#include "editing/json_writer.h"
#include "langfile/stored_string.h"

#include <charconv>
#include <limits>
#include <memory>
#include <utility>

namespace qira {

// ---- Writing -------------------------------------------------------------------------------

namespace {

void text(std::string& out, std::string_view s) {
    append_json_string(out, s);
}

void number_list(std::string& out, const auto& values, std::size_t count) {
    out += '[';
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            out += ", ";
        out += std::to_string(values[i]);
    }
    out += ']';
}

void write_row_id(std::string& out, const row_id& id, int ca) {
    out += "\"keys\": ";
    number_list(out, id.keys, static_cast<std::size_t>(ca));
    out += ", \"rank\": " + std::to_string(id.rank);
}

void write_value(std::string& out, const table_patch& tp, int field, const cell_value& v) {
    const int ca = tp.kinds[0], cb = tp.kinds[1], cc = tp.kinds[2];
    if (field < ca + cb)
        out += std::to_string(static_cast<std::int32_t>(v.number));
    else if (field < ca + cb + cc)
        text(out, v.text);
    else
        out += std::to_string(v.number);
}

bool unique_name(const table_patch& tp, int field) {
    int seen = 0;
    for (const auto& name : tp.fields)
        seen += name == tp.fields[static_cast<std::size_t>(field)] ? 1 : 0;
    return seen == 1;
}

void write_placed_rows(std::string& out, const table_patch& tp,
                       const std::vector<placed_row>& rows) {
    const int ca = tp.kinds[0];
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const placed_row& pr = rows[k];
        out += "        {";
        write_row_id(out, pr.row, ca);
        out += ", \"after\": ";
        if (pr.after) {
            out += '{';
            write_row_id(out, *pr.after, ca);
            out += '}';
        } else {
            out += "null";
        }
        out += ", \"extras\": ";
        number_list(out, pr.contents.extras, static_cast<std::size_t>(tp.kinds[1]));
        out += ", \"strings\": [";
        for (int i = 0; i < tp.kinds[2]; ++i) {
            if (i > 0)
                out += ", ";
            text(out, pr.contents.strings[static_cast<std::size_t>(i)]);
        }
        out += "], \"values\": ";
        number_list(out, pr.contents.values, pr.contents.values.size());
        out += k + 1 < rows.size() ? "},\n" : "}\n";
    }
}

void write_entry_id(std::string& out, const entry_id& id) {
    out += "\"key\": " + std::to_string(id.key) + ", \"rank\": " + std::to_string(id.rank);
}

void write_placed_entries(std::string& out, const std::vector<placed_entry>& entries) {
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const placed_entry& pe = entries[k];
        out += "      {";
        write_entry_id(out, pe.entry);
        out += ", \"after\": ";
        if (pe.after) {
            out += '{';
            write_entry_id(out, *pe.after);
            out += '}';
        } else {
            out += "null";
        }
        out += ", \"text\": ";
        text(out, pe.text);
        out += k + 1 < entries.size() ? "},\n" : "}\n";
    }
}

void write_table(std::string& out, const table_patch& tp) {
    out += "    {\n      \"index\": " + std::to_string(tp.index) + ",\n      \"name\": ";
    text(out, tp.name);
    out += ",\n      \"fields\": [";
    for (std::size_t f = 0; f < tp.fields.size(); ++f) {
        if (f > 0)
            out += ", ";
        text(out, tp.fields[f]);
    }
    out += "],\n      \"kinds\": {\"keys\": " + std::to_string(tp.kinds[0]) +
           ", \"extras\": " + std::to_string(tp.kinds[1]) +
           ", \"strings\": " + std::to_string(tp.kinds[2]) +
           ", \"packed\": " + std::to_string(tp.kinds[3]) + "},\n";
    out += "      \"rows_before\": " + std::to_string(tp.rows_before) + ",\n";
    out += "      \"rows_after\": " + std::to_string(tp.rows_after) + ",\n";
    out += "      \"changed\": [\n";
    for (std::size_t k = 0; k < tp.changed.size(); ++k) {
        const changed_row& rc = tp.changed[k];
        out += "        {";
        write_row_id(out, rc.row, tp.kinds[0]);
        out += ", \"fields\": [";
        for (std::size_t i = 0; i < rc.fields.size(); ++i) {
            const field_change& fc = rc.fields[i];
            if (i > 0)
                out += ", ";
            out += "{\"field\": ";
            text(out, tp.fields[static_cast<std::size_t>(fc.field)]);
            if (!unique_name(tp, fc.field))
                out += ", \"field_index\": " + std::to_string(fc.field);
            out += ", \"before\": ";
            write_value(out, tp, fc.field, fc.before);
            out += ", \"after\": ";
            write_value(out, tp, fc.field, fc.after);
            out += '}';
        }
        out += k + 1 < tp.changed.size() ? "]},\n" : "]}\n";
    }
    out += "      ],\n      \"removed\": [\n";
    write_placed_rows(out, tp, tp.removed);
    out += "      ],\n      \"added\": [\n";
    write_placed_rows(out, tp, tp.added);
    out += "      ]\n    }";
}

} // namespace

std::string patch_to_json(const patch& p) {
    std::string out = "{\n  \"format\": ";
    text(out, patch_format_name);
    out += ",\n  \"version\": " + std::to_string(patch_format_version) + ",\n  \"tables\": [\n";
    for (std::size_t k = 0; k < p.tables.size(); ++k) {
        write_table(out, p.tables[k]);
        out += k + 1 < p.tables.size() ? ",\n" : "\n";
    }
    out += "  ]";
    if (p.has_language) {
        const language_patch& lp = p.language;
        out += ",\n  \"language\": {\n    \"changed\": [\n";
        for (std::size_t k = 0; k < lp.changed.size(); ++k) {
            out += "      {";
            write_entry_id(out, lp.changed[k].entry);
            out += ", \"before\": ";
            text(out, lp.changed[k].before);
            out += ", \"after\": ";
            text(out, lp.changed[k].after);
            out += k + 1 < lp.changed.size() ? "},\n" : "}\n";
        }
        out += "    ],\n    \"removed\": [\n";
        write_placed_entries(out, lp.removed);
        out += "    ],\n    \"added\": [\n";
        write_placed_entries(out, lp.added);
        out += "    ]\n  }";
    }
    out += "\n}\n";
    // Empty lists on one line: "[", a line break, spaces and "]" become "[]" (texts hold no raw
    // line breaks, so this finds only the layout's own).
    std::string tidy;
    tidy.reserve(out.size());
    for (std::size_t i = 0; i < out.size(); ++i) {
        tidy += out[i];
        if (out[i] == '[' && i + 1 < out.size() && out[i + 1] == '\n') {
            std::size_t j = i + 2;
            while (j < out.size() && out[j] == ' ')
                ++j;
            if (j < out.size() && out[j] == ']') {
                tidy += ']';
                i = j;
            }
        }
    }
    return tidy;
}

// ---- Reading -------------------------------------------------------------------------------

namespace {

// A parsed JSON value. Numbers are kept only when they are integers that fit 64 bits.
struct jvalue {
    enum class kind { null, boolean, integer, other_number, string, array, object };
    kind type = kind::null;
    std::int64_t integer = 0;
    std::string string;
    std::vector<jvalue> items;
    // An object's members: names and values side by side (a vector of an incomplete type is
    // allowed, a pair of one is not).
    std::vector<std::string> names;
    std::vector<jvalue> members;
};

constexpr int max_depth = 16;
constexpr std::size_t max_members = 32; // a patch's objects have at most 9

class parser {
  public:
    explicit parser(std::string_view text) : s_(text) {}

    bool parse(jvalue& out) {
        if (!is_valid_utf8(s_))
            return fail_at(0, "the document is not valid UTF-8");
        skip_space();
        if (!value(out, 0))
            return false;
        skip_space();
        if (pos_ != s_.size())
            return fail("unexpected text after the document");
        return true;
    }
    const std::string& error() const { return error_; }

  private:
    bool fail(const std::string& what) { return fail_at(pos_, what); }
    bool fail_at(std::size_t at, const std::string& what) {
        std::size_t line = 1, column = 1;
        for (std::size_t i = 0; i < at && i < s_.size(); ++i) {
            if (s_[i] == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
        }
        error_ = "line " + std::to_string(line) + " column " + std::to_string(column) + ": " + what;
        return false;
    }
    void skip_space() {
        while (pos_ < s_.size() &&
               (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r'))
            ++pos_;
    }
    bool literal(std::string_view word) {
        if (s_.substr(pos_, word.size()) != word)
            return fail("not a JSON value");
        pos_ += word.size();
        return true;
    }

    bool value(jvalue& out, int depth) {
        if (pos_ >= s_.size())
            return fail("the document ends where a value should be");
        switch (s_[pos_]) {
        case '{':
            return object(out, depth + 1);
        case '[':
            return array(out, depth + 1);
        case '"':
            out.type = jvalue::kind::string;
            return string(out.string);
        case 't':
            out.type = jvalue::kind::boolean;
            return literal("true");
        case 'f':
            out.type = jvalue::kind::boolean;
            return literal("false");
        case 'n':
            out.type = jvalue::kind::null;
            return literal("null");
        default:
            return number(out);
        }
    }

    bool object(jvalue& out, int depth) {
        if (depth > max_depth)
            return fail("nested deeper than a patch is");
        out.type = jvalue::kind::object;
        ++pos_;
        skip_space();
        if (pos_ < s_.size() && s_[pos_] == '}') {
            ++pos_;
            return true;
        }
        for (;;) {
            skip_space();
            if (pos_ >= s_.size() || s_[pos_] != '"')
                return fail("expected a member name in quotes");
            std::string name;
            if (!string(name))
                return false;
            if (out.names.size() >= max_members)
                return fail("an object with more members than a patch has");
            for (const auto& m : out.names)
                if (m == name)
                    return fail("the member \"" + name + "\" appears twice");
            skip_space();
            if (pos_ >= s_.size() || s_[pos_] != ':')
                return fail("expected ':'");
            ++pos_;
            skip_space();
            out.names.push_back(std::move(name));
            out.members.emplace_back();
            if (!value(out.members.back(), depth))
                return false;
            skip_space();
            if (pos_ < s_.size() && s_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < s_.size() && s_[pos_] == '}') {
                ++pos_;
                return true;
            }
            return fail("expected ',' or '}'");
        }
    }

    bool array(jvalue& out, int depth) {
        if (depth > max_depth)
            return fail("nested deeper than a patch is");
        out.type = jvalue::kind::array;
        ++pos_;
        skip_space();
        if (pos_ < s_.size() && s_[pos_] == ']') {
            ++pos_;
            return true;
        }
        for (;;) {
            skip_space();
            out.items.emplace_back();
            if (!value(out.items.back(), depth))
                return false;
            skip_space();
            if (pos_ < s_.size() && s_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < s_.size() && s_[pos_] == ']') {
                ++pos_;
                return true;
            }
            return fail("expected ',' or ']'");
        }
    }

    bool hex4(std::uint32_t& v) {
        if (s_.size() - pos_ < 4)
            return fail("a \\u escape needs four hex digits");
        v = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = s_[pos_++];
            v <<= 4;
            if (c >= '0' && c <= '9')
                v |= static_cast<std::uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                v |= static_cast<std::uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                v |= static_cast<std::uint32_t>(c - 'A' + 10);
            else
                return fail("a \\u escape needs four hex digits");
        }
        return true;
    }

    // A string literal; \udc80 to \udcff stand for the stored bytes 80 to FF that are not part
    // of valid UTF-8.
    bool string(std::string& out) {
        ++pos_;
        for (;;) {
            if (pos_ >= s_.size())
                return fail("a text runs to the end of the document");
            const auto c = static_cast<unsigned char>(s_[pos_]);
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (c < 0x20)
                return fail("a control character inside a text must be escaped");
            if (c != '\\') {
                out += static_cast<char>(c);
                ++pos_;
                continue;
            }
            ++pos_;
            if (pos_ >= s_.size())
                return fail("a text runs to the end of the document");
            const char e = s_[pos_++];
            switch (e) {
            case '"':
            case '\\':
            case '/':
                out += e;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                std::uint32_t cp = 0;
                if (!hex4(cp))
                    return false;
                if (cp >= 0xDC80 && cp <= 0xDCFF) {
                    out += static_cast<char>(cp & 0xFF);
                } else if (cp >= 0xD800 && cp <= 0xDBFF) {
                    std::uint32_t low = 0;
                    if (s_.substr(pos_, 2) != "\\u")
                        return fail("a high surrogate escape without its low half");
                    pos_ += 2;
                    if (!hex4(low))
                        return false;
                    if (low < 0xDC00 || low > 0xDFFF)
                        return fail("a high surrogate escape without its low half");
                    append_utf8(out, 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00));
                } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
                    return fail("a lone low surrogate escape other than \\udc80 to \\udcff");
                } else {
                    append_utf8(out, cp);
                }
                break;
            }
            default:
                return fail("an unknown escape in a text");
            }
        }
    }

    bool number(jvalue& out) {
        const std::size_t start = pos_;
        if (pos_ < s_.size() && s_[pos_] == '-')
            ++pos_;
        const std::size_t digits = pos_;
        while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9')
            ++pos_;
        if (pos_ == digits)
            return fail_at(start, "not a JSON value");
        if (s_[digits] == '0' && pos_ - digits > 1)
            return fail_at(start, "a number with a leading zero");
        bool whole = true;
        if (pos_ < s_.size() && s_[pos_] == '.') {
            whole = false;
            ++pos_;
            const std::size_t frac = pos_;
            while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9')
                ++pos_;
            if (pos_ == frac)
                return fail_at(start, "a number without digits after its point");
        }
        if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
            whole = false;
            ++pos_;
            if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-'))
                ++pos_;
            const std::size_t exp = pos_;
            while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9')
                ++pos_;
            if (pos_ == exp)
                return fail_at(start, "a number without digits in its exponent");
        }
        out.type = jvalue::kind::other_number;
        if (whole) {
            std::int64_t v = 0;
            const auto r = std::from_chars(s_.data() + start, s_.data() + pos_, v);
            if (r.ec == std::errc() && r.ptr == s_.data() + pos_) {
                out.type = jvalue::kind::integer;
                out.integer = v;
            }
        }
        return true;
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    std::string error_;
};

// Reading the parsed document into a patch; the first problem stops it, named by where it is.
class reader {
  public:
    std::string error;

    bool fail(const std::string& where, const std::string& what) {
        if (error.empty())
            error = where + ": " + what;
        return false;
    }

    const jvalue* member(const jvalue& object, std::string_view name) {
        for (std::size_t i = 0; i < object.names.size(); ++i)
            if (object.names[i] == name)
                return &object.members[i];
        return nullptr;
    }

    const jvalue* need(const jvalue& object, const std::string& where, std::string_view name,
                       jvalue::kind type) {
        const jvalue* v = member(object, name);
        const std::string at = where.empty() ? std::string(name) : where + "." + std::string(name);
        if (v == nullptr) {
            fail(where.empty() ? "the document" : where,
                 "the member \"" + std::string(name) + "\" is missing");
            return nullptr;
        }
        if (v->type != type) {
            static const char* const names[] = {"null",           "true or false", "a whole number",
                                                "a whole number", "a text",        "an array",
                                                "an object"};
            fail(at, std::string("expected ") + names[static_cast<int>(type)]);
            return nullptr;
        }
        return v;
    }

    bool integer(const jvalue& v, const std::string& where, std::int64_t lo, std::int64_t hi,
                 std::int64_t& out) {
        if (v.type != jvalue::kind::integer)
            return fail(where, "expected a whole number");
        if (v.integer < lo || v.integer > hi)
            return fail(where, std::to_string(v.integer) + " is out of range (" +
                                   std::to_string(lo) + " to " + std::to_string(hi) + ")");
        out = v.integer;
        return true;
    }

    bool integer_member(const jvalue& object, const std::string& where, std::string_view name,
                        std::int64_t lo, std::int64_t hi, std::int64_t& out) {
        const jvalue* v = need(object, where, name, jvalue::kind::integer);
        return v != nullptr && integer(*v, where + "." + std::string(name), lo, hi, out);
    }

    static constexpr std::int64_t i32_min = std::numeric_limits<std::int32_t>::min();
    static constexpr std::int64_t i32_max = std::numeric_limits<std::int32_t>::max();
    static constexpr std::int64_t u32_max = std::numeric_limits<std::uint32_t>::max();

    bool read_row_id(const jvalue& object, const std::string& where, int ca, row_id& id) {
        const jvalue* keys = need(object, where, "keys", jvalue::kind::array);
        if (keys == nullptr)
            return false;
        if (keys->items.size() != static_cast<std::size_t>(ca))
            return fail(where + ".keys", "expected " + std::to_string(ca) + " keys");
        for (int i = 0; i < ca; ++i) {
            std::int64_t k = 0;
            if (!integer(keys->items[static_cast<std::size_t>(i)],
                         where + ".keys[" + std::to_string(i) + "]", i32_min, i32_max, k))
                return false;
            id.keys[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(k);
        }
        std::int64_t rank = 0;
        if (!integer_member(object, where, "rank", 0, max_rows, rank))
            return false;
        id.rank = static_cast<std::int32_t>(rank);
        return true;
    }

    bool read_placed_row(const jvalue& v, const std::string& where, const table_patch& tp,
                         placed_row& pr) {
        if (v.type != jvalue::kind::object)
            return fail(where, "expected an object");
        if (!read_row_id(v, where, tp.kinds[0], pr.row))
            return false;
        pr.contents.keys = pr.row.keys;
        const jvalue* after = member(v, "after");
        if (after == nullptr)
            return fail(where, "the member \"after\" is missing");
        if (after->type == jvalue::kind::object) {
            row_id a;
            if (!read_row_id(*after, where + ".after", tp.kinds[0], a))
                return false;
            pr.after = a;
        } else if (after->type != jvalue::kind::null) {
            return fail(where + ".after", "expected an object or null");
        }
        const jvalue* extras = need(v, where, "extras", jvalue::kind::array);
        const jvalue* strings = need(v, where, "strings", jvalue::kind::array);
        const jvalue* values = need(v, where, "values", jvalue::kind::array);
        if (extras == nullptr || strings == nullptr || values == nullptr)
            return false;
        if (extras->items.size() != static_cast<std::size_t>(tp.kinds[1]))
            return fail(where + ".extras", "expected " + std::to_string(tp.kinds[1]) + " extras");
        if (strings->items.size() != static_cast<std::size_t>(tp.kinds[2]))
            return fail(where + ".strings", "expected " + std::to_string(tp.kinds[2]) + " texts");
        if (values->items.size() != static_cast<std::size_t>(tp.kinds[3]))
            return fail(where + ".values", "expected " + std::to_string(tp.kinds[3]) + " values");
        for (std::size_t i = 0; i < extras->items.size(); ++i) {
            std::int64_t x = 0;
            if (!integer(extras->items[i], where + ".extras[" + std::to_string(i) + "]", i32_min,
                         i32_max, x))
                return false;
            pr.contents.extras[i] = static_cast<std::int32_t>(x);
        }
        for (std::size_t i = 0; i < strings->items.size(); ++i) {
            if (strings->items[i].type != jvalue::kind::string)
                return fail(where + ".strings[" + std::to_string(i) + "]", "expected a text");
            pr.contents.strings[i] = strings->items[i].string;
        }
        pr.contents.values.resize(values->items.size());
        for (std::size_t i = 0; i < values->items.size(); ++i) {
            std::int64_t x = 0;
            if (!integer(values->items[i], where + ".values[" + std::to_string(i) + "]", 0, u32_max,
                         x))
                return false;
            pr.contents.values[i] = static_cast<std::uint32_t>(x);
        }
        return true;
    }

    bool read_cell_value(const jvalue& v, const std::string& where, bool is_text, bool is_extra,
                         cell_value& out) {
        if (is_text) {
            if (v.type != jvalue::kind::string)
                return fail(where, "expected a text");
            out.text = v.string;
            return true;
        }
        std::int64_t x = 0;
        if (!integer(v, where, is_extra ? i32_min : 0, is_extra ? i32_max : u32_max, x))
            return false;
        out.number = static_cast<std::uint32_t>(x);
        return true;
    }

    bool read_field_change(const jvalue& v, const std::string& where, const table_patch& tp,
                           field_change& fc) {
        if (v.type != jvalue::kind::object)
            return fail(where, "expected an object");
        const jvalue* name = need(v, where, "field", jvalue::kind::string);
        if (name == nullptr)
            return false;
        const int ca = tp.kinds[0], cb = tp.kinds[1], cc = tp.kinds[2];
        const int count = static_cast<int>(tp.fields.size());
        int field = -1;
        if (const jvalue* index = member(v, "field_index")) {
            std::int64_t f = 0;
            if (!integer(*index, where + ".field_index", ca, count - 1, f))
                return false;
            field = static_cast<int>(f);
            if (tp.fields[static_cast<std::size_t>(field)] != name->string)
                return fail(where, "field " + std::to_string(field) + " is not named \"" +
                                       name->string + "\"");
        } else {
            for (int f = 0; f < count; ++f)
                if (tp.fields[static_cast<std::size_t>(f)] == name->string) {
                    if (field >= 0)
                        return fail(where, "the table has more than one field \"" + name->string +
                                               "\": give its field_index");
                    field = f;
                }
            if (field < 0)
                return fail(where, "the table has no field \"" + name->string + "\"");
            if (field < ca)
                return fail(where, "\"" + name->string +
                                       "\" is a key field: a changed key is a row removed and "
                                       "one added");
        }
        fc.field = field;
        const bool is_extra = field < ca + cb;
        const bool is_text = !is_extra && field < ca + cb + cc;
        const jvalue* before = member(v, "before");
        const jvalue* after = member(v, "after");
        if (before == nullptr || after == nullptr)
            return fail(where, "\"before\" and \"after\" are both needed");
        return read_cell_value(*before, where + ".before", is_text, is_extra, fc.before) &&
               read_cell_value(*after, where + ".after", is_text, is_extra, fc.after);
    }

    bool read_table(const jvalue& v, const std::string& where, table_patch& tp) {
        if (v.type != jvalue::kind::object)
            return fail(where, "expected an object");
        std::int64_t index = 0, before = 0, after = 0;
        if (!integer_member(v, where, "index", 0, max_tables - 1, index))
            return false;
        tp.index = static_cast<int>(index);
        const jvalue* name = need(v, where, "name", jvalue::kind::string);
        const jvalue* fields = need(v, where, "fields", jvalue::kind::array);
        const jvalue* kinds = need(v, where, "kinds", jvalue::kind::object);
        if (name == nullptr || fields == nullptr || kinds == nullptr)
            return false;
        tp.name = name->string;
        static const char* const kind_names[] = {"keys", "extras", "strings", "packed"};
        int total = 0;
        for (int k = 0; k < 4; ++k) {
            std::int64_t c = 0;
            if (!integer_member(*kinds, where + ".kinds", kind_names[k], 0,
                                k < 3 ? max_fields_of_kind : max_fields, c))
                return false;
            tp.kinds[static_cast<std::size_t>(k)] = static_cast<int>(c);
            total += static_cast<int>(c);
        }
        if (fields->items.size() != static_cast<std::size_t>(total) || total > max_fields)
            return fail(where + ".fields", "expected " + std::to_string(total) +
                                               " field names (as many as the kinds count, "
                                               "at most " +
                                               std::to_string(max_fields) + ")");
        for (std::size_t f = 0; f < fields->items.size(); ++f) {
            if (fields->items[f].type != jvalue::kind::string)
                return fail(where + ".fields[" + std::to_string(f) + "]", "expected a text");
            tp.fields.push_back(fields->items[f].string);
        }
        if (!integer_member(v, where, "rows_before", 0, max_rows, before) ||
            !integer_member(v, where, "rows_after", 0, max_rows, after))
            return false;
        tp.rows_before = static_cast<std::int32_t>(before);
        tp.rows_after = static_cast<std::int32_t>(after);

        const jvalue* changed = need(v, where, "changed", jvalue::kind::array);
        const jvalue* removed = need(v, where, "removed", jvalue::kind::array);
        const jvalue* added = need(v, where, "added", jvalue::kind::array);
        if (changed == nullptr || removed == nullptr || added == nullptr)
            return false;
        for (std::size_t k = 0; k < changed->items.size(); ++k) {
            const std::string at = where + ".changed[" + std::to_string(k) + "]";
            const jvalue& c = changed->items[k];
            if (c.type != jvalue::kind::object)
                return fail(at, "expected an object");
            changed_row rc;
            if (!read_row_id(c, at, tp.kinds[0], rc.row))
                return false;
            const jvalue* list = need(c, at, "fields", jvalue::kind::array);
            if (list == nullptr)
                return false;
            for (std::size_t i = 0; i < list->items.size(); ++i) {
                field_change fc;
                if (!read_field_change(list->items[i], at + ".fields[" + std::to_string(i) + "]",
                                       tp, fc))
                    return false;
                rc.fields.push_back(std::move(fc));
            }
            tp.changed.push_back(std::move(rc));
        }
        for (std::size_t k = 0; k < removed->items.size(); ++k) {
            placed_row pr;
            if (!read_placed_row(removed->items[k], where + ".removed[" + std::to_string(k) + "]",
                                 tp, pr))
                return false;
            tp.removed.push_back(std::move(pr));
        }
        for (std::size_t k = 0; k < added->items.size(); ++k) {
            placed_row pr;
            if (!read_placed_row(added->items[k], where + ".added[" + std::to_string(k) + "]", tp,
                                 pr))
                return false;
            tp.added.push_back(std::move(pr));
        }
        return true;
    }

    bool read_entry_id(const jvalue& v, const std::string& where, entry_id& id) {
        std::int64_t key = 0, rank = 0;
        if (!integer_member(v, where, "key", i32_min, i32_max, key) ||
            !integer_member(v, where, "rank", 0, static_cast<std::int64_t>(max_language_entries),
                            rank))
            return false;
        id = {static_cast<std::int32_t>(key), static_cast<std::int32_t>(rank)};
        return true;
    }

    bool read_placed_entry(const jvalue& v, const std::string& where, placed_entry& pe) {
        if (v.type != jvalue::kind::object)
            return fail(where, "expected an object");
        if (!read_entry_id(v, where, pe.entry))
            return false;
        const jvalue* after = member(v, "after");
        if (after == nullptr)
            return fail(where, "the member \"after\" is missing");
        if (after->type == jvalue::kind::object) {
            entry_id a;
            if (!read_entry_id(*after, where + ".after", a))
                return false;
            pe.after = a;
        } else if (after->type != jvalue::kind::null) {
            return fail(where + ".after", "expected an object or null");
        }
        const jvalue* t = need(v, where, "text", jvalue::kind::string);
        if (t == nullptr)
            return false;
        pe.text = t->string;
        return true;
    }

    bool read_language(const jvalue& v, language_patch& lp) {
        const std::string where = "language";
        if (v.type != jvalue::kind::object)
            return fail(where, "expected an object");
        const jvalue* changed = need(v, where, "changed", jvalue::kind::array);
        const jvalue* removed = need(v, where, "removed", jvalue::kind::array);
        const jvalue* added = need(v, where, "added", jvalue::kind::array);
        if (changed == nullptr || removed == nullptr || added == nullptr)
            return false;
        for (std::size_t k = 0; k < changed->items.size(); ++k) {
            const std::string at = where + ".changed[" + std::to_string(k) + "]";
            const jvalue& c = changed->items[k];
            if (c.type != jvalue::kind::object)
                return fail(at, "expected an object");
            entry_change ec;
            if (!read_entry_id(c, at, ec.entry))
                return false;
            const jvalue* before = need(c, at, "before", jvalue::kind::string);
            const jvalue* after = need(c, at, "after", jvalue::kind::string);
            if (before == nullptr || after == nullptr)
                return false;
            ec.before = before->string;
            ec.after = after->string;
            lp.changed.push_back(std::move(ec));
        }
        for (std::size_t k = 0; k < removed->items.size(); ++k) {
            placed_entry pe;
            if (!read_placed_entry(removed->items[k], where + ".removed[" + std::to_string(k) + "]",
                                   pe))
                return false;
            lp.removed.push_back(std::move(pe));
        }
        for (std::size_t k = 0; k < added->items.size(); ++k) {
            placed_entry pe;
            if (!read_placed_entry(added->items[k], where + ".added[" + std::to_string(k) + "]",
                                   pe))
                return false;
            lp.added.push_back(std::move(pe));
        }
        return true;
    }

    bool read(const jvalue& doc, patch& p) {
        if (doc.type != jvalue::kind::object)
            return fail("the document", "expected an object");
        const jvalue* format = need(doc, "", "format", jvalue::kind::string);
        if (format == nullptr)
            return false;
        if (format->string != patch_format_name)
            return fail("format", "\"" + format->string + "\" is not \"" +
                                      std::string(patch_format_name) + "\"");
        std::int64_t version = 0;
        if (!integer_member(doc, "", "version", std::numeric_limits<std::int64_t>::min(),
                            std::numeric_limits<std::int64_t>::max(), version))
            return false;
        if (version != patch_format_version)
            return fail("version", "version " + std::to_string(version) +
                                       " is not known; this program reads version " +
                                       std::to_string(patch_format_version));
        const jvalue* tables = need(doc, "", "tables", jvalue::kind::array);
        if (tables == nullptr)
            return false;
        for (std::size_t k = 0; k < tables->items.size(); ++k) {
            table_patch tp;
            if (!read_table(tables->items[k], "tables[" + std::to_string(k) + "]", tp))
                return false;
            p.tables.push_back(std::move(tp));
        }
        if (const jvalue* language = member(doc, "language")) {
            p.has_language = true;
            if (!read_language(*language, p.language))
                return false;
        }
        return true;
    }
};

} // namespace

patch_read patch_from_json(std::string_view text) {
    patch_read result;
    jvalue doc;
    parser p(text);
    if (!p.parse(doc)) {
        result.error = "not valid JSON: " + p.error();
        return result;
    }
    reader r;
    if (!r.read(doc, result.value)) {
        result.value = {};
        result.error = r.error;
    }
    return result;
}

io_result load_patch_file(const std::filesystem::path& path, patch& out) {
    std::vector<std::uint8_t> bytes;
    if (auto r = read_whole_file(path, bytes); !r)
        return r;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    patch_read read = patch_from_json(text);
    if (!read.ok())
        return io_result::failure(io_result::code::damaged,
                                  display_name(path) + " is not a valid patch: " + read.error);
    out = std::move(read.value);
    return io_result::success();
}

io_result save_patch_file(const std::filesystem::path& path, const patch& p, file_ops& ops) {
    const std::string text = patch_to_json(p);
    return safe_replace(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), ops);
}

} // namespace qira
