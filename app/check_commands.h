#pragma once
// "Check game...": the references between the game's tables checked, each problem shown where it
// is; and the question before a save that would write problems the session made.

#include "editing/game_check.h"

#include <QCoreApplication>

#include <functional>
#include <vector>

namespace qira {

class check_window;
class game_document;
class message_sink;

class check_commands {
    Q_DECLARE_TR_FUNCTIONS(qira::check_commands)

  public:
    // `show_row` shows a row of a table (a double-click on a problem).
    check_commands(game_document& doc, message_sink& messages,
                   std::function<void(int table, int row)> show_row);
    ~check_commands();
    check_commands(const check_commands&) = delete;
    check_commands& operator=(const check_commands&) = delete;

    // The window of the problems, made when first asked for; nullptr before.
    check_window* window = nullptr;

    // "Check game...": the window shown with the problems of the game now.
    void show();
    // A game was opened: its problems are those the files came with.
    void files_opened();
    void close_window();
    // Before a save: whether to save although the session added problems (the user is asked;
    // problems the files had on opening never hold a save back).
    bool save_despite_problems();

  private:
    game_document& doc_;
    message_sink& messages_;
    std::function<void(int, int)> show_row_;
    // The problems of the references the files had when they were opened.
    std::vector<game_problem> opening_problems_;
};

} // namespace qira
