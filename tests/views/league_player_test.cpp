// The league page and the player page: what they show of a row, what their Apply writes back
// (and leaves alone), and how a player's Apply relabels both trees.

#include "view_fixture.h"

#include "views/player_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>

using namespace qira::test;
using qira::db_overall_data;
using namespace qira::table_index;
using qira::field_control;
using qira::page_field;
using qira::player_page;
using qira::sample_options;
using qira::sample_scale;

namespace {

// The player table with its fields in another order than usual, among fields the page does not
// know: the page must find every field by its name. The three players of test_database() again.
qira::database reordered_players() {
    qira::database db = test_database();
    qira::database spare;
    qira::table_spec spec;
    spec.name = "players";
    spec.keys = {"playerid"};
    spec.strings = {"firstname", "pseudonym", "surname"};
    for (const char* f : {"morale", "preferredposition1", "shotaccuracy", "age", "tackling",
                          "passing", "ballcontrol", "stamina", "haircolorid", "shoecolor", "weight",
                          "height", "starplayer", "talent", "face"})
        spec.packed.push_back({f, 0, 0x7FFF});
    qira::add_table(spare, spec);
    for (int p = 0; p < 3; ++p) {
        auto& row = qira::add_row(spare, 0);
        row.keys[0] = 40 + p;
        row.strings = {"First" + std::to_string(p), "", "Last" + std::to_string(p), ""};
    }
    db.tables[players] = spare.tables[0];
    db.overall[players] = spare.overall[0];
    db.blocks[players] = spare.blocks[0];
    return db;
}

// test_database() with player 40 linked to both teams, and a fourth player (row 3, id 43) in
// Team 1 named exactly like player 40.
qira::database twins_database() {
    qira::database db = test_database();
    add_link(db, team_players, 21, 40);
    add_player(db, 43, "First0", "", "Last0");
    add_link(db, team_players, 21, 43);
    return db;
}

void set(qira::database& db, int row,
         std::initializer_list<std::pair<const char*, std::uint32_t>> values) {
    for (const auto& [name, v] : values)
        value(db, db.rows(players)[static_cast<std::size_t>(row)], name) = v;
}

std::uint32_t get(qira::database& db, int row, const char* name) {
    return value(db, db.rows(players)[static_cast<std::size_t>(row)], name);
}

QStringList labels(const std::vector<QTreeWidgetItem*>& nodes) {
    QStringList list;
    for (const auto* n : nodes)
        list << n->text(0);
    return list;
}

} // namespace

class league_player_test : public QObject {
    Q_OBJECT

  private slots:
    // --- League page

    void league_shows_and_applies_titles_and_level() {
        qira::database db = test_database();
        db.rows(leagues)[1].values[1] = 3;
        db.rows(leagues)[1].values[0] = 77;
        view_fixture f(db);
        TForm1& w = f.w();
        QTreeWidgetItem* node = w.TreeView1->topLevelItem(1);
        f.select(node);
        QCOMPARE(w.main->currentIndex(), 0);
        QCOMPARE(w.league->l_name_long->text(), QStringLiteral("League title eng"));
        QCOMPARE(w.league->l_name_sh->text(), QStringLiteral("LT eng"));
        QCOMPARE(w.league->l_level->currentText(), QStringLiteral("Third"));
        QCOMPARE(w.league->l_id->text(), QStringLiteral("1"));

        const db_overall_data before = f.row(leagues, 1);
        const db_overall_data other = f.row(leagues, 0);
        // Apply without a change changes nothing: no step to undo, nothing unsaved.
        w.league->l_apply->click();
        QVERIFY(!w.has_unsaved_changes());
        QVERIFY(!w.doc.undo_stack()->canUndo());
        QCOMPARE(f.row(leagues, 1).names, before.names);
        QCOMPARE(f.row(leagues, 1).values, before.values);

        w.league->l_name_sh->setText(QStringLiteral("Kurz"));
        w.league->l_level->setCurrentIndex(4);
        w.league->l_apply->click();
        QVERIFY(w.has_unsaved_changes());
        const db_overall_data& after = f.row(leagues, 1);
        QCOMPARE(after.names[1], std::string("Kurz"));
        QCOMPARE(after.names[0], before.names[0]);
        QCOMPARE(after.values[1], 4u);
        QCOMPARE(after.values[0], 77u);
        QCOMPARE(after.keys, before.keys);
        QCOMPARE(after.strings, before.strings);
        QCOMPARE(f.row(leagues, 0).names, other.names);
        QCOMPARE(f.row(leagues, 0).values, other.values);
        // The tree keeps the internal name.
        QCOMPARE(node->text(0), QStringLiteral("League 1"));
        QCOMPARE(f.xchange_twin(node)->text(0), QStringLiteral("League 1"));
        // An empty title is stored as an empty text.
        w.league->l_name_long->clear();
        w.league->l_apply->click();
        QCOMPARE(f.row(leagues, 1).names[0], std::string());
    }

