// The navigation tree: its shape and order after opening, how a node is resolved to its row by
// its label, when selecting shows a page, links to teams or players without a row, the exchange
// tree's copy, and "<<< Edit Team".

#include "view_fixture.h"

#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTabWidget>

using namespace qira::test;
using qira::db_overall_data;
using namespace qira::table_index;

namespace {

// test_database() rearranged: the links of both link tables out of the teams' and players' row
// order, a team under two leagues, a player under two teams, a league without teams, a team
// without a league link (not in the tree), a player with a pseudonym.
qira::database shape_database() {
    qira::database db = test_database();
    auto& l2 = add_row(db, leagues);
    l2.keys[0] = 12;
    l2.strings[1] = "League 2";
    auto& t2 = add_row(db, teams);
    t2.keys[0] = 22;
    t2.strings[1] = "Team 2";
    db.overall[league_teams].rows.clear();
    db.overall[league_teams].row_count = 0;
    add_link(db, league_teams, 10, 21);
    add_link(db, league_teams, 11, 21);
    add_link(db, league_teams, 10, 20);
    db.overall[team_players].rows.clear();
    db.overall[team_players].row_count = 0;
    add_link(db, team_players, 21, 41);
    add_link(db, team_players, 20, 42);
    add_link(db, team_players, 22, 41);
    add_link(db, team_players, 20, 40);
    add_link(db, team_players, 21, 40);
    db.rows(players)[1].strings[1] = "Cy";
    return db;
}

// The tree as lines, each label indented by two spaces per level, in depth-first order.
QStringList dump(const QTreeWidget& tree) {
    QStringList lines;
    std::function<void(const QTreeWidgetItem*, int)> walk = [&](const QTreeWidgetItem* n,
                                                                int level) {
        lines << QString(2 * level, QLatin1Char(' ')) + n->text(0);
        for (int i = 0; i < n->childCount(); ++i)
            walk(n->child(i), level + 1);
    };
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        walk(tree.topLevelItem(i), 0);
    return lines;
}

QStringList dump(const std::vector<QTreeWidgetItem*>& nodes) {
    QStringList lines;
    for (const QTreeWidgetItem* n : nodes)
        lines << QString(2 * view_fixture::level(n), QLatin1Char(' ')) + n->text(0);
    return lines;
}

// The tree the way the game's tables describe it, by plain scans in row order.
QStringList tree_by_scans(const qira::database& db) {
    const auto first = [&](int t, std::int32_t id) -> const db_overall_data* {
        for (const auto& row : db.rows(t))
            if (row.keys[0] == id)
                return &row;
        return nullptr;
    };
    QStringList lines;
    for (const auto& league : db.rows(leagues)) {
        lines << text(league.strings[1]);
        for (const auto& link : db.rows(league_teams)) {
            if (link.keys[0] != league.keys[0])
                continue;
            const db_overall_data* team = first(teams, link.keys[1]);
            lines << QStringLiteral("  ") + (team ? text(team->strings[1]) : QString());
            for (const auto& member : db.rows(team_players)) {
                if (member.keys[0] != link.keys[1])
                    continue;
                const db_overall_data* player = first(players, member.keys[1]);
                lines << QStringLiteral("    ") +
                             (player ? text(qira::player_label(*player)) : QStringLiteral("  "));
            }
        }
    }
    return lines;
}

bool nothing_selected(const TForm1& w) {
    return !w.TreeView1->currentItem() && w.TreeView1->selectedItems().isEmpty();
}

} // namespace

class tree_test : public QObject {
    Q_OBJECT

