#include "patch/patch.h"

#include "editing/references.h"
#include "editing/table_edits.h"
#include "fileio/utf8.h"
#include "patch/patch_parts.h"

#include <algorithm>
#include <span>
#include <unordered_map>

namespace qira {

namespace patch_parts {

namespace {

// A conflict at the place the message names ("table 4 row 12 field height: "), or, without a
// table, worded whole.
result conflict(place at, wording problem) {
    return result::failure(result::code::conflict, std::move(at), std::move(problem));
}

// Where the conflicts of a check go, each with what it is about.
struct conflict_sink {
    full_plan& plan;
    void add(conflict_item item, result r) {
        plan.conflicts.push_back(std::move(r));
        plan.items.push_back(item);
    }
};

using part = conflict_item::part;

// Whether the table is the one the patch says it is: a conflict where they differ.
result table_mismatch(const database& db, const table_patch& tp) {
    const std::string index = std::to_string(tp.index);
    if (!db.has_table(tp.index))
        return conflict(
            {.table = tp.index},
            {QIRA_TR("qira::patch", "the database has %1 tables, the patch changes table %2"),
             {std::to_string(db.table_count()), index}});
    const db_table& table = db.tables[tp.index];
    if (table.name != tp.name)
        return conflict({}, {QIRA_TR("qira::patch", "table %1 is %2, the patch is for %3"),
                             {index, show_text(table.name), show_text(tp.name)}});
    if (kind_counts(table) != tp.kinds || table.fields.size() != tp.fields.size())
        return conflict({},
                        {QIRA_TR("qira::patch", "table %1 has other fields than the patch's %2"),
                         {index, show_text(tp.name)}});
    for (std::size_t f = 0; f < tp.fields.size(); ++f)
        if (table.fields[f].name != tp.fields[f])
            return conflict({},
                            {QIRA_TR("qira::patch", "table %1 field %2 is %3, the patch's is %4"),
                             {index, std::to_string(f), show_text(table.fields[f].name),
                              show_text(tp.fields[f])}});
    return result::success();
}

// Whether two lists of the words no field covers say the same, a word one list lacks reading as
// zero (a row's words past the table's hold nothing).
bool same_words(std::span<const std::uint32_t> a, std::span<const std::uint32_t> b) {
    if (a.size() < b.size())
        std::swap(a, b);
    return std::equal(b.begin(), b.end(), a.begin()) &&
           std::all_of(a.begin() + static_cast<std::ptrdiff_t>(b.size()), a.end(),
                       [](std::uint32_t w) { return w == 0; });
}

// Whether row r of table t is the patch's copy of the row it removes: a conflict at the first
// difference ("players: Ann (keys 12, rank 0) (removed by the patch) field height: holds 1,
// patch expects 2"). `title` names the row.
result row_difference(const database& db, int t, int r, const patch_row& expected,
                      const std::string& title) {
    const db_table& table = db.tables[t];
    const db_overall_data& row = db.rows(t)[static_cast<std::size_t>(r)];
    if (expected.values.size() != row.values.size())
        return conflict(
            {},
            {QIRA_TR("qira::patch",
                     "%1 (removed by the patch) it has %2 values, the patch's row %3"),
             {title, std::to_string(row.values.size()), std::to_string(expected.values.size())}});
    for (int f = table.key_count; f < table.field_count(); ++f) {
        const cell c = *field_cell(table, t, f);
        const cell_value have = read_cell(row, c.place());
        const cell_value want = read_cell(expected, c.place());
        if (have != want)
            return conflict(
                {}, {QIRA_TR("qira::patch",
                             "%1 (removed by the patch) field %2: holds %3, patch expects %4"),
                     {title, printable(table.fields[f].name), show(c, have), show(c, want)}});
    }
    // The bits no field covers too: taking the patch back gives the row the patch's. Words past
    // the table's that hold nothing are no difference (as for a changed row's).
    if (!same_words(undecoded_words(db, t, static_cast<std::size_t>(r)), expected.stored))
        return conflict({}, {QIRA_TR("qira::patch", "%1 (removed by the patch) the bits no field "
                                                    "covers are not what the patch expects"),
                             {title}});
    return result::success();
}

// Whether `stored` of a row the patch holds has the table's length: none, or a word for each word
// of the packed area ("players: keys 5, rank 0 (removed by the patch): \"stored\" holds 3 words,
// the table's rows need 2"). `title` names the row.
result stored_length(const std::string& title, const wording& role,
                     const std::vector<std::uint32_t>& stored, std::size_t needed) {
    const std::size_t words = stored.size();
    if (words == 0 || words == needed)
        return result::success();
    // Words past the table's that hold nothing lose nothing (the rows of a table saved without
    // rows are read back as narrow as its fields).
    if (words > needed && std::all_of(stored.begin() + static_cast<std::ptrdiff_t>(needed),
                                      stored.end(), [](std::uint32_t w) { return w == 0; }))
        return result::success();
    return conflict(
        {}, {words == 1 ? QIRA_TR("qira::patch",
                                  "%1 (%2): \"stored\" holds %3 word, the table's rows need %4")
                        : QIRA_TR("qira::patch",
                                  "%1 (%2): \"stored\" holds %3 words, the table's rows need %4"),
             {title, role, std::to_string(words), std::to_string(needed)}});
}

// Whether the fields of a row the patch adds can hold what the patch gives them: a conflict at
// the first that cannot ("players: Ann (keys 5, rank 0) (added by the patch) field height: 300
// does not fit in 8 bits"). `title` names the row.
result unfit_row(const database& db, int t, const placed_row& pr, const std::string& title) {
    const db_table& table = db.tables[t];
    for (int f = table.key_count; f < table.field_count(); ++f) {
        const cell c = *field_cell(table, t, f);
        if (auto fits = check_value(db, c, read_cell(pr.contents, c.place())); !fits)
            return conflict({}, {QIRA_TR("qira::patch", "%1 (added by the patch) field %2: %3"),
                                 {title, printable(table.fields[f].name), fits.shown()}});
    }
    return result::success();
}

// What checking one table's part of the patch works with: the table's rows found by their keys
// and rank, the plan it fills, the conflicts it finds, and what the rows the patch removes leave.
struct table_check {
    table_check(const database& db_, const table_patch& tp_, int k_, table_plan& plan_,
                conflict_sink& conflicts_)
        : db(db_), tp(tp_), k(k_), plan(plan_), conflicts(conflicts_), t(tp_.index),
          table(db_.tables[tp_.index]), ca(key_count(db_, tp_.index)),
          name(table_title(db_, tp_.index)), rows(db_.rows(tp_.index)),
          ids(row_ids(db_, tp_.index)), packed_words(undecoded_mask(db_, tp_.index).size()) {
        index.reserve(ids.size());
        for (int r = 0; r < static_cast<int>(rows.size()); ++r)
            index.emplace(ids[r], r);
    }

