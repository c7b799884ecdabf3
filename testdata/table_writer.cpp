// The table writer and what every table's rows share: values drawn for them, and the data no
// field covers.

#include "testdata/tables.h"

#include "dbfile/bits.h"

#include <algorithm>
#include <cassert>
#include <optional>
#include <utility>

namespace qira::testdata {

namespace {

// A different number for every table, row and word of a row (a multiplicative hash).
std::uint32_t undecoded_word(int t, std::size_t row, std::size_t word) {
    const std::uint64_t seed =
        (std::uint64_t{static_cast<std::uint32_t>(t)} << 40) ^ (row << 8) ^ word;
    return static_cast<std::uint32_t>((seed * 0x9E3779B97F4A7C15ull) >> 32);
}

// Whether the value fits bit-packed field `slot` of table t, as wide as the file stores it.
[[maybe_unused]] bool fits(const database& db, int t, int slot, std::uint32_t value) {
    const db_table& table = db.tables[static_cast<std::size_t>(t)];
    const int width =
        field_width(table.fields[static_cast<std::size_t>(table.whole_word_count() + slot)], t);
    return width >= 32 || value < (std::uint32_t{1} << width);
}

} // namespace

table_writer::table_writer(database& db, std::string name, std::vector<std::string> keys,
                           std::vector<std::string> extras, std::vector<std::string> strings,
                           std::vector<packed_field_spec> packed, std::int32_t opaque,
                           int spare_words, int words_per_row)
    : db_(db) {
    table_spec spec;
    spec.name = std::move(name);
    spec.keys = std::move(keys);
    spec.extras = std::move(extras);
    spec.strings = std::move(strings);
    spec.packed = std::move(packed);
    spec.opaque_word = opaque;
    spec.words_per_row = words_per_row; // 0: the words the fields need
    table_ = add_table(db, spec);
    if (words_per_row == 0 && spare_words > 0) {
        db.overall[table_].words_per_row += spare_words;
        db.blocks[static_cast<std::size_t>(table_)].words_per_row =
            db.overall[table_].words_per_row;
    }
}

void table_writer::set(db_overall_data& r, std::string_view field, std::uint32_t value) {
    const std::optional<int> slot = db_.field_slot(table_, field);
    assert(slot && "no such field");
    if (!slot)
        return;
    assert(fits(db_, table_, *slot, value));
    r.values[static_cast<std::size_t>(*slot)] = value;
}

int birth_date(random_source& rng, int first_year, int last_year) {
    return rng.between(first_year, last_year) * 10000 + rng.between(1, 12) * 100 +
           rng.between(1, 28);
}

int skill(random_source& rng, int talent, int bonus) {
    return std::clamp(35 + talent * 9 + bonus + rng.between(-12, 12), 0, 100);
}

int color(random_source& rng) {
    return rng.between(0, 0xFFFFFF);
}

int match_date(int day) {
    static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int y = 2004, m = 8, d = 14 + day;
    while (true) {
        const bool leap = y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
        const int len = lengths[m - 1] + (m == 2 && leap ? 1 : 0);
        if (d <= len)
            break;
        d -= len;
        if (++m > 12) {
            m = 1;
            ++y;
        }
    }
    return y * 10000 + m * 100 + d;
}

void fill_undecoded(database& db) {
    for (int t = 0; t < db.table_count(); ++t) {
        // The bits of each word of the packed area that no field covers, in stored form.
        const std::vector<std::uint32_t> free = undecoded_mask(db, t);
        const auto w = static_cast<std::size_t>(db.overall[t].words_per_row);
        const std::size_t packed = w - free.size(); // the first word of the packed area
        const std::size_t rows = db.overall[t].rows.size();
        auto& words = db.blocks[static_cast<std::size_t>(t)].words;
        words.assign(rows * w, 0);
        for (std::size_t r = 0; r < rows; ++r) {
            for (std::size_t g = 0; g < free.size(); ++g) {
                if (free[g] == 0)
                    continue;
                const std::uint32_t v = undecoded_word(t, r, packed + g) & stream_word(free[g]);
                words[r * w + packed + g] = stream_word(v == 0 ? 1 : v);
            }
        }
    }
}

} // namespace qira::testdata
