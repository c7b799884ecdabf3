#pragma once
// Compares two database models part by part (only what lies within the tables' counts).

#include "dbfile/database.h"

#include <gtest/gtest.h>

namespace qira::test {

inline void expect_same_model(const database& a, const database& b,
                              bool same_words_per_row = true) {
    EXPECT_EQ(a.header_word0, b.header_word0);
    EXPECT_EQ(a.header_word1, b.header_word1);
    ASSERT_EQ(a.table_count(), b.table_count());
    for (int t = 0; t < a.table_count(); ++t) {
        SCOPED_TRACE("table " + std::to_string(t));
        const db_table& ta = a.tables[t];
        const db_table& tb = b.tables[t];
        EXPECT_EQ(ta.name, tb.name);
        EXPECT_EQ(ta.opaque_word, tb.opaque_word);
        ASSERT_EQ(ta.key_count, tb.key_count);
        ASSERT_EQ(ta.extra_count, tb.extra_count);
        ASSERT_EQ(ta.string_ref_count, tb.string_ref_count);
        ASSERT_EQ(ta.packed_count, tb.packed_count);
        for (int f = 0; f < ta.field_count(); ++f) {
            EXPECT_EQ(ta.fields[f].name, tb.fields[f].name);
            if (f >= ta.whole_word_count()) {
                EXPECT_EQ(ta.fields[f].descriptor_a, tb.fields[f].descriptor_a);
                EXPECT_EQ(ta.fields[f].descriptor_b, tb.fields[f].descriptor_b);
            }
        }
        EXPECT_EQ(a.overall[t].block_word, b.overall[t].block_word);
        ASSERT_EQ(a.overall[t].row_count, b.overall[t].row_count);
        if (same_words_per_row && a.overall[t].row_count > 0) {
            EXPECT_EQ(a.overall[t].words_per_row, b.overall[t].words_per_row);
        }
        const auto ra = a.rows(t);
        const auto rb = b.rows(t);
        for (std::size_t r = 0; r < ra.size(); ++r) {
            SCOPED_TRACE("row " + std::to_string(r));
            for (int i = 0; i < ta.key_count; ++i)
                EXPECT_EQ(ra[r].keys[i], rb[r].keys[i]);
            for (int i = 0; i < ta.extra_count; ++i)
                EXPECT_EQ(ra[r].extras[i], rb[r].extras[i]);
            for (int i = 0; i < ta.string_ref_count; ++i)
                EXPECT_EQ(ra[r].strings[i], rb[r].strings[i]);
            for (int k = 0; k < 4; ++k)
                EXPECT_EQ(ra[r].names[k], rb[r].names[k]);
            EXPECT_EQ(ra[r].values, rb[r].values);
        }
    }
}

} // namespace qira::test
