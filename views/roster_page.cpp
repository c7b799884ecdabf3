#include "views/roster_page.h"

#include "editing/edits.h"
#include "editing/transfers.h"
#include "views/handler_values.h"
#include "views/item_lists.h"
#include "views/page_values.h"
#include "views/page_widgets.h"
#include "views/shown_text.h"
#include "views/widgets.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace qira {

namespace {

using table_index::team_players;
using table_index::teams;

// The label of a stored position code; empty for a code outside the list.
QString position_label(const QString& code) {
    static const QStringList labels = position_items();
    bool ok = false;
    const int i = code.toInt(&ok);
    return ok && i >= 0 && i < labels.size() ? labels[i] : QString();
}

// The values of the selected roster entry, a link's number and position as the roster lists hold
// them (the team page's Apply writes them).
const page_field roster_fields[] = {
    {field_control::spin, "t_pl_num_p", QT_TRANSLATE_NOOP("qira::roster_page", "Jersey number"), 0,
     nullptr, link_field::number, 99, nullptr, "t_pl_num"},
    {field_control::drop_down, "t_pl_pos", QT_TRANSLATE_NOOP("qira::roster_page", "Position"), 0,
     nullptr, link_field::position, 0, position_items},
};

result not_found(const QString& player) {
    return refusal(
        QCoreApplication::translate("qira::roster_page",
                                    "The player \"%1\" could not be found; nothing was exchanged.")
            .arg(player));
}

} // namespace

roster_page::roster_page(game_document& doc, team_page& team, QWidget* parent)
    : QWidget(parent), doc_(doc), team_(team), controls_(roster_fields, this) {
    setObjectName(QStringLiteral("TabSheet4"));
    make_controls();
    lay_out();
    connect_handlers();
}

void roster_page::make_controls() {
    t_pl_list = named(new QListWidget(this), "t_pl_list");
    t_pl_list->setAccessibleName(tr("Team players"));
    t_pl_list->setMinimumWidth(200);
    t_pl_num_p = controls_.as<QSpinBox>("t_pl_num_p");
    t_pl_num = static_cast<spin_edit*>(t_pl_num_p)->edit();
    t_pl_pos = controls_.as<QComboBox>("t_pl_pos");
    Button3 = button("Button3", tr("<-- Xchange -->"), this);
    xchange = named(new node_tree(this), "xchange");
    xchange->setHeaderHidden(true);
    xchange->setIndentation(19);
    xchange->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::SelectedClicked);
    xchange->setAccessibleName(tr("Exchange with"));
    xchange->setMinimumWidth(180);
    doc_.trees.exchange = xchange;
    xchange_find = new tree_find(doc_, xchange, tr("Find in exchange tree"), "xchangeFind", this);
    //: Button: the chosen player joins this team (signs a contract)
    ButtonSign = button("ButtonSign", tr("Sign"), this);
    ButtonSign->setToolTip(tr("Move the player chosen in the exchange tree into this team"));
    //: Button: the player leaves this team
    ButtonRelease = button("ButtonRelease", tr("Release"), this);
    ButtonRelease->setToolTip(tr(
        "Move the selected player into the team chosen in the exchange tree, or out of any team"));
    ButtonSignFree = button("ButtonSignFree", tr("Sign free player..."), this);
    ButtonSignFree->setToolTip(tr("Choose a player without a team to join this team"));
    ButtonNewPlayer = button("ButtonNewPlayer", tr("New player..."), this);
    ButtonNewPlayer->setToolTip(tr("A copy of the selected player with new names, in this team"));
    ask_names = [this](const QString& title, const player_names& model) {
        return ask_player_names(this, title, model);
    };
    choose_free = [this](const std::vector<player_choice>& players) {
        return choose_free_player(this, players);
    };
    Button5 = button("Button5", tr("<<< Edit team"), this);
    //: Button: writes the page's edits to the game
    t_apply_1 = button("t_apply_1", tr("Apply"), this);
}

