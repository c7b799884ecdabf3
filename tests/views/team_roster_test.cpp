// The team page, the roster page and the player exchange, driven in the real window on an
// install written for each case.

#include "app_test_support.h"

#include "app/registry.h"
#include "editing/editor_index.h"
#include "testdata/sample.h"
#include "views/page_values.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>

#include <functional>
#include <optional>

using namespace qira::test;
using qira::table_index::team_players;
using qira::table_index::team_settings;
using qira::table_index::teams;
namespace fs = std::filesystem;

namespace {

// test_database() and two more players for Team 0: Ann Lee Roe (9, ST) and Bo Odd (7, code 40).
// Team 0 (id 20) has links to 40, 42, 43, 44 in that order; Team 1 (id 21) to 41. Team 0's
// captain is 43 and its penalty taker 42.
qira::database roster_database() {
    qira::database db = test_database();
    auto add_player = [&](std::int32_t id, std::vector<std::string> names, std::uint32_t number,
                          std::uint32_t position) {
        auto& p = qira::add_row(db, qira::table_index::players);
        p.keys[0] = id;
        for (std::size_t i = 0; i < 3; ++i)
            p.strings[i] = names[i];
        auto& link = qira::add_row(db, team_players);
        link.keys = {20, id, 0, 0};
        link.values = {number, position};
    };
    add_player(43, {"Ann", "Lee", "Roe"}, 9, 30);
    add_player(44, {"Bo", "", "Odd"}, 7, 40);
    db.rows(team_settings)[0].values[0] = 43;
    db.rows(team_settings)[0].values[3] = 42;
    return db;
}

struct fixture {
    test_registry registry;
    temp_dir install;
    recording_sink sink;
    std::unique_ptr<TForm1> window;

    explicit fixture(const qira::database& db) {
        write_test_install(install.path(), db);
        start();
    }
    explicit fixture(const qira::sample_options& options) {
        QVERIFY(qira::write_sample_install(install.path(), options).ok());
        start();
    }
    void start() {
        registry.set(qira::install_key, qira::install_dir_value, install_dir_text(install.path()));
        window = std::make_unique<TForm1>(&sink);
        window->show();
        window->Button1->click();
        QVERIFY2(in_editing(*window), qPrintable(sink.all()));
    }
    TForm1& w() { return *window; }
    qira::database& db() { return window->game.db; }

    // The first node of TreeView1 with this label at this level (and, for players, this team).
    QTreeWidgetItem* node(const QString& label, int level, const QString& parent = {}) {
        for (QTreeWidgetItem* n : w().tree_nodes) {
            int depth = 0;
            for (auto* p = n->parent(); p; p = p->parent())
                ++depth;
            if (depth == level && n->text(0) == label &&
                (parent.isEmpty() || (n->parent() && n->parent()->text(0) == parent)))
                return n;
        }
        return nullptr;
    }
    void select(QTreeWidgetItem* n) {
        QVERIFY(n);
        w().TreeView1->setCurrentItem(n);
    }
    void show_team(const QString& label) {
        select(node(label, 1));
        QCOMPARE(w().main->currentIndex(), 1);
    }
    // The exchange tree's node at the same place as a node of TreeView1.
    QTreeWidgetItem* xchange_node(QTreeWidgetItem* n) {
        const auto& nodes = w().tree_nodes;
        const auto at = std::find(nodes.begin(), nodes.end(), n) - nodes.begin();
        return w().xchange_nodes.at(static_cast<std::size_t>(at));
    }
    void pick_row(int row) { w().roster->t_pl_list->setCurrentRow(row); }
    void pick_position(int index) {
        w().roster->t_pl_pos->setCurrentIndex(index);
        emit w().roster->t_pl_pos->activated(index);
    }
    void exchange(QTreeWidgetItem* chosen) {
        w().roster->xchange->setCurrentItem(xchange_node(chosen));
        w().roster->Button3->click();
    }
    QStringList roster() const {
        QStringList rows;
        for (int i = 0; i < window->roster->t_pl_list->count(); ++i)
            rows << window->roster->t_pl_list->item(i)->text();
        return rows;
    }
    QStringList entries(const QListWidget* list) const {
        QStringList rows;
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->text();
        return rows;
    }
    std::vector<std::int32_t> link_players() {
        std::vector<std::int32_t> ids;
        for (const auto& l : db().rows(team_players))
            ids.push_back(l.keys[1]);
        return ids;
    }
};

const QString team0 = QStringLiteral("Team 0");
const QString team1 = QStringLiteral("Team 1");

} // namespace

