#pragma once
// The team roster page: the shown team's players with their jersey numbers and positions, and
// beside them the exchange tree. Number and position edits change the team page's roster lists
// only; the team page's Apply writes them to the links. The exchange ("<-- Xchange -->") swaps the
// player ids of two link rows at once: the roster player (selected in the roster list) and the
// chosen player (selected in the exchange tree) change places, and both trees and the roster
// follow.

#include "views/free_player_dialog.h"
#include "views/game_document.h"
#include "views/node_tree.h"
#include "views/page_fields.h"
#include "views/player_names_dialog.h"
#include "views/team_page.h"
#include "views/tree_find.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>

#include <vector>

namespace qira {

class roster_page : public QWidget {
    Q_OBJECT

  public:
    roster_page(game_document& doc, team_page& team, QWidget* parent = nullptr);

    QListWidget* t_pl_list;
    QLineEdit* t_pl_num;
    QSpinBox* t_pl_num_p;
    QComboBox* t_pl_pos;
    QPushButton* Button3;         // "<-- Xchange -->"
    QPushButton* ButtonSign;      // "Sign": the chosen player joins the shown team
    QPushButton* ButtonRelease;   // "Release": the roster player leaves (to the chosen team)
    QPushButton* ButtonSignFree;  // "Sign free player...": one without a team joins the team
    QPushButton* ButtonNewPlayer; // "New player...": a copy of the selected player, in the team

    // Asks the names of a new player (the dialog; tests answer instead).
    names_asker ask_names;

    // Chooses a player without a team (the dialog; tests answer instead).
    free_player_chooser choose_free;
    node_tree* xchange;
    tree_find* xchange_find; // find in the exchange tree
    QPushButton* t_apply_1;
    QPushButton* Button5; // "<<< Edit team"

    // The controls that Tab moves through on this page, in order: the roster, the exchange tree
    // with its find field, the bottom row's buttons left to right, "Apply" last; the window chains
    // them after the tree and the page before.
    std::vector<QWidget*> tab_order() const;

    void refresh_roster_list();
    // The handlers that can be refused (a roster list or t_id that holds no number, a player
    // who cannot be found) return the refusal, which the window's box shows.
    result t_pl_listClick();
    void t_pl_posChange();
    void t_pl_numChange();
    result t_pl_listDblClick();
    result t_apply_1Click();
    result Button3Click();
    // Sign: the player chosen in the exchange tree moves (his membership row of the team he was
    // chosen under) into the shown team, with its lowest free number.
    result sign_click();
    // Release: the selected roster player moves into the team chosen in the exchange tree, or,
    // with no team chosen, leaves the team (his player row stays).
    result release_click();
    // Sign free player: a player without a membership row, chosen from a list, joins the shown
    // team with a new membership row.
    result sign_free_click();
    // New player: a copy of the selected roster player with the next free id and the names
    // asked, in the shown team.
    result new_player_click();

  signals:
    // "<<< Edit team"
    void back_to_team_requested();
    // Quick edit chose the node that is already selected: its page is to be shown again.
    void selected_node_page_requested();

  private:
    void make_controls();
    void lay_out();
    void connect_handlers();
    // The buttons between the roster and the exchange tree, top to bottom: the exchange and the
    // transfers.
    std::vector<QWidget*> commands() const;
    // The selected roster row, or -1 when none is selected (the list's current row may stay
    // after the user deselected it).
    int selected_row() const;
    // The team page filled its roster lists again (`ids_before`: t_pl_ids before): the list is
    // rebuilt, and the player selected before stays selected.
    void roster_refilled(const QStringList& ids_before);

    // The membership row of the player chosen in the exchange tree: the one his node was made
    // from, else his link in the team his node stands under, else his first.
    result_of<int> link_of_chosen(QTreeWidgetItem* chosen) const;
    // The id of the shown team.
    result_of<std::int32_t> shown_team_id() const;
    // The selected roster player: his roster row, the shown team and his id; refused with
    // `none_chosen` where no player is selected.
    struct roster_member {
        int entry = -1;
        std::int32_t team = 0;
        std::int32_t player = 0;
    };
    result_of<roster_member> selected_member(const QString& none_chosen) const;
    // Records a transfer as one undo step and refreshes the lists (the trees follow), or
    // refuses with `refused` and
    // the reason.
    result after_transfer(edit_outcome made, const QString& what, const QString& refused);

    game_document& doc_;
    team_page& team_;
    field_controls controls_;
    // Set while a roster row's number is put into the number field.
    bool loading_roster_row_ = false;
};

} // namespace qira
