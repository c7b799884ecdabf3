// The operating system's file calls behind safe replacement, for real: on Linux the POSIX calls,
// on Windows (built with MinGW-w64 and run under Wine by scripts/cross-windows.sh) the Win32
// calls. Creating a new file, writing, flushing, replacing an existing file, refusing a read-only
// one, and paths that are long or not ASCII.

#include "fileio/memory.h"
#include "fileio/safe_file.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

namespace qira {
namespace {

namespace fs = std::filesystem;
using test::temp_dir;

std::vector<std::uint8_t> bytes_of(std::string_view text) {
    return {text.begin(), text.end()};
}

// A name in several scripts, as UTF-8.
fs::path non_ascii_name() {
    return fs::path(u8"Spi\u00e9l-\u65e5\u672c-\u0416.db");
}

TEST(NativeFile, CreateNewWritesFlushesAndRefusesAnExistingFile) {
    temp_dir dir;
    file_ops& ops = native_file_ops();
    auto created = ops.create_new(dir / "new.db");
    ASSERT_TRUE(created) << created.message();
    output_file& out = *created.value;
    const auto content = bytes_of("written in two pieces");
    for (const result& r :
         {out.write(content.data(), 10), out.write(content.data() + 10, content.size() - 10),
          out.flush(), out.close()})
        ASSERT_TRUE(r) << r.message();
    EXPECT_EQ(test::read_file(dir / "new.db"), content);

    // A file that exists is never opened as new: that is what keeps two saves apart.
    const auto again = ops.create_new(dir / "new.db");
    EXPECT_FALSE(again);
    EXPECT_FALSE(again.problem.empty());
    EXPECT_EQ(test::read_file(dir / "new.db"), content);
}

TEST(NativeFile, ReplaceMovesOverAnExistingFile) {
    temp_dir dir;
    test::write_file(dir / "qira.db", bytes_of("old"));
    test::write_file(dir / "new.tmp", bytes_of("new"));
    const result moved = native_file_ops().replace(dir / "new.tmp", dir / "qira.db");
    ASSERT_TRUE(moved) << moved.message();
    EXPECT_EQ(test::read_file(dir / "qira.db"), bytes_of("new"));
    EXPECT_FALSE(fs::exists(dir / "new.tmp"));
    // Nothing to move: an error with the system's reason, the target untouched.
    const result nothing = native_file_ops().replace(dir / "gone.tmp", dir / "qira.db");
    EXPECT_FALSE(nothing);
    EXPECT_FALSE(nothing.problem.empty());
    EXPECT_EQ(test::read_file(dir / "qira.db"), bytes_of("new"));
    const result synced = native_file_ops().sync_folder(dir.path());
    ASSERT_TRUE(synced) << synced.message();
}

TEST(NativeFile, SafeReplaceOfAnExistingFileLeavesNothingBehind) {
    temp_dir dir;
    test::write_file(dir / "qira.db", bytes_of("old content"));
    const auto fresh = bytes_of("fresh content, longer than the old one");
    ASSERT_TRUE(safe_replace(dir / "qira.db", fresh).ok());
    EXPECT_EQ(test::read_file(dir / "qira.db"), fresh);
    EXPECT_EQ(dir.list(), std::vector<std::string>{"qira.db"});
    std::vector<std::uint8_t> read;
    ASSERT_TRUE(read_whole_file(dir / "qira.db", read).ok());
    EXPECT_EQ(read, fresh);
}

// Whole-file reads of sizes around the heap's and the system's page sizes, with the heap as the
// programs set it up: the bytes (every value, at every offset) kept.
TEST(NativeFile, WholeFileReadsOfEverySizeKeepTheBytes) {
    prefer_large_pages();
    temp_dir dir;
    constexpr std::size_t own = std::size_t{1} << 20;
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, own - 1, own, 3 * own + 7}) {
        std::vector<std::uint8_t> content(size);
        for (std::size_t i = 0; i < size; ++i)
            content[i] = static_cast<std::uint8_t>(i * 131 + i / 251);
        test::write_file(dir / "qira.db", content);
        file_bytes read;
        ASSERT_TRUE(read_whole_file(dir / "qira.db", read).ok()) << size;
        EXPECT_TRUE(std::equal(read.begin(), read.end(), content.begin(), content.end())) << size;
        file_bytes copy = read; // a copy and a growth keep the bytes
        copy.resize(copy.size() + own);
        EXPECT_TRUE(std::equal(read.begin(), read.end(), copy.begin())) << size;
    }
}

TEST(NativeFile, AReadOnlyFileIsRefusedAndKept) {
    temp_dir dir;
    const auto target = dir / "qira.db";
    test::write_file(target, bytes_of("old"));
    fs::permissions(target,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const result checked = native_file_ops().may_replace(target);
    EXPECT_FALSE(checked);
    EXPECT_EQ(checked.problem, "the file is read-only");
    const auto r = safe_replace(target, bytes_of("new"));
    fs::permissions(target, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(r.status, result::code::write_failed);
    EXPECT_NE(r.message().find("read-only"), std::string::npos) << r.message();
    EXPECT_EQ(test::read_file(target), bytes_of("old"));
    EXPECT_EQ(dir.list(), std::vector<std::string>{"qira.db"});
}

TEST(NativeFile, NonAsciiPaths) {
    temp_dir dir;
    const auto folder = dir.path() / fs::path(u8"QIRA 2004 \u00e4\u00f6\u00fc \u0645");
    fs::create_directories(folder);
    const auto target = folder / non_ascii_name();
    test::write_file(target, bytes_of("old"));
    const auto r = safe_replace(target, bytes_of("new"));
    ASSERT_TRUE(r.ok()) << r.message();
    std::vector<std::uint8_t> read;
    ASSERT_TRUE(read_whole_file(target, read).ok());
    EXPECT_EQ(read, bytes_of("new"));
    // A failure names the file.
    const auto missing = folder / "gone" / non_ascii_name();
    const auto failed = safe_replace(missing, bytes_of("x"));
    EXPECT_EQ(failed.status, result::code::write_failed);
    EXPECT_FALSE(failed.message().empty());
}

TEST(NativeFile, LongPaths) {
    temp_dir dir;
    // Deeper than 260 characters, the old limit of Windows paths, in folders of 50.
    fs::path folder = dir.path();
    while (folder.native().size() < 300)
        folder /= std::string(50, 'd');
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        GTEST_SKIP() << "this system cannot make a folder " << folder.native().size()
                     << " characters long: " << ec.message();
    const auto target = folder / "qira.db";
    test::write_file(target, bytes_of("old"));
    if (!fs::exists(target))
        GTEST_SKIP() << "this system cannot make a file in so long a path";
    const auto r = safe_replace(target, bytes_of("new"));
    ASSERT_TRUE(r.ok()) << r.message();
    std::vector<std::uint8_t> read;
    ASSERT_TRUE(read_whole_file(target, read).ok());
    EXPECT_EQ(read, bytes_of("new"));
}

} // namespace
} // namespace qira
