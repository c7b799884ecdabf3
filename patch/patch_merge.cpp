#include "patch/patch_merge.h"

#include "editing/references.h"
#include "fileio/utf8.h"
#include "patch/patch_parts.h"

#include <algorithm>
#include <unordered_map>

namespace qira {

std::string merge_conflict::line() const {
    std::string text = title;
    if (what == kind::field)
        text += " field " + field_name;
    else if (what == kind::stored)
        text += " bits no field covers";
    return text + ": base " + base + ", a " + a + ", b " + b;
}

namespace {

using namespace patch_parts;

// The side each conflict takes, in the order the conflicts are found: one side for all, or one
// per conflict (those past the list left out).
class conflict_sides {
  public:
    explicit conflict_sides(merge_side all) : all_(all) {}
    explicit conflict_sides(const std::vector<merge_side>& each) : each_(&each) {}
    merge_side next() {
        if (each_ == nullptr)
            return all_;
        const std::size_t i = next_++;
        return i < each_->size() ? (*each_)[i] : merge_side::none;
    }

  private:
    merge_side all_ = merge_side::none;
    const std::vector<merge_side>* each_ = nullptr;
    std::size_t next_ = 0;
};

const row_id& id_of(const changed_row& c) {
    return c.row;
}
const row_id& id_of(const placed_row& p) {
    return p.row;
}
const entry_id& id_of(const entry_change& c) {
    return c.entry;
}
const entry_id& id_of(const placed_entry& p) {
    return p.entry;
}

// What one side does to a row (language entry): changes it, removes it, adds it, or removes it
// and adds it again (a row that moves or whose copy changes whole).
template <typename Changed, typename Placed> struct fate {
    const Changed* changed = nullptr;
    const Placed* removed = nullptr;
    const Placed* added = nullptr;
    bool any() const { return changed || removed || added; }
    bool only_changed() const { return changed && !removed && !added; }
};

template <typename T> bool same_item(const T* x, const T* y) {
    return x == nullptr ? y == nullptr : y != nullptr && *x == *y;
}

template <typename Changed, typename Placed>
bool same_fate(const fate<Changed, Placed>& x, const fate<Changed, Placed>& y) {
    return same_item(x.changed, y.changed) && same_item(x.removed, y.removed) &&
           same_item(x.added, y.added);
}

// The merged changes of one table (or of the language entries), the added ones with the side
// they come from (0: a, 1: b), which orders those that follow the same row.
template <typename Changed, typename Placed> struct merged_lists {
    std::vector<Changed> changed;
    std::vector<Placed> removed;
    std::vector<std::pair<int, Placed>> added;
    void take(const fate<Changed, Placed>& f, int side) {
        if (f.changed)
            changed.push_back(*f.changed);
        if (f.removed)
            removed.push_back(*f.removed);
        if (f.added)
            added.emplace_back(side, *f.added);
    }
    void take(merge_side side, const fate<Changed, Placed>& fa, const fate<Changed, Placed>& fb) {
        if (side == merge_side::a)
            take(fa, 0);
        else if (side == merge_side::b)
            take(fb, 1);
    }
};

// Every item the two sides touch, each with what either does to it; the ids in the order first
// met (A's changed, removed and added, then B's).
template <typename Id, typename Hash, typename Changed, typename Placed> struct item_fates {
    using one = fate<Changed, Placed>;
    std::vector<Id> order;
    std::unordered_map<Id, std::array<one, 2>, Hash> sides;

    std::array<one, 2>& at(const Id& id) {
        auto [it, fresh] = sides.try_emplace(id);
        if (fresh)
            order.push_back(id);
        return it->second;
    }
    void add(int side, const std::vector<Changed>& changed, const std::vector<Placed>& removed,
             const std::vector<Placed>& added) {
        for (const Changed& c : changed)
            at(id_of(c))[side].changed = &c;
        for (const Placed& p : removed)
            at(id_of(p))[side].removed = &p;
        for (const Placed& p : added)
            at(id_of(p))[side].added = &p;
    }
};

// Merges what both sides do to each item: one side's alone taken, the same on both taken once,
// both changing it merged by `both_changed`, anything else a conflict told to `conflict` (which
// returns the side that wins it, or none).
template <typename Id, typename Hash, typename Changed, typename Placed, typename BothChanged,
          typename Conflict>
void merge_items(const item_fates<Id, Hash, Changed, Placed>& fates,
                 merged_lists<Changed, Placed>& out, BothChanged both_changed, Conflict conflict) {
    for (const Id& id : fates.order) {
        const auto& [fa, fb] = fates.sides.at(id);
        if (!fb.any() || same_fate(fa, fb))
            out.take(fa, 0);
        else if (!fa.any())
            out.take(fb, 1);
        else if (fa.only_changed() && fb.only_changed())
            both_changed(*fa.changed, *fb.changed);
        else
            out.take(conflict(id, fa, fb), fa, fb);
    }
}

// Points every row (entry) that follows a row the merged patch removes at the row that one
// follows in turn: the first kept row before it.
template <typename Id, typename Hash, typename Placed>
void follow_kept(const std::vector<Placed>& removed, std::vector<Placed*> placed) {
    std::unordered_map<Id, std::optional<Id>, Hash> gone;
    for (const Placed& p : removed)
        gone.emplace(id_of(p), p.after);
    for (Placed* p : placed) {
        // Each step goes back to an earlier row; a patch whose rows follow one another round in a
        // circle is stopped after as many steps as rows removed (it then comes first).
        for (std::size_t steps = 0; p->after; ++steps) {
            auto it = gone.find(*p->after);
            if (it == gone.end())
                break;
            p->after = steps < gone.size() ? it->second : std::nullopt;
        }
    }
}

// How a field's content is shown in a conflict, by its kind among the table's fields.
std::string show_field(const table_patch& tp, int field, const cell_value& v) {
    row_part part = row_part::value;
    int k = field;
    for (std::size_t i = 0; i < field_kinds.size(); ++i) {
        if (k < tp.kinds[i]) {
            part = field_kinds[i];
            break;
        }
        k -= tp.kinds[i];
    }
    return holds_text(part) ? show_text(v.text) : number_text(part, v.number);
}

std::string field_name(const table_patch& tp, int field) {
    return field >= 0 && static_cast<std::size_t>(field) < tp.fields.size()
               ? printable(tp.fields[static_cast<std::size_t>(field)])
               : "#" + std::to_string(field);
}

// Names the rows of one table in conflicts: by the base game's name of the row where the base is
// given and holds it, else by the patch's copy of the row, else by its keys and rank.
struct row_namer {
    const database* base = nullptr;
    int t = 0;
    std::string table;
    int keys = 0;
    std::unordered_map<row_id, int, row_id_hash> index; // the base's rows, when it has the table

