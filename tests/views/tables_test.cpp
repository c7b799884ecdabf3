// The window of every table: editing cells, copying and deleting rows, filters and sorting, CSV
// export and import, all on the main window's undo stack, and both windows kept consistent.

#include "view_fixture.h"

#include "editing/table_csv.h"
#include "editing/table_edits.h"
#include "support/spare_words.h"
#include "views/tables_window.h"

#include <QDir>
#include <QUndoStack>

#include <algorithm>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

using namespace qira;
using namespace qira::test;
using table_index::players;

namespace {

tables_window& open_tables(TForm1& w) {
    w.ButtonTables->click();
    if (!w.tables)
        qFatal("no tables window");
    return *w.tables;
}

int column_of(const tables_window& t, const QString& name) {
    for (int c = 0; c < t.model->columnCount(); ++c)
        if (t.model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == name)
            return c;
    return -1;
}

bool edit(tables_window& t, int row, int column, const QString& text) {
    return t.filter->setData(t.filter->mapFromSource(t.model->index(row, column)), text,
                             Qt::EditRole);
}

std::string read_text(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

class tables_test : public QObject {
    Q_OBJECT

  private slots:
    void edits_rows_filters_and_undo_back_to_the_files_as_opened() {
        view_fixture f(sample_options{sample_scale::tiny, 2});
        TForm1& w = f.w();
        const auto db_before = read_file(database_file(f.install.path()));
        const auto lang_before = read_file(language_file(f.install.path(), "eng"));
        tables_window& t = open_tables(w);
        QVERIFY(t.isVisible());
        QCOMPARE(t.table_list->count(), f.db().table_count());
        t.table_list->setCurrentRow(players);
        QCOMPARE(t.model->table(), players);
        const int rows = t.model->rowCount();
        QCOMPARE(t.row_count->text(), QStringLiteral("%L1 of %L1 rows").arg(rows));
        QVERIFY(t.model->headerData(column_of(t, "height"), Qt::Horizontal, Qt::ToolTipRole)
                    .toString()
                    .contains(QStringLiteral("bits")));

        // A packed value, a text and a key.
        QVERIFY(edit(t, 2, column_of(t, "height"), QStringLiteral("199")));
        QCOMPARE(f.row(players, 2).values[*f.db().field_slot(players, "height")], 199u);
        QVERIFY(edit(t, 2, column_of(t, "surname"), QStringLiteral("Grid")));
        QVERIFY(edit(t, 2, 0, QStringLiteral("777777")));
        QCOMPARE(f.row(players, 2).keys[0], 777777);
        // A refused value: the status says why, the cell keeps its value.
        QVERIFY(!edit(t, 2, column_of(t, "height"), QStringLiteral("100000")));
        QVERIFY(t.status->text().contains(QStringLiteral("does not fit in")));
        QCOMPARE(f.row(players, 2).values[*f.db().field_slot(players, "height")], 199u);

        // Rows: two copies, then one deleted.
        t.grid->selectionModel()->select(t.filter->mapFromSource(t.model->index(0, 0)),
                                         QItemSelectionModel::ClearAndSelect);
        t.grid->selectionModel()->select(t.filter->mapFromSource(t.model->index(4, 0)),
                                         QItemSelectionModel::Select);
        t.insert_button->click();
        QCOMPARE(t.model->rowCount(), rows + 2);
        QCOMPARE(t.row_count->text(), QStringLiteral("%1 of %1 rows").arg(rows + 2));
        t.grid->selectionModel()->select(t.filter->mapFromSource(t.model->index(1, 0)),
                                         QItemSelectionModel::ClearAndSelect);
        t.delete_button->click();
        QCOMPARE(t.model->rowCount(), rows + 1);

        // Filters and sorting: the view only.
        const QString surname = QString::fromStdString(std::string(f.row(players, 5).strings[2]));
        t.header->field(column_of(t, "surname"))->setText(surname);
        QVERIFY(t.filter->rowCount() >= 1);
        QVERIFY(t.row_count->text().startsWith(QString::number(t.filter->rowCount()) +
                                               QStringLiteral(" of ")));
        t.header->field(column_of(t, "surname"))->clear();
        t.header->field(column_of(t, "height"))->setText(QStringLiteral(">=199"));
        for (int r = 0; r < t.filter->rowCount(); ++r)
            QVERIFY(t.filter->index(r, column_of(t, "height")).data().toInt() >= 199);
        t.header->field(column_of(t, "height"))->setText(QStringLiteral("170..180"));
        for (int r = 0; r < t.filter->rowCount(); ++r) {
            const int h = t.filter->index(r, column_of(t, "height")).data().toInt();
            QVERIFY(h >= 170 && h <= 180);
        }
        t.header->field(column_of(t, "height"))->clear();
        const auto order_before = f.db().rows(players)[0].keys;
        t.grid->sortByColumn(column_of(t, "height"), Qt::DescendingOrder);
        QVERIFY(t.filter->index(0, column_of(t, "height")).data().toInt() >=
                t.filter->index(1, column_of(t, "height")).data().toInt());
        QCOMPARE(f.db().rows(players)[0].keys, order_before); // the file's order stays
        t.column_names->setText(QStringLiteral("name"));
        QVERIFY(t.grid->isColumnHidden(column_of(t, "height")));
        QVERIFY(!t.grid->isColumnHidden(column_of(t, "surname")));

        // Everything undone (from either window), then saved: the files as they were opened.
        while (w.doc.undo_stack()->canUndo())
            t.undo_button->click();
        QCOMPARE(t.model->rowCount(), rows);
        t.close();
        w.Button4->click();
        w.Button11->click();
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));
        QCOMPARE(read_file(database_file(f.install.path())), db_before);
        QCOMPARE(read_file(language_file(f.install.path(), "eng")), lang_before);
    }

