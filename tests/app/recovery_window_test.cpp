// A session that survives a crash: an editor started as a child process makes its steps and is
// killed once its recovery file is written; the next start offers the changes back (opened and
// applied as one step, put aside, or left for later), saying which file changed on disk since;
// a damaged file can be put aside; a save, an undo back to it and a close remove the file.

#include "app_test_support.h"

#include "app/recovery_commands.h"
#include "app/registry.h"
#include "fileio/checksum.h"
#include "patch/patch_edit.h"
#include "patch/patch_json.h"
#include "patch/recovery.h"
#include "testdata/sample.h"

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QUndoStack>

#include <cstdio>
#include <cstring>

using namespace qira;
using namespace qira::test;
namespace fs = std::filesystem;

namespace {

constexpr char child_argument[] = "--edit-until-killed";
constexpr int step_count = 4;

// Step k of the session, made on `g`: values, a surname with a byte that is no UTF-8, a team's
// localized name (the language file as saved), a player added with the stored words of another
// (bits no field covers among them); the last is the step the child undoes.
change edit_step(open_game& g, int k) {
    using namespace table_index;
    change c;
    const int height = g.db.field_slot(players, "height").value_or(0);
    const auto value = [&](int row) {
        return cell_value{g.db.rows(players)[static_cast<std::size_t>(row)].values[height] ^ 1u,
                          {}};
    };
    switch (k) {
    case 0:
        set_cell(g, c, {players, 5, row_part::value, height}, value(5));
        set_cell(g, c, {players, 6, row_part::text, 2}, {0, "Sch\xF6n"});
        break;
    case 1:
        set_cell(g, c, {teams, 1, row_part::name, 0}, {0, "Nouveau \xC9quipe"});
        break;
    case 2: {
        const auto w = static_cast<std::size_t>(g.db.overall[players].words_per_row);
        const auto& words = g.db.blocks[players].words;
        db_overall_data added = g.db.rows(players)[7];
        added.keys[0] = 990001;
        insert_row(g, c, players, static_cast<int>(g.db.rows(players).size()), added,
                   {words.begin() + 7 * w, words.begin() + 8 * w});
        break;
    }
    default:
        set_cell(g, c, {players, 9, row_part::value, height}, value(9));
        break;
    }
    return c;
}

// The child: opens the game of its registry, makes the steps without a pause (one write holds
// them all), undoes the last and waits to be killed.
int run_child(int argc, char** argv) {
    QApplication app(argc, argv);
    recording_sink sink;
    TForm1 w(&sink);
    w.show();
    w.Button1->click();
    if (!in_editing(w))
        return 2;
    for (int k = 0; k <= step_count; ++k)
        w.doc.push_table_edit(edit_step(w.game, k), QStringLiteral("step %1").arg(k));
    w.doc.undo_stack()->undo();
    return QApplication::exec();
}

std::vector<std::uint8_t> saved_bytes(const open_game& g, const fs::path& dir) {
    fs::create_directories(dir);
    if (!save_game_files(g, dir / "qira.db", dir / "eng.db"))
        return {};
    auto bytes = read_file(dir / "qira.db");
    const auto lang = read_file(dir / "eng.db");
    bytes.insert(bytes.end(), lang.begin(), lang.end());
    return bytes;
}

struct fixture {
    test_registry registry;
    temp_dir install;
    temp_dir scratch;
    recording_sink sink;

    fixture() {
        QVERIFY(write_sample_install(install.path(), {sample_scale::tiny, 6}).ok());
        registry.set(install_key, install_dir_value, install_dir_text(install.path()));
    }
    fs::path db() const { return install_database_path(install.path()); }
    fs::path eng() const { return install_language_path(install.path(), "eng"); }
    QString folder(const QString& name = {}) const {
        return QDir(from_fs_path(registry.folder())).filePath(name);
    }
    QStringList files(const char* pattern) const {
        return QDir(folder()).entryList({QLatin1String(pattern)}, QDir::Files);
    }
    // Runs the child until its recovery file is written, then kills it: the file.
    QString crash_a_session() {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QLatin1String(child_argument), QStringLiteral("-platform"),
                     QStringLiteral("offscreen")});
        [&] {
            QVERIFY(child.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(!files("recovery-*.json").isEmpty() ||
                                         child.state() == QProcess::NotRunning,
                                     30000);
            QCOMPARE(child.state(), QProcess::Running);
        }();
        child.kill();
        child.waitForFinished();
        return folder(files("recovery-*.json").value(0));
    }
    // A window started as the editor starts, the offer answered with `choice`.
    std::unique_ptr<TForm1> start(int choice) {
        sink = {};
        sink.choices = {choice};
        auto w = std::make_unique<TForm1>(&sink);
        apply_reviews_as_they_open(*w);
        w->show();
        [&] { QTRY_COMPARE(sink.chosen.size(), std::size_t{1}); }();
        return w;
    }
    // The files as opened, with the steps the child kept made directly when `edited`.
    open_game game(bool edited) const {
        open_game g;
        if (open_game_files(db(), eng(), g) && edited)
            for (int k = 0; k < step_count; ++k)
                (void)edit_step(g, k);
        return g;
    }
};

} // namespace

class recovery_window_test : public QObject {
    Q_OBJECT

