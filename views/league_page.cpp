// The league page: a league's two localized titles and its level.
//
// l_id holds the decimal row position of the shown league in the league table. It starts as
// "l_id", so that Apply before any league was shown reports "'l_id' is not a valid integer
// value"; a league node whose label no row has leaves "-1", and Apply then does nothing.

#include "app/main_window.h"
#include "views/page_values.h"

#include <span>

namespace {

constexpr std::size_t level_slot = 1;

std::span<qira::db_overall_data> league_rows(qira::database& db) {
    if (!db.has_table(qira::table_index::leagues))
        return {};
    return db.rows(qira::table_index::leagues);
}

} // namespace

void TForm1::show_league(int row) {
    const auto rows = league_rows(game.db);
    const bool found = row >= 0 && static_cast<std::size_t>(row) < rows.size();
    for (QWidget* w : std::initializer_list<QWidget*>{l_name_long, l_name_sh, l_level, l_apply})
        w->setEnabled(found);
    if (!found) {
        qira::show_text(l_name_long, {});
        qira::show_text(l_name_sh, {});
        l_level->setCurrentIndex(-1);
        l_id->setText(QStringLiteral("-1"));
        return;
    }
    const qira::db_overall_data& league = rows[static_cast<std::size_t>(row)];
    qira::show_text(l_name_long, league.names[0]);
    qira::show_text(l_name_sh, league.names[1]);
    if (level_slot < league.values.size())
        qira::show_item(l_level, league.values[level_slot]);
    else
        l_level->setCurrentIndex(-1);
    l_id->setText(QString::number(row));
}

void TForm1::l_applyClick() {
    const int row = qira::to_int(l_id->text());
    const auto rows = league_rows(game.db);
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size())
        return;
    qira::db_overall_data& league = rows[static_cast<std::size_t>(row)];
    league.names[0] = qira::applied_text(l_name_long, league.names[0]);
    league.names[1] = qira::applied_text(l_name_sh, league.names[1]);
    if (level_slot < league.values.size())
        league.values[level_slot] = qira::applied_item(l_level, league.values[level_slot]);
    mark_modified();
    // What is stored now is what the edits show: a later Apply compares with that.
    qira::show_text(l_name_long, league.names[0]);
    qira::show_text(l_name_sh, league.names[1]);
}
