#include "views/patch_review_window.h"

#include "editing/text_fold.h"
#include "views/page_widgets.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScopeGuard>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace qira {

namespace {

// Typing in the find field narrows the list once the typing pauses this long.
constexpr int find_pause_ms = 150;
// A patch of at most this many rows opens with its tables' rows shown.
constexpr std::size_t rows_shown_at_once = 500;
// Problems of the whole patch listed above the changes; the rest counted.
constexpr std::size_t listed_problems = 10;

QString text_of(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString changes_text(std::size_t n) {
    const int count = static_cast<int>(n);
    return count == 1 ? QCoreApplication::translate("qira::patch_review_window", "1 change")
                      : QCoreApplication::translate("qira::patch_review_window", "%Ln changes",
                                                    nullptr, count);
}

QString conflicts_text(std::size_t n) {
    const int count = static_cast<int>(n);
    return count == 1 ? QCoreApplication::translate("qira::patch_review_window", "1 conflict")
                      : QCoreApplication::translate("qira::patch_review_window", "%Ln conflicts",
                                                    nullptr, count);
}

// Draws the box of a line that cannot be ticked (a conflict of a kind that cannot be applied
// over what the game holds) as disabled, the line itself as it is.
class review_delegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if ((option->features & QStyleOptionViewItem::HasCheckIndicator) &&
            !(index.flags() & Qt::ItemIsUserCheckable))
            option->state &= ~QStyle::State_Enabled;
    }
};

} // namespace

patch_review_window::patch_review_window(patch_review& review, const QString& title,
                                         const QString& note, QWidget* parent)
    : QDialog(parent), review_(review) {
    setObjectName(QStringLiteral("patch_review_window"));
    setWindowTitle(title);
    setModal(true);
    setSizeGripEnabled(true);
    make_widgets(note);
    lay_out();
    make_actions();
    resize(1100, 680);
    update_summary();
    expand_groups(false);
    if (model->rowCount() > 0)
        tree->setCurrentIndex(model->index(0, 0));
    tree->setFocus(Qt::OtherFocusReason);
}

