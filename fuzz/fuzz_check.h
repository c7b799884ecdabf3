#pragma once
// What the fuzz targets share: a check that aborts (so that libFuzzer, or the corpus replay,
// reports the input), comparisons of whole models part by part, and an independent reading of
// the bytes of both files to hold the loaders' results against.

#include "dbfile/database.h"
#include "fileio/bytes.h"
#include "langfile/string_table.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace qira::fuzz {

[[noreturn]] inline void fail(const char* file, int line, const char* condition,
                              const std::string& detail) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    if (!detail.empty())
        std::fprintf(stderr, "    %s\n", detail.c_str());
    std::fflush(stderr);
    std::abort();
}

// FUZZ_CHECK(condition, detail): `detail` (a std::string expression) is built only on failure.
#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::qira::fuzz::fail(__FILE__, __LINE__, #condition, (detail));                          \
    } while (0)

inline std::string str(std::int64_t v) {
    return std::to_string(v);
}

inline std::string where(int t, std::size_t r = static_cast<std::size_t>(-1)) {
    std::string s = "table " + std::to_string(t);
    if (r != static_cast<std::size_t>(-1))
        s += " row " + std::to_string(r);
    return s;
}

// ---- the game database file, read a second time by hand ----

// Width of a bit-packed field, written out again from the rule rather than taken from the
// library: the bit length of descriptor_b, +1 for descriptor_a -1, -1 for descriptor_a 100000,
// -1 more in table 8 for descriptor_b 64 or 4; a negative result counts as 0.
inline int reference_width(std::int32_t descriptor_a, std::int32_t descriptor_b, int t) {
    const auto b = static_cast<std::uint32_t>(descriptor_b);
    int w = 0;
    for (std::uint32_t v = b; v != 0; v >>= 1)
        ++w;
    if (descriptor_a == -1)
        ++w;
    if (descriptor_a == 100000)
        --w;
    if (t == 8 && (b == 64 || b == 4))
        --w;
    return w < 0 ? 0 : w;
}

// Where the bit-packed fields of a table stand in a row's bit stream.
struct packed_layout {
    std::vector<int> widths;
    std::vector<std::uint64_t> starts;
    std::uint64_t area_bits = 0; // 32 * (W - S)
    // The first field that starts inside the packed area and ends beyond it, if any.
    std::optional<std::size_t> cut_field;

    bool fits(std::size_t j) const { return starts[j] + widths[j] <= area_bits; }
};

inline packed_layout layout_of(const database& db, int t) {
    packed_layout l;
    const db_table& table = db.tables[t];
    const int s = table.whole_word_count();
    const std::int64_t w = db.overall[t].words_per_row;
    l.area_bits = w > s ? 32 * static_cast<std::uint64_t>(w - s) : 0;
    std::uint64_t pos = 0;
    for (int j = 0; j < table.packed_count; ++j) {
        const db_field& f = table.fields[static_cast<std::size_t>(s + j)];
        const int width = reference_width(f.descriptor_a, f.descriptor_b, t);
        l.widths.push_back(width);
        l.starts.push_back(pos);
        if (!l.cut_field && width > 0 && pos < l.area_bits && pos + width > l.area_bits)
            l.cut_field = static_cast<std::size_t>(j);
        pos += static_cast<std::uint64_t>(width);
    }
    return l;
}

// Bit `i` of a bit stream that starts at `area` (bytes in file order, each from bit 7 down).
inline unsigned stream_bit(const std::uint8_t* area, std::uint64_t i) {
    return (area[i / 8] >> (7 - i % 8)) & 1u;
}

// The value of a field read from the file's bytes: the field's bits that lie inside the area,
// as an unsigned number, low 32 bits.
inline std::uint32_t reference_value(const std::uint8_t* area, std::uint64_t area_bits,
                                     std::uint64_t start, int width) {
    std::uint64_t v = 0;
    for (std::uint64_t i = start; i < start + static_cast<std::uint64_t>(width) && i < area_bits;
         ++i)
        v = v << 1 | stream_bit(area, i);
    return static_cast<std::uint32_t>(v);
}