    row_namer(const database* base_, const table_patch& tp)
        : t(tp.index), table(table_title(tp.name, tp.index)), keys(std::clamp(tp.kinds[0], 0, 4)) {
        if (base_ != nullptr && base_->has_table(t) && base_->tables[t].name == tp.name) {
            base = base_;
            const std::vector<row_id> ids = row_ids(*base, t);
            index.reserve(ids.size());
            for (int r = 0; r < static_cast<int>(ids.size()); ++r)
                index.emplace(ids[static_cast<std::size_t>(r)], r);
        }
    }
    // The row's place in the base (past the end when unknown).
    std::size_t position(const row_id& id) const {
        auto it = index.find(id);
        return it == index.end() ? static_cast<std::size_t>(-1)
                                 : static_cast<std::size_t>(it->second);
    }
    std::string title(const row_id& id, const patch_row* copy) const {
        std::string name;
        if (auto it = index.find(id); it != index.end())
            name = row_name(*base, t, it->second);
        if (name.empty() && copy != nullptr)
            name = row_name(t, copy->strings);
        return row_title(table, name, id, keys);
    }
};

using row_fate = fate<changed_row, placed_row>;
using entry_fate = fate<entry_change, placed_entry>;

std::string row_fate_text(const row_fate& f) {
    if (f.removed && f.added)
        return "moved";
    if (f.removed)
        return "removed";
    if (f.added)
        return "added";
    return f.changed ? "changed" : "unchanged";
}

// Field `field` of a patch's copy of a row (0 for a value the copy lacks).
cell_value copy_field(const table_patch& tp, const patch_row& r, int field) {
    int k = field - tp.kinds[0];
    if (k < tp.kinds[1])
        return {static_cast<std::uint32_t>(r.extras[static_cast<std::size_t>(k) % 4]), {}};
    k -= tp.kinds[1];
    if (k < tp.kinds[2])
        return {0, r.strings[static_cast<std::size_t>(k) % 4]};
    const auto v = static_cast<std::size_t>(k - tp.kinds[2]);
    return {v < r.values.size() ? r.values[v] : 0u, {}};
}

// The first field in which two copies of a row differ (-1: none of the fields).
int first_difference(const table_patch& tp, const patch_row& x, const patch_row& y) {
    const int fields = static_cast<int>(tp.fields.size());
    for (int f = std::clamp(tp.kinds[0], 0, fields); f < fields; ++f)
        if (copy_field(tp, x, f) != copy_field(tp, y, f))
            return f;
    return -1;
}

// Merges one table both patches change.
class table_merge {
  public:
    table_merge(const table_patch& a, const table_patch& b, conflict_sides& sides,
                const database* base, std::vector<merge_conflict>& conflicts)
        : a_(a), b_(b), sides_(sides), names_(base, a), conflicts_(conflicts) {}

