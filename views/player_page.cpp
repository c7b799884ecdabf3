#include "views/player_page.h"

#include "editing/edits.h"
#include "editing/transfers.h"
#include "views/game_trees.h"
#include "views/handler_values.h"
#include "views/item_lists.h"
#include "views/page_fields.h"
#include "views/page_values.h"
#include "views/page_widgets.h"
#include "views/shown_text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <initializer_list>
#include <optional>
#include <span>
#include <string>

namespace qira {

namespace {

// Set on pl_id once show_player has put a row position there.
constexpr char player_shown[] = "qira_player_shown";

std::span<db_overall_data> player_rows(database& db) {
    if (!db.has_table(table_index::players))
        return {};
    return db.rows(table_index::players);
}

} // namespace

namespace {

// The player's values as the page shows them: the names at the left above his build, his
// skills at the right; Tab follows the list.
const page_field player_fields[] = {
    {field_control::text, "pl_name", QT_TRANSLATE_NOOP("qira::player_page", "Name"), 0, nullptr, 0},
    {field_control::text, "pl_pseudo", QT_TRANSLATE_NOOP("qira::player_page", "Pseudonym"), 0,
     nullptr, 1},
    {field_control::text, "pl_sur", QT_TRANSLATE_NOOP("qira::player_page", "Surname"), 0, nullptr,
     2},
    {field_control::drop_down, "pl_pos",
     QT_TRANSLATE_NOOP("qira::player_page", "Preferred position"), 0, player_field::position, 0, 0,
     position_items},
    {field_control::spin, "pl_height_p", QT_TRANSLATE_NOOP("qira::player_page", "Height"), 0,
     player_field::height, 0, 200, nullptr, "pl_height", true, false, 3},
    {field_control::spin, "pl_weight_p", QT_TRANSLATE_NOOP("qira::player_page", "Weight"), 0,
     player_field::weight, 0, 200, nullptr, "pl_weight"},
    {field_control::drop_down, "pl_haircolor", QT_TRANSLATE_NOOP("qira::player_page", "Hair color"),
     0, player_field::hair_color, 0, 0, hair_color_items},
    {field_control::drop_down, "pl_bootscol", QT_TRANSLATE_NOOP("qira::player_page", "Boots color"),
     0, player_field::boots_color, 0, 0, boots_color_items},
    {field_control::check, "pl_star", QT_TRANSLATE_NOOP("qira::player_page", "Star Player"), 1,
     player_field::star},
    {field_control::spin, "pl_stamina_p", QT_TRANSLATE_NOOP("qira::player_page", "Stamina"), 1,
     player_field::stamina, 0, 100, nullptr, "pl_stamina"},
    {field_control::spin, "pl_pass_p", QT_TRANSLATE_NOOP("qira::player_page", "Passing"), 1,
     player_field::passing, 0, 100, nullptr, "pl_pass"},
    {field_control::spin, "pl_tackl_p", QT_TRANSLATE_NOOP("qira::player_page", "Tackling"), 1,
     player_field::tackling, 0, 100, nullptr, "pl_tackl"},
    // Ball control and shot accuracy are shown only, never written.
    {field_control::spin, "pl_ballcont_p", QT_TRANSLATE_NOOP("qira::player_page", "Ball Control"),
     1, player_field::ball_control, 0, 100, nullptr, "pl_ballcont", false},
    {field_control::spin, "pl_shotacc_p", QT_TRANSLATE_NOOP("qira::player_page", "Shot Accuraty"),
     1, player_field::shot_accuracy, 0, 100, nullptr, "pl_shotacc", false},
    {field_control::track, "pl_talent", QT_TRANSLATE_NOOP("qira::player_page", "Talent"), 1,
     player_field::talent, 0, 5},
};

// The edit of a spinner the list made.
QLineEdit* text_of_spin(QSpinBox* spin) {
    return static_cast<spin_edit*>(spin)->edit();
}

} // namespace

std::span<const page_field> player_page::fields() {
    return player_fields;
}

player_page::player_page(game_document& doc, QWidget* parent)
    : QWidget(parent), doc_(doc), controls_(player_fields, this) {
    setObjectName(QStringLiteral("TabSheet3"));
    auto* id_label = new QLabel(tr("Player ID:"), this);
    make_id_fields(id_label);
    bind_members();
    Button8 = button("Button8", tr("<<< Edit Team"), this);
    //: Button: writes the page's edits to the game
    pl_apply = button("pl_apply", tr("Apply"), this);
    pl_new = button("pl_new", tr("New player..."), this);
    pl_new->setToolTip(tr("A copy of this player with the next free id and new names"));
    pl_delete = button("pl_delete", tr("Delete player"), this);
    pl_delete->setToolTip(tr("This player's row and his memberships of teams"));
    pl_new->setEnabled(false);
    pl_delete->setEnabled(false);
    pl_status = new status_line("pl_status", tr("Player status"), this);
    ask_names = [this](const QString& title, const player_names& model) {
        return ask_player_names(this, title, model);
    };
    lay_out(id_label);
    apply_keys(this, pl_apply);

    connect(pl_apply, &QPushButton::clicked, this, doc_.guarded(this, &player_page::pl_applyClick));
    connect(Button8, &QPushButton::clicked, this, doc_.guarded(this, &player_page::Button8Click));
    connect(pl_new, &QPushButton::clicked, this, doc_.guarded(this, &player_page::new_click));
    connect(pl_delete, &QPushButton::clicked, this, doc_.guarded(this, &player_page::delete_click));
    connect(&doc_, &game_document::changed, this, &player_page::document_changed);
}

void player_page::make_id_fields(QLabel* id_label) {
    pl_rid = edit("pl_rid", this);
    pl_rid->setText(QStringLiteral("123"));
    pl_rid->setReadOnly(true);
    pl_rid->setFrame(false);
    pl_rid->setFocusPolicy(Qt::NoFocus);
    QPalette face = pl_rid->palette();
    face.setColor(QPalette::Base, Qt::transparent);
    pl_rid->setPalette(face);
    id_label->setBuddy(pl_rid);
    pl_rid->setAccessibleName(tr("Player ID"));
    pl_id = hidden_edit("pl_id", QStringLiteral("123"), this);
    pl_id->setReadOnly(true);
}

void player_page::bind_members() {
    const field_controls& c = controls_;
    pl_name = c.as<QLineEdit>("pl_name");
    pl_pseudo = c.as<QLineEdit>("pl_pseudo");
    pl_sur = c.as<QLineEdit>("pl_sur");
    pl_pos = c.as<QComboBox>("pl_pos");
    pl_height_p = c.as<QSpinBox>("pl_height_p");
    pl_height = text_of_spin(pl_height_p);
    pl_weight_p = c.as<QSpinBox>("pl_weight_p");
    pl_weight = text_of_spin(pl_weight_p);
    pl_haircolor = c.as<QComboBox>("pl_haircolor");
    pl_bootscol = c.as<QComboBox>("pl_bootscol");
    pl_star = c.as<QCheckBox>("pl_star");
    pl_stamina_p = c.as<QSpinBox>("pl_stamina_p");
    pl_stamina = text_of_spin(pl_stamina_p);
    pl_pass_p = c.as<QSpinBox>("pl_pass_p");
    pl_pass = text_of_spin(pl_pass_p);
    pl_tackl_p = c.as<QSpinBox>("pl_tackl_p");
    pl_tackl = text_of_spin(pl_tackl_p);
    pl_ballcont_p = c.as<QSpinBox>("pl_ballcont_p");
    pl_ballcont = text_of_spin(pl_ballcont_p);
    pl_shotacc_p = c.as<QSpinBox>("pl_shotacc_p");
    pl_shotacc = text_of_spin(pl_shotacc_p);
    pl_talent = c.as<QSlider>("pl_talent");
}

void player_page::lay_out(QLabel* id_label) {
    auto* left = new QGridLayout;
    left->setColumnStretch(1, 1);
    const int after_left = controls_.lay_out(0, left, 0, this);
    auto* hair_note =
        new QLabel(tr("*Hair color may not match when special face is used for player"), this);
    hair_note->setWordWrap(true);
    left->addWidget(hair_note, after_left, 0, 1, 2);
    left->setRowStretch(after_left + 1, 1);
    auto* right = new QGridLayout;
    right->setColumnStretch(1, 1);
    right->setRowStretch(controls_.lay_out(1, right, 0, this), 1);

    auto* id_row = new QHBoxLayout;
    id_row->addWidget(id_label);
    id_row->addWidget(pl_rid, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addSpacing(16);
    columns->addLayout(right, 2);
    auto* page = new QVBoxLayout(this);
    page->addLayout(id_row);
    page->addLayout(columns, 1);
    page->addWidget(pl_status);
    page->addLayout(button_row({Button8, pl_new, pl_delete}, {pl_apply}));
}

std::vector<QWidget*> player_page::tab_order() const {
    std::vector<QWidget*> order = controls_.tab_order();
    // The shown-only skills take no focus while disabled; Tab passes them as before.
    order.insert(order.end(), {Button8, pl_new, pl_delete, pl_apply});
    return order;
}

void player_page::show_player(int row) {
    const auto rows = player_rows(doc_.game.db);
    const bool found = row >= 0 && static_cast<std::size_t>(row) < rows.size();
    pl_id->setProperty(player_shown, true);
    for (QWidget* w : {static_cast<QWidget*>(pl_apply), static_cast<QWidget*>(pl_new),
                       static_cast<QWidget*>(pl_delete)})
        w->setEnabled(found);
    const db_overall_data* player = found ? &rows[static_cast<std::size_t>(row)] : nullptr;
    controls_.show(doc_.game, table_index::players, player);
    if (!found) {
        pl_id->setText(QStringLiteral("-1"));
        pl_rid->clear();
        return;
    }
    pl_id->setText(QString::number(row));
    pl_rid->setText(QString::number(player->keys[0]));
}

result player_page::pl_applyClick() {
    if (!pl_id->property(player_shown).toBool())
        return result::success();
    const auto id = to_int(pl_id->text());
    if (!id)
        return id.outcome();
    const int row = id.value;
    const auto rows = player_rows(doc_.game.db);
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size())
        return result::success();
    const db_overall_data& player = rows[static_cast<std::size_t>(row)];
    const QString old_text = text_of(player_label(player));

    auto taken = controls_.take(doc_.game, table_index::players, player);
    if (!taken)
        return taken.outcome();
    player_values values;
    values.names = {taken.value.texts[0], taken.value.texts[1], taken.value.texts[2]};
    values.fields = std::move(taken.value.values);
    change made = apply_player(doc_.game, row, values);

    // Every node that carries the old label carries the new one, in both trees at the same
    // index; only the navigation tree's labels are compared.
    const QString new_text = text_of(player_label(player));
    // (The exchange tree's node takes the label also when the name did not change: a label
    // edited there in place is put right.)
    std::vector<node_relabel> relabels;
    const auto& labels = doc_.trees.node_labels;
    for (std::size_t n = 0; n < labels.size(); ++n) {
        if (labels[n] != old_text)
            continue;
        if (new_text != old_text)
            doc_.relabel(n, new_text, relabels);
        else
            doc_.trees.relabel_node(n, new_text);
    }
    doc_.push(std::move(made), tr("Apply player %1").arg(new_text), std::move(relabels));

    // What is stored now is what the edits show: a later Apply compares with that.
    show_text(pl_name, player.strings[0]);
    show_text(pl_pseudo, player.strings[1]);
    show_text(pl_sur, player.strings[2]);
    return result::success();
}

void player_page::Button8Click() {
    QTreeWidget* tree = doc_.trees.navigation;
    QTreeWidgetItem* node = tree ? tree->currentItem() : nullptr;
    if (!node || !node->isSelected() || !node->parent())
        return;
    tree->setCurrentItem(node->parent());
}

void player_page::document_changed(const document_change& d) {
    if (!d.rows || !pl_id->property(player_shown).toBool())
        return;
    const int row = shown_row(pl_id->text(), any_row);
    if (row >= 0 && d.made.touches(table_index::players, row))
        show_player(row);
}

namespace {

// The shown player's row, or -1.
int shown_player_row(const QLineEdit* pl_id, database& db) {
    if (!pl_id->property(player_shown).toBool())
        return -1;
    return shown_row(pl_id->text(), player_rows(db).size());
}

} // namespace

result player_page::new_click() {
    const int row = shown_player_row(pl_id, doc_.game.db);
    if (row < 0)
        return refusal(tr("Show the player to copy first."));
    // The team the shown player's node stands under.
    std::optional<std::int32_t> team;
    QTreeWidget* tree = doc_.trees.navigation;
    QTreeWidgetItem* node = tree ? tree->currentItem() : nullptr;
    QString team_label;
    if (node && node->parent() && node->parent()->parent()) {
        team_label = node->parent()->text(0);
        const int t = resolve_team(doc_.game, team_label);
        if (t >= 0)
            team = doc_.game.db.rows(table_index::teams)[static_cast<std::size_t>(t)].keys[0];
    }
    auto asked = ask_new_player(doc_.game, row, team, ask_names);
    if (!asked || !asked.value)
        return asked.outcome();
    const QString label = asked.value->label;
    const int added = static_cast<int>(player_rows(doc_.game.db).size()) - 1;
    doc_.push_table_edit(std::move(asked.value->made.made), tr("new player %1").arg(label));
    pl_status->setText(
        //: %1: the player's name; %2: his id; %3: the team
        team ? tr("New player %1 (id %2) in %3.")
                   .arg(label)
                   .arg(player_rows(doc_.game.db)[static_cast<std::size_t>(added)].keys[0])
                   .arg(team_label)
             : tr("New player %1 (id %2), without a team.")
                   .arg(label)
                   .arg(player_rows(doc_.game.db)[static_cast<std::size_t>(added)].keys[0]));
    show_player(added);
    return result::success();
}

result player_page::delete_click() {
    const int row = shown_player_row(pl_id, doc_.game.db);
    if (row < 0)
        return refusal(tr("Show the player to delete first."));
    const QString label =
        text_of(player_label(player_rows(doc_.game.db)[static_cast<std::size_t>(row)]));
    std::size_t memberships = 0;
    edit_outcome made = delete_player(doc_.game, row, &memberships);
    if (!made)
        //: %1: the player; %2: why not
        return refusal(tr("%1 was not deleted: %2").arg(label, shown_text(made)));
    doc_.push_table_edit(std::move(made.made), tr("delete player %1").arg(label));
    pl_status->setText(memberships == 1 ? tr("Deleted %1 and his membership of a team.").arg(label)
                                        : tr("Deleted %1 and his %Ln memberships of teams.",
                                             nullptr, static_cast<int>(memberships))
                                              .arg(label));
    show_player(-1);
    return result::success();
}

} // namespace qira
