#include "patch/patch.h"

#include "fileio/utf8.h"
#include "patch/patch_parts.h"

#include <algorithm>
#include <unordered_map>

namespace qira {

namespace {

using namespace patch_parts;

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

// Whether the two databases can be compared: refused, with the table concerned, when their tables
// differ in count, names, fields or words per row.
result comparable(const database& a, const database& b) {
    const auto refuse = [](std::optional<int> t, wording why) {
        return result::failure(result::code::refused, {.table = t}, std::move(why));
    };
    if (a.table_count() != b.table_count())
        return refuse({}, {QIRA_TR("qira::patch", "the first has %1 tables, the second %2"),
                           {std::to_string(a.table_count()), std::to_string(b.table_count())}});
    for (int t = 0; t < a.table_count(); ++t) {
        const db_table& ta = a.tables[t];
        const db_table& tb = b.tables[t];
        const std::string index = std::to_string(t);
        if (ta.name != tb.name)
            return refuse(t,
                          {QIRA_TR("qira::patch", "table %1 is %2 in the first, %3 in the second"),
                           {index, show_text(ta.name), show_text(tb.name)}});
        if (kind_counts(ta) != kind_counts(tb) || ta.fields.size() != tb.fields.size())
            return refuse(
                t, {QIRA_TR("qira::patch", "table %1 %2 has other kinds of fields in the two"),
                    {index, show_text(ta.name)}});
        for (std::size_t f = 0; f < ta.fields.size(); ++f) {
            const db_field& fa = ta.fields[f];
            const db_field& fb = tb.fields[f];
            if (fa.name != fb.name)
                return refuse(t,
                              {QIRA_TR("qira::patch",
                                       "table %1 field %2 is %3 in the first, %4 in the second"),
                               {index, std::to_string(f), show_text(fa.name), show_text(fb.name)}});
            const int field = static_cast<int>(f);
            if (place_of_field(ta, field).part == row_part::value &&
                field_bits(ta, t, field) != field_bits(tb, t, field))
                return refuse(
                    t, {QIRA_TR("qira::patch",
                                "table %1 field %2 is %3 bits wide in the first, %4 in the second"),
                        {index, printable(fa.name), std::to_string(field_bits(ta, t, field)),
                         std::to_string(field_bits(tb, t, field))}});
        }
        // A table without rows is read with the width its fields need, which may be narrower
        // than its rows were: only two tables that both have rows must agree.
        if (!a.rows(t).empty() && !b.rows(t).empty() &&
            a.overall[t].words_per_row != b.overall[t].words_per_row)
            return refuse(t,
                          {QIRA_TR("qira::patch",
                                   "table %1 has %2 words per row in the first, %3 in the second"),
                           {index, std::to_string(a.overall[t].words_per_row),
                            std::to_string(b.overall[t].words_per_row)}});
    }
    return result::success();
}

// The bits of row `r` that no field covers (`mask`: undecoded_mask of its table), into `out`;
// empty when none is set or the row has no stored words.
void masked_words(const database& db, int t, const std::vector<std::uint32_t>& mask, std::size_t r,
                  std::vector<std::uint32_t>& out) {
    out.clear();
    const auto w = static_cast<std::size_t>(std::max(db.overall[t].words_per_row, 0));
    const auto& words = db.blocks[static_cast<std::size_t>(t)].words;
    if (mask.empty() || w < mask.size() || (r + 1) * w > words.size())
        return;
    const std::size_t first = r * w + (w - mask.size());
    bool any = false;
    for (std::size_t g = 0; g < mask.size(); ++g)
        any = any || (words[first + g] & mask[g]) != 0;
    if (!any)
        return;
    out.resize(mask.size());
    for (std::size_t g = 0; g < mask.size(); ++g)
        out[g] = words[first + g] & mask[g];
}

// Whether two rows hold the same at a place, without copying either.
bool same_cell(const db_overall_data& x, const db_overall_data& y, field_place at) {
    if (holds_text(at.part))
        return cell_string(x, at) == cell_string(y, at);
    return cell_number(x, at) == cell_number(y, at);
}

table_patch diff_table(const database& a, const database& b, int t) {
    const db_table& table = a.tables[t];
    table_patch tp;
    tp.index = t;
    tp.name = table.name;
    for (const auto& f : table.fields)
        tp.fields.push_back(f.name);
    tp.kinds = kind_counts(table);
    const auto ra = a.rows(t);
    const auto rb = b.rows(t);
    tp.rows_before = static_cast<std::int32_t>(ra.size());
    tp.rows_after = static_cast<std::int32_t>(rb.size());
    const std::vector<row_id> ia = row_ids(a, t);
    const std::vector<row_id> ib = row_ids(b, t);
    const alignment al = align<row_id, row_id_hash>(ia, ib);

    std::vector<field_place> places;
    for (int f = table.key_count; f < table.field_count(); ++f)
        places.push_back(field_cell(table, t, f)->place());
    const std::vector<std::uint32_t> mask_a = undecoded_mask(a, t), mask_b = undecoded_mask(b, t);
    std::vector<std::uint32_t> stored_a, stored_b;
    field_changes fields; // a row's, then copied into a block of its own size
    for (auto [i, j] : al.kept) {
        const db_overall_data& x = ra[i];
        const db_overall_data& y = rb[j];
        masked_words(a, t, mask_a, i, stored_a);
        masked_words(b, t, mask_b, j, stored_b);
        const bool same_stored = stored_a == stored_b;
        if (x.extras == y.extras && x.strings == y.strings && x.values == y.values && same_stored)
            continue;
        fields.clear();
        for (std::size_t k = 0; k < places.size(); ++k)
            if (!same_cell(x, y, places[k]))
                fields.push_back({table.key_count + static_cast<int>(k), read_cell(x, places[k]),
                                  read_cell(y, places[k])});
        if (fields.empty() && same_stored)
            continue;
        changed_row& rc = tp.changed.emplace_back();
        rc.row = ia[i];
        rc.fields = fields;
        if (!same_stored) {
            // None set reads as zeros.
            stored_a.resize(std::max(stored_a.size(), stored_b.size()), 0);
            stored_b.resize(stored_a.size(), 0);
            rc.stored_before = stored_a;
            rc.stored_after = stored_b;
        }
    }
    for (auto [i, last] : al.removed)
        tp.removed.push_back(
            {ia[i], last < 0 ? std::nullopt : std::optional(ia[last]), row_contents(a, t, i)});
    for (auto [j, last] : al.added)
        tp.added.push_back(
            {ib[j], last < 0 ? std::nullopt : std::optional(ib[last]), row_contents(b, t, j)});
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

// make_patch_by_table over the parts `scope` names (nullptr: all).
result diff_by_table(const database& a, const string_table* a_lang, const database& b,
                     const string_table* b_lang, const patch_scope* scope,
                     const std::function<void(table_patch&&)>& each_table,
                     language_patch* language) {
    if (auto r = comparable(a, b); !r)
        return r;
    for (int t = 0; t < a.table_count(); ++t) {
        if (scope != nullptr && (static_cast<std::size_t>(t) >= scope->tables.size() ||
                                 scope->tables[static_cast<std::size_t>(t)] == 0))
            continue;
        table_patch tp = diff_table(a, b, t);
        if (!tp.changed.empty() || !tp.removed.empty() || !tp.added.empty())
            each_table(std::move(tp));
    }
    if (a_lang != nullptr && b_lang != nullptr && language != nullptr &&
        (scope == nullptr || scope->language)) {
        std::optional<string_table> copy_a, copy_b;
        *language = diff_language(as_saved(a, *a_lang, copy_a), as_saved(b, *b_lang, copy_b));
    }
    return result::success();
}

result_of<patch> diff_games(const database& a, const string_table* a_lang, const database& b,
                            const string_table* b_lang, const patch_scope* scope) {
    result_of<patch> made;
    const bool with_language = a_lang != nullptr && b_lang != nullptr;
    if (auto r = diff_by_table(
            a, a_lang, b, b_lang, scope,
            [&](table_patch&& tp) { made.value.tables.push_back(std::move(tp)); },
            with_language ? &made.value.language : nullptr);
        !r)
        return r;
    made.value.has_language = with_language;
    return made;
}

} // namespace

result make_patch_by_table(const database& a, const string_table* a_lang, const database& b,
                           const string_table* b_lang,
                           const std::function<void(table_patch&&)>& each_table,
                           language_patch* language) {
    return diff_by_table(a, a_lang, b, b_lang, nullptr, each_table, language);
}

result_of<patch> make_patch(const database& a, const string_table* a_lang, const database& b,
                            const string_table* b_lang) {
    return diff_games(a, a_lang, b, b_lang, nullptr);
}

result_of<patch> make_patch(const database& a, const string_table* a_lang, const database& b,
                            const string_table* b_lang, const patch_scope& scope) {
    return diff_games(a, a_lang, b, b_lang, &scope);
}

} // namespace qira