    // A client of the accessibility bus holds a persistent index on every cell it has read: a
    // filter, cleared or set, drops them at once rather than moving each (which took minutes),
    // and the user keeps the sorting, the current cell, the selection of the rows still shown and
    // the hidden column. So does sorting.
    void filters_drop_held_indexes_and_keep_what_the_user_sees() {
        view_fixture f(sample_options{sample_scale::tiny, 2});
        tables_window& t = open_tables(f.w());
        t.table_list->setCurrentRow(players);
        const int rows = t.model->rowCount();
        const int height = column_of(t, "height"), hidden = column_of(t, "weight");
        const auto tall = [&](int row) { return t.model->number_at(row, height); };
        std::vector<long long> heights;
        for (int r = 0; r < rows; ++r)
            heights.push_back(tall(r));
        std::sort(heights.begin(), heights.end());
        const long long median = heights[heights.size() / 2];
        const auto source = [&](const QModelIndex& i) {
            const QModelIndex s = t.filter->mapToSource(i);
            return std::pair(s.row(), s.column());
        };
        const auto selected = [&] {
            std::set<std::pair<int, int>> cells;
            for (const QModelIndex& i : t.grid->selectionModel()->selectedIndexes())
                cells.insert(source(i));
            return cells;
        };

        t.grid->setColumnHidden(hidden, true);
        t.grid->sortByColumn(height, Qt::DescendingOrder);
        const int last = t.filter->rowCount() - 1;
        // The tallest rows' first cells and the shortest row's first cell; the current cell on
        // the second tallest.
        t.grid->selectionModel()->select(
            QItemSelection(t.filter->index(0, 0), t.filter->index(9, 2)),
            QItemSelectionModel::ClearAndSelect);
        t.grid->selectionModel()->select(t.filter->index(last, 0), QItemSelectionModel::Select);
        t.grid->selectionModel()->setCurrentIndex(t.filter->index(1, height),
                                                  QItemSelectionModel::NoUpdate);
        const auto current = source(t.grid->currentIndex());
        auto kept = selected();
        kept.erase(source(t.filter->index(last, 0)));
        QCOMPARE(kept.size(), std::size_t{30});

        // Set and cleared: a column's filter, then the filter over all columns with the current
        // row's id; then sorted the other way.
        const int taller = static_cast<int>(
            std::count_if(heights.begin(), heights.end(), [&](long long h) { return h > median; }));
        const QString id = t.model->index(current.first, 0).data().toString();
        const std::vector<std::pair<std::function<void()>, int>> changes = {
            {[&] { t.header->field(height)->setText(QStringLiteral(">%1").arg(median)); }, taller},
            {[&] { t.header->field(height)->setText(QString()); }, rows},
            {[&] { t.all_filter->setText(id); }, -1},
            {[&] { t.all_filter->clear(); }, rows},
            {[&] { t.grid->sortByColumn(height, Qt::AscendingOrder); }, rows},
        };
        for (const auto& [act, shown] : changes) {
            std::vector<QPersistentModelIndex> held;
            for (int r = 0; r < t.filter->rowCount(); ++r)
                for (int c = 0; c < t.filter->columnCount(); ++c)
                    held.emplace_back(t.filter->index(r, c));
            act();
            QVERIFY(std::none_of(held.begin(), held.end(),
                                 [](const QPersistentModelIndex& i) { return i.isValid(); }));
            if (shown >= 0)
                QCOMPARE(t.filter->rowCount(), shown);
            QCOMPARE(t.row_count->text(),
                     QStringLiteral("%1 of %2 rows").arg(t.filter->rowCount()).arg(rows));
            std::set<int> rows_shown;
            for (int r = 0; r < t.filter->rowCount(); ++r) {
                rows_shown.insert(source(t.filter->index(r, 0)).first);
                if (r > 0) {
                    const long long above = tall(source(t.filter->index(r - 1, 0)).first);
                    const long long here = tall(source(t.filter->index(r, 0)).first);
                    QVERIFY(t.filter->sortOrder() == Qt::DescendingOrder ? above >= here
                                                                         : above <= here);
                }
            }
            std::erase_if(kept, [&](const auto& cell) { return !rows_shown.count(cell.first); });
            QVERIFY(!kept.empty());
            QVERIFY(t.grid->isColumnHidden(hidden));
            QCOMPARE(source(t.grid->currentIndex()), current);
            QCOMPARE(selected(), kept);
        }
    }

