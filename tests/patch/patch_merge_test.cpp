// Two mods made on one generated install, merged: what only one side changes is taken, the same
// change on both is made once, mods that touch different cells merge into what applying both
// patches one after the other makes, and the two patch files merge into the same game; where the
// two disagree, each conflict names the row, the field and the three contents, and --prefer's
// side wins, or the side chosen for each conflict.

#include "editing/change.h"
#include "fileio/utf8.h"
#include "patch/patch_merge.h"
#include "support/file_bytes.h"
#include "testdata/sample.h"

#include <gtest/gtest.h>

#include <random>

namespace qira {
namespace {

using namespace table_index;

// The files a game saves to, as bytes.
struct saved {
    std::vector<std::uint8_t> db, lang;
    friend bool operator==(const saved&, const saved&) = default;
};

// A mod's edits through the editing core, on the rows and language entries of each table within
// [from, to) of it, new rows and entries with keys from `key_base` up.
class mod_edits {
  public:
    mod_edits(open_game& g, std::uint32_t seed, double from, double to, std::int32_t key_base)
        : g_(g), rng_(seed), from_(from), to_(to), next_key_(key_base) {}

    void run(int count) {
        for (int i = 0; i < count; ++i) {
            const int t = static_cast<int>(rng_() % g_.db.tables.size());
            switch (rng_() % 6) {
            case 0:
            case 1:
                set_field(t);
                break;
            case 2:
                add_row(t);
                break;
            case 3:
                remove_row(t);
                break;
            case 4:
                set_entry();
                break;
            default:
                rng_() % 2 ? add_entry() : remove_entry();
            }
        }
    }

  private:
    int pick(std::size_t n) {
        const int lo = static_cast<int>(from_ * static_cast<double>(n));
        const int hi = std::max(lo + 1, static_cast<int>(to_ * static_cast<double>(n)));
        return lo + static_cast<int>(rng_() % static_cast<unsigned>(hi - lo));
    }
    bool keyed_rows(int t) const {
        return g_.db.tables[t].key_count > 0 && g_.db.rows(t).size() > 4;
    }
    // Whether the row is the only one with its keys (another's rank would follow its removal).
    bool unique_keys(int t, int r) const {
        const auto rows = g_.db.rows(t);
        return std::count_if(rows.begin(), rows.end(), [&](const db_overall_data& x) {
                   return x.keys == rows[static_cast<std::size_t>(r)].keys;
               }) == 1;
    }

    void set_field(int t) {
        const db_table& table = g_.db.tables[t];
        if (g_.db.rows(t).empty() || table.field_count() == table.key_count)
            return;
        const int field =
            table.key_count +
            static_cast<int>(rng_() % static_cast<unsigned>(table.field_count() - table.key_count));
        const cell c = column_cell(g_.db, t, pick(g_.db.rows(t).size()), field);
        static const char* const texts[] = {"M\xc3\xbcller", "bad \xff\xfe bytes", "", "Ann"};
        cell_value v;
        if (holds_text(c.part)) {
            v.text = texts[rng_() % 4];
        } else {
            const int w = c.part == row_part::value ? field_width(table.fields[field], t) : 32;
            v.number = static_cast<std::uint32_t>(rng_()) &
                       (w >= 32 ? 0xFFFFFFFFu : (std::uint32_t{1} << w) - 1);
        }
        set_cell(g_, made_, c, v);
    }
    void add_row(int t) {
        if (!keyed_rows(t))
            return;
        const auto n = g_.db.rows(t).size();
        db_overall_data row = g_.db.rows(t)[static_cast<std::size_t>(pick(n))];
        row.keys[0] = next_key_++;
        row.names = text_slots();
        insert_row(g_, made_, t, pick(n), std::move(row));
    }
    void remove_row(int t) {
        if (!keyed_rows(t))
            return;
        const int r = pick(g_.db.rows(t).size());
        if (unique_keys(t, r))
            qira::remove_row(g_, made_, t, r);
    }
    // Entries below the names' keys: saving puts no row's name over them.
    void set_entry() {
        const std::size_t i = static_cast<std::size_t>(pick(g_.lang.entries().size()));
        if (g_.lang.entries()[i].key < 10000000)
            set_entry_text(g_, made_, i, "entry \xe9 " + std::to_string(rng_() % 100));
    }
    void add_entry() {
        insert_entries(g_, made_,
                       {{static_cast<std::size_t>(pick(g_.lang.entries().size())),
                         {next_key_++, 0, "new entry"}}});
    }
    void remove_entry() {
        const auto& entries = g_.lang.entries();
        const std::size_t i = static_cast<std::size_t>(pick(entries.size()));
        const auto same_key = std::count_if(entries.begin(), entries.end(),
                                            [&](const auto& e) { return e.key == entries[i].key; });
        if (entries[i].key < 10000000 && same_key == 1)
            remove_entries(g_, made_, {i});
    }

