// The team page: a team's localized names, prestige, attack style, formation, stadium, captain
// and penalty taker, and the roster lists: the working copy of the team's player links (one
// entry per link of table 11, in row order) that the roster page edits and the exchange rebuilds.

#include "app/main_window.h"
#include "views/page_values.h"

#include <QListWidget>

namespace {

using qira::table_index::team_players;
using qira::table_index::team_settings;
using qira::table_index::teams;

// The row of the team settings table for a team, and the slot of a field in it; nothing when
// either is missing.
struct settings_field {
    int row = -1;
    int slot = -1;
};

settings_field find_settings(const TForm1& w, std::int32_t team_id, const char* field) {
    const int row = w.lookups.settings_by_key(team_id);
    const auto slot = w.game.db.field_slot(team_settings, field);
    if (row < 0 || !slot)
        return {};
    return {row, *slot};
}

// Entry i of a roster list as the stored number; the lists only ever hold decimal numbers.
std::uint32_t number_entry(const QListWidget& list, int i) {
    const QString text = list.item(i)->text();
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok)
        throw qira::handler_error(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return static_cast<std::uint32_t>(value);
}

// Selects the entry of `list` whose player id (in t_pl_ids) is the stored value, or none.
void select_player(QComboBox* list, const QListWidget& ids, std::uint32_t value) {
    const QString id = QString::number(value);
    int found = -1;
    for (int i = 0; i < ids.count() && found < 0; ++i)
        if (ids.item(i)->text() == id)
            found = i;
    list->setCurrentIndex(found);
}

} // namespace

void TForm1::fill_roster_lists(int team_row) {
    t_pl_ids->clear();
    t_pl_names->clear();
    t_pl_nums->clear();
    t_pl_poss->clear();
    if (team_row < 0 || static_cast<std::size_t>(team_row) >= game.db.rows(teams).size())
        return;
    const auto links = game.db.rows(team_players);
    const auto players = game.db.rows(qira::table_index::players);
    QStringList ids, names, nums, poss;
    for (int l : lookups.team_links(game.db.rows(teams)[team_row].keys[0])) {
        const auto& link = links[l];
        const int p = lookups.player_by_key(link.keys[1]);
        // A link to a player that has no row is listed under the empty row's label.
        names << (p >= 0 ? qira::text_of(qira::player_label(players[p])) : QStringLiteral("  "));
        ids << QString::number(link.keys[1]);
        nums << QString::number(link.values[0]);
        poss << QString::number(link.values[1]);
    }
    t_pl_ids->addItems(ids);
    t_pl_names->addItems(names);
    t_pl_nums->addItems(nums);
    t_pl_poss->addItems(poss);
}

void TForm1::fill_player_choices(bool keep_choice) {
    const int captain = t_pl_capt->currentIndex();
    const int penalty = t_pl_penal->currentIndex();
    QStringList names;
    for (int i = 0; i < t_pl_names->count(); ++i)
        names << t_pl_names->item(i)->text();
    t_pl_capt->clear();
    t_pl_capt->addItems(names);
    t_pl_penal->clear();
    t_pl_penal->addItems(names);
    t_pl_capt->setCurrentIndex(keep_choice && captain < names.size() ? captain : -1);
    t_pl_penal->setCurrentIndex(keep_choice && penalty < names.size() ? penalty : -1);
}

