// Finding the game without Qt: Wine's system.reg read from small files written here, Windows paths
// mapped through a prefix, and the order in which the places that may name the game are asked.

#include "app/install_search.h"
#include "app/wine_registry.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

namespace {

using qira::result;
using qira::test::temp_dir;
namespace fs = std::filesystem;
namespace wine = qira::wine;

const std::string header = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n"
                           "#arch=win64\n\n";

void write_text(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
}

wine::reg_values parse(const std::string& text, bool expect_ok = true) {
    std::istringstream in(text);
    wine::reg_values values;
    const result r = wine::parse_reg(in, {wine::game_key, wine::game_key_32}, values);
    EXPECT_EQ(r.ok(), expect_ok) << r.message();
    return values;
}

// --- The text form of system.reg

TEST(SystemReg, ReadsBothViewsOfTheGameKey) {
    const auto values =
        parse(header + "[Software\\\\Wow6432Node\\\\ZQ sports\\\\QIRA 2004] 1700000000\n"
                       "#time=1d9a3c1f2b4e6a0\n"
                       "\"Install Dir\"=\"C:\\\\Games\\\\QIRA 2004\\\\\"\n"
                       "\"Version\"=dword:00000001\n\n"
                       "[Software\\\\ZQ sports\\\\QIRA 2004] 1700000000\n"
                       "\"Install Dir\"=\"D:\\\\Q\\\\\"\n\n"
                       "[Software\\\\Other] 1\n"
                       "\"Install Dir\"=\"E:\\\\wrong\"\n");
    EXPECT_EQ(values.get(wine::game_key_32, "Install Dir"), "C:\\Games\\QIRA 2004\\");
    EXPECT_EQ(values.get(wine::game_key, "install dir"), "D:\\Q\\");
    EXPECT_FALSE(values.get("Software\\Other", "Install Dir")); // not asked for
    EXPECT_FALSE(values.get(wine::game_key_32, "Version"));     // not a text
}

TEST(SystemReg, KeyAndValueNamesIgnoreCaseAndKeepTheirEscapes) {
    const auto values = parse(header + "[SOFTWARE\\\\zq SPORTS\\\\qira 2004] 1\n"
                                       "\"INSTALL DIR\"=str(2):\"%ProgramFiles%\\\\Q\"\n"
                                       "@=\"default\"\n"
                                       "\"a\\\"b\"=\"x\"\n");
    EXPECT_EQ(values.get(wine::game_key, "Install Dir"), "%ProgramFiles%\\Q");
    EXPECT_EQ(values.get(wine::game_key, ""), "default");
    EXPECT_EQ(values.get(wine::game_key, "a\"b"), "x");
}

TEST(SystemReg, Escapes) {
    EXPECT_EQ(wine::unescape("C:\\\\A \\\"B\\\""), "C:\\A \"B\"");
    // \x with one to four hex digits is a UTF-16 unit; Wine writes four when a hex digit follows.
    EXPECT_EQ(wine::unescape("Spi\\xe9l"), "Spi\xC3\xA9l");
    EXPECT_EQ(wine::unescape("\\x00e9a"), "\xC3\xA9"
                                          "a");
    EXPECT_EQ(wine::unescape("\\x65e5\\x672c"), "\xE6\x97\xA5\xE6\x9C\xAC");
    // A surrogate pair is one character; a lone half is U+FFFD.
    EXPECT_EQ(wine::unescape("\\xd83d\\xde00"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(wine::unescape("\\xd83dx"), "\xEF\xBF\xBD"
                                          "x");
    EXPECT_EQ(wine::unescape("\\xde00"), "\xEF\xBF\xBD");
    EXPECT_EQ(wine::unescape("a\\tb\\n\\101"), "a\tb\nA");
    EXPECT_EQ(wine::unescape("\\xg"), "xg");
    EXPECT_FALSE(wine::unescape("broken\\"));
}

TEST(SystemReg, DamagedLinesAreSkipped) {
    const auto values = parse(header + "[Software\\\\ZQ sports\\\\QIRA 2004\n" // no bracket
                                       "\"Install Dir\"=\"C:\\\\no\"\n"
                                       "[Software\\\\ZQ sports\\\\QIRA 2004] 1\n"
                                       "\"Install Dir\"=\"C:\\\\unterminated\n"
                                       "\"Install Dir\"\n"
                                       "\"Install Dir\"=\"broken\\\\\\\"\n"
                                       "=\"x\"\n"
                                       "[Software\\\\Wow6432Node\\\\ZQ sports\\\\QIRA 2004] 1\n"
                                       "\"Install Dir\"=\"C:\\\\Q\\\\\"\n");
    EXPECT_FALSE(values.get(wine::game_key, "Install Dir"));
    EXPECT_EQ(values.get(wine::game_key_32, "Install Dir"), "C:\\Q\\");
}

TEST(SystemReg, RefusesWhatIsNoRegistryFile) {
    parse("", false);
    parse("REGEDIT4\n[Software\\\\ZQ sports\\\\QIRA 2004]\n", false);
    std::string binary(4096, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>(i * 131 % 256);
    parse(binary, false);
}

TEST(SystemReg, DamageAnywhereIsSurvived) {
    // A good file with bytes changed, cut short or doubled at random places: each is read or
    // refused with a reason, never read past its end (the sanitizers' build runs this too).
    const std::string good = header + "[Software\\\\Wow6432Node\\\\ZQ sports\\\\QIRA 2004] 1\n"
                                      "\"Install Dir\"=\"C:\\\\Spi\\xe9l\\\\\\\"Q\\\"\\\\\"\n"
                                      "@=str(2):\"%ProgramFiles%\\x00e9\"\n";
    EXPECT_EQ(parse(good).get(wine::game_key_32, "Install Dir"), "C:\\Spi\xC3\xA9l\\\"Q\"\\");
    std::mt19937 rng(2004);
    for (int round = 0; round < 2000; ++round) {
        std::string text = good;
        const int changes = 1 + static_cast<int>(rng() % 4);
        for (int c = 0; c < changes; ++c) {
            const std::size_t at = rng() % text.size();
            switch (rng() % 3) {
            case 0:
                text[at] = static_cast<char>(rng() % 256);
                break;
            case 1:
                text.resize(at);
                break;
            default:
                text.insert(at, text.substr(at, rng() % 40));
                break;
            }
            if (text.empty())
                break;
        }
        std::istringstream in(text);
        wine::reg_values values;
        if (const result r = wine::parse_reg(in, {wine::game_key_32}, values)) {
            if (const auto dir = values.get(wine::game_key_32, "Install Dir")) {
                EXPECT_LE(dir->size(), text.size() * 3) << "round " << round;
            }
        } else {
            EXPECT_FALSE(r.problem.empty());
        }
    }
}

TEST(SystemReg, AVeryLongLineIsSkippedAndTheRestRead) {
    const std::string long_value(wine::max_line + 10, 'a');
    const auto values = parse(header + "[Software\\\\ZQ sports\\\\QIRA 2004] 1\n" +
                              "\"Install Dir\"=\"" + long_value + "\"\n" + "\"Other\"=\"kept\"\n");
    EXPECT_FALSE(values.get(wine::game_key, "Install Dir"));
    EXPECT_EQ(values.get(wine::game_key, "Other"), "kept");
}

TEST(SystemReg, FilesThatCannotBeRead) {
    temp_dir dir;
    wine::reg_values values;
    result r = wine::read_reg_file(dir / "missing.reg", {wine::game_key}, values);
    EXPECT_FALSE(r);
    EXPECT_EQ(r.problem, "it does not exist");
    r = wine::read_reg_file(dir.path(), {wine::game_key}, values);
    EXPECT_FALSE(r);
    EXPECT_EQ(r.problem, "it is not a file");
    // Larger than the limit: refused by its size, without reading it.
    {
        std::ofstream out(dir / "huge.reg", std::ios::binary);
        out << header;
    }
    fs::resize_file(dir / "huge.reg", wine::max_file + 1);
    r = wine::read_reg_file(dir / "huge.reg", {wine::game_key}, values);
    EXPECT_FALSE(r);
    EXPECT_NE(r.problem.find("larger than"), std::string::npos) << r.problem;
}

// --- Windows paths in a prefix

TEST(WinePaths, DriveCThroughDosdevicesOrDriveC) {
    temp_dir prefix;
    fs::create_directories(prefix / "drive_c/Games");
    // Without dosdevices, C: is drive_c; other drives are unknown.
    EXPECT_EQ(wine::map_path(prefix.path(), "C:\\Games\\QIRA 2004\\"),
              prefix.path() / "drive_c" / "Games" / "QIRA 2004" / "");
    EXPECT_EQ(wine::map_path(prefix.path(), "c:/Games"), prefix.path() / "drive_c" / "Games");
    EXPECT_FALSE(wine::map_path(prefix.path(), "D:\\Games"));
    EXPECT_FALSE(wine::map_path(prefix.path(), "\\\\server\\share"));
    EXPECT_FALSE(wine::map_path(prefix.path(), "Games"));
    EXPECT_FALSE(wine::map_path(prefix.path(), ""));
}

TEST(WinePaths, DotDotNeverClimbsAboveTheDrive) {
    temp_dir prefix;
    fs::create_directories(prefix / "drive_c");
    const fs::path c = prefix.path() / "drive_c";
    const std::pair<const char*, fs::path> cases[] = {
        {"C:\\..\\..\\etc\\passwd", c / "etc" / "passwd"},
        {"C:\\Games\\..\\..\\..\\QIRA 2004\\", c / "QIRA 2004" / ""},
        {"C:\\Games\\QIRA\\..\\ZQ\\.\\QIRA 2004", c / "Games" / "ZQ" / "QIRA 2004"},
        {"C:/a/b/../../../..", c},
        {"C:..\\x", c / "x"},
        {"C:\\...\\x", c / "..." / "x"}, // a name, not a way up
    };
    for (const auto& [windows, unix] : cases) {
        const auto mapped = wine::map_path(prefix.path(), windows);
        ASSERT_TRUE(mapped) << windows;
        EXPECT_EQ(*mapped, unix) << windows;
    }
}

#ifndef _WIN32
TEST(WinePaths, DriveLinksInDosdevices) {
    temp_dir prefix;
    temp_dir elsewhere;
    fs::create_directories(prefix / "drive_c");
    fs::create_directories(prefix / "dosdevices");
    fs::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
    fs::create_directory_symlink(elsewhere.path(), prefix / "dosdevices/d:");
    EXPECT_EQ(wine::map_path(prefix.path(), "D:\\Spiele\\QIRA\\"),
              prefix.path() / "dosdevices" / "d:" / "Spiele" / "QIRA" / "");
    EXPECT_EQ(wine::map_path(prefix.path(), "c:\\x"), prefix.path() / "dosdevices" / "c:" / "x");
    // A link that leads nowhere is no drive.
    fs::create_directory_symlink(prefix / "gone", prefix / "dosdevices/e:");
    EXPECT_FALSE(wine::map_path(prefix.path(), "E:\\x"));
}
#endif

TEST(WinePaths, PrefixesToLookIn) {
    using paths = std::vector<fs::path>;
    EXPECT_EQ(wine::prefixes("/p/games/", "/home/u"), (paths{"/p/games", "/home/u/.wine"}));
    EXPECT_EQ(wine::prefixes("/home/u/.wine", "/home/u"), (paths{"/home/u/.wine"}));
    EXPECT_EQ(wine::prefixes("", "/home/u"), (paths{"/home/u/.wine"}));
    EXPECT_EQ(wine::prefixes(nullptr, nullptr), paths{});
}

TEST(WinePaths, TheGameInAPrefix) {
    temp_dir prefix;
    fs::create_directories(prefix / "drive_c");
    write_text(prefix / "system.reg",
               header + "[Software\\\\Wow6432Node\\\\ZQ sports\\\\QIRA 2004] 1\n"
                        "\"Install Dir\"=\"C:\\\\Program Files (x86)\\\\ZQ\\\\QIRA 2004\"\n");
    const auto report = wine::game_install_dirs(prefix.path());
    ASSERT_EQ(report.install_dirs.size(), 1u) << report.problem.message();
    // Always a folder: the window appends the file names to it.
    EXPECT_EQ(report.install_dirs[0],
              prefix.path() / "drive_c" / "Program Files (x86)" / "ZQ" / "QIRA 2004" / "");
}

TEST(WinePaths, APrefixThatSaysNothing) {
    temp_dir prefix;
    auto report = wine::game_install_dirs(prefix / "missing");
    EXPECT_TRUE(report.install_dirs.empty());
    EXPECT_NE(report.problem.message().find("does not exist"), std::string::npos)
        << report.problem.message();

    write_text(prefix / "system.reg", "garbage");
    report = wine::game_install_dirs(prefix.path());
    EXPECT_TRUE(report.install_dirs.empty());
    EXPECT_NE(report.problem.message().find("not a Wine registry file"), std::string::npos);

    write_text(prefix / "system.reg", header);
    report = wine::game_install_dirs(prefix.path());
    EXPECT_TRUE(report.install_dirs.empty());
    EXPECT_NE(report.problem.message().find("no \"Install Dir\""), std::string::npos);

    // The key names a drive the prefix does not have.
    write_text(prefix / "system.reg",
               header + "[Software\\\\ZQ sports\\\\QIRA 2004] 1\n\"Install Dir\"=\"Q:\\\\x\"\n");
    report = wine::game_install_dirs(prefix.path());
    EXPECT_TRUE(report.install_dirs.empty());
    EXPECT_NE(report.problem.message().find("Q:\\x"), std::string::npos)
        << report.problem.message();
}

// --- The order of the search

struct search_log {
    std::vector<std::string> asked;
    qira::install_source source(const std::string& name, std::vector<std::string> folders) {
        return {name, [this, name, folders] {
                    asked.push_back(name);
                    return folders;
                }};
    }
};

TEST(InstallSearch, TheFirstFolderHoldingTheDatabaseWins) {
    search_log log;
    const std::vector<qira::install_source> sources = {
        log.source("settings", {"/stale/"}),
        log.source("registry", {"", "/native/", "/wow64/"}),
        log.source("wine", {"/wine/"}),
    };
    const auto holds = [](const std::string& f) { return f == "/wow64/" || f == "/wine/"; };
    const auto found = qira::find_install(sources, holds);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->folder, "/wow64/");
    EXPECT_EQ(found->source, 1u);
    // The places after the winner are not asked.
    EXPECT_EQ(log.asked, (std::vector<std::string>{"settings", "registry"}));
}

TEST(InstallSearch, OwnSettingsComeFirstAndNothingFoundIsNothing) {
    search_log log;
    const std::vector<qira::install_source> sources = {
        log.source("settings", {"/mine/"}), log.source("wine", {"/wine/"}), {"empty", nullptr}};
    const auto all = [](const std::string&) { return true; };
    EXPECT_EQ(qira::find_install(sources, all)->folder, "/mine/");
    const auto none = [](const std::string&) { return false; };
    EXPECT_FALSE(qira::find_install(sources, none));
    EXPECT_FALSE(qira::find_install({}, all));
}

} // namespace