    // A level outside the list shows no item and stays as stored; picking an item stores it.
    void league_level_outside_the_list_is_kept() {
        qira::database db = test_database();
        db.rows(leagues)[0].values[1] = 7;
        view_fixture f(db);
        TForm1& w = f.w();
        f.select(w.TreeView1->topLevelItem(0));
        QCOMPARE(w.league->l_level->currentIndex(), -1);
        w.league->l_apply->click();
        QCOMPARE(f.row(leagues, 0).values[1], 7u);
        w.league->l_level->setCurrentIndex(2);
        w.league->l_apply->click();
        QCOMPARE(f.row(leagues, 0).values[1], 2u);
    }

    // A title whose stored bytes are not UTF-8 is written back as stored unless it was edited.
    void league_title_that_is_not_utf8_keeps_its_bytes() {
        view_fixture f(test_database());
        TForm1& w = f.w();
        const std::string odd = "Liga \xff\xfe";
        f.row(leagues, 0).names[0] = odd;
        f.select(w.TreeView1->topLevelItem(0));
        QVERIFY(w.league->l_name_long->text().startsWith(QStringLiteral("Liga ")));
        w.league->l_apply->click();
        QCOMPARE(f.row(leagues, 0).names[0], odd);

        w.league->l_name_long->setText(QStringLiteral("Liga \u00e9"));
        w.league->l_apply->click();
        QCOMPARE(f.row(leagues, 0).names[0], std::string("Liga \xc3\xa9"));
        // What the edit shows now is what is stored: editing back and forth stores the edit.
        w.league->l_name_long->setText(QStringLiteral("Liga B"));
        w.league->l_apply->click();
        w.league->l_name_long->setText(QStringLiteral("Liga \u00e9"));
        w.league->l_apply->click();
        QCOMPARE(f.row(leagues, 0).names[0], std::string("Liga \xc3\xa9"));
    }

    // Before any league was shown, Apply reports the hidden edit's text as no number and writes
    // nothing.
    void league_apply_before_any_league_was_shown() {
        view_fixture f(test_database());
        TForm1& w = f.w();
        const auto before = f.row(leagues, 0).names;
        w.league->l_name_long->setText(QStringLiteral("Typed"));
        w.league->l_apply->click();
        QCOMPARE(f.sink.shown.size(), std::size_t{1});
        QCOMPARE(f.sink.shown[0].caption, QLatin1String(qira::app_title));
        QCOMPARE(f.sink.shown[0].text, QStringLiteral("'l_id' is not a valid integer value"));
        QCOMPARE(f.row(leagues, 0).names, before);
        QVERIFY(!w.has_unsaved_changes());
    }

    // --- Player page

