#include "views/check_window.h"

#include "views/page_values.h"
#include "views/shown_text.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace qira {

check_window::check_window(game_document& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    setObjectName(QStringLiteral("check_window"));
    setWindowTitle(tr("Check game"));
    check_summary = new status_line("check_summary", tr("Check summary"), this);
    check_list = new QListWidget(this);
    check_list->setObjectName(QStringLiteral("check_list"));
    check_list->setAccessibleName(tr("Problems of the game"));
    check_summary->setBuddy(check_list);
    check_again = new QPushButton(tr("Check again"), this);
    check_again->setObjectName(QStringLiteral("check_again"));
    check_again->setAccessibleName(check_again->text());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(check_again);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(check_summary);
    layout->addWidget(check_list, 1);
    layout->addLayout(buttons);
    resize(640, 420);
    const auto show_current = [this] {
        const int i = check_list->currentRow();
        if (i >= 0 && static_cast<std::size_t>(i) < problems_.size())
            emit show_row(problems_[static_cast<std::size_t>(i)].table,
                          problems_[static_cast<std::size_t>(i)].row);
    };
    connect(check_list, &QListWidget::itemActivated, this, show_current);
    connect(check_again, &QPushButton::clicked, this, &check_window::check_requested);
}

void check_window::refresh(const std::vector<game_problem>& known) {
    problems_ = check_references(doc_.game);
    const std::vector<bool> is_new = which_are_new(known, problems_);
    const auto added = static_cast<std::size_t>(std::count(is_new.begin(), is_new.end(), true));
    check_list->clear();
    for (std::size_t i = 0; i < problems_.size(); ++i)
        check_list->addItem(is_new[i]
                                ? shown_text(problems_[i])
                                //: %1: a problem the files already had when opened
                                : tr("%1  (in the files as opened)").arg(shown_text(problems_[i])));
    const auto count = static_cast<int>(problems_.size());
    //: %1: the number of problems ("1 problem", "3 problems"); %2: how many of them are new
    check_summary->setText(
        problems_.empty()
            ? tr("No problems found.")
            : tr("%1, %L2 of them made since the files were opened. "
                 "Double-click one to show its row.")
                  .arg(count == 1 ? tr("1 problem") : tr("%Ln problems", nullptr, count))
                  .arg(added));
    if (!problems_.empty())
        check_list->setCurrentRow(0);
}

} // namespace qira