    table_patch run() {
        table_patch out = a_;
        out.changed.clear();
        out.removed.clear();
        out.added.clear();
        const bool keyless = a_.kinds[0] == 0;
        const bool reshape_a = !a_.removed.empty() || !a_.added.empty();
        const bool reshape_b = !b_.removed.empty() || !b_.added.empty();
        if (keyless && reshape_a && reshape_b && !(a_ == b_))
            return whole_table();
        // In a table without key fields an added row's rank is its place in the new table, which
        // may be a base row's place: only one side adds there, and its rows are taken as they are.
        item_fates<row_id, row_id_hash, changed_row, placed_row> fates;
        static const std::vector<placed_row> none;
        fates.add(0, a_.changed, a_.removed, keyless ? none : a_.added);
        fates.add(1, b_.changed, b_.removed, keyless ? none : b_.added);
        merge_items(
            fates, lists_, [&](const changed_row& x, const changed_row& y) { both_changed(x, y); },
            [&](const row_id& id, const row_fate& fa, const row_fate& fb) {
                return row_conflict(id, fa, fb);
            });
        if (keyless)
            for (const placed_row& p : reshape_a ? a_.added : b_.added)
                lists_.added.emplace_back(reshape_a ? 0 : 1, p);
        finish(out);
        return out;
    }

  private:
    merge_conflict& conflict(merge_conflict::kind what, const row_id& id, const patch_row* copy) {
        merge_conflict& c = conflicts_.emplace_back();
        c.what = what;
        c.table = a_.index;
        c.row = id;
        c.title = names_.title(id, copy);
        c.chosen = sides_.next();
        return c;
    }

    // Rows added or removed on both sides of a table without key fields: the preferred side's
    // table whole.
    table_patch whole_table() {
        merge_conflict& c = conflicts_.emplace_back();
        c.what = merge_conflict::kind::table;
        c.table = a_.index;
        c.title = table_title(a_.name, a_.index) + " (rows added or removed on both sides)";
        c.base = std::to_string(a_.rows_before) + " rows";
        c.a = std::to_string(a_.rows_after) + " rows";
        c.b = std::to_string(b_.rows_after) + " rows";
        c.chosen = sides_.next();
        table_patch out = c.chosen == merge_side::b ? b_ : a_;
        if (c.chosen == merge_side::none) {
            out.changed.clear();
            out.removed.clear();
            out.added.clear();
            out.rows_after = out.rows_before;
        }
        return out;
    }

