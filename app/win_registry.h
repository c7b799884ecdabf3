#pragma once
// The Windows registry through its Win32 calls, without Qt: a key of HKEY_LOCAL_MACHINE or
// HKEY_CURRENT_USER in one view of the registry, and its text values. Windows only. The editor's
// registry layer (app/registry.cpp) is built on it; the Windows build's tests run it under Wine.

#ifdef _WIN32

#include <memory>
#include <optional>
#include <string>

namespace qira::win {

enum class hive { machine, user };
// A 64-bit Windows keeps the keys of 32-bit programs apart (Software\Wow6432Node); a 64-bit
// program sees the native view unless it asks for the 32-bit one.
enum class view { wow32, native };

class key {
  public:
    // Opens `subkey` ("Software\ZQ sports\QIRA 2004") of the hive in the view, for writing when
    // that is allowed and else for reading only; with `create`, makes it when it is missing (which
    // needs the right to write). Nothing when it can be neither opened nor made.
    static std::unique_ptr<key> open(hive h, const std::wstring& subkey, view v, bool create);
    static bool exists(hive h, const std::wstring& subkey, view v);

    ~key();
    key(const key&) = delete;
    key& operator=(const key&) = delete;

    // A text value (REG_SZ, REG_EXPAND_SZ as stored) or a number (REG_DWORD, in decimal);
    // nothing for a missing value or another kind.
    std::optional<std::wstring> read(const std::wstring& name) const;
    // Stores a text value (REG_SZ); false when the key was opened for reading only or the system
    // refuses.
    bool write(const std::wstring& name, const std::wstring& value);
    bool writable() const { return writable_; }

  private:
    key(void* handle, bool writable) : handle_(handle), writable_(writable) {}
    void* handle_; // HKEY
    bool writable_;
};

} // namespace qira::win

#endif