class team_roster_test : public QObject {
    Q_OBJECT

  private slots:
    // --- The team page

    void team_page_shows_and_applies_its_fields() {
        fixture f(roster_database());
        f.show_team(team0);
        TForm1& w = f.w();
        QCOMPARE(w.team->e_namefull->text(), QStringLiteral("Team name eng"));
        QCOMPARE(w.team->cobo_stadium->currentIndex(), 0); // stadium id 70 is row 0
        QCOMPARE(w.team->t_pl_capt->currentText(), QStringLiteral("Ann Lee Roe"));
        QCOMPARE(w.team->t_pl_penal->currentText(), QStringLiteral("First2  Last2"));

        w.team->cobo_formations->setCurrentIndex(
            w.team->cobo_formations->findText(QStringLiteral("4-4-2 Attacking")));
        w.team->cobo_stadium->setCurrentIndex(2);
        w.team->e_namefull->setText(QStringLiteral("Renamed"));
        w.team->t_apply->click();
        const auto& team = f.db().rows(teams)[0];
        QCOMPARE(team.values[5], 9u);
        QCOMPARE(team.values[12], 72u); // the stadium's id, not the item index
        QCOMPARE(team.names[0], std::string("Renamed"));
        QVERIFY(w.has_unsaved_changes());
        QCOMPARE(w.TreeView1->currentItem()->text(0), team0); // the tree keeps the label

        w.team->cobo_formations->setCurrentIndex(0);
        w.team->t_apply->click();
        QCOMPARE(f.db().rows(teams)[0].values[5], 0u);

        // Typing the first name back after an Apply is a change like any other.
        w.team->e_namefull->setText(QStringLiteral("Team name eng"));
        w.team->t_apply->click();
        QCOMPARE(f.db().rows(teams)[0].names[0], std::string("Team name eng"));
    }

    void stored_values_the_widgets_cannot_show_stay_as_they_are() {
        qira::database db = roster_database();
        auto& team = db.rows(teams)[0];
        team.values[17] = 12; // prestige above 10: the track bar clamps
        team.values[1] = 7;   // attack style outside its list
        team.values[5] = 60;  // formation outside its list
        team.values[12] = 99; // no such stadium
        fixture f(db);
        // A 7-character short name and a name whose bytes are not UTF-8.
        f.db().rows(teams)[0].names[1] = "ABCDEFG";
        f.db().rows(teams)[0].names[0] = "Caf\xe9";
        f.show_team(team0);
        TForm1& w = f.w();
        QCOMPARE(w.team->t_prest->value(), 10);
        QCOMPARE(w.team->e_name5->text(), QStringLiteral("ABCDEFG"));
        QCOMPARE(w.team->cobo_attack->currentIndex(), -1);
        QCOMPARE(w.team->cobo_stadium->currentIndex(), -1);
        w.team->t_apply->click();
        const auto& after = f.db().rows(teams)[0];
        QCOMPARE(after.values[17], 10u);
        QCOMPARE(after.values[1], 7u);
        QCOMPARE(after.values[5], 60u);
        QCOMPARE(after.values[12], 99u);
        QCOMPARE(after.names[1], std::string("ABCDEFG"));
        QCOMPARE(after.names[0], std::string("Caf\xe9"));
    }

