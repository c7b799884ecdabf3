#include "editing/row_titles.h"

#include "editing/references.h"
#include "fileio/utf8.h"

#include <algorithm>
#include <unordered_map>

namespace qira {

namespace {

struct keys_hash {
    std::size_t operator()(const std::array<std::int32_t, 4>& k) const {
        std::size_t h = 0;
        for (std::int32_t v : k)
            h = (h ^ static_cast<std::uint32_t>(v)) * 0x9E3779B97F4A7C15ull + 0x7F4A7C15u;
        return h;
    }
};

} // namespace

int key_count(const database& db, int t) {
    return std::clamp(db.tables[static_cast<std::size_t>(t)].key_count, 0, 4);
}

std::array<std::int32_t, 4> keys_of(const db_overall_data& row, int key_count) {
    std::array<std::int32_t, 4> k{};
    for (int i = 0; i < key_count; ++i)
        k[static_cast<std::size_t>(i)] = row.keys[static_cast<std::size_t>(i)];
    return k;
}

std::vector<row_id> row_ids(const database& db, int t) {
    const int ca = key_count(db, t);
    const auto rows = db.rows(t);
    std::vector<row_id> ids(rows.size());
    if (ca == 0) {
        for (std::size_t r = 0; r < rows.size(); ++r)
            ids[r].rank = static_cast<std::int32_t>(r);
        return ids;
    }
    std::unordered_map<std::array<std::int32_t, 4>, std::int32_t, keys_hash> seen;
    seen.reserve(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        ids[r].keys = keys_of(rows[r], ca);
        ids[r].rank = seen[ids[r].keys]++;
    }
    return ids;
}

std::string table_title(std::string_view file_name, int t) {
    return file_name.empty() ? "table " + std::to_string(t) : printable(file_name);
}

std::string table_title(const database& db, int t) {
    return table_title(db.has_table(t)
                           ? std::string_view(db.tables[static_cast<std::size_t>(t)].name)
                           : std::string_view(),
                       t);
}

std::string row_id_text(const row_id& id, int key_count) {
    std::string s;
    if (key_count > 0) {
        s = "keys";
        for (int i = 0; i < key_count && i < 4; ++i)
            s += ' ' + std::to_string(id.keys[static_cast<std::size_t>(i)]);
        s += ", ";
    }
    return s + "rank " + std::to_string(id.rank);
}

std::string row_title(std::string_view table, std::string_view name, const row_id& id,
                      int key_count) {
    std::string s(table);
    s += ": ";
    if (name.empty())
        return s + row_id_text(id, key_count);
    return s + printable(name) + " (" + row_id_text(id, key_count) + ")";
}

std::string row_title(const database& db, int t, int row) {
    if (!db.has_table(t) || row < 0 || static_cast<std::size_t>(row) >= db.rows(t).size())
        return row_title(table_title(db, t), {}, {}, 0);
    const int ca = key_count(db, t);
    const auto rows = db.rows(t);
    row_id id{keys_of(rows[static_cast<std::size_t>(row)], ca), 0};
    if (ca == 0)
        id.rank = row;
    else
        for (int r = 0; r < row; ++r)
            id.rank += keys_of(rows[static_cast<std::size_t>(r)], ca) == id.keys ? 1 : 0;
    return row_title(table_title(db, t), row_name(db, t, row), id, ca);
}

row_titles::row_titles(const database& db)
    : db_(&db), ids_(db.tables.size()), built_(db.tables.size(), 0) {}

const std::vector<row_id>& row_titles::ids(int t) const {
    const auto i = static_cast<std::size_t>(t);
    if (!built_[i]) {
        ids_[i] = row_ids(*db_, t);
        built_[i] = 1;
    }
    return ids_[i];
}

const row_id& row_titles::id_of(int t, int row) const {
    static const row_id none;
    if (!db_->has_table(t))
        return none;
    const auto& list = ids(t);
    return row >= 0 && static_cast<std::size_t>(row) < list.size()
               ? list[static_cast<std::size_t>(row)]
               : none;
}

std::string row_titles::of(int t, int row) const {
    return row_title(table_title(*db_, t), row_name(*db_, t, row), id_of(t, row),
                     db_->has_table(t) ? key_count(*db_, t) : 0);
}

} // namespace qira