    void both_changed(const changed_row& x, const changed_row& y) {
        changed_row merged;
        merged.row = x.row;
        std::size_t i = 0, j = 0;
        while (i < x.fields.size() || j < y.fields.size()) {
            const bool from_x = j == y.fields.size() ||
                                (i < x.fields.size() && x.fields[i].field < y.fields[j].field);
            const bool from_y = i == x.fields.size() ||
                                (j < y.fields.size() && y.fields[j].field < x.fields[i].field);
            if (from_x) {
                merged.fields.push_back(x.fields[i++]);
                continue;
            }
            if (from_y) {
                merged.fields.push_back(y.fields[j++]);
                continue;
            }
            const field_change fx = x.fields[i++], fy = y.fields[j++];
            if (fx == fy) {
                merged.fields.push_back(fx);
                continue;
            }
            merge_conflict& c = conflict(merge_conflict::kind::field, x.row, nullptr);
            c.field = fx.field;
            c.field_name = field_name(a_, fx.field);
            c.base = show_field(a_, fx.field, fx.before);
            c.a = show_field(a_, fx.field, fx.after);
            c.b = show_field(a_, fx.field, fy.after);
            if (c.chosen != merge_side::none)
                merged.fields.push_back(c.chosen == merge_side::a ? fx : fy);
        }
        const bool stored_x = !x.stored_after.empty() || !x.stored_before.empty();
        const bool stored_y = !y.stored_after.empty() || !y.stored_before.empty();
        const changed_row* stored_from = stored_x ? &x : stored_y ? &y : nullptr;
        if (stored_x && stored_y &&
            (x.stored_before != y.stored_before || x.stored_after != y.stored_after)) {
            merge_conflict& c = conflict(merge_conflict::kind::stored, x.row, nullptr);
            c.base = show_words(x.stored_before);
            c.a = show_words(x.stored_after);
            c.b = show_words(y.stored_after);
            stored_from = c.chosen == merge_side::a ? &x : c.chosen == merge_side::b ? &y : nullptr;
        }
        if (stored_from != nullptr) {
            merged.stored_before = stored_from->stored_before;
            merged.stored_after = stored_from->stored_after;
        }
        if (!merged.fields.empty() || !merged.stored_after.empty() || !merged.stored_before.empty())
            lists_.changed.push_back(std::move(merged));
    }

    merge_side row_conflict(const row_id& id, const row_fate& fa, const row_fate& fb) {
        const placed_row* copy = fa.removed   ? fa.removed
                                 : fb.removed ? fb.removed
                                 : fa.added   ? fa.added
                                              : fb.added;
        const bool in_base = fa.changed || fa.removed || fb.changed || fb.removed;
        merge_conflict& c =
            conflict(merge_conflict::kind::row, id, copy ? &copy->contents : nullptr);
        c.base = in_base ? "the row" : "none";
        c.a = row_fate_text(fa);
        c.b = row_fate_text(fb);
        // Added on both sides alike but for a field: that field's two contents.
        if (!in_base && fa.added && fb.added) {
            const int f = first_difference(a_, fa.added->contents, fb.added->contents);
            if (f >= 0) {
                c.what = merge_conflict::kind::field;
                c.field = f;
                c.field_name = field_name(a_, f);
                c.a = "added " + show_field(a_, f, copy_field(a_, fa.added->contents, f));
                c.b = "added " + show_field(a_, f, copy_field(a_, fb.added->contents, f));
            } else {
                c.a += " (after another row or with other bits)";
            }
        }
        return c.chosen;
    }

