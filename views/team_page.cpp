#include "views/team_page.h"

#include "editing/edits.h"
#include "editing/references.h"
#include "views/handler_values.h"
#include "views/item_lists.h"
#include "views/page_values.h"
#include "views/page_widgets.h"
#include "views/widgets.h"

#include <QSignalBlocker>
#include <QVariant>

#include <algorithm>

namespace qira {

namespace {

using table_index::team_players;
using table_index::team_settings;
using table_index::teams;

// Selects the entry of `list` whose player id (in t_pl_ids) is the stored value, or none.
void select_player(QComboBox* list, const QListWidget& ids, std::uint32_t value) {
    const QString id = QString::number(value);
    int found = -1;
    for (int i = 0; i < ids.count() && found < 0; ++i)
        if (ids.item(i)->text() == id)
            found = i;
    list->setCurrentIndex(found);
}

QStringList entries(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text();
    return texts;
}

// The label a roster entry shows for a player id: a link to a player that has no row is listed
// under the empty row's label.
QString roster_label(const open_game& game, std::int32_t player) {
    const int p = game.lookups.player_by_key(player);
    return p >= 0 ? text_of(player_label(
                        game.db.rows(table_index::players)[static_cast<std::size_t>(p)]))
                  : QStringLiteral("  ");
}

// Gives `list` the entries of `names`; with `keep_choice` the same position stays chosen.
void fill_players(QComboBox* list, const QListWidget& names, bool keep_choice) {
    const int chosen = list->currentIndex();
    const QStringList entries_now = entries(names);
    list->clear();
    list->addItems(entries_now);
    list->setCurrentIndex(keep_choice && chosen < entries_now.size() ? chosen : -1);
}

// The values the list took, in the team's edit: the team row's by slot, the settings' by name.
void put_taken(team_values& values, const field_controls::applied& taken) {
    values.names = {taken.names[0], taken.names[1], taken.names[2]};
    for (const auto& [slot, value] : taken.slot_values) {
        if (slot == team_field::prestige)
            values.prestige = value;
        else if (slot == team_field::attack)
            values.attack = value;
        else if (slot == team_field::formation)
            values.formation = value;
        else if (slot == team_field::stadium)
            values.stadium_row = static_cast<int>(value);
    }
    for (const auto& [name, value] : taken.values)
        (name == team_settings_field::captain ? values.captain : values.penalty_taker) = value;
}

bool cell_touched(const change& c, int table, int row) {
    return std::any_of(c.cells.begin(), c.cells.end(), [&](const cell_change& cc) {
        return cc.where.table == table && cc.where.row == row;
    });
}

// Whether the step changed what the stadium list shows: rows of table 7, their ids or names.
bool stadium_list_changed(const change& c) {
    using table_index::stadiums;
    return c.moves_rows(stadiums) ||
           std::any_of(c.cells.begin(), c.cells.end(), [](const cell_change& cc) {
               const cell& w = cc.where;
               return w.table == stadiums && w.index == 0 &&
                      (w.part == row_part::key || w.part == row_part::name);
           });
}

} // namespace

// The team's values as the page shows them, top to bottom; Tab follows the list. The short
// names keep to their typing limits, the stadium, captain and penalty taker are items of lists
// the page draws from the stadium table and the team's players.
const page_field team_page::team_fields[] = {
    {.control = field_control::text,
     .name = "e_namefull",
     .caption = QT_TRANSLATE_NOOP("qira::team_page", "Name long"),
     .slot = 0,
     .localized = true},
    {.control = field_control::text,
     .name = "e_name5",
     .caption = QT_TRANSLATE_NOOP("qira::team_page", "Name (5)"),
     .slot = 1,
     .localized = true,
     .max_length = 5,
     .width = control_width::own},
    {.control = field_control::text,
     .name = "e_name10",
     .caption = QT_TRANSLATE_NOOP("qira::team_page", "Name (10)"),
     .slot = 2,
     .localized = true,
     .max_length = 10,
     .width = control_width::own},
    {.control = field_control::track,
     .name = "t_prest",
     .caption = QT_TRANSLATE_NOOP("qira::team_page", "Team prestige"),
     .slot = team_field::prestige,
     .maximum = 10},
    {.control = field_control::drop_down,
     .name = "cobo_formations",
     .caption = QT_TRANSLATE_NOOP("qira::team_page", "Formation"),
     .slot = team_field::formation,
     .items = formation_items},
    {.control = field_control::drop_down,
     .name = "cobo_attack",
     .caption = QT_TRANSLATE_NOOP("qira::team_page", "Attack style"),
     .slot = team_field::attack,
     .items = attack_items,
     .start_item = 0},
    {.control = field_control::drop_down,
     .name = "cobo_stadium",
     .caption = QT_TRANSLATE_NOOP("qira::team_page", "Stadium"),
     .slot = team_field::stadium,
     .width = control_width::full,
     .derived = &stadium_value},
    {.control = field_control::drop_down,
     .name = "t_pl_capt",
     .caption = QT_TRANSLATE_NOOP("qira::team_page", "Captain"),
     .field = team_settings_field::captain,
     .width = control_width::full,
     .derived = &player_value},
    {.control = field_control::drop_down,
     .name = "t_pl_penal",
     .caption = QT_TRANSLATE_NOOP("qira::team_page", "Penaltist"),
     .field = team_settings_field::penalty_taker,
     .width = control_width::full,
     .derived = &player_value},
};

const derived_value team_page::stadium_value = {show_stadium, take_stadium};
const derived_value team_page::player_value = {show_player, take_player};

std::span<const page_field> team_page::fields() {
    return team_fields;
}

team_page::team_page(game_document& doc, QWidget* parent)
    : QWidget(parent), doc_(doc), controls_(team_fields, this, field_enabling::always) {
    setObjectName(QStringLiteral("TabSheet2"));
    bind_members();
    Button2 = button("Button2", tr("Edit team players >>>"), this);
    //: Button: writes the page's edits to the game
    t_apply = button("t_apply", tr("Apply"), this);
    t_pl_ids = hidden_list("t_pl_ids", this);
    t_pl_names = hidden_list("t_pl_names", this);
    t_pl_poss = hidden_list("t_pl_poss", this);
    t_pl_nums = hidden_list("t_pl_nums", this);
    t_id = hidden_edit("t_id", QStringLiteral("t_id"), this);
    lay_out();

    connect(t_apply, &QPushButton::clicked, this, doc_.guarded(this, &team_page::t_applyClick));
    connect(Button2, &QPushButton::clicked, this, &team_page::edit_players_requested);
    connect(cobo_stadium, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0)
            stadium_choice_ = cobo_stadium->itemData(i).toInt();
        else
            stadium_choice_.reset();
    });
    connect(&doc_, &game_document::changed, this, &team_page::document_changed);
}

