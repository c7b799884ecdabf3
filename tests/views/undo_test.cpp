// Undo and redo in the window: every Apply and exchange is one step; undoing puts back the rows,
// the names, both trees' labels, the roster and the shown page, and the clean state is the saved
// one. Also the exchange and roster faults found by trying the window as a new user would.

#include "view_fixture.h"

#include "editing/edits.h"
#include "editing/open_game.h"
#include "views/page_values.h"

#include <QAction>
#include <QListWidget>
#include <QUndoStack>

using namespace qira;
using namespace qira::test;
using table_index::players;
using table_index::team_players;
using table_index::teams;

namespace {

void key(TForm1& w, QKeyCombination keys) {
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.TreeView1->setFocus();
    QTest::keyClick(w.TreeView1, keys.key(), keys.keyboardModifiers());
}

std::vector<std::int32_t> link_players(database& db) {
    std::vector<std::int32_t> ids;
    for (const auto& l : db.rows(team_players))
        ids.push_back(l.keys[1]);
    return ids;
}

QStringList entries(const QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

// Opens the roster page of a team, selects roster row `row` and exchanges with `chosen` (a node
// of TreeView1).
void exchange(view_fixture& f, const QString& team, int row, QTreeWidgetItem* chosen) {
    f.select(f.node(team, 1));
    f.w().team->Button2->click();
    f.w().roster->t_pl_list->setCurrentRow(row);
    f.w().roster->xchange->setCurrentItem(f.xchange_twin(chosen));
    f.w().roster->Button3->click();
}

} // namespace

class undo_test : public QObject {
    Q_OBJECT

  private slots:
    void apply_then_ctrl_z_shows_the_old_values_everywhere() {
        view_fixture f(test_database());
        TForm1& w = f.w();
        QTreeWidgetItem* node = f.node("First0  Last0", 2);
        f.select(node);
        QVERIFY(w.ButtonUndo->isVisible());
        QVERIFY(!w.ButtonUndo->isEnabled());
        w.player->pl_name->setText(QStringLiteral("Lukasz"));
        w.player->pl_sur->setText(QStringLiteral("Mazur"));
        w.player->pl_height_p->setValue(185);
        w.player->pl_apply->click();
        QCOMPARE(node->text(0), QStringLiteral("Lukasz  Mazur"));
        QCOMPARE(w.windowTitle(), QStringLiteral("QIRA DB EDITOR 2004*"));
        QVERIFY(w.ButtonUndo->isEnabled());
        QCOMPARE(w.ButtonUndo->toolTip(),
                 QStringLiteral("Undo Apply player Lukasz  Mazur (Ctrl+Z)"));

        key(w, QKeyCombination(Qt::CTRL, Qt::Key_Z));
        QCOMPARE(node->text(0), QStringLiteral("First0  Last0"));
        QCOMPARE(f.xchange_twin(node)->text(0), QStringLiteral("First0  Last0"));
        QCOMPARE(w.player->pl_name->text(),
                 QStringLiteral("First0")); // the page shows the row again
        QCOMPARE(w.player->pl_height_p->value(), 0);
        QCOMPARE(f.row(players, 0).strings[0], std::string("First0"));
        QCOMPARE(w.game.lookups.player_by_label("First0  Last0"), 0);
        QVERIFY(!w.has_unsaved_changes());
        QCOMPARE(w.windowTitle(), QStringLiteral("QIRA DB EDITOR 2004"));

        // Redo, with either of its keys; a text field without typing to undo passes them on.
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.player->pl_name->setFocus();
        QTest::keyClick(w.player->pl_name, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(node->text(0), QStringLiteral("Lukasz  Mazur"));
        QCOMPARE(w.player->pl_name->text(), QStringLiteral("Lukasz"));
        QCOMPARE(f.row(players, 0).values[2], 185u);
        key(w, QKeyCombination(Qt::CTRL, Qt::Key_Z));
        key(w, QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z));
        QCOMPARE(node->text(0), QStringLiteral("Lukasz  Mazur"));
        QVERIFY(w.has_unsaved_changes());
    }