    // The merged lists into the table patch: rows after removed ones follow the kept row before
    // them; with the base, rows in its order; added rows that follow the same row A's first.
    void finish(table_patch& out) {
        out.changed = std::move(lists_.changed);
        out.removed = std::move(lists_.removed);
        std::vector<placed_row*> placed;
        for (auto& [side, p] : lists_.added)
            placed.push_back(&p);
        for (placed_row& p : out.removed)
            placed.push_back(&p);
        follow_kept<row_id, row_id_hash>(out.removed, placed);
        const auto at = [&](const row_id& id) { return names_.position(id); };
        const auto anchor = [&](const std::optional<row_id>& after) {
            return after ? at(*after) + 1 : 0;
        };
        if (names_.base != nullptr) {
            std::stable_sort(out.changed.begin(), out.changed.end(),
                             [&](const auto& x, const auto& y) { return at(x.row) < at(y.row); });
            std::stable_sort(out.removed.begin(), out.removed.end(),
                             [&](const auto& x, const auto& y) { return at(x.row) < at(y.row); });
            std::stable_sort(lists_.added.begin(), lists_.added.end(),
                             [&](const auto& x, const auto& y) {
                                 return std::pair(anchor(x.second.after), x.first) <
                                        std::pair(anchor(y.second.after), y.first);
                             });
        } else {
            std::stable_sort(lists_.added.begin(), lists_.added.end(),
                             [](const auto& x, const auto& y) { return x.first < y.first; });
        }
        for (auto& [side, p] : lists_.added)
            out.added.push_back(std::move(p));
        out.rows_after = out.rows_before + static_cast<std::int32_t>(out.added.size()) -
                         static_cast<std::int32_t>(out.removed.size());
    }

