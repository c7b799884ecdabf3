#include "app/recovery_commands.h"

#include "app/registry.h"
#include "views/file_dialogs.h"
#include "views/game_document.h"
#include "views/message_sink.h"
#include "views/shown_text.h"
#include "views/widgets.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>
#include <QUuid>

#include <algorithm>
#include <system_error>

namespace qira {

namespace {

//: A choice of the question about the changes kept when the editor did not close normally
const char* const put_aside_choice = QT_TRANSLATE_NOOP("qira::recovery_commands", "Put aside");
//: A choice of the question about the changes kept when the editor did not close normally
const char* const later_choice =
    QT_TRANSLATE_NOOP("qira::recovery_commands", "Decide at the next start");

constexpr int write_interval_ms = 1000;
constexpr char file_prefix[] = "recovery-";
constexpr char aside_prefix[] = "set-aside-";

QString shown_path(const std::filesystem::path& p) {
    return QDir::toNativeSeparators(from_fs_path(p));
}

// recovery-<id>.json is locked by recovery-<id>.lock.
QString lock_of(const QString& file) {
    return file.left(file.size() - 4) + QStringLiteral("lock");
}

// A lock that the editor holding it keeps for as long as it runs: only a dead process's lock is
// stale (never one merely old).
std::unique_ptr<QLockFile> try_lock(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

} // namespace

recovery_commands::recovery_commands(game_document& doc, message_sink& messages,
                                     status_line* status)
    : doc_(doc), messages_(messages), status_(status), timer_(std::make_unique<QTimer>()) {
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    file_ = QDir(folder()).filePath(QLatin1String(file_prefix) + id + QStringLiteral(".json"));
    lock_path_ = lock_of(file_);
    worker_.setMaxThreadCount(1);
    timer_->setSingleShot(true);
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] { write_now(); });
    QObject::connect(&doc_, &game_document::changed, timer_.get(),
                     [this](const document_change& d) {
                         if (base_ && !d.made.empty()) {
                             base_->note(d.made);
                             step_made();
                         }
                     });
}

recovery_commands::~recovery_commands() {
    timer_->stop();
    remove_file();
    worker_.waitForDone();
}

