#include "views/league_page.h"

#include "editing/edits.h"
#include "views/handler_values.h"
#include "views/item_lists.h"
#include "views/page_values.h"
#include "views/page_widgets.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include <initializer_list>

namespace qira {

namespace {

std::span<db_overall_data> league_rows(database& db) {
    if (!db.has_table(table_index::leagues))
        return {};
    return db.rows(table_index::leagues);
}

} // namespace

league_page::league_page(game_document& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    setObjectName(QStringLiteral("TabSheet1"));
    l_name_long = edit("l_name_long", this);
    l_name_sh = edit("l_name_sh", this);
    l_level = drop_down("l_level", level_items(), this);
    l_apply = button("l_apply", QStringLiteral("Apply"), this);
    l_id = hidden_edit("l_id", QStringLiteral("l_id"), this);

    auto* form = new QGridLayout;
    form->setColumnStretch(1, 1);
    form->addWidget(caption(QStringLiteral("Long Title"), l_name_long, this), 0, 0);
    form->addWidget(l_name_long, 0, 1);
    form->addWidget(caption(QStringLiteral("Short Title"), l_name_sh, this), 1, 0);
    form->addWidget(l_name_sh, 1, 1);
    form->addWidget(caption(QStringLiteral("Level"), l_level, this), 2, 0);
    form->addWidget(l_level, 2, 1, Qt::AlignLeft);
    auto* page = new QVBoxLayout(this);
    page->addLayout(form);
    page->addStretch(1);
    page->addLayout(button_row({}, {l_apply}));
    apply_keys(this, l_apply);

    connect(l_apply, &QPushButton::clicked, this, doc_.guarded(this, &league_page::l_applyClick));
    connect(&doc_, &game_document::rows_changed, this, &league_page::rows_changed);
}

std::vector<QWidget*> league_page::tab_order() const {
    return {l_name_long, l_name_sh, l_level, l_apply};
}

void league_page::show_league(int row) {
    const auto rows = league_rows(doc_.game.db);
    const bool found = row >= 0 && static_cast<std::size_t>(row) < rows.size();
    for (QWidget* w : std::initializer_list<QWidget*>{l_name_long, l_name_sh, l_level, l_apply})
        w->setEnabled(found);
    if (!found) {
        show_text(l_name_long, {});
        show_text(l_name_sh, {});
        l_level->setCurrentIndex(-1);
        l_id->setText(QStringLiteral("-1"));
        return;
    }
    const db_overall_data& league = rows[static_cast<std::size_t>(row)];
    show_text(l_name_long, league.names[0]);
    show_text(l_name_sh, league.names[1]);
    if (league_field::level < league.values.size())
        show_item(l_level, league.values[league_field::level]);
    else
        l_level->setCurrentIndex(-1);
    l_id->setText(QString::number(row));
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
    league_values values;
    values.long_title = applied_text(l_name_long, league.names[0]);
    values.short_title = applied_text(l_name_sh, league.names[1]);
    if (league_field::level < league.values.size())
        values.level = applied_item(l_level, league.values[league_field::level]);
    change made = apply_league(doc_.game, row, values);
    doc_.push(std::move(made), QStringLiteral("Apply league %1").arg(text_of(league.strings[1])));
    // What is stored now is what the edits show: a later Apply compares with that.
    show_text(l_name_long, league.names[0]);
    show_text(l_name_sh, league.names[1]);
    return result::success();
}

void league_page::rows_changed(const change& c) {
    const int row = shown_row(l_id->text(), any_row);
    if (row >= 0 && c.touches(table_index::leagues, row))
        show_league(row);
}

} // namespace qira
