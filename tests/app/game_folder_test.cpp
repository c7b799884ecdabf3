// Where the window finds the game: the registry's value, a Wine prefix's system.reg, the
// "Game folder..." chooser and its check; and the registry's user and machine keys, where the
// machine's may not be written.

#include "app_test_support.h"

#include "app/registry.h"

#include <QDir>
#include <QPushButton>

#include <fstream>

using namespace qira::test;

namespace {

namespace fs = std::filesystem;

// A prefix as Wine makes it: drive_c, dosdevices/c: linking to it, and system.reg naming the
// game's folder in the given key.
void write_prefix(const fs::path& prefix, const std::string& key, const std::string& dir) {
    fs::create_directories(prefix / "drive_c");
#ifndef _WIN32
    fs::create_directories(prefix / "dosdevices");
    fs::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
#endif
    std::ofstream out(prefix / "system.reg", std::ios::binary);
    out << "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n"
        << "[" << key << "] 1700000000\n#time=1d9a3c1f2b4e6a0\n"
        << "\"Install Dir\"=\"" << dir << "\"\n";
}

const char game_key_32[] = "Software\\\\Wow6432Node\\\\ZQ sports\\\\QIRA 2004";
const char game_key[] = "Software\\\\ZQ sports\\\\QIRA 2004";

fs::path wine_prefix() {
    return fs::path(qgetenv("WINEPREFIX").toStdString());
}

QString text_of(const fs::path& p) {
    return QString::fromStdString(p.string());
}

} // namespace

class game_folder_test : public QObject {
    Q_OBJECT

  private slots:
    // --- The search at start-up

    void a_game_in_the_wine_prefix_opens_with_no_settings() {
#ifdef _WIN32
        QSKIP("Wine's prefixes are searched on Linux; on Windows the registry itself holds the "
              "game's keys (windows_registry_test)");
#endif
        test_registry registry;
        const fs::path prefix = wine_prefix();
        // Installed by a 32-bit installer on a 64-bit prefix, in other case than on disk.
        write_prefix(prefix, game_key_32, "C:\\\\Program Files (x86)\\\\QIRA 2004\\\\");
        write_test_install(prefix / "drive_c" / "Program Files (x86)" / "qira 2004",
                           test_database());
        recording_sink sink;
        TForm1 w(&sink);
        QCOMPARE(w.Edit1->text(),
                 text_of(prefix / "dosdevices" / "c:" / "Program Files (x86)" / "QIRA 2004" / ""));
        QVERIFY(w.Button15->isHidden());
        w.Button1->click();
        QVERIFY2(in_editing(w), qPrintable(sink.all()));
        // What was found is not written anywhere.
        QVERIFY(!registry.get(qira::install_key, qira::install_dir_value));
    }

    void the_search_order() {
#ifdef _WIN32
        QSKIP("Wine's prefixes are searched on Linux; on Windows the registry itself holds the "
              "game's keys (windows_registry_test)");
#endif
        test_registry registry;
        temp_dir mine;
        const fs::path prefix = wine_prefix();
        write_prefix(prefix, game_key, "C:\\\\Q\\\\");
        write_test_install(prefix / "drive_c" / "Q", test_database());
        write_test_install(mine.path(), test_database());
        recording_sink sink;
        {
            // The editor's own value wins when it holds the database.
            registry.set(qira::install_key, qira::install_dir_value, install_dir_text(mine.path()));
            TForm1 w(&sink);
            QCOMPARE(w.Edit1->text(), install_dir_text(mine.path()));
        }
        {
            // A value that holds no database gives way to the prefix.
            registry.set(qira::install_key, qira::install_dir_value, QStringLiteral("/gone/"));
            TForm1 w(&sink);
            QCOMPARE(w.Edit1->text(), text_of(prefix / "dosdevices" / "c:" / "Q" / ""));
        }
        {
            // $WINEPREFIX comes before ~/.wine.
            const fs::path home_prefix = fs::path(qgetenv("HOME").toStdString()) / ".wine";
            write_prefix(home_prefix, game_key, "C:\\\\Home\\\\");
            write_test_install(home_prefix / "drive_c" / "Home", test_database());
            TForm1 w(&sink);
            QCOMPARE(w.Edit1->text(), text_of(prefix / "dosdevices" / "c:" / "Q" / ""));
            fs::remove_all(prefix);
            TForm1 next(&sink);
            QCOMPARE(next.Edit1->text(), text_of(home_prefix / "dosdevices" / "c:" / "Home" / ""));
        }
        QVERIFY2(sink.shown.empty(), qPrintable(sink.all()));
    }

    void nothing_found_offers_the_chooser() {
        test_registry registry;
        registry.set(qira::install_key, qira::install_dir_value, QStringLiteral("C:\\Games\\Q\\"));
        // A damaged system.reg is passed over quietly.
        fs::create_directories(wine_prefix());
        std::ofstream(wine_prefix() / "system.reg", std::ios::binary)
            << "WINE REGISTRY Version 2\n[Software\\\\ZQ sports\\\\QIRA 2004\n\"Install Dir\"=\"C:";
        recording_sink sink;
        TForm1 w(&sink);
        w.show();
        // As before: the registry's value as it is.
        QCOMPARE(w.Edit1->text(), QStringLiteral("C:\\Games\\Q\\"));
        QVERIFY(!w.Button15->isHidden());
        QVERIFY(w.save_status->text().contains(QLatin1String("\"Game folder...\"")));
        QVERIFY(sink.shown.empty());
        // Reached from "Open Database" with Tab, and named for screen readers.
        QCOMPARE(w.Button1->nextInFocusChain(), w.Button15);
        QCOMPARE(w.Button15->accessibleName(), QStringLiteral("Choose the game's folder"));
        QVERIFY(w.Button15->focusPolicy() & Qt::TabFocus);
    }

