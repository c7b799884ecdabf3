#include "patch/patch_review.h"

#include "editing/references.h"
#include "fileio/utf8.h"
#include "patch/patch_parts.h"

#include <algorithm>
#include <unordered_map>

namespace qira {

namespace {

using patch_parts::conflict_item;
using part = conflict_item::part;

} // namespace

// What the review knows of a table the patch changes: the game's rows by their id.
struct patch_review::table_view {
    int t = -1;
    int ca = 0;
    bool present = false; // the game has the table
    std::string title;
    std::unordered_map<row_id, int, patch_parts::row_id_hash> rows;
};

patch_review::patch_review(const open_game& game, const patch& p) : game_(game), patch_(p) {
    if (game.has_language)
        lang_ = &patch_parts::as_saved(game.db, game.lang, saved_lang_);
    // The groups, rows and changes, in the patch's order: per table its changed rows, then the
    // rows it removes, then those it adds; the language entries last.
    for (std::size_t k = 0; k < p.tables.size(); ++k)
        add_table_rows(k);
    if (!p.language.empty())
        add_language_rows();
    link_same_keys();
    const patch_parts::full_plan plan = patch_parts::plan_patch(game.db, lang_, p);
    add_conflicts(plan);
    ticked_.assign(changes_.size(), 0);
    count_changes();
    tick_all(true);
}

void patch_review::add_row(review_kind kind, std::uint32_t g, std::size_t index, int game_row,
                           std::size_t changes) {
    row r{kind,
          g,
          static_cast<std::uint32_t>(index),
          game_row,
          static_cast<std::uint32_t>(changes_.size()),
          0};
    for (std::size_t f = 0; f < changes; ++f)
        changes_.push_back({static_cast<std::uint32_t>(rows_.size()), static_cast<std::uint32_t>(f),
                            -1, static_cast<std::uint32_t>(changes_.size())});
    r.end_change = static_cast<std::uint32_t>(changes_.size());
    rows_.push_back(r);
}

void patch_review::add_table_rows(std::size_t k) {
    const database& db = game_.db;
    const table_patch& tp = patch_.tables[k];
    auto view = std::make_unique<table_view>();
    view->t = tp.index;
    view->present = db.has_table(tp.index);
    view->ca = view->present ? key_count(db, tp.index) : std::clamp(tp.kinds[0], 0, 4);
    view->title = view->present ? table_title(db, tp.index) : table_title(tp.name, tp.index);
    if (view->present) {
        const std::vector<row_id> ids = row_ids(db, tp.index);
        view->rows.reserve(ids.size());
        for (std::size_t r = 0; r < ids.size(); ++r)
            view->rows.emplace(ids[r], static_cast<int>(r));
    }
    const auto find = [&](const row_id& id) {
        auto at = view->rows.find(id);
        return at == view->rows.end() ? -1 : at->second;
    };
    const auto g = static_cast<std::uint32_t>(groups_.size());
    group gr{static_cast<int>(k), static_cast<std::uint32_t>(rows_.size()), 0};
    for (std::size_t i = 0; i < tp.changed.size(); ++i)
        add_row(review_kind::field, g, i, find(tp.changed[i].row),
                tp.changed[i].fields.size() + (tp.changed[i].stored_after.empty() ? 0 : 1));
    for (std::size_t i = 0; i < tp.removed.size(); ++i)
        add_row(review_kind::removed, g, i, find(tp.removed[i].row), 1);
    for (std::size_t i = 0; i < tp.added.size(); ++i)
        add_row(review_kind::added, g, i, find(tp.added[i].row), 1);
    gr.end_row = static_cast<std::uint32_t>(rows_.size());
    groups_.push_back(gr);
    tables_.push_back(std::move(view));
}

void patch_review::add_language_rows() {
    std::unordered_map<entry_id, int, patch_parts::entry_id_hash> entries;
    if (lang_) {
        const std::vector<entry_id> ids = patch_parts::entry_ids(*lang_);
        entries.reserve(ids.size());
        for (std::size_t i = 0; i < ids.size(); ++i)
            entries.emplace(ids[i], static_cast<int>(i));
    }
    const auto find = [&](const entry_id& id) {
        auto at = entries.find(id);
        return at == entries.end() ? -1 : at->second;
    };
    const auto g = static_cast<std::uint32_t>(groups_.size());
    group gr{-1, static_cast<std::uint32_t>(rows_.size()), 0};
    const language_patch& lp = patch_.language;
    for (std::size_t i = 0; i < lp.changed.size(); ++i)
        add_row(review_kind::entry_changed, g, i, find(lp.changed[i].entry), 1);
    for (std::size_t i = 0; i < lp.removed.size(); ++i)
        add_row(review_kind::entry_removed, g, i, find(lp.removed[i].entry), 1);
    for (std::size_t i = 0; i < lp.added.size(); ++i)
        add_row(review_kind::entry_added, g, i, find(lp.added[i].entry), 1);
    gr.end_row = static_cast<std::uint32_t>(rows_.size());
    groups_.push_back(gr);
}

// Rows with the same keys that the patch removes and adds go together (a row that moves, or rows
// found by their rank among rows with those keys); entries with the same key likewise.
void patch_review::link_same_keys() {
    const patch& p = patch_;
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        const group& gr = groups_[g];
        const bool language = gr.table_patch < 0;
        if (!language && tables_[g]->ca == 0)
            continue;
        std::unordered_map<std::int64_t, std::size_t> first_of_key;
        std::unordered_map<row_id, std::size_t, patch_parts::row_id_hash> first_of_keys;
        for (std::uint32_t r = gr.first_row; r < gr.end_row; ++r) {
            const row& rw = rows_[r];
            const std::size_t change = rw.first_change;
            if (language) {
                if (rw.kind == review_kind::entry_changed)
                    continue;
                const std::int32_t key = rw.kind == review_kind::entry_removed
                                             ? p.language.removed[rw.index].entry.key
                                             : p.language.added[rw.index].entry.key;
                auto [at, fresh] = first_of_key.emplace(key, change);
                if (!fresh)
                    link(at->second, change);
            } else if (rw.kind == review_kind::removed || rw.kind == review_kind::added) {
                const table_patch& tp = p.tables[static_cast<std::size_t>(gr.table_patch)];
                row_id keys = rw.kind == review_kind::removed ? tp.removed[rw.index].row
                                                              : tp.added[rw.index].row;
                keys.rank = 0;
                auto [at, fresh] = first_of_keys.emplace(keys, change);
                if (!fresh)
                    link(at->second, change);
            }
        }
    }
}

