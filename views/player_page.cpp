#include "views/player_page.h"

#include "editing/edits.h"
#include "editing/transfers.h"
#include "views/game_trees.h"
#include "views/handler_values.h"
#include "views/item_lists.h"
#include "views/page_values.h"
#include "views/page_widgets.h"

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

// A number that no drop-down has an item for.
constexpr std::uint32_t no_item = UINT32_MAX;

std::span<db_overall_data> player_rows(database& db) {
    if (!db.has_table(table_index::players))
        return {};
    return db.rows(table_index::players);
}

// The player's value of the field of that name; nothing when the table has no such field.
std::optional<std::uint32_t> field(const database& db, const db_overall_data& player,
                                   const char* name) {
    const std::optional<int> slot = db.field_slot(table_index::players, name);
    if (!slot || *slot < 0 || static_cast<std::size_t>(*slot) >= player.values.size())
        return std::nullopt;
    return player.values[static_cast<std::size_t>(*slot)];
}

} // namespace

player_page::player_page(game_document& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    setObjectName(QStringLiteral("TabSheet3"));
    auto* id_label = new QLabel(QStringLiteral("Player ID:"), this);
    pl_rid = edit("pl_rid", this);
    pl_rid->setText(QStringLiteral("123"));
    pl_rid->setReadOnly(true);
    pl_rid->setFrame(false);
    pl_rid->setFocusPolicy(Qt::NoFocus);
    {
        QPalette face = pl_rid->palette();
        face.setColor(QPalette::Base, Qt::transparent);
        pl_rid->setPalette(face);
    }
    id_label->setBuddy(pl_rid);
    pl_rid->setAccessibleName(QStringLiteral("Player ID"));
    pl_id = hidden_edit("pl_id", QStringLiteral("123"), this);
    pl_id->setReadOnly(true);

    pl_name = edit("pl_name", this);
    pl_pseudo = edit("pl_pseudo", this);
    pl_sur = edit("pl_sur", this);
    pl_pos = drop_down("pl_pos", position_items(), this);
    pl_height_p = spinner("pl_height", "pl_height_p", 200, this, pl_height);
    pl_height->setMaxLength(3);
    pl_weight_p = spinner("pl_weight", "pl_weight_p", 200, this, pl_weight);
    pl_haircolor = drop_down("pl_haircolor", hair_color_items(), this);
    pl_bootscol = drop_down("pl_bootscol", boots_color_items(), this);
    auto* hair_note = new QLabel(
        QStringLiteral("*Hair color may not match when special face is used for player"), this);
    hair_note->setWordWrap(true);
    pl_star = named(new QCheckBox(QStringLiteral("Star Player"), this), "pl_star");
    pl_star->setAccessibleName(pl_star->text()); // named by its own caption
    pl_stamina_p = spinner("pl_stamina", "pl_stamina_p", 100, this, pl_stamina);
    pl_pass_p = spinner("pl_pass", "pl_pass_p", 100, this, pl_pass);
    pl_tackl_p = spinner("pl_tackl", "pl_tackl_p", 100, this, pl_tackl);
    pl_ballcont_p = spinner("pl_ballcont", "pl_ballcont_p", 100, this, pl_ballcont);
    pl_shotacc_p = spinner("pl_shotacc", "pl_shotacc_p", 100, this, pl_shotacc);
    pl_talent = track_bar("pl_talent", 5, this);
    Button8 = button("Button8", QStringLiteral("<<< Edit Team"), this);
    pl_apply = button("pl_apply", QStringLiteral("Apply"), this);
    pl_new = button("pl_new", QStringLiteral("New player..."), this);
    pl_new->setToolTip(QStringLiteral("A copy of this player with the next free id and new names"));
    pl_delete = button("pl_delete", QStringLiteral("Delete player"), this);
    pl_delete->setToolTip(QStringLiteral("This player's row and his memberships of teams"));
    pl_new->setEnabled(false);
    pl_delete->setEnabled(false);
    pl_status = new status_line("pl_status", QStringLiteral("Player status"), this);
    ask_names = [this](const QString& title, const player_names& model) {
        return ask_player_names(this, title, model);
    };

    auto* left = new QGridLayout;
    left->setColumnStretch(1, 1);
    int row = 0;
    const auto add_left = [&](const QString& text, QWidget* control, Qt::Alignment align = {}) {
        left->addWidget(caption(text, control, this), row, 0);
        left->addWidget(control, row, 1, align);
        ++row;
    };
    add_left(QStringLiteral("Name"), pl_name);
    add_left(QStringLiteral("Pseudonym"), pl_pseudo);
    add_left(QStringLiteral("Surname"), pl_sur);
    add_left(QStringLiteral("Preferred position"), pl_pos, Qt::AlignLeft);
    add_left(QStringLiteral("Height"), pl_height_p, Qt::AlignLeft);
    add_left(QStringLiteral("Weight"), pl_weight_p, Qt::AlignLeft);
    add_left(QStringLiteral("Hair color"), pl_haircolor, Qt::AlignLeft);
    add_left(QStringLiteral("Boots color"), pl_bootscol, Qt::AlignLeft);
    left->addWidget(hair_note, row, 0, 1, 2);
    left->setRowStretch(row + 1, 1);

    auto* right = new QGridLayout;
    right->setColumnStretch(1, 1);
    row = 0;
    right->addWidget(pl_star, row++, 0, 1, 2);
    const auto add_right = [&](const QString& text, QWidget* control, bool enabled = true) {
        QLabel* label = caption(text, control, this);
        label->setEnabled(enabled);
        control->setEnabled(enabled);
        right->addWidget(label, row, 0);
        right->addWidget(control, row, 1, control == pl_talent ? Qt::Alignment{} : Qt::AlignLeft);
        ++row;
    };
    add_right(QStringLiteral("Stamina"), pl_stamina_p);
    add_right(QStringLiteral("Passing"), pl_pass_p);
    add_right(QStringLiteral("Tackling"), pl_tackl_p);
    add_right(QStringLiteral("Ball Control"), pl_ballcont_p, false);
    add_right(QStringLiteral("Shot Accuraty"), pl_shotacc_p, false);
    add_right(QStringLiteral("Talent"), pl_talent);
    right->setRowStretch(row, 1);
    // The spinner's edit carries the accessible name too, as the control the user types into.
    for (auto* e : {pl_height, pl_weight, pl_stamina, pl_pass, pl_tackl, pl_ballcont, pl_shotacc})
        e->setAccessibleName(e->parentWidget()->accessibleName());

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
    apply_keys(this, pl_apply);

    connect(pl_apply, &QPushButton::clicked, this, doc_.guarded(this, &player_page::pl_applyClick));
    connect(Button8, &QPushButton::clicked, this, doc_.guarded(this, &player_page::Button8Click));
    connect(pl_new, &QPushButton::clicked, this, doc_.guarded(this, &player_page::new_click));
    connect(pl_delete, &QPushButton::clicked, this, doc_.guarded(this, &player_page::delete_click));
    connect(&doc_, &game_document::rows_changed, this, &player_page::rows_changed);
}

