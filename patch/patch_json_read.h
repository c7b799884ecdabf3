#pragma once
// The patch reader's parts kept apart from patch_json_read.cpp (the document and its tables): the
// rows of a table (patch_json_rows.cpp) and the language part of a patch (its entries changed,
// removed and added, each found by key and rank; patch_json_language.cpp).

#include "patch/json_members.h"
#include "patch/patch.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qira {

// A table as its rows are read: its fields by name.
struct table_info {
    const table_patch* tp = nullptr;
    std::unordered_map<std::string_view, int> by_name; // -1: the table has two of that name
};

// The rows of a table: the patch reader derives from it.
class row_reader : public json_member_reader {
  public:
    using json_member_reader::json_member_reader;

  protected:
    // A row changed in place, field by field.
    bool read_changed_row(const at& where, const table_info& ti, changed_row& rc);
    // A row removed or added, whole (`role`: "removed by the patch" or "added by the patch").
    bool read_placed_row(const at& where, const table_patch& tp, const char* role, placed_row& pr);

  private:
    // The row a field's number belongs to, as the problem of a number that does not fit it names
    // it: where the patch has the row and what it does with it.
    struct row_of {
        const table_patch& tp;
        const row_id& id;
        const char* role; // "added by the patch", ...
    };

    // An extra (signed) or packed value (unsigned) of field `field`: a number that is no 32-bit
    // one is refused as a value that does not fit its field ("table 4 row with keys [9001] (added
    // by the patch) field height: -1 does not fit in 32 bits"), other than a member of the wrong
    // type, which is named by its place in the document.
    bool field_number(const json_scalar& v, const at& where, const row_of& row, int field,
                      bool is_extra, std::uint32_t& out);
    bool field_number(const at& where, const row_of& row, int field, bool is_extra,
                      std::uint32_t& out);
    bool read_keys(const at& where, int ca, row_id& id);
    // A row's stored words (the bits no field covers).
    bool read_words(const at& where, std::vector<std::uint32_t>& out);
    // A row's keys and rank, as members of its object: reads the member `name` when it is one of
    // them (`done`: it was).
    bool row_id_member(const std::string& name, const at& where, int ca, row_id& id,
                       member_set& seen, bool& done);
    bool row_id_complete(const at& where, const member_set& seen);
    bool read_row_id(const at& where, int ca, row_id& id);
    // The parts of a placed row other than its keys and rank.
    bool read_after(const at& where, const table_patch& tp, placed_row& pr);
    bool read_extras(const at& where, const row_of& row, placed_row& pr);
    bool read_texts(const at& where, const table_patch& tp, placed_row& pr);
    bool read_values(const at& where, const row_of& row, placed_row& pr);
    // A field's content: a text, or an integer (extras signed, values unsigned).
    bool cell_content(const json_scalar& v, const at& where, const row_of& row, int field,
                      row_part part, cell_value& out);
    // Which field a change names: by `field_index` when given (checked against the name), else by
    // its name, which must then be the table's only field of that name and no key.
    bool field_of(const at& where, const table_info& ti, const std::string& name,
                  std::optional<std::int64_t> index, int& field);
    bool read_field_change(const at& where, const table_info& ti, const row_id& id,
                           field_change& fc);
    bool read_stored_change(const at& where, changed_row& rc);

    field_changes fields_; // a changed row's changes as they are read
};

class language_reader : public json_member_reader {
  public:
    using json_member_reader::json_member_reader;
    // The member "language" at `where`.
    bool read(const at& where, language_patch& lp);

  private:
    bool read_entry_id(const at& where, entry_id& id);
    // A key or rank member of an entry's object (`done`: `name` was one).
    bool entry_id_member(const std::string& name, const at& where, entry_id& id, member_set& seen,
                         bool& done);
    bool entry_id_complete(const at& where, const member_set& seen);
    // A changed entry (`change`) or one removed or added (`placed`).
    bool read_entry(const at& where, entry_change* change, placed_entry* placed);
};

} // namespace qira
