#pragma once
// The matching behind "find in tree": the nodes of a tree, in depth-first order, each with its
// folded label and, for a player node, the player's id.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qira {

class label_find {
  public:
    // Replaces all nodes: node i gets labels_utf8[i] and ids[i]. Missing ids (a shorter `ids`)
    // count as none; ids past the last label are ignored.
    void assign(std::vector<std::string> labels_utf8, std::vector<std::optional<std::int32_t>> ids);
    // Gives the nodes new ids (an exchange moves players between nodes); as in assign().
    void set_ids(std::vector<std::optional<std::int32_t>> ids);
    // Gives one node a new label; a node past the end is ignored.
    void relabel(std::size_t node, std::string_view label_utf8);

    std::size_t size() const { return folded_.size(); }
    // The node's label as fold_text() gives it; empty for a node past the end.
    std::string_view folded_label(std::size_t node) const;

    // The nodes that match `query`, as folded by fold_text() and split into words at spaces:
    // - a node matches when its folded label contains every word, each anywhere (so the words
    //   may overlap or come in any order), and an empty query or one of only spaces matches
    //   nothing;
    // - a query that is, spaces aside, a number ("123") or '#' and a number ("#123") also
    //   matches the player nodes whose id is that number (a number past 2^31 - 1 matches no
    //   id). These come first, in node order, followed by the label matches in node order,
    //   without repeating a node that matched both ways.
    std::vector<std::size_t> matches(std::string_view query) const;

    // The match to go to from `current_node`, by node index, whatever the order of `matches`:
    // - forward: the match with the smallest node index above `current_node`, or when there is
    //   none, wrapping, the smallest node index of all;
    // - backward: the match with the largest node index below `current_node`, or when there is
    //   none, wrapping, the largest node index of all.
    // `current_node` need not be a match; when it is, a lone match steps to itself. With no
    // current node, forward gives matches.front() (the first to select for a fresh query) and
    // backward gives the match with the largest node index. Nothing when `matches` is empty.
    static std::optional<std::size_t> step(const std::vector<std::size_t>& matches,
                                           std::optional<std::size_t> current_node, bool forward);

    // The place of `node` in `matches`, counted from 0 (show index + 1 in "3 of 17"); nothing
    // when it is not a match.
    static std::optional<std::size_t> position_of(const std::vector<std::size_t>& matches,
                                                  std::size_t node);

  private:
    std::vector<std::string> folded_;
    std::vector<std::optional<std::int32_t>> ids_;
};

} // namespace qira
