#pragma once
// The review of a patch before it applies: a modal dialog listing every change of the patch by
// table, row and field with what the patch expects, what the game holds and what it will be;
// conflicts marked and left unticked; a find field that narrows the list; the count of changes,
// conflicts and ticked ones; "Apply selected" and "Cancel". The dialog only ticks: whoever opened
// it applies the ticked patch once it is accepted.

#include "patch/patch_review.h"
#include "views/patch_review_model.h"
#include "views/widgets.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

namespace qira {

class patch_review_window final : public QDialog {
    Q_OBJECT

  public:
    // `title`: the window's title ("Review patch mod.json"); `note`: why the changes are shown,
    // said above them (empty: nothing). The review must outlive the dialog.
    patch_review_window(patch_review& review, const QString& title, const QString& note,
                        QWidget* parent = nullptr);

    QLabel* note_label;     // hidden when there is no note
    QLabel* whole_problems; // what keeps the whole patch from applying; hidden when nothing does
    QLabel* find_label;
    QLineEdit* find_field;
    QTreeView* tree;
    status_line* summary; // "40 changes, 1 conflict, 39 selected"
    QPushButton* select_all_button;
    QPushButton* select_none_button;
    QPushButton* apply_button; // the default; accepts the dialog
    QPushButton* cancel_button;
    QAction* tick_action;   // on the tree's menu: ticks the current line and what is beneath
    QAction* untick_action; // unticks them
    QAction* find_action;   // Ctrl+F: to the find field
    patch_review_model* model;

    // Narrows the list to what the find field holds now (typing waits a moment first).
    void find_now();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void make_widgets(const QString& note);
    void lay_out();
    void make_actions();
    void update_summary();
    // Shows the tables' rows when that makes a list of reasonable length (or a find narrowed it).
    void expand_groups(bool always);

    patch_review& review_;
    QTimer* find_timer_;
};

} // namespace qira
