// The start screen's commands on real files: open (and every way it is refused), the switch
// between start screen and editing views, close, and save.

#include "app_test_support.h"

#include "app/registry.h"
#include "dbfile/database.h"
#include "support/failing_ops.h"
#include "testdata/sample.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include <algorithm>

using namespace qira::test;
using qira::test::failing_ops;
namespace fs = std::filesystem;

namespace {

// A window on an install in a folder of its own, with its own registry.
struct fixture {
    test_registry registry;
    temp_dir install;
    recording_sink sink;
    std::unique_ptr<TForm1> window;

    explicit fixture(int language = 0) {
        registry.set(qira::install_key, qira::install_dir_value, install_dir_text(install.path()));
        registry.set(qira::editor_key, qira::language_value, QString::number(language));
    }
    TForm1& start() {
        window = std::make_unique<TForm1>(&sink);
        window->show();
        return *window;
    }
    TForm1& w() { return *window; }
    fs::path db_file() const { return database_file(install.path()); }
    fs::path lang_file(const std::string& code = "eng") const {
        return language_file(install.path(), code);
    }
};

QStringList items(const QComboBox* combo) {
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

void make_read_only(const fs::path& p) {
    fs::permissions(p, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

} // namespace

class commands_test : public QObject {
    Q_OBJECT

  private slots:
    void missing_language_file_names_the_requested_file() {
        fixture f(1); // Espanol
        write_test_install(f.install.path(), test_database(), {"eng"});
        TForm1& w = f.start();
        w.Button1->click();
        QCOMPARE(f.sink.shown.size(), std::size_t{1});
        QCOMPARE(f.sink.shown[0].caption, QStringLiteral("Fatal Error"));
        QCOMPARE(f.sink.shown[0].text,
                 QStringLiteral("Can't open spa.db file!\n\rMake sure QIRA 2004 fully installed"));
        QVERIFY(in_no_database(w));
        QVERIFY(w.pb->isHidden());
    }

    void missing_database() {
        fixture f;
        write_test_install(f.install.path(), test_database());
        fs::remove(f.db_file());
        TForm1& w = f.start();
        w.Button1->click();
        QCOMPARE(f.sink.shown.size(), std::size_t{1});
        QCOMPARE(f.sink.shown[0].caption, QStringLiteral("Fatal Error"));
        QCOMPARE(f.sink.shown[0].text,
                 QStringLiteral("Can't open qira.db file.\n\rMake sure QIRA 2004 fully installed"));
        QVERIFY(in_no_database(w));
        QVERIFY(w.pb->isHidden());
    }

    // Damaged files and databases without what the pages address are refused with the reason;
    // a database opened earlier stays as it was.
    void refused_files_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("expected");
        QTest::newRow("truncated database") << "truncate-db"
                                            << "qira.db is damaged";
        QTest::newRow("truncated language file") << "truncate-lang"
                                                 << "eng.db is damaged";
        QTest::newRow("no captain field") << "no-captain"
                                          << "has no field \"captain\"";
        QTest::newRow("too few tables") << "few-tables"
                                        << "table 13 (teams) is missing";
    }
    void refused_files() {
        QFETCH(QString, damage);
        QFETCH(QString, expected);
        fixture f;
        write_test_install(f.install.path(), test_database());
        TForm1& w = f.start();
        w.Button1->click();
        QVERIFY(in_editing(w));
        const auto stadiums = items(w.team->cobo_stadium);
        const int players = w.game.db.overall[qira::table_index::players].row_count;
        w.Button4->click();
        w.Button14->click();
        QVERIFY(in_no_database(w));

        if (damage == "truncate-db" || damage == "truncate-lang") {
            const fs::path file = damage == "truncate-db" ? f.db_file() : f.lang_file();
            fs::resize_file(file, fs::file_size(file) / 2);
        } else if (damage == "no-captain") {
            write_test_install(f.install.path(), test_database({.captain_field = false}));
        } else {
            qira::database db = test_database();
            db.tables.resize(12);
            db.overall.resize(12);
            db.blocks.resize(12);
            write_test_install(f.install.path(), db);
        }
        w.Button1->click();
        QCOMPARE(f.sink.shown.size(), std::size_t{1});
        QCOMPARE(f.sink.shown[0].caption, QStringLiteral("Fatal Error"));
        QVERIFY2(f.sink.shown[0].text.contains(expected), qPrintable(f.sink.all()));
        QVERIFY(in_no_database(w));
        QVERIFY(w.pb->isHidden());
        QCOMPARE(w.game.db.overall[qira::table_index::players].row_count, players);
        QCOMPARE(items(w.team->cobo_stadium), stadiums);
    }

    // Each button of the window is the face of one action: its caption, keys and enabled state
    // on the start screen and with a game open, and the button follows the action. The keys
    // work only while their button is shown: none before a game is open.
    void every_button_follows_its_command() {
        struct expected {
            QPushButton* TForm1::*button;
            const char* action;
            const char* text;
            QList<QKeySequence> keys;
            bool at_start;
            bool opened;
        };
        const QKeySequence z(Qt::CTRL | Qt::Key_Z), shift_z(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
            y(Qt::CTRL | Qt::Key_Y), t(Qt::CTRL | Qt::Key_T),
            shift_d(Qt::CTRL | Qt::SHIFT | Qt::Key_D), shift_m(Qt::CTRL | Qt::SHIFT | Qt::Key_M);
        constexpr bool yes = true, no = false;
        using F = TForm1;
        const QList<expected> commands = {
            {&F::Button1, "open_action", "Open Database", {}, yes, no},
            {&F::Button15, "folder_action", "Game folder...", {}, yes, no},
            {&F::Button14, "close_action", "Close", {}, no, yes},
            {&F::Button11, "save_action", "Save Changes", {}, no, yes},
            {&F::Button10, "exit_action", "Exit", {}, yes, yes},
            {&F::ButtonPatchSave, "patch_save_action", "Save changes as patch...", {}, no, yes},
            {&F::ButtonPatchApply, "patch_apply_action", "Apply patch...", {}, no, yes},
            {&F::ButtonCompare, "compare_action", "Compare with...", {shift_d}, no, yes},
            {&F::ButtonMerge, "merge_action", "Merge patches...", {shift_m}, no, yes},
            {&F::Button4, "finish_action", "Finish Editing...", {}, yes, yes},
            {&F::ButtonUndo, "undo_action", "Undo", {z}, no, no},
            {&F::ButtonRedo, "redo_action", "Redo", {shift_z, y}, no, no},
            {&F::ButtonTables, "tables_action", "All tables...", {t}, yes, yes},
            {&F::ButtonCheck, "check_action", "Check game...", {}, yes, yes},
        };
        fixture f;
        write_test_install(f.install.path(), test_database());
        TForm1& w = f.start();
        const auto check_all = [&](bool opened) {
            for (const expected& e : commands) {
                QPushButton* b = w.*e.button;
                const QString where = b->objectName();
                QCOMPARE(b->actions().size(), 1);
                QAction* a = b->actions().front();
                QCOMPARE(a->objectName(), QLatin1String(e.action));
                QCOMPARE(a->text(), QLatin1String(e.text));
                QCOMPARE(b->text(), a->text());
                QCOMPARE(a->shortcuts(), e.keys);
                QVERIFY2(a->isEnabled() == (opened ? e.opened : e.at_start), qPrintable(where));
                QVERIFY2(b->isEnabled() == a->isEnabled(), qPrintable(where));
                a->setEnabled(!a->isEnabled());
                QVERIFY2(b->isEnabled() == a->isEnabled(), qPrintable(where));
                a->setEnabled(!a->isEnabled());
            }
        };
        check_all(false);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(!w.tables);

        w.Button1->click();
        QVERIFY(in_editing(w));
        check_all(true);
        // A caption that the command changes is the button's too.
        w.Button4->click();
        QCOMPARE(w.finish_action->text(), QStringLiteral("Continue Editing..."));
        QCOMPARE(w.Button4->text(), w.finish_action->text());
        QVERIFY(in_start_over_open(w));
    }

    // The generated sample install, as a newcomer first opens it.
    void open_the_sample_install() {
        fixture f(3); // Francais
        QVERIFY(qira::write_sample_install(f.install.path(), {}).ok());
        TForm1& w = f.start();
        w.main->setCurrentIndex(1);
        w.Button1->click();
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));
        QVERIFY(in_editing(w));
        QCOMPARE(w.main->currentWidget(), w.TabSheet5);
        QVERIFY(w.pb->isHidden());
        QCOMPARE(w.pb->value(), 0);
        QCOMPARE(w.roster->xchange->topLevelItemCount(), w.TreeView1->topLevelItemCount());
        const auto stadiums = w.game.db.rows(qira::table_index::stadiums);
        QVERIFY(!stadiums.empty());
        QCOMPARE(w.team->cobo_stadium->count(), static_cast<int>(stadiums.size()));
        for (int i = 0; i < w.team->cobo_stadium->count(); ++i)
            QCOMPARE(w.team->cobo_stadium->itemText(i),
                     QString::fromStdString(stadiums[i].names[0]));
        // The French names came from fre.db.
        qira::string_table french;
        QVERIFY(qira::load_language_file(f.lang_file("fre"), french).ok());
        const auto* first_name = french.text_of(20000000 + 10 * stadiums[0].keys[0]);
        QVERIFY(first_name);
        QCOMPARE(w.team->cobo_stadium->itemText(0), QString::fromStdString(*first_name));

        w.Button4->click();
        w.Button14->click();
        QVERIFY(in_no_database(w));
        w.Button1->click();
        QVERIFY(in_editing(w));
        QCOMPARE(w.team->cobo_stadium->count(), static_cast<int>(stadiums.size()));
    }

    void progress_advances_once_per_table() {
        fixture f;
        write_test_install(f.install.path(), test_database());
        TForm1& w = f.start();
        std::vector<int> seen;
        bool shown_while_loading = true;
        QObject::connect(w.pb, &QProgressBar::valueChanged, [&](int value) {
            seen.push_back(value);
            shown_while_loading = shown_while_loading && (!w.pb->isHidden() || value == 0);
        });
        w.Button1->click();
        QVERIFY(in_editing(w));
        QVERIFY(shown_while_loading);

        std::vector<std::int64_t> rows;
        for (const auto& block : w.game.db.blocks)
            rows.push_back(block.row_count);
        std::vector<int> expected;
        int position = 0;
        for (int share : qira::progress_shares(rows)) {
            position = std::min(position + share, 100);
            if (share > 0)
                expected.push_back(position);
        }
        expected.push_back(0); // reset when the editing views appear
        QCOMPARE(seen, expected);
    }

    void toggle_between_start_screen_and_editing() {
        fixture f;
        write_test_install(f.install.path(), test_database());
        TForm1& w = f.start();
        w.Button1->click();
        QVERIFY(in_editing(w));
        w.Button4->click();
        QVERIFY(in_start_over_open(w));
        w.Button4->click();
        QVERIFY(in_editing(w));
        w.Button4->click();
        w.Button14->click();
        QVERIFY(in_no_database(w));
        QVERIFY(f.sink.asked.empty());
    }

    void close_asks_about_unsaved_changes() {
        fixture f;
        write_test_install(f.install.path(), test_database());
        TForm1& w = f.start();
        w.Button1->click();
        mark_unsaved(w);
        w.Button4->click();
        f.sink.answers = {false};
        w.Button14->click();
        QCOMPARE(f.sink.asked.size(), std::size_t{1});
        QCOMPARE(f.sink.asked[0].text,
                 QStringLiteral("There are changes that have not been saved. Discard them?"));
        QVERIFY(in_start_over_open(w));
        f.sink.answers = {true};
        w.Button14->click();
        QVERIFY(in_no_database(w));
        // Discarded once: leaving now asks nothing.
        w.Button10->click();
        QCOMPARE(f.sink.asked.size(), std::size_t{2});
        QVERIFY(w.isHidden());
    }

    void save_rewrites_both_files() {
        fixture f;
        write_test_install(f.install.path(), test_database());
        TForm1& w = f.start();
        w.Button1->click();
        QVERIFY(in_editing(w));
        // Edits as the pages make them: a value of the database, a localized name.
        auto& player = w.game.db.overall[qira::table_index::players].rows[1];
        player.values[*w.game.db.field_slot(qira::table_index::players, "height")] = 191;
        w.game.db.overall[qira::table_index::teams].rows[0].names[1] = "ROVRS";
        mark_unsaved(w);
        w.Button4->click();
        w.Button11->click();
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));
        QVERIFY(!w.has_unsaved_changes());
        QVERIFY(in_start_over_open(w));
        QVERIFY(w.save_status->text().contains("qira.db"));

