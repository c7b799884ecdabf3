#pragma once
// Keys of the registry: where the game is installed, and the language the editor used last. On
// Windows these are keys of HKEY_LOCAL_MACHINE (in its 32-bit view, as the game's installer
// writes them) and of HKEY_CURRENT_USER: a value is read from the user's key first, then from the
// machine's, and written to the machine's key, or to the user's where the machine's may not be
// written (an ordinary user on current Windows). Elsewhere, and on any system when the
// environment variable QIRA_REGISTRY names a file, the same keys, value names and text values
// live in an INI file: QIRA_REGISTRY, else registry.ini in the user's configuration folder. The
// file's groups are the machine's keys ("Software/ZQ sports/QIRA 2004"), those under
// "HKEY_CURRENT_USER/" the user's; with QIRA_REGISTRY_MACHINE=read-only its machine keys refuse
// to be created or written, as HKEY_LOCAL_MACHINE does without administrator rights.

#include "fileio/result.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace qira {

inline constexpr char install_key[] = "\\Software\\ZQ sports\\QIRA 2004\\";
inline constexpr char install_dir_value[] = "Install Dir";
inline constexpr char editor_key[] = "\\Software\\Brolt Software\\QIRA DB EDITOR 2004\\";
inline constexpr char language_value[] = "language";
// Where the tables window was left: "x,y,width,height" of its frame.
inline constexpr char tables_place_value[] = "tables window";
// The window's language ("en", "es", "sv", "fr", "nl" or "it"): the window's own choice, apart
// from the language file (language_value).
inline constexpr char ui_language_value[] = "UI language";
// Where the main window was left: "x,y,width,height" of its frame when not maximised, and
// whether it was maximised ("1" or "0").
inline constexpr char main_place_value[] = "main window";
inline constexpr char main_maximized_value[] = "main window maximized";

// One open key.
class registry_key {
  public:
    // Opens the key (a path like install_key), creating it when missing; nothing when it can
    // neither be opened nor created.
    static std::unique_ptr<registry_key> open(const QString& key_path);

    virtual ~registry_key() = default;
    // The text value of that name; nothing when the key holds no such value.
    virtual std::optional<QString> read(const QString& name) const = 0;
    // Sets a text value; write_failed when it could not be stored.
    virtual result write(const QString& name, const QString& value) = 0;
    // Releases the key; the object may then only be destroyed.
    virtual void close() = 0;
};

// Whether the key exists in either hive (without creating it).
bool registry_key_exists(const QString& key_path);

// The game's "Install Dir" as HKEY_LOCAL_MACHINE holds it in the 32-bit view and in the native
// view of the registry (a 64-bit editor does not see the first by default); Windows only, and
// nothing when an INI file stands for the registry.
std::vector<QString> machine_install_dirs();

// The INI file that stands for the registry, or empty when the Windows registry is used.
QString registry_file();

} // namespace qira
