#include "views/league_page.h"

#include "editing/edits.h"
#include "views/handler_values.h"
#include "views/item_lists.h"
#include "views/page_fields.h"
#include "views/page_values.h"
#include "views/page_widgets.h"

#include <initializer_list>

namespace qira {

namespace {

std::span<db_overall_data> league_rows(database& db) {
    if (!db.has_table(table_index::leagues))
        return {};
    return db.rows(table_index::leagues);
}

} // namespace

namespace {

// The league's values as the page shows them, top to bottom; Tab follows the list.
const page_field league_fields[] = {
    {field_control::text, "l_name_long", QT_TRANSLATE_NOOP("qira::league_page", "Long Title"), 0,
     nullptr, 0, 0, nullptr, nullptr, true, true},
    {field_control::text, "l_name_sh", QT_TRANSLATE_NOOP("qira::league_page", "Short Title"), 0,
     nullptr, 1, 0, nullptr, nullptr, true, true},
    {field_control::drop_down, "l_level", QT_TRANSLATE_NOOP("qira::league_page", "Level"), 0,
     nullptr, league_field::level, 0, level_items},
};

} // namespace

std::span<const page_field> league_page::fields() {
    return league_fields;
}

league_page::league_page(game_document& doc, QWidget* parent)
    : QWidget(parent), doc_(doc), controls_(league_fields, this) {
    setObjectName(QStringLiteral("TabSheet1"));
    l_name_long = controls_.as<QLineEdit>("l_name_long");
    l_name_sh = controls_.as<QLineEdit>("l_name_sh");
    l_level = controls_.as<QComboBox>("l_level");
    //: Button: writes the page's edits to the game
    l_apply = button("l_apply", tr("Apply"), this);
    l_id = hidden_edit("l_id", QStringLiteral("l_id"), this);

    controls_.lay_out_page(this, button_row({}, {l_apply}), l_apply);

    connect(l_apply, &QPushButton::clicked, this, doc_.guarded(this, &league_page::l_applyClick));
    connect(&doc_, &game_document::changed, this, &league_page::document_changed);
}

std::vector<QWidget*> league_page::tab_order() const {
    std::vector<QWidget*> order = controls_.tab_order();
    order.push_back(l_apply);
    return order;
}

void league_page::show_league(int row) {
    const auto rows = league_rows(doc_.game.db);
    const bool found = row >= 0 && static_cast<std::size_t>(row) < rows.size();
    l_apply->setEnabled(found);
    controls_.show(doc_.game, table_index::leagues,
                   found ? &rows[static_cast<std::size_t>(row)] : nullptr);
    l_id->setText(found ? QString::number(row) : QStringLiteral("-1"));
}

result league_page::l_applyClick() {
    const auto id = to_int(l_id->text());
    if (!id)
        return id.outcome();
    const int row = id.value;
    const auto rows = league_rows(doc_.game.db);
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size())
        return result::success();
    const db_overall_data& league = rows[static_cast<std::size_t>(row)];
    const auto taken = controls_.take(doc_.game, table_index::leagues, league);
    if (!taken)
        return taken.outcome();
    league_values values;
    values.long_title = taken.value.names[0];
    values.short_title = taken.value.names[1];
    for (const auto& [slot, value] : taken.value.slot_values)
        if (slot == league_field::level)
            values.level = value;
    change made = apply_league(doc_.game, row, values);
    doc_.push(std::move(made), tr("Apply league %1").arg(text_of(league.strings[1])));
    // What is stored now is what the edits show: a later Apply compares with that.
    show_text(l_name_long, league.names[0]);
    show_text(l_name_sh, league.names[1]);
    return result::success();
}

void league_page::document_changed(const document_change& d) {
    const int row = shown_row(l_id->text(), any_row);
    if (d.rows && row >= 0 && d.made.touches(table_index::leagues, row))
        show_league(row);
}

} // namespace qira
