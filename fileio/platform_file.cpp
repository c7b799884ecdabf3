// The operating system's file calls behind file_ops: POSIX here, the Win32 calls on Windows.
#include "fileio/safe_file.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace qira {
namespace {

#ifdef _WIN32

std::string last_error_text() {
    const DWORD code = GetLastError();
    char buf[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                   buf, sizeof buf, nullptr);
    std::string text(buf);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.'))
        text.pop_back();
    return text.empty() ? "error " + std::to_string(code) : text;
}

class win_file final : public output_file {
  public:
    explicit win_file(HANDLE h) : h_(h) {}
    ~win_file() override {
        if (h_ != INVALID_HANDLE_VALUE)
            CloseHandle(h_);
    }
    bool write(const std::uint8_t* data, std::size_t size, std::string& error) override {
        while (size > 0) {
            DWORD done = 0;
            const DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
            if (!WriteFile(h_, data, chunk, &done, nullptr)) {
                error = last_error_text();
                return false;
            }
            data += done;
            size -= done;
        }
        return true;
    }
    bool flush(std::string& error) override {
        if (!FlushFileBuffers(h_)) {
            error = last_error_text();
            return false;
        }
        return true;
    }
    bool close(std::string& error) override {
        const BOOL ok = CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
        if (!ok)
            error = last_error_text();
        return ok != 0;
    }

  private:
    HANDLE h_;
};

class win_ops final : public file_ops {
  public:
    std::unique_ptr<output_file> create_new(const std::filesystem::path& path,
                                            std::string& error) override {
        HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            error = last_error_text();
            return nullptr;
        }
        return std::make_unique<win_file>(h);
    }
    bool replace(const std::filesystem::path& from, const std::filesystem::path& to,
                 std::string& error) override {
        if (!MoveFileExW(from.c_str(), to.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            error = last_error_text();
            return false;
        }
        return true;
    }
    bool remove(const std::filesystem::path& path, std::string& error) override {
        if (!DeleteFileW(path.c_str())) {
            error = last_error_text();
            return false;
        }
        return true;
    }
    bool keep_copy(const std::filesystem::path& from, const std::filesystem::path& to,
                   std::string& error) override {
        if (CreateHardLinkW(to.c_str(), from.c_str(), nullptr))
            return true;
        const DWORD code = GetLastError();
        if (code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS ||
            code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ||
            code == ERROR_ACCESS_DENIED) {
            error = last_error_text();
            return false;
        }
        // A file system without hard links (FAT, some network shares): a copy.
        return file_ops::keep_copy(from, to, error);
    }
    bool may_replace(const std::filesystem::path& path, std::string& error) override {
        const DWORD attrs = GetFileAttributesW(path.c_str());
        if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_READONLY)) {
            error = "the file is read-only";
            return false;
        }
        return true;
    }
};

#else

std::string errno_text(int err) {
    return std::strerror(err);
}

class posix_file final : public output_file {
  public:
    explicit posix_file(int fd) : fd_(fd) {}
    ~posix_file() override {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool write(const std::uint8_t* data, std::size_t size, std::string& error) override {
        while (size > 0) {
            const ssize_t done = ::write(fd_, data, size);
            if (done < 0) {
                if (errno == EINTR)
                    continue;
                error = errno_text(errno);
                return false;
            }
            data += done;
            size -= static_cast<std::size_t>(done);
        }
        return true;
    }
    bool flush(std::string& error) override {
        if (::fsync(fd_) != 0) {
            error = errno_text(errno);
            return false;
        }
        return true;
    }
    bool close(std::string& error) override {
        const int rc = ::close(fd_);
        fd_ = -1;
        if (rc != 0)
            error = errno_text(errno);
        return rc == 0;
    }

  private:
    int fd_;
};

class posix_ops final : public file_ops {
  public:
    std::unique_ptr<output_file> create_new(const std::filesystem::path& path,
                                            std::string& error) override {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) {
            error = errno_text(errno);
            return nullptr;
        }
        return std::make_unique<posix_file>(fd);
    }
    bool replace(const std::filesystem::path& from, const std::filesystem::path& to,
                 std::string& error) override {
        // Keep the permissions of the file being replaced.
        struct stat st {};
        if (::stat(to.c_str(), &st) == 0)
            ::chmod(from.c_str(), st.st_mode & 07777);
        if (::rename(from.c_str(), to.c_str()) != 0) {
            error = errno_text(errno);
            return false;
        }
        return true;
    }
    bool remove(const std::filesystem::path& path, std::string& error) override {
        if (::unlink(path.c_str()) != 0) {
            error = errno_text(errno);
            return false;
        }
        return true;
    }
    bool keep_copy(const std::filesystem::path& from, const std::filesystem::path& to,
                   std::string& error) override {
        if (::link(from.c_str(), to.c_str()) == 0)
            return true;
        const int err = errno;
        if (err != EPERM && err != EXDEV && err != ENOTSUP && err != EOPNOTSUPP && err != EMLINK &&
            err != ENOSYS) {
            error = errno_text(err);
            return false;
        }
        // A file system without hard links (FAT, some network shares): a copy.
        return file_ops::keep_copy(from, to, error);
    }
    bool may_replace(const std::filesystem::path& path, std::string& error) override {
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0) {
            if (S_ISDIR(st.st_mode)) {
                error = "it is a folder";
                return false;
            }
            if ((st.st_mode & 0222) == 0) {
                error = "the file is read-only";
                return false;
            }
        }
        return true;
    }
    bool sync_folder(const std::filesystem::path& folder, std::string& error) override {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            error = errno_text(errno);
            return false;
        }
        int rc = ::fsync(fd);
        const int err = errno;
        ::close(fd);
        // File systems that cannot sync a folder say so; their renames need no more.
        if (rc != 0 && (err == EINVAL || err == ENOTSUP || err == EROFS))
            rc = 0;
        if (rc != 0)
            error = errno_text(err);
        return rc == 0;
    }
};

#endif

} // namespace

file_ops& native_file_ops() {
#ifdef _WIN32
    static win_ops ops;
#else
    static posix_ops ops;
#endif
    return ops;
}

} // namespace qira
