#pragma once
// Reading a whole file, and replacing a file safely: the new content goes to a temporary file
// beside the target, is flushed, and only then replaces the target in one rename. On any failure
// the temporary file is removed and the target is left exactly as it was.
//
// The operations go through `file_ops`, so tests can make any step fail.

#include "fileio/bytes.h"
#include "fileio/io_result.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace qira {

// One file open for writing.
class output_file {
  public:
    virtual ~output_file() = default;
    // Each returns false and sets `error` (the system's reason) on failure.
    virtual bool write(const std::uint8_t* data, std::size_t size, std::string& error) = 0;
    virtual bool flush(std::string& error) = 0; // to the disk, not just to the system
    virtual bool close(std::string& error) = 0;
};

class file_ops {
  public:
    virtual ~file_ops() = default;
    // Creates a new file that must not exist yet; nullptr and `error` on failure.
    virtual std::unique_ptr<output_file> create_new(const std::filesystem::path& path,
                                                    std::string& error) = 0;
    // Moves `from` over `to`, replacing `to` when it exists.
    virtual bool replace(const std::filesystem::path& from, const std::filesystem::path& to,
                         std::string& error) = 0;
    virtual void remove(const std::filesystem::path& path) = 0;
    // Fails when an existing target may not be replaced (a read-only file).
    virtual bool may_replace(const std::filesystem::path& path, std::string& error) = 0;
    // Makes a rename inside `folder` durable (POSIX: fsync of the folder), so that a power cut
    // after a reported save cannot bring the old file back. Systems whose rename is durable by
    // itself have nothing to do.
    virtual bool sync_folder(const std::filesystem::path& folder, std::string& error) {
        (void)folder;
        (void)error;
        return true;
    }
};

// The operating system's files (the one platform-specific piece of the library).
file_ops& native_file_ops();

// Chunk size of the writes that safe_replace makes.
inline constexpr std::size_t safe_replace_chunk = 1 << 20;

// Replaces `target` with `bytes`; the message of a failure names the file and the cause.
io_result safe_replace(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                       file_ops& ops = native_file_ops());

// Receives the pieces of a file's new content in order.
using piece_fn = std::function<void(std::span<const std::uint8_t>)>;
// Replaces `target` with the pieces that `produce` hands to the function it is given, each
// written as it comes (after a failed write the rest are ignored). The same guarantees as above;
// an exception from `produce` leaves the target as it was and goes on to the caller.
io_result safe_replace_with(const std::filesystem::path& target,
                            const std::function<void(const piece_fn&)>& produce,
                            file_ops& ops = native_file_ops());
// The same for a writer: what `write_content` writes is handed to the file in whole chunks as it
// comes, so that the content is never whole in memory.
io_result safe_replace_written(const std::filesystem::path& target,
                               const std::function<void(byte_writer&)>& write_content,
                               file_ops& ops = native_file_ops());

// Reads the whole file; cannot_open with the system's reason on failure.
io_result read_whole_file(const std::filesystem::path& path, std::vector<std::uint8_t>& out);

// The name by which messages refer to a file: its last component ("qira.db").
std::string display_name(const std::filesystem::path& path);

} // namespace qira
