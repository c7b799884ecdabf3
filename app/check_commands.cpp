// "Check game...": the references between the game's tables checked, each problem shown where it
// is; and the question before a save that would write problems the session made.

#include "app/main_window.h"
#include "views/check_window.h"
#include "views/page_values.h"

#include <QItemSelectionModel>
#include <QStringList>
#include <QUndoStack>

void TForm1::ButtonCheckClick() {
    if (!check) {
        // A window of its own, like the tables window.
        check = new qira::check_window(doc, nullptr);
        connect(check, &qira::check_window::show_row, this, &TForm1::show_table_row);
        connect(check, &qira::check_window::check_requested, this,
                [this] { check->refresh(opening_problems_); });
        // The list follows every edit, undo and redo while it is open, so that a double-click
        // never shows a row that has moved since.
        connect(doc.undo_stack(), &QUndoStack::indexChanged, check, [this] {
            if (check->isVisible())
                check->refresh(opening_problems_);
        });
    }
    check->refresh(opening_problems_);
    check->show();
    check->raise();
    check->activateWindow();
}

void TForm1::show_table_row(int table, int row) {
    using namespace qira::table_index;
    switch (table) {
    case leagues:
        main->setCurrentIndex(0);
        league->show_league(row);
        break;
    case teams:
        main->setCurrentIndex(1);
        team->show_team(row);
        break;
    case players:
        main->setCurrentIndex(2);
        player->show_player(row);
        break;
    default:
        ButtonTablesClick();
        tables->show_table(table);
        if (row >= 0 && row < tables->model->rowCount()) {
            const QModelIndex at = tables->filter->mapFromSource(tables->model->index(row, 0));
            tables->grid->setCurrentIndex(at);
            tables->grid->scrollTo(at);
        }
        return;
    }
    raise();
    activateWindow();
}

bool TForm1::save_despite_problems() {
    const auto added = qira::new_problems(opening_problems_, qira::check_references(game));
    if (added.empty())
        return true;
    QStringList lines;
    for (std::size_t i = 0; i < added.size() && i < 10; ++i)
        lines << qira::text_of(added[i].text);
    if (added.size() > 10)
        lines << QStringLiteral("and %1 more").arg(added.size() - 10);
    return messages().ask(QLatin1String(qira::app_title),
                          QStringLiteral("The changes leave %1 the files did not have:\n\n"
                                         "%2\n\nSave anyway?")
                              .arg(added.size() == 1
                                       ? QStringLiteral("a problem")
                                       : QStringLiteral("%1 problems").arg(added.size()))
                              .arg(lines.join(QLatin1Char('\n'))));
}