    // The row with the id, or -1.
    int find(const row_id& id) const {
        auto it = index.find(id);
        return it == index.end() ? -1 : it->second;
    }

    // The title of a row of the game (r >= 0), named as the game names it, or of a row the
    // patch names that the game does not have (by the name of the patch's copy, if any).
    std::string title(int r) const {
        return row_title(name, row_name(db, t, r), ids[static_cast<std::size_t>(r)], ca);
    }
    std::string title(const row_id& id, const patch_row* copy = nullptr) const {
        return row_title(name, copy ? row_name(t, copy->strings) : std::string(), id, ca);
    }
    place at(int r) const { return {.table = t, .row = r, .row_title = title(r)}; }

    void add(part what, std::size_t item, result r, std::size_t field = 0,
             bool differs_only = false) {
        conflicts.add({what, k, static_cast<std::uint32_t>(item), static_cast<std::uint32_t>(field),
                       differs_only},
                      std::move(r));
    }

    // Whether `stored` of a row the patch holds has the table's length; a conflict where not.
    bool stored_fits(part what, std::size_t item, const std::vector<std::uint32_t>& stored,
                     const std::string& row, const wording& role) {
        result fits = stored_length(row, role, stored, packed_words);
        const bool ok = fits.ok();
        if (!ok)
            add(what, item, std::move(fits));
        return ok;
    }

