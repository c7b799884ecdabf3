// The ticks of a review (which changes are ticked, counted per row and group), the search of its
// rows and the lines `qiradb show-patch` prints.

#include "editing/text_fold.h"
#include "patch/patch_review.h"

#include <algorithm>

namespace qira {

namespace {

bool contains(const std::string& text, std::string_view folded) {
    return fold_text(text).find(folded) != std::string::npos;
}

} // namespace

void patch_review::count_changes() {
    row_counts_.assign(rows_.size(), {});
    group_counts_.assign(groups_.size(), {});
    for (std::size_t c = 0; c < changes_.size(); ++c) {
        const std::uint32_t r = changes_[c].row;
        for (counts* n : {&row_counts_[r], &group_counts_[rows_[r].group]}) {
            ++n->changes;
            n->conflicts += changes_[c].conflict >= 0 ? 1 : 0;
            n->locked += can_tick(c) ? 0 : 1;
        }
    }
}

void patch_review::set_ticked(std::size_t change, bool on) {
    if ((ticked_[change] != 0) == on)
        return;
    ticked_[change] = on ? 1 : 0;
    const std::uint32_t r = changes_[change].row;
    if (on) {
        ++ticked_count_;
        ++row_counts_[r].ticked;
        ++group_counts_[rows_[r].group].ticked;
    } else {
        --ticked_count_;
        --row_counts_[r].ticked;
        --group_counts_[rows_[r].group].ticked;
    }
}

std::pair<std::size_t, std::size_t> patch_review::group_changes(std::size_t g) const {
    const group& gr = groups_[g];
    if (gr.end_row <= gr.first_row)
        return {0, 0};
    return {rows_[gr.first_row].first_change, rows_[gr.end_row - 1].end_change};
}

bool patch_review::can_tick(std::size_t change) const {
    const change_item& ch = changes_[change];
    if (ch.conflict < 0)
        return true;
    if (!conflicts_[static_cast<std::size_t>(ch.conflict)].differs_only)
        return false;
    // Applied over what the game holds, the row must be there.
    return rows_[ch.row].game_row >= 0;
}

std::vector<std::size_t> patch_review::tick(std::size_t change, bool on) {
    std::vector<std::size_t> done;
    std::size_t c = change;
    do {
        const bool may = !on || can_tick(c);
        if (may && (ticked_[c] != 0) != on) {
            set_ticked(c, on);
            done.push_back(c);
        }
        c = changes_[c].together;
    } while (c != change);
    return done;
}

void patch_review::tick_all(bool on) {
    for (std::size_t c = 0; c < changes_.size(); ++c) {
        // A change starts ticked unless it conflicts, or goes with one that does.
        bool tick_it = on && changes_[c].conflict < 0;
        for (std::size_t o = changes_[c].together; tick_it && o != c; o = changes_[o].together)
            tick_it = changes_[o].conflict < 0;
        set_ticked(c, tick_it);
    }
}

std::vector<std::size_t> patch_review::tick_range(std::size_t first, std::size_t end, bool on,
                                                  bool conflicts) {
    std::vector<std::size_t> done;
    end = std::min(end, changes_.size());
    for (std::size_t c = first; c < end; ++c) {
        if (on && !conflicts && changes_[c].conflict >= 0)
            continue;
        if ((ticked_[c] != 0) == on)
            continue;
        const std::vector<std::size_t> with = tick(c, on);
        done.insert(done.end(), with.begin(), with.end());
    }
    return done;
}

bool patch_review::row_matches(std::size_t r, std::string_view folded) const {
    if (folded.empty() || contains(row_title(r), folded))
        return true;
    const row& rw = rows_[r];
    const auto matches = [&](const shown& s) {
        return contains(s.field, folded) || contains(s.before, folded) || contains(s.now, folded) ||
               contains(s.after, folded);
    };
    for (std::size_t c = rw.first_change; c < rw.end_change; ++c)
        if (matches(show(c)))
            return true;
    for (const shown& s : row_fields(r))
        if (matches(s))
            return true;
    return false;
}

std::string patch_review::line(std::size_t change) const {
    const change_item& ch = changes_[change];
    const row& rw = rows_[ch.row];
    const shown s = show(change);
    std::string text = conflict(change) ? "! " : "  ";
    text += row_title(ch.row);
    switch (kind_of(change)) {
    case review_kind::field:
        text += " field " + s.field + ": " + s.before + " -> " + s.after;
        break;
    case review_kind::stored:
        text += " " + s.field + ": " + s.before + " -> " + s.after;
        break;
    case review_kind::removed:
    case review_kind::added: {
        text += rw.kind == review_kind::removed ? ": removed (" : ": added (";
        bool first = true;
        for (const shown& f : row_fields(ch.row)) {
            text += (first ? "" : ", ") + f.field + " " +
                    (rw.kind == review_kind::removed ? f.before : f.after);
            first = false;
        }
        text += ")";
        break;
    }
    case review_kind::entry_changed:
        text += ": " + s.before + " -> " + s.after;
        break;
    case review_kind::entry_removed:
        text += ": removed " + s.before;
        break;
    case review_kind::entry_added:
        text += ": added " + s.after;
        break;
    }
    if (const std::string* why = conflict(change))
        text += " (conflict: " + *why + ")";
    return text;
}

} // namespace qira
