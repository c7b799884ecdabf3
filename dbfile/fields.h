#pragma once
// The fields of a table of the game database file, in one place: for field (column) f of table t,
// its kind and where a row holds it, its width in bits and the numbers it holds, the label of its
// kind, and a cell of a row read, written and shown as a text. A table's fields are, in file
// order, its keys, extras and texts (whole words; a text's word is its string reference), then
// its bit-packed values. A row also holds localized names, which come from the language file
// and are no field of the table. The grid, CSV, patches, `qiradb` and the edits all go through
// these functions; the fields the pages address by slot or name are in game_fields.h.

#include "dbfile/database.h"

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qira {

// --- Widths

// Bits up to and including the highest set bit; 0 for 0.
constexpr int bit_length(std::uint32_t v) {
    return 32 - std::countl_zero(v);
}

// Width of bit-packed field `f` of table `t`, 0 to 33. A width the rule makes negative
// (descriptor_b 0 with descriptor_a 100000) is read and written as 0 bits.
constexpr int field_width(const db_field& f, int t) {
    const auto b = static_cast<std::uint32_t>(f.descriptor_b);
    int w = bit_length(b);
    if (f.descriptor_a == -1)
        ++w;
    if (f.descriptor_a == 100000)
        --w;
    if (t == table_index::narrow_rule && (b == 64 || b == 4))
        --w;
    return w < 0 ? 0 : w;
}

// The words a row of table t needs for its fields: the whole words, then the packed bits rounded
// up to whole words. What a table without rows in the file is read with, since its block cannot
// tell; rows of a file may carry more words than this (words no field covers).
std::int32_t words_for_fields(const db_table& table, int t);

// --- Cells

// The parts of a row: the kinds of fields (key, extra, text, value) and the localized names.
enum class row_part : std::uint8_t { key, extra, text, name, value };

// The kinds of fields, in the order a table holds them.
inline constexpr std::array<row_part, 4> field_kinds = {row_part::key, row_part::extra,
                                                        row_part::text, row_part::value};

// How many fields of each kind a table has, in the order of field_kinds (as the table's header
// counts them).
inline std::array<int, 4> kind_counts(const db_table& table) {
    return {table.key_count, table.extra_count, table.string_ref_count, table.packed_count};
}

// Where a row holds a field or name: its part and its index there (keys, extras, texts and
// names: 0 to 3; values: the slot).
struct field_place {
    row_part part = row_part::value;
    int index = 0;
    friend bool operator==(const field_place&, const field_place&) = default;
};

// One cell of the database: a part of row `row` of table `table`.
struct cell {
    int table = 0;
    int row = 0;
    row_part part = row_part::value;
    int index = 0; // keys, extras, texts, names: 0 to 3; values: the slot
    field_place place() const { return {part, index}; }
    friend bool operator==(const cell&, const cell&) = default;
};

// A cell's content: keys, extras and packed values as their 32 bits in `number`; texts and names
// as their stored bytes in `text`.
struct cell_value {
    std::uint32_t number = 0;
    std::string text;
    friend bool operator==(const cell_value&, const cell_value&) = default;
};

// Whether the part holds texts (texts and names) rather than numbers.
constexpr bool holds_text(row_part part) {
    return part == row_part::text || part == row_part::name;
}
// Whether the part's numbers are shown signed (keys and extras, whole words given as ids).
constexpr bool is_signed(row_part part) {
    return part == row_part::key || part == row_part::extra;
}

// --- A table's fields

// Where a row holds field `field` of a table with these counts of keys, extras and texts (each
// taken within 0 to 4): the fields after the texts are packed values.
constexpr field_place place_of_field(int keys, int extras, int texts, int field) {
    const int ca = keys < 0 ? 0 : keys > 4 ? 4 : keys;
    const int cb = extras < 0 ? 0 : extras > 4 ? 4 : extras;
    const int cc = texts < 0 ? 0 : texts > 4 ? 4 : texts;
    if (field < ca)
        return {row_part::key, field};
    if (field < ca + cb)
        return {row_part::extra, field - ca};
    if (field < ca + cb + cc)
        return {row_part::text, field - ca - cb};
    return {row_part::value, field - ca - cb - cc};
}
field_place place_of_field(const db_table& table, int field);
// The field of the table a row's part holds at that index: the inverse of place_of_field; -1 for
// names and places past the table's fields.
int field_of_place(const db_table& table, field_place at);
// The cell of row `row` that field `field` of the table is (as the grid's column `field`).
cell column_cell(const database& db, int table, int row, int field);

// The width in bits of a packed value's slot (0 when the table has no field there).
int value_width(const db_table& table, int t, int slot);
int value_width(const database& db, int table, int slot);
// The width in bits of a field: 32 for the whole words (keys, extras and the texts' string
// references), the packed width for values.
int field_bits(const db_table& table, int t, int field);

// The numbers a field holds, from `min` to `max`.
struct number_range {
    std::int64_t min = 0;
    std::int64_t max = 0;
    friend bool operator==(const number_range&, const number_range&) = default;
};
// Keys and extras are whole words, given signed or unsigned: -2147483648 to 4294967295; a packed
// value of width w holds 0 to 2^w - 1 (0 to 4294967295 from 32 bits on); texts hold no numbers.
std::optional<number_range> part_range(row_part part, int width);
std::optional<number_range> field_range(const db_table& table, int t, int field);

// How a kind of field is named where the program shows it.
enum class label_style : std::uint8_t {
    window, // the tables window's tooltips: "key", "extra", "text", "packed value"
    tool,   // qiradb info and dump: "key", "extra", "string", "packed"
    header, // the counts of a table's header: "key", "extra", "string-reference", "bit-packed"
    patch,  // the kinds of a patch's table: "keys", "extras", "strings", "packed"
};
std::string_view kind_label(row_part kind, label_style style);

// --- Reading and writing a cell

// A number as a cell of that part shows it: keys and extras signed, values unsigned, in decimal.
std::string number_text(row_part part, std::uint32_t number);
// A cell's content as a text: numbers as number_text, texts as their stored bytes.
std::string value_text(row_part part, const cell_value& value);

// The number a row holds at a place (keys, extras, values; 0 for texts, names and places the row
// lacks). `Row` is a decoded row or a row of the same parts (a patch's copy of a row).
template <typename Row> std::uint32_t cell_number(const Row& row, field_place at) {
    const auto i = static_cast<std::size_t>(at.index);
    switch (at.part) {
    case row_part::key:
        return i < row.keys.size() ? static_cast<std::uint32_t>(row.keys[i]) : 0u;
    case row_part::extra:
        return i < row.extras.size() ? static_cast<std::uint32_t>(row.extras[i]) : 0u;
    case row_part::value:
        return i < row.values.size() ? row.values[i] : 0u;
    case row_part::text:
    case row_part::name:
        break;
    }
    return 0;
}

// The text a row holds at a place (texts and names; empty for numbers and places it lacks).
template <typename Row> const std::string& cell_string(const Row& row, field_place at) {
    static const std::string none;
    const auto i = static_cast<std::size_t>(at.index);
    if (at.part == row_part::text && i < row.strings.size())
        return row.strings[i];
    if constexpr (requires { row.names; })
        if (at.part == row_part::name && i < row.names.size())
            return row.names[i];
    return none;
}

// The content of a row's cell at a place.
template <typename Row> cell_value read_cell(const Row& row, field_place at) {
    if (holds_text(at.part))
        return {0, cell_string(row, at)};
    return {cell_number(row, at), {}};
}

// Sets a row's cell at a place: numbers from `value.number`, texts from `value.text`. A place the
// row lacks (a value slot past its values, an index past four) is left alone.
template <typename Row> void write_cell(Row& row, field_place at, cell_value value) {
    const auto i = static_cast<std::size_t>(at.index);
    switch (at.part) {
    case row_part::key:
        if (i < row.keys.size())
            row.keys[i] = static_cast<std::int32_t>(value.number);
        break;
    case row_part::extra:
        if (i < row.extras.size())
            row.extras[i] = static_cast<std::int32_t>(value.number);
        break;
    case row_part::text:
        if (i < row.strings.size())
            row.strings[i] = std::move(value.text);
        break;
    case row_part::name:
        if constexpr (requires { row.names; })
            if (i < row.names.size())
                row.names[i] = std::move(value.text);
        break;
    case row_part::value:
        if (i < row.values.size())
            row.values[i] = value.number;
        break;
    }
}

// Whether `where` names an existing cell of the database.
bool cell_exists(const database& db, const cell& where);
// The content of an existing cell.
cell_value read_cell(const database& db, const cell& where);
// Sets an existing cell.
void write_cell(database& db, const cell& where, cell_value value);
// An existing cell's content as a text (value_text): numbers in decimal (keys and extras signed,
// as dump writes them), texts as their stored bytes.
std::string cell_text(const database& db, const cell& where);

} // namespace qira
