// "Compare with...": another install of the same game, edited apart, compared with the open one.
// Its differences are reviewed; the two left ticked are taken over as one undo step and saved to
// exactly the files that the same two edits made directly give. The other install is only read.
// A file that is no game is refused and a game without differences is said to be one.

#include "view_fixture.h"

#include "views/patch_review_window.h"

#include <QUndoStack>

using namespace qira;
using namespace qira::test;
using table_index::players;
using table_index::teams;

namespace {

std::uint32_t& player_value(open_game& g, int row, const char* field) {
    return g.db.rows(players)[static_cast<std::size_t>(row)].values.at(
        static_cast<std::size_t>(*g.db.field_slot(players, field)));
}

// The two edits taken over: a player's height and a team's name (a language entry).
void height_edit(open_game& g) {
    player_value(g, 1, "height") ^= 1;
}
void name_edit(open_game& g) {
    g.db.rows(teams)[1].names[0] = "Renamed FC";
}

open_game opened(const std::filesystem::path& install) {
    open_game g;
    [&] {
        QVERIFY(open_game_files(database_file(install), language_file(install, "eng"), g).ok());
    }();
    return g;
}

void save(const open_game& g, const std::filesystem::path& install) {
    QVERIFY(save_game_files(g, database_file(install), language_file(install, "eng")).ok());
}

using both_files = std::pair<std::vector<std::uint8_t>, std::vector<std::uint8_t>>;
both_files files_of(const std::filesystem::path& install) {
    return {read_file(database_file(install)), read_file(language_file(install, "eng"))};
}

void answer_with(TForm1& w, const std::filesystem::path& path) {
    w.set_compare_chooser(
        [path](bool, const QString&, const QString&) { return from_fs_path(path); });
}

} // namespace

class compare_window_test : public QObject {
    Q_OBJECT

  private slots:
    void the_ticked_differences_are_taken_over_as_one_step() {
        const sample_options sample{sample_scale::tiny, 5};
        view_fixture f(sample);
        TForm1& w = f.w();
        // The other install: the same game with cells, rows and a language entry changed.
        temp_dir other;
        QVERIFY(write_sample_install(other.path(), sample).ok());
        {
            open_game g = opened(other.path());
            height_edit(g);
            name_edit(g);
            g.db.rows(players)[0].strings[2] = "Other";
            player_value(g, 3, "weight") ^= 1;
            change ignored;
            remove_row(g, ignored, players, 5);
            save(g, other.path());
        }
        const both_files theirs = files_of(other.path());
        answer_with(w, database_file(other.path()));
        const QString other_name =
            QDir::toNativeSeparators(from_fs_path(database_file(other.path())));
        const QString height_keys =
            QStringLiteral("(keys %1, rank 0)").arg(w.game.db.rows(players)[1].keys[0]);

        w.set_patch_reviewer([&](patch_review_window& review) {
            [&] {
                QVERIFY(review.windowTitle().startsWith(QStringLiteral("Compare with ")));
                QVERIFY(review.note_label->isVisibleTo(&review));
                QCOMPARE(review.note_label->text(),
                         QStringLiteral("Differences from the open game to %1: tick what to "
                                        "take over.")
                             .arg(other_name));
                QCOMPARE(review.summary->text(),
                         QStringLiteral("5 changes, 0 conflicts, 5 selected"));
                review.select_none_button->click();
                QTreeView* tree = review.tree;
                const QModelIndex height =
                    line_with(tree, QStringLiteral("field height"), line_with(tree, height_keys));
                QVERIFY(height.isValid());
                tree->setCurrentIndex(height);
                QTest::keyClick(tree, Qt::Key_Space);
                const QModelIndex language = tree->model()->index(tree->model()->rowCount() - 1, 0);
                QCOMPARE(language.data().toString(), QStringLiteral("language file"));
                tree->setCurrentIndex(tree->model()->index(0, 0, language));
                review.tick_action->trigger();
                QCOMPARE(review.summary->text(),
                         QStringLiteral("5 changes, 0 conflicts, 2 selected"));
                review.apply_button->click();
            }();
            return !QTest::currentTestFailed() && review.result() == QDialog::Accepted;
        });
        w.Button4->click();
        w.ButtonCompare->click();
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));
        QCOMPARE(w.doc.undo_stack()->count(), 1);
        QCOMPARE(w.doc.undo_stack()->text(0), QStringLiteral("take over from %1").arg(other_name));
        w.undo_action->trigger();
        QVERIFY(!w.has_unsaved_changes());
        w.redo_action->trigger();
        w.Button11->click();
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));

        // The same two edits made directly on a fresh copy save to the same bytes.
        temp_dir direct;
        QVERIFY(write_sample_install(direct.path(), sample).ok());
        {
            open_game g = opened(direct.path());
            height_edit(g);
            name_edit(g);
            save(g, direct.path());
        }
        QVERIFY(files_of(f.install.path()) == files_of(direct.path()));
        QVERIFY(files_of(other.path()) == theirs);
    }

    void what_cannot_be_compared_changes_nothing() {
        const sample_options sample{sample_scale::tiny, 6};
        view_fixture f(sample);
        TForm1& w = f.w();
        bool reviewed = false;
        w.set_patch_reviewer([&](patch_review_window&) { return reviewed = true; });
        w.Button4->click();

        // A file that is no game: refused, naming it.
        temp_dir bad;
        write_file(bad / "qira.db", {'n', 'o', 't', ' ', 'a', ' ', 'g', 'a', 'm', 'e'});
        answer_with(w, bad / "qira.db");
        w.ButtonCompare->click();
        QCOMPARE(f.sink.shown.size(), std::size_t{1});
        QVERIFY2(
            f.sink.shown[0].text.contains(QDir::toNativeSeparators(from_fs_path(bad / "qira.db"))),
            qPrintable(f.sink.all()));
        QVERIFY(read_file(bad / "qira.db").size() == 10);

        // The same game without its language file: no differences, and the language not compared.
        temp_dir same;
        QVERIFY(write_sample_install(same.path(), sample).ok());
        std::filesystem::remove(language_file(same.path(), "eng"));
        answer_with(w, database_file(same.path()));
        w.ButtonCompare->click();
        QCOMPARE(f.sink.shown.size(), std::size_t{1});
        QVERIFY(w.save_status->text().contains(QStringLiteral("hold the same")));
        QVERIFY(w.save_status->text().contains(QStringLiteral("no language file eng.db")));

        QVERIFY(!reviewed);
        QCOMPARE(w.doc.undo_stack()->count(), 0);
        QVERIFY(!w.has_unsaved_changes());
    }
};

QTEST_MAIN(compare_window_test)
#include "compare_window_test.moc"
