#pragma once
// A page's stored values as one list. Each entry says which value of the shown row a control
// holds (a text slot, or a packed field by name), what kind of control it is, its object name,
// its caption and column in the page's two-column grid, and whether Apply writes it. The list
// makes the controls, lays them out, shows a row in them, collects what Apply writes, and orders
// the tabs; a value the page shows is one entry.

#include "editing/open_game.h"

#include <QGridLayout>
#include <QStringList>
#include <QWidget>

#include <array>
#include <cstdint>
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
};

// The controls of a page's entries, in the entries' order.
class field_controls {
  public:
    // Makes one control per entry, children of `page`.
    field_controls(std::span<const page_field> fields, QWidget* page);

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
    // The controls in tab order: the list's order.
    std::vector<QWidget*> tab_order() const;

    // Shows row `row` of table `table`, or clears every control when `row` is null; writable
    // controls are enabled exactly when a row is shown. A packed field the table lacks shows as
    // empty (0, no item).
    void show(const open_game& game, int table, const db_overall_data* row) const;
    // What Apply writes of the shown row: its texts and names by slot, and the packed values by
    // field name or slot (a field the table or row lacks is left out), each as the page's value
    // rules take it back.
    struct applied {
        std::array<std::string, 4> texts;
        std::array<std::string, 4> names;
        std::vector<std::pair<std::string, std::uint32_t>> values; // by field name
        std::vector<std::pair<int, std::uint32_t>> slot_values;    // unnamed, by slot
    };
    applied take(const open_game& game, int table, const db_overall_data& row) const;

  private:
    std::span<const page_field> fields_;
    std::vector<QWidget*> controls_;
};

} // namespace qira