    void both_windows_stay_consistent() {
        view_fixture f(test_database());
        TForm1& w = f.w();
        QTreeWidgetItem* node = f.node("First1  Last1", 2);
        f.select(node);
        tables_window& t = open_tables(w);
        t.table_list->setCurrentRow(players);
        // An Apply on a page shows in the grid.
        w.player->pl_height_p->setValue(181);
        w.player->pl_apply->click();
        QCOMPARE(t.filter->index(1, column_of(t, "height")).data().toString(),
                 QStringLiteral("181"));
        // A grid edit of the row the page shows fills the page again.
        QVERIFY(edit(t, 1, column_of(t, "weight"), QStringLiteral("77")));
        QCOMPARE(w.player->pl_weight_p->value(), 77);
        // A grid edit of a text a label is made of: both trees are built again, and the
        // selected node stays selected where it still is.
        QVERIFY(edit(t, 1, column_of(t, "surname"), QStringLiteral("Renamed")));
        QVERIFY(f.node("First1  Renamed", 2));
        QCOMPARE(f.xchange_twin(f.node("First1  Renamed", 2))->text(0),
                 QStringLiteral("First1  Renamed"));
        QCOMPARE(w.game.lookups.player_by_label("First1  Renamed"), 1);
        // Undo in the main window puts the label back in the trees and the grid.
        w.ButtonUndo->click();
        QVERIFY(f.node("First1  Last1", 2));
        QCOMPARE(t.filter->index(1, column_of(t, "surname")).data().toString(),
                 QStringLiteral("Last1"));
        // A new link row of the team-players table adds a node.
        t.table_list->setCurrentRow(table_index::team_players);
        t.grid->selectionModel()->select(t.filter->mapFromSource(t.model->index(0, 0)),
                                         QItemSelectionModel::ClearAndSelect);
        t.insert_button->click();
        QCOMPARE(f.nodes("First0  Last0", 2).size(), std::size_t{2});
        // An undo of a page's step after the trees were built again still shows the right labels.
        w.ButtonUndo->click();
        w.ButtonUndo->click();
        QCOMPARE(f.nodes("First0  Last0", 2).size(), std::size_t{1});
        w.ButtonUndo->click(); // the height
        QVERIFY(f.node("First1  Last1", 2));
        // "Close" closes the window of the tables.
        w.Button4->click();
        f.sink.answers = {true};
        w.Button14->click();
        QVERIFY(!t.isVisible());
    }

