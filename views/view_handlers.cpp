// The tree's and the pages' events and their handlers. Every handler runs guarded: an error it
// raises is shown by the default error handler and the program goes on.

#include "app/main_window.h"

void TForm1::connect_view_handlers() {
    // A click runs the handler even when the selection does not change; a change of selection
    // by the keyboard or by code runs it too.
    connect(TreeView1, &QTreeWidget::itemClicked, this, guarded(&TForm1::show_selected_node));
    connect(TreeView1, &QTreeWidget::currentItemChanged, this,
            guarded(&TForm1::show_selected_node));

    connect(l_apply, &QPushButton::clicked, this, guarded(&TForm1::l_applyClick));
    connect(t_apply, &QPushButton::clicked, this, guarded(&TForm1::t_applyClick));
    connect(Button2, &QPushButton::clicked, this, guarded(&TForm1::Button2Click));
    connect(pl_apply, &QPushButton::clicked, this, guarded(&TForm1::pl_applyClick));
    connect(Button8, &QPushButton::clicked, this, guarded(&TForm1::Button8Click));

    connect(Button5, &QPushButton::clicked, this, guarded(&TForm1::Button5Click));
    // The user selecting a row, with the mouse (also the row already selected) or the keyboard;
    // the list's rebuilds select rows with its signals blocked.
    connect(t_pl_list, &QListWidget::itemClicked, this, guarded(&TForm1::t_pl_listClick));
    connect(t_pl_list, &QListWidget::currentRowChanged, this, guarded(&TForm1::t_pl_listClick));
    connect(t_pl_list, &QListWidget::itemDoubleClicked, this, guarded(&TForm1::t_pl_listDblClick));
    // The user picking an entry; setting it from code does not count.
    connect(t_pl_pos, &QComboBox::activated, this, guarded(&TForm1::t_pl_posChange));
    // Every change of the number field's text: typed, stepped, or set from code.
    connect(t_pl_num_p, &QSpinBox::textChanged, this, guarded(&TForm1::t_pl_numChange));
    connect(t_apply_1, &QPushButton::clicked, this, guarded(&TForm1::t_apply_1Click));
    connect(Button3, &QPushButton::clicked, this, guarded(&TForm1::Button3Click));
}