patch_review::~patch_review() = default;

void patch_review::link(std::size_t a, std::size_t b) {
    // Two circular lists joined into one.
    std::swap(changes_[a].together, changes_[b].together);
}

void patch_review::add_conflict(std::size_t change, const std::string& text, bool differs_only) {
    change_item& c = changes_[change];
    if (c.conflict < 0) {
        // One note may stand for many changes (a table that does not match).
        if (conflicts_.empty() || conflicts_.back().text != text ||
            conflicts_.back().differs_only != differs_only)
            conflicts_.push_back({text, differs_only});
        c.conflict = static_cast<std::int32_t>(conflicts_.size() - 1);
        ++conflicted_;
        return;
    }
    conflict_note joined = conflicts_[static_cast<std::size_t>(c.conflict)];
    joined.text += "; " + text;
    joined.differs_only = joined.differs_only && differs_only;
    conflicts_.push_back(std::move(joined));
    c.conflict = static_cast<std::int32_t>(conflicts_.size() - 1);
}

void patch_review::add_conflicts(const patch_parts::full_plan& plan) {
    const std::vector<result>& conflicts = plan.conflicts;
    const std::vector<conflict_item>& items = plan.items;
    const auto group_of = [&](int table_patch) -> const group* {
        for (const group& g : groups_)
            if (g.table_patch == table_patch)
                return &g;
        return nullptr;
    };
    for (std::size_t n = 0; n < conflicts.size(); ++n) {
        const conflict_item& item = items[n];
        const std::string& text = conflicts[n].problem;
        const auto whole_group = [&](const group* g) {
            if (g)
                for (std::uint32_t c = rows_[g->first_row].first_change;
                     g->end_row > g->first_row && c < rows_[g->end_row - 1].end_change; ++c)
                    add_conflict(c, text, false);
        };
        if (item.what == part::whole) {
            whole_.push_back(conflicts[n].message());
            for (std::size_t c = 0; c < changes_.size(); ++c)
                add_conflict(c, conflicts[n].message(), false);
            continue;
        }
        const group* g = group_of(item.what >= part::entry_changed ? -1 : item.table);
        if (!g)
            continue;
        if (item.what == part::table) {
            whole_group(g);
            continue;
        }
        std::size_t r = g->first_row;
        if (item.what >= part::entry_changed) {
            const language_patch& lp = patch_.language;
            r += item.index;
            if (item.what != part::entry_changed)
                r += lp.changed.size();
            if (item.what == part::entry_added)
                r += lp.removed.size();
        } else {
            const table_patch& tp = patch_.tables[static_cast<std::size_t>(item.table)];
            r += item.index;
            if (item.what == part::removed || item.what == part::added)
                r += tp.changed.size();
            if (item.what == part::added)
                r += tp.removed.size();
        }
        if (r >= g->end_row)
            continue;
        const row& rw = rows_[r];
        std::size_t c = rw.first_change;
        if (item.what == part::field)
            c += item.field;
        else if (item.what == part::stored)
            c = rw.end_change - 1;
        if (c < rw.end_change)
            add_conflict(c, text, item.differs_only);
    }
}