    // Every attribute is found by its field's name, wherever the field stands in the table.
    void player_shows_and_applies_every_field_by_name() {
        qira::database db = reordered_players();
        set(db, 0,
            {{"talent", 3},
             {"starplayer", 1},
             {"height", 181},
             {"weight", 77},
             {"shoecolor", 2},
             {"haircolorid", 4},
             {"stamina", 66},
             {"ballcontrol", 55},
             {"passing", 44},
             {"tackling", 33},
             {"shotaccuracy", 22},
             {"preferredposition1", 30},
             {"morale", 9},
             {"age", 27},
             {"face", 123}});
        db.rows(players)[0].strings[1] = "Nick";
        view_fixture f(db);
        TForm1& w = f.w();
        f.select(f.node("First0 Nick Last0", 2));
        QCOMPARE(w.main->currentIndex(), 2);
        QCOMPARE(w.player->pl_id->text(), QStringLiteral("0"));
        QCOMPARE(w.player->pl_rid->text(), QStringLiteral("40"));
        QCOMPARE(w.player->pl_name->text(), QStringLiteral("First0"));
        QCOMPARE(w.player->pl_pseudo->text(), QStringLiteral("Nick"));
        QCOMPARE(w.player->pl_sur->text(), QStringLiteral("Last0"));
        QCOMPARE(w.player->pl_talent->value(), 3);
        QVERIFY(w.player->pl_star->isChecked());
        QCOMPARE(w.player->pl_height_p->value(), 181);
        QCOMPARE(w.player->pl_height->text(), QStringLiteral("181"));
        QCOMPARE(w.player->pl_weight_p->value(), 77);
        QCOMPARE(w.player->pl_bootscol->currentText(), QStringLiteral("Blue"));
        QCOMPARE(w.player->pl_haircolor->currentText(), QStringLiteral("Red"));
        QCOMPARE(w.player->pl_stamina_p->value(), 66);
        QCOMPARE(w.player->pl_ballcont_p->value(), 55);
        QCOMPARE(w.player->pl_pass_p->value(), 44);
        QCOMPARE(w.player->pl_tackl_p->value(), 33);
        QCOMPARE(w.player->pl_shotacc_p->value(), 22);
        QCOMPARE(w.player->pl_pos->currentText(), QStringLiteral("ST"));

        w.player->pl_name->setText(QStringLiteral("Ann"));
        w.player->pl_talent->setValue(4);
        w.player->pl_star->setChecked(false);
        w.player->pl_height_p->setValue(190);
        w.player->pl_weight_p->setValue(80);
        w.player->pl_bootscol->setCurrentIndex(1);
        w.player->pl_haircolor->setCurrentIndex(0);
        w.player->pl_stamina_p->setValue(70);
        w.player->pl_pass_p->setValue(50);
        w.player->pl_tackl_p->setValue(40);
        w.player->pl_pos->setCurrentIndex(2); // the "-----" between "SW" and "RB"
        // Shown only: whatever the spinners say, the stored values stay.
        w.player->pl_ballcont_p->setValue(99);
        w.player->pl_shotacc_p->setValue(98);
        const db_overall_data before = f.row(players, 0);
        w.player->pl_apply->click();
        QVERIFY(f.sink.shown.empty());
        QVERIFY(w.has_unsaved_changes());
        qira::database& m = f.db();
        QCOMPARE(f.row(players, 0).strings[0], std::string("Ann"));
        QCOMPARE(f.row(players, 0).strings[1], std::string("Nick"));
        QCOMPARE(get(m, 0, "talent"), 4u);
        QCOMPARE(get(m, 0, "starplayer"), 0u);
        QCOMPARE(get(m, 0, "height"), 190u);
        QCOMPARE(get(m, 0, "weight"), 80u);
        QCOMPARE(get(m, 0, "shoecolor"), 1u);
        QCOMPARE(get(m, 0, "haircolorid"), 0u);
        QCOMPARE(get(m, 0, "stamina"), 70u);
        QCOMPARE(get(m, 0, "passing"), 50u);
        QCOMPARE(get(m, 0, "tackling"), 40u);
        QCOMPARE(get(m, 0, "preferredposition1"), 2u);
        QCOMPARE(get(m, 0, "ballcontrol"), 55u);
        QCOMPARE(get(m, 0, "shotaccuracy"), 22u);
        QCOMPARE(get(m, 0, "morale"), 9u);
        QCOMPARE(get(m, 0, "age"), 27u);
        QCOMPARE(get(m, 0, "face"), 123u);
        QCOMPARE(f.row(players, 0).keys, before.keys);
        QCOMPARE(f.row(players, 1).values, std::vector<std::uint32_t>(15, 0));

        // Checked again: stored as 1.
        w.player->pl_star->setChecked(true);
        w.player->pl_apply->click();
        QCOMPARE(get(m, 0, "starplayer"), 1u);
    }

