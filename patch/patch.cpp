#include "patch/patch.h"

#include "fileio/utf8.h"
#include "patch/patch_parts.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>
#include <utility>

namespace qira {

namespace patch_parts {

patch_row row_contents(const database& db, int t, std::size_t r) {
    const db_table& table = db.tables[t];
    const db_overall_data& row = db.rows(t)[r];
    patch_row p;
    p.stored = undecoded_words(db, t, r);
    p.keys = keys_of(row, key_count(db, t));
    for (int i = 0; i < std::clamp(table.extra_count, 0, 4); ++i)
        p.extras[i] = row.extras[i];
    for (int i = 0; i < std::clamp(table.string_ref_count, 0, 4); ++i)
        p.strings[i] = row.strings[static_cast<std::size_t>(i)];
    p.values.assign(row.values.begin(), row.values.end());
    return p;
}

std::vector<entry_id> entry_ids(const string_table& lang) {
    std::vector<entry_id> ids(lang.string_count());
    std::unordered_map<std::int32_t, std::int32_t> seen;
    seen.reserve(ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i) {
        ids[i].key = lang.entry(i).key;
        ids[i].rank = seen[ids[i].key]++;
    }
    return ids;
}

std::optional<cell> field_cell(const db_table& table, int t, int field) {
    const field_place at = place_of_field(table, field);
    if (field < 0 || field >= table.field_count() || at.part == row_part::key)
        return std::nullopt;
    return cell{t, 0, at.part, at.index};
}

std::string show(const cell& c, const cell_value& v) {
    return holds_text(c.part) ? show_text(v.text) : number_text(c.part, v.number);
}

std::string show_words(const std::vector<std::uint32_t>& words) {
    if (words.empty())
        return "none";
    std::string text;
    for (std::uint32_t w : words) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%s0x%08x", text.empty() ? "" : " ", w);
        text += hex;
    }
    return text;
}

std::string show_entry(const entry_id& id) {
    return "key " + std::to_string(id.key) +
           (id.rank > 0 ? " rank " + std::to_string(id.rank) : "");
}

std::string entry_title(const entry_id& id) {
    return "language entry " + show_entry(id);
}

std::string show_text(const std::string& text) {
    return quoted_text(text);
}

namespace {

// Whether saving would put a localized name into the language file that it does not hold yet.
bool names_pending(const database& db, const string_table& lang) {
    bool pending = false;
    for_each_name(db, lang, [&](std::int32_t key, const std::string& name) {
        const std::string* held = lang.text_of(key);
        pending = pending || held == nullptr || *held != name;
    });
    return pending;
}

} // namespace

const string_table& as_saved(const database& db, const string_table& lang,
                             std::optional<string_table>& copy) {
    if (!names_pending(db, lang))
        return lang;
    copy = lang;
    names_to_string_table(db, *copy);
    return *copy;
}

} // namespace patch_parts

field_changes::field_changes(std::initializer_list<field_change> changes) {
    items_.reserve(changes.size());
    for (const field_change& fc : changes)
        push_back(fc);
}

std::uint32_t field_changes::keep_text(const std::string& text) {
    if (text.empty())
        return 0;
    texts_.push_back(text);
    return static_cast<std::uint32_t>(texts_.size());
}

const std::string& field_changes::text_at(std::uint32_t index) const {
    static const std::string none;
    return index == 0 ? none : texts_[index - 1];
}

field_change field_changes::operator[](std::size_t i) const {
    const item& it = items_[i];
    return {it.field, {it.before, text_at(it.before_text)}, {it.after, text_at(it.after_text)}};
}

void field_changes::push_back(const field_change& fc) {
    items_.push_back({fc.field, fc.before.number, fc.after.number, keep_text(fc.before.text),
                      keep_text(fc.after.text)});
}

void field_changes::set(std::size_t i, const field_change& fc) {
    // A text replaced stays in texts_ unused: set is for the few changes made by hand.
    items_[i] = {fc.field, fc.before.number, fc.after.number, keep_text(fc.before.text),
                 keep_text(fc.after.text)};
}

void field_changes::clear() {
    items_.clear();
    texts_.clear();
}

void field_changes::swap_sides() {
    for (item& it : items_) {
        std::swap(it.before, it.after);
        std::swap(it.before_text, it.after_text);
    }
}

bool operator==(const field_changes& a, const field_changes& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

std::size_t patch::change_count() const {
    std::size_t n = language.changed.size() + language.removed.size() + language.added.size();
    for (const auto& t : tables) {
        n += t.removed.size() + t.added.size();
        for (const auto& r : t.changed)
            n += r.fields.size() + (r.stored_after.empty() ? 0 : 1);
    }
    return n;
}

void reverse_in_place(patch& p) {
    for (table_patch& tp : p.tables) {
        std::swap(tp.rows_before, tp.rows_after);
        std::swap(tp.removed, tp.added);
        for (changed_row& rc : tp.changed) {
            rc.fields.swap_sides();
            std::swap(rc.stored_before, rc.stored_after);
        }
    }
    for (entry_change& ec : p.language.changed)
        std::swap(ec.before, ec.after);
    std::swap(p.language.removed, p.language.added);
}

patch reversed(const patch& p) {
    patch r = p;
    reverse_in_place(r);
    return r;
}

} // namespace qira
