#include "string_table.h"

#include "fileio/bytes.h"
#include "stored_string.h"

#include <utility>

namespace qira {

std::array<name_config, name_config_tables> standard_name_config() {
    std::array<name_config, name_config_tables> config{};
    config[1] = {10000000, 2, {0, 2, 0}};
    config[7] = {20000000, 1, {0, 0, 0}};
    config[13] = {30000000, 3, {0, 1, 2}};
    return config;
}

std::size_t string_table::first_index::home(std::int32_t key) const {
    // Fibonacci hashing spreads the runs of consecutive keys the language files hold.
    const std::uint64_t h = static_cast<std::uint32_t>(key) * 0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(h >> 32) & (slots_.size() - 1);
}

void string_table::first_index::reserve(std::size_t entries) {
    std::size_t size = 16;
    while (size < entries * 2)
        size *= 2;
    if (size <= slots_.size())
        return;
    std::vector<slot> old = std::move(slots_);
    slots_.assign(size, slot{0, empty});
    used_ = 0;
    for (const slot& s : old)
        if (s.index != empty)
            insert_first(s.key, s.index);
}

const std::uint32_t* string_table::first_index::find(std::int32_t key) const {
    if (slots_.empty())
        return nullptr;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = home(key);; i = (i + 1) & mask) {
        const slot& s = slots_[i];
        if (s.index == empty)
            return nullptr;
        if (s.key == key)
            return &s.index;
    }
}

std::uint32_t string_table::first_index::insert_first(std::int32_t key, std::uint32_t index) {
    if ((used_ + 1) * 2 > slots_.size())
        reserve(used_ + 1);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = home(key);; i = (i + 1) & mask) {
        slot& s = slots_[i];
        if (s.index == empty) {
            s = {key, index};
            ++used_;
            return index;
        }
        if (s.key == key)
            return s.index;
    }
}

std::optional<std::size_t> string_table::find_string(std::int32_t key) const {
    const std::uint32_t* i = first_.find(key);
    if (i == nullptr)
        return std::nullopt;
    return *i;
}

const std::string* string_table::text_of(std::int32_t key) const {
    const std::uint32_t* i = first_.find(key);
    return i == nullptr ? nullptr : &entries_[*i].text;
}

void string_table::set_string(std::int32_t key, std::string text) {
    const auto next = static_cast<std::uint32_t>(entries_.size());
    const std::uint32_t at = first_.insert_first(key, next);
    if (at != next) {
        entries_[at].text = std::move(text);
        return;
    }
    entries_.push_back({key, 0, std::move(text)});
}

void string_table::assign(std::vector<Tstring_table> entries) {
    entries_ = std::move(entries);
    first_.clear();
    first_.reserve(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i)
        first_.insert_first(entries_[i].key, static_cast<std::uint32_t>(i));
}

std::vector<Tstring_table> string_table::take_entries() {
    std::vector<Tstring_table> out = std::move(entries_);
    entries_.clear();
    first_.clear();
    return out;
}

namespace {

constexpr std::size_t header_size = 48;
constexpr std::size_t block_size = 36;
constexpr std::size_t directory_start = 56; // header, count, kept word

} // namespace

result parse_language_file(std::span<const std::uint8_t> bytes, const std::string& file_name,
                           string_table& out) {
    const auto damaged = [&](wording what, std::optional<std::uint64_t> offset = {}) {
        return result::failure(result::code::damaged, {.file = file_name, .offset = offset},
                               std::move(what));
    };
    const wording file_size{QIRA_TR("qira::problem", "%1 bytes"), {std::to_string(bytes.size())}};
    if (bytes.size() < directory_start + block_size)
        return damaged(
            {QIRA_TR("qira::problem", "the file (%1) is too short for a language file's header"),
             {file_size}});

    byte_reader in(bytes);
    string_table table;
    in.bytes(table.header.data(), header_size);
    const std::uint32_t count = in.u32();
    table.word_after_count = in.i32();
    if (count > max_language_entries)
        return damaged({QIRA_TR("qira::problem", "it holds %1 entries; at most %2 are allowed"),
                        {std::to_string(count), std::to_string(max_language_entries)}},
                       header_size);
    const std::uint64_t strings_start = directory_start + 8ull * count + block_size;
    if (strings_start > bytes.size())
        return damaged({QIRA_TR("qira::problem",
                                "its directory of %1 entries runs past the end of the file (%2)"),
                        {std::to_string(count), file_size}},
                       directory_start);

    std::vector<Tstring_table> entries(count);
    for (auto& e : entries) {
        e.key = in.i32();
        e.offset = in.i32();
    }
    in.bytes(table.block.data(), block_size);

    for (std::uint32_t i = 0; i < count; ++i) {
        const auto offset = static_cast<std::uint32_t>(entries[i].offset);
        if (!read_string_into(bytes, offset, entries[i].text))
            return damaged({QIRA_TR("qira::problem", "the text of entry %1 (key %2, offset %3) "
                                                     "runs past the end of the file (%4)"),
                            {std::to_string(i), std::to_string(entries[i].key),
                             std::to_string(offset), file_size}},
                           offset);
    }
    table.assign(std::move(entries));
    table.names = standard_name_config();
    out = std::move(table);
    return result::success();
}

result load_language_file(const std::filesystem::path& path, string_table& out) {
    file_bytes bytes;
    if (auto r = read_whole_file(path, bytes); !r)
        return r;
    return parse_language_file(bytes, display_name(path), out);
}

