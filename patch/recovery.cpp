#include "patch/recovery.h"

#include "fileio/checksum.h"
#include "patch/json_members.h"
#include "patch/json_writer.h"
#include "patch/patch_json.h"

#include <utility>

namespace qira {

namespace {

constexpr std::string_view header_member = "recovery";

// A path as the file holds it: its UTF-8 bytes (on POSIX the name's own bytes).
std::string path_text(const std::filesystem::path& p) {
    const std::u8string s = p.u8string();
    return {s.begin(), s.end()};
}

std::filesystem::path text_path(const std::string& s) {
    return std::filesystem::path(std::u8string(s.begin(), s.end()));
}

// Reads the header member and stops there: the rest of the document is the patch's.
class header_reader : public json_member_reader {
  public:
    using json_member_reader::json_member_reader;

    bool read(recovery_header& out) {
        const at doc;
        if (!expect(doc, kind::object) || !c_->enter_object())
            return false;
        std::string name;
        while (c_->next_member(name)) {
            if (name == header_member)
                return read_header(doc.member(header_member), out);
            if (!c_->skip())
                return false;
        }
        return !c_->failed() && missing(doc, header_member);
    }

  private:
    enum member { database, language, database_crc, language_crc };

    bool read_header(const at& where, recovery_header& h) {
        member_set seen;
        std::string value;
        std::int64_t crc = 0;
        const bool read = read_object(where, [&](const std::string& name, bool& known) {
            known = true;
            value.clear(); // a read appends
            if (name == "database") {
                seen.see(database);
                return text(where.member("database"), value) &&
                       (h.database = text_path(value), true);
            }
            if (name == "language") {
                seen.see(language);
                return text(where.member("language"), value) &&
                       (h.language = text_path(value), true);
            }
            if (name == "database_crc32" || name == "language_crc32") {
                const bool db = name == "database_crc32";
                seen.see(db ? database_crc : language_crc);
                if (!integer(where.member(db ? "database_crc32" : "language_crc32"), 0, u32_max,
                             crc))
                    return false;
                (db ? h.database_crc : h.language_crc) = static_cast<std::uint32_t>(crc);
                return true;
            }
            known = false;
            return true;
        });
        if (!read)
            return false;
        if (!seen.has(database))
            return missing(where, "database");
        if (!seen.has(database_crc))
            return missing(where, "database_crc32");
        if (h.database.empty())
            return fail(where.member("database"), QIRA_TR("qira::problem", "names no file"));
        if (!h.language.empty() && !seen.has(language_crc))
            return missing(where, "language_crc32");
        return true;
    }
};

} // namespace

recovery_header recovery_header_of(const std::filesystem::path& database,
                                   const std::filesystem::path& language,
                                   std::span<const std::uint8_t> database_bytes,
                                   std::span<const std::uint8_t> language_bytes) {
    return {.database = database,
            .language = language,
            .database_crc = crc32(database_bytes),
            .language_crc = language.empty() ? 0u : crc32(language_bytes)};
}

result_of<recovery_header> recovery_header_of(const std::filesystem::path& database,
                                              const std::filesystem::path& language) {
    recovery_header h{.database = database, .language = language};
    const auto db_crc = file_crc32(database);
    if (!db_crc)
        return db_crc.outcome();
    h.database_crc = db_crc.value;
    if (!language.empty()) {
        const auto lang_crc = file_crc32(language);
        if (!lang_crc)
            return lang_crc.outcome();
        h.language_crc = lang_crc.value;
    }
    return result_of<recovery_header>::success(std::move(h));
}

std::vector<std::filesystem::path> files_changed_since(const recovery_header& h) {
    std::vector<std::filesystem::path> changed;
    const auto check = [&](const std::filesystem::path& p, std::uint32_t crc) {
        const auto now = file_crc32(p);
        if (!now || now.value != crc)
            changed.push_back(p);
    };
    check(h.database, h.database_crc);
    if (!h.language.empty())
        check(h.language, h.language_crc);
    return changed;
}

recovery_base::recovery_base(const open_game& game, recovery_header header)
    : db_(game.db), has_language_(game.has_language), header_(std::move(header)) {
    if (has_language_) {
        // As saving writes it, so that comparing it with the game's needs no copy of this one.
        lang_ = game.lang;
        names_to_string_table(db_, lang_);
    }
    touched_.tables.assign(static_cast<std::size_t>(db_.table_count()), 0);
}

void recovery_base::note(const change& c) {
    const auto touch = [&](int t) {
        if (t >= 0 && static_cast<std::size_t>(t) < touched_.tables.size())
            touched_.tables[static_cast<std::size_t>(t)] = 1;
    };
    // The language file as saved holds the rows' localized names, found by the rows' ids: a
    // name, an id, or a row added or removed may change it.
    for (const cell_change& cc : c.cells) {
        touch(cc.where.table);
        if (cc.where.part == row_part::name || cc.where.part == row_part::key)
            touched_.language = true;
    }
    for (const words_change& w : c.words)
        touch(w.table);
    for (const row_change& r : c.rows)
        touch(r.table);
    for (const table_change& t : c.tables)
        touch(t.table);
    if (!c.rows.empty() || !c.tables.empty() || !c.entries.empty())
        touched_.language = true;
}

result_of<patch> recovery_base::changes(const open_game& game) const {
    const bool language = has_language_ && game.has_language;
    return make_patch(db_, language ? &lang_ : nullptr, game.db, language ? &game.lang : nullptr,
                      touched_);
}

std::string recovery_to_json(const recovery_header& h, const patch& p) {
    std::string out = "{\n  \"";
    out += header_member;
    out += "\": ";
    json_writer j(out);
    j.begin_object(json_writer::layout::spaced);
    j.key("database");
    j.value(path_text(h.database));
    j.key("database_crc32");
    j.value(std::int64_t{h.database_crc});
    j.key("language");
    j.value(path_text(h.language));
    j.key("language_crc32");
    j.value(std::int64_t{h.language_crc});
    j.end_object();
    j.flush();
    // The patch's own document, its opening brace taken by the one above.
    const std::string body = patch_to_json(p);
    out += ",\n";
    out.append(body, body.find('\n') + 1);
    return out;
}

result save_recovery_file(const std::filesystem::path& path, const recovery_header& h,
                          const patch& p, file_ops& ops) {
    const std::string text = recovery_to_json(h, p);
    return safe_replace(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), ops);
}

result_of<recovery_header> recovery_header_from_json(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    json_cursor c(text);
    header_reader r(text, c, result::code::not_a_patch);
    recovery_header h;
    if (c.start() && r.read(h))
        return result_of<recovery_header>::success(std::move(h));
    result problem = !r.error ? r.error : c.error();
    if (problem.ok())
        problem = result::failure(result::code::not_a_patch, {},
                                  QIRA_TR("qira::problem", "the document cannot be read"));
    problem.status = result::code::not_a_patch;
    return problem;
}

result load_recovery_file(const std::filesystem::path& path, recovery_contents& out) {
    file_bytes bytes;
    if (auto r = read_whole_file(path, bytes); !r)
        return r;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    result_of<recovery_header> header = recovery_header_from_json(text);
    if (!header) {
        header.where.file = display_name(path);
        return header.outcome();
    }
    result_of<patch> changes = patch_from_json(text);
    if (!changes) {
        changes.where.file = display_name(path);
        return changes.outcome();
    }
    out = {std::move(header.value), std::move(changes.value)};
    return result::success();
}

} // namespace qira
