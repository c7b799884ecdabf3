// Start-up and leaving: what the window reads from the registry, what it writes back, and the
// questions about unsaved changes.

#include "app_test_support.h"

#include "app/game_paths.h"
#include "app/registry.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

using namespace qira::test;

class startup_test : public QObject {
    Q_OBJECT

  private slots:
    void first_run_creates_both_keys() {
        test_registry registry;
        QVERIFY(!qira::registry_key_exists(qira::install_key));
        recording_sink sink;
        TForm1 w(&sink);
        QVERIFY(qira::registry_key_exists(qira::install_key));
        QVERIFY(qira::registry_key_exists(qira::editor_key));
        QVERIFY(w.Edit1->text().isEmpty());
        QCOMPARE(w.cb_lng->currentIndex(), 0);
        QCOMPARE(w.cb_lng->currentText(), QStringLiteral("English"));
        QVERIFY(sink.shown.empty());
        // Both paths are relative to the working folder.
        QCOMPARE(w.database_path_text(), QStringLiteral("data\\cmn\\qira.db"));
        QCOMPARE(w.language_path_text(), QStringLiteral("data\\cmn\\fe\\eng.db"));
        // Nothing is written at start-up beyond the keys themselves.
        QVERIFY(!registry.get(qira::editor_key, qira::language_value));
        QVERIFY(!registry.get(qira::install_key, qira::install_dir_value));
    }

    void install_dir_is_taken_as_a_prefix() {
        test_registry registry;
        registry.set(qira::install_key, qira::install_dir_value, QStringLiteral("C:\\Games\\Q"));
        recording_sink sink;
        TForm1 w(&sink);
        QCOMPARE(w.Edit1->text(), QStringLiteral("C:\\Games\\Q"));
        // Without a trailing backslash the file names are glued to the folder's last name.
        QCOMPARE(w.database_path_text(), QStringLiteral("C:\\Games\\Qdata\\cmn\\qira.db"));
    }

    void remembered_language_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("message");
        QTest::newRow("3") << "3" << 3 << "";
        QTest::newRow("5") << "5" << 5 << "";
        QTest::newRow("9") << "9" << 0 << "";
        QTest::newRow("-1") << "-1" << 0 << "";
        QTest::newRow("empty") << "" << 0 << "";
        QTest::newRow("abc") << "abc" << 0 << "'abc' is not a valid integer value";
        QTest::newRow("3x") << "3x" << 0 << "'3x' is not a valid integer value";
    }
    void remembered_language() {
        QFETCH(QString, stored);
        QFETCH(int, selected);
        QFETCH(QString, message);
        test_registry registry;
        registry.set(qira::editor_key, qira::language_value, stored);
        recording_sink sink;
        TForm1 w(&sink);
        QCOMPARE(w.cb_lng->currentIndex(), selected);
        if (message.isEmpty()) {
            QVERIFY2(sink.shown.empty(), qPrintable(sink.all()));
        } else {
            QCOMPARE(sink.shown.size(), std::size_t{1});
            QCOMPARE(sink.shown[0].caption, QStringLiteral("QIRA DB EDITOR 2004"));
            QCOMPARE(sink.shown[0].text, message);
        }
    }

    void remembered_language_picks_the_file_to_open() {
        test_registry registry;
        registry.set(qira::editor_key, qira::language_value, QStringLiteral("3"));
        recording_sink sink;
        TForm1 w(&sink);
        QCOMPARE(w.cb_lng->currentText(), QStringLiteral("Francais"));
        QCOMPARE(w.language_path_text(), QStringLiteral("data\\cmn\\fe\\fre.db"));
    }

    void a_registry_that_cannot_be_used_is_skipped() {
        test_registry registry;
        // The registry file is a folder: no key opens, nothing is shown.
        QVERIFY(QDir().mkpath(registry.file()));
        recording_sink sink;
        TForm1 w(&sink);
        QVERIFY(sink.shown.empty());
        QVERIFY(w.Edit1->text().endsWith(QLatin1String("data\\cmn\\qira.db")));
        QCOMPARE(w.cb_lng->currentIndex(), 0);
        w.Button10->click();
        QVERIFY(w.isHidden());
    }

    void exit_stores_the_language_without_opening() {
        test_registry registry;
        recording_sink sink;
        TForm1 w(&sink);
        w.show();
        w.cb_lng->setCurrentIndex(4);
        w.Button10->click();
        QCOMPARE(registry.get(qira::editor_key, qira::language_value), QStringLiteral("4"));
        QVERIFY(w.isHidden());
        QVERIFY(sink.asked.empty());

        // The next start selects it again.
        TForm1 next(&sink);
        QCOMPARE(next.cb_lng->currentText(), QStringLiteral("Deutch"));
    }

    void closing_the_window_works_as_exit() {
        test_registry registry;
        recording_sink sink;
        TForm1 w(&sink);
        w.show();
        w.cb_lng->setCurrentIndex(2);
        QVERIFY(w.close());
        QCOMPARE(registry.get(qira::editor_key, qira::language_value), QStringLiteral("2"));
        QVERIFY(sink.asked.empty());
    }

    void leaving_with_unsaved_changes_asks_once() {
        test_registry registry;
        recording_sink sink;
        TForm1 w(&sink);
        w.show();
        mark_unsaved(w);
        sink.answers = {false};
        w.Button10->click();
        QCOMPARE(sink.asked.size(), std::size_t{1});
        QCOMPARE(sink.asked[0].text,
                 QStringLiteral("There are changes that have not been saved. Discard them?"));
        QVERIFY(w.isVisible());
        QVERIFY(!registry.get(qira::editor_key, qira::language_value));

        // The window manager's close box asks the same and is refused the same.
        sink.answers = {false};
        QVERIFY(!w.close());
        QCOMPARE(sink.asked.size(), std::size_t{2});
        QVERIFY(w.isVisible());

        sink.answers = {true};
        w.Button10->click();
        QCOMPARE(sink.asked.size(), std::size_t{3});
        QVERIFY(w.isHidden());
        QCOMPARE(registry.get(qira::editor_key, qira::language_value), QStringLiteral("0"));
    }
};

QTEST_MAIN(startup_test)
#include "startup_test.moc"