    const database& db;
    const table_patch& tp;
    const int k; // the table patch's place in the patch
    table_plan& plan;
    conflict_sink& conflicts;
    const int t;
    const db_table& table;
    const int ca;           // the key fields that identify the rows
    const std::string name; // "players", as messages start
    const std::span<const db_overall_data> rows;
    const std::vector<row_id> ids;
    std::unordered_map<row_id, int, row_id_hash> index;
    // The row each removed row was, by its id, and how many rows with each keys are removed.
    std::unordered_map<row_id, int, row_id_hash> removed_at;
    std::unordered_map<key_tuple, int, key_hash> removed_keys;
    const std::size_t packed_words; // the words of the bits no field covers
};

// The rows the patch removes: each must be there once, as the patch's copy of it.
void plan_removed_rows(table_check& check) {
    table_plan& plan = check.plan;
    const int t = check.t;
    for (std::size_t i = 0; i < check.tp.removed.size(); ++i) {
        const placed_row& pr = check.tp.removed[i];
        if (!check.stored_fits(part::removed, i, pr.contents.stored,
                               check.title(pr.row, &pr.contents),
                               QIRA_TR("qira::patch", "removed by the patch")))
            continue;
        const int r = check.find(pr.row);
        if (r < 0) {
            check.add(part::removed, i,
                      conflict({.table = t, .row_title = check.title(pr.row, &pr.contents)},
                               QIRA_TR("qira::patch", "missing, patch removes it")));
            continue;
        }
        if (plan.removed[r]) {
            check.add(part::removed, i,
                      conflict(check.at(r), QIRA_TR("qira::patch", "the patch removes it twice")));
            continue;
        }
        if (auto diff = row_difference(check.db, t, r, pr.contents, check.title(r)); !diff) {
            // Removed over what it holds now, the row goes all the same.
            check.add(part::removed, i, std::move(diff), 0,
                      pr.contents.values.size() == check.rows[r].values.size());
            continue;
        }
        plan.removed[r] = 1;
        check.removed_at.emplace(pr.row, r);
        ++check.removed_keys[pr.row.keys];
    }
}

// The fields the patch changes in row r: each a field of the row, changed once, from what the
// row holds to what fits the field.
void plan_field_changes(table_check& check, std::size_t index, int r) {
    const changed_row& rc = check.tp.changed[index];
    const db_table& table = check.table;
    const int t = check.t;
    std::vector<char> seen(table.fields.size(), 0);
    for (std::size_t i = 0; i < rc.fields.size(); ++i) {
        const field_change fc = rc.fields[i];
        const auto c = field_cell(table, t, fc.field);
        if (!c || (c->part == row_part::value &&
                   static_cast<std::size_t>(c->index) >= check.rows[r].values.size())) {
            check.add(part::field, index,
                      conflict(check.at(r),
                               {QIRA_TR("qira::patch", "the patch changes field %1, which is no "
                                                       "extra, text or value of the table"),
                                {std::to_string(fc.field)}}),
                      i);
            continue;
        }
        if (seen[static_cast<std::size_t>(fc.field)]) {
            check.add(
                part::field, index,
                conflict(check.at(r), {QIRA_TR("qira::patch", "the patch changes field %1 twice"),
                                       {std::to_string(fc.field)}}),
                i);
            continue;
        }
        seen[static_cast<std::size_t>(fc.field)] = 1;
        place at = check.at(r);
        at.field = table.fields[fc.field].name;
        cell where = *c;
        where.row = r;
        // What the field holds before and after must fit it, as the grid would take it.
        result fits = check_value(check.db, where, fc.before);
        if (fits)
            fits = check_value(check.db, where, fc.after);
        if (!fits) {
            check.add(part::field, index, conflict(at, fits.shown()), i);
            continue;
        }
        const cell_value have = read_cell(check.rows[r], where.place());
        if (have != fc.before)
            check.add(part::field, index,
                      conflict(at, {QIRA_TR("qira::patch", "holds %1, patch expects %2"),
                                    {show(where, have), show(where, fc.before)}}),
                      i, true);
    }
}

// The rows the patch changes: each there, listed once and not removed, its fields and the bits
// no field covers as the patch expects them.
void plan_changed_rows(table_check& check) {
    table_plan& plan = check.plan;
    const int t = check.t;
    std::vector<char> changed(check.rows.size(), 0);
    plan.changed_at.reserve(check.tp.changed.size());
    for (std::size_t i = 0; i < check.tp.changed.size(); ++i) {
        const changed_row& rc = check.tp.changed[i];
        const int r = check.find(rc.row);
        if (r < 0) {
            // Every change of the row conflicts.
            for (std::size_t f = 0; f < rc.fields.size(); ++f)
                check.add(part::field, i,
                          conflict({.table = t, .row_title = check.title(rc.row)},
                                   QIRA_TR("qira::patch", "missing, patch changes it")),
                          f);
            if (!rc.stored_after.empty())
                check.add(part::stored, i,
                          conflict({.table = t, .row_title = check.title(rc.row)},
                                   QIRA_TR("qira::patch", "missing, patch changes it")));
            continue;
        }
        if (changed[r] || plan.removed[r]) {
            check.add(part::field, i,
                      conflict(check.at(r), QIRA_TR("qira::patch", "the patch lists it twice")));
            continue;
        }
        changed[r] = 1;
        plan.changed_at.push_back(r);
        plan_field_changes(check, i, r);
        // (The patch's reader makes sure that there are as many words before as after.)
        if (!rc.stored_after.empty() &&
            check.stored_fits(part::stored, i, rc.stored_after, check.title(r),
                              QIRA_TR("qira::patch", "changed by the patch"))) {
            if (!same_words(undecoded_words(check.db, t, static_cast<std::size_t>(r)),
                            rc.stored_before))
                check.add(
                    part::stored, i,
                    conflict(check.at(r), QIRA_TR("qira::patch", "the bits no field covers are not "
                                                                 "what the patch expects")),
                    0, true);
            else
                plan.stored_rows.emplace_back(r, i);
        }
    }
}

// The rows the patch adds: each after a row that stays, whole and fitting the table's fields,
// and not already there (rows with the same keys count as there up to its rank).
void plan_added_rows(table_check& check) {
    table_plan& plan = check.plan;
    const int t = check.t;
    const int ca = check.ca;
    std::unordered_map<key_tuple, int, key_hash> key_counts;
    if (ca > 0 && !check.tp.added.empty()) {
        key_counts.reserve(check.ids.size());
        for (const row_id& id : check.ids)
            ++key_counts[id.keys];
    }
    std::unordered_map<row_id, int, row_id_hash> added_ids;
    for (std::size_t i = 0; i < check.tp.added.size(); ++i) {
        const placed_row& pr = check.tp.added[i];
        const std::string title = check.title(pr.row, &pr.contents);
        const place at{.table = t, .row_title = title};
        int anchor = -1;
        if (pr.after) {
            anchor = check.find(*pr.after);
            if (anchor < 0 || plan.removed[anchor]) {
                check.add(
                    part::added, i,
                    conflict(at, {QIRA_TR("qira::patch", "the row it follows (%1) is missing"),
                                  {row_id_text(*pr.after, ca)}}));
                anchor = -1;
            }
        }
        if (pr.contents.values.size() != static_cast<std::size_t>(check.table.packed_count))
            check.add(
                part::added, i,
                conflict(at, {QIRA_TR("qira::patch", "the added row has %1 values, the table %2"),
                              {std::to_string(pr.contents.values.size()),
                               std::to_string(check.table.packed_count)}}));
        else if (auto unfit = unfit_row(check.db, t, pr, title); !unfit)
            check.add(part::added, i, std::move(unfit));
        else
            check.stored_fits(part::added, i, pr.contents.stored, title,
                              QIRA_TR("qira::patch", "added by the patch"));
        if (ca > 0) {
            auto held = key_counts.find(pr.row.keys);
            const int present = held == key_counts.end() ? 0 : held->second;
            auto gone = check.removed_keys.find(pr.row.keys);
            const int left = present - (gone == check.removed_keys.end() ? 0 : gone->second);
            if (left > pr.row.rank || !added_ids.emplace(pr.row, 0).second)
                check.add(part::added, i,
                          conflict(at, QIRA_TR("qira::patch", "already there, patch adds it")));
        }
        plan.anchors.push_back(anchor);
        auto moved = check.removed_at.find(pr.row);
        plan.reuse.push_back(moved == check.removed_at.end() ? -1 : moved->second);
    }
}

// Whether the table, with the patch's rows removed and added, stays within what a database file
// can hold: a conflict where not.
void check_rows_after(table_check& check) {
    const table_patch& tp = check.tp;
    const std::int64_t count = static_cast<std::int64_t>(check.rows.size()) -
                               static_cast<std::int64_t>(tp.removed.size()) +
                               static_cast<std::int64_t>(tp.added.size());
    const std::int64_t words = count * std::max(check.db.overall[check.t].words_per_row, 0);
    if (count > max_rows || static_cast<std::uint64_t>(words) > max_row_words)
        check.conflicts.add(
            {part::table, check.k},
            conflict({}, {QIRA_TR("qira::patch", "%1 would hold %2 rows (%3 row words); at most "
                                                 "%4 rows and %5 row words are allowed"),
                          {check.name, std::to_string(count), std::to_string(words),
                           std::to_string(max_rows), std::to_string(max_row_words)}}));
}

void plan_table(const database& db, const table_patch& tp, int k, table_plan& plan,
                conflict_sink& conflicts) {
    if (auto mismatch = table_mismatch(db, tp); !mismatch) {
        conflicts.add({part::table, k}, std::move(mismatch));
        return;
    }
    table_check check(db, tp, k, plan, conflicts);
    const int n = static_cast<int>(check.rows.size());
    if (check.ca == 0 && n != tp.rows_before)
        conflicts.add(
            {part::table, k},
            conflict({}, {QIRA_TR("qira::patch", "%1 holds %2 rows, patch expects %3"),
                          {check.name, std::to_string(n), std::to_string(tp.rows_before)}}));
    plan.t = check.t;
    plan.removed.assign(check.rows.size(), 0);
    plan.reshapes = !tp.removed.empty() || !tp.added.empty();
    plan_removed_rows(check);
    plan_changed_rows(check);
    plan_added_rows(check);
    check_rows_after(check);
}

// What checking the patch's language entries works with: the entries found by their key and
// rank, the plan it fills, the conflicts it finds, and how many entries of each key it removes.
// Conflicts of language entries are worded whole ("language entry key 5: missing, patch removes
// it"): their place is no table's.
struct language_check {
    language_check(const string_table& lang_, const language_patch& lp_, language_plan& plan_,
                   conflict_sink& conflicts_)
        : lang(lang_), lp(lp_), plan(plan_), conflicts(conflicts_), ids(entry_ids(lang_)) {
        index.reserve(ids.size());
        for (int i = 0; i < static_cast<int>(ids.size()); ++i)
            index.emplace(ids[i], i);
    }

