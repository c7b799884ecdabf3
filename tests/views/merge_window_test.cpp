// "Merge patches...": two patches made on the open game, disagreeing on two cells. The conflicts
// dialog shows both side by side; one takes B (by its key), the other A (by its button); the
// merged patch is reviewed and applied as one undo step and saves to the bytes the same merge
// applied directly gives. A file that is no patch and Cancel in the conflicts change nothing.

#include "view_fixture.h"

#include "editing/change.h"
#include "patch/patch.h"
#include "patch/patch_json.h"
#include "patch/patch_merge.h"
#include "views/merge_conflicts_window.h"
#include "views/patch_review_window.h"

#include <QUndoStack>

using namespace qira;
using namespace qira::test;
using table_index::players;

namespace {

const sample_options sample{sample_scale::tiny, 7};

cell player_cell(const open_game& g, int row, const char* name) {
    const db_table& table = g.db.tables[players];
    for (int f = 0; f < table.field_count(); ++f)
        if (table.fields[f].name == name)
            return column_cell(g.db, players, row, f);
    return column_cell(g.db, players, row, 0);
}
std::uint32_t value(const open_game& g, int row, const char* name) {
    return read_cell(g.db, player_cell(g, row, name)).number;
}
void set(open_game& g, int row, const char* name, std::uint32_t v) {
    change ignored;
    set_cell(g, ignored, player_cell(g, row, name), {v, {}});
}

// Side A and side B of the open game: both change player 1's height and player 2's weight, each
// to its own value; A also player 3's weight, B player 4's height.
struct two_mods {
    temp_dir dir;
    patch a, b;
    std::uint32_t height1, weight2, weight3, height4; // as the open game holds them

    explicit two_mods(const open_game& base)
        : height1(value(base, 1, "height")), weight2(value(base, 2, "weight")),
          weight3(value(base, 3, "weight")), height4(value(base, 4, "height")) {
        open_game ga = base, gb = base;
        set(ga, 1, "height", height1 + 1);
        set(gb, 1, "height", height1 + 2);
        set(ga, 2, "weight", weight2 + 1);
        set(gb, 2, "weight", weight2 + 2);
        set(ga, 3, "weight", weight3 + 1);
        set(gb, 4, "height", height4 + 1);
        a = made(base, ga, "A.json");
        b = made(base, gb, "B.json");
    }
    patch made(const open_game& base, const open_game& side, const char* name) {
        result_of<patch> p = make_patch(base.db, &base.lang, side.db, &side.lang);
        [&] {
            QVERIFY2(p.ok(), p.message().c_str());
            QVERIFY(save_patch_file(dir / name, p.value).ok());
        }();
        return p.value;
    }
};

// The patch chooser answering these files in turn.
void answer_with(TForm1& w, std::vector<std::filesystem::path> files) {
    w.set_patch_chooser(
        [files, next = std::size_t{0}](bool, const QString&, const QString&) mutable {
            return next < files.size() ? from_fs_path(files[next++]) : QString();
        });
}

using both_files = std::pair<std::vector<std::uint8_t>, std::vector<std::uint8_t>>;
both_files files_of(const std::filesystem::path& install) {
    return {read_file(database_file(install)), read_file(language_file(install, "eng"))};
}

} // namespace

class merge_window_test : public QObject {
    Q_OBJECT