void patch_review_window::make_widgets(const QString& note) {
    note_label = new QLabel(note, this);
    note_label->setObjectName(QStringLiteral("note_label"));
    note_label->setWordWrap(true);
    note_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    note_label->setAccessibleName(tr("Where these changes come from"));
    note_label->setVisible(!note.isEmpty());

    const std::vector<std::string>& whole = review_.whole_conflicts();
    QStringList lines;
    for (std::size_t i = 0; i < whole.size() && i < listed_problems; ++i)
        lines << text_of(whole[i]);
    if (whole.size() > listed_problems)
        lines << tr("... and %L1 more").arg(whole.size() - listed_problems);
    whole_problems =
        //: %1: the problems, one a line
        new QLabel(tr("No change of this patch can be applied to this game:\n%1")
                       .arg(lines.join(QLatin1Char('\n'))),
                   this);
    whole_problems->setObjectName(QStringLiteral("whole_problems"));
    whole_problems->setWordWrap(true);
    whole_problems->setTextInteractionFlags(Qt::TextSelectableByMouse);
    whole_problems->setStyleSheet(QStringLiteral("color: #b00020;"));
    whole_problems->setAccessibleName(tr("Problems of the whole patch"));
    whole_problems->setVisible(!whole.empty());

    find_field = new QLineEdit(this);
    find_field->setObjectName(QStringLiteral("find_field"));
    find_field->setPlaceholderText(tr("A table, a name, a field or a value (Ctrl+F)"));
    find_field->setAccessibleName(tr("Find in the changes"));
    find_field->setClearButtonEnabled(true);
    find_label = new QLabel(tr("&Find:"), this);
    find_label->setObjectName(QStringLiteral("find_label"));
    find_label->setBuddy(find_field);

    model = new patch_review_model(review_, this);
    tree = new QTreeView(this);
    tree->setObjectName(QStringLiteral("review_tree"));
    tree->setAccessibleName(tr("Changes of the patch"));
    tree->setUniformRowHeights(true);
    tree->setAllColumnsShowFocus(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setItemDelegate(new review_delegate(tree));
    tree->setModel(model);
    QHeaderView* header = tree->header();
    header->setStretchLastSection(true);
    header->resizeSection(patch_review_model::change_column, 460);
    for (int c : {patch_review_model::expects_column, patch_review_model::holds_column,
                  patch_review_model::will_be_column})
        header->resizeSection(c, 150);
    tree->installEventFilter(this);

    summary = new status_line("review_summary", tr("Review summary"), this);
    summary->setBuddy(tree);

    select_all_button = button("select_all_button", tr("Select all"), this);
    select_all_button->setToolTip(tr("Tick every change that does not conflict"));
    select_none_button = button("select_none_button", tr("Select none"), this);
    apply_button = button("apply_button", tr("Apply selected"), this);
    apply_button->setToolTip(tr("Apply the ticked changes as one step of Undo"));
    cancel_button = button("cancel_button", tr("Cancel"), this);
    for (QPushButton* b : {select_all_button, select_none_button, apply_button, cancel_button})
        b->setAccessibleName(b->text());
    apply_button->setDefault(true);
    connect(apply_button, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_button, &QPushButton::clicked, this, &QDialog::reject);
    connect(select_all_button, &QPushButton::clicked, this, [this] { model->tick_all(true); });
    connect(select_none_button, &QPushButton::clicked, this, [this] { model->tick_all(false); });
    connect(model, &patch_review_model::ticks_changed, this, &patch_review_window::update_summary);

    find_timer_ = new QTimer(this);
    find_timer_->setSingleShot(true);
    find_timer_->setInterval(find_pause_ms);
    connect(find_timer_, &QTimer::timeout, this, &patch_review_window::find_now);
    connect(find_field, &QLineEdit::textChanged, find_timer_, qOverload<>(&QTimer::start));
    find_field->installEventFilter(this);
}

void patch_review_window::lay_out() {
    auto* find_row = new QHBoxLayout;
    find_row->addWidget(find_label);
    find_row->addWidget(find_field, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(select_all_button);
    buttons->addWidget(select_none_button);
    buttons->addStretch(1);
    buttons->addWidget(apply_button);
    buttons->addWidget(cancel_button);
    auto* page = new QVBoxLayout(this);
    page->addWidget(note_label);
    page->addWidget(whole_problems);
    page->addLayout(find_row);
    page->addWidget(tree, 1);
    page->addWidget(summary);
    page->addLayout(buttons);
    tab_chain(
        {find_field, tree, select_all_button, select_none_button, apply_button, cancel_button});
}

void patch_review_window::make_actions() {
    //: Context menu: tick the check box of the change (choose it to be applied)
    tick_action = new QAction(tr("Tick"), this);
    tick_action->setObjectName(QStringLiteral("tick_action"));
    untick_action = new QAction(tr("Untick"), this);
    untick_action->setObjectName(QStringLiteral("untick_action"));
    connect(tick_action, &QAction::triggered, this,
            [this] { model->tick(tree->currentIndex().siblingAtColumn(0), true); });
    connect(untick_action, &QAction::triggered, this,
            [this] { model->tick(tree->currentIndex().siblingAtColumn(0), false); });
    auto* all = new QAction(select_all_button->text(), this);
    connect(all, &QAction::triggered, select_all_button, &QPushButton::click);
    auto* none = new QAction(select_none_button->text(), this);
    connect(none, &QAction::triggered, select_none_button, &QPushButton::click);
    tree->setContextMenuPolicy(Qt::ActionsContextMenu);
    tree->addActions({tick_action, untick_action, all, none});

    find_action = new QAction(tr("Find"), this);
    find_action->setObjectName(QStringLiteral("find_action"));
    find_action->setShortcut(QKeySequence::Find);
    find_action->setShortcutContext(Qt::WindowShortcut);
    connect(find_action, &QAction::triggered, this, [this] {
        find_field->setFocus(Qt::ShortcutFocusReason);
        find_field->selectAll();
    });
    addAction(find_action);
}

bool patch_review_window::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (watched == tree && plain && key->key() == Qt::Key_Space) {
        // Space ticks or unticks the current line whichever of its cells has the focus.
        model->toggle(tree->currentIndex().siblingAtColumn(0));
        return true;
    }
    if (watched == find_field && plain) {
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter finds at once; it never applies the patch from the find field.
            find_now();
            return true;
        case Qt::Key_Down:
            tree->setFocus(Qt::TabFocusReason);
            return true;
        case Qt::Key_Escape:
            if (find_field->text().isEmpty())
                break;
            find_field->clear();
            find_now();
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void patch_review_window::find_now() {
    find_timer_->stop();
    const std::string folded = fold_text(find_field->text().toStdString());
    if (folded == model->filter())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    model->set_filter(folded);
    expand_groups(model->filtered());
    if (model->rowCount() > 0)
        tree->setCurrentIndex(model->index(0, 0));
    update_summary();
}

void patch_review_window::expand_groups(bool always) {
    if (!always && model->shown_row_count() > rows_shown_at_once)
        return;
    for (int g = 0; g < model->rowCount(); ++g)
        tree->expand(model->index(g, 0));
}

void patch_review_window::update_summary() {
    const QString changes = changes_text(review_.change_count());
    const QString conflicts = conflicts_text(review_.conflict_count());
    const QString text =
        model->filtered()
            //: %1: "40 changes"; %2: "1 conflict"; %3: how many changes are
            //: ticked; %4 of %5: the rows the find shows of all rows
            ? tr("%1, %2, %L3 selected; %L4 of %L5 rows shown")
                  .arg(changes, conflicts)
                  .arg(review_.ticked_count())
                  .arg(model->shown_row_count())
                  .arg(review_.rows().size())
            //: %1: "40 changes"; %2: "1 conflict"; %3: how many are ticked
            : tr("%1, %2, %L3 selected").arg(changes, conflicts).arg(review_.ticked_count());
    summary->setText(text);
    apply_button->setEnabled(review_.ticked_count() > 0);
}

} // namespace qira
