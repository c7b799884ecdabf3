#pragma once
// Reading a whole file, and replacing a file safely: the new content goes to a temporary file
// beside the target, is flushed, and only then replaces the target in one rename. On any failure
// the temporary file is removed and the target is left exactly as it was. Several files that
// belong together (the game database and its language file) are replaced together: all or none.
//
// The operations go through `file_ops`, so tests can make any step fail.

#include "fileio/bytes.h"
#include "fileio/result.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace qira {

// One file open for writing. Each operation fails with write_failed and the system's reason.
class output_file {
  public:
    virtual ~output_file() = default;
    virtual result write(const std::uint8_t* data, std::size_t size) = 0;
    virtual result flush() = 0; // to the disk, not just to the system
    virtual result close() = 0;
};

// The file operations of a save. Each fails with write_failed, the path it is about and the
// system's reason as the problem ("the file is read-only").
class file_ops {
  public:
    virtual ~file_ops() = default;
    // Creates a new file that must not exist yet.
    virtual result_of<std::unique_ptr<output_file>>
    create_new(const std::filesystem::path& path) = 0;
    // Moves `from` over `to`, replacing `to` when it exists.
    virtual result replace(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // Removes a file; fails when it is still there.
    virtual result remove(const std::filesystem::path& path) = 0;
    // Fails when an existing target may not be replaced (a read-only file).
    virtual result may_replace(const std::filesystem::path& path) = 0;
    // Makes a rename inside `folder` durable (POSIX: fsync of the folder), so that a power cut
    // after a reported save cannot bring the old file back. Systems whose rename is durable by
    // itself have nothing to do.
    virtual result sync_folder(const std::filesystem::path& folder) {
        (void)folder;
        return result::success();
    }
    // Gives the file `from` a second name `to` (a hard link) or, where the file system has no
    // such links, makes `to` a copy of it, flushed to the disk; fails when `to` exists. What a
    // save of several files keeps of an old file until all the new ones are in place. This
    // default copies through create_new.
    virtual result keep_copy(const std::filesystem::path& from, const std::filesystem::path& to);
};

// The failure of a file operation on `path`: write_failed with the system's reason.
result file_op_failure(const std::filesystem::path& path, wording why);

// The operating system's files (the one platform-specific piece of the library).
file_ops& native_file_ops();

// Chunk size of the writes that safe_replace makes.
inline constexpr std::size_t safe_replace_chunk = 1 << 20;

// Replaces `target` with `bytes`; a failure is write_failed with the file and the cause.
result safe_replace(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                    file_ops& ops = native_file_ops());

// Receives the pieces of a file's new content in order.
using piece_fn = std::function<void(std::span<const std::uint8_t>)>;
// Replaces `target` with the pieces that `produce` hands to the function it is given, each
// written as it comes (after a failed write the rest are ignored). The same guarantees as above;
// an exception from `produce` leaves the target as it was and goes on to the caller.
result safe_replace_with(const std::filesystem::path& target,
                         const std::function<void(const piece_fn&)>& produce,
                         file_ops& ops = native_file_ops());
// The same for a writer: what `write_content` writes is handed to the file in whole chunks as it
// comes, so that the content is never whole in memory.
result safe_replace_written(const std::filesystem::path& target,
                            const std::function<void(byte_writer&)>& write_content,
                            file_ops& ops = native_file_ops());

// One file of a save of several: where it goes and the pieces of its content (as for
// safe_replace_with).
struct file_replacement {
    std::filesystem::path target;
    std::function<void(const piece_fn&)> produce;
};

// The content that `write_content` writes, handed on in whole chunks as it comes (the producer
// of safe_replace_written).
std::function<void(const piece_fn&)>
written_content(std::function<void(byte_writer&)> write_content);

// What a failed save of several files left.
enum class replace_state {
    unchanged, // every file as it was
    all_new,   // every file replaced; only their folders could not be synced
    mixed      // some files new and some old: the message says which, and where the old content
               // of each new one is kept
};

// What a failed save of several files is about: the file (its index) and what it left.
struct replace_failure {
    std::size_t file = 0;
    replace_state left = replace_state::unchanged;
};

using replace_result = result_of<replace_failure>;

// Replaces the files together, in their order, with the guarantees of safe_replace for the set:
// every target is checked first (a read-only file), then every new file is written and flushed
// beside its target, and only when all are ready are the targets replaced one after the other,
// and their folders synced. A failure before the first replacement leaves every file as it was.
// Until the last replacement has been made, the old content of each replaced file is kept
// beside it (a hard link or a copy); should a later replacement fail, the files already replaced
// are put back from it, and the message says so, or, if putting back fails too, says which file
// is new, which is old, and where the old content is kept. The kept copies are removed once all
// the files are in place. An exception from a producer leaves every file as it was and goes on to
// the caller.
replace_result replace_files(std::span<const file_replacement> files,
                             file_ops& ops = native_file_ops());

// The problem of a failed save of these files when none of them was changed: `why`, and for
// more than one file "<why>. Nothing was saved: qira.db and eng.db are as they were."
wording nothing_saved(wording why, std::span<const std::filesystem::path> targets);

// An allocator that leaves the elements a vector grows by as they are, where they are filled at
// once after (a file read into them): no pass of zeros over memory about to be overwritten.
template <typename T> struct uninitialized_allocator : std::allocator<T> {
    template <typename U> struct rebind { using other = uninitialized_allocator<U>; };
    uninitialized_allocator() = default;
    template <typename U> uninitialized_allocator(const uninitialized_allocator<U>&) noexcept {}
    template <typename U> void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
    template <typename U, typename... Args> void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

// A file's bytes as read_whole_file reads them.
using file_bytes = std::vector<std::uint8_t, uninitialized_allocator<std::uint8_t>>;

// Reads the whole file; cannot_open (with the reason) or cannot_read on failure, naming the
// file by its path.
result read_whole_file(const std::filesystem::path& path, file_bytes& out);
result read_whole_file(const std::filesystem::path& path, std::vector<std::uint8_t>& out);

// The name by which messages refer to a file: its last component ("qira.db").
std::string display_name(const std::filesystem::path& path);

} // namespace qira
