#pragma once
// A patch looked at before it applies: every change it makes, grouped by table, then row, then
// field, each with what the patch expects before, what the game holds now and what it will be,
// checked against the game as it is (its unsaved edits included). Changes can be ticked or
// unticked; the patch of the ticked ones applies as one step. A change that conflicts starts
// unticked; one where only the value the game holds differs from what the patch expects may be
// ticked all the same and then applies over what the game holds. The window's review and
// `qiradb show-patch` both list a patch through it.

#include "editing/open_game.h"
#include "patch/patch.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qira {

class named_rows;
namespace patch_parts {
struct full_plan;
}

// What one change of a review is.
enum class review_kind : std::uint8_t {
    field,         // a field of a row that stays
    stored,        // the bits no field covers of a row that stays
    removed,       // a row removed, whole
    added,         // a row added, whole
    entry_changed, // a language entry's text
    entry_removed,
    entry_added
};

class patch_review {
  public:
    // Checks `p` against the open game (its language file as a save would write it). The game
    // and the patch must outlive the review and stay as they are while it is used.
    patch_review(const open_game& game, const patch& p);
    ~patch_review();
    patch_review(const patch_review&) = delete;
    patch_review& operator=(const patch_review&) = delete;

    // A table the patch changes (or its language entries): a range of rows.
    struct group {
        int table_patch = -1; // in patch::tables; -1: the language entries
        std::uint32_t first_row = 0, end_row = 0;
    };
    // A row of a group: a row that stays, one removed or added, or a language entry; a range of
    // changes (a row that stays has one per field it changes, and one for the bits no field
    // covers; the others one).
    struct row {
        review_kind kind = review_kind::field;
        std::uint32_t group = 0;
        std::uint32_t index = 0;    // in the table patch's changed, removed or added rows, or
                                    // the language patch's lists
        std::int32_t game_row = -1; // the row (entry) of the game it is, or -1
        std::uint32_t first_change = 0, end_change = 0;
    };
    // What a change shows: the field it is about, the value the patch expects before, the value
    // the game holds now and the value it will be (references by name as the grid shows them,
    // texts quoted as messages quote them).
    struct shown {
        std::string field, before, now, after;
    };

    const std::vector<group>& groups() const { return groups_; }
    const std::vector<row>& rows() const { return rows_; }
    std::size_t change_count() const { return changes_.size(); }
    // The changes of a group, [first, end).
    std::pair<std::size_t, std::size_t> group_changes(std::size_t group) const;
    // What a change is (a row that stays has its kind `field`; its changes are fields and the
    // bits no field covers).
    review_kind kind_of(std::size_t change) const;
    // The row a change belongs to.
    std::uint32_t row_of(std::size_t change) const { return changes_[change].row; }

    // "players" (the table as the game names it), "language file".
    std::string group_title(std::size_t group) const;
    // "players: Daniel Wright (keys 2, rank 0)", "language entry key 30000170": rows named as
    // every message names them; an added row by the name the patch gives it.
    std::string row_title(std::size_t row) const;
    shown show(std::size_t change) const;
    // The fields of a removed or added row, each as show() shows a field (empty for the others).
    std::vector<shown> row_fields(std::size_t row) const;
    // How many row_fields() gives, without making them.
    std::size_t row_field_count(std::size_t row) const;

    // What keeps a change from applying ("holds 181, patch expects 178"), or null.
    const std::string* conflict(std::size_t change) const;
    std::size_t conflict_count() const { return conflicted_; }
    // Whether a change that conflicts may be ticked: only what the game holds differs, and it
    // then applies over that.
    bool can_tick(std::size_t change) const;
    // Problems of the whole patch (no change of it applies while there are any).
    const std::vector<std::string>& whole_conflicts() const { return whole_; }

    bool ticked(std::size_t change) const { return ticked_[change] != 0; }
    std::size_t ticked_count() const { return ticked_count_; }
    // Ticks or unticks a change, and with it every change it goes with (rows with the same keys
    // removed and added, a row that moves; entries likewise). A change that may not be ticked
    // stays unticked. Returns the changes whose state changed.
    std::vector<std::size_t> tick(std::size_t change, bool on);
    // Every change ticked that may be, or none.
    void tick_all(bool on);
    // Ticks or unticks the changes [first, end) with what goes with them; ticking leaves the
    // conflicts among them as they are unless `conflicts`. Returns the changes whose state changed.
    std::vector<std::size_t> tick_range(std::size_t first, std::size_t end, bool on,
                                        bool conflicts);

    // A row's or a group's changes counted: ticked, conflicting, and those that may not be
    // ticked; kept as ticks change.
    struct counts {
        std::uint32_t changes = 0, ticked = 0, conflicts = 0, locked = 0;
    };
    const counts& row_counts(std::size_t r) const { return row_counts_[r]; }
    const counts& group_counts(std::size_t g) const { return group_counts_[g]; }

    // Whether the row's title, or anything one of its changes shows, holds `folded` (a text as
    // fold_text folds it; empty: every row).
    bool row_matches(std::size_t row, std::string_view folded) const;

    // The patch of the ticked changes; a ticked conflict applies over what the game holds.
    patch ticked_patch() const;

    // One line per change, as `qiradb show-patch` prints it: "players: Daniel Wright (keys 2,
    // rank 0) field height: 178 -> 181", a conflict marked "! ... (conflict: holds 180, patch
    // expects 178)".
    std::string line(std::size_t change) const;

  private:
    struct change_item {
        std::uint32_t row = 0;
        std::uint32_t field = 0;    // a field change of its row
        std::int32_t conflict = -1; // in conflicts_
        std::uint32_t together = 0; // the next change it is ticked with (itself: none)
    };
    struct conflict_note {
        std::string text;
        bool differs_only = true;
    };
    struct table_view;

    // The review's rows and changes, built in this order by the constructor.
    void add_row(review_kind kind, std::uint32_t g, std::size_t index, int game_row,
                 std::size_t changes);
    void add_table_rows(std::size_t table_patch);
    void add_language_rows();
    void link_same_keys();
    // The patch of the ticked changes, a part at a time (a ticked conflict rebased on `held`, the
    // game's row, or the game's entry).
    void add_ticked_entries(std::size_t g, language_patch& out) const;
    table_patch ticked_table(std::size_t g) const;
    changed_row ticked_changes(const row& rw, const db_overall_data* held) const;
    void add_conflicts(const patch_parts::full_plan& plan);
    void add_conflict(std::size_t change, const std::string& text, bool differs_only);
    void link(std::size_t a, std::size_t b);
    void set_ticked(std::size_t change, bool on);
    void count_changes();
    const table_view& table_of(std::size_t group) const;
    std::string value_text(int k, int field, const cell_value& v) const;
    const named_rows& names_of(int table) const;

    const open_game& game_;
    const patch& patch_;
    std::optional<string_table> saved_lang_;
    const string_table* lang_ = nullptr; // as a save would write it
    std::vector<group> groups_;
    std::vector<row> rows_;
    std::vector<change_item> changes_;
    std::vector<conflict_note> conflicts_;
    std::vector<std::string> whole_;
    std::vector<char> ticked_;
    std::size_t ticked_count_ = 0;
    std::size_t conflicted_ = 0;
    std::vector<counts> row_counts_;
    std::vector<counts> group_counts_;
    std::vector<std::unique_ptr<table_view>> tables_;
    mutable std::map<int, std::unique_ptr<named_rows>> names_;
};

} // namespace qira
