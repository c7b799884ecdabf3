#pragma once
// The team page (tab "Team"): a team's localized names, prestige, attack style, formation,
// stadium, captain and penalty taker, and the roster lists: the working copy of the team's player
// links (one entry per link of table 11, in row order) that the roster page edits and the exchange
// rebuilds.

#include "views/game_document.h"
#include "views/page_fields.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QWidget>

#include <optional>
#include <span>
#include <vector>

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

    // The controls that Tab moves through on this page, in order: top to bottom, "Apply" last; the
    // window chains them after the tree and the page before.
    std::vector<QWidget*> tab_order() const;

    void show_team(int row);
    // `step` names the undo step, %1 the team: "Apply team %1" for this page's Apply, "Apply
    // roster %1" for the roster page's (marked for translation in the context qira::team_page).
    // Refused when t_id or a roster list holds no number.
    result t_applyClick() {
        //: Undo step of the team page's Apply; %1: the team
        return apply(QT_TRANSLATE_NOOP("qira::team_page", "Apply team %1"));
    }
    result apply(const char* step);
    // Fills the four roster lists from the team's links (none for a row of -1).
    void fill_roster_lists(int team_row);
    // Gives t_pl_capt and t_pl_penal the entries of t_pl_names; with `keep_choice` the same
    // positions stay chosen.
    void fill_player_choices(bool keep_choice);
    // Fills the stadium list from the stadium table: entry j stands for row j and carries its
    // id. With `keep_choice` the stadium chosen (shown for the team, or picked) stays chosen,
    // found again by its id: none while no row has it, and again when a row has it again; else
    // none is.
    void fill_stadium_list(bool keep_choice = false);
    // The shown team's row, or -1.
    int shown_row() const;

    // The stored values the page shows, in tab order.
    static std::span<const page_field> fields();

  signals:
    // "Edit team players >>>"
    void edit_players_requested();
    // A team was shown: `found` is false for a node that no team row stands behind, whose page
    // cannot be applied.
    void shown(bool found);
    // The page or its roster lists were filled again after the tables changed (an undo, a
    // redo, the grid, an import, a patch, a player's new name); `ids_before` is what t_pl_ids
    // held before, so that the roster page can keep the same player selected.
    void refilled(const QStringList& ids_before);

  private:
    static const page_field team_fields[];
    // The derived entries: the stadium (an item of the stadium table), the captain and the
    // penalty taker (items of the roster lists).
    static const derived_value stadium_value;
    static const derived_value player_value;
    static void show_stadium(QWidget* page, const page_field& f, QComboBox* list,
                             const db_overall_data* row);
    static result_of<std::optional<std::uint32_t>> take_stadium(const QWidget* page,
                                                                const QComboBox* list);
    static void show_player(QWidget* page, const page_field& f, QComboBox* list,
                            const db_overall_data* row);
    static result_of<std::optional<std::uint32_t>> take_player(const QWidget* page,
                                                               const QComboBox* list);
    void bind_members();
    void lay_out();
    // show_team without telling the roster page.
    void show_page(int row);
    // A link of the shown team as stored when the roster lists were filled.
    struct stored_link {
        std::int32_t player = 0;
        std::uint32_t number = 0;
        std::uint32_t position = 0;
        friend bool operator==(const stored_link&, const stored_link&) = default;
    };
    std::vector<stored_link> links_of(int team_row) const;
    // After every step: the lists and the page follow the tables (an undo, a redo, an edit of
    // the tables), then the roster's labels the players' names (also after a player's Apply).
    void document_changed(const document_change& d);
    // The lists follow the tables they are made from: the stadium list table 7; the page, when
    // the step changed the team's row, its settings row or its links, those rows.
    void follow_tables(const change& c);
    // The roster's labels follow the players' names.
    void follow_player_names();

    game_document& doc_;
    field_controls controls_;
    // The shown team's id, and its links as the roster lists were filled from them.
    std::optional<std::int32_t> shown_id_;
    std::vector<stored_link> filled_links_;
    // The id of the chosen stadium, kept while no row has it.
    std::optional<std::int32_t> stadium_choice_;
};

} // namespace qira
