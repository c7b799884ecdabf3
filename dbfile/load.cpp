// Loading the game database file: header, directory, table headers, raw blocks and names, then
// every table decoded. Every count, offset and size is checked against the file before use.

#include "bits.h"
#include "database.h"
#include "fileio/bytes.h"
#include "langfile/stored_string.h"

#include <algorithm>
#include <utility>

namespace qira {

std::vector<int> progress_shares(const std::vector<std::int64_t>& row_counts) {
    std::int64_t total = 0;
    for (auto c : row_counts)
        total += c;
    std::vector<int> shares(row_counts.size(), 0);
    if (total <= 0)
        return shares;
    for (std::size_t t = 0; t < row_counts.size(); ++t) {
        const std::int64_t num = row_counts[t] * 100;
        std::int64_t q = num / total;
        const std::int64_t twice_rem = (num % total) * 2;
        if (twice_rem > total || (twice_rem == total && q % 2 == 1))
            ++q;
        shares[t] = static_cast<int>(q);
    }
    return shares;
}

namespace {

std::string num(std::uint64_t v) {
    return std::to_string(v);
}

struct parser {
    std::span<const std::uint8_t> bytes;
    const std::string& file_name;
    result error;

    // Refuses the file: what is wrong, and the table and offset it is about where known.
    bool damaged(wording what, std::optional<int> table = {},
                 std::optional<std::uint64_t> offset = {}) {
        error =
            result::failure(result::code::damaged,
                            {.file = file_name, .table = table, .offset = offset}, std::move(what));
        return false;
    }
    wording file_size() const {
        return {QIRA_TR("qira::problem", "%1 bytes"), {num(bytes.size())}};
    }

