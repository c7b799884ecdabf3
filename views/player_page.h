#pragma once
// The player page (tab "Player"): a player's name parts and attributes.
//
// pl_id holds the decimal row position of the shown player in the player table. It starts as
// "123", a row that no one chose: Apply does nothing until a player was shown. A player node
// whose label no row has leaves "-1", and Apply then does nothing either.

#include "views/game_document.h"

#include "views/page_fields.h"
#include "views/player_names_dialog.h"
#include "views/widgets.h"
#include <QCheckBox>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QWidget>

#include <span>
#include <vector>

namespace qira {

class player_page : public QWidget {
    Q_OBJECT

  public:
    explicit player_page(game_document& doc, QWidget* parent = nullptr);

    QLineEdit* pl_rid;
    QLineEdit* pl_id;
    QLineEdit* pl_name;
    QLineEdit* pl_pseudo;
    QLineEdit* pl_sur;
    QCheckBox* pl_star;
    QComboBox* pl_pos;
    QLineEdit* pl_height;
    QSpinBox* pl_height_p;
    QLineEdit* pl_weight;
    QSpinBox* pl_weight_p;
    QComboBox* pl_haircolor;
    QComboBox* pl_bootscol;
    QLineEdit* pl_stamina;
    QSpinBox* pl_stamina_p;
    QLineEdit* pl_pass;
    QSpinBox* pl_pass_p;
    QLineEdit* pl_tackl;
    QSpinBox* pl_tackl_p;
    QLineEdit* pl_ballcont;
    QSpinBox* pl_ballcont_p;
    QLineEdit* pl_shotacc;
    QSpinBox* pl_shotacc_p;
    QSlider* pl_talent;
    QPushButton* pl_apply;
    QPushButton* Button8;   // "<<< Edit Team"
    QPushButton* pl_new;    // "New player...": a copy of the shown player with new names
    QPushButton* pl_delete; // "Delete player": his row and his memberships
    status_line* pl_status; // what New player and Delete player did

    // Asks the names of a new player (the dialog; tests answer instead).
    names_asker ask_names;

    // The controls that Tab moves through on this page, in order: a column before the next, the
    // bottom row's buttons left to right, "Apply" last; the window chains them after the tree and
    // the page before.
    std::vector<QWidget*> tab_order() const;

    void show_player(int row);
    // Refused when pl_id holds no number.
    result pl_applyClick();
    void Button8Click();
    // New player: a copy of the shown player with the next free id and the names asked, in the
    // team his node stands under in the tree (none when the node is not under a team).
    result new_click();
    // Delete player: the shown player's row and every membership row of his, one undo step.
    result delete_click();

    // The stored values the page shows, in tab order (the id and the buttons aside).
    static std::span<const page_field> fields();
    // The control of the entry with that object name (one of fields()), or nullptr.
    QWidget* field_control_named(const char* name) const { return controls_.control(name); }

  private:
    void make_id_fields(QLabel* id_label);
    void bind_members();
    void lay_out(QLabel* id_label);
    // After an undo, a redo or an edit of the tables: the page shows the player again when the
    // step touched his row.
    void document_changed(const document_change& d);

    game_document& doc_;
    field_controls controls_;
};

} // namespace qira
