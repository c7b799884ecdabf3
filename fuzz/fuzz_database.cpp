// Fuzz target: the game database loader on arbitrary bytes, without and with a language table.
// A refused file must leave the model untouched and name the file; an accepted one must hold
// exactly what the bytes say, read a second time here by hand: header, directory, table
// headers, names, raw blocks, every row's whole words and texts, and every bit-packed value
// (by an independent bit-by-bit reading of the packed area). The lookups that the editor's
// pages run on a loaded model are run as well.

#include "fuzz_check.h"

#include "dbfile/game_fields.h"

#include <algorithm>
#include <climits>
#include <map>

namespace {

using namespace qira;
using namespace qira::fuzz;

const std::string file_name = "qira.db";

// A language table that names the rows of leagues, stadiums and teams with small ids (and a few
// extreme ones), with a key given twice and texts that are not valid UTF-8.
const string_table& names_table() {
    static const string_table lang = [] {
        const auto config = standard_name_config();
        std::vector<Tstring_table> entries;
        entries.push_back({12345, 0, "not a name"});
        std::vector<std::int32_t> ids;
        for (std::int32_t id = -3; id < 64; ++id)
            ids.push_back(id);
        for (std::int32_t id : {INT_MIN, INT_MIN + 1, INT_MAX, 214748364, 429496729})
            ids.push_back(id);
        for (int t : {table_index::leagues, table_index::stadiums, table_index::teams})
            for (std::int32_t id : ids)
                for (int k = 0; k < config[t].name_count; ++k) {
                    std::string text = "n";
                    for (const int part : {t, static_cast<int>(id), k})
                        text.append(std::to_string(part)).append(".");
                    if (id % 7 == 0)
                        text.append("\xff\xc0");
                    entries.push_back({config[t].key_of(id, k), 0, std::move(text)});
                }
        // The first entry of a key is the one that counts.
        entries.push_back({config[table_index::teams].key_of(1, 0), 0, "second entry"});
        entries.push_back({config[table_index::leagues].key_of(2, 1), 0, std::string(300, 'L')});
        string_table t;
        t.assign(std::move(entries));
        t.names = config;
        return t;
    }();
    return lang;
}

database sentinel() {
    database db;
    db.header_word0 = 0x5EED;
    db.tables.resize(1);
    db.tables[0].name = "sentinel";
    return db;
}

bool untouched(const database& db) {
    return db.header_word0 == 0x5EED && db.tables.size() == 1 && db.tables[0].name == "sentinel" &&
           db.blocks.empty() && db.overall.empty();
}

std::uint32_t word_at(std::span<const std::uint8_t> bytes, std::uint64_t offset) {
    FUZZ_CHECK(offset <= bytes.size() && bytes.size() - offset >= 4,
               "the loader accepted a word at " + str(static_cast<std::int64_t>(offset)) +
                   " outside the file");
    return load_u32(bytes.data() + offset);
}

// `what` names the text; it is called only when the check fails.
template <class What>
void check_text(std::span<const std::uint8_t> bytes, std::uint32_t offset, const std::string& text,
                const What& what) {
    const auto stored = stored_text(bytes, offset);
    FUZZ_CHECK(stored.has_value(), what() + " was accepted though it lies outside the file");
    FUZZ_CHECK(*stored == text, what() + " differs from the stored bytes");
}

void check_headers(std::span<const std::uint8_t> bytes, const database& db) {
    const int n = db.table_count();
    FUZZ_CHECK(n >= 1 && n <= max_tables, str(n) + " tables");
    FUZZ_CHECK(static_cast<int>(word_at(bytes, 8)) == n, "");
    FUZZ_CHECK(db.header_word0 == static_cast<std::int32_t>(word_at(bytes, 0)), "");
    FUZZ_CHECK(db.header_word1 == static_cast<std::int32_t>(word_at(bytes, 4)), "");
    FUZZ_CHECK(db.blocks.size() == db.tables.size() && db.overall.size() == db.tables.size(), "");
    FUZZ_CHECK(db.block_offsets.size() == db.tables.size() + 1, "");
    for (int t = 0; t < n; ++t)
        FUZZ_CHECK(db.block_offsets[t] == static_cast<std::int32_t>(word_at(bytes, 12 + 4ull * t)),
                   where(t));
    FUZZ_CHECK(db.block_offsets[n] == db.tables[0].name_offset, "end marker");

    std::uint64_t pos = 12 + 4ull * static_cast<std::uint64_t>(n);
    const auto next = [&] {
        const auto v = static_cast<std::int32_t>(word_at(bytes, pos));
        pos += 4;
        return v;
    };
    for (int t = 0; t < n; ++t) {
        const db_table& table = db.tables[t];
        FUZZ_CHECK(table.name_offset == next(), where(t));
        FUZZ_CHECK(table.opaque_word == next(), where(t));
        FUZZ_CHECK(table.key_count == next(), where(t));
        FUZZ_CHECK(table.extra_count == next(), where(t));
        FUZZ_CHECK(table.string_ref_count == next(), where(t));
        FUZZ_CHECK(table.packed_count == next(), where(t));
        for (int c : {table.key_count, table.extra_count, table.string_ref_count})
            FUZZ_CHECK(c >= 0 && c <= max_fields_of_kind, where(t) + ": " + str(c));
        FUZZ_CHECK(table.packed_count >= 0 && table.field_count() <= max_fields, where(t));
        const int s = table.whole_word_count();
        FUZZ_CHECK(table.fields.size() == static_cast<std::size_t>(table.field_count()), where(t));
        for (int f = 0; f < s; ++f)
            FUZZ_CHECK(table.fields[f].descriptor_b == -1, where(t) + " field " + str(f));
        for (int j = 0; j < table.packed_count; ++j) {
            FUZZ_CHECK(table.fields[s + j].descriptor_a == next(), where(t));
            FUZZ_CHECK(table.fields[s + j].descriptor_b == next(), where(t));
        }
        for (const auto& f : table.fields)
            FUZZ_CHECK(f.name_offset == next(), where(t));
        check_text(bytes, static_cast<std::uint32_t>(table.name_offset), table.name,
                   [&] { return "the name of " + where(t); });
        for (std::size_t f = 0; f < table.fields.size(); ++f)
            check_text(bytes, static_cast<std::uint32_t>(table.fields[f].name_offset),
                       table.fields[f].name,
                       [&] { return "the name of field " + str(f) + " of " + where(t); });
    }
}

void check_table(std::span<const std::uint8_t> bytes, const database& db, int t,
                 const string_table* lang) {
    const db_table& table = db.tables[t];
    const raw_block& block = db.blocks[t];
    const db_overall& o = db.overall[t];
    const std::uint64_t offset = static_cast<std::uint32_t>(db.block_offsets[t]);
    const std::uint64_t end = static_cast<std::uint32_t>(db.block_offsets[t + 1]);
    FUZZ_CHECK(end >= offset + 8 && end <= bytes.size(),
               where(t) + ": a block from " + str(static_cast<std::int64_t>(offset)) + " to " +
                   str(static_cast<std::int64_t>(end)) + " was accepted");
    const std::uint64_t size = end - offset;
    const std::uint32_t rows = word_at(bytes, offset);
    FUZZ_CHECK(rows <= static_cast<std::uint32_t>(max_rows), where(t));
    FUZZ_CHECK(block.row_count == static_cast<std::int32_t>(rows), where(t));
    FUZZ_CHECK(block.block_word == static_cast<std::int32_t>(word_at(bytes, offset + 4)), where(t));
    FUZZ_CHECK(block.byte_size == static_cast<std::int64_t>(size), where(t));
    const std::uint64_t w = rows > 0 ? (size - 8) / rows / 4 : 0;
    const int s = table.whole_word_count();
    if (rows > 0) {
        FUZZ_CHECK(block.words_per_row == static_cast<std::int32_t>(w), where(t));
        FUZZ_CHECK(w >= static_cast<std::uint64_t>(s), where(t) + ": rows narrower than S");
        FUZZ_CHECK(w * rows <= max_row_words, where(t));
    } else {
        // A table without rows is read with the words its fields need.
        std::int64_t bits = 0;
        for (int j = 0; j < table.packed_count; ++j) {
            const db_field& f = table.fields[static_cast<std::size_t>(s + j)];
            bits += reference_width(f.descriptor_a, f.descriptor_b, t);
        }
        FUZZ_CHECK(block.words_per_row == s + (bits + 31) / 32, where(t) + ": without rows");
    }
    FUZZ_CHECK(block.words.size() == w * rows, where(t));
    for (std::size_t i = 0; i < block.words.size(); ++i)
        FUZZ_CHECK(block.words[i] == word_at(bytes, offset + 8 + 4 * i), where(t));

    FUZZ_CHECK(o.block_word == block.block_word && o.row_count == block.row_count, where(t));
    if (rows > 0)
        FUZZ_CHECK(o.words_per_row == block.words_per_row, where(t));
    const auto decoded = db.rows(t);
    FUZZ_CHECK(decoded.size() == rows && o.rows.size() == rows, where(t));

    const packed_layout layout = layout_of(db, t);
    // The bit-by-bit reading is slow; it covers the first rows of a table up to a budget of bits.
    const std::uint64_t bits_per_row = std::min<std::uint64_t>(
        layout.area_bits, layout.starts.empty() ? 0 : layout.starts.back() + layout.widths.back());
    const std::uint64_t checked_rows =
        bits_per_row == 0 ? rows : std::min<std::uint64_t>(rows, 1 + (1u << 15) / bits_per_row);

    const name_config* config = nullptr;
    if (lang != nullptr && t < name_config_tables && lang->names[t].base_key != 0)
        config = &lang->names[t];
    for (std::size_t r = 0; r < decoded.size(); ++r) {
        const db_overall_data& row = decoded[r];
        const std::uint64_t row_at = offset + 8 + 4 * (r * w);
        for (int i = 0; i < table.key_count; ++i)
            FUZZ_CHECK(row.keys[i] == static_cast<std::int32_t>(word_at(bytes, row_at + 4 * i)),
                       where(t, r));
        for (int i = 0; i < table.extra_count; ++i)
            FUZZ_CHECK(row.extras[i] == static_cast<std::int32_t>(
                                            word_at(bytes, row_at + 4 * (table.key_count + i))),
                       where(t, r));
        for (int i = 0; i < table.string_ref_count; ++i) {
            const std::uint32_t ref =
                word_at(bytes, row_at + 4 * (table.key_count + table.extra_count + i));
            FUZZ_CHECK(row.string_refs[i] == static_cast<std::int32_t>(ref), where(t, r));
            check_text(bytes, ref, row.strings[i],
                       [&] { return "text " + str(i) + " of " + where(t, r); });
        }
        FUZZ_CHECK(row.values.size() == static_cast<std::size_t>(table.packed_count), where(t, r));
        if (r < checked_rows) {
            const std::uint8_t* area = bytes.data() + row_at + 4 * static_cast<std::uint64_t>(s);
            for (std::size_t j = 0; j < row.values.size(); ++j)
                FUZZ_CHECK(row.values[j] == reference_value(area, layout.area_bits,
                                                            layout.starts[j], layout.widths[j]),
                           where(t, r) + " value " + str(static_cast<std::int64_t>(j)) + " = " +
                               str(row.values[j]) + " (width " + str(layout.widths[j]) + ", bit " +
                               str(static_cast<std::int64_t>(layout.starts[j])) + " of " +
                               str(static_cast<std::int64_t>(layout.area_bits)) + ")");
        }
        for (int k = 0; k < 4; ++k) {
            std::string expected;
            if (config != nullptr && k < std::min<int>(config->name_count, 3))
                if (const std::string* text = lang->text_of(config->key_of(row.keys[0], k)))
                    expected = *text;
            FUZZ_CHECK(row.names[k] == expected, where(t, r) + " name " + str(k));
        }
    }
}

// The lookups of the editor's pages, against plain scans.
void check_lookups(const database& db) {
    FUZZ_CHECK(!db.has_table(-1) && !db.has_table(db.table_count()), "");
    FUZZ_CHECK(!db.field_slot(-1, player_field::talent) &&
                   !db.field_slot(db.table_count(), player_field::talent),
               "");
    FUZZ_CHECK(db.find_row(-1, 0) == -1 && db.find_row(db.table_count(), 0) == -1, "");
    for (int t = 0; t < db.table_count(); ++t) {
        const db_table& table = db.tables[t];
        std::map<std::string, int> first_field;
        for (int f = 0; f < table.field_count(); ++f)
            first_field.try_emplace(table.fields[f].name, f);
        for (const auto& [name, f] : first_field) {
            const auto slot = db.field_slot(t, name);
            const int expected = f - table.whole_word_count();
            if (expected < 0)
                FUZZ_CHECK(!slot, where(t) + ": a whole-word field got a slot");
            else
                FUZZ_CHECK(slot && *slot == expected, where(t) + " field " + name);
        }
        if (!first_field.count(player_field::talent))
            FUZZ_CHECK(!db.field_slot(t, player_field::talent), where(t));
        // Keys of the first rows (their first row there is their first row anywhere), and keys
        // that no row has.
        const auto rows = db.rows(t);
        const std::size_t scanned = std::min<std::size_t>(rows.size(), 512);
        std::map<std::int32_t, int> first_row;
        for (std::size_t r = 0; r < scanned; ++r)
            first_row.try_emplace(rows[r].keys[0], static_cast<int>(r));
        int probes = 0;
        for (const auto& [key, r] : first_row) {
            FUZZ_CHECK(db.find_row(t, key) == r, where(t) + " key " + str(key));
            if (++probes == 16)
                break;
        }
        if (scanned == rows.size())
            for (std::int32_t key : {INT_MIN, -1, 0, 1, INT_MAX})
                if (!first_row.count(key))
                    FUZZ_CHECK(db.find_row(t, key) == -1, where(t) + " key " + str(key));
    }
    const result parts = check_editor_parts(db);
    if (parts) {
        for (int t : {1, 2, 4, 7, 9, 11, 13})
            FUZZ_CHECK(db.has_table(t), "no parts missing, yet " + where(t) + " is absent");
    } else {
        FUZZ_CHECK(parts.status == result::code::not_editable && !parts.problem.empty(), "");
    }
}

bool run(std::span<const std::uint8_t> bytes, const string_table* lang) {
    database db = sentinel();
    std::vector<int> shares;
    const auto progress = [&](int t, int share) {
        FUZZ_CHECK(t == static_cast<int>(shares.size()), "progress out of order");
        FUZZ_CHECK(share >= 0 && share <= 100, str(share));
        shares.push_back(share);
    };
    const result outcome = parse_database(bytes, file_name, lang, db, progress);
    if (!outcome) {
        FUZZ_CHECK(outcome.status == result::code::damaged, outcome.message());
        FUZZ_CHECK(outcome.message().rfind(file_name + " is damaged: ", 0) == 0, outcome.message());
        FUZZ_CHECK(untouched(db), "a refused file changed the model: " + outcome.message());
        return false;
    }
    FUZZ_CHECK(outcome.message().empty(), outcome.message());
    check_headers(bytes, db);
    FUZZ_CHECK(shares.size() == db.tables.size(), "progress not reported once per table");
    std::int64_t total_rows = 0;
    int total_share = 0;
    for (int t = 0; t < db.table_count(); ++t) {
        check_table(bytes, db, t, lang);
        total_rows += db.overall[t].row_count;
        total_share += shares[t];
    }
    if (total_rows == 0)
        FUZZ_CHECK(total_share == 0, str(total_share));
    else
        FUZZ_CHECK(2 * std::abs(total_share - 100) <= db.table_count(),
                   "shares add up to " + str(total_share));
    check_lookups(db);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const bool accepted = run(bytes, nullptr);
    // The language table supplies names only; it never decides whether a file is accepted.
    FUZZ_CHECK(run(bytes, &names_table()) == accepted, "");
    return 0;
}
