#include "views/team_page.h"

#include "editing/edits.h"
#include "views/handler_values.h"
#include "views/item_lists.h"
#include "views/page_values.h"
#include "views/page_widgets.h"
#include "views/widgets.h"

#include <QGridLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>
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

team_page::team_page(game_document& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    setObjectName(QStringLiteral("TabSheet2"));
    e_namefull = edit("e_namefull", this);
    e_name5 = edit("e_name5", this);
    e_name5->setValidator(new typing_limit(e_name5, 5));
    e_name10 = edit("e_name10", this);
    e_name10->setValidator(new typing_limit(e_name10, 10));
    t_prest = track_bar("t_prest", 10, this);
    cobo_formations = drop_down("cobo_formations", formation_items(), this);
    cobo_attack = drop_down("cobo_attack", attack_items(), this);
    cobo_attack->setCurrentIndex(0);
    cobo_stadium = drop_down("cobo_stadium", {}, this);
    cobo_stadium->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cobo_stadium->setMinimumContentsLength(24);
    t_pl_capt = drop_down("t_pl_capt", {}, this);
    t_pl_penal = drop_down("t_pl_penal", {}, this);
    for (auto* players : {t_pl_capt, t_pl_penal}) {
        players->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        players->setMinimumContentsLength(24);
    }
    Button2 = button("Button2", QStringLiteral("Edit team players >>>"), this);
    t_apply = button("t_apply", QStringLiteral("Apply"), this);
    t_pl_ids = hidden_list("t_pl_ids", this);
    t_pl_names = hidden_list("t_pl_names", this);
    t_pl_poss = hidden_list("t_pl_poss", this);
    t_pl_nums = hidden_list("t_pl_nums", this);
    t_id = hidden_edit("t_id", QStringLiteral("t_id"), this);

    auto* form = new QGridLayout;
    form->setColumnStretch(1, 1);
    int row = 0;
    const auto add = [&](const QString& text, QWidget* control, Qt::Alignment align = {}) {
        form->addWidget(caption(text, control, this), row, 0);
        form->addWidget(control, row, 1, align);
        ++row;
    };
    add(QStringLiteral("Name long"), e_namefull);
    add(QStringLiteral("Name (5)"), e_name5, Qt::AlignLeft);
    add(QStringLiteral("Name (10)"), e_name10, Qt::AlignLeft);
    add(QStringLiteral("Team prestige"), t_prest);
    add(QStringLiteral("Formation"), cobo_formations, Qt::AlignLeft);
    add(QStringLiteral("Attack style"), cobo_attack, Qt::AlignLeft);
    add(QStringLiteral("Stadium"), cobo_stadium);
    add(QStringLiteral("Captain"), t_pl_capt);
    add(QStringLiteral("Penaltist"), t_pl_penal);
    const int short_name = e_name5->fontMetrics().horizontalAdvance(QLatin1Char('W'));
    e_name5->setMinimumWidth(short_name * 8);
    e_name10->setMinimumWidth(short_name * 13);
    auto* page = new QVBoxLayout(this);
    page->addLayout(form);
    page->addStretch(1);
    page->addLayout(button_row({Button2}, {t_apply}));
    apply_keys(this, t_apply);

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

std::vector<QWidget*> team_page::tab_order() const {
    return {e_namefull,   e_name5,   e_name10,   t_prest, cobo_formations, cobo_attack,
            cobo_stadium, t_pl_capt, t_pl_penal, Button2, t_apply};
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

void team_page::fill_stadium_list(bool keep_choice) {
    if (!keep_choice)
        stadium_choice_.reset();
    const QSignalBlocker quiet(cobo_stadium);
    cobo_stadium->clear();
    for (const auto& row : doc_.game.db.rows(table_index::stadiums))
        cobo_stadium->addItem(text_of(row.names[0]), QVariant(row.keys[0]));
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
    const database& db = doc_.game.db;
    const auto rows = db.rows(teams);
    const bool found = r >= 0 && static_cast<std::size_t>(r) < rows.size();
    t_apply->setEnabled(found);
    emit shown(found);
    if (!found) {
        // No team row behind the node: an empty page whose Apply does nothing.
        shown_id_.reset();
        t_id->setText(QStringLiteral("-1"));
        for (QLineEdit* e : {e_namefull, e_name5, e_name10})
            show_text(e, {});
        t_prest->setValue(0);
        for (QComboBox* c : {cobo_attack, cobo_formations, cobo_stadium})
            c->setCurrentIndex(-1);
        fill_roster_lists(-1);
        fill_player_choices(false);
        return;
    }
    const db_overall_data& team = rows[static_cast<std::size_t>(r)];
    t_id->setText(QString::number(r));
    shown_id_ = team.keys[0];
    show_text(e_namefull, team.names[0]);
    show_text(e_name5, team.names[1]);
    show_text(e_name10, team.names[2]);
    show_track(t_prest, team.values[team_field::prestige]);
    show_item(cobo_attack, team.values[team_field::attack]);
    show_item(cobo_formations, team.values[team_field::formation]);
    const int stadium = doc_.game.lookups.stadium_by_value(team.values[team_field::stadium]);
    cobo_stadium->setCurrentIndex(stadium < cobo_stadium->count() ? stadium : -1);
    // The team's stadium stays its choice while no row has its id (a negative id names none).
    if (team.values[team_field::stadium] <= 0x7FFFFFFFu)
        stadium_choice_ = static_cast<std::int32_t>(team.values[team_field::stadium]);

    fill_roster_lists(r);
    fill_player_choices(false);
    // Captain and penalty taker: the team's first row of the settings table, fields by name.
    const auto settings = db.rows(team_settings);
    if (const auto captain = find_settings(doc_.game, team.keys[0], team_settings_field::captain))
        select_player(t_pl_capt, *t_pl_ids,
                      settings[static_cast<std::size_t>(captain->row)]
                          .values[static_cast<std::size_t>(captain->slot)]);
    if (const auto penalty =
            find_settings(doc_.game, team.keys[0], team_settings_field::penalty_taker))
        select_player(t_pl_penal, *t_pl_ids,
                      settings[static_cast<std::size_t>(penalty->row)]
                          .values[static_cast<std::size_t>(penalty->slot)]);
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
    values.names = {applied_text(e_namefull, team.names[0]), applied_text(e_name5, team.names[1]),
                    applied_text(e_name10, team.names[2])};
    values.prestige = static_cast<std::uint32_t>(t_prest->value());
    values.attack = applied_item(cobo_attack, team.values[team_field::attack]);
    values.formation = applied_item(cobo_formations, team.values[team_field::formation]);
    if (cobo_stadium->currentIndex() >= 0)
        values.stadium_row = cobo_stadium->currentIndex();
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
    // A list that shows no player leaves its field as stored.
    if (t_pl_capt->currentIndex() >= 0) {
        const auto captain = list_number(*t_pl_ids, t_pl_capt->currentIndex());
        if (!captain)
            return captain.outcome();
        values.captain = captain.value;
    }
    if (t_pl_penal->currentIndex() >= 0) {
        const auto taker = list_number(*t_pl_ids, t_pl_penal->currentIndex());
        if (!taker)
            return taker.outcome();
        values.penalty_taker = taker.value;
    }

    const QString label = text_of(team.strings[1]);
    change made = apply_team(doc_.game, r, values);
    doc_.push(std::move(made), QStringLiteral("Apply %1 %2").arg(QLatin1String(step), label));
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
