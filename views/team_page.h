#pragma once
// The team page (tab "Team"): a team's localized names, prestige, attack style, formation,
// stadium, captain and penalty taker, and the roster lists: the working copy of the team's player
// links (one entry per link of table 11, in row order) that the roster page edits and the exchange
// rebuilds.

#include "views/game_document.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QWidget>

namespace qira {

class team_page : public QWidget {
    Q_OBJECT

  public:
    explicit team_page(game_document& doc, QWidget* parent = nullptr);

    QLineEdit* e_namefull;
    QLineEdit* e_name5;  // typing limited to 5 characters
    QLineEdit* e_name10; // typing limited to 10 characters
    QSlider* t_prest;
    QComboBox* cobo_formations;
    QComboBox* cobo_attack;
    QComboBox* cobo_stadium;
    QComboBox* t_pl_capt;
    QComboBox* t_pl_penal;
    QListWidget* t_pl_ids; // the roster lists, hidden
    QListWidget* t_pl_names;
    QListWidget* t_pl_poss;
    QListWidget* t_pl_nums;
    QPushButton* t_apply;
    QPushButton* Button2; // "Edit team players >>>"
    QLineEdit* t_id;

    void show_team(int row);
    // `step` names the undo step: "team" for this page's Apply, "roster" for the roster page's.
    void t_applyClick() { apply("team"); }
    void apply(const char* step);
    // Fills the four roster lists from the team's links (none for a row of -1).
    void fill_roster_lists(int team_row);
    // Gives t_pl_capt and t_pl_penal the entries of t_pl_names; with `keep_choice` the same
    // positions stay chosen.
    void fill_player_choices(bool keep_choice);
    // Fills the stadium list from the stadium table: entry j stands for row j.
    void fill_stadium_list();
    // The shown team's row, or -1.
    int shown_row() const;

  signals:
    // "Edit team players >>>"
    void edit_players_requested();
    // A team was shown: `found` is false for a node that no team row stands behind, whose page
    // cannot be applied.
    void shown(bool found);
    // The page was filled again after an undo or redo.
    void refilled();

  private:
    void rows_changed(const change& c);

    game_document& doc_;
};

} // namespace qira
