#pragma once
// Words past each row's fields, as the game's files carry them and the editor does not decode:
// given to a table of a model, different in every row, and read back by row or by key.

#include "dbfile/database.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace qira::test {

// Gives every row of table t `extra` more stored words after its fields, non-zero and different
// in every row and table. The words before them stay as they are.
inline void add_spare_words(database& db, int t, std::size_t extra = 2) {
    db_overall& o = db.overall[static_cast<std::size_t>(t)];
    raw_block& block = db.blocks[static_cast<std::size_t>(t)];
    const auto old_w = static_cast<std::size_t>(std::max(o.words_per_row, 0));
    const std::size_t w = old_w + extra;
    std::vector<std::uint32_t> words(o.rows.size() * w, 0);
    for (std::size_t r = 0; r < o.rows.size(); ++r) {
        for (std::size_t k = 0; k < old_w && r * old_w + k < block.words.size(); ++k)
            words[r * w + k] = block.words[r * old_w + k];
        for (std::size_t k = 0; k < extra; ++k)
            words[r * w + old_w + k] =
                0x80000000u | static_cast<std::uint32_t>((t + 1) * 0x10000 + r * 8 + k);
    }
    o.words_per_row = static_cast<std::int32_t>(w);
    block.words_per_row = o.words_per_row;
    block.words = std::move(words);
}

// The last `extra` stored words of row r of table t (zeros for words the model lacks).
inline std::vector<std::uint32_t> spare_words(const database& db, int t, std::size_t r,
                                              std::size_t extra = 2) {
    const auto w = static_cast<std::size_t>(
        std::max(db.overall[static_cast<std::size_t>(t)].words_per_row, 0));
    const auto& words = db.blocks[static_cast<std::size_t>(t)].words;
    std::vector<std::uint32_t> out(extra, 0);
    for (std::size_t k = 0; k < extra && extra <= w; ++k)
        if ((r + 1) * w - extra + k < words.size())
            out[k] = words[(r + 1) * w - extra + k];
    return out;
}

using key_tuple = std::array<std::int32_t, 4>;

inline key_tuple keys_of(const database& db, int t, const db_overall_data& row) {
    key_tuple k{};
    const auto n = static_cast<std::size_t>(
        std::clamp(db.tables[static_cast<std::size_t>(t)].key_count, 0, 4));
    std::copy_n(row.keys.begin(), n, k.begin());
    return k;
}

// The spare words of each row of table t by its keys (the first row with the keys).
inline std::map<key_tuple, std::vector<std::uint32_t>> spare_words_by_key(const database& db, int t,
                                                                          std::size_t extra = 2) {
    std::map<key_tuple, std::vector<std::uint32_t>> out;
    const auto rows = db.rows(t);
    for (std::size_t r = 0; r < rows.size(); ++r)
        out.emplace(keys_of(db, t, rows[r]), spare_words(db, t, r, extra));
    return out;
}

} // namespace qira::test
