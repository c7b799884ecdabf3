// Reading a patch from its JSON form (patch/PATCH-FORMAT.md): the document read value by value
// (json_cursor) straight into the patch's rows, with no tree of values in between, each member
// checked as it comes. The first problem stops it, named by where it is; when the document is also
// no valid JSON further on, that is the problem reported, as a reader of the whole document would.
//
// Members may come in any order. One that needs another to be read (a table's rows need its
// fields, a row's values its keys) and comes first is skipped and read once the object ends.

#include "patch/patch_json.h"

#include "fileio/utf8.h"
#include "patch/json_members.h"
#include "patch/json_reader.h"
#include "patch/patch_json_read.h"
#include "patch/patch_parts.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace qira {

namespace {

using kind = json_value::kind;
using at = json_path;
using later = json_later;
using seen_members = member_set;

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

class reader : public row_reader {
  public:
    using row_reader::row_reader;

    bool read(patch& p) {
        const at root;
        if (c_->peek() != kind::object)
            return fail_text("the document", QIRA_TR("qira::problem", "expected an object"));
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
                    return fail(root.member("format"),
                                {QIRA_TR("qira::problem", "%1 is not \"%2\""),
                                 {quoted_text(f), std::string(patch_format_name)}});
                seen.see(format);
            } else if (name == "version") {
                std::int64_t v = 0;
                if (!integer(root.member("version"), std::numeric_limits<std::int64_t>::min(),
                             std::numeric_limits<std::int64_t>::max(), v))
                    return false;
                if (v != patch_format_version)
                    return fail(root.member("version"),
                                {QIRA_TR("qira::problem",
                                         "version %1 is not known; this program reads version %2"),
                                 {std::to_string(v), std::to_string(patch_format_version)}});
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
            return fail(
                where.member("fields"),
                {QIRA_TR("qira::problem",
                         "expected %1 field names (as many as the kinds count, at most %2)"),
                 {std::to_string(total), std::to_string(max_fields)}});
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
        // for them at the first row, when the counts came first, as they are written (an empty
        // list takes none).
        const auto room = [](std::int32_t most) {
            return static_cast<std::size_t>(std::clamp(most, 0, max_rows));
        };
        if (m == changed) {
            return array(
                where.member("changed"), max_rows,
                QIRA_TR("qira::problem", "more rows than a table has"),
                [&](const at& w, std::size_t i) {
                    if (i == 0)
                        tp.changed.reserve(room(tp.rows_before));
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
        return array(
            where.member(gone ? "removed" : "added"), max_rows,
            QIRA_TR("qira::problem", "more rows than a table has"),
            [&](const at& w, std::size_t i) {
                if (i == 0)
                    rows.reserve(room(gone ? tp.rows_before : tp.rows_after));
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
                w, static_cast<std::size_t>(max_fields) + 1,
                QIRA_TR("qira::problem", "more fields than a table has"),
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
            where, max_tables, QIRA_TR("qira::problem", "more tables than a game has"),
            [&](const at& w, std::size_t) {
                table_patch tp;
                if (!read_table(w, tp))
                    return false;
                p.tables.push_back(std::move(tp));
                return true;
            },
            count);
    }
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
        problem = result::failure(result::code::not_a_patch, {},
                                  QIRA_TR("qira::problem", "the document cannot be read"));
    if (problem.status == result::code::not_json)
        problem.status = result::code::not_a_patch;
    return problem;
}

} // namespace qira
