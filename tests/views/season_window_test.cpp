// The season update in the window: new and deleted players on the player page, each one undo
// step with the trees following, and the refusal where the players table is full.

#include "view_fixture.h"

#include "app/registry.h"
#include "editing/editor_index.h"
#include "editing/table_edits.h"
#include "views/check_window.h"
#include "views/free_player_dialog.h"
#include "views/player_names_dialog.h"
#include "views/player_page.h"
#include "views/tables_window.h"
#include "views/window_place.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QUndoStack>

#include <functional>
#include <map>

using namespace qira;
using namespace qira::test;

namespace {

// The bytes a save of the database would write.
std::vector<std::uint8_t> saved(const database& db) {
    database copy = db;
    return serialize_database(copy);
}

// Shows the first player of the first team that has players.
QTreeWidgetItem* show_some_player(view_fixture& f) {
    for (QTreeWidgetItem* n : f.w().tree_nodes)
        if (view_fixture::level(n) == 2) {
            f.select(n);
            return n;
        }
    return nullptr;
}

} // namespace

class season_window_test : public QObject {
    Q_OBJECT

  private slots:
    void a_new_player_joins_his_models_team_and_delete_takes_him_out_again() {
        view_fixture f(sample_options{sample_scale::tiny, 4});
        TForm1& w = f.w();
        QTreeWidgetItem* model = show_some_player(f);
        QVERIFY(model);
        const QString team = model->parent()->text(0);
        const auto before = saved(f.db());
        const std::size_t players = f.db().rows(table_index::players).size();
        w.player->ask_names = [](const QString&, const player_names&) {
            return std::optional(player_names{"J\xc3\xb6rg", "", "\xc5\x81ukasz"});
        };
        w.player->pl_new->click();
        QCOMPARE(f.db().rows(table_index::players).size(), players + 1);
        const QString label = QString::fromUtf8("J\xc3\xb6rg  \xc5\x81ukasz");
        QTreeWidgetItem* added = f.node(label, 2, team);
        QVERIFY2(added, qPrintable(f.sink.all()));
        QCOMPARE(w.player->pl_name->text(), QString::fromUtf8("J\xc3\xb6rg"));
        QVERIFY(w.player->pl_status->text().contains(team));

        // Deleted again: his row and his one membership, said on the page.
        w.player->pl_delete->click();
        QCOMPARE(f.db().rows(table_index::players).size(), players);
        QVERIFY(!f.node(label, 2));
        QVERIFY(w.player->pl_status->text().contains(QStringLiteral("his membership of a team")));

        // Two undo steps give the game as opened; redo gives the player back.
        w.ButtonUndo->click();
        QVERIFY(f.node(label, 2, team));
        w.ButtonUndo->click();
        QVERIFY(saved(f.db()) == before);
        w.ButtonRedo->click();
        QVERIFY(f.node(label, 2, team));
    }

    void a_player_without_a_team_is_signed_from_the_list() {
        view_fixture f(sample_options{sample_scale::tiny, 4});
        TForm1& w = f.w();
        QTreeWidgetItem* team = nullptr;
        for (QTreeWidgetItem* n : w.tree_nodes)
            if (view_fixture::level(n) == 1 && n->childCount() > 0) {
                team = n;
                break;
            }
        QVERIFY(team);
        f.select(team);
        w.team->Button2->click();
        const int roster = w.roster->t_pl_list->count();
        const auto free = players_without_team(f.db());
        QVERIFY(!free.empty());
        std::size_t offered = 0;
        w.roster->choose_free = [&](const std::vector<player_choice>& players) {
            offered = players.size();
            return std::optional(players.front().row);
        };
        w.roster->ButtonSignFree->click();
        QCOMPARE(offered, free.size());
        QCOMPARE(w.roster->t_pl_list->count(), roster + 1);
        const QString label = text(player_label(f.row(table_index::players, free.front())));
        QVERIFY2(f.node(label, 2, team->text(0)), qPrintable(f.sink.all()));
        QCOMPARE(players_without_team(f.db()).size(), free.size() - 1);
        w.ButtonUndo->click();
        QCOMPARE(players_without_team(f.db()).size(), free.size());

        // New player on the roster page: a copy of the selected roster player, in this team.
        w.roster->ask_names = [](const QString&, const player_names&) {
            return std::optional(player_names{"Nils", "", "Str\xf6m"}); // not UTF-8, kept
        };
        w.roster->t_pl_list->setCurrentRow(0);
        w.roster->ButtonNewPlayer->click();
        QCOMPARE(w.roster->t_pl_list->count(), roster + 1);
        QCOMPARE(f.db().rows(table_index::players).back().strings[2], std::string("Str\xf6m"));
    }

