// Reading a patch from its JSON form (editing/PATCH-FORMAT.md): the document read value by value
// (json_cursor) straight into the patch's rows, with no tree of values in between, each member
// checked as it comes. The first problem stops it, named by where it is; when the document is also
// no valid JSON further on, that is the problem reported, as a reader of the whole document would.
//
// Members may come in any order. One that needs another to be read (a table's rows need its
// fields, a row's values its keys) and comes first is skipped and read once the object ends.

#include "editing/patch_json.h"

#include "editing/json_members.h"
#include "editing/json_reader.h"
#include "editing/patch_json_read.h"
#include "editing/patch_parts.h"
#include "fileio/utf8.h"

#include <algorithm>
#include <limits>
#include <unordered_map>
#include <utility>

namespace qira {

namespace {

using kind = json_value::kind;
using at = json_path;
using scalar = json_scalar;
using later = json_later;
using seen_members = member_set;

constexpr std::int64_t i32_min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t i32_max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t u32_max = std::numeric_limits<std::uint32_t>::max();

// A table as its rows are read: its fields by name.
struct table_info {
    const table_patch* tp = nullptr;
    std::unordered_map<std::string_view, int> by_name; // -1: the table has two of that name
};

// A table's members, in the order their absence is named.
namespace table_member {
enum { index, name, fields, kinds, rows_before, rows_after, changed, removed, added };
constexpr std::pair<int, const char*> names[] = {{index, "index"},
                                                 {name, "name"},
                                                 {fields, "fields"},
                                                 {kinds, "kinds"},
                                                 {rows_before, "rows_before"},
                                                 {rows_after, "rows_after"},
                                                 {changed, "changed"},
                                                 {removed, "removed"},
                                                 {added, "added"}};
} // namespace table_member

class reader : public json_member_reader {
  public:
    using json_member_reader::json_member_reader;

    bool read(patch& p) {
        const at root;
        if (c_->peek() != kind::object)
            return fail_text("the document", "expected an object");
        if (!c_->enter_object())
            return false;
        enum { format, version, tables, language };
        seen_members seen;
        std::optional<later> tables_later, language_later;
        std::string name;
        while (c_->next_member(name)) {
            if (name == "format" && !seen.has(format)) {
                std::string f;
                if (!text(root.member("format"), f))
                    return false;
                if (f != patch_format_name)
                    return fail(root.member("format"), quoted_text(f) + " is not \"" +
                                                           std::string(patch_format_name) + "\"");
                seen.see(format);
            } else if (name == "version") {
                std::int64_t v = 0;
                if (!integer(root.member("version"), std::numeric_limits<std::int64_t>::min(),
                             std::numeric_limits<std::int64_t>::max(), v))
                    return false;
                if (v != patch_format_version)
                    return fail(root.member("version"),
                                "version " + std::to_string(v) +
                                    " is not known; this program reads version " +
                                    std::to_string(patch_format_version));
                seen.see(version);
            } else if (name == "tables") {
                seen.see(tables);
                if (!seen.has(format) || !seen.has(version))
                    tables_later = skip_for_later();
                else if (!read_tables(root.member("tables"), p))
                    return false;
            } else if (name == "language") {
                seen.see(language);
                p.has_language = true;
                if (!seen.has(format) || !seen.has(version))
                    language_later = skip_for_later();
                else if (!read_language(root.member("language"), p.language))
                    return false;
            } else if (!c_->skip()) {
                return false;
            }
        }
        if (c_->failed())
            return false;
        for (auto [m, n] : {std::pair{format, "format"}, {version, "version"}, {tables, "tables"}})
            if (!seen.has(m))
                return missing(root, n);
        if (tables_later &&
            !read_later(*tables_later, [&] { return read_tables(root.member("tables"), p); }))
            return false;
        return !language_later || read_later(*language_later, [&] {
            return read_language(root.member("language"), p.language);
        });
    }

  private:
    // The row a field's number belongs to, as the problem of a number that does not fit it names
    // it: where the patch has the row and what it does with it.
    struct row_of {
        const table_patch& tp;
        const row_id& id;
        const char* role; // "added by the patch", ...
    };

