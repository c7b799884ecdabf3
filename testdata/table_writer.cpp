// The table writer and what every table's rows share: values drawn for them, and the data no
// field covers.

#include "testdata/tables.h"

#include "dbfile/bits.h"

#include <algorithm>

namespace qira::testdata {

namespace {

// A different number for every table, row and word of a row (a multiplicative hash).
std::uint32_t undecoded_word(int t, std::size_t row, std::size_t word) {
    const std::uint64_t seed =
        (std::uint64_t{static_cast<std::uint32_t>(t)} << 40) ^ (row << 8) ^ word;
    return static_cast<std::uint32_t>((seed * 0x9E3779B97F4A7C15ull) >> 32);
}

} // namespace

table_writer::table_writer(database& db, std::string name, std::vector<std::string> keys,
                           std::vector<std::string> extras, std::vector<std::string> strings,
                           std::vector<column> packed, std::int32_t opaque, int spare_words,
                           int words_per_row)
    : db_(db), columns_(std::move(packed)) {
    table_spec spec;
    spec.name = std::move(name);
    spec.keys = std::move(keys);
    spec.extras = std::move(extras);
    spec.strings = std::move(strings);
    spec.opaque_word = opaque;
    for (const auto& c : columns_)
        spec.packed.push_back({c.name, c.a, c.b});
    table_ = db.table_count();
    std::uint64_t bits = 0;
    for (const auto& c : columns_) {
        const int width = field_width({c.name, 0, c.a, c.b}, table_);
        widths_.push_back(width);
        bits += static_cast<std::uint64_t>(width);
    }
    const int whole = static_cast<int>(spec.keys.size() + spec.extras.size() + spec.strings.size());
    spec.words_per_row = words_per_row > 0
                             ? words_per_row
                             : whole + static_cast<int>((bits + 31) / 32) + spare_words;
    add_table(db, spec);
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
        const db_table& table = db.tables[static_cast<std::size_t>(t)];
        std::uint64_t bits = 0;
        for (std::size_t f = static_cast<std::size_t>(table.whole_word_count());
             f < table.fields.size(); ++f)
            bits += static_cast<std::uint64_t>(field_width(table.fields[f], t));
        const auto w = static_cast<std::size_t>(db.overall[t].words_per_row);
        const std::size_t first = static_cast<std::size_t>(table.whole_word_count()) +
                                  static_cast<std::size_t>(bits / 32);
        const auto tail = static_cast<unsigned>(bits % 32);
        const std::size_t rows = db.overall[t].rows.size();
        auto& words = db.blocks[static_cast<std::size_t>(t)].words;
        words.assign(rows * w, 0);
        for (std::size_t r = 0; r < rows; ++r) {
            for (std::size_t i = first; i < w; ++i) {
                std::uint32_t v = undecoded_word(t, r, i);
                if (i == first && tail != 0)
                    v &= ~std::uint32_t{0} >> tail; // the bits the fields leave free
                words[r * w + i] = stream_word(v == 0 ? 1 : v);
            }
        }
    }
}

} // namespace qira::testdata