    // "starplayer" 2 shows unchecked and applies 0; a talent of 7 shows 5 and applies 5.
    // Every stored value the page lists, on a generated player (with bits no field covers): shown
    // as stored, taken back by Apply into its own field only, or never written when shown only.
    void player_page_fields_show_and_apply_their_own_value() {
        view_fixture f(sample_options{sample_scale::tiny, 2});
        TForm1& w = f.w();
        const int row = 1;
        for (const page_field& e : player_page::fields()) {
            if (e.control == field_control::text)
                continue;
            const auto slot = f.db().field_slot(players, e.field);
            QVERIFY2(slot, e.field);
            const int items = e.items ? static_cast<int>(e.items().size()) : 0;
            // A value inside the control and another one to change it to, by control kind.
            const auto [stored, changed] =
                e.control == field_control::drop_down ? std::pair{items - 1, 0}
                : e.control == field_control::check   ? std::pair{1, 0}
                                                      : std::pair{e.maximum - 1, 1};
            f.row(players, row).values[static_cast<std::size_t>(*slot)] =
                static_cast<std::uint32_t>(stored);
            w.player->show_player(row);
            QWidget* control = w.player->field_control_named(e.name);
            const auto shown = [&] {
                if (auto* spin = qobject_cast<QSpinBox*>(control))
                    return spin->value();
                if (auto* list = qobject_cast<QComboBox*>(control))
                    return list->currentIndex();
                if (auto* box = qobject_cast<QCheckBox*>(control))
                    return int(box->isChecked());
                return qobject_cast<QSlider*>(control)->value();
            };
            QCOMPARE(shown(), stored);
            if (auto* spin = qobject_cast<QSpinBox*>(control))
                spin->setValue(changed);
            else if (auto* list = qobject_cast<QComboBox*>(control))
                list->setCurrentIndex(changed);
            else if (auto* box = qobject_cast<QCheckBox*>(control))
                box->setChecked(changed == 1);
            else
                qobject_cast<QSlider*>(control)->setValue(changed);
            db_overall_data expected = f.row(players, row);
            if (e.writes)
                expected.values[static_cast<std::size_t>(*slot)] =
                    static_cast<std::uint32_t>(changed);
            QVERIFY(w.player->pl_applyClick().ok());
            QVERIFY2(f.row(players, row).values == expected.values, e.name);
            QVERIFY(f.row(players, row).strings == expected.strings);
        }
    }

    void player_star_and_talent_outside_their_controls() {
        qira::database db = test_database();
        set(db, 1, {{"starplayer", 2}, {"talent", 7}});
        set(db, 2, {{"starplayer", 1}, {"talent", 6}});
        view_fixture f(db);
        TForm1& w = f.w();
        f.select(f.node("First2  Last2", 2));
        QVERIFY(w.player->pl_star->isChecked());
        QCOMPARE(w.player->pl_talent->value(), 5);
        f.select(f.node("First1  Last1", 2));
        QVERIFY(!w.player->pl_star->isChecked());
        QCOMPARE(w.player->pl_talent->value(), 5);
        w.player->pl_apply->click();
        QCOMPARE(get(f.db(), 1, "starplayer"), 0u);
        QCOMPARE(get(f.db(), 1, "talent"), 5u);
    }

    // Numbers outside a drop-down's list or a spinner's range show no item or the nearest end of
    // the range, and Apply leaves them as stored until the user changes that control.
    void player_numbers_outside_the_controls_are_kept() {
        qira::database db = test_database();
        set(db, 0,
            {{"shoecolor", 9},
             {"haircolorid", 12},
             {"preferredposition1", 40},
             {"height", 250},
             {"weight", 201},
             {"stamina", 300},
             {"passing", 100},
             {"tackling", 32767}});
        view_fixture f(db);
        TForm1& w = f.w();
        f.select(f.node("First0  Last0", 2));
        QCOMPARE(w.player->pl_bootscol->currentIndex(), -1);
        QCOMPARE(w.player->pl_haircolor->currentIndex(), -1);
        QCOMPARE(w.player->pl_pos->currentIndex(), -1);
        QCOMPARE(w.player->pl_height_p->value(), 200);
        QCOMPARE(w.player->pl_weight_p->value(), 200);
        QCOMPARE(w.player->pl_stamina_p->value(), 100);
        QCOMPARE(w.player->pl_pass_p->value(), 100);
        QCOMPARE(w.player->pl_tackl_p->value(), 100);
        w.player->pl_apply->click();
        qira::database& m = f.db();
        QCOMPARE(get(m, 0, "shoecolor"), 9u);
        QCOMPARE(get(m, 0, "haircolorid"), 12u);
        QCOMPARE(get(m, 0, "preferredposition1"), 40u);
        QCOMPARE(get(m, 0, "height"), 250u);
        QCOMPARE(get(m, 0, "weight"), 201u);
        QCOMPARE(get(m, 0, "stamina"), 300u);
        QCOMPARE(get(m, 0, "passing"), 100u);
        QCOMPARE(get(m, 0, "tackling"), 32767u);

        w.player->pl_bootscol->setCurrentIndex(4);
        w.player->pl_pos->setCurrentIndex(8);
        w.player->pl_height_p->setValue(150);
        w.player->pl_stamina_p->stepDown();
        w.player->pl_apply->click();
        QCOMPARE(get(m, 0, "shoecolor"), 4u);
        QCOMPARE(get(m, 0, "preferredposition1"), 8u);
        QCOMPARE(get(m, 0, "height"), 150u);
        QCOMPARE(get(m, 0, "stamina"), 99u);
        QCOMPARE(get(m, 0, "haircolorid"), 12u);
        QCOMPARE(get(m, 0, "weight"), 201u);
    }

