// The player page: a player's name parts and attributes.
//
// pl_id holds the decimal row position of the shown player in the player table. It starts as
// "123", a row that no one chose: Apply does nothing until a player was shown. A player node
// whose label no row has leaves "-1", and Apply then does nothing either.

#include "app/main_window.h"
#include "views/page_values.h"

#include <QCheckBox>
#include <QTreeWidget>

#include <initializer_list>
#include <optional>
#include <span>
#include <string>

namespace {

using qira::db_overall_data;

// Set on pl_id once show_player has put a row position there.
constexpr char player_shown[] = "qira_player_shown";

std::span<db_overall_data> player_rows(qira::database& db) {
    if (!db.has_table(qira::table_index::players))
        return {};
    return db.rows(qira::table_index::players);
}

// The player's value of the field of that name, its slot found when it is asked for; nullptr
// when the table has no such field.
std::uint32_t* field(const qira::database& db, db_overall_data& player, const char* name) {
    const std::optional<int> slot = db.field_slot(qira::table_index::players, name);
    if (!slot || *slot < 0 || static_cast<std::size_t>(*slot) >= player.values.size())
        return nullptr;
    return &player.values[static_cast<std::size_t>(*slot)];
}

// A number that no drop-down has an item for.
constexpr std::uint32_t no_item = UINT32_MAX;

std::uint32_t value_or(const qira::database& db, db_overall_data& player, const char* name,
                       std::uint32_t absent) {
    const std::uint32_t* value = field(db, player, name);
    return value ? *value : absent;
}

void store(const qira::database& db, db_overall_data& player, const char* name,
           std::uint32_t value) {
    if (std::uint32_t* target = field(db, player, name))
        *target = value;
}

void store_spin(const qira::database& db, db_overall_data& player, const char* name,
                const QSpinBox* spin) {
    if (std::uint32_t* target = field(db, player, name))
        *target = qira::applied_spin(spin, *target);
}

void store_item(const qira::database& db, db_overall_data& player, const char* name,
                const QComboBox* list) {
    if (std::uint32_t* target = field(db, player, name))
        *target = qira::applied_item(list, *target);
}

} // namespace

void TForm1::show_player(int row) {
    const auto rows = player_rows(game.db);
    const bool found = row >= 0 && static_cast<std::size_t>(row) < rows.size();
    pl_id->setProperty(player_shown, true);
    // Ball control and shot accuracy are shown only; they stay disabled.
    for (QWidget* w : std::initializer_list<QWidget*>{
             pl_name, pl_pseudo, pl_sur, pl_talent, pl_star, pl_height_p, pl_weight_p, pl_bootscol,
             pl_haircolor, pl_stamina_p, pl_pass_p, pl_tackl_p, pl_pos, pl_apply})
        w->setEnabled(found);
    if (!found) {
        pl_id->setText(QStringLiteral("-1"));
        pl_rid->clear();
        for (QLineEdit* e : {pl_name, pl_pseudo, pl_sur})
            qira::show_text(e, {});
        pl_talent->setValue(0);
        pl_star->setChecked(false);
        for (QSpinBox* s : {pl_height_p, pl_weight_p, pl_stamina_p, pl_ballcont_p, pl_pass_p,
                            pl_tackl_p, pl_shotacc_p})
            qira::show_spin(s, 0);
        for (QComboBox* c : {pl_bootscol, pl_haircolor, pl_pos})
            c->setCurrentIndex(-1);
        return;
    }

    const qira::database& db = game.db;
    db_overall_data& player = rows[static_cast<std::size_t>(row)];
    pl_id->setText(QString::number(row));
    pl_rid->setText(QString::number(player.keys[0]));
    qira::show_text(pl_name, player.strings[0]);
    qira::show_text(pl_pseudo, player.strings[1]);
    qira::show_text(pl_sur, player.strings[2]);
    qira::show_track(pl_talent, value_or(db, player, "talent", 0));
    pl_star->setChecked(false);
    if (value_or(db, player, "starplayer", 0) == 1)
        pl_star->setChecked(true);
    qira::show_spin(pl_height_p, value_or(db, player, "height", 0));
    qira::show_spin(pl_weight_p, value_or(db, player, "weight", 0));
    // A stored number outside a list shows no item (and Apply keeps it).
    qira::show_item(pl_bootscol, value_or(db, player, "shoecolor", no_item));
    qira::show_item(pl_haircolor, value_or(db, player, "haircolorid", no_item));
    qira::show_spin(pl_stamina_p, value_or(db, player, "stamina", 0));
    qira::show_spin(pl_ballcont_p, value_or(db, player, "ballcontrol", 0));
    qira::show_spin(pl_pass_p, value_or(db, player, "passing", 0));
    qira::show_spin(pl_tackl_p, value_or(db, player, "tackling", 0));
    qira::show_spin(pl_shotacc_p, value_or(db, player, "shotaccuracy", 0));
    qira::show_item(pl_pos, value_or(db, player, "preferredposition1", no_item));
}

void TForm1::pl_applyClick() {
    if (!pl_id->property(player_shown).toBool())
        return;
    const int row = qira::to_int(pl_id->text());
    const auto rows = player_rows(game.db);
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size())
        return;
    const qira::database& db = game.db;
    db_overall_data& player = rows[static_cast<std::size_t>(row)];
    const std::string old_label = qira::player_label(player);

    player.strings[0] = qira::applied_text(pl_name, player.strings[0]);
    player.strings[1] = qira::applied_text(pl_pseudo, player.strings[1]);
    player.strings[2] = qira::applied_text(pl_sur, player.strings[2]);
    store(db, player, "talent", static_cast<std::uint32_t>(pl_talent->value()));
    store(db, player, "starplayer", 0);
    if (pl_star->isChecked())
        store(db, player, "starplayer", 1);
    store_spin(db, player, "height", pl_height_p);
    store_spin(db, player, "weight", pl_weight_p);
    store_item(db, player, "shoecolor", pl_bootscol);
    store_item(db, player, "haircolorid", pl_haircolor);
    store_spin(db, player, "stamina", pl_stamina_p);
    store_spin(db, player, "passing", pl_pass_p);
    store_spin(db, player, "tackling", pl_tackl_p);
    // Ball control and shot accuracy are shown only, never written.
    store_item(db, player, "preferredposition1", pl_pos);
    mark_modified();

    // Every node that carries the old label carries the new one, in both trees at the same
    // index; only the navigation tree's labels are compared.
    const std::string new_label = qira::player_label(player);
    const QString old_text = qira::text_of(old_label);
    const QString new_text = qira::text_of(new_label);
    for (std::size_t n = 0; n < node_labels.size(); ++n)
        if (node_labels[n] == old_text)
            relabel_node(n, new_text);
    lookups.player_relabelled(row, old_label, new_label);

    // What is stored now is what the edits show: a later Apply compares with that.
    qira::show_text(pl_name, player.strings[0]);
    qira::show_text(pl_pseudo, player.strings[1]);
    qira::show_text(pl_sur, player.strings[2]);
}

void TForm1::Button8Click() {
    QTreeWidgetItem* node = TreeView1->currentItem();
    if (!node || !node->isSelected() || !node->parent())
        return;
    TreeView1->setCurrentItem(node->parent());
}
