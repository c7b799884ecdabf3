#include "fileio/safe_file.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <optional>

namespace qira {

std::string display_name(const std::filesystem::path& path) {
    const auto name = path.filename();
    return name.empty() ? path.string() : name.string();
}

namespace {

// A name beside `target` that no file has yet, ending in `suffix`.
std::filesystem::path name_beside(const std::filesystem::path& target, const char* suffix) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    std::filesystem::path name = target;
    name += ".saving-" + std::to_string(stamp % 1000000007ULL) + "-" +
            std::to_string(counter.fetch_add(1)) + suffix;
    return name;
}

std::filesystem::path folder_of(const std::filesystem::path& target) {
    return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
}

// One file of a save on its way: its temporary file, the kept old content, and how far it got.
struct file_state {
    std::filesystem::path tmp;
    std::filesystem::path kept; // the old content while the others are replaced
    bool had_old = false;       // whether the target existed
    bool replaced = false;
};

class replacing {
  public:
    replacing(std::span<const file_replacement> files, file_ops& ops)
        : files_(files), ops_(ops), states_(files.size()) {}

    replace_result run() {
        for (std::size_t i = 0; i < files_.size(); ++i)
            if (auto r = ops_.may_replace(files_[i].target); !r)
                return unchanged(i, r.problem_words());
        for (std::size_t i = 0; i < files_.size(); ++i)
            if (auto r = write_temporary(i); !r)
                return unchanged(i, r.problem_words());
        // The last file's old content is not needed: nothing is replaced after it.
        for (std::size_t i = 0; i + 1 < files_.size(); ++i)
            if (auto r = keep_old(i); !r)
                return unchanged(i, {QIRA_TR("qira::problem",
                                             "its old content could not be kept while the files "
                                             "are replaced (%1)"),
                                     {r.problem_words()}});
        for (std::size_t i = 0; i < files_.size(); ++i) {
            if (auto r = ops_.replace(states_[i].tmp, files_[i].target); !r)
                return put_back(i, r.problem_words());
            states_[i].tmp.clear();
            states_[i].replaced = true;
        }
        std::vector<std::filesystem::path> synced;
        std::optional<replace_result> unsynced;
        for (std::size_t i = 0; i < files_.size(); ++i) {
            const auto folder = folder_of(files_[i].target);
            if (std::find(synced.begin(), synced.end(), folder) != synced.end())
                continue;
            synced.push_back(folder);
            if (auto r = ops_.sync_folder(folder); !r && !unsynced)
                unsynced = failure(
                    i, replace_state::all_new,
                    files_.size() == 1
                        ? wording(QIRA_TR("qira::problem",
                                          "the new file is in place, but its folder could not be "
                                          "synced to the disk (%1)"),
                                  {r.problem_words()})
                        : wording(QIRA_TR("qira::problem",
                                          "the new files are in place, but its folder could not "
                                          "be synced to the disk (%1)"),
                                  {r.problem_words()}));
        }
        remove_left_over();
        return unsynced ? std::move(*unsynced) : replace_result{};
    }

    // After an exception from a producer: nothing was replaced yet.
    void abandon() { remove_left_over(); }

  private:
    std::string name(std::size_t i) const { return files_[i].target.string(); }

    replace_result failure(std::size_t i, replace_state left, wording why) {
        return {result::failure(result::code::write_failed, {.file = name(i)}, std::move(why)),
                {i, left}};
    }

    replace_result unchanged(std::size_t i, wording why) {
        remove_left_over();
        std::vector<std::filesystem::path> targets;
        for (const auto& f : files_)
            targets.push_back(f.target);
        return failure(i, replace_state::unchanged, nothing_saved(std::move(why), targets));
    }

    result write_temporary(std::size_t i) {
        file_state& s = states_[i];
        result_of<std::unique_ptr<output_file>> created;
        for (int attempt = 0; attempt < 16; ++attempt) {
            s.tmp = name_beside(files_[i].target, ".tmp");
            created = ops_.create_new(s.tmp);
            if (created)
                break;
        }
        if (!created) {
            s.tmp.clear();
            return created.outcome();
        }
        output_file& out = *created.value;
        result written;
        try {
            files_[i].produce([&](std::span<const std::uint8_t> piece) {
                if (written && !piece.empty())
                    written = out.write(piece.data(), piece.size());
            });
        } catch (...) {
            // The exception goes on; the file is abandoned.
            (void)out.close();
            throw;
        }
        if (written)
            written = out.flush();
        const result closed = out.close();
        return written ? closed : written;
    }

