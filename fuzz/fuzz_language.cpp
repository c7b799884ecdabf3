// Fuzz target: the language file loader on arbitrary bytes. A refused file must leave the table
// untouched and name the file; an accepted one must hold what the bytes say (kept header, word
// and block, every entry's key, offset and text) with lookups that find the first entry of a
// key. The writer's output is then checked against the layout, written out here again: header
// words 16, 40 and 44 from the count, strings in directory order from 92 + 8 * N, each padded
// with 1 to 4 zero bytes, nothing after the last; and an update and an append land where they
// should.

#include "fuzz_check.h"

#include "langfile/stored_string.h"

#include <map>

namespace {

using namespace qira;
using namespace qira::fuzz;

const std::string file_name = "eng.db";

string_table sentinel() {
    string_table t;
    t.header.fill(0x5E);
    t.word_after_count = 0x5EED;
    t.block.fill(0xED);
    t.assign({{7, 0, "sentinel"}});
    t.names[1].base_key = 0x5EED;
    return t;
}

bool untouched(const string_table& t) {
    return t.header[47] == 0x5E && t.word_after_count == 0x5EED && t.block[35] == 0xED &&
           t.string_count() == 1 && t.entry(0).text == "sentinel" && t.names[1].base_key == 0x5EED;
}

void check_loaded(std::span<const std::uint8_t> bytes, const string_table& lang) {
    const std::uint64_t n = lang.string_count();
    FUZZ_CHECK(n <= max_language_entries, str(static_cast<std::int64_t>(n)));
    FUZZ_CHECK(bytes.size() >= 92 + 8 * n, "a directory past the end was accepted");
    FUZZ_CHECK(load_u32(bytes.data() + 48) == n, "");
    FUZZ_CHECK(std::memcmp(lang.header.data(), bytes.data(), 48) == 0, "header");
    FUZZ_CHECK(lang.word_after_count == static_cast<std::int32_t>(load_u32(bytes.data() + 52)), "");
    FUZZ_CHECK(std::memcmp(lang.block.data(), bytes.data() + 56 + 8 * n, 36) == 0, "block");
    std::map<std::int32_t, std::size_t> first;
    for (std::size_t i = 0; i < n; ++i) {
        const Tstring_table& e = lang.entry(i);
        FUZZ_CHECK(e.key == static_cast<std::int32_t>(load_u32(bytes.data() + 56 + 8 * i)),
                   "entry " + str(static_cast<std::int64_t>(i)));
        FUZZ_CHECK(e.offset == static_cast<std::int32_t>(load_u32(bytes.data() + 60 + 8 * i)),
                   "entry " + str(static_cast<std::int64_t>(i)));
        const auto stored = stored_text(bytes, static_cast<std::uint32_t>(e.offset));
        FUZZ_CHECK(stored.has_value(), "a text outside the file was accepted");
        FUZZ_CHECK(*stored == e.text, "entry " + str(static_cast<std::int64_t>(i)));
        first.try_emplace(e.key, i);
    }
    const auto standard = standard_name_config();
    for (int t = 0; t < name_config_tables; ++t) {
        FUZZ_CHECK(lang.names[t].base_key == standard[t].base_key, where(t));
        FUZZ_CHECK(lang.names[t].name_count == standard[t].name_count, where(t));
        FUZZ_CHECK(lang.names[t].key_offsets == standard[t].key_offsets, where(t));
    }
    for (const auto& [key, i] : first) {
        const auto found = lang.find_string(key);
        FUZZ_CHECK(found && *found == i, "key " + str(key));
        const std::string* text = lang.text_of(key);
        FUZZ_CHECK(text != nullptr && text == &lang.entry(i).text, "key " + str(key));
    }
    for (std::int32_t key : {0, 1, -1, 10000000, 30000050, 0x7FFFFFFF}) {
        if (first.count(key))
            continue;
        FUZZ_CHECK(!lang.find_string(key) && lang.text_of(key) == nullptr, "key " + str(key));
    }
}

// The writer's output, checked against the original entries.
void check_written(const std::vector<std::uint8_t>& out, const string_table& before,
                   const std::vector<Tstring_table>& entries) {
    const std::uint64_t n = entries.size();
    FUZZ_CHECK(out.size() >= 92 + 8 * n, "");
    for (std::size_t i = 0; i < 48; i += 4) {
        const std::uint32_t v = load_u32(out.data() + i);
        if (i == 16)
            FUZZ_CHECK(v == 56 + 8 * n, "");
        else if (i == 40)
            FUZZ_CHECK(v == 68 + 8 * n, "");
        else if (i == 44)
            FUZZ_CHECK(v == 80 + 8 * n, "");
        else
            FUZZ_CHECK(v == load_u32(before.header.data() + i),
                       "header word " + str(static_cast<std::int64_t>(i)));
    }
    FUZZ_CHECK(load_u32(out.data() + 48) == n, "");
    FUZZ_CHECK(static_cast<std::int32_t>(load_u32(out.data() + 52)) == before.word_after_count, "");
    FUZZ_CHECK(std::memcmp(out.data() + 56 + 8 * n, before.block.data(), 36) == 0, "");
    std::uint64_t running = 92 + 8 * n;
    for (std::size_t i = 0; i < n; ++i) {
        const std::string& text = entries[i].text;
        FUZZ_CHECK(static_cast<std::int32_t>(load_u32(out.data() + 56 + 8 * i)) == entries[i].key,
                   "");
        FUZZ_CHECK(load_u32(out.data() + 60 + 8 * i) == running,
                   "entry " + str(static_cast<std::int64_t>(i)));
        FUZZ_CHECK(out.size() >= running + 4 + text.size(), "");
        FUZZ_CHECK(load_u32(out.data() + running) == text.size(), "");
        FUZZ_CHECK(std::memcmp(out.data() + running + 4, text.data(), text.size()) == 0, "");
        const std::uint64_t padding = 4 - text.size() % 4;
        FUZZ_CHECK(out.size() >= running + 4 + text.size() + padding, "");
        for (std::uint64_t p = 0; p < padding; ++p)
            FUZZ_CHECK(out[running + 4 + text.size() + p] == 0, "padding");
        running += 4 + text.size() + padding;
    }
    FUZZ_CHECK(out.size() == running, "bytes after the last string");
}

void check_writer(const string_table& loaded) {
    string_table table = loaded;
    const auto out = serialize_language_file(table);
    check_written(out, loaded, loaded.entries());
    // The writer records the offsets it gave.
    for (std::size_t i = 0; i < table.string_count(); ++i)
        FUZZ_CHECK(static_cast<std::uint32_t>(table.entry(i).offset) ==
                       load_u32(out.data() + 60 + 8 * i),
                   "");

    // An update goes to the first entry of its key; an absent key is appended.
    std::vector<Tstring_table> expected = loaded.entries();
    if (!expected.empty()) {
        const std::int32_t key = expected.back().key;
        const std::size_t first = *first_entry(loaded, key);
        table.set_string(key, "updated");
        expected[first].text = "updated";
    }
    std::int32_t absent = 0x7FFFFFFF;
    while (table.find_string(absent))
        --absent;
    table.set_string(absent, "\xc3\xa9 appended");
    expected.push_back({absent, 0, "\xc3\xa9 appended"});
    FUZZ_CHECK(table.string_count() == expected.size(), "");
    FUZZ_CHECK(table.find_string(absent) == expected.size() - 1, "");
    if (expected.size() <= max_language_entries)
        check_written(serialize_language_file(table), loaded, expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    string_table lang = sentinel();
    const result outcome = parse_language_file(bytes, file_name, lang);
    if (!outcome) {
        FUZZ_CHECK(outcome.status == result::code::damaged, outcome.message());
        FUZZ_CHECK(outcome.message().rfind(file_name + " is damaged: ", 0) == 0, outcome.message());
        FUZZ_CHECK(untouched(lang), "a refused file changed the table: " + outcome.message());
        return 0;
    }
    check_loaded(bytes, lang);
    check_writer(lang);
    return 0;
}
