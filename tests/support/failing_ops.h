#pragma once
// File operations that fail on demand: at the n-th write, at the flush, at the close, when
// creating the temporary file, keeping an old file's content, at a rename or at the folder sync;
// or at the n-th operation of any kind (and, if asked, at every one after it). Everything else
// goes to the real files.

#include "fileio/safe_file.h"

#include <string>
#include <vector>

namespace qira::test {

class failing_ops : public file_ops {
  public:
    enum class step { none, create, write, flush, close, replace, sync, keep };
    step fail_at = step::none;
    int fail_write = 1;   // with step::write: the n-th write fails (1 = the first)
    int fail_replace = 0; // with step::replace: only the n-th rename fails (0 = every one)
    int writes = 0;
    int replaces = 0;
    // Counting every operation but remove: the n-th fails (0 = none), and with `and_later` every
    // one after it too, as on a disk that has gone away.
    int fail_call = 0;
    bool and_later = false;
    int calls = 0;
    // The operations in order ("replace qira.db"), with the file names they were about, and the
    // first that was made to fail.
    std::vector<std::string> log;
    std::string first_failed;
    // The folders synced, in order, and whether the rename had happened by then.
    std::vector<std::filesystem::path> synced;
    bool replaced = false;
    bool replaced_before_sync = false;

    result_of<std::unique_ptr<output_file>> create_new(const std::filesystem::path& path) override {
        if (auto r = injected("create", path, step::create); !r)
            return r;
        auto real = native_file_ops().create_new(path);
        if (!real)
            return real;
        return result_of<std::unique_ptr<output_file>>::success(
            std::make_unique<file>(*this, std::move(real.value)));
    }
    result replace(const std::filesystem::path& from, const std::filesystem::path& to) override {
        ++replaces;
        const bool this_one = fail_replace == 0 || fail_replace == replaces;
        if (auto r = injected("replace", to, this_one ? step::replace : step::none); !r)
            return r;
        result r = native_file_ops().replace(from, to);
        replaced = r.ok();
        return r;
    }
    result sync_folder(const std::filesystem::path& folder) override {
        synced.push_back(folder);
        replaced_before_sync = replaced;
        if (auto r = injected("sync", folder, step::sync); !r)
            return r;
        return native_file_ops().sync_folder(folder);
    }
    result remove(const std::filesystem::path& path) override {
        log.push_back("remove " + path.filename().string());
        return native_file_ops().remove(path);
    }
    result may_replace(const std::filesystem::path& path) override {
        if (auto r = injected("check", path, step::none); !r)
            return r;
        return native_file_ops().may_replace(path);
    }
    result keep_copy(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (auto r = injected("keep", from, step::keep); !r)
            return r;
        return native_file_ops().keep_copy(from, to);
    }

  private:
    // Logs the operation; a failure when it is to fail.
    result injected(const char* what, const std::filesystem::path& path, step s) {
        ++calls;
        log.push_back(std::string(what) + " " + path.filename().string());
        if ((fail_at != step::none && fail_at == s) ||
            (fail_call > 0 && (calls == fail_call || (and_later && calls > fail_call)))) {
            if (first_failed.empty())
                first_failed = log.back();
            return file_op_failure(path, std::string("injected ") + what + " failure");
        }
        return result::success();
    }

    class file : public output_file {
      public:
        file(failing_ops& ops, std::unique_ptr<output_file> real)
            : ops_(ops), real_(std::move(real)) {}
        result write(const std::uint8_t* data, std::size_t size) override {
            ++ops_.writes;
            if (!ops_.injected("write", {}, step::none) ||
                (ops_.fail_at == step::write && ops_.writes == ops_.fail_write)) {
                // Half of the chunk reaches the file first, as on a disk that fills up.
                if (auto half = real_->write(data, size / 2); !half)
                    return half;
                return file_op_failure({}, "injected write failure (No space left on device)");
            }
            return real_->write(data, size);
        }
        result flush() override {
            if (auto r = ops_.injected("flush", {}, step::flush); !r)
                return r;
            return real_->flush();
        }
        result close() override {
            const result closed = real_->close();
            if (auto r = ops_.injected("close", {}, step::close); !r)
                return r;
            return closed;
        }

      private:
        failing_ops& ops_;
        std::unique_ptr<output_file> real_;
    };
};

} // namespace qira::test
