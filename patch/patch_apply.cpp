#include "patch/patch.h"

#include "patch/patch_parts.h"

#include <algorithm>
#include <unordered_map>

namespace qira {

namespace {

using namespace patch_parts;

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

// The places that the added items take among the items once the removed ones are gone: each
// right after the item it follows (`anchors`: an index among `removed.size()` items, -1 for the
// first place), those after the same item in the order given.
std::vector<std::size_t> added_places(const std::vector<int>& anchors,
                                      const std::vector<char>& removed) {
    std::vector<std::size_t> order(anchors.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        order[k] = k;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t x, std::size_t y) { return anchors[x] < anchors[y]; });
    std::vector<std::size_t> places(anchors.size());
    std::size_t place = 0, next = 0;
    const auto add_after = [&](int anchor) {
        for (; next < order.size() && anchors[order[next]] == anchor; ++next)
            places[order[next]] = place++;
    };
    add_after(-1);
    for (std::size_t i = 0; i < removed.size(); ++i) {
        if (!removed[i])
            ++place;
        add_after(static_cast<int>(i));
    }
    return places;
}

// The localized names a row takes from the language file, as loading attaches them: its
// configured names from their entries (empty without one), the others empty. False when the
// table has no localized names.
bool names_from(const string_table& lang, int t, const db_overall_data& row,
                std::array<std::string, 4>& names) {
    if (t >= name_config_tables || lang.names[t].base_key == 0)
        return false;
    const name_config& config = lang.names[t];
    const int count = std::clamp<int>(config.name_count, 0, 3);
    for (int k = 0; k < 4; ++k) {
        const std::string* text = k < count ? lang.text_of(config.key_of(row.keys[0], k)) : nullptr;
        names[static_cast<std::size_t>(k)] = text != nullptr ? *text : std::string();
    }
    return true;
}

// The entries of the language file as saving writes it, `saved`, recorded into the game's own:
// saving only sets texts of the entries it holds and appends entries.
void take_saved_entries(open_game& game, change& into, const string_table& saved) {
    const std::size_t held = game.lang.string_count();
    const std::size_t common = std::min(held, saved.string_count());
    for (std::size_t i = 0; i < common; ++i)
        set_entry_text(game, into, i, saved.entry(i).text);
    std::vector<std::size_t> gone;
    for (std::size_t i = common; i < held; ++i)
        gone.push_back(i);
    remove_entries(game, into, std::move(gone));
    std::vector<std::pair<std::size_t, Tstring_table>> appended;
    for (std::size_t i = common; i < saved.string_count(); ++i)
        appended.emplace_back(i, saved.entry(i));
    insert_entries(game, into, std::move(appended));
}

void apply_language(open_game& game, change& into, const language_patch& lp,
                    const language_plan& plan) {
    for (std::size_t k = 0; k < lp.changed.size(); ++k)
        set_entry_text(game, into, static_cast<std::size_t>(plan.changed[k]), lp.changed[k].after);
    std::vector<std::size_t> removed;
    for (std::size_t i = 0; i < plan.removed.size(); ++i)
        if (plan.removed[i])
            removed.push_back(i);
    const std::vector<std::size_t> places = added_places(plan.anchors, plan.removed);
    remove_entries(game, into, std::move(removed));
    std::vector<std::pair<std::size_t, Tstring_table>> added;
    added.reserve(lp.added.size());
    for (std::size_t k = 0; k < lp.added.size(); ++k)
        added.emplace_back(places[k], Tstring_table{lp.added[k].entry.key, 0, lp.added[k].text});
    insert_entries(game, into, std::move(added));
}

// Cells and what they are set to.
using cell_values = std::vector<std::pair<cell, cell_value>>;

// The names of the rows that stay in a table with localized names, where they differ from the
// language file's.
void name_cells(const open_game& game, int t, const table_plan* plan, cell_values& cells) {
    const auto rows = game.db.rows(t);
    std::array<std::string, 4> names;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (plan != nullptr && r < plan->removed.size() && plan->removed[r])
            continue;
        if (!names_from(game.lang, t, rows[r], names))
            return;
        for (int k = 0; k < 4; ++k)
            if (rows[r].names[static_cast<std::size_t>(k)] != names[static_cast<std::size_t>(k)])
                cells.push_back({cell{t, static_cast<int>(r), row_part::name, k},
                                 cell_value{0, names[static_cast<std::size_t>(k)]}});
    }
}

