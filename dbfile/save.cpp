// Saving the game database file in its canonical form: every offset recomputed, every row packed
// back, and the file written through a safe replace as it is laid out.

#include "bits.h"
#include "database.h"
#include "fileio/bytes.h"
#include "langfile/stored_string.h"

#include <algorithm>
#include <optional>

namespace qira {

namespace {

std::uint64_t header_size(const db_table& t) {
    return 24 + 12ull * static_cast<std::uint64_t>(t.packed_count) +
           4ull * static_cast<std::uint64_t>(t.whole_word_count());
}

std::size_t rows_of(const database& db, int t) {
    return std::min(static_cast<std::size_t>(std::max(db.overall[t].row_count, 0)),
                    db.overall[t].rows.size());
}

std::uint64_t words_per_row(const database& db, int t) {
    return static_cast<std::uint64_t>(std::max(db.overall[t].words_per_row, 0));
}

// Where everything goes in the canonical layout. Planned without touching the model, so that a
// save that fails leaves the open database exactly as it was.
struct layout_plan {
    std::vector<std::int32_t> block_offsets; // one per table, then the end marker
    std::vector<std::int32_t> name_offsets;  // per table: its name, then its fields' names
    std::vector<std::uint64_t> first_text;   // per table: the offset of its first row text
    std::uint64_t size = 0;
};

layout_plan plan_layout(const database& db) {
    layout_plan plan;
    const int n = db.table_count();
    std::uint64_t running = 12 + 4ull * static_cast<std::uint64_t>(n);
    for (const auto& t : db.tables)
        running += header_size(t);
    plan.block_offsets.resize(static_cast<std::size_t>(n) + 1);
    for (int t = 0; t < n; ++t) {
        plan.block_offsets[t] = static_cast<std::int32_t>(running);
        running += 8 + 4 * rows_of(db, t) * words_per_row(db, t);
    }
    for (const auto& table : db.tables) {
        plan.name_offsets.push_back(static_cast<std::int32_t>(running));
        running += stored_size(table.name.size());
        for (const auto& f : table.fields) {
            plan.name_offsets.push_back(static_cast<std::int32_t>(running));
            running += stored_size(f.name.size());
        }
    }
    if (n > 0)
        plan.block_offsets[n] = plan.name_offsets.front();
    plan.first_text.resize(static_cast<std::size_t>(n));
    for (int t = 0; t < n; ++t) {
        plan.first_text[t] = running;
        const int cc = std::clamp(db.tables[t].string_ref_count, 0, 4);
        const std::size_t count = rows_of(db, t);
        for (std::size_t r = 0; r < count; ++r)
            for (int k = 0; k < cc; ++k)
                running += stored_size(db.overall[t].rows[r].strings[k].size());
    }
    plan.size = running;
    return plan;
}

// Puts the planned offsets into the model (its row texts' references included).
void apply_plan(database& db, const layout_plan& plan) {
    db.block_offsets = plan.block_offsets;
    std::size_t next = 0;
    for (auto& table : db.tables) {
        table.name_offset = plan.name_offsets[next++];
        for (auto& f : table.fields)
            f.name_offset = plan.name_offsets[next++];
    }
    for (int t = 0; t < db.table_count(); ++t) {
        std::uint64_t running = plan.first_text[t];
        const int cc = std::clamp(db.tables[t].string_ref_count, 0, 4);
        const std::size_t count = rows_of(db, t);
        for (std::size_t r = 0; r < count; ++r) {
            auto& row = db.overall[t].rows[r];
            for (int k = 0; k < cc; ++k) {
                row.string_refs[k] = static_cast<std::int32_t>(running);
                running += stored_size(row.strings[k].size());
            }
        }
    }
}

// What keeps the model from being saved as the file `at` names so that it loads again: a
// capacity exceeded or a table whose rows are narrower than their whole words (write_failed).
result check_capacity(const database& db, place at) {
    const auto refuse = [&at](std::optional<int> t, wording why) {
        at.table = t;
        return result::failure(result::code::write_failed, at, std::move(why));
    };
    const int n = db.table_count();
    if (n == 0 || n > max_tables)
        return refuse({},
                      {QIRA_TR("qira::problem", "it has %1 tables; a database file holds 1 to %2"),
                       {std::to_string(n), std::to_string(max_tables)}});
    for (int t = 0; t < n; ++t) {
        const db_table& table = db.tables[t];
        const std::string name = std::to_string(t);
        for (int c : {table.key_count, table.extra_count, table.string_ref_count})
            if (c < 0 || c > max_fields_of_kind)
                return refuse(t,
                              {QIRA_TR("qira::problem", "table %1 has %2 fields of one "
                                                        "whole-word kind; at most %3 are allowed"),
                               {name, std::to_string(c), std::to_string(max_fields_of_kind)}});
        if (table.packed_count < 0 || table.packed_count > max_fields ||
            table.field_count() > max_fields ||
            table.fields.size() != static_cast<std::size_t>(table.field_count()))
            return refuse(t, {QIRA_TR("qira::problem",
                                      "table %1 has %2 field descriptors for %3 fields (at most "
                                      "%4)"),
                              {name, std::to_string(table.fields.size()),
                               std::to_string(table.field_count()), std::to_string(max_fields)}});
        const std::size_t rows = rows_of(db, t);
        const std::uint64_t w = words_per_row(db, t);
        if (rows > static_cast<std::size_t>(max_rows))
            return refuse(
                t, {QIRA_TR("qira::problem", "table %1 has %2 rows; a table holds at most %3"),
                    {name, std::to_string(rows), std::to_string(max_rows)}});
        if (rows * w > max_row_words)
            return refuse(
                t, {QIRA_TR("qira::problem", "table %1 has %2 row words; a table holds at most %3"),
                    {name, std::to_string(rows * w), std::to_string(max_row_words)}});
        if (rows > 0 && w < static_cast<std::uint64_t>(table.whole_word_count()))
            return refuse(t, {QIRA_TR("qira::problem",
                                      "table %1's rows have %2 words, fewer than its %3 whole-word "
                                      "fields"),
                              {name, std::to_string(w), std::to_string(table.whole_word_count())}});
    }
    return result::success();
}

} // namespace

void layout_offsets(database& db) {
    apply_plan(db, plan_layout(db));
}

namespace {

// Packs rows `first` to `first + count` of table t over `words_out` (their stored words, W a
// row: words that no field covers keep what they hold). `text_ref(row, k)` gives the reference
// of a row's k-th text.
template <typename TextRef>
void encode_rows(const database& db, int t, std::size_t first, std::size_t count,
                 std::uint32_t* words_out, TextRef&& text_ref) {
    const db_table& table = db.tables[t];
    const db_overall& o = db.overall[t];
    const auto w = static_cast<std::size_t>(words_per_row(db, t));

    const int ca = std::clamp(table.key_count, 0, 4);
    const int cb = std::clamp(table.extra_count, 0, 4);
    const int cc = std::clamp(table.string_ref_count, 0, 4);
    const std::size_t s = static_cast<std::size_t>(ca + cb + cc);
    const int d = std::max(table.packed_count, 0);
    std::vector<int> widths(static_cast<std::size_t>(d));
    for (int j = 0;
         j < d && static_cast<std::size_t>(table.whole_word_count() + j) < table.fields.size(); ++j)
        widths[j] =
            field_width(table.fields[static_cast<std::size_t>(table.whole_word_count() + j)], t);

    std::vector<std::uint32_t> stream;
    for (std::size_t n = 0; n < count; ++n) {
        const db_overall_data& row = o.rows[first + n];
        std::uint32_t* words = words_out + n * w;
        std::uint32_t whole[12];
        std::size_t k = 0;
        for (int i = 0; i < ca; ++i)
            whole[k++] = static_cast<std::uint32_t>(row.keys[i]);
        for (int i = 0; i < cb; ++i)
            whole[k++] = static_cast<std::uint32_t>(row.extras[i]);
        for (int i = 0; i < cc; ++i)
            whole[k++] = static_cast<std::uint32_t>(text_ref(row, i));
        std::copy_n(whole, std::min(s, w), words);
        if (w <= s)
            continue;

        stream.clear();
        bit_writer bits(stream);
        const std::size_t values = std::min(static_cast<std::size_t>(d), row.values.size());
        // Only the bits that fit the packed area are stored. A field cut by the area's end is
        // read back as the number its remaining bits make, so it stores the low bits of its
        // value there: a loaded row is written back as it was.
        const std::uint64_t area = 32 * static_cast<std::uint64_t>(w - s);
        std::uint64_t pos = 0;
        for (std::size_t j = 0; j < values && pos < area; ++j) {
            const auto width = static_cast<std::uint64_t>(widths[j]);
            const int stored = static_cast<int>(std::min(width, area - pos));
            const std::uint32_t value = stored >= 32 || width <= static_cast<std::uint64_t>(stored)
                                            ? row.values[j]
                                            : row.values[j] & ((std::uint32_t{1} << stored) - 1);
            bits.put(value, stored);
            pos += width;
        }
        bits.finish();
        // Only the bits the fields cover are written. The bits after the last field (the rest
        // of its word, and the words after it) keep what they held: the game's rows carry data
        // there that the editor does not decode, and a new row holds zeros.
        const std::uint64_t covered = std::min(pos, area);
        const std::size_t whole_groups = static_cast<std::size_t>(covered / 32);
        for (std::size_t g = 0; g < whole_groups; ++g)
            words[s + g] = stream_word(stream[g]);
        if (const auto tail = static_cast<unsigned>(covered % 32); tail != 0) {
            const std::uint32_t ours = ~std::uint32_t{0} << (32 - tail);
            const std::uint32_t kept = stream_word(words[s + whole_groups]) & ~ours;
            words[s + whole_groups] = stream_word((stream[whole_groups] & ours) | kept);
        }
    }
}

} // namespace

std::vector<std::uint32_t> undecoded_mask(const database& db, int t) {
    const db_table& table = db.tables[static_cast<std::size_t>(t)];
    const auto w = static_cast<std::size_t>(std::max(db.overall[t].words_per_row, 0));
    const auto s = static_cast<std::size_t>(std::clamp(table.key_count, 0, 4) +
                                            std::clamp(table.extra_count, 0, 4) +
                                            std::clamp(table.string_ref_count, 0, 4));
    if (w <= s)
        return {};
    std::uint64_t bits = 0;
    for (std::size_t f = static_cast<std::size_t>(std::max(table.whole_word_count(), 0));
         f < table.fields.size(); ++f)
        bits += static_cast<std::uint64_t>(field_width(table.fields[f], t));
    const std::uint64_t covered = std::min<std::uint64_t>(bits, 32 * (w - s));
    std::vector<std::uint32_t> mask(w - s, 0);
    for (std::size_t g = static_cast<std::size_t>(covered / 32); g < mask.size(); ++g) {
        const auto used = g == covered / 32 ? static_cast<unsigned>(covered % 32) : 0u;
        mask[g] = stream_word(used == 0 ? ~std::uint32_t{0} : ~std::uint32_t{0} >> used);
    }
    return mask;
}

std::vector<std::uint32_t> undecoded_words(const database& db, int t, std::size_t r) {
    const std::vector<std::uint32_t> mask = undecoded_mask(db, t);
    const auto w = static_cast<std::size_t>(std::max(db.overall[t].words_per_row, 0));
    const auto& words = db.blocks[static_cast<std::size_t>(t)].words;
    if (mask.empty() || (r + 1) * w > words.size())
        return {};
    std::vector<std::uint32_t> out(mask.size());
    bool any = false;
    const std::size_t first = r * w + (w - mask.size());
    for (std::size_t g = 0; g < mask.size(); ++g) {
        out[g] = words[first + g] & mask[g];
        any = any || out[g] != 0;
    }
    return any ? out : std::vector<std::uint32_t>{};
}

void encode_table(database& db, int t) {
    const db_overall& o = db.overall[t];
    raw_block& block = db.blocks[t];
    block.block_word = o.block_word;
    block.row_count = o.row_count;
    block.words_per_row = o.words_per_row;
    const std::size_t count = rows_of(db, t);
    // Rows the file did not have start from zero words.
    block.words.resize(count * static_cast<std::size_t>(words_per_row(db, t)), 0);
    encode_rows(db, t, 0, count, block.words.data(),
                [](const db_overall_data& row, int k) { return row.string_refs[k]; });
}

namespace {

// Writes the file as planned, packing each table's rows as it comes to them; the model is not
// changed.
void emit(const database& db, const layout_plan& plan, byte_writer& out) {
    const int n = db.table_count();
    out.i32(db.header_word0);
    out.i32(db.header_word1);
    out.u32(static_cast<std::uint32_t>(n));
    for (int t = 0; t < n; ++t)
        out.i32(plan.block_offsets[t]);
    std::size_t name = 0;
    for (const auto& table : db.tables) {
        out.i32(plan.name_offsets[name++]);
        out.i32(table.opaque_word);
        out.i32(table.key_count);
        out.i32(table.extra_count);
        out.i32(table.string_ref_count);
        out.i32(table.packed_count);
        const auto s = static_cast<std::size_t>(table.whole_word_count());
        for (std::size_t f = s; f < table.fields.size(); ++f) {
            out.i32(table.fields[f].descriptor_a);
            out.i32(table.fields[f].descriptor_b);
        }
        for (std::size_t f = 0; f < table.fields.size(); ++f)
            out.i32(plan.name_offsets[name++]);
    }
    // Each table's rows packed a batch at a time over a copy of their stored words.
    constexpr std::size_t batch = 1024;
    std::vector<std::uint32_t> words;
    for (int t = 0; t < n; ++t) {
        const db_overall& o = db.overall[t];
        out.i32(o.row_count);
        out.i32(o.block_word);
        const std::size_t count = rows_of(db, t);
        const auto w = static_cast<std::size_t>(words_per_row(db, t));
        const std::vector<std::uint32_t>& stored = db.blocks[t].words;
        std::uint64_t running = plan.first_text[t];
        const auto text_ref = [&running](const db_overall_data& row, int k) {
            const auto ref = static_cast<std::int32_t>(running);
            running += stored_size(row.strings[k].size());
            return ref;
        };
        for (std::size_t first = 0; first < count; first += batch) {
            const std::size_t rows = std::min(batch, count - first);
            words.assign(rows * w, 0);
            const std::size_t from = std::min(first * w, stored.size());
            const std::size_t have = std::min(rows * w, stored.size() - from);
            std::copy_n(stored.begin() + static_cast<std::ptrdiff_t>(from), have, words.begin());
            encode_rows(db, t, first, rows, words.data(), text_ref);
            for (std::uint32_t word : words)
                out.u32(word);
        }
    }
    for (const auto& table : db.tables) {
        write_string_padded(out, table.name);
        for (const auto& f : table.fields)
            write_string_padded(out, f.name);
    }
    for (int t = 0; t < n; ++t) {
        const int cc = std::clamp(db.tables[t].string_ref_count, 0, 4);
        const std::size_t count = rows_of(db, t);
        for (std::size_t r = 0; r < count; ++r)
            for (int k = 0; k < cc; ++k)
                write_string_padded(out, db.overall[t].rows[r].strings[k]);
    }
}

} // namespace

std::vector<std::uint8_t> serialize_database(database& db) {
    const layout_plan plan = plan_layout(db);
    apply_plan(db, plan);
    for (int t = 0; t < db.table_count(); ++t)
        encode_table(db, t);
    return written_bytes(plan.size, [&](byte_writer& out) { emit(db, plan, out); });
}

result plan_database_save(const std::filesystem::path& path, const database& db,
                          file_replacement& out) {
    const place at{.file = path.string()};
    if (auto r = check_capacity(db, at); !r)
        return r;
    // The format's offsets are 32-bit words.
    layout_plan plan = plan_layout(db);
    if (plan.size > 0x7FFFFFFFull)
        return result::failure(result::code::write_failed, at,
                               QIRA_TR("qira::problem", "the file would exceed 2 GiB"));
    out.target = path;
    out.produce = written_content(
        [&db, plan = std::move(plan)](byte_writer& writer) { emit(db, plan, writer); });
    return result::success();
}

result save_database(const std::filesystem::path& path, const database& db, file_ops& ops) {
    file_replacement file;
    if (auto r = plan_database_save(path, db, file); !r)
        return r;
    return replace_files(std::span(&file, 1), ops).outcome();
}

void for_each_name(const database& db, const string_table& lang,
                   const std::function<void(std::int32_t key, const std::string& name)>& fn) {
    for (int t = 0; t < db.table_count() && t < name_config_tables; ++t) {
        const name_config& config = lang.names[t];
        if (config.base_key == 0)
            continue;
        const int count = std::min<int>(config.name_count, 3);
        for (const auto& row : db.rows(t))
            for (int k = 0; k < count; ++k) {
                const std::int32_t key = config.key_of(row.keys[0], k);
                // A cleared name empties its entry; it makes none.
                if (!row.names[k].empty() || lang.find_string(key))
                    fn(key, row.names[k]);
            }
    }
}

void names_to_overlay(const database& db, text_overlay& texts) {
    std::vector<std::pair<std::int32_t, const std::string*>> names;
    for_each_name(db, texts.table(), [&names](std::int32_t key, const std::string& name) {
        names.emplace_back(key, &name);
    });
    for (const auto& [key, name] : names)
        texts.set_string(key, *name);
}

void names_to_string_table(const database& db, string_table& lang) {
    // Which keys the table holds is decided before any name goes in: a name appended here does
    // not let a cleared name of a later row with the same id in.
    std::vector<std::pair<std::int32_t, const std::string*>> names;
    for_each_name(db, lang, [&names](std::int32_t key, const std::string& name) {
        names.emplace_back(key, &name);
    });
    for (const auto& [key, name] : names)
        lang.set_string(key, *name);
}

} // namespace qira
