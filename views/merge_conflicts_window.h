#pragma once
// The conflicts of two patches merged, side by side: a modal dialog with one line per conflict
// (the row, the field, what the base, A and B hold there, and the side taken) and the commands
// "Take A" (Alt+A), "Take B" (Alt+B) and "Leave out" (Alt+L) on the selected lines; OK and Cancel.
// Every line starts left out. The dialog only collects the choices: whoever opened it merges
// with them once it is accepted.

#include "patch/patch_merge.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include <vector>

namespace qira {

class merge_conflicts_window final : public QDialog {
    Q_OBJECT

  public:
    enum column { row_column, field_column, base_column, a_column, b_column, take_column };

    // `title`: the window's title; `a_name`, `b_name`: the two patches' names, said above the
    // lines.
    merge_conflicts_window(const std::vector<merge_conflict>& conflicts, const QString& title,
                           const QString& a_name, const QString& b_name, QWidget* parent = nullptr);

    // The side taken on each line, in the conflicts' order.
    const std::vector<merge_side>& choices() const { return choices_; }
    // The selected lines take `side`.
    void take(merge_side side);

    QLabel* note_label;
    QTreeWidget* tree;
    QPushButton* take_a_button;
    QPushButton* take_b_button;
    QPushButton* leave_out_button;
    QPushButton* ok_button; // the default; accepts the dialog
    QPushButton* cancel_button;
    QAction* take_a_action;    // Alt+A
    QAction* take_b_action;    // Alt+B
    QAction* leave_out_action; // Alt+L

  private:
    // The steps of the constructor.
    void make_tree(const std::vector<merge_conflict>& conflicts);
    void make_commands();
    void lay_out();
    void show_choice(int line);

    std::vector<merge_side> choices_;
};

} // namespace qira