    void captain_and_penalty_taker_by_field_name_in_the_teams_own_row() {
        // Team settings listed in another order than the teams, with the fields elsewhere.
        qira::database db = roster_database();
        qira::database reordered;
        for (int t = 0; t < db.table_count(); ++t) {
            qira::table_spec spec{db.tables[t].name, {"id"}, {}, {}, {}};
            if (t == team_settings)
                spec.packed = {{"kit", 0, 0x7FFF},
                               {"penaltytakerid", 0, 0x7FFF},
                               {"manager", 0, 0x7FFF},
                               {"captain", 0, 0x7FFF}};
            if (t != team_settings) {
                reordered.tables.push_back(db.tables[t]);
                reordered.overall.push_back(db.overall[t]);
                reordered.blocks.emplace_back();
                continue;
            }
            qira::add_table(reordered, spec);
            for (std::int32_t id : {21, 20}) {
                auto& row = qira::add_row(reordered, t);
                row.keys[0] = id;
                row.values = {5, id == 20 ? 42u : 41u, 6, id == 20 ? 43u : 41u};
            }
        }
        reordered.block_offsets.resize(reordered.tables.size() + 1);
        fixture f(reordered);
        f.show_team(team0);
        TForm1& w = f.w();
        QCOMPARE(w.team->t_pl_capt->currentText(), QStringLiteral("Ann Lee Roe"));
        QCOMPARE(w.team->t_pl_penal->currentText(), QStringLiteral("First2  Last2"));
        w.team->t_pl_capt->setCurrentIndex(0);  // First0 Last0, id 40
        w.team->t_pl_penal->setCurrentIndex(3); // Bo Odd, id 44
        w.team->t_apply->click();
        const auto settings = f.db().rows(team_settings);
        QCOMPARE(settings[1].values, (std::vector<std::uint32_t>{5, 44, 6, 40}));
        QCOMPARE(settings[0].values, (std::vector<std::uint32_t>{5, 41, 6, 41})); // team 21's row
    }