    result keep_old(std::size_t i) {
        file_state& s = states_[i];
        std::error_code ec;
        s.had_old = std::filesystem::exists(files_[i].target, ec);
        if (ec)
            return file_op_failure(files_[i].target, ec.message());
        if (!s.had_old)
            return result::success();
        result kept;
        for (int attempt = 0; attempt < 16; ++attempt) {
            s.kept = name_beside(files_[i].target, ".old");
            kept = ops_.keep_copy(files_[i].target, s.kept);
            if (kept)
                break;
        }
        if (!kept)
            s.kept.clear();
        return kept;
    }

    // Replacing file `failed` did not work: the files before it go back to their old content.
    replace_result put_back(std::size_t failed, const wording& why) {
        std::vector<std::size_t> stuck;
        std::vector<wording> stuck_errors;
        std::vector<std::string> put;
        for (std::size_t j = failed; j-- > 0;) {
            file_state& s = states_[j];
            const result back =
                s.had_old ? ops_.replace(s.kept, files_[j].target) : ops_.remove(files_[j].target);
            if (back) {
                s.kept.clear();
                s.replaced = false;
                put.insert(put.begin(), display_name(files_[j].target));
                // As good as it gets: the old file is back either way.
                (void)ops_.sync_folder(folder_of(files_[j].target));
            } else {
                stuck.insert(stuck.begin(), j);
                stuck_errors.insert(stuck_errors.begin(), back.problem_words());
            }
        }
        if (stuck.empty()) {
            if (put.empty())
                return unchanged(failed, why);
            if (put.size() == 1)
                return unchanged(failed, {QIRA_TR("qira::problem",
                                                  "%1. %2 had already been replaced and was put "
                                                  "back"),
                                          {why, listed(put)}});
            return unchanged(failed, {QIRA_TR("qira::problem",
                                              "%1. %2 had already been replaced and were put back"),
                                      {why, listed(put)}});
        }
        // Some files are new and some old: say exactly which, and where the old content is.
        std::vector<wording> text{why, ". "};
        for (std::size_t n = 0; n < stuck.size(); ++n) {
            text.push_back({QIRA_TR("qira::problem", "Putting back %1 failed too (%2)."),
                            {name(stuck[n]), stuck_errors[n]}});
            text.push_back(" ");
        }
        text.push_back(QIRA_TR("qira::problem", "The files do not belong together now:"));
        for (std::size_t j = 0; j < files_.size(); ++j) {
            const file_state& s = states_[j];
            text.push_back(j == 0 ? " " : "; ");
            if (!s.replaced)
                text.push_back({QIRA_TR("qira::problem", "%1 is the old file"), {name(j)}});
            else if (s.had_old)
                text.push_back(
                    {QIRA_TR("qira::problem", "%1 is the new file, and the old one is kept as %2"),
                     {name(j), s.kept.string()}});
            else
                text.push_back(
                    {QIRA_TR("qira::problem", "%1 is the new file (there was none before)"),
                     {name(j)}});
        }
        text.push_back(".");
        for (file_state& s : states_)
            if (s.replaced)
                s.kept.clear(); // the old content of a new file stays where the message says
        remove_left_over();
        return failure(failed, replace_state::mixed, wording::sequence(std::move(text)));
    }

    // Removes the temporary files and the kept old contents that are still there. A file that
    // cannot be removed stays behind beside its target, under a name no save uses again.
    void remove_left_over() {
        for (file_state& s : states_) {
            if (!s.tmp.empty())
                (void)ops_.remove(s.tmp);
            if (!s.kept.empty())
                (void)ops_.remove(s.kept);
            s.tmp.clear();
            s.kept.clear();
        }
    }

    std::span<const file_replacement> files_;
    file_ops& ops_;
    std::vector<file_state> states_;
};

} // namespace

result file_op_failure(const std::filesystem::path& path, wording why) {
    return result::failure(result::code::write_failed, {.file = path.string()}, std::move(why));
}