void team_page::bind_members() {
    const field_controls& c = controls_;
    e_namefull = c.as<QLineEdit>("e_namefull");
    e_name5 = c.as<QLineEdit>("e_name5");
    e_name10 = c.as<QLineEdit>("e_name10");
    t_prest = c.as<QSlider>("t_prest");
    cobo_formations = c.as<QComboBox>("cobo_formations");
    cobo_attack = c.as<QComboBox>("cobo_attack");
    cobo_stadium = c.as<QComboBox>("cobo_stadium");
    t_pl_capt = c.as<QComboBox>("t_pl_capt");
    t_pl_penal = c.as<QComboBox>("t_pl_penal");
}

void team_page::lay_out() {
    controls_.lay_out_page(this, button_row({Button2}, {t_apply}), t_apply);
}

std::vector<QWidget*> team_page::tab_order() const {
    std::vector<QWidget*> order = controls_.tab_order();
    order.insert(order.end(), {Button2, t_apply});
    return order;
}

int team_page::shown_row() const {
    const database& db = doc_.game.db;
    return db.has_table(teams) ? qira::shown_row(t_id->text(), db.rows(teams).size()) : -1;
}

void team_page::fill_roster_lists(int team_row) {
    t_pl_ids->clear();
    t_pl_names->clear();
    t_pl_nums->clear();
    t_pl_poss->clear();
    filled_links_ = links_of(team_row);
    QStringList ids, names, nums, poss;
    for (const stored_link& link : filled_links_) {
        names << roster_label(doc_.game, link.player);
        ids << QString::number(link.player);
        nums << QString::number(link.number);
        poss << QString::number(link.position);
    }
    t_pl_ids->addItems(ids);
    t_pl_names->addItems(names);
    t_pl_nums->addItems(nums);
    t_pl_poss->addItems(poss);
}

