// Reading a patch from its JSON form (editing/PATCH-FORMAT.md): the document parsed by the strict
// JSON reader (json_reader.h), then checked member by member; the first problem stops it, named by
// where it is.

#include "editing/patch_json.h"

#include "editing/json_reader.h"
#include "editing/patch_parts.h"
#include "fileio/utf8.h"

#include <limits>
#include <utility>

namespace qira {

namespace {

// Reading the parsed document into a patch; the first problem stops it, named by where it is.
class reader {
  public:
    result error;

    // The first problem, at the member `where` ("tables[0].changed[3]", or "the document").
    bool fail(const std::string& where, const std::string& what) {
        if (error)
            error = result::failure(result::code::not_a_patch, {.field = where}, what);
        return false;
    }

    const json_value* member(const json_value& object, std::string_view name) {
        for (std::size_t i = 0; i < object.names.size(); ++i)
            if (object.names[i] == name)
                return &object.members[i];
        return nullptr;
    }

    const json_value* need(const json_value& object, const std::string& where,
                           std::string_view name, json_value::kind type) {
        const json_value* v = member(object, name);
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

    bool integer(const json_value& v, const std::string& where, std::int64_t lo, std::int64_t hi,
                 std::int64_t& out) {
        if (v.type != json_value::kind::integer)
            return fail(where, "expected a whole number");
        if (v.integer < lo || v.integer > hi)
            return fail(where, std::to_string(v.integer) + " is out of range (" +
                                   std::to_string(lo) + " to " + std::to_string(hi) + ")");
        out = v.integer;
        return true;
    }

    bool integer_member(const json_value& object, const std::string& where, std::string_view name,
                        std::int64_t lo, std::int64_t hi, std::int64_t& out) {
        const json_value* v = need(object, where, name, json_value::kind::integer);
        return v != nullptr && integer(*v, where + "." + std::string(name), lo, hi, out);
    }

    static constexpr std::int64_t i32_min = std::numeric_limits<std::int32_t>::min();
    static constexpr std::int64_t i32_max = std::numeric_limits<std::int32_t>::max();
    static constexpr std::int64_t u32_max = std::numeric_limits<std::uint32_t>::max();

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
    bool field_number(const json_value& v, const std::string& where, const row_of& row, int field,
                      bool is_extra, std::int64_t& out) {
        if (v.type != json_value::kind::integer)
            return fail(where, "expected a whole number");
        if (v.integer < (is_extra ? i32_min : 0) || v.integer > (is_extra ? i32_max : u32_max)) {
            const int ca = row.tp.kinds[0];
            return fail("table " + std::to_string(row.tp.index) + (ca == 0 ? " " : " row with ") +
                            patch_parts::show_id(row.id, ca) + " (" + row.role + ") field " +
                            row.tp.fields[static_cast<std::size_t>(field)],
                        std::to_string(v.integer) + " does not fit in 32 bits");
        }
        out = v.integer;
        return true;
    }

    bool read_row_id(const json_value& object, const std::string& where, int ca, row_id& id) {
        const json_value* keys = need(object, where, "keys", json_value::kind::array);
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

    bool read_placed_row(const json_value& v, const std::string& where, const table_patch& tp,
                         const char* role, placed_row& pr) {
        if (v.type != json_value::kind::object)
            return fail(where, "expected an object");
        if (!read_row_id(v, where, tp.kinds[0], pr.row))
            return false;
        pr.contents.keys = pr.row.keys;
        const json_value* after = member(v, "after");
        if (after == nullptr)
            return fail(where, "the member \"after\" is missing");
        if (after->type == json_value::kind::object) {
            row_id a;
            if (!read_row_id(*after, where + ".after", tp.kinds[0], a))
                return false;
            pr.after = a;
        } else if (after->type != json_value::kind::null) {
            return fail(where + ".after", "expected an object or null");
        }
        const json_value* extras = need(v, where, "extras", json_value::kind::array);
        const json_value* strings = need(v, where, "strings", json_value::kind::array);
        const json_value* values = need(v, where, "values", json_value::kind::array);
        if (extras == nullptr || strings == nullptr || values == nullptr)
            return false;
        if (extras->items.size() != static_cast<std::size_t>(tp.kinds[1]))
            return fail(where + ".extras", "expected " + std::to_string(tp.kinds[1]) + " extras");
        if (strings->items.size() != static_cast<std::size_t>(tp.kinds[2]))
            return fail(where + ".strings", "expected " + std::to_string(tp.kinds[2]) + " texts");
        if (values->items.size() != static_cast<std::size_t>(tp.kinds[3]))
            return fail(where + ".values", "expected " + std::to_string(tp.kinds[3]) + " values");
        const row_of row{tp, pr.row, role};
        for (std::size_t i = 0; i < extras->items.size(); ++i) {
            std::int64_t x = 0;
            if (!field_number(extras->items[i], where + ".extras[" + std::to_string(i) + "]", row,
                              tp.kinds[0] + static_cast<int>(i), true, x))
                return false;
            pr.contents.extras[i] = static_cast<std::int32_t>(x);
        }
        for (std::size_t i = 0; i < strings->items.size(); ++i) {
            if (strings->items[i].type != json_value::kind::string)
                return fail(where + ".strings[" + std::to_string(i) + "]", "expected a text");
            pr.contents.strings[i] = strings->items[i].string;
        }
        pr.contents.values.resize(values->items.size());
        for (std::size_t i = 0; i < values->items.size(); ++i) {
            std::int64_t x = 0;
            if (!field_number(values->items[i], where + ".values[" + std::to_string(i) + "]", row,
                              tp.kinds[0] + tp.kinds[1] + tp.kinds[2] + static_cast<int>(i), false,
                              x))
                return false;
            pr.contents.values[i] = static_cast<std::uint32_t>(x);
        }
        if (const json_value* stored = member(v, "stored"))
            return read_words(*stored, where + ".stored", pr.contents.stored);
        return true;
    }

    // A row's stored words (the bits no field covers).
    bool read_words(const json_value& v, const std::string& where,
                    std::vector<std::uint32_t>& out) {
        if (v.type != json_value::kind::array)
            return fail(where, "expected an array");
        if (v.items.size() > max_row_words)
            return fail(where, "more than " + std::to_string(max_row_words) + " words");
        out.resize(v.items.size());
        for (std::size_t i = 0; i < v.items.size(); ++i) {
            std::int64_t x = 0;
            if (!integer(v.items[i], where + "[" + std::to_string(i) + "]", 0, u32_max, x))
                return false;
            out[i] = static_cast<std::uint32_t>(x);
        }
        return true;
    }

    // A field's content: a text, or an integer (extras signed, values unsigned).
    bool read_cell_value(const json_value& v, const std::string& where, const row_of& row,
                         int field, row_part part, cell_value& out) {
        if (holds_text(part)) {
            if (v.type != json_value::kind::string)
                return fail(where, "expected a text");
            out.text = v.string;
            return true;
        }
        std::int64_t x = 0;
        if (!field_number(v, where, row, field, is_signed(part), x))
            return false;
        out.number = static_cast<std::uint32_t>(x);
        return true;
    }

    bool read_field_change(const json_value& v, const std::string& where, const table_patch& tp,
                           const row_id& id, field_change& fc) {
        if (v.type != json_value::kind::object)
            return fail(where, "expected an object");
        const json_value* name = need(v, where, "field", json_value::kind::string);
        if (name == nullptr)
            return false;
        const int ca = tp.kinds[0], cb = tp.kinds[1], cc = tp.kinds[2];
        const int count = static_cast<int>(tp.fields.size());
        int field = -1;
        if (const json_value* index = member(v, "field_index")) {
            std::int64_t f = 0;
            if (!integer(*index, where + ".field_index", ca, count - 1, f))
                return false;
            field = static_cast<int>(f);
            if (tp.fields[static_cast<std::size_t>(field)] != name->string)
                return fail(where, "field " + std::to_string(field) + " is not named " +
                                       quoted_text(name->string));
        } else {
            for (int f = 0; f < count; ++f)
                if (tp.fields[static_cast<std::size_t>(f)] == name->string) {
                    if (field >= 0)
                        return fail(where, "the table has more than one field " +
                                               quoted_text(name->string) +
                                               ": give its field_index");
                    field = f;
                }
            if (field < 0)
                return fail(where, "the table has no field " + quoted_text(name->string));
            if (field < ca)
                return fail(where, quoted_text(name->string) +
                                       " is a key field: a changed key is a row removed and "
                                       "one added");
        }
        fc.field = field;
        const row_part part = place_of_field(ca, cb, cc, field).part;
        const json_value* before = member(v, "before");
        const json_value* after = member(v, "after");
        if (before == nullptr || after == nullptr)
            return fail(where, "\"before\" and \"after\" are both needed");
        const row_of row{tp, id, "changed by the patch"};
        return read_cell_value(*before, where + ".before", row, field, part, fc.before) &&
               read_cell_value(*after, where + ".after", row, field, part, fc.after);
    }

    bool read_table(const json_value& v, const std::string& where, table_patch& tp) {
        if (v.type != json_value::kind::object)
            return fail(where, "expected an object");
        std::int64_t index = 0, before = 0, after = 0;
        if (!integer_member(v, where, "index", 0, max_tables - 1, index))
            return false;
        tp.index = static_cast<int>(index);
        const json_value* name = need(v, where, "name", json_value::kind::string);
        const json_value* fields = need(v, where, "fields", json_value::kind::array);
        const json_value* kinds = need(v, where, "kinds", json_value::kind::object);
        if (name == nullptr || fields == nullptr || kinds == nullptr)
            return false;
        tp.name = name->string;
        int total = 0;
        for (int k = 0; k < 4; ++k) {
            std::int64_t c = 0;
            if (!integer_member(*kinds, where + ".kinds",
                                kind_label(field_kinds[k], label_style::patch), 0,
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
            if (fields->items[f].type != json_value::kind::string)
                return fail(where + ".fields[" + std::to_string(f) + "]", "expected a text");
            tp.fields.push_back(fields->items[f].string);
        }
        if (!integer_member(v, where, "rows_before", 0, max_rows, before) ||
            !integer_member(v, where, "rows_after", 0, max_rows, after))
            return false;
        tp.rows_before = static_cast<std::int32_t>(before);
        tp.rows_after = static_cast<std::int32_t>(after);

        const json_value* changed = need(v, where, "changed", json_value::kind::array);
        const json_value* removed = need(v, where, "removed", json_value::kind::array);
        const json_value* added = need(v, where, "added", json_value::kind::array);
        if (changed == nullptr || removed == nullptr || added == nullptr)
            return false;
        for (std::size_t k = 0; k < changed->items.size(); ++k) {
            const std::string at = where + ".changed[" + std::to_string(k) + "]";
            const json_value& c = changed->items[k];
            if (c.type != json_value::kind::object)
                return fail(at, "expected an object");
            changed_row rc;
            if (!read_row_id(c, at, tp.kinds[0], rc.row))
                return false;
            const json_value* list = need(c, at, "fields", json_value::kind::array);
            if (list == nullptr)
                return false;
            for (std::size_t i = 0; i < list->items.size(); ++i) {
                field_change fc;
                if (!read_field_change(list->items[i], at + ".fields[" + std::to_string(i) + "]",
                                       tp, rc.row, fc))
                    return false;
                rc.fields.push_back(std::move(fc));
            }
            if (const json_value* stored = member(c, "stored")) {
                if (stored->type != json_value::kind::object)
                    return fail(at + ".stored", "expected an object");
                const json_value* was =
                    need(*stored, at + ".stored", "before", json_value::kind::array);
                const json_value* now =
                    need(*stored, at + ".stored", "after", json_value::kind::array);
                if (was == nullptr || now == nullptr ||
                    !read_words(*was, at + ".stored.before", rc.stored_before) ||
                    !read_words(*now, at + ".stored.after", rc.stored_after))
                    return false;
                if (rc.stored_after.empty() || rc.stored_before.size() != rc.stored_after.size())
                    return fail(at + ".stored", "expected as many words before as after");
            }
            tp.changed.push_back(std::move(rc));
        }
        for (std::size_t k = 0; k < removed->items.size(); ++k) {
            placed_row pr;
            if (!read_placed_row(removed->items[k], where + ".removed[" + std::to_string(k) + "]",
                                 tp, "removed by the patch", pr))
                return false;
            tp.removed.push_back(std::move(pr));
        }
        for (std::size_t k = 0; k < added->items.size(); ++k) {
            placed_row pr;
            if (!read_placed_row(added->items[k], where + ".added[" + std::to_string(k) + "]", tp,
                                 "added by the patch", pr))
                return false;
            tp.added.push_back(std::move(pr));
        }
        return true;
    }

    bool read_entry_id(const json_value& v, const std::string& where, entry_id& id) {
        std::int64_t key = 0, rank = 0;
        if (!integer_member(v, where, "key", i32_min, i32_max, key) ||
            !integer_member(v, where, "rank", 0, static_cast<std::int64_t>(max_language_entries),
                            rank))
            return false;
        id = {static_cast<std::int32_t>(key), static_cast<std::int32_t>(rank)};
        return true;
    }

    bool read_placed_entry(const json_value& v, const std::string& where, placed_entry& pe) {
        if (v.type != json_value::kind::object)
            return fail(where, "expected an object");
        if (!read_entry_id(v, where, pe.entry))
            return false;
        const json_value* after = member(v, "after");
        if (after == nullptr)
            return fail(where, "the member \"after\" is missing");
        if (after->type == json_value::kind::object) {
            entry_id a;
            if (!read_entry_id(*after, where + ".after", a))
                return false;
            pe.after = a;
        } else if (after->type != json_value::kind::null) {
            return fail(where + ".after", "expected an object or null");
        }
        const json_value* t = need(v, where, "text", json_value::kind::string);
        if (t == nullptr)
            return false;
        pe.text = t->string;
        return true;
    }

    bool read_language(const json_value& v, language_patch& lp) {
        const std::string where = "language";
        if (v.type != json_value::kind::object)
            return fail(where, "expected an object");
        const json_value* changed = need(v, where, "changed", json_value::kind::array);
        const json_value* removed = need(v, where, "removed", json_value::kind::array);
        const json_value* added = need(v, where, "added", json_value::kind::array);
        if (changed == nullptr || removed == nullptr || added == nullptr)
            return false;
        for (std::size_t k = 0; k < changed->items.size(); ++k) {
            const std::string at = where + ".changed[" + std::to_string(k) + "]";
            const json_value& c = changed->items[k];
            if (c.type != json_value::kind::object)
                return fail(at, "expected an object");
            entry_change ec;
            if (!read_entry_id(c, at, ec.entry))
                return false;
            const json_value* before = need(c, at, "before", json_value::kind::string);
            const json_value* after = need(c, at, "after", json_value::kind::string);
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

    bool read(const json_value& doc, patch& p) {
        if (doc.type != json_value::kind::object)
            return fail("the document", "expected an object");
        const json_value* format = need(doc, "", "format", json_value::kind::string);
        if (format == nullptr)
            return false;
        if (format->string != patch_format_name)
            return fail("format", quoted_text(format->string) + " is not \"" +
                                      std::string(patch_format_name) + "\"");
        std::int64_t version = 0;
        if (!integer_member(doc, "", "version", std::numeric_limits<std::int64_t>::min(),
                            std::numeric_limits<std::int64_t>::max(), version))
            return false;
        if (version != patch_format_version)
            return fail("version", "version " + std::to_string(version) +
                                       " is not known; this program reads version " +
                                       std::to_string(patch_format_version));
        const json_value* tables = need(doc, "", "tables", json_value::kind::array);
        if (tables == nullptr)
            return false;
        for (std::size_t k = 0; k < tables->items.size(); ++k) {
            table_patch tp;
            if (!read_table(tables->items[k], "tables[" + std::to_string(k) + "]", tp))
                return false;
            p.tables.push_back(std::move(tp));
        }
        if (const json_value* language = member(doc, "language")) {
            p.has_language = true;
            if (!read_language(*language, p.language))
                return false;
        }
        return true;
    }
};

} // namespace

result_of<patch> patch_from_json(std::string_view text) {
    // A byte-order mark, as some editors save UTF-8, is no part of the document.
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    json_value doc;
    if (result r = parse_json(text, doc); !r) {
        // The patch is refused where its JSON fails.
        r.status = result::code::not_a_patch;
        return r;
    }
    reader r;
    patch p;
    if (!r.read(doc, p))
        return r.error;
    return result_of<patch>::success(std::move(p));
}

} // namespace qira