    // An extra (signed) or packed value (unsigned) of field `field`: a number that is no 32-bit
    // one is refused as a value that does not fit its field ("table 4 row with keys [9001] (added
    // by the patch) field height: -1 does not fit in 32 bits"), other than a member of the wrong
    // type, which is named by its place in the document.
    bool field_number(const scalar& v, const at& where, const row_of& row, int field, bool is_extra,
                      std::uint32_t& out) {
        if (v.type != kind::integer)
            return fail(where, "expected a whole number");
        if (v.integer < (is_extra ? i32_min : 0) || v.integer > (is_extra ? i32_max : u32_max)) {
            const int ca = row.tp.kinds[0];
            return fail_text("table " + std::to_string(row.tp.index) +
                                 (ca == 0 ? " " : " row with ") + patch_parts::show_id(row.id, ca) +
                                 " (" + row.role + ") field " +
                                 row.tp.fields[static_cast<std::size_t>(field)],
                             std::to_string(v.integer) + " does not fit in 32 bits");
        }
        out = static_cast<std::uint32_t>(v.integer);
        return true;
    }
    bool field_number(const at& where, const row_of& row, int field, bool is_extra,
                      std::uint32_t& out) {
        if (c_->peek() != kind::integer)
            return c_->failed() ? false : fail(where, "expected a whole number");
        scalar v;
        return read_scalar(v) && field_number(v, where, row, field, is_extra, out);
    }

    bool read_keys(const at& where, int ca, row_id& id) {
        return exact_array(where, static_cast<std::size_t>(ca),
                           "expected " + std::to_string(ca) + " keys",
                           [&](const at& w, std::size_t i) {
                               std::int64_t k = 0;
                               if (!integer(w, i32_min, i32_max, k))
                                   return false;
                               id.keys[i] = static_cast<std::int32_t>(k);
                               return true;
                           });
    }

    // A row's stored words (the bits no field covers).
    bool read_words(const at& where, std::vector<std::uint32_t>& out) {
        out.clear();
        std::size_t count = 0;
        return array(
            where, max_row_words, "more than " + std::to_string(max_row_words) + " words",
            [&](const at& w, std::size_t) {
                std::int64_t x = 0;
                if (!integer(w, 0, u32_max, x))
                    return false;
                out.push_back(static_cast<std::uint32_t>(x));
                return true;
            },
            count);
    }

    // A row's keys and rank, as members of its object: reads the member `name` when it is one of
    // them (`done`: it was).
    bool row_id_member(const std::string& name, const at& where, int ca, row_id& id,
                       seen_members& seen, bool& done) {
        done = true;
        if (name == "keys" && !seen.has(0)) {
            seen.see(0);
            return read_keys(where.member("keys"), ca, id);
        }
        if (name == "rank" && !seen.has(1)) {
            seen.see(1);
            std::int64_t rank = 0;
            if (!integer(where.member("rank"), 0, max_rows, rank))
                return false;
            id.rank = static_cast<std::int32_t>(rank);
            return true;
        }
        done = false;
        return true;
    }
    bool row_id_complete(const at& where, const seen_members& seen) {
        return seen.has(0) ? seen.has(1) || missing(where, "rank") : missing(where, "keys");
    }

    bool read_row_id(const at& where, int ca, row_id& id) {
        seen_members seen;
        return read_object(where,
                           [&](const std::string& name, bool& known) {
                               return row_id_member(name, where, ca, id, seen, known);
                           }) &&
               row_id_complete(where, seen);
    }