void reshape_table(open_game& game, change& into, const table_patch& tp, const table_plan& plan,
                   bool with_names) {
    const int t = plan.t;
    const std::vector<std::size_t> places = added_places(plan.anchors, plan.removed);
    std::vector<row_insert> added(tp.added.size());
    const auto& words = game.db.blocks[static_cast<std::size_t>(t)].words;
    const auto w = static_cast<std::size_t>(std::max(game.db.overall[t].words_per_row, 0));
    std::array<std::string, 4> names;
    const std::vector<std::uint32_t> mask = undecoded_mask(game.db, t);
    std::unordered_map<row_id, const placed_row*, row_id_hash> removed_by_id;
    for (const placed_row& pr : tp.removed)
        removed_by_id.emplace(pr.row, &pr);
    for (std::size_t k = 0; k < added.size(); ++k) {
        row_insert& row = added[k];
        row.row = static_cast<int>(places[k]);
        row.data = new_row(game.db, t, tp.added[k].contents);
        if (with_names && names_from(game.lang, t, row.data, names))
            for (std::size_t n = 0; n < 4; ++n)
                if (!names[n].empty())
                    row.data.names[n] = names[n];
        // A row that moves keeps its stored words, unless the patch says that the bits no field
        // covers differ between the row removed and the row added; then, as for any other row
        // the patch holds whole, those bits are the ones it carries (none: zeros).
        const std::vector<std::uint32_t>& stored = tp.added[k].contents.stored;
        const int from = plan.reuse[k];
        bool carried = from < 0;
        if (from >= 0) {
            const std::size_t at = static_cast<std::size_t>(from) * w;
            if (at + w <= words.size())
                row.words.assign(words.begin() + static_cast<std::ptrdiff_t>(at),
                                 words.begin() + static_cast<std::ptrdiff_t>(at + w));
            const auto gone = removed_by_id.find(tp.added[k].row);
            carried = gone != removed_by_id.end() && gone->second->contents.stored != stored;
        }
        if (carried && !mask.empty()) {
            row.words.resize(w, 0);
            const std::size_t s = w - mask.size();
            for (std::size_t g = 0; g < mask.size(); ++g)
                row.words[s + g] =
                    (row.words[s + g] & ~mask[g]) | ((g < stored.size() ? stored[g] : 0) & mask[g]);
        }
    }
    std::vector<int> removed;
    for (std::size_t r = 0; r < plan.removed.size(); ++r)
        if (plan.removed[r])
            removed.push_back(static_cast<int>(r));
    remove_rows(game, into, t, std::move(removed));
    insert_rows(game, into, t, std::move(added));
}

// The localized names that follow from the language entries, in every table with localized
// names: the cells of the rows that stay where they differ from the language file's.
cell_values localized_name_cells(const open_game& game, const full_plan& plan) {
    cell_values cells;
    for (int t = 0; t < game.db.table_count() && t < name_config_tables; ++t) {
        const table_plan* tplan = nullptr;
        for (const table_plan& candidate : plan.tables)
            if (candidate.t == t)
                tplan = &candidate;
        name_cells(game, t, tplan, cells);
    }
    return cells;
}

