#include "views/merge_conflicts_window.h"

#include "views/command_action.h"
#include "views/page_widgets.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace qira {

namespace {

QString text_of(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString side_text(merge_side side) {
    switch (side) {
    case merge_side::a:
        return QStringLiteral("A");
    case merge_side::b:
        return QStringLiteral("B");
    case merge_side::none:
        break;
    }
    return QCoreApplication::translate("qira::merge_conflicts_window", "left out");
}

// What a conflict is about beyond its row: the field, or the kind of disagreement.
QString what_of(const merge_conflict& c) {
    switch (c.what) {
    case merge_conflict::kind::field:
        return text_of(c.field_name);
    case merge_conflict::kind::stored:
        //: What a conflict is about: bits of a row that no field of the table covers
        return QCoreApplication::translate("qira::merge_conflicts_window", "bits no field covers");
    case merge_conflict::kind::row:
        return QCoreApplication::translate("qira::merge_conflicts_window", "the row");
    case merge_conflict::kind::table:
        return QCoreApplication::translate("qira::merge_conflicts_window", "the table's rows");
    case merge_conflict::kind::entry:
        //: What a conflict is about: a text of the language file
        return QCoreApplication::translate("qira::merge_conflicts_window", "text");
    }
    return {};
}

} // namespace

merge_conflicts_window::merge_conflicts_window(const std::vector<merge_conflict>& conflicts,
                                               const QString& title, const QString& a_name,
                                               const QString& b_name, QWidget* parent)
    : QDialog(parent), choices_(conflicts.size(), merge_side::none) {
    setObjectName(QStringLiteral("merge_conflicts_window"));
    setWindowTitle(title);
    setModal(true);
    setSizeGripEnabled(true);

    const auto places = static_cast<int>(conflicts.size());
    //: %1 and %2: the names of the two patches merged
    note_label =
        new QLabel((places == 1 ? tr("1 place where A (%1) and B (%2) disagree. Choose the "
                                     "side each takes, or leave it out; the merged "
                                     "changes are shown for review next.")
                                : tr("%Ln places where A (%1) and B (%2) disagree. Choose "
                                     "the side each takes, or leave it out; the merged "
                                     "changes are shown for review next.",
                                     nullptr, places))
                       .arg(a_name, b_name),
                   this);
    note_label->setObjectName(QStringLiteral("note_label"));
    note_label->setWordWrap(true);
    note_label->setAccessibleName(tr("What the conflicts are"));

    make_tree(conflicts);
    make_commands();
    lay_out();
}

void merge_conflicts_window::make_tree(const std::vector<merge_conflict>& conflicts) {
    tree = new QTreeWidget(this);
    tree->setObjectName(QStringLiteral("conflicts_tree"));
    tree->setAccessibleName(tr("Conflicts of the two patches"));
    tree->setRootIsDecorated(false);
    tree->setUniformRowHeights(true);
    tree->setAllColumnsShowFocus(true);
    tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree->setHeaderLabels(
        //: Column headers: the row, the field, its value before both patches, the value of patch A
        //: and of patch B, and the side taken
        {tr("Row"), tr("Field"), tr("Base"), QStringLiteral("A"), QStringLiteral("B"), tr("Take")});
    for (const merge_conflict& c : conflicts) {
        auto* item = new QTreeWidgetItem(tree);
        item->setText(row_column, text_of(c.title));
        item->setText(field_column, what_of(c));
        item->setText(base_column, text_of(c.base));
        item->setText(a_column, text_of(c.a));
        item->setText(b_column, text_of(c.b));
    }
    for (int line = 0; line < static_cast<int>(choices_.size()); ++line)
        show_choice(line);
    tree->header()->resizeSection(row_column, 340);
    for (int c : {field_column, base_column, a_column, b_column})
        tree->header()->resizeSection(c, 130);
}

void merge_conflicts_window::make_commands() {
    const auto command = [this](QAction*& action, QPushButton*& b, const char* name,
                                const char* text, QKeySequence keys, merge_side side) {
        action = make_command(this, name, tr(text), {keys});
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, [this, side] { take(side); });
        b = command_button(name, action, this);
        b->setObjectName(
            QString::fromLatin1(name).replace(QLatin1String("_action"), QLatin1String("_button")));
        b->setAccessibleName(b->text());
        //: %1: the command (Take A, Take B, Leave out); %2: its keys
        b->setToolTip(tr("%1 on the selected lines (%2)")
                          .arg(b->text(), keys.toString(QKeySequence::NativeText)));
        b->setAutoDefault(false);
    };
    command(take_a_action, take_a_button, "take_a_action", QT_TR_NOOP("Take A"),
            QKeySequence(Qt::ALT | Qt::Key_A), merge_side::a);
    command(take_b_action, take_b_button, "take_b_action", QT_TR_NOOP("Take B"),
            QKeySequence(Qt::ALT | Qt::Key_B), merge_side::b);
    command(leave_out_action, leave_out_button, "leave_out_action", QT_TR_NOOP("Leave out"),
            QKeySequence(Qt::ALT | Qt::Key_L), merge_side::none);
    tree->setContextMenuPolicy(Qt::ActionsContextMenu);
    tree->addActions({take_a_action, take_b_action, leave_out_action});

    ok_button = button("ok_button", tr("OK"), this);
    ok_button->setToolTip(tr("Merge with these choices and review the changes"));
    cancel_button = button("cancel_button", tr("Cancel"), this);
    for (QPushButton* b : {ok_button, cancel_button})
        b->setAccessibleName(b->text());
    ok_button->setDefault(true);
    connect(ok_button, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_button, &QPushButton::clicked, this, &QDialog::reject);
}

void merge_conflicts_window::lay_out() {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(take_a_button);
    buttons->addWidget(take_b_button);
    buttons->addWidget(leave_out_button);
    buttons->addStretch(1);
    buttons->addWidget(ok_button);
    buttons->addWidget(cancel_button);
    auto* page = new QVBoxLayout(this);
    page->addWidget(note_label);
    page->addWidget(tree, 1);
    page->addLayout(buttons);
    tab_chain({tree, take_a_button, take_b_button, leave_out_button, ok_button, cancel_button});
    resize(1000, 480);
    if (tree->topLevelItemCount() > 0)
        tree->setCurrentItem(tree->topLevelItem(0));
    tree->setFocus(Qt::OtherFocusReason);
}

void merge_conflicts_window::take(merge_side side) {
    for (QTreeWidgetItem* item : tree->selectedItems()) {
        const int line = tree->indexOfTopLevelItem(item);
        if (line < 0 || line >= static_cast<int>(choices_.size()))
            continue;
        choices_[static_cast<std::size_t>(line)] = side;
        show_choice(line);
    }
}

void merge_conflicts_window::show_choice(int line) {
    tree->topLevelItem(line)->setText(take_column,
                                      side_text(choices_[static_cast<std::size_t>(line)]));
}

} // namespace qira
