#pragma once
// A patch: the changes that turn one game (database and, where given, language file) into
// another, as a list a modder can share, review, apply on top of another install and take back.
//
// Rows are found by their keys (all key fields) and their rank among the rows with the same keys
// in row order; in a table without key fields every row has the same (no) keys, so the rank is
// the row's position. Language entries are found the same way by key and rank. A row or entry
// that is added or removed is held whole, with the row (entry) it follows among those the patch
// leaves in place. Localized names are not part of a patch: they follow from the language
// entries. String references are file offsets that every save recomputes: never part of a patch.
// The form of a patch as a file is described in patch/PATCH-FORMAT.md.

#include "editing/change.h"
#include "editing/open_game.h"
#include "editing/row_titles.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace qira {

// The parts of a row a patch carries.
struct patch_row {
    std::array<std::int32_t, 4> keys{};
    std::array<std::int32_t, 4> extras{};
    std::array<std::string, 4> strings;
    std::vector<std::uint32_t> values;
    // The bits of the row's packed area (its stored words after the whole-word fields) that no
    // field covers: data of the game the editor does not decode, which an added row gets back
    // (empty: none is set, and an added row starts from zeros).
    std::vector<std::uint32_t> stored;
    friend bool operator==(const patch_row&, const patch_row&) = default;
};

// One field of a row: `field` indexes the table's fields (extras, texts or packed values; keys
// identify the row and never change in place). Extras and values as their 32 bits in `number`,
// texts as their stored bytes in `text`.
struct field_change {
    int field = 0;
    cell_value before;
    cell_value after;
    friend bool operator==(const field_change&, const field_change&) = default;
};

// The field changes of a changed row, in field order, held about as compactly as the document
// holds them: a field and its two numbers in one small item, the texts of a text change (or of a
// malformed one) beside the items. A full patch of the largest games changes about a million
// fields, which as field_change values would take 88 bytes each. Read as field_change values
// (`for (const field_change& fc : rc.fields)`, `fields[i]`); written through push_back and set.
class field_changes {
  public:
    field_changes() = default;
    field_changes(std::initializer_list<field_change> changes);

    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    field_change operator[](std::size_t i) const;
    void push_back(const field_change& fc);
    void set(std::size_t i, const field_change& fc);
    void reserve(std::size_t n) { items_.reserve(n); }
    void clear();
    // Every change's before and after swapped (the patch taken back).
    void swap_sides();

    class iterator {
      public:
        using value_type = field_change;
        using difference_type = std::ptrdiff_t;
        iterator() = default;
        iterator(const field_changes* list, std::size_t i) : list_(list), i_(i) {}
        field_change operator*() const { return (*list_)[i_]; }
        iterator& operator++() {
            ++i_;
            return *this;
        }
        iterator operator++(int) {
            iterator was = *this;
            ++i_;
            return was;
        }
        friend bool operator==(const iterator& a, const iterator& b) { return a.i_ == b.i_; }

      private:
        const field_changes* list_ = nullptr;
        std::size_t i_ = 0;
    };
    iterator begin() const { return {this, 0}; }
    iterator end() const { return {this, items_.size()}; }

    // Equal when they list the same changes (not necessarily held alike).
    friend bool operator==(const field_changes& a, const field_changes& b);

  private:
    // A text index is 0 for an empty text, else one past its place in texts_.
    struct item {
        std::int32_t field = 0;
        std::uint32_t before = 0;
        std::uint32_t after = 0;
        std::uint32_t before_text = 0;
        std::uint32_t after_text = 0;
    };
    std::uint32_t keep_text(const std::string& text);
    const std::string& text_at(std::uint32_t index) const;

    std::vector<item> items_;
    std::vector<std::string> texts_;
};

struct changed_row {
    row_id row;
    field_changes fields; // in field order
    // The bits no field covers, before and after (as patch_row::stored; both empty: unchanged).
    std::vector<std::uint32_t> stored_before;
    std::vector<std::uint32_t> stored_after;
    friend bool operator==(const changed_row&, const changed_row&) = default;
};

// A row added or removed, whole: `row.keys` are `contents.keys`; `after` is the row it follows
// (none: it comes first) among the rows the patch keeps.
struct placed_row {
    row_id row;
    std::optional<row_id> after;
    patch_row contents;
    friend bool operator==(const placed_row&, const placed_row&) = default;
};