  private slots:
    // Leagues in row order, teams in the order of their league links, players in the order of
    // their team links; both trees alike, node n of one being node n of the other.
    void shape_and_order_follow_the_links() {
        view_fixture f(shape_database());
        const QStringList expected = {
            "League 0",
            "  Team 1",
            "    First1 Cy Last1",
            "    First0  Last0",
            "  Team 0",
            "    First2  Last2",
            "    First0  Last0",
            "League 1",
            "  Team 1",
            "    First1 Cy Last1",
            "    First0  Last0",
            "League 2",
        };
        TForm1& w = f.w();
        QCOMPARE(dump(*w.TreeView1), expected);
        QCOMPARE(dump(w.tree_nodes), expected);
        QCOMPARE(dump(*w.roster->xchange), expected);
        QCOMPARE(dump(w.xchange_nodes), expected);
        for (std::size_t n = 0; n < w.xchange_nodes.size(); ++n) {
            QCOMPARE(w.xchange_nodes[n]->treeWidget(), w.roster->xchange);
            QCOMPARE(w.tree_nodes[n]->treeWidget(), w.TreeView1);
        }
        QVERIFY(w.TreeView1->topLevelItem(2)->childCount() == 0);
        QVERIFY(nothing_selected(w));
        QCOMPARE(w.main->currentWidget(), w.TabSheet5);
        // Nodes are never edited in place in the navigation tree.
        QCOMPARE(w.TreeView1->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    // The generated sample: the same tree as scans of its tables give, and the situations a user
    // meets in it.
    void sample_tree_matches_its_tables() {
        view_fixture f(qira::sample_options{qira::sample_scale::tiny, 1});
        TForm1& w = f.w();
        const QStringList lines = dump(*w.TreeView1);
        QCOMPARE(lines, tree_by_scans(f.db()));
        QCOMPARE(dump(w.tree_nodes), lines);
        QCOMPARE(dump(w.xchange_nodes), lines);

        bool leaf_league = false;
        for (int i = 0; i < w.TreeView1->topLevelItemCount(); ++i)
            leaf_league = leaf_league || w.TreeView1->topLevelItem(i)->childCount() == 0;
        QVERIFY(leaf_league);
        // A team under two leagues, with identical children each time.
        bool twice = false;
        for (QTreeWidgetItem* team : w.tree_nodes) {
            if (view_fixture::level(team) != 1)
                continue;
            const auto same = f.nodes(team->text(0), 1);
            if (same.size() < 2 || same[0]->parent() == same[1]->parent())
                continue;
            QStringList a, b;
            for (int i = 0; i < same[0]->childCount(); ++i)
                a << same[0]->child(i)->text(0);
            for (int i = 0; i < same[1]->childCount(); ++i)
                b << same[1]->child(i)->text(0);
            QCOMPARE(a, b);
            twice = true;
        }
        QVERIFY(twice);
        const bool two_spaces =
            std::any_of(w.tree_nodes.begin(), w.tree_nodes.end(), [](const QTreeWidgetItem* n) {
                return view_fixture::level(n) == 2 && n->text(0).contains(QLatin1String("  "));
            });
        QVERIFY(two_spaces);
        QVERIFY(nothing_selected(w));
    }

    // A node is its label: the first row with that label is shown, whichever node carries it.
    void duplicate_labels_resolve_to_the_first_row() {
        qira::database db = shape_database();
        auto& league = add_row(db, leagues); // row 3, labelled like row 0
        league.keys[0] = 13;
        league.strings[1] = "League 0";
        auto& team = add_row(db, teams); // row 3, labelled like row 0
        team.keys[0] = 23;
        team.strings[1] = "Team 0";
        add_link(db, league_teams, 13, 23);
        add_player(db, 43, "First0", "", "Last0"); // row 3, named like row 0
        add_link(db, team_players, 23, 43);
        view_fixture f(db);
        TForm1& w = f.w();

        const auto league_nodes = f.nodes("League 0", 0);
        QCOMPARE(league_nodes.size(), std::size_t{2});
        f.select(league_nodes[1]);
        QCOMPARE(w.main->currentIndex(), 0);
        QCOMPARE(w.league->l_id->text(), QStringLiteral("0"));

        QTreeWidgetItem* team_node = league_nodes[1]->child(0);
        QCOMPARE(team_node->text(0), QStringLiteral("Team 0"));
        f.select(team_node);
        QCOMPARE(w.main->currentIndex(), 1);
        QCOMPARE(w.team->t_id->text(), QStringLiteral("0"));

        // The same team under two leagues shows the same row.
        f.select(f.node("Team 1", 1, "League 0"));
        QCOMPARE(w.team->t_id->text(), QStringLiteral("1"));
        f.select(f.node("Team 1", 1, "League 1"));
        QCOMPARE(w.team->t_id->text(), QStringLiteral("1"));

        QTreeWidgetItem* twin = team_node->child(0);
        QCOMPARE(twin->text(0), QStringLiteral("First0  Last0"));
        f.select(twin);
        QCOMPARE(w.main->currentIndex(), 2);
        QCOMPARE(w.player->pl_id->text(), QStringLiteral("0"));
        QCOMPARE(w.player->pl_rid->text(), QStringLiteral("40"));
    }

    // Labels are compared byte for byte: both spaces around an empty pseudonym count, and so does
    // case. A label that no row has shows a cleared page.
    void labels_match_exactly() {
        qira::database db = shape_database();
        add_player(db, 43, "Ann", "", "Roe");
        add_player(db, 44, "ann", "", "Roe");
        add_link(db, team_players, 20, 44);
        add_link(db, team_players, 20, 43);
        view_fixture f(db);
        TForm1& w = f.w();
        f.select(f.node("ann  Roe", 2));
        QCOMPARE(w.player->pl_id->text(), QStringLiteral("4"));
        f.select(f.node("Ann  Roe", 2));
        QCOMPARE(w.player->pl_id->text(), QStringLiteral("3"));
        QCOMPARE(w.player->pl_rid->text(), QStringLiteral("43"));

        // The same node with one space between the parts names no player.
        QTreeWidgetItem* n = f.node("Ann  Roe", 2);
        w.TreeView1->setCurrentItem(nullptr);
        n->setText(0, QStringLiteral("Ann Roe"));
        f.select(n);
        QCOMPARE(w.main->currentIndex(), 2);
        QCOMPARE(w.player->pl_id->text(), QStringLiteral("-1"));
        QVERIFY(w.player->pl_name->text().isEmpty());
    }

    // Stored bytes that are not UTF-8 show with replacement characters; the node still finds its
    // row (players: league_player_test).
    void label_that_is_not_utf8_finds_its_row() {
        qira::database db = shape_database();
        db.rows(teams)[0].strings[1] = "Team \xfe";
        db.rows(leagues)[1].strings[1] = "\xc3League";
        view_fixture f(db);
        TForm1& w = f.w();
        f.select(w.TreeView1->topLevelItem(1));
        QCOMPARE(w.league->l_id->text(), QStringLiteral("1"));
        QTreeWidgetItem* team = w.TreeView1->topLevelItem(0)->child(1);
        f.select(team);
        QCOMPARE(w.team->t_id->text(), QStringLiteral("0"));
    }

    // Only a selected node shows a page: after the build nothing is selected, a node that merely
    // becomes current (the keyboard focus entering the tree) shows nothing; a click, a keyboard
    // move or code selecting it does. The page is switched before it is filled.
    void selecting_shows_the_page_of_the_node() {
        view_fixture f(shape_database());
        TForm1& w = f.w();
        QTreeWidgetItem* first = w.TreeView1->topLevelItem(0);
        w.TreeView1->selectionModel()->setCurrentIndex(w.TreeView1->indexFromItem(first),
                                                       QItemSelectionModel::NoUpdate);
        QCOMPARE(w.main->currentWidget(), w.TabSheet5);
        QCOMPARE(w.league->l_id->text(), QStringLiteral("l_id"));

        QStringList id_when_switched;
        QObject::connect(w.main, &QTabWidget::currentChanged, [&] {
            id_when_switched << w.league->l_id->text() << w.player->pl_id->text();
        });
        f.click(w.TreeView1->topLevelItem(1));
        QCOMPARE(w.main->currentIndex(), 0);
        QCOMPARE(w.league->l_id->text(), QStringLiteral("1"));
        QCOMPARE(id_when_switched, (QStringList{"l_id", "123"}));

        w.TreeView1->setFocus();
        QTest::keyClick(w.TreeView1, Qt::Key_Down);
        QCOMPARE(w.TreeView1->currentItem(), w.TreeView1->topLevelItem(2));
        QCOMPARE(w.league->l_id->text(), QStringLiteral("2"));

        id_when_switched.clear();
        f.select(f.node("First1 Cy Last1", 2));
        QCOMPARE(w.main->currentIndex(), 2);
        QCOMPARE(id_when_switched, (QStringList{"2", "123"}));
        QCOMPARE(w.player->pl_id->text(), QStringLiteral("1"));

        // Nothing selected: the page control keeps its page.
        w.TreeView1->clearSelection();
        w.show_selected_node();
        QCOMPARE(w.main->currentIndex(), 2);
    }

    // Clicking the node that is already selected shows its row again: edits not applied are lost.
    void clicking_the_selected_node_drops_unapplied_edits() {
        view_fixture f(shape_database());
        TForm1& w = f.w();
        QTreeWidgetItem* league = w.TreeView1->topLevelItem(1);
        f.click(league);
        const QString title = w.league->l_name_sh->text();
        QVERIFY(!title.isEmpty());
        w.league->l_name_sh->setText(QStringLiteral("edited"));
        w.league->l_level->setCurrentIndex(3);
        f.click(league);
        QCOMPARE(w.league->l_name_sh->text(), title);
        QCOMPARE(w.league->l_level->currentIndex(), 0);

        w.TreeView1->expandAll();
        QTreeWidgetItem* player = f.node("First2  Last2", 2);
        f.click(player);
        QCOMPARE(w.TreeView1->currentItem(), player);
        QCOMPARE(w.player->pl_name->text(), QStringLiteral("First2"));
        w.player->pl_name->setText(QStringLiteral("Zed"));
        w.player->pl_height_p->setValue(150);
        f.click(player);
        QCOMPARE(w.player->pl_name->text(), QStringLiteral("First2"));
        QCOMPARE(w.player->pl_height_p->value(), 0);
        QCOMPARE(f.row(players, 2).strings[0], std::string("First2"));
    }

    // A link to a team or a player that has no row still gets its node: the team's labelled with
    // the empty text (listing the players linked to that team id), the player's with two spaces.
    // Selecting either shows nothing editable, and Apply writes nothing.
    void links_to_missing_rows() {
        qira::database db = shape_database();
        add_link(db, league_teams, 11, 99);
        add_link(db, team_players, 99, 42);
        add_link(db, team_players, 20, 98);
        view_fixture f(db);
        TForm1& w = f.w();
        QCOMPARE(dump(*w.TreeView1), tree_by_scans(w.game.db));
        QTreeWidgetItem* league = w.TreeView1->topLevelItem(1);
        QCOMPARE(league->childCount(), 2);
        QTreeWidgetItem* no_team = league->child(1);
        QCOMPARE(no_team->text(0), QString());
        QCOMPARE(no_team->childCount(), 1);
        QCOMPARE(no_team->child(0)->text(0), QStringLiteral("First2  Last2"));
        QTreeWidgetItem* team0 = w.TreeView1->topLevelItem(0)->child(1);
        QCOMPARE(team0->childCount(), 3);
        QTreeWidgetItem* no_player = team0->child(2);
        QCOMPARE(no_player->text(0), QStringLiteral("  "));

        const qira::database before = w.game.db;
        const auto unchanged = [&] {
            for (int t : {leagues, teams, players, team_settings, team_players})
                for (std::size_t r = 0; r < before.rows(t).size(); ++r) {
                    const auto& a = before.rows(t)[r];
                    const auto& b = w.game.db.rows(t)[r];
                    if (a.keys != b.keys || a.strings != b.strings || a.names != b.names ||
                        a.values != b.values)
                        return false;
                }
            return true;
        };

        // A real player first, then the node without a row: Apply must not reach the earlier one.
        f.select(f.node("First0  Last0", 2, "Team 0"));
        QCOMPARE(w.player->pl_id->text(), QStringLiteral("0"));
        w.player->pl_name->setText(QStringLiteral("Overwritten"));
        f.select(no_player);
        QCOMPARE(w.main->currentIndex(), 2);
        QCOMPARE(w.player->pl_id->text(), QStringLiteral("-1"));
        for (QLineEdit* e :
             {w.player->pl_name, w.player->pl_pseudo, w.player->pl_sur, w.player->pl_rid})
            QVERIFY(e->text().isEmpty());
        QCOMPARE(w.player->pl_pos->currentIndex(), -1);
        QVERIFY(!w.player->pl_name->isEnabled());
        QVERIFY(!w.player->pl_apply->isEnabled());
        w.pl_applyClick();
        QVERIFY(unchanged());
        QCOMPARE(no_player->text(0), QStringLiteral("  "));
        QVERIFY(!w.has_unsaved_changes());

        f.select(no_team);
        QCOMPARE(w.main->currentIndex(), 1);
        w.t_applyClick();
        QVERIFY(unchanged());

        // Its players are real players and show as usual.
        f.select(no_team->child(0));
        QCOMPARE(w.player->pl_id->text(), QStringLiteral("2"));
        QVERIFY(w.player->pl_name->isEnabled());
        QVERIFY(w.player->pl_apply->isEnabled());
        QVERIFY(!w.player->pl_ballcont_p->isEnabled());

        // A league node whose label no row has any more: the league page is cleared.
        QTreeWidgetItem* first = w.TreeView1->topLevelItem(0);
        first->setText(0, QStringLiteral("Gone"));
        f.select(first);
        QCOMPARE(w.main->currentIndex(), 0);
        QCOMPARE(w.league->l_id->text(), QStringLiteral("-1"));
        QVERIFY(w.league->l_name_long->text().isEmpty());
        QCOMPARE(w.league->l_level->currentIndex(), -1);
        QVERIFY(!w.league->l_apply->isEnabled());
        w.l_applyClick();
        QVERIFY(f.sink.shown.empty());
        QVERIFY(unchanged());
        f.select(w.TreeView1->topLevelItem(1));
        QVERIFY(w.league->l_apply->isEnabled());
        QCOMPARE(w.league->l_id->text(), QStringLiteral("1"));
    }

    // "<<< Edit Team" selects the selected player's team node, which shows the team page; without
    // a selected node, or on a league node, nothing happens.
    void edit_team_selects_the_parent() {
        view_fixture f(shape_database());
        TForm1& w = f.w();
        w.player->Button8->click();
        QVERIFY(nothing_selected(w));
        QCOMPARE(w.main->currentWidget(), w.TabSheet5);

        QTreeWidgetItem* player = f.node("First0  Last0", 2, "Team 0");
        f.select(player);
        QCOMPARE(w.main->currentIndex(), 2);
        w.player->Button8->click();
        QCOMPARE(w.TreeView1->currentItem(), player->parent());
        QVERIFY(player->parent()->isSelected());
        QCOMPARE(w.main->currentIndex(), 1);
        QCOMPARE(w.team->t_id->text(), QStringLiteral("0"));

        f.select(w.TreeView1->topLevelItem(0));
        w.main->setCurrentIndex(2);
        w.player->Button8->click();
        QCOMPARE(w.TreeView1->currentItem(), w.TreeView1->topLevelItem(0));
        QCOMPARE(w.main->currentIndex(), 2);
    }

    // Opening again replaces both trees and their node lists; nothing is selected afterwards.
    void opening_again_rebuilds_both_trees() {
        view_fixture f(shape_database());
        TForm1& w = f.w();
        f.select(f.node("First2  Last2", 2));
        w.player->pl_name->setText(QStringLiteral("Renamed"));
        w.player->pl_apply->click();
        QVERIFY(f.node("Renamed  Last2", 2));
        w.Button4->click();
        f.sink.answers = {true};
        w.Button14->click();
        w.Button1->click();
        QVERIFY(in_editing(w));
        QVERIFY(nothing_selected(w));
        QCOMPARE(dump(*w.TreeView1), tree_by_scans(w.game.db));
        QCOMPARE(dump(w.tree_nodes), dump(*w.TreeView1));
        QCOMPARE(dump(w.xchange_nodes), dump(*w.TreeView1));
        QVERIFY(f.node("First2  Last2", 2));
        f.select(f.node("First2  Last2", 2));
        QCOMPARE(w.player->pl_id->text(), QStringLiteral("2"));
        // The reused nodes are relabelled like new ones, in both trees.
        w.player->pl_name->setText(QStringLiteral("Again"));
        w.player->pl_apply->click();
        QVERIFY(f.node("Again  Last2", 2));
        QVERIFY(!f.node("First2  Last2", 2));
        QCOMPARE(dump(*w.roster->xchange), dump(*w.TreeView1));
        QCOMPARE(dump(w.tree_nodes), dump(*w.TreeView1));
    }
};

QTEST_MAIN(tree_test)
#include "tree_test.moc"
