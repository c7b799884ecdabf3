#include "registry.h"

#include "app/win_registry.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

#include <functional>

namespace qira {

namespace {

// An INI file keeps every registry key as a settings group ("Software/ZQ sports/QIRA 2004").
// A key that exists without values would vanish from the file, so creating a key stores its
// unnamed default value, as the registry shows it: "(Default)", empty.
constexpr char default_value_name[] = "(Default)";
// The keys of HKEY_CURRENT_USER live under this group of the same file; the rest are the
// machine's keys (HKEY_LOCAL_MACHINE).
constexpr char user_group_prefix[] = "HKEY_CURRENT_USER/";

// A value that could not be stored.
result unstored(const QString& name) {
    //: Why a setting was not saved; %1: the setting's name as the registry keeps it
    const QString problem =
        QCoreApplication::translate("qira::registry_key", "the value \"%1\" could not be stored")
            .arg(name);
    return result::failure(result::code::write_failed, {.field = name.toStdString()},
                           problem.toStdString());
}

// With QIRA_REGISTRY_MACHINE=read-only the file's machine keys refuse to be created or written,
// as HKEY_LOCAL_MACHINE does for a user without administrator rights.
bool machine_read_only() {
    return qEnvironmentVariable("QIRA_REGISTRY_MACHINE") == QLatin1String("read-only");
}

// A key of the user's hive and the same key of the machine's hive, seen as one: a value is read
// from the user's key first, then from the machine's; it is written to the machine's key, and to
// the user's when the machine's refuses (no administrator rights). A value that the user's key
// holds is kept equal to the one written to the machine's, so it never hides a newer one.
class layered_key final : public registry_key {
  public:
    using opener = std::function<std::unique_ptr<registry_key>(bool create)>;
    layered_key(std::unique_ptr<registry_key> machine, opener open_user)
        : machine_(std::move(machine)), open_user_(std::move(open_user)) {}

    std::optional<QString> read(const QString& name) const override {
        if (registry_key* user = user_key(false))
            if (auto value = user->read(name))
                return value;
        return machine_ ? machine_->read(name) : std::nullopt;
    }

    result write(const QString& name, const QString& value) override {
        if (machine_)
            if (result stored = machine_->write(name, value)) {
                // The user's copy follows where it can; where it cannot, the value is stored in
                // the machine's key all the same.
                if (registry_key* user = user_key(false); user && user->read(name))
                    (void)user->write(name, value);
                return stored;
            }
        registry_key* user = user_key(true);
        return user ? user->write(name, value) : unstored(name);
    }

    void close() override {
        if (machine_)
            machine_->close();
        if (user_)
            user_->close();
        machine_.reset();
        user_.reset();
        open_user_ = nullptr;
    }

  private:
    registry_key* user_key(bool create) const {
        if ((!user_ || (create && !user_created_)) && open_user_) {
            if (auto key = open_user_(create)) {
                user_ = std::move(key);
                user_created_ = create;
            }
        }
        return user_.get();
    }

    std::unique_ptr<registry_key> machine_;
    opener open_user_;
    mutable std::unique_ptr<registry_key> user_;
    mutable bool user_created_ = false;
};

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
    ini_key(std::unique_ptr<QSettings> settings, QString group, bool read_only)
        : settings_(std::move(settings)), group_(std::move(group)), read_only_(read_only) {}

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

    result write(const QString& name, const QString& value) override {
        if (!settings_ || read_only_)
            return unstored(name);
        settings_->setValue(group_ + QLatin1Char('/') + name, value);
        settings_->sync();
        return settings_->status() == QSettings::NoError ? result::success() : unstored(name);
    }

    void close() override {
        if (settings_)
            settings_->sync();
        settings_.reset();
    }

  private:
    std::unique_ptr<QSettings> settings_;
    QString group_;
    bool read_only_;
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

// One key of the file: `group` is the machine's key or the user's; `create` makes it when missing.
std::unique_ptr<registry_key> open_ini_group(const QString& group, bool create, bool read_only) {
    auto settings = open_ini();
    if (!settings)
        return nullptr;
    if (!group_exists(*settings, group)) {
        if (!create || read_only)
            return nullptr;
        settings->setValue(group + QLatin1Char('/') + QLatin1String(default_value_name), QString());
        settings->sync();
        if (settings->status() != QSettings::NoError)
            return nullptr;
    }
    return std::make_unique<ini_key>(std::move(settings), group, read_only);
}

std::unique_ptr<registry_key> open_ini_key(const QString& key_path) {
    const QString group = settings_group(key_path);
    auto machine = open_ini_group(group, true, machine_read_only());
    const QString user_group = QLatin1String(user_group_prefix) + group;
    auto open_user = [user_group](bool create) {
        return open_ini_group(user_group, create, false);
    };
    // Without the machine's key, the user's is made, so that a value can still be stored.
    if (!machine && !open_user(true))
        return nullptr;
    return std::make_unique<layered_key>(std::move(machine), open_user);
}

#ifdef _WIN32

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
    explicit win32_key(std::unique_ptr<win::key> key) : key_(std::move(key)) {}

    std::optional<QString> read(const QString& name) const override {
        if (!key_)
            return std::nullopt;
        const auto value = key_->read(name.toStdWString());
        if (!value)
            return std::nullopt;
        return QString::fromStdWString(*value);
    }

    result write(const QString& name, const QString& value) override {
        if (key_ && key_->write(name.toStdWString(), value.toStdWString()))
            return result::success();
        return unstored(name);
    }

    void close() override { key_.reset(); }

  private:
    std::unique_ptr<win::key> key_;
};

// The game is a 32-bit program; its keys are in the 32-bit view of the registry.
std::unique_ptr<registry_key> open_hive_key(win::hive hive, const std::wstring& subkey,
                                            bool create) {
    auto key = win::key::open(hive, subkey, win::view::wow32, create);
    if (!key)
        return nullptr;
    return std::make_unique<win32_key>(std::move(key));
}

std::unique_ptr<registry_key> open_win32_key(const QString& key_path) {
    const std::wstring subkey = subkey_of(key_path);
    auto machine = open_hive_key(win::hive::machine, subkey, true);
    auto open_user = [subkey](bool create) {
        return open_hive_key(win::hive::user, subkey, create);
    };
    // Without the machine's key, the user's is made, so that a value can still be stored.
    if (!machine && !open_user(true))
        return nullptr;
    return std::make_unique<layered_key>(std::move(machine), open_user);
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
    if (registry_file().isEmpty())
        return win::key::exists(win::hive::machine, subkey_of(key_path), win::view::wow32) ||
               win::key::exists(win::hive::user, subkey_of(key_path), win::view::wow32);
#endif
    auto settings = open_ini();
    const QString group = settings_group(key_path);
    return settings && (group_exists(*settings, group) ||
                        group_exists(*settings, QLatin1String(user_group_prefix) + group));
}

std::vector<QString> machine_install_dirs() {
    std::vector<QString> dirs;
#ifdef _WIN32
    if (registry_file().isEmpty()) {
        const std::wstring subkey = subkey_of(QLatin1String(install_key));
        const std::wstring name = QString::fromLatin1(install_dir_value).toStdWString();
        for (const auto in_view : {win::view::wow32, win::view::native})
            if (auto key = win::key::open(win::hive::machine, subkey, in_view, false))
                if (auto dir = key->read(name))
                    dirs.push_back(QString::fromStdWString(*dir));
    }
#endif
    return dirs;
}

} // namespace qira
