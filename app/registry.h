#pragma once
// Keys of the machine-wide registry: where the game is installed, and the language the editor
// used last. On Windows these are keys of HKEY_LOCAL_MACHINE. Elsewhere, and on any system when
// the environment variable QIRA_REGISTRY names a file, the same keys, value names and text values
// live in an INI file: QIRA_REGISTRY, else registry.ini in the user's configuration folder.

#include <QString>

#include <memory>
#include <optional>

namespace qira {

inline constexpr char install_key[] = "\\Software\\ZQ sports\\QIRA 2004\\";
inline constexpr char install_dir_value[] = "Install Dir";
inline constexpr char editor_key[] = "\\Software\\Brolt Software\\QIRA DB EDITOR 2004\\";
inline constexpr char language_value[] = "language";

// One open key.
class registry_key {
  public:
    // Opens the key (a path like install_key), creating it when missing; nothing when it can
    // neither be opened nor created.
    static std::unique_ptr<registry_key> open(const QString& key_path);

    virtual ~registry_key() = default;
    // The text value of that name; nothing when the key holds no such value.
    virtual std::optional<QString> read(const QString& name) const = 0;
    // Sets a text value; false when it could not be stored.
    virtual bool write(const QString& name, const QString& value) = 0;
    // Releases the key; the object may then only be destroyed.
    virtual void close() = 0;
};

// Whether the key exists (without creating it).
bool registry_key_exists(const QString& key_path);

// The INI file that stands for the registry, or empty when the Windows registry is used.
QString registry_file();

} // namespace qira