QString recovery_commands::folder() {
    const QString ini = registry_file();
    if (!ini.isEmpty())
        return QFileInfo(ini).absolutePath();
    // Windows' own registry: the user's application folder (%LOCALAPPDATA%\qira-db-editor).
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

void recovery_commands::files_opened(const std::filesystem::path& database,
                                     const std::filesystem::path& language) {
    start_from(recovery_header_of(database, language));
}

void recovery_commands::files_opened(const std::filesystem::path& database,
                                     const std::filesystem::path& language,
                                     const opened_files& opened) {
    if (opened.database.empty() || (!language.empty() && opened.language.empty())) {
        files_opened(database, language);
        return;
    }
    start_from(result_of<recovery_header>::success(
        recovery_header_of(database, language, opened.database, opened.language)));
}

void recovery_commands::start_from(const result_of<recovery_header>& header) {
    timer_->stop();
    again_ = false;
    remove_file();
    base_.reset();
    if (!header) {
        report(header.outcome());
        return;
    }
    base_.emplace(doc_.game, header.value);
}

void recovery_commands::files_saved() {
    if (!base_)
        return;
    const recovery_header was = base_->header();
    files_opened(was.database, was.language);
    drop_adopted();
}

void recovery_commands::closed() {
    timer_->stop();
    again_ = false;
    remove_file();
    base_.reset();
    drop_adopted();
}

void recovery_commands::wait_for_writes() {
    worker_.waitForDone();
}

void recovery_commands::step_made() {
    if (timer_->isActive())
        return;
    const qint64 since = since_write_.isValid() ? since_write_.elapsed() : write_interval_ms;
    timer_->start(static_cast<int>(std::clamp<qint64>(write_interval_ms - since, 0, 1000)));
}

void recovery_commands::write_now() {
    if (!base_)
        return;
    if (writing_) {
        again_ = true;
        return;
    }
    // The game is read here, on the window's thread; the worker gets the patch alone.
    result_of<patch> made = base_->changes(doc_.game);
    if (!made) {
        report(made.outcome());
        return;
    }
    if (made.value.empty()) {
        // Back at the files as opened or saved: nothing to recover.
        remove_file();
        return;
    }
    if (!lock_session()) {
        report(result::failure(result::code::write_failed, {.file = file_.toStdString()},
                               //: Why the file that keeps the unsaved changes cannot be written
                               tr("its lock cannot be taken").toStdString()));
        return;
    }
    writing_ = true;
    since_write_.restart();
    auto job =
        std::make_shared<std::pair<recovery_header, patch>>(base_->header(), std::move(made.value));
    QTimer* back = timer_.get();
    worker_.start([this, back, job, path = to_fs_path(file_)] {
        const result r = save_recovery_file(path, job->first, job->second);
        QMetaObject::invokeMethod(
            back, [this, r] { written(r); }, Qt::QueuedConnection);
    });
}

void recovery_commands::written(const result& r) {
    writing_ = false;
    if (r.ok()) {
        drop_adopted();
        reported_ = false;
    } else {
        report(r);
    }
    if (std::exchange(again_, false))
        step_made();
}

void recovery_commands::report(const result& r) {
    if (reported_ || !status_)
        return;
    status_->setText(
        //: %1: why not
        tr("The unsaved changes cannot be kept for recovery: %1").arg(shown_text(r)));
    reported_ = true;
}

void recovery_commands::remove_file() {
    worker_.start([path = to_fs_path(file_)] {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    });
}

bool recovery_commands::lock_session() {
    if (lock_)
        return true;
    QDir().mkpath(folder());
    lock_ = try_lock(lock_path_);
    return lock_ != nullptr;
}

QString recovery_commands::put_aside(const QString& path) {
    const QFileInfo info(path);
    const QString id = info.completeBaseName().mid(sizeof(file_prefix) - 1);
    const QString aside = info.dir().filePath(
        QLatin1String(aside_prefix) +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-")) + id +
        QStringLiteral(".json"));
    return QFile::rename(path, aside) ? aside : QString();
}

void recovery_commands::drop_adopted() {
    if (adopted_.isEmpty())
        return;
    QFile::remove(adopted_);
    adopted_.clear();
    adopted_lock_.reset();
}

QString recovery_commands::left_file() {
    const QDir dir(folder());
    // The locks that crashed editors left without a file.
    for (const QFileInfo& lock : dir.entryInfoList(
             {QLatin1String(file_prefix) + QLatin1Char('*') + QStringLiteral(".lock")},
             QDir::Files)) {
        const QString path = lock.absoluteFilePath();
        if (path != lock_path_ &&
            !QFileInfo::exists(path.left(path.size() - 4) + QStringLiteral("json")))
            try_lock(path); // taken when stale, and let go at once: removed
    }
    const QFileInfoList files =
        dir.entryInfoList({QLatin1String(file_prefix) + QLatin1Char('*') + QStringLiteral(".json")},
                          QDir::Files, QDir::Time);
    const auto left = std::find_if(files.begin(), files.end(), [&](const QFileInfo& f) {
        if (f.absoluteFilePath() == file_)
            return false;
        adopted_lock_ = try_lock(lock_of(f.absoluteFilePath()));
        return adopted_lock_ != nullptr; // else an editor that runs keeps it
    });
    return left == files.end() ? QString() : left->absoluteFilePath();
}

void recovery_commands::put_aside_and_say(const QString& path) {
    const QString kept = put_aside(path);
    adopted_lock_.reset();
    QString said;
    if (kept.isEmpty())
        //: %1: the file that keeps the changes
        said = tr("%1 could not be renamed; it stays for the next start.")
                   .arg(QDir::toNativeSeparators(path));
    else
        //: %1: the file the changes were put aside as
        said = tr("The kept changes were put aside as %1. \"Apply patch...\" "
                  "can apply them to the game.")
                   .arg(QDir::toNativeSeparators(kept));
    messages_.show(QLatin1String(app_title), said);
}

std::optional<recovery_commands::left_session> recovery_commands::offer() {
    const QString path = left_file();
    if (path.isEmpty())
        return std::nullopt;
    recovery_contents kept;
    if (const result read = load_recovery_file(to_fs_path(path), kept); !read) {
        const QString text =
            QStringLiteral("The editor did not close normally, and the changes it kept cannot be "
                           "read:\n%1\n\nPut the file aside? It is kept, renamed, in %2.")
                .arg(shown_text(read), QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
        if (messages_.choose(QLatin1String(app_title), text,
                             {tr(put_aside_choice), tr(later_choice)}) == 0)
            put_aside_and_say(path);
        adopted_lock_.reset();
        return std::nullopt;
    }
    return ask_to_take_back(path, std::move(kept));
}

std::optional<recovery_commands::left_session>
recovery_commands::ask_to_take_back(const QString& path, recovery_contents kept) {
    const recovery_header& h = kept.header;
    QStringList files_text{shown_path(h.database)};
    if (!h.language.empty())
        files_text << shown_path(h.language);
    QStringList changed;
    for (const auto& p : files_changed_since(h))
        //: %1: a game file
        changed << tr("%1 has changed on disk since (or cannot be read): changes that "
                      "no longer apply show as conflicts.")
                       .arg(shown_path(p));
    const QString changed_text =
        changed.isEmpty() ? QString() : changed.join(QLatin1Char('\n')) + QStringLiteral("\n\n");
    const std::size_t count = kept.changes.change_count();
    const QString files = files_text.join(QLatin1Char('\n'));
    // One change has words of its own; more are counted.
    const QString question =
        count == 1
            //: %1: the game's files, one a line; %2: empty, or a paragraph about files changed
            //: on disk since (it ends in an empty line)
            ? tr("The editor did not close normally. It kept 1 unsaved change to\n%1\n\n%2Open "
                 "these files and apply the changes (one step of Undo), or put them aside?")
                  .arg(files, changed_text)
            //: %Ln: how many changes (two or more); %1: the game's files, one a line; %2:
            //: empty, or a paragraph about files changed on disk since (it ends in an empty line)
            : tr("The editor did not close normally. It kept %Ln unsaved changes to\n%1\n\n%2"
                 "Open these files and apply the changes (one step of Undo), or put them aside?",
                 nullptr, static_cast<int>(count))
                  .arg(files, changed_text);
    const int choice =
        messages_.choose(QLatin1String(app_title), question,
                         {tr("Open and apply"), tr(put_aside_choice), tr(later_choice)});
    if (choice != 0) {
        if (choice == 1)
            put_aside_and_say(path);
        adopted_lock_.reset();
        return std::nullopt;
    }
    //: %1: the file that kept the changes
    QString note = tr("These changes were kept by the editor when it did not close "
                      "normally (%1), made to the files as they were opened or saved "
                      "then.")
                       .arg(QDir::toNativeSeparators(path));
    if (!changed.isEmpty())
        note += QLatin1Char('\n') + changed.join(QLatin1Char('\n'));
    return left_session{h.database, h.language, std::move(kept.changes), QFileInfo(path).fileName(),
                        note,       path};
}

QString recovery_commands::taken_back(const left_session& left, bool applied) {
    if (applied) {
        // Kept until this session's own file holds its changes.
        adopted_ = left.path;
        return {};
    }
    const QString kept = put_aside(left.path);
    adopted_lock_.reset();
    //: %1: the file that keeps the changes
    return kept.isEmpty()
               ? tr("The kept changes stay in %1 for the next start.")
                     .arg(QDir::toNativeSeparators(left.path))
               //: %1: the file the changes were put aside as
               : tr("The kept changes were put aside as %1.").arg(QDir::toNativeSeparators(kept));
}

} // namespace qira