// The stored string at `offset` of `bytes`, read by hand; nothing when it does not fit.
inline std::optional<std::string_view> stored_text(std::span<const std::uint8_t> bytes,
                                                   std::uint64_t offset) {
    if (offset > bytes.size() || bytes.size() - offset < 4)
        return std::nullopt;
    const std::uint64_t length = load_u32(bytes.data() + offset);
    if (bytes.size() - offset - 4 < length)
        return std::nullopt;
    return std::string_view(reinterpret_cast<const char*>(bytes.data() + offset + 4),
                            static_cast<std::size_t>(length));
}

// ---- comparing models ----

struct compare_options {
    // Tables with a field cut by the end of the packed area: the cut field's value is not
    // compared (fields wholly inside the area are).
    bool skip_cut_fields = false;
};

// Every part of two database models that lies within the tables' counts, offsets included.
inline void expect_same_database(const database& a, const database& b,
                                 const compare_options& options = {}) {
    FUZZ_CHECK(a.header_word0 == b.header_word0, "");
    FUZZ_CHECK(a.header_word1 == b.header_word1, "");
    FUZZ_CHECK(a.table_count() == b.table_count(),
               str(a.table_count()) + " vs " + str(b.table_count()));
    FUZZ_CHECK(a.block_offsets == b.block_offsets, "block offsets differ");
    for (int t = 0; t < a.table_count(); ++t) {
        const db_table& ta = a.tables[t];
        const db_table& tb = b.tables[t];
        FUZZ_CHECK(ta.name == tb.name, where(t));
        FUZZ_CHECK(ta.name_offset == tb.name_offset, where(t));
        FUZZ_CHECK(ta.opaque_word == tb.opaque_word, where(t));
        FUZZ_CHECK(ta.key_count == tb.key_count, where(t));
        FUZZ_CHECK(ta.extra_count == tb.extra_count, where(t));
        FUZZ_CHECK(ta.string_ref_count == tb.string_ref_count, where(t));
        FUZZ_CHECK(ta.packed_count == tb.packed_count, where(t));
        FUZZ_CHECK(ta.fields.size() == tb.fields.size(), where(t));
        const int s = ta.whole_word_count();
        for (std::size_t f = 0; f < ta.fields.size(); ++f) {
            FUZZ_CHECK(ta.fields[f].name == tb.fields[f].name, where(t) + " field " + str(f));
            FUZZ_CHECK(ta.fields[f].name_offset == tb.fields[f].name_offset,
                       where(t) + " field " + str(f));
            if (static_cast<int>(f) >= s) {
                FUZZ_CHECK(ta.fields[f].descriptor_a == tb.fields[f].descriptor_a,
                           where(t) + " field " + str(f));
                FUZZ_CHECK(ta.fields[f].descriptor_b == tb.fields[f].descriptor_b,
                           where(t) + " field " + str(f));
            }
        }
        const db_overall& oa = a.overall[t];
        const db_overall& ob = b.overall[t];
        FUZZ_CHECK(oa.block_word == ob.block_word, where(t));
        FUZZ_CHECK(oa.row_count == ob.row_count, where(t));
        if (oa.row_count > 0)
            FUZZ_CHECK(oa.words_per_row == ob.words_per_row, where(t));
        const auto ra = a.rows(t);
        const auto rb = b.rows(t);
        FUZZ_CHECK(ra.size() == rb.size(), where(t));
        FUZZ_CHECK(ra.size() == static_cast<std::size_t>(oa.row_count), where(t));
        const packed_layout layout = layout_of(a, t);
        for (std::size_t r = 0; r < ra.size(); ++r) {
            for (int i = 0; i < ta.key_count; ++i)
                FUZZ_CHECK(ra[r].keys[i] == rb[r].keys[i], where(t, r) + " key " + str(i));
            for (int i = 0; i < ta.extra_count; ++i)
                FUZZ_CHECK(ra[r].extras[i] == rb[r].extras[i], where(t, r) + " extra " + str(i));
            for (int i = 0; i < ta.string_ref_count; ++i) {
                FUZZ_CHECK(ra[r].string_refs[i] == rb[r].string_refs[i],
                           where(t, r) + " text offset " + str(i));
                FUZZ_CHECK(ra[r].strings[i] == rb[r].strings[i], where(t, r) + " text " + str(i));
            }
            for (int k = 0; k < 4; ++k)
                FUZZ_CHECK(ra[r].names[k] == rb[r].names[k], where(t, r) + " name " + str(k));
            FUZZ_CHECK(ra[r].values.size() == rb[r].values.size(), where(t, r));
            FUZZ_CHECK(ra[r].values.size() == static_cast<std::size_t>(ta.packed_count),
                       where(t, r));
            for (std::size_t j = 0; j < ra[r].values.size(); ++j) {
                if (options.skip_cut_fields && layout.cut_field == j)
                    continue;
                FUZZ_CHECK(ra[r].values[j] == rb[r].values[j],
                           where(t, r) + " value " + str(j) + ": " + str(ra[r].values[j]) + " vs " +
                               str(rb[r].values[j]) + " (width " + str(layout.widths[j]) +
                               ", bit " + str(layout.starts[j]) + " of " + str(layout.area_bits) +
                               ")");
            }
        }
    }
}

