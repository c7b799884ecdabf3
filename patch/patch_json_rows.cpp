// Reading the rows of a table's patch (patch/PATCH-FORMAT.md): a row changed in place, field by
// field, and a row removed or added, whole. Members may come in any order; the values of a row
// that come before its keys are read once its object ends.

#include "patch/patch_json_read.h"

#include "fileio/utf8.h"
#include "patch/patch_parts.h"

#include <optional>
#include <utility>

namespace qira {

namespace {

using scalar = json_scalar;
using later = json_later;
using seen_members = member_set;

} // namespace

// An extra (signed) or packed value (unsigned) of field `field`: a number that is no 32-bit
// one is refused as a value that does not fit its field ("players: keys 9001, rank 0 (added by
// the patch) field height: -1 does not fit in 32 bits"), other than a member of the wrong
// type, which is named by its place in the document.
bool row_reader::field_number(const json_scalar& v, const at& where, const row_of& row, int field,
                              bool is_extra, std::uint32_t& out) {
    if (v.type != kind::integer)
        return fail(where, QIRA_TR("qira::problem", "expected a whole number"));
    if (v.integer < (is_extra ? i32_min : 0) || v.integer > (is_extra ? i32_max : u32_max)) {
        const int ca = row.tp.kinds[0];
        return fail_text(
            row_title(table_title(row.tp.name, row.tp.index), {}, row.id, ca) + " (" + row.role +
                ") field " + printable(row.tp.fields[static_cast<std::size_t>(field)]),
            {QIRA_TR("qira::problem", "%1 does not fit in 32 bits"), {std::to_string(v.integer)}});
    }
    out = static_cast<std::uint32_t>(v.integer);
    return true;
}
bool row_reader::field_number(const at& where, const row_of& row, int field, bool is_extra,
                              std::uint32_t& out) {
    if (c_->peek() != kind::integer)
        return c_->failed() ? false
                            : fail(where, QIRA_TR("qira::problem", "expected a whole number"));
    scalar v;
    return read_scalar(v) && field_number(v, where, row, field, is_extra, out);
}

bool row_reader::read_keys(const at& where, int ca, row_id& id) {
    return exact_array(where, static_cast<std::size_t>(ca),
                       {QIRA_TR("qira::problem", "expected %1 keys"), {std::to_string(ca)}},
                       [&](const at& w, std::size_t i) {
                           std::int64_t k = 0;
                           if (!integer(w, i32_min, i32_max, k))
                               return false;
                           id.keys[i] = static_cast<std::int32_t>(k);
                           return true;
                       });
}

// A row's stored words (the bits no field covers).
bool row_reader::read_words(const at& where, std::vector<std::uint32_t>& out) {
    out.clear();
    std::size_t count = 0;
    return array(
        where, max_row_words,
        {QIRA_TR("qira::problem", "more than %1 words"), {std::to_string(max_row_words)}},
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
bool row_reader::row_id_member(const std::string& name, const at& where, int ca, row_id& id,
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
bool row_reader::row_id_complete(const at& where, const seen_members& seen) {
    return seen.has(0) ? seen.has(1) || missing(where, "rank") : missing(where, "keys");
}

bool row_reader::read_row_id(const at& where, int ca, row_id& id) {
    seen_members seen;
    return read_object(where,
                       [&](const std::string& name, bool& known) {
                           return row_id_member(name, where, ca, id, seen, known);
                       }) &&
           row_id_complete(where, seen);
}

bool row_reader::read_after(const at& where, const table_patch& tp, placed_row& pr) {
    const kind k = c_->peek();
    if (k == kind::object) {
        row_id a;
        if (!read_row_id(where, tp.kinds[0], a))
            return false;
        pr.after = a;
        return true;
    }
    if (k != kind::null || !c_->read_literal() || c_->failed())
        return !c_->failed() && fail(where, QIRA_TR("qira::problem", "expected an object or null"));
    return true;
}

bool row_reader::read_extras(const at& where, const row_of& row, placed_row& pr) {
    const table_patch& tp = row.tp;
    return exact_array(
        where, static_cast<std::size_t>(tp.kinds[1]),
        {QIRA_TR("qira::problem", "expected %1 extras"), {std::to_string(tp.kinds[1])}},
        [&](const at& w, std::size_t i) {
            std::uint32_t x = 0;
            if (!field_number(w, row, tp.kinds[0] + static_cast<int>(i), true, x))
                return false;
            pr.contents.extras[i] = static_cast<std::int32_t>(x);
            return true;
        });
}

bool row_reader::read_texts(const at& where, const table_patch& tp, placed_row& pr) {
    return exact_array(
        where, static_cast<std::size_t>(tp.kinds[2]),
        {QIRA_TR("qira::problem", "expected %1 texts"), {std::to_string(tp.kinds[2])}},
        [&](const at& w, std::size_t i) {
            pr.contents.strings[i].clear();
            return text(w, pr.contents.strings[i]);
        });
}

bool row_reader::read_values(const at& where, const row_of& row, placed_row& pr) {
    const table_patch& tp = row.tp;
    pr.contents.values.resize(static_cast<std::size_t>(tp.kinds[3]));
    const int first = tp.kinds[0] + tp.kinds[1] + tp.kinds[2];
    return exact_array(
        where, static_cast<std::size_t>(tp.kinds[3]),
        {QIRA_TR("qira::problem", "expected %1 values"), {std::to_string(tp.kinds[3])}},
        [&](const at& w, std::size_t i) {
            return field_number(w, row, first + static_cast<int>(i), false, pr.contents.values[i]);
        });
}

bool row_reader::read_placed_row(const at& where, const table_patch& tp, const char* role,
                                 placed_row& pr) {
    if (c_->peek() != kind::object)
        return c_->failed() ? false : fail(where, QIRA_TR("qira::problem", "expected an object"));
    c_->enter_object();
    enum { keys, rank, after, extras, strings, values, stored };
    seen_members seen;
    std::optional<later> extras_later, values_later;
    const row_of row{tp, pr.row, role};
    std::string name;
    bool done = false;
    while (c_->next_member(name)) {
        if (!row_id_member(name, where, tp.kinds[0], pr.row, seen, done))
            return false;
        if (done)
            continue;
        // Extras and values are refused naming the row: they wait for its keys and rank.
        const bool id_known = seen.has(keys) && seen.has(rank);
        bool read = true;
        if (name == "after" && !seen.has(after)) {
            seen.see(after);
            read = read_after(where.member("after"), tp, pr);
        } else if (name == "extras" && !seen.has(extras)) {
            seen.see(extras);
            if (!id_known)
                extras_later = skip_for_later();
            else
                read = read_extras(where.member("extras"), row, pr);
        } else if (name == "strings" && !seen.has(strings)) {
            seen.see(strings);
            read = read_texts(where.member("strings"), tp, pr);
        } else if (name == "values" && !seen.has(values)) {
            seen.see(values);
            if (!id_known)
                values_later = skip_for_later();
            else
                read = read_values(where.member("values"), row, pr);
        } else if (name == "stored" && !seen.has(stored)) {
            seen.see(stored);
            read = read_words(where.member("stored"), pr.contents.stored);
        } else {
            read = c_->skip();
        }
        if (!read)
            return false;
    }
    if (c_->failed() || !row_id_complete(where, seen))
        return false;
    pr.contents.keys = pr.row.keys;
    for (auto [m, n] :
         {std::pair{after, "after"}, {extras, "extras"}, {strings, "strings"}, {values, "values"}})
        if (!seen.has(m))
            return missing(where, n);
    return (!extras_later ||
            read_later(*extras_later,
                       [&] { return read_extras(where.member("extras"), row, pr); })) &&
           (!values_later || read_later(*values_later, [&] {
               return read_values(where.member("values"), row, pr);
           }));
}

// A field's content: a text, or an integer (extras signed, values unsigned).
bool row_reader::cell_content(const json_scalar& v, const at& where, const row_of& row, int field,
                              row_part part, cell_value& out) {
    if (holds_text(part)) {
        if (v.type != kind::string)
            return fail(where, QIRA_TR("qira::problem", "expected a text"));
        out.text = v.text;
        return true;
    }
    return field_number(v, where, row, field, is_signed(part), out.number);
}

// Which field a change names: by `field_index` when given (checked against the name), else by
// its name, which must then be the table's only field of that name and no key.
bool row_reader::field_of(const at& where, const table_info& ti, const std::string& name,
                          std::optional<std::int64_t> index, int& field) {
    const table_patch& tp = *ti.tp;
    if (index) {
        field = static_cast<int>(*index);
        if (tp.fields[static_cast<std::size_t>(field)] != name)
            return fail(where, {QIRA_TR("qira::problem", "field %1 is not named %2"),
                                {std::to_string(field), quoted_text(name)}});
        return true;
    }
    const auto it = ti.by_name.find(name);
    if (it == ti.by_name.end())
        return fail(where,
                    {QIRA_TR("qira::problem", "the table has no field %1"), {quoted_text(name)}});
    if (it->second < 0)
        return fail(where, {QIRA_TR("qira::problem",
                                    "the table has more than one field %1: give its field_index"),
                            {quoted_text(name)}});
    field = it->second;
    if (field < tp.kinds[0])
        return fail(where,
                    {QIRA_TR("qira::problem",
                             "%1 is a key field: a changed key is a row removed and one added"),
                     {quoted_text(name)}});
    return true;
}

bool row_reader::read_field_change(const at& where, const table_info& ti, const row_id& id,
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
        return fail(where, QIRA_TR("qira::problem", "\"before\" and \"after\" are both needed"));
    const row_part part = place_of_field(tp.kinds[0], tp.kinds[1], tp.kinds[2], fc.field).part;
    const row_of row{tp, id, "changed by the patch"};
    return cell_content(was, where.member("before"), row, fc.field, part, fc.before) &&
           cell_content(now, where.member("after"), row, fc.field, part, fc.after);
}

bool row_reader::read_changed_row(const at& where, const table_info& ti, changed_row& rc) {
    if (!expect(where, kind::object) || !c_->enter_object())
        return false;
    enum { keys, rank, fields, stored };
    seen_members seen;
    std::optional<later> fields_later;
    const auto read_fields = [&] {
        std::size_t count = 0;
        // Read into a list kept for every row, then copied into blocks of the row's size.
        fields_.clear();
        if (!array(
                where.member("fields"), ti.tp->fields.size(),
                QIRA_TR("qira::problem", "more changes than fields"),
                [&](const at& w, std::size_t) {
                    field_change fc;
                    if (!read_field_change(w, ti, rc.row, fc))
                        return false;
                    fields_.push_back(fc);
                    return true;
                },
                count))
            return false;
        rc.fields = fields_;
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

bool row_reader::read_stored_change(const at& where, changed_row& rc) {
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
        return fail(where, QIRA_TR("qira::problem", "expected as many words before as after"));
    return true;
}

} // namespace qira
