#pragma once
// The game's registry keys inside a Wine prefix. Wine keeps the machine's registry as the text
// file `system.reg` in the prefix:
//
//     WINE REGISTRY Version 2
//     ;; All keys relative to \\Machine
//     [Software\\Wow6432Node\\ZQ sports\\QIRA 2004] 1700000000
//     #time=1d9a3c1f2b4e6a0
//     "Install Dir"="C:\\Games\\QIRA 2004\\"
//
// A section names a key with its components separated by `\\`; a string value is `"name"="text"`
// (or `str(2):"text"` for an expandable one), and in names and texts `\\`, `\"`, `\n` and the like
// and `\xNNNN` (a UTF-16 unit in one to four hex digits) stand for characters. Other value forms
// (dword:, hex:, continued lines) are skipped. Plain C++, no Qt: the file is only read, never
// trusted: lines and the whole file have limits, and a damaged line is skipped.

#include "fileio/result.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qira::wine {

// The game's key below HKEY_LOCAL_MACHINE, in the native view and in the 32-bit view of a 64-bit
// prefix (where the game's 32-bit installer writes it).
inline constexpr char game_key[] = "Software\\ZQ sports\\QIRA 2004";
inline constexpr char game_key_32[] = "Software\\Wow6432Node\\ZQ sports\\QIRA 2004";
inline constexpr char install_dir_value[] = "Install Dir";

// Limits of what is read: a longer line is skipped, a larger file is refused.
inline constexpr std::size_t max_line = 64 * 1024;
inline constexpr std::uintmax_t max_file = 256ull * 1024 * 1024;

// The string values of the keys asked for. Key and value names compare without regard to ASCII
// case, as the registry's do. Texts are UTF-8.
class reg_values {
  public:
    std::optional<std::string> get(std::string_view key, std::string_view name) const;
    void set(std::string_view key, std::string_view name, std::string text);

  private:
    std::map<std::string, std::string> values_; // folded "key\nname" -> text
};

// Reads the string values of `keys` from the text of a .reg file. The first line must be Wine's
// header ("WINE REGISTRY Version 2"); refused with the reason ("it is not a Wine registry file
// ...") otherwise, or when the text runs past the limits.
result parse_reg(std::istream& in, const std::vector<std::string>& keys, reg_values& out);
// The same for a file (the place of a refusal; its reason: "it does not exist").
result read_reg_file(const std::filesystem::path& file, const std::vector<std::string>& keys,
                     reg_values& out);

// One name or text of a .reg file with its escapes undone (UTF-8); nothing when an escape is
// broken (a lone `\` at the end).
std::optional<std::string> unescape(std::string_view escaped);

// The Unix path that the Windows path `windows_path` (C:\Games\QIRA 2004\) names in the prefix:
// the drive through `dosdevices/c:` (a link to ../drive_c, or wherever the user pointed it), or
// `drive_c` for C: when the prefix has no such link; the rest with `/` for `\`, `.` dropped and
// `..` taking away the folder before it, never more than the drive's root. The case of the
// rest is kept (the caller matches it without regard to case). Nothing for a path without a drive
// letter or a drive the prefix does not know. A trailing separator is kept.
std::optional<std::filesystem::path> map_path(const std::filesystem::path& prefix,
                                              std::string_view windows_path);

// The prefixes to look in: $WINEPREFIX (when set), then HOME/.wine; each once.
std::vector<std::filesystem::path> prefixes(const char* wineprefix_env, const char* home_env);

// What one prefix says about the game.
struct [[nodiscard]] prefix_report {
    std::vector<std::filesystem::path> install_dirs; // mapped, native view first
    // Why the prefix said nothing, or less than it holds (no system.reg, damaged, no key, a
    // folder that is none of the prefix): refused, worded whole; ok when nothing is wrong.
    result problem;
};
prefix_report game_install_dirs(const std::filesystem::path& prefix);

} // namespace qira::wine