inline void expect_same_language(const string_table& a, const string_table& b) {
    FUZZ_CHECK(a.header == b.header, "headers differ");
    FUZZ_CHECK(a.word_after_count == b.word_after_count, "");
    FUZZ_CHECK(a.block == b.block, "blocks differ");
    FUZZ_CHECK(a.string_count() == b.string_count(),
               str(static_cast<std::int64_t>(a.string_count())) + " vs " +
                   str(static_cast<std::int64_t>(b.string_count())));
    for (std::size_t i = 0; i < a.string_count(); ++i) {
        const auto& ea = a.entry(i);
        const auto& eb = b.entry(i);
        FUZZ_CHECK(ea.key == eb.key, "entry " + str(static_cast<std::int64_t>(i)));
        FUZZ_CHECK(ea.offset == eb.offset, "entry " + str(static_cast<std::int64_t>(i)));
        FUZZ_CHECK(ea.text == eb.text, "entry " + str(static_cast<std::int64_t>(i)));
    }
    for (int t = 0; t < name_config_tables; ++t) {
        FUZZ_CHECK(a.names[t].base_key == b.names[t].base_key, where(t));
        FUZZ_CHECK(a.names[t].name_count == b.names[t].name_count, where(t));
        FUZZ_CHECK(a.names[t].key_offsets == b.names[t].key_offsets, where(t));
    }
}

// The index of the first entry with `key`, found by a plain scan.
inline std::optional<std::size_t> first_entry(const string_table& lang, std::int32_t key) {
    for (std::size_t i = 0; i < lang.string_count(); ++i)
        if (lang.entry(i).key == key)
            return i;
    return std::nullopt;
}

// ---- splitting one input into a language file and a database file ----

// Input of the round-trip target: a 32-bit length L, then L bytes of a language file, then the
// database file. Nothing when the first word is not such a length.
struct split_input {
    std::span<const std::uint8_t> language;
    std::span<const std::uint8_t> database;
};

inline std::optional<split_input> split(std::span<const std::uint8_t> data) {
    if (data.size() < 4)
        return std::nullopt;
    const std::uint64_t length = load_u32(data.data());
    if (length > data.size() - 4)
        return std::nullopt;
    return split_input{data.subspan(4, static_cast<std::size_t>(length)),
                       data.subspan(4 + static_cast<std::size_t>(length))};
}

inline std::vector<std::uint8_t> join(std::span<const std::uint8_t> language,
                                      std::span<const std::uint8_t> database) {
    std::vector<std::uint8_t> out(4);
    store_u32(out.data(), static_cast<std::uint32_t>(language.size()));
    out.insert(out.end(), language.begin(), language.end());
    out.insert(out.end(), database.begin(), database.end());
    return out;
}

} // namespace qira::fuzz
