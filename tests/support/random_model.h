#pragma once
// Random database models for round-trip tests: random table shapes, field widths (0 to 33 bits,
// the narrow rule of table 8 included), spare packed words, texts with non-ASCII and invalid
// UTF-8 bytes, and stored words whose bits no field covers hold random data. Values are kept
// within their field widths so that a saved model reads back equal.

#include "dbfile/bits.h"
#include "dbfile/build.h"

#include <random>
#include <string>

namespace qira::test {

inline std::string random_text(std::mt19937& rng) {
    static const char* const pieces[] = {"Ann",
                                         "M\xc3\xbcller",
                                         "\xc5\x81ukasz",
                                         "S\xc3\xb8rensen",
                                         "x",
                                         "",
                                         "N\xc3\xba\xc3\xb1\x65z",
                                         "\xff\xfe",
                                         "abcd",
                                         "Stadium of Light"};
    std::string s;
    const int parts = static_cast<int>(rng() % 4);
    for (int i = 0; i < parts; ++i)
        s += pieces[rng() % std::size(pieces)];
    if (rng() % 50 == 0)
        s.assign(256 + rng() % 100, 'L'); // longer than 255 bytes
    return s;
}

inline database random_database(std::mt19937& rng, int max_rows = 6) {
    database db;
    db.header_word0 = static_cast<std::int32_t>(rng());
    db.header_word1 = static_cast<std::int32_t>(rng());
    const int tables = 1 + static_cast<int>(rng() % 15);
    for (int t = 0; t < tables; ++t) {
        table_spec spec;
        spec.name = "table" + std::to_string(t) + random_text(rng);
        spec.opaque_word = static_cast<std::int32_t>(rng());
        spec.block_word = static_cast<std::int32_t>(rng());
        for (int i = 0, n = static_cast<int>(rng() % 5); i < n; ++i)
            spec.keys.push_back("k" + std::to_string(i));
        for (int i = 0, n = static_cast<int>(rng() % 3); i < n; ++i)
            spec.extras.push_back("e" + std::to_string(i));
        for (int i = 0, n = static_cast<int>(rng() % 5); i < n; ++i)
            spec.strings.push_back("s" + std::to_string(i));
        const std::int32_t a_choices[] = {0, 0, 0, -1, 100000, 5};
        const std::int32_t b_choices[] = {0, 1, 4, 63, 64, 100, 255, 1000, -1, 0x7FFFFFFF};
        for (int i = 0, n = static_cast<int>(rng() % 12); i < n; ++i)
            spec.packed.push_back({"v" + std::to_string(i), a_choices[rng() % std::size(a_choices)],
                                   b_choices[rng() % std::size(b_choices)]});
        const int ti = add_table(db, spec);
        // Sometimes spare packed words after the fields.
        if (rng() % 3 == 0)
            db.overall[ti].words_per_row += static_cast<int>(rng() % 3);
        const int rows = static_cast<int>(rng() % (max_rows + 1));
        for (int r = 0; r < rows; ++r) {
            auto& row = add_row(db, ti);
            for (std::size_t i = 0; i < spec.keys.size(); ++i)
                row.keys[i] = static_cast<std::int32_t>(rng() % 1000);
            for (std::size_t i = 0; i < spec.extras.size(); ++i)
                row.extras[i] = static_cast<std::int32_t>(rng());
            for (std::size_t i = 0; i < spec.strings.size(); ++i)
                row.strings[i] = random_text(rng);
            for (std::size_t j = 0; j < row.values.size(); ++j) {
                const int w =
                    field_width(db.tables[ti].fields[db.tables[ti].whole_word_count() + j], ti);
                const std::uint32_t mask = w >= 32 ? 0xFFFFFFFFu : (std::uint32_t{1} << w) - 1;
                row.values[j] = static_cast<std::uint32_t>(rng()) & mask;
            }
        }
        // The stored words carry data no field covers (the bits after the last field, spare
        // words), as the game's rows do; the packing writes the fields over them.
        auto& words = db.blocks[static_cast<std::size_t>(ti)].words;
        words.resize(static_cast<std::size_t>(rows) *
                     static_cast<std::size_t>(db.overall[ti].words_per_row));
        for (auto& word : words)
            word = static_cast<std::uint32_t>(rng());
    }
    return db;
}

} // namespace qira::test