    void a_text_field_keeps_ctrl_z_for_its_own_typing() {
        view_fixture f(test_database());
        TForm1& w = f.w();
        f.select(f.node("League 0", 0));
        w.league->l_name_sh->setText(QStringLiteral("Short"));
        w.league->l_apply->click();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.league->l_name_sh->setFocus();
        QTest::keyClicks(w.league->l_name_sh, QStringLiteral("er"));
        QTest::keyClick(w.league->l_name_sh, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(w.has_unsaved_changes()); // the typing was undone, not the step
        QCOMPARE(f.row(table_index::leagues, 0).names[1], std::string("Short"));
    }

    void undoing_an_exchange_restores_links_trees_and_roster() {
        view_fixture f(test_database());
        TForm1& w = f.w();
        const auto before = link_players(f.db());
        QTreeWidgetItem* chosen = f.node("First1  Last1", 2);
        const QStringList roster_before = [&] {
            f.select(f.node("Team 0", 1));
            return entries(w.team->t_pl_names);
        }();
        exchange(f, QStringLiteral("Team 0"), 0, chosen);
        QVERIFY(link_players(f.db()) != before);
        QCOMPARE(chosen->text(0), QStringLiteral("First0  Last0"));
        QVERIFY(w.ButtonUndo->toolTip().startsWith(QStringLiteral("Undo exchange First0  Last0")));

        w.ButtonUndo->click();
        QCOMPARE(link_players(f.db()), before);
        QCOMPARE(chosen->text(0), QStringLiteral("First1  Last1"));
        QCOMPARE(f.xchange_twin(chosen)->text(0), QStringLiteral("First1  Last1"));
        QCOMPARE(f.node("First0  Last0", 2, "Team 0")->text(0), QStringLiteral("First0  Last0"));
        QCOMPARE(entries(w.team->t_pl_names), roster_before);
        QVERIFY(w.roster->t_pl_list->item(0)->text().startsWith(QStringLiteral("First0  Last0")));
        w.ButtonRedo->click();
        QCOMPARE(chosen->text(0), QStringLiteral("First0  Last0"));
        QVERIFY(w.roster->t_pl_list->item(0)->text().startsWith(QStringLiteral("First1  Last1")));
    }

    void save_after_undoing_everything_writes_the_files_as_opened_and_exit_asks_nothing() {
        view_fixture f(sample_options{sample_scale::tiny, 2});
        TForm1& w = f.w();
        const auto db_before = read_file(database_file(f.install.path()));
        const auto lang_before = read_file(language_file(f.install.path(), "eng"));
        f.select(w.TreeView1->topLevelItem(0)->child(0));
        w.team->e_namefull->setText(QStringLiteral("Renamed team"));
        w.team->t_prest->setValue(w.team->t_prest->value() == 3 ? 4 : 3);
        w.team->t_apply->click();
        f.select(w.TreeView1->topLevelItem(0));
        w.league->l_name_long->setText(QStringLiteral("Renamed league"));
        w.league->l_apply->click();
        QCOMPARE(w.doc.undo_stack()->count(), 2);
        w.ButtonUndo->click();
        w.ButtonUndo->click();
        QVERIFY(!w.has_unsaved_changes());
        w.Button4->click();
        w.Button11->click();
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));
        QCOMPARE(read_file(database_file(f.install.path())), db_before);
        QCOMPARE(read_file(language_file(f.install.path(), "eng")), lang_before);
        // Undo past the save: unsaved again; redo back to it: nothing to ask.
        w.ButtonRedo->click();
        QVERIFY(w.has_unsaved_changes());
        w.ButtonUndo->click();
        w.Button10->click();
        QVERIFY(f.sink.asked.empty());
    }

