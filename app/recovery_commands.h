#pragma once
// A session that survives a crash. After each step (a page's Apply, an edit of the tables, an
// undo, a redo), at most once a second, the changes since the files were opened or last saved
// are written to this session's recovery file (patch/recovery.h: a patch file naming the two
// files and their checksums), replacing it whole. The patch is made on the window's thread from
// the tables the steps touched; turning it into JSON and writing it happen on a worker thread.
// Back at the files as opened or saved (undone to there, or saved), the file is removed; so it
// is by a save, by "Close" and "Open Database" (after the question about unsaved changes), and
// when the editor exits. A file that cannot be written is said once on the status line and
// never holds up editing.
//
// The files live in the folder of the editor's INI file (registry_file(): QIRA_REGISTRY's folder,
// else ~/.config/qira-db-editor); where the registry is Windows' own, in the per-user
// AppConfigLocation (%LOCALAPPDATA%\qira-db-editor). Each editor writes recovery-<id>.json and
// holds recovery-<id>.lock (a QLockFile) while it runs, so two editors never share a file and
// neither is offered the other's. The lock of an editor that crashed is stale (its process is
// gone); its file is the one offered at the next start.

#include "patch/patch_edit.h"
#include "patch/recovery.h"
#include "views/command_action.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QThreadPool>

#include <filesystem>
#include <memory>
#include <optional>

class QLockFile;
class QTimer;

namespace qira {

class game_document;
class message_sink;
class status_line;

class recovery_commands {
    Q_DECLARE_TR_FUNCTIONS(qira::recovery_commands)

  public:
    recovery_commands(game_document& doc, message_sink& messages, status_line* status);
    // The window going away in order (after its close) ends the session: its file is removed.
    ~recovery_commands();
    recovery_commands(const recovery_commands&) = delete;
    recovery_commands& operator=(const recovery_commands&) = delete;

    // Where the recovery files are kept.
    static QString folder();
    // This session's recovery file.
    QString file() const { return file_; }

    // The game was opened from these files, or saved to them: the changes start again from
    // them, and the file written before is removed.
    void files_opened(const std::filesystem::path& database, const std::filesystem::path& language);
    // The same when their bytes were just read (`opened`, empty when they could not be): their
    // checksums are taken from those bytes.
    void files_opened(const std::filesystem::path& database, const std::filesystem::path& language,
                      const opened_files& opened);
    void files_saved();
    // The game was closed (its unsaved changes discarded or none): the file is removed.
    void closed();
    // Waits until what was handed to the worker is written (tests, and the end of a session).
    void wait_for_writes();

    // The session an editor that did not close left behind, as the user chose to take it back.
    struct left_session {
        std::filesystem::path database;
        std::filesystem::path language;
        patch changes;
        QString name; // the file's name, as the review shows where the changes come from
        QString note; // where the changes come from, and which files changed on disk since
        QString path; // the recovery file
    };
    // At start: when an editor that did not close left a recovery file, offers to open its files
    // and apply its changes, or to put it aside (renamed, kept); dismissed, it stays for the next
    // start. A file that cannot be read is said so, and can be put aside. The left session when
    // the user chose to take it back.
    std::optional<left_session> offer();
    // After taking it back: `applied`, its file is removed once this session has written its own
    // (or saved, or closed); else it is put aside. The text says where it is kept then.
    QString taken_back(const left_session& left, bool applied);

  private:
    // The changes start again from the files the header names (a header that could not be made
    // is said on the status line, and nothing is kept until the next open or save).
    void start_from(const result_of<recovery_header>& header);
    void step_made();
    void write_now();
    // A write handed to the worker ended.
    void written(const result& r);
    // A failure said on the status line, once until a write succeeds.
    void report(const result& r);
    // Removes this session's file (in order after the writes handed to the worker).
    void remove_file();
    bool lock_session();
    // Renames a recovery file aside: the name it is kept under, or empty when it could not be.
    QString put_aside(const QString& path);
    // The steps of offer(): the newest file no running editor holds (its lock taken), or empty;
    // a file put aside and the user told where; the question of a file that could be read.
    QString left_file();
    void put_aside_and_say(const QString& path);
    std::optional<left_session> ask_to_take_back(const QString& path, recovery_contents kept);
    void drop_adopted();

    game_document& doc_;
    message_sink& messages_;
    status_line* status_;
    QString file_;
    QString lock_path_;
    std::unique_ptr<QLockFile> lock_;
    std::optional<recovery_base> base_;
    std::unique_ptr<QTimer> timer_;
    QElapsedTimer since_write_;
    bool writing_ = false;
    bool again_ = false;    // a step came while a write was under way
    bool reported_ = false; // a failure was said; said again only after a write succeeded
    // The file of a left session taken back, and its lock: removed once this session's own file
    // holds its changes.
    QString adopted_;
    std::unique_ptr<QLockFile> adopted_lock_;
    // One thread: writes and removals happen in the order they were handed over.
    QThreadPool worker_;
};

} // namespace qira
