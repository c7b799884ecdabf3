#pragma once
// File operations that fail on demand: at the n-th write, at the flush, at the close, when
// creating the temporary file or at the final rename. Everything else goes to the real files.

#include "fileio/safe_file.h"

#include <vector>

namespace qira::test {

class failing_ops : public file_ops {
  public:
    enum class step { none, create, write, flush, close, replace, sync };
    step fail_at = step::none;
    int fail_write = 1; // with step::write: the n-th write fails (1 = the first)
    int writes = 0;
    // The folders synced, in order, and whether the rename had happened by then.
    std::vector<std::filesystem::path> synced;
    bool replaced = false;
    bool replaced_before_sync = false;

    std::unique_ptr<output_file> create_new(const std::filesystem::path& path,
                                            std::string& error) override {
        if (fail_at == step::create) {
            error = "injected create failure";
            return nullptr;
        }
        auto real = native_file_ops().create_new(path, error);
        if (!real)
            return nullptr;
        return std::make_unique<file>(*this, std::move(real));
    }
    bool replace(const std::filesystem::path& from, const std::filesystem::path& to,
                 std::string& error) override {
        if (fail_at == step::replace) {
            error = "injected rename failure";
            return false;
        }
        replaced = native_file_ops().replace(from, to, error);
        return replaced;
    }
    bool sync_folder(const std::filesystem::path& folder, std::string& error) override {
        synced.push_back(folder);
        replaced_before_sync = replaced;
        if (fail_at == step::sync) {
            error = "injected folder sync failure";
            return false;
        }
        return native_file_ops().sync_folder(folder, error);
    }
    void remove(const std::filesystem::path& path) override { native_file_ops().remove(path); }
    bool may_replace(const std::filesystem::path& path, std::string& error) override {
        return native_file_ops().may_replace(path, error);
    }

  private:
    class file : public output_file {
      public:
        file(failing_ops& ops, std::unique_ptr<output_file> real)
            : ops_(ops), real_(std::move(real)) {}
        bool write(const std::uint8_t* data, std::size_t size, std::string& error) override {
            ++ops_.writes;
            if (ops_.fail_at == step::write && ops_.writes == ops_.fail_write) {
                // Half of the chunk reaches the file first, as on a disk that fills up.
                (void)real_->write(data, size / 2, error);
                error = "injected write failure (No space left on device)";
                return false;
            }
            return real_->write(data, size, error);
        }
        bool flush(std::string& error) override {
            if (ops_.fail_at == step::flush) {
                error = "injected flush failure";
                return false;
            }
            return real_->flush(error);
        }
        bool close(std::string& error) override {
            const bool ok = real_->close(error);
            if (ops_.fail_at == step::close) {
                error = "injected close failure";
                return false;
            }
            return ok;
        }

      private:
        failing_ops& ops_;
        std::unique_ptr<output_file> real_;
    };
};

} // namespace qira::test
