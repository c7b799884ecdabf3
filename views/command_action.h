#pragma once
// A window's commands as actions: one QAction per command holds its text, keys and enabled state;
// the push button that shows the command triggers the action and follows it. Every command runs
// along one path (run_command): the handler says what the command does and what came of it, the
// path shows a refusal in a box, pushes an undo step and writes the status line.

#include "editing/change.h"
#include "fileio/result.h"

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QPushButton>
#include <QString>

#include <functional>
#include <optional>

namespace qira {

class game_document;
class message_sink;
class status_line;

// What a command came to.
struct command_outcome {
    result refusal = result::success(); // not ok: shown in a box, nothing else happens
    QString caption;                    // the box's caption; empty: the application's title
    std::optional<QString> status;      // written to the status line when given
    change step;                        // pushed as one undo step named step_name unless empty
    QString step_name;

    // Done; `status` for the status line.
    static command_outcome done(std::optional<QString> status = std::nullopt) {
        command_outcome out;
        out.status = std::move(status);
        return out;
    }
    // Refused with the message of `why`, in a box captioned `caption` (empty: the title).
    static command_outcome refused(result why, QString caption = {}) {
        command_outcome out;
        out.refusal = std::move(why);
        out.caption = std::move(caption);
        return out;
    }
    // Refused with a text worded whole.
    static command_outcome refused(const QString& text, QString caption = {}) {
        return refused(result::failure(result::code::refused, {}, text.toStdString()),
                       std::move(caption));
    }
};

// A command's action named `name` (its objectName), captioned `text`, with its keys. The keys work
// in the window of a widget the action is added to, while that widget is shown and enabled.
QAction* make_command(QObject* parent, const char* name, const QString& text,
                      const QList<QKeySequence>& keys);

// The button triggers the action and follows its enabled state and its text from now on; the
// action's keys work while the button is shown and can be clicked.
void trigger_from(QPushButton* button, QAction* action);
// A command's push button named `name`, captioned as its action, triggering it (trigger_from).
QPushButton* command_button(const char* name, QAction* action, QWidget* parent);

// Runs a command guarded (an error it raises is the document's handler_failed): a refusal is
// shown through `messages`, else the step is pushed on the undo stack and the status written.
void run_command(game_document& doc, message_sink& messages, status_line* status,
                 const std::function<command_outcome()>& command);

} // namespace qira
