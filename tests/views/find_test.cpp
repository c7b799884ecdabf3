// Find in the navigation tree and in the exchange tree: as you type, next and previous with
// wrap-around, the count, ids, and a find that stays current when labels change.

#include "view_fixture.h"

#include "views/tree_find.h"

#include <QListWidget>
#include <QUndoStack>

using namespace qira;
using namespace qira::test;
using table_index::players;
using table_index::team_players;

namespace {

void type(tree_find* find, const QString& text) {
    find->field->setFocus();
    find->field->selectAll();
    QTest::keyClicks(find->field, text);
}

QString current_label(const TForm1& w) {
    const QTreeWidgetItem* node = w.TreeView1->currentItem();
    return node && node->isSelected() ? node->text(0) : QString();
}

void activate(TForm1& w) {
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

} // namespace

class find_test : public QObject {
    Q_OBJECT

  private slots:
    void find_a_player_by_name_ignoring_case_and_accents() {
        view_fixture f(sample_options{sample_scale::tiny, 3}); // has a Łukasz Mazur
        TForm1& w = f.w();
        QVERIFY(w.TreeView1Find->isVisible());
        type(w.TreeView1Find, QStringLiteral("LUKASZ mazur"));
        QCOMPARE(current_label(w), QStringLiteral("Łukasz  Mazur"));
        // His page shows, as a click shows it; the node is made visible.
        QCOMPARE(w.main->currentIndex(), 2);
        QCOMPARE(w.player->pl_name->text(), QStringLiteral("Łukasz"));
        QVERIFY(w.TreeView1->currentItem()->parent()->isExpanded());
        QVERIFY(w.TreeView1Find->count->text().endsWith(
            QStringLiteral(" of %1").arg(w.TreeView1Find->matches().size())));
        QCOMPARE(w.TreeView1Find->field->accessibleDescription(), w.TreeView1Find->count->text());
        type(w.TreeView1Find, QStringLiteral("zzzz no such name"));
        QCOMPARE(w.TreeView1Find->count->text(), QStringLiteral("no match"));
        QCOMPARE(current_label(w), QStringLiteral("Łukasz  Mazur")); // the selection stays
    }

    void find_by_id_shows_that_player_first() {
        view_fixture f(test_database());
        TForm1& w = f.w();
        type(w.TreeView1Find, QStringLiteral("#42"));
        QCOMPARE(current_label(w), QStringLiteral("First2  Last2"));
        QCOMPARE(w.player->pl_rid->text(), QStringLiteral("42"));
        QCOMPARE(w.TreeView1Find->count->text(), QStringLiteral("1 of 1"));
        type(w.TreeView1Find, QStringLiteral("41"));
        QCOMPARE(current_label(w), QStringLiteral("First1  Last1"));
    }

    void next_and_previous_wrap_around() {
        view_fixture f(test_database());
        TForm1& w = f.w();
        // "last" is in the three player labels, in tree order Last0, Last2 (Team 0), Last1.
        type(w.TreeView1Find, QStringLiteral("last"));
        QCOMPARE(current_label(w), QStringLiteral("First0  Last0"));
        QCOMPARE(w.TreeView1Find->count->text(), QStringLiteral("1 of 3"));
        QTest::keyClick(w.TreeView1Find->field, Qt::Key_Return);
        QCOMPARE(current_label(w), QStringLiteral("First2  Last2"));
        QTest::keyClick(w.TreeView1Find->field, Qt::Key_F3);
        QCOMPARE(current_label(w), QStringLiteral("First1  Last1"));
        QCOMPARE(w.TreeView1Find->count->text(), QStringLiteral("3 of 3"));
        QTest::keyClick(w.TreeView1Find->field, Qt::Key_Return);
        QCOMPARE(current_label(w), QStringLiteral("First0  Last0")); // wrapped
        QTest::keyClick(w.TreeView1Find->field, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(current_label(w), QStringLiteral("First1  Last1")); // wrapped back
        QTest::keyClick(w.TreeView1Find->field, Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(current_label(w), QStringLiteral("First2  Last2"));
        // Typing more keeps the current node while it matches.
        QTest::keyClicks(w.TreeView1Find->field, QStringLiteral("2"));
        QCOMPARE(current_label(w), QStringLiteral("First2  Last2"));
        // Escape gives the focus back to the tree.
        activate(w);
        w.TreeView1Find->field->setFocus();
        QTest::keyClick(w.TreeView1Find->field, Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.TreeView1));
        // The clear button empties the field and the count.
        w.TreeView1Find->clear->click();
        QCOMPARE(w.TreeView1Find->field->text(), QString());
        QCOMPARE(w.TreeView1Find->count->text(), QString());
    }

    void ctrl_f_focuses_the_find_of_the_page_shown() {
        view_fixture f(test_database());
        TForm1& w = f.w();
        activate(w);
        w.TreeView1->setFocus();
        QTest::keyClick(w.TreeView1, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.TreeView1Find->field));
        f.select(f.node("Team 0", 1));
        w.team->Button2->click();
        w.roster->t_pl_list->setFocus();
        QTest::keyClick(w.roster->t_pl_list, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.roster->xchange_find->field));
    }