    bool read_placed_row(const at& where, const table_patch& tp, const char* role, placed_row& pr) {
        if (c_->peek() != kind::object)
            return c_->failed() ? false : fail(where, "expected an object");
        c_->enter_object();
        enum { keys, rank, after, extras, strings, values, stored };
        seen_members seen;
        std::optional<later> extras_later, values_later;
        const row_of row{tp, pr.row, role};
        const auto read_extras = [&] {
            return exact_array(
                where.member("extras"), static_cast<std::size_t>(tp.kinds[1]),
                "expected " + std::to_string(tp.kinds[1]) + " extras",
                [&](const at& w, std::size_t i) {
                    std::uint32_t x = 0;
                    if (!field_number(w, row, tp.kinds[0] + static_cast<int>(i), true, x))
                        return false;
                    pr.contents.extras[i] = static_cast<std::int32_t>(x);
                    return true;
                });
        };
        const auto read_values = [&] {
            pr.contents.values.resize(static_cast<std::size_t>(tp.kinds[3]));
            const int first = tp.kinds[0] + tp.kinds[1] + tp.kinds[2];
            return exact_array(where.member("values"), static_cast<std::size_t>(tp.kinds[3]),
                               "expected " + std::to_string(tp.kinds[3]) + " values",
                               [&](const at& w, std::size_t i) {
                                   return field_number(w, row, first + static_cast<int>(i), false,
                                                       pr.contents.values[i]);
                               });
        };
        std::string name;
        bool done = false;
        while (c_->next_member(name)) {
            if (!row_id_member(name, where, tp.kinds[0], pr.row, seen, done))
                return false;
            if (done)
                continue;
            const bool id_known = seen.has(keys) && seen.has(rank);
            if (name == "after" && !seen.has(after)) {
                seen.see(after);
                const kind k = c_->peek();
                if (k == kind::object) {
                    row_id a;
                    if (!read_row_id(where.member("after"), tp.kinds[0], a))
                        return false;
                    pr.after = a;
                } else if (k != kind::null || !c_->read_literal() || c_->failed()) {
                    return !c_->failed() &&
                           fail(where.member("after"), "expected an object or null");
                }
            } else if (name == "extras" && !seen.has(extras)) {
                seen.see(extras);
                if (!id_known)
                    extras_later = skip_for_later();
                else if (!read_extras())
                    return false;
            } else if (name == "strings" && !seen.has(strings)) {
                seen.see(strings);
                if (!exact_array(where.member("strings"), static_cast<std::size_t>(tp.kinds[2]),
                                 "expected " + std::to_string(tp.kinds[2]) + " texts",
                                 [&](const at& w, std::size_t i) {
                                     pr.contents.strings[i].clear();
                                     return text(w, pr.contents.strings[i]);
                                 }))
                    return false;
            } else if (name == "values" && !seen.has(values)) {
                seen.see(values);
                if (!id_known)
                    values_later = skip_for_later();
                else if (!read_values())
                    return false;
            } else if (name == "stored" && !seen.has(stored)) {
                seen.see(stored);
                if (!read_words(where.member("stored"), pr.contents.stored))
                    return false;
            } else if (!c_->skip()) {
                return false;
            }
        }
        if (c_->failed() || !row_id_complete(where, seen))
            return false;
        pr.contents.keys = pr.row.keys;
        for (auto [m, n] : {std::pair{after, "after"},
                            {extras, "extras"},
                            {strings, "strings"},
                            {values, "values"}})
            if (!seen.has(m))
                return missing(where, n);
        return (!extras_later || read_later(*extras_later, read_extras)) &&
               (!values_later || read_later(*values_later, read_values));
    }

    // A field's content: a text, or an integer (extras signed, values unsigned).
    bool cell_content(const scalar& v, const at& where, const row_of& row, int field, row_part part,
                      cell_value& out) {
        if (holds_text(part)) {
            if (v.type != kind::string)
                return fail(where, "expected a text");
            out.text = v.text;
            return true;
        }
        return field_number(v, where, row, field, is_signed(part), out.number);
    }