// Sets `cells` and then the fields the patch changes, recording them in `into`, or, without
// `record_cells`, straight from the patch: no copy of the values, no record of them.
void set_changed_cells(open_game& game, change& into, const patch& use, const full_plan& plan,
                       cell_values cells, bool record_cells) {
    // Every field change with its cell (the plan has each changed row's row).
    const auto each_field = [&](auto&& take) {
        for (std::size_t k = 0; k < use.tables.size(); ++k) {
            const table_plan& tplan = plan.tables[k];
            const db_table& table = game.db.tables[static_cast<std::size_t>(tplan.t)];
            std::size_t next = 0;
            for (const changed_row& rc : use.tables[k].changed) {
                const int r = tplan.changed_at[next++];
                for (const field_change& fc : rc.fields) {
                    cell c = *field_cell(table, tplan.t, fc.field);
                    c.row = r;
                    take(c, fc.after);
                }
            }
        }
    };
    if (record_cells) {
        std::size_t fields = cells.size();
        for (const table_patch& tp : use.tables)
            for (const changed_row& rc : tp.changed)
                fields += rc.fields.size();
        cells.reserve(fields);
        each_field([&](const cell& c, const cell_value& v) { cells.emplace_back(c, v); });
        set_cells(game, into, std::move(cells));
    } else {
        unrecorded_cells writer(game);
        for (const auto& [c, v] : cells)
            writer.set(c, v);
        each_field([&](const cell& c, const cell_value& v) { writer.set(c, v); });
        writer.finish();
    }
}

// The bits no field covers, where the patch changes them: each row's words with those bits the
// patch's.
void set_stored_bits(open_game& game, change& into, const patch& use, const full_plan& plan) {
    for (std::size_t k = 0; k < use.tables.size(); ++k) {
        const table_plan& tplan = plan.tables[k];
        if (tplan.stored_rows.empty())
            continue;
        const std::vector<std::uint32_t> mask = undecoded_mask(game.db, tplan.t);
        const auto w = static_cast<std::size_t>(game.db.overall[tplan.t].words_per_row);
        const auto& all = game.db.blocks[static_cast<std::size_t>(tplan.t)].words;
        for (const auto& [r, index] : tplan.stored_rows) {
            const std::vector<std::uint32_t>& after = use.tables[k].changed[index].stored_after;
            const auto first =
                all.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(r) * w);
            std::vector<std::uint32_t> words(first, first + static_cast<std::ptrdiff_t>(w));
            const std::size_t s = w - mask.size();
            for (std::size_t g = 0; g < mask.size(); ++g)
                words[s + g] =
                    (words[s + g] & ~mask[g]) | ((g < after.size() ? after[g] : 0) & mask[g]);
            set_row_words(game, into, tplan.t, r, std::move(words));
        }
    }
}

// Applies the patch, recording every change in `into`, or, without `record_cells`, all but the
// cells it sets (a caller that keeps no undo step).
patch_applied apply(open_game& game, const patch& p, bool reverse, change& into,
                    bool record_cells) {
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
    for (const table_plan& tplan : plan.tables)
        done.tables.push_back(tplan.t);
    std::sort(done.tables.begin(), done.tables.end());
    done.language = language;
    if (!language && done.tables.empty())
        return done;

    // The language entries first: the names the rows hold, as the next save puts them in, then
    // the patch's.
    if (copy)
        take_saved_entries(game, into, *copy);
    if (language)
        apply_language(game, into, use.language, plan.language);

    // The cells of the rows as they are: the localized names that follow from the language
    // entries, and the fields the patch changes; then the bits no field covers.
    const bool with_names = game.has_language;
    set_changed_cells(game, into, use, plan,
                      with_names ? localized_name_cells(game, plan) : cell_values(), record_cells);
    set_stored_bits(game, into, use, plan);

    // Then the rows removed and added, table by table.
    for (std::size_t k = 0; k < use.tables.size(); ++k)
        if (plan.tables[k].reshapes)
            reshape_table(game, into, use.tables[k], plan.tables[k], with_names);
    return done;
}

} // namespace

patch_applied apply_patch(open_game& game, const patch& p, bool reverse, change& into) {
    return apply(game, p, reverse, into, true);
}

patch_applied apply_patch(open_game& game, const patch& p, bool reverse) {
    change made;
    return apply(game, p, reverse, made, false);
}

} // namespace qira
