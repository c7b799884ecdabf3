#include "fileio/safe_file.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>

namespace qira {

std::string display_name(const std::filesystem::path& path) {
    const auto name = path.filename();
    return name.empty() ? path.string() : name.string();
}

namespace {

std::filesystem::path temporary_beside(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    std::filesystem::path tmp = target;
    tmp += ".saving-" + std::to_string(stamp % 1000000007ULL) + "-" +
           std::to_string(counter.fetch_add(1)) + ".tmp";
    return tmp;
}

} // namespace

io_result safe_replace_with(const std::filesystem::path& target,
                            const std::function<void(const piece_fn&)>& produce, file_ops& ops) {
    const std::string name = target.string();
    auto fail = [&](const std::string& why) {
        return io_result::failure(io_result::code::write_failed,
                                  "Could not save " + name + ": " + why);
    };

    std::string error;
    if (!ops.may_replace(target, error))
        return fail(error);

    std::filesystem::path tmp;
    std::unique_ptr<output_file> out;
    for (int attempt = 0; attempt < 16 && !out; ++attempt) {
        tmp = temporary_beside(target);
        out = ops.create_new(tmp, error);
    }
    if (!out)
        return fail(error);

    bool written = true;
    try {
        produce([&](std::span<const std::uint8_t> piece) {
            if (written && !piece.empty())
                written = out->write(piece.data(), piece.size(), error);
        });
    } catch (...) {
        std::string ignored;
        out->close(ignored);
        out.reset();
        ops.remove(tmp);
        throw;
    }
    if (written)
        written = out->flush(error);
    std::string close_error;
    const bool closed = out->close(close_error);
    out.reset();
    if (written && !closed) {
        written = false;
        error = close_error;
    }
    if (!written || !ops.replace(tmp, target, error)) {
        ops.remove(tmp);
        return fail(error);
    }
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    if (!ops.sync_folder(folder, error))
        return fail("the new file is in place, but its folder could not be synced to the disk (" +
                    error + ")");
    return io_result::success();
}

io_result safe_replace(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                       file_ops& ops) {
    return safe_replace_with(
        target,
        [bytes](const piece_fn& write) {
            for (std::size_t at = 0; at < bytes.size(); at += safe_replace_chunk)
                write(bytes.subspan(at, std::min(safe_replace_chunk, bytes.size() - at)));
        },
        ops);
}

io_result safe_replace_written(const std::filesystem::path& target,
                               const std::function<void(byte_writer&)>& write_content,
                               file_ops& ops) {
    return safe_replace_with(
        target,
        [&write_content](const piece_fn& write) {
            std::vector<std::uint8_t> staging;
            staging.reserve(safe_replace_chunk + 4096);
            byte_writer out(staging, write, safe_replace_chunk);
            write_content(out);
            out.finish();
        },
        ops);
}

io_result read_whole_file(const std::filesystem::path& path, std::vector<std::uint8_t>& out) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return io_result::failure(io_result::code::cannot_open,
                                  "Cannot open " + path.string() + ": it is a folder");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return io_result::failure(io_result::code::cannot_open,
                                  "Cannot open " + path.string() + ": no such file or no access");
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0)
        return io_result::failure(io_result::code::cannot_open, "Cannot read " + path.string());
    in.seekg(0, std::ios::beg);
    out.resize(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(out.data()), size))
        return io_result::failure(io_result::code::cannot_open, "Cannot read " + path.string());
    return io_result::success();
}

} // namespace qira