    const table_patch& a_;
    const table_patch& b_;
    conflict_sides& sides_;
    row_namer names_;
    std::vector<merge_conflict>& conflicts_;
    merged_lists<changed_row, placed_row> lists_;
};

std::string entry_fate_text(const entry_fate& f) {
    if (f.removed && f.added)
        return "moved with " + show_text(f.added->text);
    if (f.removed)
        return "removed";
    if (f.added)
        return "added " + show_text(f.added->text);
    return f.changed ? show_text(f.changed->after) : "unchanged";
}

language_patch merge_language(const language_patch& a, const language_patch& b,
                              conflict_sides& sides, std::vector<merge_conflict>& conflicts) {
    item_fates<entry_id, entry_id_hash, entry_change, placed_entry> fates;
    fates.add(0, a.changed, a.removed, a.added);
    fates.add(1, b.changed, b.removed, b.added);
    merged_lists<entry_change, placed_entry> lists;
    const auto conflict = [&](const entry_id& id) -> merge_conflict& {
        merge_conflict& c = conflicts.emplace_back();
        c.what = merge_conflict::kind::entry;
        c.entry = id;
        c.title = entry_title(id);
        c.chosen = sides.next();
        return c;
    };
    merge_items(
        fates, lists,
        [&](const entry_change& x, const entry_change& y) {
            merge_conflict& c = conflict(x.entry);
            c.base = show_text(x.before);
            c.a = show_text(x.after);
            c.b = show_text(y.after);
            if (c.chosen != merge_side::none)
                lists.changed.push_back(c.chosen == merge_side::a ? x : y);
        },
        [&](const entry_id& id, const entry_fate& fa, const entry_fate& fb) {
            merge_conflict& c = conflict(id);
            const std::string* before = fa.changed   ? &fa.changed->before
                                        : fa.removed ? &fa.removed->text
                                        : fb.changed ? &fb.changed->before
                                        : fb.removed ? &fb.removed->text
                                                     : nullptr;
            c.base = before ? show_text(*before) : "none";
            c.a = entry_fate_text(fa);
            c.b = entry_fate_text(fb);
            return c.chosen;
        });
    language_patch out;
    out.changed = std::move(lists.changed);
    out.removed = std::move(lists.removed);
    std::stable_sort(lists.added.begin(), lists.added.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    for (auto& [side, p] : lists.added)
        out.added.push_back(std::move(p));
    std::vector<placed_entry*> placed;
    for (placed_entry& p : out.added)
        placed.push_back(&p);
    for (placed_entry& p : out.removed)
        placed.push_back(&p);
    follow_kept<entry_id, entry_id_hash>(out.removed, placed);
    return out;
}

// Whether the two patches are made for the same tables: refused, naming the table, where a table
// both change differs.
result same_tables(const patch& a, const patch& b) {
    const auto refuse = [](int t, wording why) {
        return result::failure(result::code::refused, {.table = t}, std::move(why));
    };
    for (const table_patch& ta : a.tables)
        for (const table_patch& tb : b.tables) {
            if (ta.index != tb.index)
                continue;
            const std::string index = std::to_string(ta.index);
            if (ta.name != tb.name)
                return refuse(
                    ta.index,
                    {QIRA_TR("qira::patch", "table %1 is %2 in the first patch, %3 in the second"),
                     {index, show_text(ta.name), show_text(tb.name)}});
            if (ta.fields != tb.fields || ta.kinds != tb.kinds)
                return refuse(ta.index, {QIRA_TR("qira::patch",
                                                 "table %1 %2 has other fields in the two patches"),
                                         {index, show_text(ta.name)}});
            if (ta.rows_before != tb.rows_before)
                return refuse(
                    ta.index,
                    {QIRA_TR("qira::patch", "table %1 %2 has %3 rows before in the first patch, %4 "
                                            "in the second: they were made on different games"),
                     {index, show_text(ta.name), std::to_string(ta.rows_before),
                      std::to_string(tb.rows_before)}});
        }
    return result::success();
}

result_of<merged_patches> merge_with(const patch& a, const patch& b, conflict_sides sides,
                                     const database* base) {
    if (auto r = same_tables(a, b); !r)
        return r;
    result_of<merged_patches> made;
    patch& out = made.value.merged;
    auto& conflicts = made.value.conflicts;
    std::size_t i = 0, j = 0;
    while (i < a.tables.size() || j < b.tables.size()) {
        if (j == b.tables.size() || (i < a.tables.size() && a.tables[i].index < b.tables[j].index))
            out.tables.push_back(a.tables[i++]);
        else if (i == a.tables.size() || b.tables[j].index < a.tables[i].index)
            out.tables.push_back(b.tables[j++]);
        else {
            table_patch tp =
                table_merge(a.tables[i++], b.tables[j++], sides, base, conflicts).run();
            if (!tp.changed.empty() || !tp.removed.empty() || !tp.added.empty())
                out.tables.push_back(std::move(tp));
        }
    }
    out.has_language = a.has_language || b.has_language;
    out.language = merge_language(a.language, b.language, sides, conflicts);
    return made;
}

} // namespace

result_of<merged_patches> merge_patches(const patch& a, const patch& b, merge_side prefer,
                                        const database* base) {
    return merge_with(a, b, conflict_sides(prefer), base);
}

result_of<merged_patches> merge_patches(const patch& a, const patch& b,
                                        const std::vector<merge_side>& sides,
                                        const database* base) {
    return merge_with(a, b, conflict_sides(sides), base);
}

result_of<merged_patches> merge_games(open_game& base, const open_game& a, const open_game& b,
                                      merge_side prefer) {
    const bool lang = base.has_language && a.has_language && b.has_language;
    const auto from_base = [&](const open_game& game, const char* which) -> result_of<patch> {
        result_of<patch> p =
            make_patch(base.db, lang ? &base.lang : nullptr, game.db, lang ? &game.lang : nullptr);
        if (!p)
            return result::failure(
                result::code::refused, p.where,
                {QIRA_TR("qira::patch", "the base game and game %1 cannot be compared: %2"),
                 {which, p.shown()}});
        return p;
    };
    result_of<patch> pa = from_base(a, "A");
    if (!pa)
        return pa.outcome();
    result_of<patch> pb = from_base(b, "B");
    if (!pb)
        return pb.outcome();
    result_of<merged_patches> made = merge_patches(pa.value, pb.value, prefer, &base.db);
    if (!made || (prefer == merge_side::none && !made.value.conflicts.empty()))
        return made;
    const patch_applied applied = apply_patch(base, made.value.merged);
    if (!applied.ok())
        return result::failure(
            result::code::refused, {},
            {QIRA_TR("qira::patch", "the merged changes do not apply to the base game: %1"),
             {applied.conflicts.front().shown()}});
    return made;
}

} // namespace qira