namespace {

// Lays out every offset and the header's sizes; returns the file's size.
std::uint64_t prepare(string_table& table) {
    const std::size_t count = table.string_count();
    const std::uint64_t strings_start = directory_start + 8ull * count + block_size;

    // First lay out every offset, then emit.
    std::uint64_t running = strings_start;
    for (std::size_t i = 0; i < count; ++i) {
        table.set_offset(i, static_cast<std::int32_t>(running));
        running += stored_size(table.entry(i).text.size());
    }

    auto header = table.header;
    store_u32(header.data() + 16, static_cast<std::uint32_t>(8 * count + 56));
    store_u32(header.data() + 40, static_cast<std::uint32_t>(8 * count + 68));
    store_u32(header.data() + 44, static_cast<std::uint32_t>(8 * count + 80));
    table.header = header;
    return running;
}

// A table's entries as a save writes them: its own, or with an overlay's texts.
struct own_texts {
    const string_table& table;
    std::size_t string_count() const { return table.string_count(); }
    std::int32_t key(std::size_t i) const { return table.entry(i).key; }
    const std::string& text(std::size_t i) const { return table.entry(i).text; }
};

struct overlay_texts {
    const text_overlay& overlay;
    std::size_t string_count() const { return overlay.string_count(); }
    std::int32_t key(std::size_t i) const { return overlay.key(i); }
    const std::string& text(std::size_t i) const { return overlay.text(i); }
};

// Writes the file in its canonical layout, with the offsets and header sizes computed as they
// are written: the table itself is not changed.
template <typename Texts>
void emit(const string_table& table, const Texts& texts, byte_writer& out) {
    const std::size_t count = texts.string_count();
    auto header = table.header;
    store_u32(header.data() + 16, static_cast<std::uint32_t>(8 * count + 56));
    store_u32(header.data() + 40, static_cast<std::uint32_t>(8 * count + 68));
    store_u32(header.data() + 44, static_cast<std::uint32_t>(8 * count + 80));
    out.bytes(header.data(), header.size());
    out.u32(static_cast<std::uint32_t>(count));
    out.i32(table.word_after_count);
    std::uint64_t running = directory_start + 8ull * count + block_size;
    for (std::size_t i = 0; i < count; ++i) {
        out.i32(texts.key(i));
        out.i32(static_cast<std::int32_t>(running));
        running += stored_size(texts.text(i).size());
    }
    out.bytes(table.block.data(), table.block.size());
    for (std::size_t i = 0; i < count; ++i)
        write_string_padded(out, texts.text(i));
}

template <typename Texts>
result plan_save(const std::filesystem::path& path, const string_table& table, const Texts& texts,
                 file_replacement& out) {
    const place at{.file = path.string()};
    const std::size_t count = texts.string_count();
    if (count > max_language_entries)
        return result::failure(result::code::write_failed, at,
                               {QIRA_TR("qira::problem", "it would hold %1 entries; a language "
                                                         "file holds at most %2"),
                                {std::to_string(count), std::to_string(max_language_entries)}});
    std::uint64_t total = directory_start + 8ull * count + block_size;
    for (std::size_t i = 0; i < count; ++i)
        total += stored_size(texts.text(i).size());
    if (total > 0x7FFFFFFFull)
        return result::failure(result::code::write_failed, at,
                               QIRA_TR("qira::problem", "its texts exceed 2 GiB"));
    out.target = path;
    out.produce =
        written_content([&table, texts](byte_writer& writer) { emit(table, texts, writer); });
    return result::success();
}

} // namespace

std::vector<std::uint8_t> serialize_language_file(string_table& table) {
    const std::uint64_t size = prepare(table);
    return written_bytes(size, [&table](byte_writer& out) { emit(table, own_texts{table}, out); });
}

result plan_language_save(const std::filesystem::path& path, const string_table& table,
                          file_replacement& out) {
    return plan_save(path, table, own_texts{table}, out);
}

result plan_language_save(const std::filesystem::path& path, const text_overlay& texts,
                          file_replacement& out) {
    return plan_save(path, texts.table(), overlay_texts{texts}, out);
}

void text_overlay::set_string(std::int32_t key, const std::string& text) {
    if (const auto at = table_->find_string(key)) {
        if (replaced_.empty())
            replaced_.assign(table_->string_count(), nullptr);
        replaced_[*at] = &text;
        return;
    }
    const auto [at, added] = appended_at_.emplace(key, appended_.size());
    if (added)
        appended_.emplace_back(key, &text);
    else
        appended_[at->second].second = &text;
}

std::int32_t text_overlay::key(std::size_t i) const {
    const std::size_t own = table_->string_count();
    return i < own ? table_->entry(i).key : appended_[i - own].first;
}

const std::string& text_overlay::text(std::size_t i) const {
    const std::size_t own = table_->string_count();
    if (i >= own)
        return *appended_[i - own].second;
    return !replaced_.empty() && replaced_[i] != nullptr ? *replaced_[i] : table_->entry(i).text;
}

result save_language_file(const std::filesystem::path& path, string_table& table, file_ops& ops) {
    file_replacement file;
    if (auto r = plan_language_save(path, table, file); !r)
        return r;
    // The offsets reach the table only once the file is written: a failed save leaves it as it was.
    result r = replace_files(std::span(&file, 1), ops).outcome();
    if (r)
        prepare(table);
    return r;
}

} // namespace qira
