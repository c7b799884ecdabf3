#pragma once
// The references between the game's tables, described once: which fields name a row of another
// table by that row's id (its keys[0]), and how the editor names a row. The grid shows such a
// field by the name of the row it names and offers those rows to pick from, the team page draws
// its stadium list from it, and the game check finds the references that name no row. A field
// the tables make plain is added to reference_fields() and is then shown, picked and checked.

#include "dbfile/database.h"
#include "dbfile/fields.h"
#include "fileio/wording.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qira {

// Which rows of the target table a reference may name.
enum class reference_scope : std::uint8_t {
    table_row,   // any row of the table
    team_player, // a player of the row's own team (keys[0] is a team id): captain, penalty taker
};

// A field that names a row of table `target` by its id.
struct reference_field {
    int table = 0;
    // The field by its name in the file; where it has none here, by its place in the row (the
    // keys of the link tables; the team's stadium, which the game finds by its slot).
    std::string_view name;
    field_place place{};
    int target = 0;
    // 0 names no row ("none chosen"), unless the target has a row with id 0.
    bool zero_is_none = false;
    reference_scope scope = reference_scope::table_row;
};

// Every reference the editor knows, by table and then field.
std::span<const reference_field> reference_fields();

// The reference the list holds for a field found by its place (not its name), or null.
const reference_field* placed_reference(int table, field_place at);

// The column (field) of the table that a reference is in this file, or -1: the file lacks the
// table or the field, or the target table has no ids.
int reference_column(const database& db, const reference_field& r);
// The reference that column `field` of table `table` is in this file, or null.
const reference_field* reference_at(const database& db, int table, int field);

// What a row of a table is called in the check's lines: "league", "team", "player", "stadium",
// "nation", ...; "row of table N" for a table the editor gives no noun.
wording row_noun(int table);

// A row's name: leagues, stadiums and teams by their name in the language file (else their
// label in the table); players by their common name, else first name and surname; referees and
// managers by first name and surname; nations, cups, tactics and settings by their first text.
// Empty for a row of another table, or one whose texts are empty. Texts are the stored bytes.
std::string row_name(const database& db, int table, int row);
// The same of a row that is not in the game (a patch's copy of it) from its texts, without a
// localized name.
std::string row_name(int table, const std::array<std::string, 4>& texts);

// A number that may be an id: keys as signed, values as unsigned words (a value past 2^31 - 1
// names no row, as a negative key equals no value).
constexpr std::int64_t reference_id(row_part part, std::uint32_t number) {
    return is_signed(part) ? static_cast<std::int64_t>(static_cast<std::int32_t>(number))
                           : static_cast<std::int64_t>(number);
}

// The rows of one table by their id: what a reference to it names. Built from the table as it
// is; build it again after the table's rows or ids change.
class named_rows {
  public:
    named_rows() = default;
    named_rows(const database& db, int table);

    int table() const { return table_; }
    // The first row with the id (as the pages find a row by its id), or -1.
    int row_of(std::int64_t id) const;
    // The row's name (row_name), and the same folded for matching and sorting (fold_text),
    // each kept once asked for.
    const std::string& name(int row) const;
    const std::string& folded_name(int row) const;
    // Every (id, row), sorted by id and then row.
    const std::vector<std::pair<std::int32_t, int>>& by_id() const { return by_id_; }

    // The rows a reference may name: one per id (its first row), in row order.
    struct choice {
        std::int32_t id = 0;
        int row = 0;
    };
    std::vector<choice> choices() const;

  private:
    const database* db_ = nullptr;
    int table_ = -1;
    std::vector<std::pair<std::int32_t, int>> by_id_; // (id, row), sorted
    struct kept_name {
        std::string name, folded;
        bool named = false, is_folded = false;
    };
    kept_name* kept(int row) const;
    mutable std::vector<kept_name> names_;
};

// Whether a reference's number names no row: no row has it, and it is not the 0 that names none.
bool names_no_row(const reference_field& r, const named_rows& rows, std::int64_t id);

// How a reference is shown: the name of the row and the number in brackets,
// "Łukasz Mazur (1234)"; the number alone where no row has it or the row has no name.
std::string reference_text(const named_rows& rows, std::int64_t id);

// A row a reference may name, as a picker offers it: its id and reference_text.
struct reference_choice {
    std::int32_t id = 0;
    std::string text;
};
// The rows field `r` of row `row` of its table may name, in the order of the named table: every
// id of it (its first row), or for a team's player only the players linked to that team (table
// 11, in link order). `rows` are the rows of r.target.
std::vector<reference_choice> reference_choices(const database& db, const named_rows& rows,
                                                const reference_field& r, int row);

// The check's line for a reference that names no row, without the row's place:
// "stadium 999 does not exist" for the keys of link rows, "team 5: its stadium 999 does not
// exist" for a field of a row, with the field's name where it has one ("player 12: its nation
// 300 (nationality) does not exist"). `row_id` is the keys[0] of the row holding the field.
std::string missing_reference_text(const reference_field& r, std::int64_t id, std::int64_t row_id);
// The same line to translate.
wording missing_reference_words(const reference_field& r, std::int64_t id, std::int64_t row_id);

} // namespace qira