std::vector<QWidget*> player_page::tab_order() const {
    return {pl_name,     pl_pseudo,    pl_sur,        pl_pos,       pl_height_p,
            pl_weight_p, pl_haircolor, pl_bootscol,   pl_star,      pl_stamina_p,
            pl_pass_p,   pl_tackl_p,   pl_ballcont_p, pl_shotacc_p, pl_talent,
            Button8,     pl_new,       pl_delete,     pl_apply};
}

void player_page::show_player(int row) {
    const auto rows = player_rows(doc_.game.db);
    const bool found = row >= 0 && static_cast<std::size_t>(row) < rows.size();
    pl_id->setProperty(player_shown, true);
    // Ball control and shot accuracy are shown only; they stay disabled.
    for (QWidget* w : std::initializer_list<QWidget*>{
             pl_name, pl_pseudo, pl_sur, pl_talent, pl_star, pl_height_p, pl_weight_p, pl_bootscol,
             pl_haircolor, pl_stamina_p, pl_pass_p, pl_tackl_p, pl_pos, pl_apply, pl_new,
             pl_delete})
        w->setEnabled(found);
    if (!found) {
        pl_id->setText(QStringLiteral("-1"));
        pl_rid->clear();
        for (QLineEdit* e : {pl_name, pl_pseudo, pl_sur})
            show_text(e, {});
        pl_talent->setValue(0);
        pl_star->setChecked(false);
        for (QSpinBox* s : {pl_height_p, pl_weight_p, pl_stamina_p, pl_ballcont_p, pl_pass_p,
                            pl_tackl_p, pl_shotacc_p})
            show_spin(s, 0);
        for (QComboBox* c : {pl_bootscol, pl_haircolor, pl_pos})
            c->setCurrentIndex(-1);
        return;
    }

    const database& db = doc_.game.db;
    const db_overall_data& player = rows[static_cast<std::size_t>(row)];
    const auto value_or = [&](const char* name, std::uint32_t absent) {
        return field(db, player, name).value_or(absent);
    };
    pl_id->setText(QString::number(row));
    pl_rid->setText(QString::number(player.keys[0]));
    show_text(pl_name, player.strings[0]);
    show_text(pl_pseudo, player.strings[1]);
    show_text(pl_sur, player.strings[2]);
    show_track(pl_talent, value_or(player_field::talent, 0));
    pl_star->setChecked(value_or(player_field::star, 0) == 1);
    show_spin(pl_height_p, value_or(player_field::height, 0));
    show_spin(pl_weight_p, value_or(player_field::weight, 0));
    // A stored number outside a list shows no item (and Apply keeps it).
    show_item(pl_bootscol, value_or(player_field::boots_color, no_item));
    show_item(pl_haircolor, value_or(player_field::hair_color, no_item));
    show_spin(pl_stamina_p, value_or(player_field::stamina, 0));
    show_spin(pl_ballcont_p, value_or(player_field::ball_control, 0));
    show_spin(pl_pass_p, value_or(player_field::passing, 0));
    show_spin(pl_tackl_p, value_or(player_field::tackling, 0));
    show_spin(pl_shotacc_p, value_or(player_field::shot_accuracy, 0));
    show_item(pl_pos, value_or(player_field::position, no_item));
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
    const database& db = doc_.game.db;
    const db_overall_data& player = rows[static_cast<std::size_t>(row)];
    const QString old_text = text_of(player_label(player));

    player_values values;
    values.names = {applied_text(pl_name, player.strings[0]),
                    applied_text(pl_pseudo, player.strings[1]),
                    applied_text(pl_sur, player.strings[2])};
    const auto add = [&](const char* name, std::uint32_t value) {
        values.fields.emplace_back(name, value);
    };
    const auto add_spin = [&](const char* name, const QSpinBox* spin) {
        if (const auto stored = field(db, player, name))
            add(name, applied_spin(spin, *stored));
    };
    const auto add_item = [&](const char* name, const QComboBox* list) {
        if (const auto stored = field(db, player, name))
            add(name, applied_item(list, *stored));
    };
    add(player_field::talent, static_cast<std::uint32_t>(pl_talent->value()));
    add(player_field::star, pl_star->isChecked() ? 1 : 0);
    add_spin(player_field::height, pl_height_p);
    add_spin(player_field::weight, pl_weight_p);
    add_item(player_field::boots_color, pl_bootscol);
    add_item(player_field::hair_color, pl_haircolor);
    add_spin(player_field::stamina, pl_stamina_p);
    add_spin(player_field::passing, pl_pass_p);
    add_spin(player_field::tackling, pl_tackl_p);
    // Ball control and shot accuracy are shown only, never written.
    add_item(player_field::position, pl_pos);
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
    doc_.push(std::move(made), QStringLiteral("Apply player %1").arg(new_text),
              std::move(relabels));

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

void player_page::rows_changed(const change& c) {
    if (!pl_id->property(player_shown).toBool())
        return;
    const int row = shown_row(pl_id->text(), any_row);
    if (row >= 0 && c.touches(table_index::players, row))
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
        return refusal(QStringLiteral("Show the player to copy first."));
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
    // Refused before the names are typed where the player could not be added.
    if (auto can = check_new_player(doc_.game, row, team); !can)
        return refusal(
            QStringLiteral("No new player: %1").arg(QString::fromStdString(can.message())));
    const auto names = ask_names(QStringLiteral("New player"), player_names{});
    if (!names)
        return result::success();
    edit_outcome made = new_player(doc_.game, row, *names, team);
    if (!made)
        return refusal(
            QStringLiteral("No new player: %1").arg(QString::fromStdString(made.message())));
    const int added = static_cast<int>(player_rows(doc_.game.db).size()) - 1;
    const QString label =
        text_of(player_label(player_rows(doc_.game.db)[static_cast<std::size_t>(added)]));
    doc_.push_table_edit(std::move(made.made), QStringLiteral("new player %1").arg(label));
    pl_status->setText(
        team ? QStringLiteral("New player %1 (id %2) in %3.")
                   .arg(label)
                   .arg(player_rows(doc_.game.db)[static_cast<std::size_t>(added)].keys[0])
                   .arg(team_label)
             : QStringLiteral("New player %1 (id %2), without a team.")
                   .arg(label)
                   .arg(player_rows(doc_.game.db)[static_cast<std::size_t>(added)].keys[0]));
    show_player(added);
    return result::success();
}

result player_page::delete_click() {
    const int row = shown_player_row(pl_id, doc_.game.db);
    if (row < 0)
        return refusal(QStringLiteral("Show the player to delete first."));
    const QString label =
        text_of(player_label(player_rows(doc_.game.db)[static_cast<std::size_t>(row)]));
    std::size_t memberships = 0;
    edit_outcome made = delete_player(doc_.game, row, &memberships);
    if (!made)
        return refusal(QStringLiteral("%1 was not deleted: %2")
                           .arg(label, QString::fromStdString(made.message())));
    doc_.push_table_edit(std::move(made.made), QStringLiteral("delete player %1").arg(label));
    pl_status->setText(memberships == 1
                           ? QStringLiteral("Deleted %1 and his membership of a team.").arg(label)
                           : QStringLiteral("Deleted %1 and his %2 memberships of teams.")
                                 .arg(label)
                                 .arg(memberships));
    show_player(-1);
    return result::success();
}

} // namespace qira