  private slots:
    void a_killed_session_is_offered_again_and_applied_as_one_step() {
        fixture f;
        const QString file = f.crash_a_session();
        recovery_contents kept;
        QVERIFY(load_recovery_file(to_fs_path(file), kept).ok());
        // Dismissed: nothing opens and the file stays for the next start.
        auto w = f.start(2);
        const QString& asked = f.sink.chosen[0].text;
        QVERIFY(
            asked.contains(QStringLiteral("%1 unsaved changes").arg(kept.changes.change_count())));
        QVERIFY(asked.contains(QDir::toNativeSeparators(from_fs_path(f.db()))));
        QVERIFY(!asked.contains(QStringLiteral("changed on disk")));
        QVERIFY(in_no_database(*w));
        w.reset();
        QVERIFY(QFileInfo::exists(file));

        w = f.start(0);
        QTRY_VERIFY(in_editing(*w));
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));
        QCOMPARE(w->doc.undo_stack()->count(), 1);
        const auto direct = saved_bytes(f.game(true), f.scratch.path() / "direct");
        QVERIFY(!direct.empty());
        QVERIFY(saved_bytes(w->game, f.scratch.path() / "recovered") == direct);
        // The left file goes once this session's own holds the changes.
        QTRY_VERIFY(!QFileInfo::exists(file) && QFileInfo::exists(w->recovery().file()));
        w->undo_action->trigger();
        QVERIFY(saved_bytes(w->game, f.scratch.path() / "undone") ==
                saved_bytes(f.game(false), f.scratch.path() / "opened"));
    }

    void put_aside_keeps_the_file_renamed_and_a_file_changed_since_is_said() {
        fixture f;
        const QString file = f.crash_a_session();
        const auto bytes = read_file(to_fs_path(file));
        // Another program saved the database meanwhile.
        open_game other = f.game(false);
        change ignored;
        set_cell(other, ignored, {table_index::players, 20, row_part::text, 0}, {0, "Ann"});
        QVERIFY(save_game_files(other, f.db(), f.eng()).ok());

        auto w = f.start(1);
        QVERIFY2(f.sink.chosen[0].text.contains(QDir::toNativeSeparators(from_fs_path(f.db())) +
                                                QStringLiteral(" has changed on disk")),
                 qPrintable(f.sink.chosen[0].text));
        QVERIFY(in_no_database(*w));
        const QStringList aside = f.files("set-aside-*.json");
        QCOMPARE(aside.size(), 1);
        QVERIFY(!QFileInfo::exists(file));
        QVERIFY(read_file(to_fs_path(f.folder(aside[0]))) == bytes);
        QCOMPARE(f.sink.shown.size(), std::size_t{1});
        QVERIFY(f.sink.shown[0].text.contains(QDir::toNativeSeparators(f.folder(aside[0]))));

        // A damaged file is said so and can be put aside the same way.
        write_file(to_fs_path(f.folder(QStringLiteral("recovery-damaged.json"))),
                   {'{', '"', 'r', 0xFF, 0x00});
        w = f.start(0);
        QVERIFY(f.sink.chosen[0].text.contains(QStringLiteral("cannot be read")));
        QCOMPARE(f.files("recovery-*.json").size(), 0);
        QCOMPARE(f.files("set-aside-*-damaged.json").size(), 1);
    }

    void a_save_an_undo_to_it_and_a_close_remove_the_file_and_another_editor_leaves_it() {
        fixture f;
        TForm1 w(&f.sink);
        w.show();
        w.Button1->click();
        QVERIFY(in_editing(w));
        const QString file = w.recovery().file();
        w.doc.push_table_edit(edit_step(w.game, 0), QStringLiteral("step 0"));
        QTRY_VERIFY(QFileInfo::exists(file));
        {
            // A second editor running meanwhile is not offered the first one's file.
            recording_sink other_sink;
            TForm1 other(&other_sink);
            QVERIFY(!other.recovery().offer());
        }
        QVERIFY(QFileInfo::exists(file));

        w.Button11->click();
        QTRY_VERIFY(!QFileInfo::exists(file));
        // The next write starts from the saved files: their checksums, and only the new step.
        w.doc.push_table_edit(edit_step(w.game, 1), QStringLiteral("step 1"));
        QTRY_VERIFY(QFileInfo::exists(file));
        recovery_contents kept;
        QVERIFY(load_recovery_file(to_fs_path(file), kept).ok());
        QCOMPARE(kept.header.database_crc, file_crc32(f.db()).value);
        QCOMPARE(kept.header.language_crc, file_crc32(f.eng()).value);
        open_game saved = f.game(false);
        QVERIFY(apply_patch_step(saved, kept.changes).ok());
        QVERIFY(make_patch(saved.db, &saved.lang, w.game.db, &w.game.lang).value.empty());
        // Undone back to the saved files: nothing to recover.
        w.undo_action->trigger();
        QTRY_VERIFY(!QFileInfo::exists(file));
        w.redo_action->trigger();
        QTRY_VERIFY(QFileInfo::exists(file));
        w.Button14->click(); // "Close", the unsaved changes discarded
        QTRY_VERIFY(!QFileInfo::exists(file));
    }
};

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], child_argument) == 0)
        return run_child(argc, argv);
    QApplication app(argc, argv);
    recovery_window_test test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "recovery_window_test.moc"