    void a_failed_open_offers_the_chooser() {
        test_registry registry;
        temp_dir install;
        write_test_install(install.path(), test_database());
        registry.set(qira::install_key, qira::install_dir_value, install_dir_text(install.path()));
        recording_sink sink;
        TForm1 w(&sink);
        QVERIFY(w.Button15->isHidden());
        fs::remove(database_file(install.path()));
        w.Button1->click();
        QCOMPARE(sink.shown.size(), std::size_t{1});
        QVERIFY(!w.Button15->isHidden());
    }

    // --- "Game folder..."

    void the_chosen_folder_is_checked_and_remembered() {
        test_registry registry;
        temp_dir install;
        temp_dir empty;
        write_test_install(install.path(), test_database());
        recording_sink sink;
        TForm1 w(&sink);
        QVERIFY(!w.Button15->isHidden());
        QStringList answers = {QString(), text_of(empty.path()), text_of(install.path())};
        QStringList starts;
        w.set_folder_chooser([&](const QString& start) {
            starts << start;
            return answers.takeFirst();
        });

        // Cancelled: nothing happens.
        w.Button15->click();
        QVERIFY(sink.shown.empty());
        QVERIFY(!registry.get(qira::install_key, qira::install_dir_value));

        // A folder without the database: a message naming it, nothing changes.
        w.Button15->click();
        QCOMPARE(sink.shown.size(), std::size_t{1});
        QVERIFY2(sink.shown[0].text.startsWith(QDir::toNativeSeparators(text_of(empty.path()))),
                 qPrintable(sink.all()));
        QVERIFY(sink.shown[0].text.contains(QLatin1String("holds no data\\cmn\\qira.db")));
        QVERIFY(w.Edit1->text().isEmpty());
        QVERIFY(!registry.get(qira::install_key, qira::install_dir_value));

        // The game's folder: taken, remembered, and it opens.
        w.Button15->click();
        QCOMPARE(sink.shown.size(), std::size_t{1});
        QCOMPARE(w.Edit1->text(), install_dir_text(install.path()));
        QCOMPARE(registry.get(qira::install_key, qira::install_dir_value),
                 install_dir_text(install.path()));
        QVERIFY(w.save_status->text().contains(install_dir_text(install.path())));
        w.Button1->click();
        QVERIFY2(in_editing(w), qPrintable(sink.all()));
        QVERIFY(!w.Button15->isEnabled());
        w.Button4->click();
        w.Button14->click();
        QVERIFY(w.Button15->isEnabled());

        // The next start finds it at once.
        TForm1 next(&sink);
        QCOMPARE(next.Edit1->text(), install_dir_text(install.path()));
        QVERIFY(next.Button15->isHidden());
    }

    void a_folder_in_other_case_is_taken() {
        test_registry registry;
        temp_dir install;
        qira::database db = test_database();
        fs::create_directories(install / "Data" / "CMN" / "FE");
        QVERIFY(qira::save_database(install / "Data" / "CMN" / "QIRA.DB", db).ok());
        recording_sink sink;
        TForm1 w(&sink);
        w.set_folder_chooser([&](const QString&) { return text_of(install.path()); });
        w.Button15->click();
        QVERIFY2(sink.shown.empty(), qPrintable(sink.all()));
        QCOMPARE(w.Edit1->text(), install_dir_text(install.path()));
    }

    // --- The user's and the machine's keys

    void without_administrator_rights_the_language_goes_to_the_user() {
        test_registry registry;
        qputenv("QIRA_REGISTRY_MACHINE", "read-only");
        recording_sink sink;
        {
            TForm1 w(&sink);
            w.show();
            w.cb_lng->setCurrentIndex(3);
            w.Button10->click();
        }
        QVERIFY(!registry.get(qira::editor_key, qira::language_value));
        QCOMPARE(registry.get_user(qira::editor_key, qira::language_value), QStringLiteral("3"));
        TForm1 next(&sink);
        QCOMPARE(next.cb_lng->currentIndex(), 3);
        QVERIFY(sink.shown.empty());
    }

    void the_user_value_comes_first_and_follows_the_machine() {
        test_registry registry;
        registry.set(qira::editor_key, qira::language_value, QStringLiteral("1"));
        registry.set_user(qira::editor_key, qira::language_value, QStringLiteral("2"));
        recording_sink sink;
        {
            TForm1 w(&sink);
            QCOMPARE(w.cb_lng->currentIndex(), 2);
            w.show();
            w.cb_lng->setCurrentIndex(4);
            w.Button10->click();
        }
        // Written to the machine's key where that works, and the user's copy kept equal.
        QCOMPARE(registry.get(qira::editor_key, qira::language_value), QStringLiteral("4"));
        QCOMPARE(registry.get_user(qira::editor_key, qira::language_value), QStringLiteral("4"));
    }

    void the_chosen_folder_is_remembered_without_administrator_rights() {
        test_registry registry;
        qputenv("QIRA_REGISTRY_MACHINE", "read-only");
        temp_dir install;
        write_test_install(install.path(), test_database());
        recording_sink sink;
        TForm1 w(&sink);
        w.set_folder_chooser([&](const QString&) { return text_of(install.path()); });
        w.Button15->click();
        QCOMPARE(registry.get_user(qira::install_key, qira::install_dir_value),
                 install_dir_text(install.path()));
        TForm1 next(&sink);
        QCOMPARE(next.Edit1->text(), install_dir_text(install.path()));
        QVERIFY(sink.shown.empty());
    }
};

QTEST_MAIN(game_folder_test)
#include "game_folder_test.moc"
