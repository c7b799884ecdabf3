// The review of "Apply patch...": a modder's patch over a session with unsaved edits that spoil
// two of its changes. The review lists every change by table, row and field with the conflicts
// marked and unticked (one that cannot be applied at all cannot be ticked), narrows as the user
// types, and applies exactly the changes left ticked as one undo step; Cancel changes nothing.

#include "view_fixture.h"

#include "editing/references.h"
#include "patch/patch.h"
#include "patch/patch_json.h"
#include "views/patch_review_window.h"

#include <QUndoStack>

#include <functional>

using namespace qira;
using namespace qira::test;
using table_index::players;
using table_index::teams;

namespace {

// A change of the mod, made the same way to the modder's copy and, when it is kept, to the copy
// that shows what the review should leave.
struct mod_change {
    const char* what;
    std::function<void(open_game&)> make;
};

std::uint32_t& player_value(open_game& g, int row, const char* field) {
    return g.db.rows(players)[static_cast<std::size_t>(row)].values.at(
        static_cast<std::size_t>(*g.db.field_slot(players, field)));
}

// The session's own edits: player 1's height, and player 5 removed.
void session_edits(open_game& g, change& into) {
    const int height = *g.db.field_slot(players, "height");
    set_cell(g, into, {players, 1, row_part::value, height},
             {player_value(g, 1, "height") ^ 2u, {}});
    remove_row(g, into, players, 5);
}

Qt::CheckState ticked(const QModelIndex& i) {
    return i.data(Qt::CheckStateRole).value<Qt::CheckState>();
}

std::pair<std::vector<std::uint8_t>, std::vector<std::uint8_t>>
saved(const open_game& g, const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    [&] { QVERIFY(save_game_files(g, folder / "qira.db", folder / "eng.db").ok()); }();
    return {read_file(folder / "qira.db"), read_file(folder / "eng.db")};
}

} // namespace

class patch_review_test : public QObject {
    Q_OBJECT

