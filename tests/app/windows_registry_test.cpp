// The editor with the Windows registry itself (Windows only; run under Wine by
// scripts/cross-windows.sh in the run's own prefix): the game found through its keys in the
// 32-bit view a 32-bit installer writes, or in the native view; the editor's own values read from
// HKEY_CURRENT_USER before HKEY_LOCAL_MACHINE and written back to both.

#include "app_test_support.h"

#include "app/registry.h"
#include "app/win_registry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

using namespace qira::test;

namespace {

constexpr wchar_t game_key[] = L"Software\\ZQ sports\\QIRA 2004";
constexpr wchar_t editor_key[] = L"Software\\Brolt Software\\QIRA DB EDITOR 2004";

// The values through the registry calls the editor's layer is built on.
std::unique_ptr<qira::win::key> open_key(HKEY hive, REGSAM view, const wchar_t* key, bool create) {
    return qira::win::key::open(
        hive == HKEY_LOCAL_MACHINE ? qira::win::hive::machine : qira::win::hive::user, key,
        view == KEY_WOW64_32KEY ? qira::win::view::wow32 : qira::win::view::native, create);
}

void set_value(HKEY hive, REGSAM view, const wchar_t* key, const wchar_t* name,
               const std::wstring& value) {
    const auto k = open_key(hive, view, key, true);
    QVERIFY(k && k->write(name, value));
}

// The value as text; "(none)" when the key holds no such value.
QString get_value(HKEY hive, REGSAM view, const wchar_t* key, const wchar_t* name) {
    const auto k = open_key(hive, view, key, false);
    const auto value = k ? k->read(name) : std::nullopt;
    return value ? QString::fromStdWString(*value) : QStringLiteral("(none)");
}

// Both keys gone from both hives and both views.
void remove_keys() {
    for (HKEY hive : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
        for (REGSAM view : {REGSAM(KEY_WOW64_32KEY), REGSAM(KEY_WOW64_64KEY)})
            for (const wchar_t* key : {game_key, editor_key}) {
                HKEY k = nullptr;
                if (RegOpenKeyExW(hive, key, 0, KEY_ALL_ACCESS | view, &k) == ERROR_SUCCESS) {
                    RegDeleteTreeW(k, nullptr);
                    RegCloseKey(k);
                }
                RegDeleteKeyExW(hive, key, view, 0);
            }
}

std::wstring windows_dir(const std::filesystem::path& folder) {
    return folder.wstring() + L"\\";
}

} // namespace

class windows_registry_test : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        // The real registry, not a file standing for it.
        qunsetenv("QIRA_REGISTRY");
        remove_keys();
    }
    void cleanup() { remove_keys(); }

    // The game's installer is a 32-bit program: its "Install Dir" is in the 32-bit view, where a
    // 64-bit editor only sees it when it asks for that view. A folder named in the native view
    // is the second choice; a folder without the game is passed over.
    void the_game_is_found_through_the_registry_data() {
        QTest::addColumn<bool>("wow32_holds_game");
        QTest::addColumn<bool>("native_holds_game");
        QTest::addColumn<int>("found"); // 0 none, 32 or 64
        QTest::newRow("32-bit view") << true << false << 32;
        QTest::newRow("both views") << true << true << 32;
        QTest::newRow("native view") << false << true << 64;
        QTest::newRow("neither") << false << false << 0;
    }
    void the_game_is_found_through_the_registry() {
        QFETCH(bool, wow32_holds_game);
        QFETCH(bool, native_holds_game);
        QFETCH(int, found);
        temp_dir dir;
        const auto game32 = dir.path() / L"Spiele \u00e4\u65e5 32";
        const auto game64 = dir.path() / "Games 64";
        std::filesystem::create_directories(game32);
        std::filesystem::create_directories(game64);
        if (wow32_holds_game)
            write_test_install(game32, test_database());
        if (native_holds_game)
            write_test_install(game64, test_database());
        set_value(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY, game_key, L"Install Dir",
                  windows_dir(game32));
        set_value(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, game_key, L"Install Dir",
                  windows_dir(game64));

        recording_sink sink;
        TForm1 w(&sink);
        const QString shown = QDir::fromNativeSeparators(w.Edit1->text());
        if (found == 0) {
            QVERIFY(!w.Button15->isHidden());
            return;
        }
        const auto& expected = found == 32 ? game32 : game64;
        QCOMPARE(shown, QDir::fromNativeSeparators(QString::fromStdWString(windows_dir(expected))));
        QVERIFY(w.Button15->isHidden());
        w.Button1->click();
        QVERIFY2(in_editing(w), qPrintable(sink.all()));
    }

    // The editor's own values: the user's key first, then the machine's; a change is written to
    // the machine's key and to the user's where it holds the value, so neither hides the other.
    void the_users_values_come_before_the_machines() {
        set_value(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY, editor_key, L"language", L"3");
        set_value(HKEY_CURRENT_USER, KEY_WOW64_32KEY, editor_key, L"language", L"5");
        recording_sink sink;
        TForm1 w(&sink);
        QCOMPARE(w.cb_lng->currentIndex(), 5);
        w.cb_lng->setCurrentIndex(2);
        w.Button10->click(); // Exit stores the language
        QCOMPARE(get_value(HKEY_CURRENT_USER, KEY_WOW64_32KEY, editor_key, L"language"),
                 QStringLiteral("2"));
        QCOMPARE(get_value(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY, editor_key, L"language"),
                 QStringLiteral("2"));
        // The 32-bit view only: the native view holds nothing of the editor's.
        QCOMPARE(get_value(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, editor_key, L"language"),
                 QStringLiteral("(none)"));
    }

    void the_machines_value_serves_when_the_user_has_none() {
        set_value(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY, editor_key, L"language", L"4");
        recording_sink sink;
        TForm1 w(&sink);
        QCOMPARE(w.cb_lng->currentIndex(), 4);
        QVERIFY(sink.shown.empty());
    }
};

QTEST_MAIN(windows_registry_test)
#include "windows_registry_test.moc"
