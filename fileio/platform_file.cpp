// The operating system's file calls behind file_ops: POSIX here, the Win32 calls on Windows.
#include "fileio/safe_file.h"

#include <cerrno>
#include <cstring>
#include <utility>

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
    win_file(HANDLE h, std::filesystem::path path) : h_(h), path_(std::move(path)) {}
    ~win_file() override {
        if (h_ != INVALID_HANDLE_VALUE)
            CloseHandle(h_);
    }
    result write(const std::uint8_t* data, std::size_t size) override {
        while (size > 0) {
            DWORD done = 0;
            const DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
            if (!WriteFile(h_, data, chunk, &done, nullptr))
                return file_op_failure(path_, last_error_text());
            data += done;
            size -= done;
        }
        return result::success();
    }
    result flush() override {
        if (!FlushFileBuffers(h_))
            return file_op_failure(path_, last_error_text());
        return result::success();
    }
    result close() override {
        const BOOL ok = CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
        if (!ok)
            return file_op_failure(path_, last_error_text());
        return result::success();
    }

  private:
    HANDLE h_;
    std::filesystem::path path_;
};

class win_ops final : public file_ops {
  public:
    result_of<std::unique_ptr<output_file>> create_new(const std::filesystem::path& path) override {
        HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return file_op_failure(path, last_error_text());
        return result_of<std::unique_ptr<output_file>>::success(
            std::make_unique<win_file>(h, path));
    }
    result replace(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (!MoveFileExW(from.c_str(), to.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return file_op_failure(to, last_error_text());
        return result::success();
    }
    result remove(const std::filesystem::path& path) override {
        if (!DeleteFileW(path.c_str()))
            return file_op_failure(path, last_error_text());
        return result::success();
    }
    result keep_copy(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (CreateHardLinkW(to.c_str(), from.c_str(), nullptr))
            return result::success();
        const DWORD code = GetLastError();
        if (code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS ||
            code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ||
            code == ERROR_ACCESS_DENIED)
            return file_op_failure(to, last_error_text());
        // A file system without hard links (FAT, some network shares): a copy.
        return file_ops::keep_copy(from, to);
    }
    result may_replace(const std::filesystem::path& path) override {
        const DWORD attrs = GetFileAttributesW(path.c_str());
        if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_READONLY))
            return file_op_failure(path, QIRA_TR("qira::problem", "the file is read-only"));
        return result::success();
    }
};

#else

std::string errno_text(int err) {
    return std::strerror(err);
}

class posix_file final : public output_file {
  public:
    posix_file(int fd, std::filesystem::path path) : fd_(fd), path_(std::move(path)) {}
    ~posix_file() override {
        if (fd_ >= 0)
            ::close(fd_);
    }
    result write(const std::uint8_t* data, std::size_t size) override {
        while (size > 0) {
            const ssize_t done = ::write(fd_, data, size);
            if (done < 0) {
                if (errno == EINTR)
                    continue;
                return file_op_failure(path_, errno_text(errno));
            }
            data += done;
            size -= static_cast<std::size_t>(done);
        }
        return result::success();
    }
    result flush() override {
        if (::fsync(fd_) != 0)
            return file_op_failure(path_, errno_text(errno));
        return result::success();
    }
    result close() override {
        const int rc = ::close(fd_);
        fd_ = -1;
        if (rc != 0)
            return file_op_failure(path_, errno_text(errno));
        return result::success();
    }

  private:
    int fd_;
    std::filesystem::path path_;
};

class posix_ops final : public file_ops {
  public:
    result_of<std::unique_ptr<output_file>> create_new(const std::filesystem::path& path) override {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0)
            return file_op_failure(path, errno_text(errno));
        return result_of<std::unique_ptr<output_file>>::success(
            std::make_unique<posix_file>(fd, path));
    }
    result replace(const std::filesystem::path& from, const std::filesystem::path& to) override {
        // Keep the permissions of the file being replaced.
        struct stat st {};
        if (::stat(to.c_str(), &st) == 0)
            ::chmod(from.c_str(), st.st_mode & 07777);
        if (::rename(from.c_str(), to.c_str()) != 0)
            return file_op_failure(to, errno_text(errno));
        return result::success();
    }
    result remove(const std::filesystem::path& path) override {
        if (::unlink(path.c_str()) != 0)
            return file_op_failure(path, errno_text(errno));
        return result::success();
    }
    result keep_copy(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (::link(from.c_str(), to.c_str()) == 0)
            return result::success();
        const int err = errno;
        if (err != EPERM && err != EXDEV && err != ENOTSUP && err != EOPNOTSUPP && err != EMLINK &&
            err != ENOSYS)
            return file_op_failure(to, errno_text(err));
        // A file system without hard links (FAT, some network shares): a copy.
        return file_ops::keep_copy(from, to);
    }
    result may_replace(const std::filesystem::path& path) override {
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0) {
            if (S_ISDIR(st.st_mode))
                return file_op_failure(path, QIRA_TR("qira::problem", "it is a folder"));
            if ((st.st_mode & 0222) == 0)
                return file_op_failure(path, QIRA_TR("qira::problem", "the file is read-only"));
        }
        return result::success();
    }
    result sync_folder(const std::filesystem::path& folder) override {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return file_op_failure(folder, errno_text(errno));
        const int rc = ::fsync(fd);
        const int err = errno;
        ::close(fd);
        // File systems that cannot sync a folder say so; their renames need no more.
        if (rc != 0 && err != EINVAL && err != ENOTSUP && err != EROFS)
            return file_op_failure(folder, errno_text(err));
        return result::success();
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