  private slots:
    void the_review_applies_exactly_the_ticked_changes_as_one_step() {
        view_fixture f(sample_options{sample_scale::tiny, 5});
        TForm1& w = f.w();
        const auto open_install = [&] {
            open_game g;
            [&] {
                QVERIFY(open_game_files(database_file(f.install.path()),
                                        language_file(f.install.path(), "eng"), g));
            }();
            return g;
        };
        const std::string added_id = "900001";
        const std::vector<mod_change> mod = {
            {"surname",
             [](open_game& g) {
                 g.db.rows(players)[0].strings[2] = "Modd\xe9"
                                                    "d";
             }},
            {"height", [](open_game& g) { player_value(g, 1, "height") ^= 1; }},
            {"weight", [](open_game& g) { player_value(g, 3, "weight") ^= 1; }},
            {"removed",
             [](open_game& g) {
                 change ignored;
                 remove_row(g, ignored, players, 5);
             }},
            {"added",
             [](open_game& g) {
                 db_overall_data row = g.db.rows(players)[0];
                 row.keys[0] = 900001;
                 row.strings = {"Ann", "", "Nowak"};
                 change ignored;
                 insert_row(g, ignored, players, static_cast<int>(g.db.rows(players).size()), row);
             }},
            {"renamed", [](open_game& g) { g.db.rows(teams)[1].names[0] = "Renamed FC"; }},
        };
        open_game before = open_install(), modded = open_install();
        for (const mod_change& m : mod)
            m.make(modded);
        const result_of<patch> made = make_patch(before.db, &before.lang, modded.db, &modded.lang);
        QVERIFY(made.ok());
        temp_dir out;
        QVERIFY(save_patch_file(out / "mod.json", made.value).ok());
        w.set_patch_chooser([&](bool, const QString&, const QString&) {
            return QString::fromStdString((out / "mod.json").string());
        });
        const auto keys_of = [&](int row) {
            return QStringLiteral("(keys %1, rank 0)").arg(w.game.db.rows(players)[row].keys[0]);
        };
        const QString surname_keys = keys_of(0), spoiled_keys = keys_of(1),
                      removed_keys = keys_of(5);
        {
            change edits;
            session_edits(w.game, edits);
            w.doc.push_table_edit(std::move(edits), QStringLiteral("session edits"));
        }
        const auto unapplied = saved(w.game, out / "unapplied");
        w.Button4->click();

        // Cancel changes nothing.
        w.set_patch_reviewer([](patch_review_window& review) {
            review.cancel_button->click();
            return review.result() == QDialog::Accepted;
        });
        w.ButtonPatchApply->click();
        QCOMPARE(w.doc.undo_stack()->count(), 1);
        QVERIFY(saved(w.game, out / "cancelled") == unapplied);
        QVERIFY(w.save_status->text().contains(QStringLiteral("not applied")));

        const auto review_and_tick = [&](patch_review_window& review) {
            review.show();
            review.activateWindow();
            // The dialog's window counts as active while its parent is, before it is itself.
            [&] { QTRY_COMPARE(QApplication::activeWindow(), &review); }();
            QTreeView* tree = review.tree;
            QCOMPARE(review.windowTitle(), QStringLiteral("Review patch mod.json"));
            QCOMPARE(review.summary->text(), QStringLiteral("6 changes, 2 conflicts, 4 selected"));
            QStringList groups;
            for (int g = 0; g < tree->model()->rowCount(); ++g)
                groups << tree->model()->index(g, 0).data().toString();
            QCOMPARE(groups, QStringList({"players", "language file"}));

            // The spoiled height: a field of its row, marked, unticked, tickable.
            const QModelIndex row = line_with(tree, spoiled_keys);
            QVERIFY(row.isValid());
            const QModelIndex height = line_with(tree, QStringLiteral("field height"), row);
            QVERIFY(height.isValid());
            QCOMPARE(height.parent(), row);
            QCOMPARE(ticked(height), Qt::Unchecked);
            QVERIFY(height.flags() & Qt::ItemIsUserCheckable);
            QVERIFY(
                height.data(Qt::ToolTipRole).toString().startsWith(QStringLiteral("Conflict: ")));
            QCOMPARE(height.data(Qt::AccessibleDescriptionRole), height.data(Qt::ToolTipRole));
            QVERIFY(!height.siblingAtColumn(patch_review_model::conflict_column)
                         .data()
                         .toString()
                         .isEmpty());
            QVERIFY(height.data(Qt::ForegroundRole).isValid());
            QCOMPARE(ticked(row), Qt::Unchecked);
            // The row the session removed too: its removal cannot be applied, nor ticked.
            const QModelIndex gone = line_with(tree, removed_keys);
            QVERIFY(gone.isValid());
            QCOMPARE(gone.siblingAtColumn(patch_review_model::will_be_column).data().toString(),
                     QStringLiteral("removed"));
            QVERIFY(!(gone.flags() & Qt::ItemIsUserCheckable));
            tree->setCurrentIndex(gone);
            QTest::keyClick(tree, Qt::Key_Space);
            QCOMPARE(ticked(gone), Qt::Unchecked);
            // The added row shows its fields whole.
            const QModelIndex added = line_with(tree, QStringLiteral("Ann Nowak"));
            QVERIFY(added.isValid());
            QVERIFY(tree->model()->rowCount(added) > 3);
            QCOMPARE(ticked(added), Qt::Checked);

            // The surname unticked from the keyboard on one of its cells, the team's name from
            // the tree's menu; the table's box follows.
            const QModelIndex surname =
                line_with(tree, QStringLiteral("field surname"), line_with(tree, surname_keys));
            QVERIFY(surname.isValid());
            tree->setCurrentIndex(surname.siblingAtColumn(patch_review_model::will_be_column));
            QTest::keyClick(tree, Qt::Key_Space);
            QCOMPARE(ticked(surname), Qt::Unchecked);
            const QModelIndex entry = tree->model()->index(0, 0, tree->model()->index(1, 0));
            QCOMPARE(entry.siblingAtColumn(patch_review_model::will_be_column).data().toString(),
                     QStringLiteral("\"Renamed FC\""));
            tree->setCurrentIndex(entry);
            review.untick_action->trigger();
            QCOMPARE(ticked(tree->model()->index(1, 0)), Qt::Unchecked);
            QCOMPARE(ticked(tree->model()->index(0, 0)), Qt::PartiallyChecked);
            QCOMPARE(review.summary->text(), QStringLiteral("6 changes, 2 conflicts, 2 selected"));

            // Typing narrows the list to the rows that hold the text; Ctrl+F goes there.
            QTest::keyClick(&review, Qt::Key_F, Qt::ControlModifier);
            QCOMPARE(QApplication::focusWidget(), review.find_field);
            // Tab reaches every control, each named for screen readers.
            for (QWidget* next : std::initializer_list<QWidget*>{
                     tree, review.select_all_button, review.select_none_button, review.apply_button,
                     review.cancel_button, review.find_field}) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), next);
                QVERIFY(!next->accessibleName().isEmpty());
            }
            QTest::keyClicks(review.find_field, QStringLiteral("NOWAK"));
            QTRY_VERIFY(review.summary->text().endsWith(QStringLiteral("1 of 6 rows shown")));
            QCOMPARE(tree->model()->rowCount(), 1);
            QCOMPARE(tree->model()->rowCount(tree->model()->index(0, 0)), 1);
            QVERIFY(line_with(tree, QStringLiteral("Ann Nowak")).isValid());
            review.find_field->clear();
            review.find_now();
            QCOMPARE(tree->model()->rowCount(), 2);

            review.apply_button->click();
        };
        w.set_patch_reviewer([&](patch_review_window& review) {
            review_and_tick(review);
            return !QTest::currentTestFailed() && review.result() == QDialog::Accepted;
        });
        w.ButtonPatchApply->click();
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));
        QCOMPARE(w.doc.undo_stack()->count(), 2);
        QCOMPARE(w.doc.undo_stack()->text(1), QStringLiteral("apply patch mod.json"));
        QCOMPARE(w.save_status->text(),
                 QStringLiteral("mod.json: 2 of 6 changes applied; Undo takes them back."));

        // The same changes made directly: the session's edits, then the ticked ones of the mod.
        open_game direct = open_install();
        change ignored;
        session_edits(direct, ignored);
        for (const mod_change& m : mod)
            if (m.what == std::string("weight") || m.what == std::string("added"))
                m.make(direct);
        w.undo_action->trigger();
        QVERIFY(saved(w.game, out / "undone") == unapplied);
        w.redo_action->trigger();
        w.Button11->click();
        QVERIFY(!w.has_unsaved_changes());
        const auto expected = saved(direct, out / "direct");
        QVERIFY(read_file(database_file(f.install.path())) == expected.first);
        QVERIFY(read_file(language_file(f.install.path(), "eng")) == expected.second);
    }
};

QTEST_MAIN(patch_review_test)
#include "patch_review_test.moc"
