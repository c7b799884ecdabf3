// The team roster page: the shown team's players with their jersey numbers and positions. It
// edits the roster lists only; the team page's Apply writes them to the links.

#include "app/item_lists.h"
#include "app/main_window.h"
#include "views/page_values.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace {

// The label of a stored position code; empty for a code outside the list.
QString position_label(const QString& code) {
    static const QStringList labels = qira::position_items();
    bool ok = false;
    const int i = code.toInt(&ok);
    return ok && i >= 0 && i < labels.size() ? labels[i] : QString();
}

int entry_number(const QListWidget& list, int i) {
    return qira::to_int(list.item(i)->text());
}

} // namespace

void TForm1::refresh_roster_list() {
    const int selected = t_pl_list->currentRow();
    const QSignalBlocker quiet(t_pl_list);
    t_pl_list->clear();
    QStringList rows;
    const int count = std::min({t_pl_names->count(), t_pl_nums->count(), t_pl_poss->count()});
    for (int i = 0; i < count; ++i)
        rows << t_pl_names->item(i)->text() + QLatin1String(" (") + t_pl_nums->item(i)->text() +
                    QLatin1String(" - ") + position_label(t_pl_poss->item(i)->text()) +
                    QLatin1Char(')');
    t_pl_list->addItems(rows);
    // The same row stays selected; when it no longer exists, none is.
    t_pl_list->setCurrentRow(selected < count ? selected : -1);
}

void TForm1::Button5Click() {
    main->setCurrentIndex(1);
}

void TForm1::t_pl_listClick() {
    const int s = t_pl_list->currentRow();
    if (s < 0 || s >= t_pl_nums->count() || s >= t_pl_poss->count())
        return;
    const int code = entry_number(*t_pl_poss, s);
    t_pl_pos->setCurrentIndex(code >= 0 && code < t_pl_pos->count() ? code : -1);
    // Showing the row's number changes the field's text and so runs the number change; it must
    // not put a number the spinner cannot show (above 99) into the entry.
    loading_roster_row_ = true;
    t_pl_num_p->setValue(entry_number(*t_pl_nums, s));
    loading_roster_row_ = false;
}

void TForm1::t_pl_posChange() {
    const int s = t_pl_list->currentRow();
    if (s >= 0 && s < t_pl_poss->count() && t_pl_pos->currentIndex() >= 0)
        t_pl_poss->item(s)->setText(QString::number(t_pl_pos->currentIndex()));
    refresh_roster_list();
}

void TForm1::t_pl_numChange() {
    const int s = t_pl_list->currentRow();
    if (!loading_roster_row_ && s >= 0 && s < t_pl_nums->count())
        t_pl_nums->item(s)->setText(QString::number(t_pl_num_p->value()));
    refresh_roster_list();
}

void TForm1::t_pl_listDblClick() {
    const int s = t_pl_list->currentRow();
    if (s < 0 || s >= t_pl_names->count())
        return;
    const int shown = qira::to_int(t_id->text());
    const auto teams = game.db.rows(qira::table_index::teams);
    if (shown < 0 || static_cast<std::size_t>(shown) >= teams.size())
        return;
    const int team = lookups.team_by_key(teams[shown].keys[0]);
    const QString team_label = qira::text_of(teams[team].strings[1]);
    const QString player = t_pl_names->item(s)->text();
    for (QTreeWidgetItem* node : tree_nodes) {
        if (node->parent() && node->text(0) == player && node->parent()->text(0) == team_label) {
            const bool already = TreeView1->currentItem() == node;
            TreeView1->setCurrentItem(node);
            if (already) // no change of selection: show the page all the same
                show_selected_node();
            return;
        }
    }
    throw qira::handler_error(QStringLiteral("Invalid index"));
}

void TForm1::t_apply_1Click() {
    t_applyClick();
}