    void rename_exchange_undo_both_redo_one_and_save() {
        // A user renames a player, exchanges two players, undoes both, redoes the rename and
        // saves: the files hold exactly the rename.
        view_fixture f(test_database());
        TForm1& w = f.w();
        f.select(f.node("First2  Last2", 2));
        w.player->pl_sur->setText(QStringLiteral("Turner"));
        w.player->pl_apply->click();
        exchange(f, QStringLiteral("Team 0"), 0, f.node("First1  Last1", 2));
        w.ButtonUndo->click();
        w.ButtonUndo->click();
        w.ButtonRedo->click();
        QVERIFY(!w.ButtonUndo->toolTip().contains(QStringLiteral("exchange")));
        w.Button4->click();
        w.Button11->click();

        // The same rename made on the core alone, saved to other files.
        open_game expected;
        QVERIFY(open_game_files(database_file(f.install.path()), {}, expected));
        temp_dir other;
        open_game fresh;
        database db = test_database();
        write_test_install(other.path(), db);
        QVERIFY(open_game_files(database_file(other.path()), language_file(other.path(), "eng"),
                                fresh));
        (void)apply_player(fresh, 2, {{"First2", "", "Turner"}, {}});
        QVERIFY(save_game_files(fresh, database_file(other.path()),
                                language_file(other.path(), "eng")));
        QCOMPARE(read_file(database_file(f.install.path())),
                 read_file(database_file(other.path())));
        QCOMPARE(read_file(language_file(f.install.path(), "eng")),
                 read_file(language_file(other.path(), "eng")));
    }

    void open_database_empties_the_stack() {
        view_fixture f(test_database());
        TForm1& w = f.w();
        f.select(f.node("League 0", 0));
        w.league->l_name_long->setText(QStringLiteral("x"));
        w.league->l_apply->click();
        w.Button4->click();
        f.sink.answers = {true};
        w.Button14->click();
        QVERIFY(w.ButtonUndo->isHidden());
        w.Button1->click();
        QCOMPARE(w.doc.undo_stack()->count(), 0);
        QVERIFY(!w.has_unsaved_changes());
        QVERIFY(w.ButtonUndo->isVisible());
    }

    // --- Faults of the exchange and the roster page