void TForm1::show_team(int r) {
    const auto rows = game.db.rows(teams);
    if (r < 0 || static_cast<std::size_t>(r) >= rows.size()) {
        // No team row behind the node: an empty page whose Apply does nothing.
        t_id->setText(QStringLiteral("-1"));
        for (QLineEdit* e : {e_namefull, e_name5, e_name10})
            qira::show_text(e, {});
        t_prest->setValue(0);
        for (QComboBox* c : {cobo_attack, cobo_formations, cobo_stadium})
            c->setCurrentIndex(-1);
        fill_roster_lists(-1);
        fill_player_choices(false);
        return;
    }
    const qira::db_overall_data& team = rows[r];
    t_id->setText(QString::number(r));
    qira::show_text(e_namefull, team.names[0]);
    qira::show_text(e_name5, team.names[1]);
    qira::show_text(e_name10, team.names[2]);
    qira::show_track(t_prest, team.values[17]);
    qira::show_item(cobo_attack, team.values[1]);
    qira::show_item(cobo_formations, team.values[5]);
    const int stadium = lookups.stadium_by_value(team.values[12]);
    cobo_stadium->setCurrentIndex(stadium < cobo_stadium->count() ? stadium : -1);

    fill_roster_lists(r);
    fill_player_choices(false);
    // Captain and penalty taker: the team's first row of the settings table, fields by name.
    const auto captain = find_settings(*this, team.keys[0], "captain");
    if (captain.row >= 0)
        select_player(t_pl_capt, *t_pl_ids,
                      game.db.rows(team_settings)[captain.row].values[captain.slot]);
    const auto penalty = find_settings(*this, team.keys[0], "penaltytakerid");
    if (penalty.row >= 0)
        select_player(t_pl_penal, *t_pl_ids,
                      game.db.rows(team_settings)[penalty.row].values[penalty.slot]);
}

void TForm1::t_applyClick() {
    const int r = qira::to_int(t_id->text());
    auto rows = game.db.rows(teams);
    if (r < 0 || static_cast<std::size_t>(r) >= rows.size())
        return;
    qira::db_overall_data& team = rows[r];
    team.names[0] = qira::applied_text(e_namefull, team.names[0]);
    team.names[1] = qira::applied_text(e_name5, team.names[1]);
    team.names[2] = qira::applied_text(e_name10, team.names[2]);
    // What the edits show now is what is stored: a later Apply compares against that.
    qira::show_text(e_namefull, team.names[0]);
    qira::show_text(e_name5, team.names[1]);
    qira::show_text(e_name10, team.names[2]);
    team.values[17] = static_cast<std::uint32_t>(t_prest->value());
    team.values[1] = qira::applied_item(cobo_attack, team.values[1]);
    team.values[5] = qira::applied_item(cobo_formations, team.values[5]);
    const int stadium = cobo_stadium->currentIndex();
    const auto stadiums = game.db.rows(qira::table_index::stadiums);
    if (stadium >= 0 && static_cast<std::size_t>(stadium) < stadiums.size())
        team.values[12] = static_cast<std::uint32_t>(stadiums[stadium].keys[0]);

    // The i-th link of the team takes the i-th number and position of the roster lists.
    auto links = game.db.rows(team_players);
    const auto& own = lookups.team_links(team.keys[0]);
    const int entries =
        std::min({t_pl_nums->count(), t_pl_poss->count(), static_cast<int>(own.size())});
    for (int i = 0; i < entries; ++i) {
        links[own[i]].values[0] = number_entry(*t_pl_nums, i);
        links[own[i]].values[1] = number_entry(*t_pl_poss, i);
    }

    // A list that shows no player leaves its field as stored.
    const auto settings = game.db.rows(team_settings);
    const auto captain = find_settings(*this, team.keys[0], "captain");
    if (captain.row >= 0 && t_pl_capt->currentIndex() >= 0)
        settings[captain.row].values[captain.slot] =
            number_entry(*t_pl_ids, t_pl_capt->currentIndex());
    const auto penalty = find_settings(*this, team.keys[0], "penaltytakerid");
    if (penalty.row >= 0 && t_pl_penal->currentIndex() >= 0)
        settings[penalty.row].values[penalty.slot] =
            number_entry(*t_pl_ids, t_pl_penal->currentIndex());
    mark_modified();
}

void TForm1::Button2Click() {
    refresh_roster_list();
    main->setCurrentIndex(3);
}
