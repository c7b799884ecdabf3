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

    std::unique_ptr<output_file> create_new(const std::filesystem::path& path,
                                            std::string& error) override {
        if (injected("create", path, step::create, error))
            return nullptr;
        auto real = native_file_ops().create_new(path, error);
        if (!real)
            return nullptr;
        return std::make_unique<file>(*this, std::move(real));
    }
    bool replace(const std::filesystem::path& from, const std::filesystem::path& to,
                 std::string& error) override {
        ++replaces;
        const bool this_one = fail_replace == 0 || fail_replace == replaces;
        if (injected("replace", to, this_one ? step::replace : step::none, error))
            return false;
        replaced = native_file_ops().replace(from, to, error);
        return replaced;
    }
    bool sync_folder(const std::filesystem::path& folder, std::string& error) override {
        synced.push_back(folder);
        replaced_before_sync = replaced;
        if (injected("sync", folder, step::sync, error))
            return false;
        return native_file_ops().sync_folder(folder, error);
    }
    bool remove(const std::filesystem::path& path, std::string& error) override {
        log.push_back("remove " + path.filename().string());
        return native_file_ops().remove(path, error);
    }
    bool may_replace(const std::filesystem::path& path, std::string& error) override {
        if (injected("check", path, step::none, error))
            return false;
        return native_file_ops().may_replace(path, error);
    }
    bool keep_copy(const std::filesystem::path& from, const std::filesystem::path& to,
                   std::string& error) override {
        if (injected("keep", from, step::keep, error))
            return false;
        return native_file_ops().keep_copy(from, to, error);
    }

  private:
    // Logs the operation; true (with the error) when it is to fail.
    bool injected(const char* what, const std::filesystem::path& path, step s, std::string& error) {
        ++calls;
        log.push_back(std::string(what) + " " + path.filename().string());
        if ((fail_at != step::none && fail_at == s) ||
            (fail_call > 0 && (calls == fail_call || (and_later && calls > fail_call)))) {
            error = std::string("injected ") + what + " failure";
            if (first_failed.empty())
                first_failed = log.back();
            return true;
        }
        return false;
    }

    class file : public output_file {
      public:
        file(failing_ops& ops, std::unique_ptr<output_file> real)
            : ops_(ops), real_(std::move(real)) {}
        bool write(const std::uint8_t* data, std::size_t size, std::string& error) override {
            ++ops_.writes;
            if (ops_.injected("write", {}, step::none, error) ||
                (ops_.fail_at == step::write && ops_.writes == ops_.fail_write)) {
                // Half of the chunk reaches the file first, as on a disk that fills up.
                (void)real_->write(data, size / 2, error);
                error = "injected write failure (No space left on device)";
                return false;
            }
            return real_->write(data, size, error);
        }
        bool flush(std::string& error) override {
            if (ops_.injected("flush", {}, step::flush, error))
                return false;
            return real_->flush(error);
        }
        bool close(std::string& error) override {
            const bool ok = real_->close(error);
            if (ops_.injected("close", {}, step::close, error))
                return false;
            return ok;
        }

      private:
        failing_ops& ops_;
        std::unique_ptr<output_file> real_;
    };
};

} // namespace qira::test