struct table_patch {
    int index = 0;
    // The table as the patch knows it: checked against the database it is applied to.
    std::string name;
    std::vector<std::string> fields;
    std::array<int, 4> kinds{}; // key, extra, string and packed field counts
    // Rows before and after (checked for tables without key fields, where rows are positions).
    std::int32_t rows_before = 0;
    std::int32_t rows_after = 0;
    std::vector<changed_row> changed; // in row order of the old table
    std::vector<placed_row> removed;  // in row order of the old table
    std::vector<placed_row> added;    // in row order of the new table
    friend bool operator==(const table_patch&, const table_patch&) = default;
};

struct entry_id {
    std::int32_t key = 0;
    std::int32_t rank = 0;
    friend bool operator==(const entry_id&, const entry_id&) = default;
};

struct entry_change {
    entry_id entry;
    std::string before;
    std::string after;
    friend bool operator==(const entry_change&, const entry_change&) = default;
};

struct placed_entry {
    entry_id entry;
    std::optional<entry_id> after;
    std::string text;
    friend bool operator==(const placed_entry&, const placed_entry&) = default;
};

struct language_patch {
    std::vector<entry_change> changed; // in the old file's order
    std::vector<placed_entry> removed; // in the old file's order
    std::vector<placed_entry> added;   // in the new file's order
    bool empty() const { return changed.empty() && removed.empty() && added.empty(); }
    friend bool operator==(const language_patch&, const language_patch&) = default;
};

struct patch {
    std::vector<table_patch> tables; // by index, only tables with changes
    // Whether the two games were compared with their language files.
    bool has_language = false;
    language_patch language;

    bool empty() const { return tables.empty() && language.empty(); }
    // Cells, rows and entries it changes.
    std::size_t change_count() const;
    friend bool operator==(const patch&, const patch&) = default;
};

// The changes from game A to game B. The tables must agree in count, names, fields (names,
// kinds, widths) and words per row; else it is refused, saying where they differ. Language files
// are compared when both are given (with the rows' localized names put into them first, as
// saving does).
result_of<patch> make_patch(const database& a, const string_table* a_lang, const database& b,
                            const string_table* b_lang);

// The same a table at a time, for a patch too large to hold at once: `each_table` gets every
// table patch with changes, in index order, as soon as it is made; the language part is put in
// `language` (when both language files and `language` are given). Refused as make_patch refuses,
// before any table.
result make_patch_by_table(const database& a, const string_table* a_lang, const database& b,
                           const string_table* b_lang,
                           const std::function<void(table_patch&&)>& each_table,
                           language_patch* language);

// The parts of two games that make_patch compares: the tables marked in `tables` (by index; a
// table past its end is not compared) and, when `language`, the language files. Parts left out
// are taken to be the same in both, as when only they can have changed (what an editor's steps
// touched since a save).
struct patch_scope {
    std::vector<char> tables;
    bool language = true;
};
// make_patch over those parts only; the patch has the language part (empty when it was not
// compared) when both language files are given.
result_of<patch> make_patch(const database& a, const string_table* a_lang, const database& b,
                            const string_table* b_lang, const patch_scope& scope);

// The patch that takes `p` back: before and after swapped, added and removed swapped.
patch reversed(const patch& p);
// The same in place, for a patch too large to hold twice.
void reverse_in_place(patch& p);

// Everything that keeps `p` from applying to the game: each change's "before" against what the
// database (and language file, as saving would write it) holds, values their fields cannot hold
// (checked as the grid checks a typed value), tables that do not match, rows and entries that are
// missing or already there, and the limits of a table. Empty: it applies. Each is a conflict at
// the table, row (position in the database) and field it is about, as far as they are known:
// "table 4 row 1234 field height: holds 181, patch expects 178" or "table 4 row 1234 field
// height: 300 does not fit in 8 bits".
std::vector<result> check_patch(const database& db, const string_table* lang, const patch& p,
                                bool reverse = false);

struct [[nodiscard]] patch_applied {
    std::vector<result> conflicts; // as check_patch lists them; when any, nothing was changed
    std::vector<int> tables;       // the tables whose rows changed, ascending
    bool language = false;         // whether language entries changed
    bool ok() const { return conflicts.empty(); }
};

// Applies `p` (with `reverse`, takes it back) to the open game when nothing conflicts; else the
// game is left exactly as it was. Added rows start from raw words of zero (a row that moves keeps
// its own); the tables' row counts, raw words, localized names and lookups follow.
patch_applied apply_patch(open_game& game, const patch& p, bool reverse = false);
// The same through the cell, row and language entry operations of change.h, recorded in `into`:
// the cells the patch sets, the rows it removes and adds, the entries it sets, removes and adds,
// and the localized names and entries that follow from them (nothing when it conflicts).
patch_applied apply_patch(open_game& game, const patch& p, bool reverse, change& into);

} // namespace qira