    open_game& g_;
    std::mt19937 rng_;
    double from_, to_;
    std::int32_t next_key_;
    change made_;
};

class Merge : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(write_sample_install(dir / "install", {sample_scale::tiny, 3}));
    }
    open_game base() {
        open_game g;
        EXPECT_TRUE(open_game_files(install_database_path(dir / "install"),
                                    install_language_path(dir / "install", "eng"), g));
        return g;
    }
    open_game edited(std::uint32_t seed, double from, double to, std::int32_t key_base,
                     int edits = 8) {
        open_game g = base();
        mod_edits(g, seed, from, to, key_base).run(edits);
        return g;
    }
    saved bytes(const open_game& g) {
        const auto db = dir / "out.db", lang = dir / "out-eng.db";
        const game_result r = save_game_files(g, db, lang);
        EXPECT_TRUE(r) << r.message();
        return {test::read_file(db), test::read_file(lang)};
    }
    patch diff(const open_game& from, const open_game& to) {
        result_of<patch> p = make_patch(from.db, &from.lang, to.db, &to.lang);
        EXPECT_TRUE(p) << p.message();
        return p.value;
    }
    // The merge of A and B into `into`, which must have no conflicts.
    saved merged(open_game into, const open_game& a, const open_game& b) {
        const result_of<merged_patches> m = merge_games(into, a, b, merge_side::none);
        EXPECT_TRUE(m) << m.message();
        for (const merge_conflict& c : m.value.conflicts)
            ADD_FAILURE() << c.line();
        return bytes(into);
    }
    saved applied(open_game g, std::initializer_list<const patch*> patches) {
        for (const patch* p : patches) {
            const patch_applied done = apply_patch(g, *p);
            EXPECT_TRUE(done.ok()) << done.conflicts.front().message();
        }
        return bytes(g);
    }

    test::temp_dir dir;
};

TEST_F(Merge, ModsOfOneGameMergeAsTheirPatchesApplyOneAfterTheOther) {
    for (std::uint32_t round = 1; round <= 24; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const open_game a = edited(round, 0.0, 0.45, 900000);
        const open_game c = edited(round + 1000, 0.55, 1.0, 950000);
        const saved a_bytes = bytes(a);
        // Nothing to merge from one side, or the same on both: A.
        EXPECT_TRUE(merged(base(), base(), a) == a_bytes);
        EXPECT_TRUE(merged(base(), a, base()) == a_bytes);
        EXPECT_TRUE(merged(open_game(c), a, a) == a_bytes);

        // Different cells: both patches in either order.
        const patch pa = diff(base(), a), pc = diff(base(), c);
        const saved both = merged(base(), a, c);
        EXPECT_TRUE(both == applied(base(), {&pa, &pc}));
        EXPECT_TRUE(both == applied(base(), {&pc, &pa}));

        // The patches merged without the game apply to it as the games merged.
        const result_of<merged_patches> m = merge_patches(pa, pc, merge_side::none);
        ASSERT_TRUE(m) << m.message();
        EXPECT_TRUE(m.value.conflicts.empty());
        EXPECT_TRUE(applied(base(), {&m.value.merged}) == both);
    }
}