    bool read_header(database& db, std::uint32_t& count);
    bool read_table_headers(database& db, byte_reader& in);
    bool read_blocks(database& db);
    bool read_names(database& db);
};

bool parser::read_header(database& db, std::uint32_t& count) {
    if (bytes.size() < 12)
        return damaged(
            {QIRA_TR("qira::problem", "the file (%1) is too short for its header"), {file_size()}});
    db.header_word0 = static_cast<std::int32_t>(load_u32(bytes.data()));
    db.header_word1 = static_cast<std::int32_t>(load_u32(bytes.data() + 4));
    count = load_u32(bytes.data() + 8);
    if (count == 0 || count > static_cast<std::uint32_t>(max_tables))
        return damaged(
            {QIRA_TR("qira::problem", "it says it holds %1 tables; a database file holds 1 to %2"),
             {num(count), num(max_tables)}},
            {}, 8);
    return true;
}

bool parser::read_table_headers(database& db, byte_reader& in) {
    const int n = db.table_count();
    for (int t = 0; t < n; ++t) {
        db_table& table = db.tables[t];
        const std::size_t at = in.position();
        table.name_offset = in.i32();
        table.opaque_word = in.i32();
        table.key_count = in.i32();
        table.extra_count = in.i32();
        table.string_ref_count = in.i32();
        table.packed_count = in.i32();
        if (!in.ok())
            return damaged({QIRA_TR("qira::problem", "the header of table %1 (offset %2) runs "
                                                     "past the end of the file (%3)"),
                            {num(t), num(at), file_size()}},
                           t, at);
        // Keys, extras and texts: at most four each.
        const auto counts = kind_counts(table);
        for (std::size_t k = 0; k < 3; ++k)
            if (counts[k] < 0 || counts[k] > max_fields_of_kind)
                //: %3 is the kind of field (key, extra, text)
                return damaged(
                    {QIRA_TR("qira::problem", "table %1 has %2 %3 fields; a table has 0 to %4"),
                     {num(t), std::to_string(counts[k]),
                      std::string(kind_label(field_kinds[k], label_style::header)),
                      num(max_fields_of_kind)}},
                    t, at);
        if (table.packed_count < 0 || table.packed_count > max_fields ||
            table.field_count() > max_fields)
            return damaged(
                {QIRA_TR("qira::problem", "table %1 has %2 whole-word and %3 %4 "
                                          "fields; a table has at most %5 fields"),
                 {num(t), std::to_string(table.whole_word_count()),
                  std::to_string(table.packed_count),
                  std::string(kind_label(row_part::value, label_style::header)), num(max_fields)}},
                t, at);
        const int s = table.whole_word_count();
        const int d = table.packed_count;
        const std::uint64_t rest = 8ull * d + 4ull * (s + d);
        if (!in.can_read(rest))
            return damaged({QIRA_TR("qira::problem",
                                    "the field descriptors of table %1 (offset %2, %3 bytes) run "
                                    "past the end of the file (%4)"),
                            {num(t), num(in.position()), num(rest), file_size()}},
                           t, in.position());
        table.fields.assign(static_cast<std::size_t>(s + d), db_field{});
        for (int j = 0; j < d; ++j) {
            table.fields[s + j].descriptor_a = in.i32();
            table.fields[s + j].descriptor_b = in.i32();
        }
        for (auto& f : table.fields)
            f.name_offset = in.i32();
    }
    return true;
}

bool parser::read_blocks(database& db) {
    const int n = db.table_count();
    for (int t = 0; t < n; ++t) {
        const std::int64_t offset = static_cast<std::uint32_t>(db.block_offsets[t]);
        const std::int64_t size =
            static_cast<std::int64_t>(static_cast<std::uint32_t>(db.block_offsets[t + 1])) - offset;
        const std::vector<wording> where{num(t), num(offset), std::to_string(size)};
        if (size < 8 && t + 1 < n)
            return damaged({QIRA_TR("qira::problem",
                                    "table %1's block (offset %2, %3 bytes) ends before the next "
                                    "table's block begins; a block holds at least its 8-byte head"),
                            where},
                           t, offset);
        if (size < 8)
            return damaged({QIRA_TR("qira::problem",
                                    "table %1's block (offset %2, %3 bytes) ends before the names "
                                    "region begins; a block holds at least its 8-byte head"),
                            where},
                           t, offset);
        if (!range_fits(static_cast<std::uint64_t>(offset), static_cast<std::uint64_t>(size),
                        bytes.size()))
            return damaged({QIRA_TR("qira::problem", "table %1's block (offset %2, %3 bytes) runs "
                                                     "past the end of the file (%4)"),
                            {num(t), num(offset), std::to_string(size), file_size()}},
                           t, offset);

        // read_raw_block: the two head words, then the rows; W follows from the block size, and
        // for a table without rows (whose block is its head alone) from its fields.
        raw_block& block = db.blocks[t];
        const std::uint8_t* p = bytes.data() + offset;
        const std::uint32_t row_count = load_u32(p);
        block.byte_size = size;
        block.block_word = static_cast<std::int32_t>(load_u32(p + 4));
        if (row_count > static_cast<std::uint32_t>(max_rows))
            return damaged(
                {QIRA_TR("qira::problem", "table %1 has %2 rows; a table holds at most %3"),
                 {num(t), num(row_count), num(max_rows)}},
                t, offset);
        block.row_count = static_cast<std::int32_t>(row_count);
        const std::uint64_t w = row_count > 0
                                    ? (static_cast<std::uint64_t>(size) - 8) / row_count / 4
                                    : static_cast<std::uint64_t>(words_for_fields(db.tables[t], t));
        if (w * row_count > max_row_words)
            return damaged({QIRA_TR("qira::problem", "table %1 has %2 rows of %3 words; a table "
                                                     "holds at most %4 row words"),
                            {num(t), num(row_count), num(w), num(max_row_words)}},
                           t, offset);
        block.words_per_row = static_cast<std::int32_t>(w);
        const int s = db.tables[t].whole_word_count();
        if (row_count > 0 && w < static_cast<std::uint64_t>(s))
            return damaged({QIRA_TR("qira::problem",
                                    "table %1's rows have %2 words, fewer than its %3 whole-word "
                                    "fields"),
                            {num(t), num(w), num(s)}},
                           t, offset);
        const std::size_t words = static_cast<std::size_t>(w * row_count);
        block.words.clear();
        block.words.reserve(words);
        for (std::size_t i = 0; i < words; ++i)
            block.words.push_back(load_u32(p + 8 + 4 * i));
    }
    return true;
}

bool parser::read_names(database& db) {
    const int n = db.table_count();
    for (int t = 0; t < n; ++t) {
        db_table& table = db.tables[t];
        auto name = read_string_at(bytes, static_cast<std::uint32_t>(table.name_offset));
        if (!name)
            return damaged(
                {QIRA_TR("qira::problem", "the name of table %1 (offset %2) runs past "
                                          "the end of the file (%3)"),
                 {num(t), num(static_cast<std::uint32_t>(table.name_offset)), file_size()}},
                t, static_cast<std::uint32_t>(table.name_offset));
        table.name = std::move(*name);
        for (std::size_t f = 0; f < table.fields.size(); ++f) {
            const auto offset = static_cast<std::uint32_t>(table.fields[f].name_offset);
            auto field_name = read_string_at(bytes, offset);
            if (!field_name)
                return damaged({QIRA_TR("qira::problem", "the name of field %1 of table %2 "
                                                         "(offset %3) runs past the end of the "
                                                         "file (%4)"),
                                {num(f), num(t), num(offset), file_size()}},
                               t, offset);
            table.fields[f].name = std::move(*field_name);
        }
    }
    return true;
}

// Each name is read by its own key (the key it is saved under); an absent key gives an empty name.
void attach_table_names(const string_table& lang, int t, db_overall& o) {
    if (t >= name_config_tables || lang.names[t].base_key == 0)
        return;
    const name_config& config = lang.names[t];
    const auto count = static_cast<std::size_t>(std::clamp<int>(config.name_count, 0, 3));
    // The rows move to a new block of names before the old one goes.
    text_slots::pool storage;
    storage.reserve(count * o.rows.size());
    for (auto& row : o.rows) {
        row.names.share(storage, count);
        for (std::size_t k = 0; k < count; ++k)
            if (const std::string* text =
                    lang.text_of(config.key_of(row.keys[0], static_cast<int>(k))))
                row.names[k] = *text;
    }
    o.name_storage = std::move(storage);
}

// The first pass over table t's rows: their whole words and texts (which need the file).
result decode_texts(std::span<const std::uint8_t> file, const std::string& file_name, database& db,
                    int t) {
    const db_table& table = db.tables[t];
    const raw_block& block = db.blocks[t];
    db_overall& o = db.overall[t];
    o.block_word = block.block_word;
    o.row_count = block.row_count;
    o.words_per_row = block.words_per_row;
    const int ca = table.key_count, cb = table.extra_count, cc = table.string_ref_count;
    o.rows.clear(); // before the storage their texts may share
    o.text_storage.reserve(static_cast<std::size_t>(cc) *
                           static_cast<std::size_t>(block.row_count));
    const auto count = static_cast<std::size_t>(block.row_count);
    o.rows.reserve(count);

    const auto w = static_cast<std::size_t>(block.words_per_row);
    // Each row is made where it is filled: one pass over the rows' memory, not a pass of
    // default rows and then another.
    for (std::size_t r = 0; r < count; ++r) {
        db_overall_data& row = o.rows.emplace_back();
        const std::uint32_t* words = block.words.data() + r * w;
        for (int i = 0; i < ca; ++i)
            row.keys[i] = static_cast<std::int32_t>(words[i]);
        for (int i = 0; i < cb; ++i)
            row.extras[i] = static_cast<std::int32_t>(words[ca + i]);
        row.strings.share(o.text_storage, static_cast<std::size_t>(cc));
        for (int i = 0; i < cc; ++i) {
            const std::uint32_t offset = words[ca + cb + i];
            row.string_refs[i] = static_cast<std::int32_t>(offset);
            if (!read_string_into(file, offset, row.strings[i]))
                return result::failure(
                    result::code::damaged,
                    {.file = file_name,
                     .table = t,
                     .row = static_cast<std::int64_t>(r),
                     .offset = offset},
                    {QIRA_TR("qira::problem", "text %1 of row %2 in table %3 (offset %4) runs "
                                              "past the end of the file (%5 bytes)"),
                     {num(i), num(r), num(t), num(offset), num(file.size())}});
        }
    }
    return result::success();
}

// The second pass: the bit-packed values, from the raw block alone.
void decode_values(database& db, int t) {
    const db_table& table = db.tables[t];
    const raw_block& block = db.blocks[t];
    db_overall& o = db.overall[t];
    const int s = table.whole_word_count();
    const int d = table.packed_count;
    const auto w = static_cast<std::size_t>(block.words_per_row);
    const std::size_t packed =
        w > static_cast<std::size_t>(s) ? w - static_cast<std::size_t>(s) : 0;

    std::vector<int> widths(static_cast<std::size_t>(d));
    for (int j = 0; j < d; ++j)
        widths[j] = field_width(table.fields[s + j], t);
    std::vector<std::uint32_t> stream(packed + 1);
    o.value_storage.reserve(static_cast<std::size_t>(d) * o.rows.size());
    for (std::size_t r = 0; r < o.rows.size(); ++r) {
        db_overall_data& row = o.rows[r];
        const std::uint32_t* words = block.words.data() + r * w;
        for (std::size_t i = 0; i < packed; ++i)
            stream[i] = stream_word(words[s + i]);
        row.values.share(o.value_storage, static_cast<std::size_t>(d));
        std::uint64_t pos = 0;
        for (int j = 0; j < d; ++j) {
            row.values[j] = read_bits(stream.data(), packed, pos, widths[j]);
            pos += static_cast<std::uint64_t>(widths[j]);
        }
    }
}

// The bit-packed values and localized names of every table, with the progress per table.
void finish_tables(const string_table* lang, database& db, const progress_fn& progress) {
    std::vector<std::int64_t> row_counts;
    for (const auto& b : db.blocks)
        row_counts.push_back(b.row_count);
    const auto shares = progress_shares(row_counts);
    for (int t = 0; t < db.table_count(); ++t) {
        decode_values(db, t);
        if (lang != nullptr)
            attach_table_names(*lang, t, db.overall[t]);
        if (progress)
            progress(t, shares[t]);
    }
}

} // namespace

result decode_table(std::span<const std::uint8_t> file, const std::string& file_name,
                    const string_table* lang, database& db, int t) {
    if (auto r = decode_texts(file, file_name, db, t); !r)
        return r;
    decode_values(db, t);
    if (lang != nullptr)
        attach_table_names(*lang, t, db.overall[t]);
    return result::success();
}

void attach_names(const string_table& lang, database& db) {
    for (int t = 0; t < db.table_count(); ++t)
        attach_table_names(lang, t, db.overall[t]);
}

namespace {

// Everything of the file but the bit-packed values: header, directory, descriptors, raw blocks,
// names, and the rows' whole words and texts. After it the file's bytes are no longer needed.
result parse_structure(std::span<const std::uint8_t> bytes, const std::string& file_name,
                       database& db) {
    parser p{bytes, file_name, {}};
    std::uint32_t count = 0;
    if (!p.read_header(db, count))
        return p.error;
    const std::uint64_t directory = 12 + 4ull * count;
    if (bytes.size() < directory)
        return result::failure(result::code::damaged, {.file = file_name, .offset = 12},
                               {QIRA_TR("qira::problem", "its directory of %1 blocks runs past "
                                                         "the end of the file (%2)"),
                                {num(count), p.file_size()}});
    db.tables.resize(count);
    db.blocks.resize(count);
    db.overall.resize(count);
    db.block_offsets.resize(count + 1);
    for (std::uint32_t t = 0; t < count; ++t)
        db.block_offsets[t] = static_cast<std::int32_t>(load_u32(bytes.data() + 12 + 4 * t));

    byte_reader in(bytes);
    in.skip(static_cast<std::size_t>(directory));
    if (!p.read_table_headers(db, in))
        return p.error;
    // The last block ends where the names region begins, at table 0's name.
    db.block_offsets[count] = db.tables[0].name_offset;
    if (!p.read_blocks(db) || !p.read_names(db))
        return p.error;

    for (int t = 0; t < db.table_count(); ++t)
        if (auto r = decode_texts(bytes, file_name, db, t); !r)
            return r;
    return result::success();
}

} // namespace

result parse_database(std::span<const std::uint8_t> bytes, const std::string& file_name,
                      const string_table* lang, database& out, const progress_fn& progress) {
    database db;
    if (auto r = parse_structure(bytes, file_name, db); !r)
        return r;
    finish_tables(lang, db, progress);
    out = std::move(db);
    return result::success();
}

result load_database(const std::filesystem::path& path, const string_table* lang, database& out,
                     const progress_fn& progress) {
    file_bytes bytes;
    if (auto r = read_whole_file(path, bytes); !r)
        return r;
    database db;
    if (auto r = parse_structure(bytes, display_name(path), db); !r)
        return r;
    // The values come from the raw blocks: the file's bytes can go first.
    file_bytes().swap(bytes);
    finish_tables(lang, db, progress);
    out = std::move(db);
    return result::success();
}

} // namespace qira
