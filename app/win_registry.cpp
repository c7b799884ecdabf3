#include "app/win_registry.h"

#ifdef _WIN32

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>

namespace qira::win {

namespace {

HKEY root_of(hive h) {
    return h == hive::machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

REGSAM view_flag(view v) {
    return v == view::wow32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
}

HKEY handle_of(void* handle) {
    return static_cast<HKEY>(handle);
}

} // namespace

std::unique_ptr<key> key::open(hive h, const std::wstring& subkey, view v, bool create) {
    const REGSAM flag = view_flag(v);
    HKEY opened = nullptr;
    if (create &&
        RegCreateKeyExW(root_of(h), subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE | flag, nullptr, &opened, nullptr) == ERROR_SUCCESS)
        return std::unique_ptr<key>(new key(opened, true));
    if (RegOpenKeyExW(root_of(h), subkey.c_str(), 0, KEY_READ | KEY_WRITE | flag, &opened) ==
        ERROR_SUCCESS)
        return std::unique_ptr<key>(new key(opened, true));
    // Without the right to write (HKEY_LOCAL_MACHINE for an ordinary user), reading still works.
    if (RegOpenKeyExW(root_of(h), subkey.c_str(), 0, KEY_READ | flag, &opened) == ERROR_SUCCESS)
        return std::unique_ptr<key>(new key(opened, false));
    return nullptr;
}

bool key::exists(hive h, const std::wstring& subkey, view v) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root_of(h), subkey.c_str(), 0, KEY_READ | view_flag(v), &opened) !=
        ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

key::~key() {
    RegCloseKey(handle_of(handle_));
}

std::optional<std::wstring> key::read(const std::wstring& name) const {
    const HKEY k = handle_of(handle_);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(k, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    if (type == REG_DWORD) {
        DWORD number = 0;
        DWORD number_size = sizeof number;
        if (RegQueryValueExW(k, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&number),
                             &number_size) != ERROR_SUCCESS)
            return std::nullopt;
        return std::to_wstring(number);
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return std::nullopt;
    // The value may change between the two calls; the size read second is the one that counts.
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    DWORD text_size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegQueryValueExW(k, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(text.data()),
                         &text_size) != ERROR_SUCCESS)
        return std::nullopt;
    text.resize(std::min<std::size_t>(text.size(), text_size / sizeof(wchar_t)));
    while (!text.empty() && text.back() == L'\0')
        text.pop_back();
    return text;
}

bool key::write(const std::wstring& name, const std::wstring& value) {
    if (!writable_)
        return false;
    return RegSetValueExW(handle_of(handle_), name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) ==
           ERROR_SUCCESS;
}

} // namespace qira::win

#endif
