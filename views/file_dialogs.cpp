#include "views/file_dialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QPointer>

namespace qira {

file_chooser file_dialogs(QWidget* parent, const QString& save_title, const QString& open_title,
                          const QString& kinds) {
    return [parent = QPointer<QWidget>(parent), save_title, open_title,
            kinds](bool save, const QString& folder, const QString& name) {
        const QString start = folder.isEmpty() ? name
                              : name.isEmpty() ? folder
                                               : folder + QLatin1Char('/') + name;
        return save ? QFileDialog::getSaveFileName(parent, save_title, start, kinds)
                    : QFileDialog::getOpenFileName(parent, open_title, start, kinds);
    };
}

std::filesystem::path to_fs_path(const QString& text) {
#ifdef _WIN32
    return std::filesystem::path(text.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(text).toStdString());
#endif
}

QString from_fs_path(const std::filesystem::path& path) {
#ifdef _WIN32
    return QString::fromStdWString(path.native());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}

} // namespace qira