    // Ctrl+C and Ctrl+V carry cells as spreadsheets do, in the order the grid shows them; Adjust
    // changes the rows the filters show within the field's range; each is one undo step.
    void cells_pasted_and_a_column_adjusted_in_the_grid_undo_as_one_step_each() {
        view_fixture f(sample_options{sample_scale::tiny, 4});
        TForm1& w = f.w();
        f.db().rows(table_index::players)[0].strings[2] = "Str\xf6m"; // not UTF-8
        w.ButtonTables->click();
        tables_window& t = *w.tables;
        t.show_table(table_index::players);
        const auto before = saved(f.db());
        const auto column = [&](const char* name) {
            for (int c = 0; c < t.model->columnCount(); ++c)
                if (t.model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() ==
                    QLatin1String(name))
                    return c;
            return -1;
        };
        const int height = column("height"), weight = column("weight");
        QVERIFY(height >= 0 && weight == height + 1);
        // Rows 0 and 1, height and weight, copied and pasted at row 5.
        t.grid->setFocus();
        t.grid->selectionModel()->select(
            QItemSelection(t.filter->index(0, height), t.filter->index(1, weight)),
            QItemSelectionModel::ClearAndSelect);
        QTest::keyClick(t.grid, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text().count(QLatin1Char('\n')), 2);
        t.grid->setCurrentIndex(t.filter->index(5, height));
        QTest::keyClick(t.grid, Qt::Key_V, Qt::ControlModifier);
        const auto cell = [&](int view_row, int c) {
            return t.filter->index(view_row, c).data().toString();
        };
        QCOMPARE(cell(5, height), cell(0, height));
        QCOMPARE(cell(6, weight), cell(1, weight));
        QVERIFY2(t.status->text().contains(QStringLiteral("4 cells pasted")),
                 qPrintable(t.status->text()));

        // Two cells picked apart: Fill sets those two and nothing between; Copy refuses, as the
        // text would carry the cells between.
        const auto between = std::pair(cell(3, weight), cell(4, height));
        t.grid->selectionModel()->select(t.filter->index(3, height),
                                         QItemSelectionModel::ClearAndSelect);
        t.grid->selectionModel()->select(t.filter->index(4, weight), QItemSelectionModel::Select);
        t.ask_fill_value = [] { return std::optional(QStringLiteral("150")); };
        t.fill_button->click();
        QCOMPARE(cell(3, height), QStringLiteral("150"));
        QCOMPARE(cell(4, weight), QStringLiteral("150"));
        QCOMPARE(std::pair(cell(3, weight), cell(4, height)), between);
        QTest::keyClick(t.grid, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(t.status->text().startsWith(QStringLiteral("Not copied")));

        // A paste that runs past the last row is refused whole.
        t.grid->setCurrentIndex(t.filter->index(t.filter->rowCount() - 1, height));
        const auto pasted = saved(f.db());
        QTest::keyClick(t.grid, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(t.status->text().startsWith(QStringLiteral("Not pasted")));
        QVERIFY(saved(f.db()) == pasted);

        // A text that is not UTF-8 keeps its bytes through a copy and paste in the editor.
        t.grid->selectionModel()->setCurrentIndex(t.filter->index(0, column("surname")),
                                                  QItemSelectionModel::ClearAndSelect);
        QTest::keyClick(t.grid, Qt::Key_C, Qt::ControlModifier);
        t.grid->setCurrentIndex(t.filter->index(2, column("surname")));
        QTest::keyClick(t.grid, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.db().rows(table_index::players)[2].strings[2], std::string("Str\xf6m"));

        // +1000 to the heights: every shown row, held at the field's end.
        t.ask_adjustment = [](const QString&) {
            return std::optional(tables_window::adjustment{adjust_kind::add, 1000});
        };
        t.grid->setCurrentIndex(t.filter->index(0, height));
        t.adjust_button->click();
        QCOMPARE(cell(3, height), QStringLiteral("255"));
        QVERIFY2(t.status->text().contains(QStringLiteral("held at the end")),
                 qPrintable(t.status->text()));

        for (int k = 0; k < 4; ++k)
            w.ButtonUndo->click();
        QVERIFY(saved(f.db()) == before);
    }

    // Where the tables window opens: inside the available area, beside the main window where
    // there is room (at x=967 on a wide screen), else over it; a remembered place comes back,
    // moved inside the area, and one off every screen is forgotten.
    void the_tables_window_opens_inside_the_screen_where_it_was_left() {
        const QRect main(0, 0, 959, 700);
        const QSize size(1000, 620);
        QCOMPARE(place_beside(main, size, QRect(0, 0, 2560, 1400)), QRect(967, 0, 1000, 620));
        QCOMPARE(place_beside(QRect(1500, 0, 900, 700), size, QRect(0, 0, 2560, 1400)),
                 QRect(492, 0, 1000, 620));
        const QRect small(0, 0, 1280, 860); // 1280x900 without its task bar
        const QRect over = place_beside(main, size, small);
        QVERIFY(small.contains(over));
        QCOMPARE(over.size(), size);
        QVERIFY(small.contains(place_beside(main, QSize(2000, 2000), small)));
        QCOMPARE(fit_remembered(QRect(1100, 780, 400, 300), small), QRect(880, 560, 400, 300));
        QCOMPARE(fit_remembered(QRect(3000, 0, 400, 300), small), std::nullopt);
        QCOMPARE(place_from_text(place_text(QRect(-5, 7, 300, 200))), QRect(-5, 7, 300, 200));
        for (const char* bad : {"", "1,2,3", "1,2,0,4", "a,b,c,d", "1,2,3,4,5"})
            QCOMPARE(place_from_text(QString::fromLatin1(bad)), std::nullopt);

        view_fixture f(sample_options{sample_scale::tiny, 4});
        TForm1& w = f.w();
        f.registry.set(editor_key, tables_place_value, QStringLiteral("40,50,700,500"));
        w.ButtonTables->click();
        QCOMPARE(w.tables->frameGeometry().topLeft(), QPoint(40, 50));
        w.tables->move(60, 70);
        w.tables->close();
        QVERIFY2(f.registry.get(editor_key, tables_place_value)
                     .value_or(QString())
                     .startsWith(QStringLiteral("60,70,")),
                 qPrintable(f.registry.get(editor_key, tables_place_value).value_or(QString())));
    }

    // The filter fields under the column names: reached by Tab after the filter of all columns,
    // and named on the accessibility bus.
    void the_filter_fields_are_reached_by_keyboard_and_named() {
        QAccessible::setActive(true);
        view_fixture f(sample_options{sample_scale::tiny, 4});
        f.w().ButtonTables->click();
        tables_window& t = *f.w().tables;
        t.show_table(table_index::players);
        t.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&t));
        t.all_filter->setFocus(Qt::TabFocusReason);
        QTest::keyClick(t.all_filter, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), t.header->field(0));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), t.header->field(1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), t.header->field(0));
        // Every field is in the accessible tree of the window, with its column's name.
        std::map<const QObject*, QString> found;
        std::function<void(QAccessibleInterface*, int)> walk = [&](QAccessibleInterface* i,
                                                                   int depth) {
            if (!i || !i->isValid() || depth > 64)
                return;
            if (i->object())
                found.emplace(i->object(), i->text(QAccessible::Name));
            for (int k = 0; k < i->childCount(); ++k)
                walk(i->child(k), depth + 1);
        };
        walk(QAccessible::queryAccessibleInterface(&t), 0);
        for (int c = 0; c < t.header->field_count(); ++c) {
            const QString name = t.model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
            const auto it = found.find(t.header->field(c));
            QVERIFY2(it != found.end(), qPrintable(name));
            QCOMPARE(it->second, QStringLiteral("Filter of column %1").arg(name));
        }
    }

    // Check game lists the problems, the ones the files had marked; a double-click shows the row;
    // a save asks before writing a problem the session made, and only then.
    void check_game_lists_shows_and_asks_before_saving_new_problems() {
        view_fixture f(sample_options{sample_scale::tiny, 4});
        TForm1& w = f.w();
        w.ButtonCheck->click();
        QVERIFY(w.check);
        QCOMPARE(w.check->check_list->count(), 1); // the planted captain of another club
        QVERIFY(w.check->check_list->item(0)->text().endsWith(
            QStringLiteral("(in the files as opened)")));
        emit w.check->check_list->itemActivated(w.check->check_list->item(0));
        QVERIFY(w.tables && w.tables->isVisible());
        QCOMPARE(w.tables->model->table(), static_cast<int>(table_index::team_settings));
        QCOMPARE(w.tables->filter->mapToSource(w.tables->grid->currentIndex()).row(),
                 w.check->problems()[0].row);

        // A save with only the old problem asks nothing.
        w.Button11->click();
        QVERIFY(f.sink.asked.empty());
        // A membership pointing to no player: listed as new, and the save asks first.
        const cell link{table_index::team_players, 0, row_part::key, 1};
        auto made = set_cell_text(w.game, link, "999999");
        QVERIFY(made.ok());
        w.doc.push_table_edit(std::move(made.made), QStringLiteral("test"));
        QCOMPARE(w.check->check_list->count(), 2); // the open list follows the edit
        const auto file = read_file(database_file(f.install.path()));
        f.sink.answers.push_back(false);
        w.Button11->click();
        QCOMPARE(f.sink.asked.size(), std::size_t{1});
        QVERIFY(f.sink.asked[0].text.contains(QStringLiteral("player 999999 does not exist")));
        QVERIFY(read_file(database_file(f.install.path())) == file);
        f.sink.answers.push_back(true);
        w.Button11->click();
        QVERIFY(read_file(database_file(f.install.path())) != file);
    }

    // The dialogs themselves: the free players narrowed as find narrows the tree (accents and
    // case folded, words anywhere, the id too), picked with the arrows from the filter; a name
    // left as it was keeps its stored bytes, also where they are not UTF-8.
    void the_dialogs_narrow_by_folded_words_and_keep_untouched_names() {
        view_fixture f(sample_options{sample_scale::tiny, 4});
        database db = f.db();
        const auto free = players_without_team(db);
        QVERIFY(free.size() >= 3);
        auto& marked = db.rows(table_index::players)[static_cast<std::size_t>(free[1])];
        marked.strings[0] = "\xc5\xbb"
                            "d\xc5\xba";      // Żdź
        marked.strings[2] = "B\xc5\x82o\xf6"; // Bło and a Latin-1 byte
        const auto type = [](const char* name, const QString& text, auto then) {
            QTimer::singleShot(0, [name, text, then] {
                QWidget* dialog = QApplication::activeModalWidget();
                QVERIFY(dialog);
                auto* edit = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
                QVERIFY(edit);
                edit->setText(text);
                then(dialog, edit);
            });
        };
        const std::string id = std::to_string(marked.keys[0]);
        for (const QString& query : {QStringLiteral("zdz blo"), QStringLiteral("BLO \u017bD\u0179"),
                                     QString::fromStdString(id) + QStringLiteral(" zd")}) {
            type("free_player_filter", query, [](QWidget* dialog, QLineEdit* edit) {
                auto* list = dialog->findChild<QListWidget*>(QStringLiteral("free_player_list"));
                int shown = 0;
                for (int i = 0; i < list->count(); ++i)
                    shown += list->item(i)->isHidden() ? 0 : 1;
                QCOMPARE(shown, 1);
                QTest::keyClick(edit, Qt::Key_Return);
            });
            QCOMPARE(choose_free_player(nullptr, player_choices(db, free)), std::optional(free[1]));
        }
        type("free_player_filter", QString(), [](QWidget*, QLineEdit* edit) {
            QTest::keyClick(edit, Qt::Key_Down);
            QTest::keyClick(edit, Qt::Key_Down);
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QCOMPARE(choose_free_player(nullptr, player_choices(db, free)), std::optional(free[2]));
        type("free_player_filter", QStringLiteral("no such player"),
             [](QWidget*, QLineEdit* edit) { QTest::keyClick(edit, Qt::Key_Return); });
        QCOMPARE(choose_free_player(nullptr, player_choices(db, free)), std::optional<int>());

        const player_names model{marked.strings[0], "", marked.strings[2]};
        type("first_name", QStringLiteral("Anna"),
             [](QWidget*, QLineEdit* edit) { QTest::keyClick(edit, Qt::Key_Return); });
        const auto names = ask_player_names(nullptr, QStringLiteral("New player"), model);
        QVERIFY(names);
        QCOMPARE((*names)[0], std::string("Anna"));
        QCOMPARE((*names)[2], marked.strings[2]);
    }

    void a_new_player_is_refused_where_the_table_is_full() {
        view_fixture f(sample_options{sample_scale::tiny, 4});
        TForm1& w = f.w();
        QVERIFY(show_some_player(f));
        // The players table filled to what a file holds.
        std::vector<row_insert> fill;
        const auto rows = f.db().rows(table_index::players);
        for (std::size_t k = rows.size(); k < static_cast<std::size_t>(max_rows); ++k)
            fill.push_back({static_cast<int>(k), rows[0], {}});
        change grown;
        insert_rows(w.game, grown, table_index::players, std::move(fill));
        const auto full = saved(f.db());
        bool asked = false;
        w.player->ask_names = [&](const QString&, const player_names&) {
            asked = true;
            return std::optional(player_names{"A", "", "B"});
        };
        w.player->pl_new->click();
        QVERIFY(!asked); // refused before the names are typed
        QVERIFY2(f.sink.all().contains(QStringLiteral("a table holds at most 11001")),
                 qPrintable(f.sink.all()));
        QVERIFY(saved(f.db()) == full);
        QCOMPARE(w.doc.undo_stack()->count(), 0);
    }
};

QTEST_MAIN(season_window_test)
#include "season_window_test.moc"