    void without_a_settings_row_or_a_listed_captain_the_fields_stay() {
        qira::database db = roster_database();
        db.rows(team_settings)[0].values[0] = 41; // a captain from another team
        fixture f(db);
        f.show_team(team0);
        TForm1& w = f.w();
        QCOMPARE(w.team->t_pl_capt->currentIndex(), -1);
        w.team->e_namefull->setText(QStringLiteral("Written"));
        w.team->t_apply->click();
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));
        QCOMPARE(f.db().rows(teams)[0].names[0], std::string("Written"));
        QCOMPARE(f.db().rows(team_settings)[0].values[0], 41u);
        QCOMPARE(f.db().rows(team_settings)[0].values[3], 42u);

        // Team 1 loses its settings row: nothing is shown and nothing written there.
        f.db().rows(team_settings)[1].keys[0] = 999;
        f.w().game.lookups.rebuild(f.db());
        f.show_team(team1);
        QCOMPARE(w.team->t_pl_capt->currentIndex(), -1);
        w.team->t_pl_capt->setCurrentIndex(0);
        w.team->t_apply->click();
        QCOMPARE(f.db().rows(team_settings)[1].values[0], 0u);
    }

    void apply_before_any_team_was_shown() {
        fixture f(roster_database());
        f.w().team->t_apply->click();
        QCOMPARE(f.sink.shown.size(), std::size_t{1});
        QCOMPARE(f.sink.shown[0].text, QStringLiteral("'t_id' is not a valid integer value"));
    }

    // --- The roster page

    void roster_lists_and_labels() {
        fixture f(roster_database());
        f.show_team(team0);
        TForm1& w = f.w();
        QCOMPARE(f.entries(w.team->t_pl_ids), (QStringList{"40", "42", "43", "44"}));
        w.team->Button2->click();
        QCOMPARE(w.main->currentIndex(), 3);
        QCOMPARE(f.roster(), (QStringList{"First0  Last0 (1 - GK)", "First2  Last2 (3 - GK)",
                                          "Ann Lee Roe (9 - ST)", "Bo  Odd (7 - )"}));
        f.pick_row(3);
        QCOMPARE(w.roster->t_pl_pos->currentIndex(), -1); // code 40 has no entry
        QCOMPARE(w.roster->t_pl_num_p->value(), 7);
        QCOMPARE(f.entries(w.team->t_pl_nums)[3], QStringLiteral("7"));
        QCOMPARE(w.roster->t_pl_list->currentRow(), 3);
    }

    void position_and_number_edits_reach_the_links_on_apply() {
        fixture f(roster_database());
        f.show_team(team0);
        TForm1& w = f.w();
        w.team->Button2->click();
        f.pick_row(0);
        f.pick_position(2); // "-----" stores 2
        QCOMPARE(f.roster()[0], QStringLiteral("First0  Last0 (1 - -----)"));
        QCOMPARE(w.roster->t_pl_list->currentRow(), 0); // kept across the rebuild
        w.roster->t_pl_num_p->setValue(55);
        QCOMPARE(f.roster()[0], QStringLiteral("First0  Last0 (55 - -----)"));
        // A typed text that is not a number never reaches the entry.
        QTest::keyClicks(w.roster->t_pl_num, QStringLiteral("abc"));
        QCOMPARE(f.entries(w.team->t_pl_nums)[0], QStringLiteral("55"));
        QCOMPARE(f.db().rows(team_players)[0].values[1], 0u); // not before Apply
        w.roster->t_apply_1->click();
        QCOMPARE(f.db().rows(team_players)[0].values, (std::vector<std::uint32_t>{55, 2}));
        QCOMPARE(f.db().rows(team_players)[1].values, (std::vector<std::uint32_t>{2, 0})); // team 1
        // The team page's Apply does the same.
        f.pick_row(1);
        f.pick_position(30);
        w.roster->Button5->click();
        QCOMPARE(w.main->currentIndex(), 1);
        w.team->t_apply->click();
        QCOMPARE(f.db().rows(team_players)[2].values[1], 30u);
    }

    void number_change_without_a_selected_row_changes_no_entry() {
        fixture f(roster_database());
        f.show_team(team0);
        f.w().team->Button2->click();
        f.w().roster->t_pl_num_p->setValue(42);
        QCOMPARE(f.entries(f.w().team->t_pl_nums), (QStringList{"1", "3", "9", "7"}));
        QCOMPARE(f.w().roster->t_pl_list->currentRow(), -1);
    }

    void roster_edits_live_until_the_team_is_shown_again() {
        fixture f(roster_database());
        f.show_team(team0);
        TForm1& w = f.w();
        w.team->Button2->click();
        f.pick_row(2);
        w.roster->t_pl_num_p->setValue(77);
        w.roster->Button5->click();
        w.team->Button2->click();
        QCOMPARE(f.roster()[2], QStringLiteral("Ann Lee Roe (77 - ST)"));
        // Clicking the team node again refills the lists from the links.
        emit w.TreeView1->itemClicked(w.TreeView1->currentItem(), 0);
        QCOMPARE(f.entries(w.team->t_pl_nums)[2], QStringLiteral("9"));
        // Another team shown: the page reached by its tab still lists the earlier rows.
        f.show_team(team1);
        w.main->setCurrentIndex(3);
        QCOMPARE(f.roster().size(), 4);
        w.team->Button2->click();
        QCOMPARE(f.roster(), QStringList{"First1  Last1 (2 - GK)"});
    }

    void quick_edit_shows_the_players_page_and_back() {
        fixture f(roster_database());
        f.show_team(team0);
        TForm1& w = f.w();
        w.team->Button2->click();
        f.pick_row(2);
        emit w.roster->t_pl_list->itemDoubleClicked(w.roster->t_pl_list->item(2));
        QCOMPARE(w.main->currentIndex(), 2);
        QCOMPARE(w.player->pl_rid->text(), QStringLiteral("43"));
        QCOMPARE(w.TreeView1->currentItem()->parent()->text(0), team0);
        w.player->Button8->click();
        QCOMPARE(w.main->currentIndex(), 1);
        QCOMPARE(w.TreeView1->currentItem()->text(0), team0);

        // A roster label that no node under the team carries.
        w.team->Button2->click();
        f.pick_row(0);
        w.team->t_pl_names->item(0)->setText(QStringLiteral("Nobody"));
        emit w.roster->t_pl_list->itemDoubleClicked(w.roster->t_pl_list->item(0));
        QCOMPARE(f.sink.shown.back().text, QStringLiteral("Invalid index"));
    }

    // --- The exchange

    void two_players_of_one_team_swap_their_slots() {
        fixture f(roster_database());
        f.show_team(team0);
        TForm1& w = f.w();
        w.team->Button2->click();
        f.pick_row(0);
        QTreeWidgetItem* ann = f.node(QStringLiteral("Ann Lee Roe"), 2, team0);
        QTreeWidgetItem* first = f.node(QStringLiteral("First0  Last0"), 2, team0);
        f.exchange(ann);
        // Only the player ids of the two links change places.
        QCOMPARE(f.link_players(), (std::vector<std::int32_t>{43, 41, 42, 40, 44}));
        QCOMPARE(f.db().rows(team_players)[0].values, (std::vector<std::uint32_t>{1, 0}));
        QCOMPARE(first->text(0), QStringLiteral("Ann Lee Roe"));
        QCOMPARE(ann->text(0), QStringLiteral("First0  Last0"));
        QCOMPARE(f.xchange_node(first)->text(0), QStringLiteral("Ann Lee Roe"));
        QCOMPARE(f.xchange_node(ann)->text(0), QStringLiteral("First0  Last0"));
        QCOMPARE(f.roster()[0], QStringLiteral("Ann Lee Roe (1 - GK)"));
        QCOMPARE(w.roster->t_pl_list->currentRow(), 0);
        QVERIFY(w.has_unsaved_changes());
        // The captain choice stays at its roster position (the row of the outgoing captain).
        QCOMPARE(w.team->t_pl_capt->currentIndex(), 2);
        QCOMPARE(w.team->t_pl_capt->currentText(), QStringLiteral("First0  Last0"));
        QCOMPARE(f.db().rows(team_settings)[0].values[0], 43u); // not before Apply
    }

    void players_of_two_teams_swap_and_both_trees_follow() {
        fixture f(roster_database());
        f.show_team(team0);
        TForm1& w = f.w();
        w.team->Button2->click();
        f.pick_row(2); // Ann Lee Roe, the captain
        QTreeWidgetItem* other = f.node(QStringLiteral("First1  Last1"), 2, team1);
        f.exchange(other);
        QCOMPARE(f.link_players(), (std::vector<std::int32_t>{40, 43, 42, 41, 44}));
        QCOMPARE(f.node(QStringLiteral("Ann Lee Roe"), 2)->parent()->text(0), team1);
        QCOMPARE(f.node(QStringLiteral("First1  Last1"), 2)->parent()->text(0), team0);
        QCOMPARE(f.roster()[2], QStringLiteral("First1  Last1 (9 - ST)"));
        QCOMPARE(w.team->t_pl_capt->currentText(), QStringLiteral("First1  Last1"));
        QCOMPARE(f.db().rows(team_settings)[0].values[0], 43u);
        QCOMPARE(f.xchange_node(f.node(QStringLiteral("Ann Lee Roe"), 2))->text(0),
                 QStringLiteral("Ann Lee Roe"));
    }

    // Sign and Release move a membership row, with its stored words, to the end of the other
    // team's rows; both trees and the roster follow, and one Undo puts everything back.
    void sign_and_release_move_a_membership_and_undo_puts_it_back() {
        fixture f(roster_database());
        f.show_team(team0);
        TForm1& w = f.w();
        w.team->Button2->click();
        const auto before = f.db();
        f.w().roster->xchange->setCurrentItem(
            f.xchange_node(f.node(QStringLiteral("First1  Last1"), 2, team1)));
        w.roster->ButtonSign->click();
        QCOMPARE(f.link_players(), (std::vector<std::int32_t>{40, 42, 43, 44, 41}));
        QCOMPARE(f.db().rows(team_players)[4].keys[0], 20);
        QCOMPARE(f.node(QStringLiteral("First1  Last1"), 2)->parent()->text(0), team0);
        QCOMPARE(f.roster().size(), 5);
        // Signed again: refused with the reason, nothing changes.
        f.w().roster->xchange->setCurrentItem(
            f.xchange_node(f.node(QStringLiteral("First1  Last1"), 2, team0)));
        w.roster->ButtonSign->click();
        QVERIFY(f.sink.all().contains(QStringLiteral("a team holds a player once")));
        QCOMPARE(f.link_players(), (std::vector<std::int32_t>{40, 42, 43, 44, 41}));

        // Released without a team chosen: he has no team, his player row stays.
        f.w().roster->xchange->setCurrentItem(nullptr);
        f.pick_row(1); // the second roster row: player 42
        w.roster->ButtonRelease->click();
        QCOMPARE(f.link_players(), (std::vector<std::int32_t>{40, 43, 44, 41}));
        QCOMPARE(f.roster().size(), 4);
        QVERIFY(f.db().find_row(qira::table_index::players, 42) >= 0);

        w.ButtonUndo->click();
        w.ButtonUndo->click();
        QCOMPARE(f.link_players(), (std::vector<std::int32_t>{40, 41, 42, 43, 44}));
        auto now = f.db();
        auto then = before;
        QVERIFY(qira::serialize_database(now) == qira::serialize_database(then));
    }

    // Sign, Release and Sign free player..., and their Undo and Redo, keep the roster page shown
    // with its list filled again and the player who moved chosen (the one at his place when he
    // left).
    void the_roster_page_stays_with_the_moved_player_chosen() {
        fixture f(roster_database());
        f.show_team(team0);
        TForm1& w = f.w();
        w.team->Button2->click();
        w.roster->choose_free = [&](const std::vector<qira::player_choice>&) {
            return std::optional(f.db().find_row(qira::table_index::players, 42));
        };
        const auto sign = [&] {
            w.roster->xchange->setCurrentItem(
                f.xchange_node(f.node(QStringLiteral("First1  Last1"), 2, team1)));
            w.roster->ButtonSign->click();
        };
        const auto release = [&] {
            w.roster->xchange->setCurrentItem(nullptr);
            f.pick_row(1);
            w.roster->ButtonRelease->click();
        };
        const auto sign_free = [&] { w.roster->ButtonSignFree->click(); };
        const auto undo = [&] { w.ButtonUndo->click(); };
        const auto redo = [&] { w.ButtonRedo->click(); };
        struct step {
            const char* what;
            std::function<void()> act;
            std::vector<std::int32_t> links; // of Team 0, in order
            int chosen;
        };
        const std::vector<step> steps = {
            {"sign", sign, {40, 42, 43, 44, 41}, 4},
            {"undo sign", undo, {40, 42, 43, 44}, 3},
            {"redo sign", redo, {40, 42, 43, 44, 41}, 4},
            {"release", release, {40, 43, 44, 41}, 1},
            {"undo release", undo, {40, 42, 43, 44, 41}, 1},
            {"redo release", redo, {40, 43, 44, 41}, 1},
            {"sign free", sign_free, {40, 43, 44, 41, 42}, 4},
            {"undo sign free", undo, {40, 43, 44, 41}, 3},
            {"redo sign free", redo, {40, 43, 44, 41, 42}, 4},
        };
        for (const step& s : steps) {
            s.act();
            QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));
            QVERIFY2(w.main->currentWidget() == w.roster, s.what);
            QStringList ids;
            for (std::int32_t id : s.links)
                ids << QString::number(id);
            QCOMPARE(f.entries(w.team->t_pl_ids), ids);
            QCOMPARE(f.roster().size(), ids.size());
            QCOMPARE(w.roster->t_pl_list->currentRow(), s.chosen);
            QVERIFY2(w.roster->t_pl_list->item(s.chosen)->isSelected(), s.what);
        }
    }

    void the_same_player_on_both_sides_changes_nothing_but_drops_roster_edits() {
        fixture f(roster_database());
        f.show_team(team0);
        TForm1& w = f.w();
        w.team->Button2->click();
        f.pick_row(1);
        w.roster->t_pl_num_p->setValue(66);
        const auto before = f.link_players();
        f.exchange(f.node(QStringLiteral("First2  Last2"), 2, team0));
        QCOMPARE(f.link_players(), before);
        QCOMPARE(f.entries(w.team->t_pl_nums)[1], QStringLiteral("3"));
        QVERIFY(!w.has_unsaved_changes());
    }

    void nothing_happens_without_a_player_on_both_sides() {
        fixture f(roster_database());
        f.show_team(team0);
        TForm1& w = f.w();
        w.team->Button2->click();
        const auto before = f.link_players();
        f.exchange(f.node(QStringLiteral("First1  Last1"), 2)); // no roster row selected
        f.pick_row(0);
        f.exchange(f.node(team1, 1)); // a team node
        QCOMPARE(f.link_players(), before);
        QVERIFY(f.sink.shown.empty());
    }

    void a_chosen_player_that_cannot_be_found_changes_nothing() {
        fixture f(roster_database());
        f.show_team(team0);
        TForm1& w = f.w();
        w.team->Button2->click();
        f.pick_row(0);
        QTreeWidgetItem* chosen = f.xchange_node(f.node(QStringLiteral("First1  Last1"), 2));
        chosen->setText(0, QStringLiteral("Edited in place")); // as the user may do
        const auto before = f.link_players();
        w.roster->xchange->setCurrentItem(chosen);
        w.roster->Button3->click();
        QCOMPARE(f.link_players(), before);
        QCOMPARE(f.sink.shown.size(), std::size_t{1});
        QVERIFY(f.sink.shown[0].text.contains(QStringLiteral("Edited in place")));
        QCOMPARE(f.node(QStringLiteral("First0  Last0"), 2, team0)->text(0),
                 QStringLiteral("First0  Last0"));
    }

    void a_player_of_two_teams_swaps_the_link_of_the_shown_team() {
        // In the sample, national-team players also play for clubs: exchange one of them in his
        // national team's roster; his club link must stay.
        fixture f(qira::sample_options{qira::sample_scale::tiny, 1});
        const auto links = f.db().rows(team_players);
        const auto& lookups = f.w().game.lookups;
        int shown_link = -1, other_link = -1;
        for (std::size_t a = 0; a < links.size() && shown_link < 0; ++a)
            for (std::size_t b = 0; b < a; ++b)
                if (links[a].keys[1] == links[b].keys[1] && links[a].keys[0] != links[b].keys[0]) {
                    shown_link =
                        static_cast<int>(a); // the later link: the first is the other team's
                    other_link = static_cast<int>(b);
                    break;
                }
        QVERIFY(shown_link >= 0);
        const int team_row = lookups.team_by_key(links[shown_link].keys[0]);
        const QString team_label = qira::text_of(f.db().rows(teams)[team_row].strings[1]);
        f.show_team(team_label);
        TForm1& w = f.w();
        const auto& own = lookups.team_links(links[shown_link].keys[0]);
        const int row =
            static_cast<int>(std::find(own.begin(), own.end(), shown_link) - own.begin());
        w.team->Button2->click();
        f.pick_row(row);
        // Someone of a team that is not this one.
        QTreeWidgetItem* chosen = nullptr;
        for (QTreeWidgetItem* n : w.tree_nodes)
            if (n->parent() && n->parent()->parent() && n->parent()->text(0) != team_label &&
                lookups.player_by_label(n->text(0).toStdString()) >= 0) {
                chosen = n;
                break;
            }
        QVERIFY(chosen);
        const std::int32_t moving = links[shown_link].keys[1];
        const auto other_before = links[other_link];
        f.exchange(chosen);
        QVERIFY(f.db().rows(team_players)[shown_link].keys[1] != moving);
        QCOMPARE(f.db().rows(team_players)[other_link].keys, other_before.keys);
    }

    void exchange_and_roster_edits_are_saved_and_nothing_else_changes() {
        fixture f(qira::sample_options{qira::sample_scale::tiny, 1});
        const auto db_before = read_file(database_file(f.install.path()));
        const auto lang_before = read_file(language_file(f.install.path(), "eng"));
        qira::database before;
        QVERIFY(qira::parse_database(db_before, "qira.db", nullptr, before).ok());

        TForm1& w = f.w();
        // The first team with at least two players and a prestige the page can show (Apply
        // stores a shown prestige, and one above 10 is shown as 10), and a player of another team.
        QTreeWidgetItem* team = nullptr;
        for (QTreeWidgetItem* n : w.tree_nodes) {
            if (!n->parent() || n->parent()->parent() || n->childCount() < 2)
                continue;
            const int row = w.game.lookups.team_by_label(n->text(0).toStdString());
            if (f.db().rows(teams)[row].values[17] <= 10) {
                team = n;
                break;
            }
        }
        QVERIFY(team);
        f.select(team);
        w.team->Button2->click();
        f.pick_row(0);
        QTreeWidgetItem* chosen = nullptr;
        for (QTreeWidgetItem* n : w.tree_nodes)
            if (n->parent() && n->parent()->parent() && n->parent()->text(0) != team->text(0)) {
                chosen = n;
                break;
            }
        f.exchange(chosen);
        f.pick_row(1);
        w.roster->t_pl_num_p->setValue(98);
        f.pick_position(33);
        w.roster->t_apply_1->click();
        w.Button4->click();
        w.Button11->click();
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));

        qira::database after;
        QVERIFY(qira::load_database(database_file(f.install.path()), nullptr, after).ok());
        int changed = 0;
        for (int t = 0; t < before.table_count(); ++t) {
            const auto a = before.rows(t);
            const auto b = after.rows(t);
            QCOMPARE(a.size(), b.size());
            for (std::size_t r = 0; r < a.size(); ++r)
                if (a[r].keys != b[r].keys || a[r].values != b[r].values ||
                    a[r].strings != b[r].strings) {
                    QCOMPARE(t, team_players);
                    ++changed;
                }
        }
        QVERIFY(changed >= 2 && changed <= 3); // the two swapped links, one of them also edited
        QCOMPARE(read_file(language_file(f.install.path(), "eng")), lang_before);
    }
};

QTEST_MAIN(team_roster_test)
#include "team_roster_test.moc"