    void export_change_heights_in_a_spreadsheet_and_import() {
        view_fixture f(sample_options{sample_scale::tiny, 4});
        TForm1& w = f.w();
        tables_window& t = open_tables(w);
        t.table_list->setCurrentRow(players);
        temp_dir files;
        const QString csv = QString::fromStdString((files / "players.csv").string());
        QVERIFY(t.export_csv(csv));
        std::string text = read_text(files / "players.csv");
        // The spreadsheet: the height of the first two players changed, LF line ends, a BOM.
        const int height = column_of(t, "height");
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line.substr(0, line.size() - (line.back() == '\r' ? 1 : 0)));
        std::string changed = "\xEF\xBB\xBF";
        for (std::size_t i = 0; i < lines.size(); ++i) {
            std::string line = lines[i];
            if (i == 1 || i == 2) {
                std::size_t at = 0;
                for (int c = 0; c < height; ++c)
                    at = line.find(',', at) + 1;
                const std::size_t end = line.find(',', at);
                line = line.substr(0, at) + (i == 1 ? "150" : "151") + line.substr(end);
            }
            changed += line + "\n";
        }
        std::ofstream(files / "players.csv", std::ios::binary) << changed;
        qira::database before = f.db();
        QVERIFY2(t.import_csv(csv), qPrintable(t.status->text()));
        QCOMPARE(w.doc.undo_stack()->count(), 1);
        const auto slot = *f.db().field_slot(players, "height");
        QCOMPARE(f.row(players, 0).values[slot], 150u);
        QCOMPARE(f.row(players, 1).values[slot], 151u);
        for (std::size_t r = 2; r < before.rows(players).size(); ++r)
            QCOMPARE(f.db().rows(players)[r].values, before.rows(players)[r].values);

        // A file with problems changes nothing and lists them.
        std::ofstream(files / "bad.csv", std::ios::binary)
            << text.substr(0, text.find("\r\n") + 2) << "1,2\r\n";
        QStringList problems;
        QVERIFY(!t.import_csv(QString::fromStdString((files / "bad.csv").string()), &problems));
        QCOMPARE(problems.size(), 1);
        QVERIFY(problems[0].startsWith(QStringLiteral("line 2: 2 fields")));
        QCOMPARE(w.doc.undo_stack()->count(), 1);
        QVERIFY(t.status->text().contains(QStringLiteral("nothing was changed")));
        // A column named with control bytes is listed with them escaped.
        std::ofstream(files / "esc.csv", std::ios::binary)
            << text.substr(0, text.find("\r\n")) << ",\x1b[2J\x07\r\n";
        problems.clear();
        QVERIFY(!t.import_csv(QString::fromStdString((files / "esc.csv").string()), &problems));
        QCOMPARE(problems,
                 QStringList{QStringLiteral(
                     "line 1, column \\u001b[2J\\u0007: no field of table 4 has this name")});

