// Writing a patch as JSON (editing/PATCH-FORMAT.md), and patch files loaded and saved; reading the
// JSON back is in patch_json_read.cpp.

#include "editing/patch_json.h"

#include "editing/json_writer.h"

#include <utility>

namespace qira {

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
        if (!pr.contents.stored.empty()) {
            out += ", \"stored\": ";
            number_list(out, pr.contents.stored, pr.contents.stored.size());
        }
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
        out += ']';
        if (!rc.stored_after.empty()) {
            out += ", \"stored\": {\"before\": ";
            number_list(out, rc.stored_before, rc.stored_before.size());
            out += ", \"after\": ";
            number_list(out, rc.stored_after, rc.stored_after.size());
            out += '}';
        }
        out += k + 1 < tp.changed.size() ? "},\n" : "}\n";
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

result load_patch_file(const std::filesystem::path& path, patch& out) {
    std::vector<std::uint8_t> bytes;
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
