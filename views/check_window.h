#pragma once
// The window of "Check game...": each problem of the references between the game's tables on a
// line; a double-click (or Enter) asks to show its row.

#include "editing/game_check.h"
#include "views/game_document.h"
#include "views/widgets.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

namespace qira {

class check_window : public QWidget {
    Q_OBJECT

  public:
    explicit check_window(game_document& doc, QWidget* parent = nullptr);

    QListWidget* check_list;
    status_line* check_summary;
    QPushButton* check_again;

    // Checks the open game again and lists what it finds; `known` are the problems the files had
    // when they were opened (marked as such).
    void refresh(const std::vector<game_problem>& known);
    const std::vector<game_problem>& problems() const { return problems_; }

  signals:
    // The row of a problem to show: its page, or the grid.
    void show_row(int table, int row);
    void check_requested();

  private:
    game_document& doc_;
    std::vector<game_problem> problems_;
};

} // namespace qira
