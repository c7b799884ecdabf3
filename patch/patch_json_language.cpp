// Reading the language part of a patch (patch/PATCH-FORMAT.md).

#include "patch/patch_json_read.h"

#include <utility>

namespace qira {

namespace {

using seen_members = member_set;

} // namespace

bool language_reader::read_entry_id(const at& where, entry_id& id) {
    seen_members seen;
    return read_object(where,
                       [&](const std::string& name, bool& known) {
                           return entry_id_member(name, where, id, seen, known);
                       }) &&
           entry_id_complete(where, seen);
}
bool language_reader::entry_id_member(const std::string& name, const at& where, entry_id& id,
                                      seen_members& seen, bool& done) {
    done = true;
    std::int64_t n = 0;
    if (name == "key" && !seen.has(0)) {
        seen.see(0);
        if (!integer(where.member("key"), i32_min, i32_max, n))
            return false;
        id.key = static_cast<std::int32_t>(n);
        return true;
    }
    if (name == "rank" && !seen.has(1)) {
        seen.see(1);
        if (!integer(where.member("rank"), 0, static_cast<std::int64_t>(max_language_entries), n))
            return false;
        id.rank = static_cast<std::int32_t>(n);
        return true;
    }
    done = false;
    return true;
}
bool language_reader::entry_id_complete(const at& where, const seen_members& seen) {
    return seen.has(0) ? seen.has(1) || missing(where, "rank") : missing(where, "key");
}

bool language_reader::read_entry(const at& where, entry_change* change, placed_entry* placed) {
    if (c_->peek() != kind::object)
        return c_->failed() ? false : fail(where, QIRA_TR("qira::problem", "expected an object"));
    c_->enter_object();
    enum { before = 2, after, entry_text };
    seen_members seen;
    entry_id& id = change != nullptr ? change->entry : placed->entry;
    std::string name;
    bool done = false;
    while (c_->next_member(name)) {
        if (!entry_id_member(name, where, id, seen, done))
            return false;
        if (done)
            continue;
        if (change != nullptr && name == "before" && !seen.has(before)) {
            seen.see(before);
            if (!text(where.member("before"), change->before))
                return false;
        } else if (name == "after" && !seen.has(after)) {
            seen.see(after);
            if (change != nullptr) {
                if (!text(where.member("after"), change->after))
                    return false;
            } else if (c_->peek() == kind::object) {
                entry_id a;
                if (!read_entry_id(where.member("after"), a))
                    return false;
                placed->after = a;
            } else if (c_->peek() != kind::null || !c_->read_literal()) {
                return !c_->failed() &&
                       fail(where.member("after"),
                            QIRA_TR("qira::problem", "expected an object or null"));
            }
        } else if (placed != nullptr && name == "text" && !seen.has(entry_text)) {
            seen.see(entry_text);
            if (!text(where.member("text"), placed->text))
                return false;
        } else if (!c_->skip()) {
            return false;
        }
    }
    if (c_->failed() || !entry_id_complete(where, seen))
        return false;
    if (change != nullptr)
        return (seen.has(before) || missing(where, "before")) &&
               (seen.has(after) || missing(where, "after"));
    return (seen.has(after) || missing(where, "after")) &&
           (seen.has(entry_text) || missing(where, "text"));
}

bool language_reader::read(const at& where, language_patch& lp) {
    if (!expect(where, kind::object) || !c_->enter_object())
        return false;
    seen_members seen;
    std::string name;
    const std::size_t most = max_language_entries;
    const wording too_many = QIRA_TR("qira::problem", "more entries than a language file has");
    while (c_->next_member(name)) {
        std::size_t count = 0;
        if (name == "changed" && !seen.has(0)) {
            seen.see(0);
            if (!array(
                    where.member("changed"), most, too_many,
                    [&](const at& w, std::size_t) {
                        entry_change ec;
                        if (!read_entry(w, &ec, nullptr))
                            return false;
                        lp.changed.push_back(std::move(ec));
                        return true;
                    },
                    count))
                return false;
        } else if ((name == "removed" && !seen.has(1)) || (name == "added" && !seen.has(2))) {
            const bool gone = name == "removed";
            seen.see(gone ? 1 : 2);
            std::vector<placed_entry>& list = gone ? lp.removed : lp.added;
            if (!array(
                    where.member(gone ? "removed" : "added"), most, too_many,
                    [&](const at& w, std::size_t) {
                        placed_entry pe;
                        if (!read_entry(w, nullptr, &pe))
                            return false;
                        list.push_back(std::move(pe));
                        return true;
                    },
                    count))
                return false;
        } else if (!c_->skip()) {
            return false;
        }
    }
    if (c_->failed())
        return false;
    for (auto [m, n] : {std::pair{0, "changed"}, {1, "removed"}, {2, "added"}})
        if (!seen.has(m))
            return missing(where, n);
    return true;
}

} // namespace qira