    // Which field a change names: by `field_index` when given (checked against the name), else by
    // its name, which must then be the table's only field of that name and no key.
    bool field_of(const at& where, const table_info& ti, const std::string& name,
                  std::optional<std::int64_t> index, int& field) {
        const table_patch& tp = *ti.tp;
        if (index) {
            field = static_cast<int>(*index);
            if (tp.fields[static_cast<std::size_t>(field)] != name)
                return fail(where, "field " + std::to_string(field) + " is not named " +
                                       quoted_text(name));
            return true;
        }
        const auto it = ti.by_name.find(name);
        if (it == ti.by_name.end())
            return fail(where, "the table has no field " + quoted_text(name));
        if (it->second < 0)
            return fail(where, "the table has more than one field " + quoted_text(name) +
                                   ": give its field_index");
        field = it->second;
        if (field < tp.kinds[0])
            return fail(where, quoted_text(name) +
                                   " is a key field: a changed key is a row removed and one added");
        return true;
    }

    bool read_field_change(const at& where, const table_info& ti, const row_id& id,
                           field_change& fc) {
        const table_patch& tp = *ti.tp;
        if (!expect(where, kind::object) || !c_->enter_object())
            return false;
        enum { field, field_index, before, after };
        seen_members seen;
        std::string field_name;
        std::optional<std::int64_t> index;
        scalar was, now;
        std::string name;
        while (c_->next_member(name)) {
            if (name == "field" && !seen.has(field)) {
                seen.see(field);
                if (!text(where.member("field"), field_name))
                    return false;
            } else if (name == "field_index" && !seen.has(field_index)) {
                seen.see(field_index);
                std::int64_t f = 0;
                if (!integer(where.member("field_index"), tp.kinds[0],
                             static_cast<std::int64_t>(tp.fields.size()) - 1, f))
                    return false;
                index = f;
            } else if (name == "before" && !seen.has(before)) {
                seen.see(before);
                if (!read_scalar(was))
                    return false;
            } else if (name == "after" && !seen.has(after)) {
                seen.see(after);
                if (!read_scalar(now))
                    return false;
            } else if (!c_->skip()) {
                return false;
            }
        }
        if (c_->failed())
            return false;
        if (!seen.has(field))
            return missing(where, "field");
        if (!field_of(where, ti, field_name, index, fc.field))
            return false;
        if (!seen.has(before) || !seen.has(after))
            return fail(where, "\"before\" and \"after\" are both needed");
        const row_part part = place_of_field(tp.kinds[0], tp.kinds[1], tp.kinds[2], fc.field).part;
        const row_of row{tp, id, "changed by the patch"};
        return cell_content(was, where.member("before"), row, fc.field, part, fc.before) &&
               cell_content(now, where.member("after"), row, fc.field, part, fc.after);
    }

    bool read_changed_row(const at& where, const table_info& ti, changed_row& rc) {
        if (!expect(where, kind::object) || !c_->enter_object())
            return false;
        enum { keys, rank, fields, stored };
        seen_members seen;
        std::optional<later> fields_later;
        const auto read_fields = [&] {
            std::size_t count = 0;
            // Read into a list kept for every row, then moved into one block of the row's size.
            fields_.clear();
            if (!array(
                    where.member("fields"), ti.tp->fields.size(), "more changes than fields",
                    [&](const at& w, std::size_t) {
                        if (!read_field_change(w, ti, rc.row, fields_.emplace_back()))
                            return false;
                        return true;
                    },
                    count))
                return false;
            rc.fields.assign(std::make_move_iterator(fields_.begin()),
                             std::make_move_iterator(fields_.end()));
            return true;
        };
        std::string name;
        bool done = false;
        while (c_->next_member(name)) {
            if (!row_id_member(name, where, ti.tp->kinds[0], rc.row, seen, done))
                return false;
            if (done)
                continue;
            if (name == "fields" && !seen.has(fields)) {
                seen.see(fields);
                if (!seen.has(keys) || !seen.has(rank))
                    fields_later = skip_for_later();
                else if (!read_fields())
                    return false;
            } else if (name == "stored" && !seen.has(stored)) {
                seen.see(stored);
                if (!read_stored_change(where.member("stored"), rc))
                    return false;
            } else if (!c_->skip()) {
                return false;
            }
        }
        if (c_->failed() || !row_id_complete(where, seen))
            return false;
        if (!seen.has(fields))
            return missing(where, "fields");
        return !fields_later || read_later(*fields_later, read_fields);
    }

