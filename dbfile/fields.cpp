// The fields of a table and the cells of its rows, and the lookups of the record model by field
// name and key.

#include "dbfile/fields.h"

#include <algorithm>

namespace qira {

std::span<db_overall_data> database::rows(int t) {
    auto& o = overall[t];
    return {o.rows.data(),
            std::min(o.rows.size(), static_cast<std::size_t>(std::max(o.row_count, 0)))};
}

std::span<const db_overall_data> database::rows(int t) const {
    const auto& o = overall[t];
    return {o.rows.data(),
            std::min(o.rows.size(), static_cast<std::size_t>(std::max(o.row_count, 0)))};
}

std::optional<int> database::field_slot(int t, std::string_view name) const {
    if (!has_table(t))
        return std::nullopt;
    const db_table& table = tables[t];
    const int count = std::min<int>(table.field_count(), static_cast<int>(table.fields.size()));
    for (int i = 0; i < count; ++i) {
        if (table.fields[i].name == name) {
            const int slot = i - table.whole_word_count();
            if (slot < 0)
                return std::nullopt; // a whole-word field has no slot in `values`
            return slot;
        }
    }
    return std::nullopt;
}

int database::find_row(int t, std::int32_t key) const {
    if (!has_table(t))
        return -1;
    const auto r = rows(t);
    for (std::size_t i = 0; i < r.size(); ++i)
        if (r[i].keys[0] == key)
            return static_cast<int>(i);
    return -1;
}

std::int32_t words_for_fields(const db_table& table, int t) {
    std::uint64_t bits = 0;
    const std::size_t s = static_cast<std::size_t>(std::max(table.whole_word_count(), 0));
    for (std::size_t f = s; f < table.fields.size(); ++f)
        bits += static_cast<std::uint64_t>(field_width(table.fields[f], t));
    return static_cast<std::int32_t>(s + (bits + 31) / 32);
}

field_place place_of_field(const db_table& table, int field) {
    return place_of_field(table.key_count, table.extra_count, table.string_ref_count, field);
}

int field_of_place(const db_table& table, field_place at) {
    const int ca = std::clamp(table.key_count, 0, 4), cb = std::clamp(table.extra_count, 0, 4),
              cc = std::clamp(table.string_ref_count, 0, 4);
    const auto within = [&](int first, int count) {
        return at.index >= 0 && at.index < count ? first + at.index : -1;
    };
    switch (at.part) {
    case row_part::key:
        return within(0, ca);
    case row_part::extra:
        return within(ca, cb);
    case row_part::text:
        return within(ca + cb, cc);
    case row_part::value:
        return within(ca + cb + cc, table.field_count() - ca - cb - cc);
    case row_part::name:
        break;
    }
    return -1;
}

cell column_cell(const database& db, int table, int row, int field) {
    const field_place at = place_of_field(db.tables[static_cast<std::size_t>(table)], field);
    return {table, row, at.part, at.index};
}

int value_width(const db_table& table, int t, int slot) {
    const std::size_t f = static_cast<std::size_t>(table.whole_word_count() + slot);
    return f < table.fields.size() ? field_width(table.fields[f], t) : 0;
}

int value_width(const database& db, int table, int slot) {
    return value_width(db.tables[static_cast<std::size_t>(table)], table, slot);
}

int field_bits(const db_table& table, int t, int field) {
    const field_place at = place_of_field(table, field);
    return at.part == row_part::value ? value_width(table, t, at.index) : 32;
}

std::optional<number_range> part_range(row_part part, int width) {
    if (holds_text(part))
        return std::nullopt;
    if (part != row_part::value)
        return number_range{-2147483648ll, 4294967295ll};
    return number_range{0, width >= 32 ? 4294967295ll : (std::int64_t{1} << width) - 1};
}

std::optional<number_range> field_range(const db_table& table, int t, int field) {
    return part_range(place_of_field(table, field).part, field_bits(table, t, field));
}

std::string_view kind_label(row_part kind, label_style style) {
    const bool patch = style == label_style::patch;
    switch (kind) {
    case row_part::key:
        return patch ? "keys" : "key";
    case row_part::extra:
        return patch ? "extras" : "extra";
    case row_part::text:
        return style == label_style::window   ? "text"
               : style == label_style::header ? "string-reference"
               : patch                        ? "strings"
                                              : "string";
    case row_part::value:
        return style == label_style::window   ? "packed value"
               : style == label_style::header ? "bit-packed"
                                              : "packed";
    case row_part::name:
        return patch ? "names" : "name";
    }
    return {};
}

std::string number_text(row_part part, std::uint32_t number) {
    return is_signed(part) ? std::to_string(static_cast<std::int32_t>(number))
                           : std::to_string(number);
}

std::string value_text(row_part part, const cell_value& value) {
    return holds_text(part) ? value.text : number_text(part, value.number);
}

bool cell_exists(const database& db, const cell& where) {
    if (!db.has_table(where.table) || where.row < 0 ||
        static_cast<std::size_t>(where.row) >= db.rows(where.table).size() || where.index < 0)
        return false;
    const db_table& t = db.tables[static_cast<std::size_t>(where.table)];
    const auto& row = db.rows(where.table)[static_cast<std::size_t>(where.row)];
    switch (where.part) {
    case row_part::key:
        return where.index < std::min(t.key_count, 4);
    case row_part::extra:
        return where.index < std::min(t.extra_count, 4);
    case row_part::text:
        return where.index < std::min(t.string_ref_count, 4);
    case row_part::name:
        return where.index < 4;
    case row_part::value:
        return static_cast<std::size_t>(where.index) < row.values.size();
    }
    return false;
}

cell_value read_cell(const database& db, const cell& where) {
    return read_cell(db.rows(where.table)[static_cast<std::size_t>(where.row)], where.place());
}

void write_cell(database& db, const cell& where, cell_value value) {
    write_cell(db.rows(where.table)[static_cast<std::size_t>(where.row)], where.place(),
               std::move(value));
}

std::string cell_text(const database& db, const cell& where) {
    return value_text(where.part, read_cell(db, where));
}

} // namespace qira
