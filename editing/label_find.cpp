#include "editing/label_find.h"

#include "editing/text_fold.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace qira {
namespace {

// The id a folded query names: all digits, or '#' and digits (fold_text() has already removed
// the spaces at either end). Nothing for other queries and for numbers past the 32-bit range.
std::optional<std::int32_t> id_in_query(std::string_view folded) {
    if (!folded.empty() && folded.front() == '#')
        folded.remove_prefix(1);
    if (folded.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : folded) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

// The words of a folded query, longest first so that a label fails on its rarest word early.
std::vector<std::string_view> words_of(std::string_view folded) {
    std::vector<std::string_view> words;
    while (!folded.empty()) {
        const std::size_t space = folded.find(' ');
        const std::string_view word = folded.substr(0, space);
        if (!word.empty() && std::find(words.begin(), words.end(), word) == words.end())
            words.push_back(word);
        if (space == std::string_view::npos)
            break;
        folded.remove_prefix(space + 1);
    }
    std::stable_sort(words.begin(), words.end(),
                     [](std::string_view a, std::string_view b) { return a.size() > b.size(); });
    return words;
}

} // namespace

void label_find::assign(std::vector<std::string> labels_utf8,
                        std::vector<std::optional<std::int32_t>> ids) {
    folded_.clear();
    folded_.reserve(labels_utf8.size());
    for (const std::string& label : labels_utf8)
        folded_.push_back(fold_text(label));
    ids_ = std::move(ids);
    ids_.resize(folded_.size());
}

void label_find::set_ids(std::vector<std::optional<std::int32_t>> ids) {
    ids.resize(folded_.size());
    ids_ = std::move(ids);
}

void label_find::relabel(std::size_t node, std::string_view label_utf8) {
    if (node < folded_.size())
        folded_[node] = fold_text(label_utf8);
}

std::string_view label_find::folded_label(std::size_t node) const {
    if (node < folded_.size())
        return folded_[node];
    return {};
}

std::vector<std::size_t> label_find::matches(std::string_view query) const {
    const std::string folded = fold_text(query);
    std::vector<std::size_t> found;
    if (folded.empty())
        return found;

    const std::optional<std::int32_t> id = id_in_query(folded);
    if (id) {
        for (std::size_t node = 0; node < ids_.size(); ++node) {
            if (ids_[node] == id)
                found.push_back(node);
        }
    }

    const std::vector<std::string_view> words = words_of(folded);
    for (std::size_t node = 0; node < folded_.size(); ++node) {
        const std::string_view label = folded_[node];
        const bool all = std::all_of(words.begin(), words.end(), [&](std::string_view word) {
            return label.find(word) != std::string_view::npos;
        });
        if (all && !(id && ids_[node] == id))
            found.push_back(node);
    }
    return found;
}

std::optional<std::size_t> label_find::step(const std::vector<std::size_t>& matches,
                                            std::optional<std::size_t> current_node, bool forward) {
    if (matches.empty())
        return std::nullopt;
    if (!current_node) {
        if (forward)
            return matches.front();
        return *std::max_element(matches.begin(), matches.end());
    }
    const std::size_t current = *current_node;
    std::optional<std::size_t> beyond;  // nearest on the stepping side of the current node
    std::size_t wrap = matches.front(); // the far end, reached by wrapping
    for (const std::size_t node : matches) {
        if (forward) {
            if (node > current && (!beyond || node < *beyond))
                beyond = node;
            wrap = std::min(wrap, node);
        } else {
            if (node < current && (!beyond || node > *beyond))
                beyond = node;
            wrap = std::max(wrap, node);
        }
    }
    return beyond ? *beyond : wrap;
}

std::optional<std::size_t> label_find::position_of(const std::vector<std::size_t>& matches,
                                                   std::size_t node) {
    const auto it = std::find(matches.begin(), matches.end(), node);
    if (it == matches.end())
        return std::nullopt;
    return static_cast<std::size_t>(it - matches.begin());
}

} // namespace qira