    // Name parts whose stored bytes are not UTF-8 are written back as stored unless edited; the
    // node, labelled with replacement characters, is relabelled and still finds the player.
    void player_name_that_is_not_utf8_keeps_its_bytes() {
        qira::database db = test_database();
        db.rows(players)[1].strings[2] = "R\xf6hr";
        view_fixture f(db);
        TForm1& w = f.w();
        QTreeWidgetItem* node = f.node("First1  R\ufffdhr", 2);
        QVERIFY(node);
        f.select(node);
        QCOMPARE(w.player->pl_id->text(), QStringLiteral("1"));
        w.player->pl_name->setText(QStringLiteral("Jon"));
        w.player->pl_apply->click();
        QCOMPARE(f.row(players, 1).strings[0], std::string("Jon"));
        QCOMPARE(f.row(players, 1).strings[2], std::string("R\xf6hr"));
        QCOMPARE(node->text(0), QStringLiteral("Jon  R\ufffdhr"));
        f.select(f.node("First0  Last0", 2));
        f.select(node);
        QCOMPARE(w.player->pl_id->text(), QStringLiteral("1"));

        // Typed, applied, typed back and applied: the edit's text is stored.
        w.player->pl_sur->setText(QStringLiteral("Rohr"));
        w.player->pl_apply->click();
        w.player->pl_sur->setText(QStringLiteral("Roth"));
        w.player->pl_apply->click();
        w.player->pl_sur->setText(QStringLiteral("Rohr"));
        w.player->pl_apply->click();
        QCOMPARE(f.row(players, 1).strings[2], std::string("Rohr"));
        QCOMPARE(node->text(0), QStringLiteral("Jon  Rohr"));
    }

    // The hidden row position starts as "123", a row nobody chose: Apply before any player was
    // shown writes nothing and relabels nothing.
    void player_apply_before_any_player_was_shown() {
        qira::database db = test_database();
        for (int p = 3; p < 130; ++p) {
            add_player(db, 40 + p, "P" + std::to_string(p), "", "Q");
            add_link(db, team_players, 20, 40 + p);
        }
        set(db, 123, {{"height", 175}, {"talent", 4}});
        view_fixture f(db);
        TForm1& w = f.w();
        QCOMPARE(w.player->pl_id->text(), QStringLiteral("123"));
        const db_overall_data before = f.row(players, 123);
        const QStringList tree = labels(w.tree_nodes);
        w.player->pl_apply->click();
        w.pl_applyClick();
        QCOMPARE(f.row(players, 123).strings, before.strings);
        QCOMPARE(f.row(players, 123).values, before.values);
        QCOMPARE(labels(w.tree_nodes), tree);
        QVERIFY(!w.has_unsaved_changes());
        QVERIFY(f.sink.shown.empty());
    }