    void find_in_the_exchange_tree_then_exchange() {
        view_fixture f(test_database());
        TForm1& w = f.w();
        QTreeWidgetItem* shown = w.TreeView1->topLevelItem(0)->child(0);
        f.select(shown);
        w.team->Button2->click();
        w.roster->t_pl_list->setCurrentRow(0);
        type(w.roster->xchange_find, QStringLiteral("first1"));
        QCOMPARE(w.roster->xchange->currentItem()->text(0), QStringLiteral("First1  Last1"));
        // The navigation tree and the page stay as they were.
        QCOMPARE(w.TreeView1->currentItem(), shown);
        QCOMPARE(w.main->currentIndex(), 3);
        w.roster->Button3->click();
        QCOMPARE(f.row(team_players, 0).keys[1], 41);
        // The exchanged node now carries the roster player's name: the find follows.
        QCOMPARE(w.roster->xchange_find->count->text(), QStringLiteral("1 match"));
        QCOMPARE(w.roster->xchange_find->matches().size(), std::size_t{1});
        QCOMPARE(w.roster->xchange->currentItem()->text(0), QStringLiteral("First0  Last0"));
    }

    void a_find_stays_current_after_relabelling_and_undo() {
        view_fixture f(test_database());
        TForm1& w = f.w();
        w.TreeView1Find->field->setText(QStringLiteral("müller"));
        QCOMPARE(w.TreeView1Find->count->text(), QStringLiteral("no match"));
        f.select(f.node("First1  Last1", 2));
        w.player->pl_sur->setText(QStringLiteral("Müller"));
        w.player->pl_apply->click();
        QCOMPARE(w.TreeView1Find->count->text(), QStringLiteral("1 of 1"));
        w.ButtonUndo->click();
        QCOMPARE(w.TreeView1Find->count->text(), QStringLiteral("no match"));
        QTest::keyClick(w.TreeView1Find->field, Qt::Key_Return);
        QCOMPARE(current_label(w), QStringLiteral("First1  Last1")); // nothing else selected
        w.ButtonRedo->click();
        QTest::keyClick(w.TreeView1Find->field, Qt::Key_Return);
        QCOMPARE(current_label(w), QStringLiteral("First1  Müller"));
        // An exchange moves ids between nodes: the id finds the player where he is now.
        type(w.TreeView1Find, QStringLiteral("#41"));
        QCOMPARE(current_label(w), QStringLiteral("First1  Müller"));
    }

    void a_name_that_is_not_utf8_is_found_as_shown() {
        database db = test_database();
        db.rows(players)[1].strings[2] = std::string("M\xfcller");
        view_fixture f(db);
        TForm1& w = f.w();
        w.TreeView1Find->field->setText(QStringLiteral("m\uFFFDller"));
        QCOMPARE(current_label(w), QStringLiteral("First1  M\uFFFDller"));
        QCOMPARE(w.player->pl_rid->text(), QStringLiteral("41"));
    }
};

QTEST_MAIN(find_test)
#include "find_test.moc"