        // Saved: only those two values differ from the install as it was.
        w.Button4->click();
        w.Button11->click();
        qira::database saved;
        QVERIFY(
            parse_database(read_file(database_file(f.install.path())), "qira.db", nullptr, saved)
                .ok());
        int differing = 0;
        for (std::size_t r = 0; r < saved.rows(players).size(); ++r)
            if (saved.rows(players)[r].values != before.rows(players)[r].values)
                ++differing;
        QCOMPARE(differing, 2);
    }

    void an_import_keeps_each_rows_spare_words_by_key_and_says_how() {
        qira::database db = test_database();
        add_spare_words(db, players);
        const qira::database opened = db;
        view_fixture f(db);
        const auto words_opened = f.db().blocks[players].words;
        TForm1& w = f.w();
        tables_window& t = open_tables(w);
        t.table_list->setCurrentRow(players);
        temp_dir files;
        QVERIFY(t.export_csv(QString::fromStdString((files / "players.csv").string())));
        // The sheet: semicolons, LF; sorted backwards, player 41 deleted, a new player 43.
        std::vector<std::string> lines;
        std::istringstream in(read_text(files / "players.csv"));
        for (std::string line; std::getline(in, line);)
            lines.push_back(line.substr(0, line.size() - 1));
        QCOMPARE(lines.size(), std::size_t{4});
        std::string sheet =
            lines[0] + "\n" + lines[3] + "\n" + "43" + lines[3].substr(2) + "\n" + lines[1] + "\n";
        std::replace(sheet.begin(), sheet.end(), ',', ';');
        std::ofstream(files / "players.csv", std::ios::binary) << sheet;
        QStringList problems;
        QVERIFY2(t.import_csv(QString::fromStdString((files / "players.csv").string()), &problems),
                 qPrintable(t.status->text()));
        QCOMPARE(t.status->text(),
                 QStringLiteral("players.csv (separated by semicolons) imported "
                                "into table 4: 3 rows, 2 matched by key, 1 new."));
        const auto expect_words = [&](const qira::database& got) {
            QCOMPARE(got.rows(players).size(), std::size_t{3});
            QCOMPARE(got.rows(players)[0].keys[0], 42);
            QCOMPARE(spare_words(got, players, 0), spare_words(opened, players, 2));
            QCOMPARE(spare_words(got, players, 1), std::vector<std::uint32_t>(2, 0));
            QCOMPARE(spare_words(got, players, 2), spare_words(opened, players, 0));
        };
        expect_words(f.db());
        w.doc.undo_stack()->undo();
        QCOMPARE(f.db().blocks[players].words, words_opened);
        w.doc.undo_stack()->redo();
        w.Button4->click();
        w.Button11->click();
        qira::database saved;
        QVERIFY(
            parse_database(read_file(database_file(f.install.path())), "qira.db", nullptr, saved)
                .ok());
        expect_words(saved);
    }

    void the_dialogs_remember_the_folder_and_ctrl_f_finds_the_filter() {
        view_fixture f(test_database());
        TForm1& w = f.w();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(w.tables && w.tables->isVisible());
        tables_window& t = *w.tables;
        temp_dir files;
        QStringList asked;
        t.set_file_chooser([&](bool save, const QString& folder, const QString& name) {
            asked << QStringLiteral("%1|%2|%3").arg(save).arg(folder, name);
            return QString::fromStdString((files / "out.csv").string());
        });
        t.table_list->setCurrentRow(players);
        t.export_button->click();
        t.export_button->click();
        QCOMPARE(asked.size(), 2);
        // The folder of the last file, in either separator (Qt's own on Windows).
        QVERIFY(QDir::fromNativeSeparators(asked[1]).contains(
            QDir::fromNativeSeparators(QString::fromStdString(files.path().string()))));
        QVERIFY(std::filesystem::exists(files / "out.csv"));
        t.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&t));
        QTest::keyClick(&t, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(t.all_filter));
        QTest::keyClicks(t.all_filter, QStringLiteral("last1"));
        QCOMPARE(t.row_count->text(), QStringLiteral("1 of 3 rows"));
    }
};

QTEST_MAIN(tables_test)
#include "tables_test.moc"