        qira::string_table lang;
        QVERIFY(qira::load_language_file(f.lang_file(), lang).ok());
        QCOMPARE(*lang.text_of(30000000 + 10 * 20 + 1), std::string("ROVRS"));
        qira::database db;
        QVERIFY(qira::load_database(f.db_file(), &lang, db).ok());
        const int height = *db.field_slot(qira::table_index::players, "height");
        QCOMPARE(db.overall[qira::table_index::players].rows[1].values[height], 191u);
        // Nothing left beside the files.
        QCOMPARE(std::distance(fs::directory_iterator(f.db_file().parent_path()),
                               fs::directory_iterator()),
                 2);
        w.Button10->click();
        QVERIFY(f.sink.asked.empty());
    }

    void failed_database_save_writes_neither_file() {
        fixture f;
        write_test_install(f.install.path(), test_database());
        TForm1& w = f.start();
        w.Button1->click();
        w.game.db.overall[qira::table_index::teams].rows[0].names[0] = "Changed";
        mark_unsaved(w);
        const auto db_before = read_file(f.db_file());
        const auto lang_before = read_file(f.lang_file());
        make_read_only(f.db_file());
        w.Button4->click();
        w.Button11->click();
        QCOMPARE(f.sink.shown.size(), std::size_t{1});
        QCOMPARE(f.sink.shown[0].caption, QStringLiteral("Error"));
        QVERIFY2(f.sink.shown[0].text.contains("qira.db") &&
                     f.sink.shown[0].text.contains("read-only") &&
                     f.sink.shown[0].text.contains(
                         "Nothing was saved: qira.db and eng.db are as they were."),
                 qPrintable(f.sink.all()));
        QCOMPARE(read_file(f.db_file()), db_before);
        QCOMPARE(read_file(f.lang_file()), lang_before);
        QVERIFY(w.has_unsaved_changes());
        QVERIFY(in_start_over_open(w));
    }

    void save_changes_reports_a_failure_at_every_step_of_the_write() {
        using step = failing_ops::step;
        for (step s : {step::create, step::write, step::flush, step::close, step::replace}) {
            fixture f;
            write_test_install(f.install.path(), test_database());
            TForm1& w = f.start();
            w.Button1->click();
            w.game.db.overall[qira::table_index::teams].rows[0].names[0] = "Changed";
            mark_unsaved(w);
            const auto db_before = read_file(f.db_file());
            const auto lang_before = read_file(f.lang_file());
            failing_ops ops;
            ops.fail_at = s;
            w.set_file_ops(ops);
            w.Button4->click();
            w.Button11->click();
            QCOMPARE(f.sink.shown.size(), std::size_t{1});
            QVERIFY2(f.sink.shown[0].text.contains("qira.db") &&
                         f.sink.shown[0].text.contains("injected"),
                     qPrintable(f.sink.all()));
            QCOMPARE(read_file(f.db_file()), db_before);
            QCOMPARE(read_file(f.lang_file()), lang_before);
            // No temporary file beside qira.db: only it and the fe folder.
            QCOMPARE(std::distance(fs::directory_iterator(f.db_file().parent_path()),
                                   fs::directory_iterator{}),
                     2);
            QVERIFY(w.has_unsaved_changes());
        }
    }

    void failed_language_save_is_reported() {
        fixture f;
        write_test_install(f.install.path(), test_database());
        TForm1& w = f.start();
        w.Button1->click();
        w.game.db.overall[qira::table_index::teams].rows[0].names[0] = "Changed";
        mark_unsaved(w);
        const auto db_before = read_file(f.db_file());
        const auto lang_before = read_file(f.lang_file());
        make_read_only(f.lang_file());
        w.Button4->click();
        w.Button11->click();
        // Both files or neither: qira.db is not written either.
        QCOMPARE(f.sink.shown.size(), std::size_t{1});
        QVERIFY2(f.sink.shown[0].text.contains("eng.db") &&
                     f.sink.shown[0].text.contains("read-only") &&
                     f.sink.shown[0].text.contains("Nothing was saved"),
                 qPrintable(f.sink.all()));
        QCOMPARE(read_file(f.db_file()), db_before);
        QCOMPARE(read_file(f.lang_file()), lang_before);
        QVERIFY(w.has_unsaved_changes());
    }

#ifndef _WIN32
    // An install copied from Windows with other letter case: Data/CMN/QIRA.DB.
    void file_names_match_whatever_their_case() {
        fixture f;
        write_test_install(f.install.path(), test_database());
        const fs::path cmn = f.install.path() / "data" / "cmn";
        fs::rename(cmn / "fe" / "eng.db", cmn / "fe" / "ENG.DB");
        fs::rename(cmn / "fe", cmn / "FE");
        fs::rename(cmn / "qira.db", cmn / "QIRA.DB");
        fs::rename(cmn, f.install.path() / "data" / "CMN");
        fs::rename(f.install.path() / "data", f.install.path() / "Data");
        TForm1& w = f.start();
        w.Button1->click();
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));
        QVERIFY(in_editing(w));
        // Saving replaces the files under their own names.
        w.Button4->click();
        w.Button11->click();
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));
        QVERIFY(fs::exists(f.install.path() / "Data" / "CMN" / "QIRA.DB"));
        QVERIFY(fs::exists(f.install.path() / "Data" / "CMN" / "FE" / "ENG.DB"));
        QVERIFY(!fs::exists(f.install.path() / "data"));
    }
#endif
};

QTEST_MAIN(commands_test)
#include "commands_test.moc"
