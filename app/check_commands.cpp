#include "app/check_commands.h"

#include "views/check_window.h"
#include "views/game_document.h"
#include "views/message_sink.h"
#include "views/page_values.h"
#include "views/shown_text.h"

#include <QStringList>
#include <QUndoStack>

namespace qira {

check_commands::check_commands(game_document& doc, message_sink& messages,
                               std::function<void(int, int)> show_row)
    : doc_(doc), messages_(messages), show_row_(std::move(show_row)) {}

check_commands::~check_commands() {
    delete window;
}

void check_commands::show() {
    if (!window) {
        // A window of its own, like the tables window.
        window = new check_window(doc_, nullptr);
        QObject::connect(window, &check_window::show_row, window,
                         [this](int table, int row) { show_row_(table, row); });
        QObject::connect(window, &check_window::check_requested, window,
                         [this] { window->refresh(opening_problems_); });
        // The list follows every edit, undo and redo while it is open, so that a double-click
        // never shows a row that has moved since.
        QObject::connect(doc_.undo_stack(), &QUndoStack::indexChanged, window, [this] {
            if (window->isVisible())
                window->refresh(opening_problems_);
        });
    }
    window->refresh(opening_problems_);
    window->show();
    window->raise();
    window->activateWindow();
}

void check_commands::files_opened() {
    close_window();
    opening_problems_ = check_references(doc_.game);
}

void check_commands::close_window() {
    if (window)
        window->close();
}

bool check_commands::save_despite_problems() {
    const auto added = new_problems(opening_problems_, check_references(doc_.game));
    if (added.empty())
        return true;
    QStringList lines;
    for (std::size_t i = 0; i < added.size() && i < 10; ++i)
        lines << shown_text(added[i]);
    if (added.size() > 10)
        //: The last line of a list of problems; %Ln: how many more are not listed
        lines << tr("and %Ln more", nullptr, static_cast<int>(added.size() - 10));
    const QString listed = lines.join(QLatin1Char('\n'));
    // One problem has words of its own ("a problem"); more are counted.
    const QString question =
        added.size() == 1
            //: %1: the problem, on its own line
            ? tr("The changes leave a problem the files did not have:\n\n%1\n\nSave anyway?")
                  .arg(listed)
            //: %Ln: how many problems (two or more); %1: the problems, one a line
            : tr("The changes leave %Ln problems the files did not have:\n\n%1\n\nSave anyway?",
                 nullptr, static_cast<int>(added.size()))
                  .arg(listed);
    return messages_.ask(QLatin1String(app_title), question);
}

} // namespace qira
