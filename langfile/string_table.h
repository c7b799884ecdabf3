#pragma once
// The language file's keyed string table, held in memory, and the localized-name configuration
// that ties its keys to rows of the game database file.

#include "fileio/result.h"
#include "fileio/safe_file.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace qira {

// Entries a language file may hold.
inline constexpr std::size_t max_language_entries = 100001;
// Tables of the game database file that can carry localized names.
inline constexpr int name_config_tables = 15;

// One entry of the language file.
struct Tstring_table {
    std::int32_t key = 0;
    std::int32_t offset = 0; // where its stored string stood on load, or on the last save
    std::string text;        // the stored bytes
};

// Which language keys hold the localized names of a table's rows: the row with id `keys`[0]
// owns the keys 10 * id + base_key + key_offsets[k], k below name_count.
struct name_config {
    std::int32_t base_key = 0; // 0: the table's rows have no localized names
    std::uint8_t name_count = 0;
    std::array<std::uint8_t, 3> key_offsets{};

    // The language key of name k of the row with id `id`, in the file's 32-bit arithmetic.
    std::int32_t key_of(std::int32_t id, int k) const {
        const std::uint32_t key = 10u * static_cast<std::uint32_t>(id) +
                                  static_cast<std::uint32_t>(base_key) + key_offsets[k];
        return static_cast<std::int32_t>(key);
    }
};

// The configuration that loading a language file sets: leagues (table 1), stadiums (table 7)
// and teams (table 13).
std::array<name_config, name_config_tables> standard_name_config();

class string_table {
  public:
    // Kept from load to save.
    std::array<std::uint8_t, 48> header{};
    std::int32_t word_after_count = 0;
    std::array<std::uint8_t, 36> block{};
    std::array<name_config, name_config_tables> names = standard_name_config();

    std::size_t string_count() const { return entries_.size(); }
    const std::vector<Tstring_table>& entries() const { return entries_; }
    const Tstring_table& entry(std::size_t i) const { return entries_[i]; }

    // Index of the first entry with this key.
    std::optional<std::size_t> find_string(std::int32_t key) const;
    // The text of the first entry with this key, or nullptr.
    const std::string* text_of(std::int32_t key) const;
    // Gives the first entry with the key the text, or appends a new entry at the end.
    void set_string(std::int32_t key, std::string text);

    // Replaces all entries (in directory order); the index is rebuilt.
    void assign(std::vector<Tstring_table> entries);
    // Moves the entries out, leaving none: changed in place and given back with assign.
    std::vector<Tstring_table> take_entries();
    // Sets the text of entry i (its key, and so the index, stay as they are).
    void set_text(std::size_t i, std::string text) { entries_[i].text = std::move(text); }
    // Records where each entry's string stands in the last written file.
    void set_offset(std::size_t i, std::int32_t offset) { entries_[i].offset = offset; }

  private:
    // Key -> index of the first entry with that key: open addressing with linear probing over a
    // power-of-two table, so that building it for 100001 entries allocates once.
    class first_index {
      public:
        void clear() {
            slots_.clear();
            used_ = 0;
        }
        void reserve(std::size_t entries);
        // The index stored for the key, or none.
        const std::uint32_t* find(std::int32_t key) const;
        // Stores `index` for the key unless the key is there already; returns the stored index.
        std::uint32_t insert_first(std::int32_t key, std::uint32_t index);

      private:
        struct slot {
            std::int32_t key;
            std::uint32_t index; // `empty` when the slot is free
        };
        static constexpr std::uint32_t empty = 0xFFFFFFFFu;
        std::size_t home(std::int32_t key) const;
        std::vector<slot> slots_;
        std::size_t used_ = 0;
    };

    std::vector<Tstring_table> entries_;
    first_index first_;
};

// Parses a whole language file; `file_name` names it in messages. On failure (damaged, at the
// offset concerned where there is one) `out` is untouched.
result parse_language_file(std::span<const std::uint8_t> bytes, const std::string& file_name,
                           string_table& out);
// Reads the file at `path` and parses it; on failure `out` is untouched.
result load_language_file(const std::filesystem::path& path, string_table& out);

// The canonical form of the table: header words at 16, 40 and 44 and every offset recomputed,
// strings in directory order without gaps. Records the new offsets in the entries.
std::vector<std::uint8_t> serialize_language_file(string_table& table);
// Texts a save puts over a table's own without changing the table or copying it: what
// set_string would do to a copy (an entry's text replaced, or an entry appended), kept beside it.
// The texts are referred to, not copied: they and the table must outlive the overlay.
class text_overlay {
  public:
    explicit text_overlay(const string_table& table) : table_(&table) {}
    void set_string(std::int32_t key, const std::string& text);

    const string_table& table() const { return *table_; }
    std::size_t string_count() const { return table_->string_count() + appended_.size(); }
    std::int32_t key(std::size_t i) const;
    const std::string& text(std::size_t i) const;

  private:
    const string_table* table_;
    std::vector<const std::string*> replaced_; // per entry of the table; nullptr keeps its own
    std::vector<std::pair<std::int32_t, const std::string*>> appended_;
    std::unordered_map<std::int32_t, std::size_t> appended_at_; // key -> index in appended_
};

// The checks of save_language_file and, when they pass, the file it would write, for a save of
// several files (replace_files); the content refers to `table` (`texts`), which must outlive
// `out`.
result plan_language_save(const std::filesystem::path& path, const string_table& table,
                          file_replacement& out);
result plan_language_save(const std::filesystem::path& path, const text_overlay& texts,
                          file_replacement& out);
// Serializes and safely replaces the file at `path`; on success the entries record their new
// offsets.
result save_language_file(const std::filesystem::path& path, string_table& table,
                          file_ops& ops = native_file_ops());

} // namespace qira
