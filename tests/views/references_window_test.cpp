// References in the window of every table: a cell that names a row of another table shows that
// row's name, sorts and filters by it, and is edited by picking the row from a list that finds
// as the user types; a number no row has is kept and marked as the check marks it.

#include "view_fixture.h"

#include "editing/game_check.h"
#include "editing/text_fold.h"
#include "views/reference_picker.h"
#include "views/tables_window.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QUndoStack>

#include <set>
#include <tuple>

using namespace qira;
using namespace qira::test;
using table_index::players;
using table_index::team_players;
using table_index::team_settings;

namespace {

tables_window& open_table(TForm1& w, int table) {
    w.ButtonTables->click();
    if (!w.tables)
        qFatal("no tables window");
    w.tables->table_list->setCurrentRow(table);
    return *w.tables;
}

QModelIndex shown(const tables_window& t, int row, int column) {
    return t.filter->mapFromSource(t.model->index(row, column));
}

// The texts the grid shows in a column, in view order.
QStringList column_texts(const tables_window& t, int column) {
    QStringList out;
    for (int r = 0; r < t.filter->rowCount(); ++r)
        out << t.filter->index(r, column).data(Qt::DisplayRole).toString();
    return out;
}

std::string folded(const QString& s) {
    return fold_text(s.toStdString());
}

reference_picker* start_editing(tables_window& t, int row, int column) {
    const QModelIndex at = shown(t, row, column);
    t.grid->setCurrentIndex(at);
    t.grid->edit(at);
    return qobject_cast<reference_picker*>(t.grid->indexWidget(at));
}

} // namespace

class references_window_test : public QObject {
    Q_OBJECT

