#include "game_paths.h"

#include <QDir>
#include <QFile>

#include <optional>
#include <system_error>

namespace qira {

QStringList language_file_codes() {
    return {QStringLiteral("eng"), QStringLiteral("spa"), QStringLiteral("swe"),
            QStringLiteral("fre"), QStringLiteral("dut"), QStringLiteral("ita")};
}

QString database_path_text(const QString& install_dir) {
    return install_dir + QLatin1String("data\\cmn\\qira.db");
}

QString language_file_name(int language) {
    const QStringList codes = language_file_codes();
    const QString code = language >= 0 && language < codes.size() ? codes[language] : codes[0];
    return code + QLatin1String(".db");
}

QString language_path_text(const QString& install_dir, int language) {
    return install_dir + QLatin1String("data\\cmn\\fe\\") + language_file_name(language);
}

bool holds_game_database(const QString& install_dir) {
    std::error_code ec;
    return std::filesystem::is_regular_file(resolve_game_path(database_path_text(install_dir)), ec);
}

QString install_dir_of_folder(const QString& folder) {
    QString dir = QDir::toNativeSeparators(folder);
    if (!dir.endsWith(QDir::separator()))
        dir += QDir::separator();
    return dir;
}

#ifndef _WIN32

namespace {

// The entry of `folder` whose name equals `name` apart from case; the first in name order when
// several do, nothing when none does.
std::optional<std::filesystem::path> entry_ignoring_case(const std::filesystem::path& folder,
                                                         const QString& name) {
    std::error_code ec;
    std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec);
    if (ec)
        return std::nullopt;
    std::optional<QString> best;
    for (const auto end = std::filesystem::directory_iterator(); it != end; it.increment(ec)) {
        if (ec)
            break;
        const QString candidate = from_fs_path(it->path().filename());
        if (candidate.compare(name, Qt::CaseInsensitive) == 0 && (!best || candidate < *best))
            best = candidate;
    }
    if (!best)
        return std::nullopt;
    return to_fs_path(*best);
}

} // namespace

#endif

std::filesystem::path resolve_game_path(const QString& text) {
#ifdef _WIN32
    return to_fs_path(text);
#else
    QString unix_text = text;
    unix_text.replace(QLatin1Char('\\'), QLatin1Char('/'));
    std::filesystem::path result;
    if (unix_text.startsWith(QLatin1Char('/')))
        result = "/";
    bool matching = true; // false once a component is missing: nothing below it can exist
    for (const QString& part : unix_text.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const std::filesystem::path exact = result / to_fs_path(part);
        std::error_code ec;
        if (!matching || part == QLatin1String(".") || part == QLatin1String("..") ||
            std::filesystem::exists(std::filesystem::symlink_status(exact, ec))) {
            result = exact;
            continue;
        }
        if (const auto found = entry_ignoring_case(result, part)) {
            result /= *found;
            continue;
        }
        matching = false;
        result = exact;
    }
    return result;
#endif
}

} // namespace qira