std::string patch_review::group_title(std::size_t g) const {
    return groups_[g].table_patch < 0 ? std::string("language file") : tables_[g]->title;
}

std::string patch_review::row_title(std::size_t r) const {
    const row& rw = rows_[r];
    const group& g = groups_[rw.group];
    if (g.table_patch < 0) {
        const language_patch& lp = patch_.language;
        switch (rw.kind) {
        case review_kind::entry_changed:
            return patch_parts::entry_title(lp.changed[rw.index].entry);
        case review_kind::entry_removed:
            return patch_parts::entry_title(lp.removed[rw.index].entry);
        default:
            return patch_parts::entry_title(lp.added[rw.index].entry);
        }
    }
    const table_view& tv = *tables_[rw.group];
    const table_patch& tp = patch_.tables[static_cast<std::size_t>(g.table_patch)];
    const row_id& id = rw.kind == review_kind::field     ? tp.changed[rw.index].row
                       : rw.kind == review_kind::removed ? tp.removed[rw.index].row
                                                         : tp.added[rw.index].row;
    std::string name;
    if (rw.kind == review_kind::added)
        name = row_name(tv.t, tp.added[rw.index].contents.strings);
    else if (rw.game_row >= 0 && tv.present)
        name = row_name(game_.db, tv.t, rw.game_row);
    else if (rw.kind == review_kind::removed)
        name = row_name(tv.t, tp.removed[rw.index].contents.strings);
    return qira::row_title(tv.title, name, id, tv.ca);
}

const named_rows& patch_review::names_of(int table) const {
    auto& kept = names_[table];
    if (!kept)
        kept = std::make_unique<named_rows>(game_.db, table);
    return *kept;
}

std::string patch_review::value_text(int k, int field, const cell_value& v) const {
    const table_patch& tp = patch_.tables[static_cast<std::size_t>(k)];
    const database& db = game_.db;
    if (!db.has_table(tp.index) || field < 0 || field >= db.tables[tp.index].field_count())
        return v.text.empty() ? std::to_string(v.number) : quoted_text(v.text);
    const auto c = patch_parts::field_cell(db.tables[tp.index], tp.index, field);
    if (!c)
        return std::to_string(static_cast<std::int32_t>(v.number));
    if (const reference_field* r = reference_at(db, tp.index, field))
        return printable(reference_text(names_of(r->target), reference_id(c->part, v.number)));
    return patch_parts::show(*c, v);
}

patch_review::shown patch_review::show(std::size_t change) const {
    const change_item& ch = changes_[change];
    const row& rw = rows_[ch.row];
    const group& g = groups_[rw.group];
    const auto entry_now = [&] {
        return rw.game_row >= 0 && lang_ ? quoted_text(lang_->entry(rw.game_row).text)
                                         : std::string("absent");
    };
    if (g.table_patch < 0) {
        const language_patch& lp = patch_.language;
        switch (rw.kind) {
        case review_kind::entry_changed:
            return {"text", quoted_text(lp.changed[rw.index].before), entry_now(),
                    quoted_text(lp.changed[rw.index].after)};
        case review_kind::entry_removed:
            return {"text", quoted_text(lp.removed[rw.index].text), entry_now(), "removed"};
        default:
            return {"text", "absent", entry_now(), quoted_text(lp.added[rw.index].text)};
        }
    }
    const table_view& tv = *tables_[rw.group];
    const table_patch& tp = patch_.tables[static_cast<std::size_t>(g.table_patch)];
    const bool there = rw.game_row >= 0 && tv.present;
    switch (rw.kind) {
    case review_kind::removed:
        return {"row", "present", there ? "present" : "missing", "removed"};
    case review_kind::added:
        return {"row", "absent", there ? "present" : "absent", "added"};
    default:
        break;
    }
    const changed_row& rc = tp.changed[rw.index];
    if (ch.field >= rc.fields.size())
        return {"bits no field covers", patch_parts::show_words(rc.stored_before),
                there ? patch_parts::show_words(
                            undecoded_words(game_.db, tv.t, static_cast<std::size_t>(rw.game_row)))
                      : std::string("missing"),
                patch_parts::show_words(rc.stored_after)};
    const field_change fc = rc.fields[ch.field];
    shown s;
    s.field = fc.field >= 0 && static_cast<std::size_t>(fc.field) < tp.fields.size()
                  ? printable(tp.fields[static_cast<std::size_t>(fc.field)])
                  : "field " + std::to_string(fc.field);
    s.before = value_text(g.table_patch, fc.field, fc.before);
    s.after = value_text(g.table_patch, fc.field, fc.after);
    s.now = "missing";
    if (there) {
        const auto c = patch_parts::field_cell(game_.db.tables[tv.t], tv.t, fc.field);
        const db_overall_data& held = game_.db.rows(tv.t)[static_cast<std::size_t>(rw.game_row)];
        if (c &&
            (c->part != row_part::value || static_cast<std::size_t>(c->index) < held.values.size()))
            s.now = value_text(g.table_patch, fc.field, read_cell(held, c->place()));
    }
    return s;
}