    // The entry with the id, or -1.
    int find(const entry_id& id) const {
        auto it = index.find(id);
        return it == index.end() ? -1 : it->second;
    }

    void entry_conflict(part what, std::size_t item, wording text, bool differs_only = false) {
        conflicts.add({what, -1, static_cast<std::uint32_t>(item), 0, differs_only},
                      conflict({}, std::move(text)));
    }

    const string_table& lang;
    const language_patch& lp;
    language_plan& plan;
    conflict_sink& conflicts;
    const std::vector<entry_id> ids;
    std::unordered_map<entry_id, int, entry_id_hash> index;
    std::unordered_map<std::int32_t, int> removed_keys;
};

// The entries the patch removes: each there once, with the text the patch expects.
void plan_removed_entries(language_check& check) {
    language_plan& plan = check.plan;
    for (std::size_t n = 0; n < check.lp.removed.size(); ++n) {
        const placed_entry& pe = check.lp.removed[n];
        const int i = check.find(pe.entry);
        if (i < 0 || plan.removed[i]) {
            check.entry_conflict(
                part::entry_removed, n,
                {QIRA_TR("qira::patch", "language entry %1: missing, patch removes it"),
                 {show_entry(pe.entry)}});
            continue;
        }
        if (check.lang.entry(i).text != pe.text) {
            check.entry_conflict(
                part::entry_removed, n,
                {QIRA_TR("qira::patch", "language entry %1: holds %2, patch expects %3"),
                 {show_entry(pe.entry), show_text(check.lang.entry(i).text), show_text(pe.text)}},
                true);
            continue;
        }
        plan.removed[i] = 1;
        ++check.removed_keys[pe.entry.key];
    }
}

// The entries the patch changes: each there, listed once and not removed, with the text the
// patch expects before.
void plan_changed_entries(language_check& check) {
    language_plan& plan = check.plan;
    std::vector<char> changed(check.ids.size(), 0);
    for (std::size_t n = 0; n < check.lp.changed.size(); ++n) {
        const entry_change& ec = check.lp.changed[n];
        const int i = check.find(ec.entry);
        if (i < 0) {
            check.entry_conflict(
                part::entry_changed, n,
                {QIRA_TR("qira::patch", "language entry %1: missing, patch changes it"),
                 {show_entry(ec.entry)}});
            continue;
        }
        if (changed[i] || plan.removed[i]) {
            check.entry_conflict(
                part::entry_changed, n,
                {QIRA_TR("qira::patch", "language entry %1: the patch lists it twice"),
                 {show_entry(ec.entry)}});
            continue;
        }
        changed[i] = 1;
        if (check.lang.entry(i).text != ec.before)
            check.entry_conflict(
                part::entry_changed, n,
                {QIRA_TR("qira::patch", "language entry %1: holds %2, patch expects %3"),
                 {show_entry(ec.entry), show_text(check.lang.entry(i).text), show_text(ec.before)}},
                true);
        plan.changed.push_back(i);
    }
}

// The entries the patch adds: each after an entry that stays, and not already there (entries
// with the same key count as there up to its rank).
void plan_added_entries(language_check& check) {
    language_plan& plan = check.plan;
    std::unordered_map<std::int32_t, int> key_counts;
    if (!check.lp.added.empty())
        for (const entry_id& id : check.ids)
            ++key_counts[id.key];
    std::unordered_map<entry_id, int, entry_id_hash> added_ids;
    for (std::size_t n = 0; n < check.lp.added.size(); ++n) {
        const placed_entry& pe = check.lp.added[n];
        int anchor = -1;
        if (pe.after) {
            anchor = check.find(*pe.after);
            if (anchor < 0 || plan.removed[anchor]) {
                check.entry_conflict(part::entry_added, n,
                                     {QIRA_TR("qira::patch", "language entry %1, which the added "
                                                             "entry %2 follows, is missing"),
                                      {show_entry(*pe.after), show_entry(pe.entry)}});
                anchor = -1;
            }
        }
        const int left = key_counts[pe.entry.key] - check.removed_keys[pe.entry.key];
        if (left > pe.entry.rank || !added_ids.emplace(pe.entry, 0).second)
            check.entry_conflict(
                part::entry_added, n,
                {QIRA_TR("qira::patch", "language entry %1: already there, patch adds it"),
                 {show_entry(pe.entry)}});
        plan.anchors.push_back(anchor);
    }
}

void plan_language(const string_table& lang, const language_patch& lp, language_plan& plan,
                   conflict_sink& conflicts) {
    language_check check(lang, lp, plan, conflicts);
    plan.removed.assign(check.ids.size(), 0);
    plan_removed_entries(check);
    plan_changed_entries(check);
    plan_added_entries(check);
    const std::size_t count = check.ids.size() - lp.removed.size() + lp.added.size();
    if (count > max_language_entries)
        check.conflicts.add(
            {part::table, -1},
            conflict({}, {QIRA_TR("qira::patch", "the language file would hold %1 entries; at "
                                                 "most %2 are allowed"),
                          {std::to_string(count), std::to_string(max_language_entries)}}));
}

} // namespace

full_plan plan_patch(const database& db, const string_table* lang, const patch& p) {
    full_plan plan;
    conflict_sink sink{plan};
    plan.tables.resize(p.tables.size());
    for (std::size_t k = 0; k < p.tables.size(); ++k) {
        for (std::size_t m = 0; m < k; ++m)
            if (p.tables[m].index == p.tables[k].index) {
                sink.add({part::whole},
                         conflict({.table = p.tables[k].index},
                                  QIRA_TR("qira::patch", "the patch lists it twice")));
                return plan;
            }
        plan_table(db, p.tables[k], static_cast<int>(k), plan.tables[k], sink);
    }
    if (!p.language.empty()) {
        if (lang == nullptr)
            sink.add(
                {part::table, -1},
                conflict({}, QIRA_TR("qira::patch", "the patch changes language entries, and no "
                                                    "language file is given")));
        else
            plan_language(*lang, p.language, plan.language, sink);
    }
    return plan;
}

} // namespace patch_parts

std::vector<result> check_patch(const database& db, const string_table* lang, const patch& p,
                                bool reverse) {
    std::optional<string_table> copy;
    const string_table* saved = lang == nullptr ? nullptr : &patch_parts::as_saved(db, *lang, copy);
    if (reverse)
        return patch_parts::plan_patch(db, saved, reversed(p)).conflicts;
    return patch_parts::plan_patch(db, saved, p).conflicts;
}

} // namespace qira