std::vector<team_page::stored_link> team_page::links_of(int team_row) const {
    std::vector<stored_link> found;
    const database& db = doc_.game.db;
    if (team_row < 0 || !db.has_table(teams) ||
        static_cast<std::size_t>(team_row) >= db.rows(teams).size())
        return found;
    const auto links = db.rows(team_players);
    for (int l :
         doc_.game.lookups.team_links(db.rows(teams)[static_cast<std::size_t>(team_row)].keys[0])) {
        const auto& link = links[static_cast<std::size_t>(l)];
        found.push_back(
            {link.keys[1], link.values[link_field::number], link.values[link_field::position]});
    }
    return found;
}

void team_page::fill_player_choices(bool keep_choice) {
    for (QComboBox* list : {t_pl_capt, t_pl_penal})
        fill_players(list, *t_pl_names, keep_choice);
}

void team_page::fill_stadium_list(bool keep_choice) {
    if (!keep_choice)
        stadium_choice_.reset();
    const QSignalBlocker quiet(cobo_stadium);
    cobo_stadium->clear();
    // Every row of the table the team's stadium names, item i being row i, by its name.
    static const reference_field* const stadium =
        placed_reference(table_index::teams, {row_part::value, team_field::stadium});
    const database& db = doc_.game.db;
    const auto rows = db.rows(stadium->target);
    for (std::size_t r = 0; r < rows.size(); ++r)
        cobo_stadium->addItem(text_of(row_name(db, stadium->target, static_cast<int>(r))),
                              QVariant(rows[r].keys[0]));
    // The first row with the id, as a team's stadium is shown.
    cobo_stadium->setCurrentIndex(stadium_choice_ ? cobo_stadium->findData(*stadium_choice_) : -1);
}

void team_page::show_team(int r) {
    const database& db = doc_.game.db;
    const auto rows = db.rows(teams);
    const bool found = r >= 0 && static_cast<std::size_t>(r) < rows.size();
    // The same team shown again after a change (or its row gone): the roster page follows.
    const bool again = doc_.following_change() && shown_id_ &&
                       (!found || rows[static_cast<std::size_t>(r)].keys[0] == *shown_id_);
    const QStringList ids_before = entries(*t_pl_ids);
    show_page(r);
    if (again)
        emit refilled(ids_before);
}

void team_page::show_page(int r) {
    const auto rows = doc_.game.db.rows(teams);
    const bool found = r >= 0 && static_cast<std::size_t>(r) < rows.size();
    t_apply->setEnabled(found);
    emit shown(found);
    // No team row behind the node: an empty page whose Apply does nothing.
    const db_overall_data* team = found ? &rows[static_cast<std::size_t>(r)] : nullptr;
    t_id->setText(found ? QString::number(r) : QStringLiteral("-1"));
    shown_id_ = team ? std::optional(team->keys[0]) : std::nullopt;
    // The roster lists first: the captain and the penalty taker are items of them.
    fill_roster_lists(found ? r : -1);
    controls_.show(doc_.game, teams, team);
}

void team_page::show_stadium(QWidget* page, const page_field& f, QComboBox* list,
                             const db_overall_data* row) {
    if (!row) {
        list->setCurrentIndex(-1);
        return;
    }
    auto* self = static_cast<team_page*>(page);
    const std::uint32_t stored = row->values[static_cast<std::size_t>(f.slot)];
    const int stadium = self->doc_.game.lookups.stadium_by_value(stored);
    list->setCurrentIndex(stadium < list->count() ? stadium : -1);
    // The team's stadium stays its choice while no row has its id (a negative id names none).
    if (stored <= 0x7FFFFFFFu)
        self->stadium_choice_ = static_cast<std::int32_t>(stored);
}

result_of<std::optional<std::uint32_t>> team_page::take_stadium(const QWidget*,
                                                                const QComboBox* list) {
    // The stadium's row: apply_team writes its id.
    if (list->currentIndex() < 0)
        return result_of<std::optional<std::uint32_t>>::success(std::nullopt);
    return result_of<std::optional<std::uint32_t>>::success(
        static_cast<std::uint32_t>(list->currentIndex()));
}

