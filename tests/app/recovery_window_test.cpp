// A session that survives a crash: an editor started as a child process makes its steps and is
// killed once its recovery file is written; the next start offers the changes back (opened and
// applied as one step, put aside, or left for later), a file changed on disk since is said, a
// damaged file can be put aside, and a save, an undo back to it and a close remove the file.

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

    fixture() {
        QVERIFY(write_sample_install(install.path(), {sample_scale::tiny, 6}).ok());
        registry.set(install_key, install_dir_value, install_dir_text(install.path()));
    }
    fs::path db() const { return install_database_path(install.path()); }
    fs::path eng() const { return install_language_path(install.path(), "eng"); }
    QDir folder() const { return QDir(QString::fromStdString(registry.folder().string())); }
    QStringList files(const char* pattern) const {
        return folder().entryList({QLatin1String(pattern)}, QDir::Files);
    }
    // Runs the child until its recovery file is written, then kills it: the file's path.
    void crash_a_session(QString& file) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QLatin1String(child_argument), QStringLiteral("-platform"),
                     QStringLiteral("offscreen")});
        QVERIFY(child.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(
            !files("recovery-*.json").isEmpty() || child.state() == QProcess::NotRunning, 30000);
        QCOMPARE(child.state(), QProcess::Running);
        child.kill();
        QVERIFY(child.waitForFinished());
        file = folder().filePath(files("recovery-*.json").value(0));
    }
    // How many changes the child kept: cells, rows and language entries.
    std::size_t kept_changes() const {
        open_game opened;
        if (!open_game_files(db(), eng(), opened))
            return 0;
        const open_game g = edited();
        return make_patch(opened.db, &opened.lang, g.db, &g.lang).value.change_count();
    }
    // The game with the steps the child kept, made directly.
    open_game edited() const {
        open_game g;
        if (open_game_files(db(), eng(), g))
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
        QString file;
        f.crash_a_session(file);
        QVERIFY(QFileInfo::exists(file));
        {
            // Dismissed: nothing opens and the file stays for the next start.
            recording_sink sink;
            sink.choices = {2};
            TForm1 w(&sink);
            w.show();
            QTRY_COMPARE(sink.chosen.size(), std::size_t{1});
            QVERIFY(sink.chosen[0].text.contains(
                QStringLiteral("%1 unsaved changes").arg(f.kept_changes())));
            QVERIFY(sink.chosen[0].text.contains(
                QDir::toNativeSeparators(QString::fromStdString(f.db().string()))));
            QVERIFY(!sink.chosen[0].text.contains(QStringLiteral("changed on disk")));
            QVERIFY(in_no_database(w));
        }
        QVERIFY(QFileInfo::exists(file));

        recording_sink sink;
        sink.choices = {0};
        TForm1 w(&sink);
        w.show();
        QTRY_VERIFY(in_editing(w));
        QVERIFY2(sink.shown.empty(), qPrintable(sink.all()));
        QCOMPARE(w.doc.undo_stack()->count(), 1);
        const auto recovered = saved_bytes(w.game, f.scratch.path() / "recovered");
        QVERIFY(!recovered.empty());
        QVERIFY(recovered == saved_bytes(f.edited(), f.scratch.path() / "direct"));
        // The left file goes once this session's own holds the changes.
        QTRY_VERIFY(!QFileInfo::exists(file) && QFileInfo::exists(w.recovery().file()));
        // One step: undone, the game is the files as they were.
        w.undo_action->trigger();
        open_game opened;
        QVERIFY(open_game_files(f.db(), f.eng(), opened).ok());
        QVERIFY(saved_bytes(w.game, f.scratch.path() / "undone") ==
                saved_bytes(opened, f.scratch.path() / "opened"));
    }

    void put_aside_keeps_the_file_renamed_and_a_file_changed_since_is_said() {
        fixture f;
        QString file;
        f.crash_a_session(file);
        const std::size_t changes = f.kept_changes();
        // Another program saved the database meanwhile.
        open_game other;
        QVERIFY(open_game_files(f.db(), f.eng(), other).ok());
        change ignored;
        set_cell(other, ignored, {table_index::players, 20, row_part::text, 0}, {0, "Ann"});
        QVERIFY(save_game_files(other, f.db(), f.eng()).ok());

        recording_sink sink;
        sink.choices = {1};
        TForm1 w(&sink);
        w.show();
        QTRY_COMPARE(sink.chosen.size(), std::size_t{1});
        const QString db_text = QDir::toNativeSeparators(QString::fromStdString(f.db().string()));
        QVERIFY2(sink.chosen[0].text.contains(db_text + QStringLiteral(" has changed on disk")),
                 qPrintable(sink.chosen[0].text));
        QVERIFY(in_no_database(w));
        QVERIFY(!QFileInfo::exists(file));
        const QStringList aside = f.files("set-aside-*.json");
        QCOMPARE(aside.size(), 1);
        QCOMPARE(sink.shown.size(), std::size_t{1});
        QVERIFY(
            sink.shown[0].text.contains(QDir::toNativeSeparators(f.folder().filePath(aside[0]))));
        // Kept whole: a patch file "Apply patch..." reads.
        patch kept;
        QVERIFY(load_patch_file(to_fs_path(f.folder().filePath(aside[0])), kept).ok());
        QCOMPARE(kept.change_count(), changes);
    }

    void a_save_an_undo_to_it_and_a_close_remove_the_file_and_another_editor_leaves_it() {
        fixture f;
        recording_sink sink;
        TForm1 w(&sink);
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
            QVERIFY(other_sink.chosen.empty());
        }
        QVERIFY(QFileInfo::exists(file));

        w.Button11->click();
        QTRY_VERIFY(!QFileInfo::exists(file));
        // The next write starts from the saved files: their checksums, and only the new step.
        w.doc.push_table_edit(edit_step(w.game, 1), QStringLiteral("step 1"));
        QTRY_VERIFY(QFileInfo::exists(file));
        w.recovery().wait_for_writes();
        recovery_contents kept;
        QVERIFY(load_recovery_file(to_fs_path(file), kept).ok());
        QCOMPARE(kept.header.database_crc, file_crc32(f.db()).value);
        QCOMPARE(kept.header.language_crc, file_crc32(f.eng()).value);
        open_game saved;
        QVERIFY(open_game_files(f.db(), f.eng(), saved).ok());
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

    void a_damaged_file_is_said_so_and_can_be_put_aside() {
        fixture f;
        QVERIFY(f.folder().mkpath(QStringLiteral(".")));
        const QString file = f.folder().filePath(QStringLiteral("recovery-damaged.json"));
        write_file(to_fs_path(file), {'{', '"', 'r', 0xFF, 0x00});
        recording_sink sink;
        sink.choices = {0};
        TForm1 w(&sink);
        w.show();
        QTRY_COMPARE(sink.chosen.size(), std::size_t{1});
        QVERIFY(sink.chosen[0].text.contains(QStringLiteral("cannot be read")));
        QVERIFY(!QFileInfo::exists(file));
        QCOMPARE(f.files("set-aside-*-damaged.json").size(), 1);
        QVERIFY(in_no_database(w));
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