  private slots:
    void chosen_sides_are_reviewed_and_applied_as_one_step() {
        view_fixture f(sample);
        TForm1& w = f.w();
        const two_mods mods(w.game);
        answer_with(w, {mods.dir / "A.json", mods.dir / "B.json"});
        bool resolved = false;
        w.set_conflict_resolver([&](merge_conflicts_window& dialog) {
            [&] {
                QTreeWidget* tree = dialog.tree;
                QCOMPARE(tree->topLevelItemCount(), 2);
                QTreeWidgetItem* height = tree->topLevelItem(0);
                QVERIFY(height->text(merge_conflicts_window::row_column)
                            .startsWith(QStringLiteral("players: ")));
                QCOMPARE(height->text(merge_conflicts_window::field_column),
                         QStringLiteral("height"));
                QCOMPARE(height->text(merge_conflicts_window::base_column),
                         QString::number(mods.height1));
                QCOMPARE(height->text(merge_conflicts_window::a_column),
                         QString::number(mods.height1 + 1));
                QCOMPARE(height->text(merge_conflicts_window::b_column),
                         QString::number(mods.height1 + 2));
                QCOMPARE(height->text(merge_conflicts_window::take_column),
                         QStringLiteral("left out"));
                // B for the height by its key, A for the weight by its button.
                dialog.show();
                dialog.activateWindow();
                QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
                QCOMPARE(tree->currentItem(), height);
                QTest::keyClick(tree, Qt::Key_B, Qt::AltModifier);
                QCOMPARE(height->text(merge_conflicts_window::take_column), QStringLiteral("B"));
                QTest::keyClick(tree, Qt::Key_Down);
                dialog.take_a_button->click();
                QCOMPARE(dialog.choices(), (std::vector{merge_side::b, merge_side::a}));
                // Tab reaches every control, each named for screen readers.
                for (QWidget* next : std::initializer_list<QWidget*>{
                         dialog.take_a_button, dialog.take_b_button, dialog.leave_out_button,
                         dialog.ok_button, dialog.cancel_button, tree}) {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                    QCOMPARE(QApplication::focusWidget(), next);
                    QVERIFY(!next->accessibleName().isEmpty());
                }
                dialog.ok_button->click();
            }();
            resolved = true;
            return !QTest::currentTestFailed() && dialog.result() == QDialog::Accepted;
        });
        w.set_patch_reviewer([&](patch_review_window& review) {
            [&] {
                QCOMPARE(review.windowTitle(), QStringLiteral("Merge patches A.json and B.json"));
                QCOMPARE(review.note_label->text(),
                         QStringLiteral("Merged from A.json and B.json: 2 conflicts decided (a: "
                                        "1, b: 1, left out: 0)."));
                QCOMPARE(review.summary->text(),
                         QStringLiteral("4 changes, 0 conflicts, 4 selected"));
                review.apply_button->click();
            }();
            return !QTest::currentTestFailed() && review.result() == QDialog::Accepted;
        });
        w.Button4->click();
        w.ButtonMerge->click();
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));
        QVERIFY(resolved);
        QCOMPARE(w.doc.undo_stack()->count(), 1);
        QCOMPARE(w.doc.undo_stack()->text(0), QStringLiteral("merge patches A.json and B.json"));
        QCOMPARE(value(w.game, 1, "height"), mods.height1 + 2);
        QCOMPARE(value(w.game, 2, "weight"), mods.weight2 + 1);
        QCOMPARE(value(w.game, 3, "weight"), mods.weight3 + 1);
        QCOMPARE(value(w.game, 4, "height"), mods.height4 + 1);
        w.undo_action->trigger();
        QVERIFY(!w.has_unsaved_changes());
        QCOMPARE(value(w.game, 1, "height"), mods.height1);
        QCOMPARE(value(w.game, 2, "weight"), mods.weight2);
        w.redo_action->trigger();
        w.Button11->click();
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));

        // The same merge applied directly to a fresh copy saves to the same bytes.
        temp_dir direct;
        QVERIFY(write_sample_install(direct.path(), sample).ok());
        open_game g;
        QVERIFY(
            open_game_files(database_file(direct.path()), language_file(direct.path(), "eng"), g)
                .ok());
        const result_of<merged_patches> merged =
            merge_patches(mods.a, mods.b, std::vector{merge_side::b, merge_side::a}, &g.db);
        QVERIFY(merged.ok());
        QVERIFY(apply_patch(g, merged.value.merged).ok());
        QVERIFY(
            save_game_files(g, database_file(direct.path()), language_file(direct.path(), "eng"))
                .ok());
        QVERIFY(files_of(f.install.path()) == files_of(direct.path()));
    }

    void what_is_no_patch_or_cancelled_changes_nothing() {
        view_fixture f(sample);
        TForm1& w = f.w();
        const two_mods mods(w.game);
        bool reviewed = false;
        int resolved = 0;
        w.set_patch_reviewer([&](patch_review_window&) { return reviewed = true; });
        w.set_conflict_resolver([&](merge_conflicts_window& dialog) {
            ++resolved;
            dialog.take_b_action->trigger();
            dialog.cancel_button->click();
            return dialog.result() == QDialog::Accepted;
        });
        w.Button4->click();

        // A file that is no patch: refused before anything is merged.
        write_file(mods.dir / "bad.json", {'{', 'x'});
        answer_with(w, {mods.dir / "A.json", mods.dir / "bad.json"});
        w.ButtonMerge->click();
        QCOMPARE(f.sink.shown.size(), std::size_t{1});
        QCOMPARE(resolved, 0);

        // Cancel in the conflicts.
        answer_with(w, {mods.dir / "A.json", mods.dir / "B.json"});
        w.ButtonMerge->click();
        QCOMPARE(resolved, 1);
        QCOMPARE(f.sink.shown.size(), std::size_t{1});
        QVERIFY(w.save_status->text().contains(QStringLiteral("nothing was changed")));

        QVERIFY(!reviewed);
        QCOMPARE(w.doc.undo_stack()->count(), 0);
        QVERIFY(!w.has_unsaved_changes());
        QCOMPARE(value(w.game, 1, "height"), mods.height1);
    }
};

QTEST_MAIN(merge_window_test)
#include "merge_window_test.moc"
