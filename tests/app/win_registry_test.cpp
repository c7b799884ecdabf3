// The registry's Win32 calls (Windows only; run under Wine by scripts/cross-windows.sh): keys
// made and found in both hives, text values that are not ASCII, numbers, and the 32-bit view,
// which a 32-bit installer writes on 64-bit Windows and a 64-bit program must ask for.

#include "app/win_registry.h"

#include <gtest/gtest.h>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

namespace {

namespace win = qira::win;

// A key of the test's own below Software, removed from both hives and views before and after.
class WinRegistry : public ::testing::Test {
  protected:
    const std::wstring subkey =
        L"Software\\QIRA DB Editor tests\\" + std::to_wstring(GetCurrentProcessId());

    void SetUp() override { remove_all(); }
    void TearDown() override { remove_all(); }

    void remove_all() {
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
            for (REGSAM view : {REGSAM(KEY_WOW64_32KEY), REGSAM(KEY_WOW64_64KEY)}) {
                HKEY parent = nullptr;
                if (RegOpenKeyExW(root, L"Software", 0, KEY_ALL_ACCESS | view, &parent) !=
                    ERROR_SUCCESS)
                    continue;
                RegDeleteTreeW(parent, L"QIRA DB Editor tests");
                RegCloseKey(parent);
            }
    }
};

TEST_F(WinRegistry, AKeyIsMadeOnlyWhenAskedAndKeepsItsTexts) {
    EXPECT_FALSE(win::key::open(win::hive::user, subkey, win::view::wow32, false));
    EXPECT_FALSE(win::key::exists(win::hive::user, subkey, win::view::wow32));
    auto key = win::key::open(win::hive::user, subkey, win::view::wow32, true);
    ASSERT_TRUE(key);
    EXPECT_TRUE(key->writable());
    EXPECT_TRUE(win::key::exists(win::hive::user, subkey, win::view::wow32));

    EXPECT_FALSE(key->read(L"language"));
    ASSERT_TRUE(key->write(L"language", L"3"));
    const std::wstring folder = L"C:\\Spiele\\QIRA 2004 \u00e4\u65e5\\";
    ASSERT_TRUE(key->write(L"Install Dir", folder));
    ASSERT_TRUE(key->write(L"empty", std::wstring()));
    key.reset();

    auto again = win::key::open(win::hive::user, subkey, win::view::wow32, false);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->read(L"language"), L"3");
    EXPECT_EQ(again->read(L"INSTALL DIR"), folder); // value names ignore case
    EXPECT_EQ(again->read(L"empty"), L"");
}

TEST_F(WinRegistry, NumbersAreReadInDecimalAndOtherKindsNotAtAll) {
    auto key = win::key::open(win::hive::user, subkey, win::view::wow32, true);
    ASSERT_TRUE(key);
    HKEY raw = nullptr;
    ASSERT_EQ(
        RegOpenKeyExW(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_WRITE | KEY_WOW64_32KEY, &raw),
        ERROR_SUCCESS);
    const DWORD number = 5;
    RegSetValueExW(raw, L"language", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof number);
    const BYTE bytes[] = {1, 2, 3};
    RegSetValueExW(raw, L"blob", 0, REG_BINARY, bytes, sizeof bytes);
    // A text stored without its closing zero is read whole all the same.
    const wchar_t unterminated[] = {L'a', L'b', L'c'};
    RegSetValueExW(raw, L"cut", 0, REG_SZ, reinterpret_cast<const BYTE*>(unterminated),
                   sizeof unterminated);
    RegCloseKey(raw);
    EXPECT_EQ(key->read(L"language"), L"5");
    EXPECT_FALSE(key->read(L"blob"));
    EXPECT_EQ(key->read(L"cut"), L"abc");
}

TEST_F(WinRegistry, TheThirtyTwoBitViewIsWow6432NodeOfTheMachine) {
    // Written as the game's 32-bit installer does.
    auto installer = win::key::open(win::hive::machine, subkey, win::view::wow32, true);
    if (!installer)
        GTEST_SKIP() << "HKEY_LOCAL_MACHINE cannot be written by this user";
    ASSERT_TRUE(installer->write(L"Install Dir", L"C:\\Games\\QIRA 2004\\"));
    installer.reset();

    // The native view of a 64-bit system does not see it under the plain path...
    auto native = win::key::open(win::hive::machine, subkey, win::view::native, false);
    EXPECT_TRUE(!native || !native->read(L"Install Dir"));
    // ...but under Wow6432Node, while the 32-bit view finds it again.
    const std::wstring redirected =
        L"Software\\Wow6432Node\\QIRA DB Editor tests\\" + std::to_wstring(GetCurrentProcessId());
    auto node = win::key::open(win::hive::machine, redirected, win::view::native, false);
    ASSERT_TRUE(node);
    EXPECT_EQ(node->read(L"Install Dir"), L"C:\\Games\\QIRA 2004\\");
    auto wow32 = win::key::open(win::hive::machine, subkey, win::view::wow32, false);
    ASSERT_TRUE(wow32);
    EXPECT_EQ(wow32->read(L"Install Dir"), L"C:\\Games\\QIRA 2004\\");
}

} // namespace
