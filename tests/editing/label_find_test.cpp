#include "editing/label_find.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qira {
namespace {

using nodes = std::vector<std::size_t>;
using ids = std::vector<std::optional<std::int32_t>>;

// A small tree in depth-first order: a league, its teams, their players.
label_find sample_tree() {
    label_find find;
    find.assign(
        {
            "Premier League",              // 0
            "Adams FC",                    // 1
            "Ryan  Turner",                // 2 player 123
            "J\xC3\xBCrgen M\xC3\xBCller", // 3 player 77
            "United",                      // 4
            "\xC5\x81ukasz Adams 1230",    // 5 player 1230
            "Turner 123",                  // 6 player 5
            "Ca\xFF\xFE",                  // 7 player 123: invalid bytes
        },
        {std::nullopt, std::nullopt, 123, 77, std::nullopt, 1230, 5, 123});
    return find;
}

TEST(LabelFind, EveryWordMustBeInOneLabel) {
    const label_find find = sample_tree();
    ASSERT_EQ(find.size(), 8u);
    EXPECT_EQ(find.matches("ryan turner"), (nodes{2}));
    EXPECT_EQ(find.matches("  Turner   RYAN "), (nodes{2}));
    EXPECT_EQ(find.matches("turner"), (nodes{2, 6}));
    EXPECT_EQ(find.matches("adams"), (nodes{1, 5}));
    EXPECT_EQ(find.matches("adams united"), nodes{});
    EXPECT_EQ(find.matches("ada ams"), (nodes{1, 5})); // words may overlap
}

TEST(LabelFind, CaseAndAccentsDoNotMatter) {
    const label_find find = sample_tree();
    EXPECT_EQ(find.matches("muller"), (nodes{3}));
    EXPECT_EQ(find.matches("M\xC3\x9CLLER"), (nodes{3}));
    EXPECT_EQ(find.matches("jurgen"), (nodes{3}));
    EXPECT_EQ(find.matches("LUKASZ"), (nodes{5}));
    EXPECT_EQ(find.matches("\xC5\x82ukasz"), (nodes{5}));
}

TEST(LabelFind, EmptyAndOverlongQueriesMatchNothing) {
    const label_find find = sample_tree();
    EXPECT_EQ(find.matches(""), nodes{});
    EXPECT_EQ(find.matches("    "), nodes{});
    EXPECT_EQ(find.matches("\t\xC2\xA0\n"), nodes{});
    EXPECT_EQ(find.matches("ryan turner ryan turner ryan turner x"), nodes{});
    EXPECT_EQ(find.matches(std::string(1000, 'a')), nodes{});
    EXPECT_EQ(label_find().matches("a"), nodes{});
}

TEST(LabelFind, InvalidBytesMatchAReplacementCharacter) {
    const label_find find = sample_tree();
    const std::string fffd = "\xEF\xBF\xBD";
    EXPECT_EQ(find.folded_label(7), "ca" + fffd + fffd);
    EXPECT_EQ(find.matches(fffd), (nodes{7}));
    EXPECT_EQ(find.matches("a" + fffd + fffd), (nodes{7}));
    // An invalid byte in the query is a replacement character too.
    EXPECT_EQ(find.matches("CA\xFF"), (nodes{7}));
    EXPECT_EQ(find.matches("\xE2\x82"), (nodes{7}));
}

TEST(LabelFind, NumberQueriesPutThePlayersWithThatIdFirst) {
    const label_find find = sample_tree();
    // Players 2 and 7 have id 123; nodes 5 and 6 hold "123" in their labels.
    EXPECT_EQ(find.matches("123"), (nodes{2, 7, 5, 6}));
    EXPECT_EQ(find.matches("#123"), (nodes{2, 7}));
    EXPECT_EQ(find.matches("  #123 "), (nodes{2, 7}));
    EXPECT_EQ(find.matches("0123"), (nodes{2, 7})); // leading zeros name the same id
    EXPECT_EQ(find.matches("#77"), (nodes{3}));
    EXPECT_EQ(find.matches("5"), (nodes{6}));
    // A player matching both ways comes once, among the ids.
    EXPECT_EQ(find.matches("1230"), (nodes{5}));
    // Fullwidth digits fold to ASCII ones.
    EXPECT_EQ(find.matches("\xEF\xBC\x97\xEF\xBC\x97"), (nodes{3}));
}

TEST(LabelFind, OtherNumberShapesMatchNoId) {
    const label_find find = sample_tree();
    EXPECT_EQ(find.matches("#"), nodes{});
    EXPECT_EQ(find.matches("##77"), nodes{});
    EXPECT_EQ(find.matches("77x"), nodes{});
    EXPECT_EQ(find.matches("-77"), nodes{});
    EXPECT_EQ(find.matches("77 77"), nodes{});
    // Past the 32-bit range: 2^32 + 123 must not wrap round to 123.
    EXPECT_EQ(find.matches("#4294967419"), nodes{});
    EXPECT_EQ(find.matches("#2147483648"), nodes{});
    EXPECT_EQ(find.matches("#99999999999999999999999999999"), nodes{});

    label_find extremes;
    extremes.assign({"a", "b", "c"}, {2147483647, 0, -5});
    EXPECT_EQ(extremes.matches("2147483647"), (nodes{0}));
    EXPECT_EQ(extremes.matches("#0"), (nodes{1}));
    EXPECT_EQ(extremes.matches("#00"), (nodes{1}));
    EXPECT_EQ(extremes.matches("5"), nodes{});
}

TEST(LabelFind, AssignToleratesMismatchedIdCounts) {
    label_find find;
    find.assign({"a1", "b1", "c1"}, {1});
    EXPECT_EQ(find.matches("1"), (nodes{0, 1, 2}));
    find.assign({"x"}, {std::nullopt, 9, 9});
    EXPECT_EQ(find.size(), 1u);
    EXPECT_EQ(find.matches("9"), nodes{});
}

TEST(LabelFind, RelabelChangesWhatMatches) {
    label_find find = sample_tree();
    find.relabel(4, "Ryan Turner Reserves");
    EXPECT_EQ(find.matches("ryan turner"), (nodes{2, 4}));
    EXPECT_EQ(find.matches("united"), nodes{});
    find.relabel(2, "Retired");
    EXPECT_EQ(find.matches("ryan turner"), (nodes{4}));
    // The id stays with the node.
    EXPECT_EQ(find.matches("#123"), (nodes{2, 7}));
    find.relabel(99, "ryan"); // past the end: ignored
    EXPECT_EQ(find.size(), 8u);
    EXPECT_EQ(find.folded_label(99), "");
}

TEST(LabelFindStep, ForwardGoesToTheNextNodeAndWraps) {
    const nodes found{2, 7, 5, 6}; // id matches first, then labels
    EXPECT_EQ(label_find::step(found, std::nullopt, true), 2u);
    EXPECT_EQ(label_find::step(found, 2, true), 5u); // by node order, not list order
    EXPECT_EQ(label_find::step(found, 5, true), 6u);
    EXPECT_EQ(label_find::step(found, 6, true), 7u);
    EXPECT_EQ(label_find::step(found, 7, true), 2u); // wraps
    EXPECT_EQ(label_find::step(found, 0, true), 2u); // from a node that is no match
    EXPECT_EQ(label_find::step(found, 3, true), 5u);
    EXPECT_EQ(label_find::step(found, 100, true), 2u);
    // Wrapping goes to the smallest node, which need not come first in the list.
    EXPECT_EQ(label_find::step(nodes{7, 2, 5}, 7, true), 2u);
}

TEST(LabelFindStep, BackwardGoesToThePreviousNodeAndWraps) {
    const nodes found{7, 2, 5};
    EXPECT_EQ(label_find::step(found, std::nullopt, false), 7u);
    EXPECT_EQ(label_find::step(found, 7, false), 5u);
    EXPECT_EQ(label_find::step(found, 5, false), 2u);
    EXPECT_EQ(label_find::step(found, 2, false), 7u); // wraps
    EXPECT_EQ(label_find::step(found, 6, false), 5u);
    EXPECT_EQ(label_find::step(found, 0, false), 7u);
    EXPECT_EQ(label_find::step(nodes{2, 7, 5}, 2, false), 7u);
}

TEST(LabelFindStep, FreshQueryAndDegenerateLists) {
    // With nothing selected, forward starts at the first in the list, an id match.
    EXPECT_EQ(label_find::step(nodes{9, 1, 4}, std::nullopt, true), 9u);
    EXPECT_EQ(label_find::step(nodes{}, std::nullopt, true), std::nullopt);
    EXPECT_EQ(label_find::step(nodes{}, 3, false), std::nullopt);
    EXPECT_EQ(label_find::step(nodes{4}, 4, true), 4u);
    EXPECT_EQ(label_find::step(nodes{4}, 4, false), 4u);
}

TEST(LabelFindStep, PositionCountsInListOrder) {
    const nodes found{7, 2, 5};
    EXPECT_EQ(label_find::position_of(found, 7), 0u);
    EXPECT_EQ(label_find::position_of(found, 5), 2u);
    EXPECT_EQ(label_find::position_of(found, 3), std::nullopt);
    EXPECT_EQ(label_find::position_of(nodes{}, 0), std::nullopt);
}

} // namespace
} // namespace qira
