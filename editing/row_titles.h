#pragma once
// How a row is named in every list and message of the editor and of qiradb: the table's name,
// the row's name where it has one, then the keys and rank that find it,
// "players: Daniel Wright (keys 2, rank 0)"; "leagueteams: keys 3 12, rank 0" for a row without a
// name, "fixtures: rank 7" in a table without key fields (where the rank is the position).
//
// A row is found by its keys (all key fields) and its rank among the rows with the same keys in
// row order, not by its position: the same row keeps its title when rows before it move. Patches
// find rows the same way.

#include "dbfile/database.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qira {

// A row of a table: its keys (the table's key fields, the rest 0) and its rank among the rows
// with the same keys.
struct row_id {
    std::array<std::int32_t, 4> keys{};
    std::int32_t rank = 0;
    friend bool operator==(const row_id&, const row_id&) = default;
};

// The table's key fields that identify its rows (0 to 4).
int key_count(const database& db, int t);
std::array<std::int32_t, 4> keys_of(const db_overall_data& row, int key_count);
// Every row's keys and rank among the rows with the same keys.
std::vector<row_id> row_ids(const database& db, int t);

// The table as messages name it: its name in the file (printable), or "table N" where the
// file gives it none.
std::string table_title(const database& db, int t);
std::string table_title(std::string_view file_name, int t);

// "keys 3 12, rank 0"; "rank 7" without key fields.
std::string row_id_text(const row_id& id, int key_count);

// "players: Daniel Wright (keys 2, rank 0)", or without a name "players: keys 2, rank 0".
// `name` is the stored bytes (shown printable).
std::string row_title(std::string_view table, std::string_view name, const row_id& id,
                      int key_count);

// The title of one row of the game, its rank counted among the rows before it (for a single
// row; a list of rows takes row_titles).
std::string row_title(const database& db, int t, int row);

// The titles of the rows of one game, each table's ids found once. Build it again after rows
// are added, removed or their keys change.
class row_titles {
  public:
    explicit row_titles(const database& db);
    // Row `row` of table t (row_name for its name).
    std::string of(int t, int row) const;
    const row_id& id_of(int t, int row) const;

  private:
    const std::vector<row_id>& ids(int t) const;
    const database* db_;
    mutable std::vector<std::vector<row_id>> ids_;
    mutable std::vector<char> built_;
};

} // namespace qira
