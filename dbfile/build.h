#pragma once
// Building a database model from scratch (the sample generator and the tests use it): tables
// with their fields, and rows appended to them. The raw words follow on the first save.

#include "database.h"

#include <string>
#include <vector>

namespace qira {

struct packed_field_spec {
    std::string name;
    std::int32_t descriptor_a = 0;
    std::int32_t descriptor_b = 0;
};

struct table_spec {
    std::string name;
    std::vector<std::string> keys;
    std::vector<std::string> extras;
    std::vector<std::string> strings;
    std::vector<packed_field_spec> packed;
    std::int32_t opaque_word = 0;
    std::int32_t block_word = 0;
    // Words per stored row; 0 gives the whole words plus as many words as the packed fields need.
    int words_per_row = 0;
};

// Appends a table (no rows) and returns its index.
int add_table(database& db, const table_spec& spec);
// Appends a row of zeros and empty texts to table t.
db_overall_data& add_row(database& db, int t);

} // namespace qira
