#include "dbfile/build.h"
#include "dbfile/database.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace qira {
namespace {

TEST(TextSlots, SlotsWithoutStorageReadEmptyAndCompareAsEmpty) {
    text_slots none;
    const text_slots& read = none;
    EXPECT_EQ(read[3], "");
    EXPECT_EQ(none.held(), 0u); // reading gives no storage

    text_slots two;
    two.hold(2);
    EXPECT_EQ(two, none);
    two[1] = "Berg";
    EXPECT_NE(two, none);
    EXPECT_EQ(two, (text_slots{"", "Berg", "", ""}));
    EXPECT_EQ(two, (text_slots{"", "Berg"}));
    EXPECT_EQ(two.held(), 2u);
}

TEST(TextSlots, WritingPastTheHeldSlotsKeepsTheTextsBefore) {
    text_slots row;
    row.hold(2);
    row[0] = std::string(40, 'a'); // longer than the inline buffer of a string
    row[1] = "b";
    row[3] = "d";
    EXPECT_EQ(row.held(), 4u);
    EXPECT_EQ(row, (text_slots{std::string(40, 'a'), "b", "", "d"}));

    row.hold(1); // drops the texts past the first
    EXPECT_EQ(row, (text_slots{std::string(40, 'a')}));
}

TEST(TextSlots, CopiesAreDeepAndMovesLeaveNothingBehind) {
    text_slots a{"x", "y"};
    text_slots b = a;
    b[0] = "changed";
    EXPECT_EQ(a[0], "x");
    a = b;
    EXPECT_EQ(a[0], "changed");
    const text_slots& same = a;
    a = same; // assignment to itself
    EXPECT_EQ(a[1], "y");

    text_slots c = std::move(a);
    EXPECT_EQ(c, b);
    EXPECT_EQ(a.held(), 0u); // NOLINT(bugprone-use-after-move): moved-from is empty
}

TEST(TextSlots, ASlotPastTheFourIsRefusedNotReached) {
    text_slots row{"a", "b", "c", "d"};
    const text_slots& read = row;
    EXPECT_THROW(row[4] = "e", std::out_of_range);
    EXPECT_THROW((void)read[4], std::out_of_range);
    EXPECT_EQ(row, (text_slots{"a", "b", "c", "d"}));
    text_slots five{"1", "2", "3", "4", "5"}; // a longer list keeps its first four
    EXPECT_EQ(five.held(), 4u);
}

TEST(TextSlots, RowsSharingATablesStorageOutliveItWhenMovedOrCopied) {
    std::vector<text_slots> moved, copied;
    {
        text_slots::pool storage;
        storage.reserve(5);
        std::vector<text_slots> rows(3);
        rows[0].share(storage, 2);
        rows[1].share(storage, 2);
        rows[2].share(storage, 2); // no room left: a block of its own
        rows[0][1] = std::string(50, 'x');
        rows[1][0] = "b";
        rows[2][0] = "c";
        rows[1][3] = "widened"; // leaves the pool
        copied = rows;
        moved = std::move(rows);
        text_slots assigned;
        assigned = std::move(moved[0]);
        moved[0] = std::move(assigned);
    } // the storage goes; what was copied or moved out must not point into it
    ASSERT_EQ(moved.size(), 3u);
    EXPECT_EQ(moved[0], (text_slots{"", std::string(50, 'x')}));
    EXPECT_EQ(moved[1], (text_slots{"b", "", "", "widened"}));
    EXPECT_EQ(moved[2], (text_slots{"c"}));
    EXPECT_EQ(copied, moved);
}

TEST(TextSlots, ADatabaseOutlivesTheOneItWasCopiedFrom) {
    database copy;
    {
        database db;
        db.overall.resize(1);
        db.overall[0].text_storage.reserve(2);
        db.overall[0].rows.resize(1);
        db.overall[0].rows[0].strings.share(db.overall[0].text_storage, 2);
        db.overall[0].rows[0].strings[1] = std::string(30, 'y');
        copy = db;
        db.overall[0].rows.resize(40); // the rows move inside their table
        EXPECT_EQ(db.overall[0].rows[0].strings[1], std::string(30, 'y'));
    }
    EXPECT_EQ(copy.overall[0].rows[0].strings[1], std::string(30, 'y'));
}

TEST(ValueList, BehavesLikeAVectorOfValues) {
    value_list v{1, 2, 3};
    EXPECT_EQ(v, (std::vector<std::uint32_t>{1, 2, 3}));
    EXPECT_NE(v, (std::vector<std::uint32_t>{1, 2}));
    v.resize(5, 9);
    EXPECT_EQ(v, (std::vector<std::uint32_t>{1, 2, 3, 9, 9}));
    v.resize(2);
    EXPECT_EQ(v, (value_list{1, 2}));
    v.assign(3, 7);
    EXPECT_EQ(v, (std::vector<std::uint32_t>{7, 7, 7}));
    EXPECT_THROW((void)v.at(3), std::out_of_range);
    v = {};
    EXPECT_TRUE(v.empty());
    EXPECT_EQ(v.begin(), v.end());
}

TEST(ValueList, RowsSharingATablesStorageOutliveItWhenMovedOrCopied) {
    std::vector<value_list> moved, copied;
    {
        value_list::pool storage;
        storage.reserve(5);
        std::vector<value_list> rows(3);
        for (auto& row : rows)
            row.share(storage, 2); // the third has no room left: a block of its own
        for (std::size_t r = 0; r < rows.size(); ++r)
            rows[r][1] = static_cast<std::uint32_t>(10 + r);
        EXPECT_EQ(rows[0][0], 0u); // shares start at 0
        rows[1].resize(3, 4);      // leaves the pool
        copied = rows;
        moved = std::move(rows);
        value_list assigned;
        assigned = std::move(moved[0]);
        moved[0] = std::move(assigned);
    } // the storage goes; what was copied or moved out must not point into it
    ASSERT_EQ(moved.size(), 3u);
    EXPECT_EQ(moved[0], (std::vector<std::uint32_t>{0, 10}));
    EXPECT_EQ(moved[1], (std::vector<std::uint32_t>{0, 11, 4}));
    EXPECT_EQ(moved[2], (std::vector<std::uint32_t>{0, 12}));
    EXPECT_EQ(copied, moved);
}

TEST(ValueList, DecodingTwiceIntoOneDatabaseReplacesTheSharedStorage) {
    // decode_table may run again on a database whose rows borrow from the storage it replaces.
    database model;
    const int t = add_table(model, {"t", {"id"}, {}, {"s"}, {{"a", 0, 255}, {"b", 0, 255}}});
    for (std::uint32_t r = 0; r < 3; ++r) {
        auto& row = add_row(model, t);
        row.values = {r, 2 * r};
        row.strings[0] = std::string(20, static_cast<char>('a' + r));
    }
    const auto bytes = serialize_database(model);
    database db;
    ASSERT_TRUE(parse_database(bytes, "qira.db", nullptr, db));
    for (int pass = 0; pass < 2; ++pass) {
        const result r = decode_table(bytes, "qira.db", nullptr, db, t);
        ASSERT_TRUE(r) << r.message();
    }
    EXPECT_EQ(db.rows(t)[2].values, (std::vector<std::uint32_t>{2, 4}));
    EXPECT_EQ(db.rows(t)[2].strings[0], std::string(20, 'c'));
}

} // namespace
} // namespace qira
