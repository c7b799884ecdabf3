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
        lines << QStringLiteral("and %1 more").arg(added.size() - 10);
    return messages_.ask(QLatin1String(app_title),
                         QStringLiteral("The changes leave %1 the files did not have:\n\n"
                                        "%2\n\nSave anyway?")
                             .arg(added.size() == 1
                                      ? QStringLiteral("a problem")
                                      : QStringLiteral("%1 problems").arg(added.size()))
                             .arg(lines.join(QLatin1Char('\n'))));
}

} // namespace qira