std::vector<patch_review::shown> patch_review::row_fields(std::size_t r) const {
    const row& rw = rows_[r];
    const group& g = groups_[rw.group];
    if (g.table_patch < 0 || (rw.kind != review_kind::removed && rw.kind != review_kind::added))
        return {};
    const table_view& tv = *tables_[rw.group];
    const table_patch& tp = patch_.tables[static_cast<std::size_t>(g.table_patch)];
    const patch_row& copy = rw.kind == review_kind::removed ? tp.removed[rw.index].contents
                                                            : tp.added[rw.index].contents;
    const bool there = rw.game_row >= 0 && tv.present;
    const db_overall_data* held =
        there ? &game_.db.rows(tv.t)[static_cast<std::size_t>(rw.game_row)] : nullptr;
    std::vector<shown> out;
    if (!tv.present)
        return out;
    const db_table& table = game_.db.tables[tv.t];
    for (int f = 0; f < table.field_count() && static_cast<std::size_t>(f) < tp.fields.size();
         ++f) {
        shown s;
        s.field = printable(tp.fields[static_cast<std::size_t>(f)]);
        const auto c = patch_parts::field_cell(table, tv.t, f);
        std::string value, now;
        if (!c) { // a key field
            value = f < 4 ? std::to_string(copy.keys[static_cast<std::size_t>(f)]) : "";
            now = held && f < 4 ? std::to_string(held->keys[static_cast<std::size_t>(f)]) : "";
        } else {
            if (c->part != row_part::value ||
                static_cast<std::size_t>(c->index) < copy.values.size())
                value = value_text(g.table_patch, f, read_cell(copy, c->place()));
            if (held && (c->part != row_part::value ||
                         static_cast<std::size_t>(c->index) < held->values.size()))
                now = value_text(g.table_patch, f, read_cell(*held, c->place()));
        }
        if (rw.kind == review_kind::removed) {
            s.before = value;
            s.now = held ? now : "missing";
        } else {
            s.now = held ? now : "";
            s.after = value;
        }
        out.push_back(std::move(s));
    }
    return out;
}

std::size_t patch_review::row_field_count(std::size_t r) const {
    const row& rw = rows_[r];
    const group& g = groups_[rw.group];
    if (g.table_patch < 0 || (rw.kind != review_kind::removed && rw.kind != review_kind::added))
        return 0;
    const table_view& tv = *tables_[rw.group];
    if (!tv.present)
        return 0;
    const auto fields = static_cast<std::size_t>(game_.db.tables[tv.t].field_count());
    return std::min(fields, patch_.tables[static_cast<std::size_t>(g.table_patch)].fields.size());
}

review_kind patch_review::kind_of(std::size_t change) const {
    const change_item& ch = changes_[change];
    const row& rw = rows_[ch.row];
    if (rw.kind != review_kind::field)
        return rw.kind;
    const table_patch& tp = patch_.tables[static_cast<std::size_t>(groups_[rw.group].table_patch)];
    return ch.field < tp.changed[rw.index].fields.size() ? review_kind::field : review_kind::stored;
}

const std::string* patch_review::conflict(std::size_t change) const {
    const std::int32_t c = changes_[change].conflict;
    return c < 0 ? nullptr : &conflicts_[static_cast<std::size_t>(c)].text;
}