void roster_page::lay_out() {
    auto* hint = new QLabel(tr("<-- double click on player for quick edit"), this);
    hint->setWordWrap(true);
    auto* editing = new QGridLayout;
    editing->setColumnStretch(1, 1);
    controls_.lay_out(0, editing, 0, this);
    auto* roster = new QVBoxLayout;
    roster->addWidget(t_pl_list, 1);
    roster->addWidget(hint);
    roster->addLayout(editing);
    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    for (QWidget* command : commands())
        middle->addWidget(command);
    middle->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(roster, 1);
    columns->addLayout(middle);
    auto* exchange_column = new QVBoxLayout;
    exchange_column->setSpacing(2);
    exchange_column->addWidget(xchange_find);
    exchange_column->addWidget(xchange, 1);
    columns->addLayout(exchange_column, 1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(columns, 1);
    page->addLayout(button_row({Button5}, {t_apply_1}));
    apply_keys(this, t_apply_1);
}

void roster_page::connect_handlers() {
    const auto guarded = [this](auto handler) { return doc_.guarded(this, handler); };
    connect(Button5, &QPushButton::clicked, this, &roster_page::back_to_team_requested);
    // The user selecting a row, with the mouse (also the row already selected) or the keyboard;
    // the list's rebuilds select rows with its signals blocked.
    connect(t_pl_list, &QListWidget::itemClicked, this, guarded(&roster_page::t_pl_listClick));
    connect(t_pl_list, &QListWidget::currentRowChanged, this,
            guarded(&roster_page::t_pl_listClick));
    connect(t_pl_list, &QListWidget::itemDoubleClicked, this,
            guarded(&roster_page::t_pl_listDblClick));
    // The user picking an entry; setting it from code does not count.
    connect(t_pl_pos, &QComboBox::activated, this, guarded(&roster_page::t_pl_posChange));
    // Every change of the number field's text: typed, stepped, or set from code.
    connect(t_pl_num_p, &QSpinBox::textChanged, this, guarded(&roster_page::t_pl_numChange));
    connect(t_apply_1, &QPushButton::clicked, this, guarded(&roster_page::t_apply_1Click));
    connect(Button3, &QPushButton::clicked, this, guarded(&roster_page::Button3Click));
    connect(ButtonSign, &QPushButton::clicked, this, guarded(&roster_page::sign_click));
    connect(ButtonRelease, &QPushButton::clicked, this, guarded(&roster_page::release_click));
    connect(ButtonSignFree, &QPushButton::clicked, this, guarded(&roster_page::sign_free_click));
    connect(ButtonNewPlayer, &QPushButton::clicked, this, guarded(&roster_page::new_player_click));
    // The team page's Apply and this one are one and the same.
    connect(&team_, &team_page::shown, t_apply_1, &QPushButton::setEnabled);
    connect(&team_, &team_page::refilled, this, &roster_page::roster_refilled);
}

std::vector<QWidget*> roster_page::tab_order() const {
    std::vector<QWidget*> order{t_pl_list};
    for (QWidget* control : controls_.tab_order())
        order.push_back(control);
    for (QWidget* command : commands())
        order.push_back(command);
    order.insert(order.end(),
                 {xchange_find->field, xchange_find->clear, xchange, Button5, t_apply_1});
    return order;
}

std::vector<QWidget*> roster_page::commands() const {
    return {Button3, ButtonSign, ButtonRelease, ButtonSignFree, ButtonNewPlayer};
}

void roster_page::roster_refilled(const QStringList& ids_before) {
    // A player came or went while this page is shown (a transfer, its undo or redo): his entry
    // is chosen, or the one at his place when he left.
    const int now = team_.t_pl_ids->count();
    if (now != ids_before.size() && isVisible()) {
        int moved = 0;
        while (moved < now && moved < ids_before.size() &&
               team_.t_pl_ids->item(moved)->text() == ids_before[moved])
            ++moved;
        refresh_roster_list();
        const QSignalBlocker quiet(t_pl_list);
        const int chosen = std::min(moved, t_pl_list->count() - 1);
        t_pl_list->setCurrentRow(chosen);
        if (chosen >= 0)
            t_pl_list->item(chosen)->setSelected(true);
        return;
    }
    // Else the player selected before: his entry (the same of his entries, when he is listed
    // more than once) in the lists as they are now; none when he is gone.
    const int s = selected_row();
    int keep = -1;
    if (s >= 0 && s < ids_before.size()) {
        const QString& id = ids_before[s];
        int occurrence =
            static_cast<int>(std::count(ids_before.begin(), ids_before.begin() + s, id));
        for (int i = 0; i < team_.t_pl_ids->count(); ++i) {
            if (team_.t_pl_ids->item(i)->text() != id)
                continue;
            keep = i;
            if (occurrence-- == 0)
                break;
        }
    }
    refresh_roster_list();
    const QSignalBlocker quiet(t_pl_list);
    t_pl_list->setCurrentRow(keep < t_pl_list->count() ? keep : -1);
}

int roster_page::selected_row() const {
    const int s = t_pl_list->currentRow();
    if (s < 0 || !t_pl_list->item(s) || !t_pl_list->item(s)->isSelected())
        return -1;
    return s;
}

void roster_page::refresh_roster_list() {
    const int selected = selected_row();
    const QSignalBlocker quiet(t_pl_list);
    t_pl_list->clear();
    QStringList rows;
    const int count =
        std::min({team_.t_pl_names->count(), team_.t_pl_nums->count(), team_.t_pl_poss->count()});
    for (int i = 0; i < count; ++i)
        rows << team_.t_pl_names->item(i)->text() + QLatin1String(" (") +
                    team_.t_pl_nums->item(i)->text() + QLatin1String(" - ") +
                    position_label(team_.t_pl_poss->item(i)->text()) + QLatin1Char(')');
    t_pl_list->addItems(rows);
    // The same row stays selected; when it no longer exists, or none was, none is.
    t_pl_list->setCurrentRow(selected < count ? selected : -1);
}

result roster_page::t_pl_listClick() {
    const int s = selected_row();
    if (s < 0 || s >= team_.t_pl_nums->count() || s >= team_.t_pl_poss->count())
        return result::success();
    const auto position = list_number(*team_.t_pl_poss, s);
    if (!position)
        return position.outcome();
    const std::uint32_t code = position.value;
    t_pl_pos->setCurrentIndex(
        code < static_cast<std::uint32_t>(t_pl_pos->count()) ? static_cast<int>(code) : -1);
    // Showing the row's number changes the field's text and so runs the number change; it must
    // not put a number the spinner cannot show (above 99) into the entry.
    const auto shown_number = list_number(*team_.t_pl_nums, s);
    if (!shown_number)
        return shown_number.outcome();
    const std::uint32_t number = shown_number.value;
    loading_roster_row_ = true;
    t_pl_num_p->setValue(number > 99u ? 99 : static_cast<int>(number));
    loading_roster_row_ = false;
    return result::success();
}

void roster_page::t_pl_posChange() {
    const int s = selected_row();
    if (s >= 0 && s < team_.t_pl_poss->count() && t_pl_pos->currentIndex() >= 0)
        team_.t_pl_poss->item(s)->setText(QString::number(t_pl_pos->currentIndex()));
    refresh_roster_list();
}

void roster_page::t_pl_numChange() {
    const int s = selected_row();
    if (!loading_roster_row_ && s >= 0 && s < team_.t_pl_nums->count())
        team_.t_pl_nums->item(s)->setText(QString::number(t_pl_num_p->value()));
    refresh_roster_list();
}

result roster_page::t_pl_listDblClick() {
    const int s = selected_row();
    if (s < 0 || s >= team_.t_pl_names->count())
        return result::success();
    const auto team_id = to_int(team_.t_id->text());
    if (!team_id)
        return team_id.outcome();
    const int shown = team_id.value;
    const auto team_rows = doc_.game.db.rows(teams);
    if (shown < 0 || static_cast<std::size_t>(shown) >= team_rows.size())
        return result::success();
    const int team =
        doc_.game.lookups.team_by_key(team_rows[static_cast<std::size_t>(shown)].keys[0]);
    const QString team_label = text_of(team_rows[static_cast<std::size_t>(team)].strings[1]);
    const QString player = team_.t_pl_names->item(s)->text();
    QTreeWidget* tree = doc_.trees.navigation;
    for (QTreeWidgetItem* node : doc_.trees.tree_nodes) {
        if (node->parent() && node->text(0) == player && node->parent()->text(0) == team_label) {
            const bool already = tree->currentItem() == node && node->isSelected();
            tree->setCurrentItem(node);
            if (already) // no change of selection: show the page all the same
                emit selected_node_page_requested();
            return result::success();
        }
    }
    return refusal(tr("Invalid index"));
}

result roster_page::t_apply_1Click() {
    //: Undo step of the roster page's Apply; %1: the team
    return team_.apply(QT_TRANSLATE_NOOP("qira::team_page", "Apply roster %1"));
}

result_of<int> roster_page::link_of_chosen(QTreeWidgetItem* chosen) const {
    open_game& game = doc_.game;
    game_trees& trees = doc_.trees;
    const QString chosen_label = chosen->text(0);
    // The chosen player: the player row the tree shows for his node (found as a selection of
    // the node finds it, also when his name is not valid UTF-8).
    const int chosen_row = resolve_player(game, chosen_label);
    if (chosen_row < 0)
        return not_found(chosen_label);
    const std::int32_t chosen_id =
        game.db.rows(table_index::players)[static_cast<std::size_t>(chosen_row)].keys[0];
    // His link: the one his node was made from; else the link of the team his node stands
    // under; else, where that team cannot be told apart, his first link in row order.
    const int x_node = trees.index_of(chosen);
    const auto links = game.db.rows(team_players);
    int chosen_link = -1;
    if (x_node >= 0 && static_cast<std::size_t>(x_node) < trees.node_rows.size()) {
        const int made_from = trees.node_rows[static_cast<std::size_t>(x_node)];
        if (made_from >= 0 && static_cast<std::size_t>(made_from) < links.size() &&
            links[static_cast<std::size_t>(made_from)].keys[1] == chosen_id)
            chosen_link = made_from;
        const int team_node = trees.index_of(chosen->parent());
        if (chosen_link < 0 && team_node >= 0 && game.db.has_table(table_index::league_teams)) {
            const int league_link = trees.node_rows[static_cast<std::size_t>(team_node)];
            const auto league_links = game.db.rows(table_index::league_teams);
            if (league_link >= 0 && static_cast<std::size_t>(league_link) < league_links.size())
                chosen_link = find_team_link(
                    game, league_links[static_cast<std::size_t>(league_link)].keys[1], chosen_id);
        }
    }
    if (chosen_link < 0)
        chosen_link = first_link_of_player(game, chosen_id);
    if (chosen_link < 0)
        return not_found(chosen_label);

    return result_of<int>::success(chosen_link);
}

result roster_page::Button3Click() {
    QTreeWidgetItem* chosen = xchange->currentItem();
    const int s = selected_row();
    if (!chosen || !chosen->isSelected() || s < 0 || s >= team_.t_pl_names->count() ||
        s >= team_.t_pl_ids->count() || !chosen->parent() || !chosen->parent()->parent())
        return result::success();

    open_game& game = doc_.game;
    game_trees& trees = doc_.trees;
    const QString chosen_label = chosen->text(0);
    const QString roster_label = team_.t_pl_names->item(s)->text();
    const auto team_rows = game.db.rows(teams);
    const auto team_id = to_int(team_.t_id->text());
    if (!team_id)
        return team_id.outcome();
    const int shown = team_id.value;
    if (shown < 0 || static_cast<std::size_t>(shown) >= team_rows.size())
        return result::success();
    const std::int32_t shown_id = team_rows[static_cast<std::size_t>(shown)].keys[0];

    const auto chosen_made = link_of_chosen(chosen);
    if (!chosen_made)
        return chosen_made.outcome();
    const int chosen_link = chosen_made.value;
    const int x_node = trees.index_of(chosen);

    // The roster player's link: the shown team's link behind roster row s.
    const auto roster_entry = list_number(*team_.t_pl_ids, s);
    if (!roster_entry)
        return roster_entry.outcome();
    const std::uint32_t roster_id = roster_entry.value;
    const int roster_link = find_team_link(game, shown_id, static_cast<std::int32_t>(roster_id), s);
    if (roster_link < 0)
        return not_found(roster_label);

    // Their nodes: the first made from each of the two link rows.
    const int r_node = trees.first_node_of_link(roster_link);
    if (r_node < 0)
        return not_found(roster_label);
    const int q_node =
        x_node >= 0 && trees.node_rows[static_cast<std::size_t>(x_node)] == chosen_link
            ? x_node
            : trees.first_node_of_link(chosen_link);
    if (q_node < 0)
        return not_found(chosen_label);

    if (roster_link != chosen_link) {
        change made = exchange_players(game, roster_link, chosen_link);
        std::vector<node_relabel> relabels;
        doc_.relabel(static_cast<std::size_t>(r_node), chosen_label, relabels);
        doc_.relabel(static_cast<std::size_t>(q_node), roster_label, relabels);
        doc_.push(std::move(made), tr("exchange %1 and %2").arg(roster_label, chosen_label),
                  std::move(relabels));
    }

    // The roster lists of the shown team, rebuilt; the same row and the same captain and
    // penalty-taker positions stay chosen.
    team_.fill_roster_lists(shown);
    refresh_roster_list();
    team_.fill_player_choices(true);
    return result::success();
}

result_of<std::int32_t> roster_page::shown_team_id() const {
    const auto row = to_int(team_.t_id->text());
    if (!row)
        return row.outcome();
    const auto team_rows = doc_.game.db.rows(teams);
    if (row.value < 0 || static_cast<std::size_t>(row.value) >= team_rows.size())
        return refusal(tr("No team is shown."));
    return result_of<std::int32_t>::success(team_rows[static_cast<std::size_t>(row.value)].keys[0]);
}

result roster_page::after_transfer(edit_outcome made, const QString& what, const QString& refused) {
    if (!made)
        return refusal(QStringLiteral("%1: %2").arg(refused, shown_text(made)));
    const int shown = team_.shown_row();
    doc_.push_table_edit(std::move(made.made), what);
    team_.fill_roster_lists(shown);
    refresh_roster_list();
    team_.fill_player_choices(true);
    return result::success();
}

result roster_page::sign_click() {
    QTreeWidgetItem* chosen = xchange->currentItem();
    if (!chosen || !chosen->isSelected() || !chosen->parent() || !chosen->parent()->parent())
        return refusal(tr("Choose the player to sign in the exchange tree."));
    const auto team = shown_team_id();
    if (!team)
        return team.outcome();
    const auto link = link_of_chosen(chosen);
    if (!link)
        return link.outcome();
    const QString label = chosen->text(0);
    return after_transfer(sign_player(doc_.game, link.value, team.value), tr("sign %1").arg(label),
                          tr("%1 was not signed").arg(label));
}

result_of<roster_page::roster_member>
roster_page::selected_member(const QString& none_chosen) const {
    const int s = selected_row();
    if (s < 0 || s >= team_.t_pl_ids->count() || s >= team_.t_pl_names->count())
        return refusal(none_chosen);
    const auto team = shown_team_id();
    if (!team)
        return team.outcome();
    const auto player = list_number(*team_.t_pl_ids, s);
    if (!player)
        return player.outcome();
    return result_of<roster_member>::success(
        {s, team.value, static_cast<std::int32_t>(player.value)});
}

result roster_page::release_click() {
    const auto member = selected_member(tr("Choose the player to release in the roster."));
    if (!member)
        return member.outcome();
    const QString label = team_.t_pl_names->item(member.value.entry)->text();
    const int link =
        find_team_link(doc_.game, member.value.team, member.value.player, member.value.entry);
    if (link < 0)
        return not_found(label);
    // To the team chosen in the exchange tree (a team node: a child of a league), else to none.
    std::optional<std::int32_t> to;
    QTreeWidgetItem* chosen = xchange->currentItem();
    if (chosen && chosen->isSelected() && chosen->parent() && !chosen->parent()->parent()) {
        const int row = resolve_team(doc_.game, chosen->text(0));
        if (row >= 0)
            to = doc_.game.db.rows(teams)[static_cast<std::size_t>(row)].keys[0];
    }
    return after_transfer(release_player(doc_.game, link, to),
                          to ? tr("release %1 to %2").arg(label, chosen->text(0))
                             : tr("release %1").arg(label),
                          tr("%1 was not released").arg(label));
}

result roster_page::sign_free_click() {
    const auto team = shown_team_id();
    if (!team)
        return team.outcome();
    const auto rows = players_without_team(doc_.game.db);
    if (rows.empty())
        return refusal(tr("Every player is in a team."));
    const auto chosen = choose_free(player_choices(doc_.game.db, rows));
    if (!chosen)
        return result::success();
    const QString label = text_of(
        player_label(doc_.game.db.rows(table_index::players)[static_cast<std::size_t>(*chosen)]));
    return after_transfer(sign_free_player(doc_.game, *chosen, team.value),
                          tr("sign %1").arg(label), tr("%1 was not signed").arg(label));
}

result roster_page::new_player_click() {
    const auto member = selected_member(tr("Choose the player to copy in the roster."));
    if (!member)
        return member.outcome();
    const std::int32_t team = member.value.team;
    const int model = doc_.game.db.find_row(table_index::players, member.value.player);
    if (model < 0)
        return not_found(team_.t_pl_names->item(member.value.entry)->text());
    auto asked = ask_new_player(doc_.game, model, team, ask_names);
    if (!asked || !asked.value)
        return asked.outcome();
    const QString label = asked.value->label;
    return after_transfer(std::move(asked.value->made), tr("new player %1").arg(label),
                          tr("No new player"));
}

} // namespace qira
