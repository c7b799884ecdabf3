#include "views/tree_find.h"
#include "views/handler_values.h"

#include <QHBoxLayout>
#include <QKeyEvent>

#include <algorithm>

namespace qira {

tree_find::tree_find(game_document& doc, node_tree* tree, const QString& accessible_name,
                     const char* object_name, QWidget* parent)
    : QWidget(parent), doc_(doc), tree_(tree) {
    setObjectName(QLatin1String(object_name));
    field = new QLineEdit(this);
    field->setObjectName(QLatin1String(object_name) + QStringLiteral("_field"));
    field->setPlaceholderText(tr("Find (Ctrl+F)"));
    field->setAccessibleName(accessible_name);
    field->setToolTip(tr("Name or part of a name, any case, accents optional; a "
                         "number or #number finds a player by id. Enter or F3: "
                         "next, Shift+Enter or Shift+F3: previous, Esc: back to the "
                         "tree."));
    count = new QLabel(this);
    count->setObjectName(QLatin1String(object_name) + QStringLiteral("_count"));
    count->setMinimumWidth(
        count->fontMetrics().horizontalAdvance(position_text().arg(99999).arg(99999)));
    count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    clear = new QToolButton(this);
    clear->setObjectName(QLatin1String(object_name) + QStringLiteral("_clear"));
    //: Button that empties the find field
    clear->setText(tr("Clear"));
    QString cleared = accessible_name;
    if (!cleared.isEmpty())
        cleared[0] = cleared[0].toLower();
    //: The clear button's name for screen readers; %1: the find field's name ("find in tree")
    clear->setAccessibleName(tr("Clear %1").arg(cleared));
    clear->setToolTip(tr("Clear the find field"));
    clear->setFocusPolicy(Qt::TabFocus);
    clear->setAutoRaise(true);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(field, 1);
    row->addWidget(count);
    row->addWidget(clear);
    field->installEventFilter(this);
    show_count();

    connect(field, &QLineEdit::textChanged, this, [this] { text_edited(); });
    connect(clear, &QToolButton::clicked, this, [this] {
        field->clear();
        field->setFocus();
    });
    connect(&doc_, &game_document::changed, this, [this](const document_change& d) {
        if (d.labels)
            labels_changed();
    });
    // A selection the user makes in the tree moves the count's place.
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { show_count(); });
}

std::optional<std::size_t> tree_find::current_node() const {
    const QTreeWidgetItem* item = tree_->currentItem();
    if (!item || !item->isSelected())
        return std::nullopt;
    const int n = doc_.trees.index_of(item);
    if (n < 0)
        return std::nullopt;
    return static_cast<std::size_t>(n);
}

namespace {

// The number of a query that names a player id ("123" or "#123"), or nothing.
std::optional<std::int64_t> id_query(QString text) {
    text = text.trimmed();
    if (text.startsWith(QLatin1Char('#')))
        text = text.mid(1).trimmed();
    const auto id = to_stored_number(text);
    if (!id)
        return std::nullopt;
    return id.value;
}

} // namespace

void tree_find::text_edited() {
    const QByteArray query = field->text().toUtf8();
    matches_ = doc_.trees.find_index.matches(
        std::string_view(query.constData(), static_cast<std::size_t>(query.size())));
    const auto current = current_node();
    std::optional<std::size_t> target;
    if (!matches_.empty()) {
        // The player with the id typed comes first; else the current node stays while it still
        // matches, and otherwise the first match after it is taken.
        const auto id = id_query(field->text());
        const std::size_t first = matches_.front();
        const auto& rows = doc_.trees.node_rows;
        const auto& levels = doc_.trees.node_levels;
        const auto links = doc_.game.db.rows(table_index::team_players);
        const bool first_by_id = id && first < rows.size() && levels[first] == 2 &&
                                 rows[first] >= 0 &&
                                 static_cast<std::size_t>(rows[first]) < links.size() &&
                                 links[static_cast<std::size_t>(rows[first])].keys[1] == *id;
        if (first_by_id)
            target = first;
        else if (current && label_find::position_of(matches_, *current))
            target = current;
        else
            target = label_find::step(matches_, current, true);
    }
    if (target && target != current)
        select(*target);
    show_count();
}

void tree_find::find_next(bool forward) {
    if (matches_.empty())
        return;
    if (const auto target = label_find::step(matches_, current_node(), forward))
        select(*target);
    show_count();
}

void tree_find::labels_changed() {
    const QByteArray query = field->text().toUtf8();
    matches_ = doc_.trees.find_index.matches(
        std::string_view(query.constData(), static_cast<std::size_t>(query.size())));
    show_count();
}

void tree_find::select(std::size_t node) {
    const auto& nodes =
        tree_ == doc_.trees.navigation ? doc_.trees.tree_nodes : doc_.trees.xchange_nodes;
    if (node >= nodes.size())
        return;
    QTreeWidgetItem* item = nodes[node];
    for (QTreeWidgetItem* p = item->parent(); p; p = p->parent())
        p->setExpanded(true);
    // Selecting the node does what a click does: the navigation tree shows its page.
    tree_->setCurrentItem(item);
    item->setSelected(true);
    tree_->scrollToItem(item);
}

QString tree_find::position_text() {
    //: Which match of the find is shown: %1 of %2 matches
    return tr("%L1 of %L2");
}

void tree_find::show_count() {
    QString text;
    if (field->text().trimmed().isEmpty())
        text = QString();
    else if (matches_.empty())
        text = tr("no match");
    else if (const auto current = current_node();
             current && label_find::position_of(matches_, *current))
        text = position_text()
                   .arg(*label_find::position_of(matches_, *current) + 1)
                   .arg(matches_.size());
    else
        text = matches_.size() == 1 ? tr("1 match")
                                    : tr("%Ln matches", nullptr, static_cast<int>(matches_.size()));
    count->setText(text);
    field->setAccessibleDescription(text);
}

bool tree_find::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool shift = key->modifiers() & Qt::ShiftModifier;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F3:
            find_next(!shift);
            return true;
        case Qt::Key_Escape:
            tree_->setFocus(Qt::ShortcutFocusReason);
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace qira
