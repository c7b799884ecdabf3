// Writes the hand-made seed inputs of the fuzz targets into DIR/database, DIR/language and
// DIR/roundtrip: small files that each hold one edge of the two formats (the 124-byte one-table
// file, empty tables, table 8's narrow fields, 33-bit fields, texts out of order and shared,
// texts that are not valid UTF-8, gaps and junk the loader accepts, a language file of no
// entries, keys given twice, a game-like database with its language file), and a few damaged
// files that are refused. Every accepted seed is checked to load; every refused one to be
// refused. fuzz/make-corpus.sh runs this.

#include "dbfile/build.h"
#include "dbfile/database.h"
#include "dbfile/game_fields.h"
#include "fileio/bytes.h"
#include "langfile/string_table.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;
using namespace qira;

namespace {

using bytes_t = std::vector<std::uint8_t>;

[[noreturn]] void die(const std::string& what) {
    std::fprintf(stderr, "make_seeds: %s\n", what.c_str());
    std::exit(1);
}

void expect(bool ok, const std::string& what) {
    if (!ok)
        die(what);
}

fs::path out_dir;
int written = 0;

void put(const std::string& folder, const std::string& name, const bytes_t& bytes) {
    const fs::path p = out_dir / folder / name;
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    expect(static_cast<bool>(out), "cannot write " + p.string());
    ++written;
}

bool db_loads(const bytes_t& bytes, const string_table* lang = nullptr) {
    database db;
    return static_cast<bool>(parse_database(bytes, "qira.db", lang, db));
}

bool lang_loads(const bytes_t& bytes) {
    string_table t;
    return static_cast<bool>(parse_language_file(bytes, "eng.db", t));
}

void put_db(const std::string& name, const bytes_t& bytes) {
    expect(db_loads(bytes), name + " does not load");
    put("database", name, bytes);
}

void put_refused_db(const std::string& name, const bytes_t& bytes) {
    expect(!db_loads(bytes), name + " loads, though it should be refused");
    put("database", name, bytes);
}

void put_lang(const std::string& name, const bytes_t& bytes) {
    expect(lang_loads(bytes), name + " does not load");
    put("language", name, bytes);
}

void put_refused_lang(const std::string& name, const bytes_t& bytes) {
    expect(!lang_loads(bytes), name + " loads, though it should be refused");
    put("language", name, bytes);
}

// The round-trip target's input: a length, the language file, the database file.
void put_pair(const std::string& name, const bytes_t& lang, const bytes_t& db) {
    bytes_t out(4);
    store_u32(out.data(), static_cast<std::uint32_t>(lang.size()));
    out.insert(out.end(), lang.begin(), lang.end());
    out.insert(out.end(), db.begin(), db.end());
    put("roundtrip", name, out);
}

std::uint32_t word(const bytes_t& b, std::size_t at) {
    return load_u32(b.data() + at);
}

bytes_t patched(bytes_t b, std::size_t at, std::uint32_t v) {
    store_u32(b.data() + at, v);
    return b;
}

// ---- database files, built from models ----

// A saved model with the places in the file that hold offsets, so that bytes can be inserted
// or moved and the offsets fixed up.
struct db_file {
    bytes_t bytes;
    std::vector<std::size_t> slots; // positions of words that hold file offsets
    std::vector<std::size_t> text_slots;
};

db_file save(database db) {
    db_file f;
    f.bytes = serialize_database(db);
    const int n = db.table_count();
    for (int t = 0; t < n; ++t)
        f.slots.push_back(12 + 4 * static_cast<std::size_t>(t));
    std::size_t pos = 12 + 4 * static_cast<std::size_t>(n);
    for (const auto& table : db.tables) {
        f.slots.push_back(pos);
        const auto s = static_cast<std::size_t>(table.whole_word_count());
        const auto d = static_cast<std::size_t>(table.packed_count);
        for (std::size_t i = 0; i < s + d; ++i)
            f.slots.push_back(pos + 24 + 8 * d + 4 * i);
        pos += 24 + 8 * d + 4 * (s + d);
    }
    for (int t = 0; t < n; ++t) {
        const auto& table = db.tables[t];
        const auto w = static_cast<std::size_t>(db.overall[t].words_per_row);
        const auto block = static_cast<std::size_t>(db.block_offsets[t]);
        for (std::size_t r = 0; r < db.rows(t).size(); ++r)
            for (int k = 0; k < table.string_ref_count; ++k)
                f.text_slots.push_back(block + 8 +
                                       4 * (r * w + static_cast<std::size_t>(
                                                        table.key_count + table.extra_count + k)));
    }
    f.slots.insert(f.slots.end(), f.text_slots.begin(), f.text_slots.end());
    return f;
}

// Inserts bytes at `at`; every offset at or after it moves on.
db_file inserted(db_file f, std::size_t at, const bytes_t& junk) {
    const auto n = junk.size();
    std::vector<std::uint32_t> values;
    for (auto s : f.slots)
        values.push_back(word(f.bytes, s));
    f.bytes.insert(f.bytes.begin() + static_cast<std::ptrdiff_t>(at), junk.begin(), junk.end());
    const auto move = [&](std::size_t& s) {
        if (s >= at)
            s += n;
    };
    for (auto& s : f.text_slots)
        move(s);
    for (std::size_t i = 0; i < f.slots.size(); ++i) {
        move(f.slots[i]);
        store_u32(f.bytes.data() + f.slots[i],
                  values[i] >= at ? values[i] + static_cast<std::uint32_t>(n) : values[i]);
    }
    return f;
}

std::size_t names_start(const db_file& f) {
    return word(f.bytes, 12 + 4 * word(f.bytes, 8)); // table 0's name offset
}

// The rows' texts rewritten in reverse order, and every third text reference pointing at the
// first text instead of its own (whose bytes stay in the file, unreferenced).
bytes_t texts_reversed_and_shared(const db_file& f) {
    std::size_t start = f.bytes.size();
    for (auto s : f.text_slots)
        start = std::min<std::size_t>(start, word(f.bytes, s));
    bytes_t out(f.bytes.begin(), f.bytes.begin() + static_cast<std::ptrdiff_t>(start));
    std::vector<std::size_t> order(f.text_slots.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = order.size() - 1 - i;
    std::vector<std::uint32_t> new_offset(f.text_slots.size());
    for (auto i : order) {
        const std::size_t at = word(f.bytes, f.text_slots[i]);
        const std::size_t len = word(f.bytes, at);
        const std::size_t stored = 4 + len + 4 - len % 4;
        new_offset[i] = static_cast<std::uint32_t>(out.size());
        out.insert(out.end(), f.bytes.begin() + static_cast<std::ptrdiff_t>(at),
                   f.bytes.begin() + static_cast<std::ptrdiff_t>(at + stored));
    }
    for (std::size_t i = 0; i < f.text_slots.size(); ++i)
        store_u32(out.data() + f.text_slots[i], i % 3 == 2 ? new_offset[0] : new_offset[i]);
    return out;
}

bytes_t one_table_124() {
    database db;
    const int t = add_table(db, {"t", {"id"}, {}, {"name"}, {{"v", 0, 255}}});
    auto& row = add_row(db, t);
    row.keys[0] = 7;
    row.strings[0] = "x";
    row.values[0] = 171;
    auto bytes = serialize_database(db);
    expect(bytes.size() == 124, "the one-table file is " + std::to_string(bytes.size()) + " bytes");
    const std::vector<std::pair<std::size_t, std::uint32_t>> words = {
        {8, 1},  {12, 60},  {16, 80},  {24, 1},    {32, 1},   {36, 1},
        {40, 0}, {44, 255}, {48, 88},  {52, 96},   {56, 108}, {60, 1},
        {64, 0}, {68, 7},   {72, 116}, {76, 0xAB}, {80, 1},   {116, 1}};
    for (const auto& [at, v] : words)
        expect(word(bytes, at) == v, "the one-table file's word at " + std::to_string(at));
    return bytes;
}

database empty_tables() {
    database db;
    db.header_word0 = 0x12345678;
    db.header_word1 = -1;
    add_table(db, {"no rows", {"id"}, {"e"}, {"s"}, {{"v", 0, 7}}, 11, 22});
    add_table(db, {"", {}, {}, {}, {}});
    const int t2 = add_table(db, {"rows without words", {}, {}, {}, {}});
    for (int i = 0; i < 3; ++i)
        add_row(db, t2);
    const int t3 = add_table(db, {"only texts", {}, {}, {"a", "b", "c", "d"}, {}});
    add_row(db, t3);
    add_row(db, t3).strings = {"x", "", "yy", ""};
    const int t4 = add_table(db, {"only packed", {}, {}, {}, {{"p", 0, 1}, {"q", 0, 0}}});
    add_row(db, t4).values = {1, 0};
    return db;
}

// Tables 0 to 8; table 8 and table 3 have the same descriptors, table 8's narrower.
database table8_narrow() {
    database db;
    const std::vector<packed_field_spec> fields = {
        {"b64", 0, 64}, {"b4", 0, 4},      {"b63", 0, 63},
        {"b65", 0, 65}, {"b64m1", -1, 64}, {"b4big", 100000, 4},
        {"b3", 0, 3},   {"b5", 0, 5},      {"b64big", 100000, 64}};
    for (int t = 0; t <= 8; ++t) {
        const bool packed = t == 3 || t == 8;
        const int ti = add_table(db, {"table" + std::to_string(t),
                                      {"id"},
                                      {},
                                      {},
                                      packed ? fields : std::vector<packed_field_spec>{}});
        if (!packed)
            continue;
        for (int r = 0; r < 3; ++r) {
            auto& row = add_row(db, ti);
            row.keys[0] = r;
            for (auto& v : row.values)
                v = r == 0 ? 0xFFFFFFFFu : r == 1 ? 0x55555555u : 0;
        }
    }
    return db;
}

database wide_fields() {
    database db;
    const int t = add_table(db, {"wide",
                                 {"id"},
                                 {"x"},
                                 {},
                                 {{"w3", 0, 7},
                                  {"w33", -1, -1},
                                  {"w29", 0, 0x1FFFFFFF},
                                  {"w33b", -1, static_cast<std::int32_t>(0x80000000u)},
                                  {"w32", 0, -1},
                                  {"w1", 0, 1},
                                  {"w31", 100000, -1}}});
    const std::uint32_t patterns[] = {0xFFFFFFFFu, 0, 0x80000001u, 0x7FFFFFFFu, 0xDEADBEEFu};
    for (std::uint32_t p : patterns) {
        auto& row = add_row(db, t);
        row.keys[0] = static_cast<std::int32_t>(p);
        row.extras[0] = static_cast<std::int32_t>(~p);
        for (auto& v : row.values)
            v = p;
    }
    return db;
}

database texts_table(std::vector<std::vector<std::string>> rows) {
    database db;
    const int t = add_table(db, {"texts", {"id"}, {}, {"a", "b", "c"}, {{"v", 0, 255}}});
    for (std::size_t r = 0; r < rows.size(); ++r) {
        auto& row = add_row(db, t);
        row.keys[0] = static_cast<std::int32_t>(r);
        for (std::size_t k = 0; k < 3; ++k)
            row.strings[k] = rows[r][k];
        row.values[0] = static_cast<std::uint32_t>(r);
    }
    return db;
}

database odd_texts() {
    database db = texts_table({{"\xff\xfe", "\xc0\xaf", "\x80"},
                               {"\xed\xa0\x80", "\xf4\x90\x80\x80", "M\xc3\xbcller"},
                               {std::string(255, 'a'), std::string(256, 'b'), ""},
                               {std::string("a\0b", 3), "\xe2\x82", "\xc3\xa9t\xc3\xa9"},
                               {std::string(1000, 'L'), "abcd", "abcde"}});
    db.tables[0].name = "t\xe9xt";
    db.tables[0].fields[1].name = "\xff";
    return db;
}

// Rows with spare packed words after the fields' words: they hold whatever the file held.
db_file spare_words() {
    database db;
    const int t = add_table(db, {"spare", {"id"}, {}, {}, {{"a", 0, 7}, {"b", 0, 31}}, 0, 0, 4});
    for (int r = 0; r < 2; ++r)
        add_row(db, t).values = {5, 1};
    db_file f = save(db);
    const std::size_t block = word(f.bytes, 12);
    for (int r = 0; r < 2; ++r) {
        const std::size_t row = block + 8 + 16 * static_cast<std::size_t>(r);
        f.bytes[row + 7] = 0x5A; // bits after the last field in the fields' word
        store_u32(f.bytes.data() + row + 8, 0xDEADBEEF);
        store_u32(f.bytes.data() + row + 12, 0xCAFEF00D);
    }
    return f;
}

// A field that starts inside the packed area of its rows and ends beyond it, and one that lies
// wholly beyond it.
bytes_t cut_field() {
    database db;
    const int t = add_table(
        db,
        {"cut", {"id"}, {}, {}, {{"a", 0, 0xFFFFF}, {"b", 0, 0xFFFFF}, {"c", 0, 255}}, 0, 0, 2});
    auto& row = add_row(db, t);
    row.keys[0] = 1;
    row.values = {0xABCDE, 0xFFFFF, 0x12};
    return serialize_database(db);
}

// The smallest file with a field that needs more bits than its rows' packed area holds: one
// 33-bit field in a packed area of one word, all bits set. It loads as 0xFFFFFFFF (the 32 bits
// that are there), and a save stores those 32 bits again, so the file comes back unchanged.
// Kept as regress-cut-field-roundtrip: once a save wrote the field's 33 bits from the top.
bytes_t cut_33_in_one_word() {
    database db;
    const int t = add_table(db, {"t", {}, {}, {}, {{"v", -1, -1}}, 0, 0, 1});
    add_row(db, t).values = {0xFFFFFFFFu};
    auto bytes = serialize_database(db);
    expect(bytes.size() == 80 && word(bytes, 60) == 0xFFFFFFFFu, "the 33-bit cut-field file");
    store_u32(bytes.data() + 60, 0xFFFFFFFFu); // the packed area: bytes FF FF FF FF
    return bytes;
}

database max_counts() {
    database db;
    for (int t = 0; t < max_tables; ++t) {
        table_spec spec;
        spec.name = "t";
        spec.name += std::to_string(t);
        if (t == 5) {
            spec.keys = {"k0", "k1", "k2", "k3"};
            spec.extras = {"e0", "e1", "e2", "e3"};
            spec.strings = {"s0", "s1", "s2", "s3"};
            for (int j = 0; j < max_fields - 12; ++j) {
                std::string name = "p";
                name += std::to_string(j);
                spec.packed.push_back({std::move(name), j % 3 == 0 ? -1 : 0,
                                       static_cast<std::int32_t>((1u << (j % 32)) - 1)});
            }
        }
        const int ti = add_table(db, spec);
        if (t == 5) {
            for (int r = 0; r < 3; ++r) {
                auto& row = add_row(db, ti);
                row.keys = {r, -r, r * 1000, 0x7FFFFFFF};
                row.extras = {1, 2, 3, 4};
                row.strings = {"a", "bb", "ccc", "dddd"};
                for (std::size_t j = 0; j < row.values.size(); ++j)
                    row.values[j] = static_cast<std::uint32_t>(j * 2654435761u);
            }
        }
    }
    return db;
}

// ---- a game-like database and its language file ----

database game_like() {
    database db;
    db.header_word0 = 2004;
    db.header_word1 = 7;
    const auto packed = [](std::vector<std::string> names, std::int32_t b) {
        std::vector<packed_field_spec> out;
        for (auto& n : names)
            out.push_back({std::move(n), 0, b});
        return out;
    };
    std::vector<std::string> team_values;
    for (int j = 0; j < 20; ++j)
        team_values.push_back("tv" + std::to_string(j));
    std::vector<std::string> player_values(player_field::page.begin(), player_field::page.end());
    player_values.push_back("birthdate");
    const table_spec specs[15] = {
        {"nations", {"nationid"}, {}, {"nationname"}, packed({"continent"}, 7)},
        {"leagues", {"leagueid"}, {}, {"code", "leaguename"}, packed({"region", "level"}, 15)},
        {"leagueteamlinks", {"leagueid", "teamid"}, {}, {}, packed({"position"}, 31)},
        {"formations", {"formationid"}, {}, {"formationname"}, {}},
        {"players",
         {"playerid"},
         {},
         {"firstname", "commonname", "surname"},
         packed(player_values, 127)},
        {"referees", {"refereeid"}, {}, {"refname"}, {}},
        {"kits", {"kitid"}, {"kitextra"}, {}, packed({"color1", "color2"}, 255)},
        {"stadiums", {"stadiumid"}, {}, {"stadiumname"}, packed({"capacity"}, 0x1FFFF)},
        {"narrow", {"id"}, {}, {}, {{"n64", 0, 64}, {"n4", 0, 4}, {"n7", -1, 7}}},
        {"teamsettings",
         {"teamid"},
         {},
         {},
         packed({team_settings_field::captain, team_settings_field::penalty_taker}, 0xFFFF)},
        {"version", {}, {}, {"text"}, {}},
        {"teamplayerlinks", {"teamid", "playerid"}, {}, {}, packed({"jersey", "position"}, 127)},
        {"awards", {"awardid"}, {}, {}, {}},
        {"teams", {"teamid"}, {}, {"shortname", "teamname"}, packed(team_values, 1023)},
        {"last", {"id"}, {}, {}, {}}};
    for (const auto& spec : specs)
        add_table(db, spec);
    for (int l = 1; l <= 2; ++l) {
        auto& row = add_row(db, 1);
        row.keys[0] = l;
        row.strings = {"L" + std::to_string(l), "League " + std::to_string(l), "", ""};
        row.values = {static_cast<std::uint32_t>(l), static_cast<std::uint32_t>(l)};
    }
    for (int s = 1; s <= 3; ++s) {
        auto& row = add_row(db, 7);
        row.keys[0] = s;
        row.strings[0] = "Stadium " + std::to_string(s);
        row.values = {static_cast<std::uint32_t>(20000 * s)};
    }
    int player = 100;
    for (int team = 1; team <= 4; ++team) {
        auto& link = add_row(db, 2);
        link.keys = {1 + (team - 1) / 2, team, 0, 0};
        link.values = {static_cast<std::uint32_t>(team)};
        auto& t = add_row(db, 13);
        t.keys[0] = team;
        t.strings = {"T" + std::to_string(team), "Team " + std::to_string(team), "", ""};
        for (std::size_t j = 0; j < t.values.size(); ++j)
            t.values[j] = static_cast<std::uint32_t>((team * 37 + static_cast<int>(j)) % 1024);
        t.values[team_field::stadium] = static_cast<std::uint32_t>(1 + team % 3);
        auto& settings = add_row(db, 9);
        settings.keys[0] = team;
        settings.values = {static_cast<std::uint32_t>(player),
                           static_cast<std::uint32_t>(player + 1)};
        for (int p = 0; p < 4; ++p, ++player) {
            auto& pl = add_row(db, 4);
            pl.keys[0] = player;
            pl.strings = {"First" + std::to_string(player), p == 0 ? "" : "Nick",
                          "Sur\xc3\xb1" + std::to_string(player), ""};
            for (std::size_t j = 0; j < pl.values.size(); ++j)
                pl.values[j] =
                    static_cast<std::uint32_t>((player * 13 + static_cast<int>(j)) % 128);
            auto& tp = add_row(db, 11);
            tp.keys = {team, player, 0, 0};
            tp.values = {static_cast<std::uint32_t>(p + 1), static_cast<std::uint32_t>(p % 4)};
        }
    }
    for (int n = 0; n < 3; ++n) {
        auto& row = add_row(db, 0);
        row.keys[0] = n;
        row.strings[0] = "Nation " + std::to_string(n);
        row.values = {static_cast<std::uint32_t>(n)};
    }
    auto& narrow = add_row(db, 8);
    narrow.keys[0] = 1;
    narrow.values = {63, 3, 255};
    add_row(db, 10).strings[0] = "v1.0";
    const result parts = check_editor_parts(db);
    expect(parts.ok(), "the game-like database misses editor parts: " + parts.problem);
    return db;
}

// ---- language files, written by hand ----

struct lang_entry {
    std::int32_t key;
    std::string text;
};

struct lang_layout {
    std::uint32_t header_fill = 0x01010101; // the nine kept header words
    bool canonical_header = true;           // words 16, 40, 44 as the writer puts them
    bool reverse = false;                   // strings in reverse directory order
    std::size_t share_every = 0;            // every n-th entry points at entry 0's string
    std::size_t gap = 0;                    // junk bytes between strings
    std::size_t tail = 0;                   // junk bytes after the last string
    bool dirty_padding = false;             // padding bytes not zero
    std::int32_t count_override = -1;
};

bytes_t language_file(const std::vector<lang_entry>& entries, const lang_layout& l = {}) {
    const std::size_t n = entries.size();
    bytes_t out(92 + 8 * n, 0);
    for (std::size_t i = 0; i < 48; i += 4)
        store_u32(out.data() + i, l.header_fill + static_cast<std::uint32_t>(i));
    if (l.canonical_header) {
        store_u32(out.data() + 16, static_cast<std::uint32_t>(56 + 8 * n));
        store_u32(out.data() + 40, static_cast<std::uint32_t>(68 + 8 * n));
        store_u32(out.data() + 44, static_cast<std::uint32_t>(80 + 8 * n));
    }
    store_u32(out.data() + 48, l.count_override >= 0 ? static_cast<std::uint32_t>(l.count_override)
                                                     : static_cast<std::uint32_t>(n));
    store_u32(out.data() + 52, 0xA5A5A5A5u);
    for (std::size_t i = 0; i < 36; ++i)
        out[56 + 8 * n + i] = static_cast<std::uint8_t>(i * 7 + 1);
    std::vector<std::uint32_t> offsets(n);
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t i = l.reverse ? n - 1 - k : k;
        if (l.share_every != 0 && i != 0 && i % l.share_every == 0)
            continue;
        offsets[i] = static_cast<std::uint32_t>(out.size());
        const std::string& text = entries[i].text;
        out.resize(out.size() + 4);
        store_u32(out.data() + out.size() - 4, static_cast<std::uint32_t>(text.size()));
        out.insert(out.end(), text.begin(), text.end());
        out.resize(out.size() + 4 - text.size() % 4, l.dirty_padding ? 0xEE : 0);
        out.resize(out.size() + l.gap, 0x77);
    }
    if (l.share_every != 0)
        for (std::size_t i = l.share_every; i < n; i += l.share_every)
            offsets[i] = offsets[0];
    for (std::size_t i = 0; i < n; ++i) {
        store_u32(out.data() + 56 + 8 * i, static_cast<std::uint32_t>(entries[i].key));
        store_u32(out.data() + 60 + 8 * i, offsets[i]);
    }
    out.resize(out.size() + l.tail, 0x33);
    return out;
}

std::vector<lang_entry> game_like_names() {
    std::vector<lang_entry> e;
    e.push_back({1, "Play"});
    e.push_back({2, "Options"});
    const auto config = standard_name_config();
    for (int l = 1; l <= 2; ++l) {
        e.push_back({config[1].key_of(l, 0), "League Long " + std::to_string(l)});
        e.push_back({config[1].key_of(l, 1), "LL" + std::to_string(l)});
    }
    for (int s = 1; s <= 3; ++s)
        e.push_back({config[7].key_of(s, 0), "Arena " + std::to_string(s) + " \xc3\xa9"});
    for (int t = 1; t <= 4; ++t) {
        e.push_back({config[13].key_of(t, 0), "Full Team Name " + std::to_string(t)});
        e.push_back({config[13].key_of(t, 1), "TM" + std::to_string(t)});
        e.push_back({config[13].key_of(t, 2), "Team Ten " + std::to_string(t)});
    }
    e.push_back({99, ""});
    return e;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    out_dir = argv[1];
    for (const char* folder : {"database", "language", "roundtrip"})
        fs::create_directories(out_dir / folder);

    // -- game database files the loader accepts --
    const bytes_t small = one_table_124();
    put_db("one-table-124.db", small);
    put_db("empty-tables.db", save(empty_tables()).bytes);
    put_db("table8-narrow.db", save(table8_narrow()).bytes);
    put_db("wide-33bit.db", save(wide_fields()).bytes);
    const db_file texts = save(texts_table({{"first", "second", "third"},
                                            {"fourth", "", "sixth"},
                                            {"seventh", "eighth", "ninth"},
                                            {"tenth", "eleventh", "twelfth"}}));
    put_db("texts-reversed-shared.db", texts_reversed_and_shared(texts));
    put_db("texts-invalid-utf8.db", save(odd_texts()).bytes);
    put_db("spare-words.db", spare_words().bytes);
    put_db("cut-field.db", cut_field());
    put_db("max-counts.db", save(max_counts()).bytes);
    const database game = game_like();
    const db_file game_file = save(game);
    put_db("game-like.db", game_file.bytes);
    // Junk before the names region: the last table's rows grow by a word.
    const db_file wide_last = save(texts_table({{"a", "b", "c"}, {"d", "e", "f"}}));
    put_db("gap-before-names.db",
           inserted(wide_last, names_start(wide_last), bytes_t(8, 0x99)).bytes);
    // Junk between two blocks, not a multiple of the row size: the remainder is dropped.
    {
        const db_file f = save(empty_tables());
        const std::size_t block4 = word(f.bytes, 12 + 4 * 4);
        put_db("gap-between-blocks.db", inserted(f, block4, bytes_t(6, 0x42)).bytes);
    }
    // Junk between the names and the texts, and non-zero padding.
    {
        db_file f = save(odd_texts());
        std::size_t start = f.bytes.size();
        for (auto s : f.text_slots)
            start = std::min<std::size_t>(start, word(f.bytes, s));
        f = inserted(f, start, bytes_t(5, 0x11));
        f.bytes[word(f.bytes, f.text_slots[0]) + 4 + 2] = 0x66; // padding of text "\xff\xfe"
        put_db("junk-between-texts.db", f.bytes);
    }

    // -- game database files the loader refuses (each a patched one-table file) --
    put_refused_db("refused-short.db", bytes_t(small.begin(), small.begin() + 8));
    put_refused_db("refused-no-tables.db", patched(small, 8, 0));
    put_refused_db("refused-16-tables.db", patched(small, 8, 16));
    put_refused_db("refused-5-keys.db", patched(small, 24, 5));
    put_refused_db("refused-202-fields.db", patched(small, 36, 202));
    put_refused_db("refused-block-past-end.db", patched(small, 16, 4000));
    put_refused_db("refused-block-before-start.db", patched(small, 12, 120));
    put_refused_db("refused-too-many-rows.db", patched(small, 60, 11002));
    put_refused_db("refused-rows-narrower.db", patched(small, 60, 2));
    put_refused_db("refused-name-past-end.db", patched(small, 52, 200));
    put_refused_db("refused-text-past-end.db", patched(small, 72, 130));
    put_refused_db("refused-text-length.db", patched(small, 116, 9));
    put_refused_db("refused-cut-short.db", bytes_t(small.begin(), small.begin() + 100));

    // -- language files --
    const auto names = game_like_names();
    const bytes_t game_lang = language_file(names);
    put_lang("zero-entries.db", language_file({}));
    put_lang("game-like-eng.db", game_lang);
    std::vector<lang_entry> dup = names;
    dup.insert(dup.begin() + 3, {standard_name_config()[13].key_of(1, 0), "first of two"});
    dup.push_back({1, "second Play"});
    dup.push_back({1, "third Play"});
    const bytes_t dup_lang = language_file(dup);
    put_lang("duplicate-keys.db", dup_lang);
    lang_layout odd;
    odd.canonical_header = false;
    odd.reverse = true;
    odd.share_every = 4;
    odd.gap = 3;
    odd.tail = 9;
    odd.dirty_padding = true;
    const bytes_t odd_lang = language_file(names, odd);
    put_lang("out-of-order-shared.db", odd_lang);
    put_lang("invalid-utf8.db", language_file({{0, "\xff"},
                                               {-1, "\xc0\xaf"},
                                               {0x7FFFFFFF, std::string(300, 'x')},
                                               {30000010, std::string("a\0b", 3)},
                                               {30000011, ""},
                                               {30000012, "\xed\xa0\x80"}}));
    put_refused_lang("refused-short.db", bytes_t(91, 0));
    lang_layout too_many;
    too_many.count_override = static_cast<std::int32_t>(max_language_entries + 1);
    put_refused_lang("refused-count.db", language_file({{1, "a"}}, too_many));
    lang_layout past;
    past.count_override = 40;
    put_refused_lang("refused-directory-past-end.db", language_file({{1, "a"}}, past));
    put_refused_lang("refused-text-past-end.db", patched(game_lang, 60, 100000));
    put_refused_lang("refused-text-length.db", patched(game_lang, word(game_lang, 60), 0x7FFFFFFF));

    // -- round trips: a language file and a database file in one input --
    put_pair("game-like.pair", game_lang, game_file.bytes);
    put_pair("duplicate-keys.pair", dup_lang, game_file.bytes);
    put_pair("out-of-order.pair", odd_lang, texts_reversed_and_shared(game_file));
    put_pair("one-table.pair", language_file({}), small);
    put_pair("refused-language.pair", bytes_t(10, 0xFF), game_file.bytes);
    put("roundtrip", "wide-33bit.db", save(wide_fields()).bytes);
    const bytes_t cut33 = cut_33_in_one_word();
    expect(db_loads(cut33), "the 33-bit cut-field file does not load");
    put("roundtrip", "regress-cut-field-roundtrip.db", cut33);
    put("roundtrip", "spare-words.db", spare_words().bytes);

    std::printf("%d seeds written to %s\n", written, out_dir.string().c_str());
    return 0;
}
