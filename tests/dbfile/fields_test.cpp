// The field schema: each field's kind, place in a row, width and range (table 8's narrow rule
// included), and every cell of a row written, saved, loaded and read back on rows that carry
// bits no field covers.

#include "dbfile/build.h"
#include "dbfile/fields.h"
#include "support/spare_words.h"

#include <gtest/gtest.h>

namespace qira {
namespace {

// Two keys, an extra, two texts and packed values, among them the two descriptors that table 8
// narrows (64 and 4), a width the rule makes negative, a whole word and 33 bits.
const table_spec every_kind{"every kind",
                            {"id", "owner"},
                            {"flags"},
                            {"name", "nick"},
                            {{"b64", 0, 64},
                             {"b4", 0, 4},
                             {"signed", -1, 7},
                             {"none", 100000, 0},
                             {"word", 0, -1},
                             {"wide", -1, -1}}};

// Tables 0 to 6 without fields, then `every_kind` as table 7 and as table 8.
database two_tables() {
    database db;
    for (int t = 0; t < 7; ++t)
        add_table(db, {"t" + std::to_string(t), {}, {}, {}, {}});
    add_table(db, every_kind);
    add_table(db, every_kind);
    return db;
}

constexpr std::int64_t word_min = -2147483648ll, word_max = 4294967295ll;

struct field_case {
    field_place place;
    int bits7, bits8; // in table 7, in table 8
};

const field_case cases[] = {
    {{row_part::key, 0}, 32, 32},   {{row_part::key, 1}, 32, 32},   {{row_part::extra, 0}, 32, 32},
    {{row_part::text, 0}, 32, 32},  {{row_part::text, 1}, 32, 32},  {{row_part::value, 0}, 7, 6},
    {{row_part::value, 1}, 3, 2},   {{row_part::value, 2}, 4, 4},   {{row_part::value, 3}, 0, 0},
    {{row_part::value, 4}, 32, 32}, {{row_part::value, 5}, 33, 33},
};

TEST(FieldSchema, KindPlaceWidthAndRangeOfEveryField) {
    const database db = two_tables();
    for (int t : {7, 8}) {
        const db_table& table = db.tables[static_cast<std::size_t>(t)];
        ASSERT_EQ(table.field_count(), static_cast<int>(std::size(cases)));
        for (int f = 0; f < table.field_count(); ++f) {
            const field_case& c = cases[f];
            SCOPED_TRACE("table " + std::to_string(t) + " field " + std::to_string(f));
            EXPECT_EQ(place_of_field(table, f), c.place);
            EXPECT_EQ(field_of_place(table, c.place), f);
            const int bits = t == 8 ? c.bits8 : c.bits7;
            EXPECT_EQ(field_bits(table, t, f), bits);
            const auto range = field_range(table, t, f);
            if (c.place.part == row_part::text) {
                EXPECT_FALSE(range);
            } else if (c.place.part == row_part::value) {
                EXPECT_EQ(value_width(db, t, c.place.index), bits);
                EXPECT_EQ(range, (number_range{0, bits >= 32 ? word_max : (1ll << bits) - 1}));
            } else {
                EXPECT_EQ(range, (number_range{word_min, word_max}));
            }
        }
        // Places that are no field of the table.
        for (field_place none : {field_place{row_part::name, 0}, field_place{row_part::key, 2},
                                 field_place{row_part::extra, 1}, field_place{row_part::text, 2},
                                 field_place{row_part::value, 6}, field_place{row_part::key, -1}})
            EXPECT_EQ(field_of_place(table, none), -1);
    }
}

// What row r writes into each field: the ends of its range and a number between, texts that are
// not UTF-8.
cell_value sample_value(const db_table& table, int t, int f, std::size_t r) {
    if (place_of_field(table, f).part == row_part::text)
        return {0, "\xC5ngstr\xF6m " + std::to_string(r * 10 + static_cast<std::size_t>(f))};
    const number_range range = *field_range(table, t, f);
    const std::int64_t n = r == 0 ? range.max : r == 1 ? range.min : range.max / 3 + range.min / 5;
    return {static_cast<std::uint32_t>(n), {}};
}

TEST(FieldSchema, CellsWrittenSavedAndReadBackKeepTheBitsNoFieldCovers) {
    database db = two_tables();
    for (int t : {7, 8}) {
        for (int r = 0; r < 3; ++r)
            add_row(db, t);
        test::add_spare_words(db, t);
        // Every stored bit set: what no field covers (the rest of the last packed word, the
        // spare words) must come back as it was.
        auto& words = db.blocks[static_cast<std::size_t>(t)].words;
        std::fill(words.begin(), words.end(), 0xFFFFFFFFu);
        const db_table& table = db.tables[static_cast<std::size_t>(t)];
        for (std::size_t r = 0; r < 3; ++r)
            for (int f = 0; f < table.field_count(); ++f)
                write_cell(db.rows(t)[r], place_of_field(table, f), sample_value(table, t, f, r));
        for (std::size_t r = 0; r < 3; ++r)
            for (int k = 0; k < 4; ++k)
                write_cell(db, {t, static_cast<int>(r), row_part::name, k},
                           {0, "name " + std::to_string(k)});
    }
    const std::vector<std::uint8_t> bytes = serialize_database(db);
    database loaded;
    ASSERT_TRUE(parse_database(bytes, "qira.db", nullptr, loaded));
    for (int t : {7, 8}) {
        const db_table& table = loaded.tables[static_cast<std::size_t>(t)];
        for (std::size_t r = 0; r < 3; ++r) {
            SCOPED_TRACE("table " + std::to_string(t) + " row " + std::to_string(r));
            const db_overall_data& row = loaded.rows(t)[r];
            for (int f = 0; f < table.field_count(); ++f) {
                const cell where = column_cell(loaded, t, static_cast<int>(r), f);
                ASSERT_TRUE(cell_exists(loaded, where)) << f;
                EXPECT_EQ(read_cell(loaded, where), sample_value(table, t, f, r)) << f;
                EXPECT_EQ(read_cell(row, where.place()), read_cell(db.rows(t)[r], where.place()));
            }
            const auto undecoded = undecoded_words(loaded, t, r);
            EXPECT_FALSE(undecoded.empty());
            EXPECT_EQ(undecoded, undecoded_words(db, t, r));
            EXPECT_EQ(read_cell(db, {t, static_cast<int>(r), row_part::name, 3}).text, "name 3");
        }
    }
    // A place past the row's parts reads nothing and takes nothing.
    db_overall_data& row = db.rows(8)[0];
    EXPECT_FALSE(cell_exists(db, {8, 0, row_part::value, 6}));
    write_cell(row, {row_part::value, 6}, {5, {}});
    write_cell(row, {row_part::key, 4}, {5, {}});
    EXPECT_EQ(read_cell(row, {row_part::value, 6}), (cell_value{}));
    EXPECT_EQ(row.values.size(), 6u);
}

} // namespace
} // namespace qira