result file_ops::keep_copy(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::ifstream in(from, std::ios::binary);
    if (!in)
        return file_op_failure(from, QIRA_TR("qira::problem", "it cannot be read"));
    auto created = create_new(to);
    if (!created)
        return created.outcome();
    output_file& out = *created.value;
    std::vector<char> chunk(1 << 16);
    result copied;
    while (copied && in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got > 0)
            copied = out.write(reinterpret_cast<const std::uint8_t*>(chunk.data()), got);
    }
    if (copied && in.bad())
        copied = file_op_failure(from, QIRA_TR("qira::problem", "it could not be read to its end"));
    if (copied)
        copied = out.flush();
    if (const result closed = out.close(); copied && !closed)
        copied = closed;
    if (!copied)
        (void)remove(to); // a part copy that cannot be removed is left under its unused name
    return copied;
}

wording nothing_saved(wording why, std::span<const std::filesystem::path> targets) {
    if (targets.size() < 2)
        return why;
    std::vector<std::string> names;
    for (const auto& t : targets)
        names.push_back(display_name(t));
    //: %1 is why the save failed, %2 the files
    return {QIRA_TR("qira::problem", "%1. Nothing was saved: %2 are as they were."),
            {std::move(why), listed(names)}};
}

namespace {

// Whether two targets are one file (the second would be written over the first): the same file
// where both exist, else the same path once made absolute and normal.
bool same_file(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    if (std::filesystem::exists(a, ec) && std::filesystem::exists(b, ec))
        return std::filesystem::equivalent(a, b, ec);
    const auto ca = std::filesystem::weakly_canonical(a, ec);
    const auto cb = std::filesystem::weakly_canonical(b, ec);
    return ec ? a.lexically_normal() == b.lexically_normal() : ca == cb;
}

} // namespace

replace_result replace_files(std::span<const file_replacement> files, file_ops& ops) {
    for (std::size_t i = 0; i < files.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (same_file(files[i].target, files[j].target)) {
                const std::string name = display_name(files[i].target);
                return {result::failure(
                            result::code::refused, {.file = name},
                            {QIRA_TR("qira::problem", "%1 is named for two of the files to save "
                                                      "(%2): one would be written over the other."),
                             {name, files[i].target.string()}}),
                        {i, replace_state::unchanged}};
            }
    replacing save(files, ops);
    try {
        return save.run();
    } catch (...) {
        save.abandon();
        throw;
    }
}

result safe_replace_with(const std::filesystem::path& target,
                         const std::function<void(const piece_fn&)>& produce, file_ops& ops) {
    const file_replacement one{target, produce};
    return replace_files(std::span(&one, 1), ops).outcome();
}

std::function<void(const piece_fn&)>
written_content(std::function<void(byte_writer&)> write_content) {
    return [write_content = std::move(write_content)](const piece_fn& write) {
        std::vector<std::uint8_t> staging;
        staging.reserve(safe_replace_chunk + 4096);
        byte_writer out(staging, write, safe_replace_chunk);
        write_content(out);
        out.finish();
    };
}

result safe_replace(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                    file_ops& ops) {
    return safe_replace_with(
        target,
        [bytes](const piece_fn& write) {
            for (std::size_t at = 0; at < bytes.size(); at += safe_replace_chunk)
                write(bytes.subspan(at, std::min(safe_replace_chunk, bytes.size() - at)));
        },
        ops);
}

result safe_replace_written(const std::filesystem::path& target,
                            const std::function<void(byte_writer&)>& write_content, file_ops& ops) {
    return safe_replace_with(target, written_content(write_content), ops);
}

namespace {

template <typename Bytes> result read_into(const std::filesystem::path& path, Bytes& out) {
    const place at{.file = path.string()};
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return result::failure(result::code::cannot_open, at,
                               QIRA_TR("qira::problem", "it is a folder"));
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return result::failure(result::code::cannot_open, at,
                               QIRA_TR("qira::problem", "no such file or no access"));
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0)
        return result::failure(result::code::cannot_read, at, {});
    in.seekg(0, std::ios::beg);
    out.resize(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(out.data()), size))
        return result::failure(result::code::cannot_read, at, {});
    return result::success();
}

} // namespace

result read_whole_file(const std::filesystem::path& path, file_bytes& out) {
    return read_into(path, out);
}

result read_whole_file(const std::filesystem::path& path, std::vector<std::uint8_t>& out) {
    return read_into(path, out);
}

} // namespace qira
