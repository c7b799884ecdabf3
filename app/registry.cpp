#include "registry.h"

#include <QSettings>
#include <QStandardPaths>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace qira {

namespace {

// An INI file keeps every registry key as a settings group ("Software/ZQ sports/QIRA 2004").
// A key that exists without values would vanish from the file, so creating a key stores its
// unnamed default value, as the registry shows it: "(Default)", empty.
constexpr char default_value_name[] = "(Default)";

QString settings_group(const QString& key_path) {
    QString group = key_path;
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (group.startsWith(QLatin1Char('/')))
        group.remove(0, 1);
    while (group.endsWith(QLatin1Char('/')))
        group.chop(1);
    return group;
}

bool group_exists(QSettings& settings, const QString& group) {
    settings.beginGroup(group);
    const bool exists = !settings.childKeys().isEmpty() || !settings.childGroups().isEmpty();
    settings.endGroup();
    return exists;
}

class ini_key final : public registry_key {
  public:
    ini_key(std::unique_ptr<QSettings> settings, QString group)
        : settings_(std::move(settings)), group_(std::move(group)) {}

    std::optional<QString> read(const QString& name) const override {
        if (!settings_)
            return std::nullopt;
        const QString key = group_ + QLatin1Char('/') + name;
        if (!settings_->contains(key))
            return std::nullopt;
        const QVariant value = settings_->value(key);
        // An unquoted text with commas reads back as a list.
        if (value.typeId() == QMetaType::QStringList)
            return value.toStringList().join(QLatin1Char(','));
        return value.toString();
    }

    bool write(const QString& name, const QString& value) override {
        if (!settings_)
            return false;
        settings_->setValue(group_ + QLatin1Char('/') + name, value);
        settings_->sync();
        return settings_->status() == QSettings::NoError;
    }

    void close() override {
        if (settings_)
            settings_->sync();
        settings_.reset();
    }

  private:
    std::unique_ptr<QSettings> settings_;
    QString group_;
};

std::unique_ptr<QSettings> open_ini() {
    const QString file = registry_file();
    if (file.isEmpty())
        return nullptr;
    auto settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
    if (settings->status() != QSettings::NoError)
        return nullptr;
    return settings;
}

std::unique_ptr<registry_key> open_ini_key(const QString& key_path) {
    auto settings = open_ini();
    if (!settings)
        return nullptr;
    const QString group = settings_group(key_path);
    if (!group_exists(*settings, group)) {
        settings->setValue(group + QLatin1Char('/') + QLatin1String(default_value_name), QString());
        settings->sync();
        if (settings->status() != QSettings::NoError)
            return nullptr;
    }
    return std::make_unique<ini_key>(std::move(settings), group);
}

#ifdef _WIN32

// The game is a 32-bit program; its keys are in the 32-bit view of the registry.
constexpr REGSAM view = KEY_WOW64_32KEY;

std::wstring subkey_of(const QString& key_path) {
    QString subkey = key_path;
    while (subkey.startsWith(QLatin1Char('\\')))
        subkey.remove(0, 1);
    while (subkey.endsWith(QLatin1Char('\\')))
        subkey.chop(1);
    return subkey.toStdWString();
}

class win32_key final : public registry_key {
  public:
    explicit win32_key(HKEY key) : key_(key) {}
    ~win32_key() override { close(); }

    std::optional<QString> read(const QString& name) const override {
        if (!key_)
            return std::nullopt;
        const std::wstring value_name = name.toStdWString();
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExW(key_, value_name.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS)
            return std::nullopt;
        if (type == REG_DWORD) {
            DWORD number = 0;
            DWORD number_size = sizeof number;
            if (RegQueryValueExW(key_, value_name.c_str(), nullptr, nullptr,
                                 reinterpret_cast<BYTE*>(&number), &number_size) != ERROR_SUCCESS)
                return std::nullopt;
            return QString::number(number);
        }
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            return std::nullopt;
        std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
        DWORD text_size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        if (RegQueryValueExW(key_, value_name.c_str(), nullptr, nullptr,
                             reinterpret_cast<BYTE*>(text.data()), &text_size) != ERROR_SUCCESS)
            return std::nullopt;
        text.resize(text_size / sizeof(wchar_t));
        while (!text.empty() && text.back() == L'\0')
            text.pop_back();
        return QString::fromStdWString(text);
    }

    bool write(const QString& name, const QString& value) override {
        if (!key_)
            return false;
        const std::wstring value_name = name.toStdWString();
        const std::wstring text = value.toStdWString();
        return RegSetValueExW(
                   key_, value_name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
    }

    void close() override {
        if (key_)
            RegCloseKey(key_);
        key_ = nullptr;
    }

  private:
    HKEY key_;
};

std::unique_ptr<registry_key> open_win32_key(const QString& key_path) {
    const std::wstring subkey = subkey_of(key_path);
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE | view, nullptr, &key, nullptr) == ERROR_SUCCESS)
        return std::make_unique<win32_key>(key);
    // Without the right to write to the machine's keys, reading still works.
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, KEY_READ | view, &key) ==
        ERROR_SUCCESS)
        return std::make_unique<win32_key>(key);
    return nullptr;
}

#endif

} // namespace

QString registry_file() {
    const QString chosen = qEnvironmentVariable("QIRA_REGISTRY");
    if (!chosen.isEmpty())
        return chosen;
#ifdef _WIN32
    return {};
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        return {};
    return folder + QLatin1String("/qira-db-editor/registry.ini");
#endif
}

std::unique_ptr<registry_key> registry_key::open(const QString& key_path) {
#ifdef _WIN32
    if (registry_file().isEmpty())
        return open_win32_key(key_path);
#endif
    return open_ini_key(key_path);
}

bool registry_key_exists(const QString& key_path) {
#ifdef _WIN32
    if (registry_file().isEmpty()) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, subkey_of(key_path).c_str(), 0, KEY_READ | view,
                          &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }
#endif
    auto settings = open_ini();
    return settings && group_exists(*settings, settings_group(key_path));
}

} // namespace qira
