// Fuzz target: load, save, load again, save again. Whatever the loaders accept must come back
// from the writers' canonical form as the same model (every part within the counts, offsets
// included, since the first save recomputes them), and a second save must give the same bytes
// as the first. The same holds for the language file; and writing back the localized names a
// database took from a language table must leave that table as it was. Finally the model is
// edited (longer and shorter texts, values wider than their fields) and must read back as
// edited, every value cut to its field's width.
//
// The input is tried three ways: whole as a database file, whole as a language file, and split
// into a language file and a database file (a 32-bit length, then that many bytes of the
// language file, then the database file), which loads the database with the language table.
//
// Setting QIRA_FUZZ_TOLERATE=cut-fields in the environment stops the round trip from failing on
// a field that starts inside the packed area of its rows and ends beyond it: the field's value
// and the words of the packed area from that field's word on are then not held to the round
// trip (everything else still is). Without it such a field must come back as it was loaded, and
// an edited one as the low bits of its value that lie inside the area.

#include "fuzz_check.h"

#include <algorithm>
#include <cstdlib>

namespace {

using namespace qira;
using namespace qira::fuzz;

const std::string db_name = "qira.db";
const std::string lang_name = "eng.db";

bool tolerate_cut_fields() {
    static const bool tolerate = [] {
        const char* v = std::getenv("QIRA_FUZZ_TOLERATE");
        return v != nullptr && std::string_view(v).find("cut-fields") != std::string_view::npos;
    }();
    return tolerate;
}

std::string first_difference(const std::vector<std::uint8_t>& a,
                             const std::vector<std::uint8_t>& b) {
    const auto n = std::min(a.size(), b.size());
    std::size_t i = 0;
    while (i < n && a[i] == b[i])
        ++i;
    return "sizes " + str(static_cast<std::int64_t>(a.size())) + " and " +
           str(static_cast<std::int64_t>(b.size())) + ", first difference at byte " +
           str(static_cast<std::int64_t>(i));
}

bool has_cut_field(const database& db) {
    for (int t = 0; t < db.table_count(); ++t)
        if (db.overall[t].row_count > 0 && layout_of(db, t).cut_field)
            return true;
    return false;
}

// Two saves of the same model: byte for byte the same, except (when tolerated) inside the
// packed area of the rows of tables with a cut field, from the cut field's word on.
void expect_same_bytes(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b,
                       const database& db, bool tolerate) {
    if (a == b)
        return;
    FUZZ_CHECK(tolerate, "the second save differs from the first: " + first_difference(a, b));
    FUZZ_CHECK(a.size() == b.size(), first_difference(a, b));
    std::vector<bool> may_differ(a.size(), false);
    for (int t = 0; t < db.table_count(); ++t) {
        const packed_layout layout = layout_of(db, t);
        if (!layout.cut_field)
            continue;
        const std::uint64_t w = static_cast<std::uint64_t>(db.overall[t].words_per_row);
        const std::uint64_t from = static_cast<std::uint64_t>(db.tables[t].whole_word_count()) +
                                   layout.starts[*layout.cut_field] / 32;
        const std::uint64_t block = static_cast<std::uint32_t>(db.block_offsets[t]);
        for (std::uint64_t r = 0; r < static_cast<std::uint64_t>(db.overall[t].row_count); ++r)
            for (std::uint64_t i = block + 8 + 4 * (r * w + from); i < block + 8 + 4 * (r + 1) * w;
                 ++i)
                may_differ[i] = true;
    }
    for (std::size_t i = 0; i < a.size(); ++i)
        FUZZ_CHECK(a[i] == b[i] || may_differ[i],
                   "the second save differs from the first at byte " +
                       str(static_cast<std::int64_t>(i)) + ", outside the words of a cut field");
}

// Texts get longer or shorter, extras and values change, and values are made wider than their
// fields; the edited model must read back as edited, each value cut to the bits its field has
// in the row.
void check_edited(database model, const string_table* lang, std::uint8_t salt) {
    std::size_t budget = 4096; // rows edited, to keep large inputs quick
    for (int t = 0; t < model.table_count(); ++t) {
        for (auto& row : model.rows(t)) {
            if (budget == 0)
                break;
            --budget;
            for (int k = 0; k < model.tables[t].string_ref_count; ++k) {
                std::string& s = row.strings[k];
                if ((salt + k) % 3 == 0 && !s.empty())
                    s.pop_back();
                else
                    s.append(static_cast<std::size_t>(1 + (salt + k) % 5), static_cast<char>(salt));
            }
            for (int i = 0; i < model.tables[t].extra_count; ++i)
                row.extras[i] ^= static_cast<std::int32_t>(salt) << 8;
            for (auto& v : row.values)
                v = ~v ^ salt;
        }
    }
    (void)serialize_database(model);
    database expected = model;
    for (int t = 0; t < expected.table_count(); ++t) {
        const packed_layout layout = layout_of(expected, t);
        for (auto& row : expected.rows(t)) {
            for (std::size_t j = 0; j < row.values.size(); ++j) {
                // A field keeps the low bits that its room in the row holds: all its width, the
                // part before the area's end for a field cut by it, none past the end.
                const std::uint64_t room =
                    layout.starts[j] >= layout.area_bits
                        ? 0
                        : std::min<std::uint64_t>(static_cast<std::uint64_t>(layout.widths[j]),
                                                  layout.area_bits - layout.starts[j]);
                if (room < 32)
                    row.values[j] &= (std::uint32_t{1} << room) - 1;
            }
        }
    }
    const auto saved = serialize_database(model);
    database loaded;
    const result r = parse_database(saved, db_name, lang, loaded);
    FUZZ_CHECK(r, "the edited model's file was refused: " + r.message());
    expect_same_database(expected, loaded, {.skip_cut_fields = tolerate_cut_fields()});
}

// Load, save, load, save; true when the bytes were accepted as a database.
bool roundtrip_database(std::span<const std::uint8_t> bytes, const string_table* lang,
                        std::uint8_t salt) {
    database first;
    if (!parse_database(bytes, db_name, lang, first))
        return false;
    const bool tolerate = tolerate_cut_fields() && has_cut_field(first);
    const auto saved = serialize_database(first);
    database second;
    const result r = parse_database(saved, db_name, lang, second);
    FUZZ_CHECK(r, "the saved file was refused: " + r.message());
    expect_same_database(first, second, {.skip_cut_fields = tolerate});
    const auto again = serialize_database(second);
    expect_same_bytes(saved, again, second, tolerate);

    if (lang != nullptr) {
        // Every name came from the table, under the key it is written back to.
        string_table copy = *lang;
        names_to_string_table(second, copy);
        expect_same_language(*lang, copy);
    }
    check_edited(std::move(second), lang, salt);
    return true;
}

// Load, save, load, save for the language file; the loaded table when accepted.
std::optional<string_table> roundtrip_language(std::span<const std::uint8_t> bytes) {
    string_table first;
    if (!parse_language_file(bytes, lang_name, first))
        return std::nullopt;
    const string_table loaded = first;
    const auto saved = serialize_language_file(first);
    string_table second;
    const result r = parse_language_file(saved, lang_name, second);
    FUZZ_CHECK(r, "the saved language file was refused: " + r.message());
    expect_same_language(first, second);
    const auto again = serialize_language_file(second);
    FUZZ_CHECK(again == saved,
               "the second save of the language file differs: " + first_difference(saved, again));
    return loaded;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const std::uint8_t salt = size > 0 ? data[size - 1] : 0;
    roundtrip_database(bytes, nullptr, salt);
    (void)roundtrip_language(bytes);
    if (const auto parts = split(bytes)) {
        const auto lang = roundtrip_language(parts->language);
        roundtrip_database(parts->database, lang ? &*lang : nullptr, salt);
    }
    return 0;
}