patch patch_review::ticked_patch() const {
    patch out;
    out.has_language = patch_.has_language;
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        if (groups_[g].table_patch < 0) {
            add_ticked_entries(g, out.language);
            continue;
        }
        table_patch sub = ticked_table(g);
        if (!sub.changed.empty() || !sub.removed.empty() || !sub.added.empty())
            out.tables.push_back(std::move(sub));
    }
    return out;
}

void patch_review::add_ticked_entries(std::size_t g, language_patch& out) const {
    const group& gr = groups_[g];
    const language_patch& lp = patch_.language;
    for (std::uint32_t r = gr.first_row; r < gr.end_row; ++r) {
        const row& rw = rows_[r];
        const std::size_t c = rw.first_change;
        if (!ticked_[c])
            continue;
        // A ticked conflict applies over what the game holds.
        const bool over = changes_[c].conflict >= 0 && rw.game_row >= 0 && lang_;
        const std::string held = over ? lang_->entry(rw.game_row).text : std::string();
        switch (rw.kind) {
        case review_kind::entry_changed:
            out.changed.push_back(lp.changed[rw.index]);
            if (over)
                out.changed.back().before = held;
            break;
        case review_kind::entry_removed:
            out.removed.push_back(lp.removed[rw.index]);
            if (over)
                out.removed.back().text = held;
            break;
        default:
            out.added.push_back(lp.added[rw.index]);
        }
    }
}

table_patch patch_review::ticked_table(std::size_t g) const {
    const database& db = game_.db;
    const group& gr = groups_[g];
    const table_view& tv = *tables_[g];
    const table_patch& tp = patch_.tables[static_cast<std::size_t>(gr.table_patch)];
    table_patch sub;
    sub.index = tp.index;
    sub.name = tp.name;
    sub.fields = tp.fields;
    sub.kinds = tp.kinds;
    sub.rows_before = tp.rows_before;
    for (std::uint32_t r = gr.first_row; r < gr.end_row; ++r) {
        const row& rw = rows_[r];
        const bool there = rw.game_row >= 0 && tv.present;
        const db_overall_data* held =
            there ? &db.rows(tv.t)[static_cast<std::size_t>(rw.game_row)] : nullptr;
        if (rw.kind == review_kind::field) {
            changed_row kept = ticked_changes(rw, held);
            if (!kept.fields.empty() || !kept.stored_after.empty())
                sub.changed.push_back(std::move(kept));
            continue;
        }
        const std::size_t c = rw.first_change;
        if (!ticked_[c])
            continue;
        if (rw.kind == review_kind::added) {
            sub.added.push_back(tp.added[rw.index]);
            continue;
        }
        sub.removed.push_back(tp.removed[rw.index]);
        if (changes_[c].conflict >= 0 && held)
            sub.removed.back().contents =
                patch_parts::row_contents(db, tv.t, static_cast<std::size_t>(rw.game_row));
    }
    sub.rows_after = sub.rows_before - static_cast<std::int32_t>(sub.removed.size()) +
                     static_cast<std::int32_t>(sub.added.size());
    return sub;
}

changed_row patch_review::ticked_changes(const row& rw, const db_overall_data* held) const {
    const database& db = game_.db;
    const table_view& tv = *tables_[rw.group];
    const table_patch& tp = patch_.tables[static_cast<std::size_t>(groups_[rw.group].table_patch)];
    const changed_row& rc = tp.changed[rw.index];
    changed_row kept;
    kept.row = rc.row;
    for (std::uint32_t c = rw.first_change; c < rw.end_change; ++c) {
        if (!ticked_[c])
            continue;
        const bool over = changes_[c].conflict >= 0 && held;
        const std::uint32_t f = changes_[c].field;
        if (f >= rc.fields.size()) {
            kept.stored_before =
                over ? undecoded_words(db, tv.t, static_cast<std::size_t>(rw.game_row))
                     : rc.stored_before;
            kept.stored_after = rc.stored_after;
            // Both sides as long: the table's packed area.
            kept.stored_before.resize(std::max(kept.stored_before.size(), kept.stored_after.size()),
                                      0);
            kept.stored_after.resize(kept.stored_before.size(), 0);
            continue;
        }
        field_change fc = rc.fields[f];
        if (over) {
            const auto place = patch_parts::field_cell(db.tables[tv.t], tv.t, fc.field);
            if (place)
                fc.before = read_cell(*held, place->place());
        }
        kept.fields.push_back(fc);
    }
    return kept;
}

} // namespace qira