    bool read_stored_change(const at& where, changed_row& rc) {
        if (!expect(where, kind::object) || !c_->enter_object())
            return false;
        seen_members seen;
        std::string name;
        while (c_->next_member(name)) {
            if (name == "before" && !seen.has(0)) {
                seen.see(0);
                if (!read_words(where.member("before"), rc.stored_before))
                    return false;
            } else if (name == "after" && !seen.has(1)) {
                seen.see(1);
                if (!read_words(where.member("after"), rc.stored_after))
                    return false;
            } else if (!c_->skip()) {
                return false;
            }
        }
        if (c_->failed())
            return false;
        if (!seen.has(0))
            return missing(where, "before");
        if (!seen.has(1))
            return missing(where, "after");
        if (rc.stored_after.empty() || rc.stored_before.size() != rc.stored_after.size())
            return fail(where, "expected as many words before as after");
        return true;
    }

    bool read_kinds(const at& where, table_patch& tp) {
        if (!expect(where, kind::object) || !c_->enter_object())
            return false;
        seen_members seen;
        std::string name;
        while (c_->next_member(name)) {
            int k = 0;
            while (k < 4 && (seen.has(k) || name != kind_label(field_kinds[k], label_style::patch)))
                ++k;
            if (k == 4) {
                if (!c_->skip())
                    return false;
                continue;
            }
            seen.see(k);
            std::int64_t c = 0;
            if (!integer(where.member(kind_label(field_kinds[k], label_style::patch)), 0,
                         k < 3 ? max_fields_of_kind : max_fields, c))
                return false;
            tp.kinds[static_cast<std::size_t>(k)] = static_cast<int>(c);
        }
        if (c_->failed())
            return false;
        for (int k = 0; k < 4; ++k)
            if (!seen.has(k))
                return missing(where, kind_label(field_kinds[k], label_style::patch));
        return true;
    }

    // Whether the table's fields agree with its kinds; then its fields by name.
    bool check_header(const at& where, const table_patch& tp, table_info& ti) {
        const std::size_t total =
            static_cast<std::size_t>(tp.kinds[0] + tp.kinds[1] + tp.kinds[2] + tp.kinds[3]);
        if (tp.fields.size() != total || total > static_cast<std::size_t>(max_fields))
            return fail(where.member("fields"),
                        "expected " + std::to_string(total) +
                            " field names (as many as the kinds count, at most " +
                            std::to_string(max_fields) + ")");
        ti.tp = &tp;
        ti.by_name.clear();
        for (std::size_t f = 0; f < tp.fields.size(); ++f) {
            const auto [it, added] = ti.by_name.emplace(tp.fields[f], static_cast<int>(f));
            if (!added)
                it->second = -1;
        }
        return true;
    }

    // The rows the table changes (`m`: changed), removes or adds.
    bool read_rows(const at& where, const table_info& ti, table_patch& tp, int m) {
        using namespace table_member;
        std::size_t count = 0;
        // A table's rows are at most its rows before (changed, removed) or after (added): room
        // for them at once, when the counts came first, as they are written.
        const auto room = [](std::int32_t most) {
            return static_cast<std::size_t>(std::clamp(most, 0, max_rows));
        };
        if (m == changed) {
            tp.changed.reserve(room(tp.rows_before));
            return array(
                where.member("changed"), max_rows, "more rows than a table has",
                [&](const at& w, std::size_t) {
                    changed_row rc;
                    if (!read_changed_row(w, ti, rc))
                        return false;
                    tp.changed.push_back(std::move(rc));
                    return true;
                },
                count);
        }
        const bool gone = m == removed;
        std::vector<placed_row>& rows = gone ? tp.removed : tp.added;
        rows.reserve(room(gone ? tp.rows_before : tp.rows_after));
        return array(
            where.member(gone ? "removed" : "added"), max_rows, "more rows than a table has",
            [&](const at& w, std::size_t) {
                placed_row pr;
                if (!read_placed_row(w, tp, gone ? "removed by the patch" : "added by the patch",
                                     pr))
                    return false;
                rows.push_back(std::move(pr));
                return true;
            },
            count);
    }

