// Patches in the window: "Save changes as patch..." writes what was changed since the files were
// opened, and "Apply patch..." applies what its review keeps as one undo step.

#include "view_fixture.h"

#include "patch/patch.h"
#include "patch/patch_json.h"
#include "views/patch_review_window.h"

#include <QUndoStack>

using namespace qira;
using namespace qira::test;
using table_index::players;

namespace {

// Whether two models hold the same rows (keys, extras, texts, names and values).
bool same_rows(const database& a, const database& b) {
    if (a.table_count() != b.table_count())
        return false;
    for (int t = 0; t < a.table_count(); ++t) {
        const auto ra = a.rows(t), rb = b.rows(t);
        if (ra.size() != rb.size())
            return false;
        for (std::size_t r = 0; r < ra.size(); ++r)
            if (ra[r].keys != rb[r].keys || ra[r].extras != rb[r].extras ||
                !(ra[r].strings == rb[r].strings) || !(ra[r].names == rb[r].names) ||
                !(ra[r].values == rb[r].values))
                return false;
    }
    return true;
}

// The window answers its file dialogs with `path`.
void answer_with(TForm1& w, const std::filesystem::path& path) {
    w.set_patch_chooser([path](bool, const QString&, const QString&) {
        return QString::fromStdString(path.string());
    });
}

} // namespace

class patch_window_test : public QObject {
    Q_OBJECT

  private slots:
    void save_changes_as_patch_holds_what_this_user_changed() {
        view_fixture f(sample_options{sample_scale::tiny, 3});
        TForm1& w = f.w();
        temp_dir out;
        answer_with(w, out / "mod.json");
        // Nothing changed yet: no patch.
        w.Button4->click();
        QVERIFY(w.ButtonPatchSave->isEnabled());
        w.ButtonPatchSave->click();
        QCOMPARE(f.sink.shown.size(), std::size_t{1});
        QVERIFY(f.sink.shown[0].text.contains(QStringLiteral("no patch")));
        QVERIFY(!std::filesystem::exists(out / "mod.json"));
        w.Button4->click();

        f.select(w.TreeView1->topLevelItem(0)->child(0)->child(1));
        w.player->pl_sur->setText(QStringLiteral("Patched"));
        w.player->pl_apply->click();
        f.select(w.TreeView1->topLevelItem(0)->child(0));
        w.team->e_namefull->setText(QStringLiteral("A team renamed"));
        w.team->t_apply->click();
        w.Button4->click();
        w.ButtonPatchSave->click();
        QCOMPARE(f.sink.shown.size(), std::size_t{1});
        QVERIFY(w.save_status->text().contains(QStringLiteral("mod.json")));

        // The patch turns the files as they are on disk (not saved) into the edited game.
        patch p;
        QVERIFY(load_patch_file(out / "mod.json", p).ok());
        open_game fresh;
        QVERIFY(open_game_files(database_file(f.install.path()),
                                language_file(f.install.path(), "eng"), fresh));
        QVERIFY(apply_patch(fresh, p).ok());
        QVERIFY(same_rows(fresh.db, w.game.db));
    }

    void apply_patch_is_one_step_and_a_conflicting_one_changes_nothing() {
        view_fixture f(sample_options{sample_scale::tiny, 4});
        TForm1& w = f.w();
        // A modder's patch, made from the same install with a player renamed and a value changed.
        open_game a, b;
        QVERIFY(open_game_files(database_file(f.install.path()),
                                language_file(f.install.path(), "eng"), a));
        QVERIFY(open_game_files(database_file(f.install.path()),
                                language_file(f.install.path(), "eng"), b));
        b.db.rows(players)[0].strings[2] = "Modded";
        b.db.rows(players)[1].values[2] += 1;
        const result_of<patch> made = make_patch(a.db, &a.lang, b.db, &b.lang);
        QVERIFY(made.ok());
        temp_dir out;
        QVERIFY(save_patch_file(out / "mod.json", made.value).ok());
        answer_with(w, out / "mod.json");

        const database before = w.game.db;
        w.Button4->click();
        w.ButtonPatchApply->click();
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));
        QCOMPARE(w.doc.undo_stack()->count(), 1);
        QVERIFY(w.has_unsaved_changes());
        QCOMPARE(f.row(players, 0).strings[2], std::string("Modded"));
        // The trees follow the renamed player.
        w.Button4->click();
        QVERIFY(!f.nodes(text(player_label(f.row(players, 0))), 2).empty());

        // Applied twice: every change conflicts and none is ticked, so nothing can be applied.
        w.Button4->click();
        const database applied = w.game.db;
        QString reviewed;
        w.set_patch_reviewer([&](patch_review_window& review) {
            reviewed = review.summary->text();
            return review.apply_button->isEnabled();
        });
        w.ButtonPatchApply->click();
        QCOMPARE(reviewed, QStringLiteral("2 changes, 2 conflicts, 0 selected"));
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));
        QCOMPARE(w.doc.undo_stack()->count(), 1);
        QVERIFY(same_rows(w.game.db, applied));

        // Undo takes it back, whole.
        w.ButtonUndo->click();
        QVERIFY(same_rows(w.game.db, before));
        QVERIFY(!w.has_unsaved_changes());
    }

    void a_file_that_is_no_patch_is_refused() {
        view_fixture f(test_database());
        TForm1& w = f.w();
        temp_dir out;
        write_file(out / "bad.json", {'{', '"', 'x'});
        answer_with(w, out / "bad.json");
        w.Button4->click();
        w.ButtonPatchApply->click();
        QCOMPARE(f.sink.shown.size(), std::size_t{1});
        QVERIFY(f.sink.shown[0].text.contains(QStringLiteral("bad.json")));
        QCOMPARE(w.doc.undo_stack()->count(), 0);
    }
};

QTEST_MAIN(patch_window_test)
#include "patch_window_test.moc"