void team_page::show_player(QWidget* page, const page_field& f, QComboBox* list,
                            const db_overall_data* row) {
    const auto* self = static_cast<const team_page*>(page);
    fill_players(list, *self->t_pl_names, false);
    if (!row)
        return;
    // The team's first row of the settings table, the field by name.
    const open_game& game = self->doc_.game;
    if (const auto settings = find_settings(game, row->keys[0], f.field))
        select_player(list, *self->t_pl_ids,
                      game.db.rows(team_settings)[static_cast<std::size_t>(settings->row)]
                          .values[static_cast<std::size_t>(settings->slot)]);
}

result_of<std::optional<std::uint32_t>> team_page::take_player(const QWidget* page,
                                                               const QComboBox* list) {
    // A list that shows no player leaves its field as stored.
    if (list->currentIndex() < 0)
        return result_of<std::optional<std::uint32_t>>::success(std::nullopt);
    const auto player =
        list_number(*static_cast<const team_page*>(page)->t_pl_ids, list->currentIndex());
    if (!player)
        return player.outcome();
    return result_of<std::optional<std::uint32_t>>::success(player.value);
}

result team_page::apply(const char* step) {
    const auto id = to_int(t_id->text());
    if (!id)
        return id.outcome();
    const int r = id.value;
    const auto rows = doc_.game.db.rows(teams);
    if (r < 0 || static_cast<std::size_t>(r) >= rows.size())
        return result::success();
    const db_overall_data& team = rows[static_cast<std::size_t>(r)];
    team_values values;
    // The i-th link of the team takes the i-th number and position of the roster lists.
    const int entries = std::min(t_pl_nums->count(), t_pl_poss->count());
    for (int i = 0; i < entries; ++i) {
        const auto number = list_number(*t_pl_nums, i);
        if (!number)
            return number.outcome();
        const auto position = list_number(*t_pl_poss, i);
        if (!position)
            return position.outcome();
        values.roster.push_back({number.value, position.value});
    }
    const auto taken = controls_.take(doc_.game, teams, team);
    if (!taken)
        return taken.outcome();
    put_taken(values, taken.value);

    const QString label = text_of(team.strings[1]);
    change made = apply_team(doc_.game, r, values);
    doc_.push(std::move(made), tr(step).arg(label));
    // What the edits show now is what is stored: a later Apply compares against that.
    show_text(e_namefull, team.names[0]);
    show_text(e_name5, team.names[1]);
    show_text(e_name10, team.names[2]);
    // The links hold the roster lists now.
    filled_links_ = links_of(r);
    return result::success();
}

void team_page::document_changed(const document_change& d) {
    if (d.rows)
        follow_tables(d.made);
    if (d.made.touches_table(table_index::players))
        follow_player_names();
}

void team_page::follow_tables(const change& c) {
    if (stadium_list_changed(c))
        fill_stadium_list(true);
    if (!shown_id_ || (!c.touches_table(teams) && !c.touches_table(team_players) &&
                       !c.touches_table(team_settings)))
        return;
    // Rows of the teams table moved: the shown team is found again by its id.
    int r = shown_row();
    if (c.moves_rows(teams) &&
        (r < 0 || doc_.game.db.rows(teams)[static_cast<std::size_t>(r)].keys[0] != *shown_id_))
        r = doc_.game.lookups.team_by_key(*shown_id_);
    // The page shows again, as they are now, the rows the step changed: the team's row, its
    // settings row and its links (edits on the page that were not applied are dropped, as a
    // click in the tree drops them). A step that changed other rows leaves the page as it is.
    bool touched = r < 0 || c.moves_rows(teams) || c.moves_rows(team_settings) ||
                   cell_touched(c, teams, r) || links_of(r) != filled_links_;
    for (const char* field : team_settings_field::page)
        if (const auto settings = find_settings(doc_.game, *shown_id_, field))
            touched = touched || cell_touched(c, team_settings, settings->row);
    if (touched)
        show_team(r);
}

void team_page::follow_player_names() {
    bool renamed = false;
    for (int i = 0; i < t_pl_ids->count() && i < t_pl_names->count(); ++i) {
        const QString label = roster_label(doc_.game, t_pl_ids->item(i)->text().toInt());
        if (t_pl_names->item(i)->text() != label) {
            t_pl_names->item(i)->setText(label);
            renamed = true;
        }
    }
    if (!renamed)
        return;
    // The same players stay chosen: their places have not changed.
    fill_player_choices(true);
    emit refilled(entries(*t_pl_ids));
}

} // namespace qira