    // One of the members that describe the table (all but its rows).
    bool read_table_header(const at& w, table_patch& tp, int m) {
        using namespace table_member;
        std::int64_t n = 0;
        switch (m) {
        case index:
            if (!integer(w, 0, max_tables - 1, n))
                return false;
            tp.index = static_cast<int>(n);
            return true;
        case table_member::name:
            return text(w, tp.name);
        case fields: {
            std::size_t count = 0;
            return array(
                w, static_cast<std::size_t>(max_fields) + 1, "more fields than a table has",
                [&](const at& f, std::size_t) {
                    tp.fields.emplace_back();
                    return text(f, tp.fields.back());
                },
                count);
        }
        case kinds:
            return read_kinds(w, tp);
        default: // rows_before, rows_after
            if (!integer(w, 0, max_rows, n))
                return false;
            (m == rows_before ? tp.rows_before : tp.rows_after) = static_cast<std::int32_t>(n);
            return true;
        }
    }

    bool read_table(const at& where, table_patch& tp) {
        using namespace table_member;
        if (!expect(where, kind::object) || !c_->enter_object())
            return false;
        seen_members seen;
        table_info ti;
        std::optional<later> rows_later[3];
        const auto header_known = [&] {
            return ti.tp != nullptr || (seen.has(index) && seen.has(table_member::name) &&
                                        seen.has(fields) && seen.has(kinds));
        };
        std::string name;
        while (c_->next_member(name)) {
            int m = 0;
            while (m < 9 && (seen.has(m) || name != table_member::names[m].second))
                ++m;
            if (m == 9) {
                if (!c_->skip())
                    return false;
                continue;
            }
            seen.see(m);
            if (m < changed) {
                if (!read_table_header(where.member(table_member::names[m].second), tp, m))
                    return false;
            } else if (!header_known()) {
                rows_later[m - changed] = skip_for_later();
            } else if ((ti.tp == nullptr && !check_header(where, tp, ti)) ||
                       !read_rows(where, ti, tp, m)) {
                return false;
            }
        }
        if (c_->failed())
            return false;
        for (auto [m, n] : table_member::names)
            if (!seen.has(m))
                return missing(where, n);
        if (ti.tp == nullptr && !check_header(where, tp, ti))
            return false;
        for (int m = changed; m <= added; ++m)
            if (rows_later[m - changed] &&
                !read_later(*rows_later[m - changed], [&] { return read_rows(where, ti, tp, m); }))
                return false;
        return true;
    }

    bool read_language(const at& where, language_patch& lp) {
        language_reader lr(text_, *c_, refusal_);
        if (lr.read(where, lp))
            return true;
        if (error)
            error = lr.error;
        return false;
    }

    bool read_tables(const at& where, patch& p) {
        std::size_t count = 0;
        return array(
            where, max_tables, "more tables than a game has",
            [&](const at& w, std::size_t) {
                table_patch tp;
                if (!read_table(w, tp))
                    return false;
                p.tables.push_back(std::move(tp));
                return true;
            },
            count);
    }

    std::vector<field_change> fields_;
};

} // namespace

result_of<patch> patch_from_json(std::string_view text) {
    // A byte-order mark, as some editors save UTF-8, is no part of the document.
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    json_cursor c(text);
    reader r(text, c, result::code::not_a_patch);
    patch p;
    const bool read = c.start() && r.read(p) && c.finish();
    if (read)
        return result_of<patch>::success(std::move(p));
    // A document that is no JSON is refused as such, wherever its JSON fails.
    result problem = c.failed() ? c.error() : check_json(text);
    if (problem.ok())
        problem = r.error;
    if (problem.ok()) // not expected: every way to stop sets a problem
        problem = result::failure(result::code::not_a_patch, {}, "the document cannot be read");
    if (problem.status == result::code::not_json)
        problem.status = result::code::not_a_patch;
    return problem;
}

} // namespace qira
