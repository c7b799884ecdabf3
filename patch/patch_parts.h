#pragma once
// The parts that making, checking and applying a patch share (patch/patch_diff.cpp,
// patch_check.cpp, patch_apply.cpp): how rows and entries are identified, how a field's content
// is read and shown in messages, the language file as saving writes it, and the plan a check
// makes for the apply. Not used outside the patch's own files.

#include "patch/patch.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qira::patch_parts {

using key_tuple = std::array<std::int32_t, 4>;

inline std::size_t mix(std::size_t h, std::uint32_t v) {
    return (h ^ v) * 0x9E3779B97F4A7C15ull + 0x7F4A7C15u;
}

struct key_hash {
    std::size_t operator()(const key_tuple& k) const {
        std::size_t h = 0;
        for (std::int32_t v : k)
            h = mix(h, static_cast<std::uint32_t>(v));
        return h;
    }
};

struct row_id_hash {
    std::size_t operator()(const row_id& id) const {
        return mix(key_hash{}(id.keys), static_cast<std::uint32_t>(id.rank));
    }
};

struct entry_id_hash {
    std::size_t operator()(const entry_id& id) const {
        return mix(mix(0, static_cast<std::uint32_t>(id.key)), static_cast<std::uint32_t>(id.rank));
    }
};

// Row r of table t as a patch holds it (a row it removes or adds): its keys, extras, texts,
// values and the bits no field covers.
patch_row row_contents(const database& db, int t, std::size_t r);
// Every entry's key and rank among the entries with the same key.
std::vector<entry_id> entry_ids(const string_table& lang);

// Whether the field is an extra, a text or a packed value (nothing for keys and fields the table
// does not have), as a cell of row 0. A row's field, or the field of the patch's copy of a row, is
// read with read_cell (dbfile/fields.h; 0 for a value past the row's values).
std::optional<cell> field_cell(const db_table& table, int t, int field);

// A field's content and a text as conflicts show them: "181", "\"Ann\"".
std::string show(const cell& c, const cell_value& v);
std::string show_text(const std::string& text);
// Bits no field covers as conflicts and reviews show them: "0x0000a000 0x00000001", "none".
std::string show_words(const std::vector<std::uint32_t>& words);
// A language entry: "key 5", "key 5 rank 1"; and as a row of a list, "language entry key 5".
std::string show_entry(const entry_id& id);
std::string entry_title(const entry_id& id);

// The language file as saving the game would write it: `lang` itself, or `copy` with the rows'
// localized names put in.
const string_table& as_saved(const database& db, const string_table& lang,
                             std::optional<string_table>& copy);

// What a table patch does to the rows of the database it applies to.
struct table_plan {
    int t = 0;
    std::vector<char> removed; // per row
    // The row of each changed row, in order (its fields' cells follow from the table's fields).
    std::vector<int> changed_at;
    // The row of each change of the bits no field covers, with the changed row's index.
    std::vector<std::pair<int, std::size_t>> stored_rows;
    std::vector<int> anchors; // per added row: the row it follows, or -1
    std::vector<int> reuse;   // per added row: a removed row's words, or -1
    bool reshapes = false;
};

struct language_plan {
    std::vector<char> removed;
    std::vector<int> changed; // entry per change
    std::vector<int> anchors; // per added entry
};

// What a conflict is about: the whole patch, a table patch (by its place in patch::tables) as a
// whole, or one item of it (a changed row's field change or its bits no field covers, a removed
// or added row, a language entry changed, removed or added).
struct conflict_item {
    enum class part : std::uint8_t {
        whole,
        table,
        field,
        stored,
        removed,
        added,
        entry_changed,
        entry_removed,
        entry_added
    };
    part what = part::whole;
    int table = -1;          // in patch::tables (not for the whole patch and language entries)
    std::uint32_t index = 0; // in the table's changed, removed or added rows, or the entries
    std::uint32_t field = 0; // a changed row's field change
    // Only what the game holds differs from what the patch expects: applied over what it holds,
    // the change would apply.
    bool differs_only = false;
};

struct full_plan {
    std::vector<table_plan> tables;
    language_plan language;
    std::vector<result> conflicts;
    std::vector<conflict_item> items; // what each conflict is about
};

// Checks the patch against the database and the language file as saving writes it (nullptr:
// none), and plans its changes when nothing conflicts.
full_plan plan_patch(const database& db, const string_table* lang, const patch& p);

} // namespace qira::patch_parts
