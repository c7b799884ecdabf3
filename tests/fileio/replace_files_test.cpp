// Replacing several files together: the files already replaced are put back when a later one
// fails, a file that was not there before is removed again, and an old file's content is kept
// by a second name or a copy while the save runs.

#include "fileio/safe_file.h"
#include "support/failing_ops.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qira {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> bytes_of(std::string_view text) {
    return {text.begin(), text.end()};
}

file_replacement holding(const fs::path& target, std::string text) {
    return {target, [text = std::move(text)](const piece_fn& write) {
                const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
                write(std::span(data, text.size()));
            }};
}

TEST(ReplaceFiles, ALaterFailurePutsBackWhatWasReplacedAndRemovesWhatWasNew) {
    // a and c exist, b does not; the third rename (c's) fails.
    test::temp_dir dir;
    test::write_file(dir / "a", bytes_of("old a"));
    test::write_file(dir / "c", bytes_of("old c"));
    const std::vector<file_replacement> files{
        holding(dir / "a", "new a"), holding(dir / "b", "new b"), holding(dir / "c", "new c")};
    test::failing_ops ops;
    ops.fail_at = test::failing_ops::step::replace;
    ops.fail_replace = 3;
    const auto r = replace_files(files, ops);
    EXPECT_EQ(r.value.left, replace_state::unchanged);
    EXPECT_EQ(r.value.file, 2u);
    EXPECT_EQ(r.message(),
              "Could not save " + (dir / "c").string() +
                  ": injected replace failure. a and b had already been replaced and were put "
                  "back. Nothing was saved: a, b and c are as they were.");
    EXPECT_EQ(test::read_file(dir / "a"), bytes_of("old a"));
    EXPECT_EQ(test::read_file(dir / "c"), bytes_of("old c"));
    auto left = dir.list();
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"a", "c"}));

    // Without a fault all three are written, and nothing else is left.
    ASSERT_TRUE(replace_files(files));
    for (const char* name : {"a", "b", "c"})
        EXPECT_EQ(test::read_file(dir / name), bytes_of(std::string("new ") + name));
    EXPECT_EQ(dir.list().size(), 3u);
}

TEST(ReplaceFiles, OneFileNamedTwiceIsRefusedAndKept) {
    test::temp_dir dir;
    test::write_file(dir / "a", bytes_of("old a"));
    for (const fs::path& twice : {dir / "a", dir / "sub" / ".." / "a", dir / "b"}) {
        SCOPED_TRACE(twice.string());
        fs::create_directories(dir / "sub");
        const fs::path first = twice.filename() == "b" ? dir / "b" : dir / "a";
        const std::vector<file_replacement> files{holding(first, "new 1"), holding(twice, "new 2")};
        const auto r = replace_files(files);
        EXPECT_FALSE(r.ok());
        EXPECT_NE(r.message().find("named for two of the files"), std::string::npos);
        EXPECT_TRUE(test::read_file(dir / "a") == bytes_of("old a"));
        EXPECT_FALSE(fs::exists(dir / "b"));
    }
}

TEST(ReplaceFiles, TheOldContentIsKeptByASecondNameOrACopy) {
    test::temp_dir dir;
    test::write_file(dir / "qira.db", bytes_of("old"));
    struct copying : file_ops {
        result_of<std::unique_ptr<output_file>> create_new(const fs::path& p) override {
            return native_file_ops().create_new(p);
        }
        result replace(const fs::path& a, const fs::path& b) override {
            return native_file_ops().replace(a, b);
        }
        result remove(const fs::path& p) override { return native_file_ops().remove(p); }
        result may_replace(const fs::path& p) override { return native_file_ops().may_replace(p); }
    } copy_ops; // keeps through the copy that file systems without hard links get
    for (file_ops* ops : {&native_file_ops(), static_cast<file_ops*>(&copy_ops)}) {
        const result kept = ops->keep_copy(dir / "qira.db", dir / "kept");
        ASSERT_TRUE(kept) << kept.message();
        EXPECT_EQ(test::read_file(dir / "kept"), bytes_of("old"));
        // The original is replaced by a rename, as a save does: the kept content stays.
        test::write_file(dir / "new", bytes_of("new"));
        const result moved = ops->replace(dir / "new", dir / "qira.db");
        ASSERT_TRUE(moved) << moved.message();
        EXPECT_EQ(test::read_file(dir / "kept"), bytes_of("old"));
        // A name that is taken is refused.
        const result taken = ops->keep_copy(dir / "qira.db", dir / "kept");
        EXPECT_FALSE(taken);
        EXPECT_FALSE(taken.problem.empty());
        EXPECT_EQ(test::read_file(dir / "kept"), bytes_of("old"));
        const result removed = ops->remove(dir / "kept");
        ASSERT_TRUE(removed) << removed.message();
        test::write_file(dir / "qira.db", bytes_of("old"));
    }
}

} // namespace
} // namespace qira