    // A player linked to two teams: one Apply relabels all his nodes, in both trees. His empty
    // pseudonym filled in, the label's two adjacent spaces become single spaces around it.
    void relabel_reaches_every_node_of_the_player() {
        view_fixture f(twins_database());
        TForm1& w = f.w();
        const auto old_nodes = f.nodes("First0  Last0", 2);
        QCOMPARE(old_nodes.size(), std::size_t{3}); // Team 0, Team 1, and his twin in Team 1
        QTreeWidgetItem* twin_node = old_nodes[2];
        f.select(old_nodes[0]);
        QCOMPARE(w.player->pl_id->text(), QStringLiteral("0"));
        w.player->pl_pseudo->setText(QStringLiteral("Cy"));
        w.player->pl_apply->click();
        for (QTreeWidgetItem* n : old_nodes) {
            QCOMPARE(n->text(0), QStringLiteral("First0 Cy Last0"));
            QCOMPARE(f.xchange_twin(n)->text(0), QStringLiteral("First0 Cy Last0"));
        }
        QVERIFY(f.nodes("First0  Last0", 2).empty());
        // The twin's row keeps its name; both twins' nodes now show the first player.
        QCOMPARE(f.row(players, 3).strings[1], std::string());
        f.select(twin_node);
        QCOMPARE(w.player->pl_id->text(), QStringLiteral("0"));
        QCOMPARE(w.player->pl_pseudo->text(), QStringLiteral("Cy"));
        // Other nodes are left alone.
        QCOMPARE(f.node("First1  Last1", 2)->text(0), QStringLiteral("First1  Last1"));
        QCOMPARE(w.game.lookups.player_by_label("First0  Last0"), 3);
        QCOMPARE(w.game.lookups.player_by_label("First0 Cy Last0"), 0);
    }

    // Two players with identical names: the second one's node shows the first one's row.
    // A new name equal to an earlier player's resolves to that earlier row from then on.
    void relabel_follows_first_match() {
        view_fixture f(twins_database());
        TForm1& w = f.w();
        QTreeWidgetItem* second = f.node("First2  Last2", 2);
        f.select(second);
        w.player->pl_name->setText(QStringLiteral("First1"));
        w.player->pl_sur->setText(QStringLiteral("Last1"));
        w.player->pl_apply->click();
        QCOMPARE(second->text(0), QStringLiteral("First1  Last1"));
        f.select(f.node("First0  Last0", 2));
        f.select(second);
        QCOMPARE(w.player->pl_id->text(), QStringLiteral("1"));
        QCOMPARE(w.game.lookups.player_by_label("First2  Last2"), -1);

        // Renaming player 1 renames every node that carried his label, player 2's too.
        w.player->pl_name->setText(QStringLiteral("Solo"));
        w.player->pl_apply->click();
        QCOMPARE(second->text(0), QStringLiteral("Solo  Last1"));
        QCOMPARE(f.nodes("First1  Last1", 2).size(), std::size_t{0});
        QCOMPARE(w.game.lookups.player_by_label("First1  Last1"), 2);
        QCOMPARE(w.game.lookups.player_by_label("Solo  Last1"), 1);
    }

    // Only the navigation tree's labels are compared; the exchange tree's node at the same index
    // takes the new label whatever it shows, also when the name did not change.
    void exchange_tree_follows_by_index() {
        view_fixture f(test_database());
        TForm1& w = f.w();
        QTreeWidgetItem* node = f.node("First0  Last0", 2);
        f.xchange_twin(node)->setText(0, QStringLiteral("edited in place"));
        // An exchange node elsewhere that happens to carry the player's label keeps it.
        QTreeWidgetItem* team = w.TreeView1->topLevelItem(0)->child(1);
        f.xchange_twin(team)->setText(0, QStringLiteral("First0  Last0"));
        f.select(node);
        w.player->pl_apply->click();
        QCOMPARE(node->text(0), QStringLiteral("First0  Last0"));
        QCOMPARE(f.xchange_twin(node)->text(0), QStringLiteral("First0  Last0"));
        QCOMPARE(f.xchange_twin(team)->text(0), QStringLiteral("First0  Last0"));
        QCOMPARE(team->text(0), QStringLiteral("Team 1"));

        w.player->pl_sur->setText(QStringLiteral("New"));
        w.player->pl_apply->click();
        QCOMPARE(node->text(0), QStringLiteral("First0  New"));
        QCOMPARE(f.xchange_twin(node)->text(0), QStringLiteral("First0  New"));
        QCOMPARE(f.xchange_twin(team)->text(0), QStringLiteral("First0  Last0"));
    }
};

QTEST_MAIN(league_player_test)
#include "league_player_test.moc"