    void exchange_with_a_team_that_shares_its_name_or_has_no_row() {
        database db = test_database();
        // Team 1 takes Team 0's internal name; a third league link names a team without a row,
        // with a player of its own.
        db.rows(teams)[1].strings[1] = "Team 0";
        auto& link = add_row(db, table_index::league_teams);
        link.keys = {11, 99, 0, 0};
        add_player(db, 45, "Nobody", "", "Owns");
        add_link(db, team_players, 99, 45);
        view_fixture f(db);
        TForm1& w = f.w();
        // Team 1's player under the second "Team 0" node.
        QTreeWidgetItem* second_team = w.TreeView1->topLevelItem(0)->child(1);
        QTreeWidgetItem* chosen = second_team->child(0);
        QCOMPARE(chosen->text(0), QStringLiteral("First1  Last1"));
        f.select(w.TreeView1->topLevelItem(0)->child(0));
        w.team->Button2->click();
        w.roster->t_pl_list->setCurrentRow(0);
        w.roster->xchange->setCurrentItem(f.xchange_twin(chosen));
        w.roster->Button3->click();
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));
        QCOMPARE(f.row(team_players, 1).keys[1], 40);
        QCOMPARE(f.row(team_players, 0).keys[1], 41);
        // The player under the team that has no row.
        QTreeWidgetItem* orphan = f.node("Nobody  Owns", 2);
        QVERIFY(orphan);
        w.roster->t_pl_list->setCurrentRow(0);
        w.roster->xchange->setCurrentItem(f.xchange_twin(orphan));
        w.roster->Button3->click();
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));
        QCOMPARE(f.row(team_players, 0).keys[1], 45);
        QCOMPARE(orphan->text(0), QStringLiteral("First1  Last1"));
    }

    void a_player_whose_name_is_not_utf8_is_exchanged() {
        database db = test_database();
        db.rows(players)[1].strings[2] = std::string("M\xfcller");
        view_fixture f(db);
        QTreeWidgetItem* chosen = f.w().TreeView1->topLevelItem(0)->child(1)->child(0);
        exchange(f, QStringLiteral("Team 0"), 0, chosen);
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));
        QCOMPARE(f.row(team_players, 0).keys[1], 41);
        QCOMPARE(chosen->text(0), QStringLiteral("First0  Last0"));
    }

    void a_player_linked_twice_to_the_shown_team_relabels_the_swapped_node() {
        database db = test_database();
        add_link(db, team_players, 20, 40); // First0 again, third in Team 0
        view_fixture f(db);
        TForm1& w = f.w();
        QTreeWidgetItem* team0 = w.TreeView1->topLevelItem(0)->child(0);
        QCOMPARE(team0->childCount(), 3);
        exchange(f, QStringLiteral("Team 0"), 2, f.node("First1  Last1", 2));
        QCOMPARE(f.row(team_players, 3).keys[1], 41);
        QCOMPARE(f.row(team_players, 0).keys[1], 40);
        QCOMPARE(team0->child(0)->text(0), QStringLiteral("First0  Last0"));
        QCOMPARE(team0->child(2)->text(0), QStringLiteral("First1  Last1"));
    }

    void a_deselected_roster_row_takes_no_edit_and_no_exchange() {
        view_fixture f(test_database());
        TForm1& w = f.w();
        f.select(f.node("Team 0", 1));
        w.team->Button2->click();
        w.roster->t_pl_list->setCurrentRow(0);
        const QRect first = w.roster->t_pl_list->visualItemRect(w.roster->t_pl_list->item(0));
        QTest::mouseClick(w.roster->t_pl_list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          first.center());
        QVERIFY(!w.roster->t_pl_list->item(0)->isSelected());
        const QStringList numbers = entries(w.team->t_pl_nums);
        w.roster->t_pl_num_p->setValue(55);
        QCOMPARE(entries(w.team->t_pl_nums), numbers);
        const auto before = link_players(f.db());
        w.roster->xchange->setCurrentItem(f.xchange_twin(f.node("First1  Last1", 2)));
        w.roster->Button3->click();
        QCOMPARE(link_players(f.db()), before);
    }

    void every_newly_selected_node_shows_its_page() {
        view_fixture f(test_database());
        TForm1& w = f.w();
        QTreeWidgetItem* league = w.TreeView1->topLevelItem(0);
        f.select(league);
        QCOMPARE(w.main->currentIndex(), 0);
        // The right button selects too.
        QTreeWidgetItem* team = league->child(0);
        w.TreeView1->expandAll();
        QTest::mouseClick(w.TreeView1->viewport(), Qt::RightButton, {},
                          w.TreeView1->visualItemRect(team).center());
        QCOMPARE(w.main->currentIndex(), 1);
        QCOMPARE(w.team->t_id->text(), QStringLiteral("0"));
        // Space on a node that is current but not selected.
        w.TreeView1->clearSelection();
        w.TreeView1->setCurrentItem(league->child(1), 0, QItemSelectionModel::NoUpdate);
        w.TreeView1->setFocus();
        QTest::keyClick(w.TreeView1, Qt::Key_Space);
        QCOMPARE(w.team->t_id->text(), QStringLiteral("1"));
    }

    void a_roster_entry_of_two_to_the_31_is_read_as_stored() {
        database db = test_database();
        db.rows(team_players)[0].values[0] = 0x80000005u;
        db.tables[team_players].fields[2].descriptor_a = -1; // 32 bits wide
        db.tables[team_players].fields[2].descriptor_b = 0x7FFFFFFF;
        db.overall[team_players].words_per_row = 4;
        view_fixture f(db);
        TForm1& w = f.w();
        f.select(f.node("Team 0", 1));
        QCOMPARE(w.team->t_pl_nums->item(0)->text(), QStringLiteral("2147483653"));
        w.team->Button2->click();
        w.roster->t_pl_list->setCurrentRow(0);
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));
        w.roster->t_apply_1->click();
        QCOMPARE(f.row(team_players, 0).values[0], 0x80000005u);
    }

    void team_apply_is_disabled_while_no_team_row_is_shown() {
        database db = test_database();
        auto& link = add_row(db, table_index::league_teams);
        link.keys = {10, 99, 0, 0}; // a team without a row
        view_fixture f(db);
        TForm1& w = f.w();
        f.select(w.TreeView1->topLevelItem(0)->child(2));
        QCOMPARE(w.team->t_id->text(), QStringLiteral("-1"));
        QVERIFY(!w.team->t_apply->isEnabled());
        QVERIFY(!w.roster->t_apply_1->isEnabled());
        f.select(f.node("Team 0", 1));
        QVERIFY(w.team->t_apply->isEnabled());
        QVERIFY(w.roster->t_apply_1->isEnabled());
    }
};

QTEST_MAIN(undo_test)
#include "undo_test.moc"
