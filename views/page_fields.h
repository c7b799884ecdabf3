#pragma once
// A page's stored values as one list. Each entry says which value of the shown row a control
// holds (a text slot, or a packed field by name), what kind of control it is, its object name,
// its caption and column in the page's two-column grid, and whether Apply writes it; a value the
// page works out from other tables (a derived entry) names the page's functions that show and
// take it. The list makes the controls, lays them out, shows a row in them, collects what Apply
// writes, and orders the tabs; a value the page shows is one entry.

#include "editing/open_game.h"
#include "fileio/result.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace qira {

enum class field_control {
    text,      // a line edit of one of the row's texts (`slot`)
    spin,      // an edit with its spinner (0 to `maximum`); `edit_name` names the edit
    drop_down, // a list of `items`: item i is the stored number i
    check,     // a check box: ticked is the stored 1, unticked 0
    track,     // a track bar (0 to `maximum`)
};

// How much of its column a control takes.
enum class control_width {
    by_kind, // a text or a track bar the column's width, any other control its own at the left
    own,     // its own width, at the left
    full,    // the column's width
};

struct page_field;

// A value that is no field of the shown row as such but an item of a list the page draws from
// elsewhere (the stadium table, the team's players): a drop-down that the page's own functions
// fill, show and take back. `page` is the page the controls were made for.
struct derived_value {
    // Fills the drop-down and selects the row's item; a null row clears it.
    void (*show)(QWidget* page, const page_field& f, QComboBox* list, const db_overall_data* row);
    // What Apply writes under the entry's field or slot; nothing keeps the stored value. A
    // refusal (a list of the page that holds no number) stops the Apply.
    result_of<std::optional<std::uint32_t>> (*take)(const QWidget* page, const QComboBox* list);
};

struct page_field {
    field_control control = field_control::text;
    const char* name = "";            // the control's object name ("pl_height_p")
    const char* caption = "";         // its label; a check box's own text
    int column = 0;                   // 0: the left column of the grid, 1: the right one
    const char* field = nullptr;      // the packed field by name; none: by `slot`, or a text
    int slot = 0;                     // a text's slot, or a packed value's slot when unnamed
    int maximum = 0;                  // spin and track
    QStringList (*items)() = nullptr; // drop-down
    const char* edit_name = nullptr;  // spin: the object name of its text field
    bool writes = true;               // false: shown only, never enabled nor written
    bool localized = false;           // a text: one of the row's names from the language file
    // A text: typing limited to this many characters (its edit wide enough for them); a spin:
    // its edit holds at most this many. 0: no limit.
    int max_length = 0;
    control_width width = control_width::by_kind;
    int start_item = -1; // a drop-down: the item it shows before any row was shown
    const derived_value* derived = nullptr; // a drop-down the page fills, shows and takes
};

// Whether a page's writable controls are enabled only while it shows a row, or always.
enum class field_enabling { with_row, always };

// The controls of a page's entries, in the entries' order.
class field_controls {
  public:
    // Makes one control per entry, children of `page`.
    field_controls(std::span<const page_field> fields, QWidget* page,
                   field_enabling enabling = field_enabling::with_row);

    std::span<const page_field> fields() const { return fields_; }
    QWidget* control(std::size_t i) const { return controls_[i]; }
    // The control of the entry with this object name, or nullptr.
    QWidget* control(const char* name) const;
    template <typename Widget> Widget* as(const char* name) const {
        return qobject_cast<Widget*>(control(name));
    }

    // Puts the entries of `column` into `grid`, from its row `row` on: caption left, control
    // right (a check box across both); returns the next free row.
    int lay_out(int column, QGridLayout* grid, int row, QWidget* page) const;
    // Lays out a page of one column: the entries of column 0 at the top, `buttons` at the bottom,
    // with `apply` pressed by the page's keys (apply_keys, views/page_widgets.h).
    void lay_out_page(QWidget* page, QHBoxLayout* buttons, QPushButton* apply) const;
    // The controls in tab order: the list's order.
    std::vector<QWidget*> tab_order() const;

    // Shows row `row` of table `table`, or clears every control when `row` is null; with
    // field_enabling::with_row, writable controls are enabled exactly when a row is shown. A
    // packed field the table lacks shows as empty (0, no item).
    void show(const open_game& game, int table, const db_overall_data* row) const;
    // What Apply writes of the shown row: its texts and names by slot, and the packed values by
    // field name or slot (a field the table or row lacks is left out), each as the page's value
    // rules take it back; refused when a derived entry refuses.
    struct applied {
        std::array<std::string, 4> texts;
        std::array<std::string, 4> names;
        std::vector<std::pair<std::string, std::uint32_t>> values; // by field name
        std::vector<std::pair<int, std::uint32_t>> slot_values;    // unnamed, by slot
    };
    result_of<applied> take(const open_game& game, int table, const db_overall_data& row) const;

  private:
    std::span<const page_field> fields_;
    QWidget* page_;
    field_enabling enabling_;
    std::vector<QWidget*> controls_;
};

} // namespace qira
