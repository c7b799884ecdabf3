#include "editing/patch.h"

#include "dbfile/bits.h"
#include "editing/json_writer.h"

#include <algorithm>
#include <unordered_map>

namespace qira {

namespace {

using key_tuple = std::array<std::int32_t, 4>;

std::size_t mix(std::size_t h, std::uint32_t v) {
    return (h ^ v) * 0x9E3779B97F4A7C15ull + 0x7F4A7C15u;
}

struct key_hash {
    std::size_t operator()(const key_tuple& k) const {
        std::size_t h = 0;
        for (std::int32_t v : k)
            h = mix(h, static_cast<std::uint32_t>(v));
        return h;
    }
};

struct row_id_hash {
    std::size_t operator()(const row_id& id) const {
        return mix(key_hash{}(id.keys), static_cast<std::uint32_t>(id.rank));
    }
};

struct entry_id_hash {
    std::size_t operator()(const entry_id& id) const {
        return mix(mix(0, static_cast<std::uint32_t>(id.key)), static_cast<std::uint32_t>(id.rank));
    }
};

int key_count(const database& db, int t) {
    return std::clamp(db.tables[t].key_count, 0, 4);
}

key_tuple keys_of(const db_overall_data& row, int ca) {
    key_tuple k{};
    for (int i = 0; i < ca; ++i)
        k[i] = row.keys[i];
    return k;
}

// Every row's keys and rank among the rows with the same keys.
std::vector<row_id> row_ids(const database& db, int t) {
    const int ca = key_count(db, t);
    const auto rows = db.rows(t);
    std::vector<row_id> ids(rows.size());
    std::unordered_map<key_tuple, std::int32_t, key_hash> seen;
    seen.reserve(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        ids[r].keys = keys_of(rows[r], ca);
        ids[r].rank = seen[ids[r].keys]++;
    }
    return ids;
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

// How two sequences of identified items line up: the items of both that stay (in the same order
// in both: the longest such run of matched items), the others removed from the first or added in
// the second, each with the item it follows among those that stay (-1: none).
struct alignment {
    std::vector<std::pair<int, int>> kept;    // (index in a, index in b), both ascending
    std::vector<std::pair<int, int>> removed; // (index in a, the kept index in a it follows)
    std::vector<std::pair<int, int>> added;   // (index in b, the kept index in b it follows)
};

template <typename Id, typename Hash>
alignment align(const std::vector<Id>& a, const std::vector<Id>& b) {
    alignment out;
    const int na = static_cast<int>(a.size()), nb = static_cast<int>(b.size());
    std::vector<char> kept_a(a.size(), 0), kept_b(b.size(), 0);
    if (a == b) {
        out.kept.reserve(a.size());
        for (int i = 0; i < na; ++i)
            out.kept.emplace_back(i, i);
        return out;
    }
    std::unordered_map<Id, int, Hash> index_a;
    index_a.reserve(a.size());
    for (int i = 0; i < na; ++i)
        index_a.emplace(a[i], i);
    // Matched items in b's order, by their index in a; the longest increasing run of those stays.
    std::vector<std::pair<int, int>> matched; // (j, i)
    for (int j = 0; j < nb; ++j)
        if (auto it = index_a.find(b[j]); it != index_a.end())
            matched.emplace_back(j, it->second);
    std::vector<int> tails;                  // index into matched of the run's end by length
    std::vector<int> before(matched.size()); // the previous element of the run through each
    for (int m = 0; m < static_cast<int>(matched.size()); ++m) {
        const int i = matched[m].second;
        const auto pos = std::lower_bound(tails.begin(), tails.end(), i,
                                          [&](int t, int v) { return matched[t].second < v; });
        before[m] = pos == tails.begin() ? -1 : *(pos - 1);
        if (pos == tails.end())
            tails.push_back(m);
        else
            *pos = m;
    }
    for (int m = tails.empty() ? -1 : tails.back(); m >= 0; m = before[m])
        out.kept.emplace_back(matched[m].second, matched[m].first);
    std::reverse(out.kept.begin(), out.kept.end());
    for (auto [i, j] : out.kept) {
        kept_a[i] = 1;
        kept_b[j] = 1;
    }
    for (int i = 0, last = -1; i < na; ++i) {
        if (kept_a[i])
            last = i;
        else
            out.removed.emplace_back(i, last);
    }
    for (int j = 0, last = -1; j < nb; ++j) {
        if (kept_b[j])
            last = j;
        else
            out.added.emplace_back(j, last);
    }
    return out;
}

patch_row row_contents(const database& db, int t, const db_overall_data& row) {
    const db_table& table = db.tables[t];
    patch_row p;
    p.keys = keys_of(row, key_count(db, t));
    for (int i = 0; i < std::clamp(table.extra_count, 0, 4); ++i)
        p.extras[i] = row.extras[i];
    for (int i = 0; i < std::clamp(table.string_ref_count, 0, 4); ++i)
        p.strings[i] = row.strings[static_cast<std::size_t>(i)];
    p.values.assign(row.values.begin(), row.values.end());
    return p;
}

// Whether the field is an extra, a text or a packed value, and its content in a row.
std::optional<cell> field_cell(const db_table& table, int t, int field) {
    const int ca = table.key_count, cb = table.extra_count, cc = table.string_ref_count;
    if (field < ca || field >= table.field_count())
        return std::nullopt;
    if (field < ca + cb)
        return cell{t, 0, row_part::extra, field - ca};
    if (field < ca + cb + cc)
        return cell{t, 0, row_part::text, field - ca - cb};
    return cell{t, 0, row_part::value, field - ca - cb - cc};
}

cell_value read_field(const db_overall_data& row, const cell& c) {
    const auto i = static_cast<std::size_t>(c.index);
    switch (c.part) {
    case row_part::extra:
        return {static_cast<std::uint32_t>(row.extras[i]), {}};
    case row_part::text:
        return {0, row.strings[i]};
    case row_part::value:
        return {i < row.values.size() ? row.values[i] : 0u, {}};
    default:
        return {};
    }
}

void write_field(db_overall_data& row, const cell& c, const cell_value& v) {
    const auto i = static_cast<std::size_t>(c.index);
    switch (c.part) {
    case row_part::extra:
        row.extras[i] = static_cast<std::int32_t>(v.number);
        break;
    case row_part::text:
        row.strings[i] = v.text;
        break;
    case row_part::value:
        if (i < row.values.size())
            row.values[i] = v.number;
        break;
    default:
        break;
    }
}

std::string show(const cell& c, const cell_value& v) {
    if (c.part == row_part::text) {
        std::string out;
        append_json_string(out, v.text);
        return out;
    }
    if (c.part == row_part::extra)
        return std::to_string(static_cast<std::int32_t>(v.number));
    return std::to_string(v.number);
}

std::string show_id(const row_id& id, int ca) {
    if (ca == 0)
        return "row " + std::to_string(id.rank);
    std::string s = "keys [";
    for (int i = 0; i < ca; ++i)
        s += (i > 0 ? ", " : "") + std::to_string(id.keys[i]);
    s += "]";
    if (id.rank > 0)
        s += " rank " + std::to_string(id.rank);
    return s;
}

std::string show_text(const std::string& text) {
    std::string out;
    append_json_string(out, text);
    return out;
}

// Where the rows of a table differ from what the patch says the table is; empty when they agree.
std::optional<std::string> table_mismatch(const database& db, const table_patch& tp) {
    const std::string name = "table " + std::to_string(tp.index);
    if (!db.has_table(tp.index))
        return name + ": the database has " + std::to_string(db.table_count()) +
               " tables, the patch changes table " + std::to_string(tp.index);
    const db_table& table = db.tables[tp.index];
    if (table.name != tp.name)
        return name + " is " + show_text(table.name) + ", the patch is for " + show_text(tp.name);
    const std::array<int, 4> kinds{table.key_count, table.extra_count, table.string_ref_count,
                                   table.packed_count};
    if (kinds != tp.kinds || table.fields.size() != tp.fields.size())
        return name + " has other fields than the patch's " + show_text(tp.name);
    for (std::size_t f = 0; f < tp.fields.size(); ++f)
        if (table.fields[f].name != tp.fields[f])
            return name + " field " + std::to_string(f) + " is " + show_text(table.fields[f].name) +
                   ", the patch's is " + show_text(tp.fields[f]);
    return std::nullopt;
}

// The first difference between a row and the patch's copy of it, or nothing.
std::optional<std::string> row_difference(const database& db, int t, const db_overall_data& row,
                                          const patch_row& expected) {
    const db_table& table = db.tables[t];
    if (expected.values.size() != row.values.size())
        return "it has " + std::to_string(row.values.size()) + " values, the patch's row " +
               std::to_string(expected.values.size());
    for (int f = table.key_count; f < table.field_count(); ++f) {
        const cell c = *field_cell(table, t, f);
        const cell_value have = read_field(row, c);
        cell_value want;
        switch (c.part) {
        case row_part::extra:
            want.number = static_cast<std::uint32_t>(expected.extras[c.index]);
            break;
        case row_part::text:
            want.text = expected.strings[c.index];
            break;
        default:
            want.number = static_cast<std::size_t>(c.index) < expected.values.size()
                              ? expected.values[static_cast<std::size_t>(c.index)]
                              : 0u;
        }
        if (have != want)
            return "field " + table.fields[f].name + ": holds " + show(c, have) +
                   ", patch expects " + show(c, want);
    }
    return std::nullopt;
}

// What a table patch does to the rows of the database it applies to.
struct table_plan {
    int t = 0;
    std::vector<char> removed;                      // per row
    std::vector<std::pair<int, cell>> change_cells; // (row, cell) per field change, in order
    std::vector<int> anchors;                       // per added row: the row it follows, or -1
    std::vector<int> reuse;                         // per added row: a removed row's words, or -1
    bool reshapes = false;
};

void plan_table(const database& db, const table_patch& tp, table_plan& plan,
                std::vector<std::string>& conflicts) {
    if (auto mismatch = table_mismatch(db, tp)) {
        conflicts.push_back(*mismatch);
        return;
    }
    const int t = tp.index;
    const db_table& table = db.tables[t];
    const int ca = key_count(db, t);
    const std::string name = "table " + std::to_string(t);
    const auto rows = db.rows(t);
    const int n = static_cast<int>(rows.size());
    if (ca == 0 && n != tp.rows_before)
        conflicts.push_back(name + " holds " + std::to_string(n) + " rows, patch expects " +
                            std::to_string(tp.rows_before));

    const std::vector<row_id> ids = row_ids(db, t);
    std::unordered_map<row_id, int, row_id_hash> index;
    index.reserve(ids.size());
    for (int r = 0; r < n; ++r)
        index.emplace(ids[r], r);
    const auto find = [&](const row_id& id) {
        auto it = index.find(id);
        return it == index.end() ? -1 : it->second;
    };

    plan.t = t;
    plan.removed.assign(rows.size(), 0);
    plan.reshapes = !tp.removed.empty() || !tp.added.empty();
    std::unordered_map<row_id, int, row_id_hash> removed_at;
    std::unordered_map<key_tuple, int, key_hash> removed_keys;
    for (const placed_row& pr : tp.removed) {
        const int r = find(pr.row);
        if (r < 0) {
            conflicts.push_back(name + ": no row with " + show_id(pr.row, ca) +
                                ", patch removes it");
            continue;
        }
        if (plan.removed[r]) {
            conflicts.push_back(name + " row " + std::to_string(r) +
                                ": the patch removes it twice");
            continue;
        }
        if (auto diff = row_difference(db, t, rows[r], pr.contents)) {
            conflicts.push_back(name + " row " + std::to_string(r) + " (removed by the patch) " +
                                *diff);
            continue;
        }
        plan.removed[r] = 1;
        removed_at.emplace(pr.row, r);
        ++removed_keys[pr.row.keys];
    }

    std::vector<char> changed(rows.size(), 0);
    for (const changed_row& rc : tp.changed) {
        const int r = find(rc.row);
        if (r < 0) {
            conflicts.push_back(name + ": no row with " + show_id(rc.row, ca) +
                                ", patch changes it");
            continue;
        }
        if (changed[r] || plan.removed[r]) {
            conflicts.push_back(name + " row " + std::to_string(r) + ": the patch lists it twice");
            continue;
        }
        changed[r] = 1;
        std::vector<char> seen(table.fields.size(), 0);
        for (const field_change& fc : rc.fields) {
            const auto c = field_cell(table, t, fc.field);
            if (!c || (c->part == row_part::value &&
                       static_cast<std::size_t>(c->index) >= rows[r].values.size())) {
                conflicts.push_back(name + " row " + std::to_string(r) + ": the patch changes " +
                                    "field " + std::to_string(fc.field) + ", which is no " +
                                    "extra, text or value of the table");
                continue;
            }
            if (seen[static_cast<std::size_t>(fc.field)]) {
                conflicts.push_back(name + " row " + std::to_string(r) + ": the patch changes " +
                                    "field " + std::to_string(fc.field) + " twice");
                continue;
            }
            seen[static_cast<std::size_t>(fc.field)] = 1;
            const std::string& field = table.fields[fc.field].name;
            const cell_value have = read_field(rows[r], *c);
            if (have != fc.before)
                conflicts.push_back(name + " row " + std::to_string(r) + " field " + field +
                                    ": holds " + show(*c, have) + ", patch expects " +
                                    show(*c, fc.before));
            else
                plan.change_cells.emplace_back(r, *c);
        }
    }

    std::unordered_map<key_tuple, int, key_hash> key_counts;
    if (ca > 0 && !tp.added.empty()) {
        key_counts.reserve(ids.size());
        for (const row_id& id : ids)
            ++key_counts[id.keys];
    }
    std::unordered_map<row_id, int, row_id_hash> added_ids;
    for (const placed_row& pr : tp.added) {
        int anchor = -1;
        if (pr.after) {
            anchor = find(*pr.after);
            if (anchor < 0 || plan.removed[anchor]) {
                conflicts.push_back(name + ": the row with " + show_id(*pr.after, ca) +
                                    " that the added row with " + show_id(pr.row, ca) +
                                    " follows is missing");
                anchor = -1;
            }
        }
        if (pr.contents.values.size() != static_cast<std::size_t>(table.packed_count))
            conflicts.push_back(name + ": the added row with " + show_id(pr.row, ca) + " has " +
                                std::to_string(pr.contents.values.size()) + " values, the table " +
                                std::to_string(table.packed_count));
        if (ca > 0) {
            auto held = key_counts.find(pr.row.keys);
            const int present = held == key_counts.end() ? 0 : held->second;
            auto gone = removed_keys.find(pr.row.keys);
            const int left = present - (gone == removed_keys.end() ? 0 : gone->second);
            if (left > pr.row.rank || !added_ids.emplace(pr.row, 0).second)
                conflicts.push_back(name + " already holds the row with " + show_id(pr.row, ca) +
                                    " that the patch adds");
        }
        plan.anchors.push_back(anchor);
        auto moved = removed_at.find(pr.row);
        plan.reuse.push_back(moved == removed_at.end() ? -1 : moved->second);
    }

    const std::int64_t count = static_cast<std::int64_t>(n) -
                               static_cast<std::int64_t>(tp.removed.size()) +
                               static_cast<std::int64_t>(tp.added.size());
    const std::int64_t words = count * std::max(db.overall[t].words_per_row, 0);
    if (count > max_rows || static_cast<std::uint64_t>(words) > max_row_words)
        conflicts.push_back(name + " would hold " + std::to_string(count) + " rows (" +
                            std::to_string(words) + " row words); at most " +
                            std::to_string(max_rows) + " rows and " +
                            std::to_string(max_row_words) + " row words are allowed");
}

struct language_plan {
    std::vector<char> removed;
    std::vector<int> changed; // entry per change
    std::vector<int> anchors; // per added entry
};

std::string show_entry(const entry_id& id) {
    return "key " + std::to_string(id.key) +
           (id.rank > 0 ? " rank " + std::to_string(id.rank) : "");
}

void plan_language(const string_table& lang, const language_patch& lp, language_plan& plan,
                   std::vector<std::string>& conflicts) {
    const std::vector<entry_id> ids = entry_ids(lang);
    std::unordered_map<entry_id, int, entry_id_hash> index;
    index.reserve(ids.size());
    for (int i = 0; i < static_cast<int>(ids.size()); ++i)
        index.emplace(ids[i], i);
    const auto find = [&](const entry_id& id) {
        auto it = index.find(id);
        return it == index.end() ? -1 : it->second;
    };
    plan.removed.assign(ids.size(), 0);
    std::unordered_map<std::int32_t, int> removed_keys;
    for (const placed_entry& pe : lp.removed) {
        const int i = find(pe.entry);
        if (i < 0 || plan.removed[i]) {
            conflicts.push_back("language entry " + show_entry(pe.entry) +
                                ": missing, patch removes it");
            continue;
        }
        if (lang.entry(i).text != pe.text) {
            conflicts.push_back("language entry " + show_entry(pe.entry) + ": holds " +
                                show_text(lang.entry(i).text) + ", patch expects " +
                                show_text(pe.text));
            continue;
        }
        plan.removed[i] = 1;
        ++removed_keys[pe.entry.key];
    }
    std::vector<char> changed(ids.size(), 0);
    for (const entry_change& ec : lp.changed) {
        const int i = find(ec.entry);
        if (i < 0) {
            conflicts.push_back("language entry " + show_entry(ec.entry) +
                                ": missing, patch changes it");
            continue;
        }
        if (changed[i] || plan.removed[i]) {
            conflicts.push_back("language entry " + show_entry(ec.entry) +
                                ": the patch lists it twice");
            continue;
        }
        changed[i] = 1;
        if (lang.entry(i).text != ec.before)
            conflicts.push_back("language entry " + show_entry(ec.entry) + ": holds " +
                                show_text(lang.entry(i).text) + ", patch expects " +
                                show_text(ec.before));
        plan.changed.push_back(i);
    }
    std::unordered_map<std::int32_t, int> key_counts;
    if (!lp.added.empty())
        for (const entry_id& id : ids)
            ++key_counts[id.key];
    std::unordered_map<entry_id, int, entry_id_hash> added_ids;
    for (const placed_entry& pe : lp.added) {
        int anchor = -1;
        if (pe.after) {
            anchor = find(*pe.after);
            if (anchor < 0 || plan.removed[anchor]) {
                conflicts.push_back("language entry " + show_entry(*pe.after) +
                                    ", which the added entry " + show_entry(pe.entry) +
                                    " follows, is missing");
                anchor = -1;
            }
        }
        const int left = key_counts[pe.entry.key] - removed_keys[pe.entry.key];
        if (left > pe.entry.rank || !added_ids.emplace(pe.entry, 0).second)
            conflicts.push_back("language entry " + show_entry(pe.entry) +
                                ": already there, patch adds it");
        plan.anchors.push_back(anchor);
    }
    const std::size_t count = ids.size() - lp.removed.size() + lp.added.size();
    if (count > max_language_entries)
        conflicts.push_back("the language file would hold " + std::to_string(count) +
                            " entries; at most " + std::to_string(max_language_entries) +
                            " are allowed");
}

// Whether saving would put a localized name into the language file that it does not hold yet.
bool names_pending(const database& db, const string_table& lang) {
    bool pending = false;
    for_each_name(db, lang, [&](std::int32_t key, const std::string& name) {
        const std::string* held = lang.text_of(key);
        pending = pending || held == nullptr || *held != name;
    });
    return pending;
}

// The language file as saving the game would write it: `lang` itself, or `copy` with the rows'
// localized names put in.
const string_table& as_saved(const database& db, const string_table& lang,
                             std::optional<string_table>& copy) {
    if (!names_pending(db, lang))
        return lang;
    copy = lang;
    names_to_string_table(db, *copy);
    return *copy;
}

std::optional<std::string> incomparable(const database& a, const database& b) {
    if (a.table_count() != b.table_count())
        return "the first has " + std::to_string(a.table_count()) + " tables, the second " +
               std::to_string(b.table_count());
    for (int t = 0; t < a.table_count(); ++t) {
        const db_table& ta = a.tables[t];
        const db_table& tb = b.tables[t];
        const std::string name = "table " + std::to_string(t);
        if (ta.name != tb.name)
            return name + " is " + show_text(ta.name) + " in the first, " + show_text(tb.name) +
                   " in the second";
        if (ta.key_count != tb.key_count || ta.extra_count != tb.extra_count ||
            ta.string_ref_count != tb.string_ref_count || ta.packed_count != tb.packed_count ||
            ta.fields.size() != tb.fields.size())
            return name + " " + show_text(ta.name) + " has other kinds of fields in the two";
        for (std::size_t f = 0; f < ta.fields.size(); ++f) {
            const db_field& fa = ta.fields[f];
            const db_field& fb = tb.fields[f];
            if (fa.name != fb.name)
                return name + " field " + std::to_string(f) + " is " + show_text(fa.name) +
                       " in the first, " + show_text(fb.name) + " in the second";
            if (static_cast<int>(f) >= ta.whole_word_count() &&
                field_width(fa, t) != field_width(fb, t))
                return name + " field " + fa.name + " is " + std::to_string(field_width(fa, t)) +
                       " bits wide in the first, " + std::to_string(field_width(fb, t)) +
                       " in the second";
        }
        if (a.overall[t].words_per_row != b.overall[t].words_per_row)
            return name + " has " + std::to_string(a.overall[t].words_per_row) +
                   " words per row in the first, " + std::to_string(b.overall[t].words_per_row) +
                   " in the second";
    }
    return std::nullopt;
}

table_patch diff_table(const database& a, const database& b, int t) {
    const db_table& table = a.tables[t];
    table_patch tp;
    tp.index = t;
    tp.name = table.name;
    for (const auto& f : table.fields)
        tp.fields.push_back(f.name);
    tp.kinds = {table.key_count, table.extra_count, table.string_ref_count, table.packed_count};
    const auto ra = a.rows(t);
    const auto rb = b.rows(t);
    tp.rows_before = static_cast<std::int32_t>(ra.size());
    tp.rows_after = static_cast<std::int32_t>(rb.size());
    const std::vector<row_id> ia = row_ids(a, t);
    const std::vector<row_id> ib = row_ids(b, t);
    const alignment al = align<row_id, row_id_hash>(ia, ib);

    for (auto [i, j] : al.kept) {
        const db_overall_data& x = ra[i];
        const db_overall_data& y = rb[j];
        if (x.extras == y.extras && x.strings == y.strings && x.values == y.values)
            continue;
        changed_row rc{ia[i], {}};
        for (int f = table.key_count; f < table.field_count(); ++f) {
            const cell c = *field_cell(table, t, f);
            cell_value before = read_field(x, c), after = read_field(y, c);
            if (before != after)
                rc.fields.push_back({f, std::move(before), std::move(after)});
        }
        if (!rc.fields.empty())
            tp.changed.push_back(std::move(rc));
    }
    for (auto [i, last] : al.removed)
        tp.removed.push_back(
            {ia[i], last < 0 ? std::nullopt : std::optional(ia[last]), row_contents(a, t, ra[i])});
    for (auto [j, last] : al.added)
        tp.added.push_back(
            {ib[j], last < 0 ? std::nullopt : std::optional(ib[last]), row_contents(b, t, rb[j])});
    return tp;
}

language_patch diff_language(const string_table& a, const string_table& b) {
    language_patch lp;
    const std::vector<entry_id> ia = entry_ids(a);
    const std::vector<entry_id> ib = entry_ids(b);
    const alignment al = align<entry_id, entry_id_hash>(ia, ib);
    for (auto [i, j] : al.kept)
        if (a.entry(i).text != b.entry(j).text)
            lp.changed.push_back({ia[i], a.entry(i).text, b.entry(j).text});
    for (auto [i, last] : al.removed)
        lp.removed.push_back(
            {ia[i], last < 0 ? std::nullopt : std::optional(ia[last]), a.entry(i).text});
    for (auto [j, last] : al.added)
        lp.added.push_back(
            {ib[j], last < 0 ? std::nullopt : std::optional(ib[last]), b.entry(j).text});
    return lp;
}

db_overall_data new_row(const database& db, int t, const patch_row& p) {
    const db_table& table = db.tables[t];
    db_overall_data row;
    row.keys = p.keys;
    row.extras = p.extras;
    const int cc = std::clamp(table.string_ref_count, 0, 4);
    row.strings.hold(static_cast<std::size_t>(cc));
    for (int i = 0; i < cc; ++i)
        row.strings[static_cast<std::size_t>(i)] = p.strings[i];
    row.values = value_list(p.values);
    return row;
}

void reshape_table(database& db, const table_patch& tp, const table_plan& plan) {
    const int t = plan.t;
    db_overall& o = db.overall[t];
    raw_block& block = db.blocks[t];
    const std::size_t w = static_cast<std::size_t>(std::max(o.words_per_row, 0));
    const std::size_t n = std::min(plan.removed.size(), o.rows.size()); // the rows planned for
    // The added rows by the row they follow, in the patch's order.
    std::vector<int> order(tp.added.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        order[k] = static_cast<int>(k);
    std::stable_sort(order.begin(), order.end(),
                     [&](int x, int y) { return plan.anchors[x] < plan.anchors[y]; });

    std::vector<db_overall_data> rows;
    std::vector<std::uint32_t> words;
    const std::size_t count = n - tp.removed.size() + tp.added.size();
    rows.reserve(count);
    words.reserve(count * w);
    const auto words_of = [&](int r) {
        const std::size_t from = static_cast<std::size_t>(r) * w;
        if (r >= 0 && from + w <= block.words.size())
            words.insert(words.end(), block.words.begin() + static_cast<std::ptrdiff_t>(from),
                         block.words.begin() + static_cast<std::ptrdiff_t>(from + w));
        else
            words.insert(words.end(), w, 0u);
    };
    std::size_t next = 0;
    const auto add_after = [&](int anchor) {
        for (; next < order.size() && plan.anchors[order[next]] == anchor; ++next) {
            const int k = order[next];
            rows.push_back(new_row(db, t, tp.added[k].contents));
            words_of(plan.reuse[k]);
        }
    };
    add_after(-1);
    for (std::size_t r = 0; r < n; ++r) {
        if (!plan.removed[r]) {
            rows.push_back(std::move(o.rows[r]));
            words_of(static_cast<int>(r));
        }
        add_after(static_cast<int>(r));
    }
    o.rows = std::move(rows);
    o.row_count = static_cast<std::int32_t>(o.rows.size());
    block.words = std::move(words);
    block.row_count = o.row_count;
}

void apply_language(string_table& lang, const language_patch& lp, const language_plan& plan) {
    std::vector<Tstring_table> entries = lang.entries();
    for (std::size_t k = 0; k < lp.changed.size(); ++k)
        entries[static_cast<std::size_t>(plan.changed[k])].text = lp.changed[k].after;
    if (lp.removed.empty() && lp.added.empty()) {
        lang.assign(std::move(entries));
        return;
    }
    std::vector<int> order(lp.added.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        order[k] = static_cast<int>(k);
    std::stable_sort(order.begin(), order.end(),
                     [&](int x, int y) { return plan.anchors[x] < plan.anchors[y]; });
    std::vector<Tstring_table> out;
    out.reserve(entries.size() - lp.removed.size() + lp.added.size());
    std::size_t next = 0;
    const auto add_after = [&](int anchor) {
        for (; next < order.size() && plan.anchors[order[next]] == anchor; ++next) {
            const placed_entry& pe = lp.added[static_cast<std::size_t>(order[next])];
            out.push_back({pe.entry.key, 0, pe.text});
        }
    };
    add_after(-1);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!plan.removed[i])
            out.push_back(std::move(entries[i]));
        add_after(static_cast<int>(i));
    }
    lang.assign(std::move(out));
}

struct full_plan {
    std::vector<table_plan> tables;
    language_plan language;
    std::vector<std::string> conflicts;
};

full_plan plan_patch(const database& db, const string_table* lang, const patch& p) {
    full_plan plan;
    plan.tables.resize(p.tables.size());
    for (std::size_t k = 0; k < p.tables.size(); ++k) {
        for (std::size_t m = 0; m < k; ++m)
            if (p.tables[m].index == p.tables[k].index) {
                plan.conflicts.push_back("table " + std::to_string(p.tables[k].index) +
                                         ": the patch lists it twice");
                return plan;
            }
        plan_table(db, p.tables[k], plan.tables[k], plan.conflicts);
    }
    if (!p.language.empty()) {
        if (lang == nullptr)
            plan.conflicts.push_back(
                "the patch changes language entries, and no language file is given");
        else
            plan_language(*lang, p.language, plan.language, plan.conflicts);
    }
    return plan;
}

} // namespace

std::size_t patch::change_count() const {
    std::size_t n = language.changed.size() + language.removed.size() + language.added.size();
    for (const auto& t : tables) {
        n += t.removed.size() + t.added.size();
        for (const auto& r : t.changed)
            n += r.fields.size();
    }
    return n;
}

patch_made make_patch(const database& a, const string_table* a_lang, const database& b,
                      const string_table* b_lang) {
    patch_made made;
    if (auto why = incomparable(a, b)) {
        made.error = *why;
        return made;
    }
    for (int t = 0; t < a.table_count(); ++t) {
        table_patch tp = diff_table(a, b, t);
        if (!tp.changed.empty() || !tp.removed.empty() || !tp.added.empty())
            made.value.tables.push_back(std::move(tp));
    }
    if (a_lang != nullptr && b_lang != nullptr) {
        std::optional<string_table> copy_a, copy_b;
        made.value.has_language = true;
        made.value.language =
            diff_language(as_saved(a, *a_lang, copy_a), as_saved(b, *b_lang, copy_b));
    }
    return made;
}

patch reversed(const patch& p) {
    patch r;
    r.has_language = p.has_language;
    r.tables.reserve(p.tables.size());
    for (const table_patch& tp : p.tables) {
        table_patch back = tp;
        std::swap(back.rows_before, back.rows_after);
        std::swap(back.removed, back.added);
        for (changed_row& rc : back.changed)
            for (field_change& fc : rc.fields)
                std::swap(fc.before, fc.after);
        r.tables.push_back(std::move(back));
    }
    r.language.changed = p.language.changed;
    for (entry_change& ec : r.language.changed)
        std::swap(ec.before, ec.after);
    r.language.removed = p.language.added;
    r.language.added = p.language.removed;
    return r;
}

std::vector<std::string> check_patch(const database& db, const string_table* lang, const patch& p,
                                     bool reverse) {
    std::optional<string_table> copy;
    const string_table* saved = lang == nullptr ? nullptr : &as_saved(db, *lang, copy);
    if (reverse)
        return plan_patch(db, saved, reversed(p)).conflicts;
    return plan_patch(db, saved, p).conflicts;
}

patch_applied apply_patch(open_game& game, const patch& p, bool reverse) {
    std::optional<patch> back;
    if (reverse)
        back = reversed(p);
    const patch& use = reverse ? *back : p;

    patch_applied done;
    std::optional<string_table> copy;
    const bool language = game.has_language && !use.language.empty();
    const string_table* lang = game.has_language ? &as_saved(game.db, game.lang, copy) : nullptr;
    full_plan plan = plan_patch(game.db, lang, use);
    if (!plan.conflicts.empty()) {
        done.conflicts = std::move(plan.conflicts);
        return done;
    }

    for (std::size_t k = 0; k < use.tables.size(); ++k) {
        const table_patch& tp = use.tables[k];
        const table_plan& tplan = plan.tables[k];
        auto rows = game.db.rows(tplan.t);
        std::size_t next = 0;
        for (const changed_row& rc : tp.changed)
            for (const field_change& fc : rc.fields) {
                const auto& [r, c] = tplan.change_cells[next++];
                write_field(rows[static_cast<std::size_t>(r)], c, fc.after);
            }
        if (tplan.reshapes)
            reshape_table(game.db, tp, tplan);
        done.tables.push_back(tplan.t);
    }
    std::sort(done.tables.begin(), done.tables.end());

    if (copy && (language || !done.tables.empty()))
        game.lang = std::move(*copy); // the names the rows hold, as the next save puts them in
    if (language) {
        apply_language(game.lang, use.language, plan.language);
        done.language = true;
    }
    if (game.has_language && (language || !done.tables.empty()))
        attach_names(game.lang, game.db);
    game.lookups.rebuild(game.db);
    return done;
}

} // namespace qira
