// Writing a patch as JSON (patch/PATCH-FORMAT.md), and patch files loaded and saved; reading the
// JSON back is in patch_json_read.cpp.

#include "patch/patch_json.h"

#include "patch/json_writer.h"

#include <utility>

namespace qira {

namespace {

using layout = json_writer::layout;

void numbers(json_writer& j, const auto& values, std::size_t count) {
    j.begin_array(layout::spaced);
    for (std::size_t i = 0; i < count; ++i)
        j.value(static_cast<std::int64_t>(values[i]));
    j.end_array();
}

void row_id_members(json_writer& j, const row_id& id, int ca) {
    j.key("keys");
    numbers(j, id.keys, static_cast<std::size_t>(ca));
    j.key("rank");
    j.value(std::int64_t{id.rank});
}

// Keys and extras as signed numbers, packed values unsigned, texts as their bytes.
void field_value(json_writer& j, const table_patch& tp, int field, const cell_value& v) {
    const row_part part = place_of_field(tp.kinds[0], tp.kinds[1], tp.kinds[2], field).part;
    if (holds_text(part))
        j.value(v.text);
    else if (is_signed(part))
        j.value(std::int64_t{static_cast<std::int32_t>(v.number)});
    else
        j.value(std::int64_t{v.number});
}

bool unique_name(const table_patch& tp, int field) {
    int seen = 0;
    for (const auto& name : tp.fields)
        seen += name == tp.fields[static_cast<std::size_t>(field)] ? 1 : 0;
    return seen == 1;
}

void placed_rows(json_writer& j, const table_patch& tp, const std::vector<placed_row>& rows) {
    const int ca = tp.kinds[0];
    j.begin_array(layout::lines);
    for (const placed_row& pr : rows) {
        j.begin_object(layout::spaced);
        row_id_members(j, pr.row, ca);
        j.key("after");
        if (pr.after) {
            j.begin_object(layout::spaced);
            row_id_members(j, *pr.after, ca);
            j.end_object();
        } else {
            j.null();
        }
        j.key("extras");
        numbers(j, pr.contents.extras, static_cast<std::size_t>(tp.kinds[1]));
        j.key("strings");
        j.begin_array(layout::spaced);
        for (int i = 0; i < tp.kinds[2]; ++i)
            j.value(pr.contents.strings[static_cast<std::size_t>(i)]);
        j.end_array();
        j.key("values");
        numbers(j, pr.contents.values, pr.contents.values.size());
        if (!pr.contents.stored.empty()) {
            j.key("stored");
            numbers(j, pr.contents.stored, pr.contents.stored.size());
        }
        j.end_object();
    }
    j.end_array();
}

void entry_id_members(json_writer& j, const entry_id& id) {
    j.key("key");
    j.value(std::int64_t{id.key});
    j.key("rank");
    j.value(std::int64_t{id.rank});
}

void placed_entries(json_writer& j, const std::vector<placed_entry>& entries) {
    j.begin_array(layout::lines);
    for (const placed_entry& pe : entries) {
        j.begin_object(layout::spaced);
        entry_id_members(j, pe.entry);
        j.key("after");
        if (pe.after) {
            j.begin_object(layout::spaced);
            entry_id_members(j, *pe.after);
            j.end_object();
        } else {
            j.null();
        }
        j.key("text");
        j.value(pe.text);
        j.end_object();
    }
    j.end_array();
}

void changed_rows(json_writer& j, const table_patch& tp) {
    j.begin_array(layout::lines);
    for (const changed_row& rc : tp.changed) {
        j.begin_object(layout::spaced);
        row_id_members(j, rc.row, tp.kinds[0]);
        j.key("fields");
        j.begin_array(layout::spaced);
        for (const field_change& fc : rc.fields) {
            j.begin_object(layout::spaced);
            j.key("field");
            j.value(tp.fields[static_cast<std::size_t>(fc.field)]);
            if (!unique_name(tp, fc.field)) {
                j.key("field_index");
                j.value(std::int64_t{fc.field});
            }
            j.key("before");
            field_value(j, tp, fc.field, fc.before);
            j.key("after");
            field_value(j, tp, fc.field, fc.after);
            j.end_object();
        }
        j.end_array();
        if (!rc.stored_after.empty()) {
            j.key("stored");
            j.begin_object(layout::spaced);
            j.key("before");
            numbers(j, rc.stored_before, rc.stored_before.size());
            j.key("after");
            numbers(j, rc.stored_after, rc.stored_after.size());
            j.end_object();
        }
        j.end_object();
    }
    j.end_array();
}

void write_table(json_writer& j, const table_patch& tp) {
    j.begin_object(layout::lines);
    j.key("index");
    j.value(std::int64_t{tp.index});
    j.key("name");
    j.value(tp.name);
    j.key("fields");
    j.begin_array(layout::spaced);
    for (const auto& name : tp.fields)
        j.value(name);
    j.end_array();
    j.key("kinds");
    j.begin_object(layout::spaced);
    for (std::size_t k = 0; k < 4; ++k) {
        j.key(kind_label(field_kinds[k], label_style::patch));
        j.value(std::int64_t{tp.kinds[k]});
    }
    j.end_object();
    j.key("rows_before");
    j.value(std::int64_t{tp.rows_before});
    j.key("rows_after");
    j.value(std::int64_t{tp.rows_after});
    j.key("changed");
    changed_rows(j, tp);
    j.key("removed");
    placed_rows(j, tp, tp.removed);
    j.key("added");
    placed_rows(j, tp, tp.added);
    j.end_object();
}

} // namespace

namespace {

// The layout: one member of the document, of a table and of the language part per line, a row or
// an entry per line, everything within a row on its line.
void begin_patch(json_writer& j) {
    j.begin_object(layout::lines);
    j.key("format");
    j.value(patch_format_name);
    j.key("version");
    j.value(std::int64_t{patch_format_version});
    j.key("tables");
    j.begin_array(layout::lines);
}

void end_patch(json_writer& j, const language_patch* lp) {
    j.end_array();
    if (lp != nullptr) {
        j.key("language");
        j.begin_object(layout::lines);
        j.key("changed");
        j.begin_array(layout::lines);
        for (const entry_change& c : lp->changed) {
            j.begin_object(layout::spaced);
            entry_id_members(j, c.entry);
            j.key("before");
            j.value(c.before);
            j.key("after");
            j.value(c.after);
            j.end_object();
        }
        j.end_array();
        j.key("removed");
        placed_entries(j, lp->removed);
        j.key("added");
        placed_entries(j, lp->added);
        j.end_object();
    }
    j.end_object();
    j.raw("\n");
    j.flush();
}

void write_patch(json_writer& j, const patch& p) {
    begin_patch(j);
    for (const table_patch& tp : p.tables)
        write_table(j, tp);
    end_patch(j, p.has_language ? &p.language : nullptr);
}

} // namespace

std::string patch_to_json(const patch& p) {
    std::string out;
    json_writer j(out);
    write_patch(j, p);
    return out;
}

patch_json_stream::patch_json_stream(std::ostream& out) : j_(out) {
    begin_patch(j_);
}

void patch_json_stream::table(const table_patch& tp) {
    write_table(j_, tp);
}

void patch_json_stream::finish(const language_patch* language) {
    end_patch(j_, language);
}

result load_patch_file(const std::filesystem::path& path, patch& out) {
    file_bytes bytes;
    if (auto r = read_whole_file(path, bytes); !r)
        return r;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    result_of<patch> read = patch_from_json(text);
    if (!read) {
        read.where.file = display_name(path);
        return read.outcome();
    }
    out = std::move(read.value);
    return result::success();
}

result save_patch_file(const std::filesystem::path& path, const patch& p, file_ops& ops) {
    const std::string text = patch_to_json(p);
    return safe_replace(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), ops);
}

} // namespace qira
