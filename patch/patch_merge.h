#pragma once
// Two mods made on one game, merged: the patches that turn the same base game into game A and
// into game B become one patch that makes both changes, and the list of the places where the two
// disagree.
//
// A cell (a field of a row that both keep, a language entry's text, the bits of a row no field
// covers) changed on one side takes that side's content; changed alike on both, it changes once;
// changed differently, it is a conflict. A row (language entry) is found by its keys and rank, as
// in every patch: added on both sides with the same keys and rank, it is one row when the two
// copies are equal (and follow the same row), else a conflict; removed on both, it is removed
// once; removed (or moved) on one side and changed on the other, a conflict. Rows that both add
// after the same base row come A's first, then B's. In a table without key fields (rows found by
// their position), rows added or removed on both sides are a conflict of the whole table unless
// the two sides change the table alike.
//
// `prefer` decides conflicts: the side named wins each of them (a whole row, or the whole table
// of a table without key fields, when the conflict is about more than a cell); with none, every
// conflict is left out of the merged patch and only listed, and the caller writes nothing.

#include "patch/patch.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qira {

enum class merge_side : std::uint8_t { none, a, b };

// One place where the two patches disagree, with what the base and each side hold there.
struct merge_conflict {
    enum class kind : std::uint8_t {
        field,  // a field of a row both keep: `field`
        stored, // the bits no field covers of a row both keep
        row,    // a row added, removed or moved on one side and otherwise changed on the other
        table,  // rows added or removed on both sides of a table without key fields
        entry   // a language entry
    };
    kind what = kind::field;
    int table = -1;         // the table's index in the game (-1: a language entry)
    row_id row;             // field, stored, row
    entry_id entry;         // entry
    int field = -1;         // field: its index among the table's fields
    std::string title;      // "players: Daniel Wright (keys 2, rank 0)", "language entry key 5",
                            // "fixtures"
    std::string field_name; // field: the field's name (printable)
    std::string base, a, b; // each side as shown: "178", "\"Ann\"", "removed", "none"
    merge_side chosen = merge_side::none; // the side that won it (none: left out)

    // "players: Daniel Wright (keys 2, rank 0) field height: base 178, a 181, b 183"
    std::string line() const;
};

struct merged_patches {
    // Both patches' changes: without a preferred side, the conflicts' changes left out.
    patch merged;
    std::vector<merge_conflict> conflicts; // in table order, then the language entries
};

// Merges two patches made against one base game. `base` (when given) names the rows in the
// conflicts as the base game names them, and orders the merged patch's rows as the base holds
// them; without it a row is named by a patch's copy of it, or by its keys and rank alone.
// Refused, before anything is merged, when the two patches were made for different tables (a
// table both change has other names, fields or rows before in the two).
result_of<merged_patches> merge_patches(const patch& a, const patch& b, merge_side prefer,
                                        const database* base = nullptr);
// The same with a side for each conflict, in the order the merge lists them (as merge_patches
// with merge_side::none lists them for the same patches): the user's choice line by line. A
// conflict past the end of `sides` is left out.
result_of<merged_patches> merge_patches(const patch& a, const patch& b,
                                        const std::vector<merge_side>& sides,
                                        const database* base = nullptr);

// Games A and B, both made from `base`, merged into `base`: the two patches made (with the
// language files when all three games have one), merged, and, when nothing conflicts or `prefer`
// decided every conflict, applied to `base` (which is then saved as the editor saves). With
// conflicts left, `base` is untouched. Refused when the games cannot be compared or the merged
// patch does not apply (naming the first conflict of the apply).
result_of<merged_patches> merge_games(open_game& base, const open_game& a, const open_game& b,
                                      merge_side prefer);

} // namespace qira