// One game, two mods that disagree on a player's height, on a removed row and on a language
// entry, and agree on another player's weight.
TEST_F(Merge, ConflictsNameTheRowAndTheThreeContentsAndTheChosenSidesWin) {
    const open_game g = base();
    const db_table& table = g.db.tables[players];
    const auto field = [&](const char* name) {
        for (int f = 0; f < table.field_count(); ++f)
            if (table.fields[f].name == name)
                return f;
        ADD_FAILURE() << name;
        return 0;
    };
    const int height = field("height"), weight = field("weight");
    std::size_t entry = 0;
    while (g.lang.entries()[entry].key >= 10000000)
        ++entry;
    // Row 3 removed on one side (0), its weight changed on the other.
    const auto side = [&](std::uint32_t h, std::uint32_t removed_weight, const char* text) {
        open_game s = base();
        change ch;
        set_cell(s, ch, column_cell(s.db, players, 1, height), {h, {}});
        set_cell(s, ch, column_cell(s.db, players, 2, weight), {99, {}});
        set_entry_text(s, ch, entry, text);
        if (removed_weight == 0)
            remove_row(s, ch, players, 3);
        else
            set_cell(s, ch, column_cell(s.db, players, 3, weight), {removed_weight, {}});
        return s;
    };
    const std::uint32_t other_weight =
        read_cell(g.db, column_cell(g.db, players, 3, weight)).number ^ 1;
    const open_game a = side(181, 0, "a's text"), b = side(183, other_weight, "b's text");
    const std::string base_height =
        std::to_string(read_cell(g.db, column_cell(g.db, players, 1, height)).number);

    open_game left = base();
    const result_of<merged_patches> m = merge_games(left, a, b, merge_side::none);
    ASSERT_TRUE(m) << m.message();
    std::vector<std::string> lines;
    for (const merge_conflict& c : m.value.conflicts)
        lines.push_back(c.line());
    ASSERT_EQ(lines.size(), 3u) << testing::PrintToString(lines);
    EXPECT_EQ(lines[0].rfind("players: ", 0), 0u) << lines[0];
    EXPECT_NE(lines[0].find(" (keys "), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find(", rank 0) field height: base " + base_height + ", a 181, b 183"),
              std::string::npos)
        << lines[0];
    EXPECT_NE(lines[1].find(": base the row, a removed, b changed"), std::string::npos) << lines[1];
    EXPECT_EQ(lines[2], "language entry key " + std::to_string(g.lang.entries()[entry].key) +
                            ": base " + quoted_text(g.lang.entries()[entry].text) +
                            ", a \"a's text\", b \"b's text\"");
    // Left out: only the weight both changed alike.
    EXPECT_TRUE(bytes(left) == bytes(base()));
    EXPECT_EQ(m.value.merged.change_count(), 1u);

    for (merge_side prefer : {merge_side::a, merge_side::b}) {
        open_game into = base();
        const result_of<merged_patches> won = merge_games(into, a, b, prefer);
        ASSERT_TRUE(won) << won.message();
        EXPECT_EQ(won.value.conflicts.size(), 3u);
        EXPECT_TRUE(bytes(into) == bytes(prefer == merge_side::a ? a : b));
    }

    // A side per conflict, in the listed order: B's height, A's removal, the entry left out.
    const patch pa = diff(g, a), pb = diff(g, b);
    const result_of<merged_patches> each =
        merge_patches(pa, pb, std::vector{merge_side::b, merge_side::a, merge_side::none}, &g.db);
    ASSERT_TRUE(each) << each.message();
    ASSERT_EQ(each.value.conflicts.size(), 3u);
    EXPECT_EQ(each.value.conflicts[0].chosen, merge_side::b);
    EXPECT_EQ(each.value.conflicts[2].chosen, merge_side::none);
    open_game mixed = base();
    {
        change ch;
        set_cell(mixed, ch, column_cell(mixed.db, players, 1, height), {183, {}});
        set_cell(mixed, ch, column_cell(mixed.db, players, 2, weight), {99, {}});
        remove_row(mixed, ch, players, 3);
    }
    EXPECT_TRUE(applied(base(), {&each.value.merged}) == bytes(mixed));

    // Patches made for other tables are refused before anything is merged.
    patch other = pa;
    other.tables.front().name = "other";
    const result_of<merged_patches> refused = merge_patches(other, pb, merge_side::a);
    EXPECT_FALSE(refused);
    EXPECT_NE(refused.message().find("table 4 is \"other\" in the first patch, \"players\""),
              std::string::npos)
        << refused.message();
}

} // namespace
} // namespace qira
