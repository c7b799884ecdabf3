#pragma once
// The in-memory record model of the game database file (qira.db): the header and directory, one
// descriptor, one raw block and one table of decoded rows per table of the file.

#include "dbfile/text_slots.h"
#include "dbfile/value_list.h"
#include "fileio/result.h"
#include "fileio/safe_file.h"
#include "langfile/string_table.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qira {

// The limits of the model; a file beyond them is refused.
inline constexpr int max_tables = 15; // name_config covers tables 0 to 14
inline constexpr int max_fields = 201;
inline constexpr int max_fields_of_kind = 4; // keys, extras, string references
inline constexpr int max_rows = 11001;
inline constexpr std::uint64_t max_row_words = 250001;

// Tables that the editor addresses by index.
namespace table_index {
inline constexpr int nations = 0;
inline constexpr int leagues = 1;
inline constexpr int league_teams = 2;
inline constexpr int referees = 3;
inline constexpr int players = 4;
inline constexpr int kits = 5;
inline constexpr int cups = 6;
inline constexpr int stadiums = 7;
inline constexpr int narrow_rule = 8; // fields with descriptor_b 64 or 4 are one bit narrower
inline constexpr int tactics = 8;
inline constexpr int team_settings = 9;
inline constexpr int fixtures = 10;
inline constexpr int team_players = 11;
inline constexpr int managers = 12;
inline constexpr int teams = 13;
inline constexpr int settings = 14;
} // namespace table_index

struct db_field {
    std::string name;
    std::int32_t name_offset = 0;
    std::int32_t descriptor_a = 0;  // bit-packed fields only
    std::int32_t descriptor_b = -1; // bit-packed fields only; -1 for whole-word fields
};

struct db_table {
    std::string name;
    std::int32_t name_offset = 0;
    std::int32_t opaque_word = 0;
    std::int32_t key_count = 0;        // cA
    std::int32_t extra_count = 0;      // cB
    std::int32_t string_ref_count = 0; // cC
    std::int32_t packed_count = 0;     // cD
    std::vector<db_field> fields;      // S + cD entries: whole-word fields, then bit-packed

    int whole_word_count() const { return key_count + extra_count + string_ref_count; } // S
    int field_count() const { return whole_word_count() + packed_count; }
};

struct db_overall_data {
    std::array<std::int32_t, 4> keys{};
    std::array<std::int32_t, 4> extras{};
    std::array<std::int32_t, 4> string_refs{};
    text_slots strings; // the stored bytes of the row's texts
    text_slots names;   // localized names from the language file
    value_list values;  // one per bit-packed field
};

struct db_overall {
    std::int32_t block_word = 0;
    std::int32_t row_count = 0;
    std::int32_t words_per_row = 0;
    // Where decoded rows keep their texts, names and values (one block each for the table).
    text_slots::pool text_storage;
    text_slots::pool name_storage;
    value_list::pool value_storage;
    std::vector<db_overall_data> rows;
};

struct raw_block {
    std::int64_t byte_size = 0;
    std::int32_t block_word = 0;
    std::int32_t row_count = 0;
    std::int32_t words_per_row = 0;   // W
    std::vector<std::uint32_t> words; // row_count * W words, as stored
};

class database {
  public:
    std::int32_t header_word0 = 0;
    std::int32_t header_word1 = 0;
    std::vector<std::int32_t> block_offsets; // one per table, then the end marker
    std::vector<db_table> tables;
    std::vector<raw_block> blocks;
    std::vector<db_overall> overall;

    // These and the fields of a table: fields.h.
    int table_count() const { return static_cast<int>(tables.size()); }
    bool has_table(int t) const { return t >= 0 && t < table_count(); }
    // The decoded rows of table t (row_count of them).
    std::span<db_overall_data> rows(int t);
    std::span<const db_overall_data> rows(int t) const;

    // Slot in `values` of table t's bit-packed field of that name (the first field with the
    // name, compared byte for byte); nothing when the table has no such bit-packed field.
    std::optional<int> field_slot(int t, std::string_view name) const;
    // Index of the first row of table t whose keys[0] equals key, or -1.
    int find_row(int t, std::int32_t key) const;
};

// The bits of a table's stored rows that no field covers (after the last field: data of the game
// the editor does not decode), as a mask of each word of the packed area (the words after the
// whole-word fields), in stored form. Packing writes only the other bits.
std::vector<std::uint32_t> undecoded_mask(const database& db, int t);
// Row r's packed area with only the bits no field covers; empty when none of them is set.
std::vector<std::uint32_t> undecoded_words(const database& db, int t, std::size_t r);

// Called once per table after it is decoded, with the table's share of the progress (0 to
// 100, the shares of all tables adding up to about 100).
using progress_fn = std::function<void(int table, int share)>;

// Shares of the progress bar: row_count / all rows * 100, rounded half to even; all 0 when no
// table has rows.
std::vector<int> progress_shares(const std::vector<std::int64_t>& row_counts);

// Parses a whole game database file. `lang` supplies the localized names (nullptr: none).
// On failure (damaged, at the table, row and offset concerned where known) `out` is untouched.
result parse_database(std::span<const std::uint8_t> bytes, const std::string& file_name,
                      const string_table* lang, database& out, const progress_fn& progress = {});
// Reads and parses the file at `path`; on failure `out` is untouched.
result load_database(const std::filesystem::path& path, const string_table* lang, database& out,
                     const progress_fn& progress = {});

// Decodes table t's raw block into its rows; texts are read from `file`. Damaged when a text
// lies outside the file.
result decode_table(std::span<const std::uint8_t> file, const std::string& file_name,
                    const string_table* lang, database& db, int t);
// Attaches the localized names of every configured table from `lang` (empty when absent).
void attach_names(const string_table& lang, database& db);

// Recomputes every offset for the canonical layout (block offsets, table and field name offsets,
// row string references).
void layout_offsets(database& db);
// Packs table t's decoded rows into its raw block.
void encode_table(database& db, int t);
// The whole file in canonical form (runs layout_offsets and encode_table for every table).
std::vector<std::uint8_t> serialize_database(database& db);
// Writes the model in canonical form and safely replaces the file at `path`. The model itself is
// not changed (its offsets and raw blocks stay as they are), whether the save succeeds or not.
result save_database(const std::filesystem::path& path, const database& db,
                     file_ops& ops = native_file_ops());
// The checks of save_database and, when they pass, the file it would write, for a save of
// several files (replace_files); the content refers to `db`, which must outlive `out`.
result plan_database_save(const std::filesystem::path& path, const database& db,
                          file_replacement& out);

// Calls `fn(language key, name)` for every localized name of the configured tables that a save
// writes, in table and row order: every non-empty name, and an empty (cleared) name whose key
// `lang` holds; an empty name whose key `lang` lacks gets no entry.
void for_each_name(const database& db, const string_table& lang,
                   const std::function<void(std::int32_t key, const std::string& name)>& fn);
// Puts the localized names of the configured tables into the string table as a save writes them
// (see for_each_name): a key the table lacks is appended.
void names_to_string_table(const database& db, string_table& lang);
// The same over the table, in `texts`, leaving the table as it is (the names are referred to:
// the database must outlive `texts`).
void names_to_overlay(const database& db, text_overlay& texts);

// Whether the editor's pages can work on this database: not_editable, with every table or row
// part they address that is missing ("table 4 (players) has no field \"height\"; ..."), when
// they cannot. The file is for the caller to name.
result check_editor_parts(const database& db);

} // namespace qira