  private slots:
    void a_reference_is_shown_sorted_and_filtered_by_its_name() {
        view_fixture f(sample_options{sample_scale::tiny, 4});
        TForm1& w = f.w();
        // A player of the first link, renamed in the grid of players (a first name that folds).
        const std::int32_t id = f.row(team_players, 0).keys[1];
        const int player = f.db().find_row(players, id);
        tables_window& t = open_table(w, players);
        for (const auto& [field, text] :
             {std::pair{"firstname", "Łukasz"}, std::pair{"commonname", ""},
              std::pair{"surname", "Mazur"}}) {
            const int column = [&] {
                for (int c = 0; c < t.model->columnCount(); ++c)
                    if (t.model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() ==
                        QLatin1String(field))
                        return c;
                return -1;
            }();
            t.filter->setData(shown(t, player, column), QString::fromUtf8(text), Qt::EditRole);
        }
        t.table_list->setCurrentRow(team_players);
        const QString name = QStringLiteral("Łukasz Mazur (%1)").arg(id);
        QCOMPARE(shown(t, 0, 1).data(Qt::DisplayRole).toString(), name);
        QCOMPARE(shown(t, 0, 1).data(Qt::EditRole).toString(), QString::number(id));
        QVERIFY(t.model->headerData(1, Qt::Horizontal, Qt::ToolTipRole)
                    .toString()
                    .endsWith(QStringLiteral("names a row of table 4 (players) by its id")));
        QVERIFY(!shown(t, 0, 1).data(Qt::ForegroundRole).isValid());
        // An edit of the named table, and its undo, are followed at once.
        w.doc.undo_stack()->undo();
        QCOMPARE(shown(t, 0, 1).data(Qt::DisplayRole).toString(),
                 QStringLiteral("Łukasz %1 (%2)")
                     .arg(QString::fromStdString(f.row(players, player).strings[2]))
                     .arg(id));
        w.doc.undo_stack()->redo();
        QCOMPARE(shown(t, 0, 1).data(Qt::DisplayRole).toString(), name);

        // Filters: by the name (case and accents aside) and by the number.
        int links = 0;
        for (const auto& link : f.db().rows(team_players))
            links += link.keys[1] == id ? 1 : 0;
        for (const QString& query : {QStringLiteral("lukasz MAZ"), QStringLiteral("=%1").arg(id)}) {
            t.header->field(1)->setText(query);
            QCOMPARE(t.filter->rowCount(), links);
            QCOMPARE(column_texts(t, 1).first(), name);
        }
        t.header->field(1)->clear();
        t.all_filter->setText(QStringLiteral("łukasz mazur"));
        QCOMPARE(t.filter->rowCount(), links);
        t.all_filter->clear();

        // Sorted by name (the command, on the current column), and by number (the header).
        t.grid->setCurrentIndex(shown(t, 0, 1));
        t.sort_current_column(true);
        QVERIFY(t.filter->sorted_by_name());
        const QStringList by_name = column_texts(t, 1);
        // Names in order (a name without a row's name, the number alone, last); the same name by
        // its number.
        const auto key = [](const QString& text) {
            const qsizetype open = text.lastIndexOf(QStringLiteral(" ("));
            const bool named = open > 0;
            return std::tuple(!named, folded(named ? text.left(open) : QString()),
                              (named ? text.mid(open + 2).chopped(1) : text).toLongLong());
        };
        for (int r = 1; r < by_name.size(); ++r)
            QVERIFY2(key(by_name[r - 1]) <= key(by_name[r]),
                     qPrintable(by_name[r - 1] + " > " + by_name[r]));
        t.sort_current_column(true); // again: the other way
        QCOMPARE(t.filter->sortOrder(), Qt::DescendingOrder);
        t.grid->sortByColumn(1, Qt::AscendingOrder);
        QVERIFY(!t.filter->sorted_by_name());
        long long last = -1;
        for (int r = 0; r < t.filter->rowCount(); ++r) {
            const long long n = t.filter->index(r, 1).data(Qt::EditRole).toLongLong();
            QVERIFY(n >= last);
            last = n;
        }
        // Shift and a click on the column's name sort by name too.
        const QHeaderView* h = t.grid->horizontalHeader();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          QPoint(h->sectionViewportPosition(1) + 5, h->height() - 4));
        QVERIFY(t.filter->sorted_by_name());
    }

    void a_reference_is_picked_by_name_or_typed_as_any_number() {
        view_fixture f(sample_options{sample_scale::tiny, 4});
        TForm1& w = f.w();
        const QUndoStack* stack = w.doc.undo_stack();
        tables_window& t = open_table(w, team_players);
        const std::int32_t wanted = f.row(team_players, 5).keys[1];
        const int wanted_row = f.db().find_row(players, wanted);
        f.row(players, wanted_row).strings = {"Émile", "", "Zöller"};

        // The drop-down opens with the editor: every player, the cell's own selected.
        reference_picker* picker = start_editing(t, 0, 1);
        QVERIFY(picker);
        QVERIFY(!picker->accessibleName().isEmpty());
        QAbstractItemView* list = picker->drop_down()->popup();
        QTRY_VERIFY(list->isVisible());
        QCOMPARE(picker->choices()->rowCount(), static_cast<int>(f.db().rows(players).size()));
        QCOMPARE(list->currentIndex().data(Qt::UserRole).toInt(), f.row(team_players, 0).keys[1]);

        // Words in any order, case and accents aside; Enter on the list takes the row.
        QTest::keyClicks(picker, QStringLiteral("zoller EMI"));
        QCOMPARE(picker->choices()->rowCount(), 1);
        QCOMPARE(picker->choices()->data(picker->choices()->index(0), Qt::DisplayRole).toString(),
                 QStringLiteral("Émile Zöller (%1)").arg(wanted));
        QVERIFY(list->isVisible());
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(f.row(team_players, 0).keys[1], wanted);
        QCOMPARE(stack->count(), 1);

        // The id finds the row too.
        picker = start_editing(t, 1, 1);
        QTest::keyClicks(picker, QString::number(wanted));
        QVERIFY(picker->choices()->rowCount() >= 1);
        QCOMPARE(picker->choices()->shown(0).id, wanted);

        // A number no row has is kept, shown alone and marked with the check's line.
        picker->setText(QStringLiteral("999998"));
        QTest::keyClick(picker, Qt::Key_Return);
        QTRY_COMPARE(f.row(team_players, 1).keys[1], 999998);
        const QModelIndex missing = shown(t, 1, 1);
        QCOMPARE(missing.data(Qt::DisplayRole).toString(), QStringLiteral("999998"));
        QVERIFY(missing.data(Qt::ForegroundRole).isValid());
        const QString line = missing.data(Qt::ToolTipRole).toString();
        QCOMPARE(line, QStringLiteral("player 999998 does not exist"));
        bool checked = false;
        for (const game_problem& p : check_references(w.game))
            checked |= p.table == team_players && p.row == 1 &&
                       QString::fromStdString(p.text).endsWith(line);
        QVERIFY(checked);

        // A text that names no row, or several, changes nothing and says why.
        for (const QString& text : {QStringLiteral("zzzqqq"), QStringLiteral("e")}) {
            picker = start_editing(t, 2, 1);
            const std::int32_t before = f.row(team_players, 2).keys[1];
            picker->setText(text);
            QTest::keyClick(picker, Qt::Key_Return);
            QTRY_VERIFY2(t.status->text().contains(QStringLiteral("not changed")),
                         qPrintable(t.status->text()));
            QCOMPARE(f.row(team_players, 2).keys[1], before);
            t.status->clear();
        }
        QCOMPARE(stack->count(), 2);

        // A captain is picked among the team's own players.
        t.table_list->setCurrentRow(team_settings);
        int captain = -1;
        for (int c = 0; c < t.model->columnCount(); ++c)
            if (t.model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == "captain")
                captain = c;
        picker = start_editing(t, 0, captain);
        QVERIFY(picker);
        std::set<std::int32_t> members; // a player linked twice is offered once
        for (const auto& link : f.db().rows(team_players))
            if (link.keys[0] == f.row(team_settings, 0).keys[0])
                members.insert(link.keys[1]);
        QCOMPARE(picker->choices()->rowCount(), static_cast<int>(members.size()));
    }
};

QTEST_MAIN(references_window_test)
#include "references_window_test.moc"
